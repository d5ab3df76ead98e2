#!/usr/bin/env bash
# End-to-end checks of the Windows program under Wine, in its own X server, Wine prefix and HOME:
# the zip's folder unpacked where a path has a space and started without any help from the build
# tree, driven by keys and the clipboard as a player would; the registry it writes; the console
# twin; then the installer, installed, started, opened by a double-clicked deck and removed.
# Usage: wine_e2e.sh ZIP MSI STAND_IN_TOOL OUTPUT_DIR. Each failure keeps a screenshot in
# OUTPUT_DIR, and the first start leaves windows.png there (the README's picture).
set -uo pipefail
zip=$(readlink -f "$1")
msi=$(readlink -f "$2")
tool=$(readlink -f "$3")
out=$(readlink -f "${4:-wine-e2e-out}")
mkdir -p "$out"
work=$(mktemp -d)
export HOME=$work/home WINEPREFIX=$work/prefix WINEARCH=win64 WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe=d"  # no downloads, no menu entries here
unset WINEPATH XDG_CONFIG_HOME XDG_RUNTIME_DIR
mkdir -p "$HOME"
launcher=(wine)
suite_cleanup() { wineserver -k 2>/dev/null; }
source "$(dirname "$0")/lib.sh"

# Windows' text ends lines with CR LF; the registry tool's output is compared without the CRs.
win() { wine "$@" 2>/dev/null | tr -d '\r'; return "${PIPESTATUS[0]}"; }
# A Unix path as Windows programs see it: Wine's drive Z: is the Unix root.
winpath() { local p; p=$(readlink -m "$1"); echo "Z:${p//\//\\}"; }
reg_query() { win reg query "$@"; }

check=prefix
# The Wine server outlives the programs; the end of the suite stops it (suite_cleanup), as
# ctest waits for whatever holds the suite's output open.
if ! wine wineboot --init >"$work/wineboot.log" 2>&1 </dev/null; then
  fail "no Wine prefix: $(tail -n 3 "$work/wineboot.log")"
  echo "wine e2e: $passed passed, $failures failed"
  exit 1
fi
# Wine's own stand-ins for Windows' fonts (Debian's Wine does not find them by itself), and Arial
# as Liberation Sans, which has its metrics, as a Windows machine has Arial.
cp /usr/share/wine/fonts/*.tt[fc] "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null
win reg add 'HKCU\Software\Wine\Fonts\Replacements' /v Arial /t REG_SZ /d 'Liberation Sans' /f >/dev/null
# The game and its installer are for Windows 10 or later; a new prefix says Windows 7.
win winecfg -v win10 >/dev/null
ok

check=first-start
folder="$work/Program Folder"
mkdir -p "$folder"
if ! unzip -q "$zip" -d "$folder"; then fail "the zip did not unpack"; fi
bin="$folder/Pelorand/pelorand.exe"
if start_game "Untitled - Pelorand"; then
  sleep 1
  import -window "$win" -frame "$out/windows.png" 2>/dev/null
  ok
else
  fail "no window titled 'Untitled - Pelorand' from the unpacked zip"
fi

check=deal
before=$(copy_puzzle)
keys alt+d
after=$(copy_puzzle)
read -r -a f1 <<<"$(faces "$before" | tr -d ,)"
read -r -a f2 <<<"$(faces "$after" | tr -d ,)"
if [ ${#f1[@]} -ne 5 ] || [ ${#f2[@]} -ne 5 ]; then fail "clipboard '$before' / '$after' has not five face cards"
elif [ "$(answer "$after")" != "${f1[4]}" ] || [ "${f2[*]:1}" != "${f1[*]:0:4}" ]; then fail "Deal did not move down the ring: '$before' -> '$after'"
else ok; fi

check=save-55-bytes
saved=$work/kept.pld
open_menu alt+f
xdotool key a
if wait_for 5 game_id "^Save puzzle\$"; then
  focus_on "$(window_of "^Save puzzle\$")"
  xdotool key ctrl+a
  xdotool type --delay 20 "$(winpath "$saved")"
  xdotool key Return
  if ! wait_for 5 test -f "$saved"; then fail "no file written by Save As"
  elif [ "$(stat -c %s "$saved")" != 55 ]; then fail "saved file has $(stat -c %s "$saved") bytes"
  elif ! wait_for 3 game_id "^kept.pld - Pelorand\$"; then fail "caption did not become kept.pld - Pelorand"
  else ok; fi
else
  fail "the Save puzzle dialog did not open"
fi

check=help
win=$(window_of "Pelorand\$")
keys F1
if wait_for 10 game_id "^Pelorand Help\$"; then ok; else fail "F1 showed no help"; fi

check=system-info
win=$(window_of "kept.pld - Pelorand\$")
open_menu alt+h
xdotool key a
if wait_for 5 game_id "^About Pelorand\$"; then
  about=$(window_of "^About Pelorand\$")
  focus_on "$about"
  xdotool key alt+s
  if ! wait_for 5 game_id "^Pelorand\$"; then fail "with no tool registered, no message"
  else
    box=$(window_of "^Pelorand\$")
    xdotool windowactivate --sync "$box" >/dev/null 2>&1
    xdotool key Return
    wait_for 3 bash -c "! xdotool search --onlyvisible --name '^Pelorand\$'"
    mkdir -p "$work/tools"
    cp "$tool" "$work/tools/MSINFO32.EXE"
    win reg add 'HKLM\SOFTWARE\Microsoft\Shared Tools Location' /v MSINFO /t REG_SZ /d "$(winpath "$work/tools")" /f >/dev/null
    focus_on "$about"
    xdotool windowactivate --sync "$about" >/dev/null 2>&1
    xdotool key alt+s
    if wait_for 10 test -f "$work/tools/MSINFO32.EXE.started"; then ok
    else fail "with location 2 registered, MSINFO32.EXE was not started"; fi
  fi
  # OK; the stand-in tool's start may take the first key, so it is pressed again while the box stays.
  for _ in 1 2 3; do
    xdotool windowactivate --sync "$about" >/dev/null 2>&1
    xdotool key Return
    wait_for 3 bash -c "! xdotool search --onlyvisible --name '^About Pelorand\$'" && break
  done
else
  fail "the About box did not open"
fi

check=registry-after-close
win=$(window_of "kept.pld - Pelorand\$")
keys F1  # help open at the close: the close takes it along
if exit_game; then
  settings=$(reg_query 'HKCU\Software\Pelorand\Settings')
  game=$(reg_query 'HKCU\Software\Pelorand\Game')
  if ! grep -Eq 'MainLeft +REG_SZ +[0-9]' <<<"$settings" || ! grep -Eq 'MainWidth +REG_SZ +7710' <<<"$settings"; then fail "placement not stored as text: $settings"
  elif ! grep -Eq 'FaceCards +REG_SZ +5' <<<"$game" || ! grep -Eq 'HighCard +REG_SZ +25' <<<"$game"; then fail "game options not stored as text: $game"
  elif [ -n "$(find "$HOME" "$WINEPREFIX/drive_c/users" -iname '*.ini' 2>/dev/null | head -n 1)" ]; then fail "an INI file was written: $(find "$HOME" "$WINEPREFIX/drive_c/users" -iname '*.ini' | head -n 1)"
  elif xdotool search --onlyvisible --name '^Pelorand Help$' >/dev/null 2>&1; then fail "the help window outlived the game"
  else ok; fi
else
  fail "the game did not end on File > Exit"
fi

check=deck-with-space-and-board
decks="$work/my decks"
mkdir -p "$decks"
deck="$decks/race deck.pld"
# Face cards 3, 3, 8, 8 at positions 16 to 19, answer card 24 at 20; every other card a 1.
{ printf '\x19\x04\x14'; for p in $(seq 3 54); do
    case $p in 16|17) printf '\x03';; 18|19) printf '\x08';; 20) printf '\x18';; *) printf '\x01';; esac
  done; } >"$deck"
if start_game "race deck.pld - Pelorand" "$(winpath "$deck")"; then
  got=$(copy_puzzle)
  keys ctrl+e
  if [ "$got" != "Solve: 3, 3, 8, 8 => 24" ]; then fail "the deck named on the command line loaded '$got'"
  elif ! wait_for 5 game_id "^Your Answer\$"; then fail "Ctrl+E did not open Your Answer"
  else
    win=$(window_of "^Your Answer\$")
    focus_on "$win"
    xdotool key --delay 80 3 slash 1 1 minus 2 2 slash 1
    result=""
    for _ in $(seq 25); do
      printf '' | xclip -selection clipboard >/dev/null 2>&1
      keys alt+r ctrl+a ctrl+c
      wait_for 0.2 clipboard_holds_text
      result=$(clipboard)
      grep -q "^Right!" <<<"$result" && break
    done
    if ! grep -q "8 / (3 - 8 / 3)" <<<"$result" || ! grep -q "^Right!" <<<"$result"; then fail "the board by keys: $result"
    else ok; fi
    keys Escape
  fi
  win=$(window_of "^race deck.pld - Pelorand\$")
  exit_game || kill "$game_pid"
else
  fail "a deck in a folder with a space, named on the command line, did not load"
fi

check=deck-unquoted
# A shortcut or a console may pass the path without quotes: the whole text names the file.
folder_win=$(winpath "$folder/Pelorand")
(wine cmd /c "cd /d $folder_win && pelorand.exe $(winpath "$deck")" >/dev/null 2>&1 &)
if wait_for 15 game_id "^race deck.pld - Pelorand\$"; then
  win=$(window_of "^race deck.pld - Pelorand\$")
  game_pid=$(xdotool getwindowpid "$win" 2>/dev/null || echo 0)
  ok
  exit_game || wineserver -k
else
  fail "the unquoted path did not load the deck"
fi

check=console-twin
# pelorand.com before pelorand.exe: a console waits for it and takes its exit status.
said=$(win cmd /c "cd /d $folder_win && pelorand --solve 3 3 8 8 24")
status_yes=$?
win cmd /c "cd /d $folder_win && pelorand --solve 1 1 1 1 99" >/dev/null
status_no=$?
if [ "$said" != $'answers: 1\n8 / (3 - 8 / 3)' ]; then fail "pelorand --solve in cmd printed: $said"
elif [ "$status_yes" -ne 0 ] || [ "$status_no" -ne 1 ]; then fail "exit statuses $status_yes and $status_no, expected 0 and 1"
else ok; fi

check=msi-install
programs="$WINEPREFIX/drive_c/Program Files/Pelorand"
# The Start menu of all users, where Windows puts a per-machine entry; Wine's installer puts it in
# the installing user's own.
menus=("$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Pelorand.lnk"
       "$WINEPREFIX/drive_c/users/$(id -un)/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Pelorand.lnk")
menu_entry() { for m in "${menus[@]}"; do [ -f "$m" ] && return 0; done; return 1; }
if ! win msiexec /i "$(winpath "$msi")" /qn >/dev/null; then fail "msiexec /i failed"
else
  shipped=$(cd "$folder/Pelorand" && find . -type f | sort)
  installed=$(cd "$programs" 2>/dev/null && find . -type f | sort)
  association=$(reg_query 'HKCR\.pld' /ve)
  command=$(reg_query 'HKCR\Pelorand.Deck\shell\open\command' /ve)
  if [ "$shipped" != "$installed" ]; then fail "Program Files holds other files than the zip: $(diff <(echo "$shipped") <(echo "$installed") | head -n 5 | tr '\n' ' ')"
  elif ! menu_entry; then fail "no Start-menu entry"
  elif ! grep -q 'Pelorand.Deck' <<<"$association"; then fail ".pld is not registered: $association"
  elif ! grep -Fq '"C:\Program Files\Pelorand\pelorand.exe" "%1"' <<<"$command"; then fail "the open command reads: $command"
  else ok; fi
fi

check=msi-start-and-double-click
bin="$programs/pelorand.exe"
if start_game "Untitled - Pelorand"; then
  exit_game || kill "$game_pid"
  # A double-click in Explorer: the shell opens the deck through its association.
  (wine start "$(winpath "$deck")" >/dev/null 2>&1 &)
  if wait_for 15 game_id "^race deck.pld - Pelorand\$"; then
    win=$(window_of "^race deck.pld - Pelorand\$")
    game_pid=$(xdotool getwindowpid "$win" 2>/dev/null || echo 0)
    ok
    exit_game || wineserver -k
  else
    fail "opening a deck did not start the installed game with it"
  fi
else
  fail "the installed game did not start from Program Files"
fi

check=msi-uninstall
wait_for 10 bash -c "! pgrep -f 'Pelorand.pelorand.exe'"
if ! win msiexec /x "$(winpath "$msi")" /qn >/dev/null; then fail "msiexec /x failed"
else
  left=$(find "$programs" -type f 2>/dev/null)
  if [ -n "$left" ]; then fail "files left in Program Files: $left"
  elif menu_entry; then fail "the Start-menu entry is still there"
  elif reg_query 'HKCR\.pld' >/dev/null 2>&1; then fail "the .pld association is still there"
  elif ! reg_query 'HKCU\Software\Pelorand\Game' >/dev/null 2>&1; then fail "the player's own settings went with the game"
  else ok; fi
fi

echo "wine e2e: $passed passed, $failures failed"
[ "$failures" -eq 0 ]
