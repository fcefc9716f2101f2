#!/bin/sh
# Builds what the benchmarks need and runs the three that measure what a
# reader waits for: the draw of every map in turn, a click to the painted
# frame, and the cold start against a bare Qt window.
#
#   bench/misura.sh [BUILD_DIR [BEFORE_BUILD_DIR]]
#
# BUILD_DIR defaults to build/ of this repository. With BEFORE_BUILD_DIR (the
# build of another tree, say the one before a change), each benchmark runs
# for both, the one before first, and the two atlases take turns in the same
# cold-start run. A build from before these benchmarks existed takes part in
# the cold start only.
set -e
RADICE="$(cd "$(dirname "$0")/.." && pwd)"
DOPO="$(realpath "${1:-$RADICE/build}")"
PRIMA="${2:+$(realpath "$2")}"

costruisci() {
  cmake --build "$1" -j4 --target cartaviva
  cmake --build "$1" -j4 --target bench_sfoglia bench_clic finestra_nuda primo_fotogramma 2>/dev/null ||
    echo "($1 has no benchmarks of its own: it takes part in the cold start only)"
}
[ -n "$PRIMA" ] && costruisci "$PRIMA"
costruisci "$DOPO"
[ -x "$DOPO/bench/primo_fotogramma" ] || { echo "$DOPO/bench/primo_fotogramma could not be built" >&2; exit 1; }

for programma in bench_sfoglia bench_clic; do
  for costruzione in $PRIMA "$DOPO"; do
    if [ -x "$costruzione/bench/$programma" ]; then
      echo
      echo "== $costruzione"
      "$costruzione/bench/$programma"
    fi
  done
done
echo
"$RADICE/bench/avvio_a_freddo.sh" -b "$DOPO/bench" ${PRIMA:+"$PRIMA/app/cartaviva"} "$DOPO/app/cartaviva"
