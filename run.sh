#!/usr/bin/env bash
# Installs what is missing, builds Tamblin in Release and runs it on FILE (or the sample page).
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"

file="${1:-$here/samples/index.htm}"
[[ "$file" = /* ]] || file="$PWD/$file"

"$here/scripts/deps.sh"
cmake -S "$here" -B "$here/build/release" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTAMBLIN_TESTS=OFF >/dev/null
cmake --build "$here/build/release"

echo "Tamblin: the symbol stream of $file, as the document builder receives it:"
"$here/build/release/tools/tamblin-dump" tokens "$file"
