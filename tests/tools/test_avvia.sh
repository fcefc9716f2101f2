#!/bin/sh
# tools/avvia.sh with no display, run on copies of the script in checkouts
# under a temporary folder. Stand-ins take the place of the installer, the
# build, the virtual display, the atlas and the screenshot tool, so that only
# the script's own logic is tried: a screenshot left by an earlier run, an
# atlas that ends at once, and a checkout path with a quote and a "$(" in it.
# Usage: test_avvia.sh <source folder>
set -u
SORGENTE="$1"
BASE="$(mktemp -d)"
trap 'rm -rf "$BASE"' EXIT
FALLITI=0
fallisci() {
  echo "FAIL: $*"
  sed 's/^/  | /' "$BASE/uscita"
  FALLITI=$((FALLITI + 1))
}

mkdir -p "$BASE/bin"
cat >"$BASE/bin/cmake" <<'EOF'
#!/bin/sh
exit 0
EOF
# Runs the command it is given, as the real one does inside a new display.
cat >"$BASE/bin/xvfb-run" <<'EOF'
#!/bin/sh
while [ $# -gt 0 ]; do
  case "$1" in
    -a) shift ;;
    -s) shift 2 ;;
    *) break ;;
  esac
done
exec "$@"
EOF
# Writes its last argument, the screenshot, unless told to fail.
cat >"$BASE/bin/import" <<'EOF'
#!/bin/sh
[ -n "${PROVA_IMPORT_FALLISCE:-}" ] && exit 1
for ultimo in "$@"; do :; done
printf 'nuovo' >"$ultimo"
EOF
chmod +x "$BASE/bin/cmake" "$BASE/bin/xvfb-run" "$BASE/bin/import"

# A checkout at the given path with the script under test.
prepara() {
  mkdir -p "$1/tools" "$1/build/app"
  cp "$SORGENTE/tools/avvia.sh" "$1/tools/avvia.sh"
  printf '#!/bin/sh\nexit 0\n' >"$1/tools/installa-pacchetti.sh"
  cat >"$1/build/app/cartaviva" <<'EOF'
#!/bin/sh
[ -n "${PROVA_FINISCE_SUBITO:-}" ] && exit 1
exec sleep 30
EOF
  chmod +x "$1/tools/avvia.sh" "$1/tools/installa-pacchetti.sh" "$1/build/app/cartaviva"
}

# Runs the script of a checkout with no display; extra VAR=value arguments
# go to its environment. Sets ESITO to its exit status.
avvia() {
  radice="$1"
  shift
  (cd "$BASE" && env -u DISPLAY -u WAYLAND_DISPLAY PATH="$BASE/bin:$PATH" CARTAVIVA_SECONDI=0.3 "$@" \
    "$radice/tools/avvia.sh") >"$BASE/uscita" 2>&1
  ESITO=$?
}

SEMPLICE="$BASE/semplice"
prepara "$SEMPLICE"
SCATTO="$SEMPLICE/build/cartaviva-prima-schermata.png"

# 1. A run that works writes a new screenshot and says so.
avvia "$SEMPLICE"
[ "$ESITO" -eq 0 ] || fallisci "a working run exits with $ESITO"
[ "$(cat "$SCATTO" 2>/dev/null)" = nuovo ] || fallisci "a working run leaves no new screenshot"

# 2. A screenshot left by an earlier run does not make a failed one a success.
printf 'vecchio' >"$SCATTO"
avvia "$SEMPLICE" PROVA_IMPORT_FALLISCE=1
[ "$ESITO" -ne 0 ] || fallisci "no screenshot taken, yet the run succeeds (a stale one was there)"
[ ! -e "$SCATTO" ] || fallisci "the stale screenshot is still there"

# 3. An atlas that ends before the screenshot is a failure, not a black picture.
avvia "$SEMPLICE" PROVA_FINISCE_SUBITO=1
[ "$ESITO" -ne 0 ] || fallisci "the atlas ended at once, yet the run succeeds"
[ ! -e "$SCATTO" ] || fallisci "a screenshot of an empty display was kept"

# 4. A checkout path with a quote and a command substitution stays a path.
STRANA="$BASE/uno'\$(touch iniettato)'due"
prepara "$STRANA"
avvia "$STRANA"
[ "$ESITO" -eq 0 ] || fallisci "in \"$STRANA\" the run exits with $ESITO"
[ "$(cat "$STRANA/build/cartaviva-prima-schermata.png" 2>/dev/null)" = nuovo ] ||
  fallisci "in \"$STRANA\" no screenshot was written"
INIETTATI="$(find "$BASE" -name iniettato)"
[ -z "$INIETTATI" ] || fallisci "part of the checkout path ran as a command: $INIETTATI"

[ "$FALLITI" -eq 0 ] && echo "avvia.sh: all cases pass"
exit "$FALLITI"
