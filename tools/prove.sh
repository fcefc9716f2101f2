#!/bin/sh
# Builds CARTAVIVA from scratch in build/ and runs every test, headless.
set -e
cd "$(dirname "$0")/.."
tools/installa-pacchetti.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j "$(nproc)"
QT_QPA_PLATFORM=offscreen ctest --test-dir build --output-on-failure -j "$(nproc)" --timeout 300
