#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Pelimor developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The real program under thousands of random clicks: buttons, cells, the size menu's items and
# the picker's slider and strip, notices answered as they come; afterwards the program must still
# answer a click, and leave by its exit button with status 0.
#
# Needs Xvfb and xdotool. Starts its own Xvfb on the first free display from
# PELIMOR_SOAK_FIRST_DISPLAY (60 unless set). PELIMOR_SOAK_CLICKS sets the number of clicks
# (3000 unless set); PELIMOR_SOAK_SEED replays a run (its seed is printed first).
# Usage: random_clicks.sh GAME_PROGRAM
set -euo pipefail

here=$(dirname "$(readlink -f "$0")")
. "$here/../support/game_driver.sh"
program=$(readlink -f "$1")
clicks_wanted=${PELIMOR_SOAK_CLICKS:-3000}
seed=${PELIMOR_SOAK_SEED:-$(( $(date +%s%N) % 1000000 ))}
echo "seed $seed (replay with PELIMOR_SOAK_SEED=$seed), $clicks_wanted clicks"
fail_label="seed $seed"
[ -x "$program" ] || fail "no game program at $1"
open_session "${PELIMOR_SOAK_FIRST_DISPLAY:-60}"
echo "display $DISPLAY"

# The game from its own folder, with wav/ and Help.htm.
start_game "$(dirname "$program")" "$scratch/game.log"
wait_for_main_window "$game_pid" || fail "no game window within 30 s"

# Screen points: the picker opens at its button's bottom-left corner; its slider at (2, 0),
# 41 x 346, and its red strip right of that up to 64. The size menu opens at the size button's bottom-left, nine items 22 pixels high
# under Qt's style; a point a little off an item still lands somewhere on the menu.
picker_x=$((window_x + 201))
picker_y=$((window_y + 3 + 39))
menu_x=$((window_x + 49))
menu_y=$((window_y + 42))
menu_item_height=22

# The clicks' own random source, a linear congruential generator, so that a seed replays the
# same clicks under any bash (and no subshell reseeds it). below N sets r to 0 .. N - 1.
random_state=$seed
r=0
below() {
  random_state=$(( (random_state * 1103515245 + 12345) % 2147483648 ))
  r=$(( (random_state >> 16) % $1 ))
}

# The actions of one xdotool run; a click is a press and a release at the pointer.
chain=()
clicks=0
add_click_at_client() {
  chain+=(mousemove $((window_x + $1)) $((window_y + $2)) mousedown 1 mouseup 1)
  clicks=$((clicks + 1))
}
add_click_at_screen() {
  chain+=(mousemove "$1" "$2" mousedown 1 mouseup 1)
  clicks=$((clicks + 1))
}
# A pause in the chain, so that a window opened by the click before is on screen for the next.
add_pause() { chain+=(sleep 0.1); }
run_chain() {
  [ "${#chain[@]}" -gt 0 ] || return 0
  xdotool "${chain[@]}" 2>> "$scratch/xdotool.log" || true
  chain=()
}

# The client point of a random cell of a board of a random side, in cx, cy: every board size
# meets clicks on its cells, gaps and margins alike.
random_cell_point() {
  local side col offset
  below 9; side=$((4 + r))
  below "$side"; col=$r
  below "$side"
  offset=$(( (600 - 49 * side + 1) / 2 + 24 ))
  cx=$((panel_left + offset + 49 * col))
  cy=$((panel_top + offset + 49 * r))
}

add_action() {
  local n x y
  below 100
  if [ "$r" -lt 50 ]; then
    random_cell_point
    add_click_at_client "$cx" "$cy"
  elif [ "$r" -lt 54 ]; then
    # A double-click on a cell.
    random_cell_point
    add_click_at_client "$cx" "$cy"
    chain+=(mousedown 1 mouseup 1)
    clicks=$((clicks + 1))
  elif [ "$r" -lt 58 ]; then
    # Ctrl+click on a cell: keydown and keyup take every word after them, so the chain is cut
    # around them.
    random_cell_point
    chain+=(mousemove $((window_x + cx)) $((window_y + cy)) keydown ctrl)
    run_chain
    chain=(mousedown 1 mouseup 1 keyup ctrl)
    run_chain
    clicks=$((clicks + 1))
  elif [ "$r" -lt 66 ]; then
    add_click_at_client "${start_button[@]}"
  elif [ "$r" -lt 74 ]; then
    # The size menu, and most often one of its items.
    add_click_at_client "${size_button[@]}"
    below 5
    if [ "$r" -gt 0 ]; then
      add_pause
      below 80; x=$((menu_x + 20 + r))
      below 9; y=$((menu_y + 11 + menu_item_height * r))
      add_click_at_screen "$x" "$y"
    fi
  elif [ "$r" -lt 82 ]; then
    # The picker: opened, its slider clicked or dragged, and most often confirmed on the strip.
    add_click_at_client "${picker_button[@]}"
    add_pause
    below 3
    for ((n = r; n > 0; n--)); do
      below 25; x=$((picker_x + 10 + r))
      below 336; y=$((picker_y + 5 + r))
      add_click_at_screen "$x" "$y"
    done
    below 4
    if [ "$r" -eq 0 ]; then
      below 40; y=$((picker_y + 10 + r))
      chain+=(mousemove $((picker_x + 22)) "$y" mousedown 1)
      below 330; y=$((picker_y + 10 + r))
      chain+=(mousemove $((picker_x + 22)) "$y" mouseup 1)
      clicks=$((clicks + 1))
    fi
    below 5
    if [ "$r" -gt 0 ]; then
      below 16; x=$((picker_x + 46 + r))
      below 340; y=$((picker_y + 5 + r))
      add_click_at_screen "$x" "$y"
    fi
  elif [ "$r" -lt 89 ]; then
    add_click_at_client "${hint_button[@]}"
  elif [ "$r" -lt 92 ]; then
    add_click_at_client "${help_button[@]}"
  elif [ "$r" -lt 95 ]; then
    add_click_at_client "${stop_button[@]}"
  else
    # Anywhere in the window but the exit button.
    below 821; x=$r
    below 652; y=$r
    if [ "$x" -ge 770 ] && [ "$y" -lt 48 ]; then x=$((x - 100)); fi
    add_click_at_client "$x" "$y"
  fi
}

notices=0
chains=0
while [ "$clicks" -lt "$clicks_wanted" ]; do
  for _ in $(seq 12); do add_action; done
  run_chain
  chains=$((chains + 1))
  kill -0 "$game_pid" 2>/dev/null || fail "the game ended during the clicks, after $clicks"
  notices=$((notices + $(close_notices)))
done
echo "$clicks clicks in $chains runs of xdotool; $notices notices closed;" \
  "$(help_pages) help page(s) handed to the browser stub"

# Still alive, not stopped or a zombie, and answering: a press on the stop button shows its
# notice, which closes on Return.
state=$(process_state "$game_pid")
case "$state" in
  R|S|D) ;;
  *) fail "the game's process is in state '${state:-gone}' after the clicks" ;;
esac
[ -n "$(xdotool getwindowname "$window" 2>/dev/null)" ] || fail "the game window is gone"
close_notices > /dev/null
xdotool key --window "$window" Escape 2>/dev/null || true   # a size menu left open
sleep 0.2
notice=
for _ in 1 2 3; do
  click_at "${stop_button[@]}"
  if notice=$(wait_for_notice 100); then break; fi
  xdotool key Escape 2>/dev/null || true
done
[ -n "$notice" ] || fail "the game does not answer: no stop notice within 30 s of pressing stop"
[ "$(close_notices)" -ge 1 ] || fail "the stop notice did not close on Return"
[ -z "$(windows_named "$notice_title")" ] || fail "a notice is still open after Return"

leave_cleanly
echo "PASS: $clicks random clicks; the game still answered and ended with status 0"
