#!/usr/bin/env bash
# Makes the README's pictures for teachers: Statistics with its charts (docs/statistics.png)
# and Options' Rules page (docs/options-rules.png), over a made-up season of play, with four
# cards, "+ and − only" and puzzles with no answer on. Usage: scripts/class-pictures.sh [BUILD_DIR]
# (needs Xvfb, openbox, xdotool, imagemagick, and a build with its libpelorand_core.a)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
SCREEN=1400x900 source scripts/pictures/x-session.sh
g++ -std=c++20 -O1 -I. -I"$build/generated" scripts/pictures/season.cpp "$build/libpelorand_core.a" -o "$work/season"
home=$work/home
mkdir -p "$home/.config/Pelorand" "$home/.local/share/Pelorand"
"$work/season" "$home/.local/share/Pelorand/log.txt" "$home/.config/Pelorand/Pelorand.ini"
printf '[Game]\nFaceCards=4\nOperations=1\nDealNoAnswers=1\n' >>"$home/.config/Pelorand/Pelorand.ini"
HOME=$home XDG_CONFIG_HOME=$home/.config XDG_DATA_HOME=$home/.local/share USER=Sam LANG=en_GB.UTF-8 LANGUAGE=en "$build/pelorand" &
game=$!
for _ in $(seq 50); do xdotool search --name " - Pelorand\$" >/dev/null 2>&1 && break; sleep 0.2; done
sleep 2
win=$(xdotool search --name " - Pelorand\$" | head -1)
xdotool windowmove "$win" 0 0
xdotool windowactivate --sync "$win" key alt+v
sleep 0.5
xdotool key s
sleep 2
xdotool getactivewindow windowmove 0 22
sleep 1
import -window root "$work/stats.png"
convert "$work/stats.png" -trim +repage docs/statistics.png
xdotool key Escape
sleep 1
xdotool windowactivate --sync "$win" key alt+v
sleep 0.5
xdotool key o
sleep 1.5
xdotool key ctrl+Tab
sleep 1
import -window root "$work/options.png"
convert "$work/options.png" -trim +repage docs/options-rules.png
kill $game
echo "made docs/statistics.png and docs/options-rules.png"
