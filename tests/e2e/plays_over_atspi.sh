#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Pelimor developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The real program played over the accessibility bus alone, the way a screen reader reaches it:
# atspi_player.py finds and presses every control by its name, not one mouse event, up to the
# exit button; the game must then end with status 0. With --orca the player is the real Orca
# instead, played by its keys alone (orca_player.sh), and what it says is checked.
#
# Needs Xvfb, dbus-run-session, at-spi2-core and python3-pyatspi; with --orca also orca,
# speech-dispatcher with its espeak-ng module, and openbox. Starts its own Xvfb on the first
# free display from PELIMOR_E2E_FIRST_DISPLAY (40 unless set), then runs itself again in a
# D-Bus session of its own, where it starts the accessibility bus and the game (and the
# screen reader with its window manager and speech). Every wait is bounded.
# Usage: plays_over_atspi.sh [--orca] GAME_PROGRAM
set -euo pipefail

here=$(dirname "$(readlink -f "$0")")
. "$here/../support/game_driver.sh"
. "$here/orca_player.sh"
orca=
if [ "$1" = --orca ]; then
  orca=--orca
  shift
fi
program=$(readlink -f "$1")
fail_label=AT-SPI${orca:+ with Orca}

if [ -z "${PELIMOR_ATSPI_SCRATCH:-}" ]; then
  [ -x "$program" ] || fail "no game program at $1"
  command -v dbus-run-session > /dev/null ||
    fail "dbus-run-session is not installed (scripts/install-deps installs it)"
  /usr/bin/python3 -c 'import pyatspi' 2> /dev/null ||
    fail "python3-pyatspi is not installed (scripts/install-deps installs it)"
  if [ -n "$orca" ]; then
    for tool in orca speech-dispatcher openbox script; do
      command -v "$tool" > /dev/null ||
        fail "$tool is not installed (scripts/install-deps installs it)"
    done
  fi
  open_session "${PELIMOR_E2E_FIRST_DISPLAY:-40}"
  echo "display $DISPLAY"
  PELIMOR_ATSPI_SCRATCH=$scratch dbus-run-session -- bash "$0" $orca "$program"
  exit
fi

# In the D-Bus session: the accessibility bus, then the game with its accessibility on.
scratch=$PELIMOR_ATSPI_SCRATCH
game_pid=
bus_pid=
trap 'stop_screen_reader; end_session "$game_pid" "$bus_pid"' EXIT
start_accessibility_bus
if [ -n "$orca" ]; then
  start_screen_reader
  start_game "$(dirname "$program")" "$scratch/game.log"
  play_with_orca
  leave_cleanly pressed
  # Orca's clicks go through the registry; none may wait there for the game's keys in vain.
  if grep -a -q 'Did not receive a reply' "$orca_log"; then
    fail "Orca waited for the registry in vain: $(grep -a -m 1 'Did not receive a reply' "$orca_log")"
  fi
  echo "Orca said:"
  spoken | sed 's/^/  /'
  echo "PASS: a 4 x 4 game played with Orca's keys alone, every move heard"
  exit 0
fi
/usr/bin/python3 "$here/atspi_player.py" "$scratch/listening" &
player=$!
until_true 300 test -e "$scratch/listening" || fail "the player did not listen within 30 s"
start_game "$(dirname "$program")" "$scratch/game.log"
wait "$player" || fail "the game could not be played over AT-SPI"
leave_cleanly pressed
echo "PASS: a whole game played over AT-SPI alone, and the game left by its exit button"
