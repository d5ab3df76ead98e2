#!/usr/bin/env bash
# Makes the README's pictures of the board (docs/board.png, board-de.png, board-fr.png): the game
# and Your Answer mid-game on 3 3 8 8, in each language, on a display of their own with a window
# manager. Usage: scripts/board-pictures.sh [BUILD_DIR]   (needs Xvfb, openbox, xdotool, imagemagick)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
SCREEN=1280x680 source scripts/pictures/x-session.sh
# Face cards 3 3 8 8 at positions 16 to 19, the answer card 24 at 20, every other card a 1.
{ printf '\x19\x04\x14'; for p in $(seq 3 54); do
    case $p in 16|17) printf '\x03';; 18|19) printf '\x08';; 20) printf '\x18';; *) printf '\x01';; esac
  done; } >"$work/eights.pld"
for lang in en de fr; do
  case $lang in en) locale=en_GB.UTF-8;; de) locale=de_DE.UTF-8;; fr) locale=fr_FR.UTF-8;; esac
  home="$work/home-$lang"
  mkdir -p "$home"
  HOME=$home XDG_CONFIG_HOME=$home/.config LANG=$locale LANGUAGE=$lang "$build/pelorand" "$work/eights.pld" &
  game=$!
  for _ in $(seq 50); do xdotool search --name "^eights.pld - Pelorand\$" >/dev/null 2>&1 && break; sleep 0.2; done
  win=$(xdotool search --name "^eights.pld - Pelorand\$" | head -1)
  xdotool windowmove "$win" 0 0
  sleep 1  # the computer finds its answer first, as it does for a new player
  xdotool windowactivate --sync "$win" key ctrl+e
  sleep 1.5
  xdotool getactivewindow windowmove 522 25  # beside the game, its caption on the screen
  sleep 0.5
  xdotool type --delay 80 "3/1"  # 8 / 3
  xdotool type --delay 80 "1-"   # then 3 and minus picked
  sleep 1
  out=docs/board${lang/#en/}.png
  [ "$lang" = en ] || out=docs/board-$lang.png
  import -window root "$out"
  echo "$out"
  kill "$game"; wait "$game" 2>/dev/null || true
done
