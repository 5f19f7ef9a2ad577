#!/bin/sh
# Runs one test with a home, settings and runtime folder of its own, on the
# offscreen platform, so no test touches the real home or needs a display.
set -u
tmp=$(mktemp -d "${TMPDIR:-/tmp}/quillora-test.XXXXXX")
mkdir -p "$tmp/home" "$tmp/config" "$tmp/runtime"
chmod 700 "$tmp/runtime"
export HOME="$tmp/home" XDG_CONFIG_HOME="$tmp/config" XDG_RUNTIME_DIR="$tmp/runtime"
# No session bus: a board open for guests asks none to keep a desktop's screen on.
export DBUS_SESSION_BUS_ADDRESS="unix:path=$tmp/runtime/bus"
export QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}"
"$@"
rc=$?
rm -rf "$tmp"
exit $rc
