#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Tockmere developers
# The program's alarms as a desktop's notification server receives them: dunst, with a
# configuration of this script's own, on a private session bus under the X server, and a
# PulseAudio null sink for the sound. Three missed skeds, fired at start one a second, must
# arrive as three notifications of their own, critical, from Tockmere, each with its time as
# summary and its message as plain text, told late, offering only to show the clock. A
# continuous alarm's notification must offer Stop; Stop chosen in the server's menu, as a user
# chooses it, must end the loop as the Stop button does, take the button away, and leave the
# notification in place without Stop. Run inside xvfb-run; it starts its own session bus, always: on a desktop's own
# bus its notification server, not this one, would get the alarms.
set -euo pipefail
cd "$(dirname "$0")/../.."
name=notifications own_bus=1
source tests/e2e/common.sh
need_display

# The server's menu is a program of this script's: it keeps the entries it is offered, one
# "#NAME (SUMMARY) [ID,ACTION]" a line, and chooses Stop when there is one, as a user would.
cat >"$home/menu-choice" <<EOF
#!/bin/sh
cat >"$home/menu.new"
mv "$home/menu.new" "$home/menu"
grep -m1 ',stop\]\$' "$home/menu" || true
EOF
chmod +x "$home/menu-choice"
notification_server
sound_server
# Read for the Stop button only.
atspi_bus

menu() { # prints the entries the server's menu offers for the notifications on the screen
    rm -f "$home/menu"
    dunstctl context
    for _ in $(seq 50); do [ -f "$home/menu" ] && break; sleep 0.1; done
    [ -f "$home/menu" ] || fail "the server's menu never opened"
    cat "$home/menu"
}
# In any window: the main window's caption changes as skeds fire and run out.
stop_button() { /usr/bin/python3 tests/e2e/atspi-read.py "" "Stops the alarm sound" showing; }

echo "notifications: three missed skeds, fired one a second, each a notification of its own"
schedule "  $yesterday    1200  first of three" \
    "  $yesterday    1201  <b>markup</b> & an ampersand" \
    "  $yesterday    1202  third of three"
settings
started=$(date -u +%s)
start
wait_displayed 3
sleep 1.2 # a fourth would have come by now
[ "$(displayed)" -eq 3 ] || fail "$(displayed) notifications for three skeds"
offered=$(menu)
menus=$offered
dunstctl close-all
mapfile -t shown < <(history)
bodies=("first of three" "&lt;b&gt;markup&lt;/b&gt; &amp; an ampersand" "third of three")
last=$((started - 1))
for i in 0 1 2; do
    IFS=$'\t' read -r id app urgency summary body <<<"${shown[$i]:-}"
    [ "$app" = Tockmere ] || fail "notification $id is from '$app'"
    [ "$urgency" = critical ] || fail "notification $id is of urgency '$urgency'"
    [[ "$summary" =~ ^Alarm\ at\ ([0-2][0-9]:[0-5][0-9]:[0-5][0-9])$ ]] ||
        fail "notification $id is titled '$summary'"
    # The time shown when the sked fired: after the one before, and not before the start.
    at=$(date -u -d "today ${BASH_REMATCH[1]}" +%s)
    ((at <= $(date -u +%s))) || at=$((at - 86400)) # fired before midnight
    ((at > last && at <= $(date -u +%s))) || fail "'$summary' is out of order or out of time"
    last=$at
    # A day late, and told so at the end.
    due=$(date -u -d "$yesterday 12:0$i" +%s)
    wanted="${bodies[$i]}\\nDue 12:0$i UTC, $(span $((at - due))) late"
    [ "$body" = "$wanted" ] || fail "notification $id says '$body', not '$wanted'"
    grep -qxF "#Show Tockmere ($summary) [$id,default]" <<<"$offered" ||
        fail "notification $id does not offer to show the clock; the menu: $offered"
done
[ "$(wc -l <<<"$offered")" -eq 3 ] || fail "more is offered than showing the clock: $offered"

echo "notifications: a continuous alarm, stopped from its notification"
kill -TERM "$pid"
wait "$pid" || true
schedule "  $yesterday    1200  loop until Stop"
settings "Silent=FALSE" "Continuous=TRUE" "AlarmPopUp=FALSE"
start
wait_displayed 1
for _ in $(seq 50); do [ "$(streams)" -ge 1 ] && break; sleep 0.1; done
[ "$(streams)" -ge 1 ] || fail "the alarm never reached the sound server"
for _ in $(seq 30); do [ "$(stop_button)" = showing ] && break; sleep 0.1; done
[ "$(stop_button)" = showing ] || fail "no Stop button while the alarm loops"
offered=$(menu) # chooses Stop
menus+=$'\n'$offered
stop_entry=$(grep -x '#Stop (Alarm at [0-9:]*) \[[0-9]*,stop\]' <<<"$offered") ||
    fail "the notification does not offer Stop; the menu: $offered"
id=${stop_entry##*[}
id=${id%%,*}
summary=${stop_entry#"#Stop ("}
summary=${summary%%)*}
for _ in $(seq 60); do [ "$(streams)" -eq 0 ] && break; sleep 0.1; done
[ "$(streams)" -eq 0 ] || fail "the alarm went on after Stop in the notification"
[ "$(stop_button)" = hidden ] || fail "the Stop button stayed after Stop in the notification"
offered=$(menu)
menus+=$'\n'"$offered (after Stop)"
[ "$offered" = "#Show Tockmere ($summary) [$id,default]" ] ||
    fail "after Stop, notification $id should offer only to show the clock; the menu: $offered"
dunstctl close-all
recorded=$(history | grep "^$id"$'\t') || true
[[ "$recorded" == "$id"$'\t'"Tockmere"$'\t'"critical"$'\t'"$summary"$'\t'"loop until Stop\\nDue 12:00 UTC, "*" late" ]] ||
    fail "the continuous alarm's notification is recorded as: ${recorded:-nothing}"

echo "notifications: the server's history (id, app, urgency, summary, body), then its menus"
history | sed 's/^/notifications:   /'
sed 's/^/notifications:   /' <<<"$menus"
echo "notifications: passed"
