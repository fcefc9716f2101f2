#!/bin/sh
# Builds CARTAVIVA if needed and starts it in its data folder (this
# repository's root). With no display it runs under a virtual X display,
# writes a screenshot of the first screen and says where.
set -e
RADICE="$(cd "$(dirname "$0")/.." && pwd)"
cd "$RADICE"
if [ -z "$DISPLAY" ] && [ -z "$WAYLAND_DISPLAY" ]; then
  tools/installa-pacchetti.sh xvfb xauth imagemagick
else
  tools/installa-pacchetti.sh
fi
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j "$(nproc)" --target cartaviva
if [ -n "$DISPLAY" ] || [ -n "$WAYLAND_DISPLAY" ]; then
  exec "$RADICE/build/app/cartaviva"
fi
SCATTO="$RADICE/build/cartaviva-prima-schermata.png"
SECONDI="${CARTAVIVA_SECONDI:-5}"
xvfb-run -a -s "-screen 0 1024x768x24" sh -c "
  '$RADICE/build/app/cartaviva' &
  PID=\$!
  sleep $SECONDI
  import -window root '$SCATTO'
  kill \$PID
" || true
if [ -f "$SCATTO" ]; then
  echo "No display: CARTAVIVA ran under a virtual X display; screenshot of the first screen: $SCATTO"
else
  echo "No display: CARTAVIVA ran under a virtual X display, but no screenshot could be taken." >&2
  exit 1
fi
