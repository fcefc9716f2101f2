#include "toolkit/Percorsi.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>

namespace forma {

QString PercorsoLocale(const QString& percorso) {
    QString locale = percorso;
    locale.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (locale.isEmpty() || QFileInfo::exists(locale)) return locale;

    const bool assoluto = locale.startsWith(QLatin1Char('/'));
    const QStringList elementi = locale.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    QString corrente = assoluto ? QStringLiteral("/") : QStringLiteral(".");
    QString risultato = assoluto ? QStringLiteral("/") : QString();
    for (const QString& elemento : elementi) {
        QString trovato;
        if (elemento == QLatin1String(".") || elemento == QLatin1String("..")) {
            trovato = elemento;
        } else if (QFileInfo::exists(corrente + QLatin1Char('/') + elemento)) {
            trovato = elemento;
        } else {
            const QStringList voci =
                QDir(corrente).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
            for (const QString& voce : voci) {
                if (voce.compare(elemento, Qt::CaseInsensitive) == 0) {
                    trovato = voce;
                    break;
                }
            }
            if (trovato.isEmpty()) return locale;
        }
        corrente += QLatin1Char('/') + trovato;
        if (!risultato.isEmpty() && !risultato.endsWith(QLatin1Char('/'))) risultato += QLatin1Char('/');
        risultato += trovato;
    }
    return risultato;
}

}  // namespace forma
