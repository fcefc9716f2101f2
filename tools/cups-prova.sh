#!/bin/sh
# Prepares this machine for the end-to-end print test: installs CUPS and the
# cups-pdf virtual printer where missing, starts cupsd if it is not running,
# and makes a cups-pdf queue the default printer. Safe to run again.
# The PDFs land where /etc/cups/cups-pdf.conf says ("Out", ${HOME}/PDF by
# default); the test reads that setting too.
set -e
CODA=CARTAVIVA-PDF
SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"

MANCANTI=""
for p in cups cups-client printer-driver-cups-pdf; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || MANCANTI="$MANCANTI $p"
done
if [ -n "$MANCANTI" ]; then
  echo "Installing:$MANCANTI"
  $SUDO apt-get update
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y $MANCANTI
fi

# Running already (a desktop, or a service manager)? Otherwise start it here;
# cupsd goes into the background by itself.
if ! lpstat -r 2>/dev/null | grep -q "is running"; then
  echo "Starting cupsd"
  $SUDO mkdir -p /run/cups
  $SUDO cupsd
  n=0
  until lpstat -r 2>/dev/null | grep -q "is running"; do
    n=$((n + 1))
    if [ "$n" -gt 50 ]; then
      echo "cups-prova: cupsd did not start; the end-to-end print test will be skipped" >&2
      exit 1
    fi
    sleep 0.2
  done
fi

PPD=/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd
[ -f "$PPD" ] || PPD=/usr/share/ppd/cups-pdf/CUPS-PDF_noopt.ppd
$SUDO lpadmin -p "$CODA" -E -v cups-pdf:/ -P "$PPD"
$SUDO lpadmin -d "$CODA"
$SUDO cupsenable "$CODA"
$SUDO cupsaccept "$CODA"
echo "cups-prova: default printer $(lpstat -d)"
