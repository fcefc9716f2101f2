// Pictures kept decoded between draws. Many maps show the same picture (the
// inset of 34 maps, a map picture shared by neighbouring years), and Next
// shows the picture that idle time may already have read: a picture asked
// for again is handed out as it was decoded, as long as its file has not
// changed since (same size, time and file), and read again otherwise. A few
// pictures are kept, the ones asked for last.
#pragma once

#include <QString>

#include "toolkit/Figure.h"

namespace forma {

// As LoadPicture, through the pictures kept.
Picture CaricaFigura(const QString& percorso);

// Reads the picture into those kept, for a draw that is likely to come.
void PreparaFigura(const QString& percorso);

// Forgets every picture kept (tests that rewrite a file within the same
// second and at the same size).
void DimenticaFigure();

}  // namespace forma
