#!/bin/sh
# The preview's face tracking: the face model's load time, how close the
# mapped points land to the drawn faces' tables (mean and worst point, in
# shares of the face's width, and every point beyond the 3 % target with
# where it lands from its table point), where the nose tip lands on the
# photograph, and tracking plus drawing at 640 x 360 for the shipped
# sticker templates, flat out and at a camera's 30 frames a second (the
# share of the CPU that costs).
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

faces=$root/tests/render/faces
templates=$root/assets/LWHome/templates
"$bench" load 2>/dev/null
for face in standard "$faces"/standard*.png; do
    if [ "$face" = standard ]; then
        echo "standard face:"
        "$bench" accuracy 2>/dev/null | grep -E '^(mean|over)' | sed 's/^/  /'
    else
        echo "$(basename "$face" .png):"
        "$bench" accuracy "$face" 2>/dev/null | grep -E '^(mean|over)' | sed 's/^/  /'
    fi
done
# The photo's nose tip, found by eye: 225, 126.
"$bench" accuracy "$faces/astronaut.png" 2>/dev/null |
    awk '/^nose tip/ { printf "astronaut: nose tip at %s, %s, %.1f px from where it is\n", $3, $4, sqrt(($3 - 225) ^ 2 + ($4 - 126) ^ 2) }'
echo "flat out:"
"$bench" speed "$templates"/temp2DSticker*.zip --frames "$frames" 2>/dev/null
echo "at 30 frames a second:"
"$bench" speed "$templates"/temp2DSticker*.zip --frames "$frames" --paced 2>/dev/null
