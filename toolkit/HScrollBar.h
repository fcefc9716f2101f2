// A horizontal scroll bar: a value between Min and Max that the arrows move
// by SmallChange and a click in the track by LargeChange. Change is raised
// when a new value is committed: an arrow or a track click (each repeat while
// held), a key, a value set from code, and a dragged thumb only once it is
// released; the places the thumb passes during a drag raise nothing.
#pragma once

#include <functional>

#include "toolkit/Controllo.h"

class QScrollBar;

namespace forma {

class HScrollBar : public Controllo {
    Q_OBJECT
public:
    explicit HScrollBar(QWidget* padre);

    // Min is kept at or below Max: a Max below Min is raised to Min, as a
    // value outside the range is brought back into it.
    int Min() const;
    void setMin(int m);
    int Max() const;
    void setMax(int m);
    int Value() const;
    void setValue(int v);
    int SmallChange() const;
    void setSmallChange(int c);
    int LargeChange() const;
    void setLargeChange(int c);

    std::function<void()> Change;

protected:
    void resizeEvent(QResizeEvent*) override;
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    QScrollBar* barra_;
};

}  // namespace forma
