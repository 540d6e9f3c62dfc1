#include "clickablelabel.h"

#include <QMouseEvent>

namespace toolkit {

void ClickableLabel::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    else
        Label::mouseReleaseEvent(event);
}

} // namespace toolkit
