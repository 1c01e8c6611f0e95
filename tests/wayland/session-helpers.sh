# Shell helpers for tests that drive the built program in a scripts/with-wayland session.
# Sourcing them makes a private work folder, removed with every process started through pids.
source "$(dirname "${BASH_SOURCE[0]}")/../support/shell-helpers.sh"

work=$(mktemp -d)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

fail() {
  echo "FAIL: $*" >&2
  if command -v swaymsg >/dev/null && [ -n "${SWAYSOCK:-}" ]; then
    echo "windows, as sway places them:" >&2
    window_outputs >&2 || true
  fi
  ! declare -F on_fail >/dev/null || on_fail >&2 || true
  if [ -s "$work/window-events.log" ]; then
    echo "sway's last window events (now $(python3 -c 'import time; print("%.2f" % time.monotonic())')):" >&2
    tail -12 "$work/window-events.log" >&2
  fi
  tail -20 "$work/app.log" >&2 || true
  exit 1
}

# window_outputs [TITLE]: "OUTPUT TITLE fullscreen=N focused=B" for every window (of that title).
window_outputs() {
  swaymsg -t get_tree | python3 -c '
import json, sys
def walk(node, output):
    if node.get("type") == "output":
        output = node["name"]
    if node.get("pid") and (len(sys.argv) < 2 or node.get("name") == sys.argv[1]):
        print(output, node.get("name"), "fullscreen=%s" % node.get("fullscreen_mode"), "focused=%s" % node.get("focused"))
    for child in node.get("nodes", []) + node.get("floating_nodes", []):
        walk(child, output)
walk(json.load(sys.stdin), None)' "$@"
}

# A wait_for that never holds fails the test with its description, and what the session looks like.
wait_failed() { fail "$1"; }

name_owned() {
  gdbus call --session -d org.freedesktop.DBus -o /org/freedesktop/DBus -m org.freedesktop.DBus.NameHasOwner \
    org.tessarin.Tessarin | grep -q true
}

# log_window_events: "TIME CHANGE TITLE focused=B" for each window event sway reports, into
# $work/window-events.log, for the failure report.
log_window_events() {
  swaymsg -m -t subscribe '["window"]' | python3 -u -c '
import json, sys, time
for line in sys.stdin:
    event = json.loads(line)
    container = event.get("container", {})
    print("%.2f" % time.monotonic(), event.get("change"), container.get("name"), "focused=%s" % container.get("focused"), flush=True)
' >"$work/window-events.log" 2>&1 &
  pids+=($!)
}

# start_program TESSARIN: starts it, its output in $work/app.log, and waits for its D-Bus name.
start_program() {
  "$1" >"$work/app.log" 2>&1 &
  pids+=($!)
  wait_for 15 "the program's D-Bus name" name_owned
}
