# SPDX-FileCopyrightText: 2026 The Pelimor developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Helpers for scripts that play the real game on an X display of their own with xdotool: the
# session (scratch folder, Xvfb, a machine without sound or browser), finding the game's windows,
# closing its notices, winning a 4 x 4 game and leaving by the exit button. Sourced; every wait
# is bounded.

. "$(dirname "${BASH_SOURCE[0]}")/xdisplay.sh"

scratch=
fail_label=

# fail MESSAGE: ends the script with MESSAGE, $fail_label and the tails of the session's logs,
# which are kept whole in a folder failed-run.* of the working folder.
fail() {
  echo "FAIL ($fail_label): $*" >&2
  local kept=
  for log in "$scratch"/*.log; do
    if [ -s "$log" ]; then
      echo "--- ${log##*/}:" >&2
      tail -20 "$log" >&2
      kept=${kept:-$(mktemp -d "$PWD/failed-run.XXXXXX")}
      cp "$log" "$kept/"
    fi
  done
  if [ -n "$kept" ]; then echo "logs kept in $kept" >&2; fi
  exit 1
}

# open_session FIRST_DISPLAY [SCREEN]: a scratch folder, removed with the game and Xvfb however
# the script ends; an Xvfb (of SCREEN size, see start_xvfb) on the first free display from
# FIRST_DISPLAY (of 20); no sound server; and a stub xdg-open standing for the desktop's browser
# that writes each page it is given to $scratch/help-pages.
open_session() {
  scratch=$(mktemp -d)
  xvfb_pid=
  game_pid=
  trap 'end_session "$game_pid" "$xvfb_pid"; rm -rf "$scratch"' EXIT
  trap 'exit 1' INT TERM
  command -v Xvfb > /dev/null || fail "Xvfb is not installed (scripts/install-deps installs it)"
  command -v xdotool > /dev/null || fail "xdotool is not installed (scripts/install-deps installs it)"
  start_xvfb "$1" 20 "$scratch" "${2:-}" || fail "no Xvfb could start on :$1 to :$(($1 + 19))"
  mkdir "$scratch/bin"
  printf '#!/bin/sh\necho "$*" >> "%s/help-pages"\n' "$scratch" > "$scratch/bin/xdg-open"
  chmod +x "$scratch/bin/xdg-open"
  export PATH=$scratch/bin:$PATH
  export PULSE_SERVER=unix:$scratch/no-such-sound-server
  mkdir -m 700 "$scratch/runtime"
  export XDG_RUNTIME_DIR=$scratch/runtime
}

# The number of pages handed to the browser stub so far.
help_pages() {
  if [ -f "$scratch/help-pages" ]; then wc -l < "$scratch/help-pages"; else echo 0; fi
}

# The main window's caption and the notices' title, as the game writes them.
main_caption='  Пелимор 2007.0'
notice_title='ПЕЛИМОР 2007'

# Device pixels to a logical pixel of the game's window: a whole number, set by a script that runs
# the game at QT_SCALE_FACTOR=2 or the like. The points below are logical.
scale=1

# Client points of the main window: the buttons' centres (start (4, 4) 39 x 39, size (49, 3),
# picker (201, 3), hint (260, 3) 36 x 36, help (560, 3), stop (736, 3) 36 x 36, exit (778, 3)),
# and the board panel at (4, 48), 600 x 600.
start_button=(23 23)
size_button=(68 22)
picker_button=(220 22)
hint_button=(278 21)
help_button=(579 22)
stop_button=(754 21)
exit_button=(797 22)
panel_left=4
panel_top=48

# The client point of the centre of cell (col, row) on a side x side board: the board is centred
# in the 600-pixel panel, cells 48 x 48 at a 49-pixel pitch.
cell_centre_x() { echo $((panel_left + (600 - 49 * $3 + 1) / 2 + 49 * $1 + 24)); }
cell_centre_y() { echo $((panel_top + (600 - 49 * $3 + 1) / 2 + 49 * $2 + 24)); }

# Windows of the game whose name is exactly $1 (xdotool matches names by pattern, ignoring case).
windows_named() {
  local id
  for id in $(xdotool search --onlyvisible --name '2007' 2>/dev/null || true); do
    [ "$(xdotool getwindowname "$id" 2>/dev/null || true)" = "$1" ] && echo "$id"
  done
  return 0
}

# start_game FOLDER LOG: starts ./pelimor in FOLDER in a process group of its own, its output in
# LOG; sets game_pid.
start_game() {
  (cd "$1" && exec setsid ./pelimor) > "$2" 2>&1 &
  game_pid=$!
}

# start_accessibility_bus: in a D-Bus session of the script's own, starts the accessibility bus
# (its log in $scratch/bus.log), sets bus_pid, waits up to 30 s for it and switches Qt's
# accessibility on for the programs started after it.
start_accessibility_bus() {
  local launcher= candidate
  for candidate in /usr/libexec/at-spi-bus-launcher /usr/lib/at-spi2-core/at-spi-bus-launcher; do
    [ -x "$candidate" ] && launcher=$candidate && break
  done
  [ -n "$launcher" ] || fail "at-spi2-core is not installed (scripts/install-deps installs it)"
  "$launcher" --launch-immediately --a11y=1 > "$scratch/bus.log" 2>&1 &
  bus_pid=$!
  until_true 300 bus_up || fail "no accessibility bus within 30 s"
  export QT_ACCESSIBILITY=1 QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
}
bus_up() {
  dbus-send --session --print-reply --dest=org.freedesktop.DBus / \
    org.freedesktop.DBus.NameHasOwner string:org.a11y.Bus 2> /dev/null | grep -q true
}

# until_true TENTHS COMMAND...: runs COMMAND every tenth of a second until it succeeds, at most
# TENTHS times; fails if it never does.
until_true() {
  local tries=$1
  shift
  for _ in $(seq "$tries"); do "$@" && return 0; sleep 0.1; done
  return 1
}

# wait_for_main_window PID: waits up to 30 s for the game's window while PID lives; sets window
# and its screen origin window_x, window_y (no window manager: the client area is the window).
wait_for_main_window() {
  window=
  for _ in $(seq 300); do
    kill -0 "$1" 2>/dev/null || return 1
    window=$(windows_named "$main_caption" | head -1)
    [ -n "$window" ] && break
    sleep 0.1
  done
  [ -n "$window" ] || return 1
  eval "$(xdotool getwindowgeometry --shell "$window" | grep -E '^[XY]=')"
  window_x=$X
  window_y=$Y
}

# A left click at a (logical) point of the main window's client area.
click_at() {
  xdotool mousemove --window "$window" $(($1 * scale)) $(($2 * scale)) mousedown 1 mouseup 1
}

# Waits up to $1 tenths of a second for a notice; prints its id when one is there.
wait_for_notice() {
  local notice
  for _ in $(seq "$1"); do
    notice=$(windows_named "$notice_title" | head -1)
    if [ -n "$notice" ]; then
      echo "$notice"
      return 0
    fi
    sleep 0.1
  done
  return 1
}

# Answers every open notice with Return (its default button, OK) until none is left, at most $1
# (default 20) of them; prints how many it closed. Return is typed as a player types it, to the
# window that has the keyboard (the open notice takes it). The end-to-end test closes one with
# `key --window` too, which once left Return held down in the X server.
close_notices() {
  local closed=0 notice
  while [ "$closed" -lt "${1:-20}" ]; do
    notice=$(windows_named "$notice_title" | head -1)
    [ -n "$notice" ] || break
    xdotool key Return 2>/dev/null || true
    for _ in $(seq 50); do
      windows_named "$notice_title" | grep -qx "$notice" || break
      sleep 0.1
    done
    closed=$((closed + 1))
  done
  echo "$closed"
}

# Starts a 4 x 4 game with its one treasure and opens cells row by row until the win notice
# shows; prints the notice's id. A round comes up empty only if the window dropped a press (the
# first may arrive before the window takes input), so up to three rounds press start again.
# Clicks that land while the notice is opening meet its body, never its button: it is centred
# over the window, right of the board's last column.
win_small_game() {
  local notice row col
  for _ in 1 2 3; do
    click_at "${start_button[@]}"
    sleep 0.3
    for row in 0 1 2 3; do
      for col in 0 1 2 3; do
        click_at "$(cell_centre_x "$col" "$row" 4)" "$(cell_centre_y "$col" "$row" 4)"
        if notice=$(wait_for_notice 3); then
          echo "$notice"
          return 0
        fi
      done
    done
    # A slow machine may still be handling the last clicks.
    if notice=$(wait_for_notice 50); then
      echo "$notice"
      return 0
    fi
  done
  return 1
}

# exit_by_button PID: presses the exit button and waits up to 30 s for PID, a child of this
# shell, to end; sets exit_status (or returns 1 if it did not end).
exit_by_button() {
  click_at "${exit_button[@]}"
  wait_for_exit "$1"
}

# wait_for_exit PID: waits up to 30 s for PID, a child of this shell, to end; sets exit_status
# (or returns 1 if it did not end).
wait_for_exit() {
  for _ in $(seq 300); do
    if ! kill -0 "$1" 2>/dev/null; then
      exit_status=0
      wait "$1" || exit_status=$?
      return 0
    fi
    sleep 0.1
  done
  return 1
}

# leave_cleanly [pressed]: presses the exit button (or, with "pressed", counts on it having been
# pressed otherwise) and fails unless the game ends within 30 s with status 0 and its log holds no
# crash or sanitizer report.
leave_cleanly() {
  if [ "${1:-}" = pressed ]; then wait_for_exit "$game_pid"; else exit_by_button "$game_pid"; fi ||
    fail "the game did not end within 30 s of the exit button"
  game_pid=
  [ "$exit_status" -eq 0 ] || fail "the game ended with status $exit_status"
  local reports
  reports=$(crash_reports "$scratch/game.log")
  [ -z "$reports" ] || fail "crash reports: $reports"
}

# The state letter of a process (R, S, D, Z, T ...), or nothing if it is gone.
process_state() {
  local stat
  stat=$(cat "/proc/$1/stat" 2>/dev/null) || return 0
  stat=${stat##*) }
  echo "${stat%% *}"
}

# Sanitizer or crash reports in a log file, if any.
crash_reports() {
  grep -E 'ERROR: AddressSanitizer|ERROR: LeakSanitizer|runtime error:|Segmentation fault|core dumped' \
    "$1" 2>/dev/null || true
}
