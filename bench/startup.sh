#!/usr/bin/env bash
# Time from starting the pelorand binary to its game window being mapped, in a real X server.
# Usage: bench/startup.sh BUILD_DIR [runs]. Starts its own Xvfb when no DISPLAY is set.
set -euo pipefail
build=${1:-build}
runs=${2:-5}
if [ -z "${DISPLAY:-}" ]; then
  export DISPLAY=:77
  Xvfb "$DISPLAY" -screen 0 1280x900x24 >/dev/null 2>&1 &
  xvfb=$!
  trap 'kill $xvfb 2>/dev/null' EXIT
  for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
fi
home=$(mktemp -d)
times=()
for _ in $(seq "$runs"); do
  start=$(date +%s%N)
  HOME=$home "$build/pelorand" >/dev/null 2>&1 &
  pid=$!
  timeout 20 xdotool search --sync --onlyvisible --name '^Untitled - Pelorand$' >/dev/null
  end=$(date +%s%N)
  times+=($(( (end - start) / 1000000 )))
  kill "$pid" 2>/dev/null; wait "$pid" 2>/dev/null || true
done
rm -rf "$home"
sorted=($(printf '%s\n' "${times[@]}" | sort -n))
echo "start to game window shown: median ${sorted[$((runs / 2))]} ms over $runs runs (${times[*]})"
