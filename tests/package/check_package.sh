#!/usr/bin/env bash
# Builds the Debian package from the build folder, unpacks it into a scratch
# root, runs zentrava-cli from there, and checks its Depends and lintian.
set -euo pipefail
build=$1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

(cd "$build" && cpack -G DEB -B "$scratch/out" >"$scratch/cpack.log" 2>&1) || { cat "$scratch/cpack.log"; exit 1; }
deb=$(ls "$scratch"/out/zentrava_*.deb)
echo "package: $(basename "$deb")"

dpkg -x "$deb" "$scratch/root"
for f in usr/bin/zentrava usr/bin/zentrava-cli usr/lib/zentrava/zentrava usr/lib/zentrava/libzentrava-preview.so \
         usr/lib/zentrava/mouse.ini usr/share/applications/zentrava.desktop \
         usr/share/icons/hicolor/scalable/apps/zentrava.svg usr/share/doc/zentrava/copyright; do
  [ -e "$scratch/root/$f" ] || { echo "FAIL: the package lacks /$f"; exit 1; }
done

# The CLI on the PATH finds its program directory through the link.
out=$("$scratch/root/usr/bin/zentrava-cli" generate mouse 0 --show page)
grep -q '</Html>' <<<"$out" || { echo "FAIL: zentrava-cli from the package printed no page"; exit 1; }
"$scratch/root/usr/bin/zentrava-cli" --version

# Depends: worked out from the binaries, so it names the Qt libraries the
# app and the preview module link and the C++ runtime.
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for p in libqt6widgets6 libqt6webenginewidgets6 libqt6svg6 libstdc++6 libc6; do
  grep -q "\b$p\b" <<<"$depends" || { echo "FAIL: Depends lacks $p"; exit 1; }
done

if command -v lintian >/dev/null; then
  # Errors fail; warnings are shown.
  lintian --fail-on error --suppress-tags no-manual-page "$deb"
else
  echo "FAIL: lintian is not installed (scripts/setup.sh installs it)"
  exit 1
fi
echo "package check passed"
