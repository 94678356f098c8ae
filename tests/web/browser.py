# SPDX-FileCopyrightText: 2026 The Pelimor developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""The page's tests' harness: the built site served on a free localhost port by Python's own
server, and Debian's headless Chromium driven through chromedriver. Every wait is on something
the page shows, bounded."""
import contextlib
import re
import subprocess

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.by import By
from selenium.webdriver.support.ui import WebDriverWait

SHELL = "/usr/lib/chromium/chromium-headless-shell"
DRIVER = "/usr/bin/chromedriver"
WAIT = 30  # seconds: a loaded machine is slow, a hang still fails


class Failure(Exception):
    pass


@contextlib.contextmanager
def served(site):
    """The folder on http://localhost:PORT; the server's first line says the port."""
    server = subprocess.Popen(["/usr/bin/python3", "-u", "-m", "http.server", "0", "--bind",
                               "127.0.0.1", "--directory", site], stdout=subprocess.PIPE,
                              stderr=subprocess.DEVNULL, text=True)
    try:
        port = re.search(r"port (\d+)", server.stdout.readline()).group(1)
        yield "http://localhost:%s/" % port, server
    finally:
        server.terminate()
        server.wait()


@contextlib.contextmanager
def chromium(width=900, height=720, ratio=1):
    options = webdriver.ChromeOptions()
    options.binary_location = SHELL
    # As root Chromium needs --no-sandbox; the machine's closed network wants no background
    # connections. chromedriver makes each session a fresh profile of its own.
    for argument in ("--no-sandbox", "--disable-gpu", "--disable-dev-shm-usage",
                     "--disable-background-networking", "--disable-component-update",
                     "--no-first-run", "--disable-sync", "--hide-scrollbars",
                     "--window-size=%d,%d" % (width, height),
                     "--force-device-scale-factor=%g" % ratio):
        options.add_argument(argument)
    driver = webdriver.Chrome(service=Service(executable_path=DRIVER), options=options)
    try:
        yield Page(driver)
    finally:
        driver.quit()


class Page:
    """The game's page in the browser, as a player meets it."""

    def __init__(self, driver):
        self.driver = driver

    def open(self, url):
        self.driver.get(url)
        self.until("the window drawn", "performance.getEntriesByName('pelimor-drawn').length")

    def js(self, script, *args):
        return self.driver.execute_script(script, *args)

    def until(self, what, expression, seconds=WAIT):
        """Waits until the JavaScript expression is true; returns its value."""
        try:
            return WebDriverWait(self.driver, seconds).until(
                lambda d: d.execute_script("return " + expression))
        except Exception:
            raise Failure("waited %d s for %s (%s)" % (seconds, what, expression)) from None

    def element(self, name):
        return self.driver.find_element(By.ID, name)

    def text(self, name):
        return self.js("return document.getElementById(arguments[0]).textContent", name)

    def click(self, name):
        self.element(name).click()

    def cells(self):
        return self.driver.find_elements(By.CSS_SELECTOR, "canvas.cell")

    def names(self):
        return [c.get_attribute("aria-label") for c in self.cells()]

    def said(self):
        return self.text("said")

    def notice(self):
        """The open notice's title and text, or None."""
        return self.js("var n = document.getElementById('notice');"
                       "return n.open ? [n.querySelector('h1').textContent,"
                       " n.querySelector('p').textContent] : null")

    def close_notice(self):
        self.driver.find_element(By.CSS_SELECTOR, "#notice .ok").click()
        self.until("the notice closed", "!document.getElementById('notice').open")

    def start(self):
        self.click("sbtStartNewGame")
        self.until("a game", "document.getElementById('said').textContent.includes('Игра идёт')")

    def pick(self, count):
        """Opens the picker, steps its slider to `count` by presses on the track below the thumb
        and confirms it with a click on the red strip beside."""
        self.click("sbtNumTreasures")
        self.until("the picker", "!document.getElementById('frmNumTreasures').hidden")
        slider = self.element("tbNumTreasures")
        for step in range(2, count + 1):
            ActionChains(self.driver).move_to_element_with_offset(slider, 0, 120).click().perform()
            self.until("the count %d" % step, "document.getElementById('tbNumTreasures')"
                       ".getAttribute('aria-valuenow') == '%d'" % step)
        strip = self.element("frmNumTreasures")
        ActionChains(self.driver).move_to_element_with_offset(strip, 24, 0).click().perform()
        self.until("the picker gone", "document.getElementById('frmNumTreasures').hidden")
        self.expect("the count confirmed", self.text("lblNumTreasures"),
                    "Спрятано кладов: %d" % count)

    def win(self):
        """Opens cells row by row until the win notice comes; returns the moves made."""
        moves = 0
        for cell in self.cells():
            cell.click()
            moves += 1
            if self.notice():
                return moves
        raise Failure("every cell opened, no win notice")

    def expect(self, what, seen, wanted):
        if seen != wanted:
            raise Failure("%s: %r, not %r" % (what, seen, wanted))
