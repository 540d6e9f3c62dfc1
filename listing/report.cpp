#include "report.h"

#include "nightsky.h"
#include "starcatalogue.h"

#include <algorithm>
#include <cmath>

namespace listing {

sky::ElementSet elementsOf(const Request &request, const sky::Star &star)
{
    return request.everyStar ? sky::catalogueElements(star) : request.elements;
}

Report makeReport(const Request &request, const QDateTime &generated)
{
    Report report;
    report.request = request;
    report.generated = generated.toUTC();
    const double from = julianDayOf(request.from);
    const double to = julianDayOf(request.to);
    // The Moon only where the minimum is listed.
    const sky::PredictionOptions options{!request.primaryOnly, request.all};
    std::vector<sky::PredictedMinimum> minima;
    if (request.everyStar) {
        for (const sky::Star &star : sky::starCatalogue()) {
            const std::vector<sky::PredictedMinimum> ofStar = sky::predictMinima(
                sky::catalogueElements(star), from, to, request.site, request.conditions, options);
            minima.insert(minima.end(), ofStar.begin(), ofStar.end());
        }
        // The catalogue's order among minima at the same instant.
        std::stable_sort(minima.begin(), minima.end(),
                         [](const sky::PredictedMinimum &a, const sky::PredictedMinimum &b) {
                             return a.jdUtc < b.jdUtc;
                         });
    } else {
        minima = sky::predictMinima(request.elements, from, to, request.site, request.conditions,
                                    options);
    }
    report.minimaInPeriod = int(minima.size());
    report.none = sky::whyNoneObservable(minima, request.site, request.conditions);
    // The span where the elements hold is one stretch of years: the period leaves it if an end does.
    const sky::ElementSet algol = elementsOf(request, sky::algolStar());
    report.extrapolated = sky::isExtrapolated(algol, from) || sky::isExtrapolated(algol, to);
    report.rows.reserve(request.all ? qsizetype(minima.size()) : 0);
    for (const sky::PredictedMinimum &minimum : minima) {
        if (minimum.observable())
            ++report.observableCount;
        if (!minimum.observable() && !request.all)
            continue;
        const QDateTime utc = utcOfJulianDay(minimum.jdUtc);
        std::optional<double> watchable;
        if (request.site && minimum.sky) {
            const double hours = sky::watchableHours(*request.site, *minimum.sky, request.conditions,
                                                     sky::watchWindowHours(*minimum.star));
            if (std::isfinite(hours))
                watchable = hours;
        }
        report.rows.append({minimum, utc, localTimeOf(utc, request.zone), watchable});
    }
    return report;
}

} // namespace listing
