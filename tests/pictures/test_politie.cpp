// The territories of the map pictures against history: no picture draws a
// polity outside the years it existed, and every label that names a polity
// stands on that polity's fill (or touches it, where the label lies on the
// sea). What each picture draws is the generator's own account
// (tools/atlante/rapporto-territori.tsv, written with the pictures and tied
// to them by their hashes); the years are in tools/atlante/politie.tsv, the
// deliberate exceptions, each with its reason, in eccezioni-vite.tsv and
// eccezioni-etichette.tsv. The faults still to fix are listed one by one in
// da-correggere.tsv: the checks fail on a fault not listed there (a new one)
// and on a listed fault that is gone (its row must go), so the list only
// shrinks. The labels themselves are taken from the main window, map by map,
// as Next draws them.
#include <gtest/gtest.h>

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <QTextStream>
#include <map>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "app/ModtavolaVel.h"
#include "main_window/CatalogoCarte.h"
#include "main_window/Tavolavel.h"
#include "toolkit/MMControl.h"
#include "toolkit/Processo.h"
#include "toolkit/Registro.h"

#ifndef CARTAVIVA_DATI
#define CARTAVIVA_DATI "."
#endif

namespace {

// A polity shows on a picture when at least this many pixels show its fill
// or its border: fewer are slivers at a frame's edge that no reader sees.
constexpr int kPixelMinimi = 10;

QString Percorso(const QString& relativo) { return QString::fromUtf8(CARTAVIVA_DATI) + QLatin1Char('/') + relativo; }

std::string S(const QString& s) { return s.toStdString(); }

// The rows of a tab-separated table, comments and blank lines skipped; an
// unreadable table is a failure, not an empty one.
std::vector<QStringList> Righe(const QString& relativo) {
    std::vector<QStringList> righe;
    QFile f(Percorso(relativo));
    EXPECT_TRUE(f.open(QIODevice::ReadOnly | QIODevice::Text)) << S(relativo) << " cannot be read";
    QTextStream in(&f);
    while (!in.atEnd()) {
        const QString riga = in.readLine();
        if (riga.trimmed().isEmpty() || riga.startsWith(QLatin1Char('#'))) continue;
        righe.push_back(riga.split(QLatin1Char('\t')));
    }
    return righe;
}

// A caption as the tables compare it: blanks and a trailing colon aside, any case.
QString Normale(const QString& didascalia) {
    QString s = didascalia.simplified();
    while (s.endsWith(QLatin1Char(':'))) s.chop(1);
    return s.trimmed().toLower();
}

struct Vita {
    std::optional<int> dal, al;
};

std::map<QString, Vita> Vite() {
    std::map<QString, Vita> vite;
    for (const QStringList& c : Righe(QStringLiteral("tools/atlante/politie.tsv"))) {
        Vita v;
        bool ok1 = false, ok2 = false;
        if (c.size() > 5) {
            const int dal = c[4].trimmed().toInt(&ok1), al = c[5].trimmed().toInt(&ok2);
            if (ok1 && ok2) v = {dal, al};
        }
        vite[c[0].trimmed()] = v;
    }
    return vite;
}

// The generator's account.
struct Foto {
    int larghezza = 0, altezza = 0;
    QString impronta;
    std::vector<std::pair<int, int>> anni;  // (map, year) of every map that shows the picture
};
struct Polita {
    QString foto, pannello, chiave, tono, fonti;
    int pixel;
};
struct Misura {
    QString foto;
    int carta, indice;
    QString lingua, chiave;
    bool dentro;  // the caption box lies at least partly in the picture
    int n, k, mare, linee;
    bool tocca;
    QString altra, didascalia;
};
struct Resoconto {
    std::map<QString, Foto> foto;
    std::vector<Polita> polite;
    std::vector<Misura> etichette;
};

const Resoconto& IlResoconto() {
    static const Resoconto r = [] {
        Resoconto r;
        for (const QStringList& c : Righe(QStringLiteral("tools/atlante/rapporto-territori.tsv"))) {
            if (c[0] == QLatin1String("foto") && c.size() >= 6) {
                Foto f{c[2].toInt(), c[3].toInt(), c[4], {}};
                for (const QString& a : c[5].split(QLatin1Char(','), Qt::SkipEmptyParts))
                    f.anni.emplace_back(a.section(QLatin1Char(':'), 0, 0).toInt(),
                                        a.section(QLatin1Char(':'), 1).toInt());
                r.foto[c[1]] = f;
            } else if (c[0] == QLatin1String("polita") && c.size() >= 7) {
                r.polite.push_back({c[1], c[2], c[3], c[4], c[5], c[6].toInt()});
            } else if (c[0] == QLatin1String("etichetta") && c.size() >= 14) {
                r.etichette.push_back({c[1], c[2].toInt(), c[3].toInt(), c[4], c[5], c[6] != QLatin1String("-"),
                                       c[7].toInt(), c[8].toInt(), c[9].toInt(), c[10].toInt(),
                                       c[11] == QLatin1String("1"), c[12], c.mid(13).join(QLatin1Char(' '))});
            } else {
                ADD_FAILURE() << "rapporto-territori.tsv: a row of unknown form: " << S(c.join(QLatin1Char('\t')));
            }
        }
        return r;
    }();
    return r;
}

// The English captions of every map picture, from the main window (picture -> label -> caption).
struct Didascalie {
    std::vector<QString> foto;  // catalogue order, once each
    std::map<QString, std::map<int, QString>> perFoto;
};

QString NomeFoto(const QString& origine) { return origine.section(QLatin1Char('\\'), -1); }

const Didascalie& LeDidascalie() {
    static const Didascalie d = [] {
        Didascalie d;
        const QString prima = QDir::currentPath();
        QDir::setCurrent(QString::fromUtf8(CARTAVIVA_DATI));
        forma::MMControl::setAudioDisabled(true);
        forma::SostituisciEnd([] {});
        Tavolavel& t = forma::Finestra<Tavolavel>();
        t.LabING.Click();
        std::set<QString> viste;
        for (const SchedaCarta& s : CatalogoCarte) {
            ModtavolaVel::numcarta = s.numero;
            t.disegnaCarta();
            const QString foto = NomeFoto(t.Image1.Picture()->origine);
            if (viste.insert(foto).second) d.foto.push_back(foto);
            for (int i = 0; i < 36; ++i) {
                const forma::Label& l = *t.Label1[static_cast<std::size_t>(i)];
                if (l.Visible() && !l.Caption().trimmed().isEmpty()) d.perFoto[foto][i] = l.Caption().trimmed();
            }
        }
        forma::DistruggiTutte();
        forma::SostituisciEnd(nullptr);
        QDir::setCurrent(prima);
        return d;
    }();
    return d;
}

// Which label of which picture the tables tie to which polity; a row for
// one panel (israele4.gif:1) ties the picture's label too.
std::map<std::pair<QString, int>, QString> Legami() {
    std::map<std::pair<QString, int>, QString> legami;
    for (const QStringList& c : Righe(QStringLiteral("tools/atlante/etichette-politie.tsv")))
        if (c.size() >= 3) legami[{c[0].section(QLatin1Char(':'), 0, 0), c[1].toInt()}] = c[2].trimmed();
    return legami;
}

// The faults still to fix (da-correggere.tsv): (picture, check, polity,
// label, language) -> whether the account still shows it. Read afresh by
// each check, which marks the rows of its own kind.
using Chiave = std::tuple<QString, QString, QString, QString, QString>;
std::map<Chiave, bool> DaCorreggere(const QString& controllo) {
    std::map<Chiave, bool> righe;
    for (const QStringList& c : Righe(QStringLiteral("tools/atlante/da-correggere.tsv"))) {
        if (c.size() < 5 || (c[1] != QLatin1String("vita") && c[1] != QLatin1String("posto"))) {
            if (controllo == QLatin1String("vita"))
                ADD_FAILURE() << "da-correggere.tsv: a row of unknown form: " << S(c.join(QLatin1Char('\t')));
            continue;
        }
        if (c[1] != controllo) continue;
        const bool doppia = !righe.emplace(Chiave{c[0], c[1], c[2], c[3], c[4]}, false).second;
        EXPECT_FALSE(doppia) << "da-correggere.tsv lists a fault twice: " << S(c.mid(0, 5).join(QLatin1Char('\t')));
    }
    return righe;
}

// The listed faults that are gone, each with the row to remove.
void RigheSuperate(const std::map<Chiave, bool>& righe, std::map<QString, std::vector<std::string>>& guasti) {
    for (const auto& [chiave, ancora] : righe) {
        if (ancora) continue;
        const auto& [foto, controllo, polita, etichetta, lingua] = chiave;
        const QString riga = QStringList{foto, controllo, polita, etichetta, lingua}.join(QLatin1Char(' '));
        guasti[foto.section(QLatin1Char(':'), 0, 0)].push_back("listed but no longer failing: remove the row \"" +
                                                               S(riga) + "\" from tools/atlante/da-correggere.tsv");
    }
}

const char* const kNuovi =
    ", not in tools/atlante/da-correggere.tsv (new faults: fix them), or rows of that list whose fault is gone (remove"
    " them; after regenerating the pictures, tools/atlante/resoconto.py --da-correggere rewrites the list):";

// A report grouped by picture: picture -> lines.
std::string PerFoto(const std::map<QString, std::vector<std::string>>& guasti) {
    std::ostringstream s;
    for (const auto& [foto, righe] : guasti) {
        s << "\n" << S(foto) << ":";
        for (const std::string& r : righe) s << "\n    " << r;
    }
    return s.str();
}

std::size_t Quanti(const std::map<QString, std::vector<std::string>>& guasti) {
    std::size_t n = 0;
    for (const auto& [_, righe] : guasti) n += righe.size();
    return n;
}

TEST(PolitieNelTempo, OgniPolitaHaGliAnniInCuiEsistette) {
    const auto vite = Vite();
    ASSERT_GT(vite.size(), 250u) << "politie.tsv lists the atlas's polities";
    std::ostringstream senza;
    for (const auto& [chiave, v] : vite) {
        if (!v.dal || !v.al)
            senza << "\n  " << S(chiave) << ": no years (columns dal and al)";
        else if (*v.dal > *v.al || *v.al > 2000)
            senza << "\n  " << S(chiave) << ": " << *v.dal << " to " << *v.al << " is not a span ending by 2000";
    }
    EXPECT_TRUE(senza.str().empty()) << "polities without a lifetime:" << senza.str();
}

// The account belongs to the committed pictures: one row per map picture,
// with its size and the hash of the file as it stands.
TEST(PolitieNelTempo, IlResocontoDelGeneratoreEQuelloDelleImmagini) {
    const Resoconto& r = IlResoconto();
    const Didascalie& d = LeDidascalie();
    ASSERT_FALSE(d.foto.empty());
    std::ostringstream guasti;
    for (const QString& foto : d.foto) {
        const auto it = r.foto.find(foto);
        if (it == r.foto.end()) {
            guasti << "\n  " << S(foto) << ": not in the account";
            continue;
        }
        QFile f(Percorso(QStringLiteral("atlante/") + foto));
        if (!f.open(QIODevice::ReadOnly)) {
            guasti << "\n  " << S(foto) << ": cannot be read";
            continue;
        }
        const QByteArray byte = f.readAll();
        const QImage im = QImage::fromData(byte);
        if (QString::fromLatin1(QCryptographicHash::hash(byte, QCryptographicHash::Sha256).toHex()) !=
            it->second.impronta)
            guasti << "\n  " << S(foto) << ": the picture is not the one the account measured";
        if (im.width() != it->second.larghezza || im.height() != it->second.altezza)
            guasti << "\n  " << S(foto) << ": " << im.width() << " x " << im.height() << ", the account says "
                   << it->second.larghezza << " x " << it->second.altezza;
    }
    // every label the tables tie to a polity is measured, as tied to that polity (a label
    // without a caption in some language is measured in the others only)
    std::map<std::pair<QString, int>, std::set<QString>> misurate;
    for (const Misura& m : r.etichette) misurate[{m.foto, m.indice}].insert(m.chiave);
    for (const auto& [chiave, polita] : Legami())
        if (!misurate[chiave].count(polita))
            guasti << "\n  " << S(chiave.first) << " label " << chiave.second << " (" << S(polita)
                   << "): not measured as tied to it";
    EXPECT_TRUE(guasti.str().empty()) << "run tools/atlante/genera.sh after changing the tables:" << guasti.str();
}

// No picture draws a polity (named or quiet, from the data, an addition or a
// hand-drawn polygon) in a year outside its lifetime, unless the exceptions
// table gives the reason; an exception that no longer excuses anything goes.
TEST(PolitieNelTempo, NessunaCartaDisegnaUnaPolitaFuoriDaiSuoiAnni) {
    const auto vite = Vite();
    const Resoconto& r = IlResoconto();
    ASSERT_FALSE(r.foto.empty()) << "the account is empty";
    std::map<std::pair<QString, QString>, bool> eccezioni;  // (picture, polity) -> used
    for (const QStringList& c : Righe(QStringLiteral("tools/atlante/eccezioni-vite.tsv"))) {
        EXPECT_TRUE(c.size() >= 3 && !c[2].trimmed().isEmpty())
            << "eccezioni-vite.tsv: a row without its reason: " << S(c.join(QLatin1Char('\t')));
        eccezioni[{c[0].trimmed(), c[1].trimmed()}] = false;
    }
    auto daCorreggere = DaCorreggere(QStringLiteral("vita"));
    std::map<QString, std::vector<std::string>> guasti;
    for (const Polita& p : r.polite) {
        if (p.pixel < kPixelMinimi) continue;
        const auto v = vite.find(p.chiave);
        const auto f = r.foto.find(p.foto);
        if (f == r.foto.end()) continue;
        std::ostringstream fuori;
        for (const auto& [carta, anno] : f->second.anni) {
            if (v != vite.end() && v->second.dal && v->second.al && anno >= *v->second.dal && anno <= *v->second.al)
                continue;
            // the two pictures only the animation shows belong to no map of the registry
            fuori << (fuori.str().empty() ? "" : ", ")
                  << (carta ? "map " + std::to_string(carta) : std::string("animation")) << " (" << anno << ")";
        }
        if (fuori.str().empty()) continue;
        const auto e = eccezioni.find({p.foto, p.chiave});
        if (e != eccezioni.end()) {
            e->second = true;
            continue;
        }
        const QString dove = p.pannello == QLatin1String("-") ? p.foto : p.foto + QLatin1Char(':') + p.pannello;
        const QString nessuna = QStringLiteral("-");
        const auto d = daCorreggere.find({dove, QStringLiteral("vita"), p.chiave, nessuna, nessuna});
        if (d != daCorreggere.end()) {
            d->second = true;
            continue;
        }
        std::ostringstream riga;
        riga << S(p.chiave) << " ("
             << S(p.tono == QLatin1String("piena") ? QStringLiteral("named") : QStringLiteral("quiet")) << ", from "
             << S(p.fonti) << ", " << p.pixel << " px"
             << (p.pannello == QLatin1String("-") ? std::string() : ", panel " + S(p.pannello)) << ") on "
             << fuori.str() << ", but it lived ";
        if (v == vite.end())
            riga << "nowhere: it is not in politie.tsv";
        else if (!v->second.dal || !v->second.al)
            riga << "in no known years: politie.tsv gives it no dal and al";
        else
            riga << *v->second.dal << " to " << *v->second.al;
        guasti[p.foto].push_back(riga.str());
    }
    for (const auto& [chiave, usata] : eccezioni)
        if (!usata) guasti[chiave.first].push_back("the exception for " + S(chiave.second) + " excuses nothing");
    RigheSuperate(daCorreggere, guasti);
    EXPECT_TRUE(guasti.empty()) << Quanti(guasti) << " polities drawn outside their years" << kNuovi << PerFoto(guasti);
}

// The caption box of every label tied to a polity lies on the polity's fill:
// the polity shows under at least half of the box's land (coast and river
// lines aside); or, for a label on the sea (at least half of its box), the
// polity touches the box. Exceptions by picture and label, with a reason.
TEST(PolitieNelTempo, OgniEtichettaDiUnaPolitaStaSullaSuaPolita) {
    const Resoconto& r = IlResoconto();
    ASSERT_FALSE(r.etichette.empty()) << "the account measures no label";
    std::map<std::pair<QString, int>, bool> eccezioni;  // (picture, label) -> used
    for (const QStringList& c : Righe(QStringLiteral("tools/atlante/eccezioni-etichette.tsv"))) {
        EXPECT_TRUE(c.size() >= 4 && !c[3].trimmed().isEmpty())
            << "eccezioni-etichette.tsv: a row without its reason: " << S(c.join(QLatin1Char('\t')));
        if (c.size() >= 3 && c[2].trimmed() == QLatin1String("posto"))
            eccezioni[{c[0].trimmed(), c[1].toInt()}] = false;
    }
    auto daCorreggere = DaCorreggere(QStringLiteral("posto"));
    std::map<QString, std::vector<std::string>> guasti;
    std::map<std::tuple<QString, int, QString>, QStringList> perEtichetta;  // (picture, label, polity) -> languages
    std::map<std::tuple<QString, int, QString>, std::string> dettaglio;
    for (const Misura& m : r.etichette) {
        const int terra = m.n - m.mare - m.linee;
        const bool sopra = m.dentro && terra > 0 && 2 * m.k >= terra;
        const bool costa = m.dentro && 2 * m.mare >= m.n && m.tocca;
        if (sopra || costa) continue;
        const auto e = eccezioni.find({m.foto, m.indice});
        if (e != eccezioni.end()) {
            e->second = true;
            continue;
        }
        const auto d =
            daCorreggere.find({m.foto, QStringLiteral("posto"), m.chiave, QString::number(m.indice), m.lingua});
        if (d != daCorreggere.end()) {
            d->second = true;
            continue;
        }
        const auto chiave = std::make_tuple(m.foto, m.indice, m.chiave);
        perEtichetta[chiave].push_back(m.lingua);
        if (m.lingua == QLatin1String("inglese") || !dettaglio.count(chiave)) {
            std::ostringstream s;
            s << "\"" << S(m.didascalia) << "\"";
            if (!m.dentro)
                s << ": the box lies outside the picture";
            else
                s << ": " << m.k << " px of " << terra << " px of land under the box, sea " << m.mare << " px, "
                  << (m.tocca ? "touches it" : "does not touch it") << "; most under it: " << S(m.altra);
            dettaglio[chiave] = s.str();
        }
    }
    for (const auto& [chiave, lingue] : perEtichetta) {
        const auto& [foto, indice, polita] = chiave;
        std::ostringstream riga;
        riga << "label " << indice << " -> " << S(polita) << " " << dettaglio[chiave] << " ["
             << S(lingue.size() == 4 ? QStringLiteral("all languages") : lingue.join(QLatin1Char(' '))) << "]";
        guasti[foto].push_back(riga.str());
    }
    for (const auto& [chiave, usata] : eccezioni)
        if (!usata)
            guasti[chiave.first].push_back("the exception for label " + std::to_string(chiave.second) +
                                           " excuses nothing");
    RigheSuperate(daCorreggere, guasti);
    EXPECT_TRUE(guasti.empty()) << Quanti(guasti) << " labels not on their polity" << kNuovi << PerFoto(guasti);
}

// A caption that names a polity on one map names it wherever it appears: every
// label with that English caption is tied to a polity, unless the exceptions
// table says why this one names something else (a region, a city, a sea).
TEST(PolitieNelTempo, OgniDidascaliaCheNominaUnaPolitaELegataOvunque) {
    const Didascalie& d = LeDidascalie();
    const auto legami = Legami();
    std::map<QString, std::set<QString>> dove;  // caption -> pictures where it is tied
    for (const auto& [chiave, polita] : legami) {
        const auto f = d.perFoto.find(chiave.first);
        if (f == d.perFoto.end() || !f->second.count(chiave.second)) continue;
        dove[Normale(f->second.at(chiave.second))].insert(chiave.first);
    }
    ASSERT_FALSE(dove.empty()) << "etichette-politie.tsv ties no label";
    std::map<std::pair<QString, int>, bool> eccezioni;
    for (const QStringList& c : Righe(QStringLiteral("tools/atlante/eccezioni-etichette.tsv")))
        if (c.size() >= 3 && c[2].trimmed() == QLatin1String("legame"))
            eccezioni[{c[0].trimmed(), c[1].toInt()}] = false;
    std::map<QString, std::vector<std::string>> guasti;
    for (const QString& foto : d.foto) {
        for (const auto& [indice, didascalia] : d.perFoto.at(foto)) {
            const auto it = dove.find(Normale(didascalia));
            if (it == dove.end() || legami.count({foto, indice})) continue;
            const auto e = eccezioni.find({foto, indice});
            if (e != eccezioni.end()) {
                e->second = true;
                continue;
            }
            std::ostringstream riga;
            riga << "label " << indice << " \"" << S(didascalia) << "\" is tied to no polity, but tied on "
                 << it->second.size() << " other pictures (" << S(*it->second.begin())
                 << (it->second.size() > 1 ? ", ..." : "") << ")";
            guasti[foto].push_back(riga.str());
        }
    }
    for (const auto& [chiave, usata] : eccezioni)
        if (!usata)
            guasti[chiave.first].push_back("the exception for label " + std::to_string(chiave.second) +
                                           " excuses nothing");
    EXPECT_TRUE(guasti.empty()) << Quanti(guasti)
                                << " labels whose caption names a polity elsewhere:" << PerFoto(guasti);
}

}  // namespace

// The historical review of the pictures (tools/atlante/revisione.tsv) holds
// one row per map of the registry, naming that map's picture; a verdict is
// a reviewer's judgement of a screenshot, so it names who gave it, and that
// reviewer is never the one who last drew the picture (a redrawn picture
// loses its verdict until someone else has looked at it).
TEST(RevisioneDelleCarte, UnaRigaPerCartaEOgniVerdettoDaChiNonLHaDisegnata) {
    std::map<int, QString> foto;  // map -> picture, from the registry
    for (const SchedaCarta& s : CatalogoCarte)
        foto[s.numero] = QString::fromLatin1(s.fileCarta).section(QLatin1Char('\\'), -1);
    std::map<int, int> righe;
    static const QRegularExpression verdetto(
        QStringLiteral("^(giusta|lieve: .+|sbagliata: .+|giusta: .+) \\(\\d{4}-\\d{2}-\\d{2}\\)$"));
    for (const QStringList& c : Righe(QStringLiteral("tools/atlante/revisione.tsv"))) {
        ASSERT_EQ(c.size(), 8) << "revisione.tsv: a row without its eight columns: " << S(c.join(QLatin1Char('\t')));
        const int carta = c[0].toInt();
        ++righe[carta];
        const auto f = foto.find(carta);
        ASSERT_NE(f, foto.end()) << "revisione.tsv: map " << S(c[0]) << " is not in the registry";
        EXPECT_EQ(S(c[2]), S(f->second)) << "revisione.tsv: map " << carta << " names another picture";
        const QString disegnatore = c[5].trimmed(), revisore = c[6].trimmed(), giudizio = c[7].trimmed();
        EXPECT_FALSE(c[3].trimmed().isEmpty()) << "map " << carta << ": no claims checked";
        EXPECT_EQ(revisore.isEmpty(), giudizio.isEmpty())
            << "map " << carta << ": a verdict without its reviewer, or the reverse";
        if (giudizio.isEmpty()) continue;
        EXPECT_TRUE(verdetto.match(giudizio).hasMatch())
            << "map " << carta << ": verdict not giusta/lieve/sbagliata with its date: " << S(giudizio);
        EXPECT_NE(S(revisore), S(disegnatore)) << "map " << carta << ": judged by the one who drew it";
    }
    for (const auto& [carta, nome] : foto)
        EXPECT_EQ(righe[carta], 1) << "map " << carta << " (" << S(nome) << ") has " << righe[carta] << " review rows";
}
