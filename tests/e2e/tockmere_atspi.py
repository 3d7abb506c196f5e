# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Tockmere developers
"""What the end-to-end scripts' readers share: walking the running Tockmere's controls through
AT-SPI, as a screen reader does."""
import pyatspi


def controls(accessible):
    """Every control below ACCESSIBLE, depth first."""
    for index in range(accessible.childCount):
        child = accessible.getChildAtIndex(index)
        if child is not None:
            yield child
            yield from controls(child)


def windows(pid=None):
    """The top-level windows of the running Tockmere, or of the one of process PID."""
    for application in pyatspi.Registry.getDesktop(0):
        if application is None:
            continue
        if application.name == "Tockmere" if pid is None else application.get_process_id() == pid:
            yield from (window for window in application if window is not None)


def find_control(window_prefix, description_prefix, pid=None):
    """The control whose description starts with DESCRIPTION_PREFIX, in a window of Tockmere
    whose name starts with WINDOW_PREFIX (a string or a tuple of them), or None."""
    for window in windows(pid):
        if window.name.startswith(window_prefix):
            for control in controls(window):
                if control.description.startswith(description_prefix):
                    return control
    return None
