// Every picture that the atlas loads at run time must be present in the data
// folder, decode, and have the size the windows are laid out for: map
// pictures fill the map area exactly, insets the inset area, thumbnails a
// chronology row, and the flag strip and speaker pictures lie under their
// click areas.
#include <QCoreApplication>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QString>

#include <gtest/gtest.h>

#ifndef CARTAVIVA_DATI
#define CARTAVIVA_DATI "."
#endif

namespace {

struct Immagine {
    const char* nome;      // test row name
    const char* percorso;  // relative to the data folder
    int larghezza;
    int altezza;
};

std::ostream& operator<<(std::ostream& os, const Immagine& i) { return os << i.percorso; }

// Main pictures of the 168 catalogue entries (shared pictures once), the
// insets, the two pictures only the animation uses, one thumbnail per main
// picture, the four flag strips, the two speaker pictures and the links badge.
const Immagine kImmagini[] = {
    {"atlante_5000bac_gif", "atlante/5000bac.gif", 521, 337},
    {"atlante_3300ac_gif", "atlante/3300ac.gif", 521, 337},
    {"atlante_3100ac_gif", "atlante/3100ac.gif", 521, 337},
    {"atlante_3000ac_gif", "atlante/3000ac.gif", 521, 337},
    {"atlante_2350ac_gif", "atlante/2350ac.gif", 521, 337},
    {"atlante_2220ac_gif", "atlante/2220ac.gif", 521, 337},
    {"atlante_2112ac_gif", "atlante/2112ac.gif", 521, 337},
    {"atlante_2061ac_gif", "atlante/2061ac.gif", 521, 337},
    {"atlante_2004ac_gif", "atlante/2004ac.gif", 521, 337},
    {"atlante_2000ac_gif", "atlante/2000ac.gif", 521, 337},
    {"atlante_1950ac_gif", "atlante/1950ac.gif", 521, 337},
    {"atlante_1810ac_gif", "atlante/1810ac.gif", 521, 337},
    {"atlante_1760ac_gif", "atlante/1760ac.gif", 521, 337},
    {"atlante_1685ac_gif", "atlante/1685ac.gif", 521, 337},
    {"atlante_1650ac_gif", "atlante/1650ac.gif", 521, 337},
    {"atlante_1595ac_gif", "atlante/1595ac.gif", 521, 337},
    {"atlante_1580ac_gif", "atlante/1580ac.gif", 521, 337},
    {"atlante_1550ac_gif", "atlante/1550ac.gif", 521, 337},
    {"atlante_1512ac_gif", "atlante/1512ac.gif", 521, 337},
    {"atlante_1400ac_gif", "atlante/1400ac.gif", 521, 337},
    {"atlante_1365ac_gif", "atlante/1365ac.gif", 521, 337},
    {"atlante_1286ac_gif", "atlante/1286ac.gif", 521, 337},
    {"atlante_1280ac_gif", "atlante/1280ac.gif", 521, 337},
    {"atlante_1250ac_gif", "atlante/1250ac.gif", 521, 337},
    {"atlante_1230ac_gif", "atlante/1230ac.gif", 521, 337},
    {"atlante_1200ac_gif", "atlante/1200ac.gif", 521, 337},
    {"atlante_1157ac_gif", "atlante/1157ac.gif", 521, 337},
    {"atlante_1120ac_gif", "atlante/1120ac.gif", 521, 337},
    {"atlante_1100ac_gif", "atlante/1100ac.gif", 521, 337},
    {"atlante_1085ac_gif", "atlante/1085ac.gif", 521, 337},
    {"atlante_1020ac_gif", "atlante/1020ac.gif", 521, 337},
    {"atlante_900ac_gif", "atlante/900ac.gif", 521, 337},
    {"atlante_770ac_gif", "atlante/770ac.gif", 521, 337},
    {"atlante_745ac_gif", "atlante/745ac.gif", 521, 337},
    {"atlante_732ac_gif", "atlante/732ac.gif", 521, 337},
    {"atlante_722ac_gif", "atlante/722ac.gif", 521, 337},
    {"atlante_671ac_gif", "atlante/671ac.gif", 521, 337},
    {"atlante_652ac_gif", "atlante/652ac.gif", 521, 337},
    {"atlante_626ac_gif", "atlante/626ac.gif", 521, 337},
    {"atlante_612ac_gif", "atlante/612ac.gif", 521, 337},
    {"atlante_587ac_gif", "atlante/587ac.gif", 521, 337},
    {"atlante_550ac_gif", "atlante/550ac.gif", 521, 337},
    {"atlante_536ac_gif", "atlante/536ac.gif", 521, 337},
    {"atlante_525ac_gif", "atlante/525ac.gif", 521, 337},
    {"atlante_512ac_gif", "atlante/512ac.gif", 521, 337},
    {"atlante_500ac_gif", "atlante/500ac.gif", 521, 337},
    {"atlante_492ac_gif", "atlante/492ac.gif", 521, 337},
    {"atlante_481ac_gif", "atlante/481ac.gif", 521, 337},
    {"atlante_480ac_gif", "atlante/480ac.gif", 521, 337},
    {"atlante_479ac_gif", "atlante/479ac.gif", 521, 337},
    {"atlante_403ac_gif", "atlante/403ac.gif", 521, 337},
    {"atlante_396ac_gif", "atlante/396ac.gif", 521, 337},
    {"atlante_390ac_gif", "atlante/390ac.gif", 521, 337},
    {"atlante_357ac_gif", "atlante/357ac.gif", 521, 337},
    {"atlante_348ac_gif", "atlante/348ac.gif", 521, 337},
    {"atlante_338ac_gif", "atlante/338ac.gif", 521, 337},
    {"atlante_333ac_gif", "atlante/333ac.gif", 521, 337},
    {"atlante_332ac_gif", "atlante/332ac.gif", 521, 337},
    {"atlante_331ac_gif", "atlante/331ac.gif", 521, 337},
    {"atlante_329ac_gif", "atlante/329ac.gif", 521, 337},
    {"atlante_326ac_gif", "atlante/326ac.gif", 521, 337},
    {"atlante_303ac_gif", "atlante/303ac.gif", 521, 337},
    {"atlante_290ac_gif", "atlante/290ac.gif", 521, 337},
    {"atlante_264ac_gif", "atlante/264ac.gif", 521, 337},
    {"atlante_241ac_gif", "atlante/241ac.gif", 521, 337},
    {"atlante_221ac_gif", "atlante/221ac.gif", 521, 337},
    {"atlante_212ac_gif", "atlante/212ac.gif", 521, 337},
    {"atlante_202ac_gif", "atlante/202ac.gif", 521, 337},
    {"atlante_198ac_gif", "atlante/198ac.gif", 521, 337},
    {"atlante_188ac_gif", "atlante/188ac.gif", 521, 337},
    {"atlante_146ac_gif", "atlante/146ac.gif", 521, 337},
    {"atlante_133ac_gif", "atlante/133ac.gif", 521, 337},
    {"atlante_106ac_gif", "atlante/106ac.gif", 521, 337},
    {"atlante_83ac_gif", "atlante/83ac.gif", 521, 337},
    {"atlante_59ac_gif", "atlante/59ac.gif", 521, 337},
    {"atlante_44ac_gif", "atlante/44ac.gif", 521, 337},
    {"atlante_zero_gif", "atlante/zero.gif", 521, 337},
    {"atlante_dc14_gif", "atlante/dc14.gif", 521, 337},
    {"atlante_dc87_gif", "atlante/dc87.gif", 521, 337},
    {"atlante_117dc_gif", "atlante/117dc.gif", 521, 337},
    {"atlante_mo250dc_gif", "atlante/mo250dc.gif", 521, 337},
    {"atlante_eu268dc_gif", "atlante/eu268dc.gif", 521, 337},
    {"atlante_eu290dc_gif", "atlante/eu290dc.gif", 521, 337},
    {"atlante_mo320dc_gif", "atlante/mo320dc.gif", 521, 337},
    {"atlante_eu330dc_gif", "atlante/eu330dc.gif", 521, 337},
    {"atlante_eu378dc_gif", "atlante/eu378dc.gif", 521, 337},
    {"atlante_eu410dc_gif", "atlante/eu410dc.gif", 521, 337},
    {"atlante_eu451dc_gif", "atlante/eu451dc.gif", 521, 337},
    {"atlante_eu476dc_gif", "atlante/eu476dc.gif", 521, 337},
    {"atlante_mo500dc_gif", "atlante/mo500dc.gif", 521, 337},
    {"atlante_eu500dc_gif", "atlante/eu500dc.gif", 521, 337},
    {"atlante_eu526dc_gif", "atlante/eu526dc.gif", 521, 337},
    {"atlante_eu565dc_gif", "atlante/eu565dc.gif", 521, 337},
    {"atlante_eu600dc_gif", "atlante/eu600dc.gif", 521, 337},
    {"atlante_eu700dc_gif", "atlante/eu700dc.gif", 521, 337},
    {"atlante_eu732dc_gif", "atlante/eu732dc.gif", 521, 337},
    {"atlante_mo750dc_gif", "atlante/mo750dc.gif", 521, 337},
    {"atlante_eu774dc_gif", "atlante/eu774dc.gif", 521, 337},
    {"atlante_eu800dc_gif", "atlante/eu800dc.gif", 521, 337},
    {"atlante_eu843dc_gif", "atlante/eu843dc.gif", 521, 337},
    {"atlante_eu870dc_gif", "atlante/eu870dc.gif", 521, 337},
    {"atlante_eu900dc_gif", "atlante/eu900dc.gif", 521, 337},
    {"atlante_mo1000dc_gif", "atlante/mo1000dc.gif", 521, 337},
    {"atlante_eu1000dc_gif", "atlante/eu1000dc.gif", 521, 337},
    {"atlante_eu1032dc_gif", "atlante/eu1032dc.gif", 521, 337},
    {"atlante_eu1075dc_gif", "atlante/eu1075dc.gif", 521, 337},
    {"atlante_eu1092dc_gif", "atlante/eu1092dc.gif", 521, 337},
    {"atlante_eu1100dc_gif", "atlante/eu1100dc.gif", 521, 337},
    {"atlante_eu1120dc_gif", "atlante/eu1120dc.gif", 521, 337},
    {"atlante_eu1160dc_gif", "atlante/eu1160dc.gif", 521, 337},
    {"atlante_eu1180dc_gif", "atlante/eu1180dc.gif", 521, 337},
    {"atlante_mo1200dc_gif", "atlante/mo1200dc.gif", 521, 337},
    {"atlante_eu1200dc_gif", "atlante/eu1200dc.gif", 521, 337},
    {"atlante_eu1205dc_gif", "atlante/eu1205dc.gif", 521, 337},
    {"atlante_mo1260dc_gif", "atlante/mo1260dc.gif", 521, 337},
    {"atlante_eu1270dc_gif", "atlante/eu1270dc.gif", 521, 337},
    {"atlante_mo1300dc_gif", "atlante/mo1300dc.gif", 521, 337},
    {"atlante_eu1300dc_gif", "atlante/eu1300dc.gif", 521, 337},
    {"atlante_eu1328dc_gif", "atlante/eu1328dc.gif", 521, 337},
    {"atlante_mo1400dc_gif", "atlante/mo1400dc.gif", 521, 337},
    {"atlante_eu1400dc_gif", "atlante/eu1400dc.gif", 521, 337},
    {"atlante_eu1430dc_gif", "atlante/eu1430dc.gif", 521, 337},
    {"atlante_eu1470dc_gif", "atlante/eu1470dc.gif", 521, 337},
    {"atlante_mo1500dc_gif", "atlante/mo1500dc.gif", 521, 337},
    {"atlante_eu1500dc_gif", "atlante/eu1500dc.gif", 521, 337},
    {"atlante_eu1530dc_gif", "atlante/eu1530dc.gif", 521, 337},
    {"atlante_mo1600dc_gif", "atlante/mo1600dc.gif", 521, 337},
    {"atlante_eu1600dc_gif", "atlante/eu1600dc.gif", 521, 337},
    {"atlante_eu1618dc_gif", "atlante/eu1618dc.gif", 521, 337},
    {"atlante_eu1648dc_gif", "atlante/eu1648dc.gif", 521, 337},
    {"atlante_eu1660dc_gif", "atlante/eu1660dc.gif", 521, 337},
    {"atlante_mo1700dc_gif", "atlante/mo1700dc.gif", 521, 337},
    {"atlante_eu1700dc_gif", "atlante/eu1700dc.gif", 521, 337},
    {"atlante_eu1748dc_gif", "atlante/eu1748dc.gif", 521, 337},
    {"atlante_eu1772dc_gif", "atlante/eu1772dc.gif", 521, 337},
    {"atlante_eu1793dc_gif", "atlante/eu1793dc.gif", 521, 337},
    {"atlante_eu1795dc_gif", "atlante/eu1795dc.gif", 521, 337},
    {"atlante_mo1800dc_gif", "atlante/mo1800dc.gif", 521, 337},
    {"atlante_eu1803dc_gif", "atlante/eu1803dc.gif", 521, 337},
    {"atlante_eu1808dc_gif", "atlante/eu1808dc.gif", 521, 337},
    {"atlante_mo1812dc_gif", "atlante/mo1812dc.gif", 521, 337},
    {"atlante_eu1812dc_gif", "atlante/eu1812dc.gif", 521, 337},
    {"atlante_eu1815dc_gif", "atlante/eu1815dc.gif", 521, 337},
    {"atlante_eu1833dc_gif", "atlante/eu1833dc.gif", 521, 337},
    {"atlante_mo1850dc_gif", "atlante/mo1850dc.gif", 521, 337},
    {"atlante_eu1861dc_gif", "atlante/eu1861dc.gif", 521, 337},
    {"atlante_eu1866dc_gif", "atlante/eu1866dc.gif", 521, 337},
    {"atlante_eu1871dc_gif", "atlante/eu1871dc.gif", 521, 337},
    {"atlante_eu1878dc_gif", "atlante/eu1878dc.gif", 521, 337},
    {"atlante_eu1885dc_gif", "atlante/eu1885dc.gif", 521, 337},
    {"atlante_mo1900dc_gif", "atlante/mo1900dc.gif", 521, 337},
    {"atlante_eu1913dc_gif", "atlante/eu1913dc.gif", 521, 337},
    {"atlante_eu1919dc_gif", "atlante/eu1919dc.gif", 521, 337},
    {"atlante_mo1925dc_gif", "atlante/mo1925dc.gif", 521, 337},
    {"atlante_eu1938dc_gif", "atlante/eu1938dc.gif", 521, 337},
    {"atlante_eu1939dc_gif", "atlante/eu1939dc.gif", 521, 337},
    {"atlante_eu1945dc_gif", "atlante/eu1945dc.gif", 521, 337},
    {"atlante_mo1950dc_gif", "atlante/mo1950dc.gif", 521, 337},
    {"atlante_israele4_gif", "atlante/israele4.gif", 521, 337},
    {"atlante_mo1975dc_gif", "atlante/mo1975dc.gif", 521, 337},
    {"atlante_eu1990dc_gif", "atlante/eu1990dc.gif", 521, 337},
    {"atlante_eu1991dc_gif", "atlante/eu1991dc.gif", 521, 337},
    {"atlante_eu1992dc_gif", "atlante/eu1992dc.gif", 521, 337},
    {"atlante_mo2000dc_gif", "atlante/mo2000dc.gif", 521, 337},
    {"atlante_battaglia2_jpg", "atlante/battaglia2.jpg", 233, 204},
    {"atlante_egitto3100ac_gif", "atlante/egitto3100ac.gif", 233, 204},
    {"atlante_mesop2230ac_gif", "atlante/mesop2230ac.gif", 233, 204},
    {"atlante_cinashang1800ac_gif", "atlante/cinashang1800ac.gif", 233, 204},
    {"atlante_grecia1200ac_gif", "atlante/grecia1200ac.gif", 233, 204},
    {"atlante_cinachou_gif", "atlante/cinachou.gif", 233, 204},
    {"atlante_america1100ac_gif", "atlante/america1100ac.gif", 233, 204},
    {"atlante_cina600ac_gif", "atlante/cina600ac.gif", 233, 204},
    {"atlante_grecia600ac_gif", "atlante/grecia600ac.gif", 233, 204},
    {"atlante_grecia490ac_gif", "atlante/grecia490ac.gif", 233, 204},
    {"atlante_grecia480ac_gif", "atlante/grecia480ac.gif", 233, 204},
    {"atlante_grecia461ac_gif", "atlante/grecia461ac.gif", 233, 204},
    {"atlante_cinahan200ac_gif", "atlante/cinahan200ac.gif", 233, 204},
    {"atlante_ita1300dc_gif", "atlante/ita1300dc.gif", 233, 204},
    {"atlante_germania1648dc_gif", "atlante/germania1648dc.gif", 233, 204},
    {"atlante_germania1946_gif", "atlante/germania1946.gif", 233, 204},
    {"atlante_israele2_gif", "atlante/israele2.gif", 233, 204},
    {"atlante_1500ac_gif", "atlante/1500ac.gif", 521, 337},
    {"atlante_450ac_gif", "atlante/450ac.gif", 521, 337},
    {"miniature_5000bacvel_gif", "miniature/5000bacvel.gif", 104, 67},
    {"miniature_3300acvel_gif", "miniature/3300acvel.gif", 104, 67},
    {"miniature_3100acvel_gif", "miniature/3100acvel.gif", 104, 67},
    {"miniature_3000acvel_gif", "miniature/3000acvel.gif", 104, 67},
    {"miniature_2350acvel_gif", "miniature/2350acvel.gif", 104, 67},
    {"miniature_2220acvel_gif", "miniature/2220acvel.gif", 104, 67},
    {"miniature_2112acvel_gif", "miniature/2112acvel.gif", 104, 67},
    {"miniature_2061acvel_gif", "miniature/2061acvel.gif", 104, 67},
    {"miniature_2004acvel_gif", "miniature/2004acvel.gif", 104, 67},
    {"miniature_2000acvel_gif", "miniature/2000acvel.gif", 104, 67},
    {"miniature_1950acvel_gif", "miniature/1950acvel.gif", 104, 67},
    {"miniature_1810acvel_gif", "miniature/1810acvel.gif", 104, 67},
    {"miniature_1760acvel_gif", "miniature/1760acvel.gif", 104, 67},
    {"miniature_1685acvel_gif", "miniature/1685acvel.gif", 104, 67},
    {"miniature_1650acvel_gif", "miniature/1650acvel.gif", 104, 67},
    {"miniature_1595acvel_gif", "miniature/1595acvel.gif", 104, 67},
    {"miniature_1580acvel_gif", "miniature/1580acvel.gif", 104, 67},
    {"miniature_1550acvel_gif", "miniature/1550acvel.gif", 104, 67},
    {"miniature_1512acvel_gif", "miniature/1512acvel.gif", 104, 67},
    {"miniature_1400acvel_gif", "miniature/1400acvel.gif", 104, 67},
    {"miniature_1365acvel_gif", "miniature/1365acvel.gif", 104, 67},
    {"miniature_1286acvel_gif", "miniature/1286acvel.gif", 104, 67},
    {"miniature_1280acvel_gif", "miniature/1280acvel.gif", 104, 67},
    {"miniature_1250acvel_gif", "miniature/1250acvel.gif", 104, 67},
    {"miniature_1230acvel_gif", "miniature/1230acvel.gif", 104, 67},
    {"miniature_1200acvel_gif", "miniature/1200acvel.gif", 104, 67},
    {"miniature_1157acvel_gif", "miniature/1157acvel.gif", 104, 67},
    {"miniature_1120acvel_gif", "miniature/1120acvel.gif", 104, 67},
    {"miniature_1100acvel_gif", "miniature/1100acvel.gif", 104, 67},
    {"miniature_1085acvel_gif", "miniature/1085acvel.gif", 104, 67},
    {"miniature_1020acvel_gif", "miniature/1020acvel.gif", 104, 67},
    {"miniature_900acvel_gif", "miniature/900acvel.gif", 104, 67},
    {"miniature_770acvel_gif", "miniature/770acvel.gif", 104, 67},
    {"miniature_745acvel_gif", "miniature/745acvel.gif", 104, 67},
    {"miniature_732acvel_gif", "miniature/732acvel.gif", 104, 67},
    {"miniature_722acvel_gif", "miniature/722acvel.gif", 104, 67},
    {"miniature_671acvel_gif", "miniature/671acvel.gif", 104, 67},
    {"miniature_652acvel_gif", "miniature/652acvel.gif", 104, 67},
    {"miniature_626acvel_gif", "miniature/626acvel.gif", 104, 67},
    {"miniature_612acvel_gif", "miniature/612acvel.gif", 104, 67},
    {"miniature_587acvel_gif", "miniature/587acvel.gif", 104, 67},
    {"miniature_550acvel_gif", "miniature/550acvel.gif", 104, 67},
    {"miniature_536acvel_gif", "miniature/536acvel.gif", 104, 67},
    {"miniature_525acvel_gif", "miniature/525acvel.gif", 104, 67},
    {"miniature_512acvel_gif", "miniature/512acvel.gif", 104, 67},
    {"miniature_500acvel_gif", "miniature/500acvel.gif", 104, 67},
    {"miniature_492acvel_gif", "miniature/492acvel.gif", 104, 67},
    {"miniature_481acvel_gif", "miniature/481acvel.gif", 104, 67},
    {"miniature_480acvel_gif", "miniature/480acvel.gif", 104, 67},
    {"miniature_479acvel_gif", "miniature/479acvel.gif", 104, 67},
    {"miniature_403acvel_gif", "miniature/403acvel.gif", 104, 67},
    {"miniature_396acvel_gif", "miniature/396acvel.gif", 104, 67},
    {"miniature_390acvel_gif", "miniature/390acvel.gif", 104, 67},
    {"miniature_357acvel_gif", "miniature/357acvel.gif", 104, 67},
    {"miniature_348acvel_gif", "miniature/348acvel.gif", 104, 67},
    {"miniature_338acvel_gif", "miniature/338acvel.gif", 104, 67},
    {"miniature_333acvel_gif", "miniature/333acvel.gif", 104, 67},
    {"miniature_332acvel_gif", "miniature/332acvel.gif", 104, 67},
    {"miniature_331acvel_gif", "miniature/331acvel.gif", 104, 67},
    {"miniature_329acvel_gif", "miniature/329acvel.gif", 104, 67},
    {"miniature_326acvel_gif", "miniature/326acvel.gif", 104, 67},
    {"miniature_303acvel_gif", "miniature/303acvel.gif", 104, 67},
    {"miniature_290acvel_gif", "miniature/290acvel.gif", 104, 67},
    {"miniature_264acvel_gif", "miniature/264acvel.gif", 104, 67},
    {"miniature_241acvel_gif", "miniature/241acvel.gif", 104, 67},
    {"miniature_221acvel_gif", "miniature/221acvel.gif", 104, 67},
    {"miniature_212acvel_gif", "miniature/212acvel.gif", 104, 67},
    {"miniature_202acvel_gif", "miniature/202acvel.gif", 104, 67},
    {"miniature_198acvel_gif", "miniature/198acvel.gif", 104, 67},
    {"miniature_188acvel_gif", "miniature/188acvel.gif", 104, 67},
    {"miniature_146acvel_gif", "miniature/146acvel.gif", 104, 67},
    {"miniature_133acvel_gif", "miniature/133acvel.gif", 104, 67},
    {"miniature_106acvel_gif", "miniature/106acvel.gif", 104, 67},
    {"miniature_83acvel_gif", "miniature/83acvel.gif", 104, 67},
    {"miniature_59acvel_gif", "miniature/59acvel.gif", 104, 67},
    {"miniature_44acvel_gif", "miniature/44acvel.gif", 104, 67},
    {"miniature_zerovel_gif", "miniature/zerovel.gif", 104, 67},
    {"miniature_dcvel14_gif", "miniature/dcvel14.gif", 104, 67},
    {"miniature_dcvel87_gif", "miniature/dcvel87.gif", 104, 67},
    {"miniature_117dcvel_gif", "miniature/117dcvel.gif", 104, 67},
    {"miniature_mo250dcvel_gif", "miniature/mo250dcvel.gif", 104, 67},
    {"miniature_eu268dcvel_gif", "miniature/eu268dcvel.gif", 104, 67},
    {"miniature_eu290dcvel_gif", "miniature/eu290dcvel.gif", 104, 67},
    {"miniature_mo320dcvel_gif", "miniature/mo320dcvel.gif", 104, 67},
    {"miniature_eu330dcvel_gif", "miniature/eu330dcvel.gif", 104, 67},
    {"miniature_eu378dcvel_gif", "miniature/eu378dcvel.gif", 104, 67},
    {"miniature_eu410dcvel_gif", "miniature/eu410dcvel.gif", 104, 67},
    {"miniature_eu451dcvel_gif", "miniature/eu451dcvel.gif", 104, 67},
    {"miniature_eu476dcvel_gif", "miniature/eu476dcvel.gif", 104, 67},
    {"miniature_mo500dcvel_gif", "miniature/mo500dcvel.gif", 104, 67},
    {"miniature_eu500dcvel_gif", "miniature/eu500dcvel.gif", 104, 67},
    {"miniature_eu526dcvel_gif", "miniature/eu526dcvel.gif", 104, 67},
    {"miniature_eu565dcvel_gif", "miniature/eu565dcvel.gif", 104, 67},
    {"miniature_eu600dcvel_gif", "miniature/eu600dcvel.gif", 104, 67},
    {"miniature_eu700dcvel_gif", "miniature/eu700dcvel.gif", 104, 67},
    {"miniature_eu732dcvel_gif", "miniature/eu732dcvel.gif", 104, 67},
    {"miniature_mo750dcvel_gif", "miniature/mo750dcvel.gif", 104, 67},
    {"miniature_eu774dcvel_gif", "miniature/eu774dcvel.gif", 104, 67},
    {"miniature_eu800dcvel_gif", "miniature/eu800dcvel.gif", 104, 67},
    {"miniature_eu843dcvel_gif", "miniature/eu843dcvel.gif", 104, 67},
    {"miniature_eu870dcvel_gif", "miniature/eu870dcvel.gif", 104, 67},
    {"miniature_eu900dcvel_gif", "miniature/eu900dcvel.gif", 104, 67},
    {"miniature_mo1000dcvel_gif", "miniature/mo1000dcvel.gif", 104, 67},
    {"miniature_eu1000dcvel_gif", "miniature/eu1000dcvel.gif", 104, 67},
    {"miniature_eu1032dcvel_gif", "miniature/eu1032dcvel.gif", 104, 67},
    {"miniature_eu1075dcvel_gif", "miniature/eu1075dcvel.gif", 104, 67},
    {"miniature_eu1092dcvel_gif", "miniature/eu1092dcvel.gif", 104, 67},
    {"miniature_eu1100dcvel_gif", "miniature/eu1100dcvel.gif", 104, 67},
    {"miniature_eu1120dcvel_gif", "miniature/eu1120dcvel.gif", 104, 67},
    {"miniature_eu1160dcvel_gif", "miniature/eu1160dcvel.gif", 104, 67},
    {"miniature_eu1180dcvel_gif", "miniature/eu1180dcvel.gif", 104, 67},
    {"miniature_mo1200dcvel_gif", "miniature/mo1200dcvel.gif", 104, 67},
    {"miniature_eu1200dcvel_gif", "miniature/eu1200dcvel.gif", 104, 67},
    {"miniature_eu1205dcvel_gif", "miniature/eu1205dcvel.gif", 104, 67},
    {"miniature_mo1260dcvel_gif", "miniature/mo1260dcvel.gif", 104, 67},
    {"miniature_eu1270dcvel_gif", "miniature/eu1270dcvel.gif", 104, 67},
    {"miniature_mo1300dcvel_gif", "miniature/mo1300dcvel.gif", 104, 67},
    {"miniature_eu1300dcvel_gif", "miniature/eu1300dcvel.gif", 104, 67},
    {"miniature_eu1328dcvel_gif", "miniature/eu1328dcvel.gif", 104, 67},
    {"miniature_mo1400dcvel_gif", "miniature/mo1400dcvel.gif", 104, 67},
    {"miniature_eu1400dcvel_gif", "miniature/eu1400dcvel.gif", 104, 67},
    {"miniature_eu1430dcvel_gif", "miniature/eu1430dcvel.gif", 104, 67},
    {"miniature_eu1470dcvel_gif", "miniature/eu1470dcvel.gif", 104, 67},
    {"miniature_mo1500dcvel_gif", "miniature/mo1500dcvel.gif", 104, 67},
    {"miniature_eu1500dcvel_gif", "miniature/eu1500dcvel.gif", 104, 67},
    {"miniature_eu1530dcvel_gif", "miniature/eu1530dcvel.gif", 104, 67},
    {"miniature_mo1600dcvel_gif", "miniature/mo1600dcvel.gif", 104, 67},
    {"miniature_eu1600dcvel_gif", "miniature/eu1600dcvel.gif", 104, 67},
    {"miniature_eu1618dcvel_gif", "miniature/eu1618dcvel.gif", 104, 67},
    {"miniature_eu1648dcvel_gif", "miniature/eu1648dcvel.gif", 104, 67},
    {"miniature_eu1660dcvel_gif", "miniature/eu1660dcvel.gif", 104, 67},
    {"miniature_mo1700dcvel_gif", "miniature/mo1700dcvel.gif", 104, 67},
    {"miniature_eu1700dcvel_gif", "miniature/eu1700dcvel.gif", 104, 67},
    {"miniature_eu1748dcvel_gif", "miniature/eu1748dcvel.gif", 104, 67},
    {"miniature_eu1772dcvel_gif", "miniature/eu1772dcvel.gif", 104, 67},
    {"miniature_eu1793dcvel_gif", "miniature/eu1793dcvel.gif", 104, 67},
    {"miniature_eu1795dcvel_gif", "miniature/eu1795dcvel.gif", 104, 67},
    {"miniature_mo1800dcvel_gif", "miniature/mo1800dcvel.gif", 104, 67},
    {"miniature_eu1803dcvel_gif", "miniature/eu1803dcvel.gif", 104, 67},
    {"miniature_eu1808dcvel_gif", "miniature/eu1808dcvel.gif", 104, 67},
    {"miniature_mo1812dcvel_gif", "miniature/mo1812dcvel.gif", 104, 67},
    {"miniature_eu1812dcvel_gif", "miniature/eu1812dcvel.gif", 104, 67},
    {"miniature_eu1815dcvel_gif", "miniature/eu1815dcvel.gif", 104, 67},
    {"miniature_eu1833dcvel_gif", "miniature/eu1833dcvel.gif", 104, 67},
    {"miniature_mo1850dcvel_gif", "miniature/mo1850dcvel.gif", 104, 67},
    {"miniature_eu1861dcvel_gif", "miniature/eu1861dcvel.gif", 104, 67},
    {"miniature_eu1866dcvel_gif", "miniature/eu1866dcvel.gif", 104, 67},
    {"miniature_eu1871dcvel_gif", "miniature/eu1871dcvel.gif", 104, 67},
    {"miniature_eu1878dcvel_gif", "miniature/eu1878dcvel.gif", 104, 67},
    {"miniature_eu1885dcvel_gif", "miniature/eu1885dcvel.gif", 104, 67},
    {"miniature_mo1900dcvel_gif", "miniature/mo1900dcvel.gif", 104, 67},
    {"miniature_eu1913dcvel_gif", "miniature/eu1913dcvel.gif", 104, 67},
    {"miniature_eu1919dcvel_gif", "miniature/eu1919dcvel.gif", 104, 67},
    {"miniature_mo1925dcvel_gif", "miniature/mo1925dcvel.gif", 104, 67},
    {"miniature_eu1938dcvel_gif", "miniature/eu1938dcvel.gif", 104, 67},
    {"miniature_eu1939dcvel_gif", "miniature/eu1939dcvel.gif", 104, 67},
    {"miniature_eu1945dcvel_gif", "miniature/eu1945dcvel.gif", 104, 67},
    {"miniature_mo1950dcvel_gif", "miniature/mo1950dcvel.gif", 104, 67},
    {"miniature_israele4vel_gif", "miniature/israele4vel.gif", 104, 67},
    {"miniature_mo1975dcvel_gif", "miniature/mo1975dcvel.gif", 104, 67},
    {"miniature_eu1990dcvel_gif", "miniature/eu1990dcvel.gif", 104, 67},
    {"miniature_eu1991dcvel_gif", "miniature/eu1991dcvel.gif", 104, 67},
    {"miniature_eu1992dcvel_gif", "miniature/eu1992dcvel.gif", 104, 67},
    {"miniature_mo2000dcvel_gif", "miniature/mo2000dcvel.gif", 104, 67},
    {"atlante_linguaita_gif", "atlante/linguaita.gif", 181, 34},
    {"atlante_linguafra_gif", "atlante/linguafra.gif", 181, 34},
    {"atlante_linguaspa_gif", "atlante/linguaspa.gif", 181, 34},
    {"atlante_linguaing_gif", "atlante/linguaing.gif", 181, 34},
    {"atlante_altoparlanti1_jpg", "atlante/altoparlanti1.jpg", 85, 43},
    {"atlante_altoparlanti2_jpg", "atlante/altoparlanti2.jpg", 85, 43},
    {"atlante_collegamenti_gif", "atlante/collegamenti.gif", 85, 57},
};

QString Percorso(const char* relativo) {
    return QString::fromUtf8(CARTAVIVA_DATI) + QStringLiteral("/") + QString::fromUtf8(relativo);
}

// Map pictures are 521 x 337 as designed, and up to this wide where their
// captions need it; the windows that show them keep their controls clear of
// a picture that wide.
constexpr int kLarghezzaCarta = 521;
constexpr int kLarghezzaMassimaCarta = 560;
constexpr int kAltezzaCarta = 337;

bool EsCartaPrincipale(const Immagine& i) { return i.larghezza == kLarghezzaCarta && i.altezza == kAltezzaCarta; }

class ImmagineDati : public ::testing::TestWithParam<Immagine> {};

TEST_P(ImmagineDati, EsisteSiDecodificaEHaLaMisuraAttesa) {
    const Immagine& atteso = GetParam();
    const QString percorso = Percorso(atteso.percorso);
    ASSERT_TRUE(QFile::exists(percorso)) << "missing: " << percorso.toStdString();

    QImageReader lettore(percorso);
    // the format comes from the content, and must agree with the extension
    const QByteArray formato = lettore.format();
    const QByteArray estensione = QByteArray(atteso.percorso).endsWith(".jpg") ? "jpeg" : "gif";
    EXPECT_EQ(formato.toStdString(), estensione.toStdString());

    const QImage immagine = lettore.read();
    ASSERT_FALSE(immagine.isNull()) << percorso.toStdString() << ": " << lettore.errorString().toStdString();
    if (EsCartaPrincipale(atteso)) {
        // a map picture grows to the right, within a bound, to hold the
        // captions that run past its designed width
        EXPECT_GE(immagine.width(), atteso.larghezza);
        EXPECT_LE(immagine.width(), kLarghezzaMassimaCarta);
    } else {
        EXPECT_EQ(immagine.width(), atteso.larghezza);
    }
    EXPECT_EQ(immagine.height(), atteso.altezza);
}

INSTANTIATE_TEST_SUITE_P(Atlante, ImmagineDati, ::testing::ValuesIn(kImmagini),
                         [](const ::testing::TestParamInfo<Immagine>& info) { return std::string(info.param.nome); });

// A map picture must not be a flat fill: a base map shows at least land and sea.
TEST(ImmagineDatiContenuto, LeCarteMostranoPiuDiUnColore) {
    for (const Immagine& i : kImmagini) {
        if (!EsCartaPrincipale(i)) continue;
        const QImage im(Percorso(i.percorso));
        ASSERT_FALSE(im.isNull()) << i.percorso;
        const QRgb primo = im.pixel(0, 0);
        bool diverso = false;
        for (int y = 0; y < im.height() && !diverso; y += 7)
            for (int x = 0; x < im.width() && !diverso; x += 7)
                diverso = im.pixel(x, y) != primo;
        EXPECT_TRUE(diverso) << i.percorso << " is a single colour";
    }
}

TEST(PaginaCollegamenti, EsisteEContieneCollegamenti) {
    QFile pagina(Percorso("tavolahtmvel/carteindice.htm"));
    ASSERT_TRUE(pagina.open(QIODevice::ReadOnly)) << pagina.fileName().toStdString();
    const QByteArray testo = pagina.readAll();
    EXPECT_TRUE(testo.contains("<a href=\"https://"));
}

}  // namespace

int main(int argc, char** argv) {
    // image format plugins are found through the application object
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
