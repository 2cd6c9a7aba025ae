#!/usr/bin/env bash
# Installs what is missing, builds Tamblin in Release and runs it on FILE (or the sample page).
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"

file="${1:-$here/samples/index.htm}"
[[ "$file" = /* ]] || file="$PWD/$file"

"$here/scripts/deps.sh"
cmake -S "$here" -B "$here/build/release" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTAMBLIN_TESTS=OFF >/dev/null
cmake --build "$here/build/release"

# Until the browser window exists, Tamblin shows a page as a picture of what the window will show.
picture="$here/build/page.png"
text=()
[[ "${file,,}" == *.txt ]] && text=(--text)
QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}" \
  "$here/build/release/tools/tamblin-render" "${text[@]}" --full "$file" "$picture"
echo "Tamblin drew $file as it shows it in an 800-pixel-wide window: $picture"
