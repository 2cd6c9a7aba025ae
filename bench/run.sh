#!/usr/bin/env bash
# Builds the benchmarks in Release and runs them on one CPU: the two cores of these
# machines differ in speed, so every figure is taken on the same one.
set -euo pipefail
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

echo "== Tokenizer"
"${pin[@]}" "$build/bench/bench_tokenizer"

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

echo "== Viewer on the 5 MB page: relayout, line scroll, page down, each with its repaint"
for platform in headless qt; do
  flag=(); [[ $platform == qt ]] && flag=(--qt)
  printf '%-9s' "$platform"
  "${pin[@]}" "$build/bench/bench_viewer" "${flag[@]}" "$pages/page-5mb.html"
done

echo "== Pictures: 500 images of 5 files, parse, layout and first screen; a 20-frame animation"
for platform in headless qt; do
  flag=(); [[ $platform == qt ]] && flag=(--qt)
  echo "-- $platform"
  "${pin[@]}" "$build/bench/bench_images" "${flag[@]}" "$pages/pictures"
done

# Whole process: start, parse, layout, draw 800 x 600 and write the picture.
echo "== tamblin-render, whole process (median of 5 wall times; peak memory)"
for platform in headless qt; do
  flag=(); [[ $platform == headless ]] && flag=(--headless)
  for page in page-5mb.html page-10mb.html lists-2mb.html log-5mb.txt; do
    text=(); [[ $page == *.txt ]] && text=(--text)
    times=(); memory=0
    for run in 1 2 3 4 5; do
      report="$( { /usr/bin/time -v "${pin[@]}" "$build/tools/tamblin-render" "${flag[@]}" "${text[@]}" \
        "$pages/$page" "$pages/render.png" >/dev/null; } 2>&1 )"
      elapsed="$(grep 'Elapsed (wall clock)' <<<"$report" | awk '{print $NF}')"
      times+=("$(awk -F: '{ if (NF == 3) print ($1 * 3600 + $2 * 60 + $3) * 1000; else print ($1 * 60 + $2) * 1000 }' <<<"$elapsed")")
      memory="$(grep 'Maximum resident' <<<"$report" | awk '{print $NF}')"
    done
    median="$(printf '%s\n' "${times[@]}" | sort -n | sed -n 3p)"
    printf '%-10s %-16s %6.0f ms  peak %6.1f MB\n' "$platform" "$page" "$median" "$(awk "BEGIN{print $memory/1024}")"
  done
done
