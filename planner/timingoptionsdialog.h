#pragma once

// How the night is timed, as algol-minima time's options: the method (auto, Kwee and van Woerden,
// or the eclipse template), Kwee and van Woerden's trial times and noise, and the window about the
// predicted minimum. A noise that is not a number above 0 is said at its field and nothing is
// taken.

#include "minimumtiming.h"

#include <QDialog>

class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QLineEdit;

namespace planner {

class TimingOptionsDialog : public QDialog
{
    Q_OBJECT

public:
    explicit TimingOptionsDialog(const timing::TimingOptions &options, QWidget *parent = nullptr);

    // The options as the fields say them, or nothing (and the reason under the fields).
    std::optional<timing::TimingOptions> options();

    void accept() override;

private:
    QComboBox *m_method = nullptr;
    QComboBox *m_folds = nullptr;
    QLineEdit *m_noise = nullptr;
    QDoubleSpinBox *m_window = nullptr;
    QLabel *m_message = nullptr;
};

} // namespace planner
