// A temporary working folder with tiny pictures under the names the atlas
// reads, made fresh for each test and left when the test ends.
#pragma once

#include <QDir>
#include <QFile>
#include <QImage>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

namespace prova {

class CartellaDiLavoro {
public:
    CartellaDiLavoro() : precedente_(QDir::currentPath()) {
        QDir(dir_.path()).mkpath(QStringLiteral("atlante"));
        QDir(dir_.path()).mkpath(QStringLiteral("miniature"));
        QDir(dir_.path()).mkpath(QStringLiteral("suoni900"));
        QDir::setCurrent(dir_.path());
    }
    ~CartellaDiLavoro() { QDir::setCurrent(precedente_); }
    CartellaDiLavoro(const CartellaDiLavoro&) = delete;
    CartellaDiLavoro& operator=(const CartellaDiLavoro&) = delete;

    QString percorso() const { return dir_.path(); }

    // A picture of the given size and colour, written as PNG data under the
    // given name: the reader looks at the content, not at the name.
    void figura(const QString& relativo, int larghezza = 8, int altezza = 6, QRgb colore = 0xFF336699) const {
        QImage img(larghezza, altezza, QImage::Format_RGB32);
        img.fill(colore);
        img.save(dir_.path() + QLatin1Char('/') + relativo, "PNG");
    }

    void file(const QString& relativo, const QByteArray& contenuto) const;

    // A GIF of a few dozen bytes whose header claims the given size and
    // whose pixel data break off at once: a damaged file of the kind that
    // would decode into a huge, empty image.
    void gifCheDichiara(const QString& relativo, int larghezza, int altezza) const;

private:
    QTemporaryDir dir_;
    QString precedente_;
};

inline void CartellaDiLavoro::file(const QString& relativo, const QByteArray& contenuto) const {
    QFile f(dir_.path() + QLatin1Char('/') + relativo);
    f.open(QIODevice::WriteOnly);
    f.write(contenuto);
}

inline void CartellaDiLavoro::gifCheDichiara(const QString& relativo, int larghezza, int altezza) const {
    auto parola = [](QByteArray& b, int v) {
        b.append(static_cast<char>(v & 0xFF));
        b.append(static_cast<char>((v >> 8) & 0xFF));
    };
    QByteArray b("GIF89a");
    parola(b, larghezza);
    parola(b, altezza);
    b.append("\x80\x00\x00", 3);               // a global table of two colours
    b.append("\x00\x00\x00\xFF\xFF\xFF", 6);  // black, white
    b.append(',');                             // one image, the whole screen
    parola(b, 0);
    parola(b, 0);
    parola(b, larghezza);
    parola(b, altezza);
    b.append('\x00');
    b.append("\x02\x04\x00\x01\x02\x03\x00;", 9);  // four codes of data, then the end
    file(relativo, b);
}

}  // namespace prova
