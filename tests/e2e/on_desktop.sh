#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Pelimor developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The game on a desktop players run, started as they start it, with no platform chosen for it:
# GNOME's compositor mutter, where it must go through XWayland although Qt's Wayland plugin is
# there, or weston with no X display, where it runs as a Wayland client. On both the title bar
# offers no buttons; the picker opens at its button's bottom-left corner, the main window still
# takes a click while it is shown, a notice keeps both from taking clicks, and the picker's
# strip confirms and hides it afterwards; on weston the picker is see-through.
#
# Needs Xvfb, xdotool, xwininfo, xprop, xwd and the compositor (mutter with dbus-run-session,
# or weston). Nests the compositor in an Xvfb of its own on the first free display from
# PELIMOR_DESKTOP_FIRST_DISPLAY (110 unless set) and plays through that Xvfb's mouse and
# keyboard. The Wayland socket is PELIMOR_DESKTOP_SOCKET (wayland-pelimor unless set) in a
# runtime folder of the test's own. Every wait is bounded.
# Usage: on_desktop.sh mutter|weston GAME_PROGRAM
set -euo pipefail

here=$(dirname "$(readlink -f "$0")")
. "$here/../support/game_driver.sh"
desktop=$1
program=$(readlink -f "$2")
fail_label="$desktop"
[ -x "$program" ] || fail "no game program at $2"
unset QT_QPA_PLATFORM WAYLAND_DISPLAY

open_session "${PELIMOR_DESKTOP_FIRST_DISPLAY:-110}"
outer=$DISPLAY
socket=${PELIMOR_DESKTOP_SOCKET:-wayland-pelimor}
compositor_pgid=
MUTTER=
# mutter ends first, on its own, so that it takes back the lock files of its X displays.
trap 'if [ -n "$game_pid" ]; then stop "-$game_pid"; fi
      if [ -n "$MUTTER" ]; then stop "$MUTTER"; fi
      end_session "$compositor_pgid" "$xvfb_pid"; rm -rf "$scratch"' EXIT
echo "$desktop in $outer"

# until TENTHS COMMAND...: runs COMMAND every tenth of a second until it succeeds, TENTHS times.
until_true() {
  local tries=$1
  shift
  for _ in $(seq "$tries"); do
    "$@" && return 0
    sleep 0.1
  done
  return 1
}

# A left click, and a key, through the compositor, as the player's mouse and keyboard give them;
# click_at takes a point of the main window's client area, as game_driver.sh's helpers do.
click_screen() { DISPLAY=$outer xdotool mousemove "$1" "$2" sleep 0.2 mousedown 1 mouseup 1; }
click_at() { click_screen $((window_x + $1)) $((window_y + $2)); }
press_key() { DISPLAY=$outer xdotool key "$1"; }

# On mutter the windows are X windows of its XWayland; the client area is the window.
start_mutter() {
  command -v mutter > /dev/null || fail "mutter is not installed (scripts/install-deps installs it)"
  MUTTER_DEBUG_DUMMY_MODE_SPECS=1024x768 setsid dbus-run-session -- \
    mutter --nested --wayland --wayland-display="$socket" -- \
    sh -c '{ echo "MUTTER=$PPID"; env; } > "$1.part" && mv "$1.part" "$1" && exec sleep 3600' \
    sh "$scratch/session" \
    > "$scratch/compositor.log" 2>&1 &
  compositor_pgid=$!
  until_true 300 test -s "$scratch/session" || fail "mutter did not start its session in 30 s"
  local name
  for name in MUTTER DISPLAY XAUTHORITY WAYLAND_DISPLAY; do
    export "$name=$(sed -n "s/^$name=//p" "$scratch/session")"
  done
}
# origin_of WINDOW: sets x, y to where the window's client area stands on the screen.
origin_of() {
  x=$(xwininfo -id "$1" | sed -n 's/^ *Absolute upper-left X: *//p')
  y=$(xwininfo -id "$1" | sed -n 's/^ *Absolute upper-left Y: *//p')
}
main_window_mutter() {
  window=$(windows_named "$main_caption" | head -1)
  [ -n "$window" ] || return 1
  origin_of "$window"
  window_x=$x window_y=$y
}
# The picker's top-left as "x y" while it is shown: the game's one 64 x 350 window.
picker_mutter() {
  local id
  for id in $(xdotool search --onlyvisible --class pelimor 2>/dev/null || true); do
    if xwininfo -id "$id" | grep -q 'Width: 64' && xwininfo -id "$id" | grep -q 'Height: 350'
    then
      origin_of "$id"
      echo "$x $y"
      return 0
    fi
  done
  return 1
}
notice_mutter() { [ -n "$(windows_named "$notice_title")" ]; }
# mutter's verdict on the title bar: moving only; and the Motif hints that ask for it, a
# function list (flag 1) of moving and resizing (4 and 2) alone, without close, minimise or
# maximise.
title_bar_mutter() {
  local actions hints
  actions=$(xprop -id "$window" _NET_WM_ALLOWED_ACTIONS)
  ! grep -Eq 'ACTION_(CLOSE|MINIMIZE|MAXIMIZE)' <<<"$actions" || fail "title bar buttons: $actions"
  hints=$(xprop -id "$window" _MOTIF_WM_HINTS)
  grep -Eq '= 0x[0-9a-f]*[13579bdf], 0x[246],' <<<"$hints" || fail "Motif hints: $hints"
}
see_through_mutter() { :; }  # mutter draws no window partly see-through

# On weston the windows are Wayland surfaces; its scene graph says where each stands.
start_weston() {
  command -v weston > /dev/null || fail "weston is not installed (scripts/install-deps installs it)"
  setsid weston --backend=x11-backend.so --use-pixman --debug --idle-time=0 \
    --socket="$socket" --width=1024 --height=768 > "$scratch/compositor.log" 2>&1 &
  compositor_pgid=$!
  unset DISPLAY
  export WAYLAND_DISPLAY=$socket
  until_true 300 scene || fail "weston did not start in 30 s"
}
scene() { timeout 5 weston-debug scene-graph > "$scratch/scene" 2> /dev/null; }
# "left top right bottom" of each surface in the scene graph whose line matches $1.
surfaces() { grep -A1 -F "$1" "$scratch/scene" | sed -n 's/.*position: (\(.*\), \(.*\)) -> (\(.*\), \(.*\))/\1 \2 \3 \4/p'; }
# Weston's window holds the game's own caption bar (28 pixels) above the client area.
main_window_weston() {
  scene || return 1
  read -r left top right bottom < <(surfaces "'$main_caption'") || return 1
  window_x=$left window_y=$((top + 28))
}
picker_weston() { scene && surfaces 'role xdg_popup,' | awk '$3 - $1 == 64 && $4 - $2 == 350 { print $1, $2; f = 1 } END { exit !f }'; }
notice_weston() { scene && grep -qF "'$notice_title'" "$scratch/scene"; }
# Only the caption bar above the client area: Qt's own title bar, with its buttons, would add
# 30 pixels above and 3 around.
title_bar_weston() {
  [ $((right - left)) -eq 821 ] && [ $((bottom - top)) -eq $((28 + 652)) ] ||
    fail "the window is $((right - left)) x $((bottom - top)), not 821 x 680"
}
# The strip right of the slider, over the board panel's green (0x22, 0x5E, 0x36), shows red at
# opacity 200 of 255: about (207, 20, 12). Read from the Xvfb's screen in X's dump format.
see_through_weston() {
  DISPLAY=$outer xwd -root -silent > "$scratch/screen.xwd"
  local field header colours line rgb
  field() { od -An -tu4 --endian=big -j "$1" -N4 "$scratch/screen.xwd" | tr -d ' '; }
  header=$(field 0) line=$(field 48) colours=$(field 76)
  rgb=$(od -An -tu1 -j $((header + 12 * colours + (window_y + 150) * line + (window_x + 255) * 4)) \
        -N3 "$scratch/screen.xwd" | awk '{ print $3, $2, $1 }')
  read -r r g b <<<"$rgb"
  [ $((r - 207)) -le 3 ] && [ $((207 - r)) -le 3 ] && [ "$g" -le 24 ] && [ "$g" -ge 16 ] &&
    [ "$b" -le 16 ] && [ "$b" -ge 8 ] || fail "the picker's strip over the board is ($rgb)"
}

"start_$desktop"
start_game "$(dirname "$program")" "$scratch/game.log"
until_true 300 "main_window_$desktop" || fail "no game window within 30 s"
echo "client area at ($window_x, $window_y)"
"title_bar_$desktop"

# A window just mapped may miss the first click while the compositor still shows it coming up.
opened=
for _ in 1 2 3 4 5; do
  click_at "${picker_button[@]}"
  if until_true 20 "picker_$desktop" > /dev/null; then opened=1; break; fi
done
[ -n "$opened" ] || fail "no picker after five clicks on its button"
read -r px py < <("picker_$desktop")
[ $((px - window_x - 201)) -ge -2 ] && [ $((px - window_x - 201)) -le 2 ] &&
  [ $((py - window_y - 42)) -ge -2 ] && [ $((py - window_y - 42)) -le 2 ] ||
  fail "picker at ($px, $py), not at the button's bottom-left corner ($((window_x + 201)), $((window_y + 42)))"
"see_through_$desktop"

# The stop button's notice shows that the main window takes clicks beside the picker.
click_at "${stop_button[@]}"
until_true 100 "notice_$desktop" || fail "no stop notice within 10 s"
click_screen $((px + 55)) $((py + 170))
sleep 1
"picker_$desktop" > /dev/null || fail "the picker took a click while the notice was open"
press_key Return
until_true 100 eval '! notice_'"$desktop" || fail "the notice did not close on Return"
click_screen $((px + 55)) $((py + 170))
until_true 100 eval '! picker_'"$desktop"' > /dev/null' || fail "a click on the strip did not hide the picker"

leave_cleanly
echo "PASS: on $desktop the picker stood at the button's corner and worked, the notice was modal"
