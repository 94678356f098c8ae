#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Pelimor developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The real program on a real X display, played like a player: start a 4 x 4 game with its one
# treasure, open cells until the treasure turns up, and see the win notice open. Then close it
# with a Return typed into its window by xdotool, as automation tools do, and see that the stop
# notice still opens after it. With a scale of 2 (QT_SCALE_FACTOR=2, as a 4K laptop sets it), the
# window must first be 1642 x 1304 screen pixels and show the exit glyph drawn for 200 %, pixel
# for pixel, in a game in progress, kept as game-at-200-percent.png in the working folder.
#
# Needs Xvfb and xdotool, and ImageMagick for a scale. Starts its own Xvfb on the first free
# display from PELIMOR_E2E_FIRST_DISPLAY (40 unless set), runs the game there with no sound
# device, and ends both however the test ends. Every wait is bounded.
# Usage: finds_the_treasure.sh GAME_PROGRAM [2 ASSETS_FOLDER]
set -euo pipefail

here=$(dirname "$(readlink -f "$0")")
. "$here/../support/game_driver.sh"
program=$(readlink -f "$1")
fail_label=e2e
[ -x "$program" ] || fail "no game program at $1"

scale=${2:-1} assets=${3:-}
if [ "$scale" = 1 ]; then open_session "${PELIMOR_E2E_FIRST_DISPLAY:-40}"; else
  command -v import > /dev/null || fail "ImageMagick is not installed (scripts/install-deps does)"
  open_session "${PELIMOR_E2E_FIRST_DISPLAY:-40}" 1920x1440x24
  export QT_SCALE_FACTOR=$scale
fi
echo "display $DISPLAY"

# The game from its own folder, where it finds wav/.
start_game "$(dirname "$program")" "$scratch/game.log"
wait_for_main_window "$game_pid" || fail "no game window within 30 s"
[ -z "$(windows_named "$notice_title")" ] || fail "a notice is open before any game"

if [ "$scale" != 1 ]; then
  eval "$(xdotool getwindowgeometry --shell "$window" | grep -E '^(WIDTH|HEIGHT)=')"
  [ "${WIDTH}x${HEIGHT}" = 1642x1304 ] || fail "the window is ${WIDTH}x${HEIGHT}, not 1642x1304"
  # A game in progress: cell (0, 0), 96 x 96 screen pixels at (412, 500), shows no longer the
  # closed cell's picture. A window just shown may drop the first press, so start is pressed
  # again if the cell stays closed.
  cell_opened() {
    import -window "$window" "$scratch/game.png" 2> /dev/null &&
      convert "$scratch/game.png" -crop 96x96+412+500 +repage "$scratch/cell.png" &&
      [ "$(compare -metric AE "$scratch/cell.png" "$assets/imgNoKnow@2x.png" null: 2>&1)" -gt 0 ]
  }
  for _ in 1 2 3; do
    click_at "${start_button[@]}"
    click_at "$(cell_centre_x 0 0 4)" "$(cell_centre_y 0 0 4)"
    until_true 50 cell_opened && break
  done
  cell_opened || fail "cell (0, 0) did not open after three presses of start"
  close_notices > /dev/null
  import -window "$window" "$scratch/game.png" || fail "no screenshot"
  # Kept whole, even while another run of the test writes it.
  cp "$scratch/game.png" "game-at-200-percent.png.$$"
  mv "game-at-200-percent.png.$$" game-at-200-percent.png
  # The exit glyph at rest (its strip's first frame) covers its 39 x 39 button at (778, 3).
  convert "$scratch/game.png" -crop 78x78+1556+6 +repage "$scratch/seen.png"
  convert "$assets/sbtExit@2x.png" -crop 78x78+0+0 +repage "$scratch/drawn.png"
  differ=$(compare -metric AE "$scratch/seen.png" "$scratch/drawn.png" null: 2>&1 || true)
  [ "$differ" = 0 ] || fail "the exit glyph differs from its 200 % drawing in $differ pixels"
fi

notice=$(win_small_game) || fail "no win notice after three games of 16 clicks each"

# The notice is its own visible window, above the board.
[ "$notice" != "$window" ] || fail "the notice is the main window itself"
kill -0 "$game_pid" 2>/dev/null || fail "the game ended while its notice was open"

xdotool key --window "$notice" Return 2>/dev/null || true
until_true 100 eval '[ -z "$(windows_named "$notice_title")" ]' ||
  fail "the win notice did not close on xdotool's Return"
click_at "${stop_button[@]}"
wait_for_notice 100 > /dev/null || fail "no stop notice after a notice closed by xdotool's Return"
[ "$(close_notices)" -eq 1 ] || fail "the stop notice did not close on Return"
echo "PASS: the treasure was found; the win notice, and the stop notice after it, opened"
