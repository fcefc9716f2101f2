#include "chronology/TestiCronologia.h"

#include <algorithm>
#include <cstdio>
#include <set>
#include <utility>

#include "app/Principale.h"

namespace cronologia {

namespace {

int bianchiIniziali(const QString& s) {
    int n = 0;
    while (n < s.size() && s[n] == QLatin1Char(' ')) ++n;
    return n;
}

int bianchiFinali(const QString& s) {
    int n = 0;
    while (n < s.size() && s[s.size() - 1 - n] == QLatin1Char(' ')) ++n;
    return n;
}

QString conBianchi(const QString& testo, const BianchiAgliEstremi& b) {
    const int inizio = bianchiIniziali(testo);
    const int fine = inizio == testo.size() ? 0 : bianchiFinali(testo);
    return QString(b.inizio, QLatin1Char(' ')) + testo.mid(inizio, testo.size() - inizio - fine) +
           QString(b.fine, QLatin1Char(' '));
}

// Where the map's passage of an edit lies in the text: [da, a), or da < 0.
std::pair<qsizetype, qsizetype> trova(const QString& testo, const Modifica& m) {
    const QString carta = QString::fromUtf8(m.dellaCarta);
    const QString fino = m.finoA ? QString::fromUtf8(m.finoA) : QString();
    switch (m.dove) {
        case Dove::Inizio:
            if (!testo.startsWith(carta)) return {-1, -1};
            return {0, carta.size()};
        case Dove::Fine: {
            if (!m.finoA) {
                if (!testo.endsWith(carta)) return {-1, -1};
                return {testo.size() - carta.size(), testo.size()};
            }
            const qsizetype da = testo.indexOf(carta);
            if (da < 0 || !testo.endsWith(fino) || testo.size() - fino.size() < da + carta.size()) return {-1, -1};
            return {da, testo.size()};
        }
        case Dove::Ovunque: {
            const qsizetype da = carta.isEmpty() ? -1 : testo.indexOf(carta);
            if (da < 0) return {-1, -1};
            if (!m.finoA) return {da, da + carta.size()};
            const qsizetype f = testo.indexOf(fino, da + carta.size());
            if (f < 0) return {-1, -1};
            return {da, f + fino.size()};
        }
    }
    return {-1, -1};
}

const char* parolaDi(Lingua l) {
    switch (l) {
        case contenuti::Italiano: return "italiano";
        case contenuti::Francese: return "francese";
        case contenuti::Spagnolo: return "spagnolo";
        case contenuti::Inglese: return "inglese";
    }
    return "?";
}

}  // namespace

Esito ApplicaModifiche(const QString& descrizione, std::span<const Modifica> modifiche) {
    Esito esito;
    QString testo = descrizione;
    for (const Modifica& m : modifiche) {
        const auto [da, a] = trova(testo, m);
        if (da < 0) {
            if (!m.seLaCartaLoHa) esito.mancanti.push_back(&m);
            continue;
        }
        const QString cronologia = QString::fromUtf8(m.dellaCronologia);
        esito.applicate.push_back({&m, testo.mid(da, a - da), cronologia});
        testo.replace(da, a - da, cronologia);
    }
    // Half an edited text would be neither the map's nor the chronology's.
    esito.testo = esito.mancanti.empty() ? testo : descrizione;
    return esito;
}

std::span<const Modifica> ModificheDi(int carta, Lingua lingua) {
    const std::span<const Modifica> tutte = Modifiche();
    const auto prima = std::find_if(tutte.begin(), tutte.end(),
                                    [&](const Modifica& m) { return m.carta == carta && m.lingua == lingua; });
    const auto dopo = std::find_if(prima, tutte.end(),
                                   [&](const Modifica& m) { return m.carta != carta || m.lingua != lingua; });
    return {prima, dopo};
}

QString TestoCronologia(int carta, Lingua lingua, const char* descrizione) {
    QString testo = descrizione ? QString::fromUtf8(descrizione) : QString();
    if (testo.isEmpty()) return testo;
    for (const BianchiAgliEstremi& b : EccezioniBianchi())
        if (b.carta == carta && b.lingua == lingua) testo = conBianchi(testo, b);
    const std::span<const Modifica> modifiche = ModificheDi(carta, lingua);
    if (modifiche.empty()) return testo;
    Esito esito = ApplicaModifiche(testo, modifiche);
    if (!esito.mancanti.empty()) {
        // The fill runs at every language choice: one line per text is enough.
        static std::set<std::pair<int, int>> segnalati;
        if (segnalati.insert({lingua, carta}).second)
            std::fprintf(stderr,
                         "cartaviva: chronology text %d (%s): the map's description lacks \"%s\"; the "
                         "description is shown as it stands\n",
                         carta, parolaDi(lingua), esito.mancanti.front()->dellaCarta);
    }
    return esito.testo;
}

const char* DescrizioneCarta(int carta, Lingua lingua) {
    const contenuti::ContenutoCarta* contenuto = principale::ContenutoDi(carta);
    if (!contenuto) return nullptr;
    return contenuto->descrizione[static_cast<std::size_t>(lingua)];
}

}  // namespace cronologia
