"""The small pictures of the main window (flag strips, speaker pictures, links
badge), the shared decorative inset and the links page."""

import os
import subprocess
import tempfile

import gifpiccolo

SFONDO = (0, 0, 64)  # the main window's dark navy
GIALLO = (255, 214, 0)

# Flag strip: the four flags lie under the four click areas of the window
# (English, French, Italian, Spanish from left to right).
BANDIERE = [("ing", 2, 38), ("fra", 50, 36), ("ita", 90, 36), ("spa", 131, 44)]
FLAG_Y0, FLAG_Y1 = 5, 29

# Name of the links badge (a GIF of 85 x 57 pixels).
BADGE = "collegamenti.gif"


def _esegui(cmd, ingresso=None):
    r = subprocess.run(cmd, input=ingresso, capture_output=True)
    if r.returncode != 0:
        raise RuntimeError(" ".join(cmd) + "\n" + r.stderr.decode(errors="replace"))
    return r.stdout


def _c(rgb):
    return "%d/%d/%d" % rgb


class Tela:
    """A drawing canvas of w x h pixels (y upwards) made of GMT layers."""

    def __init__(self, w, h):
        self.w, self.h = w, h
        self.parti = []
        self.opz = ["-R0/%d/0/%d" % (w, h), "-JX%dp/%dp" % (w, h)]

    def _strato(self, prog, argomenti, dati=None, proprie=False):
        primo = not self.parti
        cmd = ["gmt", prog] + ([] if proprie else self.opz) + argomenti + ["-P", "--PS_MEDIA=%dx%d" % (self.w, self.h)]
        cmd += ["-X0", "-Y0", "-K"] if primo else ["-O", "-K"]
        self.parti.append(_esegui(cmd, dati.encode() if dati else None))

    def rettangolo(self, x0, y0, x1, y1, riempi, bordo=None):
        pen = ["-W%s" % bordo] if bordo else []
        self._strato("psxy", ["-G" + _c(riempi)] + pen,
                     "%f %f\n%f %f\n%f %f\n%f %f\n" % (x0, y0, x1, y0, x1, y1, x0, y1))

    def poligono(self, punti, riempi=None, penna=None):
        arg = (["-G" + _c(riempi)] if riempi else []) + (["-W" + penna] if penna else [])
        self._strato("psxy", arg, "".join("%f %f\n" % p for p in punti))

    def linea(self, punti, penna):
        self._strato("psxy", ["-W" + penna], "".join("%f %f\n" % p for p in punti))

    def testo(self, x, y, testo, font):
        self._strato("pstext", ["-F+f%s+jCM" % font, "-N"], "%f %f %s\n" % (x, y, testo))

    def livello(self, prog, argomenti):
        """A layer with its own -R and -J (a globe, for instance)."""
        self._strato(prog, argomenti, proprie=True)

    def salva(self, percorso, tavolozza=None):
        self.parti.append(_esegui(["gmt", "psxy", "-R0/1/0/1", "-JX1p", "-T", "-O"]))
        with tempfile.TemporaryDirectory() as lavoro:
            ps = os.path.join(lavoro, "t.ps")
            with open(ps, "wb") as f:
                f.write(b"".join(self.parti))
            gs = ["gs", "-q", "-dNOPAUSE", "-dBATCH", "-dSAFER", "-r72", "-g%dx%d" % (self.w, self.h),
                  "-dGraphicsAlphaBits=4", "-dTextAlphaBits=4"]
            if percorso.endswith(".jpg"):
                _esegui(gs + ["-sDEVICE=jpeg", "-dJPEGQ=92", "-sOutputFile=" + percorso, ps])
                return
            ppm = os.path.join(lavoro, "t.ppm")
            _esegui(gs + ["-sDEVICE=ppmraw", "-sOutputFile=" + ppm, ps])
            w, h, rgb = gifpiccolo.leggi_ppm(ppm)
        if tavolozza is None:
            tavolozza = _tavolozza_da(rgb)
        gifpiccolo.scrivi_gif(percorso, w, h, gifpiccolo.riduci(rgb, tavolozza), tavolozza)


def _tavolozza_da(rgb, massimo=64):
    """The most frequent colours of a small picture."""
    conta = {}
    for i in range(0, len(rgb), 3):
        k = rgb[i:i + 3]
        conta[k] = conta.get(k, 0) + 1
    return [tuple(k) for k, _ in sorted(conta.items(), key=lambda t: -t[1])[:massimo]]


def _bandiera(t, nome, x0, larg):
    y0, y1 = FLAG_Y0, FLAG_Y1
    alto = y1 - y0
    if nome == "ing":
        for i in range(13):
            col = (178, 34, 52) if i % 2 == 0 else (255, 255, 255)
            t.rettangolo(x0, y1 - (i + 1) * alto / 13, x0 + larg, y1 - i * alto / 13, col)
        t.rettangolo(x0, y1 - 7 * alto / 13, x0 + larg * 0.42, y1, (60, 59, 110))
        stelle = "".join("%f %f\n" % (x0 + 2 + i * 3.0, y1 - 2 - j * 3.0)
                         for j in range(4) for i in range(5))
        t._strato("psxy", ["-Sc0.9p", "-Gwhite"], stelle)
    elif nome in ("fra", "ita"):
        colori = [(0, 85, 164), (255, 255, 255), (239, 65, 53)] if nome == "fra" else \
                 [(0, 146, 70), (255, 255, 255), (206, 43, 55)]
        for i, col in enumerate(colori):
            t.rettangolo(x0 + i * larg / 3, y0, x0 + (i + 1) * larg / 3, y1, col)
    else:
        t.rettangolo(x0, y0, x0 + larg, y1, (170, 21, 27))
        t.rettangolo(x0, y0 + alto / 4, x0 + larg, y1 - alto / 4, (241, 191, 0))
    t.rettangolo(x0, y0, x0 + larg, y1, (255, 255, 255), None) if False else None
    t.poligono([(x0, y0), (x0 + larg, y0), (x0 + larg, y1), (x0, y1), (x0, y0)], penna="0.5p,40/40/40")


def strisce_bandiere(cartella):
    for scelta, _, _ in BANDIERE:
        t = Tela(181, 34)
        t.rettangolo(0, 0, 181, 34, SFONDO)
        for nome, x0, larg in BANDIERE:
            if nome == scelta:
                t.rettangolo(x0 - 2.5, FLAG_Y0 - 2.5, x0 + larg + 2.5, FLAG_Y1 + 2.5, GIALLO)
            _bandiera(t, nome, x0, larg)
        t.salva(os.path.join(cartella, "lingua%s.gif" % scelta))


def _altoparlante(t, cx, cy, barrato):
    t.poligono([(cx - 12, cy - 5), (cx - 6, cy - 5), (cx + 2, cy - 12), (cx + 2, cy + 12),
                (cx - 6, cy + 5), (cx - 12, cy + 5)], (230, 230, 230), "0.8p,30/30/30")
    for r in (6, 10, 14):
        import math
        arco = [(cx + 2 + r * math.cos(math.radians(a)), cy + r * math.sin(math.radians(a)))
                for a in range(-45, 46, 5)]
        t.linea(arco, "1p,230/230/230")
    if barrato:
        t.linea([(cx - 16, cy - 14), (cx + 18, cy + 14)], "2.2p,220/30/30")
        t.linea([(cx - 16, cy + 14), (cx + 18, cy - 14)], "2.2p,220/30/30")


def altoparlanti(cartella):
    for n, acceso in (("1", True), ("2", False)):
        t = Tela(85, 43)
        t.rettangolo(0, 0, 85, 43, (64, 64, 64))
        if acceso:
            t.rettangolo(1, 1, 42, 42, (40, 110, 60))
        else:
            t.rettangolo(43, 1, 84, 42, (120, 35, 35))
        t.linea([(42.5, 0), (42.5, 43)], "0.8p,20/20/20")
        _altoparlante(t, 19, 21.5, False)
        _altoparlante(t, 62, 21.5, True)
        t.salva(os.path.join(cartella, "altoparlanti%s.jpg" % n))


def distintivo(cartella):
    t = Tela(85, 57)
    t.rettangolo(0, 0, 85, 57, SFONDO)
    t.rettangolo(2, 2, 83, 55, (0, 0, 150), "1p,255/192/192")
    t.livello("pscoast", ["-R-180/180/-90/90", "-JG10/30/30p", "-X4p", "-Y13p", "-Dc", "-A10000",
                          "-G" + _c((206, 192, 146)), "-S" + _c((158, 192, 214))])
    t._strato("psxy", ["-T", "-X-4p", "-Y-13p"])
    t.testo(58, 38, "LINKS", "12p,Helvetica-Bold,255/255/128")
    t.testo(58, 22, "Internet", "8p,Helvetica,255/192/192")
    t.testo(42.5, 9, "maps & chronologies", "5.5p,Helvetica,255/192/192")
    t.salva(os.path.join(cartella, BADGE))


def inserto_decorativo(cartella):
    """The inset that many maps share: a globe and a compass rose on parchment."""
    t = Tela(233, 204)
    t.rettangolo(0, 0, 233, 204, (236, 224, 190))
    t.rettangolo(4, 4, 229, 200, (236, 224, 190), "1.5p,120/90/50")
    t.livello("pscoast", ["-R-180/180/-90/90", "-JG25/30/150p", "-X12p", "-Y36p", "-Dc", "-A5000",
                          "-G" + _c((206, 192, 146)), "-S" + _c((158, 192, 214)), "-W0.4p,92/108/122",
                          "-Bg30", "--MAP_GRID_PEN_PRIMARY=0.25p,120/140/160", "--MAP_FRAME_PEN=0.8p,92/108/122"])
    t._strato("psbasemap", ["-X-12p", "-Y-36p", "-Tdx194/40+w52p+f3+l",
                            "--FONT_TITLE=7p,Times-Bold,120/90/50", "--MAP_TICK_PEN_PRIMARY=0.5p,120/90/50",
                            "--MAP_DEFAULT_PEN=0.6p,120/90/50", "--COLOR_BACKGROUND=236/224/190"])
    t.testo(90, 18, "ATLAS", "11p,Times-Bold,120/90/50")
    t.salva(os.path.join(cartella, "battaglia2.jpg"))


PAGINA = """<!DOCTYPE html>
<html lang="en">
<head>
<meta charset="utf-8">
<title>Links: historical maps and chronologies</title>
<style>
body { background: #000040; color: #ffc0c0; font-family: Arial, sans-serif; margin: 2em; }
h1 { color: #ffffc0; font-size: 1.4em; }
h2 { color: #c0c0ff; font-size: 1.1em; margin-top: 1.5em; }
a { color: #ffff80; }
li { margin: 0.3em 0; }
</style>
</head>
<body>
<h1>Links: historical maps and chronologies</h1>
<p>Collegamenti &middot; Liens &middot; Conexiones &middot; Links</p>
<h2>Historical map collections</h2>
<ul>
<li><a href="https://maps.lib.utexas.edu/maps/historical/">Perry-Casta&ntilde;eda Library Map Collection: historical maps</a></li>
<li><a href="https://www.loc.gov/maps/">Library of Congress: maps collection</a></li>
<li><a href="https://www.davidrumsey.com/">David Rumsey Map Collection</a></li>
<li><a href="https://www.oldmapsonline.org/">Old Maps Online</a></li>
<li><a href="https://commons.wikimedia.org/wiki/Category:Historical_maps">Wikimedia Commons: historical maps</a></li>
</ul>
<h2>Chronologies</h2>
<ul>
<li><a href="https://www.worldhistory.org/timeline/">World History Encyclopedia: timelines</a></li>
<li><a href="https://sourcebooks.fordham.edu/">Internet History Sourcebooks Project</a></li>
<li><a href="https://www.metmuseum.org/toah/chronology/">Heilbrunn Timeline of Art History</a></li>
</ul>
</body>
</html>
"""


def pagina_collegamenti(cartella):
    with open(os.path.join(cartella, "carteindice.htm"), "w", encoding="utf-8") as f:
        f.write(PAGINA)


def genera_tutto(atlante, html):
    strisce_bandiere(atlante)
    altoparlanti(atlante)
    distintivo(atlante)
    inserto_decorativo(atlante)
    pagina_collegamenti(html)


if __name__ == "__main__":
    import sys
    genera_tutto(sys.argv[1], sys.argv[2])
