# Shell helpers for tests that drive the built program in a scripts/with-wayland session.
# Sourcing them makes a private work folder, removed with every process started through pids.

work=$(mktemp -d)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

fail() { echo "FAIL: $*" >&2; tail -20 "$work/app.log" >&2 || true; exit 1; }

# wait_until SECONDS DESCRIPTION COMMAND...: retries COMMAND every 50 ms, fails with DESCRIPTION.
wait_until() {
  local tries=$(( $1 * 20 )) what=$2; shift 2
  for _ in $(seq "$tries"); do "$@" >/dev/null 2>&1 && return 0; sleep 0.05; done
  fail "$what"
}

name_owned() {
  gdbus call --session -d org.freedesktop.DBus -o /org/freedesktop/DBus -m org.freedesktop.DBus.NameHasOwner \
    org.tessarin.Tessarin | grep -q true
}

# start_program TESSARIN: starts it, its output in $work/app.log, and waits for its D-Bus name.
start_program() {
  "$1" >"$work/app.log" 2>&1 &
  pids+=($!)
  wait_until 15 "the program's D-Bus name" name_owned
}
