#!/bin/sh
# Builds the fuzz targets and runs each for the given number of seconds
# (default 120), one after the other, then prints one line per target.
#   fuzz/run.sh [seconds] [target...]
# Work corpora, logs and findings go to <build>/fuzz-work/<target>/; the
# committed seeds in fuzz/corpus/<target>/ are read, never written. A
# finding is a file in artifacts/ (crash-*, timeout-*, oom-*, or
# leak-pass.log when the final corpus leaks).
# LW_FUZZ_BUILD_DIR picks another build folder (default build-fuzz).
set -eu

seconds=${1:-120}
[ $# -gt 0 ] && shift
root=$(cd "$(dirname "$0")/.." && pwd)
build=${LW_FUZZ_BUILD_DIR:-$root/build-fuzz}
targets=${*:-"fuzz_projectfile fuzz_effect fuzz_package fuzz_sticker fuzz_makeup fuzz_recent fuzz_resources fuzz_profile fuzz_zip fuzz_image fuzz_online"}

launcher=
command -v ccache >/dev/null 2>&1 && launcher=-DCMAKE_CXX_COMPILER_LAUNCHER=ccache
CC=clang CXX=clang++ cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLW_FUZZ=ON \
    $launcher >/dev/null
# shellcheck disable=SC2086
cmake --build "$build" -j1 --target $targets

# Leaks are looked for once per target on its final corpus, with full
# stacks so that the suppressions (leaks of libraries below us) can match:
# unwinding that way on every allocation would slow fuzzing tenfold.
fuzz_asan=allocator_may_return_null=1:detect_leaks=0
leak_asan=allocator_may_return_null=1:detect_leaks=1:fast_unwind_on_malloc=0:malloc_context_size=40
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
export LSAN_OPTIONS=${LSAN_OPTIONS:-suppressions=$root/fuzz/lsan.supp:print_suppressions=0}
# The targets write and fsync many small files; in memory that costs little.
if [ -z "${TMPDIR:-}" ] && [ -d /dev/shm ] && [ -w /dev/shm ]; then
    export TMPDIR=/dev/shm
fi

summary=$build/fuzz-work/summary.txt
mkdir -p "$build/fuzz-work"
printf '%-18s %10s %8s %7s %7s %9s\n' target execs seconds cov ft findings >"$summary"
for target in $targets; do
    work=$build/fuzz-work/$target
    mkdir -p "$work/corpus" "$work/artifacts"
    dict=
    [ -f "$root/fuzz/dict/$target.dict" ] && dict=-dict=$root/fuzz/dict/$target.dict
    seeds=
    [ -d "$root/fuzz/corpus/$target" ] && seeds=$root/fuzz/corpus/$target
    start=$(date +%s)
    # shellcheck disable=SC2086
    (cd "$work" && ASAN_OPTIONS=$fuzz_asan "$build/fuzz/$target" -max_total_time="$seconds" -jobs=1 -workers=1 \
        -rss_limit_mb=2048 -timeout=10 -detect_leaks=0 -print_final_stats=1 -artifact_prefix="$work/artifacts/" \
        $dict "$work/corpus" $seeds >"$work/run.log" 2>&1) || true
    elapsed=$(( $(date +%s) - start ))
    log=$work/fuzz-0.log
    [ -f "$log" ] || log=$work/run.log
    # shellcheck disable=SC2086
    if ! (cd "$work" && ASAN_OPTIONS=$leak_asan "$build/fuzz/$target" -runs=0 -rss_limit_mb=4096 "$work/corpus" \
            $seeds >"$work/leaks.log" 2>&1); then
        cp "$work/leaks.log" "$work/artifacts/leak-pass.log"
    fi
    execs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
    last=$(grep -E '^#[0-9]+' "$log" | tail -n 1)
    cov=$(printf "%s\n" "$last" | sed -n 's/.*cov: \([0-9]*\).*/\1/p')
    ft=$(printf "%s\n" "$last" | sed -n 's/.*ft: \([0-9]*\).*/\1/p')
    findings=$(find "$work/artifacts" -type f | wc -l)
    printf '%-18s %10s %8s %7s %7s %9s\n' "$target" "${execs:-?}" "$elapsed" "${cov:-?}" "${ft:-?}" "$findings" \
        >>"$summary"
    mv "$log" "$work/last.log" 2>/dev/null || true
done
cat "$summary"
