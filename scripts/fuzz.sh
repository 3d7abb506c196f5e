#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Tockmere developers
# Builds the schedule-file reader's fuzz target with clang and runs it for a fixed number of
# inputs, starting from the seed corpus.
set -euo pipefail
cd "$(dirname "$0")/.."
runs="${1:-300000}"
scripts/build.sh fuzz
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp fuzz/corpus/* "$work"/
build/fuzz/bin/fuzz_skedreader -runs="$runs" -max_len=4096 -timeout=10 -print_final_stats=1 "$work"
