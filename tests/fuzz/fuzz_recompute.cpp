// Fuzz target: the main window's whole recomputation from whatever is typed into its fields.
//
// Input, one line each: the regional settings ("fr" or empty: French, "en": English, any other
// text: those of the locale of that name as the system would give them, "fi_FI", "ar_EG"...),
// the texts of Text1 (date), Text3, Text4, Text5 (hours, minutes, seconds) and Text6 (offset),
// Check1 (unchecked when the line starts with "0"), and a year for the yearly list.
// The window is made once, in edit mode. For each input its fields and outputs are emptied
// quietly, then the fields are set one after the other, each setting running its change handler
// as typing does, and Check1 last, so that the month list, the instant, the minima and the views
// are all recomputed from the final fields.

#include "fields.h"

#include "algol.h"
#include "checkbox.h"
#include "clock.h"
#include "fonts.h"
#include "regional.h"
#include "textfield.h"

#include "calendar.h"
#include "instant.h"
#include "minima.h"
#include "monthlist.h"
#include "textconversions.h"
#include "timescale.h"
#include "yearlist.h"

#include <QApplication>
#include <QListWidget>
#include <QLocale>
#include <QSettings>
#include <QSignalBlocker>
#include <QTemporaryDir>

#include <cmath>
#include <cstdlib>

using namespace ephemeris;

namespace {

const QTime kTimeOfDay(14, 0, 0);

struct Harness
{
    QTemporaryDir config; // the saved offset is read from here, never from the user's folder
    toolkit::ManualClock clock{QDateTime(QDate(2007, 3, 15), kTimeOfDay)};
    RegionalSettings regional = RegionalSettings::french(); // each input sets its own
    Algol window{clock, regional};
};

Harness *harness = nullptr;

std::string textOf(const QLineEdit *field)
{
    return field->text().toStdString();
}

std::string fieldsContext(const Algol &w)
{
    return "Text1=" + fuzz::quoted(textOf(w.Text1)) + " Text3=" + fuzz::quoted(textOf(w.Text3))
        + " Text4=" + fuzz::quoted(textOf(w.Text4)) + " Text5=" + fuzz::quoted(textOf(w.Text5))
        + " Text6=" + fuzz::quoted(textOf(w.Text6))
        + " Check1=" + (w.Check1->isChecked() ? "1" : "0")
        + " -> Text2=" + fuzz::quoted(textOf(w.Text2));
}

// The instant text the fields compose to, when they compose: day number of the date, leading
// numbers of the time fields and, for local time, of the offset.
void checkInstant(const Algol &w, const RegionalSettings &regional)
{
    const auto day = dayNumberOfText(textOf(w.Text1), regional);
    const auto hours = leadingNumber(textOf(w.Text3));
    const auto minutes = leadingNumber(textOf(w.Text4));
    const auto seconds = leadingNumber(textOf(w.Text5));
    if (!day || !hours || !minutes || !seconds)
        return;
    const auto instant = composeInstant(*day, *hours, *minutes, *seconds,
                                        timeScaleOf(w.Check1->isChecked(), textOf(w.Text6)));
    if (!instant)
        return;
    FUZZ_CHECK(textOf(w.Text2) == formatRegionalNumber(*instant, regional), fieldsContext(w));
}

// The outputs were emptied before the fields were set: what they hold now comes from these fields.
void checkOutputs(const Algol &w, const RegionalSettings &regional)
{
    const std::string context = fieldsContext(w);
    FUZZ_CHECK(std::isfinite(w.CurrentPhase), context);
    const std::string phase = textOf(w.Text8);
    FUZZ_CHECK(phase.empty() || phase == formatPhase(w.CurrentPhase, regional),
               context + " Text8=" + fuzz::quoted(phase));

    const std::string next = textOf(w.Text7);
    FUZZ_CHECK(next.empty() || parseDateText(next, regional),
               context + " Text7=" + fuzz::quoted(next));

    // Successive minima, all shifted alike: one period (2 d 20 h 49 min) from one to the next.
    FUZZ_CHECK(w.List1->count() <= kMonthListLength, context);
    std::optional<long long> previousDay;
    for (int i = 0; i < w.List1->count(); ++i) {
        const std::string item = w.List1->item(i)->text().toStdString();
        const auto day = dayNumberOfText(item, regional);
        FUZZ_CHECK(day, context + " item " + fuzz::quoted(item));
        FUZZ_CHECK(!previousDay || *day - *previousDay == 2 || *day - *previousDay == 3,
                   context + " item " + fuzz::quoted(item));
        previousDay = day;
    }
}

// A year as the year prompt accepts it: digits only, blanks around them, within the listable years.
std::optional<int> listYear(std::string text)
{
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r'))
        text.pop_back();
    const std::size_t first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos || text.size() - first > 9)
        return std::nullopt;
    int year = 0;
    for (std::size_t i = first; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9')
            return std::nullopt;
        year = year * 10 + (text[i] - '0');
    }
    if (year < kFirstListYear || year > kLastListYear)
        return std::nullopt;
    return year;
}

// The yearly list's text for 1 January of the year at the clock's time of day, with the window's
// offset. An offset beyond a year makes the list start years early, its length growing with the
// offset: those are left out here, so that every call stays a year's worth of lines.
void checkYearList(const Algol &w, const std::string &yearText, const RegionalSettings &regional)
{
    const auto year = listYear(yearText);
    if (!year)
        return;
    const TimeScale scale = timeScaleOf(w.Check1->isChecked(), textOf(w.Text6));
    if (scale.kind == TimeScale::Kind::UnreadableOffset
        || std::fabs(scale.offsetHours) > 366 * kHoursPerDay)
        return;
    const Elements elements;
    const float timeOfDay = float(kTimeOfDay.msecsSinceStartOfDay() / 1000 / 86400.0);
    const auto start = composeInstantAt(dayNumberOf({*year, 1, 1}), timeOfDay, scale);
    FUZZ_CHECK(start, "year " + std::to_string(*year));
    const double first =
        stepMinimum(elements.epoch, elements.period, *start).value_or(elements.epoch);
    const std::string text = yearListText(first, *year, scale, regional, elements);

    const std::string context = "year " + std::to_string(*year) + " offset "
        + fuzz::quoted(textOf(w.Text6)) + " Check1=" + (w.Check1->isChecked() ? "1" : "0");
    FUZZ_CHECK(text.size() >= 2 && text.compare(text.size() - 2, 2, "\r\n") == 0, context);
    std::size_t lines = 0;
    for (std::size_t start = 0, end; (end = text.find("\r\n", start)) != std::string::npos;
         start = end + 2) {
        const std::string line = text.substr(start, end - start);
        FUZZ_CHECK(line.empty() || parseDateText(line, regional),
                   context + " line " + fuzz::quoted(line));
        ++lines;
    }
    // At most the year and the offset's year before it, one line per period, and the empty line.
    FUZZ_CHECK(lines <= std::size_t(2 * 366 / elements.period) + 3,
               context + " lines " + std::to_string(lines));
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "fuzz_recompute";
    static char *argv[] = {name, nullptr};
    new QApplication(argc, argv);
    toolkit::registerBundledFonts();

    harness = new Harness;
    // The window and the application end with the process, their folder and fonts released.
    std::atexit([] {
        delete harness;
        delete qApp;
    });
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, harness->config.path());
    harness->window.Form_Load();
    harness->window.Command1_Click(); // edit mode: the fields are the user's
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::vector<std::string> fields = fuzz::splitFields(data, size);
    const std::string regionLine = fuzz::fieldAt(fields, 0);
    const RegionalSettings regional = regionLine.empty() || regionLine == "fr"
        ? RegionalSettings::french()
        : regionLine == "en"
        ? RegionalSettings::english()
        : toolkit::regionalSettingsOf(QLocale(QString::fromStdString(regionLine)));
    harness->regional = regional;

    Algol &w = harness->window;
    toolkit::TextField *const typed[] = {w.Text1, w.Text3, w.Text4, w.Text5, w.Text6};
    const bool checked = fuzz::fieldAt(fields, 6).substr(0, 1) != "0";
    for (toolkit::TextField *field : typed) {
        const QSignalBlocker quiet(field);
        field->clear();
    }
    // Nothing reads these back: emptying them changes nothing but what the checks can tell.
    w.Text7->clear();
    w.Text8->clear();
    w.List1->clear();
    {
        const QSignalBlocker quiet(w.Check1);
        w.Check1->setChecked(!checked);
    }
    for (std::size_t i = 0; i < std::size(typed); ++i)
        typed[i]->setText(QString::fromStdString(fuzz::fieldAt(fields, i + 1)));
    w.Check1->setChecked(checked);

    checkInstant(w, regional);
    checkOutputs(w, regional);
    checkYearList(w, fuzz::fieldAt(fields, 7), regional);
    return 0;
}
