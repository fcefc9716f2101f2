#!/usr/bin/env python3
"""Writes the fifteen background tracks into suoni900/ as Standard MIDI Files.

Each track is a tune in the public domain (traditional songs, Baroque and
Classical works) or a tune of our own, arranged here for a few General MIDI
instruments. The output is the same at every run.

    python3 tools/brani/genera_brani.py [output folder, default: suoni900]
"""
import os
import random
import struct
import sys

PPQ = 480

# --------------------------------------------------------------------------
# Notes, tunes and chords

NOMI = {'C': 0, 'D': 2, 'E': 4, 'F': 5, 'G': 7, 'A': 9, 'B': 11}


def altezza(nome):
    """'C#5' -> 73 (C4 is middle C, 60)."""
    n = NOMI[nome[0]]
    i = 1
    while i < len(nome) and nome[i] in '#b':
        n += 1 if nome[i] == '#' else -1
        i += 1
    return n + 12 * (int(nome[i:]) + 1)


def melodia(testo):
    """'E5:1 F5:.5 G5 R:2' -> [(76, 1), (77, .5), (79, .5), (None, 2)].
    A note without a length keeps the length of the one before it."""
    out, durata = [], 1.0
    for segno in testo.split():
        if segno == '|':
            continue
        if ':' in segno:
            segno, d = segno.split(':')
            durata = float(d)
        out.append((None if segno == 'R' else altezza(segno), durata))
    return out


def lunghezza(mel):
    return sum(d for _, d in mel)


INTERVALLI = {'': (0, 4, 7), 'm': (0, 3, 7), '7': (0, 4, 7, 10), 'm7': (0, 3, 7, 10),
              'maj7': (0, 4, 7, 11), 'dim': (0, 3, 6), 'sus4': (0, 5, 7)}


def accordo(nome):
    """'F#m' -> (6, (0, 3, 7))."""
    radice = NOMI[nome[0]]
    i = 1
    while i < len(nome) and nome[i] in '#b':
        radice += 1 if nome[i] == '#' else -1
        i += 1
    return radice % 12, INTERVALLI[nome[i:]]


def controlla(mel, accordi, metro):
    """A tune and its chords must take the same number of bars."""
    assert abs(lunghezza(mel) - metro * len(accordi.split())) < 1e-6, (lunghezza(mel), len(accordi.split()))


def progressione(testo, metro, t0=0.0):
    """Bars separated by blanks, a bar split evenly by '|', '-' for no chord.
    -> [(start, length, chord or None)]"""
    out, t = [], t0
    for battuta in testo.split():
        parti = battuta.split('|')
        d = metro / len(parti)
        for nome in parti:
            out.append((t, d, None if nome == '-' else accordo(nome)))
            t += d
    return out


def toni(acc, centro):
    """The chord in close position, its root at or just below centro."""
    radice, intervalli = acc
    base = centro - ((centro - radice) % 12)
    return [base + i for i in intervalli]


def pcs_accordo(acc):
    return {(acc[0] + i) % 12 for i in acc[1]}


def scala_su(acc, scala):
    """The key's scale, bent to the chord (the leading note over a dominant)."""
    chord = pcs_accordo(acc)
    pcs = {p for p in scala if not any((p - c) % 12 in (1, 11) for c in chord)}
    return pcs | chord


def passo(p, direzione, pcs):
    q = p + direzione
    while q % 12 not in pcs:
        q += direzione
    return q


def tono_vicino(p, acc, direzione):
    """The next chord tone strictly above (1) or below (-1) p."""
    chord = pcs_accordo(acc)
    q = p + direzione
    while q % 12 not in chord:
        q += direzione
    return q


SCALA_MAGGIORE = (0, 2, 4, 5, 7, 9, 11)
SCALA_MINORE = (0, 2, 3, 5, 7, 8, 10)
SCALA_DORICA = (0, 2, 3, 5, 7, 9, 10)


def scala(tonica, modo):
    return {(NOMI[tonica[0]] + (1 if tonica[1:] == '#' else -1 if tonica[1:] == 'b' else 0) + i) % 12
            for i in modo}


# --------------------------------------------------------------------------
# Tracks, parts, and the file format

class Parte:
    def __init__(self, brano, nome, programma, canale, volume, pan, riverbero):
        self.brano, self.nome, self.programma, self.canale = brano, nome, programma, canale
        self.volume, self.pan, self.riverbero = volume, pan, riverbero
        self.note = []

    def nota(self, t, d, p, v):
        if p is None or d <= 0:
            return
        v = max(1, min(127, v + self.brano.caso.randint(-5, 5)))
        self.note.append((t, d, p, v))

    def linea(self, t, mel, v=90, trasp=0, legato=0.92):
        for p, d in mel:
            if p is not None:
                self.nota(t, d * legato, p + trasp, v)
            t += d
        return t


class Brano:
    def __init__(self, file, titolo, bpm, metro, denominatore=4):
        self.file, self.titolo, self.bpm = file, titolo, bpm
        self.metro, self.denominatore = metro, denominatore
        self.parti = []
        self.caso = random.Random(file)
        self._canali = [c for c in range(16) if c != 9]

    def parte(self, nome, programma, volume=100, pan=64, riverbero=50):
        canale = 9 if programma is None else self._canali.pop(0)
        p = Parte(self, nome, programma or 0, canale, volume, pan, riverbero)
        self.parti.append(p)
        return p

    def fine(self):
        return max(t + d for p in self.parti for t, d, _, _ in p.note)

    def secondi(self):
        return (self.fine() + 1) * 60.0 / self.bpm

    def dati(self):
        tracce = []
        testa = bytearray()
        testa += evento(0, b'\xff\x03' + vlq(len(self.titolo)) + self.titolo.encode('ascii'))
        testa += evento(0, b'\xff\x51\x03' + struct.pack('>I', round(60000000 / self.bpm))[1:])
        esponente = {2: 1, 4: 2, 8: 3}[self.denominatore]
        numeratore = round(self.metro * self.denominatore / 4)
        testa += evento(0, bytes([0xff, 0x58, 4, numeratore, esponente, 24, 8]))
        fine = round((self.fine() + 1) * PPQ)
        testa += evento(fine, b'\xff\x2f\x00')
        tracce.append(assoluti(testa))
        for parte in self.parti:
            c = parte.canale
            eventi = [(0, 0, b'\xff\x03' + vlq(len(parte.nome)) + parte.nome.encode('ascii'))]
            if c != 9:
                eventi.append((0, 1, bytes([0xC0 | c, parte.programma])))
            eventi += [(0, 2, bytes([0xB0 | c, 7, parte.volume])),
                       (0, 2, bytes([0xB0 | c, 10, parte.pan])),
                       (0, 2, bytes([0xB0 | c, 91, parte.riverbero]))]
            for t, d, p, v in parte.note:
                inizio = round(t * PPQ)
                termine = max(inizio + 1, round((t + d) * PPQ))
                eventi.append((inizio, 4, bytes([0x90 | c, p, v])))
                eventi.append((termine, 3, bytes([0x80 | c, p, 64])))
            eventi.sort(key=lambda e: (e[0], e[1]))
            corpo = bytearray()
            for tick, _, dati in eventi:
                corpo += evento(tick, dati)
            corpo += evento(fine, b'\xff\x2f\x00')
            tracce.append(assoluti(corpo))
        out = b'MThd' + struct.pack('>IHHH', 6, 1, len(tracce), PPQ)
        for traccia in tracce:
            out += b'MTrk' + struct.pack('>I', len(traccia)) + traccia
        return out


def vlq(v):
    out = [v & 0x7F]
    v >>= 7
    while v:
        out.insert(0, (v & 0x7F) | 0x80)
        v >>= 7
    return bytes(out)


def evento(tick, dati):
    # Events carry absolute ticks until the track is put together.
    return struct.pack('>I', tick) + struct.pack('>H', len(dati)) + dati


def assoluti(grezzo):
    """Absolute-time records -> delta-time track data."""
    out, i, prima = bytearray(), 0, 0
    while i < len(grezzo):
        tick = struct.unpack('>I', grezzo[i:i + 4])[0]
        n = struct.unpack('>H', grezzo[i + 4:i + 6])[0]
        dati = grezzo[i + 6:i + 6 + n]
        i += 6 + n
        assert tick >= prima, 'events out of order'
        out += vlq(tick - prima) + dati
        prima = tick
    return bytes(out)


# --------------------------------------------------------------------------
# Accompaniment

def blocchi(parte, prog, centro=60, v=55, legato=0.98):
    for t, d, a in prog:
        if a:
            for p in toni(a, centro):
                parte.nota(t, d * legato, p, v)


def basso(parte, prog, centro=43, v=80, stile='radice', battito=1.0):
    """stile: 'radice' held; 'quinta' root then fifth each half; 'battiti'
    root on every beat; 'valzer' root on the first beat only."""
    for t, d, a in prog:
        if not a:
            continue
        r = toni(a, centro)[0]
        if stile == 'radice':
            parte.nota(t, d * 0.95, r, v)
        elif stile == 'valzer':
            parte.nota(t, min(d, battito) * 0.9, r, v)
        elif stile == 'quinta':
            quinta = r + 7 if r + 7 <= centro + 7 else r - 5
            meta = d / 2
            parte.nota(t, meta * 0.9, r, v)
            parte.nota(t + meta, meta * 0.9, quinta, v - 8)
        elif stile == 'battiti':
            k = 0
            while k * battito < d - 1e-9:
                parte.nota(t + k * battito, battito * 0.85, r if k % 2 == 0 else r + 7 - 12 * (r + 7 > centro + 7), v)
                k += 1


def ritmati(parte, prog, centro, schema, v=55):
    """Chords struck at the offsets of schema [(offset, length)] in each chord's span."""
    for t, d, a in prog:
        if not a:
            continue
        for offset, lung in schema:
            if offset < d - 1e-9:
                for p in toni(a, centro):
                    parte.nota(t + offset, min(lung, d - offset) * 0.95, p, v)


def arpeggio(parte, prog, centro, passo_=0.5, disegno=(0, 1, 2, 3, 2, 1), v=60, legato=1.6):
    """Broken chords: disegno indexes the chord's tones and their octave."""
    for t, d, a in prog:
        if not a:
            continue
        base = toni(a, centro)[:3]
        suoni = base + [q + 12 for q in base]
        k = 0
        while k * passo_ < d - 1e-9:
            parte.nota(t + k * passo_, min(passo_ * legato, d - k * passo_), suoni[disegno[k % len(disegno)]], v)
            k += 1


def batteria(parte, t0, battute, metro, schema, v=70):
    """schema: {drum: [offsets in the bar]}"""
    for b in range(battute):
        for strumento, offsets in schema.items():
            for o in offsets:
                parte.nota(t0 + b * metro + o, 0.2, strumento, v + (10 if o == 0 else 0))


def accordo_finale(parti_centri, t, d, acc, v=60):
    for parte, centro in parti_centri:
        for p in toni(accordo(acc), centro):
            parte.nota(t, d, p, v)


# --------------------------------------------------------------------------
# Figures over a chord, for the grounds (canons, variations)

def fig_tenuta(p, acc, pcs, d):
    return [(p, d)]


def fig_quarti(p, acc, pcs, d):
    out, q = [], p
    for k in range(int(d)):
        out.append((q, 1))
        q = tono_vicino(q, acc, -1) if k % 2 == 0 else p
    return out


def fig_discesa(p, acc, pcs, d):
    q = tono_vicino(p, acc, 1)
    out = []
    for _ in range(int(d * 2)):
        out.append((q, 0.5))
        q = passo(q, -1, pcs)
    return out


def fig_arpeggio(p, acc, pcs, d):
    n = int(d * 2)
    su, q = [], p
    for _ in range((n + 1) // 2):
        su.append(q)
        q = tono_vicino(q, acc, 1)
    giu = list(reversed(su))[1:n - len(su) + 1]
    while len(su) + len(giu) < n:
        giu.append(su[0])
    return [(x, 0.5) for x in su + giu]


def fig_puntata(p, acc, pcs, d):
    if d >= 3:
        return [(p, 1), (p, d - 1.5), (passo(p, 1, pcs), 0.5)]
    return [(p, d - 0.5), (passo(p, 1, pcs), 0.5)]


def fig_volta(p, acc, pcs, d):
    su, giu = passo(p, 1, pcs), passo(p, -1, pcs)
    out = [(p, 0.25), (su, 0.25), (p, 0.25), (giu, 0.25)]
    resto = d - 1
    alto = tono_vicino(p, acc, 1)
    while resto > 1e-9:
        out += [(alto, 0.5), (p, 0.5)] if resto >= 1 else [(p, resto)]
        resto -= min(resto, 1)
    return out


def figure_su(linea, prog, scala_, figura, trasp=0):
    out = []
    for p, (t, d, a) in zip(linea, prog):
        out += figura(p + trasp, a, scala_su(a, scala_), d)
    return out


# --------------------------------------------------------------------------
# The fifteen tracks

def sonata_c():
    # Ode to Joy (Beethoven), as a little sonatina for piano, flute and strings.
    b = Brano('sonata-c.mid', 'Sonatina in C', 104, 4)
    tema = melodia('''
        E5:1 E5 F5 G5 | G5 F5 E5 D5 | C5 C5 D5 E5 | E5:1.5 D5:.5 D5:2 |
        E5:1 E5 F5 G5 | G5 F5 E5 D5 | C5 C5 D5 E5 | D5:1.5 C5:.5 C5:2 |
        D5:1 D5 E5 C5 | D5 E5:.5 F5 E5:1 C5 | D5 E5:.5 F5 E5:1 D5 | C5 D5 G4:2 |
        E5:1 E5 F5 G5 | G5 F5 E5 D5 | C5 C5 D5 E5 | D5:1.5 C5:.5 C5:2''')
    accordi = 'C G C G C G C G|C G|C G|C G C|G C G C G|C'
    controlla(tema, accordi, 4)
    dx = b.parte('Piano right hand', 0, 100, 58)
    sx = b.parte('Piano left hand', 0, 85, 52)
    flauto = b.parte('Flute', 73, 95, 76)
    archi = b.parte('Strings', 48, 70, 64)
    bassi = b.parte('Pizzicato bass', 45, 80, 60)
    t = 0.0
    for giro in range(3):
        prog = progressione(accordi, 4, t)
        if giro == 1:
            flauto.linea(t, tema, 92)
            blocchi(archi, prog, 62, 48)
            basso(bassi, prog, 40, 78, 'quinta')
        else:
            dx.linea(t, tema, 88, 12 if giro == 2 else 0)
        arpeggio(sx, prog, 55, 0.5, (0, 2, 1, 2), 58, 1.0)
        t += 64
    accordo_finale([(dx, 72), (sx, 55), (archi, 62)], t, 4, 'C')
    bassi.nota(t, 4, 36, 80)
    return b


def passport():
    # When the Saints Go Marching In (traditional), a small street band.
    b = Brano('passport.mid', 'Marching In', 168, 4)
    tema = melodia('''
        R:1 C5 E5 F5 | G5:4 | R:1 C5 E5 F5 | G5:4 | R:1 C5 E5 F5 | G5:2 E5 | C5 E5 | D5:4 |
        R:1 E5 E5 D5 | C5:3 C5:1 | E5:2 G5 | G5:1 F5:3 | R:1 E5 F5 G5 | E5:2 C5 | D5:4 | C5:4''')
    accordi = 'C C C C C C C G G C C7 F C C G C'
    controlla(tema, accordi, 4)
    voci = [('Trumpet', 56, 0), ('Clarinet', 71, 0), ('Trombone', 57, -12)]
    parti = {nome: b.parte(nome, prog, 100, pan) for (nome, prog, _), pan in zip(voci, (70, 50, 80))}
    piano = b.parte('Piano', 0, 75, 40)
    tuba = b.parte('Tuba', 58, 90, 64)
    tamburi = b.parte('Drums', None, 80)
    t = 0.0
    batteria(tamburi, t, 2, 4, {42: [1, 3], 36: [0, 2]}, 60)
    basso(tuba, progressione('C G', 4, t), 36, 85, 'quinta')
    t += 8
    for giro in range(4):
        prog = progressione(accordi, 4, t)
        nome, _, trasp = voci[giro % 3]
        parti[nome].linea(t, tema, 96, trasp)
        if giro == 3:
            parti['Clarinet'].linea(t, tema, 80, 12)
        ritmati(piano, prog, 60, [(1, 0.5), (3, 0.5)], 55)
        basso(piano, prog, 43, 60, 'quinta')
        basso(tuba, prog, 36, 85, 'quinta')
        batteria(tamburi, t, 16, 4, {42: [1, 3], 51: [0, 1, 2, 2.67, 3, 3.67], 36: [0, 2]}, 55)
        t += 64
    accordo_finale([(parti['Trumpet'], 72), (parti['Clarinet'], 64), (piano, 60)], t, 4, 'C')
    tuba.nota(t, 4, 36, 90)
    tamburi.nota(t, 1, 49, 90)
    return b


def air():
    # Greensleeves (traditional), for recorder, flute, guitar and strings.
    b = Brano('air.mid', 'Greensleeves', 96, 3)
    levare = melodia('R:2 A4:1')
    tema = melodia('''
        C5:2 D5:1 | E5:1.5 F5:.5 E5:1 | D5:2 B4:1 | G4:1.5 A4:.5 B4:1 |
        C5:2 A4:1 | A4:1.5 G#4:.5 A4:1 | B4:2 G#4:1 | E4:2 A4:1 |
        C5:2 D5:1 | E5:1.5 F5:.5 E5:1 | D5:2 B4:1 | G4:1.5 A4:.5 B4:1 |
        C5:1.5 B4:.5 A4:1 | G#4:1.5 F#4:.5 G#4:1 | A4:3 | A4:2 R:1 |
        G5:3 | G5:1.5 F#5:.5 E5:1 | D5:2 B4:1 | G4:1.5 A4:.5 B4:1 |
        C5:2 A4:1 | A4:1.5 G#4:.5 A4:1 | B4:2 G#4:1 | E4:3 |
        G5:3 | G5:1.5 F#5:.5 E5:1 | D5:2 B4:1 | G4:1.5 A4:.5 B4:1 |
        C5:1.5 B4:.5 A4:1 | G#4:1.5 F#4:.5 G#4:1 | A4:3 | A4:3''')
    accordi = ('Am C G Em Am F|E E E Am C G Em Am E Am Am '
               'C Em G Em Am F|E E E C Em G Em Am E Am Am')
    controlla(tema, accordi, 3)
    flauto_dolce = b.parte('Recorder', 74, 95, 70)
    flauto = b.parte('Flute', 73, 95, 70)
    chitarra = b.parte('Guitar', 24, 90, 50)
    archi = b.parte('Slow strings', 49, 65, 64)
    violoncello = b.parte('Cello', 42, 80, 56)
    t = 0.0
    for giro in range(2):
        (flauto_dolce if giro == 0 else flauto).linea(t, levare + tema, 92, 0, 0.95)
        prog = progressione('Am ' + accordi, 3, t)
        arpeggio(chitarra, prog, 52, 0.5, (0, 1, 2, 3, 2, 1), 62)
        if giro == 1:
            blocchi(archi, prog, 60, 45)
            basso(violoncello, prog, 45, 70, 'radice')
        t += 3 + lunghezza(tema)
    accordo_finale([(chitarra, 57), (archi, 60)], t, 6, 'Am')
    violoncello.nota(t, 6, 45, 70)
    flauto.nota(t, 6, 69, 80)
    return b


def air2():
    # Scarborough Fair (traditional), for oboe, harp and strings.
    b = Brano('air2.mid', 'Scarborough Fair', 100, 3)
    tema = melodia('''
        D4:2 D4:1 | A4:2 A4:1 | E4:1.5 F4:.5 E4:1 | D4:3 |
        R:1 A4:1 C5:1 | D5:2 C5:1 | A4:1 B4:1 G4:1 | A4:3 |
        R:1 D5:1 D5:1 | D5:2 C5:1 | A4:1 A4:1 G4:1 | F4:1 E4:1 C4:1 |
        D4:2 A4:1 | G4:2 F4:1 | E4:1 D4:1 C4:1 | D4:3''')
    accordi = 'Dm Dm C Dm F Dm G Am Dm Dm F F|C Dm C Am Dm'
    controlla(tema, accordi, 3)
    voci = [b.parte('Oboe', 68, 95, 70), b.parte('English horn', 69, 95, 58), b.parte('Flute', 73, 90, 74)]
    arpa = b.parte('Harp', 46, 85, 48)
    archi = b.parte('Strings', 48, 60, 64)
    basso_ = b.parte('Fretless bass', 35, 80, 64)
    t = 0.0
    arpeggio(arpa, progressione('Dm Dm', 3, t), 50, 0.5, (0, 1, 2, 3, 2, 1), 60)
    t += 6
    for giro in range(3):
        prog = progressione(accordi, 3, t)
        voci[giro].linea(t, tema, 92, 12 if giro == 2 else 0, 0.97)
        arpeggio(arpa, prog, 50, 0.5, (0, 1, 2, 3, 4, 3) if giro == 1 else (0, 1, 2, 3, 2, 1), 60)
        if giro > 0:
            blocchi(archi, prog, 62, 45)
        basso(basso_, prog, 40, 72, 'radice')
        t += lunghezza(tema)
    accordo_finale([(arpa, 50), (archi, 62)], t, 6, 'Dm')
    basso_.nota(t, 6, 38, 75)
    return b


def canone(b, accordi_, linea, bassi, scala_, variazioni, strumenti, continuo, ripresa):
    """A canon on a ground: every voice plays the same variations in turn,
    one turn of the ground after the one before it."""
    giro_battute = 16.0
    cont = b.parte('Continuo', continuo, 70, 40)
    basso_ = b.parte('Cello', 42, 88, 56)
    voci = [b.parte(nome, prog, 92, pan) for nome, prog, pan in strumenti]
    giri = 1 + len(variazioni) + len(voci) - 1
    for g in range(giri):
        t = g * giro_battute
        prog = progressione(accordi_, 4, t)
        for (_, d, _), p, k in zip(prog, bassi, range(8)):
            basso_.nota(t + k * 2, 1.9, p, 82)
        ritmati(cont, prog, 60, [(0, 1), (1, 1)], 45)
    for i, voce in enumerate(voci):
        for j, (figura, trasp) in enumerate(variazioni):
            t = (1 + i + j) * giro_battute
            prog = progressione(accordi_, 4, t)
            voce.linea(t, figure_su(linea, prog, scala_, figura, trasp), 84, 0, 0.95)
    t = giri * giro_battute
    accordo_finale([(cont, 60)] + [(v, 72) for v in voci], t, 4, ripresa)
    basso_.nota(t, 4, bassi[0], 82)


def canyon():
    # A canon on the ground of Pachelbel's Canon in D, strings and harpsichord.
    b = Brano('canyon.mid', 'Canon on a ground', 68, 4)
    linea = [altezza(n) for n in 'F#5 E5 D5 C#5 B4 A4 B4 C#5'.split()]
    bassi = [altezza(n) for n in 'D3 A2 B2 F#2 G2 D2 G2 A2'.split()]
    canone(b, 'D|A Bm|F#m G|D G|A', linea, bassi, scala('D', SCALA_MAGGIORE),
           [(fig_tenuta, 0), (fig_quarti, 0), (fig_arpeggio, -12), (fig_discesa, 0), (fig_puntata, 0),
            (fig_tenuta, 12)],
           [('Violin I', 40, 80), ('Violin II', 40, 44), ('Viola', 41, 64)], 6, 'D')
    return b


def fuguegm():
    # Our canon in G minor on the same ground turned to minor, for woodwinds.
    b = Brano('fuguegm.mid', 'Canon in G minor', 76, 4)
    linea = [altezza(n) for n in 'Bb4 A4 G4 F4 Eb4 D4 Eb4 F#4'.split()]
    bassi = [altezza(n) for n in 'G2 D2 Eb2 Bb1 C2 G1 C2 D2'.split()]
    canone(b, 'Gm|D Eb|Bb Cm|Gm Cm|D', linea, [p + 12 for p in bassi], scala('G', SCALA_MINORE),
           [(fig_quarti, 0), (fig_arpeggio, 0), (fig_volta, 0), (fig_discesa, 0), (fig_tenuta, 12)],
           [('Flute', 73, 80), ('Oboe', 68, 48), ('Clarinet', 71, 64)], 19, 'G')
    return b


def fuguegm2():
    # Frere Jacques (traditional) as a round in G minor, for winds, strings and timpani.
    b = Brano('fuguegm2.mid', 'Round in G minor', 72, 4)
    tema = melodia('''
        G4:1 A4 Bb4 G4 | G4 A4 Bb4 G4 | Bb4 C5 D5:2 | Bb4:1 C5 D5:2 |
        D5:.5 Eb5 D5 C5 Bb4:1 G4 | D5:.5 Eb5 D5 C5 Bb4:1 G4 | G4 D4 G4:2 | G4:1 D4 G4:2''')
    voci = [('Bassoon', 70, -12, 40), ('Cello', 42, -12, 56), ('Clarinet', 71, 0, 72), ('Oboe', 68, 12, 88)]
    timpani = b.parte('Timpani', 47, 90, 64)
    contrabbasso = b.parte('Contrabass', 43, 70, 64)
    parti = [(b.parte(nome, prog, 95, pan), trasp) for nome, prog, trasp, pan in voci]
    for battuta in range(32):
        t = battuta * 4
        for k, nota in enumerate(('G2', 'D2', 'D2', 'G2')):
            timpani.nota(t + k, 0.8, altezza(nota), 70)
    for i, (parte, trasp) in enumerate(parti):
        t = 2 + i * 8
        for _ in range(3):
            t = parte.linea(t, tema, 80, trasp, 0.9)
    for battuta in range(2, 30):
        contrabbasso.nota(battuta * 4, 3.8, altezza('G1'), 60)
    t = 2 + 3 * 8 * 4 + 24  # where the last voice ends its third time
    for parte, trasp in parti:
        parte.nota(t, 6, altezza('G4') + trasp, 70)
    parti[2][0].nota(t, 6, altezza('Bb4'), 60)
    parti[3][0].nota(t, 6, altezza('D5'), 60)
    contrabbasso.nota(t, 6, altezza('G1'), 70)
    timpani.nota(t, 1, altezza('G2'), 85)
    return b


def herewithme():
    # Amazing Grace (traditional), flute and guitar, then choir, then horn.
    b = Brano('herewithme.mid', 'Amazing Grace', 84, 3)
    tema = melodia('''
        G4:2 B4:.5 G4:.5 | B4:2 A4:1 | G4:2 E4:1 | D4:2 D4:1 |
        G4:2 B4:.5 G4:.5 | B4:2 A4:1 | D5:3 | D5:2 B4:1 |
        D5:1.5 B4:.5 G4:1 | B4:2 A4:1 | G4:2 E4:1 | D4:2 D4:1 |
        G4:2 B4:.5 G4:.5 | B4:2 A4:1 | G4:3 | G4:2 D4:1''')
    accordi = 'G G|D C G G G|D D G G Em|D C G G Em|D G G'
    controlla(tema, accordi, 3)
    voci = [(b.parte('Flute', 73, 95, 70), 0), (b.parte('Choir', 52, 90, 64), 0), (b.parte('Horn', 60, 100, 60), 0)]
    chitarra = b.parte('Guitar', 24, 85, 48)
    archi = b.parte('Strings', 48, 60, 70)
    violoncello = b.parte('Cello', 42, 80, 56)
    voci[0][0].linea(1, melodia('D4:2'), 90)
    t = 3.0
    for giro, (voce, trasp) in enumerate(voci):
        prog = progressione(accordi, 3, t)
        mel = tema if giro < 2 else tema[:-1] + [(altezza('G4'), 3)]
        voce.linea(t, mel, 92, trasp, 0.96)
        arpeggio(chitarra, prog, 52, 0.5, (0, 1, 2, 3, 2, 1), 58)
        if giro > 0:
            blocchi(archi, prog, 60, 42 + 8 * giro)
            basso(violoncello, prog, 45, 72, 'valzer' if giro == 1 else 'radice')
        t += lunghezza(tema)
    accordo_finale([(chitarra, 55), (archi, 62)], t, 6, 'G')
    violoncello.nota(t, 6, 43, 75)
    return b


def thankyou():
    # Ah vous dirai-je, maman (traditional): theme and variations.
    b = Brano('thankyou.mid', 'Variations on a French song', 100, 4)
    tema = melodia('''
        C5:1 C5 G5 G5 | A5 A5 G5:2 | F5:1 F5 E5 E5 | D5 D5 C5:2 |
        G5:1 G5 F5 F5 | E5 E5 D5:2 | G5:1 G5 F5 F5 | E5 E5 D5:2 |
        C5:1 C5 G5 G5 | A5 A5 G5:2 | F5:1 F5 E5 E5 | D5 D5 C5:2''')
    accordi = 'C F|C F|C G|C C|G7 C|G C|G7 C|G C F|C F|C G|C'
    controlla(tema, accordi, 4)
    do = scala('C', SCALA_MAGGIORE)

    def fiorito(mel):
        out = []
        for p, d in mel:
            if d == 1:
                out += [(p, 0.5), (passo(p, 1, do), 0.25), (p, 0.25)]
            else:
                out += [(p, 1), (passo(p, -1, do), 0.5), (p, 0.5)]
        return out

    def terzine(mel):
        out = []
        for p, d in mel:
            for _ in range(int(d)):
                out += [(p, 1 / 3), (passo(p, 1, do), 1 / 3), (p, 1 / 3)]
        return out

    carillon = b.parte('Music box', 10, 95, 64)
    piano = b.parte('Piano', 0, 95, 56)
    glock = b.parte('Glockenspiel', 9, 70, 76)
    flauto = b.parte('Flute', 73, 95, 70)
    sx = b.parte('Piano left hand', 0, 80, 50)
    archi = b.parte('Strings', 48, 60, 64)
    pizz = b.parte('Pizzicato', 45, 80, 60)
    t = 0.0
    passaggi = [(carillon, tema, 0), (piano, fiorito(tema), 0), (glock, tema, 12), (flauto, terzine(tema), 0)]
    for giro, (parte, mel, trasp) in enumerate(passaggi):
        prog = progressione(accordi, 4, t)
        assert abs(lunghezza(mel) - 48) < 1e-6
        parte.linea(t, mel, 90, trasp, 0.9)
        if giro == 0:
            blocchi(sx, prog, 55, 40)
        elif giro == 1:
            arpeggio(sx, prog, 55, 0.5, (0, 2, 1, 2), 55, 1.0)
        elif giro == 2:
            blocchi(archi, prog, 60, 55)
            basso(pizz, prog, 43, 75, 'quinta')
            piano.linea(t, tema, 60, 0, 0.9)
        else:
            ritmati(pizz, prog, 60, [(0, 0.5), (1, 0.5)], 55)
            basso(sx, prog, 43, 70, 'quinta')
        t += 48
    accordo_finale([(piano, 60), (archi, 60), (carillon, 72)], t, 4, 'C')
    sx.nota(t, 4, 36, 70)
    return b


def one_step_closer():
    # What Shall We Do with the Drunken Sailor (traditional), a folk band.
    b = Brano('one_step_closer.mid', 'Sailor dance', 140, 4)
    strofa = melodia('''
        A4:1 A4:.5 A4 A4:1 A4:.5 A4 | A4:1 D4 F4 A4 | G4:1 G4:.5 G4 G4:1 G4:.5 G4 | G4:1 C4 E4 G4 |
        A4:1 A4:.5 A4 A4:1 A4:.5 A4 | A4:1 B4 C5 D5 | C5 A4 G4 E4 | D4:2 D4:2''')
    coro = melodia('''
        A4:2 A4:2 | A4:1 D4 F4 A4 | G4:2 G4:2 | G4:1 C4 E4 G4 |
        A4:2 A4:2 | A4:1 B4 C5 D5 | C5 A4 G4 E4 | D4:2 D4:2''')
    tema = strofa + coro
    accordi = 'Dm Dm C C Dm Dm C|Am Dm ' * 2
    controlla(tema, accordi, 4)
    violino = b.parte('Fiddle', 110, 100, 72)
    fisarmonica = b.parte('Accordion', 21, 80, 50)
    fischietto = b.parte('Whistle', 78, 85, 84)
    basso_ = b.parte('Bass', 32, 95, 64)
    tamburi = b.parte('Drums', None, 85)
    t = 0.0
    batteria(tamburi, t, 2, 4, {36: [0, 2], 38: [1, 3], 54: [0.5, 1.5, 2.5, 3.5]}, 60)
    basso(basso_, progressione('Dm Dm', 4, t), 38, 90, 'quinta')
    t += 8
    for giro in range(4):
        prog = progressione(accordi, 4, t)
        if giro in (0, 3):
            violino.linea(t, tema, 96, 12 if giro == 3 else 0, 0.85)
        if giro == 1:
            fisarmonica.linea(t, tema, 96, 12, 0.85)
        if giro >= 2:
            fischietto.linea(t, tema, 88, 12 if giro == 2 else 24, 0.85)
        ritmati(fisarmonica, prog, 60, [(0.5, 0.4), (1.5, 0.4), (2.5, 0.4), (3.5, 0.4)], 50 if giro == 1 else 58)
        basso(basso_, prog, 38, 90, 'quinta')
        batteria(tamburi, t, 16, 4, {36: [0, 2], 38: [1, 3], 54: [0.5, 1.5, 2.5, 3.5]}, 58)
        t += 64
    accordo_finale([(fisarmonica, 62), (violino, 74)], t, 3, 'Dm')
    basso_.nota(t, 3, 38, 95)
    tamburi.nota(t, 1, 49, 90)
    return b


def itsmylife():
    # Minuet in G (Petzold), harpsichord, then a string quartet with flute.
    b = Brano('itsmylife.mid', 'Minuet in G', 126, 3)
    a1 = '''D5:1 G4:.5 A4 B4 C5 | D5:1 G4 G4 | E5:1 C5:.5 D5 E5 F#5 | G5:1 G4 G4 |
            C5:1 D5:.5 C5 B4 A4 | B4:1 C5:.5 B4 A4 G4 | F#4:1 G4:.5 A4 B4 G4 | A4:3 |'''
    a2 = '''D5:1 G4:.5 A4 B4 C5 | D5:1 G4 G4 | E5:1 C5:.5 D5 E5 F#5 | G5:1 G4 G4 |
            C5:1 D5:.5 C5 B4 A4 | B4:1 C5:.5 B4 A4 G4 | A4:1 B4:.5 A4 G4 F#4 | G4:3 |'''
    b1 = '''B5:1 G5:.5 A5 B5 G5 | A5:1 D5:.5 E5 F#5 D5 | G5:1 E5:.5 F#5 G5 D5 | C#5:1 B4:.5 C#5 A4:1 |
            A4:.5 B4 C#5 D5 E5 F#5 | G5:1 F#5 E5 | F#5 A4 C#5 | D5:3 |
            D5:1 G4:.5 F#4 G4:1 | E5:1 G4:.5 F#4 G4:1 | D5:1 C5 B4 | A4:.5 G4 F#4 G4 A4:1 |
            D4:.5 E4 F#4 G4 A4 B4 | C5:1 B4 A4 | B4:.5 D5 G4:1 F#4 | G4:3 |'''
    tema = melodia(' '.join((a1, a2, b1, b1)))
    parte_a = 'G G C G Am G D D G G C G Am G D G'
    parte_b = 'G D G A D Em|A D|A D G C G D D Am G|D G'
    accordi = ' '.join((parte_a, parte_b, parte_b))
    cembalo = b.parte('Harpsichord', 6, 100, 60)
    cembalo_sx = b.parte('Harpsichord left hand', 6, 85, 56)
    violino = b.parte('Violin', 40, 95, 72)
    flauto = b.parte('Flute', 73, 90, 80)
    viola = b.parte('Viola', 41, 75, 56)
    violoncello = b.parte('Cello', 42, 85, 50)
    t = 0.0
    for giro in range(2):
        prog = progressione(accordi, 3, t)
        assert abs(lunghezza(tema) - 3 * len(accordi.split())) < 1e-6
        if giro == 0:
            cembalo.linea(t, tema, 90, 0, 0.85)
            basso(cembalo_sx, prog, 50, 75, 'valzer')
            ritmati(cembalo_sx, prog, 57, [(1, 1), (2, 1)], 50)
        else:
            violino.linea(t, tema[:len(tema) // 2], 90, 0, 0.9)
            flauto.linea(t + lunghezza(tema[:len(tema) // 2]), tema[len(tema) // 2:], 90, 0, 0.9)
            ritmati(viola, prog, 60, [(1, 0.9), (2, 0.9)], 55)
            basso(violoncello, prog, 45, 78, 'valzer')
        t += lunghezza(tema)
    accordo_finale([(cembalo, 67), (viola, 60)], t, 3, 'G')
    violoncello.nota(t, 3, 43, 80)
    return b


def sayitisntso():
    # Fur Elise (Beethoven), piano, then vibraphone and strings.
    b = Brano('sayitisntso.mid', 'Album leaf in A minor', 84, 1.5, 8)
    riga = {
        'a1': 'E5:.25 D#5 E5 B4 D5 C5', 'a2': 'A4:.5 R:.25 C4 E4 A4', 'a3': 'B4:.5 R:.25 E4 G#4 B4',
        'a4': 'C5:.5 R:.25 E4 E5 D#5', 'a7': 'B4:.5 R:.25 E4 C5 B4',
        'fine1': 'A4:.5 R:.5 E5:.25 D#5', 'fine2': 'A4:.5 R:.25 B4 C5 D5', 'fine3': 'A4:1.5',
        'b1': 'E5:.75 G4:.25 F5 E5', 'b2': 'D5:.75 F4:.25 E5 D5', 'b3': 'C5:.75 E4:.25 D5 C5',
        'b4': 'B4:.5 R:.25 E4 E5 R', 'b5': 'R:.25 E5 E6 R R D#5', 'b6': 'E5:.25 R R D#5 E5 D#5',
    }
    sinistra = {'Am': 'A2 E3 A3', 'E': 'E2 E3 G#3', 'C': 'C3 G3 C4', 'G': 'G2 G3 B3'}
    a = ['a1', 'a2', 'a3', 'a4', 'a1', 'a2', 'a7']
    sa = ['-', 'Am', 'E', 'Am', '-', 'Am', 'E']
    battute = (a + ['fine1'] + a + ['fine2'] + ['b1', 'b2', 'b3', 'b4', 'b5', 'b6'] + a + ['fine3'])
    accordi = (sa + ['Am'] + sa + ['Am'] + ['C', 'G', 'Am', 'E', '-', '-'] + sa + ['Am'])
    dx = b.parte('Piano', 0, 100, 60)
    sx = b.parte('Piano left hand', 0, 85, 54)
    vibrafono = b.parte('Vibraphone', 11, 95, 72)
    archi = b.parte('Slow strings', 49, 55, 64)
    t = 0.0
    for giro in range(3):
        voce = vibrafono if giro == 1 else dx
        voce.linea(t + 1, melodia('E5:.25 D#5'), 80)
        t += 1.5
        for nome, acc in zip(battute, accordi):
            mel = melodia(riga[nome])
            assert abs(lunghezza(mel) - 1.5) < 1e-6, nome
            voce.linea(t, mel, 84 if giro != 1 else 90, 0, 0.95)
            if acc != '-':
                sx.linea(t, melodia(' '.join(n + ':.25' for n in sinistra[acc].split())), 62, 0, 2.5)
                if giro == 1:
                    blocchi(archi, [(t, 1.5, accordo(acc))], 57, 40)
            t += 1.5
    sx.nota(t, 3, altezza('A2'), 60)
    dx.nota(t, 3, altezza('A4'), 60)
    return b


def fatlip():
    # Oh! Susanna (Foster), banjo, harmonica and fiddle.
    b = Brano('fatlip.mid', 'Banjo song', 132, 4)
    tema = melodia('''
        E4:1 G4 G4:1.5 A4:.5 | G4:1 E4 C4:1.5 D4:.5 | E4:1 E4 D4 C4 | D4:3 C4:.5 D4 |
        E4:1 G4 G4:1.5 A4:.5 | G4:1 E4 C4:1.5 D4:.5 | E4:1 E4 D4 D4 | C4:4 |
        F4:2 F4:2 | A4:2 A4:2 | G4:1 G4 E4 C4 | D4:3 C4:.5 D4 |
        E4:1 G4 G4:1.5 A4:.5 | G4:1 E4 C4:1.5 D4:.5 | E4:1 E4 D4 D4 | C4:3 C4:.5 D4''')
    accordi = 'C C C G C C C|G C F F C G C C C|G C'
    controlla(tema, accordi, 4)
    voci = [(b.parte('Banjo', 105, 100, 56), 12), (b.parte('Harmonica', 22, 90, 72), 12),
            (b.parte('Fiddle', 110, 95, 80), 12)]
    chitarra = b.parte('Guitar', 25, 75, 40)
    basso_ = b.parte('Bass', 32, 95, 64)
    tamburi = b.parte('Drums', None, 70)
    voci[0][0].linea(3, melodia('C4:.5 D4'), 90, 12)
    t = 4.0
    for giro in range(4):
        prog = progressione(accordi, 4, t)
        mel = tema if giro < 3 else tema[:-3] + [(altezza('C4'), 4)]
        voce, trasp = voci[giro % 3]
        voce.linea(t, mel, 95, trasp, 0.85)
        if giro == 3:
            voci[1][0].linea(t, mel, 75, 12, 0.85)
        ritmati(chitarra, prog, 57, [(0, 0.5), (1, 0.5), (2, 0.5), (3, 0.5)], 50)
        basso(basso_, prog, 40, 90, 'battiti', 1.0)
        batteria(tamburi, t, 16, 4, {38: [1, 3], 42: [0, 0.5, 1, 1.5, 2, 2.5, 3, 3.5]}, 45)
        t += 64
    accordo_finale([(chitarra, 57)], t, 4, 'C')
    basso_.nota(t, 4, 36, 90)
    return b


def pardonme():
    # Variations on the Folia ground (our own), guitar, violin, flute and harpsichord.
    b = Brano('pardonme.mid', 'Variations on the Folia', 100, 3)
    accordi = 'Dm A Dm C F C Dm A Dm A Dm C F C A Dm'
    linea = [altezza(n) for n in 'A4 A4 A4 G4 A4 G4 F4 E4 A4 A4 A4 G4 A4 G4 E4 D4'.split()]
    re_minore = scala('D', SCALA_MINORE)
    chitarra = b.parte('Guitar', 24, 95, 50)
    violino = b.parte('Violin', 40, 95, 72)
    flauto = b.parte('Flute', 73, 90, 82)
    cembalo = b.parte('Harpsichord', 6, 70, 40)
    violoncello = b.parte('Cello', 42, 85, 60)
    variazioni = [(chitarra, fig_puntata, 0), (violino, fig_quarti, 12), (flauto, fig_discesa, 12),
                  (violino, fig_volta, 12), (chitarra, fig_arpeggio, 0)]
    t = 0.0
    for giro, (voce, figura, trasp) in enumerate(variazioni):
        prog = progressione(accordi, 3, t)
        voce.linea(t, figure_su(linea, prog, re_minore, figura, trasp), 90, 0, 0.93)
        if voce is not chitarra:
            ritmati(chitarra, prog, 55, [(0, 1), (1, 1.5)], 50)
        if giro > 0:
            ritmati(cembalo, prog, 60, [(0, 1)], 45)
        basso(violoncello, prog, 45, 75, 'radice' if giro % 2 == 0 else 'valzer')
        t += 48
    accordo_finale([(chitarra, 55), (cembalo, 62)], t, 6, 'D')
    violoncello.nota(t, 6, 38, 80)
    violino.nota(t, 6, altezza('F#5'), 70)
    return b


def serenatella():
    # Our own serenade in F: a tremolo guitar over a waltz, then accordion and violin.
    b = Brano('serenatella.mid', 'Serenatella', 150, 3)
    a = melodia('''
        A4:2 C5:1 | G4:2 Bb4:1 | Bb4:1 G4 E4 | F4:3 |
        A4:2 C5:1 | D5:2 F5:1 | E5:1.5 D5:.5 Bb4:1 | C5:3''')
    bb = melodia('''
        D5:2 F5:1 | E5:2 C5:1 | D5:1 C5 Bb4 | A4:2 F4:1 |
        Bb4:2 D5:1 | C5:1.5 Bb4:.5 G4:1 | E4:1 G4 Bb4 | A4:3''')
    tema = a + bb + a + bb
    accordi = 'F C7 C7 F F Bb C7 F Dm Am Bb F Gm C7 C7 F ' * 2
    controlla(tema, accordi, 3)

    def tremolo(mel):
        out = []
        for p, d in mel:
            out += [(p, 0.25)] * int(d * 4) if p is not None else [(None, d)]
        return out

    mandolino = b.parte('Steel guitar', 25, 90, 70)
    fisarmonica = b.parte('Accordion', 21, 85, 56)
    violino = b.parte('Violin', 40, 90, 78)
    chitarra = b.parte('Guitar', 24, 90, 48)
    pizz = b.parte('Pizzicato bass', 45, 85, 60)
    t = 0.0
    intro = progressione('F C7 F C7', 3, t)
    basso(chitarra, intro, 45, 78, 'valzer')
    ritmati(chitarra, intro, 57, [(1, 0.8), (2, 0.8)], 55)
    t += 12
    for giro in range(3):
        prog = progressione(accordi, 3, t)
        if giro == 0:
            mandolino.linea(t, tremolo(tema), 78, 0, 0.9)
        elif giro == 1:
            fisarmonica.linea(t, tema, 90, 0, 0.95)
            violino.linea(t + lunghezza(a + bb), a + bb, 80, 12, 0.95)
        else:
            violino.linea(t, tema, 90, 0, 0.95)
            mandolino.linea(t + lunghezza(a + bb), tremolo(a + bb), 72, 12, 0.9)
        basso(chitarra, prog, 45, 78, 'valzer')
        ritmati(chitarra, prog, 57, [(1, 0.8), (2, 0.8)], 55)
        if giro > 0:
            basso(pizz, prog, 41, 75, 'valzer')
        t += lunghezza(tema)
    accordo_finale([(chitarra, 57), (fisarmonica, 60)], t, 3, 'F')
    pizz.nota(t, 3, 41, 80)
    return b


BRANI = [sonata_c, passport, air, air2, canyon, fuguegm, fuguegm2, herewithme, thankyou,
         one_step_closer, itsmylife, sayitisntso, fatlip, pardonme, serenatella]


def main():
    cartella = sys.argv[1] if len(sys.argv) > 1 else 'suoni900'
    os.makedirs(cartella, exist_ok=True)
    for genera in BRANI:
        brano = genera()
        secondi = brano.secondi()
        assert 60 <= secondi <= 180, (brano.file, secondi)
        with open(os.path.join(cartella, brano.file), 'wb') as f:
            f.write(brano.dati())
        print('%-22s %3d:%02d  %s' % (brano.file, secondi // 60, secondi % 60, brano.titolo))


if __name__ == '__main__':
    main()
