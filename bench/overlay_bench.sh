#!/usr/bin/env bash
# Trigger to frozen screen, Tessarin against flameshot, on one 1920x1080 Xvfb desktop with
# openbox, a tray host and a private D-Bus session bus:
#
#   bench/overlay_bench.sh BUILD_DIR [ROUNDS]
#
# Needs the built tessarin and bench/overlay_bench, and flameshot (scripts/install-deps --bench).
# Tessarin runs with its tessarin.capture.timing log on; flameshot as its own tray daemon, started
# by openbox on Ctrl+Super+3 as a user of this window manager would bind it. Prints what
# overlay_bench measures, then Tessarin's resident memory when idle, before and after the rounds.
set -euo pipefail
build=$(cd "$1" && pwd)
rounds=${2:-20}
here=$(cd "$(dirname "$0")" && pwd)
. "$here/../tests/support/desktop-helpers.sh"

for tool in Xvfb dbus-daemon openbox trayer xdotool xsetroot gdbus flameshot; do
  command -v "$tool" >/dev/null || { echo "overlay_bench: $tool is missing; run scripts/install-deps --bench" >&2; exit 127; }
done
for program in "$build/tessarin" "$build/bench/overlay_bench"; do
  [ -x "$program" ] || { echo "overlay_bench: build $program first" >&2; exit 1; }
done

work=$(mktemp -d "${TMPDIR:-/tmp}/tessarin-overlay-bench.XXXXXX")
pids=()
teardown() { stop_processes; rm -rf "$work"; }
trap teardown EXIT
trap 'exit 130' INT TERM
wait_failed() { tail -n 20 "$work"/*.log >&2 || true; }

Xvfb -displayfd 3 -screen 0 1920x1080x24 -nolisten tcp -noreset 3>"$work/display" >"$work/xvfb.log" 2>&1 &
pids+=($!)
wait_for 30 "Xvfb" test -s "$work/display"
export DISPLAY=":$(head -n1 "$work/display")"
# A plain coloured desktop: the overlay_bench sees a frame drawn when its middle pixel changes.
xsetroot -solid '#3a6ea5'

mkdir -m 0700 "$work/runtime" "$work/home"
export XDG_RUNTIME_DIR="$work/runtime" HOME="$work/home" XDG_SESSION_TYPE=x11 QT_QPA_PLATFORM=xcb
unset XDG_CONFIG_HOME XDG_CACHE_HOME XDG_DATA_HOME WAYLAND_DISPLAY

dbus-daemon --session --nofork --nopidfile --print-address=3 3>"$work/bus" >"$work/dbus.log" 2>&1 &
pids+=($!)
wait_for 30 "the D-Bus session bus" test -s "$work/bus"
export DBUS_SESSION_BUS_ADDRESS="$(head -n1 "$work/bus")"

cat >"$work/openbox.xml" <<'EOF'
<?xml version="1.0" encoding="UTF-8"?>
<openbox_config xmlns="http://openbox.org/3.4/rc">
  <keyboard>
    <keybind key="C-W-3"><action name="Execute"><command>flameshot gui</command></action></keybind>
  </keyboard>
</openbox_config>
EOF
openbox --sm-disable --config-file "$work/openbox.xml" >"$work/openbox.log" 2>&1 &
pids+=($!)
wait_for 30 "openbox" sh -c 'xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"'

trayer --edge top --align right --widthtype request --height 24 --SetDockType true \
  --transparent false --tint 0x303030 >"$work/trayer.log" 2>&1 &
pids+=($!)
wait_for 30 "trayer" xdotool search --classname trayer

# flameshot without its first-run help, start-up message, update check and notices.
mkdir -p "$HOME/.config/flameshot"
cat >"$HOME/.config/flameshot/flameshot.ini" <<'EOF'
[General]
showHelp=false
showStartupLaunchMessage=false
showDesktopNotification=false
checkForUpdates=false
startupLaunch=false
EOF
flameshot >"$work/flameshot.log" 2>&1 &
pids+=($!)
wait_for 30 "flameshot's daemon" gdbus call --session --dest org.freedesktop.DBus --object-path /org/freedesktop/DBus \
  --method org.freedesktop.DBus.GetNameOwner org.flameshot.Flameshot

QT_LOGGING_RULES="tessarin.capture.timing.debug=true" "$build/tessarin" >"$work/tessarin.log" 2>&1 &
tessarin=$!
pids+=($tessarin)
wait_for 30 "Tessarin's tray icon" tray_icon "$tessarin"
# The first-start hint goes by itself, and the recogniser warms up.
no_windows() { [ -z "$(visible_windows "$tessarin")" ]; }
wait_for 30 "the end of Tessarin's first-start hint" no_windows

rss() { awk '/^VmRSS/ { print $2 }' "/proc/$tessarin/status"; }
# Idle: the resident size has stopped moving (the recogniser has loaded its models).
settled_rss() {
  local last now
  last=$(rss)
  for _ in $(seq 30); do
    sleep 1
    now=$(rss)
    [ $((now > last ? now - last : last - now)) -gt 256 ] || break
    last=$now
  done
  echo "$now"
}
before=$(settled_rss)
"$build/bench/overlay_bench" "$work/tessarin.log" "$rounds"
echo "Tessarin idle VmRSS: before the rounds ${before} kB, after $(settled_rss) kB"
