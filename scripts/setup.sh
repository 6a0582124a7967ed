#!/usr/bin/env bash
# Installs the Debian packages Zentrava builds, runs and tests with, where missing.
# Runs apt-get as root or through sudo; otherwise says what to install.
set -euo pipefail

packages=(
  cmake make g++ pkg-config
  libgtest-dev libgmock-dev libbenchmark-dev libcli11-dev libutf8proc-dev
  qt6-base-dev qt6-base-dev-tools qt6-webengine-dev qt6-svg-dev qt6-image-formats-plugins
  qt6-qpa-plugins libgl-dev fonts-dejavu-core fonts-wqy-zenhei fonts-noto-cjk
  qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
  xvfb xauth xdg-utils lintian
  chromium
  clang libclang-rt-dev python3
)
if [ "${1:-}" = "--minimal" ]; then
  packages=(cmake make g++ pkg-config libgtest-dev libcli11-dev libutf8proc-dev)
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -eq 0 ]; then
  apt=(apt-get)
elif command -v sudo >/dev/null 2>&1 && sudo -n true 2>/dev/null; then
  apt=(sudo apt-get)
else
  echo "Zentrava needs these Debian packages: ${missing[*]}" >&2
  echo "Install them with: sudo apt-get install ${missing[*]}" >&2
  exit 1
fi
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
"${apt[@]}" update -q
"${apt[@]}" install -y -q --no-install-recommends "${missing[@]}"
