// The quick GIF decoder gives exactly Qt's picture for every GIF the atlas
// ships, and leaves to Qt's reader every file it does not fully understand.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QImageReader>
#include <initializer_list>
#include <vector>

#include "toolkit/Figure.h"
#include "toolkit/GifSemplice.h"

using forma::DecodificaGifSemplice;

namespace {

QByteArray leggi(const QString& percorso) {
    QFile f(percorso);
    if (!f.open(QIODevice::ReadOnly)) return {};
    return f.readAll();
}

QImage diQt(const QByteArray& dati) {
    QBuffer b;
    b.setData(dati);
    b.open(QIODevice::ReadOnly);
    QImageReader lettore(&b, "gif");
    return lettore.read();
}

QStringList gifDellAtlante() {
    QStringList tutti;
    for (const char* cartella : {"atlante", "miniature"}) {
        QDirIterator it(QStringLiteral(CARTAVIVA_DATI "/") + QLatin1String(cartella), {QStringLiteral("*.gif")},
                        QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) tutti << it.next();
    }
    tutti.sort();
    return tutti;
}

TEST(GifSemplice, OgniGifDellAtlanteEsceComeDaQt) {
    const QStringList tutti = gifDellAtlante();
    ASSERT_GT(tutti.size(), 300);
    int veloci = 0;
    for (const QString& percorso : tutti) {
        SCOPED_TRACE(percorso.toStdString());
        const QByteArray dati = leggi(percorso);
        const std::optional<QImage> nostra = DecodificaGifSemplice(dati, 4096);
        if (!nostra) continue;
        ++veloci;
        const QImage qt = diQt(dati);
        ASSERT_FALSE(qt.isNull());
        EXPECT_EQ(nostra->format(), qt.format());
        EXPECT_EQ(nostra->size(), qt.size());
        EXPECT_TRUE(*nostra == qt) << "pixels differ from Qt's reader";
    }
    // The maps and thumbnails are plain GIFs: they all take the quick way.
    EXPECT_EQ(veloci, tutti.size());
}

// A file the decoder does not fully understand is never half-decoded: it is
// left to Qt's reader, and the picture the atlas loads is Qt's.
TEST(GifSemplice, CioCheNonCapisceLoLasciaAQt) {
    const QByteArray buona = leggi(QStringLiteral(CARTAVIVA_DATI "/atlante/5000bac.gif"));
    ASSERT_GT(buona.size(), 1000);
    ASSERT_TRUE(DecodificaGifSemplice(buona, 4096));

    // Cut short anywhere: in the header, the palette, the pixel data, or
    // a few bytes before the last pixels.
    for (qsizetype lunghezza : {qsizetype(0), qsizetype(5), qsizetype(12), qsizetype(400), buona.size() / 2,
                                buona.size() - 40})
        EXPECT_FALSE(DecodificaGifSemplice(buona.left(lunghezza), 4096)) << lunghezza;
    // Cut after the last pixel (the end code and the trailer lost): whole.
    const std::optional<QImage> senzaCoda = DecodificaGifSemplice(buona.left(buona.size() - 3), 4096);
    ASSERT_TRUE(senzaCoda);
    EXPECT_TRUE(*senzaCoda == diQt(buona));
    // Larger than the bound on a side.
    EXPECT_FALSE(DecodificaGifSemplice(buona, 520));
    // Not a GIF.
    EXPECT_FALSE(DecodificaGifSemplice(QByteArrayView("\x89PNG\r\n\x1a\n0000000000"), 4096));

    // Interlaced, and a frame that does not start at the corner: for Qt.
    const qsizetype palette = 13 + 3 * (2 << (static_cast<unsigned char>(buona[10]) & 7));
    const qsizetype descrittore = buona.indexOf('\x2C', palette);
    ASSERT_GT(descrittore, 0);
    QByteArray interlacciata = buona;
    interlacciata[descrittore + 9] = static_cast<char>(interlacciata[descrittore + 9] | 0x40);
    EXPECT_FALSE(DecodificaGifSemplice(interlacciata, 4096));
    QByteArray spostata = buona;
    spostata[descrittore + 1] = 1;
    EXPECT_FALSE(DecodificaGifSemplice(spostata, 4096));

    // A transparent colour declared before the image: for Qt.
    QByteArray trasparente = buona;
    trasparente.insert(descrittore, QByteArray("\x21\xF9\x04\x01\x00\x00\x07\x00", 8));
    EXPECT_FALSE(DecodificaGifSemplice(trasparente, 4096));
    // The same extension without the transparent flag changes nothing.
    QByteArray opaca = buona;
    opaca.insert(descrittore, QByteArray("\x21\xF9\x04\x00\x00\x00\x07\x00", 8));
    const std::optional<QImage> conEstensione = DecodificaGifSemplice(opaca, 4096);
    ASSERT_TRUE(conEstensione);
    EXPECT_TRUE(*conEstensione == diQt(opaca));
}

// A colour index past the palette makes the file one for Qt's reader, even
// when that index is written once and then only repeated by later codes.
TEST(GifSemplice, UnIndiceFuoriTavolozzaLoLasciaAQt) {
    // Four pixels, a palette of two colours, codes of three bits: clear, two
    // indices, then the code that stands for the two of them.
    auto gif = [](int primo, int secondo) {
        const unsigned codici = 4u | (unsigned(primo) << 3) | (unsigned(secondo) << 6) | (6u << 9);
        QByteArray d("GIF89a\x04\x00\x01\x00\x80\x00\x00", 13);
        d += QByteArray("\x00\x00\x00\xFF\xFF\xFF", 6);
        d += QByteArray("\x2C\x00\x00\x00\x00\x04\x00\x01\x00\x00\x02\x02", 12);
        d += static_cast<char>(codici & 0xFF);
        d += static_cast<char>(codici >> 8);
        d += QByteArray("\x00\x3B", 2);
        return d;
    };
    const std::optional<QImage> buona = DecodificaGifSemplice(gif(1, 0), 4096);
    ASSERT_TRUE(buona);
    EXPECT_EQ(buona->pixel(0, 0), qRgb(255, 255, 255));
    EXPECT_EQ(buona->pixel(1, 0), qRgb(0, 0, 0));
    EXPECT_EQ(buona->pixel(2, 0), qRgb(255, 255, 255));
    EXPECT_EQ(buona->pixel(3, 0), qRgb(0, 0, 0));
    EXPECT_FALSE(DecodificaGifSemplice(gif(3, 0), 4096));
    EXPECT_FALSE(DecodificaGifSemplice(gif(0, 2), 4096));
}

// Four pixels in a palette of two colours, codes of three bits; what comes
// before the image and the codes are the fixture's.
QByteArray quattroPixel(const QByteArray& primaDellImmagine, std::initializer_list<unsigned> codici) {
    unsigned long long bit = 0;
    int n = 0;
    for (unsigned c : codici) {
        bit |= static_cast<unsigned long long>(c) << n;
        n += 3;
    }
    QByteArray dati;
    for (int i = 0; i < (n + 7) / 8; ++i) dati += static_cast<char>((bit >> (8 * i)) & 0xFF);
    QByteArray d("GIF89a\x04\x00\x01\x00\x80\x00\x00", 13);
    d += QByteArray("\x00\x00\x00\xFF\xFF\xFF", 6);
    d += primaDellImmagine;
    d += QByteArray("\x2C\x00\x00\x00\x00\x04\x00\x01\x00\x00\x02", 11);
    d += static_cast<char>(dati.size());
    d += dati;
    d += QByteArray("\x00\x3B", 2);
    return d;
}

// Wherever the decoder takes a file, its pixels are Qt's: on every GIF of
// the atlas, and on fixtures of each way a file can leave the plain form.
TEST(GifSemplice, DoveDecodificaDaIPixelDiQt) {
    struct Caso {
        QString nome;
        QByteArray dati;
    };
    std::vector<Caso> casi;
    for (const QString& percorso : gifDellAtlante()) casi.push_back({percorso, leggi(percorso)});
    // clear, white, black, the two again, end
    casi.push_back({QStringLiteral("plain"), quattroPixel({}, {4, 1, 0, 6, 5})});
    casi.push_back({QStringLiteral("comment"), quattroPixel(QByteArray("\x21\xFE\x03" "abc\x00", 7), {4, 1, 0, 6, 5})});
    casi.push_back({QStringLiteral("named application extension"),
                    quattroPixel(QByteArray("\x21\xFF\x0BNETSCAPE2.0\x03\x01\x00\x00\x00", 19), {4, 1, 0, 6, 5})});
    // An application extension whose first sub-block is empty: Qt's reader
    // takes the next byte for a length.
    casi.push_back({QStringLiteral("R1 empty application block"), quattroPixel(QByteArray("\x21\xFF\x00", 3), {4, 1, 0, 6, 5})});
    // Codes after the last pixel, before the end code; Qt's reader refuses
    // such a file when more data follow in the file.
    QByteArray r2 = quattroPixel({}, {4, 1, 0, 6, 7, 7, 7, 5});
    casi.push_back({QStringLiteral("R2 codes after the last pixel, small"), r2});
    casi.push_back({QStringLiteral("R2 codes after the last pixel, 4 KB after"), r2 + QByteArray(5000, '\0')});
    // Zero bits filling the last byte, no end code.
    casi.push_back({QStringLiteral("no end code"), quattroPixel({}, {4, 1, 0, 6})});
    const QByteArray mappa = leggi(QStringLiteral(CARTAVIVA_DATI "/atlante/5000bac.gif"));
    casi.push_back({QStringLiteral("map cut at two thirds"), mappa.left(mappa.size() * 2 / 3)});
    casi.push_back({QStringLiteral("map cut in its palette"), mappa.left(200)});

    int prese = 0;
    for (const Caso& caso : casi) {
        SCOPED_TRACE(caso.nome.toStdString());
        bool tronca = false;
        const std::optional<QImage> nostra = DecodificaGifSemplice(caso.dati, 4096, &tronca);
        if (!nostra) continue;
        ++prese;
        EXPECT_FALSE(tronca);
        const QImage qt = diQt(caso.dati);
        // Each fixture is judged on its own: one refused by Qt's reader does
        // not hide what the decoder makes of the next.
        if (qt.isNull()) {
            ADD_FAILURE() << "Qt's reader refuses what the decoder took";
            continue;
        }
        EXPECT_EQ(nostra->format(), qt.format());
        EXPECT_TRUE(*nostra == qt) << "pixels differ from Qt's reader";
    }
    EXPECT_GT(prese, 350);
}

// Where the data end before the last pixel, the decoder leaves the file to
// Qt's reader and says so; a whole file is not taken for one cut short.
TEST(GifSemplice, SaQuandoIDatiFinisconoPrimaDellUltimoPixel) {
    const QByteArray mappa = leggi(QStringLiteral(CARTAVIVA_DATI "/atlante/5000bac.gif"));
    struct Caso {
        const char* nome;
        QByteArray dati;
        bool tronca;
    };
    const std::vector<Caso> casi = {
        {"whole", mappa, false},
        {"cut in the palette", mappa.left(200), true},
        {"cut in the pixels", mappa.left(mappa.size() / 2), true},
        {"end code before the last pixel", quattroPixel({}, {4, 1, 5}), true},
        {"not a GIF", QByteArray("\x89PNG\r\n\x1a\n0000000000", 18), false},
        {"interlaced", [&] {
             QByteArray d = quattroPixel({}, {4, 1, 0, 6, 5});
             d[19 + 9] = char(0x40);
             return d;
         }(), false},
    };
    for (const Caso& caso : casi) {
        SCOPED_TRACE(caso.nome);
        bool tronca = !caso.tronca;
        const std::optional<QImage> nostra = DecodificaGifSemplice(caso.dati, 4096, &tronca);
        EXPECT_EQ(tronca, caso.tronca);
        if (caso.tronca) {
            EXPECT_FALSE(nostra);
        }
    }
}

// Through the atlas's loader: a damaged map shows what Qt's reader makes of
// it, as it always did.
TEST(GifSemplice, IlCaricatoreDaAUnaGifTroncaLaFiguraDiQt) {
    const QByteArray buona = leggi(QStringLiteral(CARTAVIVA_DATI "/atlante/5000bac.gif"));
    const QString percorso = QDir::temp().filePath(QStringLiteral("cartaviva_tronca_%1.gif").arg(QCoreApplication::applicationPid()));
    QFile f(percorso);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(buona.left(buona.size() * 2 / 3));
    f.close();
    const forma::Picture p = forma::LoadPicture(percorso);
    const QImage qt = diQt(buona.left(buona.size() * 2 / 3));
    EXPECT_EQ(p->immagine.isNull(), qt.isNull());
    EXPECT_TRUE(p->immagine == qt);
    QFile::remove(percorso);
}

}  // namespace


