// Laying text out once: a label keeps the lines of its caption until the
// caption, its width or its font changes, and breaks them exactly where the
// word-by-word rule does; the text box lays a text out only when it changes.
#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QPainter>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTextDocument>

#include <functional>
#include <iterator>

#include "tests/support/ContaDipinti.h"
#include "toolkit/Colori.h"
#include "toolkit/Form.h"
#include "toolkit/Label.h"
#include "toolkit/TextBox.h"

namespace {

// The rule the labels have always wrapped by, written out plainly: at the
// caption's own line ends and, when wrapping, only at blanks, measuring the
// whole line with the next word; a word wider than the label stays whole.
QStringList righeDiRiferimento(const QFontMetrics& fm, const QString& testo, int larghezza, bool avvolgi) {
    QString normale = testo;
    normale.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    const QStringList paragrafi = normale.split(QLatin1Char('\n'));
    if (!avvolgi) return paragrafi;
    QStringList risultato;
    for (const QString& paragrafo : paragrafi) {
        QString riga;
        qsizetype i = 0;
        while (i < paragrafo.size()) {
            qsizetype j = i;
            while (j < paragrafo.size() && paragrafo[j] == QLatin1Char(' ')) ++j;
            while (j < paragrafo.size() && paragrafo[j] != QLatin1Char(' ')) ++j;
            const QString pezzo = paragrafo.mid(i, j - i);
            if (!riga.isEmpty() && fm.horizontalAdvance(riga + pezzo) > larghezza) {
                risultato << riga;
                qsizetype inizio = 0;
                while (inizio < pezzo.size() && pezzo[inizio] == QLatin1Char(' ')) ++inizio;
                riga = pezzo.mid(inizio);
            } else {
                riga += pezzo;
            }
            i = j;
        }
        risultato << riga;
    }
    return risultato;
}

const char* const didascalie[] = {
    "",
    "Exit",
    "To explore the maps, click on 'Next' or 'Previous', otherwise click on the timeline below.",
    "Per esplorare le carte, clicca su 'Avanti' o 'Indietro'. Per scegliere un periodo, clicca sulle linee del tempo.",
    "Collaboratori   Collaborateurs  Colaboradores  Collaborators",
    "  1600   Acaban  de finalizar las guerras entre Francia y España.  El imperio  otomano se extiende ",
    "..3400......3200.....3000......2800.....2600......2400.....2200......2000......1800......1600",
    "5000 B.C.",
    "Mediterraneo: 450 a.C. - 87 a.C 25 mapas",
    "uno\r\ndue  tre\rquattro\n\ncinque sei",
    "Méditerranée: 450 av.C. - 87 av.C 25 cartes",
    // Blanks where a line may break: trailing, alone, in runs, before a word
    // wider than the label; and a paragraph long enough for many lines.
    "   ",
    "fine   ",
    "  Costantinopolitanissimamente  e   poi    altre  parole   ",
    "Nel 1453 Costantinopoli cade in mano ottomana: Maometto II ne fa la sua capitale. In Occidente la guerra "
    "dei Cent'anni finisce con la Francia padrona del suo suolo, tranne Calais; in Spagna Castiglia e Aragona "
    "si uniscono e nel 1492 cade Granada, ultimo regno musulmano della penisola.",
};

struct Faccia {
    const char* nome;
    float punti;
    bool grassetto;
};

TEST(ImpaginazioneEtichetta, GliStessiACapoDellaRegolaParolaPerParola) {
    forma::Form f;
    forma::Label l(&f);
    int confronti = 0;
    for (const Faccia& faccia : {Faccia{"MS Sans Serif", 8.25f, false}, Faccia{"Arial", 8.25f, true},
                                 Faccia{"Kabel Bk BT", 9.75f, true}, Faccia{"MS Sans Serif", 18, true}}) {
        l.setFontName(QString::fromLatin1(faccia.nome));
        l.setFontSize(faccia.punti);
        l.setFontBold(faccia.grassetto);
        const QFontMetrics fm(l.font());
        for (const char* d : didascalie) {
            l.setCaption(QString::fromUtf8(d));
            // Fixed size: wraps within the width.
            l.setAutoSize(false);
            l.setWordWrap(false);
            for (float larghezza : {15.0f, 600.0f, 1575.0f, 3495.0f, 8940.0f, 10600.0f}) {
                l.Move(0, 0, larghezza, 1000);
                SCOPED_TRACE(testing::Message() << faccia.nome << ' ' << d << " in " << larghezza);
                EXPECT_EQ(l.Righe(), righeDiRiferimento(fm, l.Caption(), l.width(), true));
                ++confronti;
            }
            // Sized to the caption: only its own line ends.
            l.setAutoSize(true);
            EXPECT_EQ(l.Righe(), righeDiRiferimento(fm, l.Caption(), l.width(), false)) << d;
            // Sized to the caption's height within a fixed width.
            l.setWordWrap(true);
            l.setWidth(2295);
            EXPECT_EQ(l.Righe(), righeDiRiferimento(fm, l.Caption(), l.width(), true)) << d;
            EXPECT_EQ(l.height(), std::max<int>(1, static_cast<int>(l.Righe().size()) * fm.height())) << d;
        }
    }
    EXPECT_EQ(confronti, static_cast<int>(4 * std::size(didascalie) * 6));
}

TEST(ImpaginazioneEtichetta, SiRifaSoloQuandoCambiaDidascaliaLarghezzaOCarattere) {
    forma::Form f;
    forma::Label l(&f);
    l.Move(0, 0, 3495, 615);
    l.setCaption(QString::fromUtf8(didascalie[2]));
    f.resize(400, 200);
    f.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&f));
    const QStringList larghe = l.Righe();
    const int prima = l.Impaginazioni();
    // Painting again and again lays nothing out anew.
    for (int i = 0; i < 5; ++i) l.repaint();
    l.setForeColor(0x0000FF);
    l.repaint();
    EXPECT_EQ(l.Impaginazioni(), prima);
    // Setting the same caption changes nothing either.
    l.setCaption(QString::fromUtf8(didascalie[2]));
    l.repaint();
    EXPECT_EQ(l.Impaginazioni(), prima);
    // A narrower label, a bigger font, another caption: laid out again.
    l.setWidth(1500);
    l.repaint();
    EXPECT_EQ(l.Impaginazioni(), prima + 1);
    EXPECT_GT(l.Righe().size(), larghe.size());
    l.setFontSize(12);
    l.repaint();
    EXPECT_EQ(l.Impaginazioni(), prima + 2);
    l.setCaption(QStringLiteral("Exit"));
    l.repaint();
    EXPECT_EQ(l.Impaginazioni(), prima + 3);
    EXPECT_EQ(l.Righe(), QStringList{QStringLiteral("Exit")});
}

// A long caption in a short label: the paint works out only the lines that
// reach into the label, yet it paints the same pixels as with every line
// worked out first, and the lines asked for afterwards are the rule's.
TEST(ImpaginazioneEtichetta, IlDipintoSiFermaAlleRigheCheSiVedono) {
    QString lunga;
    for (int i = 0; i < 12; ++i) lunga += QString::fromUtf8(didascalie[i % 3]) + QLatin1Char(' ');
    forma::Form f;
    f.resize(700, 300);
    forma::Label pigra(&f);
    forma::Label intera(&f);
    for (forma::Label* l : {&pigra, &intera}) {
        l->setFontName(QStringLiteral("MS Sans Serif"));
        l->setFontSize(8.25f);
        l->Move(0, 0, 4000, 500);
        l->setCaption(lunga);
    }
    intera.setTop(1000);
    f.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&f));
    const QFontMetrics fm(pigra.font());
    const QStringList regola = righeDiRiferimento(fm, lunga, pigra.width(), true);
    ASSERT_GT(regola.size() * fm.height(), 2 * pigra.height());  // most lines fall below the label

    ASSERT_EQ(intera.Righe(), regola);
    for (bool abilitata : {true, false}) {
        pigra.setEnabled(abilitata);
        intera.setEnabled(abilitata);
        pigra.setCaption(QString());
        pigra.setCaption(lunga);  // laid out anew, by the paint alone
        EXPECT_EQ(pigra.grab().toImage(), intera.grab().toImage()) << abilitata;
    }
    const int prima = pigra.Impaginazioni();
    EXPECT_EQ(pigra.Righe(), regola);
    EXPECT_EQ(pigra.Impaginazioni(), prima);  // carried on, not started again
    EXPECT_EQ(pigra.grab().toImage(), intera.grab().toImage());
}

// A label painted the plain way, line by line with the painter's drawText,
// in the font, colours and alignment of the label it copies.
class DipintaConDrawText : public QWidget {
public:
    DipintaConDrawText(QWidget* padre, const forma::Label& modello) : QWidget(padre), modello_(modello) {}

protected:
    void paintEvent(QPaintEvent*) override {
        const forma::Label& m = modello_;
        QPainter p(this);
        if (m.BackStyle() == forma::vbOpaque) p.fillRect(rect(), forma::qcolore(m.BackColor()));
        p.setFont(m.font());
        const QFontMetrics fm(m.font());
        const int allineamento = m.Alignment() == forma::vbCenter          ? Qt::AlignHCenter
                                 : m.Alignment() == forma::vbRightJustify ? Qt::AlignRight
                                                                          : Qt::AlignLeft;
        auto disegna = [&](QPoint scarto) {
            int y = 0;
            for (const QString& l : m.Righe()) {
                p.drawText(QRect(0, y, width(), fm.height()).translated(scarto), allineamento | Qt::AlignTop, l);
                y += fm.height();
            }
        };
        if (m.isEnabled()) {
            p.setPen(forma::qcolore(m.ForeColor()));
            disegna(QPoint());
        } else {
            p.setPen(forma::qcolore(0xFFFFFF));
            disegna(QPoint(1, 1));
            p.setPen(forma::qcolore(0x808080));
            disegna(QPoint());
        }
    }

private:
    const forma::Label& modello_;
};

// The label keeps each line shaped between paints and draws it itself: the
// pixels must be those of drawText, for every font, alignment and state,
// including lines wider than the label (clipped), blanks at either end,
// tabs, ampersands and empty lines, and again after each thing that changes
// the shaping or the placing.
TEST(ImpaginazioneEtichetta, IPixelSonoQuelliDiDrawText) {
    forma::Form f;
    f.resize(900, 500);
    forma::Label l(&f);
    DipintaConDrawText riferimento(&f, l);
    f.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&f));
    const QString altre[] = {
        QStringLiteral("Colonne\td'Ercole & Gibilterra"),
        QStringLiteral("Sacro Romano Impero &&  regno d'Italia  "),
        QStringLiteral("Costantinopolitanissimamente"),
        QStringLiteral("prima\n\nterza"),
        QString::fromUtf8("Émirat de Cordoue — Ὀδυσσεύς"),
    };
    QStringList testi;
    for (const char* d : didascalie) testi << QString::fromUtf8(d);
    for (const QString& a : altre) testi << a;
    const Faccia facce[] = {{"MS Sans Serif", 8.25f, false}, {"Arial", 8.25f, true}, {"Kabel Bk BT", 9.75f, true},
                            {"Comic Sans MS", 12, false},    {"Italic", 9.75f, true}, {"Lucida Sans Unicode", 8.25f, false}};
    auto confronta = [&](const char* cosa) {
        riferimento.setGeometry(l.geometry().translated(0, 250));
        EXPECT_EQ(l.grab().toImage(), riferimento.grab().toImage()) << cosa << ": " << l.Caption().toStdString();
    };
    int i = 0;
    for (const Faccia& faccia : facce) {
        l.setFontName(QString::fromLatin1(faccia.nome));
        l.setFontSize(faccia.punti);
        l.setFontBold(faccia.grassetto);
        for (const QString& testo : testi) {
            SCOPED_TRACE(testing::Message() << faccia.nome << ' ' << faccia.punti);
            ++i;
            l.setEnabled(i % 5 != 0);
            l.setBackStyle(forma::vbOpaque);
            l.setBackColor(i % 2 ? 0x000000 : 0xC0FFFF);
            l.setForeColor(i % 2 ? 0xFFC0C0 : 0x800000);
            l.setAlignment(i % 3);
            l.setAutoSize(false);
            l.Move(0, 0, 1500 + 1000 * (i % 4), 900);
            l.setCaption(testo);
            confronta("first paint");
            confronta("painted again");
            l.setAlignment((i + 1) % 3);
            confronta("another alignment");
            l.setForeColor(0x00FF00);
            confronta("another colour");
            l.setWidth(l.Width() + 1200);
            confronta("wider");
            l.setFontSize(faccia.punti + 2);
            confronta("bigger");
            l.setFontSize(faccia.punti);
            l.setCaption(testo + QStringLiteral(" fine"));
            confronta("longer caption");
        }
    }
}

// A map sets the colours and alignment of all its labels, mostly to what
// they already are: the same value again paints nothing, another value
// paints the label once.
TEST(ImpaginazioneEtichetta, LoStessoValoreNonRidipinge) {
    forma::Form f;
    f.resize(400, 200);
    forma::Label l(&f);
    l.Move(0, 0, 3000, 600);
    l.setCaption(QStringLiteral("Regno di Francia"));
    f.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&f));
    struct Impostazione {
        const char* nome;
        std::function<void(int)> imposta;  // 0 and 1: two different values
    };
    const Impostazione impostazioni[] = {
        {"ForeColor", [&](int v) { l.setForeColor(v ? 0xFFC0C0 : 0x808080); }},
        {"BackColor", [&](int v) { l.setBackColor(v ? 0x000000 : 0x400000); }},
        {"BackStyle", [&](int v) { l.setBackStyle(v ? forma::vbOpaque : forma::vbTransparent); }},
        {"Alignment", [&](int v) { l.setAlignment(v ? forma::vbCenter : forma::vbRightJustify); }},
        {"Caption", [&](int v) { l.setCaption(v ? QStringLiteral("Regno di Francia") : QStringLiteral("Aquitania")); }},
    };
    prova::ContaDipinti conta(&l);
    for (const Impostazione& i : impostazioni) {
        SCOPED_TRACE(i.nome);
        i.imposta(1);
        QTest::qWait(20);
        conta.dipinti = 0;
        i.imposta(1);
        QTest::qWait(20);
        EXPECT_EQ(conta.dipinti, 0);
        i.imposta(0);
        QTest::qWait(20);
        EXPECT_EQ(conta.dipinti, 1);
    }
}

class ImpaginazioneCasella : public ::testing::Test {
protected:
    ImpaginazioneCasella() {
        t.Move(0, 0, 8535, 1695);
        t.setFont(QStringLiteral("Futura Lt BT"), 9.75f);
        for (int i = 0; i < 40; ++i) testo += QStringLiteral("Riga %1 di una descrizione lunga.\r\n").arg(i);
        f.resize(700, 200);
        f.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&f));
    }
    forma::Form f;
    forma::TextBox t{&f};
    QString testo;
};

TEST_F(ImpaginazioneCasella, LoStessoTestoNonSiRifaMaTornaInCima) {
    t.setLocked(true);
    t.setText(testo);
    QScrollBar* barra = t.editor()->verticalScrollBar();
    ASSERT_GT(barra->maximum(), 0);
    barra->setValue(barra->maximum());
    t.editor()->selectAll();
    QSignalSpy cambi(t.editor()->document(), &QTextDocument::contentsChange);
    t.setText(testo);
    EXPECT_EQ(cambi.count(), 0);
    EXPECT_EQ(t.Text(), testo);
    // As a fresh setting leaves it: from the start, nothing selected.
    EXPECT_EQ(barra->value(), barra->minimum());
    EXPECT_FALSE(t.editor()->textCursor().hasSelection());
    EXPECT_EQ(t.editor()->textCursor().position(), 0);
    // Another text is laid out.
    t.setText(testo + QStringLiteral("Un'altra riga."));
    EXPECT_GT(cambi.count(), 0);
    EXPECT_TRUE(t.editor()->toPlainText().endsWith(QStringLiteral("Un'altra riga.")));
}

TEST_F(ImpaginazioneCasella, UnTestoCambiatoDalLettoreTornaQuelloImpostato) {
    t.setText(QStringLiteral("Testo impostato"));
    t.editor()->setFocus();
    t.editor()->moveCursor(QTextCursor::End);
    QTest::keyClicks(t.editor(), QStringLiteral(" e scritto"));
    ASSERT_EQ(t.editor()->toPlainText(), QStringLiteral("Testo impostato e scritto"));
    t.setText(QStringLiteral("Testo impostato"));
    EXPECT_EQ(t.editor()->toPlainText(), QStringLiteral("Testo impostato"));
}

}  // namespace
