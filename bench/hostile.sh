#!/usr/bin/env bash
# Captures that hold no text, or far too much, through the real program as a user makes them:
#
#   scripts/with-desktop -- bench/hostile.sh build/tessarin build/tests/show_text build/bench/ocr_bench
#
# Colour noise, a photo-like picture and a screen of dense 8 px text (from ocr_bench
# --hostile-write) are shown one after another over the whole first monitor, 1920x1080, and each
# is dragged over after the text shortcut: the screen grab, the selection and the recognition
# are the program's own. For each it prints the time from the mouse button's release to the
# program's notice, the program's peak resident memory over that capture, and what reached the
# clipboard (its character error rate for the dense text, "kept" when the program left the
# clipboard alone); then the same for the tesseract command told English on the same picture,
# and the time as a ratio to it.
set -euo pipefail
tessarin=$1 show_text=$2 ocr_bench=$3
. "$(cd "$(dirname "$0")" && pwd)/desktop-bench.sh"
command -v tesseract >/dev/null || fail "tesseract is missing; run scripts/install-deps --bench"

"$ocr_bench" --hostile-write "$work" || fail "the captures could not be written"
LANG=en_US.UTF-8 LANGUAGE=en_US "$tessarin" >"$work/tessarin.log" 2>&1 &
pid=$!; pids+=("$pid")
wait_until 15 tray_icon "$pid" || fail "no tray icon"
no_windows() { [ -z "$(visible_windows "$pid")" ]; }
notice_shown() { overlays_shown 0 && [ -n "$(visible_windows "$pid")" ]; }
wait_until 20 no_windows || fail "the first-start hint stayed"
now() { date +%s%N; }
status() { awk -v k="$1:" '$1 == k { print $2 }' "/proc/$pid/status"; }
error_rate() { # TRUTH TEXT
  if [ ! -s "$1" ]; then [ -s "$2" ] && echo "100.00" || echo "0.00"; else "$ocr_bench" --cer "$1" "$2" 2>/dev/null; fi
}

printf '%-6s %10s %8s %10s  %10s %8s %8s  %s\n' capture "ours ms" "ours MB" "ours CER" "plain ms" "plain MB" "plain CER" "time"
for name in noise photo dense; do
  # Set well before the shortcut: a change the program learns of after it is a copy made during
  # the capture, which the capture leaves alone.
  printf 'before' | xclip -selection clipboard -i
  "$show_text" 0 0 --image "$work/$name.png" >/dev/null 2>&1 &
  shown=$!; pids+=("$shown")
  wait_until 10 xdotool search --onlyvisible --pid "$shown" >/dev/null || fail "$name: the picture did not show"
  window=$(xdotool search --onlyvisible --pid "$shown" | head -n1)
  wait_until 10 window_painted "$window" || fail "$name: the picture was never drawn"
  echo 5 >"/proc/$pid/clear_refs" # the peak starts from here
  xdotool key ctrl+super+2
  wait_until 10 overlays_shown 2 || fail "$name: no overlays after the shortcut"
  xdotool mousemove 0 0 mousedown 1 mousemove 960 540 mousemove 1919 1079 mouseup 1
  released=$(now)
  wait_until 60 notice_shown || fail "$name: no notice within a minute"
  ours_ms=$((($(now) - released) / 1000000))
  ours_mb=$(($(status VmHWM) / 1024))
  if [ "$(xclip -selection clipboard -o 2>/dev/null || true)" = before ]; then
    ours_cer=kept
  else
    xclip -selection clipboard -o >"$work/$name.ours" 2>/dev/null || : >"$work/$name.ours"
    ours_cer=$(error_rate "$work/$name.txt" "$work/$name.ours")
  fi
  kill "$shown"
  wait_until 20 no_windows || fail "$name: the notice stayed"
  /usr/bin/time -f '%e %M' -o "$work/$name.time" tesseract "$work/$name.png" "$work/$name.plain" -l eng >/dev/null 2>&1
  read -r plain_s plain_kb <"$work/$name.time"
  plain_ms=$(awk -v s="$plain_s" 'BEGIN { printf "%d", s * 1000 }')
  printf '%-6s %10s %8s %10s  %10s %8s %8s  %.2fx\n' "$name" "$ours_ms" "$ours_mb" "$ours_cer" "$plain_ms" \
    "$((plain_kb / 1024))" "$(error_rate "$work/$name.txt" "$work/$name.plain.txt")" \
    "$(awk -v a="$ours_ms" -v b="$plain_ms" 'BEGIN { print a / (b > 0 ? b : 1) }')"
done
