#!/usr/bin/env bash
# Prints every performance figure the README quotes. Usage: bench/run.sh [BUILD_DIR]
set -euo pipefail
build=${1:-build}
echo "machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //')"
"$build/bench/engine_bench" --benchmark_repetitions=3 --benchmark_report_aggregates_only=true 2>/dev/null \
  | grep -E 'median|Benchmark|----'
QT_QPA_PLATFORM=offscreen "$build/bench/loop_bench" 3 2>/dev/null
"$(dirname "$0")/startup.sh" "$build" 5
