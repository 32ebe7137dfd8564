#!/bin/sh
# The online game's figures on loopback, at the real pace of 60 frames a second:
#   - bytes a second per joined machine during a battle (host and joined side), from --stats;
#   - the input delay: how many frames after it was made the host's own input took effect, from
#     its recording (the frame it was shown is one more);
#   - the processor time of an idle joined machine in the menu (GNU time).
# Usage: bench/online.sh [BUILD_DIR]   (about two minutes)
set -eu
build="${1:-build}"
game="$(cd "$build" && pwd)/ramparo"
data="$(cd "$build/data" && pwd)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cd "$work"
port=24990

# Two remote players fight one battle of 10-second turns; the host watches.
cat >host.txt <<'SCRIPT'
# game.ini: 01 01 00 01
# turn-time: 10
30 key SPACE
62 key SPACE
300 click 310 300
310 click 310 300
340 click 500 440
400 click 310 300
410 click 310 300
440 click 200 440
3600 quit
SCRIPT
printf '100+97 move 413 112\n110+97 press left\n150+97 release left\n3600 quit\n' >p1.txt
printf '100+89 move 178 171\n110+89 press left\n155+89 release left\n3600 quit\n' >p2.txt
"$game" --data "$data" --headless --host $port --script host.txt --stats host.json --record host.rec 2>/dev/null &
sleep 0.5
"$game" --data "$data" --headless --join 127.0.0.1:$port --script p1.txt --stats p1.json 2>/dev/null &
"$game" --data "$data" --headless --join 127.0.0.1:$port --script p2.txt --stats p2.json 2>/dev/null
wait
figure() { sed -n "s/.*\"$2\": \([0-9]*\).*/\1/p" "$1"; }
seconds=60
echo "battles: $(figure host.json battles), frames: $(figure host.json frames), game time ${seconds} s"
echo "host sends $(( $(figure host.json bytes_sent) / 2 / seconds )) bytes/s and receives $(( $(figure host.json bytes_received) / 2 / seconds )) bytes/s per joined machine"
echo "a joined machine sends $(( $(figure p1.json bytes_sent) / seconds )) bytes/s and receives $(( $(figure p1.json bytes_received) / seconds )) bytes/s"
# The host's clicks were made at frames 300, 310, ...: the recording has the frames they took effect.
printf 'input delay of the host'"'"'s clicks (frames): '
for made in 300 310 340 400 410 440; do
    took=$(awk -v m="$made" '$2 == "press" && $1 >= m { print $1; exit }' host.rec)
    printf '%s ' $((took - made))
done
echo

# An idle joined machine in the menu for 30 s.
printf '1800 quit\n' >idle.txt
"$game" --data "$data" --headless --host $((port + 1)) --script idle.txt 2>/dev/null &
sleep 0.5
/usr/bin/time -f "idle joined machine in the menu: %U s user + %S s system over %e s" \
    "$game" --data "$data" --headless --join 127.0.0.1:$((port + 1)) --script idle.txt 2>&1 | grep idle
wait
