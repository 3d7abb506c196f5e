#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Tockmere developers
# Runs the program natively on a Wayland compositor (a headless Weston): it must show its windows,
# fire an alarm, end through its closing steps on SIGTERM, and leave the stored window places as
# they were, since a Wayland client is never told where its windows are. The windows are seen in
# the client's own protocol log (WAYLAND_DEBUG): Weston headless takes no screenshots.
set -euo pipefail
cd "$(dirname "$0")/../.."
root=$(pwd)
program="$root/build/default/bin/tockmere"
command -v weston >/dev/null || { echo "wayland: weston is missing" >&2; exit 1; }
ls /usr/lib/x86_64-linux-gnu/qt6/plugins/platforms/libqwayland-generic.so >/dev/null 2>&1 ||
    { echo "wayland: Qt's wayland platform plugin (qt6-wayland) is missing" >&2; exit 1; }
home=$(mktemp -d)
pids=()
cleanup() {
    for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$home"
}
trap cleanup EXIT
unset DISPLAY
export HOME="$home" XDG_CONFIG_HOME="$home/config" XDG_RUNTIME_DIR="$home/runtime" TZ=UTC
mkdir -p "$XDG_CONFIG_HOME/Tockmere" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
ini="$XDG_CONFIG_HOME/Tockmere/Tockmere.ini"
yesterday=$(date -u -d yesterday +%m/%d/%y)
printf '  %s    1200  missed yesterday\r\n  12/31/29    2359  far ahead\r\nWeeklyIncr: 0\r\nend\r\n' \
    "$yesterday" > "$home/skeds.dat"
printf '[Options]\nPlannex%%20file=%s\nPositionTop=4500\nPositionLeft=6000\n' "$home/skeds.dat" > "$ini"
fail() { echo "wayland: FAILED: $*" >&2; [ -f "$home/client.log" ] && tail -5 "$home/client.log" >&2; exit 1; }

weston --backend=headless-backend.so --socket=wayland-tockmere --idle-time=0 \
    >"$home/weston.log" 2>&1 & pids+=($!)
for _ in $(seq 50); do [ -S "$XDG_RUNTIME_DIR/wayland-tockmere" ] && break; sleep 0.1; done
[ -S "$XDG_RUNTIME_DIR/wayland-tockmere" ] || fail "weston did not start: $(tail -3 "$home/weston.log")"

(cd "$home" && WAYLAND_DISPLAY=wayland-tockmere QT_QPA_PLATFORM=wayland WAYLAND_DEBUG=client \
    exec "$program" 2>"$home/client.log") & pid=$!
pids+=("$pid")
titled() { grep -q "xdg_toplevel@[0-9]*\.set_title(\"$1" "$home/client.log"; }
for _ in $(seq 100); do titled " Alarm at " && titled "Alarm Set" && break; sleep 0.1; done
titled "Alarm Set" || fail "no main window"
titled " Alarm at " || fail "no alarm window"
for _ in $(seq 50); do grep -q "^S $yesterday" "$home/skeds.dat" && break; sleep 0.1; done
grep -q "^S $yesterday    1200  missed yesterday" "$home/skeds.dat" || fail "the sked did not fire"
echo "wayland: windows shown, the alarm fired"

kill -TERM "$pid"
status=0
wait "$pid" || status=$?
[ "$status" -eq 0 ] || fail "the program ended with $status"
grep -q '^PositionTop=4500$' "$ini" || fail "PositionTop changed: $(grep Position "$ini")"
grep -q '^PositionLeft=6000$' "$ini" || fail "PositionLeft changed: $(grep Position "$ini")"
grep -q "^Plannex%20file=$home/skeds.dat$" "$ini" || fail "the closing steps did not run"
echo "wayland: passed (closed cleanly, stored places kept)"
