"""Listens to the program as a screen reader does, so that it reports every
change through AT-SPI, until stopped (SIGTERM); then writes the number of
events heard from it to a file.

  a11y_listen.py COUNT_FILE

Run it with Debian's python3 (python3-pyatspi), in the program's session.
"""
import signal
import sys

import pyatspi
from gi.repository import GLib

heard = 0


def listen(event):
    global heard
    try:
        app = event.host_application
        if app is not None and app.name == "Aritmetica":
            heard += 1
    except GLib.GError:
        pass  # a window that closed since


def stop():
    with open(sys.argv[1], "w") as out:
        out.write("%d\n" % heard)
    pyatspi.Registry.stop()
    return GLib.SOURCE_REMOVE


for kind in ("object:", "focus:", "window:"):
    pyatspi.Registry.registerEventListener(listen, kind)
GLib.unix_signal_add(GLib.PRIORITY_DEFAULT, signal.SIGTERM, stop)
pyatspi.Registry.start()
