"""What the end-to-end tests ask of the X server beyond xdotool: the
stacking of windows, their hints, the pointer's picture, and key events
sent one by one through XTest, as a keyboard sends them.

  xtool.py stacking                 client windows, bottom to top
  xtool.py transient-for WIN        the window WIN is a dialog of, or 0
  xtool.py allowed-actions WIN      the window manager's actions on WIN
  xtool.py motif WIN                the Motif hints: flags functions decorations
  xtool.py cursor                   a digest of the pointer's picture
  xtool.py keycode KEYSYM           the key code of a key symbol
  xtool.py keys STEP...             d:CODE presses, u:CODE releases, s:MS waits
  xtool.py hold CODE PAIRS MS       holds a key whose repeats come as the X
                                    server sends them without detectable
                                    auto-repeat: a release and a press
                                    together, PAIRS times, MS apart
  xtool.py numlock on|off           sets the NumLock state
  xtool.py maximize WIN on|off      asks the window manager to maximise a
                                    window or to restore it
"""
import hashlib
import sys
import time

from Xlib import X, XK, display, protocol
from Xlib.ext import xfixes, xtest  # noqa: F401  (registers the extensions)

d = display.Display()
root = d.screen().root


def atom(name):
    return d.intern_atom(name)


def stacking():
    prop = root.get_full_property(atom("_NET_CLIENT_LIST_STACKING"), X.AnyPropertyType)
    if prop is not None:
        return list(prop.value)
    # No window manager: the top-level windows themselves, mapped ones only.
    return [w.id for w in root.query_tree().children if w.get_attributes().map_state == X.IsViewable]


def key(code, down):
    xtest.fake_input(d, X.KeyPress if down else X.KeyRelease, code)


def main(args):
    command = args[0]
    if command == "stacking":
        print("\n".join(str(w) for w in stacking()))
    elif command == "transient-for":
        prop = d.create_resource_object("window", int(args[1])).get_full_property(
            atom("WM_TRANSIENT_FOR"), X.AnyPropertyType
        )
        print(prop.value[0] if prop is not None and len(prop.value) else 0)
    elif command == "allowed-actions":
        prop = d.create_resource_object("window", int(args[1])).get_full_property(
            atom("_NET_WM_ALLOWED_ACTIONS"), X.AnyPropertyType
        )
        names = [d.get_atom_name(a) for a in prop.value] if prop is not None else []
        print(" ".join(names))
    elif command == "motif":
        prop = d.create_resource_object("window", int(args[1])).get_full_property(
            atom("_MOTIF_WM_HINTS"), X.AnyPropertyType
        )
        print(" ".join(str(v) for v in prop.value[:3]) if prop is not None else "0 0 0")
    elif command == "cursor":
        d.xfixes_query_version()  # the extension answers only once asked its version
        image = d.xfixes_get_cursor_image(root)
        data = bytes(str(list(image.cursor_image)), "ascii")
        print(image.width, image.height, image.xhot, image.yhot, hashlib.sha1(data).hexdigest()[:12])
    elif command == "keycode":
        print(d.keysym_to_keycode(XK.string_to_keysym(args[1])))
    elif command == "keys":
        for step in args[1:]:
            kind, value = step.split(":")
            if kind == "s":
                d.sync()
                time.sleep(int(value) / 1000)
            else:
                key(int(value), kind == "d")
        d.sync()
    elif command == "hold":
        code, pairs, interval = int(args[1]), int(args[2]), int(args[3]) / 1000
        key(code, True)
        d.sync()
        for _ in range(pairs):
            time.sleep(interval)
            key(code, False)
            key(code, True)
            d.sync()  # the pair leaves together
        time.sleep(interval)
        key(code, False)
        d.sync()
    elif command == "numlock":
        want = args[1] == "on"
        mask = root.query_pointer().mask
        numlock_mask = 0
        numlock = d.keysym_to_keycode(XK.string_to_keysym("Num_Lock"))
        for index, codes in enumerate(d.get_modifier_mapping()):
            if numlock in codes:
                numlock_mask = 1 << index
        if bool(mask & numlock_mask) != want:
            key(numlock, True)
            key(numlock, False)
            d.sync()
    elif command == "maximize":
        window = d.create_resource_object("window", int(args[1]))
        action = 1 if args[2] == "on" else 0  # _NET_WM_STATE_ADD, _NET_WM_STATE_REMOVE
        data = [action, atom("_NET_WM_STATE_MAXIMIZED_VERT"), atom("_NET_WM_STATE_MAXIMIZED_HORZ"), 1, 0]
        event = protocol.event.ClientMessage(window=window, client_type=atom("_NET_WM_STATE"), data=(32, data))
        root.send_event(event, event_mask=X.SubstructureRedirectMask | X.SubstructureNotifyMask)
        d.sync()
    else:
        sys.exit(__doc__)


main(sys.argv[1:])
