#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Pelimor developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Figures of the game as a screen reader meets it on a 12 x 12 board, run by hand on an Xvfb and
# a D-Bus session of its own; every wait is bounded.
# - Over the accessibility bus (a client that asks nothing): how long from a press of the size
#   item or the start button until the new board is announced and what that sends, from each
#   cell's Press to the move told by the status bar, and from the winning Press to the notice.
# - With --orca, the real Orca played by its keys alone, hints on: from each move's key (Orca's
#   left click, keypad /) to Orca speaking the move, and from the winning key to the notice
#   spoken; the spoken lines of the first ten moves are listed.
# Usage: bench/ui/atspi-figures.sh [--orca] GAME_PROGRAM
set -euo pipefail

here=$(dirname "$(readlink -f "$0")")
. "$here/../../tests/support/game_driver.sh"
. "$here/../../tests/e2e/orca_player.sh"
orca=
if [ "$1" = --orca ]; then
  orca=--orca
  shift
fi
program=$(readlink -f "$1")
fail_label=figures

if [ -z "${PELIMOR_FIGURES_SCRATCH:-}" ]; then
  open_session "${PELIMOR_E2E_FIRST_DISPLAY:-40}"
  PELIMOR_FIGURES_SCRATCH=$scratch dbus-run-session -- bash "$0" $orca "$program"
  exit
fi

scratch=$PELIMOR_FIGURES_SCRATCH
game_pid=
bus_pid=
trap 'stop_screen_reader; end_session "$game_pid" "$bus_pid"' EXIT
start_accessibility_bus

# The time of day as Orca's debug log writes it, in seconds.
seconds_of() { awk -F: '{ printf "%.6f\n", $1 * 3600 + $2 * 60 + $3 }' <<< "$1"; }

# The time of day of Orca's first spoken line after its first COUNT that matches PATTERN.
spoken_at() {
  grep -a "SPEECH OUTPUT: '" "$orca_log" | tr -d '\r' | tail -n +$(($1 + 1)) |
    grep -a -E -m 1 -- "SPEECH OUTPUT: '$2" | cut -d' ' -f1
}

# press_and_time PATTERN: Orca's left click on the item reviewed; sets pressed (the key's time of
# day, in seconds) and delay, the milliseconds from the key to the first line Orca says that
# matches PATTERN.
pressed=
delay=
press_and_time() {
  key_said_from=$(spoken | wc -l)
  pressed=$(seconds_of "$(date +%H:%M:%S.%N)")
  xdotool key KP_Divide
  until_true 100 said_since "$key_said_from" "^$1" || fail "Orca did not say /$1/ within 10 s"
  delay=$(ms_since "$pressed" "$(spoken_at "$key_said_from" "$1")")
}
ms_since() { awk -v a="$1" -v b="$(seconds_of "$2")" 'BEGIN { printf "%.0f\n", (b - a) * 1000 }'; }

# Sets a 12 x 12 board, hints on and five treasures by Orca's keys, starts the game and opens
# every closed cell that hints have not marked, row by row, until the win notice is spoken.
orca_figures() {
  until_true 300 said_since 0 'Пелимор 2007.0 frame' || fail "Orca did not name the window"
  orca_key KP_Up 'Новая игра Размер поля'
  review_to '^Размер'
  orca_key KP_Divide slash
  # The menu is reviewed once flat review starts anew (keypad -, twice).
  orca_key KP_Subtract 'Leaving flat review'
  orca_key KP_Subtract 'Entering flat review'
  review_line '12 x 12'
  review_to '^12'
  orca_key KP_Divide 'table with 12 rows 12 columns'
  review_line 'Подсказки'
  review_to '^Подсказки'
  orca_key KP_Divide 'Подсказки включены'
  review_line 'Число'
  review_to '^Число'
  orca_key KP_Divide 'Число кладов slider 1'
  review_line 'Больше'
  orca_key KP_Divide '^(Число кладов slider )?2'
  local count
  for count in 3 4 5; do
    review_line 'Больше'  # a player's own next click, not Orca's second try
    orca_key KP_Divide "^(Число кладов slider )?$count"
  done
  review_line 'Подтвердить'
  orca_key KP_Divide 'Число кладов'
  review_line 'Новая игра'
  review_to '^Новая'
  orca_key KP_Divide 'Игра идёт'

  local row col place delays=() lines=() notice=
  for row in $(seq 12); do
    review_line "^A$row, "
    for col in A B C D E F G H I J K L; do
      place=$col$row
      [ "$col" = A ] || review_to "^$place, "
      review_step KP_Right || fail "flat review did not read $place"  # what the cell shows
      review_answer | grep -q '^закрыта' || continue
      press_and_time "$place, "
      delays+=("$delay")
      [ ${#lines[@]} -ge 10 ] || lines+=("$(said_to_key | grep -a -m 1 "^$place, ")")
      if said_to_key | grep -q "^$place, клад, .*осталось найти: 0"; then
        until_true 100 said_since "$key_said_from" 'Вы нашли все клады' ||
          fail "the win notice was not spoken"
        notice=$(ms_since "$pressed" "$(spoken_at "$key_said_from" '(alert ПЕЛИМОР|OK push)')")
        break 2
      fi
    done
  done
  printf 'the first moves as Orca spoke them:\n'
  printf '    %s\n' "${lines[@]}"
  echo "each move, key to speech, ms: ${delays[*]}"
  printf '%s\n' "${delays[@]}" | sort -n | awk '
    { d[NR] = $1 } END {
      printf "%d moves: median %d ms, worst %d ms\n",
             NR, (NR % 2 ? d[(NR + 1) / 2] : (d[NR / 2] + d[NR / 2 + 1]) / 2), d[NR] }'
  [ -z "$notice" ] || echo "the winning key to the notice spoken: $notice ms"
}

if [ -n "$orca" ]; then
  start_screen_reader
  start_game "$(dirname "$program")" "$scratch/game.log"
  orca_figures
  exit 0
fi

start_game "$(dirname "$program")" "$scratch/game.log"
/usr/bin/python3 - << 'PYTHON'
import statistics, time, warnings
import gi
gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib
warnings.filterwarnings("ignore", category=DeprecationWarning)

events = []  # (time, type, role of the source, path, detail1)

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

def first(start, kind, roles):
    return next((e for e in events if e[0] >= start and e[1] == kind and e[2] in roles
                 and e[4] == 1), None)

def rebuild(what, node):
    start = time.monotonic()
    press(node)
    focus = pump_until(lambda: first(start, "object:state-changed:focused", ("table",)))
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
press(find(frame, "push button", "Размер поля"))
item = pump_until(lambda: find(app, "check menu item", "12 x 12") or
                  find(app, "radio menu item", "12 x 12") or find(app, "menu item", "12 x 12"))
rebuild("12 x 12 chosen in the size menu", item)
rebuild("12 x 12 new game", find(frame, "push button", "Новая игра"))

# One treasure: every press on a closed cell is a move, until the one that wins.
board = find(frame, "table", "Поле")
delays = []
notice = None
for index in range(144):
    cell = board.get_accessible_at(index // 12, index % 12)
    if not cell.get_name().endswith("закрыта"):
        continue
    start = time.monotonic()
    press(cell)
    told = pump_until(lambda: first(start, "object:state-changed:showing", ("notification",)))
    delays.append((told[0] - start) * 1000)
    alert = pump_until(lambda: first(start, "object:state-changed:showing", ("alert", "dialog"))
                       or (time.monotonic() > told[0] + 0.05 and "none"))
    if alert != "none":
        notice = (alert[0] - start) * 1000
        break
print("each move, ms:", " ".join("%.1f" % d for d in delays))
print("Press on a closed cell to the move told, %d moves: median %.1f ms, most %.1f ms"
      % (len(delays), statistics.median(delays), max(delays)))
if notice is not None:
    print("the winning Press to the win notice showing: %.1f ms" % notice)
PYTHON
