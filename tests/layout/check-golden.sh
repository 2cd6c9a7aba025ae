#!/usr/bin/env bash
# check-golden.sh DUMP CASE.html [OPTION...]: compares the layout dump of CASE.html, made
# with the options given (--progressive, say) besides the case's own, with CASE.json.
# With TAMBLIN_REGENERATE=1 it writes CASE.json instead.
set -euo pipefail
dump="$1"
case_file="$2"
shift 2
extra=("$@")
expected="${case_file%.html}.json"

options=()
first_line="$(head -n 1 "$case_file")"
if [[ "$first_line" =~ \<!--\ dump:\ (.*)\ --\> ]]; then
  read -r -a options <<< "${BASH_REMATCH[1]}"
fi

actual="$("$dump" doc "${options[@]}" "${extra[@]}" "$case_file")"
if [[ "${TAMBLIN_REGENERATE:-0}" == 1 ]]; then
  printf '%s\n' "$actual" > "$expected"
  echo "wrote $expected"
  exit 0
fi
if [[ ! -f "$expected" ]]; then
  echo "missing $expected (run tests/layout/regenerate.sh and review it)" >&2
  exit 1
fi
diff -u "$expected" <(printf '%s\n' "$actual")
