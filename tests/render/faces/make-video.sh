#!/bin/sh
# Makes a short video of the drawn face for the preview: the standard face
# sliding a little from side to side, opening its mouth, shutting its eyes
# and shaking its head, from the pictures beside this script (ImageMagick
# places them, GStreamer encodes Theora in Ogg, both from Debian).
#
#   tests/render/faces/make-video.sh [OUT.ogv] [WxH] [frames a second]
#   (defaults: standardFace.ogv beside this script, 480x270, 12)
set -eu
here=$(cd "$(dirname "$0")" && pwd)
out=${1:-$here/standardFace.ogv}
size=${2:-480x270}
fps=${3:-12}
w=${size%x*}
h=${size#*x}
work=$(mktemp -d "${TMPDIR:-/tmp}/facevideo.XXXXXX")
trap 'rm -rf "$work"' EXIT INT TERM

std="$here/../../../assets/LW2DSticker/imgStandardFaceHuman.png"
# One picture a frame: s standard, o mouth open, c eyes closed, l and r turned.
script="s s s s s s o o o o o o s s s s c c s s s s l l s r r s l l s r r s s s"
i=0
for key in $script; do
    case $key in
        s) pic=$std ;;
        o) pic=$here/standardMouthOpen.png ;;
        c) pic=$here/standardEyesClosed.png ;;
        l) pic=$here/standardTurnedLeft.png ;;
        r) pic=$here/standardTurnedRight.png ;;
    esac
    # The face at the frame's height, sliding by up to a tenth of the width.
    shift=$(awk -v i="$i" -v w="$w" 'BEGIN { printf "%+d", sin(i / 6) * w / 10 }')
    convert -size "$size" xc:'#c6d0dc' \( "$pic" -resize "x$h" \) -gravity center -geometry "${shift}+0" \
        -composite -alpha off -depth 8 "PNG24:$work/$(printf 'f%03d' "$i").png"
    i=$((i + 1))
done
gst-launch-1.0 -q multifilesrc location="$work/f%03d.png" index=0 caps="image/png,framerate=$fps/1" \
    ! pngdec ! videoconvert ! theoraenc ! oggmux ! filesink location="$out"
echo "$out: $i frames at $fps a second, $size"
