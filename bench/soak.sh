#!/usr/bin/env bash
# Many captures through the real program, as a user makes them, to show what grows:
#
#   scripts/with-desktop -- bench/soak.sh build/tessarin build/tests/show_text [CAPTURES]
#
# Text and screenshot captures alternate, each started by its shortcut, dragged with xdotool
# and waited for on the clipboard. Every 20 captures it prints the program's resident memory,
# open descriptors, threads, visible windows besides the tray icon (overlays or notices left
# behind) and screenshot files in its cache folder, and at the end each figure against the
# first reading.
set -euo pipefail
tessarin=$1 show_text=$2 captures=${3:-200}
. "$(cd "$(dirname "$0")" && pwd)/desktop-bench.sh"

"$tessarin" >"$work/tessarin.log" 2>&1 &
pid=$!; pids+=("$pid")
wait_until 15 tray_icon "$pid" || fail "no tray icon"
text="Soak test line for the clipboard"
"$show_text" 300 300 "Noto Sans" 22 "$text" >/dev/null 2>&1 &
pids+=($!)
wait_until 5 xdotool search --onlyvisible --pid "$!" || fail "the text window did not show"
scene=$(xdotool search --onlyvisible --pid "$!" | head -n1)
wait_until 5 window_painted "$scene" || fail "the text was never drawn"
eval "$(xdotool getwindowgeometry --shell "$scene")"
left=$X top=$Y right=$((X + WIDTH - 4)) bottom=$((Y + HEIGHT - 4))
# The first-start hint goes by itself; the soak starts once only the tray icon is left.
no_windows() { [ -z "$(visible_windows "$pid")" ]; }
wait_until 20 no_windows || fail "the first-start hint stayed"

clipboard_is() { [ "$(xclip -selection clipboard -o 2>/dev/null)" = "$1" ]; }
has_image() { xclip -selection clipboard -t TARGETS -o 2>/dev/null | grep -qx image/png; }
capture() { # SHORTCUT CHECK...
  printf 'soak' | xclip -selection clipboard -i
  wait_until 5 clipboard_is soak || fail "the clipboard did not take the marker"
  xdotool key "$1"; shift
  wait_until 10 overlays_shown 2 || fail "no overlays after the shortcut"
  xdotool mousemove $((left + 4)) $((top + 4)) mousedown 1 mousemove $(((left + right) / 2)) $(((top + bottom) / 2)) \
    mousemove "$right" "$bottom" mouseup 1
  wait_until 20 "$@" || fail "capture $n never reached the clipboard"
  wait_until 10 no_windows || fail "capture $n left a window behind"
}

status() { awk -v k="$1:" '$1 == k { print $2 }' "/proc/$pid/status"; }
reading() {
  printf '%s\t%s\t%s\t%s\t%s\t%s\n' "$n" "$(status VmRSS)" "$(ls "/proc/$pid/fd" | wc -l)" "$(status Threads)" \
    "$(visible_windows "$pid" | wc -l)" "$(find "$HOME/.cache/TessarinClipboard" -type f 2>/dev/null | wc -l)"
}

printf 'captures\tRSS kB\tdescriptors\tthreads\twindows\tfiles\n'
start=$SECONDS
for n in $(seq 1 "$captures"); do
  if [ $((n % 2)) -eq 1 ]; then capture ctrl+super+2 clipboard_is "$text"; else capture ctrl+super+1 has_image; fi
  [ $((n % 20)) -ne 0 ] || reading | tee -a "$work/readings"
done
echo "$captures captures in $((SECONDS - start)) s"
# An orderly end, where a sanitized build reports what it found.
kill -TERM "$pid"
status=0; wait "$pid" || status=$?
[ "$status" = 0 ] || fail "tessarin ended with status $status"
awk -F'\t' 'NR == 1 { for (i = 2; i <= 4; i++) first[i] = $i }
  END { printf "last against first reading: RSS %.2fx, descriptors %.2fx, threads %.2fx; windows left %d, files %d\n",
        $2 / first[2], $3 / first[3], $4 / first[4], $5, $6 }' "$work/readings"
