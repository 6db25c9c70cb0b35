#!/usr/bin/env bash
# Starts the desktop program under Xvfb with the demo backup and saves a
# screenshot of the screen (the maximised main window) as a PNG.
#   tools/screenshot.sh [BUILD_DIR] [OUTPUT.png]
set -euo pipefail
build=${1:-build}
out=${2:-res/images/main-window.png}
for p in xvfb imagemagick; do
  dpkg -s "$p" >/dev/null 2>&1 || { apt-get update -qq; DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "$p"; }
done
mkdir -p "$(dirname "$out")"
display=:97
Xvfb "$display" -screen 0 1400x900x24 >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb $app 2>/dev/null || true' EXIT
sleep 1
runtime=$(mktemp -d)
DISPLAY=$display XDG_RUNTIME_DIR=$runtime "$build/app/halvane" res/samples/demo.bkf >/dev/null &
app=$!
sleep 5
# Without a window manager the window keeps its own size at the top left.
DISPLAY=$display import -window root -crop 1200x800+0+0 +repage "$out"
echo "wrote $out"
