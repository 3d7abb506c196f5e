#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Tockmere developers
"""Prints whether a screen reader finds one control of the running Tockmere on the screen:
"showing" for the control whose description starts with DESCRIPTION, in the window whose name
starts with WINDOW, when it has the showing state, "hidden" when it has not, "absent" when there
is no such control.

    atspi-showing.py WINDOW DESCRIPTION
"""
import sys

import pyatspi


def controls(accessible):
    for index in range(accessible.childCount):
        child = accessible.getChildAtIndex(index)
        if child is not None:
            yield child
            yield from controls(child)


def main(window_prefix, description_prefix):
    for application in pyatspi.Registry.getDesktop(0):
        if application is None or application.name != "Tockmere":
            continue
        for window in application:
            if window is None or not window.name.startswith(window_prefix):
                continue
            for control in controls(window):
                if control.description.startswith(description_prefix):
                    showing = control.getState().contains(pyatspi.STATE_SHOWING)
                    print("showing" if showing else "hidden")
                    return 0
    print("absent")
    return 0


sys.exit(main(sys.argv[1], sys.argv[2]))
