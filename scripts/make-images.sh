#!/usr/bin/env bash
# Redraws the window's small pictures (studio banner, desktop and folder icons)
# into src/gui/resources with ImageMagick, each at its size and at double size
# ("name@2x.png", for screens of twice the density). The PNGs are committed; run
# this only to change them (it needs Debian's imagemagick and fonts-dejavu-extra).
#
# Every drawing is written in the pixels of its normal size and scaled as
# vectors, so the double size is drawn anew rather than enlarged. ImageMagick
# puts pixel centres on whole coordinates and grows every fill by half a pixel
# whatever the scale; so at scale s a point x lands on s*x + (s-1)/2, outlines,
# type and spacing grow s times, and a fill without an outline is pushed out by
# the (s-1)/2 pixel that the half-pixel growth lacks, which keeps its edges sharp.
set -euo pipefail
out="$(dirname "$0")/../src/gui/resources"
strip=(-strip -define png:exclude-chunks=date,time)

# at X,Y...: the points at scale $s.
at() {
  awk -v s="$s" 'BEGIN {
    for (i = 1; i < ARGC; i++) {
      split(ARGV[i], c, ",")
      printf "%s%g,%g", (i > 1 ? " " : ""), c[1] * s + (s - 1) / 2, c[2] * s + (s - 1) / 2
    }
  }' "$@"
}

# grown X,Y...: the corners of a polygon filled without an outline, at scale $s
# and pushed out as said above (a mitred offset along each corner's bisector).
grown() {
  awk -v s="$s" 'BEGIN {
    n = ARGC - 1
    g = (s - 1) / 2
    for (i = 0; i < n; i++) {
      split(ARGV[i + 1], c, ",")
      x[i] = c[1] * s + g
      y[i] = c[2] * s + g
    }
    for (i = 0; i < n; i++)
      area += x[i] * y[(i + 1) % n] - x[(i + 1) % n] * y[i]
    turn = area > 0 ? 1 : -1
    for (i = 0; i < n; i++) { # outward normal of the side from corner i to the next
      dx = x[(i + 1) % n] - x[i]
      dy = y[(i + 1) % n] - y[i]
      len = sqrt(dx * dx + dy * dy)
      nx[i] = turn * dy / len
      ny[i] = -turn * dx / len
    }
    for (i = 0; i < n; i++) {
      p = (i + n - 1) % n
      k = g / (1 + nx[p] * nx[i] + ny[p] * ny[i])
      printf "%s%g,%g", (i ? " " : ""), x[i] + k * (nx[p] + nx[i]), y[i] + k * (ny[p] + ny[i])
    }
  }' "$@"
}

# box X0,Y0 X1,Y1: a rectangle filled without an outline, covering those pixels.
box() {
  awk -v s="$s" 'BEGIN {
    split(ARGV[1], a, ",")
    split(ARGV[2], b, ",")
    printf "rectangle %g,%g %g,%g", a[1] * s, a[2] * s, b[1] * s + s - 1, b[2] * s + s - 1
  }' "$@"
}

# disc X,Y R: a circle filled without an outline.
disc() {
  awk -v s="$s" 'BEGIN {
    split(ARGV[1], c, ",")
    x = c[1] * s + (s - 1) / 2
    y = c[2] * s + (s - 1) / 2
    printf "circle %g,%g %g,%g", x, y, x + ARGV[2] * s + (s - 1) / 2, y
  }' "$@"
}

# draw SCALE SUFFIX: every picture at that scale, named with that suffix.
draw() {
  s=$1
  local suffix=$2

  # The studio banner, 88 x 31: a navy plate in a gold frame, a star and the
  # studio's name over a small "STUDIO".
  convert -size $((88 * s))x$((31 * s)) gradient:'#1f3588-#07123d' \
    -fill none -stroke '#c9a227' -strokewidth $((1 * s)) -draw "rectangle $(at 0,0 87,30)" \
    -stroke none -fill '#ffd84a' -draw "polygon $(grown 10,5 12,10 17,10 13,13 15,18 10,15 5,18 7,13 3,10 8,10)" \
    -font DejaVu-Serif-Bold-Italic -pointsize $((14 * s)) -fill white -annotate +$((24 * s))+$((16 * s)) 'Velmo' \
    -fill '#c9a227' -draw "$(box 24,19 80,19)" \
    -font DejaVu-Sans-Bold -pointsize $((7 * s)) -kerning $((2 * s)) -fill '#ffd84a' \
    -annotate +$((31 * s))+$((28 * s)) 'STUDIO' \
    "${strip[@]}" "$out/banner$suffix.png"

  # The desktop button, 16 x 16: a monitor on its stand.
  convert -size $((16 * s))x$((16 * s)) xc:none \
    -fill '#505050' -draw "$(box 1,1 14,11)" \
    -fill '#3a78d0' -draw "$(box 2,2 13,10)" \
    -fill '#8fc1ff' -draw "$(box 3,3 7,5)" \
    -fill '#505050' -draw "$(box 6,12 9,13)" -draw "$(box 3,14 12,14)" \
    "${strip[@]}" "$out/desktop$suffix.png"

  local canvas=(-size $((16 * s))x$((16 * s)) xc:none)
  local back=(-fill '#c89b2a' -draw "polygon $(grown 1,3 6,3 7,5 14,5 14,13 1,13)")
  local leaf=(-fill '#fff6d8' -draw "$(box 3,5 12,9)"
    -fill '#f2cc57' -stroke '#8a6a14' -strokewidth $((1 * s)) -draw "polygon $(at 3,8 15,8 13,13 1,13)")
  # A closed folder.
  convert "${canvas[@]}" "${back[@]}" \
    -fill '#f2cc57' -stroke '#8a6a14' -strokewidth $((1 * s)) -draw "rectangle $(at 1,6 14,13)" \
    "${strip[@]}" "$out/folder-closed$suffix.png"
  # An open folder: the front leaf tilted forward.
  convert "${canvas[@]}" "${back[@]}" "${leaf[@]}" \
    "${strip[@]}" "$out/folder-open$suffix.png"
  # The current folder: open, with a blue marker.
  convert "${canvas[@]}" "${back[@]}" "${leaf[@]}" \
    -stroke none -fill '#1f55c8' -draw "$(disc 12,3 2)" \
    "${strip[@]}" "$out/folder-current$suffix.png"
}

draw 1 ""
draw 2 "@2x"
