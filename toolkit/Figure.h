// A picture loaded from a file. Picture controls hold a shared, immutable
// picture object, so one control can hand its picture to another without
// reading the file again.
#pragma once

#include <QImage>
#include <QString>
#include <memory>

namespace forma {

struct Figura {
    QImage immagine;   // null for the empty picture
    QString origine;   // the path as the caller wrote it ("" for none)
};

using Picture = std::shared_ptr<const Figura>;

// Loads a GIF or JPEG file. An empty path gives the empty picture. Only a
// regular file of at most 16 MB is opened and read: what the path names is
// looked at first, so a FIFO, a socket or a device is never opened, and a
// larger file is never read. A file that is missing, is not such a file,
// cannot be read, cannot be decoded, or claims a size larger than any
// picture of the atlas (over 4096 pixels on a side, from its header, before
// the rest is read) also gives the empty picture, plus one line on stderr
// naming it and what is wrong with it, once per file in a run: the reader
// keeps a working atlas. A picture cut short shows as far as it goes, and
// is named once as damaged.
Picture LoadPicture(const QString& percorso);

// Says on stderr, once per run for each file and cause, what is wrong with a
// picture file (the path as the caller wrote it).
void SegnalaFigura(const QString& percorso, const QString& causa);

// A picture made from an image in memory (used by windows that compose one).
Picture FiguraDa(QImage immagine, QString origine = QString());

}  // namespace forma
