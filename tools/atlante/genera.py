#!/usr/bin/env python3
"""Draws every picture of the atlas from real coastline data.

For each map picture the frame (projection, centre, scale, extent) is fitted to
the overlay labels that the map places: every label that names a place of the
gazetteer gives a pair (label anchor in pixels, longitude/latitude), and a
least-squares fit of a projection to those pairs gives the frame. Pictures
whose labels share a layout share one frame. GMT with the GSHHG coastlines,
rivers and lakes draws the base map, Ghostscript rasterises it, and the
pictures are written as GIF with a small palette (JPEG where the name says so).

Usage: genera.py --catalogo FILE [--sovrapposizioni FILE] [--solo-rapporto] [--cartella DIR]
"""

import argparse
import copy
import concurrent.futures
import json
import math
import os
import re
import shutil
import statistics
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import confini  # noqa: E402
import gifpiccolo  # noqa: E402
import leggibilita  # noqa: E402
import resoconto  # noqa: E402
import territori  # noqa: E402

QUI = os.path.dirname(os.path.abspath(__file__))

# Where the map picture stands in the main window, in twips, and its size in pixels.
IMG_LEFT, IMG_TOP, TWIP = 3720, 240, 15
W, H = 521, 337
# A map picture grows to the right, up to this width, where its labels run
# past its designed width (in any language): the picture control takes the
# picture's own size, and a caption that stood on the window's navy beyond
# the picture could not be read. The frame is the same; the picture shows
# more of the land east of it. Thumbnails keep the designed width.
W_MASSIMA = 560
MARGINE_DESTRO = 3  # pixels of picture beyond the longest caption
INSET_W, INSET_H = 233, 204
MINI_W, MINI_H = 104, 67

# Atlas palette (RGB): calm sea and land, readable under white, black, blue,
# dark blue and red labels.
MARE = (158, 192, 214)
TERRA = (206, 192, 146)
COSTA = (92, 108, 122)
FIUME = (62, 104, 168)
LAGO = MARE
COLORI_BASE = [MARE, TERRA, COSTA, FIUME]

# Pictures with too few named places take the frame of another picture of the
# same kind (the legend-only world maps and the two animation-only pictures).
CORNICE_DI = {
    "5000bac.gif": "1250ac.gif",
    "3000ac.gif": "1250ac.gif",
    "1500ac.gif": "1250ac.gif",
    "450ac.gif": "396ac.gif",
}
SOLO_ANIMAZIONE = ["1500ac.gif", "450ac.gif"]

# Pictures made of two panels of the same frame side by side (before and
# after): the labels of the right panel stand this many pixels to the right.
# Each panel draws its own territories: the rows of the tables that name
# the picture serve both, those that name foto:1 or foto:2 only the left or
# the right one.
DOPPIO = {"israele4.gif": 296}

# The colour key of a legend map: a small square in the zone's fill, with a
# thin dark border, just left of each legend label's caption box.
LATO_CAMPIONE = 8
STACCO_CAMPIONE = 2  # pixels between the square and the caption box
BORDO_CAMPIONE = (40, 36, 30)

# Insets: regional maps without labels; region lon0/lon1/lat0/lat1.
INSERTI = {
    "egitto3100ac.gif": (24.5, 37.5, 21.5, 32.5),
    "mesop2230ac.gif": (37.0, 52.0, 28.0, 39.0),
    "cinashang1800ac.gif": (103.0, 124.0, 27.0, 42.0),
    "grecia1200ac.gif": (19.0, 30.0, 34.5, 42.0),
    "cinachou.gif": (100.0, 125.0, 24.0, 43.0),
    "america1100ac.gif": (-120.0, -55.0, -25.0, 33.0),
    "cina600ac.gif": (100.0, 125.0, 24.0, 43.0),
    "grecia600ac.gif": (19.0, 30.0, 34.5, 42.0),
    "grecia490ac.gif": (19.5, 29.5, 35.5, 41.5),
    "grecia480ac.gif": (19.5, 29.5, 35.5, 41.5),
    "grecia461ac.gif": (19.0, 30.0, 34.5, 42.0),
    "cinahan200ac.gif": (85.0, 128.0, 17.0, 46.0),
    "ita1300dc.gif": (5.5, 19.5, 36.0, 47.5),
    "germania1648dc.gif": (3.0, 21.0, 45.0, 56.0),
    "germania1946.gif": (4.5, 17.0, 46.5, 55.5),
    "israele2.gif": (33.0, 37.5, 28.8, 34.0),
}

# Arial advance widths (thousandths of an em) for estimating a label's width.
LARGHEZZE = {}
for _c in "ijl'|":
    LARGHEZZE[_c] = 222
for _c in " .,:;!ft-()[]r/":
    LARGHEZZE[_c] = 300
for _c in "abcdeghknopqsuvxyz0123456789":
    LARGHEZZE[_c] = 556
for _c in "mM":
    LARGHEZZE[_c] = 833
for _c in "wW":
    LARGHEZZE[_c] = 760
for _c in "ABCDEFGHIJKLNOPQRSTUVXYZ":
    LARGHEZZE[_c] = 680
EM_PX = 7 * 96 / 72  # Arial 7 pt on a 96 dpi screen


def larghezza_px(testo):
    return sum(LARGHEZZE.get(c, 600) for c in testo) * EM_PX / 1000.0


def normalizza(nome):
    nome = nome.strip().strip("-").strip().rstrip(":").strip()
    nome = re.sub(r"\s+", " ", nome)
    return nome.lower()


# --- data -----------------------------------------------------------------

def leggi_tsv(nome):
    righe = []
    with open(os.path.join(QUI, nome), encoding="utf-8") as f:
        for riga in f:
            riga = riga.rstrip("\n")
            if not riga or riga.startswith("#"):
                continue
            righe.append(riga.split("\t"))
    return righe


def leggi_gazzettiere():
    """name -> list of (lon, lat, kind). A name may stand on several lines:
    peoples that moved (the Goths), or a wide sea whose label may lie in any
    part of it; the fit takes the one nearest to where the label stands. The
    lines of a river follow its course from source to mouth: the course is
    filled in every quarter degree, so that a river's label is measured to the
    nearest point of the river, wherever along it the label lies."""
    g = {}
    for nomi, lon, lat, tipo in leggi_tsv("gazzettiere.tsv"):
        for nome in nomi.split("|"):
            g.setdefault(normalizza(nome), []).append((float(lon), float(lat), tipo))
    for nome, luoghi in g.items():
        if luoghi[0][2] != "r" or len(luoghi) < 2:
            continue
        corso = [luoghi[0]]
        for (lon0, lat0, t), (lon1, lat1, _) in zip(luoghi, luoghi[1:]):
            passi = max(1, int(math.ceil(max(abs(lon1 - lon0), abs(lat1 - lat0)) / 0.25)))
            corso += [(lon0 + (lon1 - lon0) * k / passi, lat0 + (lat1 - lat0) * k / passi, t)
                      for k in range(1, passi + 1)]
        g[nome] = corso
    return g


def leggi_carte(percorso):
    """The lines of `overlay-dump --catalogo`, one per map of the program's
    registry in its order: picture, inset and the labels the map places."""
    if not percorso:
        sys.exit("%s: --catalogo is needed (the output of build/tools/overlay-dump --catalogo)"
                 % os.path.basename(sys.argv[0]))
    with open(percorso, encoding="utf-8") as f:
        return [json.loads(riga) for riga in f if riga.strip()]


def nome_del_file(percorso):
    """A picture as the program names it ('atlante\\5000bac.gif'), without its folder."""
    return percorso.replace("\\", "/").split("/")[-1]


def leggi_catalogo(percorso):
    """(map, picture, inset or "") of every map."""
    return [(d["numcarta"], nome_del_file(d["picture"]), nome_del_file(d["inset"])) for d in leggi_carte(percorso)]


def leggi_etichette(percorso):
    """picture -> (map, label, Top, Left, English caption) of every label that
    a map showing the picture places."""
    per_foto = {}
    for d in leggi_carte(percorso):
        for e in d["labels"]:
            per_foto.setdefault(nome_del_file(d["picture"]), []).append(
                (d["numcarta"], e["index"], e["top"], e["left"], e["caption"]))
    return per_foto


def ancore(top, left, testo, tipo):
    """Pixel points of a label that may stand for its place. A caption that
    starts with the small 'o' city mark stands for the place at that mark. A
    city name stands beside its place, as atlases set them: the place is at
    the left-middle of the label or, when the name is set to its left, at the
    right-middle. Everything else (seas, rivers, regions, peoples) is centred
    on its place."""
    x = (left - IMG_LEFT) / TWIP
    y = (top - IMG_TOP) / TWIP + 5.0
    if re.match(r"^o[A-Z]", testo):
        return [(x + 3.0, y)]
    if tipo == "c":
        return [(x + 2.0, y), (x + larghezza_px(testo.strip()) - 2.0, y)]
    return [(x + larghezza_px(testo.strip()) / 2.0, y)]


def punti_della_foto(etichette, gaz, foto=None):
    """One point per known label: (x, y, lon, lat, caption, candidates), the
    candidates being every (lon, lat, x, y) that the label may stand for; x, y,
    lon, lat start at the first and are set by scegli_candidati under a frame."""
    punti = []
    passo = DOPPIO.get(foto, 0)
    visti = set()
    for num, lab, top, left, testo in etichette:
        chiave = normalizza(testo[1:] if re.match(r"^o[A-Z]", testo) else testo)
        if chiave not in gaz:
            continue
        if (top, left, chiave) in visti:  # maps sharing a picture repeat labels
            continue
        visti.add((top, left, chiave))
        luoghi = gaz[chiave]
        punti_ancora = ancore(top, left, testo, luoghi[0][2])
        if passo and punti_ancora[0][0] >= passo - 16:
            punti_ancora = [(x - passo, y) for x, y in punti_ancora]
        candidati = tuple((lon, lat, x, y) for x, y in punti_ancora for lon, lat, _ in luoghi)
        c = candidati[0]
        punti.append((c[2], c[3], c[0], c[1], testo, candidati))
    return punti


def un_luogo(p):
    """True when the label names a single place (its first fit is sure)."""
    return len({c[:2] for c in p[5]}) == 1


def scegli_candidati(cornice, punti):
    """For labels with several candidates, the place and anchor nearest to
    each other under the given frame."""
    nuovi = []
    for p in punti:
        if len(p[5]) > 1:
            c = min(p[5], key=lambda c: math.hypot(*(a - b for a, b in zip(cornice.pixel(c[0], c[1]), c[2:]))))
            p = (c[2], c[3], c[0], c[1], p[4], p[5])
        nuovi.append(p)
    return nuovi


# --- projections ------------------------------------------------------------

def merc_y(lat):
    lat = max(-85.0, min(85.0, lat))
    return math.degrees(math.log(math.tan(math.pi / 4 + math.radians(lat) / 2)))


def merc_lat(y):
    return math.degrees(2 * math.atan(math.exp(math.radians(y))) - math.pi / 2)


class Lcc:
    """Spherical Lambert conformal conic, in degrees of arc on the unit sphere."""

    def __init__(self, lon0, lat1, lat2):
        self.lon0, self.lat1, self.lat2 = lon0, lat1, lat2
        f1, f2 = math.radians(lat1), math.radians(lat2)
        if abs(lat1 - lat2) < 1e-6:
            self.n = math.sin(f1)
        else:
            self.n = math.log(math.cos(f1) / math.cos(f2)) / math.log(
                math.tan(math.pi / 4 + f2 / 2) / math.tan(math.pi / 4 + f1 / 2))
        self.F = math.cos(f1) * math.tan(math.pi / 4 + f1 / 2) ** self.n / self.n
        self.lat0 = (lat1 + lat2) / 2
        self.rho0 = self.rho(self.lat0)

    def rho(self, lat):
        lat = max(-80.0, min(85.0, lat))
        return self.F / math.tan(math.pi / 4 + math.radians(lat) / 2) ** self.n

    def avanti(self, lon, lat):
        d = (lon - self.lon0 + 180.0) % 360.0 - 180.0
        r = self.rho(lat)
        t = self.n * math.radians(d)
        return math.degrees(r * math.sin(t)), math.degrees(self.rho0 - r * math.cos(t))

    def indietro(self, X, Y):
        X, Y = math.radians(X), math.radians(Y)
        dy = self.rho0 - Y
        r = math.copysign(math.hypot(X, dy), self.n)
        t = math.atan2(X, dy) if self.n > 0 else math.atan2(-X, -dy)
        lat = math.degrees(2 * math.atan((self.F / r) ** (1 / self.n)) - math.pi / 2)
        return self.lon0 + math.degrees(t / self.n), lat


def adatta_simile(XY, xy, w=None):
    """x = s*X + b, y = -s*Y + d by weighted least squares; returns (s, b, d)."""
    w = w or [1.0] * len(XY)
    n = sum(w)
    Xm = sum(q * p[0] for q, p in zip(w, XY)) / n
    Ym = sum(q * p[1] for q, p in zip(w, XY)) / n
    xm = sum(q * p[0] for q, p in zip(w, xy)) / n
    ym = sum(q * p[1] for q, p in zip(w, xy)) / n
    num = sum(q * ((X - Xm) * (x - xm) - (Y - Ym) * (y - ym)) for q, (X, Y), (x, y) in zip(w, XY, xy))
    den = sum(q * ((X - Xm) ** 2 + (Y - Ym) ** 2) for q, (X, Y) in zip(w, XY))
    s = num / den if den > 0 else 1.0
    return s, xm - s * Xm, ym + s * Ym


def adatta_lineare(v, u, w=None):
    """u = a*v + b by weighted least squares; returns (a, b)."""
    w = w or [1.0] * len(v)
    n = sum(w)
    vm = sum(q * a for q, a in zip(w, v)) / n
    um = sum(q * a for q, a in zip(w, u)) / n
    den = sum(q * (a - vm) ** 2 for q, a in zip(w, v))
    a = sum(q * (p - vm) * (r - um) for q, p, r in zip(w, v, u)) / den if den > 0 else 0.0
    return a, um - a * vm


class Cornice:
    """A fitted frame: a projection and the linear map from it to pixels."""

    def __init__(self, tipo, par):
        self.tipo, self.par = tipo, par

    def pixel(self, lon, lat):
        p = self.par
        if self.tipo == "lin":
            return p["a"] * lon + p["b"], p["c"] * lat + p["d"]
        if self.tipo == "merc":
            return p["s"] * lon + p["b"], -p["s"] * merc_y(lat) + p["d"]
        X, Y = p["lcc"].avanti(lon, lat)
        return p["s"] * X + p["b"], -p["s"] * Y + p["d"]

    def geo(self, x, y):
        p = self.par
        if self.tipo == "lin":
            return (x - p["b"]) / p["a"], (y - p["d"]) / p["c"]
        if self.tipo == "merc":
            return (x - p["b"]) / p["s"], merc_lat((p["d"] - y) / p["s"])
        return p["lcc"].indietro((x - p["b"]) / p["s"], (p["d"] - y) / p["s"])

    def descrizione(self):
        p = self.par
        if self.tipo == "lcc":
            c = p["lcc"]
            return "conic lon0=%.1f parallels %.0f/%.0f" % (c.lon0, c.lat1, c.lat2)
        if self.tipo == "merc":
            return "mercator"
        return "cylindrical y/x=%.2f" % (-p["c"] / p["a"])

    def gmt(self, w, h):
        """-R and -J options that draw exactly this frame on w x h points."""
        if self.tipo == "lin":
            lon0, lat1 = self.geo(0, h)
            lon1, lat0 = self.geo(w, 0)
            return ["-R%.6f/%.6f/%.6f/%.6f" % (lon0, lon1, lat1, lat0), "-JX%dp/%dp" % (w, h)]
        if self.tipo == "merc":
            lon0, lat1 = self.geo(0, h)
            lon1, lat0 = self.geo(w, 0)
            return ["-R%.6f/%.6f/%.6f/%.6f" % (lon0, lon1, lat1, lat0),
                    "-JM%.6f/%dp" % ((lon0 + lon1) / 2, w)]
        c = self.par["lcc"]
        llx, lly = self.geo(0, h)
        urx, ury = self.geo(w, 0)
        return ["-R%.6f/%.6f/%.6f/%.6f+r" % (llx, lly, urx, ury),
                "-JL%.6f/%.6f/%.6f/%.6f/%dp" % (c.lon0, c.lat0, c.lat1, c.lat2, w)]

    def estensione(self):
        """Rough span in degrees, to choose the coastline resolution."""
        lon0, lat0 = self.geo(0, H)
        lon1, lat1 = self.geo(W, 0)
        return max(abs(lon1 - lon0), abs(lat1 - lat0) * 1.5)

    def valida(self):
        try:
            for x, y in ((0, 0), (W, 0), (0, H), (W, H), (W / 2, H / 2)):
                lon, lat = self.geo(x, y)
                if not (-89.5 < lat < 89.5) or math.isnan(lon):
                    return False
            lon0, _ = self.geo(0, H / 2)
            lon1, _ = self.geo(W, H / 2)
            return 0 < lon1 - lon0 <= 360.0
        except (ValueError, ZeroDivisionError, OverflowError):
            return False


def distanze(cornice, punti):
    d = []
    for x, y, lon, lat, *_ in punti:
        px, py = cornice.pixel(lon, lat)
        d.append(math.hypot(px - x, py - y))
    return d


def prova(tipo, punti, extra=None):
    """Robust least squares: a first fit to the labels that name a single
    place, then for every label the candidate nearest under the frame, and
    fits weighted by Tukey's biweight of the distances, so that a label set
    far from its place (a region's name pushed aside by others) pulls little
    and one set very far pulls nothing."""
    pesi = [1.0 if un_luogo(p) else 0.0 for p in punti]
    if sum(1 for q in pesi if q > 0) < max(3, len(punti) // 3):
        pesi = [1.0] * len(punti)
    cornice = None
    for giro in range(12):
        usati = [(p, q) for p, q in zip(punti, pesi) if q > 0]
        if len(usati) < 3:
            break
        scelti = [p for p, _ in usati]
        w = [q for _, q in usati]
        xy = [(p[0], p[1]) for p in scelti]
        if tipo == "lin":
            a, b = adatta_lineare([p[2] for p in scelti], [p[0] for p in scelti], w)
            c, d = adatta_lineare([p[3] for p in scelti], [p[1] for p in scelti], w)
            if a <= 0 or c >= 0:
                return None
            cornice = Cornice("lin", {"a": a, "b": b, "c": c, "d": d})
        elif tipo == "merc":
            s, b, d = adatta_simile([(p[2], merc_y(p[3])) for p in scelti], xy, w)
            if s <= 0:
                return None
            cornice = Cornice("merc", {"s": s, "b": b, "d": d})
        else:
            lcc = extra
            s, b, d = adatta_simile([lcc.avanti(p[2], p[3]) for p in scelti], xy, w)
            if s <= 0:
                return None
            cornice = Cornice("lcc", {"s": s, "b": b, "d": d, "lcc": lcc})
        punti = scegli_candidati(cornice, punti)
        dist = distanze(cornice, punti)
        # the biweight's reach: three times the typical distance, not below 20 px
        reach = max(3.0 * statistics.median(dist), 20.0)
        nuovi = [(1 - (dd / reach) ** 2) ** 2 if dd < reach else 0.0 for dd in dist]
        if max(abs(a - b) for a, b in zip(nuovi, pesi)) < 1e-3:
            break
        pesi = nuovi
    if cornice is None or not cornice.valida():
        return None
    if tipo == "lin" and not (0.6 < -cornice.par["c"] / cornice.par["a"] < 2.5):
        return None  # too far from any usual projection
    if tipo == "lcc" and cornice.estensione() > 110:
        return None  # a conic frame is for a region, not for the world
    cornice.punti = punti
    return cornice


def adatta(punti):
    """The best frame among cylindrical, Mercator and conic projections."""
    candidati = []
    for tipo in ("lin", "merc"):
        c = prova(tipo, punti)
        if c:
            candidati.append(c)
    lons = sorted(p[5][0][0] for p in punti)
    lats = sorted(p[5][0][1] for p in punti)
    lon_m = lons[len(lons) // 2]
    lat_m = lats[len(lats) // 2]
    if lons[-1] - lons[0] < 150 and lat_m > 15:
        for dlon in range(-30, 31, 5):
            for lat1 in range(15, 61, 5):
                for apertura in (10, 20, 30):
                    lat2 = lat1 + apertura
                    if lat2 > 80:
                        continue
                    c = prova("lcc", punti, Lcc(lon_m + dlon, lat1, lat2))
                    if c:
                        candidati.append(c)
    if not candidati:
        return None

    def punteggio(c):
        d = sorted(distanze(c, c.punti))
        tagliati = d[:max(1, int(len(d) * 0.8))]
        # conic frames have three more free values: ask them for a clear gain
        peso = 1.0 if c.tipo != "lcc" else 1.08
        return peso * (statistics.median(d) + 0.25 * sum(tagliati) / len(tagliati))

    migliore = min(candidati, key=punteggio)
    return migliore


def gruppi_di_layout(per_foto, gaz):
    """Pictures whose labels share a layout (the same caption at the same
    place for several known places) are fitted together."""
    foto = sorted(per_foto)
    chiavi = {}
    for f in foto:
        s = set()
        for num, lab, top, left, testo in per_foto[f]:
            k = normalizza(testo[1:] if re.match(r"^o[A-Z]", testo) else testo)
            if k in gaz:
                s.add((top, left, k))
        chiavi[f] = s
    padre = {f: f for f in foto}

    def radice(f):
        while padre[f] != f:
            padre[f] = padre[padre[f]]
            f = padre[f]
        return f

    for i, a in enumerate(foto):
        for b in foto[i + 1:]:
            comuni = len(chiavi[a] & chiavi[b])
            piccolo = min(len(chiavi[a]), len(chiavi[b]))
            if comuni >= 4 and comuni >= 0.5 * piccolo:
                padre[radice(a)] = radice(b)
    gruppi = {}
    for f in foto:
        gruppi.setdefault(radice(f), []).append(f)
    return list(gruppi.values())


# --- drawing ------------------------------------------------------------------

def esegui(cmd, **kw):
    r = subprocess.run(cmd, capture_output=True, **kw)
    if r.returncode != 0:
        raise RuntimeError(" ".join(cmd) + "\n" + r.stderr.decode(errors="replace"))
    return r.stdout


def colore(c):
    return "%d/%d/%d" % c


SUPER = 3  # drawn this many times larger, without anti-aliasing, then reduced


def rasterizza(ps, w, h, uscita, dispositivo="ppmraw", qualita=None, scala=1):
    """Ghostscript at scala times the picture's size. Anti-aliasing is off:
    GMT paints land and fills in tiles, and anti-aliased tile edges show as
    faint straight seams; the smooth edges come from the reduction."""
    cmd = ["gs", "-q", "-dNOPAUSE", "-dBATCH", "-dSAFER", "-sDEVICE=" + dispositivo,
           "-r%d" % (72 * scala), "-g%dx%d" % (w * scala, h * scala),
           "-dGraphicsAlphaBits=1", "-dTextAlphaBits=1"]
    if qualita:
        cmd.append("-dJPEGQ=%d" % qualita)
    esegui(cmd + ["-sOutputFile=" + uscita, ps])


def opzioni_comuni(w, h):
    return ["-P", "-X0", "-Y0", "--PS_MEDIA=%dx%d" % (w, h), "--PROJ_ELLIPSOID=sphere",
            "--MAP_FRAME_PEN=0p", "--GMT_HISTORY=false"]


def riduci_scala(w, h, rgb, k):
    """Box average of k x k pixels: the picture drawn k times larger becomes
    the picture's size, with smooth edges."""
    W3 = 3 * w * k
    out = bytearray()
    n = k * k
    for y in range(h):
        righe = [rgb[(y * k + j) * W3:(y * k + j + 1) * W3] for j in range(k)]
        canali = []
        for c in range(3):
            fette = [r[3 * i + c::3 * k] for r in righe for i in range(k)]
            canali.append([(t + n // 2) // n for t in map(sum, zip(*fette))])
        out += bytes(v for tripla in zip(*canali) for v in tripla)
    return bytes(out)


def disegna_carta(rj, w, h, estensione, lavoro, strati=(), allarga=3.0):
    """Sea and land, the territories clipped to the coast, then lakes,
    coasts and rivers over them; returns (w, h, rgb) at the picture's size."""
    if estensione > 120:
        ris, area, fiumi = "l", 20000, ["-I1/0.5p," + colore(FIUME)]
    elif estensione > 45:
        ris, area, fiumi = "l", 2000, ["-I1/0.6p," + colore(FIUME), "-I2/0.4p," + colore(FIUME)]
    else:
        ris, area, fiumi = "i", 200, ["-I1/0.7p," + colore(FIUME), "-I2/0.5p," + colore(FIUME)]
    costa = ["-D" + ris, "-A%d" % area]
    ps = os.path.join(lavoro, "c.ps")
    comuni = opzioni_comuni(w, h)
    with open(ps, "wb") as f:
        f.write(esegui(["gmt", "pscoast"] + rj + costa + ["-G" + colore(TERRA), "-S" + colore(MARE), "-K"]
                       + comuni))
        if strati:
            poligoni = os.path.join(lavoro, "t.gmt")
            territori.scrivi_gmt(strati, poligoni, allarga)
            f.write(esegui(["gmt", "pscoast"] + rj + costa + ["-Gc", "-O", "-K"] + comuni))
            f.write(esegui(["gmt", "psxy", poligoni] + rj + ["-O", "-K"] + comuni))
            f.write(esegui(["gmt", "pscoast", "-Q"] + rj + ["-O", "-K"] + comuni))
        f.write(esegui(["gmt", "pscoast"] + rj + costa + ["-C" + colore(LAGO),
                       "-W1/0.5p," + colore(COSTA), "-W2/0.35p," + colore(COSTA)] + fiumi
                       + ["-O"] + comuni))
    ppm = os.path.join(lavoro, "c.ppm")
    rasterizza(ps, w, h, ppm, scala=SUPER)
    gw, gh, rgb = gifpiccolo.leggi_ppm(ppm)
    return w, h, riduci_scala(w, h, rgb, SUPER)


def tavolozza(rgb, puri, quanti):
    """The picture's palette: its pure colours (sea, land, coast, river,
    fills and borders) first, then the most frequent edge blends, each
    kept only when it differs visibly from those already in."""
    tav = []
    for c in puri:
        if c not in tav:
            tav.append(c)
    tav = tav[:quanti]
    conta = {}
    for k in range(0, len(rgb), 3):
        px = rgb[k:k + 3]
        conta[px] = conta.get(px, 0) + 1
    presenti = set(tav)
    for px, _ in sorted(conta.items(), key=lambda t: (-t[1], t[0])):
        if len(tav) >= quanti:
            break
        c = tuple(px)
        if c in presenti:
            continue
        if all((c[0] - a) ** 2 * 3 + (c[1] - b) ** 2 * 4 + (c[2] - d) ** 2 * 2 > 150 for a, b, d in tav):
            tav.append(c)
            presenti.add(c)
    return tav


def colori_puri(strati):
    puri = list(COLORI_BASE)
    for s in strati:
        puri += [s.riempimento, s.bordo]
    return puri


def campioni_di_legenda(tav, foto, strati, etichette, w, h):
    """The colour key of a legend map: for every legend label of
    leggende.tsv, a square (x0, y0, x1, y1, fill) just left of its caption
    box, in its zone's fill, at each place the label stands in some
    language. A square that would leave the picture or cover another
    label's caption box (in any language) is left out, with a warning."""
    riempimento = {s.chi: s.riempimento for s in strati}
    scatole = [(e[2], territori.scatola(e[4], e[5], e[6], w, h)) for e in etichette]
    campioni, avvisi = [], []
    for lab, _, _ in tav.leggende_di(foto):
        fill = riempimento.get("legend %d" % lab)
        posti = sorted({(e[4], e[5]) for e in etichette if e[2] == lab})
        for left, top in posti:
            x1 = math.floor((left - IMG_LEFT) / TWIP + 0.5) - STACCO_CAMPIONE
            y0 = math.floor((top - IMG_TOP) / TWIP + 0.5) + (territori.ALTEZZA_DIDASCALIA - LATO_CAMPIONE) // 2
            q = (x1 - LATO_CAMPIONE, y0, x1, y0 + LATO_CAMPIONE)
            coperte = sorted({i for i, b in scatole if b and i != lab and
                              q[0] < b[2] and b[0] < q[2] and q[1] < b[3] and b[1] < q[3]})
            if fill is None or q[0] < 0 or q[1] < 0 or q[3] > h:
                avvisi.append("%s: no colour square for legend label %d (no zone, or no room in the picture)"
                              % (foto, lab))
            elif coperte:
                avvisi.append("%s: no colour square for legend label %d: it would cover label %s"
                              % (foto, lab, ", ".join(map(str, coperte))))
            else:
                campioni.append(q + (fill,))
    return campioni, avvisi


def lavoro_carta(arg):
    """Draws one map picture and, when asked, its thumbnail; returns the
    contrast figures of its labels, its straight inland edges, its count of
    near-black pixels and the account of what it draws. strati: the
    territories of each panel (one list, or two for a picture of two panels)."""
    rj, w, estensione, destinazione, miniature, passo, strati, etichette, campioni, lati, mappate, anni = arg
    with tempfile.TemporaryDirectory() as lavoro:
        if passo:
            pannelli = [disegna_carta(rj, passo, H, estensione, lavoro, s) for s in strati]
            (pw, h, sinistro), (_, _, destro) = pannelli
            righe = []
            for y in range(h):
                r1 = sinistro[3 * pw * y:3 * pw * (y + 1)]
                r2 = destro[3 * pw * y:3 * pw * (y + 1)]
                righe.append(r1[:3 * (passo - 2)] + bytes(COSTA) * 2 + r2[:3 * (w - passo)])
            rgb = b"".join(righe)
        else:
            w, h, rgb = disegna_carta(rj, w, H, estensione, lavoro, strati[0])
    puri = []
    for s in strati:
        puri += [c for c in colori_puri(s) if c not in puri]
    territorio = rgb
    # what the picture draws, measured before the halos change the tones under the labels
    pannelli = ([(0, passo - 2, strati[0], mappate[0]), (passo, w, strati[1], mappate[1])] if passo
                else [(0, w, strati[0], mappate[0])])
    polite, misurate = resoconto.misura(w, h, territorio, pannelli, etichette, [MARE, LAGO], [COSTA, FIUME])
    dritti = tratti_in_terra(w, h, rgb, lati)
    rgb, tav, indici, misure = leggibilita.rendi_leggibile(
        w, h, rgb, etichette, puri + ([BORDO_CAMPIONE] if campioni else []), tavolozza,
        lambda pix: dipingi_campioni(pix, w, campioni))
    gifpiccolo.scrivi_gif(destinazione, w, h, indici, tav)
    conto = resoconto.righe_di_foto(os.path.basename(destinazione), w, h, resoconto.impronta(destinazione),
                                    anni, polite, misurate)
    # the thumbnails carry no labels: they show the territories without halos,
    # at the designed width (a picture widened for its captions is cut back)
    if w > W:
        territorio = b"".join(territorio[3 * w * y:3 * (w * y + W)] for y in range(h))
    for m in miniature:
        piccolo = gifpiccolo.rimpicciolisci(W, h, territorio, MINI_W, MINI_H)
        tm = tavolozza(piccolo, puri, 64)
        gifpiccolo.scrivi_gif(m, MINI_W, MINI_H, gifpiccolo.riduci(piccolo, tm), tm)
    return destinazione, (misure, dritti, pixel_scuri(w, h, indici, tav, campioni), w), conto


def dipingi_campioni(pix, w, campioni):
    """Paints the legend's colour squares over the picture (after the
    halos, so that no halo tints them): the fill inside a one-pixel border."""
    for x0, y0, x1, y1, fill in campioni:
        for y in range(y0, y1):
            for x in range(x0, x1):
                bordo = x in (x0, x1 - 1) or y in (y0, y1 - 1)
                pix[y * w + x] = BORDO_CAMPIONE if bordo else fill


def lavoro_inserto(arg):
    """Draws an inset: its region, with the territories of its map's period."""
    nome, (lon0, lon1, lat0, lat1), destinazione, strati = arg
    lcc = Lcc((lon0 + lon1) / 2, lat0 + (lat1 - lat0) / 4, lat1 - (lat1 - lat0) / 4) \
        if min(abs(lat0), abs(lat1)) > 10 and lat0 * lat1 > 0 else None
    if lcc:
        # fit the region's box into the inset, centred, by the conic frame
        pts = [lcc.avanti(lon, lat) for lon in (lon0, (lon0 + lon1) / 2, lon1) for lat in (lat0, lat1)]
        xs = [p[0] for p in pts]
        ys = [p[1] for p in pts]
        s = min(INSET_W / (max(xs) - min(xs)), INSET_H / (max(ys) - min(ys)))
        cx, cy = (max(xs) + min(xs)) / 2, (max(ys) + min(ys)) / 2
        c = Cornice("lcc", {"s": s, "b": INSET_W / 2 - s * cx, "d": INSET_H / 2 + s * cy, "lcc": lcc})
        llx, lly = c.geo(0, INSET_H)
        urx, ury = c.geo(INSET_W, 0)
        rj = ["-R%.6f/%.6f/%.6f/%.6f+r" % (llx, lly, urx, ury),
              "-JL%.6f/%.6f/%.6f/%.6f/%dp" % (lcc.lon0, lcc.lat0, lcc.lat1, lcc.lat2, INSET_W)]
    else:
        s = min(INSET_W / (lon1 - lon0), INSET_H / (lat1 - lat0))
        cx, cy = (lon0 + lon1) / 2, (lat0 + lat1) / 2
        hx, hy = INSET_W / s / 2, INSET_H / s / 2
        rj = ["-R%.6f/%.6f/%.6f/%.6f" % (cx - hx, cx + hx, cy - hy, cy + hy), "-JX%dp/%dp" % (INSET_W, INSET_H)]
    with tempfile.TemporaryDirectory() as lavoro:
        # an inset is drawn at a larger scale than the boundary data's coasts
        # are good for: the fills reach further out to the real coast
        w, h, rgb = disegna_carta(rj, INSET_W, INSET_H, max(lon1 - lon0, lat1 - lat0), lavoro, strati, 6.0)
    tav = tavolozza(rgb, colori_puri(strati), 256)
    gifpiccolo.scrivi_gif(destinazione, w, h, gifpiccolo.riduci(rgb, tav), tav)
    return destinazione


def anno_della_foto(foto, catalogo, anni):
    """The year a picture shows: that of the first map that shows it, or
    for the animation-only pictures the year in the name."""
    for num, f, _ in catalogo:
        if f == foto and num in anni:
            era, anno = anni[num]
            return -int(anno) if era.strip().upper().startswith("B") else int(anno)
    m = re.fullmatch(r"(\d+)ac\.gif", foto)
    if m:
        return -int(m.group(1))
    raise ValueError("no year for " + foto)


def larghezza_della_foto(etichette):
    """The width of a map picture: the designed width, or more where a
    caption in some language runs past it (its box as the legibility
    measure takes it), up to W_MASSIMA."""
    destra = W
    for e in etichette:
        x0 = math.floor((e[4] - IMG_LEFT) / TWIP + 0.5)
        if x0 < W:
            destra = max(destra, x0 + max(1, int(e[6])) + MARGINE_DESTRO)
    return min(W_MASSIMA, destra)


# Straight edges: an edge of a drawn territory that runs straight over land
# for more than this many pixels of the picture shows as a ruled line, which
# no border of the period follows unless it has a reason (a treaty line, a
# meridian, a desert frontier): lati-dritti.tsv gives it.
LATO_DRITTO = 25
# An outline that names nothing (a feature of the data no polity claims,
# drawn in the land colour) made of this many points or fewer and at least
# this wide in the picture is a geometric placeholder of the data, not a
# border: the generator leaves it out.
PUNTI_SEGNAPOSTO = 12
LATO_SEGNAPOSTO = 12


def via_i_segnaposto(strati, cornice, dx=0):
    """Leaves out the geometric placeholders among a panel's territories;
    returns the kept territories and what was left out (for the report)."""
    tenuti, tolti = [], []
    for s in strati:
        if not s.libero:
            tenuti.append(s)
            continue
        pol, mano = [], []
        for p, m in zip(s.poligoni, s.a_mano):
            anello = p[0]
            punti = [cornice.pixel(lon, lat) for lon, lat in anello]
            xs = [x + dx for x, _ in punti]
            ys = [y for _, y in punti]
            larga = max(max(xs) - min(xs), max(ys) - min(ys))
            dentro = max(xs) > 0 and min(xs) < W_MASSIMA and max(ys) > 0 and min(ys) < H
            if len(anello) - 1 <= PUNTI_SEGNAPOSTO and larga >= LATO_SEGNAPOSTO and dentro:
                tolti.append("%s (%d points, %.0f px)" % (s.chi, len(anello) - 1, larga))
            else:
                pol.append(p)
                mano.append(m)
        if pol:
            ridotto = copy.copy(s)
            ridotto.poligoni, ridotto.a_mano = pol, mano
            tenuti.append(ridotto)
    return tenuti, tolti


def lati_lunghi(strati, cornice, x_min, x_max, dx=0):
    """The edges of the territories that are longer than LATO_DRITTO pixels
    where they cross the panel [x_min, x_max): (key, x0, y0, x1, y1, x_min,
    x_max, hand-drawn). An edge across the antimeridian (the data's polygons
    that wrap) is not one."""
    lati = set()
    for s in strati:
        for pol, mano in zip(s.poligoni, s.a_mano):
            for anello in pol:
                punti = [cornice.pixel(lon, lat) for lon, lat in anello]
                for (lon0, _), (lon1, _), (x0, y0), (x1, y1) in zip(anello, anello[1:], punti, punti[1:]):
                    if abs(lon1 - lon0) > 180 or math.hypot(x1 - x0, y1 - y0) <= LATO_DRITTO:
                        continue
                    x0, x1 = x0 + dx, x1 + dx
                    if max(x0, x1) < x_min or min(x0, x1) >= x_max or max(y0, y1) < 0 or min(y0, y1) >= H:
                        continue
                    lati.add((s.nome, round(x0, 1), round(y0, 1), round(x1, 1), round(y1, 1), x_min, x_max, mano))
    return sorted(lati)


def tratti_in_terra(w, h, rgb, lati):
    """Of each edge, the longest stretch over land in the drawn picture
    (before any halo): sea and lakes clip a territory at the coast, so an
    edge out at sea is no border anyone sees. Returns (key, x0, y0, x1, y1,
    length, hand-drawn) for the stretches longer than LATO_DRITTO."""
    def terra(x, y):
        k = 3 * (y * w + x)
        return sum(abs(a - b) for a, b in zip(rgb[k:k + 3], MARE)) > 30

    trovati = []
    for chiave, x0, y0, x1, y1, x_min, x_max, mano in lati:
        passi = int(math.hypot(x1 - x0, y1 - y0))
        corsa, migliore, inizio, tratto = 0, 0, None, None
        for i in range(passi + 1):
            x = round(x0 + (x1 - x0) * i / passi)
            y = round(y0 + (y1 - y0) * i / passi)
            if x_min <= x < min(x_max, w) and 0 <= y < h and terra(x, y):
                if corsa == 0:
                    inizio = (x, y)
                corsa += 1
                if corsa > migliore:
                    migliore, tratto = corsa, (inizio, (x, y))
            else:
                corsa = 0
        lungo = migliore * math.hypot(x1 - x0, y1 - y0) / passi if passi else 0
        if lungo > LATO_DRITTO:
            (a, b), (c, d) = tratto
            trovati.append((chiave, a, b, c, d, round(lungo), mano))
    return trovati


SCURO_MASSIMO = 70  # a pixel under this in all three channels reads as black
SCURI_AMMESSI = 50


def pixel_scuri(w, h, indici, tav, campioni):
    """The pixels darker than SCURO_MASSIMO in all channels, outside the
    legend's colour squares (whose dark border is the key's own)."""
    scuri = {i for i, c in enumerate(tav) if max(c) < SCURO_MASSIMO}
    if not scuri:
        return 0
    n = 0
    for k, i in enumerate(indici):
        if i in scuri:
            x, y = k % w, k // w
            if not any(q[0] <= x < q[2] and q[1] <= y < q[3] for q in campioni):
                n += 1
    return n


def colori_di_legenda(etichette):
    """label index -> colour, from the English draw of the picture's maps."""
    return {e[2]: e[7] for e in etichette if e[0] == "inglese"}


def vendi(dati, tav, tutte, catalogo, anni, cornici):
    """Writes confini/: the slices and AWMC files the pictures draw from,
    each simplified to half a pixel of the finest frame that uses it and
    cut to the frames that use it."""
    sezioni = confini.sezioni_disponibili(os.path.join(dati, "historical-basemaps", "geojson"))
    usi = {}
    for f in tutte:
        sez, _ = territori.sezione_della_carta(tav, f, anno_della_foto(f, catalogo, anni), sezioni)
        usi.setdefault(sez, set()).add(f)
    extra_sez, awmc = tav.sezioni_e_awmc()

    def misura(foto):
        riquadri = []
        for f in sorted(foto):
            c = cornici.get(f)
            if c is None:
                continue
            bordo = [c.geo(x, y) for x in range(0, W + 1, W // 8) for y in (0, H)] + \
                    [c.geo(x, y) for y in range(0, H + 1, H // 6) for x in (0, W)]
            lons = [p[0] for p in bordo]
            lats = [p[1] for p in bordo]
            riquadri.append(((min(lons) - 2, max(lons) + 2, min(lats) - 2, max(lats) + 2),
                             (max(lons) - min(lons)) / W))
        return riquadri

    ovunque = [((-180, 180, -90, 90), 0.06)]
    voci_sez = {s: misura(usi.get(s, ())) for s in usi}
    # a slice or file that a correction or legend names may serve any picture
    for s in extra_sez:
        voci_sez[s] = voci_sez.get(s, []) + ovunque
    voci_awmc = {a: ovunque for a in awmc}
    confini.vendi(dati, voci_sez, voci_awmc)
    print("confini/: %d time slices, %d AWMC files" % (len(voci_sez), len(voci_awmc)))


def main():
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("--cartella", default=os.path.normpath(os.path.join(QUI, "..", "..")),
                    help="working folder that receives atlante/, miniature/ and tavolahtmvel/")
    ap.add_argument("--solo-rapporto", action="store_true", help="fit and report, draw nothing")
    ap.add_argument("--dettagli", nargs="*", default=[], help="pictures whose labels are listed one by one")
    ap.add_argument("--processi", type=int, default=min(4, os.cpu_count() or 2))
    ap.add_argument("--catalogo", help="overlay-dump --catalogo output (JSON lines): the maps' pictures, "
                                       "insets and the labels each places")
    ap.add_argument("--sovrapposizioni", help="overlay-dump output (JSON lines): labels, colours, years")
    ap.add_argument("--solo", nargs="*", default=[], help="draw only these pictures (no thumbnails of others, no insets)")
    ap.add_argument("--tavole", default=QUI,
                    help="folder of politie.tsv, etichette-politie.tsv, correzioni.tsv, leggende.tsv")
    ap.add_argument("--vendi", metavar="DATI",
                    help="write the simplified boundary files in use from the full data sets in DATI "
                         "(historical-basemaps/, awmc-political/) into confini/, and stop")
    args = ap.parse_args()

    for prog in ("gmt", "gs"):
        if not shutil.which(prog):
            sys.exit("genera.py: '%s' is needed (Debian packages gmt, gmt-gshhg-low, ghostscript)" % prog)

    gaz = leggi_gazzettiere()
    catalogo = leggi_catalogo(args.catalogo)
    per_foto = leggi_etichette(args.catalogo)
    foto_catalogo = []
    for num, foto, inserto in catalogo:
        if foto not in foto_catalogo:
            foto_catalogo.append(foto)
        per_foto.setdefault(foto, [])

    tav = territori.Tavole(args.tavole)
    for foto, pannello in sorted(tav.pannelli_nominati()):
        if foto not in DOPPIO or pannello not in ("1", "2"):
            sys.exit("genera.py: the tables name %s:%s, but %s has no such panel (only the two-panel "
                     "pictures %s have panels 1 and 2)" % (foto, pannello, foto, ", ".join(sorted(DOPPIO))))
    sopra, anni = ({}, {})
    if args.sovrapposizioni:
        sopra, anni = territori.leggi_sovrapposizioni(args.sovrapposizioni)
    elif not args.solo_rapporto:
        sys.exit("genera.py: --sovrapposizioni is needed to draw (the output of tools/overlay-dump)")
    tutte = foto_catalogo + SOLO_ANIMAZIONE
    # fit: one frame per layout group
    cornici = {}
    righe = []
    gruppi = gruppi_di_layout(per_foto, gaz)
    for gruppo in gruppi:
        punti = []
        for f in gruppo:
            punti += punti_della_foto(per_foto[f], gaz, f)
        # identical label at the same place in several pictures counts once
        unici = {}
        for p in punti:
            unici.setdefault((round(p[0], 1), round(p[1], 1), p[4]), p)
        punti = list(unici.values())
        cornice = adatta(punti) if len(punti) >= 3 else None
        for f in gruppo:
            if cornice:
                cornici[f] = cornice
    for f, altra in CORNICE_DI.items():
        if f not in cornici or len(punti_della_foto(per_foto.get(f, []), gaz, f)) < 3:
            cornici[f] = cornici[altra]

    if args.vendi:
        vendi(args.vendi, tav, tutte, catalogo, anni, cornici)
        return

    print("Fit of the map frames to the overlay labels")
    print("anchor: a caption starting with the city mark 'o' at that mark; a city at the left-middle")
    print("or right-middle of its label (the side nearer its place); seas, rivers, regions and peoples")
    print("at the label's centre (Arial 7 pt estimate); a river measured to the nearest point of its course.")
    print("frames: weighted least squares (Tukey biweight); every known place counts in the numbers.")
    print("%-20s %5s %6s %7s %6s  %s" % ("picture", "maps", "places", "median", "max", "frame"))
    mediane = []
    for f in tutte:
        mappe = sorted({e[0] for e in per_foto.get(f, [])})
        punti = punti_della_foto(per_foto.get(f, []), gaz, f)
        c = cornici.get(f)
        if c is None:
            righe.append("%-20s %5s %6d %7s %6s  %s" % (f, ",".join(map(str, mappe)) or "-", len(punti), "-", "-", "no frame"))
            continue
        if punti:
            punti = scegli_candidati(c, punti)
            d = distanze(c, punti)
            if f in args.dettagli:
                for p, dd in sorted(zip(punti, d), key=lambda t: -t[1]):
                    print("    %-30s %6.1f px  label (%.0f, %.0f) place (%.2f, %.2f)" % (p[4], dd, p[0], p[1], p[2], p[3]))
            med, mx = statistics.median(d), max(d)
            if len(punti) >= 4:
                mediane.append((med, f))
            righe.append("%-20s %5s %6d %7.1f %6.1f  %s" % (
                f, ",".join(map(str, mappe)) if len(mappe) <= 2 else "%d-%d" % (mappe[0], mappe[-1]),
                len(punti), med, mx, c.descrizione() + ("" if f not in CORNICE_DI else " (frame of %s)" % CORNICE_DI[f])))
        else:
            righe.append("%-20s %5s %6d %7s %6s  %s" % (f, ",".join(map(str, mappe)) or "-", 0, "-", "-",
                                                     c.descrizione() + " (frame of %s)" % CORNICE_DI.get(f, "?")))
    for r in righe:
        print(r)
    oltre = [f for m, f in mediane if m > 15]
    print("maps with 4 or more known places: %d; median of medians %.1f px; above 15 px: %d %s" % (
        len(mediane), statistics.median(m for m, _ in mediane) if mediane else 0, len(oltre),
        " ".join(oltre)))
    sys.stdout.flush()
    if args.solo_rapporto:
        return

    # territories: the nearest time slice (or the one a correction names)
    sezioni = confini.sezioni_disponibili(confini.CONFINI)
    # a picture of two panels: each panel its own territories
    strati_di, sezione_di, correzioni_di = {}, {}, {}
    for f in tutte:
        anno = anno_della_foto(f, catalogo, anni)
        pannelli = []
        for p in ((1, 2) if f in DOPPIO else (None,)):
            sezione, _ = territori.sezione_della_carta(tav, f, anno, sezioni, p)
            strati, applicate = territori.strati_della_carta(
                tav, f, sezione, colori_di_legenda(sopra.get(f, [])), p)
            pannelli.append((sezione, strati, applicate))
        strati_di[f] = [s for _, s, _ in pannelli]
        sezioni_f = [s for s, _, _ in pannelli]
        sezione_di[f] = (anno, sezioni_f[0] if len(set(sezioni_f)) == 1 else " | ".join(sezioni_f))
        if len(pannelli) == 1 or pannelli[0][2] == pannelli[1][2]:
            correzioni_di[f] = "; ".join(pannelli[0][2])
        else:
            correzioni_di[f] = " | ".join("%s panel: %s" % (lato, "; ".join(a) or "none")
                                          for lato, (_, _, a) in zip(("left", "right"), pannelli))

    cartella = os.path.abspath(args.cartella)
    # GMT leaves a history file in the current folder: keep it out of the tree
    os.chdir(tempfile.mkdtemp(prefix="atlante-"))
    atl = os.path.join(cartella, "atlante")
    mini = os.path.join(cartella, "miniature")
    html = os.path.join(cartella, "tavolahtmvel")
    for d in (atl, mini, html):
        os.makedirs(d, exist_ok=True)

    miniature_di = {}
    for num, foto, _ in catalogo:
        if num == 82:
            nome = "dcvel14.gif"
        elif num == 83:
            nome = "dcvel87.gif"
        else:
            nome = foto[:-4] + "vel.gif"
        miniature_di.setdefault(foto, set()).add(os.path.join(mini, nome))

    lavori = []
    avvisi_campioni = {}
    larghezza_di = {}
    segnaposto_di = {}
    for f in tutte:
        if args.solo and f not in args.solo:
            continue
        c = cornici[f]
        passo = DOPPIO.get(f, 0)
        larghezza_di[f] = wf = larghezza_della_foto(sopra.get(f, []))
        lati = []
        for i, strati in enumerate(strati_di[f]):
            # the right panel of a two-panel picture stands passo pixels on
            dx = passo if i else 0
            x_min, x_max = (dx, wf) if i else (0, passo - 2 if passo else wf)
            strati_di[f][i], tolti = via_i_segnaposto(strati, c, dx)
            segnaposto_di.setdefault(f, []).extend(tolti)
            lati += lati_lunghi(strati_di[f][i], c, x_min, x_max, dx)
        campioni, avvisi = campioni_di_legenda(tav, f, [s for p in strati_di[f] for s in p],
                                               sopra.get(f, []), wf, H)
        avvisi_campioni[f] = (len(campioni), avvisi)
        for a in avvisi:
            print("genera.py: " + a, file=sys.stderr)
        mappate = [tav.etichette_di(f, p) for p in ((1, 2) if f in DOPPIO else (None,))]
        anni_f = []
        for num, g, _ in catalogo:
            if g == f and num in anni:
                era, anno = anni[num]
                anni_f.append((num, -int(anno) if era.strip().upper().startswith("B") else int(anno)))
        if not anni_f:
            anni_f = [(0, anno_della_foto(f, catalogo, anni))]
        lavori.append((c.gmt(passo or wf, H), wf, c.estensione(), os.path.join(atl, f),
                       sorted(miniature_di.get(f, ())), passo, strati_di[f], sopra.get(f, []), campioni, lati,
                       mappate, anni_f))
    # an inset shows its region as the first map that shows it draws it (of
    # a picture of two panels, the left one: the map's own date)
    inserti = []
    for n, r in INSERTI.items():
        if args.solo and n not in args.solo:
            continue
        carta = next(f for _, f, i in catalogo if i == n)
        inserti.append((n, r, os.path.join(atl, n), strati_di[carta][0]))
    misure, conti = {}, {}
    with concurrent.futures.ProcessPoolExecutor(max_workers=args.processi) as ex:
        for destinazione, m, conto in ex.map(lavoro_carta, lavori):
            misure[os.path.basename(destinazione)] = m
            conti[os.path.basename(destinazione)] = conto
        for fatto in ex.map(lavoro_inserto, inserti):
            pass

    # the account of what each picture draws, beside the tables when the
    # pictures are the repository's own, else beside the pictures
    radice = os.path.normpath(os.path.join(QUI, "..", ".."))
    resoconto.scrivi(os.path.join(QUI if os.path.realpath(cartella) == os.path.realpath(radice) else cartella,
                                  "rapporto-territori.tsv"),
                     conti, tutte)

    print()
    print("Territories and legibility: per picture its year, the time slice drawn, the corrections")
    print("applied, and per language the labels at a contrast of 3:1 or more with the picture under")
    print("their caption box (mean luminance of the box) and the lowest label.")
    print("Then: the width where captions run past %d px; geometric placeholders left out; pixels darker" % W)
    print("than %d in every channel where more than %d; straight inland edges over %d px without a reason" % (
        SCURO_MASSIMO, SCURI_AMMESSI, LATO_DRITTO))
    print("in lati-dritti.tsv (picture or *, territory key, reason), with their ends in pixels and length.")
    ragioni = territori.ragioni_dei_lati(args.tavole)
    lingue = ("italiano", "francese", "spagnolo", "inglese")
    totali = {l: [0, 0] for l in lingue}
    bassi = []
    tutti_i_lati, senza_ragione, troppo_scure, allargate, lati_dei_dati = 0, {}, [], [], 0
    usate = set()
    for f in tutte:
        if f not in misure:
            continue
        misure_f, dritti, scuri, larghezza = misure[f]
        anno, sezione = sezione_di[f]
        print("%-20s %6d  %s%s" % (f, anno, sezione,
                                   ("  corrections: " + correzioni_di[f]) if correzioni_di[f] else ""))
        if larghezza > W:
            allargate.append(f)
            print("    width %d px: captions run past %d px" % (larghezza, W))
        for t in segnaposto_di.get(f, []):
            print("    left out, a geometric placeholder that names nothing: " + t)
        if scuri > SCURI_AMMESSI:
            troppo_scure.append(f)
            print("    %d pixels darker than %d in every channel" % (scuri, SCURO_MASSIMO))
        # the boundary data's own borders are the data's (item of the
        # sources, not of the tables): counted, their reason is their source
        dei_dati = [d for d in dritti if not d[6]]
        dritti = [d for d in dritti if d[6]]
        lati_dei_dati += len(dei_dati)
        if dei_dati:
            print("    straight edges of the boundary data's own borders: %d" % len(dei_dati))
        tutti_i_lati += len(dritti)
        per_chiave = {}
        for chiave, x0, y0, x1, y1, lungo, _ in dritti:
            chi = (f, chiave) if (f, chiave) in ragioni else ("*", chiave)
            if chi in ragioni:
                usate.add(chi)
                continue
            senza_ragione.setdefault(f, []).append(chiave)
            per_chiave.setdefault(chiave, []).append("(%d,%d)-(%d,%d) %d" % (x0, y0, x1, y1, lungo))
        for chiave, lati in sorted(per_chiave.items()):
            print("    straight edges without a reason, %s: %s" % (chiave, ", ".join(lati)))
        quanti, avvisi = avvisi_campioni[f]
        if quanti or avvisi:
            print("    legend colour squares: %d%s" % (quanti, "".join("; " + a for a in avvisi)))
        for n in INSERTI:
            if next(g for _, g, i in catalogo if i == n) == f:
                print("    inset %s: the same territories" % n)
        for l in lingue:
            if l not in misure_f:
                continue
            n, ok, basso = misure_f[l]
            totali[l][0] += n
            totali[l][1] += ok
            bassi.append((basso, l, f))
            print("    %-9s %3d/%-3d at 3:1  lowest %.2f map %d label %d \"%s\"" % (
                l, ok, n, basso[0], basso[1], basso[2], basso[3]))
    for l in lingue:
        n, ok = totali[l]
        print("%-9s %d of %d labels at 3:1 or more (%.1f%%)" % (l, ok, n, 100.0 * ok / n if n else 100.0))
    print("lowest labels:", "; ".join('%.2f %s map %d label %d "%s" (%s)' % (b[0], f, b[1], b[2], b[3], l)
                                      for b, l, f in sorted(bassi)[:8]))
    print("pictures wider than %d px for their captions: %d (at most %d px)" % (W, len(allargate), W_MASSIMA))
    print("pictures with more than %d pixels darker than %d: %d %s" % (
        SCURI_AMMESSI, SCURO_MASSIMO, len(troppo_scure), " ".join(troppo_scure)))
    for riga in territori.colori_vicini_al_mare(tav, MARE, sopra):
        print(riga)
    n_senza = sum(len(v) for v in senza_ragione.values())
    print("straight inland edges over %d px of the boundary data's own borders: %d" % (LATO_DRITTO, lati_dei_dati))
    print("straight inland edges over %d px of hand-drawn territories: %d; without a reason: %d on %d pictures (%s)"
          % (LATO_DRITTO, tutti_i_lati, n_senza, len(senza_ragione), "check fails" if n_senza else "check passes"))
    for f, chiavi in senza_ragione.items():
        conta = {}
        for k in chiavi:
            conta[k] = conta.get(k, 0) + 1
        print("    %-20s %s" % (f, ", ".join("%s %d" % kv for kv in sorted(conta.items()))))
    for chi in sorted(set(ragioni) - usate):
        if chi[0] != "*" and not args.solo:
            print("lati-dritti.tsv: %s %s gives a reason for no edge" % chi)

    if args.solo:
        return
    import extra
    extra.genera_tutto(atl, html)
    print("pictures written under", cartella, file=sys.stderr)


if __name__ == "__main__":
    main()
