#pragma once

// What a listing of minima is asked for: the period, the site and its zone, the elements and the
// conditions of a visible minimum. The command line and the planner fill it in their own ways.

#include "elementsets.h"
#include "observability.h"
#include "site.h"

#include <QDateTime>
#include <QTimeZone>

#include <optional>

namespace listing {

// Where the site comes from, as the table's header says it: typed (algol-minima's --lat and
// --lon, the planner's fields), the site that the planner saved, or the city of the time zone,
// looked for when neither was there (no site when the zone names no city).
enum class SiteSource { Typed, PlannerSite, ZoneCity };

struct Request
{
    QDateTime from; // UTC, exclusive
    QDateTime to;   // UTC, inclusive
    std::optional<sky::Site> site;
    SiteSource siteSource = SiteSource::Typed;
    QString placeName; // the planner's name of its site, or the zone's city; empty when typed
    QTimeZone zone;
    sky::ElementSet elements; // they name the star listed
    sky::Conditions conditions;
    bool all = false; // also the minima that cannot be seen
    // Every star of the catalogue, each with its catalogue elements, merged in time order (the
    // elements above are then not used).
    bool everyStar = false;
    bool primaryOnly = false; // leave out the secondary minima (sky::listedSecondaryPhase)
};

enum class OutputFormat { Table, Csv, Json, Ics };

} // namespace listing
