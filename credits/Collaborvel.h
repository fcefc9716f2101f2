// The credits window: the reviewers of the French, English and Spanish texts
// in three coloured columns under a heading strip, with Back and Exit. Every
// caption is written in the four languages side by side (or in one language
// only), so nothing here depends on the language chosen in the main window.
#pragma once

#include <array>

#include <QString>

#include "credits/ColonnaTesto.h"
#include "toolkit/Form.h"
#include "toolkit/Label.h"

class Collaborvel : public forma::Form {
    Q_OBJECT
public:
    Collaborvel();

    void Form_Load() override;

    // Controls, as designed (twips, colours as 0xBBGGRR), bottom of the
    // stacking order first.
    forma::Label Label3{this};
    forma::Label Label4{this};
    collaboratori::ColonnaTesto Label5{this};
    collaboratori::ColonnaTesto Label6{this};
    collaboratori::ColonnaTesto Label7{this};
    forma::Label Labesci{this};
    forma::Label Labtorna{this};
    forma::Label Label8{this};
    forma::Label Label9{this};
    forma::Label Label10{this};

    // The entries of the three columns, filled at start-up; entry 10 is
    // spare room and stays empty.
    std::array<QString, 11> revisoriFra;
    std::array<QString, 11> revisoriIng;
    std::array<QString, 11> revisoriSpa;

private:
    void progetta();
    void Labtorna_Click();
    void Labesci_Click();
};
