# SPDX-FileCopyrightText: 2026 The Pelimor developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Helpers for scripts that run the game on an X display of their own: starting Xvfb on a free
# display number, and ending a process or a process group. Sourced, not run.

# Asks the process (or, with a leading "-", the process group) to end, then forces it.
stop() {
  kill -TERM -- "$1" 2>/dev/null || return 0
  for _ in $(seq 20); do
    kill -0 -- "$1" 2>/dev/null || return 0
    sleep 0.1
  done
  kill -KILL -- "$1" 2>/dev/null || true
}

# start_xvfb FIRST COUNT FOLDER [SCREEN]: starts Xvfb (SCREEN, 1024x768x24 unless given) on the
# first free display number from FIRST, trying COUNT numbers, with its log in FOLDER/xvfb.log.
# Sets xvfb_pid and exports DISPLAY; returns 1 if none started. Xvfb refuses a taken number, so a server started elsewhere
# between our look and our start only costs one more try.
start_xvfb() {
  local first=$1 count=$2 folder=$3 screen=${4:-1024x768x24} n
  for n in $(seq "$first" $((first + count - 1))); do
    if [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ]; then continue; fi
    rm -f "$folder/display"
    Xvfb ":$n" -displayfd 3 -screen 0 "$screen" -nolisten tcp 3> "$folder/display" \
      > "$folder/xvfb.log" 2>&1 &
    xvfb_pid=$!
    for _ in $(seq 100); do
      if [ -s "$folder/display" ]; then
        DISPLAY=":$(head -1 "$folder/display")"
        export DISPLAY
        return 0
      fi
      kill -0 "$xvfb_pid" 2>/dev/null || break
      sleep 0.1
    done
    stop "$xvfb_pid"
    xvfb_pid=
  done
  return 1
}

# end_session PGID XVFB_PID: ends the program's process group and then Xvfb, either left out
# when empty, and reaps them.
end_session() {
  if [ -n "$1" ]; then stop "-$1"; fi
  if [ -n "$2" ]; then stop "$2"; fi
  wait 2>/dev/null || true
}
