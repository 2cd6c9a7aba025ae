#!/usr/bin/env bash
# Builds the benchmarks in Release and runs them on one CPU: the two cores of these
# machines differ in speed, so every figure is taken on the same one.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
build="$here/build/release"

"$here/scripts/deps.sh"
cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTAMBLIN_TESTS=OFF >/dev/null
cmake --build "$build"

pin=(taskset -c 1)
command -v taskset >/dev/null || pin=()
"${pin[@]}" "$build/bench/bench_tokenizer"
