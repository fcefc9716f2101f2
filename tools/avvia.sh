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
# A screenshot left by an earlier run must not pass for this one's.
rm -f "$SCATTO"
# The paths go to the inner shell as arguments, never inside its script: a
# checkout path with a quote or a "$(" in it stays a path.
xvfb-run -a -s "-screen 0 1024x768x24" sh -c '
  "$1" &
  PID=$!
  sleep "$2"
  if kill -0 "$PID" 2>/dev/null; then
    import -window root "$3"
    kill "$PID"
  else
    echo "CARTAVIVA ended before the screenshot was taken." >&2
  fi
' avvia "$RADICE/build/app/cartaviva" "$SECONDI" "$SCATTO" || true
if [ -f "$SCATTO" ]; then
  echo "No display: CARTAVIVA ran under a virtual X display; screenshot of the first screen: $SCATTO"
else
  echo "No display: CARTAVIVA ran under a virtual X display, but no screenshot could be taken." >&2
  exit 1
fi
