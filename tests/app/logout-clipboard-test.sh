#!/usr/bin/env bash
# A logout (SIGTERM) ends Tessarin through its normal quit: the screenshot it put on the
# clipboard goes to the desktop's clipboard manager and still pastes after Tessarin is gone.
#   logout-clipboard-test.sh TESSARIN CLIPBOARD_MANAGER
set -euo pipefail
tessarin=$1 manager=$2
. "$(dirname "$0")/../support/desktop-helpers.sh"
work=$(mktemp -d)
pids=()
cleanup() { stop_processes; rm -rf "$work"; }
trap cleanup EXIT

"$manager" >"$work/manager.log" 2>&1 &
pids+=($!)
wait_until 5 grep -q managing "$work/manager.log" || fail "the clipboard manager did not start: $(cat "$work/manager.log")"
"$tessarin" >"$work/tessarin.log" 2>&1 &
pid=$!; pids+=("$pid")
wait_until 5 tray_icon "$pid" || fail "no tray icon"

# A screenshot, taken as a user takes one.
overlay() {
  local w
  for w in $(visible_windows "$pid"); do
    eval "$(xdotool getwindowgeometry --shell "$w")"
    [ "$WIDTH" -ge 1280 ] && return 0
  done
  return 1
}
xdotool key ctrl+super+1
wait_until 5 overlay || fail "the shortcut opened no selection overlay"
wait_until 5 overlays_shown 2 || fail "no overlay on each monitor"
xdotool mousemove 200 200 mousedown 1 sleep 0.05 mousemove 300 260 sleep 0.05 mousemove 400 300 sleep 0.05 mouseup 1
has_png() { xclip -selection clipboard -t TARGETS -o | grep -qx image/png; }
wait_until 10 has_png || fail "the screenshot did not reach the clipboard"
path=$(xclip -selection clipboard -o)
[ -f "$path" ] || fail "the clipboard names no file: $path"

kill -TERM "$pid"
wait_until 30 sh -c "! kill -0 $pid" || fail "SIGTERM did not end tessarin"
status=0; wait "$pid" || status=$?
[ "$status" = 0 ] || fail "SIGTERM ended tessarin with status $status"
grep -qx 'saved text/plain image/png' "$work/manager.log" \
  || fail "tessarin did not hand the clipboard over: $(cat "$work/manager.log")"
[ "$(xclip -selection clipboard -o)" = "$path" ] || fail "after tessarin ended the path no longer pastes"
xclip -selection clipboard -t image/png -o | cmp -s - "$path" || fail "after tessarin ended the image no longer pastes"
echo "SIGTERM quit normally and handed the clipboard to the clipboard manager"
