#include "plannerwindow.h"

#include "clock.h"
#include "datafolder.h"
#include "formats.h"
#include "inputfiles.h"
#include "minimamodel.h"
#include "minimumreport.h"
#include "night.h"
#include "nightchart.h"
#include "nightsheet.h"
#include "nowline.h"
#include "observinglogpanel.h"
#include "ocdiagram.h"
#include "plannerhelp.h"
#include "plannertexts.h"
#include "savefile.h"
#include "timer.h"
#include "timingsbook.h"
#include "tonightview.h"
#include "wording.h"
#include "zonecity.h"
#include "zonetime.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCompleter>
#include <QDateEdit>
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
#include <QMessageBox>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSplitter>
#include <QStandardItemModel>
#include <QStandardPaths>
#include <QStatusBar>
#include <QSvgGenerator>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

#include <cmath>
#include <functional>

namespace planner {

namespace {

constexpr int kMinuteMs = 60 * 1000;
const QSize kChartPictureSize{1600, 800};
// The first window's size when the screen has room for it.
const QSize kPreferredSize{1280, 800};
// What a window manager's frame may take around the window.
const QSize kFrameAllowance{8, 40};
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

// "48.8667", "2.867326", "2000000", "0": no exponent, no group separator, no trailing zeros.
QString numberText(double value, int decimals)
{
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    QString text = locale.toString(value, 'f', decimals);
    if (text.contains(locale.decimalPoint())) {
        while (text.endsWith(QLatin1Char('0')))
            text.chop(1);
        if (text.endsWith(locale.decimalPoint()))
            text.chop(locale.decimalPoint().size());
    }
    return text;
}

// "48.85° N", "58.45° W".
QString degreesText(double degrees, const QString &positive, const QString &negative)
{
    return QStringLiteral("%1° %2").arg(numberText(std::fabs(degrees), 4), degrees < 0 ? negative : positive);
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

// What the elements box says of a set, beside its numbers in the fields.
QString elementsNote(const sky::ElementSet &set)
{
    switch (set.kind) {
    case sky::ElementSetKind::Current:
        if (set.star != &sky::algolStar())
            return AlgolPlanner::tr("The catalogue's elements for %1: %2.")
                .arg(listing::starLabel(*set.star), QString::fromStdString(set.star->elementsSource));
        return AlgolPlanner::tr("The O−C gateway's linear elements for Algol, in heliocentric Julian "
                                "Days (HJD).");
    case sky::ElementSetKind::Classic:
        return AlgolPlanner::tr("The 1972 elements of the Algol window, in geocentric Julian Days "
                                "and without the light-time correction, as that window uses them.");
    case sky::ElementSetKind::Fitted:
        if (set.fit.timings > 0 && set.fit.firstTiming > 0) {
            const QString from = QLocale().toString(listing::utcOfJulianDay(set.fit.firstTiming).date(), QLocale::ShortFormat);
            const QString to = QLocale().toString(listing::utcOfJulianDay(set.fit.lastTiming).date(), QLocale::ShortFormat);
            if (!set.fit.rmsDays)
                return AlgolPlanner::tr("Resting on only %n of your timings, from %1 to %2: too few to know their scatter.", nullptr, set.fit.timings)
                    .arg(from, to);
            return AlgolPlanner::tr("Fitted to %1 of your timings, from %2 to %3; their scatter ±%4 min.")
                .arg(QString::number(set.fit.timings), from, to,
                     QLocale().toString(*set.fit.rmsDays * 1440, 'f', 1));
        }
        return AlgolPlanner::tr("Fitted to your timings.");
    case sky::ElementSetKind::Custom:
        break;
    }
    return AlgolPlanner::tr("Your own elements: Min I = epoch + period × E.");
}

// "HJD 2455528.105 + 2.867326 E".
QString formulaText(const sky::ElementSet &set)
{
    return QStringLiteral("%1 %2 + %3 E")
        .arg(set.reference == sky::TimeReference::Heliocentric ? QStringLiteral("HJD") : QStringLiteral("JD"),
             numberText(set.elements.epoch, 6), numberText(set.elements.period, 7));
}

} // namespace

PlannerWindow::PlannerWindow(const PlannerWorld &world, QWidget *parent)
    : QMainWindow(parent),
      m_clock(world.clock),
      m_systemZone(world.systemZone),
      m_settingsPath(world.settingsPath),
      m_zoneTablesFolder(world.zoneTablesFolder),
      m_documentsFolder(world.documentsFolder),
      m_dataFolder(world.dataFolder.isEmpty() ? listing::dataFolder() : world.dataFolder),
      m_stars(comparisonStars()),
      m_minuteTimer(new toolkit::Timer(world.clock, kMinuteMs, this)),
      m_typingPause(new toolkit::Timer(world.clock, kTypingPauseMs, this))
{
    m_book = new TimingsBook(m_dataFolder + QStringLiteral("/timings.csv"),
                             m_dataFolder + QStringLiteral("/elements.txt"), this);

    // A settings file that does not read is kept aside before the window writes its own.
    QString damage;
    m_settings = readSettings(m_settingsPath, &damage);
    m_savedText = settingsText(m_settings);
    m_stars = comparisonStars(*m_settings.star);
    if (!damage.isEmpty()) {
        m_savedText.clear();
        QString reason;
        const QString kept = keepDamagedFile(m_settingsPath, &reason);
        m_mayWriteSettings = !kept.isEmpty();
        m_startNote = kept.isEmpty()
            ? AlgolPlanner::tr("The settings file could not be read (%1) nor kept aside (%2): the "
                               "settings start afresh and will not be saved over it.").arg(damage, reason)
            : AlgolPlanner::tr("The settings file could not be read (%1): it is kept as %2, and the "
                               "settings start afresh.").arg(damage, kept);
    }
    buildControls();
    buildMenus();
    m_log->setStar(*m_settings.star);

    if (!m_settings.hasSite) {
        const QString zoneId = QString::fromUtf8(m_systemZone.id());
        const std::optional<listing::ZoneCity> city = listing::zoneCity(zoneId, m_zoneTablesFolder);
        const listing::ZoneCity &site = city ? *city : kGreenwich;
        m_settings.hasSite = true;
        m_settings.placeName = site.name;
        m_settings.site = site.site;
        m_settings.zoneId = m_systemZone.isValid() ? zoneId : QStringLiteral("UTC");
        const QString firstStart = city
            ? AlgolPlanner::tr("Your site was taken from your time zone %1: %2, %3. Change it to "
                               "where you observe.").arg(m_settings.zoneId, site.name, listing::degreesMinutesText(site.site))
            : AlgolPlanner::tr("Your time zone %1 names no city: the site is Greenwich, %2. Change it "
                               "to where you observe.").arg(m_settings.zoneId, listing::degreesMinutesText(site.site));
        m_startNote = m_startNote.isEmpty() ? firstStart : m_startNote + QLatin1Char(' ') + firstStart;
    }
    showSettings();
    applyInputs();
    connectCommits();
    placeWindow(world.availableGeometry.isValid() ? world.availableGeometry : screen()->availableGeometry());

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

PlannerWindow::~PlannerWindow()
{
    // Closing the window takes the focus from its field, which commits it: not once this
    // window's members are gone.
    for (QObject *child : findChildren<QObject *>())
        child->disconnect(this);
}

void PlannerWindow::buildControls()
{
    // The inputs, in a column on the left that scrolls when the screen is short.
    auto *inputsPane = new QWidget;
    auto *inputs = new QVBoxLayout(inputsPane);

    // The star planned for: Algol first, then the catalogue's other stars in its order.
    auto *starBox = new QGroupBox(AlgolPlanner::tr("Star"), inputsPane);
    auto *starForm = new QFormLayout(starBox);
    m_star = new QComboBox(starBox);
    m_star->setAccessibleName(AlgolPlanner::tr("Star"));
    m_star->setToolTip(AlgolPlanner::tr("The eclipsing binary whose minima are listed, charted and logged"));
    const std::vector<sky::Star> &catalogue = sky::starCatalogue();
    m_star->addItem(listing::reportName(sky::algolStar()), int(&sky::algolStar() - catalogue.data()));
    for (const sky::Star &star : catalogue)
        if (&star != &sky::algolStar())
            m_star->addItem(listing::reportName(star), int(&star - catalogue.data()));
    starForm->addRow(AlgolPlanner::tr("Eclipsing binar&y:"), m_star);
    inputs->addWidget(starBox);

    auto *siteBox = new QGroupBox(AlgolPlanner::tr("Site"), inputsPane);
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
    siteForm->addRow(AlgolPlanner::tr("H&eight (m):"), m_height);
    siteForm->addRow(AlgolPlanner::tr("Time &zone:"), m_zone);
    m_siteNote = note(siteBox);
    siteForm->addRow(m_siteNote);
    inputs->addWidget(siteBox);

    auto *elementsBox = new QGroupBox(AlgolPlanner::tr("Elements"), inputsPane);
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
    m_epoch = lineEdit(AlgolPlanner::tr("Epoch of the elements"), elementsBox);
    m_period = lineEdit(AlgolPlanner::tr("Period of the elements in days"), elementsBox);
    m_reference = new QComboBox(elementsBox);
    m_reference->setAccessibleName(AlgolPlanner::tr("Time reference of the elements"));
    m_reference->addItem(AlgolPlanner::tr("heliocentric (HJD)"));
    m_reference->addItem(AlgolPlanner::tr("geocentric (JD)"));
    elementsForm->addRow(AlgolPlanner::tr("&Set:"), m_elements);
    elementsForm->addRow(AlgolPlanner::tr("Epo&ch:"), m_epoch);
    elementsForm->addRow(AlgolPlanner::tr("Pe&riod (days):"), m_period);
    elementsForm->addRow(AlgolPlanner::tr("Co&unted in:"), m_reference);
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
    elementsForm->addRow(AlgolPlanner::tr("F&ile:"), m_elementsFileRow);
    // A label's key gives the focus to its buddy only if the buddy takes it itself.
    qobject_cast<QLabel *>(elementsForm->labelForField(m_elementsFileRow))->setBuddy(m_elementsFile);
    m_elementsNote = note(elementsBox);
    elementsForm->addRow(m_elementsNote);
    inputs->addWidget(elementsBox);

    auto *conditionsBox = new QGroupBox(AlgolPlanner::tr("Conditions"), inputsPane);
    auto *conditionsForm = new QFormLayout(conditionsBox);
    m_lowestAlgol = lineEdit(AlgolPlanner::tr("Lowest altitude of Algol in degrees"), conditionsBox);
    m_highestSun = lineEdit(AlgolPlanner::tr("Highest altitude of the Sun in degrees"), conditionsBox);
    conditionsForm->addRow(AlgolPlanner::tr("&Algol at least (°):"), m_lowestAlgol);
    m_lowestLabel = qobject_cast<QLabel *>(conditionsForm->labelForField(m_lowestAlgol));
    conditionsForm->addRow(AlgolPlanner::tr("Sun at &most (°):"), m_highestSun);
    m_conditionsNote = note(conditionsBox);
    conditionsForm->addRow(m_conditionsNote);
    inputs->addWidget(conditionsBox);

    auto *listBox = new QGroupBox(AlgolPlanner::tr("List"), inputsPane);
    auto *listForm = new QFormLayout(listBox);
    listForm->setRowWrapPolicy(QFormLayout::WrapLongRows); // a long label above its field
    auto *nightRow = new QWidget(listBox);
    auto *nightLayout = new QHBoxLayout(nightRow);
    nightLayout->setContentsMargins(0, 0, 0, 0);
    m_firstNight = new QDateEdit(nightRow);
    m_firstNight->setAccessibleName(AlgolPlanner::tr("First night of the list"));
    m_firstNight->findChild<QLineEdit *>()->setAccessibleName(m_firstNight->accessibleName());
    m_firstNight->setToolTip(AlgolPlanner::tr("The list starts at noon of this day: its night is the first listed"));
    m_firstNight->setCalendarPopup(true);
    // The day first, where the cursor starts: the arrows step whole days (a weekday steps within
    // its week).
    m_firstNight->setDisplayFormat(QStringLiteral("d MMM yyyy, ddd"));
    m_firstNight->setDateRange(QDate(1900, 1, 1), QDate(2199, 12, 31));
    m_firstNight->setDate(currentNight());
    m_followedNight = m_firstNight->date();
    auto *tonight = new QPushButton(AlgolPlanner::tr("To&night"), nightRow);
    tonight->setAccessibleName(AlgolPlanner::tr("List from tonight"));
    tonight->setToolTip(AlgolPlanner::tr("The night in progress, or the coming one"));
    connect(tonight, &QPushButton::clicked, this, [this] {
        m_followedNight = currentNight();
        m_firstNight->setDate(m_followedNight);
        applyInputs();
    });
    nightLayout->addWidget(m_firstNight, 1);
    nightLayout->addWidget(tonight);
    m_days = new QComboBox(listBox);
    m_days->setAccessibleName(AlgolPlanner::tr("Period of the list"));
    for (const int days : kPeriodChoices)
        m_days->addItem(AlgolPlanner::tr("%1 nights").arg(days), days);
    m_onlyWatchable = new QCheckBox(AlgolPlanner::tr("Only &watchable minima"), listBox);
    m_onlyWatchable->setAccessibleName(AlgolPlanner::tr("Only watchable minima"));
    m_rounding = new QCheckBox(AlgolPlanner::tr("Round &times to the half hour"), listBox);
    m_rounding->setAccessibleName(AlgolPlanner::tr("Round times to the half hour"));
    m_rounding->setToolTip(AlgolPlanner::tr("For visual estimates made without knowing the exact predicted time"));
    listForm->addRow(AlgolPlanner::tr("From the ni&ght of:"), nightRow);
    qobject_cast<QLabel *>(listForm->labelForField(nightRow))->setBuddy(m_firstNight);
    listForm->addRow(AlgolPlanner::tr("&During:"), m_days);
    listForm->addRow(m_onlyWatchable);
    listForm->addRow(m_rounding);
    inputs->addWidget(listBox);
    inputs->addStretch(1);
    for (QGroupBox *box : {starBox, siteBox, elementsBox, conditionsBox, listBox})
        box->setMaximumWidth(360);

    auto *inputsScroll = new QScrollArea;
    inputsScroll->setWidget(inputsPane);
    inputsScroll->setWidgetResizable(true);
    inputsScroll->setFrameShape(QFrame::NoFrame);
    inputsScroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    inputsScroll->setMinimumWidth(inputsPane->minimumSizeHint().width()
                                  + inputsScroll->verticalScrollBar()->sizeHint().width());
    inputsScroll->setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Ignored);
    inputsScroll->setFocusPolicy(Qt::NoFocus); // the fields are the stops; it scrolls to them
    inputsScroll->setAccessibleName(AlgolPlanner::tr("Settings"));

    // The settings and the night's log share the side: the fields of only one of them are shown,
    // and keyed, at a time.
    auto *central = new QWidget(this);
    m_sideTabs = new QTabWidget(central);
    m_sideTabs->setAccessibleName(AlgolPlanner::tr("Settings and observing log"));
    m_sideTabs->addTab(inputsScroll, AlgolPlanner::tr("Settings"));
    m_sideTabs->addTab(buildLogPage(), AlgolPlanner::tr("Observing log"));
    m_sideTabs->setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Preferred);
    m_sideTabs->setDocumentMode(true);
    m_sideTabs->tabBar()->setAccessibleName(AlgolPlanner::tr("Settings or observing log"));

    // The present, the list and the chart on the right.
    auto *columns = new QHBoxLayout(central);
    columns->addWidget(m_sideTabs, 0);
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

    m_splitter = new QSplitter(Qt::Vertical, central);
    m_model = new MinimaModel(this);
    m_list = new QTableView(m_splitter);
    m_list->setAccessibleName(AlgolPlanner::tr("Minima"));
    m_list->setModel(m_model);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setAlternatingRowColors(false);
    m_list->setShowGrid(false);
    m_list->verticalHeader()->hide();
    // Fitted to the contents once per list (recompute), not at every layout of the window.
    m_list->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    m_list->horizontalHeader()->setStretchLastSection(true);
    m_list->setTabKeyNavigation(false);
    m_list->setMinimumHeight(m_list->horizontalHeader()->sizeHint().height() * 3);
    auto *chartPane = new QWidget;
    auto *chartLayout = new QVBoxLayout(chartPane);
    chartLayout->setContentsMargins(0, 0, 0, 0);
    m_chart = new NightChart(chartPane);
    m_readout = new QLabel(chartPane);
    m_readout->setAccessibleName(AlgolPlanner::tr("Chart read-out"));
    m_readout->setWordWrap(true);
    const QString readoutHint = AlgolPlanner::tr("Point at the chart, or give it the focus and use the arrow keys, "
                                                 "to read the time, the altitudes and the magnitude.");
    m_readout->setText(readoutHint);
    chartLayout->addWidget(m_chart, 1);
    chartLayout->addWidget(m_readout);
    // The night chart, and the O−C diagram of the user's timings beside it.
    m_viewTabs = new QTabWidget(m_splitter);
    m_viewTabs->setAccessibleName(AlgolPlanner::tr("Night chart, O−C diagram and every star tonight"));
    m_viewTabs->setDocumentMode(true);
    m_viewTabs->addTab(chartPane, AlgolPlanner::tr("Night chart"));
    m_viewTabs->addTab(buildOcPane(), AlgolPlanner::tr("O−C diagram"));
    m_tonight = new TonightView(m_viewTabs);
    m_viewTabs->addTab(m_tonight, AlgolPlanner::tr("Every star tonight"));
    connect(m_tonight, &TonightView::minimumChosen, this, &PlannerWindow::tonightChosen);
    m_viewTabs->tabBar()->setAccessibleName(AlgolPlanner::tr("Night chart, O−C diagram or every star tonight"));
    m_splitter->addWidget(m_list);
    m_splitter->addWidget(m_viewTabs);
    m_splitter->setStretchFactor(0, 2);
    m_splitter->setStretchFactor(1, 3);
    m_splitter->setChildrenCollapsible(false);
    results->addWidget(m_splitter, 1);
    setCentralWidget(central);
    statusBar()->setAccessibleName(AlgolPlanner::tr("Status"));

    connect(m_list->selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this] {
        if (m_recomputing)
            return;
        const int planRow = m_model->planRow(m_list->currentIndex().row());
        if (planRow < 0)
            return;
        m_selectedJd = m_plan.report.rows.at(planRow).minimum.jdUtc;
        showSelectedNight();
    });
    connect(m_chart, &NightChart::readoutChanged, m_readout, [readout = m_readout, readoutHint](const QString &text) {
        readout->setText(text.isEmpty() ? readoutHint : text);
    });
}

void PlannerWindow::connectCommits()
{
    // A typed value counts when it is committed: Enter, leaving the field, or a pause in typing.
    connect(m_typingPause, &toolkit::Timer::timeout, this, [this] { applyInputs(); });
    const auto typing = [this] {
        m_typingPause->setEnabled(false);
        m_typingPause->setEnabled(true);
    };
    for (QLineEdit *field : {m_place, m_latitude, m_longitude, m_height, m_zone, m_epoch, m_period,
                             m_elementsFile, m_lowestAlgol, m_highestSun, m_observerCode, m_chartId,
                             m_instrument}) {
        connect(field, &QLineEdit::textEdited, this, typing);
        connect(field, &QLineEdit::editingFinished, this, [this] { applyInputs(); });
    }
    connect(m_firstNight, &QDateEdit::dateChanged, this, typing);
    connect(m_firstNight, &QDateEdit::editingFinished, this, [this] { applyInputs(); });
    connect(m_elements, &QComboBox::currentIndexChanged, this, &PlannerWindow::elementsChosen);
    connect(m_star, &QComboBox::currentIndexChanged, this, &PlannerWindow::starChosen);
    for (QComboBox *box : {m_reference, m_days})
        connect(box, &QComboBox::currentIndexChanged, this, [this] { applyInputs(); });
    for (QCheckBox *box : {m_onlyWatchable, m_rounding})
        connect(box, &QCheckBox::toggled, this, [this] { applyInputs(); });
}

void PlannerWindow::buildMenus()
{
    QMenu *file = menuBar()->addMenu(AlgolPlanner::tr("&File"));
    const auto add = [this](QMenu *menu, const QString &text, const QKeySequence &keys, auto slot) {
        QAction *action = menu->addAction(text);
        action->setShortcut(keys);
        connect(action, &QAction::triggered, this, slot);
        return action;
    };
    add(file, AlgolPlanner::tr("Export the list as &CSV…"), QKeySequence(Qt::CTRL | Qt::Key_E),
        [this] { askExportList(listing::OutputFormat::Csv); });
    add(file, AlgolPlanner::tr("Export the list as &JSON…"), QKeySequence(Qt::CTRL | Qt::Key_J),
        [this] { askExportList(listing::OutputFormat::Json); });
    add(file, AlgolPlanner::tr("Export the list as &iCalendar…"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_E),
        [this] { askExportList(listing::OutputFormat::Ics); });
    file->addSeparator();
    add(file, AlgolPlanner::tr("Save the chart as &PNG…"), QKeySequence(Qt::CTRL | Qt::Key_S),
        [this] { askSaveChart(ChartFormat::Png); });
    add(file, AlgolPlanner::tr("Save the chart as S&VG…"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S),
        [this] { askSaveChart(ChartFormat::Svg); });
    add(file, AlgolPlanner::tr("P&rint the night…"), QKeySequence::Print, [this] { printChart(); });
    file->addSeparator();
    QMenu *observing = menuBar()->addMenu(AlgolPlanner::tr("Obser&ving"));
    buildLoopMenus(file, observing);
    file->addSeparator();
    add(file, AlgolPlanner::tr("&Quit"), QKeySequence::Quit, [this] { close(); });

    QMenu *help = menuBar()->addMenu(AlgolPlanner::tr("&Help"));
    add(help, AlgolPlanner::tr("&Terms used in this window"), QKeySequence::HelpContents, [this] { showTerms(); });
    add(help, AlgolPlanner::tr("&About Algol planner"), QKeySequence(), [this] { showAbout(); });
}

void PlannerWindow::placeWindow(const QRect &available)
{
    const QSize room = (available.size() - kFrameAllowance).expandedTo(QSize(200, 150));
    const QSize wanted = m_settings.windowSize.isValid() ? m_settings.windowSize : kPreferredSize;
    resize(wanted.boundedTo(room));
    move(available.topLeft() + QPoint((available.width() - width()) / 2,
                                      std::max(0, (available.height() - height() - kFrameAllowance.height()) / 2)));
    if (m_settings.splitterSizes.size() == 2)
        m_splitter->setSizes(m_settings.splitterSizes);
    if (m_settings.maximized)
        setWindowState(windowState() | Qt::WindowMaximized);
}

void PlannerWindow::closeEvent(QCloseEvent *event)
{
    m_settings.windowSize = isMaximized() || isFullScreen() ? normalGeometry().size() : size();
    m_settings.maximized = isMaximized();
    m_settings.splitterSizes = m_splitter->sizes();
    saveSettings();
    QMainWindow::closeEvent(event);
}

void PlannerWindow::showSettings()
{
    m_showing = true;
    const PlannerSettings &s = m_settings;
    m_star->setCurrentIndex(m_star->findData(int(s.star - sky::starCatalogue().data())));
    m_place->setText(s.placeName);
    m_latitude->setText(numberText(s.site.latitudeDeg, 4));
    m_longitude->setText(numberText(s.site.longitudeDeg, 4));
    m_height->setText(numberText(s.site.heightM, 0));
    m_zone->setText(s.zoneId);
    m_customEpochText = numberText(s.elements.customEpoch, 6);
    m_customPeriodText = numberText(s.elements.customPeriod, 7);
    m_customReference = s.elements.customHeliocentric ? 0 : 1;
    m_shownSource = s.elements.source;
    m_elements->setCurrentIndex(int(s.elements.source));
    m_epoch->setText(m_customEpochText);
    m_period->setText(m_customPeriodText);
    m_reference->setCurrentIndex(m_customReference);
    m_elementsFile->setText(s.elements.file);
    m_lowestAlgol->setText(numberText(s.conditions.minAlgolAltitudeDeg, 1));
    m_highestSun->setText(numberText(s.conditions.maxSunAltitudeDeg, 1));
    m_days->setCurrentIndex(m_days->findData(s.days));
    m_onlyWatchable->setChecked(s.onlyWatchable);
    m_rounding->setChecked(s.halfHourRounding);
    m_observerCode->setText(s.observerCode);
    m_chartId->setText(s.chartId);
    m_instrument->setText(s.instrument);
    showStarTexts(*s.star);
    m_showing = false;
}

void PlannerWindow::showStarTexts(const sky::Star &star)
{
    const bool algol = &star == &sky::algolStar();
    setWindowTitle(algol ? AlgolPlanner::tr("Algol planner")
                         : AlgolPlanner::tr("%1 — Algol planner").arg(listing::reportName(star)));
    setAccessibleName(windowTitle());
    m_elements->setItemText(0, algol ? AlgolPlanner::tr("Current (O-C gateway)") : AlgolPlanner::tr("Current (catalogue)"));
    // The classic elements are Algol's own: another star has none.
    if (auto *items = qobject_cast<QStandardItemModel *>(m_elements->model()))
        items->item(int(ElementsSource::Classic))->setEnabled(algol);
    m_elements->setItemData(int(ElementsSource::Classic),
                            algol ? QVariant() : AlgolPlanner::tr("Algol's elements only"), Qt::ToolTipRole);
    if (!algol && m_elements->currentIndex() == int(ElementsSource::Classic)) {
        const QSignalBlocker blocker(m_elements);
        m_elements->setCurrentIndex(int(ElementsSource::Current));
        m_shownSource = ElementsSource::Current;
    }
    m_lowestLabel->setText(algol ? AlgolPlanner::tr("&Algol at least (°):")
                                 : AlgolPlanner::tr("%1 at le&ast (°):").arg(listing::starLabel(star)));
    m_now->setAccessibleName(algol ? AlgolPlanner::tr("Algol now") : AlgolPlanner::tr("%1 now").arg(listing::starLabel(star)));
    m_lowestAlgol->setAccessibleName(algol ? AlgolPlanner::tr("Lowest altitude of Algol in degrees")
                                           : AlgolPlanner::tr("Lowest altitude of %1 in degrees").arg(listing::starLabel(star)));
}

const sky::Star &PlannerWindow::chosenStar() const
{
    const int row = m_star->currentData().toInt();
    const std::vector<sky::Star> &catalogue = sky::starCatalogue();
    return row >= 0 && row < int(catalogue.size()) ? catalogue[std::size_t(row)] : sky::algolStar();
}

void PlannerWindow::starChosen()
{
    const sky::Star &star = chosenStar();
    if (&star != m_settings.star && !m_showing) {
        // The custom numbers are the star's own, those last used for it or else its catalogue
        // elements (another star's would not fit it); the numbers left are kept for their star.
        ElementsChoice &custom = m_settings.elements;
        custom.otherStars.insert(QString::fromStdString(m_settings.star->aavsoName),
                                 {custom.customEpoch, custom.customPeriod, custom.customHeliocentric});
        const sky::ElementSet own = sky::catalogueElements(star);
        const QString name = QString::fromStdString(star.aavsoName);
        const CustomNumbers numbers = custom.otherStars.contains(name)
            ? custom.otherStars.take(name)
            : CustomNumbers{own.elements.epoch, own.elements.period,
                            own.reference == sky::TimeReference::Heliocentric};
        custom.customEpoch = numbers.epoch;
        custom.customPeriod = numbers.period;
        custom.customHeliocentric = numbers.heliocentric;
        m_customEpochText = numberText(custom.customEpoch, 6);
        m_customPeriodText = numberText(custom.customPeriod, 7);
        m_customReference = custom.customHeliocentric ? 0 : 1;
        if (m_shownSource == ElementsSource::Custom) {
            const QSignalBlocker blocker(m_reference);
            m_epoch->setText(m_customEpochText);
            m_period->setText(m_customPeriodText);
            m_reference->setCurrentIndex(m_customReference);
        }
    }
    applyInputs();
}

void PlannerWindow::chooseStar(const sky::Star &star)
{
    m_star->setCurrentIndex(m_star->findData(int(&star - sky::starCatalogue().data())));
}

void PlannerWindow::tonightChosen(const sky::Star *star, double jdUtc)
{
    if (!star)
        return;
    m_selectedJd = jdUtc; // kept by the list made for the star, or its nearest minimum
    chooseStar(*star);
    const int row = m_model->rowNearest(jdUtc);
    if (row >= 0)
        m_list->setCurrentIndex(m_model->index(row, 0));
    m_viewTabs->setCurrentIndex(0);
    const listing::ReportRow *shown = selectedRow();
    if (!shown || shown->minimum.star != star || std::fabs(shown->minimum.jdUtc - jdUtc) > 0.01)
        statusBar()->showMessage(AlgolPlanner::tr("That minimum of %1 is not in the list: only the watchable "
                                                  "minima are shown.").arg(listing::starLabel(*star)));
}

void PlannerWindow::showTonight(QDate evening)
{
    if (!m_request.site || !evening.isValid())
        return;
    const sky::Site &site = *m_request.site;
    const QByteArray key = QStringLiteral("%1 %2 %3 %4 %5 %6 %7 %8")
                               .arg(evening.toString(Qt::ISODate))
                               .arg(site.latitudeDeg, 0, 'g', 17).arg(site.longitudeDeg, 0, 'g', 17)
                               .arg(site.heightM, 0, 'g', 17)
                               .arg(QString::fromUtf8(m_request.zone.id()))
                               .arg(m_request.conditions.minAlgolAltitudeDeg, 0, 'g', 17)
                               .arg(m_request.conditions.maxSunAltitudeDeg, 0, 'g', 17)
                               .arg(m_settings.halfHourRounding)
                               .toUtf8();
    if (key == m_tonightKey)
        return;
    m_tonightKey = key;
    m_tonight->setNight(m_request, evening, m_settings.halfHourRounding, QLocale());
}

QString PlannerWindow::fileStem() const
{
    const sky::Star &star = *m_settings.star;
    if (&star == &sky::algolStar())
        return QStringLiteral("algol");
    return QString::fromStdString(star.aavsoName).toLower().replace(QLatin1Char(' '), QLatin1Char('-'));
}

void PlannerWindow::setFieldError(QWidget *field, const QString &message)
{
    const bool wrong = !message.isEmpty();
    field->setToolTip(message);
    if (field->property("invalid").toBool() == wrong)
        return;
    field->setProperty("invalid", wrong);
    // A style sheet only while the field is wrong: the first one costs the whole window's style.
    field->setStyleSheet(wrong ? QStringLiteral("QLineEdit { border: 2px solid #d9534f; border-radius: 3px; background: #fdecea; color: black; }")
                               : QString());
}

void PlannerWindow::elementsChosen()
{
    // The custom numbers are kept aside while the fields show another set's.
    const auto source = ElementsSource(std::max(0, m_elements->currentIndex()));
    if (m_shownSource == ElementsSource::Custom && source != ElementsSource::Custom) {
        m_customEpochText = m_epoch->text();
        m_customPeriodText = m_period->text();
        m_customReference = m_reference->currentIndex();
    } else if (m_shownSource != ElementsSource::Custom && source == ElementsSource::Custom) {
        const QSignalBlocker blocker(m_reference);
        m_epoch->setText(m_customEpochText);
        m_period->setText(m_customPeriodText);
        m_reference->setCurrentIndex(m_customReference);
    }
    m_shownSource = source;
    applyInputs();
}

void PlannerWindow::showElementsInUse(const std::optional<sky::ElementSet> &set)
{
    if (m_shownSource == ElementsSource::Custom)
        return;
    const QSignalBlocker blocker(m_reference);
    m_epoch->setText(set ? numberText(set->elements.epoch, 6) : QString());
    m_period->setText(set ? numberText(set->elements.period, 7) : QString());
    m_reference->setCurrentIndex(!set || set->reference == sky::TimeReference::Heliocentric ? 0 : 1);
}

void PlannerWindow::applyInputs(bool force)
{
    if (m_showing)
        return;
    m_typingPause->setEnabled(false);
    applyObserver();
    const bool inUse = m_request.site.has_value(); // a list was made: its values stay in use
    PlannerSettings s = m_settings;
    QStringList siteErrors, elementsErrors, conditionsErrors;
    m_inUseNotes.clear();
    // A number field's value, or its error at the field and, while a list is shown, the value
    // still in use named.
    const auto check = [&](QLineEdit *field, double lowest, double highest, int decimals,
                           const QString &message, QStringList &errors, double &into,
                           const std::function<QString(double)> &stillInUse) {
        const std::optional<double> value = numberOf(field, lowest, highest);
        const QString error = value ? QString()
            : message.arg(numberText(lowest, decimals), numberText(highest, decimals), field->text());
        setFieldError(field, error);
        if (value) {
            into = *value;
            return;
        }
        errors.append(error);
        if (inUse && stillInUse)
            m_inUseNotes.append(stillInUse(into));
    };
    check(m_latitude, -90, 90, 4, AlgolPlanner::tr("The latitude is a number of degrees from %1 to %2, not “%3”."),
          siteErrors, s.site.latitudeDeg, [](double value) {
              return AlgolPlanner::tr("Latitude in use: %1, the last one that was right.")
                  .arg(degreesText(value, AlgolPlanner::tr("N"), AlgolPlanner::tr("S")));
          });
    check(m_longitude, -180, 180, 4, AlgolPlanner::tr("The longitude is a number of degrees from %1 to %2, not “%3”."),
          siteErrors, s.site.longitudeDeg, [](double value) {
              return AlgolPlanner::tr("Longitude in use: %1, the last one that was right.")
                  .arg(degreesText(value, AlgolPlanner::tr("E"), AlgolPlanner::tr("W")));
          });
    check(m_height, -500, 10000, 0, AlgolPlanner::tr("The height is a number of metres from %1 to %2, not “%3”."),
          siteErrors, s.site.heightM, [](double value) {
              return AlgolPlanner::tr("Height in use: %1 m, the last one that was right.").arg(numberText(value, 0));
          });
    const QString zoneText = m_zone->text().trimmed();
    const QTimeZone zone = listing::zoneNamed(zoneText).value_or(QTimeZone());
    const QString zoneError = zone.isValid() ? QString()
        : AlgolPlanner::tr("Unknown time zone “%1”: an IANA name such as Europe/Paris.").arg(listing::visible(zoneText));
    setFieldError(m_zone, zoneError);
    if (!zoneError.isEmpty()) {
        siteErrors.append(zoneError);
        if (inUse)
            m_inUseNotes.append(AlgolPlanner::tr("Time zone in use: %1, the last one that was right.").arg(s.zoneId));
    } else {
        s.zoneId = zoneText;
    }
    s.placeName = m_place->text().trimmed();

    s.star = &chosenStar();
    showStarTexts(*s.star);
    s.elements.source = ElementsSource(std::max(0, m_elements->currentIndex()));
    const bool custom = s.elements.source == ElementsSource::Custom;
    for (QWidget *field : {static_cast<QWidget *>(m_epoch), static_cast<QWidget *>(m_period),
                           static_cast<QWidget *>(m_reference)})
        field->setEnabled(custom);
    if (custom) {
        check(m_epoch, 2000000, 2600000, 6, AlgolPlanner::tr("The epoch is a Julian Day from %1 to %2, not “%3”."),
              elementsErrors, s.elements.customEpoch, {});
        check(m_period, 0.5, kLongestCustomPeriod, 7, AlgolPlanner::tr("The period is a number of days from %1 to %2, not “%3”."),
              elementsErrors, s.elements.customPeriod, {});
        s.elements.customHeliocentric = m_reference->currentIndex() != 1;
    } else {
        setFieldError(m_epoch, {});
        setFieldError(m_period, {});
    }
    const bool fromFile = s.elements.source == ElementsSource::File;
    m_elementsFileRow->setEnabled(fromFile);
    s.elements.file = m_elementsFile->text().trimmed();
    QString fileError;
    std::optional<sky::ElementSet> set =
        elementsErrors.isEmpty() ? elementSetOf(s.elements, &fileError) : std::nullopt;
    setFieldError(m_elementsFile, fileError);
    if (!fileError.isEmpty())
        elementsErrors.append(fileError);
    // Wrong elements keep the last right ones of the same star; a star newly chosen has none of its
    // own yet: its catalogue's are used meanwhile, never another star's.
    std::optional<sky::ElementSet> used = set;
    if (!elementsErrors.isEmpty() && s.star != m_request.elements.star) {
        used = sky::catalogueElements(*s.star);
        m_inUseNotes.append(AlgolPlanner::tr("Elements in use: the catalogue's, %1, until those chosen are right.")
                                .arg(formulaText(*used)));
    } else if (!elementsErrors.isEmpty() && inUse) {
        m_inUseNotes.append(AlgolPlanner::tr("Elements in use: %1, the last ones that were right.")
                                .arg(formulaText(m_request.elements)));
    }
    showElementsInUse(set);

    check(m_lowestAlgol, -90, 90, 1, AlgolPlanner::tr("The altitude is a number of degrees from %1 to %2, not “%3”."),
          conditionsErrors, s.conditions.minAlgolAltitudeDeg, [star = s.star](double value) {
              if (star != &sky::algolStar())
                  return AlgolPlanner::tr("Lowest altitude of %1 in use: %2°, the last one that was right.")
                      .arg(listing::starLabel(*star), numberText(value, 1));
              return AlgolPlanner::tr("Lowest altitude of Algol in use: %1°, the last one that was right.")
                  .arg(numberText(value, 1));
          });
    check(m_highestSun, -90, 90, 1, AlgolPlanner::tr("The altitude is a number of degrees from %1 to %2, not “%3”."),
          conditionsErrors, s.conditions.maxSunAltitudeDeg, [](double value) {
              return AlgolPlanner::tr("Highest altitude of the Sun in use: %1°, the last one that was right.")
                  .arg(numberText(value, 1));
          });
    s.days = m_days->currentData().toInt();
    s.onlyWatchable = m_onlyWatchable->isChecked();
    s.halfHourRounding = m_rounding->isChecked();
    const QDate night = m_firstNight->date();

    // A wrong field keeps its last good value in use (s holds it); the others are used.
    if (!set)
        s.elements = m_settings.elements;
    const bool wrong = !siteErrors.isEmpty() || !conditionsErrors.isEmpty() || !used; // !used: wrong elements
    const bool changed = force || !inUse || night != m_listedNight || settingsText(s) != settingsText(m_settings);
    if (changed && inUse)
        m_startNote.clear(); // said until the first change
    m_siteNote->setText(siteErrors.isEmpty() ? m_startNote : siteErrors.join(QLatin1Char('\n')));
    m_conditionsNote->setText(conditionsErrors.join(QLatin1Char('\n')));
    m_elementsNote->setText(!elementsErrors.isEmpty() ? elementsErrors.join(QLatin1Char('\n'))
                            : set ? elementsNote(*set) : QString());
    if (!changed || (wrong && !inUse)) { // nothing new, or nothing right yet to use
        showSummary();
        return;
    }
    const Selection selection = !inUse ? Selection::FirstWatchable
        : night != m_listedNight ? Selection::FirstListed : Selection::Kept;
    m_settings = s;
    m_request.site = s.site;
    if (zone.isValid())
        m_request.zone = zone;
    if (used) {
        const bool newStar = used->star != m_request.elements.star;
        m_request.elements = *used;
        if (newStar) {
            m_stars = comparisonStars(*used->star);
            m_log->setComparisonStars(m_stars);
            m_log->setStar(*used->star);
        }
    }
    m_request.conditions = s.conditions;
    m_listedNight = night;
    m_request.from = nightStart(night, m_request.zone);
    m_request.to = nightStart(night.addDays(s.days), m_request.zone);
    recompute(selection);
    saveSettings();
}

std::optional<sky::ElementSet> PlannerWindow::elementSetOf(const ElementsChoice &choice, QString *error)
{
    const sky::Star &star = chosenStar();
    if (choice.source != ElementsSource::File)
        return planner::elementSetOf(choice, star);
    if (!m_elementsFileRead || m_elementsFileRead->path != choice.file) {
        ElementsFileRead read{choice.file, std::nullopt, {}};
        if (choice.file.isEmpty())
            read.error = AlgolPlanner::tr("Choose the elements file that algol-minima fit wrote.");
        else
            read.set = planner::elementSetOf(choice, star, &read.error);
        m_elementsFileRead = read;
    }
    *error = m_elementsFileRead->error;
    // The file's elements are of one star: not to be used for another.
    const std::optional<sky::ElementSet> &set = m_elementsFileRead->set;
    if (set && set->star != &star) {
        *error = AlgolPlanner::tr("%1 holds elements of %2, not of %3: refit the elements to your timings of %3 "
                                  "(Observing menu), or choose other elements.")
                     .arg(listing::visible(choice.file), listing::starLabel(*set->star), listing::starLabel(star));
        return std::nullopt;
    }
    return set;
}

void PlannerWindow::chooseElementsFile()
{
    const QString current = m_elementsFile->text().trimmed();
    const QString path = QFileDialog::getOpenFileName(
        this, AlgolPlanner::tr("Elements file"),
        current.isEmpty() ? startFolder() : QFileInfo(current).absolutePath(),
        AlgolPlanner::tr("Elements files (*.txt *.elements);;All files (*)"));
    if (path.isEmpty())
        return;
    m_elementsFileRead.reset(); // read again, even under the same name: the fit may have rewritten it
    m_elementsFile->setText(path);
    m_settings.folder = QFileInfo(path).absolutePath();
    applyInputs(true);
}

QDate PlannerWindow::currentNight() const
{
    const QTimeZone zone = m_request.site ? m_request.zone
        : listing::zoneNamed(m_settings.zoneId).value_or(m_systemZone);
    return nightOf(m_clock.now().toUTC(), zone);
}

void PlannerWindow::recompute(Selection selection)
{
    const QDateTime now = m_clock.now().toUTC();
    m_plan = makePlan(m_request, now);
    m_model->setPlan(m_plan, m_settings.onlyWatchable, m_settings.halfHourRounding, QLocale());
    m_list->resizeColumnsToContents();

    const listing::Report &report = m_plan.report;
    const QString place = m_settings.placeName.isEmpty()
        ? listing::siteDescription(*m_request.site, QLocale()) : m_settings.placeName;
    m_summaryText = report.observableCount > 0
        ? AlgolPlanner::tr("%1 of the %2 minima of the %3 nights from the %4 can be watched from %5.")
              .arg(QString::number(report.observableCount), QString::number(report.minimaInPeriod),
                   QString::number(m_settings.days), shortNightName(m_listedNight, QLocale()), place)
        : listing::emptyListSentence(report, QLocale());
    if (report.extrapolated)
        m_summaryText += QLatin1Char(' ') + listing::extrapolationWarning();
    showSummary();

    // The minimum chosen before, or the nearest; else the first watchable one, else the first.
    int row = selection == Selection::Kept && m_selectedJd ? m_model->rowNearest(*m_selectedJd) : -1;
    for (int i = 0; row < 0 && selection != Selection::FirstListed && i < m_model->rowCount(); ++i)
        if (m_plan.report.rows.at(m_model->planRow(i)).minimum.observable())
            row = i;
    if (row < 0 && m_model->rowCount() > 0)
        row = 0;
    if (row >= 0) {
        if (selection != Selection::Kept || !m_selectedJd)
            m_selectedJd = m_plan.report.rows.at(m_model->planRow(row)).minimum.jdUtc;
        const QScopedValueRollback recomputing(m_recomputing, true); // the night drawn once, below
        m_list->setCurrentIndex(m_model->index(row, 0));
        m_list->scrollTo(m_model->index(row, 0));
    }
    showSelectedNight();
    updateNow();
    // The night's timing and the O−C diagram against the elements now in use.
    logChanged();
    timingsChanged();
}

void PlannerWindow::showSummary()
{
    QStringList parts{m_summaryText};
    parts.append(m_inUseNotes);
    m_summary->setText(parts.join(QLatin1Char(' ')).trimmed());
}

void PlannerWindow::showSelectedNight()
{
    const listing::ReportRow *row = selectedRow();
    m_chart->setData(row ? nightChartData(m_request, *row, m_settings.placeName, m_stars, m_clock.now(),
                                          m_settings.halfHourRounding, QLocale())
                         : ChartData{});
    showLogNight();
    showTonight(m_chart->data().isValid() ? m_chart->data().evening : m_listedNight);
}

const listing::ReportRow *PlannerWindow::selectedRow() const
{
    const int planRow = m_model->planRow(m_list->currentIndex().row());
    return planRow < 0 ? nullptr : &m_plan.report.rows.at(planRow);
}

void PlannerWindow::updateNow()
{
    m_now->setText(nowSentence(m_request.elements, m_clock.now(), m_request.zone,
                               m_settings.halfHourRounding, QLocale()));
}

void PlannerWindow::onMinute()
{
    // A list that starts from the current night moves on with it at noon; otherwise only the
    // present moves.
    const QDate night = currentNight();
    if (m_request.site && m_firstNight->date() == m_followedNight && night != m_followedNight) {
        m_followedNight = night;
        {
            const QSignalBlocker blocker(m_firstNight);
            m_firstNight->setDate(night);
        }
        m_listedNight = night;
        m_request.from = nightStart(night, m_request.zone);
        m_request.to = nightStart(night.addDays(m_settings.days), m_request.zone);
        recompute(Selection::FirstWatchable);
        return;
    }
    showSelectedNight();
    updateNow();
}

void PlannerWindow::saveSettings()
{
    // Unchanged settings are not written again (writing a file whole waits for the disk).
    const QByteArray text = settingsText(m_settings);
    if (text == m_savedText || !m_mayWriteSettings)
        return;
    QString reason;
    if (writeSettings(m_settingsPath, m_settings, &reason))
        m_savedText = text;
    else
        statusBar()->showMessage(AlgolPlanner::tr("The settings could not be saved (%1); the last saved ones are kept.").arg(reason));
}

bool PlannerWindow::exportList(listing::OutputFormat format, const QString &path, ListedMinima minima)
{
    const bool onlyWatchable = minima == ListedMinima::Watchable
        || (minima == ListedMinima::AsShown && m_settings.onlyWatchable);
    const listing::Report report = shownReport(m_plan, onlyWatchable);
    const QByteArray bytes = listing::formattedReport(report, format, QLocale());
    QString reason;
    const bool written = listing::saveWhole(
        path, [&](QIODevice &device) { return device.write(bytes) == bytes.size(); }, &reason);
    statusBar()->showMessage(written ? AlgolPlanner::tr("Written: %1 (minima: %2)").arg(path, QString::number(report.rows.size()))
                                     : AlgolPlanner::tr("Could not write %1: %2").arg(path, reason));
    if (written)
        fileWritten(path);
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
        // The generator writes the title and the description as they are: a place named
        // "Fish & Chips" would make the file unreadable XML.
        svg.setTitle(m_chart->data().title.toHtmlEscaped());
        const sky::Star &star = *m_settings.star;
        svg.setDescription((&star == &sky::algolStar()
                                ? AlgolPlanner::tr("Algol planner: the night of a minimum of Algol")
                                : AlgolPlanner::tr("Algol planner: the night of a minimum of %1").arg(listing::starLabel(star)))
                               .toHtmlEscaped());
        QPainter painter;
        if (!painter.begin(&svg))
            return false;
        m_chart->paint(painter, QRectF(QPointF(0, 0), kChartPictureSize));
        return painter.end();
    }, &reason);
    statusBar()->showMessage(written ? AlgolPlanner::tr("Written: %1").arg(path)
                                     : AlgolPlanner::tr("Could not write %1: %2").arg(path, reason));
    if (written)
        fileWritten(path);
    return written;
}

void PlannerWindow::fileWritten(const QString &path)
{
    m_settings.folder = QFileInfo(path).absolutePath();
    saveSettings();
}

QString PlannerWindow::startFolder() const
{
    if (!m_settings.folder.isEmpty() && QFileInfo(m_settings.folder).isDir())
        return m_settings.folder;
    return m_documentsFolder.isEmpty()
        ? QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) : m_documentsFolder;
}

QString PlannerWindow::askSavePath(const QString &caption, const QString &name, const QString &suffix)
{
    return QFileDialog::getSaveFileName(
        this, caption, startFolder() + QLatin1Char('/') + name + QLatin1Char('.') + suffix,
        AlgolPlanner::tr("%1 files (*.%2)").arg(suffix.toUpper(), suffix));
}

void PlannerWindow::askExportList(listing::OutputFormat format)
{
    ListedMinima minima = ListedMinima::AsShown;
    const listing::Report &report = m_plan.report;
    // A calendar fills with every minimum unless asked: the watchable ones unless the user wants all.
    if (format == listing::OutputFormat::Ics && !m_settings.onlyWatchable
        && report.observableCount < report.rows.size()) {
        QMessageBox question(QMessageBox::Question, AlgolPlanner::tr("Export the list"),
                             AlgolPlanner::tr("The list shows all %1 minima, of which %2 can be watched. "
                                              "Which shall the calendar hold?")
                                 .arg(QString::number(report.rows.size()), QString::number(report.observableCount)),
                             QMessageBox::Cancel, this);
        QPushButton *watchable = question.addButton(
            AlgolPlanner::tr("The %1 &watchable ones").arg(report.observableCount), QMessageBox::AcceptRole);
        QPushButton *all = question.addButton(AlgolPlanner::tr("&All %1").arg(report.rows.size()),
                                              QMessageBox::AcceptRole);
        question.setDefaultButton(watchable);
        question.exec();
        if (question.clickedButton() == watchable)
            minima = ListedMinima::Watchable;
        else if (question.clickedButton() == all)
            minima = ListedMinima::All;
        else
            return;
    }
    const QString suffix = format == listing::OutputFormat::Csv ? QStringLiteral("csv")
        : format == listing::OutputFormat::Json ? QStringLiteral("json") : QStringLiteral("ics");
    const QString path = askSavePath(AlgolPlanner::tr("Export the list"), fileStem() + QStringLiteral("-minima"), suffix);
    if (!path.isEmpty())
        exportList(format, path, minima);
}

void PlannerWindow::askSaveChart(ChartFormat format)
{
    const QString path = askSavePath(AlgolPlanner::tr("Save the chart"), fileStem() + QStringLiteral("-night"),
                                     format == ChartFormat::Png ? QStringLiteral("png") : QStringLiteral("svg"));
    if (!path.isEmpty())
        saveChart(format, path);
}

void PlannerWindow::paintPrintedPage(QPainter &painter, const QRectF &page) const
{
    const QString details = AlgolPlanner::tr("%1, time zone %2; elements: %3")
        .arg(listing::siteDescription(m_settings.site, QLocale()), m_settings.zoneId,
             m_request.site ? formulaText(m_request.elements) : QString());
    paintNightSheet(painter, page, *m_chart, details);
}

void PlannerWindow::printChart()
{
    printPage(QPageLayout::Landscape,
              [this](QPainter &painter, const QRectF &page) { paintPrintedPage(painter, page); });
}

void PlannerWindow::printPage(QPageLayout::Orientation orientation,
                              const std::function<void(QPainter &, const QRectF &)> &paint)
{
    QPrinter printer;
    printer.setPageOrientation(orientation);
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    QPainter painter;
    if (!painter.begin(&printer)) {
        statusBar()->showMessage(AlgolPlanner::tr("The printer could not be opened."));
        return;
    }
    const QRect page = printer.pageLayout().paintRectPixels(printer.resolution());
    paint(painter, QRectF(QPointF(0, 0), page.size()));
    statusBar()->showMessage(painter.end() ? AlgolPlanner::tr("Sent to the printer.")
                                           : AlgolPlanner::tr("The printing failed."));
}

void PlannerWindow::showAbout()
{
    QMessageBox::about(this, AlgolPlanner::tr("About Algol planner"), aboutText());
}

void PlannerWindow::showTerms()
{
    if (!m_terms)
        m_terms = termsWindow(this, m_book->timingsPath(), m_book->elementsPath());
    m_terms->show();
    m_terms->raise();
    m_terms->activateWindow();
}

} // namespace planner
