#include "minimumreport.h"

#include "wording.h"

#include "starcatalogue.h"
#include "timetypes.h"

#include <QStringList>

#include <algorithm>
#include <cmath>

namespace listing {

namespace {

constexpr int kFewestDecimals = 4;
constexpr int kMostDecimals = 6;

QString scaleText(sky::DateScale scale)
{
    switch (scale) {
    case sky::DateScale::JulianDayUtc:
        return QStringLiteral("JD");
    case sky::DateScale::HeliocentricUtc:
        return QStringLiteral("HJD");
    case sky::DateScale::BarycentricTdb:
        break;
    }
    return QStringLiteral("BJD_TDB");
}

// The source of a star's catalogue elements as cited: up to its first comma, "O−C gateway",
// "Samus et al. 2017".
QString sourceText(const sky::Star &star)
{
    const std::string &source = star.elementsSource;
    return QString::fromStdString(source.substr(0, source.find(','))).replace(QStringLiteral("O-C"), QStringLiteral("O−C"));
}

QString elementsText(const std::string &name, const sky::Star &star)
{
    const std::optional<sky::ElementSet> set = sky::parseElementSet(name, star);
    if (!set)
        return QString::fromStdString(name);
    const QString formula = QStringLiteral("%1 %2 + %3 E")
                                .arg(set->reference == sky::TimeReference::Heliocentric ? QStringLiteral("HJD")
                                                                                        : QStringLiteral("JD"),
                                     shortest(set->elements.epoch), shortest(set->elements.period));
    switch (set->kind) {
    case sky::ElementSetKind::Current:
        return formula + QStringLiteral(" (%1)").arg(sourceText(star));
    case sky::ElementSetKind::Classic:
        return formula + QStringLiteral(" (classic)");
    case sky::ElementSetKind::Custom:
    case sky::ElementSetKind::Fitted:
        break;
    }
    return formula;
}

} // namespace

QString algolName()
{
    return reportName(sky::algolStar());
}

QString reportName(const sky::Star &star)
{
    const QString designation = QString::fromStdString(star.designation);
    for (const std::string &name : star.otherNames) {
        if (std::none_of(name.begin(), name.end(), [](char c) { return c >= '0' && c <= '9'; }))
            return QStringLiteral("%1 (%2)").arg(QString::fromStdString(name), designation);
    }
    return designation;
}

// Each field as the minima lists print it: the time with "±" its error, E, O−C in days, the
// observer (IBVS 2545, 1984, Table I: "Star HJD E O-C Observer", "4450.7980 +- .0006 1430
// .0308 F"); the elements they are against as "Hel. J.D. Min. = 2441275.962 + 9.1032884 E" (IBVS
// 668, 1972); the method, the band and the number of points after them as remarks, which the
// BAV's collection of times of minima carries beside each time.
QString minimumReportLine(const timing::TimingRecord &record, const QString &instrument)
{
    const double error = record.errorDays;
    const int decimals = error > 0 && std::isfinite(error)
        ? std::clamp(1 - int(std::floor(std::log10(error))), kFewestDecimals, kMostDecimals)
        : kFewestDecimals;
    QString line = QStringLiteral("%1 Min I %2 %3 ± %4, E %5, O−C %6 d (%7 min)")
                       .arg(reportName(*record.star), scaleText(record.scale), fixedNumber(record.minimum, decimals),
                            fixedNumber(error, decimals), QString::number(record.cycle),
                            signedNumber(record.ocDays, decimals),
                            signedNumber(record.ocDays * ephemeris::kMinutesPerDay, 1));
    if (!record.elements.empty())
        line += QStringLiteral(" against ") + elementsText(record.elements, *record.star);
    QStringList remarks;
    for (const std::string &remark : {record.method == "kvw" ? std::string("KvW") : record.method, record.band})
        if (!remark.empty())
            remarks << QString::fromStdString(remark);
    remarks << QStringLiteral("N %1").arg(record.points);
    const QString observers = QString::fromStdString(record.observers).simplified();
    if (!observers.isEmpty())
        remarks << (observers.contains(QLatin1Char(' ')) ? QStringLiteral("observers ") : QStringLiteral("observer "))
                + observers;
    if (!instrument.trimmed().isEmpty())
        remarks << instrument.trimmed();
    return line + QStringLiteral(", ") + remarks.join(QStringLiteral(", "));
}

} // namespace listing
