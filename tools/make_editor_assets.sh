#!/usr/bin/env bash
# Builds tools/make_editor_assets.cpp and regenerates the editor window's pictures in
# assets/editor/ (the wait animation, the welcome picture, the toolbar icons). The results are
# committed; run this only to change them.
set -euo pipefail
cd "$(dirname "$0")/.."
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
g++ -std=c++20 -O2 -fPIC tools/make_editor_assets.cpp -o "$out/make_editor_assets" \
  $(pkg-config --cflags --libs Qt6Gui)
mkdir -p assets/editor/icons
QT_QPA_PLATFORM=offscreen "$out/make_editor_assets" assets
ls -l assets/editor/wait.gif assets/editor/welcome.jpg assets/editor/icons/*.png
