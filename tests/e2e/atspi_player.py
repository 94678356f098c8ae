#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The Pelimor developers
# SPDX-License-Identifier: GPL-3.0-or-later
# A player who reaches the game only through the accessibility bus, as a screen reader does:
# every control found by its name and pressed by its action, not one mouse event. Picks 4 x 4 in
# the size menu and two treasures in the picker, starts the game, opens cells by name until the
# win notice comes, reads it and presses its OK, then stops and sees the stop notice, and leaves
# by the exit button. Meanwhile no event may come from a cell that is gone.
#
# Runs inside its own D-Bus session (dbus-run-session) on an X display of its own; starts the
# accessibility bus and the game itself, and ends both. Every wait is bounded.
# Usage: atspi_player.py GAME_PROGRAM LOG_FOLDER
import os
import subprocess
import sys
import time
import traceback
import warnings

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, Gio, GLib  # noqa: E402

# libatspi marks its action calls deprecated, with nothing else to call in their place.
warnings.filterwarnings("ignore", category=DeprecationWarning)

LAUNCHERS = ["/usr/libexec/at-spi-bus-launcher", "/usr/lib/at-spi2-core/at-spi-bus-launcher"]
NOTICE_TITLE = "ПЕЛИМОР 2007"


class Failure(Exception):
    pass


def pump(seconds=0.0):
    """Handles what the bus brought, for at least `seconds`."""
    context = GLib.MainContext.default()
    end = time.monotonic() + seconds
    while True:
        while context.pending():
            context.iteration(False)
        if time.monotonic() >= end:
            return
        time.sleep(0.02)


def wait_for(what, probe, seconds=30):
    """Polls `probe` until it gives something; fails with `what` after `seconds`."""
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        pump()
        try:
            found = probe()
        except GLib.Error:  # an object that went away while we looked
            found = None
        if found:
            return found
        time.sleep(0.1)
    raise Failure("waited %d s for %s" % (seconds, what))


def descendants(node):
    for i in range(node.get_child_count()):
        child = node.get_child_at_index(i)
        if child is not None:
            yield child
            yield from descendants(child)


def named(node, role, name):
    return next((n for n in descendants(node)
                 if n.get_role_name() == role and n.get_name() == name), None)


def press(node, action="Press"):
    names = [Atspi.Action.get_action_name(node, i) for i in range(Atspi.Action.get_n_actions(node))]
    if action not in names:
        raise Failure("%s '%s' offers %s, not %s" % (node.get_role_name(), node.get_name(),
                                                     names, action))
    Atspi.Action.do_action(node, names.index(action))


def notice(app, text):
    """The open notice, if it says `text`."""
    for window in (app.get_child_at_index(i) for i in range(app.get_child_count())):
        if window is not None and window.get_role_name() == "alert" and \
                window.get_name() == NOTICE_TITLE and \
                named(window, "label", text) is not None:
            return window
    return None


def close_notice(app, text):
    box = wait_for("the notice '%s'" % text, lambda: notice(app, text))
    press(named(box, "push button", "OK"))
    wait_for("the notice '%s' to close" % text, lambda: notice(app, text) is None)


def play(app, events, cells, renamed):
    frame = wait_for("the main window", lambda: named(app, "frame", "  Пелимор 2007.0"))
    button = lambda name: named(frame, "push button", name)  # noqa: E731
    label = lambda text: named(frame, "label", text)  # noqa: E731

    press(button("Размер поля"))
    menu = wait_for("the size menu", lambda: named(frame, "popup menu", "Размер поля"))
    press(named(menu, "menu item", "  4 x  4"))
    wait_for("the size menu to close", lambda: named(frame, "popup menu", "Размер поля") is None)

    press(button("Число кладов"))
    picker = wait_for("the picker", lambda: named(app, "dialog", "Выбор числа кладов"))
    confirm = Atspi.Action.get_action_description(picker, 0)
    if confirm != "Подтвердить":
        raise Failure("the picker's action reads '%s'" % confirm)
    named(picker, "slider", "Число кладов").set_current_value(2)
    press(picker)
    wait_for("two treasures to hide", lambda: label("Спрятано кладов: 2"))

    board = named(frame, "table", "Поле")
    cells.update(board.get_child_at_index(i).path for i in range(board.get_child_count()))
    pump(0.5)
    events.clear()
    press(button("Новая игра"))
    wait_for("the new board", lambda: label("Ход 0") and events.count("add") >= 16)
    if events.count("remove") != 16:
        raise Failure("the start removed %d cells, not 16" % events.count("remove"))
    if (board.get_n_rows(), board.get_n_columns()) != (4, 4):
        raise Failure("the board is %d x %d" % (board.get_n_rows(), board.get_n_columns()))

    moves = 0
    for row in range(4):
        for col in range(4):
            cell = board.get_accessible_at(row, col)
            place = "ABCD"[col] + str(row + 1)
            if cell.get_name() != place + ", закрыта":
                raise Failure("cell %s reads '%s'" % (place, cell.get_name()))
            press(cell)
            moves += 1
            wait_for("cell %s to announce its new name" % place, lambda: cell.path in renamed)
            opened = cell.get_name()
            if not opened.startswith((place + ", пусто, ", place + ", клад, ")):
                raise Failure("opened cell %s reads '%s'" % (place, opened))
            if notice(app, "Вы нашли все клады! (2)") is not None:
                break
        else:
            continue
        break
    close_notice(app, "Вы нашли все клады! (2)")
    wait_for("the move counter", lambda: label("Ход %d" % moves), 5)
    wait_for("the found counter", lambda: label("Найдено кладов: 2"), 5)

    press(button("Остановить игру"))
    close_notice(app, "Игра остановлена!")
    return moves


def start_game(program, log):
    """Starts the game with its accessibility on. A display whose number an ending Xvfb just
    gave up may refuse the first connection, so a game that could not reach it is started
    again, twice at most."""
    env = dict(os.environ, QT_ACCESSIBILITY="1", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
    for _ in range(3):
        game = subprocess.Popen([program], cwd=os.path.dirname(program), env=env,
                                start_new_session=True, stdout=open(log, "w"),
                                stderr=subprocess.STDOUT)
        try:
            game.wait(2)
        except subprocess.TimeoutExpired:
            return game
        with open(log) as output:
            if "could not connect to display" not in output.read():
                return game
        time.sleep(1)
    return game


def main():
    program, logs = os.path.abspath(sys.argv[1]), sys.argv[2]
    launcher = next((p for p in LAUNCHERS if os.access(p, os.X_OK)), None)
    if launcher is None:
        raise Failure("no at-spi-bus-launcher (scripts/install-deps installs at-spi2-core)")
    bus = subprocess.Popen([launcher, "--launch-immediately", "--a11y=1"],
                           stdout=subprocess.DEVNULL, stderr=open(logs + "/bus.log", "w"))
    game = None
    try:
        session = Gio.bus_get_sync(Gio.BusType.SESSION)
        wait_for("the accessibility bus", lambda: session.call_sync(
            "org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus",
            "NameHasOwner", GLib.Variant("(s)", ("org.a11y.Bus",)), None,
            Gio.DBusCallFlags.NONE, 5000, None).unpack()[0])
        Atspi.init()
        Atspi.set_timeout(10000, 60000)  # a loaded machine may answer slowly
        game = start_game(program, logs + "/game.log")

        events = []  # the kinds of changes to the board's children: "add", "remove"
        cells = set()  # the paths of every cell the board announced
        renamed = set()  # the paths of the cells that announced a new name
        from_gone_cells = []

        def heard(event):
            try:
                role = event.source.get_role_name()
            except GLib.Error:  # the source is gone: was it a cell?
                if event.source.path in cells:
                    from_gone_cells.append(event.type)
                return
            if role == "table" and event.type.startswith("object:children-changed:"):
                events.append(event.type.rsplit(":", 1)[1])
                cells.add(event.any_data.path)
            elif role == "table cell" and event.type.endswith("accessible-name"):
                renamed.add(event.source.path)

        listener = Atspi.EventListener.new(heard)
        for kind in ("object:children-changed", "object:state-changed",
                     "object:property-change:accessible-name"):
            listener.register(kind)
        desktop = Atspi.get_desktop(0)
        app = wait_for("the game on the accessibility bus", lambda: next(
            (a for a in descendants_of_desktop(desktop) if a.get_name() == "pelimor"), None))

        moves = play(app, events, cells, renamed)
        if from_gone_cells:
            raise Failure("%d events came from cells already gone: %s" %
                          (len(from_gone_cells), sorted(set(from_gone_cells))))

        frame = named(app, "frame", "  Пелимор 2007.0")
        press(named(frame, "push button", "Выход"))
        status = game.wait(30)
        game = None
        if status != 0:
            raise Failure("the game ended with status %d" % status)
        print("PASS: won a 4 x 4 game with two treasures in %d presses over AT-SPI alone" % moves)
    finally:
        if game is not None:
            os.killpg(game.pid, 15)
            game.wait(10)
        bus.terminate()
        bus.wait(10)


def descendants_of_desktop(desktop):
    return (desktop.get_child_at_index(i) for i in range(desktop.get_child_count()))


if __name__ == "__main__":
    try:
        main()
    except (Failure, subprocess.TimeoutExpired, GLib.Error) as failure:
        traceback.print_exc()
        print("FAIL (AT-SPI): %s" % failure, file=sys.stderr)
        sys.exit(1)
