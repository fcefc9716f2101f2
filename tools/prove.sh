#!/bin/sh
# Builds CARTAVIVA from scratch in build/ and runs every test, headless.
# With --avvisi-come-errori (as CI runs it) any compiler warning stops the
# build; without it warnings are shown and the build goes on, so that a newer
# compiler with new warnings does not keep a newcomer from running the tests.
set -e
cd "$(dirname "$0")/.."
AVVISI_COME_ERRORI=OFF
if [ "${1:-}" = "--avvisi-come-errori" ]; then
  AVVISI_COME_ERRORI=ON
  shift
fi
tools/installa-pacchetti.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_COMPILE_WARNING_AS_ERROR="$AVVISI_COME_ERRORI"
cmake --build build -j "$(nproc)"
QT_QPA_PLATFORM=offscreen ctest --test-dir build --output-on-failure -j "$(nproc)" --timeout 300
