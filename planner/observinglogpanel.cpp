#include "observinglogpanel.h"

#include "clock.h"
#include "inputfiles.h"
#include "plannertexts.h"
#include "starcatalogue.h"
#include "wording.h"
#include "zonetime.h"

#include <QAction>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QRegularExpressionValidator>
#include <QShortcut>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace planner {

namespace {

// The AAVSO's comment codes for visual observations and their meanings, as its Visual File Format
// lists them (https://www.aavso.org/aavso-visual-file-format, field COMMENTCODE; the older
// letters and their wider meanings: https://www.aavso.org/publications/manual/commentcodes.shtml).
struct CommentCode
{
    char letter;
    const char *meaning;
};
constexpr CommentCode kCommentCodes[] = {
    {'B', QT_TRANSLATE_NOOP("AlgolPlanner", "sky is bright: moon, twilight, light pollution, aurorae")},
    {'U', QT_TRANSLATE_NOOP("AlgolPlanner", "clouds, dust, smoke, haze")},
    {'W', QT_TRANSLATE_NOOP("AlgolPlanner", "poor seeing")},
    {'L', QT_TRANSLATE_NOOP("AlgolPlanner", "low in the sky, near the horizon, in trees, view obstructed")},
    {'D', QT_TRANSLATE_NOOP("AlgolPlanner", "unusual activity: fading, flare, bizarre behaviour")},
    {'Y', QT_TRANSLATE_NOOP("AlgolPlanner", "outburst")},
    {'K', QT_TRANSLATE_NOOP("AlgolPlanner", "non-AAVSO chart")},
    {'S', QT_TRANSLATE_NOOP("AlgolPlanner", "comparison sequence problem")},
    {'Z', QT_TRANSLATE_NOOP("AlgolPlanner", "magnitude of the star uncertain")},
    {'I', QT_TRANSLATE_NOOP("AlgolPlanner", "identification of the star uncertain")},
    {'V', QT_TRANSLATE_NOOP("AlgolPlanner", "faint star, near the observing limit, only glimpsed")},
};

const QColor kBackground{18, 24, 40}; // the night chart's frame
const QColor kField{10, 14, 28};
const QColor kText{226, 232, 245};
const QColor kFaintText{160, 172, 198};
const QColor kWrong{255, 160, 120};

enum Column { TimeColumn, EstimateColumn, MagnitudeColumn, ComparisonColumn, CodesColumn, NoteColumn };

// The codes typed, in capitals and in alphabetical order, each once; none for a letter that is
// no code.
std::optional<QString> commentCodes(const QString &typed)
{
    QString codes;
    for (const QChar c : typed.toUpper()) {
        if (c.isSpace() || codes.contains(c))
            continue;
        const bool known = std::any_of(std::begin(kCommentCodes), std::end(kCommentCodes),
                                       [&](const CommentCode &code) { return c == QLatin1Char(code.letter); });
        if (!known)
            return std::nullopt;
        codes += c;
    }
    std::sort(codes.begin(), codes.end());
    return codes;
}

QString codesHelp()
{
    QStringList lines;
    for (const CommentCode &code : kCommentCodes)
        lines << QStringLiteral("%1: %2").arg(QString(QLatin1Char(code.letter)), AlgolPlanner::tr(code.meaning));
    return lines.join(QLatin1Char('\n'));
}

QString magnitudeText(const timing::LogEntry &entry)
{
    if (entry.kind == timing::EntryKind::FainterThan)
        return QLatin1Char('<') + QLocale().toString(entry.magnitude, 'f', 1);
    return QLocale().toString(entry.magnitude, 'f', 2);
}

QPalette darkPalette(QPalette palette)
{
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        const bool disabled = group == QPalette::Disabled;
        palette.setColor(group, QPalette::Window, kBackground);
        palette.setColor(group, QPalette::Base, kField);
        palette.setColor(group, QPalette::AlternateBase, kBackground);
        palette.setColor(group, QPalette::Button, QColor(31, 40, 62));
        palette.setColor(group, QPalette::Highlight, QColor(52, 80, 127));
        palette.setColor(group, QPalette::HighlightedText, kText);
        palette.setColor(group, QPalette::PlaceholderText, QColor(110, 120, 145));
        palette.setColor(group, QPalette::ToolTipBase, kBackground);
        palette.setColor(group, QPalette::ToolTipText, kText);
        for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
            palette.setColor(group, role, disabled ? QColor(100, 108, 128) : kText);
    }
    return palette;
}

QLineEdit *field(const QString &accessibleName, QWidget *parent)
{
    auto *edit = new QLineEdit(parent);
    edit->setAccessibleName(accessibleName);
    return edit;
}

QPushButton *button(const QString &text, const QString &accessibleName, QWidget *parent)
{
    auto *push = new QPushButton(text, parent);
    push->setAccessibleName(accessibleName);
    push->setAutoDefault(false);
    return push;
}

} // namespace

ObservingLogPanel::ObservingLogPanel(toolkit::Clock &clock, const QString &nightsFolder, QWidget *parent)
    : QWidget(parent), m_clock(clock), m_store(nightsFolder), m_stamp(new QAction(AlgolPlanner::tr("Stamp the present time"), this))
{
    setAccessibleName(AlgolPlanner::tr("Observing log"));
    setPalette(darkPalette(palette()));
    setAutoFillBackground(true);
    buildControls();
    showStars();
    showEntries();
}

void ObservingLogPanel::buildControls()
{
    auto *layout = new QVBoxLayout(this);
    auto *fields = new QGridLayout;
    layout->addLayout(fields);

    m_time = field(AlgolPlanner::tr("Time of the estimate"), this);
    m_time->setPlaceholderText(AlgolPlanner::tr("now"));
    m_time->setToolTip(AlgolPlanner::tr("The site's time, such as 23:14:05; left empty, the moment Enter is pressed. Ctrl+T stamps the present time."));
    m_time->setMaxLength(12);
    m_now = button(AlgolPlanner::tr("No&w"), AlgolPlanner::tr("Stamp the present time"), this);
    m_now->setToolTip(AlgolPlanner::tr("Stamps the present time into the time field (Ctrl+T)"));
    m_estimate = field(AlgolPlanner::tr("Estimate"), this);
    m_estimate->setPlaceholderText(AlgolPlanner::tr("2.9, a 2 V 3 b or <3.5"));
    m_estimate->setMaxLength(100);
    m_codes = field(AlgolPlanner::tr("AAVSO comment codes"), this);
    m_codes->setToolTip(codesHelp());
    m_codes->setMaxLength(22);
    m_codes->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[BUWLDYKSZIV ]*"), QRegularExpression::CaseInsensitiveOption), m_codes));
    m_note = field(AlgolPlanner::tr("Note"), this);
    m_note->setMaxLength(500);
    m_add = button(AlgolPlanner::tr("&Add"), AlgolPlanner::tr("Add the estimate"), this);

    const auto label = [this](const QString &text, QWidget *buddy) {
        auto *l = new QLabel(text, this);
        l->setBuddy(buddy);
        return l;
    };
    // Two columns of label and field, narrow enough for the side of a window.
    fields->addWidget(label(AlgolPlanner::tr("&Time:"), m_time), 0, 0);
    fields->addWidget(m_time, 0, 1);
    fields->addWidget(m_now, 0, 2);
    fields->addWidget(label(AlgolPlanner::tr("&Estimate:"), m_estimate), 1, 0);
    fields->addWidget(m_estimate, 1, 1);
    fields->addWidget(m_add, 1, 2);
    fields->addWidget(label(AlgolPlanner::tr("&Codes:"), m_codes), 2, 0);
    fields->addWidget(m_codes, 2, 1, 1, 2);
    fields->addWidget(label(AlgolPlanner::tr("N&ote:"), m_note), 3, 0);
    fields->addWidget(m_note, 3, 1, 1, 2);
    fields->setColumnStretch(1, 1);
    m_time->setMinimumWidth(m_time->fontMetrics().horizontalAdvance(QStringLiteral("00:00:00")) + 16);

    m_message = new QLabel(this);
    m_message->setAccessibleName(AlgolPlanner::tr("Message"));
    m_message->setWordWrap(true);
    m_message->setTextFormat(Qt::PlainText);
    m_message->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(m_message);
    m_stars = new QLabel(this);
    m_stars->setAccessibleName(AlgolPlanner::tr("Comparison stars"));
    m_stars->setWordWrap(true);
    m_stars->setTextFormat(Qt::PlainText);
    QPalette faint = m_stars->palette();
    faint.setColor(QPalette::WindowText, kFaintText);
    m_stars->setPalette(faint);
    layout->addWidget(m_stars);

    m_table = new QTableWidget(0, 6, this);
    m_table->setAccessibleName(AlgolPlanner::tr("Estimates of the night"));
    m_table->setHorizontalHeaderLabels({AlgolPlanner::tr("Time"), AlgolPlanner::tr("Estimate"),
                                        AlgolPlanner::tr("Magnitude"), AlgolPlanner::tr("Comparison"),
                                        AlgolPlanner::tr("Codes"), AlgolPlanner::tr("Note")});
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_table->setShowGrid(false);
    m_table->setTabKeyNavigation(false);
    m_table->verticalHeader()->hide();
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_table->horizontalHeader()->setStretchLastSection(true);
    layout->addWidget(m_table, 1);

    // The entries' buttons, then the files'.
    auto *buttons = new QGridLayout;
    layout->addLayout(buttons);
    auto *edit = button(AlgolPlanner::tr("Ed&it"), AlgolPlanner::tr("Edit the chosen estimate"), this);
    edit->setToolTip(AlgolPlanner::tr("Loads the chosen estimate into the fields (F2 or a double click); Enter stores it, Esc cancels"));
    auto *remove = button(AlgolPlanner::tr("&Delete"), AlgolPlanner::tr("Delete the chosen entries"), this);
    remove->setToolTip(AlgolPlanner::tr("Deletes the chosen entries (Delete key); Undo brings them back"));
    m_undo = button(AlgolPlanner::tr("&Undo"), AlgolPlanner::tr("Undo the last change of the log"), this);
    m_undo->setToolTip(AlgolPlanner::tr("Undoes the last change of the log (Ctrl+Z)"));
    auto *import = button(AlgolPlanner::tr("Im&port…"), AlgolPlanner::tr("Import a file of observations"), this);
    import->setToolTip(AlgolPlanner::tr("Adds the night's points of an AAVSO file, a file of JD and magnitude columns or an exported log"));
    auto *exportLog = button(AlgolPlanner::tr("E&xport…"), AlgolPlanner::tr("Export the night's log"), this);
    auto *aavso = button(AlgolPlanner::tr("AA&VSO file…"), AlgolPlanner::tr("Write the night's AAVSO Visual file"), this);
    aavso->setToolTip(AlgolPlanner::tr("Writes your estimates of the night as an AAVSO Visual file, ready to submit"));
    buttons->addWidget(edit, 0, 0);
    buttons->addWidget(remove, 0, 1);
    buttons->addWidget(m_undo, 0, 2);
    buttons->addWidget(import, 1, 0);
    buttons->addWidget(exportLog, 1, 1);
    buttons->addWidget(aavso, 1, 2);
    m_fileButtons = {import, exportLog, aavso};

    for (QLineEdit *f : {m_time, m_estimate, m_codes, m_note})
        connect(f, &QLineEdit::returnPressed, this, &ObservingLogPanel::addEstimate);
    connect(m_add, &QPushButton::clicked, this, &ObservingLogPanel::addEstimate);
    connect(m_now, &QPushButton::clicked, this, &ObservingLogPanel::stampNow);
    connect(edit, &QPushButton::clicked, this, &ObservingLogPanel::editSelected);
    connect(remove, &QPushButton::clicked, this, &ObservingLogPanel::deleteSelected);
    connect(m_undo, &QPushButton::clicked, this, &ObservingLogPanel::undo);
    connect(import, &QPushButton::clicked, this, &ObservingLogPanel::askImport);
    connect(exportLog, &QPushButton::clicked, this, &ObservingLogPanel::askExportLog);
    connect(aavso, &QPushButton::clicked, this, &ObservingLogPanel::askExportAavsoVisual);
    connect(m_table, &QTableWidget::cellDoubleClicked, this, &ObservingLogPanel::editSelected);

    // Ctrl+T as an action, which a window may make its own and offer in a menu.
    m_stamp->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_T));
    m_stamp->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    addAction(m_stamp);
    connect(m_stamp, &QAction::triggered, this, &ObservingLogPanel::stampNow);
    const auto shortcut = [this](const QKeySequence &keys, QWidget *on, Qt::ShortcutContext context, auto slot) {
        auto *s = new QShortcut(keys, on);
        s->setContext(context);
        connect(s, &QShortcut::activated, this, slot);
    };
    shortcut(QKeySequence::Undo, this, Qt::WidgetWithChildrenShortcut, &ObservingLogPanel::undo);
    shortcut(QKeySequence(Qt::Key_Escape), this, Qt::WidgetWithChildrenShortcut, &ObservingLogPanel::cancelEditing);
    shortcut(QKeySequence::Delete, m_table, Qt::WidgetShortcut, &ObservingLogPanel::deleteSelected);
    shortcut(QKeySequence(Qt::Key_F2), m_table, Qt::WidgetShortcut, &ObservingLogPanel::editSelected);
}

void ObservingLogPanel::setFileButtonsShown(bool shown)
{
    for (QPushButton *b : m_fileButtons)
        b->setVisible(shown);
}

void ObservingLogPanel::focusEstimate()
{
    m_estimate->setFocus(Qt::ShortcutFocusReason);
}

void ObservingLogPanel::setComparisonStars(const QList<ComparisonStar> &stars)
{
    m_chartStars.clear();
    for (const ComparisonStar &star : stars)
        m_chartStars.push_back({star.label.toStdString(), star.magnitude});
    showStars();
}

void ObservingLogPanel::setNight(const ObservingNight &night)
{
    const bool newNight = night.evening != m_night.evening;
    m_night = night;
    if (!newNight) {
        showEntries();
        return;
    }
    openNight();
}

void ObservingLogPanel::setStar(const sky::Star &star)
{
    if (&star == &m_store.star())
        return;
    m_store.setStar(star);
    if (m_night.evening.isValid())
        openNight();
}

QString ObservingLogPanel::starName() const
{
    return &m_store.star() == &sky::algolStar() ? QStringLiteral("Algol") : listing::starLabel(m_store.star());
}

double ObservingLogPanel::faintestEstimate() const
{
    // As far beyond a fainter star's minimum as Algol's limit is beyond Algol's, so that only a slip
    // is refused.
    const sky::Star &star = m_store.star();
    return std::max(timing::kFaintestEstimate,
                    star.primaryMinimumMagnitude + timing::kFaintestEstimate - sky::algolStar().primaryMinimumMagnitude);
}

void ObservingLogPanel::openNight()
{
    cancelEditing();
    const ObservingLogStore::Opened opened = m_store.open(m_night.evening);
    showEntries();
    QStringList lines = opened.problems;
    if (!opened.message.isEmpty())
        lines.prepend(opened.message);
    say(lines.join(QLatin1Char('\n')), opened.writable ? nullptr : m_estimate);
    emit logChanged();
}

void ObservingLogPanel::setObserverCode(const QString &code)
{
    m_observerCode = code.trimmed();
}

void ObservingLogPanel::setChartId(const QString &chartId)
{
    m_chartId = chartId.trimmed();
}

std::vector<timing::Observation> ObservingLogPanel::observations() const
{
    return timing::observationsOf(m_store.entries(), m_observerCode.toStdString());
}

void ObservingLogPanel::say(const QString &message, QWidget *wrongField)
{
    m_message->setText(message);
    QPalette palette = m_message->palette();
    palette.setColor(QPalette::WindowText, wrongField ? kWrong : kText);
    m_message->setPalette(palette);
    for (QLineEdit *f : {m_time, m_estimate, m_codes, m_note}) {
        const bool wrong = f == wrongField;
        if (f->property("invalid").toBool() != wrong) {
            f->setProperty("invalid", wrong);
            f->setStyleSheet(wrong ? QStringLiteral("QLineEdit { border: 2px solid #ff8a66; border-radius: 3px; }") : QString());
        }
    }
    if (wrongField)
        wrongField->setFocus();
}

QString ObservingLogPanel::localTime(double jdUtc) const
{
    return listing::clockText(listing::localTimeOf(listing::utcOfJulianDay(jdUtc), m_night.zone).local.time());
}

QString ObservingLogPanel::nightText() const
{
    return QLocale().toString(m_night.evening, QStringLiteral("dddd d MMMM yyyy"));
}

void ObservingLogPanel::showStars()
{
    QStringList stars;
    for (const timing::ChartStar &star : m_chartStars)
        stars << QStringLiteral("%1 (%2)").arg(QString::fromStdString(star.name),
                                               QString::fromStdString(timing::aavsoLabel(star.magnitude)));
    m_stars->setText(stars.isEmpty() ? QString()
                                     : AlgolPlanner::tr("Comparison stars: %1").arg(stars.join(QStringLiteral(" · "))));
    m_estimate->setToolTip(AlgolPlanner::tr("A magnitude (2.9), fainter than a magnitude (<3.5), or a step estimate "
                                            "between two comparison stars, the brighter first: a 2 V 3 b. %1")
                               .arg(m_stars->text()));
}

void ObservingLogPanel::showEntries(int selectedRow)
{
    const std::vector<timing::LogEntry> &entries = m_store.entries();
    m_table->setRowCount(int(entries.size()));
    for (int row = 0; row < int(entries.size()); ++row) {
        const timing::LogEntry &e = entries[std::size_t(row)];
        const bool imported = e.kind == timing::EntryKind::Imported;
        const QString comparison = e.comp1.empty() ? QString()
            : QString::fromStdString(e.comp1) + QStringLiteral(", ") + QString::fromStdString(e.comp2);
        const QString estimate = imported
            ? AlgolPlanner::tr("%1 from %2").arg(QString::fromStdString(e.band), QString::fromStdString(e.source))
            : QString::fromStdString(e.estimate);
        const QString texts[] = {localTime(e.jdUtc), estimate, magnitudeText(e), comparison,
                                 QString::fromStdString(e.codes), QString::fromStdString(e.note)};
        for (int column = 0; column < 6; ++column) {
            auto *item = new QTableWidgetItem(texts[column]);
            item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
            if (column == MagnitudeColumn)
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            m_table->setItem(row, column, item);
        }
    }
    if (selectedRow >= 0 && selectedRow < m_table->rowCount()) {
        m_table->selectRow(selectedRow);
        m_table->scrollToItem(m_table->item(selectedRow, 0));
    }
    m_undo->setEnabled(m_store.canUndo());
}

std::optional<QDateTime> ObservingLogPanel::timeOfEstimate(QString *error) const
{
    const QString typed = m_time->text().trimmed();
    const auto inNight = [this](const QDateTime &t) { return t >= m_night.from && t <= m_night.to; };
    const QString span = AlgolPlanner::tr("%1 to %2").arg(localTime(listing::julianDayOf(m_night.from)).left(5),
                                                           localTime(listing::julianDayOf(m_night.to)).left(5));
    if (typed.isEmpty()) {
        const QDateTime now = m_clock.now().toUTC();
        if (inNight(now))
            return now;
        *error = AlgolPlanner::tr("Now is not in the night of %1 (%2): type the time of the estimate.")
                     .arg(nightText(), span);
        return std::nullopt;
    }
    static const QRegularExpression pattern(QStringLiteral("^(\\d{1,2})[:h.](\\d{2})(?:[:.](\\d{2}))?$"));
    const QRegularExpressionMatch match = pattern.match(typed);
    const QTime time = match.hasMatch()
        ? QTime(match.captured(1).toInt(), match.captured(2).toInt(), match.captured(3).toInt())
        : QTime();
    if (!time.isValid()) {
        *error = AlgolPlanner::tr("The time is hours, minutes and seconds of the site's clock, such as 23:14:05, not “%1”.")
                     .arg(typed);
        return std::nullopt;
    }
    // The night runs over two dates, and a widened one may start the day before.
    for (int day = -1; day <= 2; ++day) {
        const QDateTime instant = listing::resolveLocalTime(m_night.evening.addDays(day), time, m_night.zone);
        if (inNight(instant))
            return instant.toUTC();
    }
    *error = AlgolPlanner::tr("%1 is not in the night of %2 (%3).").arg(typed, nightText(), span);
    return std::nullopt;
}

void ObservingLogPanel::stampNow()
{
    const QDateTime now = m_clock.now();
    m_time->setText(listing::clockText(m_night.zone.isValid() ? now.toTimeZone(m_night.zone).time() : now.time()));
}

bool ObservingLogPanel::addEstimate()
{
    if (!m_night.evening.isValid()) {
        say(AlgolPlanner::tr("Choose a night first."), m_estimate);
        return false;
    }
    const QString typed = m_estimate->text().trimmed();
    const double faintest = faintestEstimate();
    const timing::EstimateReading reading = timing::readEstimate(typed.toStdString(), m_chartStars, faintest);
    if (!reading.estimate) {
        QString why;
        switch (reading.error) {
        case timing::EstimateError::Empty:
            why = AlgolPlanner::tr("Type an estimate: a magnitude (2.9), a step estimate (a 2 V 3 b) or fainter than (<3.5).");
            break;
        case timing::EstimateError::Unreadable:
            why = AlgolPlanner::tr("“%1” is no estimate: type a magnitude (2.9), a step estimate between two comparison "
                                   "stars (a 2 V 3 b) or fainter than (<3.5).").arg(typed);
            break;
        case timing::EstimateError::UnknownStar:
            why = AlgolPlanner::tr("“%1” is no comparison star of the chart: name one of those below, or its label.")
                      .arg(QString::fromStdString(reading.name));
            break;
        case timing::EstimateError::SameStar:
            why = AlgolPlanner::tr("Both sides name the same star: compare %1 with two different stars.").arg(starName());
            break;
        case timing::EstimateError::NegativeSteps:
            why = AlgolPlanner::tr("Steps are counted from 0 up; none can be negative.");
            break;
        case timing::EstimateError::TooManySteps:
            why = AlgolPlanner::tr("More than %1 steps: compare %2 with nearer stars.").arg(timing::kMostSteps).arg(starName());
            break;
        case timing::EstimateError::ZeroSteps:
            why = AlgolPlanner::tr("0 V 0 says nothing: at least one of the steps is above 0.");
            break;
        case timing::EstimateError::MagnitudeOutOfRange:
            why = (&m_store.star() == &sky::algolStar()
                       ? AlgolPlanner::tr("The magnitude of Algol lies between %1 and %2: “%3” cannot be one.")
                       : AlgolPlanner::tr("An estimate of %4 is taken from %1 to %2: “%3” cannot be one.")
                             .arg(QStringLiteral("%1"), QStringLiteral("%2"), QStringLiteral("%3"), starName()))
                      .arg(QLocale().toString(timing::kBrightestEstimate, 'f', 1),
                           QLocale().toString(faintest, 'f', 1), typed);
            break;
        }
        say(why, m_estimate);
        return false;
    }
    QString timeError;
    const std::optional<QDateTime> time = timeOfEstimate(&timeError);
    if (!time) {
        say(timeError, m_time);
        return false;
    }
    const std::optional<QString> codes = commentCodes(m_codes->text());
    if (!codes) {
        say(AlgolPlanner::tr("The comment codes are letters of B U W L D Y K S Z I V:\n%1").arg(codesHelp()), m_codes);
        return false;
    }
    timing::LogEntry entry = timing::estimateEntry(listing::julianDayOf(*time), typed.toStdString(), *reading.estimate);
    entry.codes = codes->toStdString();
    entry.note = m_note->text().trimmed().toStdString();
    QString reason;
    const std::optional<int> row = m_editing >= 0 ? m_store.replace(m_editing, entry, &reason)
                                                  : m_store.add(entry, &reason);
    if (!row) {
        say(AlgolPlanner::tr("Not stored: %1. The estimate is still in the field.").arg(reason), m_estimate);
        return false;
    }
    cancelEditing();
    for (QLineEdit *f : {m_time, m_estimate, m_codes, m_note})
        f->clear();
    showEntries(*row);
    say(AlgolPlanner::tr("Stored: %1 at %2.").arg(magnitudeText(entry), localTime(entry.jdUtc)));
    m_estimate->setFocus();
    emit logChanged();
    return true;
}

bool ObservingLogPanel::editSelected()
{
    const int row = m_table->currentRow();
    if (row < 0 || row >= int(m_store.entries().size())) {
        say(AlgolPlanner::tr("Choose the estimate to edit in the table."));
        return false;
    }
    const timing::LogEntry &e = m_store.entries()[std::size_t(row)];
    if (e.kind == timing::EntryKind::Imported) {
        say(AlgolPlanner::tr("An imported point is edited in its own file: delete it, then import the file again."));
        return false;
    }
    m_editing = row;
    m_time->setText(localTime(e.jdUtc));
    m_estimate->setText(QString::fromStdString(e.estimate));
    m_codes->setText(QString::fromStdString(e.codes));
    m_note->setText(QString::fromStdString(e.note));
    m_add->setText(AlgolPlanner::tr("Repl&ace"));
    say(AlgolPlanner::tr("Editing the estimate of %1: Enter stores the change, Esc cancels.").arg(localTime(e.jdUtc)));
    m_estimate->setFocus();
    m_estimate->selectAll();
    return true;
}

void ObservingLogPanel::cancelEditing()
{
    if (m_editing < 0)
        return;
    m_editing = -1;
    m_add->setText(AlgolPlanner::tr("&Add"));
    for (QLineEdit *f : {m_time, m_estimate, m_codes, m_note})
        f->clear();
    say(QString());
}

bool ObservingLogPanel::deleteSelected()
{
    QList<int> rows;
    for (const QModelIndex &index : m_table->selectionModel()->selectedRows())
        rows << index.row();
    if (rows.isEmpty()) {
        say(AlgolPlanner::tr("Choose the entries to delete in the table."));
        return false;
    }
    cancelEditing();
    QString reason;
    if (!m_store.remove(rows, &reason)) {
        say(AlgolPlanner::tr("Nothing was deleted: %1.").arg(reason));
        return false;
    }
    showEntries();
    say(AlgolPlanner::tr("Entries deleted: %n. Ctrl+Z brings them back.", nullptr, int(rows.size())));
    emit logChanged();
    return true;
}

bool ObservingLogPanel::undo()
{
    cancelEditing();
    QString reason;
    if (!m_store.undo(&reason)) {
        say(AlgolPlanner::tr("Nothing was undone: %1.").arg(reason));
        return false;
    }
    showEntries();
    say(AlgolPlanner::tr("The last change was undone."));
    emit logChanged();
    return true;
}

bool ObservingLogPanel::importFile(const QString &path)
{
    if (!m_night.evening.isValid()) {
        say(AlgolPlanner::tr("Choose a night first."));
        return false;
    }
    cancelEditing();
    const ObservingLogStore::Imported imported =
        m_store.importFile(path, listing::julianDayOf(m_night.from), listing::julianDayOf(m_night.to));
    QStringList lines;
    if (!imported.error.isEmpty())
        lines << imported.error;
    lines << imported.problems;
    if (imported.problemCount > imported.problems.size())
        lines << AlgolPlanner::tr("Other lines that cannot be read: %n.", nullptr,
                                  int(imported.problemCount - imported.problems.size()));
    QString summary = AlgolPlanner::tr("%1: points added: %2; outside this night: %3; already in the log: %4")
                          .arg(listing::visible(QFileInfo(path).fileName())).arg(imported.added)
                          .arg(imported.outsideNight).arg(imported.alreadyThere);
    if (imported.problemCount > 0)
        summary += AlgolPlanner::tr("; lines skipped: %1").arg(imported.problemCount);
    if (imported.fainterThan > 0)
        summary += AlgolPlanner::tr("; fainter-than estimates skipped: %1").arg(imported.fainterThan);
    if (imported.otherStars > 0)
        summary += AlgolPlanner::tr("; rows of other stars left out: %1").arg(imported.otherStars);
    lines << summary + QLatin1Char('.');
    showEntries();
    say(lines.join(QLatin1Char('\n')), imported.error.isEmpty() ? nullptr : m_estimate);
    if (imported.added > 0)
        emit logChanged();
    return imported.error.isEmpty();
}

bool ObservingLogPanel::exportLog(const QString &path)
{
    QString reason;
    const bool written = m_store.exportLog(path, &reason);
    say(written ? AlgolPlanner::tr("Written: %1").arg(path)
                : AlgolPlanner::tr("Could not write %1: %2").arg(path, reason), written ? nullptr : m_estimate);
    return written;
}

bool ObservingLogPanel::exportAavsoVisual(const QString &path)
{
    if (m_observerCode.isEmpty()) {
        say(AlgolPlanner::tr("The AAVSO file needs your observer code: set it in the settings first."));
        return false;
    }
    const auto own = [](const timing::LogEntry &e) { return e.kind != timing::EntryKind::Imported; };
    if (std::none_of(m_store.entries().begin(), m_store.entries().end(), own)) {
        say(AlgolPlanner::tr("The night's log holds no estimate of yours to submit."));
        return false;
    }
    const timing::AavsoVisualHeader header{m_observerCode.toStdString(), m_chartId.toStdString(),
                                           "algol-planner " ALGOL_VERSION};
    QString reason;
    const bool written = m_store.exportAavsoVisual(path, header, &reason);
    say(written ? AlgolPlanner::tr("Written: %1").arg(path)
                : AlgolPlanner::tr("Could not write %1: %2").arg(path, reason), written ? nullptr : m_estimate);
    return written;
}

void ObservingLogPanel::askImport()
{
    const QString path = QFileDialog::getOpenFileName(
        this, AlgolPlanner::tr("Import observations"), QString(),
        AlgolPlanner::tr("Observation files (*.txt *.csv *.tsv *.dat);;All files (*)"));
    if (!path.isEmpty())
        importFile(path);
}

void ObservingLogPanel::askExportLog()
{
    const QString path = QFileDialog::getSaveFileName(
        this, AlgolPlanner::tr("Export the night's log"),
        QStringLiteral("algol-log-%1.csv").arg(listing::isoDateText(m_night.evening)),
        AlgolPlanner::tr("CSV files (*.csv)"));
    if (!path.isEmpty())
        exportLog(path);
}

void ObservingLogPanel::askExportAavsoVisual()
{
    const QString path = QFileDialog::getSaveFileName(
        this, AlgolPlanner::tr("AAVSO Visual file"),
        QStringLiteral("algol-aavso-%1.txt").arg(listing::isoDateText(m_night.evening)),
        AlgolPlanner::tr("Text files (*.txt)"));
    if (!path.isEmpty())
        exportAavsoVisual(path);
}

} // namespace planner
