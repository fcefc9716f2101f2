#include "toolkit/HScrollBar.h"

#include <QKeyEvent>
#include <QProxyStyle>
#include <QScrollBar>

namespace forma {

namespace {

// A click in the track steps by LargeChange towards the click, whatever the
// platform's habit of jumping there.
class StileBarra : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;
    int styleHint(StyleHint h, const QStyleOption* o, const QWidget* w, QStyleHintReturn* r) const override {
        if (h == SH_ScrollBar_LeftClickAbsolutePosition) return 0;
        return QProxyStyle::styleHint(h, o, w, r);
    }
};

}  // namespace

HScrollBar::HScrollBar(QWidget* padre) : Controllo(padre), barra_(new QScrollBar(Qt::Horizontal, this)) {
    auto* stile = new StileBarra;
    stile->setParent(barra_);
    barra_->setStyle(stile);
    // The value follows the thumb only when it is released.
    barra_->setTracking(false);
    barra_->installEventFilter(this);
    barra_->setRange(0, 32767);
    barra_->setSingleStep(1);
    barra_->setPageStep(1);
    barra_->setValue(0);
    barra_->setFocusPolicy(Qt::StrongFocus);
    setFocusProxy(barra_);
    connect(barra_, &QScrollBar::valueChanged, this, [this] {
        if (Change) Change();
    });
}

int HScrollBar::Min() const { return barra_->minimum(); }
void HScrollBar::setMin(int m) { barra_->setMinimum(m); }
int HScrollBar::Max() const { return barra_->maximum(); }
void HScrollBar::setMax(int m) { barra_->setMaximum(m); }
int HScrollBar::Value() const { return barra_->value(); }
void HScrollBar::setValue(int v) { barra_->setValue(v); }
int HScrollBar::SmallChange() const { return barra_->singleStep(); }
void HScrollBar::setSmallChange(int c) { barra_->setSingleStep(c); }
int HScrollBar::LargeChange() const { return barra_->pageStep(); }
void HScrollBar::setLargeChange(int c) { barra_->setPageStep(c); }

// Keys move the value as the arrows and the track do: left and up by
// SmallChange towards Min, right and down towards Max, Page Up and Page Down
// by LargeChange, Home and End to the ends.
bool HScrollBar::eventFilter(QObject* o, QEvent* e) {
    if (o != barra_ || e->type() != QEvent::KeyPress) return Controllo::eventFilter(o, e);
    QAbstractSlider::SliderAction azione;
    switch (static_cast<QKeyEvent*>(e)->key()) {
        case Qt::Key_Left:
        case Qt::Key_Up: azione = QAbstractSlider::SliderSingleStepSub; break;
        case Qt::Key_Right:
        case Qt::Key_Down: azione = QAbstractSlider::SliderSingleStepAdd; break;
        case Qt::Key_PageUp: azione = QAbstractSlider::SliderPageStepSub; break;
        case Qt::Key_PageDown: azione = QAbstractSlider::SliderPageStepAdd; break;
        case Qt::Key_Home: azione = QAbstractSlider::SliderToMinimum; break;
        case Qt::Key_End: azione = QAbstractSlider::SliderToMaximum; break;
        default: return Controllo::eventFilter(o, e);
    }
    barra_->triggerAction(azione);
    return true;
}

void HScrollBar::resizeEvent(QResizeEvent*) { barra_->setGeometry(rect()); }

}  // namespace forma
