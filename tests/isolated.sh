#!/usr/bin/env bash
# Runs one test with a home, settings and runtime folder of its own, on the
# offscreen platform, so no test touches the real home or needs a display.
# A QtTest program that passed but skipped a case exits 77, which ctest
# reports as skipped.
set -u
tmp=$(mktemp -d "${TMPDIR:-/tmp}/quillora-test.XXXXXX")
mkdir -p "$tmp/home" "$tmp/config" "$tmp/runtime"
chmod 700 "$tmp/runtime"
export HOME="$tmp/home" XDG_CONFIG_HOME="$tmp/config" XDG_RUNTIME_DIR="$tmp/runtime"
export QT_QPA_PLATFORM=offscreen
"$@" 2>&1 | tee "$tmp/output"
rc=${PIPESTATUS[0]}
if [ "$rc" -eq 0 ] && grep -q '^SKIP   :' "$tmp/output"; then
    rc=77
fi
rm -rf "$tmp"
exit $rc
