#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Tockmere developers
"""Watches the running Tockmere of process PID through AT-SPI, in the middle of every second of
its clock until that clock reaches UNTIL (seconds since the epoch), and prints, one line each,
fields separated by tabs:

    clock  BEFORE  AFTER  SHOWN      the main window's clock read as SHOWN between the
                                     program's seconds BEFORE and AFTER (since the epoch)
    window SECOND  TITLE  TEXT       a window other than the main one, first seen on screen in
                                     that second, with the text it shows
    cpu    BUSY    SPAN              seconds of processor the program used while it was
                                     watched, and the seconds it was watched

OFFSET is how many seconds the program's clock runs ahead of this machine's, as libfaketime's
FAKETIME=+OFFSET makes it; this reader runs on the true clock and adds it.

    atspi-clock.py PID OFFSET UNTIL
"""
import math
import os
import sys
import time

import pyatspi

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from tockmere_atspi import controls, find_control, windows  # noqa: E402

MAIN_TITLES = ("Alarm Set", " Tockmere")


def other_windows(pid):
    """The program's top-level windows on screen, the main one left out."""
    for window in windows(pid):
        if not window.name.startswith(MAIN_TITLES) and window.getState().contains(pyatspi.STATE_SHOWING):
            yield window


def text_of(window):
    """What a window says, on one line: a box's question is the news when one comes up."""
    words = (control.name for control in controls(window))
    return " / ".join(" ".join(word.split()) for word in words if word and word.strip())


def busy_seconds(pid):
    with open(f"/proc/{pid}/stat") as stat:
        fields = stat.read().rsplit(")", 1)[1].split()
    # utime and stime, the 14th and 15th fields, counted after the name's closing bracket.
    return (int(fields[11]) + int(fields[12])) / os.sysconf("SC_CLK_TCK")


def main(pid, offset, until):
    def now():
        return time.time() + offset

    seen = set()

    def report_windows():
        """Prints the windows not seen before; tells whether there were any."""
        new = [window for window in other_windows(pid) if window.name not in seen]
        for window in new:
            seen.add(window.name)
            print(f"window\t{math.floor(now())}\t{window.name}\t{text_of(window)}", flush=True)
        return bool(new)

    deadline = time.monotonic() + 15
    clock = None
    while clock is None:
        if time.monotonic() > deadline:
            print("atspi-clock: no clock in the main window after 15 s", file=sys.stderr)
            return 1
        time.sleep(0.1)
        clock = find_control(MAIN_TITLES, "System clock", pid)
        # A box up before the clock can be read holds the start-up: that is the news, and the
        # clock stays unread behind it.
        if clock is None and report_windows():
            return 2
    busy_from, watched_from = busy_seconds(pid), time.monotonic()
    second = math.floor(now()) + 1
    while second <= until:
        # The middle of the second: the clock turns over within milliseconds of its start, so a
        # reading here has one right answer.
        time.sleep(max(0.0, second + 0.5 - now()))
        before = now()
        try:
            shown = clock.name
        except Exception as error:  # the program ended, or its window went
            print(f"atspi-clock: the clock can no longer be read: {error}", file=sys.stderr)
            return 1
        after = now()
        print(f"clock\t{math.floor(before)}\t{math.floor(after)}\t{shown}", flush=True)
        report_windows()
        second = math.floor(now()) + 1
    span = time.monotonic() - watched_from
    print(f"cpu\t{busy_seconds(pid) - busy_from:.2f}\t{span:.2f}", flush=True)
    return 0


sys.exit(main(int(sys.argv[1]), int(sys.argv[2]), int(sys.argv[3])))
