#!/usr/bin/env bash
# zoom-and-pdf.sh TAMBLIN: zooms a page in and out with the keys and exports it as PDF in the
# real window under a virtual X server. The text's width is measured on the screen after each
# zoom step; the PDF's pages are counted with pdfinfo, its first page is drawn with pdftoppm
# and looked at, and pdftotext's word boxes show that no line is cut between pages.
set -euo pipefail
tamblin="$1"
source "$(dirname "$0")/session.sh"

{
  echo '<html><head><title>Long</title></head><body bgcolor="#FFFF00" text="#000000">'
  echo '<h1>A long page</h1>'
  for i in $(seq 1 120); do echo "<p>Paragraph $i: words enough to make a line of text.</p>"; done
  echo '</body></html>'
} > "$work/long.htm"

start_app "$tamblin" "$work/long.htm"

fail() { echo "FAIL: $*" >&2; cat "$work/app.log" >&2; exit 1; }
wait_window() {
  for _ in $(seq 50); do
    local id
    id="$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1 || true)"
    [[ -n "$id" ]] && { echo "$id"; return 0; }
    sleep 0.2
  done
  return 1
}
keys() { xdotool key --clearmodifiers "$@"; sleep 0.6; }
shot() {
  sleep 0.8
  import -window root "$work/shot.png"
  [[ -z "${TAMBLIN_E2E_SHOTS:-}" ]] || cp "$work/shot.png" "$TAMBLIN_E2E_SHOTS/$(date +%s.%N).png"
}
# Width of the text at the top of the page (the yellow made white, then trimmed away): the
# widest line there grows and shrinks with the text.
text_width() {
  shot
  convert "$work/shot.png" -crop "$((WIDTH - 40))x$((HEIGHT - 120))+$((X + 10))+$((Y + 60))" \
    +repage -fuzz 30% -fill white -opaque "#FFFF00" -trim -format "%w" info:
}

window="$(wait_window 'Tamblin - Long')" || fail "the window did not appear"
xdotool windowfocus --sync "$window"
eval "$(xdotool getwindowgeometry --shell "$window")"  # X, Y, WIDTH, HEIGHT
xdotool mousemove --window "$window" $((WIDTH - 30)) $((HEIGHT - 60)) click 1

# 1. Ctrl+Plus, Ctrl+Minus and Ctrl+0 scale the text.
normal="$(text_width)"
keys ctrl+plus; keys ctrl+plus; keys ctrl+plus
larger="$(text_width)"
[[ "$larger" -gt $((normal + 4)) ]] ||
  fail "Ctrl+Plus did not enlarge the text ($normal -> $larger)"
echo "ok: Ctrl+Plus enlarges the text (lines $normal -> $larger pixels wide)"
keys ctrl+0; keys ctrl+minus; keys ctrl+minus
smaller="$(text_width)"
[[ "$smaller" -lt $((normal - 3)) ]] ||
  fail "Ctrl+Minus did not shrink the text ($normal -> $smaller)"
echo "ok: Ctrl+Minus shrinks the text (lines $normal -> $smaller pixels wide)"
keys ctrl+0
again="$(text_width)"
[[ "$again" -eq "$normal" ]] || fail "Ctrl+0 did not bring the size back ($normal -> $again)"
echo "ok: Ctrl+0 brings the page's own size back"

# 2. File > Export as PDF writes every page.
keys alt+f; keys e
wait_window 'Export as PDF' >/dev/null || fail "no export dialog"
xdotool type --delay 20 "$work/long.pdf"; keys Return
for _ in $(seq 50); do [[ -s "$work/long.pdf" ]] && break; sleep 0.2; done
sleep 1
pages="$(pdfinfo "$work/long.pdf" | awk '/^Pages:/ { print $2 }')"
[[ "$pages" -ge 3 ]] || fail "the PDF has $pages pages for 120 paragraphs"
echo "ok: the PDF has $pages pages"

# 3. Its first page, drawn at 50 pixels per inch: white margins, and text on the page's
# yellow covering most of the space between them.
pdftoppm -f 1 -l 1 -r 50 -png "$work/long.pdf" "$work/page"
page="$(ls "$work"/page*.png | head -n 1)"
[[ -z "${TAMBLIN_E2E_SHOTS:-}" ]] || cp "$page" "$TAMBLIN_E2E_SHOTS/pdf-page-1.png"
read -r pw ph <<<"$(identify -format "%w %h" "$page")"
corner="$(convert "$page" -format "%[hex:p{5,5}]" info: | cut -c1-6)"
[[ "$corner" == "FFFFFF" ]] || fail "the paper's margin is not white ($corner)"
middle="$(convert "$page" -format "%[hex:p{$((pw / 2)),$((ph / 2))}]" info: | cut -c1-6)"
[[ "$middle" == "FFFF00" ]] || fail "the page's background did not print ($middle)"
read -r iw ih <<<"$(convert "$page" -crop "$((pw - 80))x$((ph - 80))+40+40" +repage \
  -fuzz 30% -fill white -opaque "#FFFF00" -trim -format "%w %h" info:)"
[[ "$iw" -gt $((pw / 3)) && "$ih" -gt $((ph / 2)) ]] ||
  fail "the first page shows little text ($iw x $ih)"
echo "ok: the first page shows the page ($pw x $ph pixels, text $iw x $ih)"

# 4. No line is cut between pages: every word of every page lies inside the margins of 15 mm
# (42.5 points), where a line cut in half would cross them.
outside="$(pdftotext -bbox "$work/long.pdf" - | awk -F'"' '
  /<page / { height = $4 }
  /<word / { if ($4 < 41.5 || $8 > height - 41.5) print }' | head -n 3)"
[[ -z "$outside" ]] || fail "words cross the page's edge: $outside"
echo "ok: no line is cut between pages"
