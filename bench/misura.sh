#!/bin/sh
# Builds what the benchmarks need and runs the three that measure what a
# reader waits for: the draw of every map in turn, a click to the painted
# frame, and the cold start against a bare Qt window.
#
#   bench/misura.sh [BUILD_DIR] [OTHER_CARTAVIVA...]
#
# BUILD_DIR defaults to build/ of this repository. Programs named after it
# (another build of the atlas, say the one before a change) take turns in the
# cold start with this build's own.
set -e
RADICE="$(cd "$(dirname "$0")/.." && pwd)"
COSTRUZIONE="${1:-$RADICE/build}"
[ $# -gt 0 ] && shift
cmake --build "$COSTRUZIONE" -j4 --target cartaviva bench_sfoglia bench_clic finestra_nuda primo_fotogramma
echo
"$COSTRUZIONE/bench/bench_sfoglia"
echo
"$COSTRUZIONE/bench/bench_clic"
echo
"$RADICE/bench/avvio_a_freddo.sh" -b "$COSTRUZIONE/bench" "$@" "$COSTRUZIONE/app/cartaviva"
