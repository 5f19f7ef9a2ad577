#!/usr/bin/env bash
# What `cmake --install` lays out for the desktop, checked with the desktop's
# own validators: the app folder, the entry starting its program, the icons
# it names at every size of the icon theme, and the AppStream description.
# Usage: test_desktop_files.sh BUILD_DIR PROGRAM_NAME
set -uo pipefail
build_dir=$1 program=$2
failed=0
fail() { echo "FAIL: $*"; failed=1; }

prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build_dir" --prefix "$prefix" >"$prefix/install.log" 2>&1 \
    || { cat "$prefix/install.log"; exit 1; }
share="$prefix/share"
app_dir="$share/quillora"
entry="$share/applications/org.quillora.quillora.desktop"
metainfo="$share/metainfo/org.quillora.quillora.metainfo.xml"

[ -x "$app_dir/$program" ] || fail "no program in $app_dir"
[ -d "$app_dir/media" ] && [ -d "$app_dir/audio" ] || fail "no media/ or audio/ in $app_dir"

# Hints (two main categories, for one) come without an error status.
report=$(desktop-file-validate "$entry" 2>&1)
[ $? -eq 0 ] && [ -z "$report" ] || fail "desktop-file-validate: $report"

appstreamcli validate --no-net --pedantic --no-color "$metainfo" >"$prefix/as.txt" 2>&1 \
    || fail "appstreamcli: $(cat "$prefix/as.txt")"

grep -qx "Exec=\"$app_dir/$program\"" "$entry" || fail "Exec does not start $app_dir/$program"
# The window's class is the program's name.
grep -qx "StartupWMClass=$program" "$entry" || fail "StartupWMClass is not $program"
grep -qx "Icon=quillora" "$entry" || fail "Icon is not the theme name quillora"
grep -q "<launchable type=\"desktop-id\">$(basename "$entry")</launchable>" "$metainfo" \
    || fail "launchable does not name the entry"
# The validator takes a description without a content rating.
grep -q '<content_rating type="oars-1.1"' "$metainfo" || fail "no content rating"

for size in 16 32 48 64 128 256; do
    icon="$share/icons/hicolor/${size}x${size}/apps/quillora.png"
    got=$(/usr/bin/identify -format '%wx%h' "$icon" 2>/dev/null)
    [ "$got" = "${size}x${size}" ] || fail "$icon is '$got'"
done

[ $failed -eq 0 ] && echo "desktop files: ok"
exit $failed
