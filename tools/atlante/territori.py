"""The territories of each map picture, and the legibility of its labels.

Which polities a map shows, in which colours, and from which boundary data
is kept in data beside this file, not in code:

- politie.tsv: every polity that a label names, its colour (the same on
  every map) and the feature names of the boundary data that belong to it;
- etichette-politie.tsv: which overlay label of which picture names which
  polity; a polity named on a map is drawn in its full colour, the others
  quieter;
- correzioni.tsv: per picture, corrections of the boundary data (another
  time slice, features added, left out or counted as another polity,
  hand-drawn territories), applied in file order;
- leggende.tsv: the zones that the legend labels of the legend maps name,
  filled in the legend label's own colour (or in the fill of a fifth column,
  where several legend labels share one colour).

The overlay labels (captions in the four languages, places, colours, caption
widths in the face the screen shows) come from the program itself, through
tools/overlay-dump."""

import json
import math
import os
import re

import confini

QUI = os.path.dirname(os.path.abspath(__file__))

# Quieter tone for a polity that no label of the map names, and the neutral
# land colour for land no polity of the table claims (set by genera.py).
QUIETE = 0.6
TERRA = (206, 192, 146)


def miscela(a, b, t):
    """a blended towards b by t (0..1)."""
    return tuple(round(x * (1 - t) + y * t) for x, y in zip(a, b))


def esadecimale(c):
    return "#%02x%02x%02x" % c


def da_esadecimale(s):
    s = s.strip().lstrip("#")
    if s.lower().startswith("0x"):
        s = s[2:]
    if not re.fullmatch(r"[0-9a-fA-F]{6}", s):
        raise ValueError("not a colour: " + s)
    return tuple(int(s[i:i + 2], 16) for i in (0, 2, 4))


def bordo_di(c):
    """The thin border of a territory: a darker tone of its fill."""
    return miscela(c, (40, 36, 30), 0.45)


def ammorbidisci(c):
    """A legend colour softened for a wide fill: only for near-black
    colours, which would hide borders, rivers and coasts."""
    return miscela(c, (255, 255, 255), 0.4)


def colore_di_zona(c):
    return ammorbidisci(c) if luminanza(c) < 0.03 else c


# --- tables --------------------------------------------------------------------

def _righe(cartella, nome, colonne):
    """Lines of a tab-separated table; a missing table is empty (the
    per-map tables are filled in period by period)."""
    percorso = os.path.join(cartella, nome)
    if not os.path.exists(percorso):
        return []
    righe = []
    with open(percorso, encoding="utf-8") as f:
        for n, riga in enumerate(f, 1):
            riga = riga.rstrip("\n").rstrip("\r")
            if not riga.strip() or riga.startswith("#"):
                continue
            campi = riga.split("\t")
            if len(campi) < colonne:
                raise ValueError("%s:%d: %d columns expected, %d found" % (nome, n, colonne, len(campi)))
            righe.append((n, campi))
    return righe


class Tavole:
    def __init__(self, cartella=QUI):
        self.colore = {}
        self.nomi = {}
        for n, (chiave, colore, nomi, *_) in _righe(cartella, "politie.tsv", 3):
            if chiave in self.colore:
                raise ValueError("politie.tsv:%d: polity %s twice" % (n, chiave))
            self.colore[chiave] = da_esadecimale(colore)
            self.nomi[chiave] = [x.strip() for x in nomi.split("|") if x.strip()]
        # feature name -> polity; a name claimed by two polities is an error
        self.polita_di = {}
        for chiave, nomi in self.nomi.items():
            for nome in nomi:
                if nome.startswith("awmc:"):
                    continue
                altra = self.polita_di.setdefault(nome, chiave)
                if altra != chiave:
                    raise ValueError("politie.tsv: '%s' belongs to both %s and %s" % (nome, altra, chiave))
        self.etichette = {}
        for n, (foto, lab, chiave, *_) in _righe(cartella, "etichette-politie.tsv", 3):
            self._chiave_nota("etichette-politie.tsv", n, chiave)
            self.etichette.setdefault(foto, {})[int(lab)] = chiave
        # a picture of two panels may name one of them (israele4.gif:1 for
        # the left one): such rows apply to that panel only, the picture's
        # own rows to both; rows stay in file order
        self.correzioni = {}
        self._correzioni_in_ordine = []
        for n, campi in _righe(cartella, "correzioni.tsv", 2):
            foto, op = campi[0], campi[1]
            arg = campi[2:] + [""] * 3
            if op not in ("sezione", "aggiungi", "togli", "come", "poligono"):
                raise ValueError("correzioni.tsv:%d: unknown operation %s" % (n, op))
            if op in ("aggiungi", "come", "poligono"):
                self._chiave_nota("correzioni.tsv", n, arg[1] if op != "poligono" else arg[0])
            riga = (op, arg[0].strip(), arg[1].strip(), arg[2].strip())
            self.correzioni.setdefault(foto, []).append(riga)
            self._correzioni_in_ordine.append((foto, riga))
        self.leggende = {}
        for n, (foto, lab, nomi, *resto) in _righe(cartella, "leggende.tsv", 3):
            # a fifth column may give the fill where legend labels share a colour
            colore = da_esadecimale(resto[1]) if len(resto) > 1 and resto[1].strip() else None
            self.leggende.setdefault(foto, []).append(
                (int(lab), [x.strip() for x in nomi.split("|") if x.strip()], colore))

    def pannelli_nominati(self):
        """(picture, panel) for every row that names a panel (foto:n)."""
        nominati = set()
        for tavola in (self.correzioni, self.etichette, self.leggende):
            for foto in tavola:
                base, _, pannello = foto.rpartition(":")
                if base:
                    nominati.add((base, pannello))
        return nominati

    def correzioni_di(self, foto, pannello=None):
        """The corrections of a picture, or of one panel of it: the
        picture's rows and the panel's, in file order."""
        chiavi = {foto, "%s:%s" % (foto, pannello)} if pannello else {foto}
        return [r for f, r in self._correzioni_in_ordine if f in chiavi]

    def etichette_di(self, foto, pannello=None):
        e = dict(self.etichette.get(foto, {}))
        if pannello:
            e.update(self.etichette.get("%s:%s" % (foto, pannello), {}))
        return e

    def leggende_di(self, foto, pannello=None):
        return self.leggende.get(foto, []) + (self.leggende.get("%s:%s" % (foto, pannello), []) if pannello else [])

    def _chiave_nota(self, tavola, n, chiave):
        if chiave not in self.colore:
            raise ValueError("%s:%d: polity '%s' is not in politie.tsv" % (tavola, n, chiave))

    def sezioni_e_awmc(self):
        """Time slices and AWMC files that the corrections and legends name."""
        sez, awmc = set(), set()

        def fonte(f):
            if f.startswith("awmc:"):
                awmc.add(f.split(":")[1])
            elif f.startswith("world_"):
                sez.add(f.split(":")[0])

        for lista in self.correzioni.values():
            for op, a1, a2, _ in lista:
                if op == "sezione":
                    sez.add(a1)
                elif op == "aggiungi":
                    fonte(a1)
        for lista in self.leggende.values():
            for _, nomi, _ in lista:
                for x in nomi:
                    fonte(x)
        for nomi in self.nomi.values():
            for x in nomi:
                if x.startswith("awmc:"):
                    fonte(x)
        return sez, awmc


def ragioni_dei_lati(cartella=QUI):
    """(picture or '*', territory key) -> why that territory's straight
    inland edges on that picture (on every picture, for '*') are right."""
    ragioni = {}
    for n, (foto, chiave, motivo, *_) in _righe(cartella, "lati-dritti.tsv", 3):
        if not motivo.strip():
            raise ValueError("lati-dritti.tsv:%d: a row without a reason" % n)
        ragioni[(foto.strip(), chiave.strip())] = motivo.strip()
    return ragioni


# --- drawing a map's territories ---------------------------------------------------

def _parse_poligono(testo):
    anello = []
    for coppia in testo.split():
        lon, lat = coppia.split(",")
        anello.append((float(lon), float(lat)))
    if anello and anello[0] != anello[-1]:
        anello.append(anello[0])
    return [[anello]]


def _da_fonte(fonte, sezione):
    """Polygons of a source: world_xxx:NAME, awmc:<stem>[:<n>] (n: the
    feature's position in the file, from 0), or NAME of the map's slice."""
    if fonte.startswith("awmc:"):
        parti = fonte.split(":")
        ft = confini.leggi("awmc:" + parti[1])
        if len(parti) > 2 and parti[2]:
            ft = [ft[int(parti[2])]]
        return [p for _, _, pol in ft for p in pol]
    if fonte.startswith("poligono:"):
        return _parse_poligono(fonte[len("poligono:"):])
    if fonte.startswith("world_") and ":" in fonte:
        stem, nome = fonte.split(":", 1)
    else:
        stem, nome = sezione, fonte
    return [p for n, s, pol in confini.leggi(stem) if n == nome for p in pol]


class Strato:
    """A territory to draw: fill, border, polygons, and what it is: the
    polity (None for land no polity claims and for legend zones), whether it
    is drawn in full or quiet tone, and where it comes from (the time slice,
    an addition, a hand-drawn polygon or a legend), for the generator's
    account of what each picture draws. nome names it in the reasons for
    straight edges (lati-dritti.tsv): the polity's key, 'legend N' for a
    legend zone, or the feature's own name where no polity claims it
    (libero: drawn in the land colour, an outline that names nothing)."""

    def __init__(self, riempimento, bordo, poligoni, chi, chiave=None, piena=False, fonte="", libero=False,
                 a_mano=None):
        self.riempimento, self.bordo, self.poligoni, self.chi = riempimento, bordo, poligoni, chi
        self.chiave, self.piena, self.fonte = chiave, piena, fonte
        self.copre = set()
        self.nome = chiave or chi
        self.libero = libero
        # per polygon: drawn by hand in the tables (True) or the boundary data's own
        self.a_mano = list(a_mano) if a_mano is not None else [False] * len(poligoni)


def sezione_della_carta(tav, foto, anno, sezioni, pannello=None):
    for op, a1, *_ in tav.correzioni_di(foto, pannello):
        if op == "sezione":
            return a1, True
    return confini.sezione_piu_vicina(anno, sezioni), False


def strati_della_carta(tav, foto, sezione, colori_legenda, pannello=None):
    """The territories of a picture (or of one panel of a two-panel
    picture), bottom first, and the corrections applied (for the report).
    colori_legenda: label index -> RGB."""
    nominate = set(tav.etichette_di(foto, pannello).values())
    correzioni = tav.correzioni_di(foto, pannello)
    fuori = {a1 for op, a1, *_ in correzioni if op == "togli"}
    come = {a1: a2 for op, a1, a2, _ in correzioni if op == "come"}
    applicate = ["%s %s" % (op, " ".join(x for x in (a1, a2) if x and op != "poligono") or a1)
                 for op, a1, a2, _ in correzioni]

    def colori(chiave):
        if chiave is None:
            return TERRA, miscela(TERRA, (40, 36, 30), 0.25)
        c = tav.colore[chiave]
        if chiave not in nominate:
            c = miscela(c, TERRA, QUIETE)
        return c, bordo_di(c)

    quiete, piene = [], []
    for nome, soggetto, pol in confini.leggi(sezione):
        if not nome:
            continue
        chiave = come.get(nome) or tav.polita_di.get(nome) or tav.polita_di.get(soggetto)
        if nome in fuori or (chiave and chiave in fuori):
            continue
        f, b = colori(chiave)
        (piene if chiave in nominate else quiete).append(
            Strato(f, b, pol, nome, chiave, chiave in nominate, "dati", libero=chiave is None))
    sopra = []
    for op, a1, a2, _ in correzioni:
        if op == "aggiungi":
            f, b = colori(a2)
            pol = _da_fonte(a1, sezione)
            sopra.append(Strato(f, b, pol, a1, a2, a2 in nominate, "aggiunta",
                                a_mano=[a1.startswith("poligono:")] * len(pol)))
        elif op == "poligono":
            f, b = colori(a1)
            sopra.append(Strato(f, b, _parse_poligono(a2), "poligono " + a1, a1, a1 in nominate, "poligono",
                                a_mano=[True]))
    zone = []
    for lab, nomi, proprio in tav.leggende_di(foto, pannello):
        if lab not in colori_legenda:
            raise ValueError("leggende.tsv: %s has no label %d" % (foto, lab))
        c = proprio or colore_di_zona(colori_legenda[lab])
        pol, mano = [], []
        for x in nomi:
            da = _da_fonte(x, sezione)
            pol += da
            mano += [x.startswith("poligono:")] * len(da)
        zona = Strato(c, bordo_di(c), pol, "legend %d" % lab, fonte="leggenda", a_mano=mano)
        # the polities whose features the zone gathers: on a legend map a
        # label that names one of them stands on the zone's colour
        zona.copre = {tav.polita_di.get(x.split(":", 1)[1] if x.startswith("world_") else x) for x in nomi} - {None}
        zone.append(zona)
    return quiete + piene + sopra + zone, applicate


def scrivi_gmt(strati, percorso, allarga):
    """A GMT multi-segment file in three passes: every territory's outline
    as a wide pen in its fill colour (the boundary data's coasts are coarse:
    this carries the fills out to the real coast, which clips them, and a
    neighbour's fill covers it inland), then the fills, then the thin
    darker borders. Holes are marked as such (-Ph)."""
    with open(percorso, "w", encoding="utf-8") as f:
        for passo in ("largo", "pieno", "bordo"):
            for s in strati:
                if passo == "largo":
                    testa = "-G- -W%.1fp,%s" % (allarga, esadecimale(s.riempimento))
                elif passo == "pieno":
                    testa = "-G%s -W-" % esadecimale(s.riempimento)
                else:
                    testa = "-G- -W0.45p,%s" % esadecimale(s.bordo)
                for pol in s.poligoni:
                    for i, anello in enumerate(pol):
                        buco = "-Ph " if i and passo == "pieno" else ""
                        f.write("> %s%s\n" % (buco, testa))
                        f.write("".join("%.3f %.3f\n" % (x, y) for x, y in anello))


# --- overlay labels and contrast -----------------------------------------------------

def leggi_sovrapposizioni(percorso):
    """picture -> list of labels over it, from the overlay-dump lines: each
    (language, map, index, caption, left, top, width, RGB), visible labels
    with a caption only; and map -> year (negative before Christ)."""
    per_foto, anni = {}, {}
    with open(percorso, encoding="utf-8") as f:
        for riga in f:
            if not riga.strip():
                continue
            d = json.loads(riga)
            foto = d["picture"].replace("\\", "/").split("/")[-1]
            if d["lingua"] == "inglese":
                anni[d["numcarta"]] = (d["era"], d["year"])
            for i, e in enumerate(d["labels"]):
                if not e.get("visible", True) or not e["caption"].strip():
                    continue
                per_foto.setdefault(foto, []).append(
                    (d["lingua"], d["numcarta"], i, e["caption"], e["left"], e["top"], e.get("width", 0),
                     colore_bgr(e["forecolor"])))
    return per_foto, anni


def colore_bgr(testo):
    """The labels' colours are 0xBBGGRR values (0x0000FF is red)."""
    v = int(testo, 16)
    return (v & 0xFF, (v >> 8) & 0xFF, (v >> 16) & 0xFF)


def luminanza(c):
    def lin(v):
        v /= 255.0
        return v / 12.92 if v <= 0.04045 else ((v + 0.055) / 1.055) ** 2.4
    r, g, b = c
    return 0.2126 * lin(r) + 0.7152 * lin(g) + 0.0722 * lin(b)


def contrasto(l1, l2):
    a, b = max(l1, l2), min(l1, l2)
    return (a + 0.05) / (b + 0.05)


IMG_LEFT, IMG_TOP, TWIP = 3720, 240, 15
ALTEZZA_DIDASCALIA = 11


def scatola(left, top, larghezza, w, h):
    """The caption box in picture pixels, clipped to the picture; None when
    it lies wholly outside."""
    x0 = math.floor((left - IMG_LEFT) / TWIP + 0.5)
    y0 = math.floor((top - IMG_TOP) / TWIP + 0.5)
    x1, y1 = x0 + max(1, int(larghezza)), y0 + ALTEZZA_DIDASCALIA
    x0, y0, x1, y1 = max(0, x0), max(0, y0), min(w, x1), min(h, y1)
    if x0 >= x1 or y0 >= y1:
        return None
    return x0, y0, x1, y1


def luminanza_media(lum, w, box):
    x0, y0, x1, y1 = box
    tot = 0.0
    for y in range(y0, y1):
        tot += sum(lum[y * w + x0:y * w + x1])
    return tot / ((x1 - x0) * (y1 - y0))


# --- land that reads as sea ---------------------------------------------------------

DIFFERENZA_DAL_MARE = 15.0  # CIE76 distance under which a fill reads as water


def lab(c):
    """CIE L*a*b* (D65) of an sRGB colour."""
    def lin(v):
        v /= 255.0
        return v / 12.92 if v <= 0.04045 else ((v + 0.055) / 1.055) ** 2.4
    r, g, b = (lin(v) for v in c)
    xyz = ((0.4124 * r + 0.3576 * g + 0.1805 * b) / 0.95047,
           0.2126 * r + 0.7152 * g + 0.0722 * b,
           (0.0193 * r + 0.1192 * g + 0.9505 * b) / 1.08883)
    fx, fy, fz = (t ** (1 / 3) if t > 0.008856 else 7.787 * t + 16 / 116 for t in xyz)
    return 116 * fy - 16, 500 * (fx - fy), 200 * (fy - fz)


def differenza(a, b):
    """CIE76 colour difference."""
    return math.dist(lab(a), lab(b))


def colori_vicini_al_mare(tav, mare, sopra):
    """Report lines: every polity colour (and its quieter tone) and every
    legend zone's fill closer to the sea than DIFFERENZA_DAL_MARE, then a
    summary line."""
    vicini = []
    for chiave, c in sorted(tav.colore.items()):
        for nome, tono in ((chiave, c), (chiave + " (quiet)", miscela(c, TERRA, QUIETE))):
            d = differenza(tono, mare)
            if d < DIFFERENZA_DAL_MARE:
                vicini.append("    %s %s: %.1f" % (nome, esadecimale(tono), d))
    zone = 0
    for foto, righe in sorted(tav.leggende.items()):
        colori = {e[2]: e[7] for e in sopra.get(foto.split(":")[0], []) if e[0] == "inglese"}
        for lab_, _, proprio in righe:
            if lab_ not in colori and not proprio:
                continue
            c = proprio or colore_di_zona(colori[lab_])
            zone += 1
            d = differenza(c, mare)
            if d < DIFFERENZA_DAL_MARE:
                vicini.append("    %s legend %d %s: %.1f" % (foto, lab_, esadecimale(c), d))
    return ["fills within %.0f dE (CIE76) of the sea, of %d polity colours and %d legend zones: %d" % (
        DIFFERENZA_DAL_MARE, len(tav.colore), zone, len(vicini))] + vicini
