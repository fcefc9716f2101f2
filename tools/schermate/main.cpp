// schermate: the main window's frame, as the screen holds it, for every map
// in every language, reached the way a reader reaches them (start-up, a
// flag, then Next to the last map), saved as PNG files; or two such folders
// compared pixel for pixel. A change that should not change what the reader
// sees is checked by taking the frames before and after it.
//
//   schermate FOLDER            (in a working folder, QT_QPA_PLATFORM=offscreen)
//   schermate --confronta BEFORE AFTER
//
// The frames are the window's backing store on a 1024x768 screen, not a
// fresh rendering of its widgets: a part of the screen that a change forgot
// to repaint shows as it was left.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <QTemporaryFile>
#include <QTest>
#include <cstdio>

#include "app/ModtavolaVel.h"
#include "main_window/CatalogoCarte.h"
#include "main_window/Tavolavel.h"
#include "toolkit/Caratteri.h"
#include "toolkit/MMControl.h"
#include "toolkit/Registro.h"

namespace {

void calma() {
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
    }
}

QImage fotogramma(Tavolavel& t) {
    calma();
    return t.screen()->grabWindow(t.winId()).toImage().convertToFormat(QImage::Format_RGB32);
}

void clic(QWidget& w) { QTest::mouseClick(&w, Qt::LeftButton, {}, w.rect().center()); }

int confronta(const QString& prima, const QString& dopo) {
    const QStringList nomi = QDir(prima).entryList({QStringLiteral("*.png")}, QDir::Files, QDir::Name);
    int diversi = 0;
    for (const QString& nome : nomi) {
        const QImage a = QImage(prima + QLatin1Char('/') + nome).convertToFormat(QImage::Format_RGB32);
        const QImage b = QImage(dopo + QLatin1Char('/') + nome).convertToFormat(QImage::Format_RGB32);
        if (b.isNull() || a.size() != b.size()) {
            std::printf("%s: missing or of another size\n", qPrintable(nome));
            ++diversi;
            continue;
        }
        long long pixel = 0;
        QRect dove;
        for (int y = 0; y < a.height(); ++y) {
            const auto* ra = reinterpret_cast<const QRgb*>(a.constScanLine(y));
            const auto* rb = reinterpret_cast<const QRgb*>(b.constScanLine(y));
            for (int x = 0; x < a.width(); ++x)
                if (ra[x] != rb[x]) {
                    ++pixel;
                    dove |= QRect(x, y, 1, 1);
                }
        }
        if (pixel) {
            std::printf("%s: %lld pixels differ, within %d,%d %dx%d\n", qPrintable(nome), pixel, dove.x(), dove.y(),
                        dove.width(), dove.height());
            ++diversi;
        }
    }
    std::printf("%lld frames compared, %d differ\n", static_cast<long long>(nomi.size()), diversi);
    return diversi == 0 && !nomi.isEmpty() ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 4 && QByteArray(argv[1]) == "--confronta") {
        QGuiApplication app(argc, argv);
        return confronta(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]));
    }
    if (argc != 2) {
        std::fprintf(stderr, "usage: schermate FOLDER | schermate --confronta BEFORE AFTER\n");
        return 2;
    }
    QTemporaryFile configurazione;
    const QByteArray piattaforma = qgetenv("QT_QPA_PLATFORM");
    if ((piattaforma.isEmpty() || piattaforma == "offscreen") && configurazione.open()) {
        configurazione.write(R"({"screens": [{"name": "s", "x": 0, "y": 0, "width": 1024, "height": 768,)"
                             R"( "logicalDpiX": 96, "logicalDpiY": 96, "dpr": 1}]})");
        configurazione.flush();
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + QFile::encodeName(configurazione.fileName()));
    }
    // Started as the program starts: the fonts' configuration read on a
    // thread of its own, the first pictures read meanwhile.
    std::thread caratteri = forma::LeggiConfigurazioneCaratteri();
    QApplication app(argc, argv);
    Tavolavel::PreparaFigureIniziali();
    caratteri.join();
    forma::MMControl::setAudioDisabled(true);
    const QString cartella = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(cartella);
    const char* lingue[] = {"inglese", "italiano", "francese", "spagnolo"};
    for (const char* lingua : lingue) {
        Tavolavel& t = forma::Finestra<Tavolavel>();
        t.Show();
        if (!QTest::qWaitForWindowExposed(&t)) return 1;
        auto salva = [&](int carta) {
            const QString nome = QStringLiteral("%1/%2_%3.png").arg(cartella, QLatin1String(lingua)).arg(carta, 3, 10, QLatin1Char('0'));
            if (!fotogramma(t).save(nome)) std::fprintf(stderr, "cannot write %s\n", qPrintable(nome));
        };
        if (QByteArray(lingua) == "inglese") salva(0);  // start-up, before any flag
        forma::Label* bandiera = QByteArray(lingua) == "italiano"   ? &t.LabITA
                                 : QByteArray(lingua) == "francese" ? &t.LabFRA
                                 : QByteArray(lingua) == "spagnolo" ? &t.LabSPA
                                                                    : &t.LabING;
        clic(*bandiera);
        salva(1);
        while (ModtavolaVel::numcarta < NumeroCarte) {
            clic(t.Labsuccessiva);
            salva(ModtavolaVel::numcarta);
        }
        // and back a few, where the inset and the labels are left by a later map
        for (int i = 0; i < 20; ++i) {
            clic(t.Labprecedente);
            salva(1000 + ModtavolaVel::numcarta);
        }
        forma::DistruggiTutte();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    return 0;
}
