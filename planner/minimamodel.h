#pragma once

// The list of minima as a table model: one row per minimum of the plan (or per observable one),
// the columns a user reads to choose a night, each minimum under the night it belongs to. The
// plan's star names the altitude's column and its watch window the watchable one ("Watchable of
// 6 h" for Algol, "of 8.9 h" for lambda Tau); when the plan holds secondary minima, each time says
// which kind it is, P or S as algol-minima's column ("S 03:12 CET").

#include "plan.h"

#include <QAbstractTableModel>
#include <QLocale>

namespace planner {

// How a listed minimum's cells stand out, in this list and the tonight tab's: bold on green when
// it can be seen, grey when it cannot (the font, background and foreground roles; nothing else).
QVariant minimumRowStyle(bool observable, int role);

class MinimaModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column { Night, Time, Algol, Azimuth, Sun, Moon, Lit, Uncertainty, Watchable, ColumnCount };

    explicit MinimaModel(QObject *parent = nullptr);

    void setPlan(const Plan &plan, bool onlyWatchable, bool halfHourRounding, const QLocale &locale);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // The plan's row shown at a row of the list, and the list's row whose minimum is nearest an
    // instant (-1: an empty list).
    int planRow(int row) const { return m_shown.value(row, -1); }
    int rowNearest(double jdUtc) const;
    const Plan &plan() const { return m_plan; }

private:
    QString text(int planRow, int column) const;
    bool isAlgol() const;

    Plan m_plan;
    bool m_secondaries = false; // the plan holds secondary minima
    QList<int> m_shown;
    bool m_rounded = false;
    QLocale m_locale;
};

} // namespace planner
