#!/bin/sh
# The preview's face tracking: the face model's load time, how close the
# mapped points land to the standard face's table (mean and worst point, in
# shares of the face's width), and tracking plus drawing at 640 x 360 for
# the shipped sticker templates, flat out and at a camera's 30 frames a
# second (the share of the CPU that costs).
#
#   bench/face_track.sh [build folder]     (default: build)
#   FRAMES=300 bench/face_track.sh build
set -eu

build=${1:-build}
frames=${FRAMES:-300}
root=$(cd "$(dirname "$0")/.." && pwd)
case $build in /*) ;; *) build=$root/$build ;; esac
bench=$build/bench/lwbench_face_track
if [ ! -x "$bench" ]; then
    echo "build the benchmark first: ninja -C $build lwbench_face_track" >&2
    exit 1
fi
work=$(mktemp -d "${TMPDIR:-/tmp}/lwbench.XXXXXX")
trap 'rm -rf "$work"' EXIT INT TERM
mkdir -m 700 "$work/runtime"
export HOME="$work" XDG_RUNTIME_DIR="$work/runtime" QT_QPA_PLATFORM=offscreen

templates=$root/assets/LWHome/templates
"$bench" load 2>/dev/null
"$bench" accuracy 2>/dev/null | grep '^mean'
echo "flat out:"
"$bench" speed "$templates"/temp2DSticker*.zip --frames "$frames" 2>/dev/null
echo "at 30 frames a second:"
"$bench" speed "$templates"/temp2DSticker*.zip --frames "$frames" --paced 2>/dev/null
