// Pictures far larger than their place, in every picture control of every
// window: each is cut to its room, named once, and every control that takes
// clicks still takes them, by real clicks at the window. Maps of the largest
// size the atlas allows show whole, and clear every control too.
#include <gtest/gtest.h>

#include <QDirIterator>
#include <QStringList>
#include <set>

#include "animation/mapanimVel.h"
#include "chronology/Cronologiavel.h"
#include "print/Stampavel.h"
#include "tests/support/FinestraPrincipale.h"
#include "toolkit/CommandButton.h"
#include "toolkit/HScrollBar.h"
#include "toolkit/MisureFigure.h"

namespace {

using ModtavolaVel::numcarta;

// Every control of a window that takes clicks (a handler, or a button or
// scroll bar of its own), shown and enabled: the topmost widget at its
// centre is the control itself. Returns those that are covered.
QStringList coperti(QWidget& finestra) {
    QStringList fuori;
    for (forma::Controllo* c : finestra.findChildren<forma::Controllo*>(Qt::FindDirectChildrenOnly)) {
        const bool prende = c->Click || c->MouseDown || qobject_cast<forma::CommandButton*>(c) ||
                            qobject_cast<forma::HScrollBar*>(c);
        if (!prende || !c->isVisible() || !c->isEnabled() || c->width() == 0 || c->height() == 0) continue;
        QWidget* sopra = finestra.childAt(c->geometry().center());
        if (sopra != c && !c->isAncestorOf(sopra))
            fuori << QStringLiteral("%1 at %2,%3 under %4")
                         .arg(QString::fromLatin1(c->metaObject()->className()))
                         .arg(c->geometry().center().x())
                         .arg(c->geometry().center().y())
                         .arg(sopra ? QString::fromLatin1(sopra->metaObject()->className()) : QStringLiteral("none"));
    }
    return fuori;
}

class FigureGrandi : public prova::FinestraPrincipale {
protected:
    // Every picture file the windows read, at the given size.
    void tutteLeFigure(QSize misura) {
        QStringList nomi;
        for (const char* cartellaDati : {"atlante", "miniature"}) {
            QDirIterator it(cartella.percorso() + QLatin1Char('/') + QLatin1String(cartellaDati), QDir::Files);
            while (it.hasNext()) nomi << QLatin1String(cartellaDati) + QLatin1Char('/') + QFileInfo(it.next()).fileName();
        }
        nomi << QStringLiteral("atlante/1500ac.gif") << QStringLiteral("atlante/450ac.gif");
        Cronologiavel& c = forma::Finestra<Cronologiavel>();
        for (const QString& m : c.fileMiniatura)
            if (!m.isEmpty()) nomi << QString(m).replace(QLatin1Char('\\'), QLatin1Char('/'));
        for (const QString& n : nomi) cartella.figura(n, misura.width(), misura.height(), 0xFF20A040);
    }

    // Opens each window in turn from the main window, by clicks, shows a
    // picture in each picture control, and says which controls are covered.
    void verificaOgniFinestra(Tavolavel& t, QSize atteso) {
        EXPECT_EQ(coperti(t), QStringList());
        EXPECT_EQ(t.Image1.size(), atteso);

        clic(t, t.Labstampa);
        Stampavel& s = forma::Finestra<Stampavel>();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&s));
        EXPECT_EQ(s.Image1.size(), atteso);
        EXPECT_EQ(coperti(s), QStringList());
        clic(s, s.Cmdtorna);

        clic(t, t.Labcronol);
        Cronologiavel& c = forma::Finestra<Cronologiavel>();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&c));
        clic(c, *c.Label3[1]);
        EXPECT_EQ(c.Label4.Caption(), QStringLiteral("2004-1595"));
        EXPECT_EQ(coperti(c), QStringList());
        clic(c, c.Labtorna);

        clic(t, t.Labanimazioni);
        mapanimVel& a = forma::Finestra<mapanimVel>();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&a));
        clic(a, a.Labmondo);
        clic(a, a.cmdultima);
        EXPECT_EQ(a.Image1.size(), atteso);
        clic(a, a.Label7);  // music off: the speaker picture from its file
        EXPECT_EQ(coperti(a), QStringList());
        clic(a, a.cmdprima);
        EXPECT_EQ(a.Image1.size(), atteso);
        clic(a, a.Labtorna);
    }
};

TEST_F(FigureGrandi, UnaFiguraEnormeNonCopreNessunComando) {
    tutteLeFigure({1000, 700});
    ::testing::internal::CaptureStderr();
    Tavolavel& t = mostra();
    EXPECT_EQ(t.Image4.size(), forma::misure::Bandiere);
    EXPECT_EQ(t.Image2.size(), forma::misure::Inserto);
    EXPECT_EQ(t.Image5.size(), forma::misure::Collegamenti);

    // The flag strip no longer lies over Previous, Next and Exit.
    for (int i = 0; i < 20; ++i) clic(t, t.Labsuccessiva);
    EXPECT_EQ(numcarta, 21);
    clic(t, t.Labprecedente);
    EXPECT_EQ(numcarta, 20);
    clic(t, t.LabSPA);
    EXPECT_EQ(ModtavolaVel::lingua, "spagnolo");
    EXPECT_EQ(t.Image4.size(), forma::misure::Bandiere);

    verificaOgniFinestra(t, forma::misure::Carta);

    // Each file cut to its room is named once, however often it was shown.
    const QStringList righe = QString::fromStdString(::testing::internal::GetCapturedStderr())
                                  .split(QLatin1Char('\n'), Qt::SkipEmptyParts)
                                  .filter(QStringLiteral("cartaviva: picture"));
    const std::set<QString> diverse(righe.begin(), righe.end());
    EXPECT_EQ(diverse.size(), static_cast<std::size_t>(righe.size())) << righe.join('\n').toStdString();
    EXPECT_EQ(righe.filter(QStringLiteral("atlante/linguaing.gif: larger than its place (1000 x 700 pixels, room for 181 x 34)")).size(), 1)
        << righe.join('\n').toStdString();
    for (const QString& riga : righe) EXPECT_TRUE(riga.contains(QStringLiteral("shown cut to it"))) << riga.toStdString();

    clic(t, t.Labesci);
    EXPECT_EQ(fine, 1);
}

// A map as wide as the atlas allows shows whole in every window that shows
// maps, and still clears every control; nothing is said of it.
TEST_F(FigureGrandi, UnaCartaDellaMisuraMassimaSiVedeIntera) {
    for (const SchedaCarta& s : CatalogoCarte)
        cartella.figura(QString::fromUtf8(s.fileCarta).replace(QLatin1Char('\\'), QLatin1Char('/')),
                        forma::misure::Carta.width(), forma::misure::Carta.height());
    for (const char* n : {"atlante/1500ac.gif", "atlante/450ac.gif"})
        cartella.figura(QString::fromLatin1(n), forma::misure::Carta.width(), forma::misure::Carta.height());
    ::testing::internal::CaptureStderr();
    Tavolavel& t = mostra();
    verificaOgniFinestra(t, forma::misure::Carta);
    const std::string err = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(err.find("larger than its place"), std::string::npos) << err;
}

}  // namespace
