#!/usr/bin/env bash
# Builds the fuzz targets (the fuzz preset: clang, libFuzzer, AddressSanitizer, UBSan) and runs
# each for SECONDS (default 600), two at a time, from its seed corpus in fuzz/corpus/<target>/.
# New inputs go to build-fuzz/found/<target>/ (the seeds in the tree are left alone), a crash
# to build-fuzz/crashes/. Prints each target's executions and coverage; exits 1 when any
# target found a fault (its input is named in the log).
#   scripts/fuzz.sh [SECONDS] [TARGET...]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-600}
shift || true
bash scripts/install-deps.sh fuzz
cmake --preset fuzz >/dev/null
cmake --build build-fuzz -j "$(nproc 2>/dev/null || echo 2)"
targets=("$@")
if [[ ${#targets[@]} -eq 0 ]]; then
  for f in fuzz/*.cpp; do targets+=("$(basename "$f" .cpp)"); done
fi
out=build-fuzz/runs
mkdir -p "$out" build-fuzz/crashes
export ASAN_OPTIONS=detect_leaks=1:allocator_may_return_null=1
run_one() {
  local t=$1 seconds=$2
  mkdir -p "build-fuzz/found/$t"
  if ./build-fuzz/fuzz/fuzz_"$t" -max_total_time="$seconds" -rss_limit_mb=4096 -timeout=20 -print_final_stats=1 \
    -artifact_prefix="build-fuzz/crashes/$t-" "build-fuzz/found/$t" "fuzz/corpus/$t" >"build-fuzz/runs/$t.log" 2>&1; then
    local execs cov
    execs=$(grep -a 'stat::number_of_executed_units' "build-fuzz/runs/$t.log" | awk '{print $2}')
    cov=$(grep -a DONE "build-fuzz/runs/$t.log" | grep -ao 'cov: [0-9]*' | tail -1)
    printf '%-14s ok     %10s executions  %s\n' "$t" "${execs:-?}" "${cov:-cov: ?}"
  else
    printf '%-14s FAILED (see build-fuzz/runs/%s.log)\n' "$t" "$t"
    grep -a -m3 -E 'ERROR|does not hold|Test unit written' "build-fuzz/runs/$t.log" | sed 's/^/    /'
    return 1
  fi
}
export -f run_one
printf '%s\n' "${targets[@]}" | xargs -P 2 -I{} bash -c 'run_one "$@"' _ {} "$seconds"
