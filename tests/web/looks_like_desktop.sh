#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Pelimor developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The desktop's window at start-up, on an Xvfb of its own, against the page's at 100 %: takes the
# game's screenshot once two in a row agree (the window fully drawn), then hands it to the page's
# test. Every wait is bounded.
# Usage: looks_like_desktop.sh GAME_PROGRAM SITE
set -euo pipefail

here=$(dirname "$(readlink -f "$0")")
. "$here/../support/game_driver.sh"
program=$(readlink -f "$1")
site=$2
fail_label="page against the desktop"

open_session "${PELIMOR_E2E_FIRST_DISPLAY:-40}"
start_game "$(dirname "$program")" "$scratch/game.log"
wait_for_main_window "$game_pid" || fail "no game window within 30 s"
xdotool mousemove 1000 700  # the pointer off the window: no button shows its edge
drawn() {
  import -window "$window" "$scratch/before.png" 2> /dev/null &&
    import -window "$window" "$scratch/desktop.png" 2> /dev/null &&
    [ "$(compare -metric AE "$scratch/before.png" "$scratch/desktop.png" null: 2>&1)" = 0 ] &&
    [ "$(identify -format '%k' "$scratch/desktop.png")" -gt 100 ]
}
until_true 300 drawn || fail "the window never stood still drawn"
/usr/bin/python3 "$here/page_test.py" "$site" looks "$scratch/desktop.png"
