#include "plannerwindow.h"

#include "clock.h"
#include "formats.h"
#include "minimamodel.h"
#include "nightchart.h"
#include "nowline.h"
#include "savefile.h"
#include "plannertexts.h"
#include "timer.h"
#include "wording.h"
#include "zonecity.h"
#include "zonetime.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QSplitter>
#include <QStatusBar>
#include <QSvgGenerator>
#include <QTableView>
#include <QVBoxLayout>

#include <cmath>

namespace planner {

namespace {

constexpr int kMinuteMs = 60 * 1000;
const QSize kChartPictureSize{1600, 800};
// Greenwich, for a zone that names no city (UTC, Etc/GMT-2).
const listing::ZoneCity kGreenwich{QStringLiteral("Greenwich"), {51.4778, -0.0014, 0}};

// A number typed in the user's regional format or with a decimal point.
std::optional<double> numberOf(const QLineEdit *field, double lowest, double highest)
{
    const QString text = field->text().trimmed();
    bool ok = false;
    double value = QLocale().toDouble(text, &ok);
    if (!ok)
        value = QLocale::c().toDouble(text, &ok);
    if (!ok || !std::isfinite(value) || value < lowest || value > highest)
        return std::nullopt;
    return value;
}

QString numberText(double value, int decimals)
{
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    QString text = locale.toString(value, 'f', decimals);
    // No trailing zeros after the separator: "48.8667", "2.867326", "0".
    if (text.contains(locale.decimalPoint())) {
        while (text.endsWith(QLatin1Char('0')))
            text.chop(1);
        if (text.endsWith(locale.decimalPoint()))
            text.chop(locale.decimalPoint().size());
    }
    return text;
}

QLineEdit *lineEdit(const QString &accessibleName, QWidget *parent)
{
    auto *field = new QLineEdit(parent);
    field->setAccessibleName(accessibleName);
    field->setClearButtonEnabled(false);
    return field;
}

QLabel *note(QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText);
    label->setAccessibleName(AlgolPlanner::tr("Note"));
    return label;
}

} // namespace

PlannerWindow::PlannerWindow(const PlannerWorld &world, QWidget *parent)
    : QMainWindow(parent),
      m_clock(world.clock),
      m_systemZone(world.systemZone),
      m_settingsPath(world.settingsPath),
      m_zoneTablesFolder(world.zoneTablesFolder),
      m_settings(readSettings(world.settingsPath)),
      m_savedText(settingsText(m_settings)),
      m_stars(comparisonStars()),
      m_minuteTimer(new toolkit::Timer(world.clock, kMinuteMs, this))
{
    setWindowTitle(AlgolPlanner::tr("Algol planner"));
    setAccessibleName(windowTitle());
    buildControls();
    buildMenus();

    QString firstStart;
    if (!m_settings.hasSite) {
        const QString zoneId = QString::fromUtf8(m_systemZone.id());
        const std::optional<listing::ZoneCity> city = listing::zoneCity(zoneId, m_zoneTablesFolder);
        const listing::ZoneCity &site = city ? *city : kGreenwich;
        m_settings.hasSite = true;
        m_settings.placeName = site.name;
        m_settings.site = site.site;
        m_settings.zoneId = m_systemZone.isValid() ? zoneId : QStringLiteral("UTC");
        firstStart = city
            ? AlgolPlanner::tr("Your site was taken from your time zone %1: %2, %3. Change it to "
                               "where you observe.").arg(m_settings.zoneId, site.name, listing::degreesMinutesText(site.site))
            : AlgolPlanner::tr("Your time zone %1 names no city: the site is Greenwich, %2. Change it "
                               "to where you observe.").arg(m_settings.zoneId, listing::degreesMinutesText(site.site));
    }
    showSettings();
    applyInputs();
    m_siteNote->setText(firstStart);

    connect(m_minuteTimer, &toolkit::Timer::timeout, this, &PlannerWindow::onMinute);
    m_minuteTimer->setEnabled(true);
    // The zone names for completion, read when the zone is first edited rather than at start.
    connect(m_zone, &QLineEdit::textEdited, this, [this](const QString &text) {
        if (m_zone->completer())
            return;
        QStringList names;
        for (const QByteArray &id : QTimeZone::availableTimeZoneIds())
            names.append(QString::fromUtf8(id));
        auto *completer = new QCompleter(names, m_zone);
        completer->setCaseSensitivity(Qt::CaseInsensitive);
        completer->setFilterMode(Qt::MatchContains);
        m_zone->setCompleter(completer);
        completer->setCompletionPrefix(text);
        completer->complete();
    });
}

PlannerWindow::~PlannerWindow() = default;

void PlannerWindow::buildControls()
{
    auto *central = new QWidget(this);
    auto *columns = new QHBoxLayout(central);

    // The inputs, in a column on the left.
    auto *inputs = new QVBoxLayout;
    columns->addLayout(inputs, 0);

    auto *siteBox = new QGroupBox(AlgolPlanner::tr("Site"), central);
    auto *siteForm = new QFormLayout(siteBox);
    m_place = lineEdit(AlgolPlanner::tr("Place name"), siteBox);
    m_place->setMaxLength(200); // as much as the settings keep
    m_latitude = lineEdit(AlgolPlanner::tr("Latitude in degrees, north positive"), siteBox);
    m_longitude = lineEdit(AlgolPlanner::tr("Longitude in degrees, east positive"), siteBox);
    m_height = lineEdit(AlgolPlanner::tr("Height in metres"), siteBox);
    m_zone = lineEdit(AlgolPlanner::tr("Time zone"), siteBox);
    m_zone->setPlaceholderText(QStringLiteral("Europe/Paris"));
    siteForm->addRow(AlgolPlanner::tr("&Place:"), m_place);
    siteForm->addRow(AlgolPlanner::tr("&Latitude (°N):"), m_latitude);
    siteForm->addRow(AlgolPlanner::tr("L&ongitude (°E):"), m_longitude);
    siteForm->addRow(AlgolPlanner::tr("&Height (m):"), m_height);
    siteForm->addRow(AlgolPlanner::tr("Time &zone:"), m_zone);
    m_siteNote = note(siteBox);
    siteForm->addRow(m_siteNote);
    inputs->addWidget(siteBox);

    auto *elementsBox = new QGroupBox(AlgolPlanner::tr("Elements"), central);
    auto *elementsForm = new QFormLayout(elementsBox);
    m_elements = new QComboBox(elementsBox);
    m_elements->setAccessibleName(AlgolPlanner::tr("Elements"));
    // In the order of ElementsSource.
    m_elements->addItem(AlgolPlanner::tr("Current (O-C gateway)"));
    m_elements->addItem(AlgolPlanner::tr("Classic (1972)"));
    m_elements->addItem(AlgolPlanner::tr("Custom"));
    m_elements->addItem(AlgolPlanner::tr("Fitted to my timings"));
    m_elements->setItemData(3, AlgolPlanner::tr("An elements file that algol-minima fit wrote from your times of minimum"),
                            Qt::ToolTipRole);
    m_epoch = lineEdit(AlgolPlanner::tr("Epoch of the custom elements"), elementsBox);
    m_period = lineEdit(AlgolPlanner::tr("Period of the custom elements in days"), elementsBox);
    m_reference = new QComboBox(elementsBox);
    m_reference->setAccessibleName(AlgolPlanner::tr("Time reference of the custom elements"));
    m_reference->addItem(AlgolPlanner::tr("heliocentric (HJD)"));
    m_reference->addItem(AlgolPlanner::tr("geocentric (JD)"));
    elementsForm->addRow(AlgolPlanner::tr("&Set:"), m_elements);
    elementsForm->addRow(AlgolPlanner::tr("&Epoch:"), m_epoch);
    elementsForm->addRow(AlgolPlanner::tr("P&eriod (days):"), m_period);
    elementsForm->addRow(AlgolPlanner::tr("&Counted in:"), m_reference);
    m_elementsFileRow = new QWidget(elementsBox);
    auto *fileRow = new QHBoxLayout(m_elementsFileRow);
    fileRow->setContentsMargins(0, 0, 0, 0);
    m_elementsFile = lineEdit(AlgolPlanner::tr("Elements file"), m_elementsFileRow);
    m_elementsFile->setPlaceholderText(AlgolPlanner::tr("elements.txt"));
    auto *browse = new QPushButton(AlgolPlanner::tr("&Browse…"), m_elementsFileRow);
    browse->setAccessibleName(AlgolPlanner::tr("Choose the elements file"));
    connect(browse, &QPushButton::clicked, this, &PlannerWindow::chooseElementsFile);
    fileRow->addWidget(m_elementsFile, 1);
    fileRow->addWidget(browse);
    elementsForm->addRow(AlgolPlanner::tr("&File:"), m_elementsFileRow);
    m_elementsNote = note(elementsBox);
    elementsForm->addRow(m_elementsNote);
    inputs->addWidget(elementsBox);

    auto *conditionsBox = new QGroupBox(AlgolPlanner::tr("Conditions"), central);
    auto *conditionsForm = new QFormLayout(conditionsBox);
    m_lowestAlgol = lineEdit(AlgolPlanner::tr("Lowest altitude of Algol in degrees"), conditionsBox);
    m_highestSun = lineEdit(AlgolPlanner::tr("Highest altitude of the Sun in degrees"), conditionsBox);
    conditionsForm->addRow(AlgolPlanner::tr("Algol at least (°):"), m_lowestAlgol);
    conditionsForm->addRow(AlgolPlanner::tr("Sun at most (°):"), m_highestSun);
    m_conditionsNote = note(conditionsBox);
    conditionsForm->addRow(m_conditionsNote);
    inputs->addWidget(conditionsBox);

    auto *listBox = new QGroupBox(AlgolPlanner::tr("List"), central);
    auto *listForm = new QFormLayout(listBox);
    m_days = new QComboBox(listBox);
    m_days->setAccessibleName(AlgolPlanner::tr("Period of the list"));
    for (const int days : kPeriodChoices)
        m_days->addItem(AlgolPlanner::tr("next %1 days").arg(days), days);
    m_onlyWatchable = new QCheckBox(AlgolPlanner::tr("Only &watchable minima"), listBox);
    m_onlyWatchable->setAccessibleName(AlgolPlanner::tr("Only watchable minima"));
    m_rounding = new QCheckBox(AlgolPlanner::tr("&Round times to the half hour"), listBox);
    m_rounding->setAccessibleName(AlgolPlanner::tr("Round times to the half hour"));
    m_rounding->setToolTip(AlgolPlanner::tr("For visual estimates made without knowing the exact predicted time"));
    listForm->addRow(AlgolPlanner::tr("&Minima of the:"), m_days);
    listForm->addRow(m_onlyWatchable);
    listForm->addRow(m_rounding);
    inputs->addWidget(listBox);
    inputs->addStretch(1);
    for (QGroupBox *box : {siteBox, elementsBox, conditionsBox, listBox})
        box->setMaximumWidth(340);

    // The present, the list and the chart on the right.
    auto *results = new QVBoxLayout;
    columns->addLayout(results, 1);
    m_now = new QLabel(central);
    m_now->setAccessibleName(AlgolPlanner::tr("Algol now"));
    m_now->setWordWrap(true);
    QFont nowFont = m_now->font();
    nowFont.setPointSizeF(nowFont.pointSizeF() * 1.15);
    nowFont.setBold(true);
    m_now->setFont(nowFont);
    results->addWidget(m_now);
    m_summary = new QLabel(central);
    m_summary->setAccessibleName(AlgolPlanner::tr("Summary of the list"));
    m_summary->setWordWrap(true);
    results->addWidget(m_summary);

    auto *splitter = new QSplitter(Qt::Vertical, central);
    m_model = new MinimaModel(this);
    m_list = new QTableView(splitter);
    m_list->setAccessibleName(AlgolPlanner::tr("Minima"));
    m_list->setModel(m_model);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setAlternatingRowColors(false);
    m_list->setShowGrid(false);
    m_list->verticalHeader()->hide();
    m_list->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_list->horizontalHeader()->setStretchLastSection(true);
    m_list->setTabKeyNavigation(false);
    auto *chartPane = new QWidget(splitter);
    auto *chartLayout = new QVBoxLayout(chartPane);
    chartLayout->setContentsMargins(0, 0, 0, 0);
    m_chart = new NightChart(chartPane);
    m_readout = new QLabel(chartPane);
    m_readout->setAccessibleName(AlgolPlanner::tr("Chart read-out"));
    m_readout->setText(AlgolPlanner::tr("Point at the chart to read the time, the altitudes and the magnitude."));
    chartLayout->addWidget(m_chart, 1);
    chartLayout->addWidget(m_readout);
    splitter->addWidget(m_list);
    splitter->addWidget(chartPane);
    splitter->setStretchFactor(0, 2);
    splitter->setStretchFactor(1, 3);
    results->addWidget(splitter, 1);
    setCentralWidget(central);
    statusBar()->setAccessibleName(AlgolPlanner::tr("Status"));

    for (QLineEdit *field : {m_place, m_latitude, m_longitude, m_height, m_zone, m_epoch, m_period,
                             m_elementsFile, m_lowestAlgol, m_highestSun})
        connect(field, &QLineEdit::textChanged, this, &PlannerWindow::applyInputs);
    for (QComboBox *box : {m_elements, m_reference, m_days})
        connect(box, &QComboBox::currentIndexChanged, this, &PlannerWindow::applyInputs);
    for (QCheckBox *box : {m_onlyWatchable, m_rounding})
        connect(box, &QCheckBox::toggled, this, &PlannerWindow::applyInputs);
    connect(m_list->selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this] {
        if (m_recomputing)
            return;
        const int planRow = m_model->planRow(m_list->currentIndex().row());
        if (planRow < 0)
            return;
        m_selectedCycle = m_plan.report.rows.at(planRow).minimum.cycle;
        showSelectedNight();
    });
    connect(m_chart, &NightChart::readoutChanged, m_readout, [this](const QString &text) {
        if (!text.isEmpty())
            m_readout->setText(text);
    });
}

void PlannerWindow::buildMenus()
{
    QMenu *file = menuBar()->addMenu(AlgolPlanner::tr("&File"));
    const auto add = [&](const QString &text, auto slot) {
        QAction *action = file->addAction(text);
        connect(action, &QAction::triggered, this, slot);
        return action;
    };
    add(AlgolPlanner::tr("Export the list as &CSV…"), [this] { askExportList(listing::OutputFormat::Csv); });
    add(AlgolPlanner::tr("Export the list as &JSON…"), [this] { askExportList(listing::OutputFormat::Json); });
    add(AlgolPlanner::tr("Export the list as i&Calendar…"), [this] { askExportList(listing::OutputFormat::Ics); });
    file->addSeparator();
    add(AlgolPlanner::tr("Save the chart as &PNG…"), [this] { askSaveChart(ChartFormat::Png); });
    add(AlgolPlanner::tr("Save the chart as &SVG…"), [this] { askSaveChart(ChartFormat::Svg); });
    add(AlgolPlanner::tr("P&rint the chart…"), [this] { printChart(); })->setShortcut(QKeySequence::Print);
    file->addSeparator();
    add(AlgolPlanner::tr("&Quit"), [this] { close(); })->setShortcut(QKeySequence::Quit);
}

void PlannerWindow::showSettings()
{
    m_showing = true;
    const PlannerSettings &s = m_settings;
    m_place->setText(s.placeName);
    m_latitude->setText(numberText(s.site.latitudeDeg, 4));
    m_longitude->setText(numberText(s.site.longitudeDeg, 4));
    m_height->setText(numberText(s.site.heightM, 0));
    m_zone->setText(s.zoneId);
    m_elements->setCurrentIndex(int(s.elements.source));
    m_epoch->setText(numberText(s.elements.customEpoch, 6));
    m_period->setText(numberText(s.elements.customPeriod, 7));
    m_reference->setCurrentIndex(s.elements.customHeliocentric ? 0 : 1);
    m_elementsFile->setText(s.elements.file);
    m_lowestAlgol->setText(numberText(s.conditions.minAlgolAltitudeDeg, 1));
    m_highestSun->setText(numberText(s.conditions.maxSunAltitudeDeg, 1));
    m_days->setCurrentIndex(m_days->findData(s.days));
    m_onlyWatchable->setChecked(s.onlyWatchable);
    m_rounding->setChecked(s.halfHourRounding);
    m_showing = false;
}

void PlannerWindow::setFieldError(QWidget *field, const QString &message)
{
    const bool wrong = !message.isEmpty();
    field->setToolTip(message);
    if (field->property("invalid").toBool() == wrong)
        return;
    field->setProperty("invalid", wrong);
    // A style sheet only while the field is wrong: the first one costs the whole window's style.
    field->setStyleSheet(wrong ? QStringLiteral("QLineEdit { border: 2px solid #d9534f; border-radius: 3px; background: #fdecea; }")
                               : QString());
}

void PlannerWindow::applyInputs()
{
    if (m_showing)
        return;
    PlannerSettings s = m_settings;
    QStringList siteErrors, elementsErrors, conditionsErrors;
    const auto check = [](QLineEdit *field, double lowest, double highest, const QString &message,
                          QStringList &errors, double &into) {
        const std::optional<double> value = numberOf(field, lowest, highest);
        const QString error = value ? QString() : message.arg(QLocale().toString(lowest), QLocale().toString(highest), field->text());
        if (value)
            into = *value;
        else
            errors.append(error);
        return error;
    };
    setFieldError(m_latitude, check(m_latitude, -90, 90, AlgolPlanner::tr("The latitude is a number of degrees from %1 to %2, not “%3”."), siteErrors, s.site.latitudeDeg));
    setFieldError(m_longitude, check(m_longitude, -180, 180, AlgolPlanner::tr("The longitude is a number of degrees from %1 to %2, not “%3”."), siteErrors, s.site.longitudeDeg));
    setFieldError(m_height, check(m_height, -500, 10000, AlgolPlanner::tr("The height is a number of metres from %1 to %2, not “%3”."), siteErrors, s.site.heightM));
    const QString zoneText = m_zone->text().trimmed();
    const QTimeZone zone = listing::zoneNamed(zoneText).value_or(QTimeZone());
    const QString zoneError = zone.isValid() ? QString()
        : AlgolPlanner::tr("Unknown time zone “%1”: an IANA name such as Europe/Paris.").arg(zoneText);
    setFieldError(m_zone, zoneError);
    if (!zoneError.isEmpty())
        siteErrors.append(zoneError);
    s.zoneId = zoneText;
    s.placeName = m_place->text().trimmed();

    s.elements.source = ElementsSource(std::max(0, m_elements->currentIndex()));
    const bool custom = s.elements.source == ElementsSource::Custom;
    for (QWidget *field : {static_cast<QWidget *>(m_epoch), static_cast<QWidget *>(m_period),
                           static_cast<QWidget *>(m_reference)})
        field->setEnabled(custom);
    setFieldError(m_epoch, custom ? check(m_epoch, 2000000, 2600000, AlgolPlanner::tr("The epoch is a Julian Day from %1 to %2, not “%3”."), elementsErrors, s.elements.customEpoch) : QString());
    setFieldError(m_period, custom ? check(m_period, 0.5, 10, AlgolPlanner::tr("The period is a number of days from %1 to %2, not “%3”."), elementsErrors, s.elements.customPeriod) : QString());
    s.elements.customHeliocentric = m_reference->currentIndex() != 1;
    const bool fromFile = s.elements.source == ElementsSource::File;
    m_elementsFileRow->setEnabled(fromFile);
    s.elements.file = m_elementsFile->text().trimmed();
    QString fileError;
    const std::optional<sky::ElementSet> set = elementSetOf(s.elements, &fileError);
    setFieldError(m_elementsFile, fileError);
    if (!fileError.isEmpty())
        elementsErrors.append(fileError);

    setFieldError(m_lowestAlgol, check(m_lowestAlgol, -90, 90, AlgolPlanner::tr("The altitude is a number of degrees from %1 to %2, not “%3”."), conditionsErrors, s.conditions.minAlgolAltitudeDeg));
    setFieldError(m_highestSun, check(m_highestSun, -90, 90, AlgolPlanner::tr("The altitude is a number of degrees from %1 to %2, not “%3”."), conditionsErrors, s.conditions.maxSunAltitudeDeg));
    s.days = m_days->currentData().toInt();
    s.onlyWatchable = m_onlyWatchable->isChecked();
    s.halfHourRounding = m_rounding->isChecked();

    m_siteNote->setText(siteErrors.join(QLatin1Char('\n')));
    m_conditionsNote->setText(conditionsErrors.join(QLatin1Char('\n')));
    m_elementsNote->setText(!elementsErrors.isEmpty() ? elementsErrors.join(QLatin1Char('\n'))
                            : set ? listing::elementsDescription(*set) : QString());
    if (!siteErrors.isEmpty() || !elementsErrors.isEmpty() || !conditionsErrors.isEmpty() || !set) {
        statusBar()->showMessage(AlgolPlanner::tr("The list is that of the last inputs that were right."));
        return;
    }
    statusBar()->clearMessage();
    m_settings = s;
    m_request.site = s.site;
    m_request.zone = zone;
    m_request.elements = *set;
    m_request.conditions = s.conditions;
    recompute();
    saveSettings();
}

std::optional<sky::ElementSet> PlannerWindow::elementSetOf(const ElementsChoice &choice, QString *error)
{
    if (choice.source != ElementsSource::File)
        return planner::elementSetOf(choice);
    if (!m_elementsFileRead || m_elementsFileRead->path != choice.file) {
        ElementsFileRead read{choice.file, std::nullopt, {}};
        if (choice.file.isEmpty())
            read.error = AlgolPlanner::tr("Choose the elements file that algol-minima fit wrote.");
        else
            read.set = planner::elementSetOf(choice, &read.error);
        m_elementsFileRead = read;
    }
    *error = m_elementsFileRead->error;
    return m_elementsFileRead->set;
}

void PlannerWindow::chooseElementsFile()
{
    const QString path = QFileDialog::getOpenFileName(
        this, AlgolPlanner::tr("Elements file"), QFileInfo(m_elementsFile->text()).absolutePath(),
        AlgolPlanner::tr("Elements files (*.txt *.elements);;All files (*)"));
    if (path.isEmpty())
        return;
    m_elementsFileRead.reset(); // read again, even under the same name: the fit may have rewritten it
    if (path == m_elementsFile->text())
        applyInputs();
    else
        m_elementsFile->setText(path);
}

void PlannerWindow::recompute()
{
    const QDateTime now = m_clock.now().toUTC();
    m_request.from = QDateTime(now.date(), QTime(now.time().hour(), now.time().minute(), now.time().second()), Qt::UTC);
    m_request.to = m_request.from.addDays(m_settings.days);
    m_plan = makePlan(m_request, now);
    m_model->setPlan(m_plan, m_settings.onlyWatchable, m_settings.halfHourRounding, QLocale());

    const listing::Report &report = m_plan.report;
    m_summary->setText(report.observableCount > 0
        ? AlgolPlanner::tr("%1 of the %2 minima of the next %3 days can be watched from %4.")
              .arg(report.observableCount).arg(report.minimaInPeriod).arg(m_settings.days)
              .arg(m_settings.placeName.isEmpty() ? listing::siteDescription(*m_request.site, QLocale())
                                                  : m_settings.placeName)
        : listing::emptyListSentence(report, QLocale()));
    if (report.extrapolated)
        m_summary->setText(m_summary->text() + QLatin1Char(' ') + listing::extrapolationWarning());

    // Keep the chosen minimum, else the first watchable one, else the first.
    int row = m_model->rowOfCycle(m_selectedCycle);
    for (int i = 0; row < 0 && i < m_model->rowCount(); ++i)
        if (m_plan.report.rows.at(m_model->planRow(i)).minimum.observable())
            row = i;
    if (row < 0 && m_model->rowCount() > 0)
        row = 0;
    if (row >= 0) {
        m_selectedCycle = m_plan.report.rows.at(m_model->planRow(row)).minimum.cycle;
        const QScopedValueRollback recomputing(m_recomputing, true); // the night drawn once, below
        m_list->setCurrentIndex(m_model->index(row, 0));
        m_list->scrollTo(m_model->index(row, 0));
    }
    showSelectedNight();
    updateNow();
}

void PlannerWindow::showSelectedNight()
{
    const int planRow = m_model->planRow(m_list->currentIndex().row());
    if (planRow < 0) {
        m_chart->setData({});
        return;
    }
    m_chart->setData(nightChartData(m_request, m_plan.report.rows.at(planRow), m_settings.placeName,
                                    m_stars, m_clock.now(), m_settings.halfHourRounding, QLocale()));
}

void PlannerWindow::updateNow()
{
    m_now->setText(nowSentence(m_request.elements, m_clock.now(), m_request.zone,
                               m_settings.halfHourRounding, QLocale()));
}

void PlannerWindow::onMinute()
{
    // A listed minimum that has passed leaves the list; otherwise only the present moves.
    const QDateTime now = m_clock.now().toUTC();
    if (!m_plan.report.rows.isEmpty() && m_plan.report.rows.first().utc < now)
        recompute();
    else {
        showSelectedNight();
        updateNow();
    }
}

void PlannerWindow::saveSettings()
{
    // Unchanged settings are not written again (writing a file whole waits for the disk).
    const QByteArray text = settingsText(m_settings);
    if (text == m_savedText)
        return;
    QString reason;
    if (writeSettings(m_settingsPath, m_settings, &reason))
        m_savedText = text;
    else
        statusBar()->showMessage(AlgolPlanner::tr("The settings could not be saved (%1); the last saved ones are kept.").arg(reason));
}

bool PlannerWindow::exportList(listing::OutputFormat format, const QString &path)
{
    const QByteArray bytes =
        listing::formattedReport(shownReport(m_plan, m_settings.onlyWatchable), format, QLocale());
    QString reason;
    const bool written = listing::saveWhole(
        path, [&](QIODevice &device) { return device.write(bytes) == bytes.size(); }, &reason);
    statusBar()->showMessage(written ? AlgolPlanner::tr("Written: %1").arg(path)
                                     : AlgolPlanner::tr("Could not write %1: %2").arg(path, reason));
    return written;
}

bool PlannerWindow::saveChart(ChartFormat format, const QString &path)
{
    QString reason;
    const bool written = listing::saveWhole(path, [&](QIODevice &device) {
        if (format == ChartFormat::Png) {
            QImage image(kChartPictureSize, QImage::Format_RGB32);
            QPainter painter(&image);
            m_chart->paint(painter, QRectF(QPointF(0, 0), kChartPictureSize));
            painter.end();
            return image.save(&device, "PNG");
        }
        QSvgGenerator svg;
        svg.setOutputDevice(&device);
        svg.setSize(kChartPictureSize);
        svg.setViewBox(QRect(QPoint(0, 0), kChartPictureSize));
        svg.setTitle(m_chart->data().title);
        svg.setDescription(AlgolPlanner::tr("Algol planner: the night of a minimum of Algol"));
        QPainter painter;
        if (!painter.begin(&svg))
            return false;
        m_chart->paint(painter, QRectF(QPointF(0, 0), kChartPictureSize));
        return painter.end();
    }, &reason);
    statusBar()->showMessage(written ? AlgolPlanner::tr("Written: %1").arg(path)
                                     : AlgolPlanner::tr("Could not write %1: %2").arg(path, reason));
    return written;
}

void PlannerWindow::askExportList(listing::OutputFormat format)
{
    const char *suffix = format == listing::OutputFormat::Csv ? "csv"
                       : format == listing::OutputFormat::Json ? "json" : "ics";
    const QString path = QFileDialog::getSaveFileName(
        this, AlgolPlanner::tr("Export the list"), QStringLiteral("algol-minima.%1").arg(suffix),
        AlgolPlanner::tr("%1 files (*.%2)").arg(QString::fromLatin1(suffix).toUpper(), suffix));
    if (!path.isEmpty())
        exportList(format, path);
}

void PlannerWindow::askSaveChart(ChartFormat format)
{
    const char *suffix = format == ChartFormat::Png ? "png" : "svg";
    const QString path = QFileDialog::getSaveFileName(
        this, AlgolPlanner::tr("Save the chart"), QStringLiteral("algol-night.%1").arg(suffix),
        AlgolPlanner::tr("%1 files (*.%2)").arg(QString::fromLatin1(suffix).toUpper(), suffix));
    if (!path.isEmpty())
        saveChart(format, path);
}

void PlannerWindow::printChart()
{
    QPrinter printer;
    printer.setPageOrientation(QPageLayout::Landscape);
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    QPainter painter(&printer);
    m_chart->paint(painter, printer.pageLayout().paintRectPixels(printer.resolution()).translated(
                                -printer.pageLayout().paintRectPixels(printer.resolution()).topLeft()));
}

} // namespace planner
