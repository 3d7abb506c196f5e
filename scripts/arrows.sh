#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Tockmere developers
# Prints which folder of src/ includes headers of which other, with the number of includes: the
# arrows must run one way, app -> windows -> engine -> platform, schedule. Then the signals of the
# engine and the schedule that the windows and the program connect to: the only way their state
# reaches the views.
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
echo
echo "signals of the engine and the schedule connected in the views (and commands sent back):"
for file in src/windows/*.cpp src/app/*.cpp; do
    { grep -ohE '&(AlarmEngine|Schedule|Options)::[A-Za-z]+' "$file" || true; } |
        sed "s|^&|$(basename "$(dirname "$file")") <- |"
done | sort | uniq -c | awk '{ printf "  %-50s %s\n", $2 " " $3 " " $4, $1 }'
