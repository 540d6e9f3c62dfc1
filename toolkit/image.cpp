#include "image.h"

#include "twips.h"

#include <QMouseEvent>
#include <QPainter>

namespace toolkit {

Image::Image(QWidget *parent, double left, double top, double width, double height,
             const QPixmap &picture, bool stretch)
    : QWidget(parent), m_picture(picture), m_stretch(stretch)
{
    setGeometry(pixelRectFromTwips(left, top, width, height));
}

void Image::setPicture(const QPixmap &picture)
{
    m_picture = picture;
    update();
}

void Image::paintEvent(QPaintEvent *)
{
    if (m_picture.isNull())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    if (m_stretch)
        painter.drawPixmap(rect(), m_picture);
    else
        painter.drawPixmap(0, 0, m_picture);
}

void Image::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

QPixmap placeholderPicture(int width, int height, const QColor &color)
{
    QPixmap pixmap(width, height);
    pixmap.fill(color);
    QPainter painter(&pixmap);
    painter.setPen(color.darker(130));
    painter.drawRect(0, 0, width - 1, height - 1);
    painter.drawLine(0, 0, width - 1, height - 1);
    painter.drawLine(0, height - 1, width - 1, 0);
    return pixmap;
}

} // namespace toolkit
