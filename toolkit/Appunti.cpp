#include "toolkit/Appunti.h"

#include <QClipboard>
#include <QGuiApplication>

namespace forma {

void AppuntiImmagine(const QImage& immagine) { QGuiApplication::clipboard()->setImage(immagine); }
void AppuntiTesto(const QString& testo) { QGuiApplication::clipboard()->setText(testo); }

}  // namespace forma
