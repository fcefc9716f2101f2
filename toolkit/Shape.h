// A shape: rectangle, oval or rounded rectangle, filled or not, with or
// without a border line.
// Shapes never take the mouse: what lies under them gets it (the form).
#pragma once

#include <optional>

#include "toolkit/Colori.h"
#include "toolkit/Controllo.h"

namespace forma {

enum FormaShape : int {
    vbShapeRectangle = 0,
    vbShapeSquare = 1,
    vbShapeOval = 2,
    vbShapeCircle = 3,
    vbShapeRoundedRectangle = 4,
};

class Shape : public Controllo {
    Q_OBJECT
public:
    explicit Shape(QWidget* padre);

    int Forma() const { return forma_; }
    void setForma(int f);
    // The colour inside; none leaves the inside transparent.
    std::optional<Colore> FillColor() const { return riempimento_; }
    void setFillColor(std::optional<Colore> c);
    // The border line; none draws no border.
    std::optional<Colore> BorderColor() const { return bordo_; }
    void setBorderColor(std::optional<Colore> c);
    // The border line's width in pixels, drawn inside the shape's box.
    int BorderWidth() const { return spessore_; }
    void setBorderWidth(int pixel);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    int forma_ = vbShapeRectangle;
    std::optional<Colore> riempimento_;
    std::optional<Colore> bordo_ = ColoreTestoFinestra;
    int spessore_ = 1;
};

}  // namespace forma
