#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The Pelimor developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""The page played in a real headless Chromium, the built site served from localhost.
Usage: page_test.py SITE CASE [DESKTOP_SHOT.png], CASE one of the functions below."""
import io
import subprocess
import sys

from selenium.common.exceptions import WebDriverException
from selenium.webdriver.common.action_chains import ActionChains

from browser import Failure, chromium, served

IDLE = "Игра не идёт: нажмите «Новая игра»"


def wins(site):
    """A 4 x 4 game won by clicks alone, its cues fetched for the Web Audio API: each move heard,
    the win notice read and closed, and a new game started on a closed board; the help button
    opens the help page."""
    with served(site) as (url, _), chromium() as page:
        page.open(url)
        page.expect("the idle board", page.names()[:2], ["A1, закрыта", "B1, закрыта"])
        page.start()
        moves = page.win()
        cues = page.js("return performance.getEntriesByType('resource').map(e => e.name)"
                       ".filter(n => n.includes('/wav/')).map(n => n.split('/').pop())")
        for cue in ("newgame.wav", "click2.wav", "buljk.wav", "Quest.wav"):
            if cue not in cues:
                raise Failure("the cue %s was not fetched, only %s" % (cue, cues))
        page.expect("the win notice", page.notice(), ["ПЕЛИМОР 2007", "Вы нашли все клады! (1)"])
        page.expect("the move counter", page.text("lblHod"), "Ход %d" % moves)
        found = [n for n in page.names() if ", клад, " in n]
        page.expect("the treasure found", len(found), 1)
        page.expect("the winning move heard", page.said(),
                    found[0] + ", Найдено кладов: 1, осталось найти: 0")
        page.close_notice()
        page.start()
        page.expect("the new game's board", set(page.names()),
                    {"%s%d, закрыта" % (c, r) for c in "ABCD" for r in range(1, 5)})
        page.expect("the new game's moves", page.text("lblHod"), "Ход 0")
        page.js("window.opened = []; window.open = function (page) { opened.push(page); }")
        page.click("sbtHelp")
        page.until("the help page opened", "opened.length == 1")
        page.expect("the help page", page.js("return opened[0]"), "Help.htm")


def looks(site, desktop_shot):
    """At 100 % the page's window is the desktop's at start-up, pixel for pixel but for the text's
    own rasterisation: every control at its place; at 200 % it shows the pictures drawn for
    200 %."""
    from PIL import Image, ImageChops

    with served(site) as (url, _), chromium() as page:
        page.open(url)
        shot = Image.open(io.BytesIO(page.driver.get_screenshot_as_png())).convert("RGB")
        origin = page.js("var r = document.getElementById('Form1').getBoundingClientRect();"
                         "return [r.left, r.top]")
        labels = page.js("return Array.from(document.querySelectorAll('#Form1 .label'), l => {"
                         " var r = l.getBoundingClientRect(); return [l.id, r.left, r.top,"
                         " r.right, r.bottom, l.style.right != '']; })")
    desktop = Image.open(desktop_shot).convert("RGB")
    width, height = desktop.size
    left, top = int(origin[0]), int(origin[1])
    page_window = shot.crop((left, top, left + width, top + height))
    differ = ImageChops.difference(desktop, page_window).convert("L").point(lambda v: v > 0 and 255)
    count = sum(1 for v in differ.getdata() if v)
    print("pixels that differ: %d, %.2f %% of %d x %d" % (count, 100.0 * count / (width * height),
                                                         width, height))
    # Outside the labels' text nothing differs. Inside, the ink starts where it does on the
    # desktop, at the edge the label keeps (the right for the counters), within 2 pixels; the
    # text's own width may differ by a few, as each face is rasterised its own way.
    outside = differ.copy()
    ground = (0x78, 0x90, 0x78)
    for name, x0, y0, x1, y1, aligned_right in labels:
        box = (int(x0) - left - 8, int(y0) - top - 2, int(x1) - left + 3, int(y1) - top + 3)
        outside.paste(0, box)
        plain = Image.new("RGB", (box[2] - box[0], box[3] - box[1]), ground)
        ink = [ImageChops.difference(image.crop(box), plain).getbbox()
               for image in (desktop, page_window)]
        if ink[0] is None or ink[1] is None:
            raise Failure("label %s shows no text" % name)
        kept, far = (2, 0) if aligned_right else (0, 2)
        off = [abs(a - b) for a, b in zip(*ink)]
        if off[kept] > 2 or off[1] > 2 or off[3] > 2 or off[far] > 6:
            raise Failure("label %s: its text stands at %s on the desktop, %s on the page"
                          % (name, ink[0], ink[1]))
    if outside.getbbox() is not None:
        raise Failure("pixels outside the labels differ, within %s" % (outside.getbbox(),))

    with served(site) as (url, _), chromium(ratio=2) as page:
        page.open(url)
        files = page.js("return performance.getEntriesByType('resource').map(e => e.name)")
        pictures = sorted(set(f.rsplit("/", 1)[1] for f in files if "/pictures/" in f))
        if not pictures or any("@2x" not in p for p in pictures):
            raise Failure("at 200 %% the page loads %s" % pictures)


def chooses(site):
    """The size menu to 12 x 12, the picker set to 3 and confirmed on its strip, hints on, the
    clock running: a zero turns its lines green; the stop notice ends the game."""
    with served(site) as (url, _), chromium() as page:
        page.open(url)
        page.click("sbtCreateNewSizeGame")
        page.until("the size menu", "!document.getElementById('PopupMenu1').hidden")
        items = page.driver.find_elements("css selector", "#PopupMenu1 [role=menuitemradio]")
        page.expect("the menu", [i.text.strip() for i in items][-1], "12 x 12")
        items[-1].click()
        page.until("a 12 x 12 board", "document.querySelectorAll('canvas.cell').length == 144")
        page.expect("the size label", page.text("lblWH"), "12 x 12")
        page.expect("the size heard", page.said(), "12 x 12. Игра не идёт: нажмите «Новая игра»")
        page.pick(3)
        page.click("sbtHint")
        page.expect("the hint toggle", page.element("sbtHint").get_attribute("aria-pressed"),
                    "true")
        page.expect("the toggle heard", page.said(), "Подсказки включены")
        page.start()
        # Any second past the first: a loaded machine may look only after the clock moved on.
        page.until("the clock running", "(t => /^\\d\\d : \\d\\d$/.test(t) && t != '00 : 00')("
                   "document.getElementById('lblTime').textContent)")
        for index, cell in enumerate(page.cells()):
            if not page.names()[index].endswith("закрыта"):
                continue
            cell.click()
            if page.notice():
                raise Failure("won before any zero showed")
            if page.names()[index].endswith(", 0"):
                break
        marked = [i for i, n in enumerate(page.names()) if n.endswith("отмечена")]
        if not marked:
            raise Failure("a zero marked nothing with hints on")
        green = page.js("var c = document.querySelectorAll('canvas.cell')[arguments[0]];"
                        "return Array.from(c.getContext('2d').getImageData(10, 10, 1, 1).data)",
                        marked[0])
        page.expect("a marked cell's colour", green[:3], [0x00, 0xDF, 0x4A])
        page.click("sbtStop")
        page.until("the stop notice", "document.getElementById('notice').open")
        page.expect("the stop notice", page.notice(), ["ПЕЛИМОР 2007", "Игра остановлена!"])
        page.close_notice()


def holds(site):
    """Bad and racing input: clicks behind an open notice do nothing, twenty clicks on one cell in
    a burst are one move, a long press marks a cell green, and the window fitted to a smaller
    viewport in the middle of a game keeps the game."""
    with served(site) as (url, _), chromium() as page:
        page.open(url)
        page.start()
        page.click("sbtStop")
        page.until("the stop notice", "document.getElementById('notice').open")
        for name in ("sbtStartNewGame", "sbtHint"):
            try:
                page.click(name)
            except WebDriverException:
                pass  # the notice keeps the click from it
        cell = page.cells()[5]
        ActionChains(page.driver).move_to_element(cell).click().perform()
        page.expect("the notice", page.notice(), ["ПЕЛИМОР 2007", "Игра остановлена!"])
        page.close_notice()
        page.expect("after clicks behind the notice", [page.text("lblHod"), page.names()[5],
                    page.element("sbtHint").get_attribute("aria-pressed")],
                    ["Ход 0", "B2, закрыта", "false"])

        page.pick(4)  # no game of four treasures is won in one move
        page.start()
        burst = ActionChains(page.driver).move_to_element(page.cells()[0])
        for _ in range(20):
            burst.click()
        burst.perform()
        page.until("the move", "document.getElementById('lblHod').textContent == 'Ход 1'")
        if page.notice():
            page.close_notice()
        page.expect("twenty clicks in a burst", page.text("lblHod"), "Ход 1")

        ActionChains(page.driver).click_and_hold(page.cells()[15]).perform()
        page.until("the long press's mark",
                   "document.querySelectorAll('canvas.cell')[15].ariaLabel == 'D4, отмечена'")
        ActionChains(page.driver).release().perform()
        page.expect("a mark is no move", page.text("lblHod"), "Ход 1")

        names = page.names()
        page.driver.set_window_size(480, 400)
        page.until("the window fitted", "document.getElementById('game').style.transform != ''")
        page.expect("the board after the fit", page.names(), names)
        page.cells()[10].click()
        page.until("a move on the fitted window",
                   "document.getElementById('lblHod').textContent == 'Ход 2'")


def heard(site):
    """Chromium's accessibility tree: the board a grid "Поле" of cells named as on the desktop,
    the buttons named in Russian, the winning move told through the live region, the notice an
    alert."""
    with served(site) as (url, _), chromium() as page:
        page.open(url)

        def tree():
            nodes = page.driver.execute_cdp_cmd("Accessibility.getFullAXTree", {})["nodes"]
            return [(n.get("role", {}).get("value"), n.get("name", {}).get("value", ""))
                    for n in nodes if not n.get("ignored")]

        nodes = tree()
        grid = [n for n in nodes if n[0] == "grid"]
        page.expect("the board", grid, [("grid", "Поле")])
        cells = sorted(n[1] for n in nodes if n[0] == "gridcell")
        page.expect("the cells", cells, sorted("%s%d, закрыта" % (c, r) for c in "ABCD"
                                               for r in range(1, 5)))
        buttons = {n[1] for n in nodes if n[0] == "button"}
        for name in ("Новая игра", "Размер поля", "Число кладов", "Подсказки", "Справка",
                     "Остановить игру", "Выход"):
            if name not in buttons:
                raise Failure("no button named %s among %s" % (name, sorted(buttons)))
        # The winning move is told as its notice opens, which leaves the rest of the page to
        # no screen reader: its words go with the notice, an alert dialog.
        page.start()
        page.win()
        said, nodes = page.said(), tree()
        if not said.endswith("Найдено кладов: 1, осталось найти: 0"):
            raise Failure("the winning move was told as '%s'" % said)
        if not any(role == "StaticText" and name == said for role, name in nodes):
            raise Failure("the move '%s' is not in the live region's text" % said)
        if ("alertdialog", "ПЕЛИМОР 2007") not in nodes:
            raise Failure("the notice is no alert dialog named by its title")
        page.close_notice()


def offline(site):
    """The page is installable, and once opened it loads and plays with the network gone: the
    server stopped."""
    with served(site) as (url, server), chromium() as page:
        page.open(url)
        page.until("the page kept", "navigator.serviceWorker.controller != null")
        errors = page.driver.execute_cdp_cmd("Page.getInstallabilityErrors", {})
        page.expect("what keeps it from being installed", errors["installabilityErrors"], [])
        server.terminate()
        server.wait()
        page.driver.refresh()
        page.until("the window drawn again", "performance.getEntriesByName('pelimor-drawn').length")
        page.start()
        page.cells()[0].click()
        page.until("a move offline", "document.getElementById('lblHod').textContent == 'Ход 1'")


def main():
    site, case = sys.argv[1], sys.argv[2]
    try:
        globals()[case](site, *sys.argv[3:])
    except (Failure, WebDriverException, subprocess.SubprocessError) as failure:
        print("FAIL (page, %s): %s" % (case, failure), file=sys.stderr)
        sys.exit(1)
    print("PASS: %s" % main_doc(case))


def main_doc(case):
    return " ".join(globals()[case].__doc__.split())


if __name__ == "__main__":
    main()
