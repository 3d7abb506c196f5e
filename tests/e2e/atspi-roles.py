#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Tockmere developers
"""What a screen reader learns of the running Tockmere's windows through AT-SPI.

    atspi-roles.py windows          prints "ROLE<tab>NAME" for every window of Tockmere
    atspi-roles.py listen SECONDS NAME
        prints "listening" once a screen reader's listeners for a window appearing
        (object:state-changed:showing) and being activated (window:activate) are registered,
        then "EVENT<tab>ROLE<tab>NAME" for each such event from one of Tockmere's windows; exits
        0 at the first from an alert whose name starts with NAME, 1 when none came within
        SECONDS

A screen reader speaks a window that appears on those two events, and reads it as an alert only
by its role; so both are taken from the bus, as the reader gets them.
"""
import os
import sys

import pyatspi
from gi.repository import GLib

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from tockmere_atspi import windows  # noqa: E402


def roles():
    for window in windows():
        print(f"{window.getRoleName()}\t{window.name}")
    return 0


def listen(seconds, name_prefix):
    heard = []

    def on_event(event):
        source = event.source
        try:
            application = source.getApplication()
            parent = source.parent
        except Exception:  # a window gone again before it was asked
            return
        # Only the windows themselves: their controls show with them.
        if application is None or application.name != "Tockmere" or parent != application:
            return
        if event.type == "object:state-changed:showing" and not event.detail1:
            return
        print(f"{event.type}\t{source.getRoleName()}\t{source.name}", flush=True)
        if source.getRole() == pyatspi.ROLE_ALERT and source.name.startswith(name_prefix):
            heard.append(event)
            pyatspi.Registry.stop()

    def give_up():
        pyatspi.Registry.stop()
        return False

    pyatspi.Registry.registerEventListener(
        on_event, "object:state-changed:showing", "window:activate")
    GLib.timeout_add_seconds(seconds, give_up)

    # Said from the running loop, once the registration has gone out to the bus.
    def ready():
        print("listening", flush=True)
        return False

    GLib.idle_add(ready)
    pyatspi.Registry.start()
    return 0 if heard else 1


if sys.argv[1:2] == ["windows"]:
    sys.exit(roles())
if sys.argv[1:2] == ["listen"] and len(sys.argv) == 4:
    sys.exit(listen(int(sys.argv[2]), sys.argv[3]))
print(__doc__, file=sys.stderr)
sys.exit(2)
