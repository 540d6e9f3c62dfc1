#pragma once

// The planner's window. It reads the world only through what it is given (the clock, the system's
// time zone, where the settings live, the screen's room), keeps the last good plan while an input
// is wrong, and recomputes the list and the chart when an edit is committed: on Enter, on leaving
// the field, or after a pause in typing. The list's rows come from listing::makeReport, the same
// as algol-minima's, from the night the user chooses; the chart draws ChartData built from sky/.
// Dialogs and the help page are made when first asked for, not at start.
//
// Beside the settings, a tab holds the observing log of the selected night (ObservingLogPanel):
// its points go onto the night chart as they are added, and one action times them
// (nighttiming.h), adds the timing to the user's timings file and refits the elements
// (TimingsBook), whose O−C diagram is a tab beside the night chart. The loop's part of the window
// is in plannerloop.cpp.
//
// The star planned for is chosen at the top of the settings: the list, the chart, the log, the
// timings fitted and the files written are that star's. A third tab beside the chart lists every
// catalogue star's minima of the selected night (TonightView); choosing one of them chooses its star.

#include "comparisonstars.h"
#include "lightcurvesheet.h"
#include "nighttiming.h"
#include "plan.h"
#include "plannersettings.h"
#include "request.h"

#include <QMainWindow>
#include <QPageLayout>
#include <QPointer>
#include <QTimeZone>

#include <functional>

class QCheckBox;
class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QMenu;
class QSplitter;
class QTabWidget;
class QTableView;

namespace sky {
struct Star;
}

namespace toolkit {
class Clock;
class Timer;
} // namespace toolkit

namespace planner {

class MinimaModel;
class NightChart;
class ObservingLogPanel;
class OcDiagram;
class TimingsBook;
class TonightView;

// What the window reads from the world.
struct PlannerWorld
{
    toolkit::Clock &clock;
    QTimeZone systemZone;
    QString settingsPath;
    QString zoneTablesFolder = QStringLiteral("/usr/share/zoneinfo");
    // The screen's room for windows (without its panels); empty: that of the window's screen.
    QRect availableGeometry = {};
    // Where the file dialogs open before any file was chosen; empty: the documents folder.
    QString documentsFolder = {};
    // The user's timings, elements and nights' logs (listing::dataFolder()'s files); empty: there.
    QString dataFolder = {};
};

class PlannerWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit PlannerWindow(const PlannerWorld &world, QWidget *parent = nullptr);
    ~PlannerWindow() override;

    // A typed value is used this long after the last key, if neither Enter nor leaving the field
    // used it before.
    static constexpr int kTypingPauseMs = 1000;

    enum class ChartFormat { Png, Svg };
    // Which minima an exported list holds: those the list shows, or only the watchable ones, or
    // all of them.
    enum class ListedMinima { AsShown, Watchable, All };
    // The list in one of algol-minima's formats; the chart as a picture. Both written whole, said
    // in the status bar; false, with the reason there, when the file could not be written.
    bool exportList(listing::OutputFormat format, const QString &path,
                    ListedMinima minima = ListedMinima::AsShown);
    bool saveChart(ChartFormat format, const QString &path);
    // The printed page of the selected night, drawn into page of any paint device.
    void paintPrintedPage(QPainter &painter, const QRectF &page) const;

    // The observing loop, as its menu items and buttons do it, each said in the status bar or
    // under the log: the night's log timed (false when nothing could be timed, and why), the
    // timing added to the user's timings file, the elements refitted to that file and chosen.
    bool timeTheNight();
    bool addToMyTimings();
    bool refitElements();
    // The night's timings as the minimum report's lines, one per band timed; empty when untimed.
    QString minimumReport() const;
    enum class SheetFormat { Png, Pdf };
    enum class DiagramFormat { Png, Svg, Csv };
    // The files for the observer's community, written whole (false, with the reason in the status
    // bar, when not): the night's AAVSO Visual file, the minimum report, the light-curve sheet,
    // the observing sheet of the selected night, the O−C diagram.
    bool exportAavsoVisual(const QString &path);
    bool saveMinimumReport(const QString &path);
    bool saveLightCurveSheet(SheetFormat format, const QString &path);
    bool saveObservingSheet(const QString &path);
    bool saveOcDiagram(DiagramFormat format, const QString &path);
    // The observing sheet of the selected night, the light-curve sheet of its log (nothing for an
    // empty log), on a page of any paint device.
    void paintObservingSheet(QPainter &painter, const QRectF &page) const;
    void paintLightCurveSheet(QPainter &painter, const QRectF &page) const;
    // The night's timing, as the log shows it (nothing before the night is timed).
    const std::optional<NightTiming> &nightTiming() const { return m_nightTiming; }

    const Plan &plan() const { return m_plan; }
    const PlannerSettings &settings() const { return m_settings; }
    const listing::Request &request() const { return m_request; }

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    enum class Selection { Kept, FirstListed, FirstWatchable };

    void buildControls();
    void buildMenus();
    void placeWindow(const QRect &available);
    void showSettings();
    void connectCommits();
    // Reads every field; when they all read and something changed (or force), keeps the new
    // settings, recomputes and saves them; otherwise marks the wrong fields and says which values
    // stay in use.
    void applyInputs(bool force = false);
    void elementsChosen();
    // A star chosen in the chooser: its own custom numbers, the texts that name it, the list.
    void starChosen();
    void showStarTexts(const sky::Star &star);
    const sky::Star &chosenStar() const;
    // The tonight tab of that evening, computed again only when it or the site, zone, conditions
    // or rounding changed.
    void showTonight(QDate evening);
    void tonightChosen(const sky::Star *star, double jdUtc);
    // "algol", "lam-tau": the start of the names the file dialogs propose.
    QString fileStem() const;
    void showElementsInUse(const std::optional<sky::ElementSet> &set);
    void recompute(Selection selection);
    void showSummary();
    void showSelectedNight();
    void updateNow();
    void onMinute();
    void saveSettings();
    void askExportList(listing::OutputFormat format);
    void askSaveChart(ChartFormat format);
    QString askSavePath(const QString &caption, const QString &name, const QString &suffix);
    void fileWritten(const QString &path);
    void printChart();
    // The print dialog, then one page painted in the printer's pixels; the status bar says how it went.
    void printPage(QPageLayout::Orientation orientation, const std::function<void(QPainter &, const QRectF &)> &paint);
    void showAbout();
    void showTerms();

    // The loop (plannerloop.cpp).
    QWidget *buildLogPage();
    QWidget *buildOcPane();
    void buildLoopMenus(QMenu *file, QMenu *observing);
    void showLogNight();
    void applyObserver();
    void logChanged();
    void showTiming();
    void askTimingOptions();
    void timingsChanged();
    void openTimingNight(double minimumJdUtc);
    void showLogTab();
    void askObserverCode();
    void askImport();
    void askExportLog();
    void askAavsoVisual();
    void showMinimumReport();
    void askLightCurveSheet(SheetFormat format);
    void askObservingSheetPdf();
    void printObservingSheet();
    void askOcDiagram(DiagramFormat format);
    bool writeFile(const QString &path, const std::function<bool(QIODevice &)> &write);
    std::optional<LightCurveSheet> nightLightCurveSheet() const;
    void setFieldError(QWidget *field, const QString &message);
    void chooseElementsFile();
    void chooseStar(const sky::Star &star);
    QString startFolder() const;
    const listing::ReportRow *selectedRow() const;
    QDate currentNight() const;
    // The element set of a choice; an elements file is read again only when its name changes or it
    // is chosen anew.
    std::optional<sky::ElementSet> elementSetOf(const ElementsChoice &choice, QString *error);

    toolkit::Clock &m_clock;
    const QTimeZone m_systemZone;
    const QString m_settingsPath;
    const QString m_zoneTablesFolder;
    const QString m_documentsFolder;
    const QString m_dataFolder;
    PlannerSettings m_settings;
    QByteArray m_savedText; // what the settings file holds, as far as the window knows
    bool m_mayWriteSettings = true; // false over a damaged file that could not be kept aside
    listing::Request m_request;
    Plan m_plan;
    QList<ComparisonStar> m_stars;
    std::optional<double> m_selectedJd; // the selected minimum
    QDate m_followedNight; // the night the list started from when it was the current one
    QDate m_listedNight;  // the night the list starts from
    QString m_summaryText;
    QString m_startNote;  // what the first start or a damaged settings file made of the settings
    QStringList m_inUseNotes; // the values still in use while their fields are wrong
    struct ElementsFileRead
    {
        QString path;
        std::optional<sky::ElementSet> set;
        QString error;
    };
    std::optional<ElementsFileRead> m_elementsFileRead;
    // The custom elements' texts while the fields show another set's numbers.
    ElementsSource m_shownSource = ElementsSource::Current;
    QString m_customEpochText;
    QString m_customPeriodText;
    int m_customReference = 0;
    bool m_showing = false; // while the fields are being filled from the settings
    bool m_recomputing = false; // while recompute() sets the current row and draws its night

    QComboBox *m_star = nullptr;
    QLabel *m_lowestLabel = nullptr;
    TonightView *m_tonight = nullptr;
    QByteArray m_tonightKey; // what the tonight tab was computed from
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
    QDateEdit *m_firstNight = nullptr;
    QComboBox *m_days = nullptr;
    QCheckBox *m_onlyWatchable = nullptr;
    QCheckBox *m_rounding = nullptr;
    QLabel *m_now = nullptr;
    QLabel *m_summary = nullptr;
    QSplitter *m_splitter = nullptr;
    QTableView *m_list = nullptr;
    MinimaModel *m_model = nullptr;
    NightChart *m_chart = nullptr;
    QLabel *m_readout = nullptr;
    toolkit::Timer *m_minuteTimer = nullptr;
    toolkit::Timer *m_typingPause = nullptr;
    QPointer<QWidget> m_terms;

    // The loop.
    QTabWidget *m_sideTabs = nullptr;
    QTabWidget *m_viewTabs = nullptr;
    ObservingLogPanel *m_log = nullptr;
    QLineEdit *m_observerCode = nullptr;
    QLineEdit *m_chartId = nullptr;
    QLineEdit *m_instrument = nullptr;
    QLabel *m_timingText = nullptr;
    OcDiagram *m_oc = nullptr;
    QLabel *m_ocReadout = nullptr;
    TimingsBook *m_book = nullptr;
    std::optional<NightTiming> m_nightTiming;
    QDate m_timedEvening; // the night whose timing is shown, timed again when its log changes
};

} // namespace planner
