"""Follows the program as a screen reader does, through AT-SPI: walks the
accessibility tree of the title, the information box, the menu and the
column addition, presses buttons through their accessible action (as a
screen reader user does), types an answer with the keyboard, and listens to
the events a screen reader hears. Prints what a screen reader finds on each
screen; exits non-zero on the first thing that is not as it should be.

  a11y_tour.py

Run it with Debian's python3 (python3-pyatspi), in the program's session
(DISPLAY, DBUS_SESSION_BUS_ADDRESS), with the program on its title screen.
"""
import re
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

TITLE = "tevo - Aritmetica cl. II"
MENU = "tevo - Aritmetica cl. II     MENU"
ADDITION = "tevo - Aritmetica cl. II     ADDIZIONI IN COLONNA SENZA CAMBIO  ( entro 99 )"
ADDITION_ENTRY = "ADDIZIONI IN COLONNA SENZA CAMBIO ( somma entro 99 )"

events = []


def fail(message):
    print("FAIL: " + message, file=sys.stderr)
    sys.exit(1)


def pump(seconds):
    """Lets the events that arrived meanwhile reach the listeners."""
    context = GLib.MainContext.default()
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        while context.pending():
            context.iteration(False)
        time.sleep(0.02)


def listen(event):
    try:
        data = event.any_data
        if hasattr(data, "name"):  # an accessible: the child added or removed
            data = data.name
        source = event.source.name if event.source else ""
    except GLib.GError:
        return  # its window has closed since
    events.append((event.type, source, event.detail1, data))


def application():
    for _ in range(100):
        desktop = pyatspi.Registry.getDesktop(0)
        for app in desktop:
            if app is not None and app.name == "Aritmetica":
                return app
        time.sleep(0.1)
    fail("the program is not on the accessibility bus")


def window(name, timeout=10):
    """The window (frame or dialog) with this name, waiting for it."""
    end = time.monotonic() + timeout
    while time.monotonic() < end:
        for w in application():
            if w is not None and w.name == name and w.getState().contains(pyatspi.STATE_VISIBLE):
                return w
        pump(0.1)
    fail("no window '%s' in the accessibility tree" % name)


def gone(name, timeout=10):
    end = time.monotonic() + timeout
    while time.monotonic() < end:
        if not any(w is not None and w.name == name for w in application()):
            return
        pump(0.1)
    fail("the window '%s' is still in the accessibility tree" % name)


def spoken(w):
    """What a screen reader finds in a window: (role, name) of each child."""
    return [(c.getRoleName(), c.name) for c in w if c is not None]


def show(title, w):
    print("%s (%s): %s" % (title, w.getRoleName(), w.name))
    for role, name in spoken(w):
        print("  %-14s %s" % (role, name))


def child(w, role, name):
    for c in w:
        if c is not None and c.getRoleName() == role and c.name == name:
            return c
    fail("no %s '%s' in '%s'; found %s" % (role, name, w.name, spoken(w)))


def expect_children(w, expected):
    found = spoken(w)
    for item in expected:
        if item not in found:
            fail("'%s' lacks %s %s; found %s" % (w.name, item[0], repr(item[1]), found))


def press(w, role, name):
    """Presses a control through its accessible action, as a screen reader does."""
    action = child(w, role, name).queryAction()
    action.doAction(0)
    pump(0.3)


def text_of(accessible):
    t = accessible.queryText()
    return t.getText(0, t.characterCount)


def sensitive(accessible):
    return accessible.getState().contains(pyatspi.STATE_SENSITIVE)


def x_window(name):
    out = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "^%s$" % re.escape(name)],
                         capture_output=True, text=True).stdout.split()
    if not out:
        fail("no X window '%s'" % name)
    return out[0]


def type_keys(name, *keys):
    win = x_window(name)
    subprocess.run(["xdotool", "windowfocus", "--sync", win], capture_output=True)
    time.sleep(0.1)
    subprocess.run(["xdotool", "key", "--delay", "80"] + list(keys), check=True)
    pump(0.5)


def wait_for(predicate, what, timeout=5):
    end = time.monotonic() + timeout
    while time.monotonic() < end:
        if predicate():
            return
        pump(0.1)
    fail(what)


def main():
    for kind in ("object:state-changed:focused", "focus:", "object:children-changed",
                 "object:text-changed", "object:property-change:accessible-name"):
        pyatspi.Registry.registerEventListener(listen, kind)

    # The title.
    title = window(TITLE)
    if title.getRoleName() != "frame":
        fail("the title is a %s" % title.getRoleName())
    show("Title", title)
    expect_children(title, [("push button", "PROGRAMMA DI ARITMETICA"), ("push button", "INFO"),
                            ("push button", "ESCI DAl PROGRAMMA"), ("label", "cl.II")])

    # The information box: a dialog that controls the title, disabled
    # behind it.
    press(title, "push button", "INFO")
    info = window("Informazioni")
    show("Information box", info)
    if info.getRoleName() != "dialog":
        fail("the information box is a %s" % info.getRoleName())
    controls = [r for r in info.getRelationSet() if r.getRelationType() == pyatspi.RELATION_CONTROLLER_FOR]
    if not controls or controls[0].getTarget(0).name != TITLE:
        fail("the information box does not say it stands over the title")
    if sensitive(title) or sensitive(child(title, "push button", "INFO")):
        fail("the title behind the information box is not reported disabled")
    press(info, "push button", "OK")
    gone("Informazioni")
    wait_for(lambda: sensitive(title), "the title is still reported disabled after OK")

    # The menu.
    press(title, "push button", "PROGRAMMA DI ARITMETICA")
    menu = window(MENU)
    show("Menu", menu)
    buttons = [name for role, name in spoken(menu) if role == "push button"]
    if len(buttons) != 15:
        fail("the menu has %d buttons: %s" % (len(buttons), buttons))
    expect_children(menu, [("push button", ADDITION_ENTRY), ("push button", "ESCI"),
                           ("push button", "TORNA ALL'INIZIO"),
                           ("label", "ESERCITAZIONI DI ARITMETICA cl. II")])

    # Column addition: a problem, read from the board.
    press(menu, "push button", ADDITION_ENTRY)
    board = window(ADDITION)
    show("Column addition", board)
    expect_children(board, [("push button", "DAMMI I NUMERI"), ("push button", "ESCI"),
                            ("push button", "TORNA A MENU"), ("text", "decine"), ("text", "unità"),
                            ("label", "ESEGUI LA SEGUENTE ADDIZIONE IN COLONNA"), ("label", "ESATTI"),
                            ("label", "SU")])
    press(board, "push button", "DAMMI I NUMERI")
    wait_for(lambda: ("image", "in attesa della risposta") in spoken(board), "no neutral face after DAMMI I NUMERI")
    digits = [c for c in board if c is not None and c.getRoleName() == "label" and re.fullmatch(r"\d", c.name)]
    columns = {}
    for d in digits:
        x = d.queryComponent().getExtents(pyatspi.DESKTOP_COORDS).x
        columns.setdefault(x, []).append(int(d.name))
    if len(columns) != 2:
        fail("the addends' digits do not stand in two columns: %s" % columns)
    units = sum(columns[max(columns)])
    tens = sum(columns[min(columns)])
    show("Column addition with a problem", board)

    # The units box takes the focus through its action, the right digit is
    # typed, and the focus moves on to the tens box.
    units_box = child(board, "text", "unità")
    units_box.queryAction().doAction(0)
    pump(0.3)
    del events[:]
    type_keys(ADDITION, str(units))
    wait_for(lambda: text_of(units_box) == str(units),
             "the units box holds '%s' after typing %d" % (text_of(units_box), units))
    wait_for(lambda: any(e[0] == "object:state-changed:focused" and e[1] == "decine" and e[2] == 1 for e in events),
             "no focus event for the tens box after a right units digit; events: %s" % events)
    wait_for(lambda: ("image", "risposta giusta") in spoken(board), "no happy face after a right digit")
    tens_box = child(board, "text", "decine")
    if not tens_box.getState().contains(pyatspi.STATE_FOCUSED):
        fail("the tens box is not reported focused")
    print("Typed %d into the units box: its text reads '%s'; focus event on '%s'"
          % (units, text_of(units_box), "decine"))

    # The score appears once the tens digit is judged, and is announced:
    # ESATTI 1 SU 1.
    del events[:]
    type_keys(ADDITION, str(tens))
    added = lambda: [e[3] for e in events if e[0].startswith("object:children-changed:add") and e[1] == ADDITION]
    wait_for(lambda: added().count("1") == 2, "the score did not appear as two labels '1'; events: %s" % events)
    show("Column addition after the answer", board)
    print("PASS: accessibility tour")


main()
