// The clipboard: a picture (as a bitmap) or plain text.
#pragma once

#include <QImage>
#include <QString>

namespace forma {

void AppuntiImmagine(const QImage& immagine);
void AppuntiTesto(const QString& testo);

}  // namespace forma
