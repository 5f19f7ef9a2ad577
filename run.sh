#!/usr/bin/env bash
# Installs what is missing, builds the program and its media (no tests, no
# benchmark), installs it for this user and starts it. The host's boards and
# notes live in the installed app folder, which a rebuild never touches.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/ensure_packages.sh

ensure_packages "${BUILD_PACKAGES[@]}"
configure_and_build build quillora

app_dir="${XDG_DATA_HOME:-$HOME/.local/share}/quillora"
cmake --install build --prefix "$app_dir"

# The desktop's menu entry, the icon at every size of the icon theme and the
# description software centres show.
share="${XDG_DATA_HOME:-$HOME/.local/share}"
for size in 16 32 48 64 128 256; do
    install -D -m 644 "$app_dir/media/quillora_$size.png" \
        "$share/icons/hicolor/${size}x${size}/apps/quillora.png"
done
mkdir -p "$share/applications" "$share/metainfo"
rm -f "$share/applications/quillora.desktop" # the entry of earlier versions
sed "s|@APP_DIR@|$app_dir|" data/org.quillora.quillora.desktop.in \
    > "$share/applications/org.quillora.quillora.desktop"
install -m 644 data/org.quillora.quillora.metainfo.xml "$share/metainfo/"

exec "$app_dir/quillora"
