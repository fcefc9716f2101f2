// Commands of the main window that reach the other windows: opening them, the
// print fill, the music switches, Exit and the links prompt.
#include <QString>

#include "app/ModtavolaVel.h"
#include "main_window/Tavolavel.h"
#include "music/FMMediaVel.h"
#include "toolkit/Registro.h"

using namespace ModtavolaVel;

// ---------------------------------------------------------------------------
// Chronology.
// ---------------------------------------------------------------------------

void Tavolavel::Labcronol_Click() {}

// ---------------------------------------------------------------------------
// Animated series.
// ---------------------------------------------------------------------------

#include "animation/mapanimVel.h"

// Opens the animation window; after its Back this builds it afresh.
void Tavolavel::Labanimazioni_Click() { forma::Finestra<mapanimVel>().Show(); }

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

void Tavolavel::Label3_Click() {}

void Tavolavel::Label4_Click() {}

// ---------------------------------------------------------------------------
// Exit.
// ---------------------------------------------------------------------------

void Tavolavel::Labesci_Click() {}

// ---------------------------------------------------------------------------
// Links prompt.
// ---------------------------------------------------------------------------

void Tavolavel::Image5_Click() {}
