#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Tockmere developers
"""Prints what a screen reader reads through AT-SPI for one control of the running Tockmere:
the name of the control whose description starts with DESCRIPTION, in the window whose name
starts with WINDOW.

    atspi-read.py WINDOW DESCRIPTION
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
                    print(control.name)
                    return 0
    print(f"atspi-read: no '{description_prefix}' in a window '{window_prefix}'", file=sys.stderr)
    return 1


sys.exit(main(sys.argv[1], sys.argv[2]))
