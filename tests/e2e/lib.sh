# Shared by the end-to-end suites (Linux and Wine): their own X server with a window manager
# and a D-Bus session, and the helpers that drive a game window by keys, mouse and clipboard.
# Sourced after the suite has set $work (a scratch folder), $out (where failures keep a
# screenshot) and $bin (the program); $launcher (an array, empty by default) goes before $bin
# when a game starts, as "wine".
launcher=(${launcher[@]+"${launcher[@]}"})
# Xvfb picks a free display itself and writes its number once it is ready: never another
# server's display, and never a start that went unnoticed.
Xvfb -displayfd 3 -screen 0 1280x900x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
xvfb=$!
pids=()
dbus=""
cleanup() {
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null; done
  if declare -F suite_cleanup >/dev/null; then suite_cleanup; fi
  [ -n "$dbus" ] && kill "$dbus" 2>/dev/null
  kill "$xvfb" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
for _ in $(seq 200); do [ -s "$work/display" ] && break; kill -0 "$xvfb" 2>/dev/null || break; sleep 0.05; done
if [ ! -s "$work/display" ]; then
  echo "e2e: the X server (Xvfb) did not start; nothing was checked"
  exit 1
fi
export DISPLAY=:$(head -n 1 "$work/display")
if ! xdpyinfo >/dev/null 2>&1; then
  echo "e2e: the X server on $DISPLAY does not answer; nothing was checked"
  exit 1
fi
# The window manager starts first, outside the D-Bus session below: it needs none, and a
# first start with a fresh home may have to build its font cache, so it gets time.
env -u DBUS_SESSION_BUS_ADDRESS openbox >"$work/openbox.log" 2>&1 &
pids+=($!)
# A D-Bus session of our own, for the screen-reader check (the AT-SPI bus starts on it).
if dbus-daemon --session --fork --print-address=1 --print-pid=4 4>"$work/dbus.pid" >"$work/dbus.address" 2>/dev/null; then
  export DBUS_SESSION_BUS_ADDRESS=$(head -n 1 "$work/dbus.address")
  dbus=$(cat "$work/dbus.pid")
fi
wait_for_wm() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }

failures=0
passed=0
check=""
fail() {
  echo "FAIL [$check]: $*"
  import -window root "$out/$check.png" 2>/dev/null && echo "  screenshot: $out/$check.png"
  failures=$((failures + 1))
}
ok() { echo "ok   [$check]"; passed=$((passed + 1)); }

now_ms() { echo $(( $(date +%s%N) / 1000000 )); }
# wait_for SECONDS COMMAND...: true once COMMAND succeeds, false when time runs out.
wait_for() {
  local end=$(( $(now_ms) + $(awk "BEGIN {print int($1 * 1000)}") )); shift
  until "$@" >/dev/null 2>&1; do
    [ "$(now_ms)" -ge "$end" ] && return 1
    sleep 0.05
  done
}

# game_id CAPTION: the id of a shown window with that caption; fails when there is none, so
# that wait_for can wait for one.
game_id() {
  local id
  id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1)
  [ -n "$id" ] && echo "$id"
}
# window_of CAPTION [SECONDS]: the id of such a window, waiting for it up to SECONDS (2 by
# default). A search can come back empty while another window (the splash, a closing
# dialog) vanishes under it, so it asks again until the time is up.
window_of() {
  local end id
  end=$(( $(now_ms) + $(awk "BEGIN {print int(${2:-2} * 1000)}") ))
  until id=$(game_id "$1"); do
    [ "$(now_ms)" -ge "$end" ] && return 1
    sleep 0.05
  done
  echo "$id"
}
shown() { xdotool search --onlyvisible --pid "$game_pid" 2>/dev/null | wc -l; }
# open_menu KEYS: presses them and waits for the menu to pop up (one more window of the game).
open_menu() {
  local before; before=$(shown)
  keys "$@"
  wait_for 3 bash -c "[ \$(xdotool search --onlyvisible --pid $game_pid 2>/dev/null | wc -l) -gt $before ]"
}
# focus_on ID: waits until the window has the keyboard.
focus_on() { wait_for 3 bash -c "[ \"\$(xdotool getactivewindow 2>/dev/null)\" = '$1' ]"; }
start_game() {  # start_game CAPTION [ARGS...]; sets $game_pid and $win
  local caption=$1; shift
  "${launcher[@]}" "$bin" "$@" >/dev/null 2>&1 &
  game_pid=$!
  pids+=($game_pid)
  win=$(window_of "^$caption\$" 15) || return 1
  xdotool windowactivate --sync "$win" >/dev/null 2>&1
  return 0
}
keys() { xdotool windowactivate --sync "$win" >/dev/null 2>&1; xdotool key --delay 60 "$@"; }
clipboard() { xclip -o -selection clipboard 2>/dev/null; }
clipboard_holds_text() { [ -n "$(clipboard)" ]; }  # asked afresh at each try of wait_for
copy_puzzle() {  # Ctrl+C, then the clipboard text once it has changed from $1
  printf '' | xclip -selection clipboard >/dev/null 2>&1  # it stays behind as the owner
  # Under Wine the first key to a window that has just come up is now and then lost: Ctrl+C is
  # pressed again, up to three times (a copy is the same text however often it is made).
  for _ in 1 2 3; do
    keys ctrl+c
    wait_for 3 clipboard_holds_text && { clipboard; return 0; }
  done
  return 1
}
faces() { sed -e 's/^Solve: //' -e 's/ => .*//' <<<"$1"; }
answer() { sed -e 's/.* => //' <<<"$1"; }
exit_game() {
  open_menu alt+f
  xdotool key x
  wait_for 3 bash -c "! kill -0 $game_pid"
}

if ! wait_for 30 wait_for_wm; then
  echo "e2e: the window manager did not start on $DISPLAY (openbox $(kill -0 "${pids[0]}" 2>/dev/null && echo running || echo gone)); it said:"
  sed 's/^/  /' "$work/openbox.log"
  exit 1
fi
