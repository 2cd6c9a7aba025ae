#!/usr/bin/env bash
# readme-picture.sh [TAMBLIN [PAGE [OUT.png]]]: makes the picture at the top of README.md, the
# window showing a real page. Runs TAMBLIN (default build/release/app/tamblin, which ./run.sh
# builds) on PAGE (default a chapter of the Debian Reference, from the debian-reference-en
# package) on a virtual screen of its own, takes the window, and writes it at three quarters
# of its size in few colours, framed by a grey line (default docs/tamblin.png).
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
tamblin="${1:-$here/build/release/app/tamblin}"
page="${2:-/usr/share/doc/debian-reference-en/docs/ch01.en.html}"
out="${3:-$here/docs/tamblin.png}"
[[ -x "$tamblin" ]] || { echo "no program at $tamblin: build it first (./run.sh)" >&2; exit 1; }
[[ -e "$page" ]] || { echo "no page at $page" >&2; exit 1; }

work="$(mktemp -d)"
server=""
app=""
cleanup() {
  [[ -n "$app" ]] && kill "$app" 2>/dev/null || true
  [[ -n "$server" ]] && kill "$server" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

display=70
while [[ -e "/tmp/.X11-unix/X$display" || -e "/tmp/.X$display-lock" ]]; do
  display=$((display + 1))
done
# The window opens at two thirds of the screen: 800 x 600 here.
Xvfb ":$display" -screen 0 1200x900x24 -nolisten tcp >/dev/null 2>&1 &
server=$!
export DISPLAY=":$display"
for _ in $(seq 50); do xdotool getmouselocation >/dev/null 2>&1 && break; sleep 0.1; done

# Settings of its own, so the window has its first-run size and the default colours.
XDG_CONFIG_HOME="$work/config" ASAN_OPTIONS=detect_leaks=0 "$tamblin" "$page" \
  >"$work/app.log" 2>&1 &
app=$!
window=""
for _ in $(seq 100); do
  window="$(xdotool search --onlyvisible --name '^Tamblin - ' 2>/dev/null | head -n 1 || true)"
  [[ -n "$window" ]] && break
  sleep 0.2
done
[[ -n "$window" ]] || { echo "the window did not appear" >&2; cat "$work/app.log" >&2; exit 1; }
xdotool mousemove 0 0
sleep 2
import -window "$window" "$work/window.png"
convert "$work/window.png" -resize 75% -bordercolor "#808080" -border 1 -colors 64 -strip \
  "PNG8:$out"
echo "$out: $(identify -format '%w x %h' "$out"), $(stat -c %s "$out") bytes"
