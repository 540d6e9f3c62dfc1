// Composing the instant (a UT Julian Day) from a day number and typed hours, minutes, seconds
// and offset, one rounded operation at a time from left to right.

#include "instant.h"

#include <QTest>

#include <bit>
#include <cstdint>
#include <limits>

namespace {

bool sameBits(double a, double b)
{
    return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b);
}

QByteArray shown(std::optional<double> value)
{
    return value ? QByteArray::number(*value, 'g', 17) : QByteArray("(empty)");
}

ephemeris::TimeScale timeScale(bool local, double offset)
{
    if (!local)
        return {};
    return {ephemeris::TimeScale::Kind::Local, offset};
}

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInfinity = std::numeric_limits<double>::infinity();

} // namespace

class TestInstant : public QObject
{
    Q_OBJECT

private slots:
    void composeInstant_data();
    void composeInstant();
    void composeInstantAt_data();
    void composeInstantAt();
    void localModeMovesByTheOffset();
};

void TestInstant::composeInstant_data()
{
    QTest::addColumn<qlonglong>("dayNumber");
    QTest::addColumn<double>("hours");
    QTest::addColumn<double>("minutes");
    QTest::addColumn<double>("seconds");
    QTest::addColumn<bool>("local");
    QTest::addColumn<double>("offset");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<double>("instant");

    // Worked examples: 01/01/2000 (day 36526) at 12:00 UT is JD 2451545; in local time with an
    // offset of 1 hour, 13:00 is the same instant (the arithmetic gives exactly 2451545 again).
    QTest::newRow("1 January 2000 noon UT") << 36526LL << 12.0 << 0.0 << 0.0 << false << 0.0
                                            << true << 2451545.0;
    QTest::newRow("1 January 2000 13:00 local, offset 1")
        << 36526LL << 13.0 << 0.0 << 0.0 << true << 1.0 << true << 2451545.0;
    QTest::newRow("day zero") << 0LL << 0.0 << 0.0 << 0.0 << false << 0.0 << true << 2415018.5;
    QTest::newRow("first day of the range") << -657434LL << 0.0 << 0.0 << 0.0 << false << 0.0
                                            << true << 1757584.5;
    // 7.5 / 24 = 0.3125 exactly.
    QTest::newRow("hours 7.5 are 07:30") << 36526LL << 7.5 << 0.0 << 0.0 << false << 0.0 << true
                                         << 2451544.8125;
    QTest::newRow("86400 seconds are the next day") << 36526LL << 0.0 << 0.0 << 86400.0 << false
                                                    << 0.0 << true << 2451545.5;
    // Python: ((36526 + 2415018.5) + 25/24) == 2451545.5 + 1/24.
    QTest::newRow("25 hours are the next day at 01:00")
        << 36526LL << 25.0 << 0.0 << 0.0 << false << 0.0 << true
        << 2451545.5 + 1.0 / 24.0;
    QTest::newRow("negative minutes move back") << 36526LL << 0.0 << -720.0 << 0.0 << false << 0.0
                                                << true << 2451544.0;
    QTest::newRow("empty offset counts as 0") << 36526LL << 12.0 << 0.0 << 0.0 << true << 0.0
                                              << true << 2451545.0;
    // Independent computation in Python, whose floats are the same doubles:
    // (((39156 + 2415018.5) + 0/24) + 1/1440) + 33/86400. One division of the 93 seconds would
    // give the next double up, 0x1.2b94f40234568p+21.
    QTest::newRow("left to right, not one sum") << 39156LL << 0.0 << 1.0 << 33.0 << false << 0.0
                                                << true << 0x1.2b94f40234567p+21;
    // Python: ((((39156 + 2415018.5) + 14/24) + 23/1440) + 17/86400) - 2/24.
    QTest::newRow("15 March 2007 14:23:17 local, offset 2")
        << 39156LL << 14.0 << 23.0 << 17.0 << true << 2.0 << true << 0x1.2b94f8211d33fp+21;
    QTest::newRow("offset -5 is five hours later") << 36526LL << 12.0 << 0.0 << 0.0 << true << -5.0
                                                   << true << 2451545.0 + 5.0 / 24.0;
    QTest::newRow("infinite hours") << 36526LL << kInfinity << 0.0 << 0.0 << false << 0.0 << false
                                    << 0.0;
    QTest::newRow("NaN seconds") << 36526LL << 0.0 << 0.0 << kNaN << false << 0.0 << false << 0.0;
    QTest::newRow("infinite offset") << 36526LL << 0.0 << 0.0 << 0.0 << true << kInfinity << false
                                     << 0.0;
    // Finite fields cannot overflow: each is divided before it is added.
    QTest::newRow("largest hours") << 36526LL << std::numeric_limits<double>::max() << 0.0 << 0.0
                                   << false << 0.0 << true
                                   << std::numeric_limits<double>::max() / 24;
}

void TestInstant::composeInstant()
{
    QFETCH(qlonglong, dayNumber);
    QFETCH(double, hours);
    QFETCH(double, minutes);
    QFETCH(double, seconds);
    QFETCH(bool, local);
    QFETCH(double, offset);
    QFETCH(bool, ok);
    QFETCH(double, instant);

    const std::optional<double> actual = ephemeris::composeInstant(
        dayNumber, hours, minutes, seconds, timeScale(local, offset));
    QVERIFY2(actual.has_value() == ok, shown(actual));
    if (ok)
        QVERIFY2(sameBits(*actual, instant), shown(actual) + " instead of " + shown(instant));
}

void TestInstant::composeInstantAt_data()
{
    QTest::addColumn<qlonglong>("dayNumber");
    QTest::addColumn<float>("timeOfDay");
    QTest::addColumn<bool>("local");
    QTest::addColumn<double>("offset");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<double>("instant");

    // 01/01/2007 is day 39083.
    QTest::newRow("midnight UT") << 39083LL << 0.0f << false << 0.0 << true << 2454101.5;
    QTest::newRow("midnight local, offset 2")
        << 39083LL << 0.0f << true << 2.0 << true << 2454101.5 - 2.0 / 24.0;
    // Python: (39083 + 2415018.5) + struct.unpack("f", struct.pack("f", 0.1))[0]; the time of day
    // keeps the error of its single precision.
    QTest::newRow("single-precision tenth") << 39083LL << 0.1f << false << 0.0 << true
                                            << 0x1.2b92accccccd0p+21;
    // Python: same with 14/24 in single precision, then - 1/24.
    QTest::newRow("single-precision 14:00, offset 1")
        << 39083LL << static_cast<float>(14.0 / 24.0) << true << 1.0 << true
        << 0x1.2b92b0555552bp+21;
    QTest::newRow("infinite time") << 39083LL << std::numeric_limits<float>::infinity() << false
                                   << 0.0 << false << 0.0;
    QTest::newRow("NaN offset") << 39083LL << 0.0f << true << kNaN << false << 0.0;
}

void TestInstant::composeInstantAt()
{
    QFETCH(qlonglong, dayNumber);
    QFETCH(float, timeOfDay);
    QFETCH(bool, local);
    QFETCH(double, offset);
    QFETCH(bool, ok);
    QFETCH(double, instant);

    const std::optional<double> actual =
        ephemeris::composeInstantAt(dayNumber, timeOfDay, timeScale(local, offset));
    QVERIFY2(actual.has_value() == ok, shown(actual));
    if (ok)
        QVERIFY2(sameBits(*actual, instant), shown(actual) + " instead of " + shown(instant));
}

// Switching between UT and local time changes the instant composed from the same fields by the
// offset / 24 days that the last subtraction takes away.
void TestInstant::localModeMovesByTheOffset()
{
    const double offsets[] = {1.0, 2.0, -5.0, 5.5, 0.0};
    for (const double offset : offsets) {
        const auto ut = ephemeris::composeInstant(39156, 14.0, 23.0, 17.0, timeScale(false, 0));
        const auto local =
            ephemeris::composeInstant(39156, 14.0, 23.0, 17.0, timeScale(true, offset));
        QVERIFY(ut && local);
        QVERIFY2(*local == *ut - offset / 24.0, QByteArray::number(offset));
    }
}

QTEST_APPLESS_MAIN(TestInstant)
#include "tst_instant.moc"
