#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Tockmere developers
"""Prints what a screen reader reads of the running Tockmere through AT-SPI: for each window,
"WINDOW<tab>window name", then "ROLE<tab>NAME<tab>DESCRIPTION" for each control in it that has a
name or a description, menus included.

    atspi-texts.py
"""
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from tockmere_atspi import controls, windows  # noqa: E402

for window in windows():
    print(f"WINDOW\t{window.name}")
    for control in controls(window):
        if control.name or control.description:
            print(f"{control.getRoleName()}\t{control.name}\t{control.description}")
