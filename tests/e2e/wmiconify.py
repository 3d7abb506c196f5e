#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Tockmere developers
"""Minimises an X window the way a window manager does when nobody else will: under xvfb-run
there is none to take a client's request, so this does the manager's part itself, marking the
window iconic in its WM_STATE and unmapping it. The program then holds itself minimised."""
import sys

from Xlib import X, display

screen = display.Display()
window = screen.create_resource_object("window", int(sys.argv[1], 0))
wm_state = screen.intern_atom("WM_STATE")
window.change_property(wm_state, wm_state, 32, [3, X.NONE])  # IconicState, no icon window
window.unmap()
screen.sync()
