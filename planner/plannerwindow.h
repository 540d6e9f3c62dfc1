#pragma once

// The planner's window. It reads the world only through what it is given (the clock, the system's
// time zone, where the settings live), keeps the last good plan while an input is wrong, and
// recomputes the list and the chart as soon as every input reads. The list's rows come from
// listing::makeReport, the same as algol-minima's; the chart draws ChartData built from sky/.

#include "comparisonstars.h"
#include "plan.h"
#include "plannersettings.h"
#include "request.h"

#include <QMainWindow>
#include <QTimeZone>

class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QTableView;

namespace toolkit {
class Clock;
class Timer;
} // namespace toolkit

namespace planner {

class MinimaModel;
class NightChart;

// What the window reads from the world.
struct PlannerWorld
{
    toolkit::Clock &clock;
    QTimeZone systemZone;
    QString settingsPath;
    QString zoneTablesFolder = QStringLiteral("/usr/share/zoneinfo");
};

class PlannerWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit PlannerWindow(const PlannerWorld &world, QWidget *parent = nullptr);
    ~PlannerWindow() override;

    enum class ChartFormat { Png, Svg };
    // The list as shown, in one of algol-minima's formats; the chart as a picture. Both written
    // whole; false, with the reason in the status bar, when the file could not be written.
    bool exportList(listing::OutputFormat format, const QString &path);
    bool saveChart(ChartFormat format, const QString &path);

    const Plan &plan() const { return m_plan; }
    const PlannerSettings &settings() const { return m_settings; }
    const listing::Request &request() const { return m_request; }

private:
    void buildControls();
    void buildMenus();
    void showSettings();
    // Reads every field; on success keeps the new settings, recomputes and saves them.
    void applyInputs();
    void recompute();
    void showSelectedNight();
    void updateNow();
    void onMinute();
    void saveSettings();
    void askExportList(listing::OutputFormat format);
    void askSaveChart(ChartFormat format);
    void printChart();
    void setFieldError(QWidget *field, const QString &message);
    void chooseElementsFile();
    // The element set of a choice; an elements file is read again only when its name changes or it
    // is chosen anew.
    std::optional<sky::ElementSet> elementSetOf(const ElementsChoice &choice, QString *error);

    toolkit::Clock &m_clock;
    const QTimeZone m_systemZone;
    const QString m_settingsPath;
    const QString m_zoneTablesFolder;
    PlannerSettings m_settings;
    QByteArray m_savedText; // what the settings file holds, as far as the window knows
    listing::Request m_request;
    Plan m_plan;
    QList<ComparisonStar> m_stars;
    long long m_selectedCycle = 0;
    struct ElementsFileRead
    {
        QString path;
        std::optional<sky::ElementSet> set;
        QString error;
    };
    std::optional<ElementsFileRead> m_elementsFileRead;
    bool m_showing = false; // while the fields are being filled from the settings
    bool m_recomputing = false; // while recompute() sets the current row and draws its night

    QLineEdit *m_place = nullptr;
    QLineEdit *m_latitude = nullptr;
    QLineEdit *m_longitude = nullptr;
    QLineEdit *m_height = nullptr;
    QLineEdit *m_zone = nullptr;
    QLabel *m_siteNote = nullptr;
    QComboBox *m_elements = nullptr;
    QLineEdit *m_epoch = nullptr;
    QLineEdit *m_period = nullptr;
    QComboBox *m_reference = nullptr;
    QLineEdit *m_elementsFile = nullptr;
    QWidget *m_elementsFileRow = nullptr;
    QLabel *m_elementsNote = nullptr;
    QLineEdit *m_lowestAlgol = nullptr;
    QLineEdit *m_highestSun = nullptr;
    QLabel *m_conditionsNote = nullptr;
    QComboBox *m_days = nullptr;
    QCheckBox *m_onlyWatchable = nullptr;
    QCheckBox *m_rounding = nullptr;
    QLabel *m_now = nullptr;
    QLabel *m_summary = nullptr;
    QTableView *m_list = nullptr;
    MinimaModel *m_model = nullptr;
    NightChart *m_chart = nullptr;
    QLabel *m_readout = nullptr;
    toolkit::Timer *m_minuteTimer = nullptr;
};

} // namespace planner
