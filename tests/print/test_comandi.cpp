// The links prompt of the main window: the question in the current language,
// and the page handed to the desktop's opener on Yes only.
#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include "tests/print/FinestraStampa.h"
#include "toolkit/Apertura.h"

namespace {

using ModtavolaVel::lingua;
using ModtavolaVel::numcarta;

class Collegamenti : public prova::FinestraStampa {
protected:
    Collegamenti() {
        QDir(cartella.percorso()).mkpath(QStringLiteral("tavolahtmvel"));
        cartella.file(QStringLiteral("tavolahtmvel/carteindice.htm"), "<html></html>");
        forma::SostituisciApertura([this](const QString& p) {
            aperte.push_back(p);
            return aperturaRiuscita;
        });
    }
    ~Collegamenti() override { forma::SostituisciApertura(nullptr); }

    QString pagina() const {
        return QFileInfo(cartella.percorso() + QStringLiteral("/tavolahtmvel/carteindice.htm")).absoluteFilePath();
    }

    std::vector<QString> aperte;
    bool aperturaRiuscita = true;
};

TEST_F(Collegamenti, InIngleseQuattroRigheIlTitoloESiNo) {
    Tavolavel& t = mostra();
    risposta = forma::vbNo;
    clic(t, t.Image5);
    ASSERT_EQ(messaggi.size(), 1u);
    EXPECT_EQ(messaggi[0].prompt,
              QStringLiteral("Here are LINKS to MAP sites and to sites with World historical CHRONOLOGIE.\r\n"
                             "In order to make available these connections, I have written them on a HTML page. "
                             "It will come automatically opened with Microsoft Internet Explorer. In order to "
                             "visit the connections, you will have to be on line via modem. \r\n"
                             "If your computer does not have Internet Explorer, click on 'NO'. \r\n"
                             "If you want to see the link page, click on 'YES'. "));
    EXPECT_EQ(messaggi[0].titolo, QStringLiteral("Do you want to see the LINKS PAGE?"));
    EXPECT_EQ(messaggi[0].pulsanti, forma::vbYesNo + forma::vbQuestion);
}

TEST_F(Collegamenti, LaDomandaSegueLaLinguaDelClic) {
    struct Caso {
        const char* lingua;
        const char* primaRiga;
        const char* titolo;
        const char* fineSecondaRiga;
    };
    const Caso casi[] = {
        {"italiano",
         "Vengono mostrati dei collegamenti alle carte storiche da me selezionate, ai siti che mostrano le carte "
         "degli atlanti storici ed ai siti che propongono delle cronologie.",
         "Vuol vedere la pagina dei collegamenti?", "via modem."},
        {"francese",
         "Je vous propose des LIENS pour visiter des sites qui présentent des CARTES  et des CHRONOLOGIES "
         "historiques. ",
         "Voulez vous voir la PAGE de LIENS? ", "un modem. "},
        {"spagnolo", "Aquí son CONEXIONES para ver sitios con MAPAS y con CRONOLOGIAS históricas.",
         "Usted desea ver las CONEXIONES? ", "vía modem."},
        {"inglese", "Here are LINKS to MAP sites and to sites with World historical CHRONOLOGIE.",
         "Do you want to see the LINKS PAGE?", "via modem. "},
    };
    Tavolavel& t = mostra();
    risposta = forma::vbNo;
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.lingua);
        lingua = c.lingua;
        messaggi.clear();
        clic(t, t.Image5);
        ASSERT_EQ(messaggi.size(), 1u);
        const QStringList righe = messaggi[0].prompt.split(QStringLiteral("\r\n"));
        ASSERT_EQ(righe.size(), 4);
        EXPECT_EQ(righe[0], QString::fromUtf8(c.primaRiga));
        // Trailing blanks stay where they were written.
        EXPECT_TRUE(righe[1].endsWith(QString::fromUtf8(c.fineSecondaRiga))) << righe[1].toStdString();
        EXPECT_TRUE(righe[3].contains(QStringLiteral("'YES'")));
        EXPECT_FALSE(messaggi[0].prompt.endsWith(QStringLiteral("\n")));
        EXPECT_EQ(messaggi[0].titolo, QString::fromUtf8(c.titolo));
        EXPECT_EQ(messaggi[0].pulsanti, forma::vbYesNo + forma::vbQuestion);
    }
    EXPECT_TRUE(aperte.empty());
}

TEST_F(Collegamenti, SiApreLaPaginaConIlPercorsoAssoluto) {
    Tavolavel& t = mostra();
    risposta = forma::vbYes;
    clic(t, t.Image5);
    ASSERT_EQ(aperte.size(), 1u);
    EXPECT_EQ(aperte[0], pagina());
    EXPECT_TRUE(QFileInfo(aperte[0]).isAbsolute());
    EXPECT_TRUE(QFileInfo::exists(aperte[0]));
    EXPECT_EQ(messaggi.size(), 1u);
}

TEST_F(Collegamenti, NoNonApreNullaENonCambiaNulla) {
    Tavolavel& t = mostra();
    clic(t, t.Labsuccessiva);
    const auto carta = numcarta;
    const QString anno = t.labAnni.Caption();
    risposta = forma::vbNo;
    clic(t, t.Image5);
    EXPECT_TRUE(aperte.empty());
    EXPECT_EQ(numcarta, carta);
    EXPECT_EQ(t.labAnni.Caption(), anno);
    EXPECT_EQ(messaggi.size(), 1u);
}

TEST_F(Collegamenti, FuoriDalleQuattroLingueDomandaVuotaMaSiApreLoStesso) {
    Tavolavel& t = mostra();
    lingua = "tedesco";
    risposta = forma::vbYes;
    clic(t, t.Image5);
    ASSERT_EQ(messaggi.size(), 1u);
    EXPECT_EQ(messaggi[0].prompt, QString());
    EXPECT_EQ(messaggi[0].titolo, QString());
    EXPECT_EQ(messaggi[0].pulsanti, forma::vbYesNo + forma::vbQuestion);
    ASSERT_EQ(aperte.size(), 1u);
    EXPECT_EQ(aperte[0], pagina());
}

TEST_F(Collegamenti, UnoSpaccioFallitoTaceEnonFermaLaFinestra) {
    Tavolavel& t = mostra();
    risposta = forma::vbYes;
    aperturaRiuscita = false;
    clic(t, t.Image5);
    EXPECT_EQ(aperte.size(), 1u);
    EXPECT_EQ(messaggi.size(), 1u);  // the question only
    clic(t, t.Labsuccessiva);
    EXPECT_EQ(numcarta, 2);
}

TEST_F(Collegamenti, SenzaLApritoreDelDesktopNonSuccedeNulla) {
    // The real opener, with nothing to start on the search path.
    forma::SostituisciApertura(nullptr);
    QTemporaryDir vuota;
    const QByteArray percorso = qgetenv("PATH");
    qputenv("PATH", vuota.path().toLocal8Bit());
    Tavolavel& t = mostra();
    risposta = forma::vbYes;
    clic(t, t.Image5);
    // The opener could indeed not be started.
    const bool avviato = forma::ApriDocumento(pagina());
    qputenv("PATH", percorso);
    EXPECT_FALSE(avviato);
    EXPECT_EQ(messaggi.size(), 1u);
    EXPECT_TRUE(t.isVisible());
}

}  // namespace
