// A quick decoder for the plain GIF files the atlas ships: one opaque,
// non-interlaced image covering the whole picture, decoded exactly as Qt's
// own reader decodes it, in a fraction of the time (Qt's reader looks every
// pixel up through several calls; a map is 175,000 pixels and is read from
// its file on every draw). Anything else (transparency, interlacing, a
// frame smaller than the picture, damaged data) is left to Qt's reader.
#pragma once

#include <QByteArrayView>
#include <QImage>
#include <optional>

namespace forma {

// The first image of a plain GIF as Qt's reader gives it (RGB32), or none
// when the file is not one this decoder takes; then Qt's reader is used.
// Pictures over latoMassimo pixels on a side are never decoded here.
std::optional<QImage> DecodificaGifSemplice(QByteArrayView dati, int latoMassimo);

}  // namespace forma
