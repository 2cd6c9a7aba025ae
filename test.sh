#!/usr/bin/env bash
# Installs what is missing, builds with AddressSanitizer and UndefinedBehaviorSanitizer,
# runs every test, then gives each fuzz target a short run. Exits non-zero on any failure.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
jobs="$(nproc)"

"$here/scripts/deps.sh"

export QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}"
export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"

cmake -S "$here" -B "$here/build/asan" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DTAMBLIN_SANITIZE=ON
cmake --build "$here/build/asan" -j "$jobs"
ctest --test-dir "$here/build/asan" --output-on-failure -j "$jobs"

CXX=clang++ cmake -S "$here" -B "$here/build/fuzz" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DTAMBLIN_FUZZ=ON -DTAMBLIN_TESTS=OFF -DTAMBLIN_WITH_QT=OFF
cmake --build "$here/build/fuzz" -j "$jobs"
ctest --test-dir "$here/build/fuzz" --output-on-failure
