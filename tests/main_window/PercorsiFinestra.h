// Routes through the real main window and what the overlay shows at their
// end: the row types, the steps a route is made of and the check, shared by
// the route tables of every group of maps (one file per folder of maps/).
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "main_window/FasceTempo.h"
#include "maps/ContenutoCarta.h"
#include "tests/support/FinestraPrincipale.h"

namespace percorsi {

// What one overlay label shows at the end of the route.
struct Atteso {
    int etichetta;
    const char* didascalia;  // nullptr: not checked
    float top, left;  // < 0: not checked
    long colore;  // -1: not checked; progettato: see below
};

// The label still has the colour it was designed with: no map drawn so far
// has written it. For labels 10 to 28 that colour is black, so the colour
// alone cannot tell it from a map that wrote black: these cases also check
// that the content of no map on the way gives the label a colour. They are
// routes of Next from start-up, which draw every map from 1 to the one shown.
constexpr long progettato = -2;

struct Percorso {
    const char* nome;
    std::function<void(Tavolavel&)> strada;
    int carta;
    std::vector<Atteso> attesi;
    const char* inizioTesto = nullptr;  // opening of the description; nullptr: not checked
    const char* descrizione = nullptr;  // the whole text of the box; nullptr: not checked
};

constexpr long nero = 0x000000, bianco = 0xFFFFFF, rosso = 0x0000FF, blu = 0xFF0000, bluScuro = 0xC00000;

// The steps of a route, as the user takes them.
inline void avanti(Tavolavel& t, int volte = 1) {
    for (int i = 0; i < volte; ++i) prova::FinestraPrincipale::clic(t, t.Labsuccessiva);
}
inline void indietro(Tavolavel& t, int volte = 1) {
    for (int i = 0; i < volte; ++i) prova::FinestraPrincipale::clic(t, t.Labprecedente);
}
// A press on the BC timeline at a value, on the AD timeline at the place of a year.
inline void ac(Tavolavel& t, int valore) {
    t.LabAc.MouseDown(forma::vbLeftButton, 0, static_cast<float>((3500 - valore) * 3), 100);
}
inline void dc(Tavolavel& t, int anno) { t.LabDc.MouseDown(forma::vbLeftButton, 0, static_cast<float>(anno * 3), 100); }
// A press on the BC timeline at the first value that selects map n.
inline void vaiA(Tavolavel& t, int n) {
    for (int valore = 0; valore <= 3500; ++valore) {
        if (cartaPer(FasceaC, static_cast<float>(valore)) == n) {
            ac(t, valore);
            return;
        }
    }
    ADD_FAILURE() << "no timeline value selects map " << n;
}
inline void italiano(Tavolavel& t) { prova::FinestraPrincipale::clic(t, t.LabITA); }
inline void francese(Tavolavel& t) { prova::FinestraPrincipale::clic(t, t.LabFRA); }
inline void spagnolo(Tavolavel& t) { prova::FinestraPrincipale::clic(t, t.LabSPA); }
inline void inglese(Tavolavel& t) { prova::FinestraPrincipale::clic(t, t.LabING); }
// Draw a map the way the chronology or a timeline does: set the number and
// call the dispatcher that owns it.
inline void disegna(Tavolavel& t, int n) {
    ModtavolaVel::numcarta = static_cast<std::int16_t>(n);
    t.disegnaCarta();
}

// Every label a map's content writes and its description, on the overlay
// exactly as the content gives them in that language.
void overlayComeIDati(const Tavolavel& t, const contenuti::ContenutoCarta& c, contenuti::Lingua l);
// The same, and every label from the emptied start on without a caption.
void comeLaCarta(const Tavolavel& t, const contenuti::ContenutoCarta& c, contenuti::Lingua l);

// The name of an instantiated case: its route's name.
struct NomePercorso {
    template <typename P>
    std::string operator()(const ::testing::TestParamInfo<P>& i) const {
        return i.param.nome;
    }
};

class Percorsi : public prova::FinestraPrincipale, public ::testing::WithParamInterface<Percorso> {};

// Routes to a map that writes every label it uses: at the end each of them
// has the map's place and colour and, in a language of the four, its caption,
// and the box holds the map's description. The listed labels are checked
// against literal values as well.
struct PercorsoComeLaCarta {
    const char* nome;
    std::function<void(Tavolavel&)> strada;
    int carta;
    const contenuti::ContenutoCarta* contenuto;
    int lingua;  // -1: captions and description are not this map's
    std::vector<Atteso> attesi;
    const char* inizioTesto = nullptr;  // opening of the description; nullptr: not checked
};

class PercorsiComeLaCarta : public prova::FinestraPrincipale,
                            public ::testing::WithParamInterface<PercorsoComeLaCarta> {};

// Routes whose end is checked by a step of its own.
struct PercorsoVerificato {
    const char* nome;
    std::function<void(Tavolavel&)> strada;
    std::function<void(const Tavolavel&)> verifica;
};

class PercorsiVerificati : public prova::FinestraPrincipale,
                           public ::testing::WithParamInterface<PercorsoVerificato> {};

}  // namespace percorsi
