#!/usr/bin/env bash
# The built program starts into the tray of a real tray host, shows no window of its own,
# keeps running and writes no settings.
set -euo pipefail
tessarin=$1
. "$(dirname "$0")/../support/desktop-helpers.sh"

"$tessarin" >"$HOME/tessarin.log" 2>&1 &
pid=$!
trap 'kill $pid 2>/dev/null; wait $pid 2>/dev/null || true' EXIT

wait_until 15 tray_icon "$pid" || fail "no tray icon inside the tray host"

# The first-launch hint comes and goes by itself; then only the icon is left.
has_windows() { [ -n "$(visible_windows "$pid")" ]; }
wait_until 10 has_windows || fail "no first-launch hint"
only_the_icon() { ! has_windows; }
wait_until 10 only_the_icon || fail "tessarin shows windows besides its tray icon: $(visible_windows "$pid")"
kill -0 "$pid" 2>/dev/null || fail "tessarin exited"
# The first start records only that the first-launch hint was shown; never the settings.
conf="$HOME/.config/Tessarin/Tessarin.conf"
if [ -e "$conf" ] && grep -q 'app-settings' "$conf"; then
  fail "starting wrote the settings: $(cat "$conf")"
fi
echo "the tray icon is embedded in the tray host; no other windows; no settings written"
