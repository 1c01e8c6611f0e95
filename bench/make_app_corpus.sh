#!/bin/bash
# Adds to bench/real/ screens drawn the way applications draw them, rendered by a real browser
# (Chromium, headless): chat bubbles, rows of buttons and badges, links on dark themes, ruled
# tables, menus with shortcuts, settings with check boxes and switches, long paragraphs and full
# screens. Each group is one kind of screen, in several languages, light and dark, at 1x and 2x.
#   GROUP-NAME.png / .txt / .lang   as make_real_corpus.sh writes them
# The .txt is what a person expects to paste: lines top to bottom, a table's cells separated by
# tabs, decorations (boxes, switches, avatars, icons) adding nothing.
# Uses: chromium, fonts-noto-core, fonts-noto-cjk. scripts/install-deps --bench installs them.
set -eu
"$(dirname "$0")/../scripts/install-deps" --bench
out=$(cd "$(dirname "$0")" && pwd)/real
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$out"

# theme light|dark: the page colours of a plain application window.
theme() {
    if [ "$1" = dark ]; then
        bg='#1e1f22' fg='#e3e3e3' dim='#9a9ca0' pane='#2b2d31' line='#4a4c52' link='#8ab4f8' other='#3a3c42'
    else
        bg='#ffffff' fg='#1f1f1f' dim='#6f6f6f' pane='#f3f3f3' line='#c8c8c8' link='#1a5fd0' other='#e9e9eb'
    fi
}

# shot NAME MODEL PX SCALE WIDTH HEIGHT FONT: renders $work/NAME.body (inside a page with the
# theme's colours and FONT at PX) to NAME.png; $work/NAME.txt is its text.
shot() {
    name=$1 model=$2 px=$3 scale=$4 width=$5 height=$6 font=$7
    {
        printf '<!doctype html><html><head><meta charset="utf-8"><style>\n'
        printf 'body{margin:16px;font-family:"%s",sans-serif;font-size:%spx;background:%s;color:%s}\n' "$font" "$px" "$bg" "$fg"
        printf '.dim{color:%s}.pane{background:%s}a{color:%s;text-decoration:none}\n' "$dim" "$pane" "$link"
        cat "$work/style.css" 2>/dev/null || true
        printf '</style></head><body>\n'
        cat "$work/$name.body"
        printf '</body></html>\n'
    } > "$work/$name.html"
    cp "$work/$name.txt" "$out/$name.txt"
    printf '%s %s\n' "$model" "$px" > "$out/$name.lang"
    chromium --headless=new --no-sandbox --disable-gpu --hide-scrollbars --no-first-run \
        --disable-background-networking --disable-component-update --disable-sync \
        --force-device-scale-factor="$scale" --window-size="$width,$height" \
        --screenshot="$out/$name.png" "file://$work/$name.html" >/dev/null 2>&1
}

# chat NAME MODEL SCALE THEME FONT LINES...: bubbles, "<" from the other person (grey, with a
# round avatar), ">" one's own (white on blue).
chat() {
    name=chat-$1 model=$2 scale=$3 font=$5
    theme "$4"
    shift 5
    : > "$work/$name.txt"
    {
        printf '<style>.row{display:flex;align-items:flex-end;margin:8px 0}.me{justify-content:flex-end}\n'
        printf '.av{width:30px;height:30px;border-radius:50%%;background:linear-gradient(135deg,#f7a440,#d2405a);margin-right:8px;flex:none}\n'
        printf '.b{padding:7px 12px;border-radius:16px;max-width:420px}.them .b{background:%s}.me .b{background:#2f6fed;color:#fff}</style>\n' "$other"
        for line in "$@"; do
            text=${line#?}
            case $line in
                \<*) printf '<div class="row them"><div class="av"></div><div class="b">%s</div></div>\n' "$text" ;;
                *) printf '<div class="row me"><div class="b">%s</div></div>\n' "$text" ;;
            esac
            printf '%s\n' "$text" >> "$work/$name.txt"
        done
    } > "$work/$name.body"
    shot "$name" "$model" 15 "$scale" 560 $((30 + 46 * $#)) "$font"
}

chat en eng 1 light 'Noto Sans' '<Are we still on for lunch tomorrow?' '>Yes, 12:30 at the usual place.' \
    '<Great, I will book a table for three.' '>Perfect, see you there!'
chat de deu 2 dark 'Noto Sans' '<Hast du die Präsentation schon gesehen?' '>Ja, sie sieht gut aus.' \
    '<Können wir morgen früh darüber sprechen?'
chat zh chi_sim 1 light 'Noto Sans CJK SC' '<今天下午的会议改到几点了？' '>改到四点，在三楼会议室。' '<好的，我会准时到。'
chat ja jpn 1 dark 'Noto Sans CJK JP' '<資料はもう送りましたか？' '>はい、先ほどメールで送りました。' '<ありがとうございます！'

# buttons NAME MODEL SCALE THEME FONT TITLE BUTTONS BADGE-ROW: a title line, a row of buttons
# (the first white on green, the second white on red, the rest dark on grey), then a row of
# navigation items with pill badges (white on red).
buttons() {
    name=buttons-$1 model=$2 scale=$3 font=$5 title=$6 row=$7 badges=$8
    theme "$4"
    {
        printf '<style>button{font:inherit;border:0;border-radius:6px;padding:6px 16px;margin-right:10px}\n'
        printf '.ok{background:#2e9d48;color:#fff}.no{background:#d93b3b;color:#fff}.n{background:%s;color:%s}\n' "$other" "$fg"
        printf '.nav{margin-top:18px}.nav span{margin-right:28px}.badge{background:#e0413a;color:#fff;border-radius:9px;padding:0 7px;font-size:12px;margin-left:6px}</style>\n'
        printf '<div>%s</div><div style="margin-top:14px">' "$title"
        i=0
        for b in $row; do
            class=n; [ $i = 0 ] && class=ok; [ $i = 1 ] && class=no
            printf '<button class="%s">%s</button>' "$class" "$b"
            i=$((i + 1))
        done
        printf '</div><div class="nav">'
        for item in $badges; do
            printf '<span>%s<span class="badge">%s</span></span>' "${item%:*}" "${item#*:}"
        done
        printf '</div>\n'
    } > "$work/$name.body"
    {
        printf '%s\n' "$title"
        printf '%s\n' "$row"
        for item in $badges; do printf '%s %s ' "${item%:*}" "${item#*:}"; done | sed 's/ $//'
        printf '\n'
    } > "$work/$name.txt"
    shot "$name" "$model" 15 "$scale" 620 150 "$font"
}

buttons en eng 1 light 'Noto Sans' 'Delete the selected files?' 'Save Delete Cancel' 'Inbox:12 Drafts:3 Spam:99'
buttons fr fra 2 dark 'Noto Sans' 'Enregistrer les modifications ?' 'Enregistrer Supprimer Annuler' 'Messages:5 Brouillons:2'
buttons zh chi_sim 1 dark 'Noto Sans CJK SC' '是否保存对文档的修改？' '保存 删除 取消' '收件箱:8 草稿:1'
buttons ko kor 1 light 'Noto Sans CJK KR' '변경 사항을 저장하시겠습니까?' '저장 삭제 취소' '받은편지함:4 임시보관함:2'

# links NAME MODEL SCALE FONT LINES...: sentences on a near-black page, with "[text]" drawn as
# a coloured link inside them.
links() {
    name=dark-links-$1 model=$2 scale=$3 font=$4
    theme dark
    shift 4
    : > "$work/$name.txt"
    : > "$work/$name.body"
    for line in "$@"; do
        printf '<p style="margin:8px 0">%s</p>\n' "$(printf '%s' "$line" | sed 's|\[\([^]]*\)\]|<a href="#">\1</a>|g')" >> "$work/$name.body"
        printf '%s\n' "$line" | tr -d '[]' >> "$work/$name.txt"
    done
    shot "$name" "$model" 15 "$scale" 640 $((36 + 34 * $#)) "$font"
}

links en eng 1 'Noto Sans' 'See the [release notes] before you upgrade.' 'Questions? Ask on the [community forum] or read the [FAQ].' \
    'Your password was changed · [Review activity]'
links es spa 2 'Noto Sans' 'Consulte las [notas de la versión] antes de actualizar.' 'También puede [descargar el manual] en PDF.'
links zh chi_sim 1 'Noto Sans CJK SC' '升级前请先阅读[发行说明]。' '如有问题，请访问[帮助中心]或联系我们。'
links ja jpn 2 'Noto Sans CJK JP' '詳しくは[利用規約]をご覧ください。' '[パスワードを忘れた場合]はこちら'

# table NAME MODEL SCALE THEME FONT ROWS...: a table with grid lines, cells separated by "|".
table() {
    name=tables-$1 model=$2 scale=$3 font=$5
    theme "$4"
    shift 5
    : > "$work/$name.txt"
    {
        printf '<style>table{border-collapse:collapse}td{border:1px solid %s;padding:5px 12px}tr:first-child td{font-weight:bold;background:%s}</style><table>\n' "$line" "$pane"
        for row in "$@"; do
            printf '<tr><td>%s</td></tr>\n' "$(printf '%s' "$row" | sed 's#|#</td><td>#g')"
            printf '%s\n' "$row" | tr '|' '\t' >> "$work/$name.txt"
        done
        printf '</table>\n'
    } > "$work/$name.body"
    shot "$name" "$model" 15 "$scale" 640 $((34 + 33 * $#)) "$font"
}

table en eng 1 light 'Noto Sans' 'Name|Role|Office|Phone' 'Alice Martin|Engineer|Berlin|+49 30 1234' \
    'Bob Chen|Designer|Paris|+33 1 5678' 'Carla Diaz|Manager|Madrid|+34 91 9012'
table de deu 2 dark 'Noto Sans' 'Artikel|Menge|Preis' 'Kaffeebohnen|2|14,90 €' 'Hafermilch|6|1,79 €' 'Brötchen|10|0,45 €'
table zh chi_sim 1 light 'Noto Sans CJK SC' '项目|负责人|状态' '登录页面|王明|已完成' '支付接口|李华|进行中' '数据报表|张伟|未开始'
table ja jpn 1 dark 'Noto Sans CJK JP' '商品名|数量|価格' 'りんご|3|300円' 'みかん|5|250円'

# menu NAME MODEL SCALE THEME FONT ITEMS...: a context menu, "label|shortcut" items, "-" a
# separator; shortcuts right-aligned in a lighter colour.
menu() {
    name=menus-$1 model=$2 scale=$3 font=$5
    theme "$4"
    shift 5
    : > "$work/$name.txt"
    {
        printf '<style>.m{width:300px;background:%s;border:1px solid %s;border-radius:6px;padding:4px 0;box-shadow:0 2px 8px rgba(0,0,0,.3)}\n' "$pane" "$line"
        printf '.i{display:flex;justify-content:space-between;padding:4px 14px}.s{border-top:1px solid %s;margin:4px 0}.sel{background:#2f6fed;color:#fff}.sel .dim{color:#dfe6f5}</style><div class="m">\n' "$line"
        first=1
        for item in "$@"; do
            if [ "$item" = - ]; then printf '<div class="s"></div>\n'; continue; fi
            class=i; [ $first = 0 ] && [ "${item#\*}" != "$item" ] && class='i sel'
            item=${item#\*}
            first=0
            printf '<div class="%s"><span>%s</span><span class="dim">%s</span></div>\n' "$class" "${item%|*}" "${item#*|}"
            printf '%s %s\n' "${item%|*}" "${item#*|}" >> "$work/$name.txt"
        done
        printf '</div>\n'
    } > "$work/$name.body"
    shot "$name" "$model" 14 "$scale" 360 $((40 + 30 * $#)) "$font"
}

menu en eng 1 light 'Noto Sans' 'Undo|Ctrl+Z' 'Redo|Ctrl+Shift+Z' - '*Cut|Ctrl+X' 'Copy|Ctrl+C' 'Paste|Ctrl+V' - 'Select All|Ctrl+A'
menu ja jpn 1 dark 'Noto Sans CJK JP' '元に戻す|Ctrl+Z' - '切り取り|Ctrl+X' '*複製|Ctrl+C' '貼り付け|Ctrl+V'
menu zh chi_tra 2 light 'Noto Sans CJK TC' '復原|Ctrl+Z' '剪下|Ctrl+X' '複製|Ctrl+C' '貼上|Ctrl+V'
menu pt por 2 dark 'Noto Sans' 'Desfazer|Ctrl+Z' '*Recortar|Ctrl+X' 'Copiar|Ctrl+C' - 'Colar|Ctrl+V'

# settings NAME MODEL SCALE THEME FONT TITLE ITEMS...: a settings pane whose items are
# "c:label" a check box (ticked with "C:"), "t:label" a switch, "r:label" a radio button, "i:label"
# an item with an icon; a separator between title and items, a focus ring on the second item.
settings() {
    name=decorations-$1 model=$2 scale=$3 font=$5 title=$6
    theme "$4"
    shift 6
    printf '%s\n' "$title" > "$work/$name.txt"
    {
        printf '<style>.it{display:flex;align-items:center;margin:9px 0;padding:2px}.f{outline:2px solid #2f6fed;outline-offset:2px;border-radius:3px}\n'
        printf '.cb{width:14px;height:14px;border:2px solid %s;border-radius:3px;margin-right:10px}.on{background:#2f6fed;border-color:#2f6fed}\n' "$dim"
        printf '.sw{width:34px;height:18px;border-radius:9px;background:#2f6fed;margin-left:auto;position:relative}.sw:after{content:"";position:absolute;right:2px;top:2px;width:14px;height:14px;border-radius:50%%;background:#fff}\n'
        printf '.rb{width:14px;height:14px;border:2px solid %s;border-radius:50%%;margin-right:10px}\n' "$dim"
        printf '.ic{width:18px;height:18px;margin-right:10px;border-radius:4px;background:linear-gradient(135deg,#4caf50,#1e88e5)}</style>\n'
        printf '<div style="font-weight:bold;font-size:17px">%s</div><hr style="border:0;border-top:1px solid %s">\n' "$title" "$line"
        n=0
        for item in "$@"; do
            label=${item#*:}
            n=$((n + 1))
            focus=; [ $n = 2 ] && focus=' f'
            case ${item%%:*} in
                c) printf '<div class="it%s"><div class="cb"></div>%s</div>\n' "$focus" "$label" ;;
                C) printf '<div class="it%s"><div class="cb on"></div>%s</div>\n' "$focus" "$label" ;;
                t) printf '<div class="it%s" style="width:360px">%s<div class="sw"></div></div>\n' "$focus" "$label" ;;
                r) printf '<div class="it%s"><div class="rb"></div>%s</div>\n' "$focus" "$label" ;;
                i) printf '<div class="it%s"><div class="ic"></div>%s</div>\n' "$focus" "$label" ;;
            esac
            printf '%s\n' "$label" >> "$work/$name.txt"
        done
    } > "$work/$name.body"
    shot "$name" "$model" 15 "$scale" 460 $((70 + 36 * $#)) "$font"
}

settings en eng 1 light 'Noto Sans' 'Privacy settings' 'C:Send usage statistics' 'c:Show notifications' \
    't:Dark mode' 'r:Only when plugged in' 'i:Storage and backups'
settings de deu 1 dark 'Noto Sans' 'Einstellungen' 'c:Automatisch aktualisieren' 'C:Benachrichtigungen anzeigen' 't:Ruhemodus'
settings zh chi_sim 2 light 'Noto Sans CJK SC' '隐私设置' 'C:发送使用统计' 'c:显示通知' 't:深色模式' 'i:存储与备份'
settings ko kor 1 dark 'Noto Sans CJK KR' '설정' 'c:자동 업데이트' 't:알림 표시' 'r:절전 모드'

# paragraph NAME MODEL PX SCALE THEME WIDTH FONT TEXT: running text wrapped by the browser in a
# fixed-width column; the truth is the wrapped lines, read back from the browser's layout.
paragraph() {
    name=paragraphs-$1 model=$2 px=$3 scale=$4 width=$6 font=$7 text=$8
    theme "$5"
    lines=$(printf '%s' "$text" | fold -s -w "$9" | sed 's/ *$//')
    printf '%s\n' "$lines" > "$work/$name.txt"
    printf '%s\n' "$lines" | sed 's|.*|<div style="white-space:nowrap;line-height:1.45">&</div>|' > "$work/$name.body"
    shot "$name" "$model" "$px" "$scale" "$width" $((40 + px * 3 / 2 * $(printf '%s\n' "$lines" | wc -l))) "$font"
}

latin='The committee met on Tuesday to review the draft budget for the coming year. Members agreed that the maintenance of the old library building should remain a priority, although several noted that the heating system would need to be replaced within two years. A proposal to extend opening hours on weekends was discussed at length; the final decision was postponed until the next meeting, when the figures from the pilot project will be available. The chair thanked the volunteers who had organised the book sale in March.'
paragraph en eng 16 1 light 760 'Noto Serif' "$latin" 78
paragraph small eng 13 1 light 700 'Noto Sans' "$latin" 86
paragraph fr fra 15 2 dark 720 'Noto Sans' "Le conseil municipal s'est réuni mardi pour examiner le projet de budget de l'année prochaine. Les membres ont convenu que l'entretien de l'ancienne bibliothèque devait rester une priorité, même si plusieurs ont souligné que le système de chauffage devrait être remplacé d'ici deux ans. La décision finale a été reportée à la prochaine réunion." 74
zh='委员会于周二召开会议，审议了明年的预算草案。成员们一致认为，旧图书馆大楼的维护仍应是优先事项，但也有人指出供暖系统需要在两年内更换。关于延长周末开放时间的提议进行了长时间的讨论，最终决定推迟到下次会议，届时试点项目的数据将会公布。'
paragraph zh chi_sim 16 1 light 620 'Noto Sans CJK SC' "$zh" 108

# full screens: a 1920x1080 page of 16 px text in two columns of lines, Latin and CJK.
fullscreen() {
    name=full-screen-$1 model=$2 font=$4 text=$5 width=$6 joiner=$7
    theme "$3"
    lines=$(for i in $(seq 1 9); do printf '%s%s' "$text" "$joiner"; done | fold -s -w "$width" | sed 's/ *$//' | head -n "$8")
    printf '%s\n' "$lines" > "$work/$name.txt"
    printf '%s\n' "$lines" | sed 's|.*|<div style="white-space:nowrap;line-height:26px">&</div>|' > "$work/$name.body"
    shot "$name" "$model" 16 1 1920 1080 "$font"
}
fullscreen en eng light 'Noto Sans' "$latin" 200 ' ' 38
# fold counts bytes: 354 are 118 Han characters.
fullscreen zh chi_sim dark 'Noto Sans CJK SC' "$zh" 354 '' 38
fullscreen zhlight chi_sim light 'Noto Sans CJK SC' "$zh" 354 '' 40
sed -i 's/body{margin:16px/body{margin:8px 16px/' "$work/full-screen-zhlight.html"
chromium --headless=new --no-sandbox --disable-gpu --hide-scrollbars --no-first-run --disable-background-networking \
    --disable-component-update --disable-sync --window-size=1920,1080 --screenshot="$out/full-screen-zhlight.png" \
    "file://$work/full-screen-zhlight.html" >/dev/null 2>&1

# A paragraph printed at 12 pt and scanned at 150 dpi: grey paper with grain, slightly turned.
paragraph scanned eng 25 1 light 1300 'Noto Serif' "$latin" 62
sed -i 's/line-height:1.45/line-height:1.3/' "$work/paragraphs-scanned.body"
shot paragraphs-scanned eng 25 1 1300 420 'Noto Serif'
convert "$out/paragraphs-scanned.png" -colorspace gray -fill '#ece8e0' -opaque white -rotate 0.4 \
    -attenuate 0.35 +noise Gaussian -blur 0x0.5 -gravity center -crop 1280x400+0+0 +repage "$out/paragraphs-scanned.png"
