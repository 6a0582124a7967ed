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
         usr/share/icons/hicolor/scalable/apps/zentrava.svg usr/share/doc/zentrava/copyright \
         usr/lib/zentrava/translations/zentrava_zh_CN.qm usr/lib/zentrava/translations/zentrava_zh_TW.qm \
         usr/lib/zentrava/help/index.zh_CN.html usr/lib/zentrava/help/index.zh_TW.html; do
  [ -e "$scratch/root/$f" ] || { echo "FAIL: the package lacks /$f"; exit 1; }
done

# The CLI on the PATH finds its program directory through the link.
out=$("$scratch/root/usr/bin/zentrava-cli" generate mouse 0 --show page)
grep -q '</Html>' <<<"$out" || { echo "FAIL: zentrava-cli from the package printed no page"; exit 1; }
"$scratch/root/usr/bin/zentrava-cli" --version

# Another user of the installed tree: the program directory is root's, so
# the preview goes to the user's cache folder, where the pictures are
# reached by the same relative paths; with no folder to write, it fails
# naming the file last tried.
if [ "$(id -u)" -eq 0 ] && command -v setpriv >/dev/null; then
  home="$scratch/home"
  mkdir -p "$home" && chown nobody "$home"
  chmod 755 "$scratch"
  as_user() { setpriv --reuid=nobody --regid="$(id -g nobody)" --clear-groups env -i HOME="$home" PATH=/usr/bin:/bin "$@"; }
  as_user "$scratch/root/usr/bin/zentrava-cli" generate image 0 --preview >/dev/null
  grep -q 'image.Dog\.jpg' "$home/.cache/zentrava/temp.htm" || { echo "FAIL: no preview file in the user's cache"; exit 1; }
  cmp -s "$home/.cache/zentrava/image/Dog.jpg" "$scratch/root/usr/lib/zentrava/image/Dog.jpg" ||
    { echo "FAIL: the preview's picture is not reached from the user's cache"; exit 1; }
  [ ! -e "$scratch/root/usr/lib/zentrava/temp.htm" ] || { echo "FAIL: the preview went into the program directory"; exit 1; }
  rm -rf "$home/.cache"
  chmod 555 "$home"
  if err=$(as_user env XDG_CACHE_HOME="$home/cache" "$scratch/root/usr/bin/zentrava-cli" generate image 0 --preview 2>&1 >/dev/null); then
    echo "FAIL: the preview was reported saved with no folder to write"; exit 1
  fi
  [ "$err" = "Cannot create file $home/cache/zentrava/temp.htm.
Permission denied" ] || { echo "FAIL: unexpected error: $err"; exit 1; }
  echo "another user's preview: in the cache folder, with its pictures; the error names $home/cache/zentrava/temp.htm"
fi

# Depends: worked out from the binaries, so it names the Qt libraries the
# app and the preview module link and the C++ runtime.
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for p in libqt6widgets6 libqt6webenginewidgets6 libqt6svg6 libstdc++6 libc6 fonts-noto-cjk; do
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
