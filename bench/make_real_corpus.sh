#!/bin/sh
# Makes bench/real/: screens of real programs, selected the way a person drags over them,
# window edges included.
#   NAME.png   the selection
#   NAME.txt   its text, exactly
#   NAME.lang  the right Tesseract language for it, and the text's size in pixels
# Terminals (xterm, dark and light themes, Latin and CJK text), a text editor (vi in xterm)
# and a dialog with buttons (xmessage) on a private Xvfb display, grabbed with ImageMagick.
# Uses: xvfb xterm x11-utils (xmessage) imagemagick vim-tiny or any vi, fonts-noto-cjk. scripts/install-deps --bench installs them.
set -eu
"$(dirname "$0")/../scripts/install-deps" --bench
out=$(cd "$(dirname "$0")" && pwd)/real
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$out"

Xvfb :97 -screen 0 1280x1000x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
sleep 1
export DISPLAY=:97 LANG=C.UTF-8 LC_ALL=C.UTF-8
pids=""

# term NAME MODEL SIZE X Y COLUMNS FONT FG BG LINES...: a terminal at X,Y showing LINES.
term() {
    name=$1 model=$2 size=$3 x=$4 y=$5 columns=$6 font=$7 fg=$8 bg=$9
    shift 9
    printf '%s\n' "$@" > "$out/$name.txt"
    # Points at the display's 96 dpi, as pixels.
    printf '%s %s\n' "$model" $((size * 4 / 3)) > "$out/$name.lang"
    printf '%s\n' "$@" > "$work/$name.in"
    xterm -u8 -geometry "${columns}x$#+$x+$y" -bw 2 -b 6 -fg "$fg" -bg "$bg" -fa "$font" -fs "$size" \
        -e sh -c "cat '$work/$name.in' | head -c -1; sleep 60" &
    pids="$pids $!"
}

term terminal-dark eng 11 10 10 58 'DejaVu Sans Mono' '#d8d8d8' '#1e1e1e' \
    '$ sudo apt-get install tesseract-ocr' 'Reading package lists... Done'
term terminal-urls eng 11 10 90 62 'DejaVu Sans Mono' '#202020' '#fafafa' \
    'git clone https://git.example.org/tools/tessarin.git' 'cp build/app.conf ~/.config/tessarin/app.conf'
term terminal-chinese chi_sim 12 10 170 40 'Noto Sans Mono CJK SC' '#d8d8d8' '#1e1e1e' \
    '人人生而自由，在尊严和权利上一律平等。' '他们赋有理性和良心。'
term terminal-traditional chi_tra 12 10 250 40 'Noto Sans Mono CJK TC' '#202020' '#ffffff' \
    '人人生而自由，在尊嚴和權利上一律平等。' '他們賦有理性和良心。'
term terminal-japanese jpn 12 10 330 54 'Noto Sans Mono CJK JP' '#202020' '#ffffff' \
    'すべての人間は、生まれながらにして自由であり、' 'かつ、尊厳と権利とについて平等である。'
term terminal-korean kor 12 10 410 40 'Noto Sans Mono CJK KR' '#d8d8d8' '#1e1e1e' \
    '모든 인간은 태어날 때부터 자유로우며' '그 존엄과 권리에 있어 동등하다.'

# A text editor: vi on a Portuguese note, the file's lines only (no empty-line markers).
printf '%s\n' 'A reunião começa às nove horas na sala.' 'Não se esqueça de trazer o relatório.' > "$work/nota.txt"
cp "$work/nota.txt" "$out/editor-portuguese.txt"
printf 'por 16\n' > "$out/editor-portuguese.lang"
xterm -u8 -geometry 48x4+10+490 -bw 2 -b 6 -fg '#202020' -bg '#ffffff' -fa 'DejaVu Sans Mono' -fs 12 \
    -e vi "$work/nota.txt" &
pids="$pids $!"

xmessage -geometry +10+600 -buttons Cancel,Save "Save changes to report.txt before closing?" &
pids="$pids $!"
sleep 4
import -window root "$work/desktop.png"
# shellcheck disable=SC2086
kill $pids "$xvfb" 2>/dev/null || true
# shellcheck disable=SC2086
wait $pids "$xvfb" 2>/dev/null || true

printf '%s\n' 'Save changes to report.txt before closing?' 'Cancel Save' > "$out/dialog-save.txt"
printf 'eng 13\n' > "$out/dialog-save.lang"
# crop NAME GEOMETRY: the person's drag, a few pixels outside the window or cutting through it.
crop() { convert "$work/desktop.png" -crop "$2" +repage "$out/$1.png"; }
crop terminal-dark 545x62+6+6
crop terminal-urls 580x60+6+86
crop terminal-chinese 696x66+6+166
crop terminal-traditional 696x66+6+246
crop terminal-japanese 880x66+6+326
crop terminal-korean 640x66+6+406
crop editor-portuguese 500x50+6+486
crop dialog-save 380x72+6+596
