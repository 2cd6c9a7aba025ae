#!/usr/bin/env bash
# file-drop.sh TAMBLIN DRAG_SOURCE: drags an HTML file from another program's window onto
# Tamblin's window with the real mouse, as from a file manager, and expects Tamblin to open
# it: the page's colour fills the window and its title the caption.
set -euo pipefail
tamblin="$1"
drag_source="$2"
source "$(dirname "$0")/session.sh"

cat > "$work/first.htm" <<'PAGE'
<html><head><title>First</title></head><body bgcolor="#FFFF00"><p>The first page.</body></html>
PAGE
cat > "$work/dropped.htm" <<'PAGE'
<html><head><title>Dropped</title></head><body bgcolor="#00FFFF"><p>The dropped page.</body></html>
PAGE

fail() {
  echo "FAIL: $*" >&2
  cat "$work/app.log" >&2
  cat "$work/source.log" >&2 2>/dev/null || true
  exit 1
}

start_app "$tamblin" "$work/first.htm"
window="$(xdotool search --sync --onlyvisible --name '^Tamblin - First$' | head -n 1)"
eval "$(xdotool getwindowgeometry --shell "$window")"  # X, Y, WIDTH, HEIGHT

# The source stands in the screen's bottom right corner, over Tamblin's window if need be.
start_peer source.log "$drag_source" "$work/dropped.htm" 880 660
for _ in $(seq 50); do
  [[ -n "$(xdotool search --onlyvisible --name '^Drag source$' 2>/dev/null || true)" ]] && break
  sleep 0.2
done
[[ -n "$(xdotool search --onlyvisible --name '^Drag source$' 2>/dev/null || true)" ]] ||
  fail "the drag source did not appear"
sleep 1

# Press on the source, move over Tamblin's page in steps (each one a position the two programs
# exchange), release there.
xdotool mousemove 940 700 mousedown 1
sleep 0.5
tx=$((X + WIDTH / 2)) ty=$((Y + HEIGHT / 2))
for step in 1 2 3 4 5 6 7 8; do
  xdotool mousemove $((940 + (tx - 940) * step / 8)) $((700 + (ty - 700) * step / 8))
  sleep 0.2
done
sleep 0.5
xdotool mouseup 1

# A drop opens the page, as any way of opening does, caption included.
got=""
for _ in $(seq 10); do
  sleep 0.5
  import -window root "$work/shot.png"
  got="$(convert "$work/shot.png" -format "%[hex:p{$((X + 40)),$((Y + HEIGHT - 60))}]" info: | cut -c1-6)"
  [[ "$got" == "00FFFF" ]] && break
done
[[ "$got" == "00FFFF" ]] || fail "the window shows $got, not the dropped page's 00FFFF"
echo "ok: the dropped page fills the window"
[[ "$(xdotool getwindowname "$window")" == "Tamblin - Dropped" ]] ||
  fail "the caption is not the dropped page's"
echo "ok: the caption names the dropped page"
grep -q "drop: copy" "$work/source.log" || fail "the source was not told the file was taken"
echo "ok: the source is told the drop was taken"
