#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Pelimor developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The real program on an X display at 200 % (QT_SCALE_FACTOR=2, as a 4K laptop sets it): the
# window is 1642 x 1304 screen pixels, a game in progress shows the opened cell's picture and the
# exit button's glyph as drawn for 200 %, pixel for pixel, and the game is won and left by clicks.
#
# Needs Xvfb, xdotool and ImageMagick. Keeps its screenshot of the game in progress as
# game-at-200-percent.png in the working folder. Every wait is bounded.
# Usage: plays_at_double_scale.sh GAME_PROGRAM ASSETS_FOLDER
set -euo pipefail

here=$(dirname "$(readlink -f "$0")")
. "$here/../support/game_driver.sh"
program=$(readlink -f "$1")
assets=$(readlink -f "$2")
fail_label="e2e at 200 %"
[ -x "$program" ] || fail "no game program at $1"
command -v import > /dev/null || fail "ImageMagick is not installed (scripts/install-deps installs it)"

open_session "${PELIMOR_E2E_FIRST_DISPLAY:-40}" 1920x1440x24
export QT_SCALE_FACTOR=2
scale=2
start_game "$(dirname "$program")" "$scratch/game.log"
wait_for_main_window "$game_pid" || fail "no game window within 30 s"
eval "$(xdotool getwindowgeometry --shell "$window" | grep -E '^(WIDTH|HEIGHT)=')"
[ "${WIDTH}x${HEIGHT}" = 1642x1304 ] || fail "the window is ${WIDTH}x${HEIGHT}, not 1642x1304"

# Pixels of the screenshot that differ from a picture file: "SHOT_CROP FILE FILE_CROP".
differing() {
  convert "$scratch/shot.png" -crop "$1" +repage "$scratch/seen.png"
  convert "$2" -crop "$3" +repage "$scratch/drawn.png"
  compare -metric AE "$scratch/seen.png" "$scratch/drawn.png" null: 2>&1 || true
}

# Open the top left cell of a 4 x 4 game; unless it held the one treasure, the game goes on.
click_at "${start_button[@]}"
sleep 0.3
click_at "$(cell_centre_x 0 0 4)" "$(cell_centre_y 0 0 4)"
sleep 0.5
[ -z "$(windows_named "$notice_title")" ] || close_notices > /dev/null
import -window "$window" "$scratch/shot.png" || fail "no screenshot"
cp "$scratch/shot.png" game-at-200-percent.png

# The cell's picture left of its digit (logical columns 0 to 13 of 48), empty or treasure, and
# the exit button's glyph at rest, which covers its 39 x 39 button.
cell_x=$(((4 + 202) * 2)) cell_y=$(((48 + 202) * 2))
empty=$(differing "28x96+$cell_x+$cell_y" "$assets/imgEmpty@2x.png" 28x96+0+0)
treasure=$(differing "28x96+$cell_x+$cell_y" "$assets/imgTreasure@2x.png" 28x96+0+0)
[ "$empty" = 0 ] || [ "$treasure" = 0 ] \
  || fail "the opened cell is no 200 % picture ($empty / $treasure pixels differ)"
exit_glyph=$(differing "78x78+1556+6" "$assets/sbtExit@2x.png" 78x78+0+0)
[ "$exit_glyph" = 0 ] || fail "the exit glyph differs from its 200 % drawing in $exit_glyph pixels"

win_small_game > /dev/null || fail "no win notice after three games of 16 clicks each"
close_notices > /dev/null
leave_cleanly
echo "PASS: at 200 % the window is 1642 x 1304 and shows its 200 % pictures; the game was won"
