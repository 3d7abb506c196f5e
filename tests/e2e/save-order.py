#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Tockmere developers
"""Reads an strace log (strace -f -e trace=openat,fsync,fdatasync,rename,renameat,renameat2) of
the running Tockmere and checks that every save over TARGET reaches the disk in order: the new
bytes are written to a hidden temporary file beside it, that file's descriptor is synced before
the rename over TARGET, and the folder, opened as a folder, is synced after it, so that a power
cut can leave the old file or the new one, never an empty one or neither.

    save-order.py LOG TARGET

Prints one line a save; exits 1 with the reason when one is out of order or none is seen.
"""
import os
import re
import sys

LINE = re.compile(r"^(\d+)\s+(.*)$")
CALL = re.compile(r"^(\w+)\((.*)\)\s+=\s+(-?\d+)")
RESUMED = re.compile(r"^<\.\.\. \w+ resumed>\s?(.*)$")
STRING = re.compile(r'"((?:[^"\\]|\\.)*)"')
SYNCS = ("fsync", "fdatasync")
RENAMES = ("rename", "renameat", "renameat2")


def calls(log):
    """Whole calls in the order they returned: with -f, a call another thread interrupts is
    split into an unfinished line and a resumed one, and only the two together say what it
    was and what it gave."""
    unfinished = {}
    for line in log:
        match = LINE.match(line.rstrip("\n"))
        if not match:
            continue
        pid, text = match.groups()
        if text.endswith("<unfinished ...>"):
            unfinished[pid] = text[: -len("<unfinished ...>")].rstrip()
            continue
        resumed = RESUMED.match(text)
        if resumed:
            if pid not in unfinished:
                continue
            text = unfinished.pop(pid) + resumed.group(1)
        call = CALL.match(text)
        if call:
            name, args, result = call.groups()
            yield name, args, int(result)


def main(log_path, target):
    folder = os.path.dirname(target)
    temp = re.compile(re.escape(os.path.join(folder, "." + os.path.basename(target) + ".tockmere-"))
                      + r"[A-Za-z0-9]{6}$")
    with open(log_path, encoding="utf-8", errors="replace") as log:
        events = list(calls(log))

    # A descriptor names what the last successful openat that returned it opened; closes are
    # not traced, so a later openat with the same number replaces the entry.
    opened = {}  # descriptor -> (path, flags)
    synced = {}  # descriptor -> index of its last successful sync since it was opened
    renames = []  # (index, source, descriptors then open, syncs then done)
    for index, (name, args, result) in enumerate(events):
        strings = STRING.findall(args)
        if name == "openat" and result >= 0 and strings:
            opened[result] = (strings[0], args)
            synced.pop(result, None)
        elif name in SYNCS and result == 0:
            fd = int(args.split(",")[0])
            synced[fd] = index
        elif name in RENAMES and result == 0 and len(strings) == 2 and strings[1] == target:
            renames.append((index, strings[0], dict(opened), dict(synced)))

    if not renames:
        print(f"save-order: no rename over {target} in the log", file=sys.stderr)
        return 1
    for number, (index, source, opened_then, synced_then) in enumerate(renames):
        if not temp.match(source):
            print(f"save-order: {target} was replaced by {source}, not by a hidden file of its "
                  f"own beside it", file=sys.stderr)
            return 1
        file_fds = [fd for fd, (path, _) in opened_then.items() if path == source]
        if not file_fds or file_fds[0] not in synced_then:
            print(f"save-order: {source} was renamed over {target} before its descriptor "
                  f"{file_fds[0] if file_fds else '(never opened)'} was synced", file=sys.stderr)
            return 1
        # The folder's sync belongs to this save if it comes before the next one's rename.
        end = renames[number + 1][0] if number + 1 < len(renames) else len(events)
        folder_fd = None
        for name, args, result in events[index + 1:end]:
            strings = STRING.findall(args)
            if name == "openat" and result >= 0:
                is_folder = strings and strings[0] == folder and "O_DIRECTORY" in args
                if is_folder:
                    folder_fd = result
                elif result == folder_fd:
                    folder_fd = None
            elif name in SYNCS and result == 0 and folder_fd is not None:
                if int(args.split(",")[0]) == folder_fd:
                    break
        else:
            print(f"save-order: the folder {folder} was not opened as a folder and synced after "
                  f"{source} was renamed over {target}", file=sys.stderr)
            return 1
        print(f"save-order: {os.path.basename(source)}: descriptor {file_fds[0]} synced, renamed "
              f"over {os.path.basename(target)}, folder descriptor {folder_fd} synced")
    return 0


sys.exit(main(sys.argv[1], sys.argv[2]))
