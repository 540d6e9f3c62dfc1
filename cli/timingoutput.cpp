#include "timingoutput.h"

#include "inputfiles.h"
#include "machinefields.h"
#include "options.h"
#include "starcatalogue.h"
#include "textcolumns.h"
#include "texts.h"
#include "timingsfile.h"
#include "wording.h"

#include "timetypes.h"

namespace cli {

namespace {

using listing::MachineField;
using Kind = MachineField::Kind;

constexpr int kDecimals = 7; // days, as in the timings file

QString scaleText(sky::DateScale scale)
{
    return QString::fromLatin1(timing::scaleName(scale));
}

// "HJD" or "JD": the elements count in one or the other.
QString shortScaleText(sky::DateScale scale)
{
    return scaleText(scale).section(QLatin1Char('_'), 0, 0);
}

QString untimedCode(timing::Untimed reason)
{
    switch (reason) {
    case timing::Untimed::OneSideMissing:
        return QStringLiteral("one_side_missing");
    case timing::Untimed::TooFewPoints:
        return QStringLiteral("too_few_points");
    case timing::Untimed::GapAcrossMinimum:
        return QStringLiteral("gap_across_minimum");
    case timing::Untimed::NoTemplate:
        return QStringLiteral("no_template");
    case timing::Untimed::NoDip:
        break;
    }
    return QStringLiteral("no_dip");
}

QString formatName(timing::FileFormat format)
{
    switch (format) {
    case timing::FileFormat::AavsoExtended:
        return AlgolMinima::tr("AAVSO Extended file");
    case timing::FileFormat::AavsoVisual:
        return AlgolMinima::tr("AAVSO Visual file");
    case timing::FileFormat::AavsoDownload:
        return AlgolMinima::tr("AAVSO data download");
    case timing::FileFormat::PlainColumns:
        break;
    }
    return AlgolMinima::tr("plain columns");
}

QString observersOf(const timing::EclipseTiming &timing)
{
    QStringList codes;
    for (const std::string &code : timing.observers)
        codes << QString::fromStdString(code);
    return codes.join(QLatin1Char(' '));
}

bool isAlgol(const sky::ElementSet &elements)
{
    return elements.star == &sky::algolStar();
}

QString fileLine(const TimedFile &file, const sky::ElementSet &elements)
{
    QString line = isAlgol(elements)
        ? AlgolMinima::tr("%1: %2, observations of Algol: %3")
              .arg(listing::visible(file.source), formatName(file.format), QString::number(file.observations))
        : AlgolMinima::tr("%1: %2, observations of %3: %4")
              .arg(listing::visible(file.source), formatName(file.format),
                   listing::starLabel(*elements.star), QString::number(file.observations));
    if (file.fainterThan > 0)
        line += AlgolMinima::tr("; fainter-than estimates skipped: %1").arg(file.fainterThan);
    if (file.otherStars > 0)
        line += AlgolMinima::tr("; rows of other stars left out: %1").arg(file.otherStars);
    return line + QLatin1Char('\n');
}

QString notesOf(const timing::EclipseTiming &timing, const QLocale &locale)
{
    if (timing.untimed)
        return AlgolMinima::tr("not timed: %1").arg(listing::untimedMessage(*timing.untimed));
    if (timing.method != timing::Method::KweeVanWoerden)
        return {};
    QStringList notes;
    notes << (timing.kvwErrorDays
                  ? AlgolMinima::tr("KvW's own error %1 min").arg(listing::fixedNumber(*timing.kvwErrorDays * ephemeris::kMinutesPerDay, 1, locale))
                  : AlgolMinima::tr("KvW's own error undefined"));
    const QString noise = locale.toString(timing.noise, 'g', 3);
    notes << (timing.noiseEstimated ? AlgolMinima::tr("noise %1 (estimated)").arg(noise)
                                    : AlgolMinima::tr("noise %1").arg(noise));
    if (timing.resampled)
        notes << AlgolMinima::tr("resampled to equal steps");
    //: Between two notes of an eclipse
    return notes.join(AlgolMinima::tr("; "));
}

// Another star than Algol is named in a first field.
QList<MachineField> fieldsOf(const TimedFile &file, const timing::EclipseTiming &timing,
                             bool automatic, const sky::ElementSet &elements)
{
    const bool timed = !timing.untimed;
    const bool kvw = timing.method == timing::Method::KweeVanWoerden;
    const auto days = [&](const QString &name, double value, bool known) {
        return known ? listing::numberField(name, value, kDecimals) : MachineField{name, {}, Kind::Missing};
    };
    const auto minutes = [&](const QString &name, double value) {
        return timed ? listing::numberField(name, value * ephemeris::kMinutesPerDay, 2)
                     : MachineField{name, {}, Kind::Missing};
    };
    const auto boolean = [](const QString &name, bool value, bool known) {
        return known ? MachineField{name, value ? QStringLiteral("true") : QStringLiteral("false"), Kind::Boolean}
                     : MachineField{name, {}, Kind::Missing};
    };
    const auto utc = [&] {
        if (!timed)
            return MachineField{QStringLiteral("utc"), {}, Kind::Missing};
        const QDateTime at = listing::utcOfJulianDay(timing.minimumJdUtc);
        return MachineField{QStringLiteral("utc"), listing::isoDateText(at.date()) + QLatin1Char('T') + listing::clockText(at.time()) + QLatin1Char('Z'), Kind::Text};
    };
    QList<MachineField> fields;
    if (!isAlgol(elements))
        fields << MachineField{QStringLiteral("star"), listing::starLabel(*elements.star), Kind::Text};
    return fields << QList<MachineField>{
        {QStringLiteral("source"), file.source, Kind::Text},
        {QStringLiteral("cycle"), QString::number(timing.cycle)},
        days(QStringLiteral("minimum"), timing.minimum, timed),
        {QStringLiteral("scale"), scaleText(file.report.scale), Kind::Text},
        utc(),
        days(QStringLiteral("error_days"), timing.errorDays, timed),
        minutes(QStringLiteral("error_minutes"), timing.errorDays),
        {QStringLiteral("method"), QString::fromLatin1(timing::methodName(timing.method)), Kind::Text},
        boolean(QStringLiteral("auto"), automatic, true),
        {QStringLiteral("points"), QString::number(timing.points)},
        timed && kvw ? MachineField{QStringLiteral("pairs"), QString::number(timing.pairs)}
                     : MachineField{QStringLiteral("pairs"), {}, Kind::Missing},
        days(QStringLiteral("oc_days"), timing.ocDays, timed),
        minutes(QStringLiteral("oc_minutes"), timing.ocDays),
        {QStringLiteral("observers"), observersOf(timing), Kind::Text},
        {QStringLiteral("band"), QString::fromStdString(timing.band), Kind::Text},
        days(QStringLiteral("kvw_error_days"), timing.kvwErrorDays.value_or(0), timed && timing.kvwErrorDays),
        timed && kvw ? MachineField{QStringLiteral("noise"), QString::number(timing.noise, 'g', 4)}
                     : MachineField{QStringLiteral("noise"), {}, Kind::Missing},
        boolean(QStringLiteral("noise_estimated"), timing.noiseEstimated, timed && kvw),
        boolean(QStringLiteral("resampled"), timing.resampled, timed && kvw),
        timing.untimed ? MachineField{QStringLiteral("untimed"), untimedCode(*timing.untimed), Kind::Text}
                       : MachineField{QStringLiteral("untimed"), {}, Kind::Missing},
    };
}

} // namespace

QByteArray timingTable(const TimingRun &run, const QLocale &locale)
{
    const sky::DateScale scale = sky::dateScaleOf(run.elements.reference);
    QString text = (isAlgol(run.elements)
                        ? AlgolMinima::tr("Times of minimum of Algol, in %1 on UTC (%2)")
                        : AlgolMinima::tr("Times of minimum of %1, in %2 on UTC (%3)").arg(listing::starLabel(*run.elements.star)))
                       .arg(shortScaleText(scale), scaleText(scale)) + QLatin1Char('\n');
    text += AlgolMinima::tr("Elements: %1").arg(listing::elementsDescription(run.elements)) + QLatin1Char('\n');
    for (const TimedFile &file : run.files)
        text += fileLine(file, run.elements);

    const bool several = run.files.size() > 1;
    const bool automatic = run.options.method == timing::Method::Auto;
    listing::Column source(AlgolMinima::tr("File"), false);
    listing::Column cycle(AlgolMinima::tr("Cycle"));
    listing::Column band(AlgolMinima::tr("Band"), false);
    listing::Column minimum(AlgolMinima::tr("Minimum (%1)").arg(shortScaleText(scale)));
    listing::Column utc(AlgolMinima::tr("UTC"), false);
    listing::Column errorDays(AlgolMinima::tr("Error (d)"));
    listing::Column errorMinutes(AlgolMinima::tr("(min)"));
    listing::Column method(AlgolMinima::tr("Method"), false);
    listing::Column points(AlgolMinima::tr("N"));
    listing::Column pairs(AlgolMinima::tr("Z"));
    listing::Column ocDays(AlgolMinima::tr("O-C (d)"));
    listing::Column ocMinutes(AlgolMinima::tr("(min)"));
    listing::Column observers(AlgolMinima::tr("Observers"), false);
    listing::Column notes(AlgolMinima::tr("Notes"), false);
    long long outside = 0;
    for (const TimedFile &file : run.files) {
        outside += file.report.outsideWindows;
        for (const timing::EclipseTiming &timing : file.report.eclipses) {
            const bool timed = !timing.untimed;
            const QDateTime at = listing::utcOfJulianDay(timing.minimumJdUtc);
            source.cells << listing::visible(file.source);
            cycle.cells << QString::number(timing.cycle);
            band.cells << listing::visible(QString::fromStdString(timing.band));
            minimum.cells << (timed ? listing::fixedNumber(timing.minimum, 5, locale) : QString());
            utc.cells << (timed ? listing::isoDateText(at.date()) + QLatin1Char(' ') + listing::clockText(at.time()) : QString());
            errorDays.cells << (timed ? listing::fixedNumber(timing.errorDays, 5, locale) : QString());
            errorMinutes.cells << (timed ? listing::fixedNumber(timing.errorDays * ephemeris::kMinutesPerDay, 1, locale) : QString());
            const QString name = QString::fromLatin1(timing::methodName(timing.method));
            method.cells << (automatic ? AlgolMinima::tr("%1 (auto)").arg(name) : name);
            points.cells << QString::number(timing.points);
            pairs.cells << (timed && timing.method == timing::Method::KweeVanWoerden ? QString::number(timing.pairs) : QString());
            ocDays.cells << (timed ? listing::signedNumber(timing.ocDays, 5, locale) : QString());
            ocMinutes.cells << (timed ? listing::signedNumber(timing.ocDays * ephemeris::kMinutesPerDay, 1, locale) : QString());
            observers.cells << listing::visible(observersOf(timing));
            notes.cells << notesOf(timing, locale);
        }
    }
    const QString hours = listing::fixedNumber(run.options.windowHours, 1, locale);
    if (cycle.cells.isEmpty())
        return (text + QLatin1Char('\n')
                + AlgolMinima::tr("No observation lies within %1 hours of a minimum that the elements predict.").arg(hours)
                + QLatin1Char('\n')).toUtf8();
    QList<listing::Column> columns;
    if (several)
        columns << source;
    columns << cycle << band << minimum << utc << errorDays << errorMinutes << method << points
            << pairs << ocDays << ocMinutes << observers << notes;
    text += QLatin1Char('\n') + listing::alignedColumns(columns);
    if (outside > 0)
        text += QLatin1Char('\n')
            + AlgolMinima::tr("Observations farther than %1 hours from a predicted minimum, left out: %2")
                  .arg(hours).arg(outside)
            + QLatin1Char('\n');
    return text.toUtf8();
}

QByteArray timingCsv(const TimingRun &run)
{
    const bool automatic = run.options.method == timing::Method::Auto;
    QString text = listing::csvHeader(fieldsOf({}, {}, automatic, run.elements));
    for (const TimedFile &file : run.files) {
        for (const timing::EclipseTiming &timing : file.report.eclipses)
            text += listing::csvLine(fieldsOf(file, timing, automatic, run.elements));
    }
    return text.toUtf8();
}

QByteArray timingJson(const TimingRun &run)
{
    const bool automatic = run.options.method == timing::Method::Auto;
    QStringList objects;
    for (const TimedFile &file : run.files) {
        for (const timing::EclipseTiming &timing : file.report.eclipses)
            objects << listing::jsonObject(fieldsOf(file, timing, automatic, run.elements));
    }
    return listing::jsonArray(objects).toUtf8();
}

} // namespace cli
