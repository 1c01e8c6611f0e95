# Shared by the benchmarks that drive the built program on scripts/with-desktop: a private work
# folder, the processes started there (stopped at the end), and the program's last words in
# $work/tessarin.log shown when the benchmark fails.
. "$(dirname "${BASH_SOURCE[0]}")/../tests/support/desktop-helpers.sh"
work=$(mktemp -d)
pids=()
cleanup() {
  local status=$?
  [ "$status" = 0 ] || tail -n 40 "$work/tessarin.log" >&2
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; wait "$p" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT
