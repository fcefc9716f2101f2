// End to end: the print window's Print through a real CUPS server onto a
// cups-pdf virtual printer set as the default printer (tools/cups-prova.sh
// prepares one). Where there is none the test says so and skips.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QPrinterInfo>
#include <QRegularExpression>
#include <QTest>
#include <pwd.h>
#include <unistd.h>

#include "tests/print/FinestraStampa.h"

namespace {

// Where cups-pdf writes: its "Out" setting, ${HOME}/PDF unless changed.
QString cartellaCupsPdf() {
    QString uscita = QStringLiteral("${HOME}/PDF");
    QFile conf(QStringLiteral("/etc/cups/cups-pdf.conf"));
    if (conf.open(QIODevice::ReadOnly | QIODevice::Text)) {
        const QRegularExpression riga(QStringLiteral("^\\s*Out\\s+(\\S.*?)\\s*$"));
        while (!conf.atEnd()) {
            const auto m = riga.match(QString::fromLocal8Bit(conf.readLine()));
            if (m.hasMatch()) uscita = m.captured(1);
        }
    }
    const passwd* utente = getpwuid(getuid());
    const QString casa = utente ? QString::fromLocal8Bit(utente->pw_dir) : QDir::homePath();
    const QString nome = utente ? QString::fromLocal8Bit(utente->pw_name) : QString();
    return uscita.replace(QStringLiteral("${HOME}"), casa).replace(QStringLiteral("${USER}"), nome);
}

class StampaCups : public prova::FinestraStampa {};

TEST_F(StampaCups, LaFinestraArrivaSullaStampantePdfPredefinita) {
    const QPrinterInfo predefinita = QPrinterInfo::defaultPrinter();
    if (predefinita.isNull())
        GTEST_SKIP() << "no default printer: cupsd is not running or has no default queue "
                        "(tools/cups-prova.sh sets up a cups-pdf one)";
    if (!predefinita.makeAndModel().contains(QStringLiteral("CUPS-PDF"), Qt::CaseInsensitive))
        GTEST_SKIP() << "the default printer " << predefinita.printerName().toStdString()
                     << " is not a cups-pdf virtual printer; not printing on it";
    const QDir uscita(cartellaCupsPdf());
    // The output folder is shared with every other print on this machine: the
    // job carries a name of its own, which cups-pdf names the file after, and
    // only that file is read and removed.
    const QString lavoro = QStringLiteral("CARTAVIVA-prova-%1-%2")
                               .arg(QCoreApplication::applicationPid())
                               .arg(QDateTime::currentMSecsSinceEpoch());
    forma::NomeLavoroDiStampa(lavoro);
    struct Ripristino {
        ~Ripristino() { forma::NomeLavoroDiStampa(QString()); }
    } ripristino;

    Tavolavel& t = mostra();
    Stampavel& s = riempi(t);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&s));
    premi(s, s.cmdstampa);
    ASSERT_TRUE(messaggi.empty()) << messaggi[0].prompt.toStdString();

    // The queue turns the job into a PDF in its own time.
    QString nuovo;
    QElapsedTimer attesa;
    attesa.start();
    while (nuovo.isEmpty() && attesa.elapsed() < 90000) {
        for (const QFileInfo& f : uscita.entryInfoList({QStringLiteral("*.pdf")}, QDir::Files)) {
            if (f.fileName().contains(lavoro, Qt::CaseInsensitive) && f.size() > 0) {
                nuovo = f.absoluteFilePath();
                break;
            }
        }
        if (nuovo.isEmpty()) QTest::qWait(250);
    }
    ASSERT_FALSE(nuovo.isEmpty()) << "no PDF named after " << lavoro.toStdString() << " in "
                                  << uscita.path().toStdString() << " after 90 s";
    // Let cups-pdf finish writing it.
    qint64 misura = -1;
    while (QFileInfo(nuovo).size() != misura && attesa.elapsed() < 120000) {
        misura = QFileInfo(nuovo).size();
        QTest::qWait(500);
    }
    QFile f(nuovo);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray dati = f.readAll();
    EXPECT_TRUE(dati.startsWith("%PDF"));
    EXPECT_TRUE(dati.contains("/Image")) << "the printed page holds no picture: " << nuovo.toStdString();
    f.close();
    QFile::remove(nuovo);
}

}  // namespace
