#!/bin/sh
# The cost of a recovery point for a project of three 300-frame sequences:
# the first point, a point after one edit, and the full three-minute backup
# beside them.
#
#   bench/recovery_point.sh [build folder]     (default: build)
#   FRAMES=300 SIZE=256 bench/recovery_point.sh build
set -eu

build=${1:-build}
frames=${FRAMES:-300}
size=${SIZE:-256}
root=$(cd "$(dirname "$0")/.." && pwd)
case $build in /*) ;; *) build=$root/$build ;; esac
bench=$build/bench/lwbench_recovery_point
if [ ! -x "$bench" ]; then
    echo "build the benchmark first: ninja -C $build lwbench_recovery_point" >&2
    exit 1
fi

work=$(mktemp -d "${TMPDIR:-/tmp}/lwbench.XXXXXX")
trap 'rm -rf "$work"' EXIT INT TERM
mkdir -p "$work/home"
mkdir -m 700 "$work/home/.runtime"
export HOME="$work/home" XDG_RUNTIME_DIR="$work/home/.runtime" QT_QPA_PLATFORM=offscreen

echo "3 x $frames frames of ${size} px"
"$bench" "$work" "$frames" "$size" 2>/dev/null | awk '
    { printf "%-17s %9.1f ms  %5d files brought over\n", $1, $2, $3 }'
