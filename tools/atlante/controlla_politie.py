#!/usr/bin/env python3
"""Checks the tables of the map territories against each other and the data.

- politie.tsv: every key well-formed and defined once, every colour #rrggbb,
  every name in nomi a NAME or SUBJECTO of some time slice (or an AWMC file,
  awmc:<file>[:n]), no name claimed by two polities;
- etichette-politie.tsv: every picture and label index among the labels the
  maps place (the output of build/tools/overlay-dump --catalogo), every key
  defined, no label listed twice;
- correzioni.tsv: every picture in the catalogue (israele4.gif may name a
  panel, :1 or :2), every operation known and its arguments valid: slices
  that exist, features that exist in the slice they are taken from, keys
  that are defined, polygons of at least three lon,lat points;
- leggende.tsv: every picture and label present, every zone source valid.

With --sovrapposizioni (the output of build/tools/overlay-dump) the maps'
years are known: then every feature name used without a slice must exist in
the slice the map is drawn from (the nearest one, or the one its
corrections choose), and the summary counts the labels per period.

Standard library only. Exit status 1 when an error is found.
Usage: controlla_politie.py --catalogo FILE [--dati DIR] [--awmc DIR] [--sovrapposizioni FILE]"""

import argparse
import gzip
import json
import os
import re
import sys

QUI = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, QUI)
from genera import SOLO_ANIMAZIONE, leggi_catalogo, leggi_etichette  # noqa: E402
RADICE = os.path.normpath(os.path.join(QUI, "..", ".."))

OPERAZIONI = ("sezione", "aggiungi", "togli", "come", "poligono")
PANNELLI = {"israele4.gif": ("1", "2")}


def righe(percorso, colonne):
    """(line number, fields) of a tab-separated table, comments skipped."""
    out = []
    with open(percorso, encoding="utf-8") as f:
        for n, riga in enumerate(f, 1):
            riga = riga.rstrip("\n").rstrip("\r")
            if not riga.strip() or riga.startswith("#"):
                continue
            campi = riga.split("\t")
            if len(campi) < colonne:
                campi += [""] * (colonne - len(campi))
                out.append((n, campi, "%d columns expected" % colonne))
            else:
                out.append((n, campi, None))
    return out


def leggi_json(percorso):
    apri = gzip.open if percorso.endswith(".gz") else open
    with apri(percorso, "rt", encoding="utf-8") as f:
        return json.load(f)


def anno_di_sezione(stem):
    m = re.fullmatch(r"world_(bc)?(\d+)", stem)
    return (-int(m.group(2)) if m.group(1) else int(m.group(2))) if m else None


class Dati:
    """Feature names per time slice, and the AWMC files with their sizes."""

    def __init__(self, cartella, cartella_awmc):
        self.nomi = {}
        for f in sorted(os.listdir(cartella)):
            m = re.fullmatch(r"(world_(bc)?\d+)\.geojson(\.gz)?", f)
            if not m or m.group(1) in self.nomi:
                continue
            d = leggi_json(os.path.join(cartella, f))
            s = set()
            for ft in d.get("features", []):
                p = ft.get("properties") or {}
                for campo in ("NAME", "SUBJECTO"):
                    if p.get(campo):
                        s.add(p[campo])
            self.nomi[m.group(1)] = s
        self.tutti = set().union(*self.nomi.values()) if self.nomi else set()
        self.awmc = {}
        if cartella_awmc and os.path.isdir(cartella_awmc):
            for f in sorted(os.listdir(cartella_awmc)):
                m = re.fullmatch(r"(.+)\.geojson(\.gz)?", f)
                if m and m.group(1) not in self.awmc:
                    self.awmc[m.group(1)] = len(leggi_json(os.path.join(cartella_awmc, f)).get("features", []))

    def sezioni(self):
        return sorted(self.nomi, key=anno_di_sezione)

    def piu_vicina(self, anno):
        # between two slices at the same distance, the earlier one
        return min(self.nomi, key=lambda s: (abs(anno_di_sezione(s) - anno), anno_di_sezione(s)))


def cerca_dati(opzione):
    if opzione:
        return opzione
    for c in (os.path.join(QUI, "confini"),
              os.path.join(RADICE, "..", "shared", "data", "historical-basemaps", "geojson")):
        if os.path.isdir(c) and any(f.startswith("world_") for f in os.listdir(c)):
            return c
    sys.exit("controlla_politie.py: no time slices found; give --dati DIR")


def cerca_awmc(opzione, dati):
    if opzione:
        return opzione
    for c in (os.path.join(QUI, "confini", "awmc"),
              os.path.join(RADICE, "..", "shared", "data", "awmc-political"),
              os.path.join(os.path.dirname(os.path.dirname(os.path.normpath(dati))), "awmc-political")):
        if os.path.isdir(c):
            return c
    return None


def anni_delle_foto(percorso):
    """picture -> year of its first map (negative before Christ)."""
    anni = {}
    with open(percorso, encoding="utf-8") as f:
        for riga in f:
            if not riga.strip():
                continue
            d = json.loads(riga)
            if d.get("lingua") != "inglese":
                continue
            foto = d["picture"].replace("\\", "/").split("/")[-1]
            anno = int(d["year"].strip() or 0)
            if d["era"].strip().upper().startswith("B"):
                anno = -anno if anno else -1
            anni.setdefault(foto, (d["numcarta"], anno))
    return {f: a for f, (_, a) in anni.items()}


def main():
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("--dati", help="folder of the world_*.geojson[.gz] time slices")
    ap.add_argument("--awmc", help="folder of the AWMC *.geojson[.gz] files")
    ap.add_argument("--catalogo", help="overlay-dump --catalogo output: the maps' pictures and labels")
    ap.add_argument("--sovrapposizioni", help="overlay-dump output, for the maps' years")
    ap.add_argument("--cartella", default=QUI, help="folder of the tables")
    args = ap.parse_args()

    dati_dir = cerca_dati(args.dati)
    dati = Dati(dati_dir, cerca_awmc(args.awmc, dati_dir))
    # confini/ holds the slices cut to the frames that draw them: a feature
    # missing there from a map's slice but present in some slice lies outside
    # every frame of that slice, so the map would not draw it either
    ritagliata = os.path.realpath(dati_dir) == os.path.realpath(os.path.join(QUI, "confini"))
    errori = []
    avvisi = []

    def errore(tavola, n, testo):
        errori.append("%s:%d: %s" % (tavola, n, testo))

    def nome_valido(nome, sezione=None):
        """A feature name, awmc:<file>[:n], or world_xxx:NAME."""
        if nome.startswith("awmc:"):
            parti = nome.split(":")
            if len(parti) not in (2, 3) or parti[1] not in dati.awmc:
                return "unknown AWMC file in '%s'" % nome
            if len(parti) == 3 and not (parti[2].isdigit() and int(parti[2]) < dati.awmc[parti[1]]):
                return "AWMC feature '%s' out of range" % nome
            return None
        m = re.fullmatch(r"(world_(?:bc)?\d+):(.+)", nome, re.S)
        if m:
            if m.group(1) not in dati.nomi:
                return "unknown time slice in '%s'" % nome
            if m.group(2) not in dati.nomi[m.group(1)]:
                return "'%s' is not a feature of %s" % (m.group(2), m.group(1))
            return None
        if sezione:
            if nome not in dati.nomi[sezione]:
                return "'%s' is not a feature of %s, the slice of this map" % (nome, sezione)
        elif nome not in dati.tutti:
            return "'%s' is in no time slice" % nome
        return None

    def poligono_valido(testo):
        punti = testo.split()
        if len(punti) < 3:
            return "a polygon needs at least three points"
        for p in punti:
            try:
                lon, lat = (float(x) for x in p.split(","))
            except ValueError:
                return "'%s' is not lon,lat" % p
            if not (-180 <= lon <= 180 and -90 <= lat <= 90):
                return "'%s' out of range" % p
        return None

    # --- the catalogue and the labels
    etichette = {}
    for foto, voci in leggi_etichette(args.catalogo).items():
        for _, lab, _, _, testo in voci:
            etichette.setdefault(foto, {})[lab] = testo
    catalogo = {foto for _, foto, _ in leggi_catalogo(args.catalogo)}
    anni = anni_delle_foto(args.sovrapposizioni) if args.sovrapposizioni else {}

    # --- politie.tsv
    colori, proprietario = {}, {}
    for n, campi, e in righe(os.path.join(args.cartella, "politie.tsv"), 3):
        if e:
            errore("politie.tsv", n, e)
            continue
        chiave, colore, nomi = campi[0], campi[1], campi[2]
        if not re.fullmatch(r"[a-z][a-z0-9_]*", chiave):
            errore("politie.tsv", n, "key '%s' is not lowercase ASCII" % chiave)
        if chiave in colori:
            errore("politie.tsv", n, "key '%s' defined twice" % chiave)
        if not re.fullmatch(r"#[0-9a-f]{6}", colore):
            errore("politie.tsv", n, "colour '%s' is not #rrggbb" % colore)
        colori[chiave] = colore
        # the years the polity existed: a row without them (as another branch
        # may add one) is an error named here, not a crash
        dal, al = (campi[4].strip() if len(campi) > 4 else ""), (campi[5].strip() if len(campi) > 5 else "")
        if not (re.fullmatch(r"-?\d+", dal) and re.fullmatch(r"-?\d+", al)):
            errore("politie.tsv", n, "polity '%s' has no lifetime: the columns dal and al must be signed years "
                                     "(found '%s', '%s')" % (chiave, dal, al))
        elif int(dal) > int(al) or int(al) > 2000:
            errore("politie.tsv", n, "polity '%s': lifetime %s to %s is not a span ending by 2000" % (chiave, dal, al))
        for nome in (x for x in nomi.split("|") if x):
            problema = nome_valido(nome)
            if problema:
                errore("politie.tsv", n, problema)
            if not nome.startswith("awmc:"):
                altra = proprietario.setdefault(nome, chiave)
                if altra != chiave:
                    errore("politie.tsv", n, "'%s' belongs to both %s and %s" % (nome, altra, chiave))
    spazi = sorted(n for n in proprietario if n != n.strip())
    if spazi:
        avvisi.append("names with blanks at their ends, as the data spells them (a reader that strips the "
                      "table's names must strip the data's too): %s" % ", ".join(repr(n) for n in spazi))
    if len(set(colori.values())) != len(colori):
        avvisi.append("%d colours are shared by more than one polity" % (len(colori) - len(set(colori.values()))))

    def chiave_definita(tavola, n, chiave):
        if chiave not in colori:
            errore(tavola, n, "polity '%s' is not in politie.tsv" % chiave)

    # --- etichette-politie.tsv
    usate, viste = set(), set()
    per_periodo = {}
    for n, campi, e in righe(os.path.join(args.cartella, "etichette-politie.tsv"), 3):
        if e:
            errore("etichette-politie.tsv", n, e)
            continue
        foto, lab, chiave = campi[0], campi[1], campi[2]
        if foto.partition(":")[0] not in etichette:
            errore("etichette-politie.tsv", n, "picture %s has no labels that a map places" % foto)
        elif not lab.isdigit() or int(lab) not in etichette[foto.partition(":")[0]]:
            errore("etichette-politie.tsv", n, "%s has no label %s" % (foto, lab))
        if (foto, lab) in viste:
            errore("etichette-politie.tsv", n, "%s label %s listed twice" % (foto, lab))
        viste.add((foto, lab))
        chiave_definita("etichette-politie.tsv", n, chiave)
        usate.add(chiave)
        # the note is the label's English caption, so that a reader of the table sees which label it is
        base = foto.partition(":")[0]
        if lab.isdigit() and int(lab) in etichette.get(base, {}):
            didascalia = etichette[base][int(lab)]
            nota = campi[3] if len(campi) > 3 else ""
            if " ".join(nota.split()) != " ".join(didascalia.split()):
                errore("etichette-politie.tsv", n, "the note '%s' is not the English caption of %s label %s, '%s'"
                       % (nota, base, lab, didascalia.strip()))
        if foto in anni:
            a = anni[foto]
            periodo = "BC" if a < 0 else ("AD world" if foto.startswith(("mo", "dc", "117")) else "AD Europe and Middle East")
            per_periodo[periodo] = per_periodo.get(periodo, 0) + 1

    # --- correzioni.tsv
    sezione_di = {}
    corrette = set()
    tabella = "correzioni.tsv"
    for n, campi, e in righe(os.path.join(args.cartella, tabella), 5):
        if e:
            errore(tabella, n, e)
            continue
        foto, op, a1, a2, motivo = campi[:5]
        base, _, pannello = foto.partition(":")
        # the pictures only the animation shows are drawn too, and may be corrected
        if base not in catalogo and base not in SOLO_ANIMAZIONE:
            errore(tabella, n, "picture %s is not in the catalogue" % base)
        if pannello and pannello not in PANNELLI.get(base, ()):
            errore(tabella, n, "%s has no panel %s" % (base, pannello))
        corrette.add(base)
        if not motivo.strip():
            errore(tabella, n, "no reason given")
        if op not in OPERAZIONI:
            errore(tabella, n, "unknown operation '%s'" % op)
            continue
        if op == "sezione":
            if a1 not in dati.nomi:
                errore(tabella, n, "unknown time slice '%s'" % a1)
            elif base in sezione_di and sezione_di[base] != a1:
                errore(tabella, n, "%s chooses two time slices" % base)
            else:
                sezione_di[base] = a1
        elif op == "aggiungi":
            if not (a1.startswith("awmc:") or re.match(r"world_(bc)?\d+:", a1)):
                errore(tabella, n, "the source '%s' is neither world_xxx:NAME nor awmc:<file>" % a1)
            else:
                problema = nome_valido(a1)
                if problema:
                    errore(tabella, n, problema)
            chiave_definita(tabella, n, a2)
        elif op == "togli":
            if a1 not in colori:
                problema = nome_valido(a1)
                if problema:
                    errore(tabella, n, problema + " (nor a polity)")
        elif op == "come":
            problema = nome_valido(a1)
            if problema:
                errore(tabella, n, problema)
            chiave_definita(tabella, n, a2)
        elif op == "poligono":
            chiave_definita(tabella, n, a1)
            problema = poligono_valido(a2)
            if problema:
                errore(tabella, n, problema)
        if op in ("aggiungi", "come"):
            usate.add(a2)
        elif op == "poligono":
            usate.add(a1)

    # names of the map's own slice, when the years are known
    if anni:
        for n, campi, e in righe(os.path.join(args.cartella, tabella), 5):
            foto, op, a1 = campi[0].partition(":")[0], campi[1], campi[2]
            if e or foto not in anni or op not in ("togli", "come") or a1 in colori:
                continue
            sez = sezione_di.get(foto) or dati.piu_vicina(anni[foto])
            problema = nome_valido(a1, sez)
            if problema and ritagliata and a1 in dati.tutti:
                avvisi.append("%s:%d: %s (outside the frames in confini/: nothing to draw)" % (tabella, n, problema))
            elif problema:
                errore(tabella, n, problema)

    # --- leggende.tsv
    zone = 0
    for n, campi, e in righe(os.path.join(args.cartella, "leggende.tsv"), 3):
        if e:
            errore("leggende.tsv", n, e)
            continue
        foto, lab, nomi = campi[0], campi[1], campi[2]
        if foto not in etichette or not lab.isdigit() or int(lab) not in etichette[foto]:
            errore("leggende.tsv", n, "%s has no label %s" % (foto, lab))
        sez = (sezione_di.get(foto) or dati.piu_vicina(anni[foto])) if foto in anni else None
        for nome in (x for x in nomi.split("|") if x):
            if nome.startswith("poligono:"):
                problema = poligono_valido(nome[len("poligono:"):])
            else:
                problema = nome_valido(nome, sez)
            if problema and ritagliata and nome in dati.tutti:
                avvisi.append("leggende.tsv:%d: %s (outside the frames in confini/: nothing to draw)" % (n, problema))
            elif problema:
                errore("leggende.tsv", n, problema)
        if len(campi) > 4 and campi[4] and not re.fullmatch(r"#[0-9a-f]{6}", campi[4]):
            errore("leggende.tsv", n, "colour '%s' is not #rrggbb" % campi[4])
        zone += 1

    non_usate = sorted(set(colori) - usate)
    print("polities: %d (%d named by no label nor correction: %s)" % (
        len(colori), len(non_usate), " ".join(non_usate) or "-"))
    print("feature names claimed: %d in %d time slices" % (len(proprietario), len(dati.nomi)))
    print("labels naming a polity: %d in %d pictures%s" % (
        len(viste), len({f for f, _ in viste}),
        (" (" + ", ".join("%s %d" % kv for kv in sorted(per_periodo.items())) + ")") if per_periodo else ""))
    print("corrections: %d pictures, %d choose their time slice" % (len(corrette), len(sezione_di)))
    print("legend zones: %d" % zone)
    for a in avvisi:
        print("note:", a)
    for e in errori:
        print("error:", e)
    print("%d errors" % len(errori))
    return 1 if errori else 0


if __name__ == "__main__":
    sys.exit(main())
