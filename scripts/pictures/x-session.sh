# The picture scripts' scratch folder and X server with a window manager, gone at exit.
# Sourced with SCREEN set (as 1280x680); sets work and DISPLAY.
work=$(mktemp -d)
display=:$((90 + RANDOM % 9))
Xvfb "$display" -screen 0 "${SCREEN}x24" >/dev/null 2>&1 &
xpid=$!
trap 'kill $xpid 2>/dev/null; rm -rf "$work"' EXIT
export DISPLAY=$display
sleep 1
openbox >/dev/null 2>&1 &
sleep 1
