#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Tockmere developers
# Fails on a text the user may see in English in another language:
#   - a text of the sources that the .ts files do not hold, or one they hold no more (lupdate run
#     afresh must give the files as they are: `cmake --build build/default --target
#     update_translations` brings them up to date);
#   - a message of a language not finished, or a plural form left empty;
#   - a literal in the program's Qt code that looks like words for the user but is outside the
#     translation functions, unless translations/not-translated.txt names it with its reason.
# Prints lrelease's count per language. Needs Qt Linguist's tools (scripts/deps.sh installs them).
set -euo pipefail
cd "$(dirname "$0")/.."
bin=/usr/lib/qt6/bin
for tool in lupdate lrelease; do
    [ -x "$bin/$tool" ] || { echo "translations: $bin/$tool is missing" >&2; exit 1; }
done
fail() { echo "translations: FAILED: $*" >&2; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

options=(-tr-function-alias translate+=translated -locations none -no-obsolete -silent)
for ts in translations/tockmere_*.ts; do
    cp "$ts" "$work/"
    extra=()
    [ "$(basename "$ts")" = tockmere_en.ts ] && extra=(-pluralonly -source-language en -target-language en)
    "$bin/lupdate" "${options[@]}" "${extra[@]}" src -ts "$work/$(basename "$ts")" >/dev/null
    diff -u "$ts" "$work/$(basename "$ts")" >"$work/diff" ||
        fail "$ts does not hold the sources' texts as they are now; run: cmake --build" \
            "build/default --target update_translations, and translate what is new:" \
            "$(head -40 "$work/diff")"
done

/usr/bin/python3 - translations/tockmere_*.ts <<'PYTHON'
import sys
import xml.etree.ElementTree as ET

failed = []
for path in sys.argv[1:]:
    for context in ET.parse(path).getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            source = message.findtext("source")
            translation = message.find("translation")
            forms = translation.findall("numerusform") if message.get("numerus") == "yes" else [translation]
            if translation.get("type") in ("unfinished", "vanished", "obsolete") or any(
                    not (form.text or "").strip() for form in forms):
                failed.append(f"{path}: {name}: {source!r} is not translated")
if failed:
    print("\n".join(failed), file=sys.stderr)
    sys.exit("translations: FAILED: %d messages unfinished" % len(failed))
PYTHON

# Literals that read as words in the Qt code: two words, or one with a capital and a stop.
grep -rnoE '(QStringLiteral|QLatin1String|u)\("([^"\\]|\\.)*"\)' src/app src/engine src/platform src/windows |
    grep -E '\("([^"]*[A-Za-z]{2,} [A-Za-z]{2,}|[A-Z][a-z]+[ .,:!?]|[ ][A-Z][a-z])' >"$work/literals" || true
grep -vE '^\s*(#|$)' translations/not-translated.txt | sed 's/\s*#.*$//' >"$work/allowed"
if grep -vFf "$work/allowed" "$work/literals" >"$work/left"; then
    fail "texts outside tr() (translate them, or name them in translations/not-translated.txt):" \
        "$(cat "$work/left")"
fi

for ts in translations/tockmere_*.ts; do
    echo "translations: $(basename "$ts"): $("$bin/lrelease" "$ts" -qm "$work/out.qm" | grep -i generated)"
done
echo "translations: passed"
