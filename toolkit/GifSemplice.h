// A quick decoder for the plain GIF files the atlas ships; Qt's reader takes
// every other file. A map is 175,000 pixels, read from its file on every
// draw, and Qt's reader looks every pixel up through several calls.
//
// It accepts exactly this form, and gives for it the pixels Qt's reader
// gives (a test holds it to that on every GIF of the atlas and on fixtures
// of each deviation):
//  - "GIF87a" or "GIF89a"; a logical screen of at most latoMassimo pixels on
//    a side; a global colour table or none;
//  - before the image, only these extensions: a graphic control extension
//    of the standard four bytes without a transparent colour, a comment, and
//    an application extension whose first sub-block holds its eleven-byte
//    name; each with its sub-blocks up to their terminator;
//  - one image that starts at the corner and covers the whole screen, not
//    interlaced, with a colour table (its own or the global one);
//  - LZW data with a minimum code size of 2 to 8, where every code is a
//    clear code, a root index inside the colour table, or a code already
//    defined or being defined, and no run passes the last pixel;
//  - after the last pixel: nothing, the end code, or the end of the image's
//    sub-blocks before a whole code (what follows the end code is not read).
// Anything else (transparency, interlacing, a frame smaller than the
// picture, other extensions, an empty first sub-block of an application
// extension, codes after the last pixel, damaged data) is left to Qt.
#pragma once

#include <QByteArrayView>
#include <QImage>
#include <optional>

namespace forma {

// The first image of a plain GIF as Qt's reader gives it (RGB32), or none
// when the file is not one this decoder takes; then Qt's reader is used.
// When the data end before the last pixel (the file ends, the image's
// sub-blocks end, or the end code comes) in a file that is plain as far as
// it goes, *tronca is set: Qt's reader shows such a file dark past that
// point, without a word.
std::optional<QImage> DecodificaGifSemplice(QByteArrayView dati, int latoMassimo, bool* tronca = nullptr);

}  // namespace forma
