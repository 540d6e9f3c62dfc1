// The observing loop of the planner's window: the night's log beside the settings, its points on
// the night chart, the timing of the night, the user's timings file and its O−C diagram, the
// refit of the elements, and the files for the observer's community.

#include "plannerwindow.h"

#include "clock.h"
#include "datafolder.h"
#include "inputfiles.h"
#include "lightcurvesheet.h"
#include "minimamodel.h"
#include "minimumreport.h"
#include "night.h"
#include "nightchart.h"
#include "observinglogpanel.h"
#include "observingsheet.h"
#include "ocdata.h"
#include "ocdiagram.h"
#include "plannertexts.h"
#include "savefile.h"
#include "timingoptionsdialog.h"
#include "timingsbook.h"
#include "tonightview.h"
#include "wording.h"
#include "zonetime.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDateEdit>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

#include <cmath>

namespace planner {

namespace {

const QSize kDiagramPictureSize{1600, 900};
constexpr int kLogTab = 1;
constexpr int kOcTab = 1;
constexpr int kTonightTab = 2;

QLineEdit *observerField(const QString &accessibleName, const QString &pattern, int longest, QWidget *parent)
{
    auto *field = new QLineEdit(parent);
    field->setAccessibleName(accessibleName);
    field->setMaxLength(longest);
    if (!pattern.isEmpty())
        field->setValidator(new QRegularExpressionValidator(QRegularExpression(pattern), field));
    return field;
}

QString dateName(QDate evening)
{
    return listing::isoDateText(evening);
}

} // namespace

QWidget *PlannerWindow::buildLogPage()
{
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    m_log = new ObservingLogPanel(m_clock, m_dataFolder + QStringLiteral("/nights"), page);
    m_log->setComparisonStars(m_stars);
    m_log->setFileButtonsShown(false); // the File menu has them, opening in the last folder used
    layout->addWidget(m_log, 1);

    auto *timingBox = new QGroupBox(AlgolPlanner::tr("Time of minimum"), page);
    auto *timingLayout = new QVBoxLayout(timingBox);
    auto *buttons = new QHBoxLayout;
    auto *time = new QPushButton(AlgolPlanner::tr("Time the &minimum"), timingBox);
    time->setAccessibleName(AlgolPlanner::tr("Time the minimum of the night"));
    time->setToolTip(AlgolPlanner::tr("Times the night's points as algol-minima time does (Ctrl+M)"));
    auto *options = new QPushButton(AlgolPlanner::tr("O&ptions…"), timingBox);
    options->setAccessibleName(AlgolPlanner::tr("Timing options"));
    auto *add = new QPushButton(AlgolPlanner::tr("Add to my timing&s"), timingBox);
    add->setAccessibleName(AlgolPlanner::tr("Add the timing to my timings"));
    add->setToolTip(AlgolPlanner::tr("Adds the night's timing to your timings file, %1, unless it is there already")
                        .arg(m_book->timingsPath()));
    for (QPushButton *b : {time, options, add}) {
        b->setAutoDefault(false);
        buttons->addWidget(b);
    }
    buttons->addStretch(1);
    timingLayout->addLayout(buttons);
    m_timingText = new QLabel(timingBox);
    m_timingText->setAccessibleName(AlgolPlanner::tr("Timing of the night"));
    m_timingText->setWordWrap(true);
    m_timingText->setTextFormat(Qt::PlainText);
    m_timingText->setTextInteractionFlags(Qt::TextSelectableByMouse);
    timingLayout->addWidget(m_timingText);
    layout->addWidget(timingBox);
    connect(time, &QPushButton::clicked, this, &PlannerWindow::timeTheNight);
    connect(options, &QPushButton::clicked, this, &PlannerWindow::askTimingOptions);
    connect(add, &QPushButton::clicked, this, &PlannerWindow::addToMyTimings);

    // Who observes and with what: the AAVSO file, the report and the sheets say it.
    auto *observerBox = new QGroupBox(AlgolPlanner::tr("Observer"), page);
    auto *observerForm = new QFormLayout(observerBox);
    m_observerCode = observerField(AlgolPlanner::tr("AAVSO observer code"), QStringLiteral("[A-Za-z0-9]*"),
                                   kLongestCode, observerBox);
    m_observerCode->setToolTip(AlgolPlanner::tr("Your observer code at the AAVSO, which its Visual file needs"));
    m_chartId = observerField(AlgolPlanner::tr("AAVSO chart ID"), QStringLiteral("[A-Za-z0-9]*"), kLongestChartId,
                              observerBox);
    m_chartId->setToolTip(AlgolPlanner::tr("The ID of the AAVSO chart whose comparison stars you use, such as X28471BN"));
    m_instrument = observerField(AlgolPlanner::tr("Instrument"), {}, kLongestInstrument, observerBox);
    m_instrument->setPlaceholderText(AlgolPlanner::tr("naked eye, 10×50 binoculars…"));
    observerForm->addRow(AlgolPlanner::tr("O&bserver code:"), m_observerCode);
    observerForm->addRow(AlgolPlanner::tr("Cha&rt ID:"), m_chartId);
    observerForm->addRow(AlgolPlanner::tr("I&nstrument:"), m_instrument);
    layout->addWidget(observerBox);

    connect(m_log, &ObservingLogPanel::logChanged, this, &PlannerWindow::logChanged);
    // Dark as the log and the chart, for the eyes at night.
    page->setPalette(m_log->palette());
    page->setAutoFillBackground(true);

    // Short screens scroll the page rather than squeeze the table away.
    auto *scroll = new QScrollArea;
    scroll->setWidget(page);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setMinimumWidth(page->minimumSizeHint().width() + scroll->verticalScrollBar()->sizeHint().width());
    scroll->setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Ignored);
    scroll->setFocusPolicy(Qt::NoFocus);
    scroll->setAccessibleName(AlgolPlanner::tr("Observing log"));
    return scroll;
}

QWidget *PlannerWindow::buildOcPane()
{
    auto *pane = new QWidget;
    auto *layout = new QVBoxLayout(pane);
    layout->setContentsMargins(0, 0, 0, 0);
    m_oc = new OcDiagram(pane);
    m_ocReadout = new QLabel(pane);
    m_ocReadout->setAccessibleName(AlgolPlanner::tr("O−C read-out"));
    m_ocReadout->setWordWrap(true);
    m_ocReadout->setTextFormat(Qt::PlainText);
    layout->addWidget(m_oc, 1);
    layout->addWidget(m_ocReadout);
    connect(m_oc, &OcDiagram::readoutChanged, this, [this](const QString &text) {
        m_ocReadout->setText(text.isEmpty() ? m_ocReadout->property("hint").toString() : text);
    });
    connect(m_oc, &OcDiagram::timingChosen, this, [this](double minimumJdUtc) { openTimingNight(minimumJdUtc); });
    connect(m_book, &TimingsBook::changed, this, &PlannerWindow::timingsChanged);
    return pane;
}

void PlannerWindow::buildLoopMenus(QMenu *file, QMenu *observing)
{
    const auto add = [this](QMenu *menu, const QString &text, const QKeySequence &keys, auto slot) {
        QAction *action = menu->addAction(text);
        action->setShortcut(keys);
        connect(action, &QAction::triggered, this, slot);
        return action;
    };
    add(file, AlgolPlanner::tr("I&mport observations…"), QKeySequence(Qt::CTRL | Qt::Key_I), [this] { askImport(); });
    add(file, AlgolPlanner::tr("Export the night's &log…"), QKeySequence(), [this] { askExportLog(); });
    add(file, AlgolPlanner::tr("&AAVSO Visual file…"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_V),
        [this] { askAavsoVisual(); });
    add(file, AlgolPlanner::tr("Minimum r&eport…"), QKeySequence(Qt::CTRL | Qt::Key_R), [this] { showMinimumReport(); });
    QMenu *lightCurve = file->addMenu(AlgolPlanner::tr("Lig&ht-curve sheet"));
    add(lightCurve, AlgolPlanner::tr("Save as &PNG…"), QKeySequence(), [this] { askLightCurveSheet(SheetFormat::Png); });
    add(lightCurve, AlgolPlanner::tr("Save as P&DF…"), QKeySequence(), [this] { askLightCurveSheet(SheetFormat::Pdf); });
    QMenu *sheet = file->addMenu(AlgolPlanner::tr("&Observing sheet"));
    add(sheet, AlgolPlanner::tr("&Print…"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P), [this] { printObservingSheet(); });
    add(sheet, AlgolPlanner::tr("Save as P&DF…"), QKeySequence(), [this] { askObservingSheetPdf(); });
    QMenu *diagram = file->addMenu(AlgolPlanner::tr("O−C &diagram"));
    add(diagram, AlgolPlanner::tr("Save as &PNG…"), QKeySequence(), [this] { askOcDiagram(DiagramFormat::Png); });
    add(diagram, AlgolPlanner::tr("Save as &SVG…"), QKeySequence(), [this] { askOcDiagram(DiagramFormat::Svg); });
    add(diagram, AlgolPlanner::tr("Save as &CSV…"), QKeySequence(), [this] { askOcDiagram(DiagramFormat::Csv); });

    add(observing, AlgolPlanner::tr("&Log an estimate"), QKeySequence(Qt::CTRL | Qt::Key_L), [this] {
        showLogTab();
        m_log->focusEstimate();
    });
    // The panel's own Ctrl+T, from anywhere in the window: the time stamped, the estimate next.
    QAction *stamp = m_log->stampAction();
    stamp->setText(AlgolPlanner::tr("&Stamp the time"));
    stamp->setShortcutContext(Qt::WindowShortcut);
    observing->addAction(stamp);
    connect(stamp, &QAction::triggered, this, [this] {
        showLogTab();
        m_log->focusEstimate();
    });
    add(observing, AlgolPlanner::tr("&Time the minimum"), QKeySequence(Qt::CTRL | Qt::Key_M), [this] { timeTheNight(); });
    add(observing, AlgolPlanner::tr("Timing &options…"), QKeySequence(), [this] { askTimingOptions(); });
    add(observing, AlgolPlanner::tr("&Add to my timings"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_M),
        [this] { addToMyTimings(); });
    add(observing, AlgolPlanner::tr("&Refit the elements to my timings"), QKeySequence(), [this] { refitElements(); });
    observing->addSeparator();
    add(observing, AlgolPlanner::tr("Show the settin&gs"), QKeySequence(Qt::CTRL | Qt::Key_Comma),
        [this] { m_sideTabs->setCurrentIndex(0); });
    add(observing, AlgolPlanner::tr("Show the night &chart"), QKeySequence(Qt::CTRL | Qt::Key_1),
        [this] { m_viewTabs->setCurrentIndex(0); });
    add(observing, AlgolPlanner::tr("Show the O−C &diagram"), QKeySequence(Qt::CTRL | Qt::Key_2), [this] {
        m_viewTabs->setCurrentIndex(kOcTab);
        m_oc->setFocus(Qt::ShortcutFocusReason);
    });
    add(observing, AlgolPlanner::tr("Show &every star tonight"), QKeySequence(Qt::CTRL | Qt::Key_3), [this] {
        m_viewTabs->setCurrentIndex(kTonightTab);
        m_tonight->table()->setFocus(Qt::ShortcutFocusReason);
    });
}

void PlannerWindow::showLogTab()
{
    m_sideTabs->setCurrentIndex(kLogTab);
}

void PlannerWindow::applyObserver()
{
    const QString code = m_observerCode->text().trimmed().toUpper();
    const QString chart = m_chartId->text().trimmed().toUpper();
    const QString instrument = m_instrument->text().simplified();
    if (m_observerCode->text() != code)
        m_observerCode->setText(code);
    if (m_chartId->text() != chart)
        m_chartId->setText(chart);
    m_log->setObserverCode(code);
    m_log->setChartId(chart);
    if (code == m_settings.observerCode && chart == m_settings.chartId && instrument == m_settings.instrument)
        return;
    m_settings.observerCode = code;
    m_settings.chartId = chart;
    m_settings.instrument = instrument;
    saveSettings();
    // The log's points carry the observer code: the night is timed again with it.
    logChanged();
}

void PlannerWindow::showLogNight()
{
    const ChartData &data = m_chart->data();
    if (!data.isValid())
        return; // no minimum listed: the log stays on its night
    m_log->setNight({data.evening, listing::utcOfJulianDay(data.night.fromJdUtc),
                     listing::utcOfJulianDay(data.night.toJdUtc), data.zone});
}

void PlannerWindow::logChanged()
{
    const QDate evening = m_log->store().evening();
    ChartLog log = chartLogOf(m_log->store().entries());
    if (evening.isValid() && evening == m_timedEvening) {
        const std::vector<timing::Observation> observations = m_log->observations();
        m_nightTiming = timeNight(observations, m_request.elements, m_settings.timing);
        log.timings = chartTimingsOf(*m_nightTiming, observations, m_request.elements,
                                     m_request.zone, QLocale());
    } else {
        m_timedEvening = {};
        m_nightTiming.reset();
    }
    m_chart->setLog(std::move(log));
    showTiming();
}

bool PlannerWindow::timeTheNight()
{
    m_timedEvening = m_log->store().evening();
    logChanged();
    showLogTab();
    const bool timed = m_nightTiming && m_nightTiming->timed();
    statusBar()->showMessage(timed ? AlgolPlanner::tr("The night is timed: see under the log.")
                                   : AlgolPlanner::tr("The night could not be timed: see under the log."));
    return timed;
}

void PlannerWindow::showTiming()
{
    if (!m_nightTiming) {
        m_timingText->setText(m_log->store().entries().empty()
                                  ? AlgolPlanner::tr("Add estimates or import a file, then time the minimum (Ctrl+M).")
                                  : AlgolPlanner::tr("Time the minimum (Ctrl+M) when the eclipse is observed."));
        return;
    }
    m_timingText->setText(nightTimingText(*m_nightTiming, m_settings.timing, m_request.zone, QLocale()));
}

void PlannerWindow::askTimingOptions()
{
    TimingOptionsDialog dialog(m_settings.timing, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    m_settings.timing = *dialog.options();
    saveSettings();
    logChanged();
}

bool PlannerWindow::addToMyTimings()
{
    if (!m_nightTiming || !m_nightTiming->timed()) {
        statusBar()->showMessage(m_nightTiming
                                     ? AlgolPlanner::tr("Nothing to add: the night could not be timed.")
                                     : AlgolPlanner::tr("Nothing to add yet: time the minimum first (Ctrl+M)."));
        return false;
    }
    const std::vector<timing::TimingRecord> records =
        timingRecordsOf(*m_nightTiming, m_request.elements, m_log->store().path());
    const listing::StoredTimings stored = m_book->add(records, m_request.elements.elements.period);
    const QString path = m_book->timingsPath();
    if (!stored.error.isEmpty()) {
        QStringList lines = lineProblemMessages(path, stored.problems);
        lines.prepend(AlgolPlanner::tr("Not added: %1").arg(stored.error));
        statusBar()->showMessage(lines.join(QStringLiteral("; ")));
        return false;
    }
    statusBar()->showMessage(
        stored.added > 0
            ? AlgolPlanner::tr("Timings added to yours (%1): %n.", nullptr, stored.added).arg(path)
            : AlgolPlanner::tr("Already in your timings (%1): nothing was added.").arg(path));
    return stored.added > 0;
}

void PlannerWindow::timingsChanged()
{
    // The chosen star's timings only: each star has its own elements and cycles.
    const timing::ElementsFit fit = m_book->fit(m_request.elements);
    const std::vector<timing::TimingRecord> records = m_book->recordsOf(*m_request.elements.star);
    m_oc->setData(ocData(records, m_request.elements, fit.refusal ? nullptr : &fit, QLocale()));
    QString hint = records.empty()
        ? AlgolPlanner::tr("No timings yet in %1: time a night and add it to your timings.").arg(m_book->timingsPath())
        : AlgolPlanner::tr("Point at a timing, or give the diagram the focus and use the arrow keys, to read it; "
                           "a click or Enter opens its night.");
    if (!m_book->readError().isEmpty())
        hint = m_book->readError();
    else if (!m_book->problems().isEmpty())
        hint += QLatin1Char(' ') + AlgolPlanner::tr("Lines left out: %1").arg(m_book->problems().join(QStringLiteral("; ")));
    m_ocReadout->setProperty("hint", hint);
    m_ocReadout->setText(hint);
}

bool PlannerWindow::refitElements()
{
    const auto refuse = [this](const QString &why) {
        statusBar()->showMessage(why);
        return false;
    };
    const sky::Star &star = *m_request.elements.star;
    if (m_book->recordsOf(star).empty())
        return refuse(&star == &sky::algolStar()
                          ? AlgolPlanner::tr("No timings to fit in %1: time a night and add it to your timings first.")
                                .arg(m_book->timingsPath())
                          : AlgolPlanner::tr("No timings of %1 to fit in %2: time a night and add it to your timings first.")
                                .arg(listing::starLabel(star), m_book->timingsPath()));
    const timing::ElementsFit fit = m_book->fit(m_request.elements);
    if (fit.refusal)
        return refuse(AlgolPlanner::tr("No elements can be fitted to your timings (%1: %2); nothing was changed.")
                          .arg(QString::fromStdString(fit.refusal->key), listing::elementsErrorMessage(fit.refusal->error)));
    QString reason;
    if (!m_book->writeElements(fit.fitted, &reason))
        return refuse(AlgolPlanner::tr("Could not write %1: %2; nothing was changed.").arg(m_book->elementsPath(star), reason));
    // "Fitted to my timings", with the file just written read anew.
    {
        const QSignalBlocker blocker(m_elements);
        if (m_shownSource == ElementsSource::Custom) {
            m_customEpochText = m_epoch->text();
            m_customPeriodText = m_period->text();
            m_customReference = m_reference->currentIndex();
        }
        m_elements->setCurrentIndex(int(ElementsSource::File));
        m_shownSource = ElementsSource::File;
    }
    m_elementsFile->setText(m_book->elementsPath(star));
    m_elementsFileRead.reset();
    applyInputs(true);
    long long left = 0;
    for (const timing::Residual &residual : fit.residuals)
        left += residual.flag == timing::Residual::Flag::Rejected;
    QString said = AlgolPlanner::tr("Elements fitted to %n of your timings and written to %1: the list now predicts with them.",
                                    nullptr, int(fit.residuals.size() - std::size_t(left)))
                       .arg(m_book->elementsPath(star));
    if (left > 0)
        said += QLatin1Char(' ') + AlgolPlanner::tr("Left out, beyond 3 sigma: %n.", nullptr, int(left));
    statusBar()->showMessage(said);
    return true;
}

void PlannerWindow::openTimingNight(double minimumJdUtc)
{
    const QDate night = nightOf(listing::utcOfJulianDay(minimumJdUtc), m_request.zone);
    {
        const QSignalBlocker blocker(m_firstNight);
        m_firstNight->setDate(night);
    }
    applyInputs();
    const int row = m_model->rowNearest(minimumJdUtc);
    if (row >= 0)
        m_list->setCurrentIndex(m_model->index(row, 0));
    m_viewTabs->setCurrentIndex(0);
    const listing::ReportRow *shown = selectedRow();
    if (!shown || std::fabs(shown->minimum.jdUtc - minimumJdUtc) > 0.5)
        statusBar()->showMessage(AlgolPlanner::tr("The minimum of the %1 is not in the list: only the "
                                                  "watchable minima are shown.").arg(shortNightName(night, QLocale())));
}

void PlannerWindow::askObserverCode()
{
    showLogTab();
    m_observerCode->setFocus(Qt::OtherFocusReason);
    statusBar()->showMessage(AlgolPlanner::tr("Type your AAVSO observer code first (Observer code, under the log): "
                                              "the AAVSO file is signed with it."));
}

bool PlannerWindow::writeFile(const QString &path, const std::function<bool(QIODevice &)> &write)
{
    QString reason;
    const bool written = listing::saveWhole(path, write, &reason);
    statusBar()->showMessage(written ? AlgolPlanner::tr("Written: %1").arg(path)
                                     : AlgolPlanner::tr("Could not write %1: %2").arg(path, reason));
    if (written)
        fileWritten(path);
    return written;
}

void PlannerWindow::askImport()
{
    showLogTab();
    const QString path = QFileDialog::getOpenFileName(
        this, AlgolPlanner::tr("Import observations"), startFolder(),
        AlgolPlanner::tr("Observation files (*.txt *.csv *.tsv *.dat);;All files (*)"));
    if (path.isEmpty())
        return;
    m_settings.folder = QFileInfo(path).absolutePath();
    saveSettings();
    m_log->importFile(path);
}

void PlannerWindow::askExportLog()
{
    const QString path = askSavePath(AlgolPlanner::tr("Export the night's log"),
                                     fileStem() + QStringLiteral("-log-") + dateName(m_log->store().evening()),
                                     QStringLiteral("csv"));
    if (path.isEmpty())
        return;
    showLogTab();
    if (m_log->exportLog(path)) {
        statusBar()->showMessage(AlgolPlanner::tr("Written: %1").arg(path));
        fileWritten(path);
    }
}

bool PlannerWindow::exportAavsoVisual(const QString &path)
{
    applyObserver(); // a code typed but not yet committed counts
    if (m_settings.observerCode.isEmpty()) {
        askObserverCode();
        return false;
    }
    showLogTab();
    const bool written = m_log->exportAavsoVisual(path);
    if (written)
        fileWritten(path);
    statusBar()->showMessage(written ? AlgolPlanner::tr("Written: %1").arg(path)
                                     : AlgolPlanner::tr("The AAVSO file was not written: see under the log."));
    return written;
}

void PlannerWindow::askAavsoVisual()
{
    applyObserver();
    if (m_settings.observerCode.isEmpty()) {
        askObserverCode();
        return;
    }
    const QString path = askSavePath(AlgolPlanner::tr("AAVSO Visual file"),
                                     fileStem() + QStringLiteral("-aavso-") + dateName(m_log->store().evening()),
                                     QStringLiteral("txt"));
    if (!path.isEmpty())
        exportAavsoVisual(path);
}

QString PlannerWindow::minimumReport() const
{
    if (!m_nightTiming)
        return {};
    QStringList lines;
    for (const timing::TimingRecord &record : timingRecordsOf(*m_nightTiming, m_request.elements, m_log->store().path()))
        lines << listing::minimumReportLine(record, m_settings.instrument);
    return lines.join(QLatin1Char('\n'));
}

bool PlannerWindow::saveMinimumReport(const QString &path)
{
    const QByteArray bytes = (minimumReport() + QLatin1Char('\n')).toUtf8();
    if (bytes.size() <= 1) {
        statusBar()->showMessage(AlgolPlanner::tr("No minimum to report: time the night first (Ctrl+M)."));
        return false;
    }
    return writeFile(path, [&](QIODevice &device) { return device.write(bytes) == bytes.size(); });
}

void PlannerWindow::showMinimumReport()
{
    const QString report = minimumReport();
    if (report.isEmpty()) {
        statusBar()->showMessage(m_nightTiming ? AlgolPlanner::tr("No minimum to report: the night could not be timed.")
                                               : AlgolPlanner::tr("No minimum to report: time the night first (Ctrl+M)."));
        return;
    }
    QDialog dialog(this);
    dialog.setWindowTitle(AlgolPlanner::tr("Minimum report"));
    auto *layout = new QVBoxLayout(&dialog);
    auto *explanation = new QLabel(AlgolPlanner::tr("The night's time of minimum as one line, the form in which "
                                                    "the associations that collect timings receive them:"), &dialog);
    explanation->setWordWrap(true);
    layout->addWidget(explanation);
    auto *text = new QPlainTextEdit(report, &dialog);
    text->setReadOnly(true);
    text->setAccessibleName(AlgolPlanner::tr("Minimum report"));
    text->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    text->setMinimumWidth(text->fontMetrics().averageCharWidth() * 80);
    text->setMaximumHeight(text->fontMetrics().lineSpacing() * 6);
    layout->addWidget(text);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, &dialog);
    QPushButton *copy = buttons->addButton(AlgolPlanner::tr("&Copy"), QDialogButtonBox::ActionRole);
    QPushButton *save = buttons->addButton(AlgolPlanner::tr("&Save…"), QDialogButtonBox::ActionRole);
    connect(copy, &QPushButton::clicked, &dialog, [&] {
        QGuiApplication::clipboard()->setText(report);
        statusBar()->showMessage(AlgolPlanner::tr("The minimum report is copied."));
    });
    connect(save, &QPushButton::clicked, &dialog, [&] {
        const QString path = askSavePath(AlgolPlanner::tr("Save the minimum report"),
                                         fileStem() + QStringLiteral("-minimum-") + dateName(m_log->store().evening()),
                                         QStringLiteral("txt"));
        if (!path.isEmpty() && saveMinimumReport(path))
            dialog.accept();
    });
    connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    layout->addWidget(buttons);
    copy->setFocus();
    dialog.exec();
}

std::optional<LightCurveSheet> PlannerWindow::nightLightCurveSheet() const
{
    const std::vector<timing::LogEntry> &entries = m_log->store().entries();
    if (entries.empty())
        return std::nullopt;
    LightCurveNight night;
    night.placeName = m_settings.placeName;
    night.site = m_settings.site;
    night.zone = m_request.zone;
    night.observer = m_settings.observerCode;
    night.instrument = m_settings.instrument;
    night.elements = m_request.elements;
    night.stars = m_stars;
    // The band timed (the one of the most points), or the observer's own estimates.
    const BandTiming *timed = m_nightTiming ? m_nightTiming->timed() : nullptr;
    const std::string band = timed ? timed->timing.band : std::string("Vis.");
    if (timed) {
        night.timing = timed->timing;
        night.templateDepth = timed->templateDepth;
    }
    for (const timing::LogEntry &entry : entries) {
        const bool own = entry.kind != timing::EntryKind::Imported;
        if (own ? band == "Vis." : entry.band == band)
            night.estimates.append({entry.jdUtc, entry.magnitude, entry.kind == timing::EntryKind::FainterThan});
    }
    return lightCurveSheet(night, QLocale());
}

void PlannerWindow::paintLightCurveSheet(QPainter &painter, const QRectF &page) const
{
    if (const std::optional<LightCurveSheet> sheet = nightLightCurveSheet())
        planner::paintLightCurveSheet(painter, page, *sheet);
}

bool PlannerWindow::saveLightCurveSheet(SheetFormat format, const QString &path)
{
    const std::optional<LightCurveSheet> sheet = nightLightCurveSheet();
    if (!sheet) {
        statusBar()->showMessage(AlgolPlanner::tr("The night's log is empty: there is no light curve to draw."));
        return false;
    }
    return writeFile(path, [&](QIODevice &device) {
        return format == SheetFormat::Pdf ? writeLightCurveSheetPdf(device, *sheet) : writeLightCurveSheetPng(device, *sheet);
    });
}

void PlannerWindow::askLightCurveSheet(SheetFormat format)
{
    const QString path = askSavePath(AlgolPlanner::tr("Save the light-curve sheet"),
                                     fileStem() + QStringLiteral("-light-curve-") + dateName(m_log->store().evening()),
                                     format == SheetFormat::Pdf ? QStringLiteral("pdf") : QStringLiteral("png"));
    if (!path.isEmpty())
        saveLightCurveSheet(format, path);
}

void PlannerWindow::paintObservingSheet(QPainter &painter, const QRectF &page) const
{
    if (const listing::ReportRow *row = selectedRow())
        planner::paintObservingSheet(painter, page,
                                     observingSheet(m_request, *row, m_settings.placeName, m_stars,
                                                    m_settings.halfHourRounding, QLocale()));
}

bool PlannerWindow::saveObservingSheet(const QString &path)
{
    const listing::ReportRow *row = selectedRow();
    if (!row) {
        statusBar()->showMessage(AlgolPlanner::tr("Choose a minimum in the list first."));
        return false;
    }
    const ObservingSheet sheet = observingSheet(m_request, *row, m_settings.placeName, m_stars,
                                                m_settings.halfHourRounding, QLocale());
    return writeFile(path, [&](QIODevice &device) { return writeObservingSheetPdf(device, sheet); });
}

void PlannerWindow::askObservingSheetPdf()
{
    const QString path = askSavePath(AlgolPlanner::tr("Save the observing sheet"),
                                     fileStem() + QStringLiteral("-sheet-") + dateName(m_chart->data().evening),
                                     QStringLiteral("pdf"));
    if (!path.isEmpty())
        saveObservingSheet(path);
}

void PlannerWindow::printObservingSheet()
{
    if (!selectedRow()) {
        statusBar()->showMessage(AlgolPlanner::tr("Choose a minimum in the list first."));
        return;
    }
    printPage(QPageLayout::Portrait,
              [this](QPainter &painter, const QRectF &page) { paintObservingSheet(painter, page); });
}

bool PlannerWindow::saveOcDiagram(DiagramFormat format, const QString &path)
{
    if (!m_oc->data().isValid()) {
        statusBar()->showMessage(AlgolPlanner::tr("No timings to draw yet: time a night and add it to your timings."));
        return false;
    }
    // On white, for reports and papers; the CSV of its points.
    return writeFile(path, [&](QIODevice &device) {
        switch (format) {
        case DiagramFormat::Png:
            return m_oc->writePng(device, kDiagramPictureSize, OcDiagram::Scheme::Light);
        case DiagramFormat::Svg:
            return m_oc->writeSvg(device, kDiagramPictureSize, OcDiagram::Scheme::Light);
        case DiagramFormat::Csv:
            break;
        }
        const QByteArray bytes = ocCsv(m_oc->data());
        return device.write(bytes) == bytes.size();
    });
}

void PlannerWindow::askOcDiagram(DiagramFormat format)
{
    const QString suffix = format == DiagramFormat::Png ? QStringLiteral("png")
        : format == DiagramFormat::Svg                  ? QStringLiteral("svg")
                                                        : QStringLiteral("csv");
    const QString path = askSavePath(AlgolPlanner::tr("Save the O−C diagram"), fileStem() + QStringLiteral("-o-c"), suffix);
    if (!path.isEmpty())
        saveOcDiagram(format, path);
}

} // namespace planner
