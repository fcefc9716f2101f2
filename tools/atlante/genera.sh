#!/bin/sh
# Regenerates every picture of the atlas (atlante/, miniature/) and the links
# page (tavolahtmvel/) in the working folder, and saves the fit report.
# Needs the Debian packages gmt, gmt-gshhg-low and ghostscript, and python3.
set -e
qui=$(cd "$(dirname "$0")" && pwd)
python3 "$qui/genera.py" --cartella "$qui/../.." "$@" | tee "$qui/rapporto.txt"
