#!/usr/bin/env bash
# run.sh [--small] BUILD_DIR [PATTERN]: writes the hostile pages with BUILD_DIR's hostile_pages and reads
# each with BUILD_DIR's tamblin-dump doc and tamblin-render (headless and Qt), one line per run
# (see guard.sh for what fails); with PATTERN, only the pages whose names match it (grep -E).
# BUILD_DIR is meant to be a sanitizer build.
#
# Bounds per run, under AddressSanitizer: the full set 120 s and 3000 MB (a 100 MB line is
# 400 MB of characters once decoded), --small 30 s and 800 MB.
set -uo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
small=()
GuardSeconds=120
GuardMegabytes=3000
if [[ "${1:-}" == --small ]]; then
  small=(--small)
  GuardSeconds=30
  GuardMegabytes=800
  shift
fi
build="$(cd "${1:?usage: run.sh [--small] BUILD_DIR [PATTERN]}" && pwd)"
pattern="${2:-.}"
source "$here/guard.sh"
pages="$GuardDir/pages"
mkdir -p "$pages"
"$build/tests/hostile/hostile_pages" "${small[@]}" "$pages" >"$GuardDir/list" || exit 1

failures=0
while read -r page; do
  [[ $page == *.gif ]] && continue
  grep -qE "$pattern" <<<"$page" || continue
  text=(); [[ $page == *.txt ]] && text=(--text)
  GuardedRun "$page" dump "$build/tools/tamblin-dump" doc "${text[@]}" "$pages/$page" ||
    failures=$((failures + 1))
  GuardedRun "$page" render-headless "$build/tools/tamblin-render" --headless "${text[@]}" \
    "$pages/$page" "$GuardDir/out.png" || failures=$((failures + 1))
  GuardedRun "$page" render-qt "$build/tools/tamblin-render" "${text[@]}" "$pages/$page" \
    "$GuardDir/out.png" || failures=$((failures + 1))
done <"$GuardDir/list"

if ((failures)); then
  echo "$failures hostile runs failed"
  exit 1
fi
echo "all hostile runs passed (bounds: $GuardSeconds s and $GuardMegabytes MB each)"
