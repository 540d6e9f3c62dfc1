#include "nighttiming.h"

#include "inputfiles.h"
#include "plannertexts.h"
#include "wording.h"
#include "zonetime.h"

#include "eclipsemodel.h"
#include "observationtimes.h"
#include "timetypes.h"

#include <algorithm>
#include <cmath>

namespace planner {

namespace {

QString methodText(timing::Method method)
{
    switch (method) {
    case timing::Method::KweeVanWoerden:
        return AlgolPlanner::tr("Kwee and van Woerden");
    case timing::Method::Template:
        return AlgolPlanner::tr("fit of the eclipse template");
    case timing::Method::Auto:
        break;
    }
    return {};
}

// The template's depth for a band timed by it: its points fitted again (the timing keeps only the
// minimum and its error).
std::optional<double> templateDepthOf(const timing::EclipseTiming &timed,
                                      const std::vector<timing::Observation> &inScale,
                                      const sky::ElementSet &elements, const timing::TimingOptions &options)
{
    if (timed.untimed || timed.method != timing::Method::Template)
        return std::nullopt;
    std::vector<timing::Observation> band;
    for (const timing::Observation &o : inScale)
        if (o.band == timed.band)
            band.push_back(o);
    for (const timing::Eclipse &eclipse : timing::splitIntoEclipses(band, elements.elements, options.windowHours)) {
        if (eclipse.cycle + elements.epochCycle != timed.cycle)
            continue;
        std::vector<double> times, values;
        for (const timing::Observation &point : eclipse.points) {
            times.push_back(point.time);
            values.push_back(point.value);
        }
        const std::optional<timing::EclipseCurve> curve = timing::EclipseCurve::ofStar(*elements.star);
        if (!curve)
            return std::nullopt;
        const auto fit = timing::fitTemplate(times, values, elements.elements.period, false, *curve);
        if (const auto *found = std::get_if<timing::TemplateTiming>(&fit))
            return found->depth;
    }
    return std::nullopt;
}

QString timingText(const BandTiming &band, const NightTiming &night, bool automatic, const QTimeZone &zone,
                   const QLocale &locale)
{
    const timing::EclipseTiming &t = band.timing;
    const QString bandName = listing::visible(QString::fromStdString(t.band));
    if (t.untimed)
        return AlgolPlanner::tr("%1, %n points: not timed: %2.", nullptr, t.points)
            .arg(bandName, listing::untimedMessage(*t.untimed));
    const QDateTime utc = listing::utcOfJulianDay(t.minimumJdUtc);
    const listing::LocalTime local = listing::localTimeOf(utc, zone);
    const QString scale = night.scale == sky::DateScale::HeliocentricUtc ? QStringLiteral("HJD") : QStringLiteral("JD");
    const double minutes = ephemeris::kMinutesPerDay;
    return AlgolPlanner::tr("%1: minimum at %2 %3 (%4 UT), %5 %6 ± %7 d (± %8 min); %9, N = %10; "
                            "E %11, O−C %12 min (%13 d).")
        .arg(bandName, listing::clockText(local.local.time()), local.abbreviation, listing::clockText(utc.time()),
             scale, listing::fixedNumber(t.minimum, 5, locale), listing::fixedNumber(t.errorDays, 5, locale),
             listing::fixedNumber(t.errorDays * minutes, 1, locale),
             automatic ? AlgolPlanner::tr("%1 (chosen by the points)").arg(methodText(t.method)) : methodText(t.method))
        .arg(QString::number(t.points), QString::number(t.cycle), listing::signedNumber(t.ocDays * minutes, 1, locale),
             listing::signedNumber(t.ocDays, 5, locale));
}

} // namespace

const BandTiming *NightTiming::timed() const
{
    for (const BandTiming &band : bands)
        if (!band.timing.untimed)
            return &band;
    return nullptr;
}

NightTiming timeNight(const std::vector<timing::Observation> &observations, const sky::ElementSet &elements,
                      const timing::TimingOptions &options)
{
    // In the elements' scale already, which the timing then keeps.
    timing::ObservationFile file;
    file.observations = observationsInScale(observations, sky::dateScaleOf(elements.reference), *elements.star);
    const timing::TimingReport report = timing::timeObservations(file, elements, options);
    NightTiming night;
    night.scale = report.scale;
    night.outsideWindows = report.outsideWindows;
    for (const timing::EclipseTiming &eclipse : report.eclipses)
        night.bands.push_back({eclipse, templateDepthOf(eclipse, file.observations, elements, options)});
    std::stable_sort(night.bands.begin(), night.bands.end(), [](const BandTiming &a, const BandTiming &b) {
        return a.timing.points > b.timing.points;
    });
    return night;
}

std::vector<timing::Observation> observationsInScale(const std::vector<timing::Observation> &observations,
                                                     sky::DateScale scale, const sky::Star &star)
{
    std::vector<timing::Observation> converted = observations;
    if (converted.empty())
        return converted;
    const auto [first, last] = std::minmax_element(converted.begin(), converted.end(),
        [](const timing::Observation &a, const timing::Observation &b) { return a.time < b.time; });
    const double from = first->time;
    const double to = last->time;
    const bool smooth = scale == sky::DateScale::HeliocentricUtc && to - from <= 1
        && std::all_of(converted.begin(), converted.end(), [](const timing::Observation &o) {
               return o.scale == sky::DateScale::JulianDayUtc;
           });
    if (!smooth) {
        for (timing::Observation &o : converted) {
            o.time = sky::convertDate(o.time, o.scale, scale, star);
            o.scale = scale;
        }
        return converted;
    }
    // The correction at three instants, and Lagrange's parabola through them.
    const double middle = (from + to) / 2;
    const double at[3] = {from, middle, to};
    double correction[3];
    for (int i = 0; i < 3; ++i)
        correction[i] = sky::convertDate(at[i], sky::DateScale::JulianDayUtc, scale, star) - at[i];
    for (timing::Observation &o : converted) {
        const double t = o.time;
        double sum = 0;
        for (int i = 0; i < 3; ++i) {
            double weight = 1;
            for (int j = 0; j < 3; ++j)
                if (j != i && at[i] != at[j])
                    weight *= (t - at[j]) / (at[i] - at[j]);
            sum += weight * correction[i];
        }
        o.time = t + (to > from ? sum : correction[0]);
        o.scale = scale;
    }
    return converted;
}

std::vector<timing::TimingRecord> timingRecordsOf(const NightTiming &night, const sky::ElementSet &elements,
                                                  const QString &source)
{
    std::vector<timing::TimingRecord> records;
    const std::string name = listing::elementsName(elements).toStdString();
    for (const BandTiming &band : night.bands)
        if (!band.timing.untimed)
            records.push_back(timing::recordOf(band.timing, night.scale, name, source.toStdString(), *elements.star));
    return records;
}

QString nightTimingText(const NightTiming &night, const timing::TimingOptions &options, const QTimeZone &zone,
                        const QLocale &locale)
{
    if (night.bands.empty())
        return AlgolPlanner::tr("Not timed: no point of the log lies within %1 h of the predicted minimum.")
            .arg(listing::fixedNumber(options.windowHours, 1, locale));
    QStringList lines;
    for (const BandTiming &band : night.bands)
        lines << timingText(band, night, options.method == timing::Method::Auto, zone, locale);
    return lines.join(QLatin1Char('\n'));
}

QList<QPointF> fittedEclipse(const sky::LightCurve &light, const QList<QPointF> &points, double minimumJdUtc,
                             double period, double depth, double fromJdUtc, double toJdUtc, double stepDays)
{
    const double outside = light.magnitude(0.25);
    const auto shape = [&](double jdUtc) {
        return depth * (light.magnitude((jdUtc - minimumJdUtc) / period) - outside);
    };
    double sum = 0;
    for (const QPointF &point : points)
        sum += point.y() - shape(point.x());
    const double level = points.isEmpty() ? outside : sum / double(points.size());
    QList<QPointF> curve;
    if (!(stepDays > 0) || !(toJdUtc >= fromJdUtc))
        return curve;
    for (double jd = fromJdUtc; jd <= toJdUtc + stepDays / 2; jd += stepDays)
        curve.append(QPointF(jd, level + shape(jd)));
    return curve;
}

} // namespace planner
