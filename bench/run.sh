#!/usr/bin/env bash
# Prints every figure docs/performance.md and docs/levels.md quote. Usage: bench/run.sh [BUILD_DIR]
set -euo pipefail
build=${1:-build}
echo "machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //')"
engine=$("$build/bench/engine_bench" --benchmark_repetitions=3 --benchmark_report_aggregates_only=true 2>/dev/null \
  | grep -E 'median|Benchmark|----')
echo "$engine"
echo "$engine" | awk '/BM_EvalExpr_median/ {g = $2} /BM_ReferenceEval_median/ {r = $2}
  END {if (r > 0) printf "EvalExpr takes %.1f times as long as the plain reference evaluator\n", g / r}'
"$build/bench/solver_bench" 100 3
"$build/bench/player_bench" 100 40
"$build/bench/deal_bench" 300
"$build/bench/level_fit"  # the level against people: docs/levels.md's table of correlations
QT_QPA_PLATFORM=offscreen "$build/bench/loop_bench" 3 2>/dev/null
"$(dirname "$0")/startup.sh" "$build" 5
