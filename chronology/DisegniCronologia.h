// The chronology's own small pictures: the cursors over its rows and the
// copy and print icons, drawn here rather than read from files.
#pragma once

#include <QCursor>
#include <QImage>

// A pencil, in the colours of row 0..7, writing at its lower-left tip.
QCursor CursoreMatita(int riga);
// A book with papers, variant 0..3.
QCursor CursoreLibro(int variante);
// Two sheets, one over the other: 18 x 21 pixels.
QImage IconaCopia();
// A printer with a sheet coming out: 24 x 21 pixels.
QImage IconaStampa();
