#!/usr/bin/env bash
# regenerate.sh [BUILD_DIR]: rewrites every golden layout file from the current code.
# Review each changed .json like code before committing it.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
build="${1:-$here/../../build/asan}"
for case_file in "$here"/*.html; do
  TAMBLIN_REGENERATE=1 "$here/check-golden.sh" "$build/tools/tamblin-dump" "$case_file"
done
git -C "$here" diff --stat -- .
