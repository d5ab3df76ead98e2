#!/usr/bin/env bash
# The Windows figures, each beside its baseline in the same run: the idle loop's search steps a
# second against the ceiling of two steps per 1 ms sleep as measured there, on Linux and under
# Wine; start-up under Wine against a bare Qt window built the same way (bench/startup.sh); the
# zip's size. Usage: bench/windows.sh [LINUX_BUILD [WINDOWS_BUILD [START-UP RUNS]]]
# (./test.sh leaves both builds, and ./package.sh --windows the zip and the shipped folder.)
set -euo pipefail
cd "$(dirname "$0")/.."
linux=${1:-build} windows=${2:-build-windows} runs=${3:-21}
source scripts/windows-qt.sh
dlls="$QT_WINDOWS/bin:$(dirname "$(x86_64-w64-mingw32-g++-posix -print-file-name=libstdc++-6.dll)"):/usr/x86_64-w64-mingw32/lib"
echo "== the idle loop, Linux"
QT_QPA_PLATFORM=offscreen "$linux/bench/loop_bench" 3 2>/dev/null
echo "== the idle loop, Windows under Wine"
scripts/wine-run.sh --home "$windows/wine" --dlls "$dlls" "$windows/bench/loop_bench.exe" 3 -platform offscreen 2>/dev/null
echo "== start-up under Wine"
bench/startup.sh "$windows" "$runs"
echo "== what a Windows user downloads"
for f in dist/Pelorand-*-win64.zip dist/Pelorand-*-win64.msi; do
  [ -f "$f" ] && echo "$f: $(awk -v b="$(stat -c %s "$f")" 'BEGIN {printf "%.1f MB", b / 1e6}')"
done
