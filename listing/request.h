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

struct Request
{
    QDateTime from; // UTC, exclusive
    QDateTime to;   // UTC, inclusive
    std::optional<sky::Site> site;
    QTimeZone zone;
    sky::ElementSet elements;
    sky::Conditions conditions;
    bool all = false; // also the minima that cannot be seen
};

enum class OutputFormat { Table, Csv, Json, Ics };

} // namespace listing
