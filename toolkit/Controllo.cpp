#include "toolkit/Controllo.h"

#include <QMouseEvent>
#include <QPointer>
#include <algorithm>

#include "toolkit/Twips.h"

namespace forma {

int pulsanteDi(Qt::MouseButtons b) {
    int r = 0;
    if (b & Qt::LeftButton) r |= vbLeftButton;
    if (b & Qt::RightButton) r |= vbRightButton;
    if (b & Qt::MiddleButton) r |= vbMiddleButton;
    return r;
}

int maiuscoleDi(Qt::KeyboardModifiers m) {
    int r = 0;
    if (m & Qt::ShiftModifier) r |= vbShiftMask;
    if (m & Qt::ControlModifier) r |= vbCtrlMask;
    if (m & Qt::AltModifier) r |= vbAltMask;
    return r;
}

Controllo::Controllo(QWidget* padre) : QWidget(padre) {
    setMouseTracking(true);
    setAttribute(Qt::WA_NoMousePropagation);
}

void Controllo::setTop(float t) {
    top_ = t;
    applicaGeometria();
}
void Controllo::setLeft(float l) {
    left_ = l;
    applicaGeometria();
}
void Controllo::setWidth(float w) {
    width_ = w;
    applicaGeometria();
}
void Controllo::setHeight(float h) {
    height_ = h;
    applicaGeometria();
}

void Controllo::Move(float left, float top, float width, float height) {
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    applicaGeometria();
}

void Controllo::setVisible(bool v) {
    visibile_ = v;
    QWidget::setVisible(v && haPresenza());
}

void Controllo::aggiornaPresenza() {
    const bool mostrato = visibile_ && haPresenza();
    if (mostrato == !isHidden()) return;
    QWidget::setVisible(mostrato);
}

void Controllo::applicaGeometria() {
    // A control with a size, however small, keeps at least one pixel.
    setGeometry(pixel(left_), pixel(top_), std::max(width_ > 0 ? 1 : 0, pixel(width_)),
                std::max(height_ > 0 ? 1 : 0, pixel(height_)));
}

void Controllo::impostaDimensioniPixel(int larghezza, int altezza) {
    width_ = twips(larghezza);
    height_ = twips(altezza);
    applicaGeometria();
}

void Controllo::mousePressEvent(QMouseEvent* e) {
    e->accept();
    premuto_ = e->button() == Qt::LeftButton;
    if (MouseDown)
        MouseDown(pulsanteDi(e->button()), maiuscoleDi(e->modifiers()), twips(e->position().x()),
                  twips(e->position().y()));
}

void Controllo::mouseReleaseEvent(QMouseEvent* e) {
    e->accept();
    // The control may be destroyed by its own handlers: keep a guard.
    QPointer<Controllo> vivo(this);
    const bool eraPremuto = premuto_ && e->button() == Qt::LeftButton;
    premuto_ = false;
    if (MouseUp)
        MouseUp(pulsanteDi(e->button()), maiuscoleDi(e->modifiers()), twips(e->position().x()),
                twips(e->position().y()));
    if (vivo && eraPremuto && rect().contains(e->position().toPoint()) && Click) Click();
}

void Controllo::mouseMoveEvent(QMouseEvent* e) {
    e->accept();
    if (MouseMove)
        MouseMove(pulsanteDi(e->buttons()), maiuscoleDi(e->modifiers()), twips(e->position().x()),
                  twips(e->position().y()));
}

void Controllo::mouseDoubleClickEvent(QMouseEvent* e) {
    e->accept();
    if (DblClick) DblClick();
}

void Controllo::inoltraMouse(QEvent* e, QWidget* sorgente) {
    auto* me = static_cast<QMouseEvent*>(e);
    const QPointF p = sorgente->mapTo(this, me->position());
    const int shift = maiuscoleDi(me->modifiers());
    switch (e->type()) {
        case QEvent::MouseMove:
            if (MouseMove) MouseMove(pulsanteDi(me->buttons()), shift, twips(p.x()), twips(p.y()));
            break;
        case QEvent::MouseButtonPress:
            if (MouseDown) MouseDown(pulsanteDi(me->button()), shift, twips(p.x()), twips(p.y()));
            break;
        case QEvent::MouseButtonRelease:
            if (MouseUp) MouseUp(pulsanteDi(me->button()), shift, twips(p.x()), twips(p.y()));
            break;
        default:
            break;
    }
}

}  // namespace forma
