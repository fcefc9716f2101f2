// Map 163 (1967 AD): overlay labels and descriptions.
#include "maps/ContenutoCarta.h"

namespace contenuti {
namespace {
constexpr EtichettaCarta etichette[] = {
    // indice, {Top, Left}, ForeColor, {it, fr, es, en}
    {0, Posizione{3480, 9600}, 0xFFFFFF, {"Sinai", "Sinaï", "Sinai", "Sinai"}},
    {1, Posizione{4680, 5160}, 0xFFFFFF, {"Sinai", "Sinaï", "Sinai", "Sinai"}},
    {2, Posizione{2160, 9840}, 0x000000, {"Gaza", "Gaza", "Gaza", "Gaza"}},
    {3, Posizione{2160, 5400}, 0x000000, {"Gaza", "Gaza", "Gaza", "Gaza"}},
    {4, Posizione{4680, 5880}, 0xFF0000, {"Aqaba", "Aqaba", "Aqaba", "Aqaba"}},
    {5, Posizione{4680, 10320}, 0xFF0000, {"Aqaba", "Aqaba", "Aqaba", "Aqaba"}},
    {6, Posizione{3000, 3840}, 0xFFFFFF, {"EGITTO", "EGYPTE", "EGIPTO", "EGYPT"}},
    {7, Posizione{4680, 8160}, 0xFFFFFF, {"EGITTO", "EGYPTE", "EGIPTO", "EGYPT"}},
    {8, Posizione{720, 3840}, 0xFF0000, {"M.Mediterraneo", "M.Méditerranée", "M.Mediterráneo", "Mediterranean S."}},
    {9, Posizione{720, 8280}, 0xFF0000, {"M.Mediterraneo", "M.Méditerranée", "M.Mediterráneo", "Mediterranean S."}},
    {10, Posizione{4440, 6480}, 0xFFFFFF, {"ARABIA", "ARABIE", "ARABIA", "ARABIA"}},
    {11, Posizione{4440, 10920}, 0xFFFFFF, {"ARABIA", "ARABIE", "ARABIA", "ARABIA"}},
    {12, Posizione{4680, 6480}, 0xFFFFFF, {"SAUDITA", "SAOUDITE", "SAUDITA", "SAUDITA"}},
    {13, Posizione{4680, 10920}, 0xFFFFFF, {"SAUDITA", "SAOUDITE", "SAUDITA", "SAUDITA"}},
    {14, Posizione{3240, 6480}, 0xFFFFFF, {"GIORDANIA", "JORDANIE", "JORDANIA", "JORDAN"}},
    {15, Posizione{3240, 10920}, 0xFFFFFF, {"GIORDANIA", "JORDANIE", "JORDANIA", "JORDAN"}},
    {16, Posizione{840, 6840}, 0xFFFFFF, {"SIRIA", "SYRIE", "SIRIA", "SYRIA"}},
    {17, Posizione{600, 11350}, 0xFFFFFF, {"SIRIA", "SYRIE", "SIRIA", "SYRIA"}},
    {18, Posizione{240, 6360}, 0xFFFFFF, {"LIBANO", "LIBAN", "LIBANO", "LEBANON"}},
    {19, Posizione{240, 10800}, 0xFFFFFF, {"LIBANO", "LIBAN", "LIBANO", "LEBANON"}},
    {20, Posizione{1560, 5520}, 0x000000, {"Tel Aviv", "Tel Aviv", "Tel Aviv", "Tel Aviv"}},
    {21, Posizione{1560, 9840}, 0x000000, {"Tel Aviv", "Tel Aviv", "Tel Aviv", "Tel Aviv"}},
    {22, Posizione{1800, 5760}, 0x000000, {"Gerusalemme", "Jérusalem", "Jerusalén", "Jerusalem"}},
    {23, Posizione{1800, 10200}, 0x000000, {"Gerusalemme", "Jérusalem", "Jerusalén", "Jerusalem"}},
    {24, Posizione{3440, 3960}, 0x000000, {"Suez", "Suez", "Suez", "Suez"}},
    {25, Posizione{3480, 8400}, 0x000000, {"Suez", "Suez", "Suez", "Suez"}},
    {26, Posizione{1590, 6840}, 0x000000, {"Amman", "Amman", "Amman", "Amman"}},
    {27, Posizione{1590, 11280}, 0x000000, {"Amman", "Amman", "Amman", "Amman"}},
    {28, Posizione{360, 6750}, 0x000000, {"Damasco", "Damasque", "Damasco", "Damascus"}},
    {29, Posizione{360, 11190}, 0x000000, {"Damasco", "Damasque", "Damasco", "Damascus"}},
    {30, Posizione{3720, 9120}, 0x000000, {"Restituito all'Egitto", "Rendu à l'Egypte", "Restituido al Egipto", "Restituited to Egypt"}},
    {31, Posizione{3960, 9360}, 0x000000, {"(1974 - 1982)", "(1974 - 1982)", "(1974 - 1982)", "(1974 - 1982)"}},
};
}  // namespace

extern const ContenutoCarta dc1967;
const ContenutoCarta dc1967{etichette, 32, {
    "1967 Guerra dei sei giorni: ancora nel 1967 gli stati arabi si rifiutano di riconoscere lo Stato di Israele. Il 5 giugno Israele attacca di sorpresa l'Egitto, la Giordania e la Siria e in 6 giorni occupa la penisola del Sinai, la striscia di Gaza, la Cisgiordania e le alture siriane del Golan. Altri 400000 palestinesi si aggiungono a quelli che vivono nei campi profughi. L'ONU, con la risoluzione 242, chiede a Israele di restituire i territori occupati, ma Israele rifiuta. Nel 1973 l'Egitto tenta invano di riconquistare il Sinai con una nuova guerra; con gli accordi di Camp David del 1978 l'Egitto riconosce Israele e ottiene la restituzione del Sinai.",  // Italian
    // French: the text goes in as a first part, then that part read back from the box
    // with the second part appended; the box ends with both, held here whole.
    "1967: Guerre des Six jours (3ème guerre israélo-arabe). En 1967, les Etats arabes refusent toujours de reconnaître l'existence de l'Etat d'Israël. Le 5 juin Israël lance une attaque surprise sur trois fronts simultanément: contre l'Egypte, à qui il prend le Sinaï et la bande de Gaza, contre la Jordanie, qui perd la Cisjordanie, et contre la Syrie, qui perd les hauteurs du Golan. En six jours, il écrase les armées de la Ligue arabe. Ces régions conquises deviennent alors les Territoires occupés."
    ".Quatre cent mille Palestiniens supplémentaires fuient vers les camps de réfugiés des pays arabes voisins. L'ONU, par sa résolution n° 242, demande à Israël de se retirer des territoires conquis, mais Israël refuse. En 1973, l'Egypte tente de reprendre le Sinaï: c'est la 4ème guerre israélo-arabe (guerre du Kippour). L'entreprise échoue. Avec les accords de Camp David de 1978, l'Egypte reconnaît l'Etat d'Israël et récupère le Sinaï, qui lui sera restitué par étapes jusqu'en 1982. Les autres Territoires sont encore occupés.",  // French
    "1967   Guerra de los Seis Días: en 1967 los estados árabes siguen negándose a reconocer al Estado de Israel. El 5 de junio Israel ataca por sorpresa a Egipto, Jordania y Siria y en solo seis días ocupa el Sinaí, la franja de Gaza, Cisjordania y los altos del Golán. Otros 400.000 palestinos se ven obligados a huir y a vivir en campos de refugiados. La ONU, mediante la resolución 242, exige la devolución de los territorios ocupados, pero Israel se niega a cumplirla. En 1973 Egipto intenta en vano recuperar el Sinaí con una nueva guerra contra Israel. Con los acuerdos de Camp David, en 1978, Egipto reconoce a Israel y recupera el Sinaí.",  // Spanish
    "1967 Six-Day War: in 1967 the Arab states still refuse to recognise the State of Israel. After Egypt closes the Straits of Tiran and masses its army in the Sinai, Israel strikes first against Egypt, Jordan and Syria, taking all three by surprise, and in six days occupies the Sinai peninsula, the Gaza Strip, the West Bank, East Jerusalem and the Golan Heights. Another 400,000 Palestinians are forced into the refugee camps. The UN, in Resolution 242, calls on Israel to withdraw from territories occupied in that war, but Israel refuses to withdraw. In 1973 Egypt and Syria attack Israel together on the day of Yom Kippur, the holiest day of the Jewish year; after early gains both are driven back (the Yom Kippur War). With the peace agreements signed at Camp David in 1978, Egypt recognises Israel and recovers the Sinai.",  // English
}};

}  // namespace contenuti
