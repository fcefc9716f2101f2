// Commands of the main window that reach the other windows: opening them, the
// print fill, the music switches, Exit and the links prompt.
#include <QString>

#include "app/ModtavolaVel.h"
#include "main_window/Tavolavel.h"
#include "music/FMMediaVel.h"
#include "toolkit/Casuale.h"
#include "toolkit/Registro.h"

using namespace ModtavolaVel;

// ---------------------------------------------------------------------------
// Chronology.
// ---------------------------------------------------------------------------

void Tavolavel::Labcronol_Click() {}

// ---------------------------------------------------------------------------
// Animated series.
// ---------------------------------------------------------------------------

void Tavolavel::Labanimazioni_Click() {}

// ---------------------------------------------------------------------------
// Credits.
// ---------------------------------------------------------------------------

void Tavolavel::LabCOLLABOR_Click() {}

// ---------------------------------------------------------------------------
// Print: the map shown, copied into the print window.
// ---------------------------------------------------------------------------

void Tavolavel::Labstampa_Click() {}

// ---------------------------------------------------------------------------
// Music switches.
// ---------------------------------------------------------------------------

void Tavolavel::Label3_Click() {
    Image7.setPicture(forma::LoadPicture(QStringLiteral("atlante\\altoparlanti1.jpg")));
    forma::Randomize();
    brano = forma::BranoCasuale();
    forma::Finestra<FMMediaVel>().Command1.setValue(true);
}

void Tavolavel::Label4_Click() {
    Image7.setPicture(forma::LoadPicture(QStringLiteral("atlante\\altoparlanti2.jpg")));
    forma::Finestra<FMMediaVel>().Command2.setValue(true);
}

// ---------------------------------------------------------------------------
// Exit.
// ---------------------------------------------------------------------------

void Tavolavel::Labesci_Click() {}

// ---------------------------------------------------------------------------
// Links prompt.
// ---------------------------------------------------------------------------

void Tavolavel::Image5_Click() {}
