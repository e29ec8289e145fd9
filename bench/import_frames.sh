#!/bin/sh
# Times importing a folder of PNG frames as one frame sequence against
# "cp -r" of the same folder, alternating the two, and prints the median of
# each and their ratio.
#
#   bench/import_frames.sh [build folder]     (default: build)
#   FRAMES=300 SIZE=512 ROUNDS=5 bench/import_frames.sh build-res
set -eu

build=${1:-build}
frames=${FRAMES:-300}
size=${SIZE:-512}
rounds=${ROUNDS:-5}
root=$(cd "$(dirname "$0")/.." && pwd)
case $build in /*) ;; *) build=$root/$build ;; esac
bench=$build/bench/lwbench_import_frames

if [ ! -x "$bench" ]; then
    echo "build the benchmark first: ninja -C $build lwbench_import_frames" >&2
    exit 1
fi

work=$(mktemp -d "${TMPDIR:-/tmp}/lwbench.XXXXXX")
trap 'rm -rf "$work"' EXIT INT TERM
mkdir -p "$work/home"
mkdir -m 700 "$work/home/.runtime"
export XDG_RUNTIME_DIR="$work/home/.runtime"

"$bench" make "$work/frames" "$frames" "$size"
bytes=$(du -sb "$work/frames" | cut -f1)
echo "frames: $frames PNG of ${size}x${size}, $((bytes / 1024 / 1024)) MiB in total"
cat "$work/frames"/* > /dev/null # both read from the page cache

now_ms() { date +%s%N | awk '{ printf "%.2f", $1 / 1000000 }'; }

: > "$work/cp.txt"
: > "$work/import.txt"
i=0
while [ "$i" -lt "$rounds" ]; do
    sync
    start=$(now_ms)
    cp -r "$work/frames" "$work/copy"
    end=$(now_ms)
    echo "$end $start" | awk '{ printf "%.2f\n", $1 - $2 }' >> "$work/cp.txt"
    rm -rf "$work/copy"

    "$bench" import "$work/frames" "$work/home" >> "$work/import.txt"
    i=$((i + 1))
done

median() { sort -n "$1" | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
cp_ms=$(median "$work/cp.txt")
import_ms=$(median "$work/import.txt")
echo "cp -r:  $cp_ms ms   (rounds: $(tr '\n' ' ' < "$work/cp.txt"))"
echo "import: $import_ms ms   (rounds: $(tr '\n' ' ' < "$work/import.txt"))"
echo "$import_ms $cp_ms" | awk '{ printf "ratio import / cp -r: %.2f\n", $1 / $2 }'
