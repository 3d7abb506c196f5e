#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Tockmere developers
# Drives the built program in a real X server through what must never lose a schedule or ring a
# done sked twice: a sked fires and its skip mark reaches the file, synced to the disk before and
# after the rename that puts it in place; the window is closed as a window manager closes it and
# the program started again: nothing fires; a second start leaves one running program and brings
# its window forward, restored if minimised; SIGTERM, even while a box waits for an answer, ends
# it through its closing steps, storing the moved window's place; a file not read whole keeps
# every byte while nobody answers. Run inside xvfb-run.
set -euo pipefail
cd "$(dirname "$0")/../.."
name=restart
source tests/e2e/common.sh
need xdotool xwininfo strace /usr/bin/python3
need_display
/usr/bin/python3 -c 'import Xlib' 2>/dev/null || fail "python3-xlib is missing"
# The X server resets whenever its last client leaves, and a program that connects during the
# reset is turned away: an idle client holds the server for the whole run, so a start that
# follows an ended program always finds it.
/usr/bin/python3 -c 'import time; from Xlib import display; d = display.Display(); time.sleep(3600)' &
pids+=($!)
schedule "  $yesterday    1200  missed yesterday" "  $far_ahead    2359  far ahead"
settings "Silent=TRUE"
# Whether the first window is stacked over the second. With no window manager the X server's
# own stacking order is the whole truth; xwininfo lists the root's children from the top down.
above() { # window, window
    local top
    top=$(xwininfo -root -children | awk '$1 ~ /^0x/ {print $1}' |
        grep -m1 -xE "$(printf '0x%x|0x%x' "$1" "$2")") || return 1
    [ "$((top))" -eq "$1" ]
}
mapped() { xwininfo -id "$1" | grep -q "Map State: IsViewable"; }
# Minimises the main window; minimised, the program names the armed sked's time in its title,
# which also tells that it took the new state. Prints the title.
minimise() { # main window
    local deadline=$((SECONDS + 5)) title
    /usr/bin/python3 tests/e2e/wmiconify.py "$1"
    until title=$(xdotool getwindowname "$1") && [[ "$title" =~ ^[0-9][0-9]:[0-9][0-9]$ ]]; do
        ((SECONDS < deadline)) || break
        sleep 0.1
    done
    echo "$title"
}

echo "restart: the missed sked fires and its skip mark reaches the file"
# Under strace, for the order of the save's syscalls. The program's own pid, which the steps
# below wait for, comes from its window; strace's ends with it and gives its status.
trace="$home/save.trace"
(cd "$home" && exec strace -f -qq -e trace=openat,fsync,fdatasync,rename,renameat,renameat2 \
    -o "$trace" "$program") &
tracer=$!
pids+=("$tracer")
wait_window "^ Alarm at " >/dev/null
main=$(wait_window "^Alarm Set")
pid=$(xdotool getwindowpid "$main")
for _ in $(seq 50); do grep -q "^S $yesterday" "$skeds" && break; sleep 0.1; done
grep -q "^S $yesterday    1200  missed yesterday" "$skeds" || fail "no skip mark: $(cat "$skeds")"

echo "restart: closed as a window manager closes it, then started again: nothing fires"
/usr/bin/python3 tests/e2e/wmclose.py "$main"
wait_exit "$pid" 10
status=0
wait "$tracer" || status=$?
[ "$status" -eq 0 ] || fail "the program ended with $status"
start
main=$(wait_window "^Alarm Set")
sleep 3
if xdotool search --name "^ Alarm at " >/dev/null 2>&1; then fail "the done sked fired again"; fi

echo "restart: the first run's save synced its new file before the rename and the folder after it"
/usr/bin/python3 tests/e2e/save-order.py "$trace" "$skeds" ||
    fail "the save is not in order:"$'\n'"$(grep -A4 -F "/.skeds.dat.tockmere-" "$trace")"

echo "restart: a second start leaves one running program and brings its window forward"
first=$pid
open_table "$main"
# The table window over the main one, as a user may leave it: a second start is asked for the
# clock, so the clock must come out from under it.
xdotool windowmove "$table" 10 40
sleep 0.3
above "$table" "$main" || fail "the table window is not over the main window"
(cd "$home" && timeout 10 "$program") || fail "the second start ended with $?"
kill -0 "$first" 2>/dev/null || fail "the first program ended"
[ "$(xdotool search --name "^Alarm Set" | wc -l)" -eq 1 ] || fail "more than one main window"
for _ in $(seq 50); do above "$main" "$table" && break; sleep 0.1; done
above "$main" "$table" || fail "the main window stayed under the table window"

echo "restart: a second start restores the minimised window"
title=$(minimise "$main")
[ "$title" = "23:59" ] || fail "minimised, the main window is titled '$title'"
if mapped "$main"; then fail "the main window is still on the screen"; fi
(cd "$home" && timeout 10 "$program") || fail "the second start ended with $?"
for _ in $(seq 50); do mapped "$main" && break; sleep 0.1; done
mapped "$main" || fail "the second start did not restore the minimised window"
above "$main" "$table" || fail "the restored window is under the table window"

echo "restart: SIGTERM, while the table window asks a question, stores the moved window's place"
open_table "$main"
xdotool mousemove --window "$table" 416 $((bar + 418)) click 1 # Clear Table
wait_window "^ Erase all the sked information\\?$" >/dev/null
xdotool windowmove "$main" 123 77
sleep 0.5
kill -TERM "$first"
wait_exit "$first" 10
status=0
wait "$first" || status=$?
[ "$status" -eq 0 ] || fail "the program ended with $status"
[ "$(setting PositionLeft)" = $((123 * 15)) ] || fail "PositionLeft $(setting PositionLeft)"
[ "$(setting PositionTop)" = $((77 * 15)) ] || fail "PositionTop $(setting PositionTop)"

# The program runs 3 s on the schedule file as it stands, nobody answering what it asks, then
# gets SIGTERM: the file must keep every byte all along, and only a pending sked may ring.
kept="$home/skeds.kept"
run_on_file() { # what the file is
    cp "$skeds" "$kept"
    start
    sleep 3
    cmp -s "$skeds" "$kept" || fail "$1: the file was changed"
}
rang() { xdotool search --name "^ Alarm at " >/dev/null 2>&1; }
reported() { xdotool search --name "^ Schedule not read whole$" >/dev/null 2>&1; }
end_program() { # what the file is
    kill -TERM "$pid"
    wait_exit "$pid" 10
    wait "$pid" || fail "$1: the program ended with $?"
    cmp -s "$skeds" "$kept" || fail "$1: the file was changed at the end"
}

echo "restart: a file without its end line, a done sked first: kept, the far sked armed"
printf '%s\r\n' "S $yesterday    0800  old, done" "  $far_ahead    2359  far ahead" >"$skeds"
run_on_file "no end line"
if rang; then fail "no end line: the done sked rang"; fi
if reported; then fail "no end line: reported as not read whole"; fi
title=$(minimise "$(wait_window "^Alarm Set" 1)")
[ "$title" = "23:59" ] || fail "no end line: the sked armed is at '$title', not the far one"
end_program "no end line"

echo "restart: 4096 random bytes: reported, kept"
head -c 4096 /dev/urandom >"$skeds"
run_on_file "random bytes"
if rang; then fail "random bytes: a sked rang"; fi
reported || fail "random bytes: not reported as not read whole"
end_program "random bytes"

echo "restart: one 10 MB line: reported, kept"
head -c $((10 * 1024 * 1024)) /dev/zero | tr '\0' x >"$skeds"
run_on_file "one long line"
if rang; then fail "one long line: a sked rang"; fi
reported || fail "one long line: not reported as not read whole"
end_program "one long line"

echo "restart: a missed sked in a file without its end line rings, and its skip mark waits"
printf '%s\r\n' "  $yesterday    1200  missed yesterday" "  $far_ahead    2359  far ahead" >"$skeds"
run_on_file "missed, no end line"
rang || fail "missed, no end line: the missed sked did not ring"
xdotool search --name "^ Replace the schedule file\\?$" >/dev/null 2>&1 ||
    fail "missed, no end line: no question before the file is replaced"
end_program "missed, no end line"
echo "restart: passed"
