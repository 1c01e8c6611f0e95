#!/bin/bash
# Makes bench/holdout/: application screens that recognition was never tuned on, drawn by a real
# browser (Chromium, headless) in designs unlike those of make_app_corpus.sh, to see how reading
# generalises. Kept apart from bench/real/ so that nobody tunes on it by accident.
#   GROUP-NAME.png / .txt / .lang   as make_real_corpus.sh writes them
# Groups, one kind of screen each: settings pages (switches, check boxes, radio buttons, grey
# descriptions), sidebars (icons, unread counts), message lists, grids (zebra rows without rules,
# ruled grids with a shaded header), forms (values and grey placeholders), code editors (line
# numbers, syntax colours), terminals (coloured prompts), tool, tab, breadcrumb and status bars,
# notification cards, long documents, and mixed CJK and Latin interfaces; English, German, French,
# Spanish, Chinese, Japanese and Korean, light and dark, at 1x, 1.25x and 2x, 12 to 16 px.
# The .txt is what a person expects to paste: lines top to bottom; a table's cells separated by
# tabs, only where the layout is a table (a header row over aligned columns); a label and its
# value on one row separated by a space; icons, switches, boxes, a text cursor and an editor's
# line-number gutter adding nothing; a badge's number and a placeholder's text are text; code
# keeps its indentation.
# Uses: chromium, fonts-noto-core, fonts-noto-cjk, fonts-dejavu-core. scripts/install-deps --bench installs them.
set -eu
export LC_ALL=C.UTF-8
"$(dirname "$0")/../scripts/install-deps" --bench
out=$(cd "$(dirname "$0")" && pwd)/holdout
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$out"

# theme light|dark: a window's colours; faint is secondary text of low contrast.
theme() {
    if [ "$1" = dark ]; then
        bg='#242424' fg='#eeeeee' dim='#a0a0a0' faint='#7c7c7c' pane='#303030' line='#454545' accent='#78aeed' sel='#2a4a73' stripe='#2c2c2c'
    else
        bg='#fafafa' fg='#242424' dim='#707070' faint='#a3a3a3' pane='#ffffff' line='#dcdcdc' accent='#3584e4' sel='#dbe8fb' stripe='#f0f3f6'
    fi
}

# ic SHAPE COLOUR [SIZE]: a small line icon drawn in SVG (no text in it).
ic() {
    c=$2 s=${3:-16}
    printf '<svg width="%s" height="%s" viewBox="0 0 16 16" style="flex:none;vertical-align:middle">' "$s" "$s"
    case $1 in
        inbox) printf '<rect x="2" y="3" width="12" height="10" rx="2" fill="none" stroke="%s" stroke-width="1.5"/><path d="M2 9h3.5l1 2h3l1-2H14" fill="none" stroke="%s" stroke-width="1.5"/>' "$c" "$c" ;;
        star) printf '<path d="M8 1.8l1.9 4 4.3.5-3.2 3 .9 4.3L8 11.4l-3.9 2.2.9-4.3-3.2-3 4.3-.5z" fill="none" stroke="%s" stroke-width="1.4"/>' "$c" ;;
        clock) printf '<circle cx="8" cy="8" r="6" fill="none" stroke="%s" stroke-width="1.5"/><path d="M8 4.5V8l2.5 1.5" fill="none" stroke="%s" stroke-width="1.5"/>' "$c" "$c" ;;
        send) printf '<path d="M2 8l12-5.5L10.5 14 8 9z" fill="%s"/>' "$c" ;;
        doc) printf '<path d="M4 1.5h5.5L12.5 4.5V14.5H4z" fill="none" stroke="%s" stroke-width="1.4"/><path d="M6 8h4.5M6 10.5h4.5" stroke="%s" stroke-width="1.2"/>' "$c" "$c" ;;
        trash) printf '<path d="M3 4h10M6 4V2.5h4V4M4.5 4l.7 10h5.6l.7-10" fill="none" stroke="%s" stroke-width="1.4"/>' "$c" ;;
        warn) printf '<path d="M8 1.5l7 12.5H1z" fill="%s"/><rect x="7.2" y="5.5" width="1.6" height="4.5" fill="#fff"/><rect x="7.2" y="11" width="1.6" height="1.6" fill="#fff"/>' "$c" ;;
        folder) printf '<path d="M1.5 3.5h5l1.5 1.5h6.5v8.5h-13z" fill="%s"/>' "$c" ;;
        home) printf '<path d="M2 8l6-5.5L14 8M4 7v7h3v-4h2v4h3V7" fill="none" stroke="%s" stroke-width="1.5"/>' "$c" ;;
        image) printf '<rect x="1.5" y="2.5" width="13" height="11" rx="1.5" fill="none" stroke="%s" stroke-width="1.4"/><path d="M3 12l3.5-4 2.5 3 1.5-1.5L13 12z" fill="%s"/>' "$c" "$c" ;;
        music) printf '<path d="M6 12V3l8-1.5v9" fill="none" stroke="%s" stroke-width="1.5"/><circle cx="4.5" cy="12" r="2" fill="%s"/><circle cx="12.5" cy="10.5" r="2" fill="%s"/>' "$c" "$c" "$c" ;;
        down) printf '<path d="M8 2v9M4 7.5l4 4 4-4M2.5 14h11" fill="none" stroke="%s" stroke-width="1.6"/>' "$c" ;;
        disk) printf '<rect x="1.5" y="4" width="13" height="8" rx="1.5" fill="none" stroke="%s" stroke-width="1.4"/><circle cx="11.5" cy="8" r="1" fill="%s"/>' "$c" "$c" ;;
        hash) printf '<path d="M6 2L5 14M11 2l-1 12M2.5 6h12M2 10.5h12" stroke="%s" stroke-width="1.4"/>' "$c" ;;
        dot) printf '<circle cx="8" cy="8" r="4.5" fill="%s"/>' "$c" ;;
        user) printf '<circle cx="8" cy="8" r="8" fill="%s"/><circle cx="8" cy="6.3" r="2.6" fill="#fff" opacity=".85"/><path d="M3.5 13.2c1-2.4 2.6-3.2 4.5-3.2s3.5.8 4.5 3.2" fill="#fff" opacity=".85"/>' "$c" ;;
        close) printf '<path d="M4 4l8 8M12 4l-8 8" stroke="%s" stroke-width="1.4"/>' "$c" ;;
        plus) printf '<path d="M8 3v10M3 8h10" stroke="%s" stroke-width="1.6"/>' "$c" ;;
        chevron) printf '<path d="M6 3.5L10.5 8 6 12.5" fill="none" stroke="%s" stroke-width="1.5"/>' "$c" ;;
        caret) printf '<path d="M4 6l4 4 4-4" fill="none" stroke="%s" stroke-width="1.5"/>' "$c" ;;
        save) printf '<path d="M2 2h9.5L14 4.5V14H2z" fill="none" stroke="%s" stroke-width="1.4"/><rect x="5" y="2" width="5" height="4" fill="%s"/>' "$c" "$c" ;;
        print) printf '<rect x="4" y="2" width="8" height="4" fill="none" stroke="%s" stroke-width="1.3"/><rect x="1.5" y="6" width="13" height="6" rx="1" fill="%s"/><rect x="4" y="10" width="8" height="4.5" fill="#fff" stroke="%s" stroke-width="1.3"/>' "$c" "$c" "$c" ;;
        undo) printf '<path d="M5 3L2 6l3 3M2 6h7a4 4 0 010 8H6" fill="none" stroke="%s" stroke-width="1.5"/>' "$c" ;;
        redo) printf '<path d="M11 3l3 3-3 3M14 6H7a4 4 0 000 8h3" fill="none" stroke="%s" stroke-width="1.5"/>' "$c" ;;
        search) printf '<circle cx="6.5" cy="6.5" r="4.5" fill="none" stroke="%s" stroke-width="1.6"/><path d="M10 10l4.5 4.5" stroke="%s" stroke-width="1.8"/>' "$c" "$c" ;;
        share) printf '<circle cx="12" cy="3.5" r="2" fill="%s"/><circle cx="4" cy="8" r="2" fill="%s"/><circle cx="12" cy="12.5" r="2" fill="%s"/><path d="M12 3.5L4 8l8 4.5" fill="none" stroke="%s" stroke-width="1.3"/>' "$c" "$c" "$c" "$c" ;;
        upload) printf '<path d="M8 12V3M4 6.5l4-4 4 4M2.5 14h11" fill="none" stroke="%s" stroke-width="1.6"/>' "$c" ;;
        sort) printf '<path d="M4 2v12M1.5 11.5L4 14l2.5-2.5M10 4h5M10 8h4M10 12h3" fill="none" stroke="%s" stroke-width="1.4"/>' "$c" ;;
        branch) printf '<circle cx="4.5" cy="3" r="1.6" fill="none" stroke="%s" stroke-width="1.3"/><circle cx="4.5" cy="13" r="1.6" fill="none" stroke="%s" stroke-width="1.3"/><circle cx="11.5" cy="5" r="1.6" fill="none" stroke="%s" stroke-width="1.3"/><path d="M4.5 4.6v6.8M11.5 6.6c0 3-7 2-7 4.8" fill="none" stroke="%s" stroke-width="1.3"/>' "$c" "$c" "$c" "$c" ;;
        error) printf '<circle cx="8" cy="8" r="6" fill="none" stroke="%s" stroke-width="1.4"/><path d="M5.5 5.5l5 5M10.5 5.5l-5 5" stroke="%s" stroke-width="1.4"/>' "$c" "$c" ;;
        bell) printf '<path d="M4 11V7a4 4 0 018 0v4l1.5 1.5h-11zM6.5 14h3" fill="none" stroke="%s" stroke-width="1.4"/>' "$c" ;;
        check) printf '<circle cx="8" cy="8" r="7.5" fill="%s"/><path d="M4.5 8.2l2.3 2.3 4.7-4.7" fill="none" stroke="#fff" stroke-width="1.8"/>' "$c" ;;
        cal) printf '<rect x="0" y="0" width="16" height="16" rx="4" fill="%s"/><rect x="3.5" y="4.5" width="9" height="8" rx="1" fill="none" stroke="#fff" stroke-width="1.2"/><path d="M3.5 7h9" stroke="#fff" stroke-width="1.2"/>' "$c" ;;
        app) printf '<rect x="0" y="0" width="16" height="16" rx="4" fill="%s"/><circle cx="8" cy="8" r="3.5" fill="#fff" opacity=".9"/>' "$c" ;;
        sync) printf '<path d="M13 6.5A5 5 0 003.5 5M3 9.5A5 5 0 0012.5 11M3.5 2v3h3M12.5 14v-3h-3" fill="none" stroke="%s" stroke-width="1.4"/>' "$c" ;;
    esac
    printf '</svg>'
}

# page NAME MODEL PX SCALE WIDTH HEIGHT FONT: renders $work/NAME.body (inside a page with the
# theme's colours and FONT at PX) to NAME.png; $work/NAME.txt is the text to expect.
page() {
    name=$1 model=$2 px=$3 scale=$4 width=$5 height=$6 font=$7
    {
        printf '<!doctype html><html><head><meta charset="utf-8"><style>\n'
        printf '*{box-sizing:border-box}body{margin:0;padding:16px;font-family:"%s",sans-serif;font-size:%spx;background:%s;color:%s}\n' "$font" "$px" "$bg" "$fg"
        printf '.dim{color:%s}.faint{color:%s}.row{display:flex;align-items:center;gap:10px}.grow{flex:1}\n' "$dim" "$faint"
        printf 'button{font:inherit;color:inherit}\n'
        printf '</style></head><body>\n'
        cat "$work/$name.body"
        printf '</body></html>\n'
    } > "$work/$name.html"
    sed 's/[[:space:]]*$//' "$work/$name.txt" > "$out/$name.txt"
    printf '%s %s\n' "$model" "$px" > "$out/$name.lang"
    chromium --headless=new --no-sandbox --disable-gpu --hide-scrollbars --no-first-run \
        --disable-background-networking --disable-component-update --disable-sync \
        --force-device-scale-factor="$scale" --window-size="$width,$height" \
        --screenshot="$out/$name.png" "file://$work/$name.html" >/dev/null 2>&1
}

# Controls, as GTK and KDE draw them: a switch (on or off), a check box (ticked or not), a
# radio button (chosen or not), a drop-down box showing a value.
switch() {
    if [ "$1" = on ]; then
        printf '<span style="flex:none;width:40px;height:22px;border-radius:11px;background:%s;position:relative;display:inline-block"><span style="position:absolute;right:2px;top:2px;width:18px;height:18px;border-radius:50%%;background:#fff"></span></span>' "$accent"
    else
        printf '<span style="flex:none;width:40px;height:22px;border-radius:11px;background:%s;position:relative;display:inline-block"><span style="position:absolute;left:2px;top:2px;width:18px;height:18px;border-radius:50%%;background:#fff;box-shadow:0 1px 2px rgba(0,0,0,.3)"></span></span>' "$line"
    fi
}
checkbox() {
    if [ "$1" = on ]; then
        printf '<span style="flex:none;width:16px;height:16px;border-radius:3px;background:%s;display:inline-flex;align-items:center;justify-content:center"><svg width="12" height="12" viewBox="0 0 12 12"><path d="M2 6.2l2.6 2.6L10 3.4" fill="none" stroke="#fff" stroke-width="1.8"/></svg></span>' "$accent"
    else
        printf '<span style="flex:none;width:16px;height:16px;border-radius:3px;border:1.5px solid %s;display:inline-block"></span>' "$dim"
    fi
}
radio() {
    if [ "$1" = on ]; then
        printf '<span style="flex:none;width:16px;height:16px;border-radius:50%%;border:5px solid %s;display:inline-block;background:#fff"></span>' "$accent"
    else
        printf '<span style="flex:none;width:16px;height:16px;border-radius:50%%;border:1.5px solid %s;display:inline-block"></span>' "$dim"
    fi
}
dropdown() {
    printf '<span style="display:inline-flex;align-items:center;gap:8px;border:1px solid %s;border-radius:5px;padding:4px 8px;background:%s">%s%s</span>' "$line" "$pane" "$1" "$(ic caret "$dim" 12)"
}

# ---------------------------------------------------------------------------------------------
# settings: GNOME-like boxed lists (title, grey description, control at the right), a KDE-like
# form (right-aligned labels, check boxes and radio buttons in a column), Japanese switches.

theme light
{
    printf '<style>.box{background:%s;border:1px solid %s;border-radius:10px;margin:6px 0 20px}.box>div{padding:10px 14px;border-top:1px solid %s}.box>div:first-child{border-top:0}.sub{font-size:13px;color:%s}h2{font-size:14px;margin:0 0 4px;font-weight:bold}</style>\n' "$pane" "$line" "$line" "$faint"
    printf '<div style="font-size:18px;font-weight:bold;margin-bottom:14px">Power</div>\n'
    printf '<h2>Power Mode</h2><div class="box">\n'
    printf '<div class="row">%s<div><div>Performance</div><div class="sub">High performance and power usage.</div></div></div>\n' "$(radio off)"
    printf '<div class="row">%s<div><div>Balanced</div><div class="sub">Standard performance and power usage.</div></div></div>\n' "$(radio on)"
    printf '<div class="row">%s<div><div>Power Saver</div><div class="sub">Reduced performance and power usage.</div></div></div>\n' "$(radio off)"
    printf '</div><h2>Power Saving Options</h2><div class="box">\n'
    printf '<div class="row"><div class="grow"><div>Automatic Screen Blank</div><div class="sub">Turns the screen off after a period of inactivity.</div></div>%s</div>\n' "$(switch on)"
    printf '<div class="row"><div class="grow">Screen Blank Delay</div>%s</div>\n' "$(dropdown '5 minutes')"
    printf '<div class="row"><div class="grow"><div>Automatic Suspend</div><div class="sub">Pauses the computer when on battery power.</div></div>%s</div>\n' "$(switch off)"
    printf '<div class="row">%s<div>Show battery percentage</div></div>\n' "$(checkbox on)"
    printf '</div>\n'
} > "$work/settings-gnome.body"
cat > "$work/settings-gnome.txt" <<'EOF'
Power
Power Mode
Performance
High performance and power usage.
Balanced
Standard performance and power usage.
Power Saver
Reduced performance and power usage.
Power Saving Options
Automatic Screen Blank
Turns the screen off after a period of inactivity.
Screen Blank Delay 5 minutes
Automatic Suspend
Pauses the computer when on battery power.
Show battery percentage
EOF
page settings-gnome eng 14 1 560 640 'Noto Sans'

theme dark
{
    printf '<style>.grid{display:grid;grid-template-columns:190px 1fr;row-gap:10px;column-gap:12px;align-items:center}.l{text-align:right}.c{display:flex;align-items:center;gap:8px}.bar{height:4px;width:160px;border-radius:2px;background:%s;position:relative}.bar span{position:absolute;left:60px;top:-6px;width:16px;height:16px;border-radius:50%%;background:%s}</style>\n' "$line" "$accent"
    printf '<div style="font-size:17px;margin-bottom:16px">Allgemeines Verhalten</div>\n<div class="grid">\n'
    printf '<div class="l">Kurzinfos:</div><div class="c">%s Beim Überfahren anzeigen</div>\n' "$(checkbox on)"
    printf '<div></div><div class="c">%s Visuelle Rückmeldung bei Statusänderungen</div>\n' "$(checkbox off)"
    printf '<div class="l">Animationen:</div><div class="c">Langsam <span class="bar"><span></span></span> Sofort</div>\n'
    printf '<div class="l">Klicken auf Dateien:</div><div class="c">%s Öffnet sie</div>\n' "$(radio on)"
    printf '<div></div><div class="c">%s Wählt sie aus</div>\n' "$(radio off)"
    printf '<div class="l">Bildschirmränder:</div><div class="c">%s Fenster am Rand andocken</div>\n' "$(checkbox on)"
    printf '</div><div style="display:flex;gap:8px;margin-top:26px;border-top:1px solid %s;padding-top:12px">' "$line"
    for b in Hilfe Standard; do printf '<button style="background:%s;border:1px solid %s;border-radius:4px;padding:4px 12px">%s</button>' "$pane" "$line" "$b"; done
    printf '<span class="grow"></span>'
    for b in Anwenden Zurücksetzen; do printf '<button style="background:%s;border:1px solid %s;border-radius:4px;padding:4px 12px">%s</button>' "$pane" "$line" "$b"; done
    printf '</div>\n'
} > "$work/settings-kde.body"
cat > "$work/settings-kde.txt" <<'EOF'
Allgemeines Verhalten
Kurzinfos: Beim Überfahren anzeigen
Visuelle Rückmeldung bei Statusänderungen
Animationen: Langsam Sofort
Klicken auf Dateien: Öffnet sie
Wählt sie aus
Bildschirmränder: Fenster am Rand andocken
Hilfe Standard Anwenden Zurücksetzen
EOF
page settings-kde deu 14 1.25 600 380 'Noto Sans'

theme light
{
    printf '<style>.it{display:flex;align-items:center;gap:12px;padding:10px 4px;border-bottom:1px solid %s}.sub{font-size:12px;color:%s}</style>\n' "$line" "$faint"
    printf '<div style="font-size:16px;font-weight:bold;margin-bottom:8px">通知</div>\n'
    printf '<div class="it"><div class="grow"><div>通知を表示</div><div class="sub">アプリやその他の送信元からの通知を受け取ります</div></div>%s</div>\n' "$(switch on)"
    printf '<div class="it"><div class="grow">ロック画面に通知を表示</div>%s</div>\n' "$(switch off)"
    printf '<div class="it">%s<div>通知音を鳴らす</div></div>\n' "$(checkbox on)"
    printf '<div class="it">%s<div>応答不可モード中は通知を非表示にする</div></div>\n' "$(checkbox off)"
    printf '<div style="margin:14px 0 4px;font-size:12px;color:%s">アプリごとの設定</div>\n' "$dim"
    printf '<div class="it">%s<div class="grow">メール</div><span class="dim">バナー</span></div>\n' "$(ic app '#3584e4' 20)"
    printf '<div class="it">%s<div class="grow">カレンダー</div><span class="dim">オフ</span></div>\n' "$(ic cal '#e66100' 20)"
} > "$work/settings-ja.body"
cat > "$work/settings-ja.txt" <<'EOF'
通知
通知を表示
アプリやその他の送信元からの通知を受け取ります
ロック画面に通知を表示
通知音を鳴らす
応答不可モード中は通知を非表示にする
アプリごとの設定
メール バナー
カレンダー オフ
EOF
page settings-ja jpn 13 2 440 400 'Noto Sans CJK JP'

# ---------------------------------------------------------------------------------------------
# sidebar: navigation with icons, section headings in small grey capitals, unread counts as
# pills or plain grey numbers, the current item highlighted.

sidebar_item() { # ICON LABEL COUNT STYLE(pill|num|bold|'') SELECTED
    bgc=transparent; [ "${5:-}" = sel ] && bgc=$sel
    weight=normal; [ "$4" = bold ] && weight=bold
    printf '<div class="row" style="padding:6px 10px;border-radius:6px;background:%s;font-weight:%s">%s<span class="grow">%s</span>' "$bgc" "$weight" "$1" "$2"
    case $4 in
        pill) printf '<span style="background:%s;color:#fff;border-radius:10px;padding:0 8px;font-size:12px;font-weight:bold">%s</span>' "$accent" "$3" ;;
        *) [ -n "$3" ] && printf '<span style="color:%s;font-size:13px">%s</span>' "$dim" "$3" ;;
    esac
    printf '</div>\n'
}
heading() { printf '<div style="font-size:11px;letter-spacing:.06em;color:%s;margin:14px 10px 4px">%s</div>\n' "$faint" "$1"; }

theme dark
{
    printf '<div style="width:240px;background:%s;padding:8px;border-radius:8px">\n' "$pane"
    heading MAILBOXES
    sidebar_item "$(ic inbox "$fg")" Inbox 24 pill sel
    sidebar_item "$(ic star "$fg")" Starred '' ''
    sidebar_item "$(ic clock "$fg")" Snoozed 2 num
    sidebar_item "$(ic send "$fg")" Sent '' ''
    sidebar_item "$(ic doc "$fg")" Drafts 3 num
    sidebar_item "$(ic warn '#c88800')" Spam 128 num
    sidebar_item "$(ic trash "$fg")" Trash '' ''
    heading LABELS
    sidebar_item "$(ic dot '#e01b24')" Work 5 bold
    sidebar_item "$(ic dot '#2ec27e')" Family '' ''
    sidebar_item "$(ic dot '#9141ac')" Receipts 11 bold
    printf '</div>\n'
} > "$work/sidebar-mail.body"
cat > "$work/sidebar-mail.txt" <<'EOF'
MAILBOXES
Inbox 24
Starred
Snoozed 2
Sent
Drafts 3
Spam 128
Trash
LABELS
Work 5
Family
Receipts 11
EOF
page sidebar-mail eng 14 1 280 470 'Noto Sans'

theme light
{
    printf '<div style="width:250px;background:#f0f0f0;padding:8px;border-right:1px solid %s">\n' "$line"
    sidebar_item "$(ic clock "$fg")" Récents '' ''
    sidebar_item "$(ic star "$fg")" Favoris '' ''
    sidebar_item "$(ic home "$fg")" 'Dossier personnel' '' '' sel
    sidebar_item "$(ic folder '#5e5c64')" Documents '' ''
    sidebar_item "$(ic image "$fg")" Images '' ''
    sidebar_item "$(ic music "$fg")" Musique '' ''
    sidebar_item "$(ic down "$fg")" Téléchargements 3 pill
    sidebar_item "$(ic trash "$fg")" Corbeille '' ''
    printf '<div style="border-top:1px solid %s;margin:8px 0"></div>\n' "$line"
    printf '<div class="row" style="padding:6px 10px">%s<div class="grow"><div>Disque système</div><div style="height:4px;background:%s;border-radius:2px;margin:4px 0"><div style="width:62%%;height:4px;background:%s;border-radius:2px"></div></div><div style="font-size:12px;color:%s">188 Go libres sur 500 Go</div></div></div>\n' "$(ic disk "$fg")" "$line" "$accent" "$faint"
    sidebar_item "$(ic plus "$fg")" 'Autres emplacements' '' ''
    printf '</div>\n'
} > "$work/sidebar-files.body"
cat > "$work/sidebar-files.txt" <<'EOF'
Récents
Favoris
Dossier personnel
Documents
Images
Musique
Téléchargements 3
Corbeille
Disque système
188 Go libres sur 500 Go
Autres emplacements
EOF
page sidebar-files fra 15 1.25 290 480 'Noto Sans'

theme dark
{
    printf '<div style="width:230px;background:#19171d;padding:8px;color:#cfcfd2">\n'
    printf '<div style="font-weight:bold;font-size:16px;padding:4px 10px 10px;color:#fff">产品团队</div>\n'
    heading 频道
    sidebar_item "$(ic hash '#9a9aa0' 14)" 常规 '' ''
    sidebar_item "$(ic hash '#fff' 14)" '<span style="color:#fff">产品设计</span>' 12 pill
    sidebar_item "$(ic hash '#9a9aa0' 14)" 前端开发 '' '' sel
    sidebar_item "$(ic hash '#fff' 14)" '<span style="color:#fff">发布计划</span>' '' bold
    heading 私信
    sidebar_item "$(ic user '#c061cb' 18)" 王明 3 pill
    sidebar_item "$(ic user '#26a269' 18)" 李华 '' ''
    sidebar_item "$(ic user '#e5a50a' 18)" 张伟 '' ''
    printf '</div>\n'
} > "$work/sidebar-chat.body"
cat > "$work/sidebar-chat.txt" <<'EOF'
产品团队
频道
常规
产品设计 12
前端开发
发布计划
私信
王明 3
李华
张伟
EOF
page sidebar-chat chi_sim 14 2 270 400 'Noto Sans CJK SC'

# ---------------------------------------------------------------------------------------------
# inbox: a message table with a column header (unread rows bold with a dot, a selected row),
# Spanish message cards (sender and date on a line, subject, grey preview), a Korean messenger
# list (name and time, last message and an unread count).

theme light
{
    printf '<style>table{border-collapse:collapse;width:100%%}td{padding:5px 8px;white-space:nowrap}th{font-weight:normal;text-align:left;padding:4px 8px;background:#ececec;border-right:1px solid %s;border-bottom:1px solid %s;color:%s}.u td{font-weight:bold}.s td{background:#3584e4;color:#fff}td.d{text-align:right;color:%s}.s td.d{color:#fff}</style>\n' "$line" "$line" "$dim" "$dim"
    printf '<table><tr><th style="width:22px"></th><th>From</th><th>Subject</th><th style="text-align:right">Date</th></tr>\n'
    row() { printf '<tr class="%s"><td>%s</td><td>%s</td><td>%s</td><td class="d">%s</td></tr>\n' "$1" "$2" "$3" "$4" "$5"; }
    row u "$(ic dot "$accent" 10)" 'Maria Lopez' 'Quarterly report draft' '10:42'
    row u "$(ic dot "$accent" 10)" 'Build Server' '[docs] Build failed on main' '09:15'
    row s '' 'Tom Becker' 'Re: Lunch on Friday?' 'Yesterday'
    row '' "$(ic star '#e5a50a' 12)" 'Weekly Digest' 'Five articles picked for you' 'Mon'
    row '' '' 'Anna Schmidt' 'Invoice 2024-118' '12/03/2024'
    row '' '' 'Sam Patel' 'Slides for Thursday' '11/03/2024'
    printf '</table>\n'
} > "$work/inbox-table.body"
printf 'From\tSubject\tDate\nMaria Lopez\tQuarterly report draft\t10:42\nBuild Server\t[docs] Build failed on main\t09:15\nTom Becker\tRe: Lunch on Friday?\tYesterday\nWeekly Digest\tFive articles picked for you\tMon\nAnna Schmidt\tInvoice 2024-118\t12/03/2024\nSam Patel\tSlides for Thursday\t11/03/2024\n' > "$work/inbox-table.txt"
page inbox-table eng 14 1 620 260 'Noto Sans'

theme dark
{
    printf '<style>.m{display:flex;gap:12px;padding:10px 12px;border-bottom:1px solid %s}.m .t{display:flex}.m .t b,.m .t span:first-child{flex:1}.p{color:%s;font-size:13px;white-space:nowrap;overflow:hidden;text-overflow:clip}.d{font-size:12px;color:%s}</style>\n' "$line" "$faint" "$dim"
    card() { # UNREAD SENDER DATE SUBJECT PREVIEW
        printf '<div class="m">%s<div class="grow"><div class="t">' "$(ic user "$6" 32)"
        if [ "$1" = 1 ]; then printf '<b>%s</b>' "$2"; else printf '<span>%s</span>' "$2"; fi
        printf '<span class="d">%s</span></div><div%s>%s</div><div class="p">%s</div></div></div>\n' "$3" "$([ "$1" = 1 ] && printf ' style="font-weight:bold"')" "$4" "$5"
    }
    card 1 'Lucía Fernández' '10:24' 'Reserva confirmada' 'Tu mesa para cuatro personas está reservada.' '#e66100'
    card 1 'Banco Central' 'ayer' 'Nuevo extracto disponible' 'Ya puedes consultar el extracto de marzo.' '#1c71d8'
    card 0 'Javier Ruiz' 'lun.' 'Fotos del viaje' 'Te paso el enlace con todas las fotos.' '#2ec27e'
    card 0 'Ayuntamiento' '8 mar.' 'Cita previa' 'Recuerde traer su documento de identidad.' '#813d9c'
} > "$work/inbox-cards.body"
cat > "$work/inbox-cards.txt" <<'EOF'
Lucía Fernández 10:24
Reserva confirmada
Tu mesa para cuatro personas está reservada.
Banco Central ayer
Nuevo extracto disponible
Ya puedes consultar el extracto de marzo.
Javier Ruiz lun.
Fotos del viaje
Te paso el enlace con todas las fotos.
Ayuntamiento 8 mar.
Cita previa
Recuerde traer su documento de identidad.
EOF
page inbox-cards spa 14 1.25 440 380 'Noto Sans'

theme light
{
    printf '<style>.c{display:flex;gap:12px;align-items:center;padding:9px 6px}.t{display:flex}.n{flex:1;font-weight:bold}.tm{font-size:12px;color:%s}.b{display:flex;align-items:center}.b span:first-child{flex:1;color:%s;font-size:14px}.k{background:#ff5a2d;color:#fff;border-radius:10px;font-size:11px;padding:1px 7px;font-weight:bold}</style>\n' "$faint" "$dim"
    chat() { # NAME TIME MESSAGE COUNT COLOUR
        printf '<div class="c">%s<div class="grow"><div class="t"><span class="n">%s</span><span class="tm">%s</span></div><div class="b"><span>%s</span>' "$(ic user "$5" 40)" "$1" "$2" "$3"
        [ -n "$4" ] && printf '<span class="k">%s</span>' "$4"
        printf '</div></div></div>\n'
    }
    chat '김민수' '오후 3:12' '내일 회의 자료 확인했어요' 2 '#3584e4'
    chat '가족 단톡방' '오후 1:05' '엄마: 저녁에 뭐 먹을까?' 15 '#e66100'
    chat '이지은' '오전 11:40' '사진 보내줘서 고마워!' '' '#26a269'
    chat '박서준' '어제' '네, 알겠습니다.' '' '#9141ac'
} > "$work/inbox-messenger.body"
cat > "$work/inbox-messenger.txt" <<'EOF'
김민수 오후 3:12
내일 회의 자료 확인했어요 2
가족 단톡방 오후 1:05
엄마: 저녁에 뭐 먹을까? 15
이지은 오전 11:40
사진 보내줘서 고마워!
박서준 어제
네, 알겠습니다.
EOF
page inbox-messenger kor 15 1 380 290 'Noto Sans CJK KR'

# ---------------------------------------------------------------------------------------------
# grid: spreadsheet-like tables; zebra rows without any rule, and ruled grids with a shaded
# header, numbers right-aligned.

# grid NAME MODEL PX SCALE THEME FONT STYLE(zebra|ruled|banner) ROWS...: "|" separates cells.
grid() {
    name=grid-$1 model=$2 px=$3 scale=$4 font=$6 style=$7
    theme "$5"
    shift 7
    : > "$work/$name.txt"
    {
        case $style in
            zebra) printf '<style>table{border-collapse:collapse}td{padding:4px 14px}tr:nth-child(even) td{background:%s}tr:first-child td{font-weight:bold;color:%s}td.n{text-align:right}</style>\n' "$stripe" "$dim" ;;
            ruled) printf '<style>table{border-collapse:collapse}td{padding:4px 12px;border:1px solid %s}tr:first-child td{background:%s;font-weight:bold}td.n{text-align:right}</style>\n' "$line" "$pane" ;;
            banner) printf '<style>table{border-collapse:collapse}td{padding:3px 10px;border:1px solid #b9c3d0}tr:first-child td{background:#2d4f7c;color:#fff;border-color:#2d4f7c}td:first-child{background:#eef2f7}tr:first-child td:first-child{background:#2d4f7c}td.n{text-align:right}</style>\n' ;;
        esac
        printf '<table>\n'
        for row in "$@"; do
            printf '<tr>'
            IFS='|' read -ra cells <<< "$row"
            for cell in "${cells[@]}"; do
                case $cell in
                    [0-9+-]*[0-9%€]) printf '<td class="n">%s</td>' "$cell" ;;
                    *) printf '<td>%s</td>' "$cell" ;;
                esac
            done
            printf '</tr>\n'
            printf '%s\n' "$row" | tr '|' '\t' >> "$work/$name.txt"
        done
        printf '</table>\n'
    } > "$work/$name.body"
    page "$name" "$model" "$px" "$scale" 640 $((40 + (px * 2 + 4) * $#)) "$font"
}

grid zebra eng 13 1 light 'Noto Sans' zebra 'Region|Q1|Q2|Q3|Q4|Total' 'North|12,480|13,150|11,920|14,300|51,850' \
    'East|9,870|10,210|10,940|11,005|42,025' 'South|15,330|14,870|16,120|17,450|63,770' 'West|8,140|8,560|9,010|9,330|35,040' \
    'Central|11,200|11,980|12,430|12,760|48,370' 'Online|21,605|23,940|25,310|29,880|100,735' 'Total|78,625|82,710|85,730|94,725|341,790'
grid stripes deu 14 1.25 dark 'Noto Sans' zebra 'Name|Größe|Geändert|Typ' 'Angebot_Müller.pdf|248 KB|14.03.2026|PDF-Dokument' \
    'Übersicht 2026.ods|1,2 MB|12.03.2026|Tabelle' 'Straßenplan.png|3,4 MB|02.03.2026|Bild' 'Notizen.txt|4 KB|28.02.2026|Textdatei' \
    'Präsentation.odp|18,7 MB|21.02.2026|Präsentation'
grid ruled chi_sim 14 1 light 'Noto Sans CJK SC' ruled '姓名|部门|入职日期|工号' '陈静|市场部|2019-04-01|A1023' '刘洋|技术部|2021-09-15|A2087' \
    '赵磊|财务部|2018-01-08|A0956' '孙悦|人事部|2022-06-20|A3110' '周强|技术部|2020-11-02|A1764'
grid banner fra 12 2 light 'Noto Sans' banner 'Ville|Population|Superficie|Densité' 'Paris|2 102 650|105 km²|20 025' \
    'Marseille|873 076|241 km²|3 623' 'Lyon|522 250|48 km²|10 880' 'Toulouse|504 078|118 km²|4 272' 'Nice|348 085|72 km²|4 834'

# ---------------------------------------------------------------------------------------------
# form: labelled input boxes holding values or grey placeholders, a drop-down, a check box,
# buttons; labels above the boxes (English, German) and beside them (Japanese).

input() { # VALUE|placeholder:TEXT [WIDTH]
    case $1 in
        placeholder:*) printf '<div style="border:1px solid %s;border-radius:6px;padding:6px 10px;background:%s;color:%s;width:%s">%s</div>' "$line" "$pane" "$faint" "${2:-100%}" "${1#placeholder:}" ;;
        *) printf '<div style="border:1px solid %s;border-radius:6px;padding:6px 10px;background:%s;width:%s">%s</div>' "$line" "$pane" "${2:-100%}" "$1" ;;
    esac
}

theme light
{
    printf '<style>label{display:block;font-weight:600;font-size:13px;margin:12px 0 4px}.h{font-size:12px;color:%s;margin-top:4px}</style><div style="width:360px">\n' "$faint"
    printf '<div style="font-size:20px;font-weight:bold">Create account</div>\n'
    printf '<label>Full name</label>%s\n' "$(input 'Jane Doe')"
    printf '<label>Email</label>%s<div class="h">We will never share your email.</div>\n' "$(input 'jane.doe@example.com')"
    printf '<label>Phone (optional)</label>%s\n' "$(input 'placeholder:+1 555 0100')"
    printf '<label>Country</label><div style="border:1px solid %s;border-radius:6px;padding:6px 10px;background:%s;display:flex;align-items:center"><span class="grow">United States</span>%s</div>\n' "$line" "$pane" "$(ic caret "$dim" 14)"
    printf '<div class="row" style="margin:16px 0">%s<span>I agree to the Terms of Service</span></div>\n' "$(checkbox off)"
    printf '<div class="row" style="justify-content:flex-end"><button style="background:%s;border:1px solid %s;border-radius:6px;padding:6px 14px">Cancel</button><button style="background:%s;color:#fff;border:0;border-radius:6px;padding:7px 14px">Create account</button></div></div>\n' "$pane" "$line" "$accent"
} > "$work/form-signup.body"
cat > "$work/form-signup.txt" <<'EOF'
Create account
Full name
Jane Doe
Email
jane.doe@example.com
We will never share your email.
Phone (optional)
+1 555 0100
Country
United States
I agree to the Terms of Service
Cancel Create account
EOF
page form-signup eng 14 1 400 520 'Noto Sans'

theme dark
{
    printf '<style>label{display:block;font-size:13px;color:%s;margin:12px 0 4px}.two{display:flex;gap:14px}.two>div{flex:1}</style><div style="width:440px">\n' "$dim"
    printf '<div style="font-size:17px;font-weight:bold">Lieferadresse</div>\n'
    printf '<div class="two"><div><label>Vorname</label>%s</div><div><label>Nachname</label>%s</div></div>\n' "$(input 'Anna')" "$(input 'placeholder:Nachname eingeben')"
    printf '<label>Straße und Hausnummer</label>%s\n' "$(input 'Hauptstraße 12')"
    printf '<div class="two"><div style="flex:0 0 120px"><label>PLZ</label>%s</div><div><label>Ort</label>%s</div></div>\n' "$(input '10115')" "$(input 'placeholder:z. B. Berlin')"
    printf '<label>Anmerkungen</label><div style="border:1px solid %s;border-radius:6px;padding:6px 10px;background:%s;color:%s;height:64px">Optional: Hinweise für den Lieferdienst</div>\n' "$line" "$pane" "$faint"
    printf '<div class="row" style="justify-content:flex-end;margin-top:16px"><button style="background:transparent;border:1px solid %s;border-radius:6px;padding:6px 14px">Abbrechen</button><button style="background:#26a269;color:#fff;border:0;border-radius:6px;padding:7px 18px">Weiter</button></div></div>\n' "$line"
} > "$work/form-address.body"
cat > "$work/form-address.txt" <<'EOF'
Lieferadresse
Vorname Nachname
Anna Nachname eingeben
Straße und Hausnummer
Hauptstraße 12
PLZ Ort
10115 z. B. Berlin
Anmerkungen
Optional: Hinweise für den Lieferdienst
Abbrechen Weiter
EOF
page form-address deu 14 1.25 480 480 'Noto Sans'

theme light
{
    printf '<style>.f{display:grid;grid-template-columns:140px 300px;gap:12px 14px;align-items:center}.f>span{text-align:right}.req{color:#c01c28;font-size:12px;margin-left:4px}</style>\n'
    printf '<div style="font-size:17px;font-weight:bold;margin-bottom:16px">お問い合わせ</div><div class="f">\n'
    printf '<span>氏名</span>%s\n' "$(input '山田 太郎')"
    printf '<span>メールアドレス</span>%s\n' "$(input 'placeholder:example@mail.jp')"
    printf '<span>電話番号</span>%s\n' "$(input '03-1234-5678')"
    printf '<span>都道府県</span><div style="border:1px solid %s;border-radius:6px;padding:6px 10px;background:%s;display:flex;align-items:center;width:160px"><span class="grow">東京都</span>%s</div>\n' "$line" "$pane" "$(ic caret "$dim" 14)"
    printf '<span style="align-self:start;padding-top:7px">内容</span><div style="border:1px solid %s;border-radius:6px;padding:6px 10px;background:%s;color:%s;height:70px">ご用件をご記入ください</div>\n' "$line" "$pane" "$faint"
    printf '<span></span><button style="background:%s;color:#fff;border:0;border-radius:6px;padding:7px 0;width:120px">送信する</button>\n' "$accent"
    printf '</div>\n'
} > "$work/form-contact.body"
cat > "$work/form-contact.txt" <<'EOF'
お問い合わせ
氏名 山田 太郎
メールアドレス example@mail.jp
電話番号 03-1234-5678
都道府県 東京都
内容 ご用件をご記入ください
送信する
EOF
page form-contact jpn 14 1 500 400 'Noto Sans CJK JP'

# ---------------------------------------------------------------------------------------------
# code: editors with a line-number gutter (not part of the text), syntax colours, the current
# line highlighted; dark and light; Chinese comments and strings.

# code NAME MODEL PX SCALE WIDTH BG GUTTER CURRENT FG: $work/NAME.src holds the code with
# colour marks «k…» keyword, «s…» string, «c…» comment, «f…» function, «n…» number, «t…» type;
# COLOURS is "k s c f n t".
code() {
    name=$1 model=$2 px=$3 scale=$4 width=$5 cbg=$6 gutter=$7 current=$8 cfg=$9
    read -r ck cs cc cf cn ct <<< "${10}"
    sed 's/«[kscfnt]//g; s/»//g' "$work/$name.src" > "$work/$name.txt"
    {
        printf '<style>body{background:%s!important;color:%s!important;padding:8px 0!important}.l{display:flex;white-space:pre;line-height:1.5}.g{width:48px;text-align:right;padding-right:16px;color:%s;flex:none}.cur{background:%s}.k{color:%s}.s{color:%s}.c{color:%s;font-style:italic}.f{color:%s}.n{color:%s}.t{color:%s}</style>\n' \
            "$cbg" "$cfg" "$gutter" "$current" "$ck" "$cs" "$cc" "$cf" "$cn" "$ct"
        n=0
        while IFS= read -r src; do
            n=$((n + 1))
            html=$(printf '%s' "$src" | sed 's/&/\&amp;/g; s/</\&lt;/g; s/>/\&gt;/g; s|«\([kscfnt]\)\([^»]*\)»|<span class="\1">\2</span>|g')
            cls=l; [ $n = 5 ] && cls='l cur'
            printf '<div class="%s"><span class="g">%s</span><span>%s</span></div>\n' "$cls" $((n + 40)) "$html"
        done < "$work/$name.src"
    } > "$work/$name.body"
    bg=$cbg fg=$cfg dim=$gutter faint=$gutter
    page "$name" "$model" "$px" "$scale" "$width" $((48 + px * 3 / 2 * n)) 'DejaVu Sans Mono'
}

cat > "$work/code-python.src" <<'EOF'
«kimport» json
«kfrom» pathlib «kimport» Path
«kdef» «fload_orders»(folder: «tPath») -> «tlist»[«tdict»]:
    «s"""Read every order file in the folder."""»
    orders = []
    «kfor» file «kin» «fsorted»(folder.glob(«s"*.json"»)):
        «kwith» file.open(encoding=«s"utf-8"») «kas» stream:
            orders.append(json.load(stream))
    «kreturn» orders
«kdef» «ftotal»(orders, tax=«n0.19»):
    «c# Net sum plus tax, rounded to cents»
    net = «fsum»(o[«s"amount"»] «kfor» o «kin» orders)
    «kreturn» «fround»(net * («n1» + tax), «n2»)
EOF
code code-python eng 13 1 620 '#1e1e1e' '#6e7681' '#2a2d2e' '#d4d4d4' '#c586c0 #ce9178 #6a9955 #dcdcaa #b5cea8 #4ec9b0'

cat > "$work/code-js.src" <<'EOF'
«kexport» «kasync» «kfunction» «ffetchUser»(id) {
  «kconst» response = «kawait» «ffetch»(«s`/api/users/${id}`»);
  «kif» (!response.ok) {
    «kthrow» «knew» «tError»(«s"Request failed: "» + response.status);
  }
  «c// Cache for five minutes»
  cache.set(id, { at: Date.«fnow»(), ttl: «n300000» });
  «kreturn» response.«fjson»();
}
EOF
code code-js eng 14 1.25 600 '#ffffff' '#8c959f' '#f6f8fa' '#24292f' '#cf222e #0a3069 #6e7781 #8250df #0550ae #953800'

cat > "$work/code-go.src" <<'EOF'
«c// Total 计算订单总额（含税）»
«kfunc» «fTotal»(items []«tItem») «tfloat64» {
    sum := «n0.0»
    «kfor» _, it := «krange» items {
        sum += it.Price * «tfloat64»(it.Qty)
    }
    log.«fPrintf»(«s"订单共 %d 项"», «flen»(items))
    «kreturn» sum * «n1.06» «c// 税率 6%»
}
EOF
code code-go chi_sim+eng 13 2 560 '#282c34' '#636d83' '#2c313c' '#abb2bf' '#c678dd #98c379 #7f848e #61afef #d19a66 #e5c07b'

# ---------------------------------------------------------------------------------------------
# shell: terminals with a coloured prompt (user and host, path), coloured output, a block cursor.

# shell NAME MODEL PX SCALE WIDTH BG FG: $work/NAME.src has lines; "$ …" after a prompt given in
# PROMPT_HTML / PROMPT_TEXT; «r…» red, «y…» yellow, «g…» green, «b…» blue output; a last "$"
# alone is a prompt with the cursor.
shell() {
    name=$1 model=$2 px=$3 scale=$4 width=$5
    bg=$6 fg=$7
    : > "$work/$name.txt"
    {
        printf '<style>body{font-family:"DejaVu Sans Mono",monospace!important;padding:10px 12px!important}.t{white-space:pre;line-height:1.35}.r{color:#f66151}.y{color:#f6d32d}.g{color:#33d17a}.b{color:#62a0ea}.cur{background:%s;color:%s}</style>\n' "$fg" "$bg"
        n=0
        while IFS= read -r src; do
            n=$((n + 1))
            case $src in
                '$')
                    printf '<div class="t">%s <span class="cur"> </span></div>\n' "$prompt_html"
                    printf '%s\n' "$prompt_text" >> "$work/$name.txt" ;;
                '$ '*)
                    printf '<div class="t">%s %s</div>\n' "$prompt_html" "${src#\$ }"
                    printf '%s %s\n' "$prompt_text" "${src#\$ }" >> "$work/$name.txt" ;;
                *)
                    printf '<div class="t">%s</div>\n' "$(printf '%s' "$src" | sed 's|«\([rygb]\)\([^»]*\)»|<span class="\1">\2</span>|g')"
                    printf '%s\n' "$src" | sed 's/«[rygb]//g; s/»//g' >> "$work/$name.txt" ;;
            esac
        done < "$work/$name.src"
    } > "$work/$name.body"
    page "$name" "$model" "$px" "$scale" "$width" $((48 + px * 27 / 20 * n)) 'DejaVu Sans Mono'
}

prompt_html='<span class="g" style="font-weight:bold">alex@build-01</span>:<span class="b" style="font-weight:bold">~/src/app</span>$'
prompt_text='alex@build-01:~/src/app$'
cat > "$work/shell-bash.src" <<'EOF'
$ git pull --rebase
Successfully rebased and updated refs/heads/main.
$ make -j2
[ 50%] Building CXX object src/CMakeFiles/app.dir/main.cpp.o
«ysrc/main.cpp:42:9: warning: unused variable 'count'»
[100%] Linking CXX executable app
$ ./app --version
app 2.4.1 (built 2026-03-14)
$ ping -c 1 example.org
64 bytes from 93.184.215.14: icmp_seq=1 ttl=56 time=11.8 ms
$
EOF
shell shell-bash eng 14 1 700 '#171421' '#d0cfcc'

prompt_html='<span style="color:#a51d2d">[</span><span style="color:#1a7f37">maria@laptop</span> <span style="color:#0550ae">site</span><span style="color:#a51d2d">]</span>$'
prompt_text='[maria@laptop site]$'
cat > "$work/shell-light.src" <<'EOF'
$ npm run build
> site@1.8.0 build
> vite build
«g✓» 214 modules transformed.
dist/index.html 0.46 kB
dist/assets/index-4f2a9c.js 143.20 kB
«rerror» during build: Could not resolve "./Chart.vue"
$ git switch -c fix/chart-import
Switched to a new branch 'fix/chart-import'
$
EOF
shell shell-light eng 13 1.25 640 '#ffffff' '#1e1e1e'

prompt_html='<span class="g">ken@mac</span>:<span class="b">~/work</span>$'
prompt_text='ken@mac:~/work$'
cat > "$work/shell-japanese.src" <<'EOF'
$ git log --oneline -4
«y3f2a1c9» ログイン画面の文言を修正
«y8b7d004» 設定の保存に失敗する問題を修正
«ye41f9a2» 英語と日本語の翻訳を追加
«ya09c3d1» 最初のコミット
$ cat メモ.txt
明日の打ち合わせは十時からです。
$
EOF
shell shell-japanese jpn 14 2 560 '#300a24' '#eeeeec'

# ---------------------------------------------------------------------------------------------
# bars: a toolbar of icons over labels and a tab bar with close buttons; a dark toolbar of icon
# and label buttons over browser-like tabs; a breadcrumb drawn with chevron icons over a status
# bar; an editor's path bar with "/" and its blue status bar.

theme light
{
    printf '<style>.tb{display:flex;gap:4px;padding:6px;background:#f3f3f3;border-bottom:1px solid %s}.tb div{display:flex;flex-direction:column;align-items:center;gap:3px;padding:4px 10px;font-size:12px}.tabs{display:flex;background:#e4e4e4}.tab{display:flex;align-items:center;gap:8px;padding:7px 12px;border-right:1px solid %s}.on{background:#fff}</style>\n' "$line" "$line"
    printf '<div class="tb">'
    for b in doc:New folder:Open save:Save print:Print undo:Undo redo:Redo search:Find; do
        printf '<div>%s<span>%s</span></div>' "$(ic "${b%%:*}" '#3d3846' 22)" "${b#*:}"
    done
    printf '</div><div class="tabs">'
    printf '<div class="tab on">%s<span>Budget 2026.xlsx</span>%s</div>' "$(ic doc '#26a269' 14)" "$(ic close '#777' 12)"
    printf '<div class="tab">%s<span>Notes.txt</span>%s</div>' "$(ic doc '#555' 14)" "$(ic close '#777' 12)"
    printf '<div class="tab">%s<span>Untitled 3</span>%s</div>' "$(ic doc '#555' 14)" "$(ic close '#777' 12)"
    printf '<div class="tab" style="border:0">%s</div></div>\n' "$(ic plus '#555' 14)"
} > "$work/bars-toolbar.body"
printf 'New Open Save Print Undo Redo Find\nBudget 2026.xlsx Notes.txt Untitled 3\n' > "$work/bars-toolbar.txt"
page bars-toolbar eng 13 1 560 140 'Noto Sans'

theme dark
{
    printf '<style>.tabs{display:flex;gap:2px;background:#1b1b1b;padding:6px 6px 0}.tab{display:flex;align-items:center;gap:8px;padding:7px 12px;border-radius:8px 8px 0 0;width:190px;white-space:nowrap;overflow:hidden}.on{background:%s}.tb{display:flex;gap:6px;padding:8px;background:%s;border-bottom:1px solid %s}.btn{display:flex;align-items:center;gap:6px;padding:5px 10px;border-radius:5px;background:#3a3a3a}</style>\n' "$pane" "$pane" "$line"
    printf '<div class="tabs"><div class="tab on">%s<span class="grow">Mes fichiers</span>%s</div><div class="tab" style="color:%s">%s<span class="grow">Agenda partagé</span>%s</div></div>\n' \
        "$(ic app '#3584e4' 14)" "$(ic close "$dim" 12)" "$dim" "$(ic cal '#e66100' 14)" "$(ic close "$dim" 12)"
    printf '<div class="tb">'
    for b in plus:'Nouveau dossier' upload:Importer share:Partager; do
        printf '<span class="btn">%s%s</span>' "$(ic "${b%%:*}" "$fg" 15)" "${b#*:}"
    done
    printf '<span class="grow"></span><span class="btn">%sTrier par nom%s</span></div>\n' "$(ic sort "$fg" 15)" "$(ic caret "$fg" 12)"
} > "$work/bars-tabs.body"
printf 'Mes fichiers Agenda partagé\nNouveau dossier Importer Partager Trier par nom\n' > "$work/bars-tabs.txt"
page bars-tabs fra 14 1 640 110 'Noto Sans'

theme light
{
    printf '<style>.bc{display:flex;align-items:center;gap:6px;padding:8px 10px;border:1px solid %s;border-radius:6px;background:#fff}.bc span.x{padding:2px 6px;border-radius:4px}.sb{display:flex;gap:24px;margin-top:130px;padding:5px 10px;background:#f0f0f0;border-top:1px solid %s;font-size:13px;color:%s}</style>\n' "$line" "$line" "$dim"
    printf '<div class="bc">%s<span class="x">首页</span>%s<span class="x">项目</span>%s<span class="x">2026</span>%s<span class="x" style="background:%s;font-weight:bold">设计稿</span></div>\n' \
        "$(ic home "$dim" 16)" "$(ic chevron "$faint" 14)" "$(ic chevron "$faint" 14)" "$(ic chevron "$faint" 14)" "$sel"
    printf '<div class="sb"><span>共 12 个项目，已选择 3 个</span><span class="grow"></span><span>剩余空间 48.2 GB</span></div>\n'
} > "$work/bars-breadcrumb.body"
printf '首页 项目 2026 设计稿\n共 12 个项目，已选择 3 个 剩余空间 48.2 GB\n' > "$work/bars-breadcrumb.txt"
page bars-breadcrumb chi_sim 14 1.25 520 250 'Noto Sans CJK SC'

theme dark
{
    printf '<style>body{padding:0!important}.path{display:flex;gap:6px;padding:6px 14px;background:#1f1f1f;color:#a9a9a9}.sb{display:flex;align-items:center;gap:14px;padding:3px 10px;background:#007acc;color:#fff;margin-top:90px}.sb span{display:inline-flex;align-items:center;gap:4px}</style>\n'
    printf '<div class="path">src / export / writer.py / CsvWriter / write_row</div>\n'
    printf '<div class="sb"><span>%smain</span><span>%s</span><span>%s0 %s2</span><span class="grow"></span><span>Ln 42, Col 17</span><span>Spaces: 4</span><span>UTF-8</span><span>LF</span><span>Python 3.12</span>%s</div>\n' \
        "$(ic branch '#fff' 14)" "$(ic sync '#fff' 14)" "$(ic error '#fff' 14)" "$(ic warn '#fff' 14)" "$(ic bell '#fff' 14)"
} > "$work/bars-status.body"
printf 'src / export / writer.py / CsvWriter / write_row\nmain 0 2 Ln 42, Col 17 Spaces: 4 UTF-8 LF Python 3.12\n' > "$work/bars-status.txt"
page bars-status eng 12 2 620 150 'Noto Sans'

# ---------------------------------------------------------------------------------------------
# toast: notification cards (app icon, app name and time in grey, bold title, body, buttons),
# snack bars with a status icon and an action, Korean cards.

theme dark
{
    printf '<style>.n{width:380px;background:#383838;border-radius:12px;padding:12px 14px;margin-bottom:10px;box-shadow:0 2px 6px rgba(0,0,0,.5)}.h{display:flex;align-items:center;gap:8px;font-size:12px;color:%s;margin-bottom:6px}.ti{font-weight:bold}.bt{display:flex;gap:8px;margin-top:10px}.bt span{flex:1;text-align:center;background:#4a4a4a;border-radius:6px;padding:5px}</style>\n' "$faint"
    printf '<div class="n"><div class="h">%s<span class="grow">Calendar · now</span>%s</div><div class="ti">Design review in 15 minutes</div><div>Room 4.02 and video call</div><div class="bt"><span>Snooze</span><span>Dismiss</span></div></div>\n' "$(ic cal '#e66100' 16)" "$(ic close "$faint" 12)"
    printf '<div class="n"><div class="h">%s<span class="grow">Downloads · 2 min ago</span>%s</div><div class="ti">Download complete</div><div>report-final.pdf (2.4 MB)</div></div>\n' "$(ic app '#3584e4' 16)" "$(ic close "$faint" 12)"
    printf '<div class="n"><div class="h">%s<span class="grow">Software Updates · 1 h ago</span>%s</div><div class="ti">3 updates available</div><div>Restart to finish installing.</div></div>\n' "$(ic app '#26a269' 16)" "$(ic close "$faint" 12)"
} > "$work/toast-cards.body"
cat > "$work/toast-cards.txt" <<'EOF'
Calendar · now
Design review in 15 minutes
Room 4.02 and video call
Snooze Dismiss
Downloads · 2 min ago
Download complete
report-final.pdf (2.4 MB)
Software Updates · 1 h ago
3 updates available
Restart to finish installing.
EOF
page toast-cards eng 14 1 420 400 'Noto Sans'

theme light
{
    printf '<style>.s{display:flex;align-items:center;gap:12px;width:440px;padding:12px 14px;border-radius:8px;margin-bottom:12px;background:#fff;border:1px solid %s;border-left:4px solid var(--c);box-shadow:0 2px 8px rgba(0,0,0,.12)}.s b{display:block}.s .a{color:var(--c);font-weight:bold;white-space:nowrap}</style>\n' "$line"
    printf '<div class="s" style="--c:#26a269">%s<div class="grow"><b>Gespeichert</b><span class="dim">Ihre Änderungen wurden übernommen.</span></div><span class="a">Rückgängig</span></div>\n' "$(ic check '#26a269' 22)"
    printf '<div class="s" style="--c:#c01c28">%s<div class="grow"><b>Verbindung unterbrochen</b><span class="dim">Neuer Versuch in 10 Sekunden …</span></div><span class="a">Jetzt versuchen</span></div>\n' "$(ic warn '#c01c28' 22)"
} > "$work/toast-snackbar.body"
cat > "$work/toast-snackbar.txt" <<'EOF'
Gespeichert Rückgängig
Ihre Änderungen wurden übernommen.
Verbindung unterbrochen Jetzt versuchen
Neuer Versuch in 10 Sekunden …
EOF
page toast-snackbar deu 13 2 480 170 'Noto Sans'

theme dark
{
    printf '<style>.n{display:flex;gap:12px;width:400px;background:#2f2f33;border-radius:14px;padding:12px 14px;margin-bottom:10px}.t{display:flex;font-size:12px;color:%s}.t span:first-child{flex:1}.ti{font-weight:bold;margin:2px 0}</style>\n' "$faint"
    printf '<div class="n">%s<div class="grow"><div class="t"><span>배달 앱</span><span>방금</span></div><div class="ti">주문하신 음식이 출발했어요</div><div>약 25분 후 도착 예정입니다.</div></div></div>\n' "$(ic app '#2ec27e' 36)"
    printf '<div class="n">%s<div class="grow"><div class="t"><span>은행</span><span>5분 전</span></div><div class="ti">입금 알림</div><div>급여 3,200,000원이 입금되었습니다.</div></div></div>\n' "$(ic app '#1c71d8' 36)"
} > "$work/toast-korean.body"
cat > "$work/toast-korean.txt" <<'EOF'
배달 앱 방금
주문하신 음식이 출발했어요
약 25분 후 도착 예정입니다.
은행 5분 전
입금 알림
급여 3,200,000원이 입금되었습니다.
EOF
page toast-korean kor 15 1.25 440 230 'Noto Sans CJK KR'

# ---------------------------------------------------------------------------------------------
# document: long running text, 50 lines and more, paragraphs set apart by space; every line
# counts (a lost line is a hole in the pasted text).

# document NAME MODEL PX SCALE THEME WIDTH FONT FOLD TITLE: paragraphs on stdin, one a line.
document() {
    name=document-$1 model=$2 px=$3 scale=$4 width=$6 font=$7 fold=$8 title=$9
    theme "$5"
    printf '%s\n' "$title" > "$work/$name.txt"
    printf '<div style="font-size:%spx;font-weight:bold;margin-bottom:10px">%s</div>\n' $((px + 5)) "$title" > "$work/$name.body"
    while IFS= read -r paragraph; do
        lines=$(printf '%s' "$paragraph" | fold -s -w "$fold" | sed 's/ *$//')
        printf '%s\n' "$lines" >> "$work/$name.txt"
        printf '<div style="margin-bottom:%spx">%s</div>\n' $((px * 3 / 4)) \
            "$(printf '%s\n' "$lines" | sed 's|.*|<div style="white-space:nowrap;line-height:1.5">&</div>|')" >> "$work/$name.body"
    done
    count=$(wc -l < "$work/$name.txt")
    page "$name" "$model" "$px" "$scale" "$width" $((80 + px * 3 / 2 * count + px * 6)) "$font"
}

document workshop eng 15 1 light 620 'Noto Serif' 54 'Notes on moving the workshop' <<'EOF'
When we moved the workshop from the old mill to the new building on Station Road, we expected the hardest part to be the heavy machines. It was not. The lathe and the two drill presses went onto the lorry in a single morning, strapped to pallets that the neighbours lent us, and they arrived without a scratch. What took weeks was everything small: the drawers of screws sorted by a system that only one person understood, the boxes of offcuts that nobody wanted to throw away, and the shelves of manuals for tools we had sold years ago.
We made a rule early on. Anything that had not been touched for two years would be photographed, listed and offered to members before it went to the recycling centre. The list grew to more than four hundred items. Some went within an hour; a set of brass hinges started a small argument that was settled by drawing lots. Others stayed on the list until the very end, and we were surprised how little we missed them once they were gone.
The new building has better light and a proper floor, but it also has rules that the mill never had. Dust extraction must run whenever a saw is in use, the fire doors may not be propped open, and the insurance asks for a signed record of who used which machine and when. At first this felt like paperwork for its own sake. After a month it had become a habit, and the record helped us notice that the bandsaw blade was being replaced far more often than it should be.
The tool library is the part of the move we are proudest of. Members can now borrow a drill, a sander or a set of clamps for a week, using the same cards as the town library next door. Each tool has a label with its number and the date of its last check, and a volunteer looks at everything that comes back before it goes on the shelf again. In the first month ninety-one loans were made and only one tool came back broken.
Heating turned out to be the largest surprise. The mill had been cold but cheap; the new hall is warm and costs three times as much in winter. We have started closing the far end on weekdays and moving the benches closer to the radiators, which saves about a fifth of the bill. A member who works as an engineer has offered to look at the boiler settings before next winter.
Finally, a word of thanks. Thirty people gave up at least one weekend to carry, clean, paint and label. The children from the primary school painted the sign above the door, and the bakery across the road kept us supplied with coffee for the whole of March. The opening evening is on the twelfth of May at seven o'clock, and everyone is welcome, whether or not they have ever held a chisel.
EOF

document library spa 14 1.25 dark 560 'Noto Sans' 44 'Nuevo horario de la biblioteca' <<'EOF'
A partir del lunes 3 de junio, la biblioteca municipal abrirá de nueve de la mañana a ocho de la tarde de lunes a viernes, y de diez a dos los sábados. El cambio responde a una encuesta que contestaron más de mil doscientas personas durante el invierno, en la que la mayoría pidió poder venir después del trabajo.
La sala de estudio del primer piso mantendrá su horario actual durante el periodo de exámenes, es decir, permanecerá abierta hasta las diez de la noche entre el 20 de mayo y el 30 de junio. Para entrar después de las ocho será necesario mostrar el carné de la biblioteca o el de la universidad.
El préstamo de libros, películas y juegos de mesa se podrá hacer en las máquinas de autoservicio de la entrada. Quien prefiera la atención personal encontrará siempre a alguien en el mostrador principal. Los libros devueltos fuera de horario pueden dejarse en el buzón junto a la puerta lateral; se registrarán al día siguiente y no generarán recargo.
Los talleres infantiles pasan a los martes y jueves por la tarde, y el club de lectura se reunirá el último miércoles de cada mes. Las inscripciones se abren quince días antes de cada actividad, en la web o en persona, y las plazas están limitadas a veinte participantes.
También cambia el acceso a internet. La red inalámbrica será gratuita para todas las personas usuarias, sin necesidad de contraseña, aunque cada sesión durará como máximo tres horas. Los ordenadores públicos seguirán reservándose por turnos de una hora, y se podrán imprimir hasta diez páginas al día sin coste.
Agradecemos a todas las personas que participaron en la encuesta y a los voluntarios que ayudarán a organizar los cambios. Si tiene dudas o sugerencias, puede escribirnos o dejar una nota en el buzón de la entrada. Nos vemos en la biblioteca.
EOF

# ---------------------------------------------------------------------------------------------
# mixed: interfaces that mix CJK and Latin: a Chinese "about this computer" list of labels and
# values, a Japanese file list with Latin names under a column header, a Korean menu bar and
# export dialog.

theme light
{
    printf '<style>.kv{display:grid;grid-template-columns:130px 1fr;row-gap:9px;width:460px;padding:14px;background:#fff;border-radius:10px;border:1px solid %s}.kv span:nth-child(odd){color:%s}</style>\n' "$line" "$dim"
    printf '<div style="font-size:18px;font-weight:bold;margin-bottom:12px">关于本机</div><div class="kv">\n'
    printf '<span>设备名称</span><span>DESKTOP-7F3K2</span>\n<span>处理器</span><span>Intel Core i7-1260P @ 2.10 GHz</span>\n'
    printf '<span>内存</span><span>16 GB（15.7 GB 可用）</span>\n<span>系统类型</span><span>64 位操作系统</span>\n'
    printf '<span>版本</span><span>Ubuntu 24.04 LTS</span>\n<span>Wi-Fi</span><span>已连接 HomeNet-5G</span>\n<span>蓝牙 Bluetooth</span><span>已关闭</span>\n</div>\n'
} > "$work/mixed-about.body"
cat > "$work/mixed-about.txt" <<'EOF'
关于本机
设备名称 DESKTOP-7F3K2
处理器 Intel Core i7-1260P @ 2.10 GHz
内存 16 GB（15.7 GB 可用）
系统类型 64 位操作系统
版本 Ubuntu 24.04 LTS
Wi-Fi 已连接 HomeNet-5G
蓝牙 Bluetooth 已关闭
EOF
page mixed-about chi_sim+eng 14 1 520 340 'Noto Sans CJK SC'

theme dark
{
    printf '<style>table{border-collapse:collapse;width:100%%}th{text-align:left;font-weight:normal;color:%s;padding:4px 10px;border-bottom:1px solid %s;font-size:13px}td{padding:5px 10px;white-space:nowrap}td:nth-child(n+3){color:%s}td.r,th.r{text-align:right}td:first-child{display:flex;align-items:center;gap:8px}</style>\n' "$dim" "$line" "$dim"
    printf '<table><tr><th>名前</th><th>更新日時</th><th>種類</th><th class="r">サイズ</th></tr>\n'
    file() { printf '<tr><td>%s%s</td><td>%s</td><td>%s</td><td class="r">%s</td></tr>\n' "$(ic "$1" "$2" 16)" "$3" "$4" "$5" "$6"; }
    file folder '#62a0ea' '写真 2026' '2026/03/14 09:12' 'フォルダー' '—'
    file doc '#c0bfbc' 'README.md' '2026/03/14 10:42' 'Markdown' '4 KB'
    file doc '#33d17a' '見積書_2026年3月.xlsx' '2026/03/10 17:05' 'Excel ブック' '28 KB'
    file doc '#f66151' 'Meeting notes 会議メモ.pdf' '2026/02/27 13:30' 'PDF' '1.2 MB'
    file doc '#c0bfbc' 'config.yaml' '2026/02/20 08:01' 'YAML' '2 KB'
    printf '</table>\n'
} > "$work/mixed-files.body"
printf '名前\t更新日時\t種類\tサイズ\n写真 2026\t2026/03/14 09:12\tフォルダー\t—\nREADME.md\t2026/03/14 10:42\tMarkdown\t4 KB\n見積書_2026年3月.xlsx\t2026/03/10 17:05\tExcel ブック\t28 KB\nMeeting notes 会議メモ.pdf\t2026/02/27 13:30\tPDF\t1.2 MB\nconfig.yaml\t2026/02/20 08:01\tYAML\t2 KB\n' > "$work/mixed-files.txt"
page mixed-files jpn+eng 14 1.25 620 240 'Noto Sans CJK JP'

theme light
{
    printf '<style>body{padding:0!important}.mb{display:flex;gap:18px;padding:5px 12px;background:#ebebeb;border-bottom:1px solid %s}.dlg{margin:18px;width:380px;background:#fff;border-radius:10px;box-shadow:0 3px 12px rgba(0,0,0,.2);padding:16px}.dlg .row{margin:10px 0}</style>\n' "$line"
    printf '<div class="mb"><span>파일</span><span>편집</span><span>보기</span><span>도구</span><span>도움말</span></div>\n'
    printf '<div class="dlg"><div style="font-weight:bold;font-size:15px">PDF로 내보내기</div>\n'
    printf '<div class="row">%s<span>모든 페이지</span></div><div class="row">%s<span>페이지 범위</span>%s</div>\n' "$(radio on)" "$(radio off)" "$(input 'placeholder:예: 1-5, 8' '140px')"
    printf '<div class="row">%s<span>주석 포함 (Comments)</span></div>\n' "$(checkbox on)"
    printf '<div class="row" style="justify-content:flex-end;margin-bottom:0"><button style="background:#fff;border:1px solid %s;border-radius:6px;padding:5px 14px">취소</button><button style="background:%s;color:#fff;border:0;border-radius:6px;padding:6px 14px">내보내기 (Export)</button></div></div>\n' "$line" "$accent"
} > "$work/mixed-export.body"
cat > "$work/mixed-export.txt" <<'EOF'
파일 편집 보기 도구 도움말
PDF로 내보내기
모든 페이지
페이지 범위 예: 1-5, 8
주석 포함 (Comments)
취소 내보내기 (Export)
EOF
page mixed-export kor+eng 13 2 430 280 'Noto Sans CJK KR'
