#!/bin/sh
# Adds to bench/real/ pages rendered by a real browser (Chromium, headless): headings, running
# text, links, a button and a boxed note in several languages, light and dark, at scale 1 and 2.
# Each page is shot whole, its margins included, as a person's drag over the page would be.
#   browser-NAME.png / .txt / .lang   as make_real_corpus.sh writes them
# Uses: chromium, fonts-noto-core, fonts-noto-cjk. scripts/install-deps --bench installs them.
set -eu
"$(dirname "$0")/../scripts/install-deps" --bench
out=$(cd "$(dirname "$0")" && pwd)/real
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$out"

# page NAME MODEL PIXELS SCALE THEME WIDTH HEIGHT FONT LANG HEADING LINES...: the heading, then
# one paragraph line per argument; a line starting with "[" is a button, with "@" a link, with
# "#" a boxed note.
page() {
    name=browser-$1 model=$2 px=$3 scale=$4 theme=$5 width=$6 height=$7 font=$8 lang=$9
    shift 9
    if [ "$theme" = dark ]; then colours='background:#1b1d22;color:#e4e4e4' link='#8ab4f8' box='#555'
    else colours='background:#ffffff;color:#202124' link='#1a0dab' box='#c4c4c4'; fi
    {
        printf '<!doctype html><html lang="%s"><head><meta charset="utf-8"><style>\n' "$lang"
        printf 'body{margin:20px;font-family:"%s",sans-serif;font-size:%spx;%s}\n' "$font" "$px" "$colours"
        printf 'h1{font-size:%spx;margin:0 0 12px}p{margin:6px 0;white-space:nowrap}a{color:%s}\n' $((px * 3 / 2)) "$link"
        printf 'button{font:inherit;padding:4px 14px;margin-top:8px}\n'
        printf '.note{border:1px solid %s;border-radius:4px;padding:6px 10px;display:inline-block}</style></head><body>\n' "$box"
        printf '<h1>%s</h1>\n' "$1"
    } > "$work/$name.html"
    printf '%s\n' "$1" > "$out/$name.txt"
    shift
    for line in "$@"; do
        text=${line#?}
        case $line in
            \[*) printf '<div><button>%s</button></div>\n' "$text" ;;
            @*) printf '<p><a href="#">%s</a></p>\n' "$text" ;;
            \#*) printf '<p class="note">%s</p>\n' "$text" ;;
            *) text=$line; printf '<p>%s</p>\n' "$text" ;;
        esac >> "$work/$name.html"
        printf '%s\n' "$text" >> "$out/$name.txt"
    done
    printf '</body></html>\n' >> "$work/$name.html"
    printf '%s %s\n' "$model" "$px" > "$out/$name.lang"
    chromium --headless=new --no-sandbox --disable-gpu --hide-scrollbars --force-device-scale-factor="$scale" \
        --window-size="$width,$height" --screenshot="$out/$name.png" "file://$work/$name.html" >/dev/null 2>&1
}

page french fra 16 1 light 620 190 'Noto Sans' fr 'Prévisions météo' \
    'Demain, le ciel sera très nuageux sur la côte.' '@Voir les prévisions à dix jours'
page german deu 15 1 dark 620 200 'Noto Serif' de 'Öffnungszeiten' \
    'Die Bibliothek ist montags geschlossen.' '#Hinweis: Rückgabe auch über den Außenschalter.'
page spanish spa 14 2 light 560 190 'Noto Sans' es 'Configuración' \
    'Elija el idioma y la región de su cuenta.' '[Guardar cambios'
page chinese chi_sim 16 1 light 560 190 'Noto Sans CJK SC' zh-Hans '用户设置' \
    '请输入您的电子邮件地址以接收通知。' '@查看隐私政策'
page traditional chi_tra 16 1 dark 560 190 'Noto Sans CJK TC' zh-Hant '帳戶資訊' \
    '您的訂單已經寄出，預計三天內送達。' '#如有問題，請聯絡客服中心。'
page japanese jpn 16 1 light 600 190 'Noto Sans CJK JP' ja '検索結果' \
    '明日の天気は晴れのち曇りでしょう。' '[次のページへ'
page korean kor 16 2 light 560 190 'Noto Sans CJK KR' ko '공지사항' \
    '서비스 점검은 토요일 오전에 진행됩니다.' '@자세히 보기'
