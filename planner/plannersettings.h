#pragma once

// What the planner remembers for its user: the star, the site, the elements, the conditions, the switches,
// the observer's codes and instrument, the timing's options, the window's size and the last folder
// of a file dialog, in one small JSON file written whole.
// Reading forgives: a missing file, or any entry of the wrong kind or out of range, gives that
// entry's default and nothing else; a file that is not JSON at all gives the defaults and is said
// to be damaged, so that the window can keep it aside before it writes its own.

#include "elementsets.h"
#include "minimumtiming.h"
#include "observability.h"
#include "site.h"
#include "starcatalogue.h"

#include <QList>
#include <QMap>
#include <QSize>
#include <QString>

#include <optional>

namespace planner {

// Where the elements come from: the current or classic sets, numbers of the user's own, or an
// elements file that algol-minima fit wrote from the user's timings.
enum class ElementsSource { Current, Classic, Custom, File };

// Custom elements: Min I = epoch + period E, heliocentric or geocentric.
struct CustomNumbers
{
    double epoch = 0;
    double period = 0;
    bool heliocentric = true;
};

struct ElementsChoice
{
    ElementsSource source = ElementsSource::Current;
    // The custom elements of the star planned for.
    double customEpoch = 2455528.105;
    double customPeriod = 2.867326;
    bool customHeliocentric = true;
    QString file; // the elements file
    // The custom elements last used for other stars, by AAVSO name: given back when such a star
    // is chosen again, so that looking at another star loses no typed numbers.
    QMap<QString, CustomNumbers> otherStars;
};

// The element set of a choice for the star (the classic elements are Algol's only: another star's
// current ones stand for them); empty when custom numbers are out of the accepted ranges or the
// elements file cannot be read, with the reason in *error for the file. The file's own star is
// kept: the caller compares it with the star.
std::optional<sky::ElementSet> elementSetOf(const ElementsChoice &choice, const sky::Star &star,
                                            QString *error = nullptr);
// The longest period the custom elements take, days (as algol-minima's EPOCH:PERIOD).
inline constexpr double kLongestCustomPeriod = 20;

struct PlannerSettings
{
    bool hasSite = false; // false until the user's site is known: the first start
    // The star planned for, a row of the catalogue, kept by its AAVSO name ("star": "LAM TAU");
    // Algol when the file names none or a star the catalogue does not know.
    const sky::Star *star = &sky::algolStar();
    QString placeName;
    sky::Site site;
    QString zoneId;
    ElementsChoice elements;
    sky::Conditions conditions;
    int days = 30; // 30, 90 or 365
    bool onlyWatchable = false;
    bool halfHourRounding = false;
    // The observer, as the AAVSO file, the minimum report and the sheets name them: the AAVSO
    // observer code (capitals and digits), the chart's ID, the instrument in words.
    QString observerCode;
    QString chartId;
    QString instrument;
    // How a night is timed, as algol-minima time's --method, --folds, --window and --noise.
    timing::TimingOptions timing;
    // The window as the user left it: its size (empty: fitted to the screen), whether maximised,
    // the heights of the list and the chart; and the folder of the last file chosen or written.
    QSize windowSize;
    bool maximized = false;
    QList<int> splitterSizes;
    QString folder;
};

inline constexpr int kPeriodChoices[] = {30, 90, 365};
// The longest observer code, chart ID and instrument kept.
inline constexpr int kLongestCode = 10;
inline constexpr int kLongestChartId = 20;
inline constexpr int kLongestInstrument = 100;
// The timing's window about a predicted minimum, in hours, as algol-minima accepts it.
inline constexpr double kShortestTimingWindow = 0.5;
inline constexpr double kLongestTimingWindow = 24;

// The settings in the file at path, forgivingly (read through listing::readInput: a pipe or a
// device at that path is refused, not waited on). *damage says why a file that exists gave
// nothing: not JSON, not an object, too large, unreadable; empty otherwise.
PlannerSettings readSettings(const QString &path, QString *damage = nullptr);
// The file's bytes for the settings.
QByteArray settingsText(const PlannerSettings &settings);
// Writes them whole through listing::saveWhole; false (and the reason) when the file could not be
// replaced, the old one then staying as it was.
bool writeSettings(const QString &path, const PlannerSettings &settings, QString *reason = nullptr);

// Keeps a copy of the damaged file at path as path.bad, or path.bad.2, .bad.3... when an older
// .bad holds other bytes (one that holds the same bytes is left as it is); the name of the copy,
// or empty (and the reason) when no copy could be made.
QString keepDamagedFile(const QString &path, QString *reason = nullptr);

// ~/.config/algol-planner.json, in the user's configuration folder.
QString defaultSettingsPath();

} // namespace planner
