#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Tockmere developers
"""Prints what a screen reader reads through AT-SPI for one control of the running Tockmere:
the name of the control whose description starts with DESCRIPTION, in the window whose name
starts with WINDOW; with "showing", whether it is on the screen ("showing", "hidden", or
"absent" when there is no such control).

    atspi-read.py WINDOW DESCRIPTION [showing]
"""
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import pyatspi  # noqa: E402
from tockmere_atspi import find_control  # noqa: E402


def main(window_prefix, description_prefix, showing=False):
    control = find_control(window_prefix, description_prefix)
    if showing:
        on_screen = control is not None and control.getState().contains(pyatspi.STATE_SHOWING)
        print("absent" if control is None else "showing" if on_screen else "hidden")
        return 0
    if control is None:
        print(f"atspi-read: no '{description_prefix}' in a window '{window_prefix}'",
              file=sys.stderr)
        return 1
    print(control.name)
    return 0


sys.exit(main(sys.argv[1], sys.argv[2], sys.argv[3:] == ["showing"]))
