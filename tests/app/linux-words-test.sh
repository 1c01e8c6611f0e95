#!/usr/bin/env bash
# What an English-speaking Linux user reads at the first start, read back from the screen with
# Tesseract: the first-launch hint and the settings window speak of the tray and of Ctrl and Super,
# never of a menu bar, Command or Option. Without a tray host the hint says how to reach the
# program instead. The settings window is a fixed-size dialog that Escape closes.
#   linux-words-test.sh TESSARIN
set -euo pipefail
tessarin=$1
. "$(dirname "$0")/../support/desktop-helpers.sh"
work=$(mktemp -d)
export LANGUAGE=en

# snap WINDOW NAME: the window's picture, as $work/NAME.png.
snap() { [ -n "$1" ] && import -window "$1" "$work/$2.png" 2>/dev/null; }
# read_picture NAME: the text of that picture as Tesseract reads it, on one line.
read_picture() {
  convert "$work/$1.png" -scale 200% "$work/$1-large.png"
  tesseract "$work/$1-large.png" - -l eng 2>/dev/null | tr '\n' ' ' | tr -s ' '
}

# check_words NAME TEXT WANTED...: every wanted phrase is there, no foreign platform word is.
check_words() {
  local name=$1 text=$2; shift 2
  local wanted
  for wanted in "$@"; do
    grep -qiF -- "$wanted" <<<"$text" || fail "the $name does not read '$wanted': $text"
  done
  ! grep -qiE 'menu ?bar|command|option' <<<"$text" || fail "the $name speaks of another platform: $text"
}

"$tessarin" >"$work/tessarin.log" 2>&1 &
pid=$!
trap 'kill $pid 2>/dev/null; wait $pid 2>/dev/null || true' EXIT

# The hint is the program's one window 380 wide (the tray icon may not be embedded yet), up for
# four seconds: its picture is taken as soon as it is found, and taken again until it shows the
# hint drawn. Never an empty window id: import would wait for a click instead.
picture_painted() { [ "$(convert "$work/$1.png" -format '%[fx:standard_deviation > 0]' info: 2>/dev/null)" = 1 ]; }
snap_hint() {
  local w
  for w in $(visible_windows "$pid"); do
    eval "$(xdotool getwindowgeometry --shell "$w")"
    [ "$WIDTH" = 380 ] && snap "$w" hint && picture_painted hint && return 0
  done
  return 1
}
wait_until 10 snap_hint || fail "no first-launch hint"
hint=$(read_picture hint)
if xdotool search --classname trayer >/dev/null 2>&1; then
  check_words hint "$hint" "system tray" "Ctrl+Super+2"
else
  check_words hint "$hint" "Tessarin is running" "Ctrl+Super+2" "application menu"
fi
echo "the hint reads: $hint"

# Starting the program again is how the settings open without a tray.
"$tessarin"
settings_shown() { xdotool search --onlyvisible --name '^Tessarin Settings$'; }
wait_until 10 settings_shown || fail "starting again did not open the settings"
window=$(settings_shown | head -n1)
wait_until 5 window_painted "$window" || fail "the settings window was never drawn"
snap "$window" settings || fail "no picture of the settings window"
settings=$(read_picture settings)
check_words "settings window" "$settings" "Ctrl" "Super" "Ctrl+Super+1" "Modifier keys"
echo "the settings window reads: $settings"

# Fixed size: the window manager is told the least and the largest size are the same.
hints=$(xprop -id "$window" WM_NORMAL_HINTS)
min=$(sed -n 's/.*minimum size: \([0-9]* by [0-9]*\).*/\1/p' <<<"$hints")
max=$(sed -n 's/.*maximum size: \([0-9]* by [0-9]*\).*/\1/p' <<<"$hints")
[ -n "$min" ] && [ "$min" = "$max" ] || fail "the settings window can be resized: $hints"

focused() { [ "$(xdotool getwindowfocus)" = "$window" ]; }
wait_until 5 focused || fail "the settings window did not take the focus"
xdotool key Escape
settings_gone() { ! settings_shown; }
wait_until 5 settings_gone || fail "Escape did not close the settings window"
kill -0 "$pid" || fail "tessarin ended with its settings window"
echo "ok: hint and settings speak Linux; the settings window is a fixed dialog that Escape closes"
