#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Tockmere developers
# Builds the Debian package and checks what it installs: the program in its own folder with its
# sounds, the command link, the desktop entry, icon and AppStream metadata under one id, the
# manual page, the translations (with the help and manual page in each language), the copyright
# and changelog, and lintian's verdict on the whole; then starts the unpacked program.
set -euo pipefail
cd "$(dirname "$0")/../.."
fail() {
    echo "package: FAILED: $*" >&2
    exit 1
}
for tool in cpack dpkg-deb dpkg-parsechangelog desktop-file-validate appstreamcli lintian man; do
    command -v "$tool" >/dev/null || fail "$tool is missing (scripts/test.sh installs it)"
done
id=org.tockmere.Tockmere

rm -f build/default/tockmere_*.deb
(cd build/default && cpack -G DEB >/dev/null)
deb=$(ls build/default/tockmere_*_amd64.deb)
contents=$(dpkg-deb -c "$deb")
for path in ./usr/lib/tockmere/tockmere ./usr/lib/tockmere/alarm.wav ./usr/lib/tockmere/stop.wav \
    ./usr/lib/tockmere/modules/libtockmere-sound.so ./usr/lib/tockmere/modules/libtockmere-print.so \
    ./usr/share/applications/$id.desktop ./usr/share/icons/hicolor/scalable/apps/$id.svg \
    ./usr/share/metainfo/$id.metainfo.xml ./usr/share/man/man1/tockmere.1.gz \
    ./usr/share/doc/tockmere/copyright ./usr/share/doc/tockmere/changelog.gz \
    ./usr/lib/tockmere/translations/tockmere_en.qm ./usr/lib/tockmere/translations/tockmere_de.qm \
    ./usr/lib/tockmere/translations/tockmere_es.qm ./usr/lib/tockmere/de/Tockmere.HLP \
    ./usr/lib/tockmere/es/Tockmere.HLP ./usr/share/man/de/man1/tockmere.1.gz \
    ./usr/share/man/es/man1/tockmere.1.gz; do
    grep -q " $path\$" <<<"$contents" || fail "$path missing"
done
grep -q ' ./usr/bin/tockmere -> ../lib/tockmere/tockmere$' <<<"$contents" ||
    fail "no /usr/bin/tockmere link"
# Qt loads its platform plugins at run time, so only the listed dependencies bring them.
depends=$(dpkg-deb -f "$deb" Depends)
for package in qt6-qpa-plugins qt6-wayland qt6-translations-l10n; do
    grep -Eq "(^|, )$package(,|$)" <<<"$depends" || fail "Depends lacks $package: $depends"
done
[ "$(dpkg-deb -f "$deb" Description | wc -l)" -gt 2 ] || fail "the description has no paragraph"

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg-deb -x "$deb" "$root"
share="$root/usr/share"

# One id for the desktop entry, its icon and the metadata, and the entry starts the command.
entry="$share/applications/$id.desktop"
report=$(desktop-file-validate "$entry" 2>&1) || fail "desktop-file-validate: $report"
[ -z "$report" ] || fail "desktop-file-validate warns: $report"
grep -q '^Exec=tockmere$' "$entry" || fail "the desktop entry does not start tockmere"
grep -q "^Icon=$id\$" "$entry" || fail "the desktop entry's icon is not $id"
metainfo="$share/metainfo/$id.metainfo.xml"
grep -q "<id>$id</id>" "$metainfo" || fail "the metadata's id is not $id"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" ||
    fail "the metadata does not launch $id.desktop"

# AppStream accepts the metadata with no error and no warning; its hints are shown.
report=$(appstreamcli validate --no-net "$metainfo" 2>&1) ||
    fail "appstreamcli validate: $report"
! grep -Eq '^[EW]:' <<<"$report" || fail "appstreamcli validate warns: $report"
echo "package: appstreamcli: $(tail -1 <<<"$report")"

# The manual page renders without a single warning from groff or man.
page="$share/man/man1/tockmere.1.gz"
report=$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 \
    man --warnings -E UTF-8 -l -Tutf8 -Z "$page" 2>&1 >/dev/null) || fail "man: $report"
[ -z "$report" ] || fail "the manual page has warnings: $report"

# The copyright file is in Debian's machine-readable format and points to the licence text.
copyright="$share/doc/tockmere/copyright"
[ "$(head -1 "$copyright")" = \
    "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/" ] ||
    fail "the copyright file is not in the machine-readable format"
grep -q '/usr/share/common-licenses/GPL-3' "$copyright" ||
    fail "the copyright file does not point to the GPL's text"

# The package, its changelog, the metadata's newest release and the manual page name one version.
version=$(dpkg-deb -f "$deb" Version)
gzip -dc "$share/doc/tockmere/changelog.gz" >"$root/changelog"
[ "$(dpkg-parsechangelog -l "$root/changelog" -S Version)" = "$version" ] ||
    fail "the changelog's newest entry is not $version"
grep -m1 '<release ' "$metainfo" | grep -q "version=\"$version\"" ||
    fail "the metadata's newest release is not $version"
gzip -dc "$page" | grep -q "^\.TH TOCKMERE 1 .* \"Tockmere $version\"" ||
    fail "the manual page is not for version $version"

# Debian's own checks: nothing above information level, except the maintainer's address, which
# is a placeholder until the project has a real one.
lintian -I --fail-on error,warning \
    --suppress-tags bogus-mail-host,bogus-mail-host-in-debian-changelog "$deb" ||
    fail "lintian found errors or warnings"

# The command line answers without a display.
[ "$(env -u DISPLAY -u WAYLAND_DISPLAY "$root/usr/bin/tockmere" --version)" = "tockmere $version" ] ||
    fail "tockmere --version does not print the version"
env -u DISPLAY -u WAYLAND_DISPLAY "$root/usr/bin/tockmere" --bogus 2>/dev/null && status=0 || status=$?
[ "$status" -eq 2 ] || fail "a wrong option ended with $status, not 2"

# The unpacked program starts and keeps running (its first message box waits for the user), and
# ends through its closing steps on the SIGTERM that timeout sends.
mkdir -p "$root/home/config" "$root/home/runtime"
chmod 700 "$root/home/runtime"
(cd "$root/home" && HOME="$root/home" XDG_CONFIG_HOME="$root/home/config" \
    XDG_RUNTIME_DIR="$root/home/runtime" QT_QPA_PLATFORM=offscreen \
    timeout -k 5 3 "$root/usr/bin/tockmere") && status=0 || status=$?
[ "$status" -eq 124 ] || fail "the program ended with $status"
echo "package: passed ($(basename "$deb"), $(du -k "$deb" | cut -f1) KiB)"
