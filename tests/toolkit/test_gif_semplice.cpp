// The quick GIF decoder gives exactly Qt's picture for every GIF the atlas
// ships, and leaves to Qt's reader every file it does not fully understand.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QImageReader>

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


