#!/usr/bin/env bash
# sweep.sh [--sample N] BUILD_DIR: every HTML page that a few Debian documentation packages
# ship goes through BUILD_DIR's tamblin-dump doc and tamblin-render (Qt), each under a time
# and memory bound (see ../hostile/guard.sh), and is dumped again as loaded in slices, which
# must give the same; BUILD_DIR is meant to be a sanitizer build.
# Installs the packages that are missing, except with --sample, which takes N pages spread
# over the packages that are present (and skips, status 77, when none is).
#
# The packages: markup written by hand (sqlite3-doc), generated from text (git-doc), from
# DocBook (debian-reference-en) and by a documentation generator (libxml2-doc), with their
# images.
set -uo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
packages=(git-doc sqlite3-doc debian-reference-en libxml2-doc)
sample=0
if [[ "${1:-}" == --sample ]]; then
  sample="${2:?--sample needs a count}"
  shift 2
fi
build="$(cd "${1:?usage: sweep.sh [--sample N] BUILD_DIR}" && pwd)"
GuardSeconds=60
GuardMegabytes=1500
source "$here/../hostile/guard.sh"

present=()
for package in "${packages[@]}"; do
  if dpkg -s "$package" >/dev/null 2>&1; then
    present+=("$package")
  elif ((sample == 0)); then
    if [[ $(id -u) -ne 0 ]]; then SUDO=sudo; else SUDO=; fi
    $SUDO apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends \
      "$package" >/dev/null || exit 1
    present+=("$package")
  fi
done
if ((${#present[@]} == 0)); then
  echo "no documentation package present: skipped"
  exit 77
fi

dpkg -L "${present[@]}" | grep -iE '\.html?$' | sort >"$GuardDir/pages"
total="$(wc -l <"$GuardDir/pages")"
if ((sample > 0 && sample < total)); then
  # Every k-th page, so the sample spans all the packages.
  awk -v step="$((total / sample))" 'NR % step == 0' "$GuardDir/pages" | head -n "$sample" \
    >"$GuardDir/chosen"
else
  cp "$GuardDir/pages" "$GuardDir/chosen"
fi

# The page built and laid out in the smallest slices a load in slices takes comes out the same
# as in one go, under the same bounds and with no sanitizer report.
SameInSlices() {
  local page="$1"
  timeout 60 "$build/tools/tamblin-dump" doc "$page" >"$GuardDir/whole.json" 2>/dev/null
  timeout 60 "$build/tools/tamblin-dump" doc --progressive "$page" >"$GuardDir/sliced.json" \
    2>"$GuardDir/sliced.log"
  if grep -q 'Sanitizer\|runtime error:' "$GuardDir/sliced.log" ||
     ! cmp -s "$GuardDir/whole.json" "$GuardDir/sliced.json"; then
    printf '%-10s %-40s %-15s\n' DIFFERS "$page" dump-sliced
    head -c 300 "$GuardDir/sliced.log"
    return 1
  fi
}

failures=0
count=0
while read -r page; do
  [[ -f $page ]] || continue
  count=$((count + 1))
  GuardedRun "$page" dump "$build/tools/tamblin-dump" doc "$page" || failures=$((failures + 1))
  SameInSlices "$page" || failures=$((failures + 1))
  GuardedRun "$page" render-qt "$build/tools/tamblin-render" "$page" "$GuardDir/out.png" ||
    failures=$((failures + 1))
done <"$GuardDir/chosen"

echo "pages: $count of $total from ${present[*]}"
if ((failures)); then
  echo "$failures runs failed"
  exit 1
fi
echo "all pages passed (bounds: $GuardSeconds s and $GuardMegabytes MB each)"
