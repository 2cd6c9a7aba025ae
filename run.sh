#!/usr/bin/env bash
# Installs what is missing, builds Tamblin in Release and runs it on FILE (or on its welcome
# page). Without a display it draws the page into a picture instead and says where it is.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
build="$here/build/release"

file="${1:-}"
if [[ -n "$file" && "$file" != /* && "$file" != file:* ]]; then file="$PWD/$file"; fi

"$here/scripts/deps.sh"
cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTAMBLIN_TESTS=OFF >/dev/null
cmake --build "$build"

if [[ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]]; then
  exec "$build/app/tamblin" ${file:+"$file"}
fi

page="${file:-$build/app/index.htm}"
page="${page%%#*}"
picture="$build/page.png"
text=()
[[ "${page,,}" == *.txt ]] && text=(--text)
QT_QPA_PLATFORM=offscreen "$build/tools/tamblin-render" "${text[@]}" --full "$page" "$picture"
echo "No display here, so Tamblin drew $page as its window shows it: $picture"
