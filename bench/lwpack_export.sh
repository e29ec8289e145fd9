#!/bin/sh
# Times "lwpack export" of a project (one 2D sticker with three components
# of FRAMES frames each), the whole process from launch to exit, against
# "cp -r" of the same frames into a fresh folder, alternating the two, and
# prints the median of each and their ratio.
#
#   bench/lwpack_export.sh [build folder]     (default: build)
#   FRAMES=300 SIZE=512 ROUNDS=3 LWPACK=other/lwpack bench/lwpack_export.sh build
set -eu

build=${1:-build}
frames=${FRAMES:-300}
size=${SIZE:-512}
rounds=${ROUNDS:-3}
root=$(cd "$(dirname "$0")/.." && pwd)
case $build in /*) ;; *) build=$root/$build ;; esac
bench=$build/bench/lwbench_export_package
lwpack=${LWPACK:-$build/tools/lwpack/lwpack}

for program in "$bench" "$lwpack"; do
    if [ ! -x "$program" ]; then
        echo "build first: ninja -C $build lwbench_export_package lwpack" >&2
        exit 1
    fi
done

work=$(mktemp -d "${TMPDIR:-/tmp}/lwbench.XXXXXX")
trap 'rm -rf "$work"' EXIT INT TERM
mkdir -p "$work/home"
mkdir -m 700 "$work/home/.runtime"
export XDG_RUNTIME_DIR="$work/home/.runtime"

"$bench" make "$work/frames" "$frames" "$size"
project=$(HOME="$work/home" "$bench" project "$work/frames" "$work/home" "$work/project")
bytes=$(du -sb "$work/project" | cut -f1)
echo "project: 3 x $frames PNG of ${size}x${size}, $((bytes / 1024 / 1024)) MiB in total"
cat "$work/project"/*/*/* "$work/project"/*/*/*/* > /dev/null 2>&1 || true # both read from the page cache

now_ms() { date +%s%N | awk '{ printf "%.2f", $1 / 1000000 }'; }

run_copy() {
    sync
    start=$(now_ms)
    cp -r "$work/frames" "$work/copy"
    end=$(now_ms)
    echo "$end $start" | awk '{ printf "%.2f\n", $1 - $2 }' >> "$work/copy.txt"
    rm -rf "$work/copy"
}

run_export() {
    sync
    start=$(now_ms)
    HOME="$work/home" QT_QPA_PLATFORM=offscreen QT_LOGGING_RULES='*=false' \
        "$lwpack" export "$project" "$work/package.zip" 2> /dev/null
    end=$(now_ms)
    echo "$end $start" | awk '{ printf "%.2f\n", $1 - $2 }' >> "$work/export.txt"
    package_bytes=$(stat -c %s "$work/package.zip")
    rm -f "$work/package.zip"
}

: > "$work/copy.txt"
: > "$work/export.txt"
i=0
while [ "$i" -lt "$rounds" ]; do
    if [ $((i % 2)) -eq 0 ]; then run_copy; run_export; else run_export; run_copy; fi
    i=$((i + 1))
done

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
copy_ms=$(median < "$work/copy.txt")
export_ms=$(median < "$work/export.txt")
echo "cp -r:         $copy_ms ms   (rounds: $(tr '\n' ' ' < "$work/copy.txt"))"
echo "lwpack export: $export_ms ms   (rounds: $(tr '\n' ' ' < "$work/export.txt")) $((package_bytes / 1024)) KiB"
echo "$export_ms $copy_ms" | awk '{ printf "ratio lwpack export / cp -r: %.2f\n", $1 / $2 }'
