#!/usr/bin/env bash
# The command line as users type it or bind it to a desktop shortcut: help, version and mistakes
# answered without a display; a start without a display refused in one line; the captures of the
# desktop file's actions started in a new instance and handed to the running one.
#   command-line-test.sh TESSARIN SHOW_TEXT DESKTOP_FILE
set -euo pipefail
tessarin=$1 show_text=$2 desktop_file=$3
. "$(dirname "$0")/../support/desktop-helpers.sh"
work=$(mktemp -d)
pids=()
cleanup() { stop_processes; rm -rf "$work"; }
trap cleanup EXIT

# answers STATUS ARGS...: tessarin ends by itself with that status; its output in out and err.
answers() {
  local want=$1 status=0; shift
  timeout 20 "$@" >"$work/out" 2>"$work/err" || status=$?
  [ "$status" = "$want" ] || fail "'$*' ended with $status, not $want: $(cat "$work/out" "$work/err")"
}

echo "== help, version and mistakes, without a display"
answers 0 env -u DISPLAY -u WAYLAND_DISPLAY "$tessarin" --help
for option in --help --version --capture-text --capture-screenshot; do
  grep -q -- "$option" "$work/out" || fail "--help does not list $option: $(cat "$work/out")"
done
answers 0 env -u DISPLAY "$tessarin" --version
grep -qxE 'Tessarin [0-9]+\.[0-9]+\.[0-9]+' "$work/out" || fail "--version printed: $(cat "$work/out")"
answers 2 "$tessarin" --capture-everything
grep -q "Unknown option 'capture-everything'" "$work/err" || fail "no clear error: $(cat "$work/err")"
answers 2 "$tessarin" settings
grep -q "Unexpected argument 'settings'" "$work/err" || fail "no clear error: $(cat "$work/err")"

echo "== a start without a display says so in one line"
for display in "" ":4093"; do
  answers 1 env -u WAYLAND_DISPLAY DISPLAY="$display" "$tessarin"
  [ "$(wc -l <"$work/err")" = 1 ] && grep -q 'needs a graphical session (X11 or Wayland)' "$work/err" ||
    fail "without a display ('$display') it said: $(cat "$work/err")"
done

# reads STATUS ARGS...: tessarin --read without a display ends with that status, as answers does.
reads() { local want=$1; shift; answers "$want" env -u DISPLAY -u WAYLAND_DISPLAY "$tessarin" --read "$@"; }
out_is() { [ "$(cat "$work/out")" = "$1" ] || fail "printed '$(cat "$work/out")', not '$1' ($(cat "$work/err"))"; }
err_says() { grep -q -- "$1" "$work/err" || fail "stderr does not say '$1': $(cat "$work/err")"; }
noto=/usr/share/fonts/truetype/noto/NotoSans-Regular.ttf
noto_cjk=/usr/share/fonts/opentype/noto/NotoSansCJK-Regular.ttc
picture() { # FILE FONT TEXT: the text as a screen shows it
  convert -size 720x90 xc:white -font "$2" -pointsize 32 -fill '#1d1d1f' -annotate +16+58 "$3" "$1"
}
picture "$work/words.png" "$noto" "Read from a file on disk"
picture "$work/chinese.png" "$noto_cjk" "简体中文的文本识别"
convert -size 400x120 xc:white "$work/blank.png"
zint --barcode=58 --scale=3 --whitesp=4 --vwhitesp=4 --data="https://example.org/from-a-file" --output="$work/qr.png"
convert "$work/qr.png" "$work/words.png" -background white -gravity west -append "$work/code.png"

echo "== --read, files: text, codes first, standard input, several files, modes and JSON"
reads 0 "$work/words.png"
out_is "Read from a file on disk"
answers 0 sh -c "exec env -u DISPLAY '$tessarin' --read - <'$work/words.png'"
out_is "Read from a file on disk"
reads 0 "$work/code.png"
out_is "https://example.org/from-a-file
Read from a file on disk"
reads 1 "$work/blank.png"
out_is ""
reads 0 "$work/blank.png" "$work/words.png"
out_is "==> $work/blank.png <==
==> $work/words.png <==
Read from a file on disk"
reads 0 --mode prioritizeCJK "$work/chinese.png"
out_is "简体中文的文本识别"
reads 2 --mode cjkFirst "$work/chinese.png"
err_says "Unknown mode 'cjkFirst'"
reads 0 --json "$work/code.png" "$work/chinese.png"
python3 - "$work/out" "$work/code.png" <<'PYTHON' || fail "JSON: $(cat "$work/out")"
import json, sys
code, chinese = [json.loads(line) for line in open(sys.argv[1])]
assert code["file"] == sys.argv[2], code
assert code["codes"] == [{"format": "QR Code", "text": "https://example.org/from-a-file"}], code
assert code["text"] == "https://example.org/from-a-file\nRead from a file on disk", code
assert chinese["codes"] == [] and chinese["languages"] == ["zh"] and 0.5 < chinese["confidence"] <= 1, chinese
PYTHON

echo "== --read, bad input: a clear error each, status 2, never a crash or a wait"
corpus=$(dirname "$0")/../fuzz/corpus/image_file
mkfifo "$work/fifo"
mkdir "$work/folder"
cp "$work/words.png" "$work/locked.png"
chmod 000 "$work/locked.png"
as_user=()
[ "$(id -u)" != 0 ] || as_user=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
for case in "missing.png:no such file" "folder:is a directory" "fifo:is empty" \
            "$corpus/empty:is empty" "$corpus/truncated.png:is a damaged or truncated image" \
            "$corpus/huge-40000x40000.png:is too large (40000×40000 pixels" "$corpus/not-an-image.txt:is not an image"; do
  file=${case%%:*}
  [[ "$file" == /* || "$file" == ../* || "$file" == */* ]] || file=$work/$file
  reads 2 "$file"
  err_says "$(basename "$file"): ${case#*:}"
  [ ! -s "$work/out" ] || fail "$file printed: $(cat "$work/out")"
done
answers 2 "${as_user[@]}" env -u DISPLAY "$tessarin" --read "$work/locked.png"
err_says "locked.png: cannot be read"
# The good file's text is printed all the same.
reads 2 "$work/words.png" "$work/folder"
out_is "==> $work/words.png <==
Read from a file on disk"

echo "== the desktop file: valid, its texts in every interface language"
desktop-file-validate "$desktop_file" || fail "the desktop file is not valid"
actions=$(grep -c '^\[Desktop Action ' "$desktop_file")
for locale in de es fr ja ko pt zh_CN zh_TW; do
  for key in GenericName Comment Name; do
    want=1; [ "$key" = Name ] && want=$actions # the program's name stays; each action's is translated
    [ "$(grep -c "^$key\[$locale\]=" "$desktop_file")" = "$want" ] || fail "$key is not in $locale"
  done
done

# The desktop file's action, as a launcher runs it.
action() { # NAME: its command, with the program under test
  local command
  command=$(awk -v section="[Desktop Action $1]" '$0 == section { in_it = 1; next }
            /^\[/ { in_it = 0 } in_it && /^Exec=/ { print substr($0, 6) }' "$desktop_file")
  [[ "$command" == tessarin\ * ]] || fail "the desktop file has no action $1"
  echo "$tessarin ${command#tessarin }"
}
"$show_text" 200 400 "Noto Sans" 24 "Bound to a desktop shortcut" >/dev/null 2>&1 &
pids+=($!)
wait_until 10 xdotool search --onlyvisible --pid "$!" || fail "the text window did not show"
text_window=$(xdotool search --onlyvisible --pid "$!" | head -n1)
wait_until 5 window_painted "$text_window" || fail "the text was never drawn"
drag_over_text() {
  eval "$(xdotool getwindowgeometry --shell "$text_window")"
  xdotool mousemove $((X + 4)) $((Y + 4)) mousedown 1 mousemove $((X + WIDTH / 2)) $((Y + HEIGHT / 2)) \
    mousemove $((X + WIDTH - 4)) $((Y + HEIGHT - 4)) mouseup 1
}
own_overlays() { [ "$(xdotool search --all --onlyvisible --pid "$1" --name 'Tessarin selection' | wc -l)" = 2 ]; }
clipboard_text_is() { [ "$(xclip -selection clipboard -o 2>/dev/null)" = "$1" ]; }
clipboard_has_png() { xclip -selection clipboard -t TARGETS -o 2>/dev/null | grep -qx image/png; }

echo "== the text capture action starts Tessarin and its capture"
$(action capture-text) >"$work/first.log" 2>&1 &
first=$!; pids+=("$first")
wait_until 15 own_overlays "$first" || fail "no selection on each monitor: $(cat "$work/first.log")"
drag_over_text
wait_until 30 clipboard_text_is "Bound to a desktop shortcut" ||
  fail "the clipboard holds '$(xclip -selection clipboard -o 2>/dev/null)'"
wait_until 15 tray_icon "$first" || fail "the new instance shows no tray icon"

echo "== the screenshot action goes to the running instance"
answers 0 $(action capture-screenshot)
wait_until 10 own_overlays "$first" || fail "the running instance shows no selection"
drag_over_text
wait_until 15 clipboard_has_png || fail "no screenshot on the clipboard"
kill -0 "$first" || fail "the running instance ended"
# Ended as a logout ends it, after both captures: status 0 (in the checked build, also no leaks).
kill -TERM "$first"
wait_until 20 sh -c "! kill -0 $first" || fail "SIGTERM did not end tessarin"
status=0; wait "$first" || status=$?
[ "$status" = 0 ] || fail "SIGTERM ended tessarin with status $status: $(tail -30 "$work/first.log")"
echo "help, version and mistakes answered; no display refused in one line; files read with their codes; bad input refused; both actions start their capture"
