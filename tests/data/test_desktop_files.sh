#!/usr/bin/env bash
# The desktop entry and the AppStream description as run.sh installs them,
# checked with the desktop's own validators, and the icons they name.
# Usage: test_desktop_files.sh SOURCE_DIR APP_DIR PROGRAM_NAME
set -uo pipefail
source_dir=$1 app_dir=$2 program=$3
failed=0
fail() { echo "FAIL: $*"; failed=1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
entry="$work/org.quillora.quillora.desktop"
sed "s|@APP_DIR@|/home/host/.local/share/quillora|" \
    "$source_dir/data/org.quillora.quillora.desktop.in" > "$entry"

# Hints (two main categories, for one) come without an error status.
report=$(desktop-file-validate "$entry" 2>&1)
[ $? -eq 0 ] && [ -z "$report" ] || fail "desktop-file-validate: $report"

appstreamcli validate --no-net --pedantic --no-color \
    "$source_dir/data/org.quillora.quillora.metainfo.xml" >"$work/as.txt" 2>&1 \
    || fail "appstreamcli: $(cat "$work/as.txt")"

# The window's class is the program's name.
grep -qx "StartupWMClass=$program" "$entry" || fail "StartupWMClass is not $program"
grep -qx "Icon=quillora" "$entry" || fail "Icon is not the theme name quillora"
grep -q "<launchable type=\"desktop-id\">$(basename "$entry")</launchable>" \
    "$source_dir/data/org.quillora.quillora.metainfo.xml" || fail "launchable does not name the entry"
# The validator takes a description without a content rating.
grep -q '<content_rating type="oars-1.1"' "$source_dir/data/org.quillora.quillora.metainfo.xml" \
    || fail "no content rating"

for size in 16 32 48 64 128 256; do
    got=$(/usr/bin/identify -format '%wx%h' "$app_dir/media/quillora_$size.png" 2>/dev/null)
    [ "$got" = "${size}x${size}" ] || fail "quillora_$size.png is '$got'"
done

[ $failed -eq 0 ] && echo "desktop files: ok"
exit $failed
