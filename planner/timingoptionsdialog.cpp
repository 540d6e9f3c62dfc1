#include "timingoptionsdialog.h"

#include "plannersettings.h"
#include "plannertexts.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>

#include <cmath>

namespace planner {

namespace {

// In the order of the box.
constexpr timing::Method kMethods[] = {timing::Method::Auto, timing::Method::KweeVanWoerden, timing::Method::Template};
constexpr int kFolds[] = {3, 5, 7};

} // namespace

TimingOptionsDialog::TimingOptionsDialog(const timing::TimingOptions &options, QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(AlgolPlanner::tr("Timing options"));
    auto *form = new QFormLayout(this);
    m_method = new QComboBox(this);
    m_method->setAccessibleName(AlgolPlanner::tr("Timing method"));
    m_method->addItem(AlgolPlanner::tr("auto: Kwee and van Woerden when the points allow it, else the template"));
    m_method->addItem(AlgolPlanner::tr("Kwee and van Woerden"));
    m_method->addItem(AlgolPlanner::tr("fit of the eclipse template"));
    m_method->setCurrentIndex(int(std::find(std::begin(kMethods), std::end(kMethods), options.method) - std::begin(kMethods)));
    m_folds = new QComboBox(this);
    m_folds->setAccessibleName(AlgolPlanner::tr("Kwee and van Woerden's trial times"));
    for (const int folds : kFolds)
        m_folds->addItem(QString::number(folds), folds);
    m_folds->setCurrentIndex(std::max(0, m_folds->findData(options.folds)));
    m_noise = new QLineEdit(this);
    m_noise->setAccessibleName(AlgolPlanner::tr("Noise of one point in magnitudes"));
    m_noise->setPlaceholderText(AlgolPlanner::tr("estimated from the points"));
    if (options.noise)
        m_noise->setText(QLocale().toString(*options.noise, 'g', 6));
    m_window = new QDoubleSpinBox(this);
    m_window->setAccessibleName(AlgolPlanner::tr("Window about the predicted minimum in hours"));
    m_window->setRange(kShortestTimingWindow, kLongestTimingWindow);
    m_window->setDecimals(1);
    m_window->setSingleStep(0.5);
    m_window->setSuffix(AlgolPlanner::tr(" h"));
    m_window->setValue(options.windowHours);
    m_message = new QLabel(this);
    m_message->setWordWrap(true);
    m_message->setAccessibleName(AlgolPlanner::tr("Message"));
    form->addRow(AlgolPlanner::tr("&Method:"), m_method);
    form->addRow(AlgolPlanner::tr("&Trial times:"), m_folds);
    form->addRow(AlgolPlanner::tr("&Noise (mag):"), m_noise);
    form->addRow(AlgolPlanner::tr("&Window (±):"), m_window);
    form->addRow(m_message);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    form->addRow(buttons);
}

std::optional<timing::TimingOptions> TimingOptionsDialog::options()
{
    timing::TimingOptions options;
    options.method = kMethods[std::clamp(m_method->currentIndex(), 0, int(std::size(kMethods)) - 1)];
    options.folds = m_folds->currentData().toInt();
    options.windowHours = m_window->value();
    const QString text = m_noise->text().trimmed();
    if (!text.isEmpty()) {
        bool ok = false;
        double noise = QLocale().toDouble(text, &ok);
        if (!ok)
            noise = QLocale::c().toDouble(text, &ok);
        if (!ok || !(noise > 0 && noise <= 1e6)) {
            m_message->setText(AlgolPlanner::tr("The noise is a number of magnitudes above 0, or nothing to "
                                                "have it estimated, not “%1”.").arg(text));
            m_noise->setFocus();
            return std::nullopt;
        }
        options.noise = noise;
    }
    m_message->clear();
    return options;
}

void TimingOptionsDialog::accept()
{
    if (options())
        QDialog::accept();
}

} // namespace planner
