// The stepping loop (m = start; while (m <= threshold) m += period) and the minima built on it.
// stepMinimum must give the same bits as the literal loop, so every comparison here is exact.

#include "minima.h"
#include "textconversions.h"

#include <QTest>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <vector>

using ephemeris::Elements;
using ephemeris::RegionalSettings;

namespace {

constexpr double kEpoch = 2441598.608;
constexpr double kPeriod = 2.867315;
constexpr double kMillisecond = 1.0 / 86400000.0;
constexpr double kInfinity = std::numeric_limits<double>::infinity();
constexpr long long kLiteralStepLimit = 10'000'000;

bool sameBits(double a, double b)
{
    return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b);
}

QByteArray shown(std::optional<double> value)
{
    return value ? QByteArray::number(*value, 'g', 17) : QByteArray("(empty)");
}

// Whether a + b was rounded from exactly halfway between two doubles (TwoSum gives the error).
bool isTie(double a, double b)
{
    const double sum = a + b;
    const double bPart = sum - a;
    const double error = (a - (sum - bPart)) + (b - bPart);
    if (error == 0)
        return false;
    return 2 * error == std::nextafter(sum, error > 0 ? kInfinity : -kInfinity) - sum;
}

// Answers of the literal loop for thresholds in increasing order. The loop for a larger threshold
// passes through the answer for a smaller one, so each answer continues from the one before and
// the whole list costs a single run of additions.
std::vector<double> literalAnswers(double start, double period, const std::vector<double> &sorted)
{
    std::vector<double> answers;
    double m = start;
    for (const double threshold : sorted) {
        const std::optional<double> answer =
            ephemeris::stepMinimumLiteral(m, period, threshold, kLiteralStepLimit);
        if (!answer)
            return {};
        m = *answer;
        answers.push_back(m);
    }
    return answers;
}

RegionalSettings settingsNamed(const QByteArray &name)
{
    return name == "French" ? RegionalSettings::french() : RegionalSettings::english();
}

std::string localized(QByteArray text, const QByteArray &regional)
{
    return text.replace('#', settingsNamed(regional).decimalSeparator.c_str()).toStdString();
}

} // namespace

class TestMinima : public QObject
{
    Q_OBJECT

private slots:
    void stepMinimumMatchesTheLiteralLoop_data();
    void stepMinimumMatchesTheLiteralLoop();
    void stepMinimumEnds_data();
    void stepMinimumEnds();
    void literalLoopStopsAtItsBound();
    void computeMinimaChain_data();
    void computeMinimaChain();
    void instantOnAMinimum();
    void firstMinimumAfter_data();
    void firstMinimumAfter();
};

void TestMinima::stepMinimumMatchesTheLiteralLoop_data()
{
    QTest::addColumn<double>("start");
    QTest::addColumn<double>("period");
    QTest::addColumn<double>("low");
    QTest::addColumn<double>("high");
    QTest::addColumn<int>("randomCount");
    QTest::addColumn<int>("minimumTies");

    const double lastInstant = 2958465 + 2415018.5 + 1; // the end of 31/12/9999
    QTest::newRow("Algol, 1972 to 9999") << kEpoch << kPeriod << kEpoch - 3000 << lastInstant
                                         << 2000 << 0;
    QTest::newRow("Algol, before the epoch") << kEpoch << kPeriod << 1e6 << kEpoch + 10 << 100
                                             << 0;
    QTest::newRow("Algol period across 2^21")
        << 0x1p21 - 3000.123 << kPeriod << 0x1p21 - 3100 << 0x1p21 + 3000 << 300 << 0;
    QTest::newRow("Algol period across 2^23")
        << 0x1p23 - 3000.123 << kPeriod << 0x1p23 - 3100 << 0x1p23 + 3000 << 300 << 0;
    QTest::newRow("period 1, 1972 to 9999") << kEpoch << 1.0 << kEpoch << lastInstant << 300 << 0;
    QTest::newRow("period 3, 1972 to 9999") << kEpoch << 3.0 << kEpoch << lastInstant << 300 << 0;
    QTest::newRow("period 0.1") << 2451545.0 << 0.1 << 2451544.0 << 2451845.0 << 500 << 0;
    QTest::newRow("period 0.001") << 2451545.25 << 1e-3 << 2451545.25 << 2451550.25 << 500 << 0;
    QTest::newRow("period 0.1 across 2^22") << 0x1p22 - 50.05 << 0.1 << 0x1p22 - 51 << 0x1p22 + 50
                                            << 500 << 0;
    // From 2^22 on the spacing is 2^-30: 1 + 2^-31 lies exactly halfway between two multiples of
    // it (an even quotient, 2^30, below the half), 1 + 3 * 2^-31 too (an odd one, 2^30 + 1).
    QTest::newRow("ties, even quotient") << 0x1p22 - 300.25 << 1 + 0x1p-31 << 0x1p22 - 301
                                         << 0x1p22 + 3000 << 500 << 1000;
    QTest::newRow("ties, odd quotient") << 0x1p22 - 300.25 << 1 + 3 * 0x1p-31 << 0x1p22 - 301
                                        << 0x1p22 + 3000 << 500 << 1000;
    QTest::newRow("ties, start on an odd multiple")
        << 0x1p22 + 0x1p-30 << 1 + 0x1p-31 << 0x1p22 << 0x1p22 + 2000 << 300 << 1000;
    QTest::newRow("negative start across zero") << -1000.3 << 0.7 << -1100.0 << 1000.0 << 500
                                                << 0;
    // Between -2 and -1 the spacing is 2^-52 and each addition adds exactly 2^-4, dropping
    // 3/8 of a spacing; from -1 on the spacing halves and the same addition rounds differently.
    QTest::newRow("negative, spacing halves at -1") << -2.0 << 0x1p-4 + 3 * 0x1p-55 << -2.0
                                                    << 0.5 << 300 << 0;
    QTest::newRow("subnormals across zero") << -0x1p-1060 << 0x1p-1070 << -0x1p-1060
                                            << 0x1p-1059 << 300 << 0;
    QTest::newRow("period 1 up to 2^53") << 0x1p53 - 3000 << 1.0 << 0x1p53 - 3001 << 0x1p53 - 1
                                         << 300 << 0;
    QTest::newRow("period larger than the start") << 1.5 << 1000.25 << 0.0 << 1e7 << 300 << 0;
}

void TestMinima::stepMinimumMatchesTheLiteralLoop()
{
    QFETCH(double, start);
    QFETCH(double, period);
    QFETCH(double, low);
    QFETCH(double, high);
    QFETCH(int, randomCount);
    QFETCH(int, minimumTies);

    // Deterministic thresholds: the same on every run and every platform.
    std::mt19937_64 generator(20070315);
    std::vector<double> thresholds;
    for (int i = 0; i < randomCount; ++i) {
        const double unit = static_cast<double>(generator() >> 11) * 0x1p-53;
        thresholds.push_back(low + (high - low) * unit);
    }
    for (const double edge : {0x1p21, 0x1p22, 0x1p23, 0x1p53}) {
        if (edge < low || edge > high)
            continue;
        for (const double threshold : {edge, std::nextafter(edge, -kInfinity),
                                       std::nextafter(edge, kInfinity), edge - period,
                                       edge + period})
            thresholds.push_back(threshold);
    }
    std::sort(thresholds.begin(), thresholds.end());

    // Then the minima themselves as the loop builds them, one ulp on either side, one
    // millisecond before, and one period before (up to the row's highest threshold, where the
    // loop is known to end).
    const std::vector<double> minima = literalAnswers(start, period, thresholds);
    QCOMPARE(minima.size(), thresholds.size());
    for (const double minimum : minima) {
        for (const double threshold : {minimum, std::nextafter(minimum, -kInfinity),
                                       std::nextafter(minimum, kInfinity),
                                       minimum - kMillisecond, minimum - period}) {
            if (threshold <= high)
                thresholds.push_back(threshold);
        }
    }
    std::sort(thresholds.begin(), thresholds.end());

    const std::vector<double> expected = literalAnswers(start, period, thresholds);
    QCOMPARE(expected.size(), thresholds.size());
    for (std::size_t i = 0; i < thresholds.size(); ++i) {
        const std::optional<double> actual =
            ephemeris::stepMinimum(start, period, thresholds[i]);
        if (!actual || !sameBits(*actual, expected[i])) {
            QFAIL("threshold " + QByteArray::number(thresholds[i], 'g', 17) + ": "
                  + shown(actual) + " instead of " + shown(expected[i]));
        }
    }

    // The rows meant to exercise ties must really round from halfway.
    if (minimumTies > 0) {
        int ties = 0;
        for (double m = start; m <= high; m = m + period)
            ties += isTie(m, period) ? 1 : 0;
        QVERIFY2(ties >= minimumTies, QByteArray::number(ties));
    }
}

void TestMinima::stepMinimumEnds_data()
{
    QTest::addColumn<double>("start");
    QTest::addColumn<double>("period");
    QTest::addColumn<double>("threshold");
    QTest::addColumn<bool>("ends");
    QTest::addColumn<double>("result");

    // Results reasoned from the loop itself.
    QTest::newRow("threshold below the start: no addition")
        << kEpoch << kPeriod << kEpoch - 1 << true << kEpoch;
    QTest::newRow("NaN threshold: the test fails at once")
        << kEpoch << kPeriod << std::numeric_limits<double>::quiet_NaN() << true << kEpoch;
    QTest::newRow("threshold equal to the start: one addition")
        << 2.0 << 1.0 << 2.0 << true << 3.0;
    // From 2^53 on, 2^53 + 1 rounds back to 2^53 (a tie, to even): the sum stops growing.
    QTest::newRow("period 1 reaches 2^53") << 0x1p53 - 10 << 1.0 << 0x1p53 - 1 << true << 0x1p53;
    QTest::newRow("period 1 stuck at 2^53") << 0x1p53 - 10 << 1.0 << 0x1p53 << false << 0.0;
    QTest::newRow("Algol period stuck before 1E20") << kEpoch << kPeriod << 1e20 << false << 0.0;
    QTest::newRow("infinite threshold") << kEpoch << kPeriod << kInfinity << false << 0.0;
    QTest::newRow("largest threshold") << kEpoch << kPeriod << std::numeric_limits<double>::max()
                                       << false << 0.0;
    QTest::newRow("zero period") << kEpoch << 0.0 << kEpoch + 1 << false << 0.0;
    QTest::newRow("negative period") << kEpoch << -1.0 << kEpoch + 1 << false << 0.0;
}

void TestMinima::stepMinimumEnds()
{
    QFETCH(double, start);
    QFETCH(double, period);
    QFETCH(double, threshold);
    QFETCH(bool, ends);
    QFETCH(double, result);

    const std::optional<double> actual = ephemeris::stepMinimum(start, period, threshold);
    QVERIFY2(actual.has_value() == ends, shown(actual));
    if (ends)
        QVERIFY2(sameBits(*actual, result), shown(actual));
    // The bounded literal loop agrees where it can end, and runs out where it cannot.
    const std::optional<double> literal = ephemeris::stepMinimumLiteral(start, period, threshold,
                                                                        100'000);
    QCOMPARE(literal.has_value(), ends);
    if (ends)
        QVERIFY(sameBits(*literal, result));
}

void TestMinima::literalLoopStopsAtItsBound()
{
    // 2 + 1 + 1 + 1 = 5 > 4.5: three additions.
    QVERIFY(!ephemeris::stepMinimumLiteral(2.0, 1.0, 4.5, 2));
    const std::optional<double> threeSteps = ephemeris::stepMinimumLiteral(2.0, 1.0, 4.5, 3);
    QVERIFY(threeSteps);
    QCOMPARE(*threeSteps, 5.0);
    // No addition needed: ends even with no step allowed.
    QCOMPARE(ephemeris::stepMinimumLiteral(2.0, 1.0, 1.0, 0).value_or(0.0), 2.0);
}

void TestMinima::computeMinimaChain_data()
{
    QTest::addColumn<QByteArray>("regional");
    QTest::addColumn<QByteArray>("instantText");
    QTest::addColumn<int>("additions");
    QTest::addColumn<double>("lastMinimum");
    QTest::addColumn<QByteArray>("nextMinimum");
    QTest::addColumn<double>("phase");
    QTest::addColumn<QByteArray>("phaseText");

    // The first row is the worked example for 01/01/2000 12:00 UT: 3468 additions, last minimum
    // 29/12/1999 22:57:15 UT, next 01/01/2000 19:46:11, phase 0.8871. The others were computed
    // independently in Python (the same loop on the same doubles; the calendar of its datetime
    // module; Decimal rounding), and "#" stands for the regional decimal separator.
    for (const char *regional : {"French", "English"}) {
        QTest::addRow("1 January 2000 noon, %s", regional)
            << QByteArray(regional) << QByteArray("2451545") << 3468 << 2451542.4564197334
            << QByteArray("01/01/2000  19:46:11") << 0.8870948140148679 << QByteArray("0#887");
        QTest::addRow("15 March 2007 midnight, %s", regional)
            << QByteArray(regional) << QByteArray("2454174#5") << 4385 << 2454171.784274663
            << QByteArray("15/03/2007  03:38:17") << 0.9471318418643098 << QByteArray("0#947");
        QTest::addRow("before the epoch: 1 January 1950, %s", regional)
            << QByteArray(regional) << QByteArray("2433282#5") << 0 << kEpoch
            << QByteArray("10/10/1972  23:24:27") << -2900.311964329 << QByteArray("-2900#312");
        QTest::addRow("the epoch, %s", regional)
            << QByteArray(regional) << QByteArray("2441598#608") << 0 << kEpoch
            << QByteArray("10/10/1972  23:24:27") << 0.0 << QByteArray("0#000");
        // The next minimum falls in the year 10000: it cannot be shown.
        QTest::addRow("31 December 9999 23:00, %s", regional)
            << QByteArray(regional) << QByteArray("5373484#45833333") << 1022519
            << 5373482.6744063785 << QByteArray() << 0.6221593901259397 << QByteArray("0#622");
    }
}

// The pure part of ComputeMinima: read the instant text, step, show the next minimum and the phase.
void TestMinima::computeMinimaChain()
{
    QFETCH(QByteArray, regional);
    QFETCH(QByteArray, instantText);
    QFETCH(int, additions);
    QFETCH(double, lastMinimum);
    QFETCH(QByteArray, nextMinimum);
    QFETCH(double, phase);
    QFETCH(QByteArray, phaseText);

    const RegionalSettings settings = settingsNamed(regional);
    const std::optional<double> instant =
        ephemeris::parseRegionalNumber(localized(instantText, regional), settings);
    QVERIFY(instant);

    const std::optional<double> last = ephemeris::lastMinimumAtOrBefore(*instant);
    QVERIFY(last);
    QVERIFY2(*last == lastMinimum, shown(last));
    // The literal loop needs exactly that many additions, not one fewer.
    const double threshold = *instant - kPeriod;
    QVERIFY(ephemeris::stepMinimumLiteral(kEpoch, kPeriod, threshold, additions) == last);
    if (additions > 0)
        QVERIFY(!ephemeris::stepMinimumLiteral(kEpoch, kPeriod, threshold, additions - 1));

    const auto next = ephemeris::formatInstant(*last + kPeriod - ephemeris::kJulianDayOffset,
                                               settings);
    QCOMPARE(next.has_value(), !nextMinimum.isEmpty());
    if (next)
        QCOMPARE(*next, nextMinimum.toStdString());

    const double actualPhase = ephemeris::phaseOf(*instant, *last);
    QVERIFY2(actualPhase == phase, QByteArray::number(actualPhase, 'g', 17));
    QCOMPARE(ephemeris::formatPhase(actualPhase, settings), localized(phaseText, regional));
}

// An instant exactly on a minimum (as the additions build it) takes that minimum, phase 0; one
// millisecond earlier it takes the minimum before, with a phase below 1 that shows as 1.000.
void TestMinima::instantOnAMinimum()
{
    const Elements elements;
    double before = elements.epoch;
    double minimum = elements.epoch;
    for (int k = 0; k < 4400; ++k) {
        before = minimum;
        minimum = minimum + elements.period;
        if (k % 400 != 399)
            continue;
        const std::optional<double> onIt = ephemeris::lastMinimumAtOrBefore(minimum, elements);
        QVERIFY(onIt && sameBits(*onIt, minimum));
        const double phaseOnIt = ephemeris::phaseOf(minimum, *onIt, elements);
        QCOMPARE(phaseOnIt, 0.0);
        QCOMPARE(ephemeris::formatPhase(phaseOnIt, RegionalSettings::english()),
                 std::string("0.000"));

        const double earlier = minimum - kMillisecond;
        const std::optional<double> last = ephemeris::lastMinimumAtOrBefore(earlier, elements);
        QVERIFY(last && sameBits(*last, before));
        const double phase = ephemeris::phaseOf(earlier, *last, elements);
        QVERIFY2(phase < 1, QByteArray::number(phase, 'g', 17));
        QCOMPARE(ephemeris::formatPhase(phase, RegionalSettings::french()), std::string("1,000"));
    }
}

void TestMinima::firstMinimumAfter_data()
{
    QTest::addColumn<double>("threshold");
    QTest::addColumn<double>("period");
    QTest::addColumn<bool>("found");
    QTest::addColumn<qlonglong>("cycle");

    // From the epoch on, the reference is the literal loop: the cycle is its number of additions.
    // Before it, the minimum is epoch - k * period, the first one after the threshold, with the
    // cycles counted by hand ((epoch - threshold) / period, rounded down) below.
    const double before1950 = kEpoch - 2900 * kPeriod; // 1 January 1950 is 2900.31 periods back
    QTest::newRow("1 January 2000 noon") << 2451545.0 << kPeriod << true << 3469LL;
    QTest::newRow("17 September 2022 0h UT") << 2459839.5 << kPeriod << true << 6362LL;
    QTest::newRow("the epoch itself: the next one") << kEpoch << kPeriod << true << 1LL;
    QTest::newRow("a millisecond before the epoch")
        << kEpoch - kMillisecond << kPeriod << true << 0LL;
    QTest::newRow("one day before the epoch") << kEpoch - 1 << kPeriod << true << 0LL;
    QTest::newRow("three days before the epoch") << kEpoch - 3 << kPeriod << true << -1LL;
    QTest::newRow("1 January 1950") << 2433282.5 << kPeriod << true << -2900LL;
    QTest::newRow("on minimum -2900") << before1950 << kPeriod << true << -2899LL;
    QTest::newRow("just before minimum -2900")
        << std::nextafter(before1950, -kInfinity) << kPeriod << true << -2900LL;
    // 2441598.608 / 2.867315 = 851527.86
    QTest::newRow("JD 0") << 0.0 << kPeriod << true << -851527LL;
    QTest::newRow("NaN") << std::numeric_limits<double>::quiet_NaN() << kPeriod << false << 0LL;
    QTest::newRow("+infinity") << kInfinity << kPeriod << false << 0LL;
    QTest::newRow("-infinity") << -kInfinity << kPeriod << false << 0LL;
    QTest::newRow("1E20: more than 2^53 periods ahead") << 1e20 << kPeriod << false << 0LL;
    QTest::newRow("more than 2^53 periods back") << -1e20 << kPeriod << false << 0LL;
    QTest::newRow("zero period") << 2451545.0 << 0.0 << false << 0LL;
    QTest::newRow("negative period") << 2451545.0 << -kPeriod << false << 0LL;
    QTest::newRow("NaN period") << 2451545.0 << std::numeric_limits<double>::quiet_NaN() << false
                                << 0LL;
}

void TestMinima::firstMinimumAfter()
{
    QFETCH(double, threshold);
    QFETCH(double, period);
    QFETCH(bool, found);
    QFETCH(qlonglong, cycle);

    const auto minimum = ephemeris::firstMinimumAfter(threshold, Elements{kEpoch, period});
    const QByteArray inputs = "threshold " + QByteArray::number(threshold, 'g', 17) + ", period "
        + QByteArray::number(period, 'g', 17);
    QVERIFY2(minimum.has_value() == found, inputs);
    if (!found)
        return;
    QVERIFY2(minimum->cycle == cycle, inputs + ": cycle " + QByteArray::number(minimum->cycle));
    const double expected = cycle >= 0
        ? ephemeris::stepMinimumLiteral(kEpoch, period, threshold, kLiteralStepLimit).value()
        : kEpoch - static_cast<double>(-cycle) * period;
    QVERIFY2(sameBits(minimum->instant, expected),
             inputs + ": " + shown(minimum->instant) + " instead of " + shown(expected));
    QVERIFY2(minimum->instant > threshold, inputs);
}

QTEST_APPLESS_MAIN(TestMinima)
#include "tst_minima.moc"
