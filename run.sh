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

applications="${XDG_DATA_HOME:-$HOME/.local/share}/applications"
mkdir -p "$applications"
cat > "$applications/quillora.desktop" <<DESKTOP
[Desktop Entry]
Type=Application
Name=Quillora 2003
Comment=A sign-in board for your party
Exec="$app_dir/quillora"
Icon=$app_dir/media/quillora.png
Terminal=false
Categories=Office;Utility;
DESKTOP

exec "$app_dir/quillora"
