#include "fitoutput.h"

#include "inputfiles.h"
#include "machinefields.h"
#include "options.h"
#include "starcatalogue.h"
#include "textcolumns.h"
#include "texts.h"
#include "timingsfile.h"
#include "wording.h"

#include "timetypes.h"

#include <cmath>

namespace cli {

namespace {

using listing::MachineField;
using Kind = MachineField::Kind;
using Flag = timing::Residual::Flag;

constexpr int kDecimals = 7; // days, as in the timings and elements files

QString flagText(Flag flag)
{
    switch (flag) {
    case Flag::Kept:
        return {};
    case Flag::Flagged:
        return AlgolMinima::tr("beyond 3 sigma");
    case Flag::Rejected:
        break;
    }
    return AlgolMinima::tr("left out");
}

QString scaleOf(const sky::ElementSet &set)
{
    return QString::fromLatin1(timing::scaleName(sky::dateScaleOf(set.reference)));
}

QString dateOf(double julianDay)
{
    return listing::isoDateText(listing::utcOfJulianDay(julianDay).date());
}

// Another star than Algol, named in a first field.
QList<MachineField> starField(const FitRun &run)
{
    if (run.start.star == &sky::algolStar())
        return {};
    return {{QStringLiteral("star"), listing::starLabel(*run.start.star), Kind::Text}};
}

QList<MachineField> residualFields(const FitRun &run, std::size_t i)
{
    const timing::Residual &residual = run.fit.residuals[i];
    const auto days = [](const QString &name, double value) {
        return listing::numberField(name, value, kDecimals);
    };
    const auto minutes = [](const QString &name, double value) {
        return listing::numberField(name, value * ephemeris::kMinutesPerDay, 2);
    };
    return starField(run) << QList<MachineField>{
        {QStringLiteral("cycle"), QString::number(residual.cycle)},
        days(QStringLiteral("minimum"), run.points[i].minimum),
        {QStringLiteral("scale"), scaleOf(run.start), Kind::Text},
        days(QStringLiteral("oc_days"), residual.ocDays),
        minutes(QStringLiteral("oc_minutes"), residual.ocDays),
        days(QStringLiteral("error_days"), residual.errorDays),
        minutes(QStringLiteral("error_minutes"), residual.errorDays),
        {QStringLiteral("flag"), listing::residualFlagCode(residual.flag), Kind::Text},
        {QStringLiteral("source"), QString::fromStdString(run.records[i].source), Kind::Text},
    };
}

} // namespace

QByteArray fitTable(const FitRun &run, const QLocale &locale)
{
    const timing::ElementsFit &fit = run.fit;
    const sky::FitStatistics &statistics = fit.fitted.fit;
    const ephemeris::Elements &elements = fit.fitted.elements;
    const QString scale = scaleOf(run.start).section(QLatin1Char('_'), 0, 0);
    const auto number = [&](double value, int decimals) { return listing::fixedNumber(value, decimals, locale); };
    const auto minutes = [&](double days) { return number(days * ephemeris::kMinutesPerDay, 1); };

    QString text = (run.start.star == &sky::algolStar()
                        ? AlgolMinima::tr("Elements fitted to the timings of %1, in %2 on UTC")
                        : AlgolMinima::tr("Elements of %1 fitted to the timings of %2, in %3 on UTC")
                              .arg(listing::starLabel(*run.start.star)))
                       .arg(listing::visible(run.source), scale) + QLatin1Char('\n');
    text += AlgolMinima::tr("Start: %1").arg(listing::elementsDescription(run.start)) + QLatin1Char('\n');
    text += AlgolMinima::tr("Min I = %1 %2 + %3 %4").arg(scale, number(elements.epoch, 6), number(elements.period, 8), listing::cycleTerm(fit.fitted)) + QLatin1Char('\n');
    text += AlgolMinima::tr("Epoch: ± %1 d (%2 min); period: ± %3 d; correlation: %4")
                .arg(number(statistics.epochErrorDays, 6), minutes(statistics.epochErrorDays),
                     number(statistics.periodErrorDays, 8), number(statistics.correlation, 3))
        + QLatin1Char('\n');
    const std::optional<double> &rms = statistics.rmsDays;
    text += AlgolMinima::tr("Timings: %1 of %2, from %3 to %4; reduced chi-square: %5; rms of the residuals: %6")
                .arg(QString::number(statistics.timings), QString::number(fit.residuals.size()),
                     dateOf(statistics.firstTiming), dateOf(statistics.lastTiming),
                     std::isnan(fit.reducedChiSquare) ? AlgolMinima::tr("undefined") : number(fit.reducedChiSquare, 2),
                     rms ? AlgolMinima::tr("%1 d (%2 min)").arg(number(*rms, 5), minutes(*rms))
                         : AlgolMinima::tr("unknown, from fewer than three timings"))
        + QLatin1Char('\n');
    if (fit.errorsScaled)
        text += AlgolMinima::tr("The errors are scaled by the square root of the reduced chi-square (%1): the timings scatter more than their errors say.")
                    .arg(number(std::sqrt(fit.reducedChiSquare), 2))
            + QLatin1Char('\n');
    if (fit.periodKept)
        text += AlgolMinima::tr("Only the epoch is fitted (one timing, or timings of less than a season): the period is the start's, its error from the start's stated uncertainty.")
            + QLatin1Char('\n');
    QStringList leftOut;
    for (std::size_t i = 0; i < fit.residuals.size(); ++i) {
        if (fit.residuals[i].flag != Flag::Rejected)
            continue;
        QString named = scale + QLatin1Char(' ') + number(run.points[i].minimum, 5);
        if (!run.records[i].source.empty())
            named += QStringLiteral(", ") + listing::visible(QString::fromStdString(run.records[i].source));
        leftOut << AlgolMinima::tr("cycle %1 (%2)").arg(QString::number(fit.residuals[i].cycle), named);
    }
    if (!leftOut.isEmpty())
        text += AlgolMinima::tr("Left out beyond 3 sigma: %1").arg(leftOut.join(QStringLiteral(", "))) + QLatin1Char('\n');

    listing::Column cycle(AlgolMinima::tr("Cycle"));
    listing::Column minimum(AlgolMinima::tr("Minimum (%1)").arg(scale));
    listing::Column ocDays(AlgolMinima::tr("O-C (d)"));
    listing::Column ocMinutes(AlgolMinima::tr("(min)"));
    listing::Column errorDays(AlgolMinima::tr("Error (d)"));
    listing::Column errorMinutes(AlgolMinima::tr("(min)"));
    listing::Column flag(AlgolMinima::tr("Flag"), false);
    listing::Column source(AlgolMinima::tr("Source"), false);
    for (std::size_t i = 0; i < fit.residuals.size(); ++i) {
        const timing::Residual &residual = fit.residuals[i];
        cycle.cells << QString::number(residual.cycle);
        minimum.cells << number(run.points[i].minimum, 5);
        ocDays.cells << listing::signedNumber(residual.ocDays, 5, locale);
        ocMinutes.cells << listing::signedNumber(residual.ocDays * ephemeris::kMinutesPerDay, 1, locale);
        errorDays.cells << number(residual.errorDays, 5);
        errorMinutes.cells << minutes(residual.errorDays);
        flag.cells << flagText(residual.flag);
        source.cells << listing::visible(QString::fromStdString(run.records[i].source));
    }
    text += QLatin1Char('\n')
        + listing::alignedColumns({cycle, minimum, ocDays, ocMinutes, errorDays, errorMinutes, flag, source});
    return text.toUtf8();
}

QByteArray fitCsv(const FitRun &run)
{
    QString text;
    for (std::size_t i = 0; i < run.fit.residuals.size(); ++i) {
        const QList<MachineField> fields = residualFields(run, i);
        if (i == 0)
            text += listing::csvHeader(fields);
        text += listing::csvLine(fields);
    }
    return text.toUtf8();
}

QByteArray fitJson(const FitRun &run)
{
    const timing::ElementsFit &fit = run.fit;
    const sky::FitStatistics &statistics = fit.fitted.fit;
    const auto days = [](const QString &name, double value, int decimals) {
        return listing::numberField(name, value, decimals);
    };
    const auto boolean = [](const QString &name, bool value) {
        return MachineField{name, value ? QStringLiteral("true") : QStringLiteral("false"), Kind::Boolean};
    };
    QList<MachineField> fields = starField(run) << QList<MachineField>{
        days(QStringLiteral("epoch"), fit.fitted.elements.epoch, kDecimals),
        {QStringLiteral("epoch_cycle"), QString::number(fit.fitted.epochCycle)},
        days(QStringLiteral("epoch_error_days"), statistics.epochErrorDays, kDecimals),
        days(QStringLiteral("period"), fit.fitted.elements.period, 10),
        days(QStringLiteral("period_error_days"), statistics.periodErrorDays, 10),
        days(QStringLiteral("correlation"), statistics.correlation, 6),
        {QStringLiteral("scale"), scaleOf(fit.fitted), Kind::Text},
        {QStringLiteral("timings"), QString::number(statistics.timings)},
        days(QStringLiteral("first"), statistics.firstTiming, kDecimals),
        days(QStringLiteral("last"), statistics.lastTiming, kDecimals),
        days(QStringLiteral("rms_days"), statistics.rmsDays.value_or(NAN), kDecimals),
        days(QStringLiteral("reduced_chi_square"), fit.reducedChiSquare, 4),
        boolean(QStringLiteral("errors_scaled"), fit.errorsScaled),
        boolean(QStringLiteral("period_fitted"), !fit.periodKept),
    };
    QStringList residuals;
    for (std::size_t i = 0; i < fit.residuals.size(); ++i)
        residuals << listing::jsonObject(residualFields(run, i));
    QString object = listing::jsonObject(fields);
    object.chop(1);
    return (object + QStringLiteral(", \"residuals\": ") + listing::jsonArray(residuals).chopped(1)
            + QStringLiteral("}\n")).toUtf8();
}

} // namespace cli
