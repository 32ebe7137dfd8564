#!/bin/sh
# The game-level figures of the performance table (bench/README.md): headless runs on the generated
# data (640 x 480, as game.ini ships, and 1024 x 768). Usage: bench/perf/measure.sh [BUILD_DIR]
set -eu
here="$(cd "$(dirname "$0")" && pwd)"
build="$(cd "${1:-$here/../../build}" && pwd)"
out="$(mktemp -d)"
trap 'rm -rf "$out"' EXIT

# One headless run: wall and processor seconds, peak resident size; statistics in $out/stats.json.
run() {
    /usr/bin/time -f "%e %U %S %M" -o "$out/time" "$build/ramparo" --headless --stats "$out/stats.json" "$@" >/dev/null
    read -r wall user sys rss <"$out/time"
    cpu=$(echo "$user $sys" | awk '{printf "%.2f", $1 + $2}')
}
stat() { grep "\"$1\"" "$out/stats.json" | sed 's/^[^:]*: //; s/,$//'; }

for i in 1 2 3 4 5; do
    run --script "$here/menu.txt"
    echo "start-up to the menu: ${wall} s wall, ${cpu} s processor, peak ${rss} KiB"
done

run --script "$here/five_computers.txt" --max-frames 25000
echo "five computer players, one battle: peak ${rss} KiB; setup_ms $(stat setup_ms);" \
     "frame p50 $(stat frame_ms_p50) ms, p99 $(stat frame_ms_p99) ms; battles $(stat battles);" \
     "error boxes $(stat error_boxes)"

run --screen-mode 3 --script "$here/five_computers_1024.txt" --max-frames 25000
echo "five computer players at 1024 x 768, one battle: peak ${rss} KiB; setup_ms $(stat setup_ms);" \
     "frame p50 $(stat frame_ms_p50) ms, p99 $(stat frame_ms_p99) ms; battles $(stat battles)"

run --script "$here/four_computers.txt" --max-frames 120000
frames=$(stat frames)
echo "four computer players: $(stat battles) battles, $frames frames in ${wall} s wall, ${cpu} s processor" \
     "($(echo "$frames $cpu" | awk '{printf "%.0f", $1 / $2}') frames per processor second);" \
     "peak ${rss} KiB; setup_ms $(stat setup_ms); frame p50 $(stat frame_ms_p50) ms," \
     "p99 $(stat frame_ms_p99) ms; error boxes $(stat error_boxes)"
