#pragma once

// What the planner remembers for its user: the site, the elements, the conditions and the
// switches, in one small JSON file written whole. Reading forgives: a missing or damaged file, or
// any entry of the wrong kind or out of range, gives that entry's default and nothing else.

#include "elementsets.h"
#include "observability.h"
#include "site.h"

#include <QString>

#include <optional>

namespace planner {

// Where the elements come from: the current or classic sets, numbers of the user's own, or an
// elements file that algol-minima fit wrote from the user's timings.
enum class ElementsSource { Current, Classic, Custom, File };

struct ElementsChoice
{
    ElementsSource source = ElementsSource::Current;
    // Custom elements: Min I = epoch + period E, heliocentric or geocentric.
    double customEpoch = 2455528.105;
    double customPeriod = 2.867326;
    bool customHeliocentric = true;
    QString file; // the elements file
};

// The element set of a choice; empty when custom numbers are out of the accepted ranges or the
// elements file cannot be read, with the reason in *error for the file.
std::optional<sky::ElementSet> elementSetOf(const ElementsChoice &choice, QString *error = nullptr);

struct PlannerSettings
{
    bool hasSite = false; // false until the user's site is known: the first start
    QString placeName;
    sky::Site site;
    QString zoneId;
    ElementsChoice elements;
    sky::Conditions conditions;
    int days = 30; // 30, 90 or 365
    bool onlyWatchable = false;
    bool halfHourRounding = false;
};

inline constexpr int kPeriodChoices[] = {30, 90, 365};

// The settings in the file at path, forgivingly.
PlannerSettings readSettings(const QString &path);
// The file's bytes for the settings.
QByteArray settingsText(const PlannerSettings &settings);
// Writes them whole through listing::saveWhole; false (and the reason) when the file could not be
// replaced, the old one then staying as it was.
bool writeSettings(const QString &path, const PlannerSettings &settings, QString *reason = nullptr);

// ~/.config/algol-planner.json, in the user's configuration folder.
QString defaultSettingsPath();

} // namespace planner
