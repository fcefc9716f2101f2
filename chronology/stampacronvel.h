// The page a chronology page is printed from: never shown, one label that
// holds the eight texts of the last print.
#pragma once

#include "toolkit/Form.h"
#include "toolkit/Label.h"

class stampacronvel : public forma::Form {
    Q_OBJECT
public:
    stampacronvel();

    void Form_Load() override;

    forma::Label Label1{this};
};
