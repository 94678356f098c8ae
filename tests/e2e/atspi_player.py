#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The Pelimor developers
# SPDX-License-Identifier: GPL-3.0-or-later
# A player who reaches the game only through the accessibility bus, as a screen reader does:
# every control found by its name and pressed by its action, not one mouse event. Starts a 4 x 4
# game with its one treasure, opens cells by name until the win notice comes, reads it and
# presses its OK, stops and sees the stop notice, and presses the exit button. The new board
# must be announced as a whole, not cell by cell, and each opened cell must announce its new name
# and become the focus; no event may come from a cell that is gone. Every wait is bounded. Run by
# plays_over_atspi.sh, which starts the game once the file named by the first argument is there.
import sys
import time
import warnings

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402

# libatspi marks its action calls deprecated, with nothing else to call in their place.
warnings.filterwarnings("ignore", category=DeprecationWarning)


class Failure(Exception):
    pass


def wait_for(what, probe, seconds=30):
    """Handles what the bus brings until `probe` gives something, for `seconds` at most."""
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        while GLib.MainContext.default().pending():
            GLib.MainContext.default().iteration(False)
        try:
            found = probe()
        except GLib.Error:  # an object that went away while we looked
            found = None
        if found:
            return found
        time.sleep(0.1)
    raise Failure("waited %d s for %s" % (seconds, what))


def find(node, role, name):
    for child in (node.get_child_at_index(i) for i in range(node.get_child_count())):
        if child is not None and child.get_role_name() == role and child.get_name() == name:
            return child
        if child is not None and role != "table cell":
            found = find(child, role, name)
            if found is not None:
                return found
    return None


def press(node):
    if Atspi.Action.get_action_name(node, 0) != "Press":
        raise Failure("'%s' offers no Press first" % node.get_name())
    Atspi.Action.do_action(node, 0)


def answer_notice(app, text):
    """Reads the notice that says `text`, presses its OK and sees it close."""
    notice = lambda: find(app, "label", text)  # noqa: E731
    press(find(wait_for("the notice '%s'" % text, notice).get_parent(), "push button", "OK"))
    wait_for("the notice '%s' to close" % text, lambda: notice() is None)


def play(app, heard):
    frame = wait_for("the main window", lambda: find(app, "frame", "  Пелимор 2007.0"))
    button = lambda name: find(frame, "push button", name)  # noqa: E731
    label = lambda text: find(frame, "label", text)  # noqa: E731

    board = find(frame, "table", "Поле")
    if board.get_description() != "Игра не идёт: нажмите «Новая игра»":
        raise Failure("the idle board is described as '%s'" % board.get_description())
    heard["cells"].update(board.get_child_at_index(i).path for i in range(16))
    heard["board"].clear()
    old_board = board.path
    press(button("Новая игра"))
    board = wait_for("the new board as the focus", lambda: label("Ход 0") and next(
        (b for b in [find(frame, "table", "Поле")] if b and b.path in heard["focused"]), None))
    if board.path == old_board:
        raise Failure("the new board is the old board's object")
    if heard["board"]:
        raise Failure("the start announced cells one by one: %s" % heard["board"][:5])
    if board.get_description() != "Игра идёт. Спрятано кладов: 1":
        raise Failure("the board in a game is described as '%s'" % board.get_description())

    moves = 0
    won = False
    while not won:
        row, col = divmod(moves, 4)
        cell, place = board.get_accessible_at(row, col), "ABCD"[col] + str(row + 1)
        if cell.get_name() != place + ", закрыта":
            raise Failure("cell %s reads '%s' before it is opened" % (place, cell.get_name()))
        told = len(heard["told"])
        press(cell)
        moves += 1
        wait_for("cell %s to announce its name and the move to be told" % place,
                 lambda: cell.path in heard["renamed"] and len(heard["told"]) > told)
        if not cell.get_name().startswith((place + ", пусто, ", place + ", клад, ")):
            raise Failure("opened cell %s reads '%s'" % (place, cell.get_name()))
        won = cell.get_name().startswith(place + ", клад, ")  # the one treasure
        words = cell.get_name() + (", Найдено кладов: 1, осталось найти: 0" if won else "")
        if heard["told"][told:told + 1] != [words]:  # the win notice comes after, never before
            raise Failure("move %s was told as %s" % (place, heard["told"][told:]))
    answer_notice(app, "Вы нашли все клады! (1)")
    wait_for("the counters", lambda: label("Ход %d" % moves) and label("Найдено кладов: 1"))
    press(button("Остановить игру"))
    answer_notice(app, "Игра остановлена!")
    return button("Выход")


def main():
    Atspi.set_timeout(10000, 60000)  # a loaded machine may answer slowly
    heard = {"board": [], "cells": set(), "renamed": set(), "focused": set(), "told": [],
             "from_gone_cells": []}

    def listen(event):
        try:
            role = event.source.get_role_name()
        except GLib.Error:  # the source is gone: was it a cell?
            if event.source.path in heard["cells"]:
                heard["from_gone_cells"].append(event.type)
            return
        if role == "table" and event.type.startswith("object:children-changed:"):
            heard["board"].append((event.type.rsplit(":", 1)[1], event.any_data.path))
            heard["cells"].add(event.any_data.path)
        elif role == "table cell" and event.type.endswith("accessible-name"):
            heard["renamed"].add(event.source.path)
        if event.type == "object:state-changed:focused" and event.detail1 == 1:
            heard["focused"].add(event.source.path)
        if event.type == "object:state-changed:showing" and event.detail1 == 1:
            if role == "notification":
                heard["told"].append(event.source.get_name())
            elif role in ("alert", "dialog"):
                heard["told"].append("(a notice opened)")

    listener = Atspi.EventListener.new(listen)
    for kind in ("object:children-changed", "object:state-changed",
                 "object:property-change:accessible-name"):
        listener.register(kind)
    # The game asks which events are listened to as it starts, and may miss a listener that
    # comes while it asks; so it is started only once ours are there, as a screen reader runs
    # before the programs it reads.
    open(sys.argv[1], "w").close()
    desktop = Atspi.get_desktop(0)
    app = wait_for("the game on the accessibility bus", lambda: find(desktop, "application",
                                                                      "pelimor"))
    exit_button = play(app, heard)
    if heard["from_gone_cells"]:
        raise Failure("events from cells already gone: %s" % heard["from_gone_cells"][:5])
    press(exit_button)  # leaving, the game takes every object with it


if __name__ == "__main__":
    try:
        main()
    except (Failure, GLib.Error) as failure:
        print("FAIL (AT-SPI): %s" % failure, file=sys.stderr)
        sys.exit(1)
