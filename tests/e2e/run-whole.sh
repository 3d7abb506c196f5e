#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Tockmere developers
# The real program on schedule files that are whole though a field holds something no sked rings
# at, and on a table typed but never saved when a signal ends the program. Each case runs in a
# home of its own:
#  a. a schedule whose fifth date is "Done", the printout's end mark: the start shows no box,
#     and Printout through a CUPS queue that writes PDF files lists only the four skeds above it;
#  b. skeds that can never ring, one dated 31/12/26 and one at 14h0, typed into the table: Done
#     writes them and says they will not ring, and the next start reads the file whole, no box;
#  c. a sked typed over the first one and the table window closed: it is armed, the file stays as
#     it was; SIGTERM then writes it, and the next start arms it from the file.
# A box at start that calls such a file not whole, or a typed sked lost at a signal, would cost
# the user a schedule they meant to keep. Run inside xvfb-run; it starts its own session bus and
# reads the main window through AT-SPI, as a screen reader does.
set -euo pipefail
cd "$(dirname "$0")/../.."
name=whole own_bus=1

# What a box of the program says, read through AT-SPI: the names of its controls.
box_text() { # title
    /usr/bin/python3 - "$1" <<'EOF'
import sys
sys.path.insert(0, "tests/e2e")
from tockmere_atspi import controls, windows
for window in windows():
    if window.name == sys.argv[1]:
        print("\n".join(control.name for control in controls(window) if control.name))
EOF
}
# The program's windows on the screen other than the main one: any box it shows is such a window.
# The search also gives the root window.
boxes() {
    local window root
    root=$(($(xwininfo -root | awk '/Window id:/ { print $4 }')))
    for window in $(xdotool search --onlyvisible --pid "$pid" --name '' 2>/dev/null); do
        [ "$window" = "$root" ] || xdotool getwindowname "$window" | grep -v "^Alarm Set" || true
    done
}
# Starts the program and watches it 3 s from its first window, the main one or a box (whose
# titles begin with a blank): a box about the file would come then. Sets `main`.
start_without_box() { # case
    start
    wait_window "^(Alarm Set| )" >/dev/null
    local deadline=$((SECONDS + 3)) box
    while ((SECONDS < deadline)); do
        box=$(boxes | head -1)
        [ -z "$box" ] || fail "$1: at start the program showed '$box': $(box_text "$box" | tr '\r\n' '  ')"
        sleep 0.2
    done
    main=$(wait_window "^Alarm Set" 1)
}
# The next sked as the main window shows it: date, time and message.
next_sked() { # case
    local what
    for what in Date Time Message; do
        /usr/bin/python3 tests/e2e/atspi-read.py "Alarm Set" "$what of the next sked" ||
            fail "$1: the next sked's ${what,,} cannot be read"
    done | paste -sd' '
}
ended() { # case
    wait_exit "$pid" 10
    local status=0
    wait "$pid" || status=$?
    [ "$status" -eq 0 ] || fail "$1: the program ended with $status"
}

done_mark() {
    local year=${far_ahead##*/}
    schedule "  01/01/$year    0101  first sked" "  01/02/$year    0202  second sked" \
        "  01/03/$year    0303  third sked" "  01/04/$year    0404  fourth sked" \
        "S Done        1200  not printed" "  01/06/$year    0606  sixth sked"
    settings "Silent=TRUE"
    pdf_printer
    local before
    before=$(ls "$pdf_folder" | wc -l)
    local main
    start_without_box a
    open_table "$main"
    xdotool mousemove --window "$table" 322 $((bar + 418)) click 1 # Printout
    local box
    box=$(wait_window "^ Line print the schedule\\?$")
    xdotool mousemove --window "$box" 20 20 key Return
    for _ in $(seq 100); do
        (($(ls "$pdf_folder" | wc -l) > before)) && break
        sleep 0.2
    done
    (($(ls "$pdf_folder" | wc -l) > before)) || fail "a: the queue produced no PDF in $pdf_folder"
    rm -f "$pdf_folder/$(ls -t "$pdf_folder" | head -1)"
    # The queue's own PDF draws its characters as bitmaps; the document the program handed to
    # the queue reads back as text.
    local job text
    job=$(ls -t /var/spool/cups/d*-001 | head -1)
    text=$(pdftotext -layout "$job" -)
    local message
    for message in "first sked" "second sked" "third sked" "fourth sked"; do
        grep -q "$message" <<<"$text" || fail "a: '$message' is not on paper:"$'\n'"$text"
    done
    for message in "not printed" "sixth sked"; do
        if grep -q "$message" <<<"$text"; then fail "a: '$message' is on paper:"$'\n'"$text"; fi
    done
    echo "whole: a: 'Done' as sked 5's date: no box at start; on paper $(grep -c " sked$" <<<"$text") skeds," \
        "'first sked' to 'fourth sked', not 'not printed' or 'sixth sked'"
}

never_rings() {
    schedule "  $far_ahead    2359  far ahead"
    settings "Silent=TRUE"
    start
    local main
    main=$(wait_window "^Alarm Set")
    open_table "$main"
    # A day that no month has, and a time that is no time of day.
    type_sked 2 "31/12/26" "1200" "no such day"
    type_sked 3 "$far_ahead" "14h0" "no such time"
    press_done
    local box told
    box=$(wait_window "^ Skeds that will not ring$" 5)
    told=$(box_text " Skeds that will not ring" | tr -d '\r')
    if ! grep -q "^Sked 2: " <<<"$told" || ! grep -q "^Sked 3: " <<<"$told"; then
        fail "b: the box does not name skeds 2 and 3: $told"
    fi
    xdotool mousemove --window "$box" 20 20 key Return
    local lines=("  31/12/26    1200  no such day" "  $far_ahead    14h0  no such time") line
    for _ in $(seq 30); do grep -qF "${lines[1]}" "$skeds" && break; sleep 0.1; done
    for line in "${lines[@]}"; do
        grep -qF "$line" "$skeds" || fail "b: Done did not write '$line': $(cat "$skeds")"
    done
    /usr/bin/python3 tests/e2e/wmclose.py "$main"
    ended b
    start_without_box b
    for line in "${lines[@]}"; do
        grep -qF "$line" "$skeds" || fail "b: after the restart the file lacks '$line': $(cat "$skeds")"
    done
    echo "whole: b: Done wrote the date 31/12/26 and the time 14h0, told" \
        "'$(grep "^Sked [23]: " <<<"$told" | sed -z 's/\n$//; s/\n/; /g')'; restarted on them: no box, the lines kept"
}

typed_at_signal() {
    schedule "  $far_ahead    2359  far ahead"
    settings "Silent=TRUE"
    cp "$skeds" "$home/skeds.before"
    start
    local main
    main=$(wait_window "^Alarm Set")
    open_table "$main"
    # Sked 1 typed over, each field emptied first.
    local date time=1234 message="typed, never saved" field
    date=$(date -u -d "+2 years" +06/15/%y)
    for field in "81 $date" "157 $time" "350 $message"; do
        click "$table" "${field%% *}" $((bar + 69))
        xdotool key ctrl+a
        xdotool type --delay 30 "${field#* }"
    done
    /usr/bin/python3 tests/e2e/wmclose.py "$table"
    local wanted="$date 12:34 $message" armed=""
    for _ in $(seq 30); do
        armed=$(next_sked c)
        [ "$armed" = "$wanted" ] && break
        sleep 0.1
    done
    [ "$armed" = "$wanted" ] || fail "c: with the table window closed the next sked is '$armed', not '$wanted'"
    cmp -s "$skeds" "$home/skeds.before" || fail "c: closing the table window wrote the file: $(cat "$skeds")"
    kill -TERM "$pid"
    ended c
    local line="  $date    $time  $message"
    grep -qxF "$line"$'\r' "$skeds" || fail "c: after SIGTERM the file lacks the typed sked: $(cat "$skeds")"
    [ ! -e "$XDG_CONFIG_HOME/Tockmere/kept-skeds.dat" ] ||
        fail "c: the table went to kept-skeds.dat, not to the schedule file"
    start_without_box c
    armed=$(next_sked c)
    [ "$armed" = "$wanted" ] || fail "c: started again, the next sked is '$armed', not '$wanted'"
    echo "whole: c: closing the table armed '$armed', the file unchanged; SIGTERM wrote it; started again, next sked '$armed'"
}

# One case, in a process of its own so that its home, its program and its failure end with it.
if [ "${1:-}" = one ]; then
    source tests/e2e/common.sh
    case "$2" in
    a) done_mark ;;
    b) never_rings ;;
    c) typed_at_signal ;;
    esac
    exit 0
fi

source tests/e2e/common.sh
need xdotool xwininfo pdftotext /usr/bin/python3
need_display
[ -x "$program" ] || fail "$program is not built"
/usr/bin/python3 -c 'import Xlib' 2>/dev/null || fail "python3-xlib is missing"
atspi_bus

# Every case runs, so one failure does not hide what the others would say.
failed=()
for case in a b c; do
    tests/e2e/run-whole.sh one "$case" || failed+=("$case")
done
((${#failed[@]} == 0)) || fail "case ${failed[*]}"
echo "whole: passed"
