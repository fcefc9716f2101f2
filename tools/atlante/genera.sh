#!/bin/sh
# Regenerates every picture of the atlas (atlante/, miniature/) and the links
# page (tavolahtmvel/) in the working folder, and saves the report.
# Needs the Debian packages gmt, gmt-gshhg-low and ghostscript, python3, and
# the project's build tools (cmake, ninja, Qt 6) for tools/overlay-dump, which
# gives the maps of the program's registry with the labels each places, and
# the overlay labels as the program draws them.
# Any failing step stops the run with its message and a non-zero status.
set -eu
qui=$(cd "$(dirname "$0")" && pwd)
radice=$(cd "$qui/../.." && pwd)
costruzione=${COSTRUZIONE:-$radice/build}

for programma in gmt gs python3 cmake; do
    command -v "$programma" >/dev/null 2>&1 || {
        echo "genera.sh: '$programma' is needed (apt-get install gmt gmt-gshhg-low ghostscript python3 cmake ninja-build)" >&2
        exit 1
    }
done

lavoro=$(mktemp -d)
trap 'rm -rf "$lavoro"' EXIT INT TERM

if [ ! -f "$costruzione/build.ninja" ] && [ ! -f "$costruzione/Makefile" ]; then
    cmake -S "$radice" -B "$costruzione" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >&2
fi
cmake --build "$costruzione" --target overlay-dump >&2
(cd "$radice" && QT_QPA_PLATFORM=offscreen "$costruzione/tools/overlay-dump" --catalogo) >"$lavoro/catalogo.jsonl"
(cd "$radice" && QT_QPA_PLATFORM=offscreen "$costruzione/tools/overlay-dump") >"$lavoro/sovrapposizioni.jsonl"

# the tables against each other, the boundary data and the labels (the notes of
# etichette-politie.tsv are the labels' English captions; every polity has its years)
python3 "$qui/controlla_politie.py" --catalogo "$lavoro/catalogo.jsonl" \
    --sovrapposizioni "$lavoro/sovrapposizioni.jsonl" >"$lavoro/controllo.txt" || {
    cat "$lavoro/controllo.txt" >&2
    echo "genera.sh: the tables have errors (controlla_politie.py)" >&2
    exit 1
}
grep -v '^note:' "$lavoro/controllo.txt" >&2

# the report goes to a file first, so that a failure is not hidden by a pipe
python3 "$qui/genera.py" --cartella "$radice" --catalogo "$lavoro/catalogo.jsonl" \
    --sovrapposizioni "$lavoro/sovrapposizioni.jsonl" "$@" \
    >"$lavoro/rapporto.txt"
cp "$lavoro/rapporto.txt" "$qui/rapporto.txt"
cat "$qui/rapporto.txt"
