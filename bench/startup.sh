#!/bin/sh
# Time from launch to the first frame of the home window, and resident
# memory at that moment, against a bare Qt Quick Controls window started the
# same way under the same X server. Run it under an X server (bench/run
# starts one with xvfb-run). Prints the medians and the two ratios.
#
#   bench/startup.sh [build folder]     (default: build)
#   ROUNDS=7 bench/startup.sh build
set -eu

build=${1:-build}
rounds=${ROUNDS:-5}
root=$(cd "$(dirname "$0")/.." && pwd)
case $build in /*) ;; *) build=$root/$build ;; esac
editor=$build/src/glowsmith
bare=$build/bench/lwbench_bare_window
for program in "$editor" "$bare"; do
    if [ ! -x "$program" ]; then
        echo "build first: ninja -C $build glowsmith lwbench_bare_window" >&2
        exit 1
    fi
done

work=$(mktemp -d "${TMPDIR:-/tmp}/lwbench.XXXXXX")
trap 'rm -rf "$work"' EXIT INT TERM
mkdir -p "$work/home"
mkdir -m 700 "$work/home/.runtime"
export HOME="$work/home" XDG_RUNTIME_DIR="$work/home/.runtime"
export LW_BENCH_FIRST_FRAME=1 QT_QPA_PLATFORM=xcb QTWEBENGINE_DISABLE_SANDBOX=1 QT_LOGGING_RULES='*=false'
unset QT_QUICK_BACKEND

probe() { # program -> "ms kb"
    LW_BENCH_LAUNCH_NS=$(date +%s%N) timeout 60 "$1" 2>/dev/null | awk '/^first-frame-ms/ { print $2, $4 }'
}

# One start of each first: the data folder, font and shader caches of a
# machine the editor has run on before.
probe "$editor" > /dev/null
probe "$bare" > /dev/null
: > "$work/editor.txt"
: > "$work/bare.txt"
i=0
while [ "$i" -lt "$rounds" ]; do
    probe "$editor" >> "$work/editor.txt"
    probe "$bare" >> "$work/bare.txt"
    i=$((i + 1))
done

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
editor_ms=$(cut -d' ' -f1 "$work/editor.txt" | median)
bare_ms=$(cut -d' ' -f1 "$work/bare.txt" | median)
editor_kb=$(cut -d' ' -f2 "$work/editor.txt" | median)
bare_kb=$(cut -d' ' -f2 "$work/bare.txt" | median)
echo "editor: first frame $editor_ms ms, resident $((editor_kb / 1024)) MiB   (rounds: $(cut -d' ' -f1 "$work/editor.txt" | tr '\n' ' '))"
echo "bare:   first frame $bare_ms ms, resident $((bare_kb / 1024)) MiB   (rounds: $(cut -d' ' -f1 "$work/bare.txt" | tr '\n' ' '))"
echo "$editor_ms $bare_ms" | awk '{ printf "ratio first frame editor / bare: %.2f\n", $1 / $2 }'
echo "$editor_kb $bare_kb" | awk '{ printf "ratio resident memory editor / bare: %.2f\n", $1 / $2 }'
