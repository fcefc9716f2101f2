#!/usr/bin/env python3
"""The generator's account of what each picture draws, for the checks.

A picture's territories are measured on the picture as drawn, before any
halo is blended under the labels (halos change the tones under a caption,
and the checks ask what the reader would see if the label were lifted):

- every polity that shows, per panel, with its tone (full where a label of
  the picture names it, quiet otherwise), where its territory comes from
  (the time slice, an addition of the corrections, a hand-drawn polygon)
  and how many pixels show in its fill or its border;
- every overlay label that the tables tie to a polity, in each language:
  its caption box, how many of the box's pixels show that polity, the sea
  (or a lake), coast and river lines, whether the polity touches the box
  (within two pixels), and which other polity shows most under it. On a
  legend map a zone that gathers a polity's features counts as its fill.

The account is written as tab-separated rows (rapporto-territori.tsv),
committed with the pictures; tests/pictures reads it with the tables."""

import hashlib
import os

import territori

TOCCO = 2  # pixels around a caption box within which a polity touches it


def _colori_delle_polite(strati):
    """colour -> set of (polity, tone) of the territories drawn in it; legend
    zones and unclaimed land are no polity."""
    mappa = {}
    for s in strati:
        if not s.chiave:
            continue
        tono = "piena" if s.piena else "quieta"
        for c in (s.riempimento, s.bordo):
            mappa.setdefault(tuple(c), set()).add((s.chiave, tono))
    return mappa


def _colori_delle_etichette(strati):
    """colour -> polities a label may stand on: each polity's own colours,
    and on a legend map the colour of every zone that gathers the polity's
    features (the zone is the polity's fill there)."""
    mappa = {c: {kt[0] for kt in v} for c, v in _colori_delle_polite(strati).items()}
    for s in strati:
        for c in (s.riempimento, s.bordo):
            if s.copre:
                mappa.setdefault(tuple(c), set()).update(s.copre)
    return mappa


def misura(w, h, rgb, pannelli, etichette, mare, linee):
    """Account rows of one picture (without its name and hash).

    pannelli: one (x0, x1, strati, mappate) per panel, x0..x1 the panel's
    columns in the picture and mappate its label index -> polity; etichette:
    the overlay labels over the picture, as territori.leggi_sovrapposizioni
    gives them; mare, linee: the colours of water and of coast and river
    lines. Returns (polities, labels): polities (panel, key, tone, sources,
    pixels); labels (map, index, language, key, box, n, k, sea, lines,
    touches, (other key, pixels), caption)."""
    mare, linee = {tuple(c) for c in mare}, {tuple(c) for c in linee}
    colori = [_colori_delle_polite(strati) for _, _, strati, _ in pannelli]
    sotto = [_colori_delle_etichette(strati) for _, _, strati, _ in pannelli]
    fonti = []
    for _, _, strati, _ in pannelli:
        f = {}
        for s in strati:
            if s.chiave:
                f.setdefault((s.chiave, "piena" if s.piena else "quieta"), set()).add(s.fonte)
        fonti.append(f)

    def pixel(x, y):
        i = 3 * (y * w + x)
        return tuple(rgb[i:i + 3])

    def pannello_di(x):
        for n, (x0, x1, _, _) in enumerate(pannelli):
            if x0 <= x < x1:
                return n
        return None

    polite = []
    for n, (x0, x1, _, _) in enumerate(pannelli):
        conta = {}
        for y in range(h):
            for x in range(x0, x1):
                for kt in colori[n].get(pixel(x, y), ()):
                    conta[kt] = conta.get(kt, 0) + 1
        nome = str(n + 1) if len(pannelli) > 1 else "-"
        for (chiave, tono), quanti in sorted(conta.items()):
            polite.append((nome, chiave, tono, ",".join(sorted(fonti[n].get((chiave, tono), ()))), quanti))

    righe = []
    for lingua, carta, indice, didascalia, left, top, larghezza, _ in etichette:
        scatola = territori.scatola(left, top, larghezza, w, h)
        centro = (left - territori.IMG_LEFT) / territori.TWIP + larghezza / 2.0
        n = pannello_di(min(max(int(centro), 0), w - 1))
        if n is None:  # the seam between two panels: the nearer one
            n = 0 if centro < w / 2 else len(pannelli) - 1
        chiave = pannelli[n][3].get(indice)
        if chiave is None:
            continue
        if scatola is None:
            righe.append((carta, indice, lingua, chiave, None, 0, 0, 0, 0, False, ("-", 0), didascalia))
            continue
        x0, y0, x1, y1 = scatola
        k = acqua = tratti = 0
        altre = {}
        for y in range(y0, y1):
            for x in range(x0, x1):
                c = pixel(x, y)
                chi = sotto[n].get(c, set())
                if chiave in chi:
                    k += 1
                elif c in mare:
                    acqua += 1
                elif c in linee:
                    tratti += 1
                for a in chi - {chiave}:
                    altre[a] = altre.get(a, 0) + 1
        tocca = k > 0
        if not tocca:
            for y in range(max(0, y0 - TOCCO), min(h, y1 + TOCCO)):
                for x in range(max(0, x0 - TOCCO), min(w, x1 + TOCCO)):
                    if chiave in sotto[n].get(pixel(x, y), ()):
                        tocca = True
                        break
                if tocca:
                    break
        altra = max(sorted(altre.items()), key=lambda t: t[1]) if altre else ("-", 0)
        righe.append((carta, indice, lingua, chiave, scatola, (x1 - x0) * (y1 - y0), k, acqua, tratti,
                      tocca, altra, didascalia))
    return polite, righe


def impronta(percorso):
    with open(percorso, "rb") as f:
        return hashlib.sha256(f.read()).hexdigest()


INTESTAZIONE = """\
# What each picture draws, as the generator measured it (genera.py writes this file; do not edit).
# The territories are measured before the labels' halos. Rows:
#   foto      picture  width  height  sha256 of the picture file  map:year of every map showing it
#   polita    picture  panel (- or 1, 2)  polity  tone (piena: named by a label, quieta)  sources
#             (dati: the time slice, aggiunta: an addition, poligono: a hand-drawn territory)  pixels of
#             its fill and border
#   etichetta picture  map  label  language  polity the tables tie it to  caption box x0,y0,x1,y1 (-: wholly
#             outside the picture)  box pixels  of the polity  of sea or lake  of coast or river lines
#             the polity touches the box (1/0, within 2 px)  the other polity most under it:pixels  caption
"""


def righe_di_foto(foto, w, h, sha, anni, polite, etichette):
    out = ["foto\t%s\t%d\t%d\t%s\t%s" % (foto, w, h, sha, ",".join("%d:%d" % a for a in anni))]
    for pannello, chiave, tono, fonti, quanti in polite:
        out.append("polita\t%s\t%s\t%s\t%s\t%s\t%d" % (foto, pannello, chiave, tono, fonti or "-", quanti))
    for carta, indice, lingua, chiave, box, n, k, acqua, tratti, tocca, altra, didascalia in etichette:
        out.append("etichetta\t%s\t%d\t%d\t%s\t%s\t%s\t%d\t%d\t%d\t%d\t%d\t%s:%d\t%s" % (
            foto, carta, indice, lingua, chiave, ",".join(map(str, box)) if box else "-", n, k, acqua, tratti,
            1 if tocca else 0, altra[0], altra[1], didascalia.strip().replace("\t", " ")))
    return out


def scrivi(percorso, per_foto, ordine):
    """Writes the account; pictures not drawn this time keep their rows
    from the file already there (genera.py --solo)."""
    vecchie = {}
    try:
        with open(percorso, encoding="utf-8") as f:
            for riga in f:
                if riga.startswith("#") or not riga.strip():
                    continue
                vecchie.setdefault(riga.split("\t")[1], []).append(riga.rstrip("\n"))
    except FileNotFoundError:
        pass
    with open(percorso, "w", encoding="utf-8") as f:
        f.write(INTESTAZIONE)
        for foto in ordine:
            for riga in per_foto.get(foto) or vecchie.get(foto, []):
                f.write(riga + "\n")


# The failures of the checks that are still to fix, one per row, so that the
# tests fail on a new fault and on a row whose fault is gone (the table can
# only shrink). The rules are those of tests/pictures/test_politie.cpp.
PIXEL_MINIMI = 10  # fewer pixels of a polity are slivers no reader sees

INTESTAZIONE_DA_CORREGGERE = """\
# WORK STILL TO DO: the faults of the pictures that tests/pictures/test_politie.cpp finds today and that
# are still to be fixed (not exceptions: those, with their reasons, are eccezioni-vite.tsv and
# eccezioni-etichette.tsv). The test fails on any fault not listed here and on any row here whose
# fault is gone: after fixing a picture, delete its rows, or rewrite the whole table from the account
# with `tools/atlante/resoconto.py --da-correggere` (it prints the rows it adds and drops; an added row
# is a new fault, to fix rather than list). Rows are matched on their first five columns; the figure
# is as measured when the row was written.
#   vita   a polity drawn (10 px or more) in a year of one of the picture's maps outside its years
#   posto  a label tied to a polity that stands neither on it nor, from the sea, touching it
# immagine (:panel)	controllo	polita	etichetta	lingua	misura
"""


def _tabella(percorso):
    with open(percorso, encoding="utf-8") as f:
        return [r.rstrip("\n").split("\t") for r in f if r.strip() and not r.startswith("#")]


def da_correggere(cartella):
    """The rows (immagine, controllo, polita, etichetta, lingua, misura) of
    the checks' failures in the account of `cartella`, the exceptions aside."""
    vite = {}
    for c in _tabella(os.path.join(cartella, "politie.tsv")):
        try:
            vite[c[0].strip()] = (int(c[4]), int(c[5]))
        except (IndexError, ValueError):
            vite[c[0].strip()] = None
    scusate_vite = {(c[0].strip(), c[1].strip()) for c in _tabella(os.path.join(cartella, "eccezioni-vite.tsv"))}
    scusate_posto = {(c[0].strip(), int(c[1])) for c in _tabella(os.path.join(cartella, "eccezioni-etichette.tsv"))
                     if len(c) > 2 and c[2].strip() == "posto"}
    anni, righe, viste = {}, [], set()

    def aggiungi(chiave, misura):
        if chiave not in viste:
            viste.add(chiave)
            righe.append(chiave + (misura,))

    for c in _tabella(os.path.join(cartella, "rapporto-territori.tsv")):
        if c[0] == "foto":
            anni[c[1]] = [tuple(map(int, a.split(":", 1))) for a in c[5].split(",") if a]
        elif c[0] == "polita":
            foto, pannello, chiave, tono, fonti, pixel = c[1], c[2], c[3], c[4], c[5], int(c[6])
            if pixel < PIXEL_MINIMI or foto not in anni or (foto, chiave) in scusate_vite:
                continue
            vita = vite.get(chiave)
            fuori = [(m, a) for m, a in anni[foto] if not vita or not vita[0] <= a <= vita[1]]
            if fuori:
                aggiungi((foto + ("" if pannello == "-" else ":" + pannello), "vita", chiave, "-", "-"),
                         "%d px (%s, %s) on %s; lived %s" % (
                             pixel, tono, fonti, ", ".join("map %d (%d)" % (m, a) if m else "animation (%d)" % a
                                                           for m, a in fuori),
                             "%d to %d" % vita if vita else "in no known years"))
        elif c[0] == "etichetta":
            foto, indice, lingua, chiave = c[1], int(c[3]), c[4], c[5]
            n, k, acqua, tratti, tocca = int(c[7]), int(c[8]), int(c[9]), int(c[10]), c[11] == "1"
            dentro, terra = c[6] != "-", n - acqua - tratti
            if dentro and ((terra > 0 and 2 * k >= terra) or (2 * acqua >= n and tocca)):
                continue
            if (foto, indice) in scusate_posto:
                continue
            didascalia = " ".join(c[13:])
            aggiungi((foto, "posto", chiave, str(indice), lingua),
                     '"%s": %s' % (didascalia, "the box lies outside the picture" if not dentro else
                                   "%d px of %d px of land under the box, sea %d px, %s; most under it: %s" % (
                                       k, terra, acqua, "touches it" if tocca else "does not touch it", c[12])))
    return righe


def scrivi_da_correggere(cartella):
    """Rewrites da-correggere.tsv from the account; prints what changed."""
    percorso = os.path.join(cartella, "da-correggere.tsv")
    try:
        prima = {tuple(c[:5]) for c in _tabella(percorso)}
    except FileNotFoundError:
        prima = set()
    righe = da_correggere(cartella)
    dopo = {r[:5] for r in righe}
    with open(percorso, "w", encoding="utf-8") as f:
        f.write(INTESTAZIONE_DA_CORREGGERE)
        for r in righe:
            f.write("\t".join(r) + "\n")
    for r in righe:
        if r[:5] not in prima:
            print("added (a new fault):\t" + "\t".join(r))
    for r in sorted(prima - dopo):
        print("dropped (fixed):\t" + "\t".join(r))
    print("%s: %d lifetime and %d label faults still to fix" % (
        os.path.relpath(percorso), sum(r[1] == "vita" for r in righe), sum(r[1] == "posto" for r in righe)))


if __name__ == "__main__":
    import argparse

    parser = argparse.ArgumentParser(description="The generator's account of the pictures (rapporto-territori.tsv).")
    parser.add_argument("--da-correggere", action="store_true",
                        help="rewrite da-correggere.tsv, the faults still to fix, from the account")
    if not parser.parse_args().da_correggere:
        parser.error("nothing to do: see --help")
    scrivi_da_correggere(os.path.dirname(os.path.abspath(__file__)))
