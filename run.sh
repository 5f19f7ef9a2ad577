#!/usr/bin/env bash
# Installs what is missing, builds the program and its media (no tests, no
# benchmark), installs it for this user and starts it. The host's boards and
# notes live in the installed app folder, which an install never removes.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/ensure_packages.sh

ensure_packages "${BUILD_PACKAGES[@]}" "${OPTIONAL_PACKAGES[@]}"
configure_and_build build -DQUILLORA_TESTS=OFF -DQUILLORA_BENCH=OFF

# The app folder goes to <prefix>/share/quillora, the desktop's menu entry,
# icons and description beside it under <prefix>/share.
prefix=$(dirname "${XDG_DATA_HOME:-$HOME/.local/share}")
log=$(cmake --install build --prefix "$prefix" 2>&1) || { echo "$log" >&2; exit 1; }
rm -f "$prefix/share/applications/quillora.desktop" # the entry of earlier versions
echo "Quillora is installed in $prefix/share/quillora"

exec "$prefix/share/quillora/quillora"
