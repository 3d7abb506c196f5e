#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Tockmere developers
# Counts the instructions the idle clock runs, under valgrind's callgrind, in a virtual X server:
# the program starts on a schedule with one sked far ahead, settles, and is counted for a span
# of seconds. Instructions, unlike processor time, come out the same run after run, whatever
# else the machine does, so two builds can be set side by side:
#   bench/run-tickcost.sh [program; default build/default/bin/tockmere] [seconds; default 30]
# Needs valgrind (Debian's valgrind) and xvfb-run.
set -euo pipefail
cd "$(dirname "$0")/.."
program=$(realpath "${1:-build/default/bin/tockmere}")
seconds=${2:-30}
for tool in valgrind callgrind_control callgrind_annotate xvfb-run; do
    command -v "$tool" >/dev/null || { echo "tickcost: $tool is missing" >&2; exit 1; }
done
if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 800x600x24 -noreset" "$0" "$program" "$seconds"
fi
work=$(mktemp -d)
pid=""
trap '[ -n "$pid" ] && kill "$pid" 2>/dev/null; rm -rf "$work"' EXIT
export HOME="$work" XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/runtime" TZ=UTC
# No session bus, as bench/run-sidebyside.sh runs the program.
export DBUS_SESSION_BUS_ADDRESS="unix:path=$work/no-bus"
source bench/settings.sh
bench_settings "$work"
# Counting starts once the start-up (slow under valgrind) is long over.
(cd "$work" && exec valgrind --tool=callgrind --instr-atstart=no \
    --callgrind-out-file="$work/callgrind.out" "$program" >"$work/program.log" 2>&1) &
pid=$!
sleep 25
callgrind_control --instr=on "$pid" >/dev/null
sleep "$seconds"
callgrind_control --dump "$pid" >/dev/null
sleep 2
total=$(callgrind_annotate "$(ls "$work"/callgrind.out* | tail -1)" 2>/dev/null |
    awk '/PROGRAM TOTALS/ && !done { gsub(",", "", $1); print $1; done = 1 }')
[ -n "$total" ] || { cat "$work/program.log" >&2; echo "tickcost: nothing counted" >&2; exit 1; }
echo "tickcost: $program: $total instructions in $seconds s idle, $((total / seconds)) a second"
