"""Every overlay label stays legible on its picture.

The picture under a label's caption box (the label's place, 11 px high, as
wide as the caption in the face the screen shows) must keep a WCAG contrast
of at least 3:1 with the label's colour, in every language. The box's tone
is the mean relative luminance of its pixels; the halos aim higher, and at
nearly every pixel of the box one by one, since the glyphs are thin and
anti-aliased and stand on the pixels right under them. Where a territory's tone does
not serve a label, the picture gets a soft halo under that caption: the box
and a feathered margin shaded to a darker tone of the fill under it (under
labels that stand out more on dark) or to a paler tint of it (under the
others, or where that needs clearly less), no more than the label needs. A shade keeps the fill's own hue and never goes near black (no pixel
is taken below PAVIMENTO in all its channels), so that a halo reads as a
deeper tone of its territory, not as a dark box pasted under the text."""

import gifpiccolo
import territori

SOGLIA = 3.0
# The aim, with a margin for the reduction to the palette and for the
# glyphs' anti-aliased edges, which never reach the label's full colour
OBIETTIVO = 4.8
SOGLIA_LOCALE = 4.0
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


def _porta(px, tono, lt, quota):
    """px moved towards the luminance lt on the tone's side (a shade of it,
    or a tint), by quota of the way (1 inside the box, less in the feather);
    a pixel already on the right side of lt stays as it is."""
    l = _lum(px)
    if tono == SCURO:
        if l <= lt:
            return px
        meta = l + (lt - l) * quota
        # the shade that scales its linear light to meta, no darker than the floor
        k = max(OMBRA_MINIMA, meta / l) if l > 0 else 1.0
        return _ombra(px, (1 - k) / (1 - OMBRA_MINIMA))
    if l >= lt:
        return px
    meta = l + (lt - l) * quota
    basso, alto = 0.0, 1.0
    for _ in range(10):
        t = (basso + alto) / 2
        if _lum(_mista(px, tono, t)) >= meta:
            alto = t
        else:
            basso = t
    return _mista(px, tono, alto)


LUCE_MASSIMA = _lum(tuple(round(255 * (1 - TINTA)) for _ in range(3)))
OMBRA_MASSIMA = _lum((PAVIMENTO, PAVIMENTO, PAVIMENTO))
QUOTA_LOCALE = 0.95  # share of a box's pixels that must each reach the contrast


def _servita(interno, lf, obiettivo):
    """True when the box's mean tone and nearly every pixel of it, one by
    one, give the label its contrast: glyphs are thin, and one light patch
    under a white word hides its letters however dark the rest is."""
    lum = [_lum(p) for p in interno]
    if territori.contrasto(lf, sum(lum) / len(lum)) < obiettivo:
        return False
    buoni = sum(1 for l in lum if territori.contrasto(lf, l) >= SOGLIA_LOCALE)
    return buoni >= QUOTA_LOCALE * len(lum)


def _alone(pix, w, h, box, col, obiettivo, forzato=None):
    """Brings every pixel of the box and its feathered margin that the label
    does not stand out on to the luminance that gives it its contrast, a
    shade or a tint of its own colour, no more than it needs."""
    lf = territori.luminanza(col)
    x0, y0, x1, y1 = box
    interno = [pix[y * w + x] for y in range(y0, y1) for x in range(x0, x1)]
    if _servita(interno, lf, obiettivo):
        return
    # the luminance each side must reach, within what a shade or a tint can
    mete = {SCURO: max(OMBRA_MASSIMA, (lf + 0.05) / obiettivo - 0.05),
            CHIARO: min(LUCE_MASSIMA, obiettivo * (lf + 0.05) - 0.05)}
    # the side on which the label's colour stands out more, so that the labels
    # of one colour get halos of one kind, unless the other side needs clearly
    # less (a red label on a pale territory gets a pale halo, not a dark one)
    preferito, altro = sorted((SCURO, CHIARO), key=lambda tono: -territori.contrasto(lf, _lum_tono(tono)))

    def costo(tono):
        lt = mete[tono]
        return sum(max(0.0, _lum(p) - lt) if tono == SCURO else max(0.0, lt - _lum(p)) for p in interno)

    def riesce(tono):
        return territori.contrasto(lf, mete[tono]) >= SOGLIA

    if forzato is not None:
        # a label at a place where another language's label has another
        # colour: the halo goes the way every colour there can take; a
        # label that stands out on the other side gets none of its own (the
        # others' halo, brought no further than they need, serves it)
        if forzato != preferito:
            return
        tono = forzato
    elif riesce(preferito) and (not riesce(altro) or costo(preferito) <= 1.5 * costo(altro)):
        tono = preferito
    elif riesce(altro):
        tono = altro
    else:
        tono = max((preferito, altro), key=lambda t: territori.contrasto(lf, mete[t]))
    lt = mete[tono]
    # inside the box the full move, outside it fading over PIUMA pixels
    # with the distance from the box, so that the halo has soft, round edges
    for y in range(max(0, y0 - PIUMA), min(h, y1 + PIUMA)):
        for x in range(max(0, x0 - PIUMA), min(w, x1 + PIUMA)):
            dx = max(x0 - x, x - (x1 - 1), 0)
            dy = max(y0 - y, y - (y1 - 1), 0)
            d = (dx * dx + dy * dy) ** 0.5
            quota = 1.0 if d == 0 else max(0.0, 1.0 - d / (PIUMA + 0.5))
            if quota > 0:
                pix[y * w + x] = _porta(pix[y * w + x], tono, lt, quota)


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
