#include "minimamodel.h"

#include "night.h"
#include "plannertexts.h"
#include "wording.h"

#include <QBrush>
#include <QFont>

#include <algorithm>
#include <cmath>

namespace planner {

MinimaModel::MinimaModel(QObject *parent) : QAbstractTableModel(parent) {}

void MinimaModel::setPlan(const Plan &plan, bool onlyWatchable, bool halfHourRounding,
                          const QLocale &locale)
{
    beginResetModel();
    m_plan = plan;
    m_secondaries = std::any_of(m_plan.report.rows.cbegin(), m_plan.report.rows.cend(),
                                [](const listing::ReportRow &row) { return row.minimum.secondary; });
    m_rounded = halfHourRounding;
    m_locale = locale;
    m_shown.clear();
    for (int i = 0; i < m_plan.report.rows.size(); ++i)
        if (!onlyWatchable || m_plan.report.rows.at(i).minimum.observable())
            m_shown.append(i);
    endResetModel();
}

bool MinimaModel::isAlgol() const
{
    return m_plan.report.request.elements.star == &sky::algolStar();
}

int MinimaModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_shown.size());
}

int MinimaModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

int MinimaModel::rowNearest(double jdUtc) const
{
    int nearest = -1;
    double distance = 0;
    for (int row = 0; row < m_shown.size(); ++row) {
        const double d = std::fabs(m_plan.report.rows.at(m_shown.at(row)).minimum.jdUtc - jdUtc);
        if (nearest < 0 || d < distance) {
            nearest = row;
            distance = d;
        }
    }
    return nearest;
}

QString MinimaModel::text(int planRow, int column) const
{
    const listing::ReportRow &row = m_plan.report.rows.at(planRow);
    const std::optional<sky::SkyAtInstant> &sky = row.minimum.sky;
    const auto degrees = [&](double value) {
        return m_locale.toString(value, 'f', 0) + QStringLiteral("°");
    };
    switch (Column(column)) {
    case Night:
        return shortNightName(nightOf(row.utc, m_plan.report.request.zone), m_locale);
    case Time: {
        // The kind's letter as algol-minima's P/S column has it, not translated.
        const QString kind = !m_secondaries ? QString()
            : row.minimum.secondary       ? QStringLiteral("S ")
                                          : QStringLiteral("P ");
        if (!m_rounded)
            return kind + listing::clockText(row.local.local.time(), false) + QLatin1Char(' ')
                + row.local.abbreviation;
        const QDateTime rounded = halfHourRounded(row.utc, m_plan.report.request.zone);
        return kind + QStringLiteral("≈ ") + listing::clockText(rounded.time(), false) + QLatin1Char(' ')
            + listing::localTimeOf(rounded, m_plan.report.request.zone).abbreviation;
    }
    case Algol:
        return sky ? degrees(sky->algol.altitudeDeg) : QString();
    case Azimuth:
        return sky ? degrees(std::round(listing::azimuthForDisplay(sky->algol.azimuthDeg))) : QString();
    case Sun:
        return sky ? degrees(sky->sun.altitudeDeg) : QString();
    case Moon:
        return sky ? degrees(sky->moon.altitudeDeg) : QString();
    case Lit:
        return sky ? QStringLiteral("%1 %").arg(std::lround(sky->moonIlluminatedFraction * 100))
                   : QString();
    case Uncertainty: {
        const sky::PredictedMinimum &minimum = row.minimum;
        if (!minimum.uncertaintyMinutes) {
            // The catalogue's elements of another star: whose elements they are, as every list says.
            const bool catalogue = listing::elementsOf(m_plan.report.request, *minimum.star).kind
                == sky::ElementSetKind::Current;
            return catalogue && minimum.star != &sky::algolStar() ? listing::unpublishedUncertainty(*minimum.star)
                                                                  : AlgolPlanner::tr("unknown");
        }
        // Fitted elements are known to a minute or better: a decimal, and their timings' scatter.
        const auto minutes = [&](double value) {
            return value < 10 ? m_locale.toString(value, 'f', 1) : QString::number(std::lround(value));
        };
        if (minimum.scatterMinutes)
            return AlgolPlanner::tr("±%1 min, scatter ±%2 min").arg(minutes(*minimum.uncertaintyMinutes),
                                                               minutes(*minimum.scatterMinutes));
        return AlgolPlanner::tr("±%1 min").arg(std::lround(*minimum.uncertaintyMinutes));
    }
    case Watchable: {
        const double hours = m_plan.watchableHours.value(planRow, NAN);
        return std::isnan(hours) ? QString()
                                 : AlgolPlanner::tr("%1 h").arg(m_locale.toString(hours, 'f', 1));
    }
    case ColumnCount:
        break;
    }
    return {};
}

QVariant minimumRowStyle(bool observable, int role)
{
    switch (role) {
    case Qt::FontRole:
        if (observable) {
            QFont bold;
            bold.setBold(true);
            return bold;
        }
        return {};
    case Qt::BackgroundRole:
        return observable ? QBrush(QColor(110, 220, 140, 60)) : QVariant();
    case Qt::ForegroundRole:
        return observable ? QVariant() : QBrush(QColor(128, 128, 128));
    default:
        return {};
    }
}

QVariant MinimaModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_shown.size())
        return {};
    const int planRow = m_shown.at(index.row());
    const bool observable = m_plan.report.rows.at(planRow).minimum.observable();
    switch (role) {
    case Qt::DisplayRole:
        return text(planRow, index.column());
    case Qt::AccessibleTextRole:
        return headerData(index.column(), Qt::Horizontal, Qt::DisplayRole).toString()
            + QLatin1String(": ") + text(planRow, index.column());
    case Qt::TextAlignmentRole:
        // The last column takes the list's spare width: its hours stand under its centred title.
        if (index.column() == Watchable)
            return int(Qt::AlignCenter);
        return int(index.column() <= Time ? Qt::AlignLeft | Qt::AlignVCenter
                                          : Qt::AlignRight | Qt::AlignVCenter);
    case Qt::FontRole:
    case Qt::BackgroundRole:
    case Qt::ForegroundRole:
        return minimumRowStyle(observable, role);
    case Qt::ToolTipRole: {
        const sky::PredictedMinimum &minimum = m_plan.report.rows.at(planRow).minimum;
        if (index.column() == Time && m_secondaries)
            return minimum.secondary ? AlgolPlanner::tr("Secondary minimum") : AlgolPlanner::tr("Primary minimum");
        const QString hindrance = listing::hindranceText(minimum, !isAlgol());
        return hindrance.isEmpty() ? AlgolPlanner::tr("Watchable at its minimum") : hindrance;
    }
    default:
        return {};
    }
}

QVariant MinimaModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || (role != Qt::DisplayRole && role != Qt::ToolTipRole))
        return QAbstractTableModel::headerData(section, orientation, role);
    const sky::Star &star = *m_plan.report.request.elements.star;
    const QString name = listing::starLabel(star);
    if (role == Qt::ToolTipRole) {
        if (!isAlgol()) {
            switch (Column(section)) {
            case Time:
                return m_secondaries ? AlgolPlanner::tr("P: primary minimum, S: secondary minimum") : QVariant();
            case Algol:
                return AlgolPlanner::tr("%1's altitude at the minimum").arg(name);
            case Azimuth:
                return AlgolPlanner::tr("%1's azimuth, from north through east").arg(name);
            case Watchable:
                return AlgolPlanner::tr("Hours of the %1 around the minimum with %2 high enough and the sky dark")
                    .arg(listing::watchWindowText(star, m_locale), name);
            default:
                break;
            }
        }
        switch (Column(section)) {
        case Night:
            return AlgolPlanner::tr("The night of the minimum, from noon to noon: a minimum after midnight "
                                    "belongs to the night before");
        case Algol:
            return AlgolPlanner::tr("Algol's altitude at the minimum");
        case Azimuth:
            return AlgolPlanner::tr("Algol's azimuth, from north through east");
        case Sun:
            return AlgolPlanner::tr("The Sun's altitude at the minimum");
        case Moon:
            return AlgolPlanner::tr("The Moon's altitude at the minimum");
        case Lit:
            return AlgolPlanner::tr("The lit fraction of the Moon");
        case Watchable:
            return AlgolPlanner::tr("Hours of the 6 around the minimum with Algol high enough and the sky dark");
        default:
            return {};
        }
    }
    switch (Column(section)) {
    case Night:
        return AlgolPlanner::tr("Night");
    case Time:
        return AlgolPlanner::tr("Minimum");
    case Algol:
        return isAlgol() ? AlgolPlanner::tr("Algol") : name;
    case Azimuth:
        return AlgolPlanner::tr("Azimuth");
    case Sun:
        return AlgolPlanner::tr("Sun");
    case Moon:
        return AlgolPlanner::tr("Moon");
    case Lit:
        return AlgolPlanner::tr("Lit");
    case Uncertainty:
        return AlgolPlanner::tr("Uncertainty");
    case Watchable:
        return isAlgol() ? AlgolPlanner::tr("Watchable of 6 h")
                         : AlgolPlanner::tr("Watchable of %1 h").arg(listing::watchWindowText(star, m_locale));
    case ColumnCount:
        break;
    }
    return {};
}

} // namespace planner
