#!/usr/bin/env bash
# Builds tools/make_app_assets.cpp and regenerates the program's sounds and start picture
# in assets/. The results are committed; run this only to change them.
set -euo pipefail
cd "$(dirname "$0")/.."
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
g++ -std=c++20 -O2 -fPIC tools/make_app_assets.cpp -o "$out/make_app_assets" \
  $(pkg-config --cflags --libs Qt6Gui)
mkdir -p assets/sounds assets/pictures
QT_QPA_PLATFORM=offscreen "$out/make_app_assets" assets
ls -l assets/sounds/success.wav assets/sounds/failure.wav assets/pictures/start_background.jpg
