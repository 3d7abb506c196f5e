#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Tockmere developers
# Drives the built program in a real X server through what must never lose a schedule or ring a
# done sked twice: a sked fires and its skip mark reaches the file; the window is closed as a
# window manager closes it and the program started again: nothing fires; a second start leaves
# one running program; SIGTERM, even while a box waits for an answer, ends it through its closing
# steps, storing the moved window's place. Run inside xvfb-run.
set -euo pipefail
cd "$(dirname "$0")/../.."
root=$(pwd)
program="$root/build/default/bin/tockmere"
for tool in xdotool /usr/bin/python3; do
    command -v "$tool" >/dev/null || { echo "restart: $tool is missing" >&2; exit 1; }
done
/usr/bin/python3 -c 'import Xlib' 2>/dev/null || { echo "restart: python3-xlib is missing" >&2; exit 1; }
[ -n "${DISPLAY:-}" ] || { echo "restart: no X display; run it under xvfb-run" >&2; exit 1; }
home=$(mktemp -d)
pids=()
cleanup() {
    for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$home"
}
trap cleanup EXIT
export HOME="$home" XDG_CONFIG_HOME="$home/config" XDG_RUNTIME_DIR="$home/runtime" TZ=UTC
mkdir -p "$XDG_CONFIG_HOME/Tockmere" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
ini="$XDG_CONFIG_HOME/Tockmere/Tockmere.ini"
skeds="$home/skeds.dat"
yesterday=$(date -u -d yesterday +%m/%d/%y)
printf '  %s    1200  missed yesterday\r\n  12/31/29    2359  far ahead\r\nWeeklyIncr: 0\r\nend\r\n' \
    "$yesterday" > "$skeds"
printf '[Options]\nPlannex%%20file=%s\nSilent=TRUE\n' "$skeds" > "$ini"

fail() { echo "restart: FAILED: $*" >&2; exit 1; }
wait_window() { # name pattern, seconds
    local deadline=$((SECONDS + $2))
    until xdotool search --name "$1" >/dev/null 2>&1; do
        ((SECONDS < deadline)) || fail "no window named '$1' after $2 s"
        sleep 0.2
    done
    xdotool search --name "$1" | head -1
}
wait_exit() { # pid, seconds
    local deadline=$((SECONDS + $2))
    while kill -0 "$1" 2>/dev/null; do
        ((SECONDS < deadline)) || fail "the program did not end within $2 s"
        sleep 0.1
    done
}
start() { (cd "$home" && exec "$program") & pid=$!; pids+=("$pid"); }
setting() { sed -n "s/^$1=//p" "$ini"; }

echo "restart: the missed sked fires and its skip mark reaches the file"
start
wait_window "^ Alarm at " 15 >/dev/null
main=$(wait_window "^Alarm Set" 10)
for _ in $(seq 50); do grep -q "^S $yesterday" "$skeds" && break; sleep 0.1; done
grep -q "^S $yesterday    1200  missed yesterday" "$skeds" || fail "no skip mark: $(cat "$skeds")"

echo "restart: closed as a window manager closes it, then started again: nothing fires"
/usr/bin/python3 tests/e2e/wmclose.py "$main"
wait_exit "$pid" 10
start
main=$(wait_window "^Alarm Set" 15)
sleep 3
if xdotool search --name "^ Alarm at " >/dev/null 2>&1; then fail "the done sked fired again"; fi

echo "restart: a second start leaves one running program"
first=$pid
(cd "$home" && timeout 10 "$program") || fail "the second start ended with $?"
kill -0 "$first" 2>/dev/null || fail "the first program ended"
[ "$(xdotool search --name "^Alarm Set" | wc -l)" -eq 1 ] || fail "more than one main window"

echo "restart: SIGTERM, while the table window asks a question, stores the moved window's place"
xdotool windowmove "$main" 10 10
sleep 0.3
xdotool mousemove --window "$main" 58 14 click 1 # Set Alarm
skeds=$(wait_window "^ Schedules" 10)
xdotool windowmove "$skeds" 10 130
sleep 0.5
eval "$(xdotool getwindowgeometry --shell "$skeds")"
xdotool mousemove --window "$skeds" 416 $((HEIGHT - 464 + 418)) click 1 # Clear Table
wait_window "^ Erase all the sked information\\?$" 10 >/dev/null
xdotool windowmove "$main" 123 77
sleep 0.5
kill -TERM "$first"
wait_exit "$first" 10
status=0
wait "$first" || status=$?
[ "$status" -eq 0 ] || fail "the program ended with $status"
[ "$(setting PositionLeft)" = $((123 * 15)) ] || fail "PositionLeft $(setting PositionLeft)"
[ "$(setting PositionTop)" = $((77 * 15)) ] || fail "PositionTop $(setting PositionTop)"
echo "restart: passed"
