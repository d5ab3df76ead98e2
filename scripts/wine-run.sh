#!/usr/bin/env bash
# Runs a Windows program under Wine the way the suite does: in a Wine prefix and HOME of the
# build's own (made on first use), with no downloads and no menu entries on this machine, the
# DLLs found where they were built, carriage returns taken out of what it prints, and its exit
# status kept. ctest runs every Windows test through it.
# Usage: wine-run.sh --home DIR [--dlls DIR:DIR:...] PROGRAM [ARGS...]
set -uo pipefail
home="" dlls=""
while [ $# -gt 0 ]; do
  case "$1" in
    --home) home=$2; shift 2 ;;
    --dlls) dlls=$2; shift 2 ;;
    *) break ;;
  esac
done
[ -n "$home" ] || { echo "wine-run.sh: --home DIR is needed" >&2; exit 2; }
mkdir -p "$home/home"
home=$(cd "$home" && pwd)  # Wine takes only an absolute prefix
export HOME=$home/home WINEPREFIX=$home/prefix WINEARCH=win64 WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe=d"
unset DISPLAY WAYLAND_DISPLAY  # the tests draw offscreen; a window of their own needs the caller to set DISPLAY again
[ -n "${PELORAND_WINE_DISPLAY:-}" ] && export DISPLAY=$PELORAND_WINE_DISPLAY
if [ -n "$dlls" ]; then
  path=""
  IFS=: read -ra dirs <<<"$dlls"
  for d in "${dirs[@]}"; do path+="${path:+;}Z:$d"; done
  export WINEPATH=$path
fi
# One prefix for the run, made once even when tests start side by side; and one server for the
# run, kept a minute after the last program, started with nothing of ours open.
(
  flock 9
  if [ ! -f "$WINEPREFIX/.made" ]; then
    wine wineboot --init </dev/null >/dev/null 2>&1 9>&-
    # Wine's own stand-ins for Windows' fonts (Tahoma, its dialog font): Debian's Wine does not
    # find them by itself, and without them its dialog font falls back to a serif from the host.
    cp /usr/share/wine/fonts/*.tt[fc] "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null
    touch "$WINEPREFIX/.made"
  fi
  wineserver -p60 </dev/null >/dev/null 2>&1 9>&-  # not holding the lock for its whole life
) 9>"$home/.lock"
# Its output goes to files first: whatever it starts (Wine's desktop, its services) inherits its
# output and keeps a pipe open until it ends, and ctest would wait for that.
out=$(mktemp) err=$(mktemp)
trap 'rm -f "$out" "$err"' EXIT
wine "$@" >"$out" 2>"$err"
status=$?
tr -d '\r' <"$err" >&2
tr -d '\r' <"$out"
exit "$status"
