// Map 88 (world, AD 320): overlay labels and descriptions.
#include "maps/ContenutoCarta.h"

namespace contenuti {
namespace {
constexpr EtichettaCarta etichette[] = {
    // indice, {Top, Left} or std::nullopt, ForeColor or std::nullopt, {it, fr, es, en}
    {0, Posizione{2640, 7800}, 0xFFFFFF, {"Kush", "Koush", "Kush", "Kush"}},
    {1, Posizione{1440, 9720}, 0x000000, {"Turchi-Mongoli", "Turcs-Mongols", "Turcos-Móngoles", "Turcs-Mongols"}},
    {2, Posizione{1380, 7060}, 0x000000, {"Franchi", "Francs", "Francos", "Franks"}},
    {3, Posizione{2700, 9140}, 0x000000, {"Stati indiani", "Etats Indiens", "Estados de India", "Indian States"}},
    {4, Posizione{2040, 7080}, 0x000000, {"IMPERO ROMANO", "EMPIRE ROMAIN", "IMPERIO ROMANO", "ROMAN EMPIRE"}},
    {5, Posizione{3960, 4320}, 0x000000, {"Nazca", "Nazca", "Nazca", "Nazca"}},
    {6, Posizione{1560, 8000}, 0xFFFFFF, {"Goti", "Goths", "Gotas", "Goths"}},
    {7, Posizione{2880, 4200}, 0x000000, {"Maya", "Maya", "Maya", "Maya"}},
    {8, Posizione{2280, 8280}, 0x000000, {"Imp. Sassanide", "Emp.Sassanide", "Imp.Sasànide", "Sasanian Emp."}},
    {9, Posizione{2900, 8280}, 0x000000, {"Himyariti", "Himyarithes", "Himyaritas", "Himyariths"}},
    {10, Posizione{2500, 9280}, 0x000000, {"Imp.Gupta", "Emp.Gupta", "Imp.Gupta", "Gupta Emp."}},
};
}  // namespace

extern const ContenutoCarta dc320;
const ContenutoCarta dc320{etichette, 11, {
    "320 d.C.    INDIA: Chandragupta I, partendo dall'antico regno di Magadha, fonda l'impero Gupta, che inaugura il periodo classico dell'India e una fioritura delle arti.   ROMA: regna Costantino, che favorisce i cristiani (fede di Stato dal 380).",  // Italian
    "320 Ap.JC. INDE: Chandragupta Ier, partant de l'ancien royaume du Magadha, fonde l'empire Gupta, qui ouvre la période classique de l'Inde et un grand essor des arts. ROME: règne de Constantin, qui favorise le christianisme (foi d'État en 380).",  // French
    "320 d.C. India: Chandragupta I, partiendo del antiguo reino de Magadha, funda el imperio Gupta, que abre el período clásico de la India con un florecimiento de las artes. Roma: reina el emperador Constantino, que favorece el cristianismo (religión de Estado en 380).",  // Spanish
    "320 A.D. INDIA: Chandragupta I, starting from the old kingdom of Magadha, founds the Gupta empire, which opens the classical period of India with a flowering of the arts. ROME: Constantine rules and favours Christianity, the state religion from 380.",  // English
}};

}  // namespace contenuti
