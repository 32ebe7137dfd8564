#!/bin/sh
# One-against-one computer battles between the computer skills, headless, from many starting
# points: each run waits SEED more frames in the menu, which changes every random draw after it.
# Usage: bench/tournament.sh [BUILD_DIR [SEEDS [FRAMES]]]
# Each pairing plays SEEDS runs (default 60) of FRAMES frames (default 15000), every battle finished
# in them counted; the sides swap every other run. Writes one line per pairing:
#   A vs B: battles, A's wins, B's wins, drawn; A's share of the battles with a winner.
# The winner of each battle comes from the statistics' "winners" list, which a headless run writes
# only when RAMPARO_STATS_WINNERS=1.
set -eu
build="${1:-build}"
seeds="${2:-60}"
frames="${3:-15000}"
game="$(cd "$build" && pwd)/ramparo"
data="$(cd "$build/data" && pwd)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

# Two computer players at 640 x 480; a click every 60 frames acknowledges results and shop.
script() {
    s=$1
    cat <<SCRIPT
# game.ini: 01 01 00 01
$((30 + s)) key SPACE
$((60 + s)) key SPACE
$((110 + s)) click 320 300
$((130 + s)) click 500 440
$((160 + s)) click 320 300
$((290 + s)) click 200 440
$((600 + s))+60 click 320 420
SCRIPT
}

pairing() {
    a=$1 b=$2 battles=0 winsA=0 winsB=0 drawn=0 s=0
    while [ "$s" -lt "$seeds" ]; do
        script "$s" >"$work/play.txt"
        # Even runs: A is player 1 (slot 0); odd runs: A is player 2.
        if [ $((s % 2)) -eq 0 ]; then skills="$a,$b" slotA=0; else skills="$b,$a" slotA=1; fi
        RAMPARO_STATS_WINNERS=1 "$game" --headless --data "$data" --script "$work/play.txt" \
            --max-frames "$frames" --computer-skill "$skills" --stats "$work/stats.json" 2>/dev/null
        for w in $(sed -n 's/.*"winners": \[\(.*\)\].*/\1/p' "$work/stats.json" | tr ',' ' '); do
            battles=$((battles + 1))
            if [ "$w" -eq "$slotA" ]; then winsA=$((winsA + 1))
            elif [ "$w" -eq -1 ]; then drawn=$((drawn + 1))
            else winsB=$((winsB + 1)); fi
        done
        s=$((s + 1))
    done
    decided=$((winsA + winsB))
    share=0
    [ "$decided" -gt 0 ] && share=$((100 * winsA / decided))
    echo "$a vs $b: $battles battles, $a $winsA, $b $winsB, drawn $drawn; $a won $share % of the decided"
}

pairing easy normal
pairing normal hard
pairing easy hard
