#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Tockmere developers
# Runs the program natively on a Wayland compositor (a headless Weston): it must show its windows,
# fire an alarm, end through its closing steps on SIGTERM, and leave the stored window places as
# they were, since a Wayland client is never told where its windows are. The windows are seen in
# the client's own protocol log (WAYLAND_DEBUG): Weston headless takes no screenshots.
set -euo pipefail
cd "$(dirname "$0")/../.."
name=wayland
source tests/e2e/common.sh
need weston
ls /usr/lib/x86_64-linux-gnu/qt6/plugins/platforms/libqwayland-generic.so >/dev/null 2>&1 ||
    fail "Qt's wayland platform plugin (qt6-wayland) is missing"
unset DISPLAY
schedule "  $yesterday    1200  missed yesterday" "  $far_ahead    2359  far ahead"
settings "PositionTop=4500" "PositionLeft=6000"
fail() { echo "wayland: FAILED: $*" >&2; tail -5 "$home/client.log" >&2 || true; exit 1; }

weston --backend=headless-backend.so --socket=wayland-tockmere --idle-time=0 \
    >"$home/weston.log" 2>&1 & pids+=($!)
for _ in $(seq 50); do [ -S "$XDG_RUNTIME_DIR/wayland-tockmere" ] && break; sleep 0.1; done
[ -S "$XDG_RUNTIME_DIR/wayland-tockmere" ] || fail "weston did not start: $(tail -3 "$home/weston.log")"

WAYLAND_DISPLAY=wayland-tockmere QT_QPA_PLATFORM=wayland WAYLAND_DEBUG=client start \
    2>"$home/client.log"
titled() { grep -q "xdg_toplevel@[0-9]*\.set_title(\"$1" "$home/client.log"; }
for _ in $(seq 100); do titled " Alarm at " && titled "Alarm Set" && break; sleep 0.1; done
titled "Alarm Set" || fail "no main window"
titled " Alarm at " || fail "no alarm window"
for _ in $(seq 50); do grep -q "^S $yesterday" "$skeds" && break; sleep 0.1; done
grep -q "^S $yesterday    1200  missed yesterday" "$skeds" || fail "the sked did not fire"
echo "wayland: windows shown, the alarm fired"

kill -TERM "$pid"
status=0
wait "$pid" || status=$?
[ "$status" -eq 0 ] || fail "the program ended with $status"
grep -q '^PositionTop=4500$' "$ini" || fail "PositionTop changed: $(grep Position "$ini")"
grep -q '^PositionLeft=6000$' "$ini" || fail "PositionLeft changed: $(grep Position "$ini")"
grep -q "^Plannex%20file=$skeds$" "$ini" || fail "the closing steps did not run"
echo "wayland: passed (closed cleanly, stored places kept)"
