#!/usr/bin/env python3
"""Measures the overlay labels' contrast on the real glyphs, in screenshots
of the running program.

The generator measures a label by the mean tone of the picture under its
caption box. This measures what the reader sees: the program runs on an X
display (Xvfb), the map is reached with Next as a reader does, each of the
four flags is clicked and the whole screen is taken. In each label's box the
glyph pixels are those that differ from the map picture under them; the
label's tone is the mean luminance of its glyphs' core (the quarter of the
glyph pixels nearest the label's colour), the background's that of the
picture under the glyphs and the pixels around them. A label that runs past
the picture onto the window is measured on the window, as it is seen.

Usage, in the repository root (the data folder), with build/tools/overlay-dump
output in dump.jsonl:

    xvfb-run -a -s "-screen 0 1024x768x24" tools/atlante/contrasto_schermo.py \\
        --programma build/app/cartaviva --sovrapposizioni dump.jsonl --cartella /tmp/schermi

Needs xdotool and ImageMagick (import, convert). Prints one line per map and
language, the labels under 3:1 and the share at 3:1 or more per language;
the exit status is 1 when a language has less than 95%.
"""

import argparse
import json
import os
import subprocess
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import territori  # noqa: E402

TWIP = 15
IMG_X, IMG_Y = 3720 // TWIP, 240 // TWIP  # the map picture in the main window, pixels
ALTEZZA = 12  # a 7 pt Arial caption's height on screen
SOGLIA, QUOTA = 3.0, 0.95
# the main window's controls, in pixels: Previous, Next and the four flags
PRECEDENTE, SUCCESSIVA = (388, 376), (652, 376)
# two clicks closer than the double-click interval make a double click,
# which is no second click
PAUSA = 0.6
BANDIERE = {"inglese": (52, 64), "francese": (100, 64), "italiano": (140, 64), "spagnolo": (184, 64)}
LINGUE = ("italiano", "francese", "spagnolo", "inglese")


def rgb_di(percorso):
    """(w, h, bytes) of a picture, through ImageMagick."""
    dim = subprocess.run(["identify", "-format", "%w %h", percorso + "[0]"], capture_output=True,
                         text=True, check=True).stdout.split()
    dati = subprocess.run(["convert", percorso + "[0]", "-depth", "8", "rgb:-"], capture_output=True,
                          check=True).stdout
    return int(dim[0]), int(dim[1]), dati


def clic(x, y, attesa=0.15):
    subprocess.run(["xdotool", "mousemove", str(x), str(y), "click", "1"], check=True)
    time.sleep(attesa)


def scatta(percorso):
    subprocess.run(["import", "-window", "root", percorso], check=True)


def uguaglianza(schermo, foto):
    """Share of the picture's pixels (a sparse grid) that the screen shows
    unchanged where the map picture stands."""
    sw, sh, s = schermo
    fw, fh, f = foto
    pari = tot = 0
    for y in range(2, fh, 7):
        for x in range(3, fw, 7):
            k, j = 3 * (y * fw + x), 3 * ((y + IMG_Y) * sw + x + IMG_X)
            tot += 1
            pari += f[k:k + 3] == s[j:j + 3]
    return pari / tot


def carta_mostrata(schermo, foto_di, attesa):
    """The map whose picture the screen shows (of maps sharing a picture,
    the one nearest the expected)."""
    punti = {}
    for n, foto in foto_di.items():
        punti[n] = uguaglianza(schermo, foto)
    meglio = max(punti.values())
    return min((n for n, v in punti.items() if v == meglio), key=lambda n: abs(n - attesa)), meglio


def misura_etichetta(schermo, foto, etichetta):
    """Contrast of one label on the screen, or None when no glyph shows."""
    sw, sh, s = schermo
    fw, fh, f = foto
    _, _, _, testo, left, top, larg, col = etichetta
    x0, y0 = round(left / TWIP), round(top / TWIP)
    glifi, intorno = set(), []

    def px(buf, w, x, y):
        k = 3 * (y * w + x)
        return tuple(buf[k:k + 3])

    for y in range(y0, min(sh, y0 + ALTEZZA)):
        for x in range(x0, min(sw, x0 + max(1, larg))):
            fx, fy = x - IMG_X, y - IMG_Y
            sotto = px(f, fw, fx, fy) if 0 <= fx < fw and 0 <= fy < fh else None
            visto = px(s, sw, x, y)
            # a pixel whose screen colour is not the picture's: a glyph (or,
            # past the picture, any pixel nearer the label's colour than the
            # window's own)
            if sotto is not None:
                diverso = sum(abs(a - b) for a, b in zip(visto, sotto)) > 60
            else:
                diverso = sum(abs(a - b) for a, b in zip(visto, col)) < 200
            if diverso:
                glifi.add((x, y))
    if not glifi:
        return None
    vicini = set()
    for x, y in glifi:
        for dx in (-1, 0, 1):
            for dy in (-1, 0, 1):
                q = (x + dx, y + dy)
                if q not in glifi and 0 <= q[0] < sw and 0 <= q[1] < sh:
                    vicini.add(q)
    # the background: what lies under the glyphs and around them, from the
    # picture where they stand on it (the screen's own pixels there carry
    # the glyphs' anti-aliased fringes), from the screen past it
    intorno = []
    for x, y in glifi | vicini:
        fx, fy = x - IMG_X, y - IMG_Y
        if 0 <= fx < fw and 0 <= fy < fh:
            intorno.append(territori.luminanza(px(f, fw, fx, fy)))
        elif (x, y) in vicini:
            intorno.append(territori.luminanza(px(s, sw, x, y)))
    # the glyphs' core: the quarter of the glyph pixels nearest the label's
    # colour (the stems; the rest are the anti-aliased edges)
    distanze = sorted((sum(abs(a - b) for a, b in zip(px(s, sw, x, y), col)), (x, y)) for x, y in glifi)
    nucleo = [p for _, p in distanze[:max(1, len(distanze) // 4)]]
    l_testo = sum(territori.luminanza(px(s, sw, x, y)) for x, y in nucleo) / len(nucleo)
    l_fondo = sum(intorno) / len(intorno) if intorno else 0.0
    return territori.contrasto(l_testo, l_fondo)


def main():
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("--programma", default="build/app/cartaviva")
    ap.add_argument("--sovrapposizioni", required=True, help="overlay-dump output (JSON lines)")
    ap.add_argument("--cartella", default="/tmp/schermi", help="where the screenshots go")
    ap.add_argument("--carte", default=",".join(map(str, list(range(1, 169, 9)) + [168])),
                    help="the maps to take, comma separated (20 spread over the atlas by default)")
    ap.add_argument("--solo-misura", action="store_true", help="measure screenshots taken before")
    args = ap.parse_args()
    carte = sorted({int(x) for x in args.carte.split(",")})
    os.makedirs(args.cartella, exist_ok=True)

    per_carta = {}
    for riga in open(args.sovrapposizioni, encoding="utf-8"):
        if riga.strip():
            d = json.loads(riga)
            per_carta[(d["numcarta"], d["lingua"])] = d
    foto_di, cache = {}, {}
    for (n, lingua), d in per_carta.items():
        percorso = d["picture"].replace("\\", "/")
        if percorso not in cache:
            cache[percorso] = rgb_di(percorso)
        foto_di[n] = cache[percorso]
    if not args.solo_misura:
        prog = subprocess.Popen([os.path.abspath(args.programma)])
        prova = os.path.join(args.cartella, "prova.png")
        try:
            time.sleep(4)
            for n in carte:
                # Next as a reader clicks it, checking on the screen which
                # map is shown (a click may be lost while a map is drawn)
                for _ in range(6):
                    scatta(prova)
                    carta, _ = carta_mostrata(rgb_di(prova), foto_di, n)
                    if carta == n:
                        break
                    for _ in range(abs(n - carta)):
                        clic(*(SUCCESSIVA if carta < n else PRECEDENTE), attesa=PAUSA)
                else:
                    print("map %d not reached (the screen shows map %d)" % (n, carta), file=sys.stderr)
                for lingua in LINGUE:
                    clic(*BANDIERE[lingua], attesa=PAUSA)
                    scatta(os.path.join(args.cartella, "%s-%03d.png" % (lingua, n)))
        finally:
            prog.terminate()
            prog.wait()

    totali = {l: [0, 0] for l in LINGUE}
    esito_schermi = True
    for n in carte:
        for lingua in LINGUE:
            d = per_carta[(n, lingua)]
            schermo = rgb_di(os.path.join(args.cartella, "%s-%03d.png" % (lingua, n)))
            foto = foto_di[n]
            quota_uguale = uguaglianza(schermo, foto)
            if quota_uguale < 0.8:
                print("map %3d %-9s the screen does not show its picture (%.0f%% of it)" % (
                    n, lingua, 100 * quota_uguale))
                esito_schermi = False
                continue
            bassi = []
            contate = 0
            for i, e in enumerate(d["labels"]):
                if not e.get("visible", True) or not e["caption"].strip():
                    continue
                et = (lingua, n, i, e["caption"], e["left"], e["top"], e.get("width", 0),
                      territori.colore_bgr(e["forecolor"]))
                c = misura_etichetta(schermo, foto, et)
                if c is None:
                    c = 1.0
                contate += 1
                totali[lingua][0] += 1
                if c >= SOGLIA:
                    totali[lingua][1] += 1
                else:
                    bassi.append('"%s" %.2f' % (e["caption"].strip(), c))
            print("map %3d %-9s %2d labels, under 3:1: %s" % (n, lingua, contate, ", ".join(bassi) or "none"))
    esito = 0 if esito_schermi else 1
    for lingua in LINGUE:
        n, ok = totali[lingua]
        quota = ok / n if n else 1.0
        print("%-9s %d of %d labels at 3:1 or more on the screen (%.1f%%)" % (lingua, ok, n, 100 * quota))
        esito |= quota < QUOTA
    return esito


if __name__ == "__main__":
    sys.exit(main())
