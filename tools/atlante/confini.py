"""Boundary data for the territories drawn in the map pictures.

The pictures draw the political geography of each map's year from two public
data sets: the world time slices of historical-basemaps (GPL-3.0) and the
extents of ancient polities of the Ancient World Mapping Center (ODbL 1.0).
Simplified copies of the files in use live in confini/ beside this file, so
that the pictures regenerate from the repository alone; `vendi` writes them
from the full data sets (the developer runs it when the set of files in use
changes, see README.md).

A feature here is (name, subjecto, polygons), a polygon being a list of rings
(the outer ring first, then its holes), a ring a list of (lon, lat)."""

import gzip
import json
import math
import os
import re

QUI = os.path.dirname(os.path.abspath(__file__))
CONFINI = os.path.join(QUI, "confini")

# Simplification: 0.03 degrees is under half a pixel on the Europe frames
# (about 0.08 degrees a pixel) and far under one on the world frames.
TOLLERANZA = 0.03
DECIMALI = 2


def anno_di_sezione(stem):
    """world_bc323 -> -323, world_1492 -> 1492."""
    m = re.fullmatch(r"world_(bc)?(\d+)", stem)
    if not m:
        raise ValueError("not a time slice: " + stem)
    return -int(m.group(2)) if m.group(1) else int(m.group(2))


def sezioni_disponibili(cartella):
    """Time slices in a folder, as .geojson or .geojson.gz files."""
    stem = [re.fullmatch(r"(world_(bc)?\d+)\.geojson(\.gz)?", f) for f in os.listdir(cartella)]
    return sorted({m.group(1) for m in stem if m}, key=anno_di_sezione)


def sezione_piu_vicina(anno, sezioni):
    """The slice nearest to the year; between two at the same distance, the
    earlier one (a map shows what stood at its date, not what came after)."""
    return min(sezioni, key=lambda s: (abs(anno_di_sezione(s) - anno), anno_di_sezione(s)))


# --- simplification -------------------------------------------------------------

def _dp(punti, tol):
    """Douglas-Peucker on a list of (x, y), iterative."""
    if len(punti) < 3:
        return list(punti)
    tieni = [False] * len(punti)
    tieni[0] = tieni[-1] = True
    pila = [(0, len(punti) - 1)]
    while pila:
        a, b = pila.pop()
        ax, ay = punti[a]
        bx, by = punti[b]
        dx, dy = bx - ax, by - ay
        lung = math.hypot(dx, dy)
        peggiore, dmax = -1, tol
        for i in range(a + 1, b):
            px, py = punti[i]
            if lung == 0:
                d = math.hypot(px - ax, py - ay)
            else:
                d = abs(dy * (px - ax) - dx * (py - ay)) / lung
            if d > dmax:
                peggiore, dmax = i, d
        if peggiore >= 0:
            tieni[peggiore] = True
            pila.append((a, peggiore))
            pila.append((peggiore, b))
    return [p for p, t in zip(punti, tieni) if t]


def _semplifica_anello(anello, tol):
    pts = [(round(x, DECIMALI), round(y, DECIMALI)) for x, y, *_ in anello]
    # a closed ring: split at the point farthest from the first, so that
    # both halves keep their ends
    if len(pts) > 4:
        x0, y0 = pts[0]
        k = max(range(len(pts)), key=lambda i: (pts[i][0] - x0) ** 2 + (pts[i][1] - y0) ** 2)
        pts = _dp(pts[:k + 1], tol)[:-1] + _dp(pts[k:], tol)
    uniti = []
    for p in pts:
        if not uniti or p != uniti[-1]:
            uniti.append(p)
    if len(uniti) < 4:
        return None
    if uniti[0] != uniti[-1]:
        uniti.append(uniti[0])
    return uniti


def _area(anello):
    return abs(sum(x0 * y1 - x1 * y0 for (x0, y0), (x1, y1) in zip(anello, anello[1:]))) / 2


def _poligoni(geometria):
    if geometria is None:
        return []
    if geometria["type"] == "Polygon":
        return [geometria["coordinates"]]
    if geometria["type"] == "MultiPolygon":
        return geometria["coordinates"]
    return []


def _tolleranza(anello, riquadri):
    """Half a pixel of the finest frame that the ring reaches into, or None
    when it reaches into none."""
    xs = [p[0] for p in anello]
    ys = [p[1] for p in anello]
    gradi = [g for (x0, x1, y0, y1), g in riquadri
             if min(xs) <= x1 and max(xs) >= x0 and min(ys) <= y1 and max(ys) >= y0]
    if not gradi:
        return None
    return min(0.25, max(TOLLERANZA, min(gradi) / 2))


def semplifica(sorgente, destinazione, campi, riquadri):
    """Writes a compact simplified copy of a GeoJSON file (gzip): only
    polygons, only the named fields, only polygons that reach into one of
    the frames drawn from it (riquadri: ((lon0, lon1, lat0, lat1), degrees a
    pixel)), each simplified to half a pixel of the finest of those frames;
    rings smaller than the tolerance left out."""
    with open(sorgente, encoding="utf-8") as f:
        dati = json.load(f)
    uscita = []
    for ft in dati["features"]:
        prop = ft.get("properties") or {}
        poligoni = []
        for pol in _poligoni(ft.get("geometry")):
            if not pol:
                continue
            tol = _tolleranza(pol[0], riquadri)
            if tol is None:
                continue
            anelli = [_semplifica_anello(a, tol) for a in pol]
            if not anelli or anelli[0] is None or _area(anelli[0]) < tol * tol:
                continue
            poligoni.append([anelli[0]] + [a for a in anelli[1:] if a and _area(a) >= tol * tol])
        if not poligoni:
            continue
        uscita.append({"type": "Feature",
                       "properties": {k: prop.get(k) for k in campi if prop.get(k) is not None},
                       "geometry": {"type": "MultiPolygon", "coordinates": poligoni}})
    os.makedirs(os.path.dirname(destinazione), exist_ok=True)
    testo = '{"type":"FeatureCollection","features":[\n' + ",\n".join(
        json.dumps(ft, ensure_ascii=False, separators=(",", ":")) for ft in uscita) + "\n]}\n"
    # no name and no time in the gzip header: the same data gives the same bytes
    with open(destinazione, "wb") as f:
        with gzip.GzipFile(filename="", mode="wb", fileobj=f, mtime=0, compresslevel=9) as z:
            z.write(testo.encode("utf-8"))


CAMPI_MONDO = ("NAME", "SUBJECTO", "PARTOF")
CAMPI_AWMC = ("NAME", "Name", "name", "TITLE", "LABEL")


def vendi(dati, sezioni, awmc):
    """Writes the simplified copies of the slices and AWMC files in use, and
    removes the copies no longer in use. sezioni and awmc: stem -> the
    frames drawn from it, as semplifica takes them."""
    tenuti = set()
    for cartella, sotto, voci in (("historical-basemaps/geojson", "", sezioni), ("awmc-political", "awmc", awmc)):
        for stem, riquadri in sorted(voci.items()):
            dst = os.path.join(CONFINI, sotto, stem + ".geojson.gz")
            semplifica(os.path.join(dati, cartella, stem + ".geojson"), dst,
                       CAMPI_AWMC if sotto else CAMPI_MONDO, riquadri)
            tenuti.add(dst)
    for radice, _, file in os.walk(CONFINI):
        for f in file:
            p = os.path.join(radice, f)
            if p.endswith(".geojson.gz") and p not in tenuti:
                os.remove(p)


# --- reading ---------------------------------------------------------------------

_cache = {}


def leggi(stem):
    """Features of a vendored file: a slice stem (world_800) or awmc:<stem>."""
    if stem in _cache:
        return _cache[stem]
    if stem.startswith("awmc:"):
        percorso = os.path.join(CONFINI, "awmc", stem[5:] + ".geojson.gz")
    else:
        percorso = os.path.join(CONFINI, stem + ".geojson.gz")
    if not os.path.exists(percorso):
        raise FileNotFoundError("%s is not in confini/: a table names a slice or file not vendored yet; "
                                "run genera.py --sovrapposizioni DUMP --vendi ../shared/data" % stem)
    with gzip.open(percorso, "rt", encoding="utf-8") as f:
        dati = json.load(f)
    ft = []
    for x in dati["features"]:
        p = x["properties"]
        nome = p.get("NAME") or p.get("Name") or p.get("name") or p.get("TITLE") or p.get("LABEL") or ""
        # the data spells some names with blanks at their ends ('Pomeranian
        # culture '); the tables' names are stripped, so these are too. A
        # name of blanks only stays as it is: the feature has a name (it is
        # drawn, as its SUBJECTO's polity), just none that a table can give.
        ft.append((nome.strip() or nome, (p.get("SUBJECTO") or "").strip(), x["geometry"]["coordinates"]))
    _cache[stem] = ft
    return ft
