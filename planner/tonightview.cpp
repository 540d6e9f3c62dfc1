#include "tonightview.h"

#include "night.h"
#include "plannertexts.h"

#include <QHeaderView>
#include <QLabel>
#include <QTableView>
#include <QVBoxLayout>

namespace planner {

TonightView::TonightView(QWidget *parent)
    : QWidget(parent), m_model(new TonightModel(this)), m_caption(new QLabel(this)),
      m_table(new QTableView(this))
{
    m_table->setModel(m_model);
    m_table->setAccessibleName(AlgolPlanner::tr("Minima of every star tonight"));
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->verticalHeader()->hide();
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_caption);
    layout->addWidget(m_table);
    connect(m_table, &QAbstractItemView::activated, this, &TonightView::emitChosen);
}

void TonightView::setNight(const listing::Request &request, QDate evening, bool halfHourRounding,
                           const QLocale &locale)
{
    const listing::Report report = nightOfEveryStar(request, evening, nightStart(evening, request.zone));
    // The chosen minimum stays chosen when it is still there, and nothing is said: the window's
    // chart is already that minimum's.
    const QModelIndex current = m_table->currentIndex();
    const sky::PredictedMinimum chosen = current.isValid() ? m_model->report().rows.at(current.row()).minimum
                                                           : sky::PredictedMinimum{};
    const QSignalBlocker blocker(m_table->selectionModel());
    m_model->setReport(report, halfHourRounding, locale);
    if (current.isValid()) {
        if (const int row = rowOf(*chosen.star, chosen.jdUtc); row >= 0)
            m_table->setCurrentIndex(m_model->index(row, current.column()));
    }
    m_caption->setText(AlgolPlanner::tr("Every star's minima, %1: %2 watchable of %3")
                           .arg(shortNightName(evening, locale))
                           .arg(report.observableCount)
                           .arg(report.rows.size()));
}

int TonightView::rowOf(const sky::Star &star, double jdUtc) const
{
    const QList<listing::ReportRow> &rows = m_model->report().rows;
    for (int row = 0; row < rows.size(); ++row)
        if (rows.at(row).minimum.star == &star && rows.at(row).minimum.jdUtc == jdUtc)
            return row;
    return -1;
}

void TonightView::chooseRow(int row)
{
    m_table->setCurrentIndex(m_model->index(row, 0));
    emitChosen(m_table->currentIndex());
}

void TonightView::emitChosen(const QModelIndex &index)
{
    if (!index.isValid())
        return;
    const sky::PredictedMinimum &minimum = m_model->report().rows.at(index.row()).minimum;
    emit minimumChosen(minimum.star, minimum.jdUtc);
}

} // namespace planner
