// The substitute faces keep the designed widths: both timeline scales fit
// their labels, the AD one within the 6200 twips a press accepts, every
// printed mark stands where a press gives its year, the animation's dates
// fit their label on one line, and the designed captions of every window fit
// the boxes they were designed in.
#include <gtest/gtest.h>

#include <QFontMetricsF>
#include <QRegularExpression>
#include <cmath>

#include "animation/mapanimVel.h"
#include "chronology/Cronologiavel.h"
#include "chronology/stampacronvel.h"
#include "credits/Collaborvel.h"
#include "credits/ColonnaTesto.h"
#include "print/Stampavel.h"
#include "tests/support/FinestraPrincipale.h"
#include "toolkit/Twips.h"

namespace {

// How far, in years, the middle of a printed mark may stand from the place
// of its year. The scales are text: marks 200 years apart are printed with
// five dots between them here and six there ("3400......3200.....3000"), so
// no face whose digits share one width and dots another puts every mark on
// its place. The best any such face can do is about 26 years on the BC scale
// and 32 on the AD scale, and 42 once the AD scale must end within 6200
// twips; the designed face itself drifted 35.
constexpr double ScartoMassimo = 45;

// Each printed number of a scale, with the pixels its glyphs span.
struct Tacca {
    int anno;
    double da, a;
};

std::vector<Tacca> tacche(const forma::Label& l) {
    const QFontMetricsF fm(l.font());
    const QString& s = l.Caption();
    std::vector<Tacca> r;
    auto it = QRegularExpression(QStringLiteral("[0-9]+")).globalMatch(s);
    while (it.hasNext()) {
        const auto m = it.next();
        r.push_back({m.captured().toInt(), fm.horizontalAdvance(s.left(m.capturedStart())),
                     fm.horizontalAdvance(s.left(m.capturedEnd()))});
    }
    return r;
}

class MisureCaratteri : public prova::FinestraPrincipale {};

TEST_F(MisureCaratteri, LeScaleStannoNelleLineeDelTempo) {
    Tavolavel& t = avvia();
    for (const forma::Label* l : {&t.LabAc, &t.LabDc}) {
        ASSERT_EQ(l->Righe().size(), 1);
        const int larga = QFontMetrics(l->font()).horizontalAdvance(l->Caption());
        EXPECT_LE(larga, l->width()) << l->Caption().toStdString();
    }
    // A press beyond 6200 twips does nothing: the AD scale ends before that.
    EXPECT_LE(forma::twips(QFontMetricsF(t.LabDc.font()).horizontalAdvance(t.LabDc.Caption())), 6200.0f);
}

TEST_F(MisureCaratteri, OgniTaccaStaDoveLaPressioneDaIlSuoAnno) {
    Tavolavel& t = avvia();
    // At pixel p of a timeline a press looks up 3500 - 5p (BC) or 5p (AD).
    struct Scala {
        const forma::Label* l;
        bool dopoCristo;
        std::size_t tacche;
    };
    for (const Scala& s : {Scala{&t.LabAc, false, 18}, Scala{&t.LabDc, true, 11}}) {
        const std::vector<Tacca> tt = tacche(*s.l);
        ASSERT_EQ(tt.size(), s.tacche);
        for (const Tacca& k : tt) {
            const double anno = s.dopoCristo ? 5 * (k.da + k.a) / 2 : 3500 - 5 * (k.da + k.a) / 2;
            EXPECT_LE(std::abs(anno - k.anno), ScartoMassimo)
                << (s.dopoCristo ? "AD " : "BC ") << k.anno << " printed over " << k.da << ".." << k.a << " px";
        }
    }
}

TEST_F(MisureCaratteri, LeDateDellAnimazioneStannoSuUnaRiga) {
    Tavolavel& t = mostra();
    clic(t, t.Labanimazioni);
    mapanimVel& a = forma::Finestra<mapanimVel>();
    const QFontMetrics fm(a.Label1.font());
    int date = 0;
    QString piuLarga;
    for (forma::Label* serie : {&a.Labmondo, &a.Labeuropa, &a.Laboriente, &a.Labmediterr}) {
        clic(a, *serie);
        // Every frame, shown as the step buttons show it.
        for (int k = 1; k <= a.numFotogrammi; ++k) {
            if (k == 1)
                a.cmdprima.Click();
            else
                a.cmdseg.Click();
            const QString& d = a.Label1.Caption();
            SCOPED_TRACE(d.toStdString());
            EXPECT_EQ(a.Label1.Righe().join(QLatin1Char('|')).toStdString(), d.toStdString());
            EXPECT_LE(fm.horizontalAdvance(d), a.Label1.width());
            EXPECT_LE(fm.height(), a.Label1.height());
            if (fm.horizontalAdvance(d) > fm.horizontalAdvance(piuLarga)) piuLarga = d;
            ++date;
        }
    }
    EXPECT_EQ(date, 28 + 63 + 40 + 25);
    EXPECT_EQ(piuLarga, QStringLiteral("5000 B.C."));
}

// Every label of fixed size shows its whole caption: no word runs past its
// width and the lines stay within its height. Not the boxes that are made to
// cut a long text at their lower edge: the chronology's texts and the credits'
// columns.
void verificaDidascalie(QWidget& finestra, const std::vector<const forma::Label*>& chePossonoTagliare,
                        const char* dove) {
    for (const forma::Label* l : finestra.findChildren<forma::Label*>()) {
        if (l->Caption().isEmpty() || !l->isVisibleTo(&finestra) || (l->AutoSize() && !l->WordWrap())) continue;
        if (std::find(chePossonoTagliare.begin(), chePossonoTagliare.end(), l) != chePossonoTagliare.end()) continue;
        const QFontMetrics fm(l->font());
        int larga = 0;
        for (const QString& r : l->Righe()) larga = std::max(larga, fm.horizontalAdvance(r));
        SCOPED_TRACE(testing::Message() << dove << ": \"" << l->Caption().toStdString() << "\" at " << l->Left() << ", "
                                        << l->Top());
        EXPECT_LE(larga, l->width());
        EXPECT_LE(static_cast<int>(l->Righe().size()) * fm.height(), l->height());
    }
}

TEST_F(MisureCaratteri, LeDidascalieDiOgniFinestraStannoNeiLoroRiquadri) {
    Tavolavel& t = mostra();
    verificaDidascalie(t, {}, "main window at start-up");
    for (forma::Label* bandiera : {&t.LabITA, &t.LabFRA, &t.LabSPA, &t.LabING}) {
        clic(t, *bandiera);
        const std::string lingua = ModtavolaVel::lingua;
        verificaDidascalie(t, {}, ("main window, " + lingua).c_str());
        verificaDidascalie(forma::Finestra<mapanimVel>(), {}, ("animation, " + lingua).c_str());
        forma::Distruggi<mapanimVel>();
        verificaDidascalie(forma::Finestra<Stampavel>(), {}, ("print, " + lingua).c_str());
        forma::Distruggi<Stampavel>();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    Collaborvel& c = forma::Finestra<Collaborvel>();
    std::vector<const forma::Label*> colonne;
    for (const collaboratori::ColonnaTesto* l : c.findChildren<collaboratori::ColonnaTesto*>()) colonne.push_back(l);
    verificaDidascalie(c, colonne, "credits");
    Cronologiavel& cr = forma::Finestra<Cronologiavel>();
    cr.Show();
    const std::vector<const forma::Label*> testi(cr.Label1.begin(), cr.Label1.end());
    for (forma::Label* lingua : {&cr.Label5, &cr.Label6, &cr.Label7, &cr.Label8}) {
        clic(cr, *lingua);
        verificaDidascalie(cr, testi, ("chronology, " + lingua->Caption().toStdString()).c_str());
    }
    verificaDidascalie(forma::Finestra<stampacronvel>(), {}, "chronology print page");
}

}  // namespace
