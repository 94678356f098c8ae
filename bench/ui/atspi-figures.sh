#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Pelimor developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Figures of the game over the accessibility bus, as a screen reader meets it on a 12 x 12 board:
# how long from a cell's Press to its new name on the bus, how long from a press of the size
# item or the start button until the new board is announced, and what that announcement sends.
# Run by hand, on an Xvfb and a D-Bus session of its own; every wait is bounded.
# Usage: bench/ui/atspi-figures.sh GAME_PROGRAM
set -euo pipefail

here=$(dirname "$(readlink -f "$0")")
. "$here/../../tests/support/game_driver.sh"
program=$(readlink -f "$1")
fail_label=figures

if [ -z "${PELIMOR_FIGURES_SCRATCH:-}" ]; then
  open_session "${PELIMOR_E2E_FIRST_DISPLAY:-40}"
  PELIMOR_FIGURES_SCRATCH=$scratch dbus-run-session -- bash "$0" "$program"
  exit
fi

scratch=$PELIMOR_FIGURES_SCRATCH
game_pid=
bus_pid=
trap 'end_session "$game_pid" "$bus_pid"' EXIT
start_accessibility_bus
start_game "$(dirname "$program")" "$scratch/game.log"
/usr/bin/python3 - << 'PYTHON'
import statistics, time, warnings
import gi
gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib
warnings.filterwarnings("ignore", category=DeprecationWarning)

events = []  # (time, type, role of the source)

def listen(event):
    try:
        role = event.source.get_role_name()
    except GLib.Error:
        role = "?"
    events.append((time.monotonic(), event.type, role, event.source.path, event.detail1))

listener = Atspi.EventListener.new(listen)
for kind in ("object:", "window:", "focus:"):
    listener.register(kind)

def pump_until(probe, seconds=30):
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        while GLib.MainContext.default().pending():
            GLib.MainContext.default().iteration(False)
        found = probe()
        if found:
            return found
        time.sleep(0.001)
    raise SystemExit("waited %d s" % seconds)

def find(node, role, name):
    for child in (node.get_child_at_index(i) for i in range(node.get_child_count())):
        if child is None:
            continue
        if child.get_role_name() == role and child.get_name().strip() == name:
            return child
        if role != "table cell" and child.get_role_name() != "table":
            found = find(child, role, name)
            if found is not None:
                return found
    return None

def press(node):
    Atspi.Action.do_action(node, 0)

def board_announced(board, start):
    return next((e for e in events if e[0] >= start and e[1] == "object:state-changed:focused"
                 and e[3] == board.path and e[4] == 1), None)

def rebuild(what, node, board):
    start = time.monotonic()
    press(node)
    focus = pump_until(lambda: board_announced(board, start))
    pump_until(lambda: time.monotonic() > focus[0] + 0.5)  # what else comes with it
    sent = [e for e in events if start <= e[0] <= focus[0] + 0.5]
    kinds = {}
    for e in sent:
        key = "%s (%s)" % (e[1], e[2])
        kinds[key] = kinds.get(key, 0) + 1
    print("%s: board announced %.1f ms after the press; %d events:" %
          (what, (focus[0] - start) * 1000, len(sent)))
    for key, count in sorted(kinds.items()):
        print("    %3d  %s" % (count, key))

Atspi.set_timeout(10000, 60000)
desktop = Atspi.get_desktop(0)
app = pump_until(lambda: find(desktop, "application", "pelimor"))
frame = pump_until(lambda: find(app, "frame", "Пелимор 2007.0"))
board = find(frame, "table", "Поле")
press(find(frame, "push button", "Размер поля"))
item = pump_until(lambda: find(app, "check menu item", "12 x 12") or
                  find(app, "radio menu item", "12 x 12") or find(app, "menu item", "12 x 12"))
rebuild("12 x 12 chosen in the size menu", item, board)
rebuild("12 x 12 new game", find(frame, "push button", "Новая игра"), board)

delays = []
for index in range(0, 144, 7):
    cell = board.get_accessible_at(index // 12, index % 12)
    if not cell.get_name().endswith("закрыта"):
        continue
    start = time.monotonic()
    press(cell)
    renamed = pump_until(lambda: next((e for e in events if e[0] >= start and e[3] == cell.path
                                       and e[1].endswith("accessible-name")), None))
    delays.append((renamed[0] - start) * 1000)
    # A player's next move comes once this one is heard: the cell becomes the focus once a
    # screen reader has looked at it, a second at most, and this tool does not look.
    pump_until(lambda: time.monotonic() > start + 1.2)
    if find(app, "alert", "ПЕЛИМОР 2007") is not None:
        break
print("each move, ms:", " ".join("%.1f" % d for d in delays))
print("Press on a closed cell to its new name on the bus, %d moves: median %.1f ms, most %.1f ms"
      % (len(delays), statistics.median(delays), max(delays)))
PYTHON
