#include "chronology/TestiCronologia.h"

#include "main_window/CatalogoCarte.h"

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

}  // namespace

QString TestoCronologia(int carta, Lingua lingua, const char* descrizione) {
    for (const TestoProprio& t : TestiPropri())
        if (t.carta == carta && t.lingua == lingua) return QString::fromUtf8(t.testo);
    QString testo = descrizione ? QString::fromUtf8(descrizione) : QString();
    if (testo.isEmpty()) return testo;
    for (const BianchiAgliEstremi& b : EccezioniBianchi()) {
        if (b.carta != carta || b.lingua != lingua) continue;
        const int inizio = bianchiIniziali(testo);
        const int fine = inizio == testo.size() ? 0 : bianchiFinali(testo);
        return QString(b.inizio, QLatin1Char(' ')) + testo.mid(inizio, testo.size() - inizio - fine) +
               QString(b.fine, QLatin1Char(' '));
    }
    return testo;
}

const char* DescrizioneCarta(int carta, Lingua lingua) {
    const SchedaCarta* scheda = schedaDi(carta);
    if (!scheda || !scheda->dati) return nullptr;
    return scheda->dati->descrizione[static_cast<std::size_t>(lingua)];
}

}  // namespace cronologia
