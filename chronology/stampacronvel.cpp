#include "chronology/stampacronvel.h"

#include "toolkit/Twips.h"

stampacronvel::stampacronvel() {
    setCaption(QStringLiteral("Stampacronologia"));
    setBackColor(forma::ColoreSfondoFinestra);
    // The page is never shown: its size is that of its client area, which is
    // what gets printed.
    resize(forma::pixel(11895), forma::pixel(8700));
    Label1.Move(360, 360, 11295, 8295);
    Label1.setBackStyle(forma::vbOpaque);
    Label1.setBackColor(forma::ColoreSfondoFinestra);
    Label1.setForeColor(forma::ColoreTestoFinestra);
    Label1.setCaption(QString());
}

void stampacronvel::Form_Load() {
    setTop(0);
    setLeft(0);
}
