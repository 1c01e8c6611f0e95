#!/usr/bin/env bash
# One Tessarin per user and display, whatever is left or planted where its lock lives, and an
# orderly end on the signals a session sends.
set -euo pipefail
tessarin=$1
. "$(dirname "$0")/../support/desktop-helpers.sh"

command -v setpriv >/dev/null || fail "setpriv is needed to act as another user"
work=$(mktemp -d)
chmod 0755 "$work" # another user plays a part below
pids=()
cleanup() {
  for p in "${pids[@]}"; do kill -CONT "$p" 2>/dev/null || true; kill -KILL "$p" 2>/dev/null || true; wait "$p" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT
export TMPDIR="$work/tmp"
mkdir -m 0755 "$TMPDIR"

start() { # LOG [ENV...]: starts tessarin in the background; its PID in $pid
  local log=$1; shift
  env "$@" "$tessarin" >>"$work/$log" 2>&1 &
  pid=$!; pids+=("$pid")
}
exits_within() { # SECONDS PID: waits for PID to end; its status in $status
  wait_until "$1" sh -c "! kill -0 $2" || { show_threads "$2"; return 1; }
  status=0; wait "$2" || status=$?
}
# What a process that should have ended is doing, where gdb is at hand.
show_threads() {
  ! command -v gdb >/dev/null || gdb -p "$1" -batch -ex "thread apply all bt 20" 2>/dev/null | grep -E '^(#|Thread)' >&2 || true
}
# reads PID TEXT: one of the program's windows other than its tray icon reads TEXT.
reads() {
  local w
  for w in $(visible_windows "$1"); do
    # Read a settled picture: a window still laying out its text reads as garbage.
    import -window "$w" "$work/before.png" 2>/dev/null || continue
    import -window "$w" "$work/window.png" 2>/dev/null || continue
    [ "$(compare -metric AE "$work/before.png" "$work/window.png" null: 2>&1)" = 0 ] || continue
    convert "$work/window.png" -colorspace Gray -resize 200% "$work/window-read.png"
    tesseract "$work/window-read.png" - --psm 6 2>/dev/null | tr '\n' ' ' >"$work/said.txt"
    grep -q "$2" "$work/said.txt" && return 0
  done
  return 1
}
# says PID TEXT: its notice, or its settings window with the status line (opened as a desktop
# does over D-Bus), reads TEXT.
says() {
  reads "$1" "$2" && return 0
  # The notice may be gone already; the status line keeps the message.
  [ -z "$(settings_window "$1")" ] || return 1
  gdbus call --session --timeout 5 --dest org.tessarin.Tessarin --object-path /org/tessarin/Tessarin \
    --method org.freedesktop.Application.Activate {} >/dev/null 2>&1 || true
  return 1
}
settings_window() { xdotool search --onlyvisible --pid "$1" --name '^Tessarin Settings$'; }
socket_of() { ls "$1"/tessarin-*.socket 2>/dev/null | head -n1; }

# The first instance keeps its lock and socket where only the user can reach them.
start first.log
first=$pid
wait_until 15 tray_icon "$first" || fail "the first instance shows no tray icon"
socket=$(socket_of "$XDG_RUNTIME_DIR")
[ -S "$socket" ] || fail "no socket in the runtime folder: $(ls -la "$XDG_RUNTIME_DIR")"
[ "$(stat -c %a "$XDG_RUNTIME_DIR")" = 700 ] || fail "the runtime folder is not private"

# The same display written another way is the same session: its settings open.
start second.log DISPLAY="$DISPLAY.0"
exits_within 10 "$pid" || fail "a second start with DISPLAY=$DISPLAY.0 keeps running"
[ "$status" = 0 ] || fail "the second start ended with $status: $(cat "$work/second.log")"
wait_until 5 settings_window "$first" || fail "starting again did not open the running one's settings"

# A stopped first instance is still the one instance: a later start does not become a second.
kill -STOP "$first"
start stopped.log
wait_until 15 reads "$pid" "does not respond" || fail "no notice on the unanswering instance; read: $(cat "$work/said.txt" 2>/dev/null)"
exits_within 15 "$pid" || fail "a start beside a stopped instance keeps running"
[ "$status" != 0 ] || fail "a start beside a stopped instance claimed success"
grep -q 'already running' "$work/stopped.log" || fail "no word on the unanswering instance: $(cat "$work/stopped.log")"
kill -CONT "$first"

# SIGTERM, SIGINT and SIGHUP end it the normal way: exit status 0, socket gone, lock free.
for signal in TERM INT HUP; do
  kill -"$signal" "$first"
  exits_within 30 "$first" || fail "SIG$signal did not end tessarin"
  [ "$status" = 0 ] || fail "SIG$signal ended tessarin with status $status"
  [ ! -e "$socket" ] || fail "SIG$signal left the socket behind"
  start "after-$signal.log"
  first=$pid
  wait_until 15 tray_icon "$first" || fail "no new instance after SIG$signal"
  [ -S "$socket" ] || fail "the new instance after SIG$signal has no socket"
done

# A crash leaves socket and lock file behind; neither blocks the next start.
kill -KILL "$first"; wait "$first" 2>/dev/null || true
[ -S "$socket" ] || fail "expected the crashed instance's socket to stay"
start after-crash.log
first=$pid
wait_until 15 tray_icon "$first" || fail "a crashed instance's leftovers stopped the next start: $(cat "$work/after-crash.log")"
kill -TERM "$first"; exits_within 30 "$first" || fail "tessarin started after a crash did not end on SIGTERM"

# A runtime folder too deep for a socket file: later starts still reach the instance, by a name in
# the abstract namespace, where the instance hangs up on other users.
deep="$work/$(printf 'd%.0s' $(seq 100))"
mkdir -m 0700 "$deep"
start deep.log XDG_RUNTIME_DIR="$deep"
first=$pid
wait_until 15 tray_icon "$first" || fail "no instance with a deep runtime folder: $(cat "$work/deep.log")"
start deep-again.log XDG_RUNTIME_DIR="$deep"
exits_within 10 "$pid" || fail "a second start with a deep runtime folder keeps running"
[ "$status" = 0 ] || fail "a second start with a deep runtime folder ended with $status: $(cat "$work/deep-again.log")"
wait_until 5 settings_window "$first" || fail "starting again with a deep runtime folder did not open the settings"
inodes=" $(ls -l "/proc/$first/fd" | sed -n 's/.*socket:\[\([0-9]*\)\]$/\1/p' | tr '\n' ' ') "
name=$(awk -v inodes="$inodes" '$NF ~ /^@tessarin-/ && index(inodes, " " $7 " ") { print substr($NF, 2); exit }' /proc/net/unix)
[ -n "$name" ] || fail "the instance listens on no abstract name"
answer=$(setpriv --reuid=nobody --regid=nogroup --clear-groups /usr/bin/python3 -c '
import socket, sys
s = socket.socket(socket.AF_UNIX); s.settimeout(10); s.connect("\0" + sys.argv[1])
try:
    s.sendall(b"settings\n"); print(repr(s.recv(100)))
except (BrokenPipeError, ConnectionResetError):
    print(repr(b""))' "$name" 2>&1 || true)
[ "$answer" = "b''" ] || fail "another user was answered: $answer"
kill -TERM "$first"; exits_within 30 "$first" || fail "tessarin with a deep runtime folder did not end on SIGTERM"

# Without a runtime folder the lock goes to a private folder of ours in the temporary folder.
# Another user who made that folder first, with a listening socket in it, neither stops Tessarin
# nor hears from it.
foreign="$TMPDIR/tessarin-$(id -u)"
mkdir -m 0777 "$foreign"; chown nobody "$foreign"
display_name=":${DISPLAY#*:}"; display_name=${display_name%.*}
setpriv --reuid=nobody --regid=nogroup --clear-groups /usr/bin/python3 -c '
import socket, sys
s = socket.socket(socket.AF_UNIX); s.bind(sys.argv[1]); s.listen(5); s.settimeout(30)
try:
    c, _ = s.accept(); print("connected", c.recv(100))
except socket.timeout:
    pass' "$foreign/tessarin-$display_name.socket" >"$work/planted.log" 2>&1 &
planted=$!; pids+=("$planted")
wait_until 5 test -S "$foreign/tessarin-$display_name.socket" || fail "the planted socket did not appear"
for round in 1 2; do
  start "foreign-$round.log" -u XDG_RUNTIME_DIR
  wait_until 15 tray_icon "$pid" || fail "a folder planted by another user stopped tessarin: $(cat "$work/foreign-$round.log")"
  wait_until 15 says "$pid" "cannot make sure it runs only once" || fail "tessarin did not say it runs unguarded; its windows read: $(cat "$work/said.txt" 2>/dev/null)"
  kill -TERM "$pid"; exits_within 30 "$pid" || fail "tessarin beside a planted folder did not end on SIGTERM"
done
kill "$planted" 2>/dev/null || true; wait "$planted" 2>/dev/null || true
if grep -q connected "$work/planted.log"; then fail "tessarin talked to the planted socket"; fi
echo "single instance per display; stopped, crashed and planted cases; SIGTERM, SIGINT, SIGHUP end it cleanly"
