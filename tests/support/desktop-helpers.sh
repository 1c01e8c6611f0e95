# Shell helpers for tests that drive the built program on scripts/with-desktop.

. "$(dirname "${BASH_SOURCE[0]}")/shell-helpers.sh"

embedded_in_tray() { # window
  local host id
  id=$(printf '0x%x' "$1")
  for host in $(xdotool search --class trayer); do
    xwininfo -tree -id "$host" | grep -q "^ *$id " && return 0
  done
  return 1
}

# tray_icon PID: prints the program's window that the tray host embeds.
tray_icon() {
  local window
  for window in $(xdotool search --onlyvisible --pid "$1" 2>/dev/null); do
    embedded_in_tray "$window" && { echo "$window"; return 0; }
  done
  return 1
}

# visible_windows PID: the program's visible windows other than its tray icon.
visible_windows() {
  local icon; icon=$(tray_icon "$1" || true)
  xdotool search --onlyvisible --pid "$1" 2>/dev/null | grep -vx "${icon:-none}" || true
}

# window_painted WINDOW: the window shows more than one colour (its content is drawn).
window_painted() {
  [ "$(import -window "$1" -format '%[fx:standard_deviation > 0]' info: 2>/dev/null)" = 1 ]
}

# overlays_shown COUNT: that many selection overlays are mapped.
overlays_shown() {
  [ "$(xdotool search --onlyvisible --name "Tessarin selection" 2>/dev/null | wc -l)" -eq "$1" ]
}
