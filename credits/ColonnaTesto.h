// A column of the credits window: a fixed, left-aligned label whose text wraps
// at its width and is cut off at its lower edge. Its caption is built from
// entries each preceded by LF CR LF CR; a CR next to an LF is part of the
// same line break, so the painter shows every LF as a break and no CR at all
// (a plain label would draw each CR as a blank and indent every entry).
#pragma once

#include <QString>

#include "toolkit/Label.h"

namespace collaboratori {

class ColonnaTesto : public forma::Label {
public:
    using forma::Label::Label;

    // The text as it is laid out: the caption with its CRs left out.
    static QString TestoMostrato(const QString& caption);

protected:
    void paintEvent(QPaintEvent*) override;
};

}  // namespace collaboratori
