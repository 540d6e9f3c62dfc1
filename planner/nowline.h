#pragma once

#include "elementsets.h"

#include <QDateTime>
#include <QLocale>
#include <QString>
#include <QTimeZone>

namespace planner {

// The line that says how Algol is at this moment: its predicted magnitude, whether it is fading
// into a minimum, brightening out of one or steady between them, and when the next minimum comes
// (to the half hour when times are rounded).
QString nowSentence(const sky::ElementSet &elements, const QDateTime &now, const QTimeZone &zone,
                    bool halfHourRounding, const QLocale &locale);

} // namespace planner
