// The minima of a period and whether a site sees them.

#include "heliocentric.h"
#include "observability.h"

#include <QTest>

#include <cmath>
#include <limits>

using sky::Conditions;
using sky::ElementSet;
using sky::NoneObservable;
using sky::Site;

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kSecond = 1.0 / 86400;

ElementSet setNamed(const QByteArray &name)
{
    return name == "classic" ? sky::classicElements() : sky::currentElements();
}

QByteArray inputs(const QByteArray &set, double from, double to, const std::optional<Site> &site)
{
    QByteArray text = set + " (" + QByteArray::number(from, 'f', 5) + ", "
        + QByteArray::number(to, 'f', 5) + "]";
    if (site)
        text += " at " + QByteArray::number(site->latitudeDeg) + ", "
            + QByteArray::number(site->longitudeDeg);
    return text;
}

} // namespace

Q_DECLARE_METATYPE(std::optional<Site>)
Q_DECLARE_METATYPE(Conditions)
Q_DECLARE_METATYPE(NoneObservable)

class TestObservability : public QObject
{
    Q_OBJECT

private slots:
    void minima_data();
    void minima();
    void hundredYears_data();
    void hundredYears();
    void nothingToPredict_data();
    void nothingToPredict();
};

void TestObservability::minima_data()
{
    QTest::addColumn<QByteArray>("set");
    QTest::addColumn<double>("from");
    QTest::addColumn<double>("to");
    QTest::addColumn<std::optional<Site>>("site");
    QTest::addColumn<Conditions>("conditions");
    QTest::addColumn<int>("count");
    QTest::addColumn<qlonglong>("firstCycle"); // -1: not checked
    QTest::addColumn<double>("firstJd");
    QTest::addColumn<NoneObservable>("why");

    const Site paris{48.85, 2.35, 0};
    const Conditions usual;
    // The classic elements (JD 2441598.608 + 2.867315 E): the minimum of 17 September 2022 at
    // 23:11:04.95 UT, E = 6362 (the stepping, done in Python).
    QTest::newRow("classic, 17 September 2022")
        << QByteArray("classic") << 2459839.5 << 2459840.5 << std::optional<Site>() << usual << 1
        << 6362LL << 2459840.466029511 << NoneObservable::NotNone;
    // The current elements put that minimum at 01:31:09 HJD on 18 September 2022 (published
    // predictions: 01:31). The Earth was then 3.7 light-minutes nearer Algol than the Sun, so it
    // was seen at 01:27:27.18 UT (astropy 5.2.1 light_travel_time, kind='heliocentric').
    QTest::newRow("current, 18 September 2022")
        << QByteArray("current") << 2459840.5 << 2459841.0 << std::optional<Site>() << usual << 1
        << 1504LL << 2459840.560731265 << NoneObservable::NotNone;

    // Whether the site sees them, from astropy 5.2.1 altitudes (AltAz, pressure 0) at the classic
    // minima: Paris on 17 September 2022 23:11, Algol 47.67, Sun -38.65; Paris from 1 to 11
    // April 2023, Algol 36.29 and Sun -10.89 on the 3rd at 19:27, the other two by day; 78 N
    // 15 E, 11 minima in June 2022, the Sun at +10.6 or higher; 55 S 68 W, Algol never above the
    // horizon (culminates at -5.96) and at most 19.04 high at 30 S.
    QTest::newRow("Paris, 17 September 2022")
        << QByteArray("classic") << 2459839.5 << 2459840.5 << std::optional<Site>(paris) << usual
        << 1 << 6362LL << 2459840.466029511 << NoneObservable::NotNone;
    QTest::newRow("Paris, April 2023: twilight too bright")
        << QByteArray("classic") << 2460035.5 << 2460045.5 << std::optional<Site>(paris) << usual
        << 3 << -1LL << kNaN << NoneObservable::SkyNeverDarkEnough;
    QTest::newRow("Paris, April 2023: Sun below -10, Algol above 40")
        << QByteArray("classic") << 2460035.5 << 2460045.5 << std::optional<Site>(paris)
        << Conditions{40, -10} << 3 << -1LL << kNaN << NoneObservable::NoneThisTime;
    QTest::newRow("Paris, April 2023: Sun below -10, Algol above 20")
        << QByteArray("classic") << 2460035.5 << 2460045.5 << std::optional<Site>(paris)
        << Conditions{20, -10} << 3 << -1LL << kNaN << NoneObservable::NotNone;
    QTest::newRow("78 N in June: never dark")
        << QByteArray("classic") << 2459731.5 << 2459761.5 << std::optional<Site>({78, 15, 0})
        << usual << 11 << -1LL << kNaN << NoneObservable::SkyNeverDarkEnough;
    QTest::newRow("55 S: Algol never up")
        << QByteArray("classic") << 2459853.5 << 2459867.5 << std::optional<Site>({-55, -68, 0})
        << Conditions{0, -12} << 5 << -1LL << kNaN << NoneObservable::AlgolNeverHighEnough;
    QTest::newRow("30 S: Algol never 20 degrees high")
        << QByteArray("current") << 2459853.5 << 2459867.5 << std::optional<Site>({-30, 18, 0})
        << usual << 5 << -1LL << kNaN << NoneObservable::AlgolNeverHighEnough;
    // Classic minima on 17 September 23:11 and 20 September 19:59: none between.
    QTest::newRow("no minimum from 18 to 20 September 2022")
        << QByteArray("classic") << 2459840.5 << 2459842.5 << std::optional<Site>(paris) << usual
        << 0 << -1LL << kNaN << NoneObservable::NoMinimum;
}

void TestObservability::minima()
{
    QFETCH(QByteArray, set);
    QFETCH(double, from);
    QFETCH(double, to);
    QFETCH(std::optional<Site>, site);
    QFETCH(Conditions, conditions);
    QFETCH(int, count);
    QFETCH(qlonglong, firstCycle);
    QFETCH(double, firstJd);
    QFETCH(NoneObservable, why);

    const auto minima = sky::predictMinima(setNamed(set), from, to, site, conditions);
    const QByteArray where = inputs(set, from, to, site);
    QVERIFY2(int(minima.size()) == count, where + ": " + QByteArray::number(minima.size()));
    if (firstCycle >= 0) {
        QVERIFY2(minima.front().cycle == firstCycle, where);
        QVERIFY2(std::fabs(minima.front().jdUtc - firstJd) < 0.1 * kSecond,
                 where + ": " + QByteArray::number(minima.front().jdUtc, 'f', 8));
    }
    QVERIFY2(sky::whyNoneObservable(minima, site, conditions) == why,
             where + ": " + QByteArray::number(int(sky::whyNoneObservable(minima, site, conditions))));
}

void TestObservability::hundredYears_data()
{
    QTest::addColumn<QByteArray>("set");
    QTest::addColumn<std::optional<Site>>("site");

    QTest::newRow("classic, no site") << QByteArray("classic") << std::optional<Site>();
    QTest::newRow("current, Paris") << QByteArray("current") << std::optional<Site>({48.85, 2.35, 0});
    QTest::newRow("current, north pole") << QByteArray("current") << std::optional<Site>({90, 0, 0});
}

// Every minimum of 2000-2099 (36525 days, the longest period), none left out: the instants follow
// the linear elements (epoch + E * period, read as geocentric or heliocentric), and the minima just
// outside the period fall outside it.
void TestObservability::hundredYears()
{
    QFETCH(QByteArray, set);
    QFETCH(std::optional<Site>, site);

    const ElementSet elementSet = setNamed(set);
    const bool heliocentric = elementSet.reference == sky::TimeReference::Heliocentric;
    const double epoch = elementSet.elements.epoch;
    const double period = elementSet.elements.period;
    const auto seen = [&](long long cycle) {
        const double instant = epoch + static_cast<double>(cycle) * period;
        return heliocentric ? sky::geocentricFromHeliocentric(instant) : instant;
    };
    const double from = 2451544.5;
    const double to = from + sky::kLongestPredictionDays;
    const Conditions conditions;
    const auto minima = sky::predictMinima(elementSet, from, to, site, conditions);
    const QByteArray where = inputs(set, from, to, site);

    QVERIFY2(minima.size() > 12700, where);
    QVERIFY2(seen(minima.front().cycle - 1) <= from && seen(minima.back().cycle + 1) > to, where);
    for (std::size_t i = 0; i < minima.size(); ++i) {
        const sky::PredictedMinimum &minimum = minima[i];
        QVERIFY2(minimum.cycle == minima.front().cycle + static_cast<long long>(i), where);
        // The classic minima come from the stepping, whose additions drift by a few hundredths of
        // a second from epoch + E * period over 10,000 periods.
        QVERIFY2(std::fabs(minimum.jdUtc - seen(minimum.cycle)) < 0.5 * kSecond,
                 where + ": E = " + QByteArray::number(minimum.cycle));
        QVERIFY2(minimum.jdUtc > from && minimum.jdUtc <= to, where);
        QVERIFY(minimum.uncertaintyMinutes.has_value());
        QCOMPARE(minimum.sky.has_value(), site.has_value());
        if (!site) {
            QVERIFY(minimum.observable());
            continue;
        }
        QCOMPARE(minimum.algolHighEnough,
                 minimum.sky->algol.altitudeDeg >= conditions.minAlgolAltitudeDeg);
        QCOMPARE(minimum.skyDarkEnough, minimum.sky->sun.altitudeDeg <= conditions.maxSunAltitudeDeg);
    }
}

void TestObservability::nothingToPredict_data()
{
    QTest::addColumn<double>("from");
    QTest::addColumn<double>("to");
    QTest::addColumn<std::optional<Site>>("site");
    QTest::addColumn<double>("period");

    const double infinity = std::numeric_limits<double>::infinity();
    const std::optional<Site> paris = Site{48.85, 2.35, 0};
    const double year2022 = 2459580.5;
    QTest::newRow("NaN start") << kNaN << year2022 << paris << 2.867326;
    QTest::newRow("NaN end") << year2022 << kNaN << paris << 2.867326;
    QTest::newRow("infinite end") << year2022 << infinity << paris << 2.867326;
    QTest::newRow("infinite start") << -infinity << year2022 << paris << 2.867326;
    QTest::newRow("reversed") << year2022 + 30 << year2022 << paris << 2.867326;
    QTest::newRow("empty") << year2022 << year2022 << paris << 2.867326;
    QTest::newRow("a day more than 100 years")
        << year2022 << year2022 + sky::kLongestPredictionDays + 1 << paris << 2.867326;
    QTest::newRow("NaN latitude") << year2022 << year2022 + 30 << std::optional<Site>({kNaN, 0, 0})
                                  << 2.867326;
    QTest::newRow("latitude 91") << year2022 << year2022 + 30 << std::optional<Site>({91, 0, 0})
                                 << 2.867326;
    QTest::newRow("infinite height") << year2022 << year2022 + 30
                                     << std::optional<Site>({45, 0, infinity}) << 2.867326;
    QTest::newRow("a period of a second") << year2022 << year2022 + 30 << paris << kSecond;
    QTest::newRow("zero period") << year2022 << year2022 + 30 << paris << 0.0;
    QTest::newRow("NaN period") << year2022 << year2022 + 30 << paris << kNaN;
    QTest::newRow("beyond the year 9999") << 5373484.5 << 5373484.5 + 30 << paris << 2.867326;
}

void TestObservability::nothingToPredict()
{
    QFETCH(double, from);
    QFETCH(double, to);
    QFETCH(std::optional<Site>, site);
    QFETCH(double, period);

    const ElementSet set{sky::ElementSetKind::Custom, {2455528.105, period},
                         sky::TimeReference::Heliocentric};
    const auto minima = sky::predictMinima(set, from, to, site, Conditions{});
    QVERIFY2(minima.empty(), inputs("custom", from, to, site));
    QCOMPARE(sky::whyNoneObservable(minima, site, Conditions{}), NoneObservable::NoMinimum);
}

QTEST_APPLESS_MAIN(TestObservability)
#include "tst_observability.moc"
