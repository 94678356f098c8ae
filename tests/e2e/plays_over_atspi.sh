#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Pelimor developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The real program played over the accessibility bus alone, the way a screen reader reaches it:
# atspi_player.py finds and presses every control by its name, not one mouse event, up to the
# exit button; the game must then end with status 0.
#
# Needs Xvfb, dbus-run-session, at-spi2-core and python3-pyatspi. Starts its own Xvfb on the
# first free display from PELIMOR_E2E_FIRST_DISPLAY (40 unless set), then runs itself again in a
# D-Bus session of its own, where it starts the accessibility bus and the game. Every wait is
# bounded.
# Usage: plays_over_atspi.sh GAME_PROGRAM
set -euo pipefail

here=$(dirname "$(readlink -f "$0")")
. "$here/../support/game_driver.sh"
program=$(readlink -f "$1")
fail_label=AT-SPI

if [ -z "${PELIMOR_ATSPI_SCRATCH:-}" ]; then
  [ -x "$program" ] || fail "no game program at $1"
  command -v dbus-run-session > /dev/null ||
    fail "dbus-run-session is not installed (scripts/install-deps installs it)"
  /usr/bin/python3 -c 'import pyatspi' 2> /dev/null ||
    fail "python3-pyatspi is not installed (scripts/install-deps installs it)"
  open_session "${PELIMOR_E2E_FIRST_DISPLAY:-40}"
  echo "display $DISPLAY"
  PELIMOR_ATSPI_SCRATCH=$scratch dbus-run-session -- bash "$0" "$program"
  exit
fi

# In the D-Bus session: the accessibility bus, then the game with its accessibility on.
scratch=$PELIMOR_ATSPI_SCRATCH
game_pid=
launcher=
for candidate in /usr/libexec/at-spi-bus-launcher /usr/lib/at-spi2-core/at-spi-bus-launcher; do
  [ -x "$candidate" ] && launcher=$candidate && break
done
[ -n "$launcher" ] || fail "at-spi2-core is not installed (scripts/install-deps installs it)"
"$launcher" --launch-immediately --a11y=1 > "$scratch/bus.log" 2>&1 &
bus_pid=$!
trap 'end_session "$game_pid" "$bus_pid"' EXIT
bus_up() {
  dbus-send --session --print-reply --dest=org.freedesktop.DBus / \
    org.freedesktop.DBus.NameHasOwner string:org.a11y.Bus 2> /dev/null | grep -q true
}
until_true 300 bus_up || fail "no accessibility bus within 30 s"
export QT_ACCESSIBILITY=1 QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
/usr/bin/python3 "$here/atspi_player.py" "$scratch/listening" &
player=$!
until_true 300 test -e "$scratch/listening" || fail "the player did not listen within 30 s"
start_game "$(dirname "$program")" "$scratch/game.log"
wait "$player" || fail "the game could not be played over AT-SPI"
leave_cleanly pressed
echo "PASS: a whole game played over AT-SPI alone, and the game left by its exit button"
