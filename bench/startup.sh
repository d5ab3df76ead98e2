#!/usr/bin/env bash
# Time from starting a program to its window being managed, in a real X server with a window
# manager: the game beside a bare Qt main window (menu, tool bar, status bar) measured the same
# way in the same run, and their ratio. The moment comes from the window manager's own
# property-change event on _NET_CLIENT_LIST (xprop -spy), so nothing is polled. Each run starts
# the game and then the bare window, so the two see the same machine; the ratio printed is the
# median of the runs' own ratios (game over bare), beside the ratio of the two medians.
# Usage: bench/startup.sh BUILD_DIR [runs, 9 by default]. Starts Xvfb and openbox when no
# DISPLAY is set. PELORAND_TRACE_STARTUP=1 build/pelorand prints where the game's own time goes.
# A Windows build (build-windows, packed by ./package.sh --windows) runs under Wine: the shipped
# folder with the bare window beside it, in a prefix of its own that one untimed start warms.
set -euo pipefail
build=$(readlink -f "${1:-build}")
runs=${2:-9}
if [ -z "${DISPLAY:-}" ]; then
  export DISPLAY=:77
  Xvfb "$DISPLAY" -screen 0 1280x900x24 -nolisten tcp >/dev/null 2>&1 &
  xvfb=$!
  trap 'kill $xvfb $wm 2>/dev/null' EXIT
  for _ in $(seq 100); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.05; done
  openbox >/dev/null 2>&1 &
  wm=$!
  sleep 0.5
fi
home=$(mktemp -d)
game_cmd=("$build/pelorand") bare_cmd=("$build/bench/bare_window")
if [ -f "$build/pelorand.exe" ]; then
  [ -d "$build/stage/Pelorand" ] || { echo "no $build/stage/Pelorand: ./package.sh --windows makes it"; exit 1; }
  cp -r "$build/stage/Pelorand" "$home/program"
  cp "$build/bench/bare_window.exe" "$home/program/"
  export WINEPREFIX=$home/prefix WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe=d"
  HOME=$home wine wineboot --init >/dev/null 2>&1
  cp /usr/share/wine/fonts/*.tt[fc] "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
  HOME=$home wineserver -p60 || true  # kept running between the starts (a running one stays)
  game_cmd=(wine "$home/program/pelorand.exe") bare_cmd=(wine "$home/program/bare_window.exe")
  trap 'HOME=$home wineserver -k 2>/dev/null || true; kill ${xvfb:-} ${wm:-} 2>/dev/null || true' EXIT
fi

now_ns() { date +%s%N; }

# measure TITLE COMMAND...: milliseconds from the start of COMMAND to a managed window TITLE.
measure() {
  local title=$1; shift
  local fifo=$home/spy
  rm -f "$fifo"; mkfifo "$fifo"
  stdbuf -oL xprop -root -spy _NET_CLIENT_LIST >"$fifo" 2>/dev/null &
  local spy=$!
  exec 3<"$fifo"
  local line known start found=""
  read -r known <&3  # the list as it stands before the start
  start=$(now_ns)
  HOME=$home "$@" >/dev/null 2>&1 &
  local pid=$!
  while [ -z "$found" ] && read -r -t 20 line <&3; do
    local at; at=$(now_ns)
    for id in $(grep -o '0x[0-9a-f]*' <<<"$line"); do
      grep -q "$id" <<<"$known" && continue
      if xprop -id "$id" WM_NAME 2>/dev/null | grep -q "\"$title\""; then found=$(( (at - start) / 1000000 )); fi
    done
    known=$line
  done
  exec 3<&-
  kill "$pid" "$spy" 2>/dev/null; wait "$pid" 2>/dev/null || true
  echo "${found:-timeout}"
}

median() { printf '%s\n' "$@" | sort -n | awk '{a[NR] = $1} END {print a[int((NR + 1) / 2)]}'; }

game=(); bare=()
if [ "${game_cmd[0]}" = wine ]; then  # Wine's first start of a program loads and caches what it needs
  measure "Untitled - Pelorand" "${game_cmd[@]}" >/dev/null
  measure "Bare Qt window" "${bare_cmd[@]}" >/dev/null
fi
for _ in $(seq "$runs"); do  # interleaved, so both see the same machine load
  game+=("$(measure "Untitled - Pelorand" "${game_cmd[@]}")")
  bare+=("$(measure "Bare Qt window" "${bare_cmd[@]}")")
done
rm -rf "$home"
g=$(median "${game[@]}"); b=$(median "${bare[@]}")
ratios=()
for i in "${!game[@]}"; do
  [[ ${game[$i]} =~ ^[0-9]+$ && ${bare[$i]} =~ ^[0-9]+$ && ${bare[$i]} -gt 0 ]] || continue
  ratios+=("$(awk -v g="${game[$i]}" -v b="${bare[$i]}" 'BEGIN {printf "%.3f", g / b}')")
done
echo "start to game window shown: median $g ms over $runs runs (${game[*]})"
echo "start to bare Qt window shown: median $b ms over $runs runs (${bare[*]})"
if [ ${#ratios[@]} -gt 0 ]; then
  r=$(printf '%s\n' "${ratios[@]}" | sort -g | awk '{a[NR] = $1} END {print a[int((NR + 1) / 2)]}')
  awk -v r="$r" -v n="${#ratios[@]}" -v g="$g" -v b="$b" \
    'BEGIN {printf "the game takes %.2f times as long as a bare Qt window (median of %d runs'"'"' ratios; the medians'"'"' ratio %.2f)\n", r, n, g / b}'
fi
