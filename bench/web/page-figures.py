#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The Pelimor developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Figures of the page in Debian's headless Chromium, the built site served from localhost: how
soon the whole window is drawn after navigation starts (the page's own mark, medians of 10
loads, beside a blank page's first paint in the same run), what the first paint needs over the
wire, and the dearest click of 12 x 12 games with hints on. Run by hand; nothing here is a test.

Usage: bench/web/page-figures.py SITE [LOADS]"""
import os
import shutil
import statistics
import sys
import tempfile

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tests",
                                "web"))
from browser import chromium, served  # noqa: E402

# Plays games in the page: each closed cell in turn, as its click handler hands it over, timed
# from the hand-over until the cells it changed are drawn; a win's notice is closed at once.
PLAY = """
const done = arguments[arguments.length - 1];
const games = arguments[0], clicks = [];
const drawn = () => new Promise(r => setTimeout(r, 0));
(async () => {
  for (let game = 0; game < games; game++) {
    await Module.ccall('web_press', null, ['string'], ['sbtStartNewGame'], {async: true});
    for (const id of Object.keys(Page.cells).map(Number)) {
      const cell = Page.cells[id];
      if (!cell || !cell.canvas.ariaLabel.endsWith('закрыта')) continue;
      let painted = 0;
      const draw = Page.drawCell;
      Page.drawCell = c => { painted++; return draw(c); };
      const started = performance.now();
      const call = Module.ccall('web_cell', null, ['number', 'number'], [id, 0], {async: true});
      const notice = document.getElementById('notice');
      await Promise.resolve();
      const ms = performance.now() - started;
      Page.drawCell = draw;
      clicks.push([ms, painted, game, notice.open]);
      if (notice.open) { notice.close(); await call; break; }
      await call;
    }
  }
  done(clicks);
})();
"""


DRAWN = "performance.getEntriesByName('pelimor-drawn')[0].startTime"
FIRST_PAINT = "(performance.getEntriesByName('first-paint')[0] || {}).startTime"


def loaded(page, url, again):
    """The page loaded (again: reloaded in the same browser); its drawn mark and first paint."""
    if again:
        page.driver.refresh()
        page.until("the window drawn", "performance.getEntriesByName('pelimor-drawn').length")
    else:
        page.open(url)
    return page.js("return " + DRAWN), page.until("the first paint", FIRST_PAINT)


def Sizes(page):
    """What the page fetched for its first paint, by file, in bytes as sent."""
    return {name.split("/", 3)[-1] or "index.html": size for name, size in page.js(
        "return [[location.href, performance.getEntriesByType('navigation')[0].encodedBodySize]]"
        ".concat(performance.getEntriesByType('resource').map(e => [e.name, e.encodedBodySize]))")}


def blank_first_paint(page, url, again):
    if again:
        page.driver.refresh()
    else:
        page.driver.get(url)
    return page.until("the blank page's first paint", FIRST_PAINT)


def main():
    site = sys.argv[1]
    loads = int(sys.argv[2]) if len(sys.argv) > 2 else 10
    blank_site = tempfile.mkdtemp()
    try:
        with open(os.path.join(blank_site, "index.html"), "w") as page:
            page.write("<!DOCTYPE html><title>blank</title><p>blank")
        sizes = {}
        # A first visit: a browser of its own each time, nothing kept. A later one: the same
        # browser again, the page kept by its service worker since the visit before.
        for visit, again in (("first visits, a fresh browser each", False),
                             ("later visits, reloaded in one browser", True)):
            drawn, first, blank = [], [], []
            with served(site) as (url, _):
                with chromium() as kept:
                    if again:
                        kept.open(url)
                        kept.until("the page kept", "navigator.serviceWorker.controller != null")
                    for _ in range(loads):
                        if again:
                            d, f = loaded(kept, url, True)
                        else:
                            with chromium() as page:
                                d, f = loaded(page, url, False)
                                sizes.update(Sizes(page))
                        drawn.append(d)
                        first.append(f)
            with served(blank_site) as (url, _), chromium() as kept:
                for load in range(loads):
                    if again:
                        blank.append(blank_first_paint(kept, url, load > 0))
                    else:
                        with chromium() as page:
                            blank.append(blank_first_paint(page, url, False))
            print("%s, median of %d: the whole window drawn %.0f ms after navigation starts "
                  "(its first paint %.0f ms; a blank page's first paint %.0f ms)"
                  % (visit, len(drawn), statistics.median(drawn), statistics.median(first),
                     statistics.median(blank)))
        print("what the first paint needs at 100 %%, %d files: %.1f KB" %
              (len(sizes), sum(sizes.values()) / 1024))
        for name, size in sorted(sizes.items(), key=lambda item: -item[1]):
            print("    %7.1f KB  %s" % (size / 1024, name))

        with served(site) as (url, _), chromium() as page:
            page.open(url)
            page.click("sbtCreateNewSizeGame")
            items = page.driver.find_elements("css selector", "#PopupMenu1 [role=menuitemradio]")
            items[-1].click()
            page.until("a 12 x 12 board", "document.querySelectorAll('canvas.cell').length == 144")
            page.pick(12)
            page.click("sbtHint")
            clicks = page.driver.execute_async_script(PLAY, 5)
        times = sorted(c[0] for c in clicks)
        most = max(clicks, key=lambda c: c[1])
        print("12 x 12, 12 treasures, hints on, %d clicks of 5 games: median %.2f ms; the click "
              "that drew most cells (%d): %.2f ms; the dearest five:"
              % (len(clicks), statistics.median(times), most[1], most[0]))
        for ms, painted, game, won in sorted(clicks, reverse=True)[:5]:
            print("    %6.2f ms, %3d cells drawn, game %d%s" % (ms, painted, game + 1,
                                                             ", the winning click" if won else ""))
    finally:
        shutil.rmtree(blank_site)


if __name__ == "__main__":
    main()
