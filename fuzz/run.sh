#!/usr/bin/env bash
# Builds the libFuzzer targets with clang in ./build-fuzz and runs each for
# SECONDS seconds (default 60), one after the other:
#
#     fuzz/run.sh [SECONDS] [TARGET...]
#
# Every target found (fuzz/fuzz_*.cpp) runs unless targets are named. The
# inputs each target found worth keeping grow its corpus in
# build-fuzz/corpus/<target>, started from fuzz/seeds/<target>; an input
# that crashes a target is kept in build-fuzz/crashes/<target>/. The script
# ends with the executions and crashes (of this run) of every target, and
# fails when a target crashed. Without a display the targets run on a
# virtual one.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
[ $# -gt 0 ] && shift

# What the build and the virtual display need, clang and its fuzzer
# run-time: first, so that a machine without a virtual display gets one
# before the choice below.
scripts/install-packages.sh cmake pkg-config libfox-1.6-dev libx11-dev xvfb xauth clang libclang-rt-dev

if [ -z "${DISPLAY:-}" ] && [ -z "${QG_FUZZ_UNDER_XVFB:-}" ]; then
  export QG_FUZZ_UNDER_XVFB=1
  exec xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" "$0" "$seconds" "$@"
fi

cmake -S . -B build-fuzz -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DQUILLGRID_FUZZ=ON -DQUILLGRID_TESTS=OFF -DQUILLGRID_BENCH=OFF >/dev/null
cmake --build build-fuzz -j"$(nproc)" >/dev/null

targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  for f in fuzz/fuzz_*.cpp; do targets+=("$(basename "$f" .cpp)"); done
fi

export LSAN_OPTIONS="suppressions=$PWD/.ci/lsan-suppressions.txt:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
status=0
summary=""
for t in "${targets[@]}"; do
  corpus="$PWD/build-fuzz/corpus/$t"
  crashes="$PWD/build-fuzz/crashes/$t"
  log="$PWD/build-fuzz/logs/$t.log"
  mkdir -p "$corpus" "$crashes" "$(dirname "$log")"
  [ -d "fuzz/seeds/$t" ] && cp -n fuzz/seeds/"$t"/* "$corpus"/ 2>/dev/null || true
  started="$crashes/.started"
  : >"$started"
  echo "== $t: $seconds s"
  # libFuzzer keeps to its time; the outer limit only ends a target that
  # hangs before it starts fuzzing.
  timeout --kill-after=10 $((seconds + 120)) "build-fuzz/fuzz/$t" -max_total_time="$seconds" -timeout=10 \
    -rss_limit_mb=2560 -print_final_stats=1 -artifact_prefix="$crashes/" "$corpus" >"$log" 2>&1 || true
  runs=$(awk '/stat::number_of_executed_units/ {print $2}' "$log" | tail -1)
  found=$(find "$crashes" -type f -newer "$started" | wc -l)
  [ "$found" -eq 0 ] || { status=1; grep -E "ERROR|check failed|runtime error" "$log" | head -5 || true; }
  summary+=$(printf '%-28s %12s executions %4s crashes' "$t" "${runs:-?}" "$found")$'\n'
done
printf '\n%s' "$summary"
exit $status
