#include "maps/ContenutoCarta.h"

#include <QString>

#include "toolkit/Label.h"
#include "toolkit/TextBox.h"

namespace contenuti {

std::optional<Lingua> linguaDa(std::string_view lingua) {
    if (lingua == "italiano") return Italiano;
    if (lingua == "francese") return Francese;
    if (lingua == "spagnolo") return Spagnolo;
    if (lingua == "inglese") return Inglese;
    return std::nullopt;
}

void PulisciEtichette(std::span<forma::Label* const> Label1, int N) {
    for (int i = N; i < NumeroEtichette && i < static_cast<int>(Label1.size()); ++i)
        Label1[static_cast<std::size_t>(i)]->setCaption(QString());
}

void applicaContenuto(const ContenutoCarta& contenuto, std::span<forma::Label* const> Label1,
                      forma::TextBox& Text1, std::string_view lingua) {
    for (const EtichettaCarta& e : contenuto.etichette) {
        if (!e.posizione) continue;
        forma::Label* l = Label1[static_cast<std::size_t>(e.indice)];
        l->setTop(static_cast<float>(e.posizione->Top));
        l->setLeft(static_cast<float>(e.posizione->Left));
    }
    for (const EtichettaCarta& e : contenuto.etichette)
        if (e.ForeColor) Label1[static_cast<std::size_t>(e.indice)]->setForeColor(*e.ForeColor);

    if (contenuto.primaDaPulire != NessunaPulizia) PulisciEtichette(Label1, contenuto.primaDaPulire);

    const std::optional<Lingua> scelta = linguaDa(lingua);
    if (!scelta) return;
    for (const EtichettaCarta& e : contenuto.etichette) {
        const char* didascalia = e.didascalia[*scelta];
        if (didascalia) Label1[static_cast<std::size_t>(e.indice)]->setCaption(QString::fromUtf8(didascalia));
    }
    if (const char* descrizione = contenuto.descrizione[*scelta])
        Text1.setText(QString::fromUtf8(descrizione));
}

}  // namespace contenuti
