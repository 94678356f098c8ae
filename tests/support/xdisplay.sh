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
# Sets xvfb_pid and exports DISPLAY; returns 1 if none started.
#
# A number is ours once our Xvfb's pid stands in its lock file (-displayfd would leave the lock
# out, and other X servers look for it) and a client gets through; one that takes no client in
# 10 s is given up for the next number. Xvfb runs with -noreset: otherwise, whenever its last
# client leaves, it resets and drops a client that is just connecting, and a game started as
# a helper program disconnected could not open its display.
start_xvfb() {
  local first=$1 count=$2 folder=$3 screen=${4:-1024x768x24} n
  for n in $(seq "$first" $((first + count - 1))); do
    # A live server's lock makes Xvfb end at once, and a dead one's lock it takes over; a socket
    # alone is a server that took no lock.
    if [ -e "/tmp/.X11-unix/X$n" ]; then continue; fi
    Xvfb ":$n" -screen 0 "$screen" -nolisten tcp -noreset > "$folder/xvfb.log" 2>&1 &
    xvfb_pid=$!
    for _ in $(seq 100); do
      kill -0 "$xvfb_pid" 2>/dev/null || break
      if [ "$(tr -d ' ' 2>/dev/null < "/tmp/.X$n-lock")" = "$xvfb_pid" ] &&
        DISPLAY=":$n" xdpyinfo > /dev/null 2>&1; then
        export DISPLAY=":$n"
        return 0
      fi
      sleep 0.1
    done
    if kill -0 "$xvfb_pid" 2>/dev/null; then
      echo "Xvfb on :$n (pid $xvfb_pid) took no client within 10 s; trying the next number" >&2
    fi
    stop "$xvfb_pid"
    wait "$xvfb_pid" 2>/dev/null || true
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
