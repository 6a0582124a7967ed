#!/usr/bin/env bash
# Starts the desktop app from the program directory, or explains how to use
# the command-line generator when there is no display.
set -eu
bin=$1
if [ -x "$bin/zentrava" ] && { [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; }; then
  exec "$bin/zentrava"
fi
if [ -x "$bin/zentrava" ]; then
  echo "No display is available (neither DISPLAY nor WAYLAND_DISPLAY is set), so the desktop app cannot start."
else
  echo "The desktop app was not built."
fi
echo "The same engine runs without a display as $bin/zentrava-cli, for example:"
echo "  $bin/zentrava-cli categories"
echo "  $bin/zentrava-cli list mouse"
echo "  $bin/zentrava-cli generate mouse 0 --show page"
echo
"$bin/zentrava-cli" categories
