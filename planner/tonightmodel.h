#pragma once

// Every catalogue star's minima of one night as a table model, in the order of time: the star,
// primary or secondary, the local time, the star's altitude, how many hours of its watch window
// are watchable, the magnitudes it goes from and to, and what is known of its elements. The
// minima that can be seen stand out as the list's do (bold on green).

#include "report.h"

#include <QAbstractTableModel>
#include <QDate>
#include <QLocale>

namespace planner {

// The night of that evening (from its noon to the next noon in the request's zone), every star
// with its catalogue elements, its secondary minima among them and the minima that cannot be seen
// too: listing::makeReport with everyStar and all.
listing::Report nightOfEveryStar(listing::Request request, QDate evening, const QDateTime &generated);

class TonightModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column { Star, Kind, Time, Altitude, Watchable, Range, Uncertainty, ColumnCount };

    explicit TonightModel(QObject *parent = nullptr);

    void setReport(const listing::Report &report, bool halfHourRounding, const QLocale &locale);
    const listing::Report &report() const { return m_report; }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    QString text(const listing::ReportRow &row, int column) const;

    listing::Report m_report;
    bool m_rounded = false;
    QLocale m_locale;
};

} // namespace planner
