# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Tockmere developers
# Sourced by the benchmarks: fresh settings in the folder $1 for a start that asks nothing, a
# sked far ahead (armed, no message) and the UTC offset of this machine's zone, with its fraction
# (hours to add to local time, as the setting counts them). The folder gets config/, runtime/
# and skeds.dat; the caller points XDG_CONFIG_HOME and XDG_RUNTIME_DIR at them.
bench_settings() {
    local dir=$1 offset
    offset=$(date +%z | awk '{ h = substr($0, 2, 2) + substr($0, 4, 2) / 60; print h == 0 ? 0 : substr($0, 1, 1) == "+" ? -h : h }')
    mkdir -p "$dir/config/Tockmere" "$dir/runtime"
    chmod 700 "$dir/runtime"
    printf '  %s    2359  benchmark\r\nWeeklyIncr: 0\r\nend\r\n' "$(date -u -d "+3 years" +12/31/%y)" \
        >"$dir/skeds.dat"
    printf '[Options]\nPlannex%%20file=%s\nUTC%%20offset=%s\n' "$dir/skeds.dat" "$offset" \
        >"$dir/config/Tockmere/Tockmere.ini"
}
