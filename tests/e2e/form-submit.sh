#!/usr/bin/env bash
# form-submit.sh FORM_HOST: shows a form in a real window, clicks into its text field, types,
# presses Enter and expects the submission in the host's results file; then ticks a check box,
# clicks the submit button and expects the second submission with the button last.
set -euo pipefail
host="$1"
source "$(dirname "$0")/session.sh"

# The first line starts at the page margin (10, 5) inside the viewer's one-pixel border: the
# 13-pixel check box, then the button, about 23 pixels high. The second line holds a text
# field alone in its form, so Enter submits it.
cat > "$work/form.htm" <<'PAGE'
<html><body bgcolor="#FFFFFF">
<form method=post action="/order"><input type=checkbox name=gift><input type=submit name=go value=Send></form>
<br><form action="/search"><input name=q></form>
</body></html>
PAGE

start_app "$host" "$work/form.htm" "$work/results.txt"
window="$(xdotool search --sync --onlyvisible --name '^Form host$' | head -n 1)"
sleep 1

expect_results() {
  local want="$1" what="$2"
  for _ in $(seq 30); do
    if [[ -f "$work/results.txt" && "$(cat "$work/results.txt")" == "$want" ]]; then
      echo "ok: $what"
      return 0
    fi
    sleep 0.2
  done
  echo "FAIL: $what: expected" >&2
  printf '%s\n' "$want" >&2
  echo "got:" >&2
  cat "$work/results.txt" >&2 2>/dev/null || echo "(nothing)" >&2
  cat "$work/app.log" >&2
  exit 1
}

xdotool mousemove --window "$window" 40 40 click 1
sleep 0.3
xdotool type --delay 50 "cats"
xdotool key Return
expect_results "$(printf 'Get /search\nq=cats\n--')" "Enter in the only text field submits it"

xdotool mousemove --window "$window" 17 18 click 1
sleep 0.3
xdotool mousemove --window "$window" 40 18 click 1
expect_results "$(printf 'Get /search\nq=cats\n--\npost /order\ngift=On\ngo=Send\n--')" \
  "the submit button sends the ticked box and itself last"
