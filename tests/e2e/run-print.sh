#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Tockmere developers
# Prints the schedule from the program's table window, as a user does, to a CUPS queue that
# writes PDF files (cups-pdf), made the default printer, and checks the listing and its columns
# on paper. The print module loads at this first printout. Run inside xvfb-run.
set -euo pipefail
cd "$(dirname "$0")/../.."
name=print
source tests/e2e/common.sh
need pdftotext xdotool
need_display
pdf_printer
out=$pdf_folder
before=$(ls "$out" 2>/dev/null | wc -l)
schedule "S 12/05/26    1430  W1AW bulletin" "S 12/31/2026  0930  DL1ABC weekly sked on 14.047" \
    "S 01/01/27    2359  JA1XYZ 20 m CW"
settings
start
open_table "$(wait_window "by Ovix$")"
xdotool mousemove --window "$table" 322 $((bar + 418)) click 1 # Printout
box=$(wait_window "^ Line print the schedule\\?$")
xdotool mousemove --window "$box" 20 20 key Return

pdf=""
for _ in $(seq 100); do
    if [ "$(ls "$out" | wc -l)" -gt "$before" ]; then
        pdf="$out/$(ls -t "$out" | head -1)"
        break
    fi
    sleep 0.2
done
[ -n "$pdf" ] || fail "the queue produced no PDF in $out"
sleep 0.5
# The document the program handed to the queue reads back as text; the queue's own PDF has its
# fonts converted, so on that paper only the places of the words are checked. The pitch of the
# columns is the width of the first date's twelve characters up to its time.
job=$(ls -t /var/spool/cups/d*-001 | head -1)
words() { pdftotext -bbox "$1" - 2>/dev/null |
    sed -n 's/.*<word xMin="\([0-9.]*\)" yMin="\([0-9.-]*\)".*>\(.*\)<\/word>/\2 \1 \3/p'; }
pitch=$(words "$job" | awk '$3 == "12/05/26" { d = $2 } $3 == "1430" { t = $2 }
                            END { if (d && t) printf "%.4f", (t - d) / 12 }')
[ -n "$pitch" ] || fail "the first sked is not on paper"
text=$(pdftotext -fixed "$pitch" "$job" -)
paper=$(words "$pdf" | cut -d' ' -f1,2)
rm -f "$pdf"

# Columns are counted from where "Dates and Times" (column 2) starts on paper.
heading=$(grep -m1 'Dates and Times are UTC' <<<"$text") || fail "no time-base heading: $text"
indent=${heading%%Dates*}
column() { # text, 1-based column of the listing where it must start
    local line
    line=$(grep -m1 -F "$1" <<<"$text") || fail "'$1' is not on paper"
    local before=${line%%"$1"*}
    [ $(( ${#before} - ${#indent} + 2 )) -eq "$2" ] ||
        fail "'$1' starts at column $(( ${#before} - ${#indent} + 2 )), not $2"
}
column "Scheduled Alarms   File: $skeds" 10
for row in "12/05/26:1430:W1AW bulletin" "12/31/2026:0930:DL1ABC weekly sked on 14.047" \
    "01/01/27:2359:JA1XYZ 20 m CW"; do
    IFS=: read -r date time message <<<"$row"
    column "$date" 2
    line=$(grep -m1 -F "$date" <<<"$text")
    rest=${line#"$indent"}
    [ "${rest:12:4}" = "$time" ] || fail "time of $date not at column 14: '$line'"
    [ "${rest:20:${#message}}" = "$message" ] || fail "message of $date not at column 22: '$line'"
done
# On paper: the sked lines are the three after the heading; their second and third words start
# 12 and 20 characters after their first. pdftotext gives the words block by block, not line by
# line: the queue draws the characters as 300 dpi bitmaps, so words of one line can stand a
# device pixel (0.24 pt) apart in height, and then a word across a wide gap, such as a time, is
# a block of its own, given after the rest of its line. Which words move depends on the glyphs
# on the page, so on the random name of the schedule's folder in the heading. The lines are
# therefore made here from the places: words by height, a line all that lie within 5 pt of its
# highest word, and its words from left to right.
rows=$(LC_ALL=C sort -k1,1n <<<"$paper" |
    awk '{ if (!n || ($1 - y) ^ 2 > 25) { n++; y = $1 } print n, $2 }' |
    LC_ALL=C sort -k1,1n -k2,2n |
    awk '$1 != n { if (n) print line; n = $1; line = $2; next } { line = line " " $2 }
         END { print line }' | sed -n 3,5p)
[ "$(wc -l <<<"$rows")" -eq 3 ] || fail "the printed PDF has no three sked lines"
while read -r date time message _; do
    awk -v d="$date" -v t="$time" -v m="$message" -v p="$pitch" 'BEGIN {
        exit !((t - d - 12 * p) ^ 2 < 1 && (m - d - 20 * p) ^ 2 < 1) }' ||
        fail "on paper the columns are off: $date $time $message (pitch $pitch)"
done <<<"$rows"
echo "print: passed (Printout through CUPS to a PDF, columns 2, 14 and 22, pitch $pitch pt)"
