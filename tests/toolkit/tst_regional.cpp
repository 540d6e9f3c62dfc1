// The regional settings read from a locale: the decimal separator, and the date and time
// separators found in the locale's short date and time formats.

#include "regional.h"

#include <QtTest>

class TestRegional : public QObject
{
    Q_OBJECT

private slots:
    void separatorsOfLocales_data();
    void separatorsOfLocales();
    void everyLocaleHasVisibleSeparators();
};

void TestRegional::separatorsOfLocales_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("decimal");
    QTest::addColumn<QString>("date");
    QTest::addColumn<QString>("time");
    // Short formats from Qt's locale data (CLDR): "dd/MM/yyyy" "HH:mm", "M/d/yy" "h:mm AP",
    // "dd.MM.yy" "HH:mm", "d.M.yyyy" "H.mm", "d<RLM>/M<RLM>/yyyy" "h:mm AP", "y/M/d" "H:mm".
    QTest::newRow("French") << "fr_FR" << "," << "/" << ":";
    QTest::newRow("English (United States)") << "en_US" << "." << "/" << ":";
    QTest::newRow("German") << "de_DE" << "," << "." << ":";
    QTest::newRow("Finnish, a point between hours and minutes") << "fi_FI" << "," << "." << ".";
    QTest::newRow("Arabic (Egypt), marks around the slashes")
        << "ar_EG" << QStringLiteral("\u066b") << "/" << ":";
    QTest::newRow("Persian") << "fa_IR" << QStringLiteral("\u066b") << "/" << ":";
}

void TestRegional::separatorsOfLocales()
{
    QFETCH(QString, locale);
    QFETCH(QString, decimal);
    QFETCH(QString, date);
    QFETCH(QString, time);
    const ephemeris::RegionalSettings settings = toolkit::regionalSettingsOf(QLocale(locale));
    QCOMPARE(QString::fromStdString(settings.decimalSeparator), decimal);
    QCOMPARE(QString::fromStdString(settings.dateSeparator), date);
    QCOMPARE(QString::fromStdString(settings.timeSeparator), time);
}

// A separator is what the user sees between the parts of a date or a time: one visible character
// that is neither a letter, a digit nor a blank, nor an invisible direction mark.
void TestRegional::everyLocaleHasVisibleSeparators()
{
    const auto locales =
        QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory);
    QVERIFY(locales.size() > 100);
    for (const QLocale &locale : locales) {
        const ephemeris::RegionalSettings settings = toolkit::regionalSettingsOf(locale);
        for (const std::string &separator : {settings.dateSeparator, settings.timeSeparator}) {
            const QString text = QString::fromStdString(separator);
            QVERIFY2(text.size() == 1 && text[0].isPrint() && !text[0].isLetterOrNumber()
                         && !text[0].isSpace(),
                     qPrintable(QStringLiteral("%1: date %2, time %3 -> \"%4\" (U+%5)")
                                    .arg(locale.name(), locale.dateFormat(QLocale::ShortFormat),
                                         locale.timeFormat(QLocale::ShortFormat), text)
                                    .arg(text.isEmpty() ? 0 : text[0].unicode(), 4, 16,
                                         QLatin1Char('0'))));
        }
    }
}

QTEST_APPLESS_MAIN(TestRegional)
#include "tst_regional.moc"
