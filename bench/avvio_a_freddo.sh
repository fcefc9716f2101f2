#!/bin/bash
# Cold start: from the exec of a program to its first frame on the screen,
# for the atlas (one or more builds of it) and, side by side, for a bare Qt
# window showing the first map's picture full screen (bench/finestra_nuda.cpp,
# the floor for any Qt program). The programs take turns, round after round,
# under one virtual X display started here; then the medians and the ratio of
# each to the bare window.
#
#   bench/avvio_a_freddo.sh [-n ROUNDS] [-s WIDTHxHEIGHT] [-d DISPLAY] [-b BENCH_DIR] [-o damage|pixel] PROGRAM [PROGRAM...]
#   bench/avvio_a_freddo.sh build/app/cartaviva
#   bench/avvio_a_freddo.sh /path/to/before/build/app/cartaviva build/app/cartaviva
#
# ROUNDS defaults to 15 (one more round first, not counted, brings the files
# into memory), the screen to 1024x768, DISPLAY to 93 (the X server started
# here runs as :93, a number of its own: with a number picked by the server
# it could share one with other clients, or take :0; the script stops when
# the number is taken), BENCH_DIR to build/bench of this
# repository (it holds finestra_nuda and primo_fotogramma:
# cmake --build build --target finestra_nuda primo_fotogramma). Each program
# runs in its data folder: the nearest folder above it holding
# atlante/5000bac.gif, or this repository's root.
#
# How the first frame is seen. Nothing is added to the programs: the clock
# is an outside X client of ours, bench/primo_fotogramma.cpp. It asks the X
# server (DAMAGE extension) to report every drawing on the root window, which
# with no compositor includes the drawing of every window; it starts the
# program itself, so the clock starts at the exec; and it stops the clock when
# what has been drawn since covers 90% of the screen, that is when the
# full-screen window's first frame has reached the screen, whether the frame
# came in one piece or in bands. Being told by the server, it costs the
# programs nothing while they start, unlike polling the screen's pixels, and
# it does not depend on what the frame looks like. Before each start it waits
# for a still screen with no window shown, so that the previous program's
# going away is not taken for the next one's frame.
#
# Every round prints, beside each program's time, its ratio to the bare
# window's time in the same round: the rounds alternate, so a busy moment of
# the machine weighs on both sides alike.
#
# -o pixel takes a second clock, independent of the first:
# bench/fotogramma_pixel.cpp reads rows of the screen's pixels from the exec
# until they are those of the program's settled frame, learnt once per
# program in a run before the rounds. It needs no DAMAGE, and it sees the
# frame as the reader does; its reads cost the X server a little work while
# the program starts, alike for every program.
#
# What it leaves out: no window manager runs, and the files are in the page
# cache after the first round (as on a machine where the atlas ran once).
set -euo pipefail

RADICE="$(cd "$(dirname "$0")/.." && pwd)"
GIRI=15
SCHERMO_X=93
SCHERMO=1024x768
BANCO="$RADICE/build/bench"
OROLOGIO=damage
while getopts "n:s:d:b:o:h" opzione; do
  case "$opzione" in
    n) GIRI="$OPTARG" ;;
    s) SCHERMO="$OPTARG" ;;
    d) SCHERMO_X="${OPTARG#:}" ;;
    b) BANCO="$OPTARG" ;;
    o) OROLOGIO="$OPTARG" ;;
    *) sed -n '2,/^set -euo/p' "$0" | sed -e '$d' -e 's/^# \{0,1\}//'; exit 2 ;;
  esac
done
shift $((OPTIND - 1))
if [ $# -lt 1 ]; then
  echo "usage: $0 [-n ROUNDS] [-s WIDTHxHEIGHT] [-d DISPLAY] [-b BENCH_DIR] [-o damage|pixel] PROGRAM [PROGRAM...]" >&2
  exit 2
fi
case "$OROLOGIO" in
  damage) OSSERVATORE="$BANCO/primo_fotogramma" ;;
  pixel) OSSERVATORE="$BANCO/fotogramma_pixel" ;;
  *) echo "-o takes damage or pixel" >&2; exit 2 ;;
esac
NUDA="$BANCO/finestra_nuda"
for f in "$OSSERVATORE" "$NUDA"; do
  if [ ! -x "$f" ]; then
    echo "$f is missing: cmake --build build --target finestra_nuda $(basename "$OSSERVATORE")" >&2
    exit 1
  fi
done
command -v Xvfb >/dev/null || { echo "Xvfb is missing: tools/installa-pacchetti.sh xvfb" >&2; exit 1; }

# The programs: the bare window first, then the ones named, each with its
# data folder.
ETICHETTE=("bare Qt window")
COMANDI=("$NUDA")
CARTELLE=("$RADICE")
for p in "$@"; do
  assoluto="$(realpath "$p")"
  [ -x "$assoluto" ] || { echo "$p is not an executable program" >&2; exit 1; }
  cartella="$(dirname "$assoluto")"
  while [ "$cartella" != / ] && [ ! -f "$cartella/atlante/5000bac.gif" ]; do cartella="$(dirname "$cartella")"; done
  [ -f "$cartella/atlante/5000bac.gif" ] || cartella="$RADICE"
  ETICHETTE+=("$p")
  COMANDI+=("$assoluto")
  CARTELLE+=("$cartella")
done
N=${#COMANDI[@]}

LAVORO="$(mktemp -d)"
XVFB=""
fine() {
  [ -n "$XVFB" ] && kill "$XVFB" 2>/dev/null && wait "$XVFB" 2>/dev/null
  rm -rf "$LAVORO"
}
trap fine EXIT

if [ -e "/tmp/.X${SCHERMO_X}-lock" ] || [ -e "/tmp/.X11-unix/X${SCHERMO_X}" ]; then
  echo "display :$SCHERMO_X is taken (another X server runs there): choose another number with -d" >&2
  exit 1
fi
Xvfb ":$SCHERMO_X" -screen 0 "${SCHERMO}x24" -br -nolisten tcp 2>"$LAVORO/xvfb.log" &
XVFB=$!
for _ in $(seq 100); do [ -S "/tmp/.X11-unix/X${SCHERMO_X}" ] && break; sleep 0.05; done
if ! kill -0 "$XVFB" 2>/dev/null || [ ! -S "/tmp/.X11-unix/X${SCHERMO_X}" ]; then
  echo "Xvfb did not start on :$SCHERMO_X:" >&2
  cat "$LAVORO/xvfb.log" >&2
  exit 1
fi
export DISPLAY=":$SCHERMO_X"
unset QT_QPA_PLATFORM WAYLAND_DISPLAY
export XDG_RUNTIME_DIR="$LAVORO/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"

# One start of program i: its milliseconds in $LAVORO/ultimo.$i ("failed"
# when it had no frame); appended to its file when the round counts.
avvia() {
  local i=$1 conta=$2 risultato
  local argomenti=()
  local orologio=()
  [ "$i" = 0 ] && argomenti=(atlante/5000bac.gif)
  [ "$OROLOGIO" = pixel ] && orologio=(--atteso "$LAVORO/atteso.$i")
  if risultato="$(cd "${CARTELLE[$i]}" && "$OSSERVATORE" "${orologio[@]}" "${COMANDI[$i]}" "${argomenti[@]}" 2>>"$LAVORO/programmi.log")"; then
    [ "$conta" = 1 ] && echo "${risultato%% *}" >>"$LAVORO/tempi.$i"
    echo "${risultato%% *}" >"$LAVORO/ultimo.$i"
  else
    [ "$conta" = 1 ] && echo x >>"$LAVORO/falliti.$i"
    echo failed >"$LAVORO/ultimo.$i"
  fi
}

# The pixel clock first learns each program's settled frame.
if [ "$OROLOGIO" = pixel ]; then
  for i in $(seq 0 $((N - 1))); do
    argomenti=()
    [ "$i" = 0 ] && argomenti=(atlante/5000bac.gif)
    if ! (cd "${CARTELLE[$i]}" && "$OSSERVATORE" --impara "$LAVORO/atteso.$i" "${COMANDI[$i]}" "${argomenti[@]}" 2>>"$LAVORO/programmi.log"); then
      echo "the settled frame of ${ETICHETTE[$i]} could not be learnt:" >&2
      cat "$LAVORO/programmi.log" >&2
      exit 1
    fi
  done
fi

echo "Cold start to the first frame on screen (ms): Xvfb $DISPLAY ${SCHERMO}x24, $GIRI rounds, taking turns, clock: $OROLOGIO"
echo "  machine: $(nproc) cores, load average $(cut -d' ' -f1-3 /proc/loadavg) at the start"
for i in $(seq 0 $((N - 1))); do printf '  [%d] %s (in %s)\n' "$i" "${ETICHETTE[$i]}" "${CARTELLE[$i]}"; done
printf '  %-9s' round
for i in $(seq 0 $((N - 1))); do printf ' %9s' "[$i]"; done
for i in $(seq 1 $((N - 1))); do printf ' %9s' "[$i]/[0]"; done
printf '  %s\n' "load"
for giro in $(seq 0 "$GIRI"); do
  # Each round starts with the next program, so that none always follows the same one.
  for k in $(seq 0 $((N - 1))); do
    i=$(((giro + k) % N))
    avvia "$i" "$([ "$giro" -gt 0 ] && echo 1 || echo 0)"
  done
  if [ "$giro" -eq 0 ]; then printf '  %-9s' warm-up; else printf '  %-9s' "$giro"; fi
  for i in $(seq 0 $((N - 1))); do printf ' %9s' "$(cat "$LAVORO/ultimo.$i")"; done
  base="$(cat "$LAVORO/ultimo.0")"
  for i in $(seq 1 $((N - 1))); do
    rapporto="$(awk -v a="$(cat "$LAVORO/ultimo.$i")" -v b="$base" 'BEGIN { if (a == "failed" || b == "failed" || b == 0) print "-"; else printf "%.2f\n", a / b }')"
    [ "$giro" -gt 0 ] && [ "$rapporto" != - ] && echo "$rapporto" >>"$LAVORO/rapporti.$i"
    printf ' %9s' "$rapporto"
  done
  printf '  %s\n' "$(cut -d' ' -f1 /proc/loadavg)"
done

mediana() { sort -g "$1" | awk '{v[NR]=$1} END {if (NR==0) print "nan"; else if (NR%2) print v[(NR+1)/2]; else printf "%.2f\n", (v[NR/2]+v[NR/2+1])/2}'; }
echo
echo "  machine: load average $(cut -d' ' -f1-3 /proc/loadavg) at the end"
printf '  %-48s %8s %8s %8s %8s  %s\n' program median min max failed "ratio to the bare Qt window: of the medians, median of the rounds'"
BASE="nan"
[ -s "$LAVORO/tempi.0" ] && BASE="$(mediana "$LAVORO/tempi.0")"
for i in $(seq 0 $((N - 1))); do
  falliti=0
  [ -f "$LAVORO/falliti.$i" ] && falliti=$(wc -l <"$LAVORO/falliti.$i")
  if [ -s "$LAVORO/tempi.$i" ]; then
    med="$(mediana "$LAVORO/tempi.$i")"
    min="$(sort -g "$LAVORO/tempi.$i" | head -n1)"
    max="$(sort -g "$LAVORO/tempi.$i" | tail -n1)"
    rapporto="$(awk -v a="$med" -v b="$BASE" 'BEGIN { if (b == "nan" || b == 0) print "-"; else printf "%.2f\n", a / b }')"
    [ -s "$LAVORO/rapporti.$i" ] && rapporto="$rapporto, $(mediana "$LAVORO/rapporti.$i")"
  else
    med=-; min=-; max=-; rapporto=-
  fi
  printf '  %-48s %8s %8s %8s %8s  %s\n' "[$i] ${ETICHETTE[$i]}" "$med" "$min" "$max" "$falliti" "$rapporto"
done
if [ -s "$LAVORO/programmi.log" ]; then
  echo "  what the programs wrote on stderr (each line once):"
  sort -u "$LAVORO/programmi.log" | sed 's/^/    /'
fi
