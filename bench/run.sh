#!/usr/bin/env bash
# Builds the benchmarks in Release and runs them on one CPU: the two cores of these
# machines differ in speed, so every figure is taken on the same one.
#   bench/run.sh [--table]   (--table: only the whole-process table against links2)
set -euo pipefail
table_only=false
[[ "${1:-}" == --table ]] && table_only=true
here="$(cd "$(dirname "$0")/.." && pwd)"
build="$here/build/release"
pages="$here/bench/out"

"$here/scripts/deps.sh"
cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTAMBLIN_TESTS=OFF >/dev/null
cmake --build "$build"
mkdir -p "$pages"
"$build/bench/bench_pages" "$pages"

pin=(taskset -c 1)
command -v taskset >/dev/null || pin=()
export QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}"

if ! $table_only; then
  echo "== Tokenizer"
  "${pin[@]}" "$build/bench/bench_tokenizer"

  echo "== Style sheets: 2,000 rules matched against 50,000 elements (median of 5)"
  "${pin[@]}" "$build/bench/bench_style"

  for platform in headless qt; do
    flag=(); [[ $platform == qt ]] && flag=(--qt)
    echo "== Parse, layout and first screen ($platform platform, median of 5)"
    for page in page-5mb.html page-10mb.html lists-2mb.html lists-4mb.html; do
      "${pin[@]}" "$build/bench/bench_layout" "${flag[@]}" "$pages/$page"
    done
    for log in log-5mb.txt log-10mb.txt; do
      "${pin[@]}" "$build/bench/bench_layout" "${flag[@]}" --text "$pages/$log"
    done
  done

  echo "== Page styles (headless, median of 5): 50,000 elements with a sheet of 2,000 rules"
  echo "   and without it; the 5 MB page, which has no CSS, with page styles on"
  "${pin[@]}" "$build/bench/bench_layout" --styles "$pages/styled-50k.html"
  "${pin[@]}" "$build/bench/bench_layout" --styles "$pages/unstyled-50k.html"
  "${pin[@]}" "$build/bench/bench_layout" "$pages/styled-50k.html"
  "${pin[@]}" "$build/bench/bench_layout" --styles "$pages/page-5mb.html"

  echo "== Viewer on the 5 MB page: relayout, line scroll, page down, each with its repaint"
  for platform in headless qt; do
    flag=(); [[ $platform == qt ]] && flag=(--qt)
    printf '%-9s' "$platform"
    "${pin[@]}" "$build/bench/bench_viewer" "${flag[@]}" "$pages/page-5mb.html"
  done

  echo "== Tables: parse, layout and first screen (median of 5)"
  for platform in headless qt; do
    flag=(); [[ $platform == qt ]] && flag=(--qt)
    "${pin[@]}" "$build/bench/bench_tables" "${flag[@]}"
  done

  echo "== A page of 1,000 form controls: first screen and a wheel scroll (median)"
  for platform in headless qt; do
    flag=(); [[ $platform == qt ]] && flag=(--qt)
    "${pin[@]}" "$build/bench/bench_forms" "${flag[@]}"
  done

  echo "== Pictures: 500 images of 5 files, parse, layout and first screen; a 20-frame animation"
  for platform in headless qt; do
    flag=(); [[ $platform == qt ]] && flag=(--qt)
    echo "-- $platform"
    "${pin[@]}" "$build/bench/bench_images" "${flag[@]}" "$pages/pictures"
  done
fi

# Whole process, as a user meets it: start, parse, layout, draw 800 x 600 and write the picture,
# side by side with a text-mode browser dumping the same page (a peer for timing only). The
# runs alternate, so a busy machine slows both alike; each figure is the median of 5.
command -v links2 >/dev/null || {
  if [[ $(id -u) -ne 0 ]]; then SUDO=sudo; else SUDO=; fi
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends links2 >/dev/null
}
{ echo '<pre>'; sed 's/&/\&amp;/g; s/</\&lt;/g' "$pages/log-5mb.txt"; echo '</pre>'; } >"$pages/pre-5mb.html"

# Milliseconds and peak kilobytes of one run, into the arrays named by $1 and $2. The time is
# the processor time (user and system) of the whole process: on an idle machine it is the
# wall time, and on a shared one it does not count the time others take.
measure() {
  local -n into="$1" peaks="$2"
  shift 2
  local micros kilobytes
  read -r micros kilobytes < <("${pin[@]}" "$build/bench/bench_process" "$@")
  into+=("$((micros / 1000))")
  peaks+=("$kilobytes")
}
median() { printf '%s\n' "$@" | sort -n | sed -n 3p; }

echo "== Whole process: tamblin-render against links2 -dump (median of 5 processor times; peak memory)"
printf '%-16s %-9s %11s %9s %6s %8s\n' page platform "Tamblin ms" "links2 ms" ratio "peak MB"
for page in page-5mb.html lists-2mb.html pre-5mb.html page-10mb.html; do
  headless=(); qt=(); peer=(); headlessPeak=(); qtPeak=(); peerPeak=()
  for run in 1 2 3 4 5; do
    measure headless headlessPeak "$build/tools/tamblin-render" --headless "$pages/$page" "$pages/render.png"
    measure qt qtPeak "$build/tools/tamblin-render" "$pages/$page" "$pages/render.png"
    measure peer peerPeak links2 -dump "$pages/$page"
  done
  peerMs="$(median "${peer[@]}")"
  for platform in headless qt; do
    local_ms=(); local_peak=()
    if [[ $platform == qt ]]; then local_ms=("${qt[@]}"); local_peak=("${qtPeak[@]}")
    else local_ms=("${headless[@]}"); local_peak=("${headlessPeak[@]}"); fi
    ms="$(median "${local_ms[@]}")"
    peak="$(printf '%s\n' "${local_peak[@]}" | sort -n | tail -1)"
    printf '%-16s %-9s %11d %9d %6.2f %8.1f\n' "$page" "$platform" "$ms" "$peerMs" \
      "$(awk "BEGIN{print $ms/$peerMs}")" "$(awk "BEGIN{print $peak/1024}")"
  done
  printf '%-16s %-9s %11s %9s %6s %8.1f\n' "" links2 "" "" "" \
    "$(awk "BEGIN{print $(printf '%s\n' "${peerPeak[@]}" | sort -n | tail -1)/1024}")"
done

# The window as a user meets it: from the start of the process until the first screen of the
# 5 MB page has gone to the display. Tamblin prints the wall clock at that moment when
# TAMBLIN_FIRST_SCREEN is set, and ends; without a display the runs get an X server of their own.
echo "== Window: start of the process to the first screen of page-5mb.html (median of 5)"
server=()
if [[ -z "${DISPLAY:-}" ]]; then
  display=:$((90 + RANDOM % 100))
  # -noreset: a desktop's display never starts afresh when its last client goes, and a
  # server that does so holds up the next run's connection while it resets.
  Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp -noreset >/dev/null 2>&1 &
  server=($!)
  trap 'kill "${server[@]}" 2>/dev/null' EXIT
  export DISPLAY=$display
  sleep 1
fi
firstScreen=()
for run in 1 2 3 4 5; do
  start=${EPOCHREALTIME/./}
  shown=$(TAMBLIN_FIRST_SCREEN=1 QT_QPA_PLATFORM=xcb "${pin[@]}" "$build/app/tamblin" \
            "$pages/page-5mb.html" 2>/dev/null | sed -n 's/^first screen at //p')
  firstScreen+=("$(( (shown - start) / 1000 ))")
done
echo "first screen: $(median "${firstScreen[@]}") ms (runs: ${firstScreen[*]})"
