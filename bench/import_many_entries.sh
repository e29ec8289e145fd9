#!/bin/sh
# Times importing a package of many small entries ("lwpack import") against
# "unzip" of the same archive, alternating the two, and prints the median of
# each and their ratio.
#
#   bench/import_many_entries.sh [build folder]     (default: build)
#   ENTRIES=100000 ROUNDS=3 bench/import_many_entries.sh build
set -eu

build=${1:-build}
entries=${ENTRIES:-100000}
rounds=${ROUNDS:-3}
root=$(cd "$(dirname "$0")/.." && pwd)
case $build in /*) ;; *) build=$root/$build ;; esac
lwpack=$build/tools/lwpack/lwpack
if [ ! -x "$lwpack" ]; then
    echo "build lwpack first: ninja -C $build lwpack" >&2
    exit 1
fi
command -v unzip >/dev/null || { echo "unzip is needed" >&2; exit 1; }

work=$(mktemp -d "${TMPDIR:-/tmp}/lwbench.XXXXXX")
trap 'rm -rf "$work"' EXIT INT TERM
mkdir -p "$work/home"
mkdir -m 700 "$work/home/.runtime"
export HOME="$work/home" XDG_RUNTIME_DIR="$work/home/.runtime" QT_QPA_PLATFORM=offscreen

# One 2D sticker whose folder holds the many entries.
python3 - "$entries" "$work/many.zip" <<'PY'
import json, sys, zipfile
count, out = int(sys.argv[1]), sys.argv[2]
with zipfile.ZipFile(out, "w", zipfile.ZIP_DEFLATED) as z:
    z.writestr("config.json", json.dumps({"name": "many", "version": "2.7.0", "effect": {
        "Link": [{"type": "2DSticker", "zorder": 1, "path": "2DSticker/"}]}}))
    z.writestr("2DSticker/content.json", json.dumps({"content": {"path": "sticker.json"}}))
    for i in range(count):
        z.writestr("2DSticker/data/e%06d.txt" % i, "entry %d" % i)
PY

now() { date +%s.%N; }
u=""; l=""
i=0
while [ $i -lt "$rounds" ]; do
    rm -rf "$work/out"; sync
    t0=$(now); unzip -q "$work/many.zip" -d "$work/out"; t1=$(now)
    u="$u $(echo "$t1 - $t0" | bc)"
    rm -rf "$work/out" "$work/home/Lumeworks"; sync
    t0=$(now); "$lwpack" import "$work/many.zip" "$work/out/Many" >/dev/null 2>&1; t1=$(now)
    l="$l $(echo "$t1 - $t0" | bc)"
    i=$((i + 1))
done
median() { printf '%s\n' $1 | sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
mu=$(median "$u"); ml=$(median "$l")
echo "$entries entries, median of $rounds"
printf 'unzip         %8.2f s\n' "$mu"
printf 'lwpack import %8.2f s\n' "$ml"
printf 'ratio lwpack import / unzip: %.2f\n' "$(echo "$ml / $mu" | bc -l)"
