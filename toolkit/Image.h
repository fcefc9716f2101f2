// A picture control: shows a picture at its own size from its designed
// top-left corner, or stretched to the control; an optional thin border.
// Not stretched, it takes its picture's size up to its room (misure in
// toolkit/MisureFigure.h); a larger picture shows its top-left part.
#pragma once

#include "toolkit/Controllo.h"
#include "toolkit/Figure.h"

namespace forma {

class Image : public Controllo {
    Q_OBJECT
public:
    explicit Image(QWidget* padre);

    const forma::Picture& Picture() const { return figura_; }
    void setPicture(forma::Picture p);

    bool Stretch() const { return stretch_; }
    void setStretch(bool s);
    int BorderStyle() const { return bordo_; }
    void setBorderStyle(int b);

    // The largest picture, in pixels, that the control shows whole when not
    // stretched (its border comes on top); a larger one is cut to it and
    // named once on stderr. Empty: no limit.
    QSize Riquadro() const { return riquadro_; }
    void setRiquadro(QSize pixel);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    void adattaDimensioni();

    forma::Picture figura_;
    bool stretch_ = false;
    int bordo_ = 0;
    QSize riquadro_;
};

}  // namespace forma
