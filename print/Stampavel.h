// The print window: a copy of the map the main window shows (picture, overlay
// labels, description), which the reader zooms, prints on the default printer
// or copies to the clipboard. The main window fills it (its print label); Back
// destroys it, so every opening starts from the design.
#pragma once

#include <array>

#include "maps/RegistroCarte.h"
#include "toolkit/CommandButton.h"
#include "toolkit/Form.h"
#include "toolkit/Image.h"
#include "toolkit/Label.h"

class Stampavel : public forma::Form {
    Q_OBJECT
public:
    Stampavel();

    void Form_Load() override;

    // Controls, as designed (twips, colours as 0xBBGGRR), topmost first.
    forma::CommandButton CmdHelp{this};
    forma::CommandButton Cmdtorna{this};
    forma::CommandButton cmdcopia{this};
    forma::CommandButton cmdzoommeno{this};
    forma::CommandButton cmdzoom{this};
    forma::CommandButton cmdstampa{this};
    forma::CommandButton Cmdesci{this};
    forma::Label Labtesto{this};
    std::array<forma::Label*, NumeroEtichette> Label1{};
    forma::Image Image1{this};

private:
    void progetta();
    void collegaEventi();
    // Scales the picture box by `picture` and the label places by `etichette`.
    void scala(double picture, double etichette, bool ingrandisci);

    // Handlers, named after their control and event.
    void cmdzoom_Click();
    void cmdzoommeno_Click();
    void cmdstampa_Click();
    void cmdcopia_Click();
    void CmdHelp_Click();
    void Cmdtorna_Click();
    void Cmdesci_Click();
};
