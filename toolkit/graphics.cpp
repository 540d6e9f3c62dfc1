#include "graphics.h"

#include "picturebox.h"
#include "twips.h"

#include <QPainter>

#include <algorithm>

namespace toolkit {

void Graphic::bringToFront()
{
    m_owner.raise(*this);
}

bool Graphic::isInFrontOf(const Graphic &other) const
{
    return m_owner.isInFront(*this, other);
}

void Graphic::changed()
{
    m_owner.graphicChanged();
}

CircleShape::CircleShape(PictureBox &owner, float left, float top, float width, float height,
                         const QColor &fill, const QColor &outline)
    : Graphic(owner), m_left(left), m_top(top), m_width(width), m_height(height), m_fill(fill),
      m_outline(outline)
{
}

void CircleShape::setLeft(float left)
{
    m_left = left;
    changed();
}

void CircleShape::setTop(float top)
{
    m_top = top;
    changed();
}

void CircleShape::paint(QPainter &painter) const
{
    const QRectF box = pixelRectFFromTwips(m_left, m_top, m_width, m_height);
    const double diameter = std::min(box.width(), box.height());
    QRectF circle(0, 0, diameter, diameter);
    circle.moveCenter(box.center());
    // The outline is one pixel wide, drawn inside the circle's box.
    circle.adjust(0.5, 0.5, -0.5, -0.5);
    painter.setPen(QPen(m_outline, 1.0));
    painter.setBrush(m_fill);
    painter.drawEllipse(circle);
}

LineShape::LineShape(PictureBox &owner, float x1, float y1, float x2, float y2,
                     const QColor &color, int widthPixels)
    : Graphic(owner), m_x1(x1), m_y1(y1), m_x2(x2), m_y2(y2), m_color(color),
      m_widthPixels(widthPixels)
{
}

void LineShape::setX1(float x)
{
    m_x1 = x;
    changed();
}

void LineShape::setX2(float x)
{
    m_x2 = x;
    changed();
}

void LineShape::paint(QPainter &painter) const
{
    painter.setPen(QPen(m_color, m_widthPixels, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(pixelPointFromTwips(m_x1, m_y1), pixelPointFromTwips(m_x2, m_y2));
}

} // namespace toolkit
