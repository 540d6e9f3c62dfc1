#include "textfield.h"

#include "twips.h"

#include <QMouseEvent>

#include <limits>

namespace toolkit {

TextField::TextField(QWidget *parent, double left, double top, double width, double height,
                     const QString &text)
    : QLineEdit(text, parent)
{
    setGeometry(pixelRectFromTwips(left, top, width, height));
    setMaxLength(std::numeric_limits<int>::max());
}

void TextField::mouseReleaseEvent(QMouseEvent *event)
{
    QLineEdit::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

} // namespace toolkit
