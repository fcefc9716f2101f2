// The animation window: plays one of four series of map pictures as a slide
// show, each picture with its date, at the pace set on the speed bar; six
// transport buttons, the music switch, Back and Exit.
//
// The window has two lifetimes. Its controls (this form) live from an opening
// to its Back, which destroys them; the next opening builds them afresh from
// the design and runs Form_Load again. Its frame tables and counters belong to
// the window object, `mapanimVel::Oggetto`, which is made at the first opening
// and lives until the end of the process, so the series chosen last survives a
// Back. Each form holds a share of that object and names its fields as its own.
#pragma once

#include <QString>
#include <array>
#include <cstdint>
#include <memory>

#include "toolkit/CommandButton.h"
#include "toolkit/Form.h"
#include "toolkit/HScrollBar.h"
#include "toolkit/Image.h"
#include "toolkit/Label.h"
#include "toolkit/Shape.h"
#include "toolkit/Timer.h"

class mapanimVel : public forma::Form {
    Q_OBJECT
public:
    // Room for the longest series and more; index 0 is never written.
    static constexpr int UltimoIndice = 200;
    using Tavola = std::array<QString, UltimoIndice + 1>;

    // The window object: what the window keeps across its Backs.
    struct Oggetto {
        Tavola fileFotogramma;  // picture path of frame k, k from 1
        Tavola dataFotogramma;  // date caption of frame k, k from 1
        std::int16_t fotogramma = 0;     // the frame the timer shows next
        std::int16_t numFotogrammi = 0;  // frames of the loaded series; 0 before any
    };
    // The one window object, made on first use. It ends with the process; the
    // registry's DistruggiTutte (the end of the program, or of a test) drops it
    // with the windows, so the next opening starts as the first one did.
    static std::shared_ptr<Oggetto> oggettoFinestra();

    mapanimVel();

    void Form_Load() override;
    void Form_MouseMove(int Button, int Shift, float X, float Y) override;

    // Series loaders: fill the tables from index 1, set the count, start the timer.
    void europa();
    void mondo();
    void mediterraneo();
    void medioriente();

private:
    std::shared_ptr<Oggetto> oggetto_ = oggettoFinestra();

public:
    // The window object's fields, under the names the handlers use.
    Tavola& fileFotogramma = oggetto_->fileFotogramma;
    Tavola& dataFotogramma = oggetto_->dataFotogramma;
    std::int16_t& fotogramma = oggetto_->fotogramma;
    std::int16_t& numFotogrammi = oggetto_->numFotogrammi;

    // Controls, as designed (twips, colours as 0xBBGGRR), bottom of the stack first.
    forma::Shape Shape3{this};
    forma::Shape Shape1{this};
    forma::Shape Shape2{this};
    forma::Image Image1{this};
    forma::Image Image2{this};
    forma::Image Image3{this};
    forma::Label Label9{this};
    forma::Label Labmondo{this};
    forma::Label Labeuropa{this};
    forma::Label Laboriente{this};
    forma::Label Labmediterr{this};
    forma::Label Label1{this};
    forma::CommandButton cmdprima{this};
    forma::CommandButton cmdprec{this};
    forma::CommandButton cmdstop{this};
    forma::CommandButton cmdplay{this};
    forma::CommandButton cmdseg{this};
    forma::CommandButton cmdultima{this};
    forma::Label Label3{this};
    forma::Label Label2{this};
    forma::HScrollBar HScroll1{this};
    forma::Label Label5{this};
    forma::Label Label6{this};
    forma::Label Label7{this};
    forma::Label Labesci{this};
    forma::Label Labtorna{this};
    forma::Timer Timer1{this};

private:
    void progetta();
    void collegaEventi();
    // Shows frame k: its picture, then its date.
    void mostraFotogramma(int k);

    // Handlers, named after their control and event.
    void Timer1_Timer();
    void HScroll1_Change();
    void cmdplay_Click();
    void cmdstop_Click();
    void cmdprima_Click();
    void cmdprec_Click();
    void cmdseg_Click();
    void cmdultima_Click();
    void Labmondo_Click();
    void Labeuropa_Click();
    void Laboriente_Click();
    void Labmediterr_Click();
    void Label6_Click();
    void Label7_Click();
    void Labtorna_Click();
    void Labesci_Click();
    void Labmondo_MouseMove();
    void Labeuropa_MouseMove();
    void Laboriente_MouseMove();
    void Labmediterr_MouseMove();
    void Labtorna_MouseMove();
    void Labesci_MouseMove();
};
