#!/usr/bin/env bash
# link-and-back.sh TAMBLIN: opens a yellow page in a real window, clicks its link, expects the
# green page it leads to, presses Alt+Left and expects the yellow page again, then clicks the
# right half of the page's image map and expects the blue page its area leads to. Each step
# is judged from a screenshot of the screen.
set -euo pipefail
tamblin="$1"
source "$(dirname "$0")/session.sh"

cat > "$work/first.htm" <<'PAGE'
<html><head><title>First</title></head><body bgcolor="#FFFF00">
<font size=7><a href="second.htm">NEXT PAGE</a></font><br>
<img src="map.gif" usemap="#halves"><map name="halves">
<area shape=rect coords="0,0,149,199" href="second.htm">
<area shape=rect coords="150,0,299,199" href="third.htm"></map></body></html>
PAGE
cat > "$work/second.htm" <<'PAGE'
<html><head><title>Second</title></head><body bgcolor="#00FF00"><p>The second page.</body></html>
PAGE
cat > "$work/third.htm" <<'PAGE'
<html><head><title>Third</title></head><body bgcolor="#0000FF"><p>The third page.</body></html>
PAGE
convert -size 300x200 xc:'#808080' "$work/map.gif"

start_app "$tamblin" "$work/first.htm"

window="$(xdotool search --sync --onlyvisible --name '^Tamblin - First$' | head -n 1)"
eval "$(xdotool getwindowgeometry --shell "$window")"  # X, Y, WIDTH, HEIGHT

# The colour of the page well away from any text.
page_colour() {
  sleep 1
  import -window root "$work/shot.png"
  convert "$work/shot.png" -format "%[hex:p{$((X + WIDTH / 2)),$((Y + HEIGHT - 60))}]" info: | cut -c1-6
}
expect_colour() {
  local want="$1" what="$2" got=""
  for _ in 1 2 3 4 5; do
    got="$(page_colour)"
    [[ "$got" == "$want" ]] && { echo "ok: $what"; return 0; }
  done
  echo "FAIL: $what: expected $want, the page shows $got" >&2
  cat "$work/app.log" >&2
  exit 1
}

expect_colour FFFF00 "the first page shows"
# The page starts below the menu and tool bars; the link's big letters start at its margin
# (10, 5), below the one-pixel border.
top=0
while [[ "$(convert "$work/shot.png" -format "%[hex:p{$((X + 5)),$((Y + top))}]" info: | cut -c1-6)" != "FFFF00" ]]; do
  top=$((top + 1))
  ((top < HEIGHT)) || { echo "FAIL: no page in the window" >&2; exit 1; }
done
xdotool mousemove --window "$window" 40 $((top + 25)) click 1
expect_colour 00FF00 "a click on the link opens the second page"
xdotool windowfocus "$window"; sleep 0.3
xdotool key --clearmodifiers alt+Left
expect_colour FFFF00 "Alt+Left comes back to the first page"
# The picture stands below the link's line, from the left margin: 300 x 200 pixels.
xdotool mousemove --window "$window" 260 170 click 1
expect_colour 0000FF "a click on the image map's right area opens the third page"
