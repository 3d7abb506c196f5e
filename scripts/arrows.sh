#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Tockmere developers
# Prints which folder of src/ includes headers of which other, with the number of includes: the
# arrows must run one way, app -> windows -> engine -> platform, schedule.
set -euo pipefail
cd "$(dirname "$0")/.."
declare -A home
for header in src/*/*.h; do
    home[$(basename "$header")]=$(basename "$(dirname "$header")")
done
for file in src/*/*.cpp src/*/*.h; do
    from=$(basename "$(dirname "$file")")
    sed -n 's/^#include "\(.*\)"$/\1/p' "$file" | while read -r included; do
        to=${home[$included]:-}
        if [ -n "$to" ] && [ "$to" != "$from" ]; then echo "$from -> $to"; fi
    done
done | sort | uniq -c | awk '{ printf "%-22s %s\n", $2 " " $3 " " $4, $1 " includes" }'
