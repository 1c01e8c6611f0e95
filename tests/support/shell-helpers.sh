# Shell helpers shared by the test scripts and the scripts that make their desktops.

fail() { echo "FAIL: $*" >&2; exit 1; }

# wait_until SECONDS COMMAND...: retries COMMAND every 50 ms for that long, however slow it is.
wait_until() {
  local deadline=$((SECONDS + $1)); shift
  until "$@" >/dev/null 2>&1; do
    [ "$SECONDS" -lt "$deadline" ] || return 1
    sleep 0.05
  done
}

# wait_for SECONDS DESCRIPTION COMMAND...: as wait_until, and ends the script when it never holds,
# after the script's own wait_failed DESCRIPTION where it has one (to show its logs, or to fail
# its test instead).
wait_for() {
  local seconds=$1 what=$2; shift 2
  wait_until "$seconds" "$@" && return 0
  ! declare -F wait_failed >/dev/null || wait_failed "$what"
  echo "$(basename "$0"): $what did not come up" >&2
  exit 1
}

# stop_processes: ends every process in the array pids, the last started first: politely, then
# after five seconds for good.
stop_processes() {
  local i pid
  for ((i=${#pids[@]}-1; i>=0; i--)); do
    kill -TERM "${pids[i]}" 2>/dev/null || true
  done
  for pid in "${pids[@]}"; do
    for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
    kill -KILL "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
  done
}
