#!/usr/bin/env bash
# The real program on a real X display, played like a player: start a 4 x 4 game with its one
# treasure, open cells until the treasure turns up, and see the win notice open.
#
# Needs Xvfb and xdotool. Starts its own Xvfb on the first free display from
# PELIMOR_E2E_FIRST_DISPLAY (40 unless set), runs the game there with no sound device, and ends
# both however the test ends. Every wait is bounded.
# Usage: finds_the_treasure.sh GAME_PROGRAM
set -euo pipefail

here=$(dirname "$(readlink -f "$0")")
. "$here/xdisplay.sh"
program=$(readlink -f "$1")
first_display=${PELIMOR_E2E_FIRST_DISPLAY:-40}
displays_to_try=20

# The main window's caption and the notices' title, as the game writes them.
main_caption='  Пелимор 2007.0'
notice_title='ПЕЛИМОР 2007'

# Client geometry of the main window: the start button at (4, 4), 39 x 39; the board panel at
# (4, 48), a 4 x 4 board 202 pixels inside it, cells 48 x 48 at a 49-pixel pitch.
start_x=$((4 + 39 / 2))
start_y=$((4 + 39 / 2))
cell_centre_x() { echo $((4 + 202 + 49 * $1 + 24)); }
cell_centre_y() { echo $((48 + 202 + 49 * $1 + 24)); }

scratch=$(mktemp -d)
xvfb_pid=
game_pgid=

fail() {
  echo "FAIL: $*" >&2
  for log in xvfb game; do
    if [ -s "$scratch/$log.log" ]; then
      echo "--- $log.log:" >&2
      tail -20 "$scratch/$log.log" >&2
    fi
  done
  exit 1
}

cleanup() {
  end_session "$game_pgid" "$xvfb_pid"
  rm -rf "$scratch"
}
trap cleanup EXIT
trap 'exit 1' INT TERM

[ -x "$program" ] || fail "no game program at $1"
command -v Xvfb > /dev/null || fail "Xvfb is not installed (scripts/install-deps installs it)"
command -v xdotool > /dev/null || fail "xdotool is not installed (scripts/install-deps installs it)"

# A display of our own.
start_xvfb "$first_display" "$displays_to_try" "$scratch" \
  || fail "no Xvfb could start on :$first_display to :$((first_display + displays_to_try - 1))"
echo "display $DISPLAY"

# The game from its own folder, where it finds wav/; no sound server, in a process group of its
# own so that everything it starts ends with it.
export PULSE_SERVER=unix:$scratch/no-such-sound-server
mkdir -m 700 "$scratch/runtime"
export XDG_RUNTIME_DIR=$scratch/runtime
(cd "$(dirname "$program")" && exec setsid "$program") > "$scratch/game.log" 2>&1 &
game_pgid=$!

# Windows of the game whose name is exactly $1 (xdotool matches names by pattern, ignoring case).
windows_named() {
  local id
  for id in $(xdotool search --name '2007' 2>/dev/null || true); do
    [ "$(xdotool getwindowname "$id" 2>/dev/null || true)" = "$1" ] && echo "$id"
  done
  return 0
}

window=
for _ in $(seq 300); do
  kill -0 "$game_pgid" 2>/dev/null || fail "the game ended before its window appeared"
  window=$(xdotool search --onlyvisible --name 'Пелимор 2007\.0' 2>/dev/null | head -1 || true)
  [ -n "$window" ] && break
  sleep 0.1
done
[ -n "$window" ] || fail "no game window within 30 s"
[ "$(xdotool getwindowname "$window")" = "$main_caption" ] \
  || fail "the window is called '$(xdotool getwindowname "$window")', not '$main_caption'"
[ -z "$(windows_named "$notice_title")" ] || fail "a notice is open before any game"

# Clicks at a point of the main window's client area. With no window manager the window has no
# frame, so the client area starts at the window's own origin.
click_at() { xdotool mousemove --window "$window" "$1" "$2" click 1; }

# Waits up to $1 tenths of a second for the win notice; prints its id when it is there.
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

# One round: start, then open the cells row by row until the notice shows. A round comes up
# empty only if the window dropped a press (the first may arrive before the window takes
# input), so a second and third round press start again on a fresh game. Clicks that land
# while the notice is opening meet its body, never its button: it is centred over the window,
# right of the board's last column.
notice=
opened=0
for round in 1 2 3; do
  click_at "$start_x" "$start_y"
  sleep 0.3
  opened=0
  for row in 0 1 2 3; do
    for col in 0 1 2 3; do
      click_at "$(cell_centre_x "$col")" "$(cell_centre_y "$row")"
      opened=$((opened + 1))
      if notice=$(wait_for_notice 3); then break 3; fi
    done
  done
  # A slow machine may still be handling the last clicks.
  if notice=$(wait_for_notice 50); then break; fi
  echo "round $round: 16 cells clicked, no win notice; pressing start again"
done
[ -n "$notice" ] || fail "no win notice after three games of 16 clicks each"
echo "win notice after $opened cell clicks in round $round"

# The notice is its own visible window, above the board, naming the one treasure found.
xdotool search --onlyvisible --name 'ПЕЛИМОР' 2>/dev/null | grep -qx "$notice" \
  || fail "the win notice $notice is not visible"
[ "$notice" != "$window" ] || fail "the notice is the main window itself"
kill -0 "$game_pgid" 2>/dev/null || fail "the game ended while its notice was open"
echo "PASS: the treasure was found and the win notice '$notice_title' opened"
