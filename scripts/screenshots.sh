#!/usr/bin/env bash
# Pictures of Velmora's windows for review, in French and in English, saved
# as PNG files in build/screenshots/. Starts the program itself under Xvfb and
# takes the screen, then lets velmora_screenshots draw each window.
# Usage: scripts/screenshots.sh [build folder, default build]
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD_DIR=${1:-build}
OUT="$PWD/build/screenshots"
mkdir -p "$OUT"

if [ ! -x "$BUILD_DIR/bin/velmora" ] || [ ! -x "$BUILD_DIR/bin/velmora_screenshots" ]; then
    cmake -S . -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
    cmake --build "$BUILD_DIR" --target velmora velmora_screenshots -j2
fi

# The live program, from a copy of its folder so its Param.ini stays as it is.
live=$(mktemp -d)
trap 'rm -rf "$live"' EXIT
cp "$BUILD_DIR/bin/velmora" "$BUILD_DIR/bin/Comp.qnr" "$live/"
for langue in francais anglais; do
    printf '[Parametrage]\nLangue=%s\n[PositionFenetre]\nNormalTop=40\nNormalLeft=60\n' \
        "$langue" >"$live/Param.ini"
    suffix=fr
    [ "$langue" = anglais ] && suffix=en
    xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
        "$1/velmora" &
        pid=$!
        sleep 3
        import -window root "$2"
        kill "$pid"
        wait "$pid" 2>/dev/null || true
    ' _ "$live" "$OUT/live-$suffix.png"
    echo "$OUT/live-$suffix.png"
done

xvfb-run -a -s "-screen 0 1024x768x24" "$BUILD_DIR/bin/velmora_screenshots" "$OUT"
