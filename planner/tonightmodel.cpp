#include "tonightmodel.h"

#include "minimamodel.h"
#include "minimumreport.h"
#include "night.h"
#include "plan.h"
#include "plannertexts.h"
#include "wording.h"

#include "starcatalogue.h"

#include <QBrush>
#include <QFont>

#include <cmath>

namespace planner {

listing::Report nightOfEveryStar(listing::Request request, QDate evening, const QDateTime &generated)
{
    request.from = nightStart(evening, request.zone).toUTC();
    request.to = nightStart(evening.addDays(1), request.zone).toUTC();
    request.everyStar = true;
    request.primaryOnly = false;
    request.all = true;
    return listing::makeReport(request, generated);
}

TonightModel::TonightModel(QObject *parent) : QAbstractTableModel(parent) {}

void TonightModel::setReport(const listing::Report &report, bool halfHourRounding, const QLocale &locale)
{
    beginResetModel();
    m_report = report;
    m_rounded = halfHourRounding;
    m_locale = locale;
    endResetModel();
}

int TonightModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_report.rows.size());
}

int TonightModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QString TonightModel::text(const listing::ReportRow &row, int column) const
{
    const sky::PredictedMinimum &minimum = row.minimum;
    const sky::Star &star = *minimum.star;
    const std::optional<sky::SkyAtInstant> &sky = minimum.sky;
    switch (Column(column)) {
    case Star:
        return listing::starLabel(star);
    case Kind: // as algol-minima's column, in every language
        return minimum.secondary ? QStringLiteral("S") : QStringLiteral("P");
    case Time: {
        const QTimeZone &zone = m_report.request.zone;
        if (!m_rounded)
            return listing::clockText(row.local.local.time(), false) + QLatin1Char(' ') + row.local.abbreviation;
        const QDateTime rounded = halfHourRounded(row.utc, zone);
        return QStringLiteral("≈ ") + listing::clockText(rounded.time(), false) + QLatin1Char(' ')
            + listing::localTimeOf(rounded, zone).abbreviation;
    }
    case Altitude:
        return sky ? m_locale.toString(sky->algol.altitudeDeg, 'f', 0) + QStringLiteral("°") : QString();
    case Watchable:
        return row.watchableHours
            ? AlgolPlanner::tr("%1 of %2 h").arg(m_locale.toString(*row.watchableHours, 'f', 1),
                                                 listing::watchWindowText(star, m_locale))
            : QString();
    case Range: {
        const double faintest = minimum.secondary
            ? star.secondaryMinimumMagnitude.value_or(star.maximumMagnitude)
            : star.primaryMinimumMagnitude;
        return AlgolPlanner::tr("%1 → %2").arg(m_locale.toString(star.maximumMagnitude, 'f', 2),
                                               m_locale.toString(faintest, 'f', 2));
    }
    case Uncertainty:
        return minimum.uncertaintyMinutes
            ? AlgolPlanner::tr("±%1 min").arg(std::lround(*minimum.uncertaintyMinutes))
            : listing::unpublishedUncertainty(star);
    case ColumnCount:
        break;
    }
    return {};
}

QVariant TonightModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_report.rows.size())
        return {};
    const listing::ReportRow &row = m_report.rows.at(index.row());
    const bool observable = row.minimum.observable();
    switch (role) {
    case Qt::DisplayRole:
        return text(row, index.column());
    case Qt::AccessibleTextRole:
        return headerData(index.column(), Qt::Horizontal, Qt::DisplayRole).toString()
            + QLatin1String(": ") + text(row, index.column());
    case Qt::TextAlignmentRole:
        return int(index.column() <= Time ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignRight | Qt::AlignVCenter);
    case Qt::FontRole:
    case Qt::BackgroundRole:
    case Qt::ForegroundRole:
        return minimumRowStyle(observable, role);
    case Qt::ToolTipRole: {
        switch (Column(index.column())) {
        case Star:
            return listing::reportName(*row.minimum.star);
        case Kind:
            return row.minimum.secondary ? AlgolPlanner::tr("Secondary minimum") : AlgolPlanner::tr("Primary minimum");
        default:
            break;
        }
        const QString hindrance = listing::hindranceText(row.minimum, true);
        return hindrance.isEmpty() ? AlgolPlanner::tr("Watchable at its minimum") : hindrance;
    }
    default:
        return {};
    }
}

QVariant TonightModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || (role != Qt::DisplayRole && role != Qt::ToolTipRole))
        return QAbstractTableModel::headerData(section, orientation, role);
    if (role == Qt::ToolTipRole) {
        switch (Column(section)) {
        case Kind:
            return AlgolPlanner::tr("P: primary minimum, S: secondary minimum");
        case Altitude:
            return AlgolPlanner::tr("The star's altitude at the minimum");
        case Watchable:
            return AlgolPlanner::tr("Hours of the star's watch window around the minimum (five eighths of "
                                    "its eclipse) with the star high enough and the sky dark");
        case Range:
            return AlgolPlanner::tr("From the star's maximum to this minimum, in V magnitudes");
        case Uncertainty:
            return AlgolPlanner::tr("How far the minimum may be from its prediction; the year of the "
                                    "elements where no uncertainty is published");
        default:
            return {};
        }
    }
    switch (Column(section)) {
    case Star:
        return AlgolPlanner::tr("Star");
    case Kind:
        return AlgolPlanner::tr("P/S");
    case Time:
        return AlgolPlanner::tr("Minimum");
    case Altitude:
        return AlgolPlanner::tr("Altitude");
    case Watchable:
        return AlgolPlanner::tr("Watchable");
    case Range:
        return AlgolPlanner::tr("Magnitude");
    case Uncertainty:
        return AlgolPlanner::tr("Uncertainty");
    case ColumnCount:
        break;
    }
    return {};
}

} // namespace planner
