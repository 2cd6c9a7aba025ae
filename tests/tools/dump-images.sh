#!/usr/bin/env bash
# dump-images.sh DUMP PICTURES: `tamblin-dump link` answers clicks on an image map, a server-side
# map and the page beside them; `tamblin-dump gif` describes a GIF and writes its screen.
set -euo pipefail
dump="$1"
pictures="$2"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cp "$pictures/red-40x20.gif" "$work/"

# Two 40 x 20 pictures on one line: the first (no border) stands at panel (10, 7), the second,
# in a link, has a border from (50, 5) and its picture from (51, 6).
cat > "$work/page.htm" <<'PAGE'
<img src="red-40x20.gif" usemap="#m"><a href="server.htm"><img src="red-40x20.gif" ismap></a>
<map name="m"><area coords="0,0,19,19" href="left.htm" target="t"></map>
PAGE
expect() {
  local got
  got="$("$dump" link "$work/page.htm" "$1" "$2")"
  [[ "$got" == "$3" ]] || { echo "click at $1,$2: expected $3, got $got" >&2; exit 1; }
  echo "ok: click at $1,$2 gives $got"
}
expect 15 12 '{"hit":true,"url":"left.htm","target":"t"}'
expect 40 12 '{"hit":false}'
expect 61 16 '{"hit":true,"url":"server.htm?10,10","target":""}'
expect 300 300 '{"hit":false}'

json="$("$dump" gif --png 1 "$work/screen.png" "$work/red-40x20.gif")"
grep -q '"screenWidth": 40' <<<"$json" || { echo "unexpected gif dump: $json" >&2; exit 1; }
grep -q '"frames": \[' <<<"$json" || { echo "no frames in: $json" >&2; exit 1; }
[[ "$(head -c 4 "$work/screen.png" | tail -c 3)" == PNG ]] || { echo "no PNG written" >&2; exit 1; }
echo "ok: gif dump and screen picture"
if "$dump" gif "$work/page.htm" 2>/dev/null; then echo "a page read as a GIF" >&2; exit 1; fi
echo "ok: a page is no GIF"
