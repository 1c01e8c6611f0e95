#!/usr/bin/env bash
# Drives the built program in a real Wayland session (scripts/with-wayland): captures start by
# D-Bus activation, the screens are read through the real Screenshot portal, the pointer moves
# through VNC, keys come from a virtual keyboard, and the clipboard is read back with wl-paste.
#   wayland-test.sh TESSARIN SHOW_SCENE
set -euo pipefail
app=$1 show_scene=$2
here=$(cd "$(dirname "$0")" && pwd)
source "$here/session-helpers.sh"
overlays() { window_outputs "Tessarin selection" | wc -l; }
overlays_are() { [ "$(overlays)" -eq "$1" ]; }
# One overlay full-screen on each output, by name: an overlay on the wrong output would show
# (and select from) another output's picture.
overlay_on_each_output() {
  [ "$(window_outputs "Tessarin selection" | cut -d' ' -f1 | sort | tr '\n' ' ')" = "HEADLESS-1 HEADLESS-2 " ]
}
overlay_has_keys() { window_outputs "Tessarin selection" | grep -q "focused=True"; }
action() { gapplication action org.tessarin.Tessarin "$1" || fail "the program did not take the action $1"; }
pointer() { python3 "$here/vnc_pointer.py" "$@"; }
# Keeps the pointer out of the pictures: headless outputs draw it into their frames.
park_pointer() { pointer "$TESSARIN_VNC_HEADLESS_1" move 1279 719; }
# The overlays are invisible until the portal's picture arrives, then show it dimmed: a pixel of
# the desktop changes. Dragging earlier would put the pointer into the picture.
pixel() { grim -g "1200,700 1x1" -t ppm - | tail -c 3 | od -An -tu1 | tr -s ' '; }
picture_shown() { [ "$(pixel)" != "$1" ]; }
# The last capture's notice gone: a picture taken while it shows would hold it.
no_notice() { ! window_outputs Tessarin | grep -q .; }
start_capture() { # action
  wait_for 10 "the last notice to go" no_notice
  local before; before=$(pixel)
  action "$1"
  wait_for 10 "an overlay on each output" overlay_on_each_output
  wait_for 10 "the frozen picture" picture_shown "$before"
}
pixel_is() { [ "$(pixel)" = " $1" ]; }
# The scene's own pixels on an output, seen on the screen (the first frames may not be drawn yet,
# or may be drawn on another output).
scene_shown() { # output
  grim -o "$1" "$work/shown.png" || return 1
  convert "$work/shown.png" -crop 300x200+100+100 +repage "$work/shown-part.png"
  convert "$work/pattern/$1.png" -crop 300x200+100+100 +repage "$work/expected-part.png"
  compare -metric AE "$work/shown-part.png" "$work/expected-part.png" null: >"$work/shown-$1.ae" 2>&1 || true
  [ "$(cat "$work/shown-$1.ae")" = 0 ]
}
on_fail() {
  for f in "$work"/shown-*.ae; do [ ! -e "$f" ] || echo "$(basename "$f" .ae): $(cat "$f") pixels differ"; done
  # Pictures for a closer look, where the caller asked for them.
  [ -z "${TESSARIN_KEEP_FAILURES:-}" ] || { mkdir -p "$TESSARIN_KEEP_FAILURES" && cp "$work"/*.png "$work"/pattern/*.png "$TESSARIN_KEEP_FAILURES"/ 2>/dev/null; }
}
clipboard_is() { [ "$(wl-paste -n 2>/dev/null)" = "$1" ]; }
has_image() { wl-paste --list-types 2>/dev/null | grep -qx image/png; }

# The picture of a dragged region, against the scene's own pixels.
check_region() { # output port x1 y1 x2 y2 scale tolerance
  local output=$1 port=$2 x1=$3 y1=$4 x2=$5 y2=$6 scale=$7 tolerance=$8
  wl-copy --clear
  park_pointer
  start_capture capture-screenshot
  pointer "$port" drag "$x1" "$y1" "$x2" "$y2"
  wait_for 10 "a screenshot on the clipboard" has_image
  wait_for 5 "the overlays to go once the clipboard holds the result" overlays_are 0
  wl-paste -t image/png >"$work/got.png"
  # VNC speaks the output's pixels; the scene's file is in the same pixels.
  local w=$((x2 - x1)) h=$((y2 - y1))
  convert "$work/pattern/$output.png" -crop "${w}x${h}+${x1}+${y1}" +repage "$work/expected.png"
  [ "$(identify -format %wx%h "$work/got.png")" = "${w}x${h}" ] \
    || fail "$output: got $(identify -format %wx%h "$work/got.png"), expected ${w}x${h} (scale $scale)"
  if [ "$tolerance" = exact ]; then
    local differing
    differing=$(compare -metric AE "$work/got.png" "$work/expected.png" null: 2>&1 || true)
    [ "$differing" = 0 ] || fail "$output: $differing pixels differ"
    echo "ok: $output region ${w}x${h} at scale $scale, pixel for pixel"
  else
    local error
    error=$(compare -metric RMSE "$work/got.png" "$work/expected.png" null: 2>&1 | sed 's/.*(\(.*\))/\1/' || true)
    awk -v e="$error" -v t="$tolerance" 'BEGIN { exit !(e <= t) }' || fail "$output: RMS error $error above $tolerance"
    echo "ok: $output region ${w}x${h} at scale $scale, RMS error $error (at most $tolerance)"
  fi
}

second_scale=${TESSARIN_WAYLAND_SECOND_SCALE:-2}
log_window_events
start_program "$app"

# 1. A pattern on each output, captured through the portal.
mkdir "$work/pattern"
"$show_scene" pattern "$work/pattern" >"$work/scene.log" 2>&1 &
scene=$!
pids+=($scene)
wait_for 10 "the pattern scenes' pictures" test -s "$work/pattern/HEADLESS-2.png"
park_pointer
wait_for 10 "the pattern on HEADLESS-1" scene_shown HEADLESS-1
wait_for 10 "the pattern on HEADLESS-2" scene_shown HEADLESS-2
# Where the portal's picture has the output's own density, every pixel is exact. A scale-1
# output next to a scale-2 one comes enlarged (and filtered) in the portal's picture: its
# region must still be its own pixels, within the filter's error.
left_tolerance=exact
[ "$second_scale" = 1 ] || left_tolerance=0.05
check_region HEADLESS-1 "$TESSARIN_VNC_HEADLESS_1" 100 100 500 300 1 "$left_tolerance"
check_region HEADLESS-2 "$TESSARIN_VNC_HEADLESS_2" 200 100 600 300 "$second_scale" exact
kill "$scene"

# 2. Text, recognised and readable with wl-paste.
text="Tessarin reads Wayland text"
"$show_scene" text 32 "$text" >"$work/scene.log" 2>&1 &
pids+=($!)
park_pointer
# Drawn in one frame with its text, the white background is what shows the scene is up.
wait_for 10 "the text scene" pixel_is "255 255 255"
start_capture capture-text
pointer "$TESSARIN_VNC_HEADLESS_1" drag 20 20 760 110
wait_for 15 "the recognised text on the clipboard" clipboard_is "$text"
wait_for 5 "the overlays to go after the text capture" overlays_are 0
! grep -q "refused the clipboard item" "$work/app.log" || fail "sway never echoed the copied text: the notice says it was not copied"
echo "ok: text capture pasted \"$text\""

# While a long text is read, the overlays give way to a small badge that keeps the keys: the
# screen is live again, and Escape stops the reading and keeps the clipboard.
badge_with_keys() {
  [ "$(window_outputs "Tessarin selection")" = "HEADLESS-1 Tessarin selection fullscreen=0 focused=True" ]
}
wl-copy kept
"$show_scene" page 10 "Every line of this page is read while the badge waits for Escape, again and again" \
  >"$work/scene.log" 2>&1 &
pids+=($!)
park_pointer
wait_for 10 "the page scene" pixel_is "255 255 255"
start_capture capture-text
pointer "$TESSARIN_VNC_HEADLESS_1" drag 10 10 1270 710
wait_for 5 "the badge in place of the overlays" badge_with_keys
wait_for 5 "the live screen around the badge" pixel_is "255 255 255"
wtype -k Escape
wait_for 5 "Escape to close the badge" overlays_are 0
grep -q "recognition stopped before its end" "$work/app.log" || fail "the badge closed, but not by Escape"
clipboard_is kept || fail "a stopped reading changed the clipboard to: $(wl-paste -n)"
echo "ok: a badge while text is read; Escape on it stops the reading"
# A copy made elsewhere meanwhile is newer than anything the badge can write: it stays.
start_capture capture-text
pointer "$TESSARIN_VNC_HEADLESS_1" drag 10 10 1270 710
wait_for 5 "the badge for the second reading" badge_with_keys
wl-copy meanwhile
wait_for 15 "the reading to end" overlays_are 0
clipboard_is meanwhile || fail "the late result replaced a copy made meanwhile: $(wl-paste -n)"
grep -q "refused the clipboard item" "$work/app.log" || fail "the notice says the text was copied over a copy made meanwhile"
echo "ok: a copy made while the text is read is kept"

# 3. Escape ends the selection and leaves the clipboard alone.
wl-copy "kept"
wait_for 5 "our own clipboard text" clipboard_is kept
action capture-text
wait_for 10 "overlays before Escape" overlay_on_each_output
wait_for 5 "an overlay to take the keyboard" overlay_has_keys
wtype -k Escape
wait_for 5 "Escape to close the overlays" overlays_are 0
# The program is free for the next capture: the cancelled one has ended, clipboard and all.
action capture-text
wait_for 10 "overlays after a cancelled one" overlay_on_each_output
clipboard_is kept || fail "Escape changed the clipboard to: $(wl-paste -n)"
wait_for 5 "an overlay to take the keyboard" overlay_has_keys
wtype -k Escape
wait_for 5 "the second Escape" overlays_are 0
echo "ok: Escape cancels"
