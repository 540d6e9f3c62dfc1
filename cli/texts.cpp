#include "texts.h"

#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace cli {

void installTranslations(const QLocale &locale)
{
    static QTranslator own;
    static QTranslator qt;
    if (own.load(locale, QStringLiteral("algol-minima"), QStringLiteral("_"), QStringLiteral(":/i18n")))
        QCoreApplication::installTranslator(&own);
    if (qt.load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qt);
}

} // namespace cli
