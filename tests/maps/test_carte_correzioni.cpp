// Plain errors of fact set right in the descriptions (a wrong date, ruler or
// place), each with the wrong words it replaced: a later edit of a text must
// not bring the error back.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <string_view>

#include "maps/TutteLeCarte.h"

namespace {

using namespace contenuti;

struct Correzione {
    const char* nome;
    const ContenutoCarta* carta;
    Lingua lingua;
    const char* giusto;
    const char* sbagliato;
};

void PrintTo(const Correzione& c, std::ostream* os) { *os << c.nome; }

const Correzione correzioni[] = {
    // The first capital of united Egypt was Thinis; Tanis rose in the Delta much later.
    {"Carta3Francese_CapitaleThinis", &ac3100, Francese, "dont la capitale est Thinis.", "Tanis"},
    // Assyria in 1365 BC held part of Mesopotamia, not Anatolia, Syria and Palestine.
    {"Carta21Francese_AssiriaInMesopotamia", &ac1365, Francese, "une partie de la Mésopotamie", "toute l'Anatolie"},
    // Genghis Khan died in 1227.
    {"Carta119Francese_GengisKhanFinoAl1227", &dc1260, Francese, "entre 1208 et 1227", "1237"},
    // The Ottomans took Mesopotamia from Persia; they never held Persia itself.
    {"Carta131Inglese_MesopotamiaTolta", &dc1600, Inglese, "wrests Mesopotamia out of the hands of Safavid Persia",
     "to Safavid Persia"},
    // 1644 is when the Qing took China, not when they took Manchuria and Mongolia.
    {"Carta136Spagnolo_QingDal1644", &dc1700, Spagnolo, "en el poder desde 1644", "ocupa en 1644"},
    // The Jurchens who founded the Qing were the tribes of Manchuria itself, united by Nurhachi.
    {"Carta136Francese_JurchenDellaManciuria", &dc1700, Francese, "Jurchens unies par Nurhachi", "venues de Mongolie"},
    // The Chinese republic of 1925 was not a socialist one.
    {"Carta158Spagnolo_RepubblicaDal1912", &dc1925, Spagnolo, "desde 1912 en una república", "socialista"},
    // The missile crisis over Cuba was in 1962.
    {"Carta164Francese_MissiliDel1962", &dc1975, Francese, "En 1962 les missiles", "1961"},
};

class CorrezioniDiFatto : public testing::TestWithParam<Correzione> {};

TEST_P(CorrezioniDiFatto, IlTestoDiceIlGiustoENonPiuLoSbagliato) {
    const Correzione& c = GetParam();
    const std::string_view d = c.carta->descrizione[c.lingua];
    EXPECT_NE(d.find(c.giusto), std::string_view::npos) << "lacks \"" << c.giusto << "\"";
    EXPECT_EQ(d.find(c.sbagliato), std::string_view::npos) << "still holds \"" << c.sbagliato << "\"";
}

INSTANTIATE_TEST_SUITE_P(Descrizioni, CorrezioniDiFatto, testing::ValuesIn(correzioni),
                         [](const testing::TestParamInfo<Correzione>& info) { return std::string(info.param.nome); });

}  // namespace
