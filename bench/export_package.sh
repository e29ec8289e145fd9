#!/bin/sh
# Times exporting an effect package (one 2D sticker with three components of
# FRAMES frames each) against "cp -r" of the same frames followed by
# "zip -r -6" of the copy, alternating the two, and prints the median of
# each and their ratio.
#
#   bench/export_package.sh [build folder]     (default: build)
#   FRAMES=300 SIZE=512 ROUNDS=3 bench/export_package.sh build-tpl
set -eu

build=${1:-build}
frames=${FRAMES:-300}
size=${SIZE:-512}
rounds=${ROUNDS:-3}
root=$(cd "$(dirname "$0")/.." && pwd)
case $build in /*) ;; *) build=$root/$build ;; esac
bench=$build/bench/lwbench_export_package

if [ ! -x "$bench" ]; then
    echo "build the benchmark first: ninja -C $build lwbench_export_package" >&2
    exit 1
fi
if ! command -v zip > /dev/null; then
    echo "the comparison needs zip (apt-get install zip)" >&2
    exit 1
fi

work=$(mktemp -d "${TMPDIR:-/tmp}/lwbench.XXXXXX")
trap 'rm -rf "$work"' EXIT INT TERM
mkdir -p "$work/home"
mkdir -m 700 "$work/home/.runtime"
export XDG_RUNTIME_DIR="$work/home/.runtime"

"$bench" make "$work/frames" "$frames" "$size"
bytes=$(du -sb "$work/frames" | cut -f1)
echo "frames: 3 x $frames PNG of ${size}x${size}, $((bytes / 1024 / 1024)) MiB in total"
cat "$work/frames"/*/* > /dev/null # both read from the page cache

now_ms() { date +%s%N | awk '{ printf "%.2f", $1 / 1000000 }'; }

: > "$work/zip.txt"
: > "$work/export.txt"
i=0
while [ "$i" -lt "$rounds" ]; do
    sync
    start=$(now_ms)
    cp -r "$work/frames" "$work/copy"
    (cd "$work/copy" && zip -r -6 -q "$work/plain.zip" .)
    end=$(now_ms)
    echo "$end $start" | awk '{ printf "%.2f\n", $1 - $2 }' >> "$work/zip.txt"
    plain_bytes=$(stat -c %s "$work/plain.zip")
    rm -rf "$work/copy" "$work/plain.zip"

    "$bench" export "$work/frames" "$work/home" "$work/package.zip" >> "$work/export.txt"
    package_bytes=$(stat -c %s "$work/package.zip")
    rm -f "$work/package.zip"
    i=$((i + 1))
done

median() { sort -n "$1" | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
zip_ms=$(median "$work/zip.txt")
export_ms=$(median "$work/export.txt")
echo "cp -r + zip -r -6: $zip_ms ms   (rounds: $(tr '\n' ' ' < "$work/zip.txt")) $((plain_bytes / 1024)) KiB"
echo "export:            $export_ms ms   (rounds: $(tr '\n' ' ' < "$work/export.txt")) $((package_bytes / 1024)) KiB"
echo "$export_ms $zip_ms" | awk '{ printf "ratio export / (cp -r + zip): %.2f\n", $1 / $2 }'
