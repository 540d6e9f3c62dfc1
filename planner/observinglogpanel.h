#pragma once

// The observing log of the night, as a panel beside the night chart: a visual observer types an
// estimate and Enter, in the dark, and it is stored at once (ObservingLogStore). The time is the
// clock's when the time field is left empty; Ctrl+T or the Now button stamps it into the field,
// where it can be changed to the second, in the site's time. Wrong input is said under the fields
// and stores nothing. The entries' table edits (F2, double click), deletes (Delete) and undoes
// (Ctrl+Z); Import reads a camera's or a program's file into the night, Export writes the log
// or the night's AAVSO Visual file.
//
// The panel is given what it logs against: the chart's comparison stars, the night (its evening's
// date, its span and the site's zone), the observer's AAVSO code and the chart ID. It says
// logChanged() whenever the entries change.

#include "comparisonstars.h"
#include "observinglogstore.h"

#include <QDateTime>
#include <QTimeZone>
#include <QWidget>

class QAction;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace toolkit {
class Clock;
} // namespace toolkit

namespace planner {

struct ObservingNight
{
    QDate evening; // names the log's file
    QDateTime from, to;
    QTimeZone zone;
};

class ObservingLogPanel : public QWidget
{
    Q_OBJECT

public:
    ObservingLogPanel(toolkit::Clock &clock, const QString &nightsFolder, QWidget *parent = nullptr);

    void setComparisonStars(const QList<ComparisonStar> &stars);
    void setNight(const ObservingNight &night);
    // The star logged (Algol until said otherwise): another star's night is another log.
    void setStar(const sky::Star &star);
    void setObserverCode(const QString &code);
    void setChartId(const QString &chartId);

    // The import, export and AAVSO buttons: hidden where a window offers the same in its menu.
    void setFileButtonsShown(bool shown);
    // Ctrl+T, within the panel; a window may widen its shortcut context and put it in a menu.
    QAction *stampAction() const { return m_stamp; }
    void focusEstimate();

    const ObservingLogStore &store() const { return m_store; }
    // The night's points for the chart and the timing (fainter-than estimates left out).
    std::vector<timing::Observation> observations() const;

    // What the keys and buttons do; each says in the panel what it did, or why not (false).
    bool addEstimate();
    void stampNow();
    bool editSelected();
    void cancelEditing();
    bool deleteSelected();
    bool undo();
    bool importFile(const QString &path);
    bool exportLog(const QString &path);
    bool exportAavsoVisual(const QString &path);

signals:
    void logChanged();

private:
    void buildControls();
    void showEntries(int selectedRow = -1);
    void showStars();
    void openNight();
    QString starName() const;
    double faintestEstimate() const;
    void say(const QString &message, QWidget *wrongField = nullptr);
    std::optional<QDateTime> timeOfEstimate(QString *error) const;
    QString localTime(double jdUtc) const;
    QString nightText() const;
    void askImport();
    void askExportLog();
    void askExportAavsoVisual();

    toolkit::Clock &m_clock;
    ObservingLogStore m_store;
    ObservingNight m_night;
    std::vector<timing::ChartStar> m_chartStars;
    QString m_observerCode;
    QString m_chartId;
    int m_editing = -1; // the row being edited, or -1

    QLineEdit *m_time = nullptr;
    QPushButton *m_now = nullptr;
    QLineEdit *m_estimate = nullptr;
    QLineEdit *m_codes = nullptr;
    QLineEdit *m_note = nullptr;
    QPushButton *m_add = nullptr;
    QLabel *m_message = nullptr;
    QLabel *m_stars = nullptr;
    QTableWidget *m_table = nullptr;
    QPushButton *m_undo = nullptr;
    QList<QPushButton *> m_fileButtons;
    QAction *const m_stamp;
};

} // namespace planner
