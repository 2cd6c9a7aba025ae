#!/usr/bin/env bash
# browser-walk.sh TAMBLIN: a user's session in the real window under a virtual X server.
# Opens a page through the open dialog, follows a link (the caption follows it), shows the
# history list and goes back through it, finds text (and is told when there is no more),
# raises the font size in the font dialog and sees the page's text grow, saves the form
# results through the save dialog, follows a link to a text file (shown as text), goes back
# with the history list used by keyboard, and follows a link to a folder and from its listing
# into a page. Each step is judged from the screen or from the files written.
set -euo pipefail
tamblin="$1"
source "$(dirname "$0")/session.sh"

cat > "$work/first.htm" <<'PAGE'
<html><head><title>First</title></head><body bgcolor="#FFFF00" text="#000000">
<p>A needle in the page. <a href="second.htm">NEXT</a></body></html>
PAGE
cat > "$work/second.htm" <<'PAGE'
<html><head><title>Second</title></head><body bgcolor="#00FF00"><p>The second page.</body></html>
PAGE
cat > "$work/links.htm" <<'PAGE'
<html><head><title>Links</title></head><body bgcolor="#FFFFFF">
<font size=7><a href="notes.txt">NOTES</a><br><a href="docs/">DOCS</a></font></body></html>
PAGE
# Shown as HTML, this would be red.
printf '<body bgcolor="#FF0000">\nA plain text file.\n' > "$work/notes.txt"
mkdir "$work/docs"
cat > "$work/docs/guide.htm" <<'PAGE'
<html><head><title>Guide</title></head><body bgcolor="#00FFFF"><p>The guide.</body></html>
PAGE

start_app "$tamblin" /D "$work"

fail() {
  echo "FAIL: $*" >&2
  cat "$work/app.log" >&2
  [[ -z "${TAMBLIN_E2E_SHOTS:-}" ]] || shot  # the screen as the step left it
  exit 1
}
# Waits for a window whose whole title is $1; prints its id.
wait_window() {
  for _ in $(seq 50); do
    local id
    id="$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1 || true)"
    [[ -n "$id" ]] && { echo "$id"; return 0; }
    sleep 0.2
  done
  return 1
}
keys() { xdotool key --clearmodifiers "$@"; sleep 0.4; }
# TAMBLIN_E2E_SHOTS=DIR keeps every screenshot there, numbered, for a person to look at.
shot() {
  sleep 0.8
  import -window root "$work/shot.png"
  [[ -z "${TAMBLIN_E2E_SHOTS:-}" ]] || cp "$work/shot.png" "$TAMBLIN_E2E_SHOTS/$(date +%s.%N).png"
}
# The colour at a point of the main window.
colour_at() {
  shot
  convert "$work/shot.png" -format "%[hex:p{$((X + $1)),$((Y + $2))}]" info: | cut -c1-6
}
expect_colour() {
  local x="$1" y="$2" want="$3" what="$4" got=""
  for _ in 1 2 3 4 5; do
    got="$(colour_at "$x" "$y")"
    [[ "$got" == "$want" ]] && { echo "ok: $what"; return 0; }
  done
  fail "$what: expected $want at ($x, $y), the screen shows $got"
}
# Clicks the Nth link on the page (from the top): the Nth band of rows below the bars that
# hold link-blue pixels (letters and underline), just above its last row.
click_link() {
  shot
  local y
  y="$(convert "$work/shot.png" -crop "${WIDTH}x$((HEIGHT - 90))+$X+$((Y + 60))" +repage \
         -fill white +opaque "#0000FF" -fill black -opaque "#0000FF" -scale "1x$((HEIGHT - 90))!" \
         -depth 16 txt:- | awk -F'[,:() ]+' 'NR > 1 && $4 < 65535 { print $2 }' |
       awk -v n="$1" 'NR == 1 || $1 > last + 12 { runs++ } runs == n { found = $1 } { last = $1 }
                      END { if (found != "") print found }')"
  [[ -n "$y" ]] || fail "no link number $1 on the page"
  local x
  x="$(convert "$work/shot.png" -crop "${WIDTH}x1+$X+$((Y + 60 + y))" +repage \
         -fill white +opaque "#0000FF" -depth 8 txt:- |
       awk -F'[,:() ]+' 'NR > 1 && $0 ~ /#0000FF/ && x == "" { x = $1 } END { print x }')"
  xdotool mousemove --window "$window" $((x + 6)) $((60 + y - 6)) click 1
}
# Height of the text in the top band of the page, right of the history list and above
# where the find dialog stands.
text_height() {
  shot
  convert "$work/shot.png" -crop "$((WIDTH - 230))x95+$((X + 180))+$((Y + 56))" +repage \
    -fuzz 30% -fill white -opaque "#FFFF00" -trim -format "%h" info:
}

window="$(wait_window 'Tamblin')" || fail "the window did not appear"
xdotool windowfocus --sync "$window"
eval "$(xdotool getwindowgeometry --shell "$window")"  # X, Y, WIDTH, HEIGHT

# 1. Ctrl+O shows the open dialog in the folder given with /D.
keys ctrl+o
dialog="$(wait_window 'Open')" || fail "Ctrl+O showed no open dialog"
xdotool type --delay 30 "first.htm"; keys Return
wait_window 'Tamblin - First' >/dev/null || fail "the chosen page did not open"
expect_colour $((WIDTH / 2)) $((HEIGHT - 60)) FFFF00 "the open dialog opens the chosen page"

# 2. A link leads on; the caption follows it.
xdotool mousemove --window "$window" 1 1; sleep 0.2
shot
# The line of text is the only thing on the yellow band below the bars; "NEXT" ends it.
box="$(convert "$work/shot.png" -crop "$((WIDTH - 40))x60+$((X + 5))+$((Y + 60))" +repage \
        -fuzz 20% -fill white -opaque "#FFFF00" -trim -format "%w %h %X %Y" info:)"
read -r bw bh bx by <<<"$box"
xdotool mousemove --window "$window" $((5 + bx + bw - 8)) $((60 + by + bh / 2)) click 1
expect_colour $((WIDTH / 2)) $((HEIGHT - 60)) 00FF00 "the link opens the second page"
wait_window 'Tamblin - Second' >/dev/null || fail "the caption did not follow the link"

# 3. View > History shows the list; its older entry opens the first page again.
keys alt+v; keys h
expect_colour 40 $((HEIGHT - 60)) FFFFFF "View > History shows the history list"
# The list shows "Second" then "First"; rows are about 20 pixels high below the tool bar.
row_y=""
for y in $(seq 60 2 140); do
  if [[ "$(convert "$work/shot.png" -format "%[hex:p{$((X + 20)),$((Y + y))}]" info: | cut -c1-6)" != "FFFFFF" ]]; then
    row_y=$y; break
  fi
done
[[ -n "$row_y" ]] || fail "the history list shows no titles"
xdotool mousemove --window "$window" 30 $((row_y + 22)) click 1
expect_colour $((WIDTH - 60)) $((HEIGHT - 60)) FFFF00 "a history item opens its page"

# 4. Find: a word on the page is selected; a missing word is reported.
xdotool mousemove --window "$window" $((WIDTH - 40)) $((HEIGHT - 60)) click 1; sleep 0.3
shot; cp "$work/shot.png" "$work/before-find.png"
keys ctrl+f
wait_window 'Find' >/dev/null || fail "Ctrl+F showed no find dialog"
xdotool type --delay 30 "needle"; keys Return
shot
changed="$(compare -metric AE "$work/before-find.png" "$work/shot.png" null: 2>&1 || true)"
[[ "${changed%% *}" -gt 50 ]] || fail "finding a word selected nothing (changed pixels: $changed)"
echo "ok: Find selects the word"
keys ctrl+a; xdotool type --delay 30 "haystack"; keys Return
wait_window 'Tamblin' >/dev/null || fail "no message for a word that is not there"
echo "ok: a missing word is reported"
keys Return; keys Escape

# 5. The font dialog: size 24 makes the page's text taller.
xdotool windowfocus --sync "$window"; sleep 0.3
before="$(text_height)"
keys alt+o; keys f
wait_window 'Edit Default Font and Colors' >/dev/null || fail "no font dialog"
keys alt+s; keys ctrl+a
xdotool type --delay 30 "24"; keys Return
sleep 1
after="$(text_height)"
[[ "$after" -gt $((before + 8)) ]] || fail "the text did not grow ($before -> $after pixels)"
echo "ok: a larger font size makes the page grow ($before -> $after pixels)"

# 6. Save Form Results writes the file chosen in the save dialog.
xdotool windowfocus --sync "$window"; sleep 0.3
keys alt+f; keys s
wait_window 'Save Form Results' >/dev/null || fail "no save dialog"
xdotool type --delay 30 "$work/results"; keys Return
for _ in $(seq 20); do [[ -e "$work/results.txt" ]] && break; sleep 0.2; done
[[ -e "$work/results.txt" ]] || fail "Save Form Results wrote no file"
echo "ok: form results are saved"

# 7. A link to a text file shows it as text, named in the caption.
xdotool windowfocus --sync "$window"; sleep 0.3
keys ctrl+o
wait_window 'Open' >/dev/null || fail "Ctrl+O showed no open dialog"
xdotool type --delay 30 "$work/links.htm"; keys Return
wait_window 'Tamblin - Links' >/dev/null || fail "the page of links did not open"
click_link 1
wait_window 'Tamblin - notes.txt' >/dev/null || fail "the link to a text file opened nothing"
got="$(colour_at $((WIDTH / 2)) $((HEIGHT - 60)))"
[[ "$got" != "FF0000" ]] || fail "the text file was shown as a page"
echo "ok: a link to a text file shows it as text"

# 8. The history list by keyboard: shown (and focused) from the View menu, Down, Enter.
keys alt+v; keys h
keys alt+v; keys h
keys Down; keys Return
wait_window 'Tamblin - Links' >/dev/null || fail "Enter in the history list opened nothing"
echo "ok: the history list opens an entry by keyboard"

# 9. A link to a folder shows its listing; an entry of the listing opens its page.
keys alt+v; keys h
xdotool mousemove --window "$window" 1 1; sleep 0.3
click_link 2
wait_window 'Tamblin - Index of .*/docs/' >/dev/null || fail "the link to a folder showed no listing"
echo "ok: a link to a folder shows its listing"
xdotool mousemove --window "$window" 1 1; sleep 0.3
click_link 2
wait_window 'Tamblin - Guide' >/dev/null || fail "the listing's entry did not open its page"
expect_colour $((WIDTH / 2)) $((HEIGHT - 60)) 00FFFF "the listing leads into the page"
