// The conversions between field texts and numbers or dates: the leading-number rule, the regional
// number format, date texts, the instant format, the phase pattern and the plain decimal.
// Regional conversions run under French and English settings alike: in the tables "#" stands for
// the regional decimal separator and "~" for the decimal separator of the other settings.

#include "textconversions.h"

#include <QTest>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>

using ephemeris::RegionalSettings;

namespace {

const QByteArray kEmoji = "\xF0\x9F\x98\x80"; // U+1F600 in UTF-8

const char *const kRegionals[] = {"French", "English"};

RegionalSettings settingsNamed(const QByteArray &name)
{
    return name == "French" ? RegionalSettings::french() : RegionalSettings::english();
}

std::string localized(QByteArray text, const QByteArray &regional)
{
    const RegionalSettings settings = settingsNamed(regional);
    const RegionalSettings other =
        settingsNamed(regional == "French" ? QByteArray("English") : QByteArray("French"));
    text.replace('#', settings.decimalSeparator.c_str());
    text.replace('~', other.decimalSeparator.c_str());
    return text.toStdString();
}

// Equal bits: tells 0 from -0, which == does not.
bool sameBits(double a, double b)
{
    return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b);
}

QByteArray shown(std::optional<double> value)
{
    return value ? QByteArray::number(*value, 'g', 17) : QByteArray("(empty)");
}

QByteArray repeated(const char *piece, int count)
{
    return QByteArray(piece).repeated(count);
}

} // namespace

class TestTextConversions : public QObject
{
    Q_OBJECT

private slots:
    void leadingNumber_data();
    void leadingNumber();
    void parseRegionalNumber_data();
    void parseRegionalNumber();
    void formatRegionalNumber_data();
    void formatRegionalNumber();
    void regionalNumberReadsBack_data();
    void regionalNumberReadsBack();
    void parseDateText_data();
    void parseDateText();
    void formatInstant_data();
    void formatInstant();
    void formatDate_data();
    void formatDate();
    void formatPhase_data();
    void formatPhase();
    void formatPlainDecimal_data();
    void formatPlainDecimal();
};

void TestTextConversions::leadingNumber_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<double>("value");

    // Values written by hand from the rule: what is read before the first character that cannot
    // continue the number.
    QTest::newRow("empty") << QByteArray("") << true << 0.0;
    QTest::newRow("decimal point") << QByteArray("7.5") << true << 7.5;
    QTest::newRow("comma stops") << QByteArray("7,5") << true << 7.0;
    QTest::newRow("letters stop") << QByteArray("12abc") << true << 12.0;
    QTest::newRow("negative") << QByteArray("-1") << true << -1.0;
    QTest::newRow("plus sign") << QByteArray("+2") << true << 2.0;
    QTest::newRow("blank after the sign") << QByteArray("- 4") << true << -4.0;
    QTest::newRow("blank between digits") << QByteArray("1 2") << true << 12.0;
    QTest::newRow("tabs and line feeds") << QByteArray("\t7\r\n.\n5 ") << true << 7.5;
    QTest::newRow("no integer digit") << QByteArray(".5") << true << 0.5;
    QTest::newRow("no fraction digit") << QByteArray("5.") << true << 5.0;
    QTest::newRow("second point stops") << QByteArray("1.2.3") << true << 1.2;
    QTest::newRow("exponent E") << QByteArray("1e3") << true << 1000.0;
    QTest::newRow("exponent D") << QByteArray("1D2") << true << 100.0;
    QTest::newRow("exponent d, negative") << QByteArray("25d-2") << true << 0.25;
    QTest::newRow("exponent with blanks") << QByteArray("1 E + 2") << true << 100.0;
    QTest::newRow("exponent without digits") << QByteArray("1e") << true << 1.0;
    QTest::newRow("exponent sign without digits") << QByteArray("1e+") << true << 1.0;
    QTest::newRow("exponent without mantissa") << QByteArray("e5") << true << 0.0;
    QTest::newRow("hexadecimal") << QByteArray("&HFF") << true << 255.0;
    QTest::newRow("hexadecimal, lower case") << QByteArray("&hff") << true << 255.0;
    QTest::newRow("hexadecimal with blanks") << QByteArray(" & H F F") << true << 255.0;
    QTest::newRow("hexadecimal, 32 bits stay positive") << QByteArray("&HFFFFFFFF") << true
                                                        << 4294967295.0;
    QTest::newRow("hexadecimal stops at G") << QByteArray("&H1G") << true << 1.0;
    QTest::newRow("hexadecimal without digits") << QByteArray("&H") << true << 0.0;
    QTest::newRow("octal") << QByteArray("&O17") << true << 15.0;
    QTest::newRow("octal stops at 8") << QByteArray("&O78") << true << 7.0;
    QTest::newRow("ampersand alone") << QByteArray("&12") << true << 0.0;
    QTest::newRow("sign before ampersand") << QByteArray("-&H10") << true << 0.0;
    QTest::newRow("no number") << QByteArray("abc") << true << 0.0;
    QTest::newRow("sign alone") << QByteArray("-") << true << 0.0;
    QTest::newRow("two signs") << QByteArray("--1") << true << 0.0;
    QTest::newRow("point alone") << QByteArray(".") << true << 0.0;
    QTest::newRow("negative zero") << QByteArray("-0") << true << 0.0;
    QTest::newRow("negative zero with exponent") << QByteArray("-0.0e5") << true << 0.0;
    QTest::newRow("overflow") << QByteArray("1e999") << false << 0.0;
    QTest::newRow("negative overflow") << QByteArray("-1e999") << false << 0.0;
    QTest::newRow("largest double") << QByteArray("1.7976931348623157e308") << true
                                    << std::numeric_limits<double>::max();
    QTest::newRow("just beyond the largest double") << QByteArray("1.8e308") << false << 0.0;
    QTest::newRow("underflow") << QByteArray("1e-999") << true << 0.0;
    QTest::newRow("negative underflow") << QByteArray("-1e-999") << true << 0.0;
    QTest::newRow("subnormal") << QByteArray("1e-310") << true << 1e-310;
    QTest::newRow("rounds up to the smallest subnormal") << QByteArray("2.5e-324") << true
                                                         << std::numeric_limits<double>::denorm_min();
    QTest::newRow("zero with a huge exponent") << QByteArray("0e99999999999999999999") << true
                                               << 0.0;
    QTest::newRow("NaN") << QByteArray("NaN") << true << 0.0;
    QTest::newRow("inf") << QByteArray("inf") << true << 0.0;
    QTest::newRow("negative inf") << QByteArray("-inf") << true << 0.0;
    QTest::newRow("emoji first") << kEmoji + "12" << true << 0.0;
    QTest::newRow("emoji after digits") << "12" + kEmoji + "3" << true << 12.0;
    QTest::newRow("invalid UTF-8") << QByteArray("4\xFF\xFE" "5") << true << 4.0;
    QTest::newRow("NUL stops") << QByteArray("4\0" "5", 3) << true << 4.0;

    // Long texts; the values are those of the decimal numbers they spell.
    QTest::newRow("10000 nines") << repeated("9", 10000) << false << 0.0;
    QTest::newRow("1 and 300 zeros") << "1" + repeated("0", 300) << true << 1e300;
    QTest::newRow("10000 zeros then 1") << repeated("0", 10000) + "1" << true << 1.0;
    QTest::newRow("10000 digits with a point") << "1234567890." + repeated("1234567890", 999)
                                               << true << 1234567890.123456789;
    QTest::newRow("point, 10000 zeros, 1") << "." + repeated("0", 10000) + "1" << true << 0.0;
    QTest::newRow("exponent of 10000 digits") << "1e" + repeated("0", 9999) + "5" << true << 1e5;
    QTest::newRow("digits shift the exponent") << "0." + repeated("0", 399) + "1e400" << true
                                               << 1.0;
    QTest::newRow("10000 emoji") << kEmoji.repeated(10000) << true << 0.0;
    QTest::newRow("10000 blanks then 3") << repeated(" ", 10000) + "3" << true << 3.0;
    QTest::newRow("hexadecimal of 2^1020") << "&H1" + repeated("0", 255) << true << 0x1p1020;
    QTest::newRow("hexadecimal beyond the double range") << "&H" + repeated("F", 300) << false
                                                         << 0.0;
    QTest::newRow("octal of 2^1023") << "&O1" + repeated("0", 341) << true << 0x1p1023;
    QTest::newRow("octal beyond the double range") << "&O" + repeated("7", 400) << false << 0.0;
}

void TestTextConversions::leadingNumber()
{
    QFETCH(QByteArray, text);
    QFETCH(bool, ok);
    QFETCH(double, value);

    const std::optional<double> actual = ephemeris::leadingNumber(text.toStdString());
    QVERIFY2(actual.has_value() == ok, shown(actual));
    if (ok)
        QVERIFY2(sameBits(*actual, value), shown(actual) + " instead of " + shown(value));
}

void TestTextConversions::parseRegionalNumber_data()
{
    QTest::addColumn<QByteArray>("regional");
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<double>("value");

    struct Row
    {
        const char *name;
        QByteArray text;
        bool ok;
        double value;
    };
    const Row rows[] = {
        {"whole number", "2451545", true, 2451545.0},
        {"regional separator", "2451545#5", true, 2451545.5},
        {"other separator", "2451545~5", false, 0.0},
        {"surrounding blanks", " \t2451545#5 ", true, 2451545.5},
        {"blank inside", "2451 545", false, 0.0},
        {"negative", "-0#5", true, -0.5},
        {"plus sign", "+5", true, 5.0},
        {"no integer digit", "#5", true, 0.5},
        {"no fraction digit", "5#", true, 5.0},
        {"separator alone", "#", false, 0.0},
        {"two separators", "1#2#3", false, 0.0},
        {"exponent", "1E+20", true, 1e20},
        {"lower-case exponent", "1#5e-07", true, 1.5e-7},
        {"exponent without digits", "1E", false, 0.0},
        {"exponent sign without digits", "1E+", false, 0.0},
        {"exponent D", "1D2", false, 0.0},
        {"trailing letters", "2451545#5x", false, 0.0},
        {"empty", "", false, 0.0},
        {"blanks only", "   ", false, 0.0},
        {"letters", "abc", false, 0.0},
        {"two signs", "--5", false, 0.0},
        {"overflow", "1E+999", false, 0.0},
        {"underflow", "1E-999", true, 0.0},
        {"negative zero", "-0", true, 0.0},
        {"NaN", "NaN", false, 0.0},
        {"infinity", "inf", false, 0.0},
        {"hexadecimal", "&HFF", false, 0.0},
        {"emoji", "12" + kEmoji, false, 0.0},
        {"10000 nines", repeated("9", 10000), false, 0.0},
        {"10000 digits", "1234567890#" + repeated("1234567890", 999), true, 1234567890.123456789},
    };
    for (const char *regional : kRegionals) {
        for (const Row &row : rows)
            QTest::addRow("%s, %s", row.name, regional) << QByteArray(regional) << row.text
                                                        << row.ok << row.value;
    }
}

void TestTextConversions::parseRegionalNumber()
{
    QFETCH(QByteArray, regional);
    QFETCH(QByteArray, text);
    QFETCH(bool, ok);
    QFETCH(double, value);

    const std::optional<double> actual =
        ephemeris::parseRegionalNumber(localized(text, regional), settingsNamed(regional));
    QVERIFY2(actual.has_value() == ok, shown(actual));
    if (ok)
        QVERIFY2(sameBits(*actual, value), shown(actual) + " instead of " + shown(value));
}

void TestTextConversions::formatRegionalNumber_data()
{
    QTest::addColumn<QByteArray>("regional");
    QTest::addColumn<double>("value");
    QTest::addColumn<QByteArray>("text");

    // Reference texts: C's printf("%.15G"), through Python's '%.15G' % value, with the separator.
    struct Row
    {
        const char *name;
        double value;
        QByteArray text;
    };
    const Row rows[] = {
        {"whole Julian Day", 2451545.0, "2451545"},
        {"Julian Day of 1899", 2415018.5, "2415018#5"},
        {"fifteen significant digits", 2454123.541666667, "2454123#54166667"},
        {"zero", 0.0, "0"},
        {"negative zero", -0.0, "0"},
        {"half", 0.5, "0#5"},
        {"negative", -2.25, "-2#25"},
        {"binary noise rounded away", 0.1 + 0.2, "0#3"},
        {"one third", 1.0 / 3.0, "0#333333333333333"},
        {"fifteen nines", 999999999999999.0, "999999999999999"},
        {"rounds up to 1E+15", 999999999999999.9, "1E+15"},
        {"1E+15", 1e15, "1E+15"},
        {"1E+20", 1e20, "1E+20"},
        {"1,5E+20", 1.5e20, "1#5E+20"},
        {"large", 123456789012345678.0, "1#23456789012346E+17"},
        {"1E+300", 1e300, "1E+300"},
        {"largest double", std::numeric_limits<double>::max(), "1#79769313486232E+308"},
        {"0,0001", 0.0001, "0#0001"},
        {"1E-05", 0.00001, "1E-05"},
        {"small", 1.25e-7, "1#25E-07"},
        {"smallest subnormal", std::numeric_limits<double>::denorm_min(), "4#94065645841247E-324"},
    };
    for (const char *regional : kRegionals) {
        for (const Row &row : rows)
            QTest::addRow("%s, %s", row.name, regional) << QByteArray(regional) << row.value
                                                        << row.text;
    }
}

void TestTextConversions::formatRegionalNumber()
{
    QFETCH(QByteArray, regional);
    QFETCH(double, value);
    QFETCH(QByteArray, text);

    QCOMPARE(ephemeris::formatRegionalNumber(value, settingsNamed(regional)),
             localized(text, regional));
}

void TestTextConversions::regionalNumberReadsBack_data()
{
    QTest::addColumn<QByteArray>("regional");
    QTest::addColumn<double>("value");

    // Values of at most fifteen significant digits come back with the same bits.
    struct Row
    {
        const char *name;
        double value;
    };
    const Row rows[] = {
        {"Julian Day", 2451545.5},
        {"Julian Day with decimals", 2454123.54166667},
        {"negative", -0.001},
        {"exponent above", 1e20},
        {"exponent above, digits", 1.23456789012345e100},
        {"exponent below", 1.5e-7},
        {"largest shown", 1.79769313486231e308},
    };
    for (const char *regional : kRegionals) {
        for (const Row &row : rows)
            QTest::addRow("%s, %s", row.name, regional) << QByteArray(regional) << row.value;
    }
}

void TestTextConversions::regionalNumberReadsBack()
{
    QFETCH(QByteArray, regional);
    QFETCH(double, value);

    const RegionalSettings settings = settingsNamed(regional);
    const std::string text = ephemeris::formatRegionalNumber(value, settings);
    const std::optional<double> back = ephemeris::parseRegionalNumber(text, settings);
    QVERIFY2(back && sameBits(*back, value), QByteArray(text.c_str()) + " reads " + shown(back));
}

void TestTextConversions::parseDateText_data()
{
    QTest::addColumn<QByteArray>("regional");
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<qlonglong>("dayNumber");

    // Day numbers: Python, (date(y, m, d) - date(1899, 12, 30)).days.
    struct Row
    {
        const char *name;
        QByteArray text;
        bool valid;
        long long dayNumber;
    };
    const Row rows[] = {
        {"1 January 2000", "01/01/2000", true, 36526},
        {"day zero", "30/12/1899", true, 0},
        {"the day after day zero", "31/12/1899", true, 1},
        {"the day before day zero", "29/12/1899", true, -1},
        {"first day of the range", "01/01/0100", true, -657434},
        {"three-digit year", "1/1/100", true, -657434},
        {"last day of the range", "31/12/9999", true, 2958465},
        {"29 February 2000", "29/02/2000", true, 36585},
        {"31 February", "31/02/2007", false, 0},
        {"29 February, common year", "29/02/2007", false, 0},
        {"29 February 1900", "29/02/1900", false, 0},
        {"day 32", "32/01/2000", false, 0},
        {"day 0", "00/01/2000", false, 0},
        {"month 13", "01/13/2000", false, 0},
        {"month 0", "01/00/2000", false, 0},
        {"year 99 in four digits", "31/12/0099", false, 0},
        {"year 99 in three digits", "31/12/099", false, 0},
        {"five-digit year", "01/01/10000", false, 0},
        {"two-digit year 07", "15/03/07", true, 39156},
        {"two-digit year 29", "01/01/29", true, 47119},
        {"two-digit year 30", "01/01/30", true, 10959},
        {"two-digit year 00", "01/01/00", true, 36526},
        {"one-digit year", "15/3/7", true, 39156},
        {"dashes", "15-03-2007", true, 39156},
        {"points", "15.03.2007", true, 39156},
        {"blanks", "15 03 2007", true, 39156},
        {"mixed separators", "15/03-2007", true, 39156},
        {"surrounding blanks", "  15/03/2007\t", true, 39156},
        {"time of day", "15/03/2007 14:00:00", true, 39156},
        {"time without seconds", "15/03/2007 14:00", true, 39156},
        {"blank-separated date and time", "15 03 2007  23:59:59", true, 39156},
        {"hour 24", "15/03/2007 24:00", false, 0},
        {"minute 60", "15/03/2007 14:60", false, 0},
        {"hour alone", "15/03/2007 14", false, 0},
        {"time without a blank", "15/03/2007T14:00", false, 0},
        {"text after the time", "15/03/2007 14:00:00 x", false, 0},
        {"letters after the year", "15/03/2007x", false, 0},
        {"year first", "2007/03/15", false, 0},
        {"three-digit day", "015/03/2007", false, 0},
        {"double separator", "15//03/2007", false, 0},
        {"day and month only", "15/03", false, 0},
        {"decimal number", "2451545#5", false, 0},
        {"empty", "", false, 0},
        {"letters", "abc", false, 0},
        {"emoji", kEmoji, false, 0},
        {"emoji after the date", "15/03/2007" + kEmoji, false, 0},
        {"emoji as separator", "15" + kEmoji + "03" + kEmoji + "2007", false, 0},
        {"10000 digits", repeated("1", 10000), false, 0},
        {"10000-digit year", "15/03/" + repeated("2", 10000), false, 0},
        {"10000 blanks after the date", "15/03/2007" + repeated(" ", 10000), true, 39156},
        {"10000 emoji", kEmoji.repeated(10000), false, 0},
    };
    for (const char *regional : kRegionals) {
        for (const Row &row : rows)
            QTest::addRow("%s, %s", row.name, regional) << QByteArray(regional) << row.text
                                                        << row.valid << qlonglong(row.dayNumber);
    }
    // A regional time separator other than ":" and a date separator of its own.
    QTest::newRow("regional time separator") << QByteArray("Other") << QByteArray("15'03'2007 14.05")
                                             << true << 39156LL;
}

void TestTextConversions::parseDateText()
{
    QFETCH(QByteArray, regional);
    QFETCH(QByteArray, text);
    QFETCH(bool, valid);
    QFETCH(qlonglong, dayNumber);

    const RegionalSettings settings =
        regional == "Other" ? RegionalSettings{",", "'", "."} : settingsNamed(regional);
    const std::string localizedText = localized(text, regional);
    QCOMPARE(ephemeris::parseDateText(localizedText, settings).has_value(), valid);
    const std::optional<long long> actual = ephemeris::dayNumberOfText(localizedText, settings);
    QCOMPARE(actual.has_value(), valid);
    if (valid)
        QCOMPARE(*actual, dayNumber);
}

void TestTextConversions::formatInstant_data()
{
    QTest::addColumn<QByteArray>("regional");
    QTest::addColumn<double>("instant");
    QTest::addColumn<QByteArray>("text");

    // Reference texts: Python, datetime(1899, 12, 30) + timedelta(seconds=n) with n the exact
    // serial date (Decimal) times 86400 rounded to the nearest second, a half going up.
    constexpr double kSecond = 1.0 / 86400.0;
    struct Row
    {
        const char *name;
        double instant;
        QByteArray text;
    };
    const Row rows[] = {
        {"epoch of Algol's minima", 2441598.608 - 2415018.5, "08/10/1972  02:35:31"},
        {"the minimum after the epoch", 2441598.608 + 2.867315 - 2415018.5,
         "10/10/1972  23:24:27"},
        {"day zero", 0.0, "30/12/1899  00:00:00"},
        {"negative zero", -0.0, "30/12/1899  00:00:00"},
        {"noon", 36526.5, "01/01/2000  12:00:00"},
        {"before day zero, continuous", -0.25, "29/12/1899  18:00:00"},
        {"the day before day zero", -1.0, "29/12/1899  00:00:00"},
        {"rounds down", 36526 + 86399.4 * kSecond, "01/01/2000  23:59:59"},
        {"rounds into the next day", 36526 + 86399.6 * kSecond, "02/01/2000  00:00:00"},
        {"rounds into the next month", 36584 + 86399.7 * kSecond, "29/02/2000  00:00:00"},
        {"rounds into the next year", 36891 + 86399.6 * kSecond, "01/01/2001  00:00:00"},
        {"exact half second goes up", 1.0 / 256.0, "30/12/1899  00:05:38"},
        {"exact half second before day zero goes up", -1.0 / 256.0, "29/12/1899  23:54:23"},
        {"tiny negative", -1e-20, "30/12/1899  00:00:00"},
        {"first second of the range", -657434.0, "01/01/0100  00:00:00"},
        {"rounds up into the range", -657434 - 0.4 * kSecond, "01/01/0100  00:00:00"},
        {"last second of the range", 2958465 + 86399 * kSecond, "31/12/9999  23:59:59"},
    };
    for (const char *regional : kRegionals) {
        for (const Row &row : rows)
            QTest::addRow("%s, %s", row.name, regional) << QByteArray(regional) << row.instant
                                                        << row.text;
    }

    // Overflows: no text at all.
    const double kOverflows[] = {-657434 - 0.6 * kSecond, 2958465 + 86399.6 * kSecond, 2958466.0,
                                 1e300, -1e300,
                                 std::numeric_limits<double>::quiet_NaN(),
                                 std::numeric_limits<double>::infinity(),
                                 -std::numeric_limits<double>::infinity()};
    for (const double instant : kOverflows)
        QTest::addRow("overflow %.17g", instant) << QByteArray("French") << instant << QByteArray();

    // The separators come from the regional settings.
    QTest::newRow("regional separators") << QByteArray("Other") << 2441598.608 - 2415018.5
                                         << QByteArray("08-10-1972  02.35.31");
}

void TestTextConversions::formatInstant()
{
    QFETCH(QByteArray, regional);
    QFETCH(double, instant);
    QFETCH(QByteArray, text);

    const RegionalSettings settings =
        regional == "Other" ? RegionalSettings{",", "-", "."} : settingsNamed(regional);
    const std::optional<std::string> actual = ephemeris::formatInstant(instant, settings);
    QCOMPARE(actual.has_value(), !text.isEmpty());
    if (actual)
        QCOMPARE(*actual, text.toStdString());
}

void TestTextConversions::formatDate_data()
{
    QTest::addColumn<QByteArray>("regional");
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("day");
    QTest::addColumn<QByteArray>("text");

    for (const char *regional : kRegionals) {
        QTest::addRow("15 March 2007, %s", regional) << QByteArray(regional) << 2007 << 3 << 15
                                                     << QByteArray("15/03/2007");
        QTest::addRow("year 100, %s", regional) << QByteArray(regional) << 100 << 1 << 1
                                                << QByteArray("01/01/0100");
    }
    QTest::newRow("regional separator") << QByteArray("Other") << 9999 << 12 << 31
                                        << QByteArray("31.12.9999");
}

void TestTextConversions::formatDate()
{
    QFETCH(QByteArray, regional);
    QFETCH(int, year);
    QFETCH(int, month);
    QFETCH(int, day);
    QFETCH(QByteArray, text);

    const RegionalSettings settings =
        regional == "Other" ? RegionalSettings{",", ".", ":"} : settingsNamed(regional);
    const std::string actual = ephemeris::formatDate({year, month, day}, settings);
    QCOMPARE(actual, text.toStdString());
    // The clock's text is a date text again.
    const auto back = ephemeris::parseDateText(actual, settings);
    QVERIFY(back);
    QCOMPARE(back->year, year);
    QCOMPARE(back->month, month);
    QCOMPARE(back->day, day);
}

void TestTextConversions::formatPhase_data()
{
    QTest::addColumn<QByteArray>("regional");
    QTest::addColumn<double>("value");
    QTest::addColumn<QByteArray>("text");

    // Reference texts: Python, Decimal(value).quantize(Decimal("0.001"), ROUND_HALF_UP): the exact
    // binary value rounded half away from zero.
    struct Row
    {
        const char *name;
        double value;
        QByteArray text;
    };
    const Row rows[] = {
        {"phase of 1 January 2000 noon", 0.8871, "0#887"},
        {"phase of 1 January 1950", -2900.311964329, "-2900#312"},
        {"negative with zeros", -2900.3, "-2900#300"},
        {"rounds to one", 0.9999, "1#000"},
        {"stays below one", 0.99949, "0#999"},
        {"zero", 0.0, "0#000"},
        {"negative zero", -0.0, "0#000"},
        {"tiny negative shows no sign", -0.0001, "0#000"},
        {"binary value above the half", -0.0005, "-0#001"},
        {"exact half goes away from zero", 0.0625, "0#063"},
        {"exact half goes away from zero, negative", -0.0625, "-0#063"},
        {"binary value below the half", 1.0005, "1#000"},
        {"example with a comma", 0.357, "0#357"},
        {"several integer digits", 12345.6789, "12345#679"},
        {"exact half just below 2^49", 0x1p49 - 0.0625, "562949953421311#938"},
        {"eighths from 2^49 on", 0x1p49 + 0.125, "562949953421312#125"},
        {"huge", 1e20, "100000000000000000000#000"},
    };
    for (const char *regional : kRegionals) {
        for (const Row &row : rows)
            QTest::addRow("%s, %s", row.name, regional) << QByteArray(regional) << row.value
                                                        << row.text;
    }
}

void TestTextConversions::formatPhase()
{
    QFETCH(QByteArray, regional);
    QFETCH(double, value);
    QFETCH(QByteArray, text);

    QCOMPARE(ephemeris::formatPhase(value, settingsNamed(regional)), localized(text, regional));
}

void TestTextConversions::formatPlainDecimal_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QByteArray>("text");

    // The shortest digits that name each double (the digits of Python's repr), in fixed notation
    // from 1E-5 up to 1E15 and with an exponent beyond.
    QTest::newRow("one") << 1.0 << QByteArray("1");
    QTest::newRow("half hour offset") << 5.5 << QByteArray("5.5");
    QTest::newRow("negative") << -3.0 << QByteArray("-3");
    QTest::newRow("zero") << 0.0 << QByteArray("0");
    QTest::newRow("negative zero") << -0.0 << QByteArray("0");
    QTest::newRow("tenth") << 0.1 << QByteArray("0.1");
    QTest::newRow("no exponent for 100000") << 100000.0 << QByteArray("100000");
    QTest::newRow("1E14") << 1e14 << QByteArray("100000000000000");
    QTest::newRow("smallest without exponent") << 1e-5 << QByteArray("0.00001");
    QTest::newRow("one third") << 1.0 / 3.0 << QByteArray("0.3333333333333333");
    QTest::newRow("exponent from 1E15") << 1e15 << QByteArray("1e+15");
    QTest::newRow("1E20") << 1e20 << QByteArray("1e+20");
    QTest::newRow("small") << 1.5e-7 << QByteArray("1.5e-07");
}

void TestTextConversions::formatPlainDecimal()
{
    QFETCH(double, value);
    QFETCH(QByteArray, text);

    const std::string actual = ephemeris::formatPlainDecimal(value);
    QCOMPARE(actual, text.toStdString());
    // The stored offset is read back with the leading-number rule.
    const std::optional<double> back = ephemeris::leadingNumber(actual);
    QVERIFY(back);
    QVERIFY2(*back == value, shown(back));
}

QTEST_APPLESS_MAIN(TestTextConversions)
#include "tst_textconversions.moc"
