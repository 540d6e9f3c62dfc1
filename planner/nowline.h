#pragma once

#include "elementsets.h"

#include <QDateTime>
#include <QLocale>
#include <QString>
#include <QTimeZone>

namespace planner {

// The line that says how the elements' star is at this moment: its predicted magnitude (its
// sky::LightCurve), whether it is fading into a minimum, brightening out of one or steady between
// them, and when the next minimum comes (to the half hour when times are rounded); a secondary
// minimum, where the star has one worth listing, is said to be one. Algol's sentence names Algol
// as it always did; another star's names it: "λ Tau is fading: magnitude 3.6 now; ...".
QString nowSentence(const sky::ElementSet &elements, const QDateTime &now, const QTimeZone &zone,
                    bool halfHourRounding, const QLocale &locale);

} // namespace planner
