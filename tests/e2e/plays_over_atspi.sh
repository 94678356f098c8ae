#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Pelimor developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The real program played over the accessibility bus alone, the way a screen reader reaches it:
# atspi_player.py finds and presses every control by its name, without a mouse event.
#
# Needs Xvfb, dbus-run-session, at-spi2-core and python3-pyatspi. Starts its own Xvfb on the
# first free display from PELIMOR_E2E_FIRST_DISPLAY (40 unless set) and its own D-Bus session,
# in which the player starts the accessibility bus and the game. Every wait is bounded.
# Usage: plays_over_atspi.sh GAME_PROGRAM
set -euo pipefail

here=$(dirname "$(readlink -f "$0")")
. "$here/../support/game_driver.sh"
program=$(readlink -f "$1")
fail_label=AT-SPI
[ -x "$program" ] || fail "no game program at $1"
command -v dbus-run-session > /dev/null ||
  fail "dbus-run-session is not installed (scripts/install-deps installs it)"
/usr/bin/python3 -c 'import gi; gi.require_version("Atspi", "2.0")' 2> /dev/null ||
  fail "python3-pyatspi is not installed (scripts/install-deps installs it)"

open_session "${PELIMOR_E2E_FIRST_DISPLAY:-40}"
echo "display $DISPLAY"
dbus-run-session -- /usr/bin/python3 "$here/atspi_player.py" "$program" "$scratch" ||
  fail "the game could not be played over AT-SPI"
