#pragma once

#include <QCheckBox>

namespace toolkit {

// A check box whose caption wraps at word boundaries over the height of its box, as the layouts
// expect of a narrow check box with a long caption.
class CheckBox : public QCheckBox
{
    Q_OBJECT

public:
    CheckBox(QWidget *parent, double left, double top, double width, double height,
             const QString &text, const QFont &font, const QColor &color);

protected:
    void paintEvent(QPaintEvent *event) override;
    bool hitButton(const QPoint &pos) const override;
};

} // namespace toolkit
