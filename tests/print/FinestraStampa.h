// The main window as start-up leaves it, with the message boxes answered by a
// stand-in that records them, and helpers to open the print window through
// the main window's print label and to press its buttons with the mouse.
#pragma once

#include <gtest/gtest.h>

#include <QString>
#include <vector>

#include "print/Stampavel.h"
#include "tests/support/FinestraPrincipale.h"
#include "toolkit/Messaggi.h"
#include "toolkit/Stampante.h"

namespace prova {

struct Messaggio {
    QString prompt;
    int pulsanti;
    QString titolo;
};

class FinestraStampa : public FinestraPrincipale {
protected:
    FinestraStampa() {
        forma::SostituisciMsgBox([this](const QString& p, int b, const QString& t) {
            messaggi.push_back({p, b, t});
            return risposta;
        });
    }
    ~FinestraStampa() override {
        forma::SostituisciMsgBox(nullptr);
        forma::StampaSuFile(QString());
    }

    // A click on "PRINT Map": the print fill. Returns once the print window
    // shows full screen, as the reader sees it before the next click.
    Stampavel& riempi(Tavolavel& t) {
        clic(t, t.Labstampa);
        EXPECT_TRUE(forma::Esiste<Stampavel>());
        Stampavel& s = forma::Finestra<Stampavel>();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&s));
        return s;
    }
    // A click on a button of the print window.
    static void premi(Stampavel& s, const forma::CommandButton& b) { clic(s, b); }

    static forma::Label& etichetta(Stampavel& s, int i) { return *s.Label1[static_cast<std::size_t>(i)]; }
    static forma::Label& etichetta(Tavolavel& t, int i) { return *t.Label1[static_cast<std::size_t>(i)]; }

    std::vector<Messaggio> messaggi;
    int risposta = forma::vbOK;
};

}  // namespace prova
