#include "toolkit/Form.h"

#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

#include "toolkit/Twips.h"

namespace forma {

Form::Form() : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint) {
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void Form::setBackColor(Colore c) {
    backColor_ = c;
    update();
}

void Form::Show() {
    // Without a window manager the full-screen state alone is not honoured:
    // take the screen's geometry as well.
    if (QScreen* s = screen()) setGeometry(s->geometry());
    showFullScreen();
    raise();
    activateWindow();
}

void Form::Hide() { hide(); }

// A control that hands its focus to a widget inside it (a button, a scroll
// bar) names it as its focus proxy: that widget is what takes the focus.
void Form::OrdineDelFuoco(std::initializer_list<Controllo*> controlli) {
    auto perIlFuoco = [](Controllo* c) -> QWidget* { return c->focusProxy() ? c->focusProxy() : c; };
    QWidget* precedente = nullptr;
    for (Controllo* c : controlli) {
        QWidget* w = perIlFuoco(c);
        if (precedente) QWidget::setTabOrder(precedente, w);
        precedente = w;
    }
    if (controlli.size() > 0) perIlFuoco(*controlli.begin())->setFocus();
}

void Form::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), qcolore(backColor_));
}

void Form::mouseMoveEvent(QMouseEvent* e) {
    Form_MouseMove(pulsanteDi(e->buttons()), maiuscoleDi(e->modifiers()), twips(e->position().x()),
                   twips(e->position().y()));
}

void Form::mousePressEvent(QMouseEvent* e) {
    Form_MouseDown(pulsanteDi(e->button()), maiuscoleDi(e->modifiers()), twips(e->position().x()),
                   twips(e->position().y()));
}

}  // namespace forma
