#!/usr/bin/env bash
# Redraws the window's small pictures (studio banner, desktop and folder icons)
# into src/gui/resources with ImageMagick. The PNGs are committed; run this only
# to change them.
set -euo pipefail
out="$(dirname "$0")/../src/gui/resources"
strip=(-strip -define png:exclude-chunks=date,time)

# The studio banner, 88 x 31: a navy plate in a gold frame, a star and the
# studio's name over a small "STUDIO".
convert -size 88x31 gradient:'#1f3588-#07123d' \
  -fill none -stroke '#c9a227' -strokewidth 1 -draw 'rectangle 0,0 87,30' \
  -stroke none -fill '#ffd84a' -draw 'polygon 10,5 12,10 17,10 13,13 15,18 10,15 5,18 7,13 3,10 8,10' \
  -font DejaVu-Serif-Bold-Italic -pointsize 14 -fill white -annotate +24+16 'Velmo' \
  -fill '#c9a227' -draw 'rectangle 24,19 80,19' \
  -font DejaVu-Sans-Bold -pointsize 7 -kerning 2 -fill '#ffd84a' -annotate +31+28 'STUDIO' \
  "${strip[@]}" "$out/banner.png"

# The desktop button, 16 x 16: a monitor on its stand.
convert -size 16x16 xc:none \
  -fill '#505050' -draw 'rectangle 1,1 14,11' \
  -fill '#3a78d0' -draw 'rectangle 2,2 13,10' \
  -fill '#8fc1ff' -draw 'rectangle 3,3 7,5' \
  -fill '#505050' -draw 'rectangle 6,12 9,13' -draw 'rectangle 3,14 12,14' \
  "${strip[@]}" "$out/desktop.png"

folder_back=(-fill '#c89b2a' -draw 'polygon 1,3 6,3 7,5 14,5 14,13 1,13')
# A closed folder.
convert -size 16x16 xc:none "${folder_back[@]}" \
  -fill '#f2cc57' -stroke '#8a6a14' -strokewidth 1 -draw 'rectangle 1,6 14,13' \
  "${strip[@]}" "$out/folder-closed.png"
# An open folder: the front leaf tilted forward.
convert -size 16x16 xc:none "${folder_back[@]}" \
  -fill '#fff6d8' -draw 'rectangle 3,5 12,9' \
  -fill '#f2cc57' -stroke '#8a6a14' -strokewidth 1 -draw 'polygon 3,8 15,8 13,13 1,13' \
  "${strip[@]}" "$out/folder-open.png"
# The current folder: open, with a blue marker.
convert -size 16x16 xc:none "${folder_back[@]}" \
  -fill '#fff6d8' -draw 'rectangle 3,5 12,9' \
  -fill '#f2cc57' -stroke '#8a6a14' -strokewidth 1 -draw 'polygon 3,8 15,8 13,13 1,13' \
  -stroke none -fill '#1f55c8' -draw 'circle 12,3 14,3' \
  "${strip[@]}" "$out/folder-current.png"
