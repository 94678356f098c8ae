#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Pelimor developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Whole-process figures of the game beside a bare Qt window, on an Xvfb this script starts:
#  - start-up: milliseconds from starting the program to its window's first paint on screen,
#    as paint-watch sees it (a point of the window's background takes its colour), and the
#    processor time used by then; the game, bare-window and bare-window --text take turns,
#    RUNS times each;
#  - memory: VmRSS and VmHWM a few seconds after start;
#  - idle: processor time (utime + stime) and system calls over IDLE_SECONDS with no game running.
# Usage: process-figures.sh BUILD_DIR DISPLAY_NUMBER [RUNS] [IDLE_SECONDS]
# Needs Xvfb and xdotool; strace for the system-call count (skipped without it).
set -euo pipefail

# Starting Xvfb and ending processes, shared with the end-to-end test.
. "$(dirname "$(readlink -f "$0")")/../../tests/support/xdisplay.sh"

build=$(readlink -f "$1")
display_number=$2
runs=${3:-20}
idle_seconds=${4:-10}

game=$build/app/pelimor
bare=$build/bench/ui/bare-window
watch=$build/bench/ui/paint-watch
for p in "$game" "$bare" "$watch"; do [ -x "$p" ] || { echo "missing $p" >&2; exit 2; }; done

# Both windows are 821 x 652, centred on a 1024 x 768 screen; this point of their client area
# shows the window's background colour (0x789078) in both, once painted.
probe_x=$((102 + 700))
probe_y=$((58 + 600))
background=789078
timeout_ms=20000

scratch=$(mktemp -d)
xvfb_pid=
program_pgid=
cleanup() {
  end_session "$program_pgid" "$xvfb_pid"
  rm -rf "$scratch"
}
trap cleanup EXIT

start_xvfb "$display_number" 1 "$scratch" \
  || { cat "$scratch/xvfb.log"; echo "Xvfb did not start on :$display_number" >&2; exit 1; }
# No sound server: the game's sound library gives up at once, as on a machine without one.
export PULSE_SERVER=unix:$scratch/no-such-sound-server
mkdir -m 700 "$scratch/runtime"
export XDG_RUNTIME_DIR=$scratch/runtime

# Prints "n min median mean max" of the numbers in a file, one a line, with $2 decimals (1).
summary() {
  sort -n "$1" | awk -v d="${2:-1}" '{ v[NR] = $1; s += $1 } END {
    m = (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2;
    f = "%." d "f";
    printf "n=%d min=" f " median=" f " mean=" f " max=" f, NR, v[1], m, s / NR, v[NR] }'
}
median() { summary "$1" | sed -E 's/.*median=([0-9.]+).*/\1/'; }

echo "== start-up to first paint ($runs runs each, alternating): wall-clock ms, processor ms"
: > "$scratch/game.ms"; : > "$scratch/bare.ms"; : > "$scratch/text.ms"
for _ in $(seq "$runs"); do
  (cd "$build/app" && "$watch" $probe_x $probe_y $background $timeout_ms "$game") \
    >> "$scratch/game.ms"
  "$watch" $probe_x $probe_y $background $timeout_ms "$bare" >> "$scratch/bare.ms"
  "$watch" $probe_x $probe_y $background $timeout_ms "$bare" --text >> "$scratch/text.ms"
done
column_of() { awk -v c="$2" '{ print $c }' "$scratch/$1.ms" > "$scratch/$1.$2"; }
for name in game bare text; do column_of $name 1; column_of $name 2; done
for column in 1 2; do
  [ $column = 1 ] && echo "-- wall-clock ms" || echo "-- processor ms (all threads)"
  echo "game:               $(summary "$scratch/game.$column")"
  echo "bare-window:        $(summary "$scratch/bare.$column")"
  echo "bare-window --text: $(summary "$scratch/text.$column")"
  paste "$scratch/game.$column" "$scratch/bare.$column" | awk '{ printf "%.3f\n", $1 / $2 }' \
    > "$scratch/ratio"
  echo "game/bare, run by run: $(summary "$scratch/ratio" 2)"
  awk -v g="$(median "$scratch/game.$column")" -v b="$(median "$scratch/bare.$column")" \
      -v t="$(median "$scratch/text.$column")" 'BEGIN {
    printf "medians: game/bare %.2f (target: at most 1.10), game/bare --text %.2f\n",
      g / b, g / t }'
done

# Starts a program in its own process group and waits for its window; sets program_pgid.
launch() {
  local folder=$1 program=$2 name=$3
  (cd "$folder" && exec setsid "$program") > "$scratch/program.log" 2>&1 &
  program_pgid=$!
  for _ in $(seq 200); do
    xdotool search --onlyvisible --name "$name" > /dev/null 2>&1 && return 0
    sleep 0.05
  done
  echo "no window '$name'" >&2
  return 1
}
ticks=$(getconf CLK_TCK)
cpu_ms() { awk -v t="$ticks" '{ print ($14 + $15) * 1000 / t }' "/proc/$1/stat"; }
status_kb() { awk -v k="$2:" '$1 == k { print $2 }' "/proc/$1/status"; }

for which in game bare; do
  if [ $which = game ]; then launch "$build/app" "$game" 'Пелимор 2007'
  else launch "$build/bench/ui" "$bare" 'bare window'; fi
  pid=$program_pgid
  sleep 3
  echo "== $which, 3 s after start: VmRSS $(status_kb "$pid" VmRSS) kB," \
       "VmHWM $(status_kb "$pid" VmHWM) kB"
  before=$(cpu_ms "$pid")
  traced=
  if command -v strace > /dev/null; then
    : > "$scratch/strace.txt"
    timeout "$idle_seconds" strace -c -f -p "$pid" -o "$scratch/strace.txt" > /dev/null 2>&1 || true
    traced=1
  else
    sleep "$idle_seconds"
  fi
  after=$(cpu_ms "$pid")
  used=$(awk -v a="$after" -v b="$before" 'BEGIN { print a - b }')
  echo "   idle ${idle_seconds} s: cpu $used ms"
  if [ -n "$traced" ]; then
    # strace -c writes no table at all when no thread made a single call.
    calls=$(awk '$NF == "total" { print $4 }' "$scratch/strace.txt")
    echo "   system calls while idle, all threads: ${calls:-0}"
    grep -E '^ *[0-9]' "$scratch/strace.txt" | head -5 | sed 's/^/     /' || true
  fi
  rm -f "$scratch/strace.txt"
  stop "-$program_pgid"
  program_pgid=
done
