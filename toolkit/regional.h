#pragma once

#include "regionalsettings.h"

#include <QLocale>

namespace toolkit {

// The regional settings of a locale: decimal separator, date separator, time separator.
ephemeris::RegionalSettings regionalSettingsOf(const QLocale &locale);
// Those of the system, read once on first use.
const ephemeris::RegionalSettings &regionalSettings();

} // namespace toolkit
