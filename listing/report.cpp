#include "report.h"

#include "nightsky.h"

#include <cmath>

namespace listing {

Report makeReport(const Request &request, const QDateTime &generated)
{
    Report report;
    report.request = request;
    report.generated = generated.toUTC();
    const std::vector<sky::PredictedMinimum> minima =
        sky::predictMinima(request.elements, julianDayOf(request.from), julianDayOf(request.to),
                           request.site, request.conditions);
    report.minimaInPeriod = int(minima.size());
    report.none = sky::whyNoneObservable(minima, request.site, request.conditions);
    // The span where the elements hold is one stretch of years: the period leaves it if an end does.
    report.extrapolated = sky::isExtrapolated(request.elements, julianDayOf(request.from))
        || sky::isExtrapolated(request.elements, julianDayOf(request.to));
    for (const sky::PredictedMinimum &minimum : minima) {
        if (minimum.observable())
            ++report.observableCount;
        if (!minimum.observable() && !request.all)
            continue;
        const QDateTime utc = utcOfJulianDay(minimum.jdUtc);
        std::optional<double> watchable;
        if (request.site && minimum.sky) {
            const double hours = sky::watchableHours(*request.site, *minimum.sky, request.conditions);
            if (std::isfinite(hours))
                watchable = hours;
        }
        report.rows.append({minimum, utc, localTimeOf(utc, request.zone), watchable});
    }
    return report;
}

} // namespace listing
