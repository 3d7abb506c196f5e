#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Tockmere developers
"""Prints what a screen reader reads of the running Tockmere through AT-SPI.

    atspi-texts.py windows
        for each window "WINDOW<tab>window name", then "ROLE<tab>NAME<tab>DESCRIPTION" for each
        control in it that has a name or a description
    atspi-texts.py focus SECONDS
        prints "listening" once it listens, then "FOCUS<tab>ROLE<tab>NAME" for each control of
        Tockmere that takes the focus within SECONDS: how a reader hears a menu, whose pop-up is
        no child of the application and is read as the keys move through it
"""
import os
import sys

import pyatspi
from gi.repository import GLib

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from tockmere_atspi import controls, windows  # noqa: E402


def texts():
    for window in windows():
        print(f"WINDOW\t{window.name}")
        for control in controls(window):
            if control.name or control.description:
                print(f"{control.getRoleName()}\t{control.name}\t{control.description}")
    return 0


def focus(seconds):
    def on_event(event):
        try:
            application = event.source.getApplication()
        except Exception:  # gone again before it was asked
            return
        if event.detail1 and application is not None and application.name == "Tockmere":
            print(f"FOCUS\t{event.source.getRoleName()}\t{event.source.name}", flush=True)

    def give_up():
        pyatspi.Registry.stop()
        return False

    def ready():
        print("listening", flush=True)
        return False

    pyatspi.Registry.registerEventListener(on_event, "object:state-changed:focused")
    GLib.timeout_add_seconds(seconds, give_up)
    GLib.idle_add(ready)
    pyatspi.Registry.start()
    return 0


if sys.argv[1:2] == ["windows"]:
    sys.exit(texts())
if sys.argv[1:2] == ["focus"] and len(sys.argv) == 3:
    sys.exit(focus(int(sys.argv[2])))
print(__doc__, file=sys.stderr)
sys.exit(2)
