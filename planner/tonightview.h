#pragma once

// The night's plan across stars: every catalogue star's minima of one night in a table
// (TonightModel), recomputed from a request (site, zone, conditions) and the night's evening.
// Choosing a row (a double click, or Enter on it) says which star's minimum it is and when, so that
// the window can chart that star's night; moving through the rows chooses nothing.

#include "tonightmodel.h"

#include "starcatalogue.h"

#include <QWidget>

class QLabel;
class QTableView;

namespace planner {

class TonightView : public QWidget
{
    Q_OBJECT

public:
    explicit TonightView(QWidget *parent = nullptr);

    // The minima of the night of that evening for the request's site, zone and conditions (its
    // period, star and elements are not used).
    void setNight(const listing::Request &request, QDate evening, bool halfHourRounding,
                  const QLocale &locale);

    const TonightModel &model() const { return *m_model; }
    QTableView *table() const { return m_table; }
    // The row of a minimum (-1: none), and choosing it as a user would (Enter on it).
    int rowOf(const sky::Star &star, double jdUtc) const;
    void chooseRow(int row);

signals:
    // The chosen row's star and the instant of its minimum (JD on UTC, PredictedMinimum::jdUtc).
    void minimumChosen(const sky::Star *star, double jdUtc);

private:
    void emitChosen(const QModelIndex &index);

    TonightModel *const m_model;
    QLabel *const m_caption;
    QTableView *const m_table;
};

} // namespace planner
