#include "credits/ColonnaTesto.h"

#include <QPainter>

namespace collaboratori {

QString ColonnaTesto::TestoMostrato(const QString& caption) {
    QString t = caption;
    t.remove(QLatin1Char('\r'));
    return t;
}

void ColonnaTesto::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (BackStyle() == forma::vbOpaque) p.fillRect(rect(), forma::qcolore(BackColor()));
    p.setFont(font());
    p.setPen(forma::qcolore(ForeColor()));
    // Drawn within the widget: what does not fit is clipped at the lower edge.
    p.drawText(rect(), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, TestoMostrato(Caption()));
}

}  // namespace collaboratori
