#!/usr/bin/env bash
# The built program in a real GNOME Shell session (scripts/with-wayland --gnome), started and
# driven only from outside: the tray through the AppIndicator extension, captures started by the
# README's custom GNOME shortcut, GNOME's screenshot permission dialog answered as a user would,
# the pointer and keys of virtual input devices, the clipboard read back by wl-paste.
#   gnome-test.sh TESSARIN SHOW_SCENE
set -euo pipefail
app=$1 show_scene=$2
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../wayland/session-helpers.sh"
shell() { /usr/bin/python3 "$here/shell.py" "$@"; }
on_fail() {
  echo "windows (title, class, monitor, focused, full screen):"; shell windows
  echo "clipboard ($(wl-paste --list-types 2>/dev/null | tr '\n' ' ')): $(wl-paste -n 2>/dev/null | head -c 200)"
  echo "notices asked for:"; grep -o 'string "[^"]*"' "$work/notices.log" | sort -u | head -20
}

windows_of() { shell windows | awk -F'\t' -v c="$1" '$2 == c'; }
has_window() { [ -n "$(windows_of "$1")" ]; }
has_no_window() { [ -z "$(windows_of "$1")" ]; }
focused_class() { shell windows | awk -F'\t' '$4 == "true" { print $2 }'; }
scene_has_focus() { [ "$(focused_class)" = show_scene ]; }
overlay_shown() { shell windows | awk -F'\t' '$1 == "Tessarin selection" && $5 == "true"' | grep -q .; }
overlay_gone() { ! shell windows | grep -q "Tessarin selection"; }
button_shown() { shell button "$1" >/dev/null; }
click_button() { wait_for 5 "the $1 button in its place" button_shown "$1"; shell click $(shell button "$1"); }
# Waits read GNOME's own clipboard: wl-paste takes the keyboard focus to read it on GNOME, and a
# window taking the focus just as the program writes makes GNOME drop the write. wl-paste reads
# once the result is there, as the other program a user pastes into.
clipboard_is() { [ "$(shell clipboard-text)" = "$1" ]; }
# The notices the desktop shows for the program, by title.
notices() { shell eval 'Main.messageTray.getSources().filter(s => s.title === "Tessarin")
  .flatMap(s => s.notifications.map(n => n.title)).join("\n")'; }
# What the program asks the desktop to show, as the desktop's notification service receives it.
dbus-monitor --session "type='method_call',interface='org.freedesktop.Notifications'" >"$work/notices.log" 2>&1 &
pids+=($!)
monitoring() { grep -q "member=NameLost" "$work/notices.log"; }
wait_for 5 "dbus-monitor to start monitoring" monitoring
notice_sent() { grep -qF "string \"$1\"" "$work/notices.log"; }
no_notice() { [ -z "$(notices)" ]; }
notices_shown() { ! no_notice; }
permission() {
  gdbus call --session -d org.freedesktop.impl.portal.PermissionStore -o /org/freedesktop/impl/portal/PermissionStore \
    -m "org.freedesktop.impl.portal.PermissionStore.$1" screenshot screenshot "${@:2}"
}
indicator='Main.panel.statusArea[Object.keys(Main.panel.statusArea).find(k => k.startsWith("appindicator-"))]'

# A program the user works in, holding the keyboard focus.
text="Tessarin reads GNOME text"
"$show_scene" text 32 "$text" >"$work/scene.log" 2>&1 &
scene=$!
pids+=($scene)
wait_for 10 "the text scene to take the focus" scene_has_focus

echo "== first start: the hint appears and goes without taking the focus"
start_program "$app"
wait_for 10 "the first-start hint" notice_sent "Tessarin is running in the system tray"
wait_for 10 "the hint on the screen" notices_shown
scene_has_focus || fail "the hint took the focus from $(focused_class)"
wait_for 15 "the hint to go" no_notice
scene_has_focus || fail "the focus did not stay: $(focused_class)"
has_no_window tessarin || fail "the program shows a window: $(windows_of tessarin)"
echo "ok: the hint came and went as a desktop notice; the focus stayed"

echo "== the tray icon, through the AppIndicator extension, and its menu"
# A full-screen program hides the top bar; the user leaves it to reach the tray.
kill "$scene"
wait_for 10 "the scene to close" has_no_window show_scene
indicator_shown() { [ "$(shell eval "$indicator ? $indicator.mapped : false")" = True ]; }
wait_for 10 "the tray icon in the top bar" indicator_shown
position=$(shell eval "(() => { const a = $indicator; const [x, y] = a.get_transformed_position();
  const [w, h] = a.get_transformed_size(); return Math.round(x + w / 2) + ' ' + Math.round(y + h / 2); })()")
shell click $position
menu_open() { [ "$(shell eval "$indicator.menu.isOpen")" = True ]; }
wait_for 5 "the menu to open" menu_open
items=$(shell eval "$indicator.menu._getMenuItems().filter(i => i.label && i.label.text).map(i => i.label.text).join('|')")
case "$items" in
  "Capture Text for AI|Capture Screenshot for Terminal|Text shortcut: "*"|Settings|Help|Quit") ;;
  *) fail "menu items: $items" ;;
esac
shell key Escape
menu_closed() { ! menu_open; }
wait_for 5 "the menu to close" menu_closed
echo "ok: the icon is in the top bar and opens the menu: $items"

"$show_scene" text 32 "$text" >"$work/scene.log" 2>&1 &
pids+=($!)
wait_for 10 "the text scene to take the focus again" scene_has_focus

echo "== the README's GNOME shortcut starts a capture; refusing the permission"
path=/org/gnome/settings-daemon/plugins/media-keys/custom-keybindings/tessarin-text/
gsettings set org.gnome.settings-daemon.plugins.media-keys custom-keybindings "['$path']"
gsettings set org.gnome.settings-daemon.plugins.media-keys.custom-keybinding:$path name 'Capture text'
gsettings set org.gnome.settings-daemon.plugins.media-keys.custom-keybinding:$path command \
  'gapplication action org.tessarin.Tessarin capture-text'
gsettings set org.gnome.settings-daemon.plugins.media-keys.custom-keybinding:$path binding '<Control><Super>2'
# The media-keys plugin has the shell grab the binding (key code 11 is "2"; Control and Super
# are modifier bits 4 and 64).
shortcut_grabbed() { [ "$(shell eval 'global.display.get_keybinding_action(11, 4 | 64)')" != 0 ]; }
wait_for 10 "the shell to grab Ctrl+Super+2" shortcut_grabbed
press_until_asked() { shell key Control_L Super_L 2; wait_for 10 "the permission dialog" button_shown Deny; }
press_until_asked
button_shown Allow || fail "the permission dialog has no Allow button"
click_button Deny
wait_for 10 "the program's permission alert" has_window tessarin
overlay_gone || fail "an overlay was left behind after the refusal"
shell key Escape
wait_for 5 "the alert to close" has_no_window tessarin
echo "ok: a refusal shows the program's permission alert, and no overlay"

echo "== allowing it lets the capture finish: text on the clipboard"
permission DeletePermission '' >/dev/null   # as a user would, in Settings -> Privacy
wait_for 10 "the scene to have the focus back" scene_has_focus
press_until_asked
click_button Allow
wait_for 15 "the overlay with the frozen screen" overlay_shown
shell drag 20 20 760 110
wait_for 20 "the recognised text on the clipboard" clipboard_is "$text"
wait_for 5 "the overlay to go" overlay_gone
permission Lookup | grep -q "'yes'" || fail "GNOME did not keep the permission: $(permission Lookup)"
wait_for 10 "the notice of the copied text" notice_sent "Text copied, ready to paste"
scene_has_focus || fail "the notice took the focus from $(focused_class)"
wait_for 10 "the notice to go" no_notice
[ "$(wl-paste -n)" = "$text" ] || fail "another client pastes: $(wl-paste -n)"
echo "ok: \"$text\" pasted; the notice came and went without the focus"

echo "== a screenshot: image and file on GNOME's clipboard"
gapplication action org.tessarin.Tessarin capture-screenshot
wait_for 15 "the overlay for the screenshot" overlay_shown
shell drag 20 20 760 110
has_image() { shell clipboard-types | grep -qx image/png; }
wait_for 20 "a screenshot on the clipboard" has_image
types=$(wl-paste --list-types)
for wanted in image/png image/tiff text/uri-list x-special/gnome-copied-files text/plain; do
  grep -qx "$wanted" <<<"$types" || fail "the clipboard lacks $wanted: $types"
done
file=$(wl-paste -n -t text/plain)
[ -f "$file" ] || fail "the pasted path is not a file: $file"
echo "ok: another client sees $(tr '\n' ' ' <<<"$types")"
