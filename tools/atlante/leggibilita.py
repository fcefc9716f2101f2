"""Every overlay label stays legible on its picture.

The picture under a label's caption box (the label's place, 11 px high, as
wide as the caption in the face the screen shows) must keep a WCAG contrast
of at least 3:1 with the label's colour, in every language. The box's tone
is the mean relative luminance of its pixels. Where a territory's tone does
not serve a label, the picture gets a soft halo under that caption: the box
and a feathered margin shaded to a darker tone of the fill under it (under
labels that stand out more on dark) or to a paler tint of it (under the
others, or where that needs clearly less), no more than the label needs. A shade keeps the fill's own hue and never goes near black (no pixel
is taken below PAVIMENTO in all its channels), so that a halo reads as a
deeper tone of its territory, not as a dark box pasted under the text."""

import gifpiccolo
import territori

SOGLIA = 3.0
OBIETTIVO = 3.4  # a margin for the reduction to the palette
SCURO = "ombra"  # the dark side: a shade of the pixel's own colour
CHIARO = "luce"  # the light side: a pale tint of the pixel's own colour
TINTA = 0.12  # the palest tint keeps this share of the pixel's colour
PIUMA = 4  # pixels over which a halo fades out around its box
# The darkest shade: this share of the fill's linear light; and the floor
# that no shaded pixel goes under in all three channels (a picture keeps
# very few pixels that dark: they read as black boxes on the screen).
OMBRA_MINIMA = 0.2
PAVIMENTO = 72

_LIN = [territori.luminanza((v, 0, 0)) / 0.2126 for v in range(256)]


def _lum(c):
    return 0.2126 * _LIN[c[0]] + 0.7152 * _LIN[c[1]] + 0.0722 * _LIN[c[2]]


_DELIN = [0.0] * 4097
for _i in range(4097):
    _v = _i / 4096
    _DELIN[_i] = 255 * (_v * 12.92 if _v <= 0.0031308 else 1.055 * _v ** (1 / 2.4) - 0.055)


def _ombra(px, t):
    """px shaded by t (0..1): its linear light scaled towards OMBRA_MINIMA,
    the hue kept; a pixel already darker than the floor stays as it is, and
    none is taken under it."""
    if max(px) < PAVIMENTO:
        return px
    k = 1 - t * (1 - OMBRA_MINIMA)
    q = [_DELIN[min(4096, round(_LIN[v] * k * 4096))] for v in px]
    m = max(q)
    if m < PAVIMENTO:
        q = [v * PAVIMENTO / m for v in q]
    return tuple(min(255, round(v)) for v in q)


def _mista(px, tono, t):
    if tono == SCURO:
        return _ombra(px, t)
    # towards a pale tint of the pixel itself (sea under a label stays a
    # pale blue, a pale fill a paler one), not towards one cream for all
    return tuple(round(a * (1 - t) + (a * TINTA + 255 * (1 - TINTA)) * t) for a in px)


def _lum_tono(tono):
    """The tone's luminance, for choosing the side a label stands out on:
    for the shade, that of its floor."""
    return _lum((PAVIMENTO, PAVIMENTO, PAVIMENTO) if tono == SCURO else (240, 240, 240))


def _scatole(etichette, w, h):
    """(label, box) pairs in a fixed order."""
    righe = []
    for e in sorted(etichette, key=lambda e: (e[1], e[0], e[2])):
        lingua, carta, i, testo, left, top, larg, col = e
        box = territori.scatola(left, top, larg, w, h)
        if box:
            righe.append((e, box))
    return righe


def _media(pix, w, box):
    x0, y0, x1, y1 = box
    tot = 0.0
    for y in range(y0, y1):
        for x in range(x0, x1):
            tot += _lum(pix[y * w + x])
    return tot / ((x1 - x0) * (y1 - y0))


def _quanto(interno, lf, tono, obiettivo):
    """The least blend towards tono that gives the box the contrast, or
    None when even the full tone does not."""
    t = 0.0
    while t <= 1.0:
        m = sum(_lum(_mista(p, tono, t)) for p in interno) / len(interno)
        if territori.contrasto(lf, m) >= obiettivo:
            return t
        t += 0.05
    return None


def _alone(pix, w, h, box, col, obiettivo, forzato=None):
    """Blends the box and its feathered margin towards the tone that gives
    the label its contrast, no more than it needs."""
    lf = territori.luminanza(col)
    if territori.contrasto(lf, _media(pix, w, box)) >= obiettivo:
        return
    x0, y0, x1, y1 = box
    interno = [pix[y * w + x] for y in range(y0, y1) for x in range(x0, x1)]
    # the side on which the label's colour stands out more, so that the labels
    # of one colour get halos of one kind, unless the other side needs clearly
    # less (a red label on a pale territory gets a pale halo, not a dark one)
    preferito, altro = sorted((SCURO, CHIARO), key=lambda tono: -territori.contrasto(lf, _lum_tono(tono)))
    t1 = _quanto(interno, lf, preferito, obiettivo)
    t2 = _quanto(interno, lf, altro, obiettivo)
    if forzato is not None:
        t1, t2 = (t1, None) if forzato == preferito else (None, t2)
    if t1 is None and t2 is None:
        return
    if t1 is not None and (t2 is None or t1 <= 1.5 * t2):
        t, tono = t1, preferito
    else:
        t, tono = t2, altro
    # inside the box the full blend, outside it fading over PIUMA pixels
    # with the distance from the box, so that the halo has soft, round edges
    for y in range(max(0, y0 - PIUMA), min(h, y1 + PIUMA)):
        for x in range(max(0, x0 - PIUMA), min(w, x1 + PIUMA)):
            dx = max(x0 - x, x - (x1 - 1), 0)
            dy = max(y0 - y, y - (y1 - 1), 0)
            d = (dx * dx + dy * dy) ** 0.5
            quota = 1.0 if d == 0 else max(0.0, 1.0 - d / (PIUMA + 0.5))
            if quota > 0:
                pix[y * w + x] = _mista(pix[y * w + x], tono, t * quota)


def misura(pix, w, h, etichette):
    """Per language: (labels, labels at 3:1 or more, lowest as (contrast,
    map, index, caption))."""
    lingue = {}
    for e, box in _scatole(etichette, w, h):
        lingua, carta, i, testo, left, top, larg, col = e
        c = territori.contrasto(territori.luminanza(col), _media(pix, w, box))
        n, ok, basso = lingue.get(lingua, (0, 0, None))
        voce = (round(c, 2), carta, i, testo.strip())
        lingue[lingua] = (n + 1, ok + (c >= SOGLIA), min(basso, voce) if basso else voce)
    return lingue


def rendi_leggibile(w, h, rgb, etichette, puri, fai_tavolozza, dopo_aloni=None):
    """Halos where needed, then the palette; returns (rgb, palette, index
    bytes, contrast figures of the final picture). dopo_aloni(pixels), if
    given, paints over the picture after the halos (marks no halo may tint)."""
    pix = [tuple(rgb[k:k + 3]) for k in range(0, len(rgb), 3)]
    scatole = _scatole(etichette, w, h)
    # a label at one place may have different colours in different languages
    # (black in one, red in another): their halos must go the same way, the
    # one on which every colour there reaches the contrast
    colori = {}
    for e, box in scatole:
        colori.setdefault((e[4], e[5]), set()).add(e[7])
    forzati = {}
    for posto, insieme in colori.items():
        if len(insieme) > 1:
            forzati[posto] = max((SCURO, CHIARO), key=lambda tono: min(
                territori.contrasto(territori.luminanza(c), _lum_tono(tono)) for c in insieme))
    obiettivo = OBIETTIVO
    for giro in range(3):
        for e, box in scatole:
            _alone(pix, w, h, box, e[7], obiettivo, forzati.get((e[4], e[5])))
        if dopo_aloni:
            dopo_aloni(pix)
        rgb = b"".join(bytes(p) for p in pix)
        tav = fai_tavolozza(rgb, puri, 256)
        indici = gifpiccolo.riduci(rgb, tav)
        finale = [tav[i] for i in indici]
        bassi = [(e, box) for e, box in scatole
                 if territori.contrasto(territori.luminanza(e[7]), _media(finale, w, box)) < SOGLIA]
        if not bassi:
            break
        scatole = bassi
        obiettivo += 0.4
    return rgb, tav, indici, misura(finale, w, h, etichette)
