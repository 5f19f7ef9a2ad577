#!/bin/sh
# contact_sheet.sh BUILD_DIR OUT.png
#
# Puts every picture the media generator made into one labelled PNG, so the
# whole set can be looked over at a glance. Needs ImageMagick's montage.
set -eu

if [ $# -ne 2 ]; then
    echo "usage: $0 BUILD_DIR OUT.png" >&2
    exit 2
fi
media="$1/app/media"
out="$2"
montage=/usr/bin/montage
font=/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf

if [ ! -x "$montage" ]; then
    echo "$0: ImageMagick's $montage is not installed" >&2
    exit 1
fi
if [ ! -f "$media/mback.jpg" ]; then
    echo "$0: no pictures in $media; build the 'media' target first" >&2
    exit 1
fi

# Largest first, then the rest by name; every tile keeps its aspect ratio.
# The name@2x.jpg files are the same pictures drawn at double density.
cd "$media"
files=$( (ls mback.jpg miniback.jpg b_*.jpg t_*.jpg quillora.png 2>/dev/null;
          ls *.jpg | grep -v -e '^mback' -e '^miniback' -e '^b_' -e '^t_' | sort -V) | grep -v '@2x')
# shellcheck disable=SC2086
"$montage" -font "$font" -pointsize 11 -label '%f' -background '#d8d8d8' \
    -geometry '200x160>+6+6' -tile 10x $files "$out"
echo "$out"
