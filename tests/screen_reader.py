"""Reads the running window as a screen reader does, over the AT-SPI bus (tests/screen-reader
starts the buses and the compositor): the menu bar and its items, what every card place, the
honor points, the pot and the wins say, and the news of a deal and of a discard, which must
arrive as events that a screen reader speaks.

    python3 tests/screen_reader.py KORVO
"""

import os
import re
import shutil
import subprocess
import sys
import tempfile
import time

import pyatspi
from gi.repository import GLib

failures = []


def check(condition, what):
    if not condition:
        failures.append(what)
        print("FAIL:", what)


def pump(seconds, until=lambda: False):
    """Delivers the bus's events for up to `seconds`, or until `until()` holds."""
    context = GLib.MainContext.default()
    end = time.monotonic() + seconds
    while time.monotonic() < end and not until():
        if not context.iteration(False):
            time.sleep(0.01)


def descendants(node):
    return pyatspi.findAllDescendants(node, lambda _: True)


def named(nodes, role, pattern):
    return [n for n in nodes if n.getRole() == role and re.search(pattern, n.name or "")]


def press(node):
    action = node.queryAction()
    names = [action.getName(i) for i in range(action.nActions)]
    action.doAction(names.index("Press"))


def main():
    korvo = sys.argv[1]
    game = tempfile.mkdtemp(prefix="korvo-screen-reader.")
    subprocess.run([korvo, "--init", game + "/g"], check=True)
    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
               XDG_CONFIG_HOME=game + "/config")
    window = subprocess.Popen([korvo, "--dir", game + "/g", "--seed", "7"], env=env)
    try:
        run(window)
    finally:
        window.terminate()
        window.wait(10)
        shutil.rmtree(game, ignore_errors=True)
    if failures:
        print(f"{len(failures)} checks failed")
        return 1
    print("all that a screen reader reads and hears is there")
    return 0


def run(window):
    app = None
    end = time.monotonic() + 20
    while app is None and time.monotonic() < end and window.poll() is None:
        app = next((a for a in pyatspi.Registry.getDesktop(0) if a and a.name == "korvo"), None)
        if app is None:
            time.sleep(0.2)
    check(app is not None, "the window is on the accessibility bus")
    if app is None:
        return

    heard = []

    def listen(event):
        # Qt's event carries the control; its description is the news, read as it arrives.
        text = event.any_data if isinstance(event.any_data, str) else event.source.description
        if text:
            heard.append(text)

    pyatspi.Registry.registerEventListener(
        listen, "object:property-change:accessible-description")

    nodes = descendants(app)
    # The menu bar and its items.
    menus = {}
    for bar in [n for n in nodes if n.getRole() == pyatspi.ROLE_MENU_BAR]:
        for menu in bar:
            items = [i.name for i in descendants(menu) if i.getRole() == pyatspi.ROLE_MENU_ITEM]
            menus[menu.name] = items
    print("menus:", menus)
    check(set(menus) >= {"Game", "View", "Help"}, "the menu bar holds Game, View and Help")
    check(set(menus.get("Game", [])) >= {"Deal", "Knock", "Quit"}, "Game > Deal, Knock, Quit")
    check(set(menus.get("View", [])) >= {"Bigger", "Smaller", "Actual Size"},
          "View > Bigger, Smaller, Actual Size")
    check(set(menus.get("Help", [])) >= {"Rules", "About Korvo"}, "Help > Rules, About Korvo")

    places = r"^(Your card [1-3]|Your new card|(Oma|Tobin|Wenna)'s card [1-3]|Draw pile|" \
             r"Discard pile): "

    def table(when, dealt=True):
        nodes = descendants(app)
        cards = [n.name for n in named(nodes, pyatspi.ROLE_PUSH_BUTTON, places)]
        honor = [n.name for n in named(nodes, pyatspi.ROLE_IMAGE, r"honor: \d+ points?$")]
        pot = [n.name for n in named(nodes, pyatspi.ROLE_IMAGE, r"^Pot: \d+ points?$")]
        wins = [n.name for n in named(nodes, pyatspi.ROLE_LABEL, r"wins: \d+$" if dealt else "wins")]
        print(f"{when}: cards {cards}\n  honor {honor}, {pot}, wins {wins}")
        check(len(cards) == 15, f"{when}: the 15 card places say what they show")
        check(len(honor) == 4, f"{when}: the four players' honor points")
        check(len(pot) == 1, f"{when}: the pot")
        check(len(wins) == 4, f"{when}: the four players' wins")
        return {re.sub(r": .*", "", c): c for c in cards}, nodes

    _, nodes = table("at start", dealt=False)  # the win counts show from the first deal
    button = {n.name: n for n in nodes if n.getRole() == pyatspi.ROLE_PUSH_BUTTON}

    def click(name, what):
        heard.clear()
        press(button[name])
        pump(10, until=lambda: bool(heard))
        while True:  # the computer players' turns, shown one at a time, until all is told
            told = len(heard)
            pump(1.5, until=lambda: len(heard) > told)
            if len(heard) == told:
                break
        print(f"{what}: heard {heard}")
        check(bool(heard), f"the news of {what} arrives as an event")
        return list(heard)

    # The news of a click comes in one event per step (the computer players' turns are shown
    # one at a time), the first step being player 1's.
    news = click("Deal", "a deal")
    cards, nodes = table("dealt")
    button = {re.sub(r": .*", "", n.name): n for n in named(nodes, pyatspi.ROLE_PUSH_BUTTON, places)}
    check(cards["Your card 1"] != "Your card 1: empty", "player 1 holds cards after the deal")
    check(news and all(cards[f"Your card {i}"] in news[0] for i in (1, 2, 3)),
          "the deal's news tells player 1's cards")
    click("Draw pile", "a draw")
    drawn, _ = table("drawn")
    card = drawn["Your new card"].split(": ", 1)[1]
    news = click("Your new card", "a discard")
    check(news and f"Discard pile: {card}" in news[0], f"the discard's news names the {card} thrown")
    table("after the discard")


if __name__ == "__main__":
    sys.exit(main())
