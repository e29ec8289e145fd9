#!/bin/sh
# Times compressing a frame sequence at level 2 (medium quality) the way the
# editor does it (worker thread, a copy of each frame, one pngquant process
# per frame, the finished folder put in place) against a shell loop that
# runs the same pngquant command with the same program on the same frames.
# The two alternate, taking turns at going first; the script prints the
# median wall time of each and their ratio, the fastest round of each (the
# one other load on the machine disturbed least) and their ratio, and the
# CPU time of the quantiser processes.
#
#   bench/compress_frames.sh [build folder]     (default: build)
#   FRAMES=300 SIZE=512 ROUNDS=3 bench/compress_frames.sh build-comp
set -eu

build=${1:-build}
frames=${FRAMES:-300}
size=${SIZE:-512}
rounds=${ROUNDS:-3}
root=$(cd "$(dirname "$0")/.." && pwd)
case $build in /*) ;; *) build=$root/$build ;; esac
bench=$build/bench/lwbench_compress_frames

if [ ! -x "$bench" ]; then
    echo "build the benchmark first: ninja -C $build lwbench_compress_frames" >&2
    exit 1
fi

work=$(mktemp -d "${TMPDIR:-/tmp}/lwbench.XXXXXX")
trap 'rm -rf "$work"' EXIT INT TERM
mkdir -p "$work/home"
mkdir -m 700 "$work/home/.runtime"
export XDG_RUNTIME_DIR="$work/home/.runtime"

"$bench" make "$work/frames" "$frames" "$size"
quantiser=$("$bench" install "$work/home")
bytes=$(du -sb "$work/frames" | cut -f1)
echo "frames: $frames PNG of ${size}x${size}, $((bytes / 1024 / 1024)) MiB in total; quantiser: $quantiser"
cat "$work/frames"/* > /dev/null # both read from the page cache

now_ms() { date +%s%N | awk '{ printf "%.2f", $1 / 1000000 }'; }

shell_loop() {
    mkdir -p "$1"
    for frame in "$work/frames"/*.png; do
        # 98 and 99: the frame is left as it is (larger, or below quality).
        "$quantiser" --force --skip-if-larger --quality 60-90 --speed 2 --floyd=0.8 \
            "$frame" --output "$1/${frame##*/}" || true
    done
}

# The second line of "times": CPU time of the processes the shell waited for.
children_ms() {
    awk 'NR == 2 {
        n = split($1 " " $2, t, " "); ms = 0
        for (i = 1; i <= n; i++) { split(t[i], p, "m"); sub("s", "", p[2]); ms += (p[1] * 60 + p[2]) * 1000 }
        printf "%.2f\n", ms }'
}

run_loop() {
    sync
    start=$(now_ms)
    # "times" runs in the same subshell as the loop, which waited for every
    # quantiser process.
    cpu=$( (shell_loop "$work/out"; times) | children_ms)
    end=$(now_ms)
    echo "$end $start $cpu" | awk '{ printf "%.2f %.2f\n", $1 - $2, $3 }' >> "$work/loop.txt"
    rm -rf "$work/out"
}

run_editor() {
    sync
    "$bench" compress "$work/frames" "$work/home" 2 >> "$work/editor.txt"
}

: > "$work/loop.txt"
: > "$work/editor.txt"
i=0
while [ "$i" -lt "$rounds" ]; do
    if [ $((i % 2)) -eq 0 ]; then run_loop; run_editor; else run_editor; run_loop; fi
    i=$((i + 1))
done

fastest() { cut -d' ' -f"$2" "$1" | sort -n | head -n 1; }
median() { cut -d' ' -f"$2" "$1" | sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
rounds_of() { cut -d' ' -f"$2" "$1" | tr '\n' ' '; }
loop_ms=$(median "$work/loop.txt" 1)
editor_ms=$(median "$work/editor.txt" 1)
loop_cpu=$(median "$work/loop.txt" 2)
editor_cpu=$(median "$work/editor.txt" 2)
echo "shell loop: $loop_ms ms   (rounds: $(rounds_of "$work/loop.txt" 1))"
echo "editor:     $editor_ms ms   (rounds: $(rounds_of "$work/editor.txt" 1))"
echo "$editor_ms $loop_ms" | awk '{ printf "ratio editor / shell loop: %.3f\n", $1 / $2 }'
loop_min=$(fastest "$work/loop.txt" 1)
editor_min=$(fastest "$work/editor.txt" 1)
echo "$editor_min $loop_min" | awk '{ printf "fastest rounds: editor %.2f ms, shell loop %.2f ms, ratio %.3f\n", $1, $2, $1 / $2 }'
echo "quantiser CPU, shell loop: $loop_cpu ms   (rounds: $(rounds_of "$work/loop.txt" 2))"
echo "quantiser CPU, editor:     $editor_cpu ms   (rounds: $(rounds_of "$work/editor.txt" 2))"
echo "$editor_cpu $loop_cpu" | awk '{ printf "ratio CPU editor / shell loop: %.3f\n", $1 / $2 }'
