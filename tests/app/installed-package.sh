#!/usr/bin/env bash
# installed-package.sh BUILD_DIR SOURCE_DIR [LINK_FLAGS]: installs the build into a fresh
# prefix, checks the program, its pages and desktop entry landed, builds the example host
# against the installed package alone, and runs it on a page.
set -euo pipefail
build="$1"
source="$2"
flags="${3:-}"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

cmake --install "$build" --prefix "$work/prefix" >/dev/null
for file in bin/tamblin share/tamblin/index.htm share/tamblin/help.htm \
            share/applications/tamblin.desktop share/icons/hicolor/scalable/apps/tamblin.svg \
            include/tamblin/html/viewer/Viewer.h include/tamblin/platform/qt/QtWindow.h \
            lib/cmake/Tamblin/TamblinConfig.cmake; do
  [[ -e "$work/prefix/$file" ]] || { echo "FAIL: $file was not installed" >&2; exit 1; }
done
grep -q '^MimeType=.*text/html' "$work/prefix/share/applications/tamblin.desktop"

cmake -S "$source/examples/viewer-host" -B "$work/host" -G Ninja \
      -DCMAKE_PREFIX_PATH="$work/prefix" -DCMAKE_CXX_FLAGS="$flags" \
      -DCMAKE_EXE_LINKER_FLAGS="$flags" >/dev/null
cmake --build "$work/host" >/dev/null
printf '<title>Hosted page</title><p>Hello' > "$work/page.htm"
title="$(QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0 "$work/host/viewer-host" "$work/page.htm" --print-title)"
[[ "$title" == "Hosted page" ]] || { echo "FAIL: the host showed '$title'" >&2; exit 1; }
echo "ok: installed package builds and hosts the viewer"
