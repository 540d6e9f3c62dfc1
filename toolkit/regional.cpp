#include "regional.h"

namespace toolkit {

namespace {

// The first character of a format that is neither a pattern letter nor a quote: its separator.
// Invisible format characters are passed over: Arabic short dates read "d<RLM>/M<RLM>/yyyy",
// whose separator is the slash, not the right-to-left mark before it.
QString separatorIn(const QString &format, const QString &fallback)
{
    for (const QChar c : format) {
        if (!c.isLetter() && c != QLatin1Char('\'') && !c.isSpace()
            && c.category() != QChar::Other_Format)
            return QString(c);
    }
    return fallback;
}

} // namespace

ephemeris::RegionalSettings regionalSettingsOf(const QLocale &locale)
{
    ephemeris::RegionalSettings settings;
    settings.decimalSeparator = locale.decimalPoint().toStdString();
    settings.dateSeparator =
        separatorIn(locale.dateFormat(QLocale::ShortFormat), QStringLiteral("/")).toStdString();
    settings.timeSeparator =
        separatorIn(locale.timeFormat(QLocale::ShortFormat), QStringLiteral(":")).toStdString();
    return settings;
}

const ephemeris::RegionalSettings &regionalSettings()
{
    static const ephemeris::RegionalSettings settings = regionalSettingsOf(QLocale::system());
    return settings;
}

} // namespace toolkit
