#!/bin/sh
# Opening, saving and exporting projects of 10, 100 and 1000 resources:
# prints the median milliseconds of each and how they grow per resource.
#
#   bench/project_scale.sh [build folder]     (default: build)
#   SIZES="10 100 1000" bench/project_scale.sh build
set -eu

build=${1:-build}
sizes=${SIZES:-10 100 1000}
root=$(cd "$(dirname "$0")/.." && pwd)
case $build in /*) ;; *) build=$root/$build ;; esac
bench=$build/bench/lwbench_project_scale
if [ ! -x "$bench" ]; then
    echo "build the benchmark first: ninja -C $build lwbench_project_scale" >&2
    exit 1
fi

echo "resources  open ms  save ms  export ms   (median of 3)"
for n in $sizes; do
    work=$(mktemp -d "${TMPDIR:-/tmp}/lwbench.XXXXXX")
    mkdir -m 700 "$work/.runtime"
    XDG_RUNTIME_DIR="$work/.runtime" "$bench" "$n" "$work" | awk '{ printf "%9d  %7s  %7s  %9s\n", $1, $2, $3, $4 }'
    rm -rf "$work"
done
