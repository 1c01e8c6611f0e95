#!/usr/bin/env bash
# The built program in a real KWin session (scripts/with-wayland --kwin): its shortcuts reach
# KDE's shortcut registry through the GlobalShortcuts portal, pressing them there starts captures
# whose screen comes from KDE's Screenshot portal, the pointer and keys come through KWin's fake
# input, and the clipboard is read back with wl-paste.
# Last, KWin refuses the portal the screen, and the program shows its permission alert.
#   kwin-test.sh TESSARIN SHOW_SCENE
set -euo pipefail
app=$1 show_scene=$2
here=$(cd "$(dirname "$0")" && pwd)
source "$here/session-helpers.sh"
scale=${TESSARIN_WAYLAND_KWIN_SCALE:-1}
component() { # method [args...]
  gdbus call --session -d org.kde.kglobalaccel -o /component/tessarin -m "org.kde.kglobalaccel.Component.$1" "${@:2}"
}
press() { component invokeShortcut "$1" >/dev/null; }
input() { python3 "$here/kwin_input.py" "$@"; }
# The pointer's hot spot in the corner: KDE's portal draws the pointer into its pictures.
park_pointer() { input move $((1280 / scale - 1)) $((720 / scale - 1)); }
# wl-paste waits for good on an empty clipboard on KWin, which announces no selection then.
paste() { timeout 5 wl-paste "$@"; }

# windows: "CAPTION<TAB>ACTIVE<TAB>FULLSCREEN" for each window, as a KWin script sees them.
windows() {
  local tag; tag="windows-$(date +%s%N)"
  printf '%s\n' "workspace.clientList().forEach(function (w) {" \
    "  print('$tag\t' + w.caption + '\t' + w.active + '\t' + w.fullScreen); });" "print('$tag end');" >"$work/$tag.js"
  local id; id=$(gdbus call --session -d org.kde.KWin -o /Scripting -m org.kde.kwin.Scripting.loadScript "$work/$tag.js" "$tag")
  gdbus call --session -d org.kde.KWin -o "/$(tr -dc 0-9 <<<"$id")" -m org.kde.kwin.Script.run >/dev/null
  wait_until 5 grep -q "$tag end" "$TESSARIN_KWIN_LOG" || return 1
  gdbus call --session -d org.kde.KWin -o /Scripting -m org.kde.kwin.Scripting.unloadScript "$tag" >/dev/null
  grep "$tag	" "$TESSARIN_KWIN_LOG" | cut -f2-
}
# The overlay is mapped once the portal's picture is in it; full screen, with the keyboard.
overlay_shown() { windows | grep -qx "Tessarin selection	true	true"; }
overlay_gone() { ! windows | grep -q "^Tessarin selection	"; }
on_fail() {
  echo "windows (caption, active, full screen):"; windows
  echo "clipboard: $(paste --list-types 2>/dev/null | tr '\n' ' ')"
  echo "pictures: $(ls "$HOME/Pictures")"
}

# A picture of the screen, as the portal gives it to any program; KDE's portal saves it in
# ~/Pictures, where this one is removed again.
portal_picture() { # file
  local before; before=$(ls "$HOME/Pictures")
  gdbus call --session -d org.freedesktop.portal.Desktop -o /org/freedesktop/portal/desktop \
    -m org.freedesktop.portal.Screenshot.Screenshot "" "{'interactive': <false>}" >/dev/null
  new_picture() { [ -n "$(comm -13 <(echo "$before") <(ls "$HOME/Pictures"))" ]; }
  wait_until 10 new_picture || return 1
  local saved; saved="$HOME/Pictures/$(comm -13 <(echo "$before") <(ls "$HOME/Pictures") | head -1)"
  wait_until 5 identify "$saved" || { rm -f "$saved"; return 1; }
  mv "$saved" "$1"
}
# Part of what the screen shows, against part of a picture.
screen_part_is() { # picture geometry
  portal_picture "$work/screen.png" || return 1
  convert "$work/screen.png" -crop "$2" +repage "$work/screen-part.png"
  convert "$1" -crop "$2" +repage "$work/expected-part.png"
  [ "$(compare -metric AE "$work/screen-part.png" "$work/expected-part.png" null: 2>&1)" = 0 ]
}
# Away from the middle, where the first-start hint may still be shown (there is no tray).
white_page() { convert -size 1280x720 xc:white "$work/white.png"; screen_part_is "$work/white.png" 300x150+900+500; }

# A text to keep the clipboard from ever being empty.
wl-copy "before the captures"

echo "== the shortcuts in KDE's shortcut registry"
start_program "$app"
wait_for 15 "the program's shortcuts in KDE's shortcut registry" component shortcutNames
names=$(component shortcutNames)
grep -q "'capture-text'" <<<"$names" && grep -q "'capture-screenshot'" <<<"$names" || fail "registered shortcuts: $names"
# Both keys as the program asked for them; KDE keeps them as Qt key codes:
# Ctrl+Meta+1 = 0x14000031 = 335544369, Ctrl+Meta+2 = 0x14000032 = 335544370.
infos=$(component allShortcutInfos)
grep -q "'capture-text', 'Capture Text for AI'.*\[335544370\]" <<<"$infos" || fail "text shortcut: $infos"
grep -q "'capture-screenshot', 'Capture Screenshot for Terminal'.*\[335544369\]" <<<"$infos" \
  || fail "screenshot shortcut: $infos"
echo "ok: both shortcuts registered with KWin with their keys"

echo "== the text shortcut: recognised text on the clipboard (scale $scale)"
text="Tessarin reads KDE text"
"$show_scene" text 32 "$text" >"$work/scene.log" 2>&1 &
scene=$!
pids+=($scene)
park_pointer
wait_for 15 "the text scene on the screen" white_page
press capture-text
wait_for 15 "the overlay with the frozen screen" overlay_shown
input drag 20 20 460 100
wait_for 15 "the recognised text on the clipboard" eval '[ "$(paste -n)" = "$text" ]'
wait_for 5 "the overlay to go after the text capture" overlay_gone
! grep -q "refused the clipboard item" "$work/app.log" || fail "KWin never echoed the copied text: the notice says it was not copied"
echo "ok: text capture pasted \"$text\""
kill "$scene"

echo "== the screenshot shortcut: the region's own pixels, and a private file"
mkdir "$work/pattern"
"$show_scene" pattern "$work/pattern" >"$work/scene.log" 2>&1 &
pids+=($!)
wait_for 10 "the pattern scene's picture" sh -c 'ls "$0"/*.png' "$work/pattern"
pattern=$(ls "$work"/pattern/*.png | head -1)
park_pointer
# A region in logical pixels, above the hint; the scene's picture is in the output's pixels.
x1=10 y1=10 x2=210 y2=110
w=$(((x2 - x1) * scale)) h=$(((y2 - y1) * scale))
region="${w}x${h}+$((x1 * scale))+$((y1 * scale))"
wait_for 15 "the pattern on the screen" screen_part_is "$pattern" "$region"
press capture-screenshot
wait_for 15 "the overlay for the screenshot" overlay_shown
input drag "$x1" "$y1" "$x2" "$y2"
has_image() { paste --list-types | grep -qx image/png; }
wait_for 15 "a screenshot on the clipboard" has_image
wait_for 5 "the overlay to go after the screenshot" overlay_gone
paste -t image/png >"$work/got.png"
convert "$pattern" -crop "$region" +repage "$work/expected.png"
[ "$(identify -format %wx%h "$work/got.png")" = "${w}x${h}" ] \
  || fail "got $(identify -format %wx%h "$work/got.png"), expected ${w}x${h} at scale $scale"
differing=$(compare -metric AE "$work/got.png" "$work/expected.png" null: 2>&1 || true)
[ "$differing" = 0 ] || fail "$differing pixels differ from the scene's"
file=$(paste -n -t text/plain)
[ -f "$file" ] || fail "the pasted path is not a file: $file"
[ "$(stat -c %a "$file")" = 600 ] || fail "the file is readable by others: $(stat -c %a "$file")"
cmp -s "$file" <(paste -t image/png) || fail "the file is not the pasted picture"
[ -z "$(ls "$HOME/Pictures")" ] || fail "the portal's picture was left behind: $(ls "$HOME/Pictures")"
echo "ok: a ${w}x${h} region at scale $scale, pixel for pixel; $file with mode 600"

echo "== Escape ends the selection and leaves the clipboard alone"
wl-copy "kept"
wait_for 5 "our own clipboard text" eval '[ "$(paste -n)" = kept ]'
press capture-text
wait_for 15 "the overlay before Escape" overlay_shown
input key 1  # KEY_ESC
wait_for 5 "Escape to close the overlay" overlay_gone
# The program is free for the next capture: the cancelled one has ended, clipboard and all.
press capture-text
wait_for 15 "the overlay after a cancelled one" overlay_shown
[ "$(paste -n)" = kept ] || fail "Escape changed the clipboard to: $(paste -n)"
input key 1
wait_for 5 "the second Escape" overlay_gone
echo "ok: Escape cancels"

echo "== KWin refusing the portal the screen: the program's permission alert"
# KWin gives the screen only to programs whose desktop entries allow it: the portal's backend
# started from elsewhere has none, as an untrusted program would. The bus starts the backend on
# demand, from the session's own service files first: one there starts a copy.
backend=org.freedesktop.impl.portal.desktop.kde
owner_pid() { gdbus call --session -d org.freedesktop.DBus -o /org/freedesktop/DBus \
  -m org.freedesktop.DBus.GetConnectionUnixProcessID "$1" | sed -n 's/^(uint32 \([0-9]*\),)$/\1/p'; }
bus() { gdbus call --session -d org.freedesktop.DBus -o /org/freedesktop/DBus -m "org.freedesktop.DBus.$1" "${@:2}"; }
portal_pid=$(owner_pid "$backend")
copy="$work/xdg-desktop-portal-kde"
cp "$(readlink "/proc/$portal_pid/exe")" "$copy"
services="$XDG_RUNTIME_DIR/dbus-1/services"
mkdir -p "$services"
printf '%s\n' "[D-BUS Service]" "Name=$backend" "Exec=$copy" >"$services/$backend.service"
bus ReloadConfig >/dev/null
kill "$portal_pid"
backend_is_copy() {
  bus StartServiceByName "$backend" 0 >/dev/null 2>&1 || return 1
  [ "$(readlink "/proc/$(owner_pid "$backend")/exe")" = "$copy" ]
}
wait_for 20 "the copy of KDE's portal on the bus" backend_is_copy
# The first-start hint and the notices of the captures are windows of that name too.
no_program_window() { ! windows | grep -q "^Tessarin	"; }
wait_for 20 "the program's notices to go" no_program_window
dbus-monitor --session "type='error'" >"$work/errors.log" 2>&1 &
pids+=($!)
errors_monitored() { grep -q "member=NameLost" "$work/errors.log"; }
wait_for 5 "dbus-monitor to start monitoring" errors_monitored
gapplication action org.tessarin.Tessarin capture-text
alert_shown() { windows | grep -q "^Tessarin	true	"; }
wait_for 15 "the program's permission alert" alert_shown
overlay_gone || fail "an overlay was left behind after the refusal"
refused() { grep -q "error_name=org.kde.kwin.Screenshot.Error.NoAuthorized" "$work/errors.log"; }
wait_for 5 "KWin's refusal on the bus" refused
input key 1
wait_for 5 "Escape to close the alert" no_program_window
echo "ok: KWin's refusal shows the program's permission alert, and no overlay"
