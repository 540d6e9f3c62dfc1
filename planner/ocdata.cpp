#include "ocdata.h"

#include "machinefields.h"
#include "wording.h"
#include "zonetime.h"

#include "observationtimes.h"
#include "timetypes.h"

#include <QDate>
#include <QSet>

#include <algorithm>
#include <cmath>

namespace planner {

namespace {

using Flag = timing::Residual::Flag;

constexpr int kMostTicks = 8;        // on each axis, before labels that would touch are left out
constexpr double kSmallestSpanMinutes = 1;
constexpr double kMarginShare = 0.08; // of the span, on each side of the points
constexpr double kSmallestDateMarginDays = 1;

// 1, 2 or 5 times a power of ten, at least raw.
double niceStep(double raw)
{
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    const double mantissa = raw / power;
    return (mantissa <= 1 ? 1 : mantissa <= 2 ? 2 : mantissa <= 5 ? 5 : 10) * power;
}

QString signedText(double value, int decimals, const QLocale &locale)
{
    const QString text = listing::fixedNumber(value, decimals, locale);
    return value > 0 && text != listing::fixedNumber(0, decimals, locale) ? QLatin1Char('+') + text : text;
}

// The O−C axis: the points and zero with a margin, widened to whole steps.
void setMinuteAxis(OcData &data)
{
    double low = 0, high = 0;
    for (const OcPoint &point : data.points) {
        low = std::min(low, point.ocDays * ephemeris::kMinutesPerDay);
        high = std::max(high, point.ocDays * ephemeris::kMinutesPerDay);
    }
    if (high - low < kSmallestSpanMinutes) {
        const double middle = (low + high) / 2;
        low = middle - kSmallestSpanMinutes / 2;
        high = middle + kSmallestSpanMinutes / 2;
    }
    const double margin = (high - low) * kMarginShare;
    const double step = niceStep((high - low + 2 * margin) / (kMostTicks - 2));
    const long long first = (long long)std::floor((low - margin) / step);
    const long long last = (long long)std::ceil((high + margin) / step);
    data.lowMinutes = double(first) * step;
    data.highMinutes = double(last) * step;
    const int decimals = step < 1 ? 1 : 0;
    for (long long i = first; i <= last; ++i)
        data.minuteTicks.append({double(i) * step, signedText(double(i) * step, decimals, data.locale)});
}

double midnightOf(QDate date)
{
    return double(date.toJulianDay()) - 0.5;
}

QDate dateOf(double julianDay)
{
    return QDate::fromJulianDay(qint64(std::floor(julianDay + 0.5)));
}

// Calendar ticks: every 1, 2, 5 or 10 days, 1, 2, 3 or 6 months, or a nice number of years,
// the smallest step that gives at most kMostTicks.
void setDateTicks(OcData &data)
{
    struct Step
    {
        int days, months, years;
    };
    static constexpr Step kSteps[] = {
        {1, 0, 0}, {2, 0, 0}, {5, 0, 0}, {10, 0, 0}, {0, 1, 0}, {0, 2, 0}, {0, 3, 0}, {0, 6, 0},
        {0, 0, 1}, {0, 0, 2}, {0, 0, 5}, {0, 0, 10}, {0, 0, 20}, {0, 0, 50}, {0, 0, 100},
        {0, 0, 200}, {0, 0, 500}};
    const double span = data.toDate - data.fromDate;
    Step step = kSteps[std::size(kSteps) - 1];
    for (const Step &s : kSteps) {
        const double days = s.days + s.months * 30.44 + s.years * 365.25;
        if (span / days <= kMostTicks) {
            step = s;
            break;
        }
    }
    const QLocale &l = data.locale;
    const QDate start = dateOf(data.fromDate);
    QDate date;
    if (step.days > 0) {
        date = start;
        while (midnightOf(date) < data.fromDate || date.toJulianDay() % step.days != 0)
            date = date.addDays(1);
    } else if (step.months > 0) {
        date = QDate(start.year(), start.month(), 1);
        while (midnightOf(date) < data.fromDate || (date.month() - 1) % step.months != 0)
            date = date.addMonths(1);
    } else {
        date = QDate(start.year(), 1, 1);
        while (midnightOf(date) < data.fromDate || date.year() % step.years != 0)
            date = date.addYears(1);
    }
    int lastYear = 0;
    for (; date.isValid() && midnightOf(date) <= data.toDate;
         date = step.days ? date.addDays(step.days)
              : step.months ? date.addMonths(step.months) : date.addYears(step.years)) {
        // The year on the first label and wherever it changes.
        const bool withYear = date.year() != lastYear;
        lastYear = date.year();
        const QString label = step.years ? QString::number(date.year())
            : step.months ? l.toString(date, withYear ? QStringLiteral("MMM yyyy") : QStringLiteral("MMM"))
                          : l.toString(date, withYear ? QStringLiteral("d MMM yyyy") : QStringLiteral("d MMM"));
        data.dateTicks.append({midnightOf(date), label});
    }
}

// E along the top, from the first point's cycle and date and the elements' period.
void setCycleTicks(OcData &data, double period)
{
    const OcPoint &anchor = data.points.front();
    const auto cycleAt = [&](double date) { return double(anchor.cycle) + (date - anchor.date) / period; };
    const double from = cycleAt(data.fromDate);
    const double to = cycleAt(data.toDate);
    const double step = std::max(1.0, niceStep((to - from) / kMostTicks));
    for (double e = std::ceil(from / step) * step; e <= to; e += step)
        data.cycleTicks.append({anchor.date + (e - double(anchor.cycle)) * period,
                                QString::number((long long)e)});
}

// The fitted elements' prediction minus that of the elements in use, minutes, at a date: both
// count the same eclipse, the fitted cycles being offset by the whole periods between the epochs.
double fitMinutesAt(double date, const ephemeris::Elements &used, const ephemeris::Elements &fitted)
{
    const double x = (date - used.epoch) / used.period;
    const double offset = std::round((fitted.epoch - used.epoch) / used.period);
    return (fitted.epoch + fitted.period * (x - offset) - (used.epoch + used.period * x))
        * ephemeris::kMinutesPerDay;
}

} // namespace

OcData ocData(const std::vector<timing::TimingRecord> &records, const sky::ElementSet &elements,
              const timing::ElementsFit *fit, const QLocale &locale)
{
    OcData data;
    data.locale = locale;
    const sky::DateScale scale = sky::dateScaleOf(elements.reference);
    data.dateScale = scale;
    data.star = elements.star;
    data.scale = scale == sky::DateScale::HeliocentricUtc ? QStringLiteral("HJD") : QStringLiteral("JD");
    const ephemeris::Elements &used = elements.elements;
    const bool flagged = fit && fit->residuals.size() == records.size();
    if (!(used.period > 0))
        return data;

    QSet<QString> seen;
    for (std::size_t i = 0; i < records.size(); ++i) {
        const timing::TimingRecord &record = records[i];
        OcPoint point;
        point.record = qsizetype(i);
        point.date = sky::convertDate(record.minimum, record.scale, scale, *record.star);
        point.cycle = record.cycle;
        point.ocDays = point.date - (used.epoch + used.period * std::round((point.date - used.epoch) / used.period));
        point.errorDays = record.errorDays;
        if (!std::isfinite(point.date) || !std::isfinite(point.ocDays)
            || !std::isfinite(point.errorDays) || point.errorDays < 0)
            continue;
        point.method = QString::fromStdString(record.method);
        point.source = QString::fromStdString(record.source);
        point.flag = flagged ? fit->residuals[i].flag : Flag::Kept;
        if (!point.source.isEmpty() && !seen.contains(point.source)) {
            seen.insert(point.source);
            data.sources.append(point.source);
        }
        data.points.append(point);
    }
    data.title = elements.star == &sky::algolStar()
        ? OcTexts::tr("Algol: O−C of the times of minimum (timings: %1)").arg(data.points.size())
        : OcTexts::tr("%1: O−C of the times of minimum (timings: %2)")
              .arg(listing::starLabel(*elements.star)).arg(data.points.size());
    data.zeroLabel = listing::elementsDescription(elements);
    if (data.points.isEmpty())
        return data;
    std::stable_sort(data.points.begin(), data.points.end(),
                     [](const OcPoint &a, const OcPoint &b) { return a.date < b.date; });

    const double first = data.points.front().date;
    const double last = data.points.back().date;
    const double margin = std::max((last - first) * kMarginShare / 2, kSmallestDateMarginDays);
    data.fromDate = first - margin;
    data.toDate = last + margin;
    setDateTicks(data);
    setCycleTicks(data, used.period);
    setMinuteAxis(data);

    if (fit && fit->fitted.elements.period > 0) {
        const ephemeris::Elements &fitted = fit->fitted.elements;
        data.fit = OcLine{fitMinutesAt(data.fromDate, used, fitted), fitMinutesAt(data.toDate, used, fitted)};
        data.fitLabel = OcTexts::tr("fitted: Min I = %1 %2 + %3 E")
                            .arg(data.scale, listing::fixedNumber(fitted.epoch, 5, locale),
                                 listing::fixedNumber(fitted.period, 7, locale));
    }
    return data;
}

double jdUtcOf(const OcData &data, const OcPoint &point)
{
    return sky::convertDate(point.date, data.dateScale, sky::DateScale::JulianDayUtc, *data.star);
}

QByteArray ocCsv(const OcData &data)
{
    using listing::MachineField;
    const auto days = [](const QString &name, double value) {
        return MachineField{name, listing::fixedNumber(value, 7)};
    };
    const auto minutes = [](const QString &name, double value) {
        return MachineField{name, listing::fixedNumber(value * ephemeris::kMinutesPerDay, 2)};
    };
    const auto fieldsOf = [&](const OcPoint &point, const QString &date) {
        return QList<MachineField>{
            {QStringLiteral("date"), date, MachineField::Kind::Text},
            days(QStringLiteral("minimum"), point.date),
            {QStringLiteral("scale"), data.scale + QStringLiteral("_UTC"), MachineField::Kind::Text},
            {QStringLiteral("cycle"), QString::number(point.cycle)},
            days(QStringLiteral("oc_days"), point.ocDays),
            minutes(QStringLiteral("oc_minutes"), point.ocDays),
            days(QStringLiteral("error_days"), point.errorDays),
            minutes(QStringLiteral("error_minutes"), point.errorDays),
            {QStringLiteral("method"), point.method, MachineField::Kind::Text},
            {QStringLiteral("source"), point.source, MachineField::Kind::Text},
            {QStringLiteral("flag"), listing::residualFlagCode(point.flag), MachineField::Kind::Text},
        };
    };
    QString text = listing::csvHeader(fieldsOf(OcPoint{}, {}));
    for (const OcPoint &point : data.points) {
        const QDateTime utc = listing::utcOfJulianDay(jdUtcOf(data, point));
        text += listing::csvLine(fieldsOf(point, listing::isoDateText(utc.date()) + QLatin1Char('T')
                                                     + listing::clockText(utc.time()) + QLatin1Char('Z')));
    }
    return text.toUtf8();
}

} // namespace planner
