// The element sets: the two built in, the ones a user writes, and how far their predictions may be
// off.

#include "elementsets.h"

#include <QTest>

#include <cmath>
#include <limits>

using sky::ElementSet;
using sky::ElementSetKind;
using sky::TimeReference;

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

ElementSet setNamed(const QByteArray &name)
{
    if (name == "current")
        return sky::currentElements();
    if (name == "classic")
        return sky::classicElements();
    return {ElementSetKind::Custom, {2455528.105, 2.867326}, TimeReference::Heliocentric};
}

} // namespace

class TestElementSets : public QObject
{
    Q_OBJECT

private slots:
    void parse_data();
    void parse();
    void uncertainty_data();
    void uncertainty();
    void extrapolated_data();
    void extrapolated();
};

void TestElementSets::parse_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<int>("kind");
    QTest::addColumn<double>("epoch");
    QTest::addColumn<double>("period");
    QTest::addColumn<bool>("heliocentric");

    const int current = int(ElementSetKind::Current);
    const int classic = int(ElementSetKind::Classic);
    const int custom = int(ElementSetKind::Custom);
    // The current elements are the O-C gateway's Min I = HJD 2455528.105 + 2.867326 E; the classic
    // ones the main window's JD 2441598.608 + 2.867315 E.
    QTest::newRow("current") << QByteArray("current") << true << current << 2455528.105
                             << 2.867326 << true;
    QTest::newRow("classic") << QByteArray("classic") << true << classic << 2441598.608
                             << 2.867315 << false;
    QTest::newRow("custom, heliocentric by default")
        << QByteArray("2455528.105:2.867326") << true << custom << 2455528.105 << 2.867326 << true;
    QTest::newRow("custom, hjd") << QByteArray("2455528.105:2.867326:hjd") << true << custom
                                 << 2455528.105 << 2.867326 << true;
    QTest::newRow("custom, jd") << QByteArray("2441598.608:2.867315:jd") << true << custom
                                << 2441598.608 << 2.867315 << false;
    QTest::newRow("lowest epoch and period") << QByteArray("2000000:0.5") << true << custom
                                             << 2000000.0 << 0.5 << true;
    QTest::newRow("highest epoch and period") << QByteArray("2600000:10") << true << custom
                                              << 2600000.0 << 10.0 << true;
    QTest::newRow("exponent") << QByteArray("2.455528105e6:2.867326") << true << custom
                              << 2455528.105 << 2.867326 << true;

    const char *const invalid[] = {
        "", "Current", "current ", "2455528.105", "2455528.105:", ":2.867326",
        "2455528.105:2.867326:", "2455528.105:2.867326:hjd:", "2455528.105::2.867326",
        "2455528.105:2.867326:HJD", "2455528.105:2.867326:utc", " 2455528.105:2.867326",
        "2455528.105 :2.867326", "2455528.105:2.867326x", "2455528,105:2.867326",
        "+2455528.105:2.867326", "nan:2.867326", "2455528.105:nan", "inf:2.867326",
        "2455528.105:infinity", "1999999.99:2.867326", "2600000.01:2.867326",
        "2455528.105:0.49", "2455528.105:10.01", "2455528.105:-2.867326", "0x1p21:2.867326",
        "1e400:2.867326"};
    for (const char *text : invalid)
        QTest::addRow("invalid: \"%s\"", text) << QByteArray(text) << false << 0 << 0.0 << 0.0
                                               << false;
}

void TestElementSets::parse()
{
    QFETCH(QByteArray, text);
    QFETCH(bool, valid);
    QFETCH(int, kind);
    QFETCH(double, epoch);
    QFETCH(double, period);
    QFETCH(bool, heliocentric);

    const std::optional<ElementSet> set = sky::parseElementSet(text.toStdString());
    QVERIFY2(set.has_value() == valid, text);
    if (!valid)
        return;
    QCOMPARE(int(set->kind), kind);
    QCOMPARE(set->elements.epoch, epoch);
    QCOMPARE(set->elements.period, period);
    QCOMPARE(set->reference == TimeReference::Heliocentric, heliocentric);
}

void TestElementSets::uncertainty_data()
{
    QTest::addColumn<QByteArray>("set");
    QTest::addColumn<double>("jdUtc");
    QTest::addColumn<double>("minutes"); // NaN: unknown

    // The current elements: 15 minutes within 2015-2030, one more a year (of 365.25 days) before
    // 1 January 2015 or after 31 December 2030. Julian Days of the dates from astropy 5.2.1.
    QTest::newRow("current, 18 September 2022") << QByteArray("current") << 2459840.56 << 15.0;
    QTest::newRow("current, 1 January 2015") << QByteArray("current") << 2457023.5 << 15.0;
    QTest::newRow("current, 31 December 2030") << QByteArray("current") << 2462866.5 << 15.0;
    QTest::newRow("current, 1 January 2040: 3287 days after")
        << QByteArray("current") << 2466154.5 << 15 + 3287 / 365.25;
    QTest::newRow("current, 1 January 2010: 1826 days before")
        << QByteArray("current") << 2455197.5 << 15 + 1826 / 365.25;
    // The classic minimum of 17 September 2022, 23:11:04.95 UT (the stepping, done in Python),
    // against the current elements' 01:27:27.18 UT: 01:31:09.47 HJD less astropy's light-time.
    QTest::newRow("classic, 17 September 2022")
        << QByteArray("classic") << 2459840.466029511 << 136.3705 + 15;
    QTest::newRow("custom") << QByteArray("custom") << 2459840.56 << kNaN;
    QTest::newRow("current, NaN") << QByteArray("current") << kNaN << kNaN;
    QTest::newRow("classic, infinity")
        << QByteArray("classic") << std::numeric_limits<double>::infinity() << kNaN;
}

void TestElementSets::uncertainty()
{
    QFETCH(QByteArray, set);
    QFETCH(double, jdUtc);
    QFETCH(double, minutes);

    const std::optional<double> actual = sky::uncertaintyMinutes(setNamed(set), jdUtc);
    const QByteArray inputs = set + " at JD " + QByteArray::number(jdUtc, 'f', 6);
    QVERIFY2(actual.has_value() == !std::isnan(minutes), inputs);
    if (actual)
        QVERIFY2(std::fabs(*actual - minutes) < 0.01, inputs + ": " + QByteArray::number(*actual));
}

void TestElementSets::extrapolated_data()
{
    QTest::addColumn<QByteArray>("set");
    QTest::addColumn<double>("jdUtc");
    QTest::addColumn<bool>("extrapolated");

    // The current elements rest on 2000-2040 (dates from astropy 5.2.1).
    QTest::newRow("current, 31 December 1999 23:00")
        << QByteArray("current") << 2451544.4583333335 << true;
    QTest::newRow("current, 1 January 2000") << QByteArray("current") << 2451544.5 << false;
    QTest::newRow("current, 31 December 2040 23:00")
        << QByteArray("current") << 2466520.4583333335 << false;
    QTest::newRow("current, 1 January 2041") << QByteArray("current") << 2466520.5 << true;
    QTest::newRow("classic, 1972") << QByteArray("classic") << 2441598.608 << false;
    QTest::newRow("custom, 2050") << QByteArray("custom") << 2469807.5 << false;
}

void TestElementSets::extrapolated()
{
    QFETCH(QByteArray, set);
    QFETCH(double, jdUtc);
    QFETCH(bool, extrapolated);
    QVERIFY2(sky::isExtrapolated(setNamed(set), jdUtc) == extrapolated,
             set + " at JD " + QByteArray::number(jdUtc, 'f', 6));
}

QTEST_APPLESS_MAIN(TestElementSets)
#include "tst_elementsets.moc"
