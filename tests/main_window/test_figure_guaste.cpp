// The main window with every picture it reads damaged: small files that claim
// 5600 x 5600 pixels. They stay empty, each is reported once, and the window
// keeps working under real clicks: no picture grows over the controls.
#include <gtest/gtest.h>

#include <QDir>
#include <QStringList>
#include <set>

#include "tests/support/FinestraPrincipale.h"

namespace {

using ModtavolaVel::lingua;
using ModtavolaVel::numcarta;

class FigureGuaste : public prova::FinestraPrincipale {
protected:
    FigureGuaste() {
        auto guasta = [this](const char* nome) {
            cartella.gifCheDichiara(QString::fromUtf8(nome).replace(QLatin1Char('\\'), QLatin1Char('/')), 5600, 5600);
        };
        for (const SchedaCarta& s : CatalogoCarte) {
            guasta(s.fileCarta);
            if (s.fileInserto[0]) guasta(s.fileInserto);
        }
        for (const char* nome : {"atlante/linguaita.gif", "atlante/linguafra.gif", "atlante/linguaspa.gif",
                                 "atlante/linguaing.gif", "atlante/altoparlanti1.jpg", "atlante/altoparlanti2.jpg",
                                 "atlante/collegamenti.gif"})
            guasta(nome);
    }
};

TEST_F(FigureGuaste, RestanoVuoteELaFinestraFunzionaAncora) {
    ::testing::internal::CaptureStderr();
    Tavolavel& t = mostra();

    // Empty pictures, and the picture controls keep their designed places.
    for (const forma::Image* img : {&t.Image1, &t.Image2, &t.Image4, &t.Image5, &t.Image7}) {
        EXPECT_TRUE(img->Picture()->immagine.isNull()) << img->Picture()->origine.toStdString();
        EXPECT_LT(img->width(), 600) << img->Picture()->origine.toStdString();
        EXPECT_LT(img->height(), 400) << img->Picture()->origine.toStdString();
    }
    EXPECT_EQ(t.Image4.Width(), 2715);
    EXPECT_EQ(t.Image4.Height(), 510);

    // Next, both timelines, a flag, Previous: each by a click at the window.
    clic(t, t.Labsuccessiva);
    EXPECT_EQ(numcarta, 2);
    const QRect ac = t.LabAc.geometry();
    clic(t, QPoint(ac.left() + 634, ac.center().y()));  // value 330: map 63
    EXPECT_EQ(numcarta, 63);
    const QRect dc = t.LabDc.geometry();
    clic(t, QPoint(dc.left() + 94, dc.center().y()));  // value 470: map 93
    EXPECT_EQ(numcarta, 93);
    clic(t, t.LabFRA);
    EXPECT_EQ(lingua, "francese");
    EXPECT_EQ(t.Image4.Picture()->origine, QStringLiteral("atlante\\linguafra.gif"));
    clic(t, t.Labprecedente);
    EXPECT_EQ(numcarta, 92);
    clic(t, t.Labsuccessiva);
    EXPECT_EQ(numcarta, 93);
    for (forma::Image* img : {&t.Image1, &t.Image2, &t.Image4})
        EXPECT_TRUE(img->Picture()->immagine.isNull()) << img->Picture()->origine.toStdString();

    // Each damaged file read so far is named once, as too large; map 93's
    // picture was read twice and is named once.
    const QStringList righe = QString::fromStdString(::testing::internal::GetCapturedStderr())
                                  .split(QLatin1Char('\n'), Qt::SkipEmptyParts)
                                  .filter(QStringLiteral("picture"));
    std::set<QString> diverse(righe.begin(), righe.end());
    EXPECT_EQ(diverse.size(), static_cast<std::size_t>(righe.size())) << righe.join('\n').toStdString();
    for (const QString& riga : righe) EXPECT_TRUE(riga.contains(QStringLiteral("too large"))) << riga.toStdString();
    EXPECT_EQ(righe.filter(QStringLiteral("atlante/linguaing.gif")).size(), 1);
    EXPECT_EQ(righe.filter(QStringLiteral("atlante/linguafra.gif")).size(), 1);
    const QString carta93 = QString::fromUtf8(schedaDi(93)->fileCarta).replace(QLatin1Char('\\'), QLatin1Char('/'));
    EXPECT_EQ(righe.filter(carta93).size(), 1) << carta93.toStdString();

    // Exit still ends the atlas.
    clic(t, t.Labesci);
    EXPECT_EQ(fine, 1);
}

// No picture at all: one pass with Next over the 168 maps names each missing
// file once, though many maps share a picture or an inset.
class FigureMancanti : public prova::FinestraPrincipale {
protected:
    FigureMancanti() { QDir(cartella.percorso() + QStringLiteral("/atlante")).removeRecursively(); }
};

TEST_F(FigureMancanti, UnPassaggioSuTutteLeCarteNominaOgniFileUnaVolta) {
    std::set<QString> letti;
    auto locale = [](const char* nome) { return QString::fromUtf8(nome).replace(QLatin1Char('\\'), QLatin1Char('/')); };
    for (const char* nome : {"atlante\\linguaing.gif", "atlante\\altoparlanti1.jpg", "atlante\\collegamenti.gif"})
        letti.insert(locale(nome));
    for (const SchedaCarta& s : CatalogoCarte) {
        letti.insert(locale(s.fileCarta));
        if (s.fileInserto[0]) letti.insert(locale(s.fileInserto));
    }
    letti.insert(locale("atlante\\battaglia2.jpg"));  // the start-up inset

    ::testing::internal::CaptureStderr();
    Tavolavel& t = mostra();
    for (int i = 1; i < 168; ++i) clic(t, t.Labsuccessiva);
    const QStringList righe = QString::fromStdString(::testing::internal::GetCapturedStderr())
                                  .split(QLatin1Char('\n'), Qt::SkipEmptyParts)
                                  .filter(QStringLiteral("picture"));
    EXPECT_EQ(numcarta, 168);
    EXPECT_EQ(static_cast<std::size_t>(righe.size()), letti.size());
    for (const QString& nome : letti) {
        const QStringList suo = righe.filter(QStringLiteral("picture ") + nome + QLatin1Char(':'));
        EXPECT_EQ(suo.size(), 1) << nome.toStdString();
        for (const QString& riga : suo) EXPECT_TRUE(riga.contains(QStringLiteral("missing"))) << riga.toStdString();
    }
}

}  // namespace
