#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Pelimor developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The real program on a real X display, played like a player: start a 4 x 4 game with its one
# treasure, open cells until the treasure turns up, and see the win notice open. Then close it
# with a Return typed into its window by xdotool, as automation tools do, and see that the stop
# notice still opens after it.
#
# Needs Xvfb and xdotool. Starts its own Xvfb on the first free display from
# PELIMOR_E2E_FIRST_DISPLAY (40 unless set), runs the game there with no sound device, and ends
# both however the test ends. Every wait is bounded.
# Usage: finds_the_treasure.sh GAME_PROGRAM
set -euo pipefail

here=$(dirname "$(readlink -f "$0")")
. "$here/../support/game_driver.sh"
program=$(readlink -f "$1")
fail_label=e2e
[ -x "$program" ] || fail "no game program at $1"

open_session "${PELIMOR_E2E_FIRST_DISPLAY:-40}"
echo "display $DISPLAY"

# The game from its own folder, where it finds wav/.
start_game "$(dirname "$program")" "$scratch/game.log"
wait_for_main_window "$game_pid" || fail "no game window within 30 s"
[ -z "$(windows_named "$notice_title")" ] || fail "a notice is open before any game"

notice=$(win_small_game) || fail "no win notice after three games of 16 clicks each"

# The notice is its own visible window, above the board.
[ "$notice" != "$window" ] || fail "the notice is the main window itself"
kill -0 "$game_pid" 2>/dev/null || fail "the game ended while its notice was open"

xdotool key --window "$notice" Return 2>/dev/null || true
sleep 1
click_at "${stop_button[@]}"
wait_for_notice 100 > /dev/null || fail "no stop notice after a notice closed by xdotool's Return"
[ "$(close_notices)" -eq 1 ] || fail "the win notice did not close on Return, or the stop one at all"
echo "PASS: the treasure was found; the win notice, and the stop notice after it, opened"
