// The main window as start-up leaves it, in a temporary working folder with
// tiny pictures under the names the catalogue and the windows read.
#pragma once

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTest>

#include "app/ModtavolaVel.h"
#include "main_window/CatalogoCarte.h"
#include "main_window/Tavolavel.h"
#include "tests/support/CartellaDiLavoro.h"
#include "toolkit/MMControl.h"
#include "toolkit/Processo.h"
#include "toolkit/Registro.h"

namespace prova {

class FinestraPrincipale : public ::testing::Test {
public:
    FinestraPrincipale() {
        for (const SchedaCarta& s : CatalogoCarte) {
            cartella.figura(QString::fromUtf8(s.fileCarta).replace('\\', '/'), 20, 13);
            if (s.fileInserto[0]) cartella.figura(QString::fromUtf8(s.fileInserto).replace('\\', '/'), 10, 9);
        }
        for (const char* nome : {"linguaita.gif", "linguafra.gif", "linguaspa.gif", "linguaing.gif",
                                 "altoparlanti1.jpg", "altoparlanti2.jpg", "collegamenti.gif"})
            cartella.figura(QStringLiteral("atlante/") + QLatin1String(nome), 12, 4);
        forma::SostituisciEnd([this] { ++fine; });
        // Tests play their music to nowhere, silently.
        forma::MMControl::setAudioDisabled(true);
    }
    ~FinestraPrincipale() override {
        forma::DistruggiTutte();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        forma::SostituisciEnd(nullptr);
    }

    Tavolavel& avvia() { return forma::Finestra<Tavolavel>(); }
    Tavolavel& mostra() {
        Tavolavel& t = avvia();
        t.Show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&t));
        return t;
    }

    // The centre of a control, in the window's pixels.
    static QPoint centro(const QWidget& w) { return w.geometry().center(); }
    // A press or click at a point of the window goes to the control that lies
    // on top there, as the window routes it (shapes let it through).
    static QWidget* sotto(QWidget& finestra, QPoint p) {
        QWidget* w = finestra.childAt(p);
        return w ? w : &finestra;
    }
    static void clic(QWidget& finestra, QPoint p, Qt::MouseButton b = Qt::LeftButton) {
        QWidget* w = sotto(finestra, p);
        QTest::mouseClick(w, b, {}, w->mapFrom(&finestra, p));
    }
    static void clic(QWidget& finestra, const QWidget& controllo) { clic(finestra, centro(controllo)); }
    static void premi(QWidget& finestra, QPoint p, Qt::MouseButton b = Qt::LeftButton) {
        QWidget* w = sotto(finestra, p);
        QTest::mousePress(w, b, {}, w->mapFrom(&finestra, p));
    }
    static void rilascia(QWidget& finestra, QPoint p, Qt::MouseButton b = Qt::LeftButton) {
        QWidget* w = sotto(finestra, p);
        QTest::mouseRelease(w, b, {}, w->mapFrom(&finestra, p));
    }

    CartellaDiLavoro cartella;
    int fine = 0;
};

}  // namespace prova
