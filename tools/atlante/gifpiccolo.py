"""Small picture helpers without outside modules: reading the PPM files that
Ghostscript writes, reducing a picture to a small palette, shrinking it, and
writing GIF (LZW) files."""

import struct


def leggi_ppm(percorso):
    """Returns (width, height, rgb bytes) of a binary PPM (P6) file."""
    with open(percorso, "rb") as f:
        dati = f.read()
    campi = []
    pos = 0
    while len(campi) < 4:
        while dati[pos:pos + 1].isspace():
            pos += 1
        if dati[pos:pos + 1] == b"#":
            while dati[pos:pos + 1] not in (b"\n", b""):
                pos += 1
            continue
        inizio = pos
        while not dati[pos:pos + 1].isspace():
            pos += 1
        campi.append(dati[inizio:pos])
    if campi[0] != b"P6" or int(campi[3]) != 255:
        raise ValueError(percorso + ": not an 8-bit binary PPM")
    larghezza, altezza = int(campi[1]), int(campi[2])
    pos += 1
    rgb = dati[pos:pos + larghezza * altezza * 3]
    if len(rgb) != larghezza * altezza * 3:
        raise ValueError(percorso + ": short PPM")
    return larghezza, altezza, rgb


def tavolozza_con_sfumature(colori_base, passi=(1 / 3, 2 / 3)):
    """The base colours followed by blends of every pair, so that anti-aliased
    edges keep a smooth look after the reduction."""
    tav = [tuple(c) for c in colori_base]
    for i in range(len(colori_base)):
        for j in range(i + 1, len(colori_base)):
            for t in passi:
                c = tuple(round(a * (1 - t) + b * t) for a, b in zip(colori_base[i], colori_base[j]))
                if c not in tav:
                    tav.append(c)
    return tav


def riduci(rgb, tavolozza):
    """Index bytes: every pixel becomes the nearest colour of the palette."""
    cache = {}
    indici = bytearray(len(rgb) // 3)
    for k in range(len(indici)):
        px = rgb[3 * k:3 * k + 3]
        i = cache.get(px)
        if i is None:
            r, g, b = px
            migliore, dist = 0, 1 << 30
            for n, (pr, pg, pb) in enumerate(tavolozza):
                d = (r - pr) * (r - pr) * 3 + (g - pg) * (g - pg) * 4 + (b - pb) * (b - pb) * 2
                if d < dist:
                    migliore, dist = n, d
            i = cache[px] = migliore
        indici[k] = i
    return bytes(indici)


def rimpicciolisci(larghezza, altezza, rgb, nuova_l, nuova_a):
    """Area-average shrink of an RGB picture."""
    out = bytearray(nuova_l * nuova_a * 3)
    sx = larghezza / nuova_l
    sy = altezza / nuova_a
    for y in range(nuova_a):
        y0, y1 = int(y * sy), max(int(y * sy) + 1, int((y + 1) * sy))
        for x in range(nuova_l):
            x0, x1 = int(x * sx), max(int(x * sx) + 1, int((x + 1) * sx))
            tot = [0, 0, 0]
            n = 0
            for yy in range(y0, min(y1, altezza)):
                riga = yy * larghezza
                for xx in range(x0, min(x1, larghezza)):
                    p = 3 * (riga + xx)
                    tot[0] += rgb[p]
                    tot[1] += rgb[p + 1]
                    tot[2] += rgb[p + 2]
                    n += 1
            q = 3 * (y * nuova_l + x)
            out[q:q + 3] = bytes(round(t / n) for t in tot)
    return bytes(out)


def _lzw(indici, min_bit):
    chiaro = 1 << min_bit
    fine = chiaro + 1
    uscita = bytearray()
    accum = 0
    nbit = 0

    def emetti(codice, ampiezza):
        nonlocal accum, nbit
        accum |= codice << nbit
        nbit += ampiezza
        while nbit >= 8:
            uscita.append(accum & 0xFF)
            accum >>= 8
            nbit -= 8

    def nuovo_dizionario():
        return {bytes([i]): i for i in range(chiaro)}

    diz = nuovo_dizionario()
    ampiezza = min_bit + 1
    prossimo = fine + 1
    emetti(chiaro, ampiezza)
    w = b""
    for c in indici:
        wc = w + bytes([c])
        if wc in diz:
            w = wc
            continue
        emetti(diz[w], ampiezza)
        if prossimo < 4096:
            if prossimo == (1 << ampiezza):
                ampiezza += 1
            diz[wc] = prossimo
            prossimo += 1
        else:
            emetti(chiaro, ampiezza)
            diz = nuovo_dizionario()
            ampiezza = min_bit + 1
            prossimo = fine + 1
        w = bytes([c])
    if w:
        emetti(diz[w], ampiezza)
    emetti(fine, ampiezza)
    if nbit:
        uscita.append(accum & 0xFF)
    return bytes(uscita)


def scrivi_gif(percorso, larghezza, altezza, indici, tavolozza):
    n = 2
    while n < len(tavolozza):
        n *= 2
    bit = max(1, n.bit_length() - 1)
    tav = list(tavolozza) + [(0, 0, 0)] * (n - len(tavolozza))
    testa = b"GIF89a" + struct.pack("<HHBBB", larghezza, altezza, 0x80 | (bit - 1), 0, 0)
    testa += b"".join(bytes(c) for c in tav)
    min_bit = max(2, bit)
    dati = _lzw(indici, min_bit)
    blocchi = bytearray()
    for i in range(0, len(dati), 255):
        pezzo = dati[i:i + 255]
        blocchi.append(len(pezzo))
        blocchi += pezzo
    blocchi.append(0)
    immagine = b"," + struct.pack("<HHHHB", 0, 0, larghezza, altezza, 0) + bytes([min_bit]) + bytes(blocchi)
    with open(percorso, "wb") as f:
        f.write(testa + immagine + b";")
