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

// Loads a GIF or JPEG file. An empty path gives the empty picture. A file that
// is missing, cannot be read, cannot be decoded, or claims a size larger than
// any picture of the atlas (over 4096 pixels on a side; refused before it is
// decoded) also gives the empty picture, plus one line on stderr naming it
// and what is wrong with it, once per file in a run: the reader keeps a
// working atlas.
Picture LoadPicture(const QString& percorso);

// A picture made from an image in memory (used by windows that compose one).
Picture FiguraDa(QImage immagine, QString origine = QString());

}  // namespace forma
