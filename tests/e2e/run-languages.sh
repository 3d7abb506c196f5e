#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Tockmere developers
# The real program under a German and a Spanish locale, read through the accessibility bus as a
# screen reader reads it: the main window, its menu and the table window must each speak the
# language, every fixed text as its .ts file translates it and none left in English. The same
# session in English, German and Spanish must write the same schedule file
# and the same settings values. Run inside xvfb-run; it starts its own session bus.
set -euo pipefail
cd "$(dirname "$0")/../.."
name=languages own_bus=1
source tests/e2e/common.sh
need xdotool
need_display
atspi_bus

# The fixed texts of the main window, its menu and the table window, in English.
texts=("Set Alarm" "UTC Time" "Help" "UTC time" "Set UTC offset" "Change Offset Label"
    "Silent Alarm" "Alarm Set Minimized" "Alarm Msg PopUp" "Alarm Close Button" "Test Alarm"
    "Count Down Timer" "Stop Watch Timer" "Continuous Alarm" "About" "Start at Login"
    "Remind Before..." "Skip" "UTC Date" "Sked Time" "Sked Message" "Done" "Re-order" "Printout"
    "Clear Table" "Weekly Increment")

# One session: start, open the menu and the table window, read them, make a sked, end.
session() { # LANG value, where to keep what was read
    schedule "  $far_ahead    2359  far ahead"
    settings
    (cd "$home" && exec env LANG="$1" LANGUAGE= LC_ALL= "$program") & pid=$!
    pids+=("$pid")
    local main
    main=$(xdotool search --sync --onlyvisible --pid "$pid" | head -1)
    sleep 1
    xdotool windowmove "$main" 10 10
    sleep 0.3
    /usr/bin/python3 tests/e2e/atspi-texts.py windows >"$2"
    # The menu is heard entry by entry as the keys move through it.
    /usr/bin/python3 tests/e2e/atspi-texts.py focus 8 >"$home/focus" & local listener=$!
    for _ in $(seq 50); do grep -q listening "$home/focus" 2>/dev/null && break; sleep 0.1; done
    xdotool mousemove --window "$main" 250 45 windowfocus --sync "$main" key shift+F10
    sleep 0.5
    for _ in $(seq 18); do xdotool key Down; sleep 0.1; done
    xdotool key Escape
    wait "$listener"
    grep '^FOCUS' "$home/focus" >>"$2"
    click "$main" 58 14 # Set Alarm
    sleep 1.5
    /usr/bin/python3 tests/e2e/atspi-texts.py windows >>"$2"
    # The table window is the newest of the program's windows.
    table=$(xdotool search --onlyvisible --pid "$pid" | tail -1)
    xdotool windowmove "$table" 10 130
    sleep 0.5
    eval "$(xdotool getwindowgeometry --shell "$table")"
    bar=$((HEIGHT - 464))
    type_sked 1 "$far_ahead" "1200" "typed in $1"
    press_done
    sleep 1
    kill -TERM "$pid"
    wait "$pid" || true
}

session C "$home/read-C"
cp "$skeds" "$home/skeds-C"
grep -v '^PositionTop\|^PositionLeft' "$ini" >"$home/ini-C"
for lang in de_DE.UTF-8 es_ES.UTF-8; do
    language=${lang%%_*}
    echo "languages: $lang"
    session "$lang" "$home/read-$language"
    /usr/bin/python3 - "translations/tockmere_$language.ts" "$home/read-$language" "${texts[@]}" <<'PYTHON' ||
import sys
import xml.etree.ElementTree as ET

ts, read, texts = sys.argv[1], sys.argv[2], sys.argv[3:]
translations = {}
for message in ET.parse(ts).getroot().iter("message"):
    translations.setdefault(message.findtext("source"), set()).add(message.findtext("translation"))
heard = set()
for line in open(read, encoding="utf-8"):
    fields = line.rstrip("\n").split("\t")
    heard.update(field for field in fields[1:] if field)
failed = []
for text in texts:
    wanted = translations.get(text)
    if not wanted:
        failed.append(f"'{text}' has no translation")
    elif not wanted & heard:
        failed.append(f"'{text}' is not heard as {' or '.join(sorted(wanted))}")
    elif text in heard and text not in wanted:
        failed.append(f"'{text}' is still heard in English")
if failed:
    failed.append("heard: " + " | ".join(sorted(h for h in heard if not h[:5] == "Sked " or not h[5:6].isdigit())))
if failed:
    print("\n".join(failed), file=sys.stderr)
sys.exit(1 if failed else 0)
PYTHON
        fail "$lang: the windows do not speak it"
    sed -i "s/typed in $lang/typed in C/" "$skeds"
    cmp -s "$skeds" "$home/skeds-C" || fail "$lang: the schedule file differs from English"
    grep -v '^PositionTop\|^PositionLeft' "$ini" | cmp -s - "$home/ini-C" ||
        fail "$lang: the settings differ from English: $(diff "$home/ini-C" <(grep -v '^Position' "$ini"))"
    echo "languages: $lang: $(grep -c . "$home/read-$language") texts read, the same files written"
done
echo "languages: passed"
