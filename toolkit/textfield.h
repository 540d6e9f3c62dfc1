#pragma once

#include <QLineEdit>

namespace toolkit {

// A single-line text field without length limit that also tells when the mouse is clicked in it
// (focus by the keyboard does not count as a click).
class TextField : public QLineEdit
{
    Q_OBJECT

public:
    TextField(QWidget *parent, double left, double top, double width, double height,
              const QString &text = QString());

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
};

} // namespace toolkit
