#!/usr/bin/env bash
# Builds tools/make_about_pictures.cpp and regenerates the about page's image list in
# assets/settings/. The result is committed; run this only to change the pictures.
set -euo pipefail
cd "$(dirname "$0")/.."
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
g++ -std=c++20 -O2 -fPIC tools/make_about_pictures.cpp -o "$out/make_about_pictures" \
  $(pkg-config --cflags --libs Qt6Gui)
mkdir -p assets/settings
QT_QPA_PLATFORM=offscreen "$out/make_about_pictures" assets
ls -l assets/settings/about_pictures.png
