#include "listingtexts.h"

#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace listing {

void installTranslations(const QLocale &locale, const QString &program)
{
    static QTranslator own;
    static QTranslator listing;
    static QTranslator qt;
    const QString resources = QStringLiteral(":/i18n");
    if (!program.isEmpty() && own.load(locale, program, QStringLiteral("_"), resources))
        QCoreApplication::installTranslator(&own);
    if (listing.load(locale, QStringLiteral("listing"), QStringLiteral("_"), resources))
        QCoreApplication::installTranslator(&listing);
    if (qt.load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qt);
}

} // namespace listing
