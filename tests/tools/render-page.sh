#!/usr/bin/env bash
# render-page.sh RENDER PAGE PLATFORM: the page drawn into a picture has the page's background
# and, on it, text: a picture of a few plain colours would mean nothing was drawn.
set -euo pipefail
render="$1"
page="$2"
platform="$3"
out="$(mktemp --suffix=.png)"
trap 'rm -f "$out"' EXIT

flags=()
[[ "$platform" == headless ]] && flags=(--headless)
QT_QPA_PLATFORM=offscreen "$render" "${flags[@]}" --width 640 --height 480 "$page" "$out"

size="$(identify -format '%wx%h' "$out")"
[[ "$size" == 640x480 ]] || { echo "picture is $size, not 640x480" >&2; exit 1; }
# The welcome page's background, well below its text.
corner="$(convert "$out" -format '%[hex:p{600,470}]' info: | cut -c1-6)"
[[ "$corner" == FFFFF0 ]] || { echo "background is $corner, not FFFFF0" >&2; exit 1; }
colours="$(convert "$out" -format '%k' info:)"
(( colours >= 3 )) || { echo "only $colours colours: the page is blank" >&2; exit 1; }
echo "ok: $size, background $corner, $colours colours"
