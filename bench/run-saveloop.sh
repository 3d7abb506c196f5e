#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Tockmere developers
# Interrupts saves of the schedule file at random moments (SIGKILL) and checks after each that
# the file holds one whole schedule, old or new; then counts the temporary files the
# interruptions left and checks that the next save clears them:
#   bench/run-saveloop.sh [interruptions]
set -euo pipefail
cd "$(dirname "$0")/.."
runs="${1:-1000}"
scripts/build.sh default >/dev/null
tool=build/default/bin/saveloop
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
file="$work/skeds.dat"
"$tool" "$file" print A > "$work/A"
"$tool" "$file" print B > "$work/B"
"$tool" "$file" once
old=0 new=0 torn=0
for _ in $(seq "$runs"); do
    "$tool" "$file" & pid=$!
    sleep "0.00$((RANDOM % 10))"
    kill -KILL "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    if cmp -s "$file" "$work/A"; then old=$((old + 1))
    elif cmp -s "$file" "$work/B"; then new=$((new + 1))
    else torn=$((torn + 1)); fi
done
left=$(find "$work" -name '.skeds.dat.tockmere-*' | wc -l)
"$tool" "$file" once
after=$(find "$work" -name '.skeds.dat.tockmere-*' | wc -l)
echo "interruptions: $runs; file held schedule A: $old, B: $new, neither: $torn"
echo "temporary files left by the interruptions: $left; after the next save: $after"
[ "$torn" -eq 0 ] && [ "$after" -eq 0 ]
