#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (AddressSanitizer and UndefinedBehaviorSanitizer) and
# runs each for the given seconds (default 60) from its committed seed corpus. A finding stops
# that target and is kept in build-fuzz/artifacts; add it to fuzz/regressions/<target>/ once
# fixed, and the normal test suite replays it.  Usage: ./fuzz.sh [seconds] [target...]
set -euo pipefail
cd "$(dirname "$0")"
seconds=${1:-60}
shift || true
targets=("${@:-eval search deck settings solver answer player counter puzzletext record log answervalue countersmall settingvalues board level levelsmall}")
read -r -a targets <<<"${targets[*]}"
EXTRA_PACKAGES="clang libclang-rt-14-dev"
BUILD_DIR=build-fuzz
CMAKE_ARGS="-DPELORAND_FUZZ=ON -DCMAKE_CXX_COMPILER=clang++"
source scripts/setup.sh
mkdir -p build-fuzz/artifacts
status=0
for t in "${targets[@]}"; do
  work=build-fuzz/corpus/$t
  mkdir -p "$work"
  cp -n fuzz/corpus/$t/* "$work"/ 2>/dev/null || true
  cp -n fuzz/regressions/$t/* "$work"/ 2>/dev/null || true
  # A board of seven cards is played out in 18 picks: 64 moves take in undos and starts over.
  case $t in eval) max_len=5000 ;; board) max_len=64 ;; *) max_len=512 ;; esac
  log=build-fuzz/$t.log
  if QT_QPA_PLATFORM=offscreen "build-fuzz/fuzz/fuzz_$t" "$work" -max_total_time="$seconds" -max_len="$max_len" \
       -timeout=10 -print_final_stats=1 -artifact_prefix=build-fuzz/artifacts/"$t"- >"$log" 2>&1; then
    result="no finding"
  else
    result="FINDING (see $log and build-fuzz/artifacts)"
    status=1
  fi
  runs=$(awk '/stat::number_of_executed_units/ {print $2}' "$log")
  rate=$(awk -v r="$runs" -v s="$seconds" 'BEGIN {printf "%.0f", r / s}')
  echo "fuzz_$t: $result; $runs executions in ${seconds} s, about $rate per second"
done
exit $status
