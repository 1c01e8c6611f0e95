#!/usr/bin/env bash
# The built program starts into the tray of a real tray host, shows no window of its own,
# keeps running and writes nothing to the user's configuration.
set -euo pipefail
tessarin=$1
fail() { echo "FAIL: $*" >&2; exit 1; }

"$tessarin" >"$HOME/tessarin.log" 2>&1 &
pid=$!
trap 'kill $pid 2>/dev/null; wait $pid 2>/dev/null || true' EXIT

# The icon is a window of ours that the tray host has embedded; it must be there within 2 s.
embedded_in_tray() { # window
  local host id
  id=$(printf '0x%x' "$1")
  for host in $(xdotool search --class trayer); do
    xwininfo -tree -id "$host" | grep -q "^ *$id " && return 0
  done
  return 1
}
icon=""
for _ in $(seq 40); do
  for window in $(xdotool search --onlyvisible --pid "$pid" 2>/dev/null || true); do
    embedded_in_tray "$window" && icon=$window
  done
  [ -n "$icon" ] && break
  sleep 0.05
done
[ -n "$icon" ] || fail "no tray icon inside the tray host within 2 seconds"

# Past the first-launch hint (0.6 s + 4 s), only the icon is left.
sleep 5
kill -0 "$pid" 2>/dev/null || fail "tessarin exited"
visible=$(xdotool search --onlyvisible --pid "$pid" | grep -vx "$icon" || true)
[ -z "$visible" ] || fail "tessarin shows windows besides its tray icon: $visible"
# The first start records only that the first-launch hint was shown; never the settings.
conf="$HOME/.config/Tessarin/Tessarin.conf"
if [ -e "$conf" ] && grep -q 'app-settings' "$conf"; then
  fail "starting wrote the settings: $(cat "$conf")"
fi
echo "tray icon $icon is embedded in the tray host; no other windows; no settings written"
