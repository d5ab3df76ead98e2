#!/usr/bin/env bash
# End-to-end checks of the real pelorand binary in its own X server with a window manager,
# driven only through keys, the mouse and the X clipboard, the way a player meets it.
# Usage: e2e.sh PELORAND_BINARY OUTPUT_DIR [BUILD_DIR [DIST_DIR]]. Each failure keeps a
# screenshot in OUTPUT_DIR; with BUILD_DIR a check installs the build into a temporary prefix,
# and with DIST_DIR the last one unpacks the Debian package found there and plays it.
set -uo pipefail
bin=$(readlink -f "$1")
out=$(readlink -f "${2:-e2e-out}")
build=${3:-}
dist=${4:-}
mkdir -p "$out"
work=$(mktemp -d)
export HOME=$work/home
unset XDG_CONFIG_HOME XDG_RUNTIME_DIR
export QT_QPA_PLATFORM=xcb  # the suite that runs it may have set offscreen
mkdir -p "$HOME"
settings=$HOME/.config/Pelorand/Pelorand.ini

source "$(dirname "$0")/lib.sh"

check=first-start
xprop -root -spy _NET_CLIENT_LIST >"$work/clients" 2>/dev/null &
spy=$!
pids+=($spy)
if start_game "Untitled - Pelorand"; then
  wait_for 5 bash -c "tail -n 1 '$work/clients' | grep -q -v ','"
  kill $spy 2>/dev/null
  most=$(awk -F'#' '{n = split($2, a, ","); if (n > m) m = n} END {print m + 0}' "$work/clients")
  last=$(tail -n 1 "$work/clients" | awk -F'#' '{print split($2, a, ",")}')
  geometry=$(xdotool getwindowgeometry "$win" | awk '/Geometry/ {print $2}')
  if [ "$most" -lt 2 ]; then fail "the splash window never appeared beside the game window"
  elif [ "$last" -ne 1 ]; then fail "the splash window did not close ($last windows left)"
  elif [ "$geometry" != "514x433" ]; then fail "game window is $geometry, expected 514x433 (7710 x 6500 twips)"
  else ok; fi
else
  fail "no window titled 'Untitled - Pelorand'"
fi

check=deal-and-shuffle
before=$(copy_puzzle)
keys alt+d
after=$(copy_puzzle)
read -r -a f1 <<<"$(faces "$before" | tr -d ,)"
read -r -a f2 <<<"$(faces "$after" | tr -d ,)"
if [ ${#f1[@]} -ne 5 ] || [ ${#f2[@]} -ne 5 ]; then fail "clipboard '$before' / '$after' has not five face cards"
elif [ "$(answer "$after")" != "${f1[4]}" ]; then fail "after Deal the answer should be the last face card: '$before' -> '$after'"
elif [ "${f2[*]:1}" != "${f1[*]:0:4}" ]; then fail "after Deal the face cards should move one place right: '$before' -> '$after'"
else
  keys alt+s
  shuffled=$(copy_puzzle)
  keys alt+d
  dealt=$(copy_puzzle)
  read -r -a f3 <<<"$(faces "$shuffled" | tr -d ,)"
  if ! grep -Eq '^Solve: ([0-9]+, ){4}[0-9]+ => [0-9]+$' <<<"$shuffled"; then fail "after Shuffle: '$shuffled'"
  elif [ "$(answer "$dealt")" != "${f3[4]}" ]; then fail "Deal after Shuffle: '$shuffled' -> '$dealt'"
  else ok; fi
fi

check=save-as-dialog
saved=$work/kept.pld
open_menu alt+f
xdotool key a
if wait_for 5 game_id "^Save puzzle\$"; then
  focus_on "$(window_of "^Save puzzle\$")"
  xdotool key ctrl+a
  xdotool type --delay 20 "$saved"
  xdotool key Return
  if ! wait_for 5 test -f "$saved"; then fail "no file written by Save As"
  elif [ "$(stat -c %s "$saved")" != 55 ]; then fail "saved file has $(stat -c %s "$saved") bytes"
  elif [ "$(od -An -tu1 -N2 "$saved" | tr -s ' ')" != " 25 5" ]; then fail "header $(od -An -tu1 -N3 "$saved")"
  elif ! wait_for 3 game_id "^kept.pld - Pelorand\$"; then fail "caption did not become kept.pld - Pelorand"
  else ok; fi
else
  fail "the Save puzzle dialog did not open"
fi

check=options-seven-cards
win=$(window_of "Pelorand\$")
open_menu alt+v
xdotool key o
if wait_for 5 game_id "^Options\$"; then
  focus_on "$(window_of "^Options\$")"
  xdotool key 7 Return
  wait_for 3 bash -c "! xdotool search --onlyvisible --name '^Options\$'"
  seven=$(copy_puzzle)
  n=$(faces "$seven" | tr ',' '\n' | wc -l)
  if [ "$n" -ne 7 ]; then fail "after Options with 7 cards the clipboard holds '$seven'"
  else ok; fi
else
  fail "the Options dialog did not open"
fi

check=exit
left=$(xdotool getwindowgeometry "$win" | awk '/Position/ {print $2}')
start=$(date +%s%N)
if exit_game; then
  took=$(( ($(date +%s%N) - start) / 1000000 ))
  if ! grep -q '^FaceCards=7' "$settings"; then fail "settings hold no FaceCards=7: $(cat "$settings")"
  elif ! grep -q '^MainLeft=' "$settings" || ! grep -q '^MainWidth=10710' "$settings"; then fail "placement not stored: $(cat "$settings")"
  else ok; echo "     (ended ${took} ms after the keys)"; fi
else
  fail "the process still runs 3 s after File > Exit"
fi

check=deck-on-command-line
deck="$work/all ones.pld"
{ printf '\x05\x04\x14'; for _ in $(seq 52); do printf '\x01'; done; } >"$deck"
if start_game "all ones.pld - Pelorand" "$deck"; then
  got=$(copy_puzzle)
  if [ "$got" != "Solve: 1, 1, 1, 1 => 1" ]; then fail "clipboard '$got'"
  else
    found=""
    for _ in $(seq 60); do
      keys alt+a
      if wait_for 0.3 game_id "^Solution\$"; then found=yes; break; fi
    done
    if [ -z "$found" ]; then fail "Answer never opened the solution window"
    else keys Escape; ok; fi
  fi
  exit_game || kill "$game_pid"
else
  fail "caption did not show the deck file's name"
fi

check=paste-puzzle
# A teacher's puzzle through the real clipboard: pasted, shown, copied back in the game's words.
if start_game "Untitled - Pelorand"; then
  printf '3 9 3 9 = 17' | xclip -selection clipboard >/dev/null 2>&1
  # Copy straight after Paste, never clearing between: the game handles the keys in order, so
  # the clipboard changes to the game's words only once the paste has read it.
  keys ctrl+v ctrl+c
  wait_for 5 bash -c "[ \"\$(xclip -o -selection clipboard 2>/dev/null)\" = 'Solve: 3, 9, 3, 9 => 17' ]"
  got=$(clipboard)
  if [ "$got" != "Solve: 3, 9, 3, 9 => 17" ]; then fail "after Paste Puzzle the clipboard holds '$got'"
  else ok; fi
  exit_game || kill "$game_pid"
else
  fail "the game did not start"
fi

check=broken-deck
bad="$work/broken.pld"
{ printf '\x05\x09\x14'; for _ in $(seq 52); do printf '\x01'; done; } >"$bad"
"$bin" "$bad" >/dev/null 2>&1 &
game_pid=$!
pids+=($game_pid)
if wait_for 15 game_id "^Pelorand\$"; then
  box=$(window_of "^Pelorand\$")
  xdotool windowactivate --sync "$box" >/dev/null 2>&1
  xdotool key Return
fi
if start_game "Untitled - Pelorand" && kill -0 "$game_pid" 2>/dev/null; then
  ok
  exit_game || kill "$game_pid"
else
  fail "a broken deck on the command line did not leave an Untitled game running"
fi

check=your-answer-by-keyboard
deck="$work/race.pld"
# Face cards 5, 3, 7, 2 at positions 16 to 19, answer card 24 at 20; every other card a 1.
{ printf '\x19\x04\x14'; for p in $(seq 3 54); do
    case $p in 16) printf '\x05';; 17) printf '\x03';; 18) printf '\x07';; 19) printf '\x02';; 20) printf '\x18';; *) printf '\x01';; esac
  done; } >"$deck"
if start_game "race.pld - Pelorand" "$deck"; then
  keys ctrl+e
  if wait_for 5 game_id "^Your Answer\$"; then
    win=$(window_of "^Your Answer\$")
    focus_on "$win"
    xdotool key alt+y  # the board has the focus first; Alt+Y goes to the typed line
    xdotool type --delay 30 "5 + (3 * 7) - 2"
    xdotool key Return
    # The result once it holds a verdict: copied again until it does, for at most 5 s.
    result=""
    for _ in $(seq 25); do
      printf '' | xclip -selection clipboard >/dev/null 2>&1
      keys alt+r ctrl+a ctrl+c
      wait_for 0.2 clipboard_holds_text
      result=$(clipboard)
      grep -q "^Right!" <<<"$result" && break
    done
    if ! grep -q "^The game reads it as: 5 + (3 \* 7) - 2\$" <<<"$result"; then fail "result reads: $result"
    elif ! grep -q "^Right!\$" <<<"$result"; then fail "no verdict Right! in: $result"
    else ok; fi
    keys Escape
    win=$(window_of "^race.pld - Pelorand\$")
  else
    fail "Ctrl+E did not open the Your Answer window"
  fi
  exit_game || kill "$game_pid"
else
  fail "the race deck did not load"
fi

check=screen-reader
if [ -z "$dbus" ]; then
  fail "no D-Bus session could be started for the AT-SPI registry"
elif QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 start_game "race.pld - Pelorand" "$deck"; then
  a11y() { /usr/bin/python3 "$(dirname "$0")/a11y_check.py" "$@"; }
  names=$(a11y names 10)
  if ! grep -q "^label | Last attempt: " <<<"$names"; then fail "no status panel named 'Last attempt: ...' in: $names"
  elif ! grep -q "^label | Attempts: [0-9]" <<<"$names"; then fail "no status panel named 'Attempts: ...'"
  elif ! grep -q "^push button | Your Answer | " <<<"$names"; then fail "the toolbar's Your Answer button is not named so"
  else
    keys ctrl+e
    if wait_for 5 game_id "^Your Answer\$"; then
      win=$(window_of "^Your Answer\$")
      focus_on "$win"
      xdotool key alt+y
      xdotool type --delay 30 "5 + 3 * 7 - 2 = 24"
      xdotool key Return
      heard=""
      for _ in $(seq 25); do  # the focus moves to the result, whose description is the verdict
        heard=$(a11y focused 1)
        grep -q "^Result | Right!" <<<"$heard" && break
        sleep 0.2
      done
      if ! grep -q "^Result | Right!" <<<"$heard"; then fail "after Check the screen reader is on: $heard"
      else ok; fi
      keys Escape
      win=$(window_of "^race.pld - Pelorand\$")
    else
      fail "Ctrl+E did not open the Your Answer window"
    fi
  fi
  exit_game || kill "$game_pid"
else
  fail "the race deck did not load with accessibility on"
fi

check=board-by-mouse
# The same race played with the cards alone: a click on the table's 3, then on the board's
# tiles and operations where the screen reader says they stand.
if [ -z "$dbus" ]; then
  fail "no D-Bus session could be started for the AT-SPI registry"
else
  # A fresh tally, and the computer waiting until the player gives up: the race is the player's.
  printf '[Game]\nHeadStart=4\n' >"$settings"
  if QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 start_game "race.pld - Pelorand" "$deck"; then
    a11y() { /usr/bin/python3 "$(dirname "$0")/a11y_check.py" "$@"; }
    click() {  # click NAME: a left click in the middle of the object the registry names so
      local at; at=$(a11y centre "$1" 5) || return 1
      xdotool mousemove $at click 1
    }
    # Each click waits until the board shows what it made before the next.
    play() {
      click "$1" && for name in "${@:2}"; do
        wait_for 5 a11y centre "$name" 0.2 || return 1
        click "$name" || return 1
      done
    }
    if ! click "Face card 2: 3" || ! wait_for 5 game_id "^Your Answer\$"; then fail "a click on the table's 3 did not open the board"
    elif ! play "Times" "Card 7" "Plus" "Card 5" "Minus" "Card 2"; then fail "a tile or button was not there to click: $(a11y names 2 | grep -E 'Card|Step' | tr '\n' ';')"
    else
      names=$(a11y names 5)
      heard=""
      for _ in $(seq 25); do
        heard=$(a11y focused 1)
        grep -q "^Result | Right!" <<<"$heard" && break
        sleep 0.2
      done
      if ! grep -q "| Card 24 |" <<<"$names"; then fail "no tile named 'Card 24' after the last step: $(grep Card <<<"$names" | tr '\n' ';')"
      elif ! grep -q "| Step 3: 26 − 2 = 24 |" <<<"$names"; then fail "the step list does not name its steps: $(grep Step <<<"$names" | tr '\n' ';')"
      elif ! grep -q "^Result | Right!" <<<"$heard"; then fail "after the last step the screen reader is on: $heard"
      else
        keys Escape
        win=$(window_of "^race.pld - Pelorand\$")
        exit_game || kill "$game_pid"
        # The tally is the record's: a row with the player's one win alone, none of the computer's,
        # and the old separate keys never written.
        if ! grep -Eq '^[3-7]_[0-5]_r2=[0-9]+ 1 0 0 ' "$settings" || grep -Eq '^[3-7]_[0-5]_r2=([0-9]+ ){3}[1-9]' "$settings" ||
           grep -Eq '^(PlayerWins|HintWins|ComputerWins)=' "$settings"; then fail "the tally was not stored in the record: $(grep -E '_r2=|Wins=' "$settings")"
        else ok; fi
      fi
    fi
    kill "$game_pid" 2>/dev/null
  else
    fail "the race deck did not load with accessibility on"
  fi
fi

check=german
# The desktop asks for German: German menus, a German verdict, read as a screen reader reads them.
if [ -z "$dbus" ]; then
  fail "no D-Bus session could be started for the AT-SPI registry"
elif (unset LC_ALL LC_MESSAGES LANG; LANGUAGE=de QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$bin" "$deck" >/dev/null 2>&1 & echo $! >"$work/pid"; wait) &
     wait_for 15 game_id "^race.pld - Pelorand\$"; then
  game_pid=$(cat "$work/pid"); pids+=($game_pid)
  win=$(window_of "^race.pld - Pelorand\$")
  a11y() { /usr/bin/python3 "$(dirname "$0")/a11y_check.py" "$@"; }
  names=""
  for _ in $(seq 25); do  # until the verdict has come from its worker
    names=$(a11y names 5)
    grep -q "| Bewertung: [0-9]" <<<"$names" && break
    sleep 0.2
  done
  if ! grep -q "| Datei |" <<<"$names" || ! grep -q "| Einstellungen" <<<"$names"; then fail "no German menus: $(grep -i -E 'menu' <<<"$names" | head -n 5 | tr '\n' ';')"
  elif ! grep -q "| Bewertung: [0-9].* Lösung" <<<"$names"; then fail "no German verdict: $(grep -i -E 'verdict|bewertung' <<<"$names" | tr '\n' ';')"
  else ok; fi
  exit_game || kill "$game_pid"
else
  fail "the race deck did not load in German"
fi

check=language-in-options
# French chosen in Options (on the Rules page) holds from the next start on, whatever the desktop says.
if start_game "race.pld - Pelorand" "$deck"; then
  open_menu alt+v
  xdotool key o
  if wait_for 5 game_id "^Options\$"; then
    focus_on "$(window_of "^Options\$")"
    xdotool key ctrl+Tab alt+l End Return
    wait_for 3 bash -c "! xdotool search --onlyvisible --name '^Options\$'"
    exit_game || kill "$game_pid"
    if ! grep -q '^Language=fr' "$settings"; then fail "Options did not store French: $(grep -i language "$settings")"
    elif [ -z "$dbus" ]; then fail "no D-Bus session for the AT-SPI registry"
    elif LANG=C.UTF-8 QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 start_game "race.pld - Pelorand" "$deck"; then
      names=$(a11y names 10)
      if ! grep -q "| Fichier |" <<<"$names"; then fail "after a restart the menus are not French: $(grep -i menu <<<"$names" | head -n 5 | tr '\n' ';')"
      else ok; fi
      exit_game || kill "$game_pid"
    else
      fail "the game did not start again"
    fi
    sed -i '/^Language=/d' "$settings"
  else
    fail "the Options dialog did not open"
    exit_game || kill "$game_pid"
  fi
else
  fail "the race deck did not load"
fi

if [ -n "$build" ]; then
  check=install
  prefix=$work/prefix
  # bin, or games when the build is the package's (test.sh's is)
  bindir=$(sed -n 's/^CMAKE_INSTALL_BINDIR:[A-Z]*=//p' "$build/CMakeCache.txt")
  if ! cmake --install "$build" --prefix "$prefix" >"$work/install.log" 2>&1; then fail "cmake --install: $(tail -n 3 "$work/install.log")"
  elif [ ! -x "$prefix/${bindir:-bin}/pelorand" ] || [ ! -f "$prefix/share/games/pelorand/PELORAND.HLP" ]; then fail "binary or help file missing"
  elif ! desktop-file-validate "$prefix/share/applications/pelorand.desktop" >"$work/validate.log" 2>&1; then fail "desktop entry: $(cat "$work/validate.log")"
  elif [ ! -f "$prefix/share/icons/hicolor/scalable/apps/pelorand.svg" ]; then fail "no icon installed"
  elif ! grep -q 'pattern="\*.pld"' "$prefix/share/mime/packages/pelorand.xml"; then fail "no MIME type for deck files"
  else
    rm -f "$settings"
    bin=$prefix/${bindir:-bin}/pelorand
    if start_game "Untitled - Pelorand"; then
      keys F1
      if wait_for 5 game_id "^Pelorand Help\$"; then ok; else fail "F1 in the installed program showed no help"; fi
      exit_game || kill "$game_pid"
    else
      fail "the installed program did not start"
    fi
  fi
fi

if [ -n "$dist" ]; then
  check=debian-package
  deb=$(ls "$dist"/pelorand_*_*.deb 2>/dev/null | head -n 1)
  if [ -z "$deb" ]; then
    echo "skip [$check]: no package in $dist (./package.sh builds one; ./test.sh always does)"
  else
    root=$work/root
    expected="./usr/games/pelorand ./usr/share/games/pelorand/PELORAND.HLP ./usr/share/games/pelorand/PELORAND_de.HLP
      ./usr/share/games/pelorand/PELORAND_fr.HLP ./usr/share/applications/pelorand.desktop
      ./usr/share/icons/hicolor/scalable/apps/pelorand.svg ./usr/share/mime/packages/pelorand.xml
      ./usr/share/metainfo/org.example.pelorand.metainfo.xml ./usr/share/man/man6/pelorand.6.gz
      ./usr/share/doc/pelorand/copyright ./usr/share/doc/pelorand/changelog.gz"
    listing=$(dpkg-deb -c "$deb" | awk '{print $6}')
    missing=""
    for f in $expected; do grep -qx "$f" <<<"$listing" || missing="$missing $f"; done
    strays=$(grep -v -E '^\./usr/(games|share/(games|applications|icons|mime|metainfo|man|doc))(/|$)|^\./(usr/)?$|^\./usr/share/$' <<<"$listing")
    if [ -n "$missing" ]; then fail "package lacks:$missing"
    elif [ -n "$strays" ]; then fail "package holds files outside the expected places: $strays"
    elif ! dpkg-deb -x "$deb" "$root"; then fail "dpkg-deb -x failed"
    elif ! zcat "$root/usr/share/man/man6/pelorand.6.gz" | grep -q '^\.TH PELORAND 6'; then fail "manual page is not a section 6 page"
    elif [ "$("$root/usr/games/pelorand" --solve --search 3 9 3 9 17)" != "solutions: 0" ]; then fail "--solve --search from the package"
    elif [ "$("$root/usr/games/pelorand" --solve 1 1 1 1 99)" != "answers: 0" ]; then fail "--solve from the package"
    else
      rm -f "$settings"
      bin=$root/usr/games/pelorand
      deck="$work/packaged.pld"
      { printf '\x05\x04\x14'; for _ in $(seq 52); do printf '\x02'; done; } >"$deck"
      if start_game "packaged.pld - Pelorand" "$deck"; then
        got=$(copy_puzzle)
        keys F1
        if [ "$got" != "Solve: 2, 2, 2, 2 => 2" ]; then fail "the packaged game loaded '$got'"
        elif ! wait_for 5 game_id "^Pelorand Help\$"; then fail "F1 in the packaged game found no help file"
        else ok; fi
        exit_game || kill "$game_pid"
      else
        fail "the packaged game did not start with a deck"
      fi
    fi
  fi
fi

echo "e2e: $passed passed, $failures failed"
[ "$failures" -eq 0 ]
