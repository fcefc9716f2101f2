#!/bin/sh
# Installs the Debian packages CARTAVIVA needs to build, test and run, where
# they are missing. Extra packages can be named as arguments.
set -e
PACCHETTI="cmake g++ ninja-build pkg-config qt6-base-dev libgtest-dev libgmock-dev libbenchmark-dev libfontconfig-dev
  libfluidsynth-dev fluid-soundfont-gm fonts-liberation fonts-dejavu-core fonts-texgyre fonts-comic-neue $*"
MANCANTI=""
for p in $PACCHETTI; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || MANCANTI="$MANCANTI $p"
done
if [ -n "$MANCANTI" ]; then
  SUDO=""
  [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  echo "Installing:$MANCANTI"
  $SUDO apt-get update
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y $MANCANTI
fi
