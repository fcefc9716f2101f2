// Printing a window's image on the default printer, scaled to the page.
// Printing fails, and says so, when there is no default printer or the
// printer cannot be opened: it is never reported as done when it was not.
#pragma once

#include <QImage>
#include <QString>
#include <QWidget>

namespace forma {

// Prints the image; false on failure, with the reason in *errore if given.
bool StampaImmagine(const QImage& immagine, QString* errore = nullptr);

// The image of a window as it shows (every visible control painted).
QImage ImmagineDi(QWidget& finestra);

// Prints the image of a window (the old forms' print of the whole window).
bool PrintForm(QWidget& finestra, QString* errore = nullptr);

// Sends printed output to a PDF file instead of the default printer, for a
// check of what would be printed; an empty path goes back to the printer.
void StampaSuFile(const QString& pdf);

// Names the print jobs from now on (the name the queue shows, and the one a
// PDF printer names its file after), so that a check can tell its own job
// from others on a shared queue; an empty name goes back to "CARTAVIVA".
void NomeLavoroDiStampa(const QString& nome);

}  // namespace forma
