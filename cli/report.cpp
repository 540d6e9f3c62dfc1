#include "report.h"

namespace cli {

Report makeReport(const MinimaOptions &options, const QDateTime &generated)
{
    Report report;
    report.options = options;
    report.generated = generated.toUTC();
    const std::vector<sky::PredictedMinimum> minima =
        sky::predictMinima(options.elements, julianDayOf(options.from), julianDayOf(options.to),
                           options.site, options.conditions);
    report.minimaInPeriod = int(minima.size());
    report.none = sky::whyNoneObservable(minima, options.site, options.conditions);
    // The span where the elements hold is one stretch of years: the period leaves it if an end does.
    report.extrapolated = sky::isExtrapolated(options.elements, julianDayOf(options.from))
        || sky::isExtrapolated(options.elements, julianDayOf(options.to));
    for (const sky::PredictedMinimum &minimum : minima) {
        if (minimum.observable())
            ++report.observableCount;
        if (!minimum.observable() && !options.all)
            continue;
        const QDateTime utc = utcOfJulianDay(minimum.jdUtc);
        report.rows.append({minimum, utc, localTimeOf(utc, options.zone)});
    }
    return report;
}

} // namespace cli
