#!/usr/bin/env bash
# Builds the Debian package and checks what it installs: the program in its own folder with its
# sounds, the command link, a valid desktop entry and the icon; then starts the unpacked program.
set -euo pipefail
cd "$(dirname "$0")/../.."
for tool in cpack dpkg-deb desktop-file-validate; do
    command -v "$tool" >/dev/null || { echo "package: $tool is missing" >&2; exit 1; }
done
(cd build/default && cpack -G DEB >/dev/null)
deb=$(ls build/default/tockmere_*_amd64.deb | head -1)
contents=$(dpkg-deb -c "$deb")
for path in ./usr/lib/tockmere/tockmere ./usr/lib/tockmere/alarm.wav ./usr/lib/tockmere/stop.wav \
    ./usr/share/applications/org.tockmere.Tockmere.desktop \
    ./usr/share/icons/hicolor/scalable/apps/org.tockmere.Tockmere.svg; do
    grep -q " $path\$" <<<"$contents" || { echo "package: FAILED: $path missing" >&2; exit 1; }
done
grep -q ' ./usr/bin/tockmere -> ../lib/tockmere/tockmere$' <<<"$contents" ||
    { echo "package: FAILED: no /usr/bin/tockmere link" >&2; exit 1; }
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg-deb -x "$deb" "$root"
entry="$root/usr/share/applications/org.tockmere.Tockmere.desktop"
desktop-file-validate "$entry"
grep -q '^Exec=tockmere$' "$entry"
grep -q '^Icon=org.tockmere.Tockmere$' "$entry"
# The unpacked program starts and keeps running (its first message box waits for the user).
mkdir -p "$root/home/config" "$root/home/runtime"
chmod 700 "$root/home/runtime"
(cd "$root/home" && HOME="$root/home" XDG_CONFIG_HOME="$root/home/config" \
    XDG_RUNTIME_DIR="$root/home/runtime" QT_QPA_PLATFORM=offscreen \
    timeout 3 "$root/usr/bin/tockmere") && status=0 || status=$?
[ "$status" -eq 124 ] || { echo "package: FAILED: the program ended with $status" >&2; exit 1; }
echo "package: passed ($(basename "$deb"), $(du -k "$deb" | cut -f1) KiB)"
