#!/usr/bin/env bash
# In a real KWin session (scripts/with-wayland --kwin): the program's shortcuts reach KDE's
# GlobalShortcuts portal with their keys, and a press starts a capture, which asks the
# Screenshot portal for the screen.
#   kwin-shortcut-test.sh TESSARIN
set -euo pipefail
app=$1
source "$(dirname "$0")/session-helpers.sh"
component() { # method [args...]
  gdbus call --session -d org.kde.kglobalaccel -o /component/tessarin -m "org.kde.kglobalaccel.Component.$1" "${@:2}"
}

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

dbus-monitor --session "type='method_call',interface='org.freedesktop.portal.Screenshot',member='Screenshot'" \
  >"$work/monitor.log" 2>&1 &
pids+=($!)
# The monitor loses its own name once it has become a monitor, with its match rules in place.
monitoring() { grep -q "member=NameLost" "$work/monitor.log"; }
wait_for 5 "dbus-monitor to start monitoring" monitoring
component invokeShortcut capture-text >/dev/null
asked() { grep -q "member=Screenshot" "$work/monitor.log"; }
wait_for 10 "the pressed shortcut to start a capture" asked
echo "ok: pressing the text shortcut started a capture"
