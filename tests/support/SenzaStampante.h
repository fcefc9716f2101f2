// For the length of a test, a default printer that names no printer: the
// print system then has none, even on a machine with a real default queue.
// The previous settings come back when the guard goes.
#pragma once

#include <QByteArray>
#include <QPrinterInfo>
#include <QtGlobal>

namespace prova {

class SenzaStampantePredefinita {
public:
    SenzaStampantePredefinita() {
        for (Variabile& v : variabili_) {
            v.cera = qEnvironmentVariableIsSet(v.nome);
            v.valore = qgetenv(v.nome);
            qputenv(v.nome, "cartaviva-stampante-che-non-esiste");
        }
    }
    ~SenzaStampantePredefinita() {
        for (const Variabile& v : variabili_) v.cera ? qputenv(v.nome, v.valore) : qunsetenv(v.nome);
    }
    SenzaStampantePredefinita(const SenzaStampantePredefinita&) = delete;
    SenzaStampantePredefinita& operator=(const SenzaStampantePredefinita&) = delete;

    // False where the print system still sees a default printer.
    static bool senzaStampante() { return QPrinterInfo::defaultPrinter().isNull(); }

private:
    struct Variabile {
        const char* nome;
        bool cera = false;
        QByteArray valore;
    };
    Variabile variabili_[2] = {{"LPDEST", false, {}}, {"PRINTER", false, {}}};
};

}  // namespace prova
