// The map pictures as the reader sees them under their labels: every map
// picture is its own image, the labels stay legible on it in every language,
// and the legend maps draw the zones their legend names in the legend's
// colours. The labels are taken from the main window itself, drawn map by
// map in each language as Next draws them, and measured in the face the
// screen shows them in.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFontMetrics>
#include <QImage>
#include <QRect>
#include <QString>
#include <QTextStream>
#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "app/ModtavolaVel.h"
#include "main_window/CatalogoCarte.h"
#include "main_window/Tavolavel.h"
#include "toolkit/Colori.h"
#include "toolkit/MMControl.h"
#include "toolkit/Processo.h"
#include "toolkit/Registro.h"

#ifndef CARTAVIVA_DATI
#define CARTAVIVA_DATI "."
#endif

namespace {

// Where the map picture stands in the main window (twips), and the height of
// a caption box in pixels.
constexpr double kImgLeft = 3720, kImgTop = 240, kTwip = 15;
constexpr int kAltezzaDidascalia = 11;
constexpr double kSoglia = 3.0;
constexpr double kQuota = 0.95;

struct Etichetta {
    std::string lingua;
    int carta;
    int indice;
    QString didascalia;
    double left, top;
    int larghezza;  // pixels, in the label's own font
    forma::Colore colore;
};

struct Dati {
    std::map<QString, std::vector<Etichetta>> perFoto;  // picture file name -> labels over it
    std::vector<QString> foto;                          // map pictures, catalogue order, once each
};

QString NomeFoto(const QString& origine) { return origine.section(QLatin1Char('\\'), -1); }

QString Percorso(const QString& relativo) { return QString::fromUtf8(CARTAVIVA_DATI) + QLatin1Char('/') + relativo; }

// Draws every map in every language, as the flags and Next do, in the data
// folder, and keeps each visible label with a caption.
const Dati& TuttiIDati() {
    static Dati dati = [] {
        Dati d;
        const QString prima = QDir::currentPath();
        QDir::setCurrent(QString::fromUtf8(CARTAVIVA_DATI));
        forma::MMControl::setAudioDisabled(true);
        forma::SostituisciEnd([] {});
        Tavolavel& t = forma::Finestra<Tavolavel>();
        std::set<QString> viste;
        for (forma::Label* bandiera : {&t.LabITA, &t.LabFRA, &t.LabSPA, &t.LabING}) {
            bandiera->Click();
            for (const SchedaCarta& s : CatalogoCarte) {
                ModtavolaVel::numcarta = s.numero;
                t.disegnaCarta();
                const QString foto = NomeFoto(t.Image1.Picture()->origine);
                if (viste.insert(foto).second) d.foto.push_back(foto);
                for (int i = 0; i < 36; ++i) {
                    const forma::Label& l = *t.Label1[static_cast<std::size_t>(i)];
                    if (!l.Visible() || l.Caption().trimmed().isEmpty()) continue;
                    d.perFoto[foto].push_back({ModtavolaVel::lingua, s.numero, i, l.Caption(),
                                               static_cast<double>(l.Left()), static_cast<double>(l.Top()),
                                               QFontMetrics(l.font()).horizontalAdvance(l.Caption()), l.ForeColor()});
                }
            }
        }
        forma::DistruggiTutte();
        forma::SostituisciEnd(nullptr);
        QDir::setCurrent(prima);
        return d;
    }();
    return dati;
}

double Lineare(int v) {
    const double c = v / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double Luminanza(QRgb c) {
    return 0.2126 * Lineare(qRed(c)) + 0.7152 * Lineare(qGreen(c)) + 0.0722 * Lineare(qBlue(c));
}

double Contrasto(double a, double b) { return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05); }

int Arrotonda(double v) { return static_cast<int>(std::floor(v + 0.5)); }

// Contrast of a label with the mean luminance of the picture under its caption
// box; negative when the box lies wholly outside the picture.
double ContrastoEtichetta(const QImage& im, const Etichetta& e) {
    const int x0 = std::max(0, Arrotonda((e.left - kImgLeft) / kTwip));
    const int y0 = std::max(0, Arrotonda((e.top - kImgTop) / kTwip));
    const int x1 = std::min(im.width(), Arrotonda((e.left - kImgLeft) / kTwip) + std::max(1, e.larghezza));
    const int y1 = std::min(im.height(), Arrotonda((e.top - kImgTop) / kTwip) + kAltezzaDidascalia);
    if (x0 >= x1 || y0 >= y1) return -1;
    double somma = 0;
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x) somma += Luminanza(im.pixel(x, y));
    const double fondo = somma / ((x1 - x0) * (y1 - y0));
    return Contrasto(Luminanza(forma::qcolore(e.colore).rgb()), fondo);
}

// The rows of the legend table: the picture, the legend label's index and the
// zone's own fill where the table gives one.
struct RigaLeggenda {
    QString foto;
    int indice;
    QString proprio;
};

std::vector<RigaLeggenda> RigheLeggende() {
    std::vector<RigaLeggenda> righe;
    QFile tavola(Percorso(QStringLiteral("tools/atlante/leggende.tsv")));
    EXPECT_TRUE(tavola.open(QIODevice::ReadOnly | QIODevice::Text)) << "tools/atlante/leggende.tsv cannot be read";
    QTextStream in(&tavola);
    while (!in.atEnd()) {
        const QString riga = in.readLine();
        if (riga.trimmed().isEmpty() || riga.startsWith(QLatin1Char('#'))) continue;
        const QStringList campi = riga.split(QLatin1Char('\t'));
        EXPECT_GE(campi.size(), 3) << riga.toStdString();
        if (campi.size() < 3) continue;
        righe.push_back({campi[0], campi[1].toInt(), campi.size() > 4 ? campi[4].trimmed() : QString()});
    }
    return righe;
}

// The label a legend row keys, as the main window shows it, or null.
const Etichetta* EtichettaDellaZona(const Dati& d, const RigaLeggenda& r) {
    const std::vector<Etichetta>& etichette = d.perFoto.at(r.foto);
    const auto e = std::find_if(etichette.begin(), etichette.end(),
                                [&r](const Etichetta& x) { return x.indice == r.indice; });
    return e == etichette.end() ? nullptr : &*e;
}

// A zone's key colour: its label's colour, or the fill the table gives where labels share a colour.
QColor ColoreDellaZona(const RigaLeggenda& r, const Etichetta& e) {
    return r.proprio.isEmpty() ? forma::qcolore(e.colore) : QColor(r.proprio);
}

QImage Carica(const QString& foto) {
    return QImage(Percorso(QStringLiteral("atlante/") + foto)).convertToFormat(QImage::Format_RGB32);
}

TEST(CarteTerritori, OgniImmagineDiCartaEUnaSola) {
    const Dati& d = TuttiIDati();
    // the 168 maps show 164 pictures (396ac, 479ac and 492ac serve more than one map)
    ASSERT_EQ(d.foto.size(), 164u);
    std::map<QByteArray, std::vector<QString>> perImpronta;
    for (const QString& foto : d.foto) {
        const QImage im = Carica(foto);
        ASSERT_FALSE(im.isNull()) << foto.toStdString();
        QByteArray pixel;
        for (int y = 0; y < im.height(); ++y)
            pixel.append(reinterpret_cast<const char*>(im.constScanLine(y)), im.width() * 4);
        perImpronta[QCryptographicHash::hash(pixel, QCryptographicHash::Sha256)].push_back(foto);
    }
    std::ostringstream uguali;
    for (const auto& [impronta, nomi] : perImpronta) {
        if (nomi.size() < 2) continue;
        for (const QString& n : nomi) uguali << n.toStdString() << ' ';
        uguali << "| ";
    }
    EXPECT_EQ(perImpronta.size(), d.foto.size()) << "the same image: " << uguali.str();
}

TEST(CarteTerritori, LeEtichetteSiLeggonoInOgniLingua) {
    const Dati& d = TuttiIDati();
    struct Misura {
        double contrasto;
        std::string descrizione;
    };
    std::map<std::string, std::vector<Misura>> perLingua;
    for (const auto& [foto, etichette] : d.perFoto) {
        const QImage im = Carica(foto);
        ASSERT_FALSE(im.isNull()) << foto.toStdString();
        for (const Etichetta& e : etichette) {
            const double c = ContrastoEtichetta(im, e);
            if (c < 0) continue;
            std::ostringstream s;
            s << foto.toStdString() << " map " << e.carta << " label " << e.indice << " \""
              << e.didascalia.trimmed().toStdString() << "\" " << std::round(c * 100) / 100;
            perLingua[e.lingua].push_back({c, s.str()});
        }
    }
    ASSERT_EQ(perLingua.size(), 4u);
    for (auto& [lingua, misure] : perLingua) {
        std::sort(misure.begin(), misure.end(), [](const Misura& a, const Misura& b) { return a.contrasto < b.contrasto; });
        const auto buone = std::count_if(misure.begin(), misure.end(), [](const Misura& m) { return m.contrasto >= kSoglia; });
        std::ostringstream bassi;
        for (std::size_t i = 0; i < std::min<std::size_t>(12, misure.size()); ++i) bassi << "\n  " << misure[i].descrizione;
        EXPECT_GE(static_cast<double>(buone), kQuota * static_cast<double>(misure.size()))
            << lingua << ": " << buone << " of " << misure.size() << " labels at 3:1 or more; the lowest:" << bassi.str();
    }
}

// A legend colour fills its zone as it is, or softened towards white when it
// is too dark to leave borders, rivers and coasts visible; a fill the table
// gives is used as it is.
bool ColoreDiZona(QRgb px, QColor c) {
    auto vicino = [px](int r, int g, int b) {
        return std::abs(qRed(px) - r) <= 6 && std::abs(qGreen(px) - g) <= 6 && std::abs(qBlue(px) - b) <= 6;
    };
    auto ammorbidito = [](int v) { return Arrotonda(v * 0.6 + 255 * 0.4); };
    return vicino(c.red(), c.green(), c.blue()) ||
           vicino(ammorbidito(c.red()), ammorbidito(c.green()), ammorbidito(c.blue()));
}

TEST(CarteTerritori, LeCarteConLegendaDisegnanoLeZoneNeiColoriDellaLegenda) {
    const Dati& d = TuttiIDati();
    std::map<QString, std::map<int, QString>> righe;  // picture -> label -> own fill, if any
    for (const RigaLeggenda& r : RigheLeggende()) righe[r.foto][r.indice] = r.proprio;
    for (const char* foto : {"5000bac.gif", "3000ac.gif", "1250ac.gif", "770ac.gif"})
        EXPECT_TRUE(righe.count(QString::fromLatin1(foto))) << foto << " has no zones in leggende.tsv";
    for (const auto& [foto, etichette] : righe) {
        const QImage im = Carica(foto);
        ASSERT_FALSE(im.isNull()) << foto.toStdString();
        const auto it = d.perFoto.find(foto);
        ASSERT_NE(it, d.perFoto.end()) << foto.toStdString() << " is no map picture with labels";
        for (const auto& [indice, proprio] : etichette) {
            const auto e = std::find_if(it->second.begin(), it->second.end(),
                                        [indice](const Etichetta& x) { return x.indice == indice; });
            ASSERT_NE(e, it->second.end()) << foto.toStdString() << ": no label " << indice;
            // where legend labels share a colour, the table gives each zone its own fill
            const QColor c = proprio.isEmpty() ? forma::qcolore(e->colore) : QColor(proprio);
            int quanti = 0;
            for (int y = 0; y < im.height(); ++y)
                for (int x = 0; x < im.width(); ++x) quanti += ColoreDiZona(im.pixel(x, y), c);
            EXPECT_GE(quanti, 40) << foto.toStdString() << ": the zone of label " << indice << " \""
                                  << e->didascalia.toStdString() << "\" (" << c.name().toStdString()
                                  << ") is not drawn";
        }
    }
}

// Perceived difference of two colours (CIE 1976: the distance in L*a*b*, D65).
double Differenza(QColor a, QColor b) {
    auto lab = [](QColor c) {
        const double r = Lineare(c.red()), g = Lineare(c.green()), bl = Lineare(c.blue());
        const double xyz[3] = {(0.4124 * r + 0.3576 * g + 0.1805 * bl) / 0.95047,
                               0.2126 * r + 0.7152 * g + 0.0722 * bl,
                               (0.0193 * r + 0.1192 * g + 0.9505 * bl) / 1.08883};
        double f[3];
        for (int i = 0; i < 3; ++i)
            f[i] = xyz[i] > 0.008856 ? std::cbrt(xyz[i]) : 7.787 * xyz[i] + 16.0 / 116.0;
        return std::array<double, 3>{116 * f[1] - 16, 500 * (f[0] - f[1]), 200 * (f[1] - f[2])};
    };
    const auto p = lab(a), q = lab(b);
    return std::hypot(p[0] - q[0], p[1] - q[1], p[2] - q[2]);
}

// A legend explains its picture only if the reader can tell each zone from
// the plain land around it and from the other zones of the same legend: a
// hunters' zone in a tan next to the land's tan, or two farming greens a
// shade apart, read as one. The key colour of a zone is its label's colour,
// or the fill the table gives where labels share a colour.
TEST(CarteTerritori, LeZoneDiOgniLegendaSiDistinguonoDallaTerraETraLoro) {
    const QColor terra(206, 192, 146);  // the land that no polity or zone claims
    constexpr double kMinima = 12.0;
    const Dati& d = TuttiIDati();
    std::map<QString, std::vector<std::pair<std::string, QColor>>> zone;  // picture -> (label, key colour)
    for (const RigaLeggenda& r : RigheLeggende()) {
        const Etichetta* e = EtichettaDellaZona(d, r);
        ASSERT_NE(e, nullptr) << r.foto.toStdString() << ": no label " << r.indice;
        zone[r.foto].push_back({e->didascalia.toStdString(), ColoreDellaZona(r, *e)});
    }
    EXPECT_EQ(zone.size(), 4u) << "the four legend maps";
    for (const auto& [foto, voci] : zone)
        for (std::size_t i = 0; i < voci.size(); ++i) {
            const auto& [nome, colore] = voci[i];
            EXPECT_GE(Differenza(colore, terra), kMinima)
                << foto.toStdString() << ": the zone of \"" << nome << "\" (" << colore.name().toStdString()
                << ") reads as plain land";
            for (std::size_t j = i + 1; j < voci.size(); ++j)
                EXPECT_GE(Differenza(colore, voci[j].second), kMinima)
                    << foto.toStdString() << ": the zones of \"" << nome << "\" (" << colore.name().toStdString()
                    << ") and \"" << voci[j].first << "\" (" << voci[j].second.name().toStdString()
                    << ") read as one";
        }
}

// The colour key of a legend map: left of each legend label's caption box a
// square in its zone's fill with a dark border (8 x 8 px, 2 px from the box,
// its top 1 px below the box's), covering no caption box in any language.
TEST(CarteTerritori, LeCarteConLegendaHannoIlQuadratinoDelColoreAccantoAOgniVoce) {
    const Dati& d = TuttiIDati();
    int voci = 0;
    for (const RigaLeggenda& r : RigheLeggende()) {
        const QString& foto = r.foto;
        const int indice = r.indice;
        const QString& proprio = r.proprio;
        const QImage im = Carica(foto);
        ASSERT_FALSE(im.isNull()) << foto.toStdString();
        const std::vector<Etichetta>& etichette = d.perFoto.at(foto);
        const auto e = std::find_if(etichette.begin(), etichette.end(),
                                    [indice](const Etichetta& x) { return x.indice == indice; });
        ASSERT_NE(e, etichette.end()) << foto.toStdString() << ": no label " << indice;
        const QColor c = proprio.isEmpty() ? forma::qcolore(e->colore) : QColor(proprio);
        const int x1 = Arrotonda((e->left - kImgLeft) / kTwip) - 2, x0 = x1 - 8;
        const int y0 = Arrotonda((e->top - kImgTop) / kTwip) + 1, y1 = y0 + 8;
        const std::string dove = foto.toStdString() + " label " + std::to_string(indice) + " \"" +
                                 e->didascalia.toStdString() + "\"";
        ASSERT_TRUE(x0 >= 0 && y0 >= 0 && y1 <= im.height()) << dove;
        int pieni = 0, scuri = 0;
        for (int y = y0; y < y1; ++y)
            for (int x = x0; x < x1; ++x) {
                const bool bordo = x == x0 || x == x1 - 1 || y == y0 || y == y1 - 1;
                if (bordo)
                    scuri += Luminanza(im.pixel(x, y)) < 0.05;
                else
                    pieni += ColoreDiZona(im.pixel(x, y), c);
            }
        EXPECT_EQ(pieni, 36) << dove << ": the square is not in the zone's fill " << c.name().toStdString();
        EXPECT_EQ(scuri, 28) << dove << ": the square has no dark border";
        for (const Etichetta& altra : etichette) {
            const int ax0 = Arrotonda((altra.left - kImgLeft) / kTwip), ay0 = Arrotonda((altra.top - kImgTop) / kTwip);
            const int ax1 = ax0 + std::max(1, altra.larghezza), ay1 = ay0 + kAltezzaDidascalia;
            EXPECT_FALSE(x0 < ax1 && ax0 < x1 && y0 < ay1 && ay0 < y1)
                << dove << ": its square covers label " << altra.indice << " \"" << altra.didascalia.toStdString()
                << "\" (" << altra.lingua << ")";
        }
        ++voci;
    }
    EXPECT_GE(voci, 15) << "the four legend maps have 15 legend labels";
}

// A halo that serves a label is a deeper or paler tone of the fill under it,
// never a near-black box: a picture has at most a few pixels darker than 70
// in all three channels. The legend's colour squares, whose dark border is
// the key's own mark, are not counted.
TEST(CarteTerritori, NessunaCartaHaRiquadriScuri) {
    constexpr int kScuro = 70;
    constexpr int kAmmessi = 50;
    const Dati& d = TuttiIDati();
    std::map<QString, std::vector<QRect>> quadratini;  // picture -> colour squares of its legend
    for (const RigaLeggenda& r : RigheLeggende())
        for (const Etichetta& e : d.perFoto.at(r.foto))
            if (e.indice == r.indice)
                quadratini[r.foto].push_back(QRect(Arrotonda((e.left - kImgLeft) / kTwip) - 10,
                                                   Arrotonda((e.top - kImgTop) / kTwip) + 1, 8, 8));
    for (const QString& foto : d.foto) {
        const QImage im = Carica(foto);
        ASSERT_FALSE(im.isNull()) << foto.toStdString();
        const std::vector<QRect>& esclusi = quadratini[foto];
        int scuri = 0;
        QRect dove;
        for (int y = 0; y < im.height(); ++y)
            for (int x = 0; x < im.width(); ++x) {
                const QRgb p = im.pixel(x, y);
                if (qRed(p) >= kScuro || qGreen(p) >= kScuro || qBlue(p) >= kScuro) continue;
                if (std::any_of(esclusi.begin(), esclusi.end(), [x, y](const QRect& q) { return q.contains(x, y); }))
                    continue;
                ++scuri;
                dove |= QRect(x, y, 1, 1);
            }
        EXPECT_LE(scuri, kAmmessi) << foto.toStdString() << ": " << scuri << " near-black pixels, within x "
                                   << dove.left() << "-" << dove.right() << ", y " << dove.top() << "-"
                                   << dove.bottom();
    }
}

// A caption that starts over the picture ends over it too, in every language:
// black or coloured text past the picture's edge would stand on the window's
// navy. The picture grows to hold it, up to 560 pixels, and keeps its height.
TEST(CarteTerritori, LeDidascalieFinisconoSullImmagine) {
    constexpr int kLarghezzaProgettata = 521, kLarghezzaMassima = 560, kAltezza = 337;
    const Dati& d = TuttiIDati();
    int allargate = 0;
    for (const QString& foto : d.foto) {
        const QImage im = Carica(foto);
        ASSERT_FALSE(im.isNull()) << foto.toStdString();
        EXPECT_EQ(im.height(), kAltezza) << foto.toStdString();
        EXPECT_GE(im.width(), kLarghezzaProgettata) << foto.toStdString();
        EXPECT_LE(im.width(), kLarghezzaMassima) << foto.toStdString();
        allargate += im.width() > kLarghezzaProgettata;
        const auto it = d.perFoto.find(foto);
        if (it == d.perFoto.end()) continue;
        for (const Etichetta& e : it->second) {
            const int x0 = Arrotonda((e.left - kImgLeft) / kTwip);
            if (x0 >= kLarghezzaProgettata) continue;  // a label placed beside the picture on purpose
            EXPECT_LE(x0 + e.larghezza, im.width())
                << foto.toStdString() << " map " << e.carta << " label " << e.indice << " \""
                << e.didascalia.toStdString() << "\" (" << e.lingua << ") ends at " << x0 + e.larghezza
                << " px, past the picture's " << im.width();
        }
    }
    EXPECT_GT(allargate, 0) << "no picture grew for its captions";
}

// Land must not read as water: every polity's fill, and its quieter tone on
// maps where no label names it, stands at least 15 CIE76 units from the sea
// colour; so does every legend zone's key colour.
TEST(CarteTerritori, NessunaTerraSiLeggeComeMare) {
    const QColor mare(158, 192, 214), terra(206, 192, 146);
    constexpr double kMinima = 15.0;
    constexpr double kQuiete = 0.6;  // the quieter tone: this far towards the land colour
    QFile tavola(Percorso(QStringLiteral("tools/atlante/politie.tsv")));
    ASSERT_TRUE(tavola.open(QIODevice::ReadOnly | QIODevice::Text));
    QTextStream in(&tavola);
    int politie = 0;
    while (!in.atEnd()) {
        const QString riga = in.readLine();
        if (riga.trimmed().isEmpty() || riga.startsWith(QLatin1Char('#'))) continue;
        const QStringList campi = riga.split(QLatin1Char('\t'));
        ASSERT_GE(campi.size(), 2) << riga.toStdString();
        const QColor c(campi[1].trimmed());
        ASSERT_TRUE(c.isValid()) << riga.toStdString();
        const QColor quieta(Arrotonda(c.red() * (1 - kQuiete) + terra.red() * kQuiete),
                            Arrotonda(c.green() * (1 - kQuiete) + terra.green() * kQuiete),
                            Arrotonda(c.blue() * (1 - kQuiete) + terra.blue() * kQuiete));
        EXPECT_GE(Differenza(c, mare), kMinima) << campi[0].toStdString() << " " << c.name().toStdString()
                                                << " reads as sea";
        EXPECT_GE(Differenza(quieta, mare), kMinima) << campi[0].toStdString() << " (quiet) "
                                                     << quieta.name().toStdString() << " reads as sea";
        ++politie;
    }
    EXPECT_GT(politie, 200);
    const Dati& d = TuttiIDati();
    for (const RigaLeggenda& r : RigheLeggende()) {
        const Etichetta* e = EtichettaDellaZona(d, r);
        ASSERT_NE(e, nullptr) << r.foto.toStdString() << ": no label " << r.indice;
        const QColor c = ColoreDellaZona(r, *e);
        EXPECT_GE(Differenza(c, mare), kMinima) << r.foto.toStdString() << ": the zone of \""
                                                << e->didascalia.toStdString() << "\" (" << c.name().toStdString()
                                                << ") reads as sea";
    }
}

// The 1967 picture has two panels of the same frame: on the left the
// territories occupied in the Six-Day War, the Sinai among them; on the
// right those still occupied once the Sinai was given back (1974-1982).
TEST(CarteTerritori, LaCartaDel1967MostraIlSinaiOccupatoSoloNelPannelloDiSinistra) {
    QFile tavola(Percorso(QStringLiteral("tools/atlante/politie.tsv")));
    ASSERT_TRUE(tavola.open(QIODevice::ReadOnly | QIODevice::Text));
    QColor occupati;
    QTextStream in(&tavola);
    while (!in.atEnd()) {
        const QStringList campi = in.readLine().split(QLatin1Char('\t'));
        if (campi.size() >= 2 && campi[0] == QLatin1String("occupati_1967")) occupati = QColor(campi[1].trimmed());
    }
    ASSERT_TRUE(occupati.isValid()) << "politie.tsv has no polity occupati_1967";
    const QImage im = Carica(QStringLiteral("israele4.gif"));
    ASSERT_FALSE(im.isNull());
    constexpr int kPasso = 296;  // the right panel starts here
    int sinistra = 0, destra = 0;
    for (int y = 0; y < im.height(); ++y)
        for (int x = 0; x < im.width(); ++x) {
            if (!ColoreDiZona(im.pixel(x, y), occupati) || (x >= kPasso - 2 && x < kPasso)) continue;
            (x < kPasso ? sinistra : destra) += 1;
        }
    // Gaza, the West Bank and the Golan in both panels, the Sinai (far larger) only on the left
    EXPECT_GT(destra, 100) << "the right panel shows no territory still occupied";
    EXPECT_GT(sinistra, 3 * destra) << "the left panel does not show the occupied Sinai (left " << sinistra
                                    << " px, right " << destra << " px of the occupied territories' colour)";
}

}  // namespace
