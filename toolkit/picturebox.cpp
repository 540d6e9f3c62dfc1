#include "picturebox.h"

#include "twips.h"

#include <QChildEvent>
#include <QMouseEvent>
#include <QPainter>
#include <qdrawutil.h>

#include <algorithm>
#include <cmath>

namespace toolkit {

namespace {
constexpr int kSunkenBorderPixels = 2;
}

// Draws the circles and lines; kept in front of the box's child controls and transparent to the
// mouse, so that a click on a star counts as a click on the box.
class PictureBox::Overlay final : public QWidget
{
public:
    explicit Overlay(PictureBox &box) : QWidget(&box), m_box(box)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_NoSystemBackground);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        for (const auto &graphic : m_box.m_graphics)
            graphic->paint(painter);
    }

private:
    PictureBox &m_box;
};

PictureBox::PictureBox(QWidget *parent, double left, double top, double width, double height,
                       Border border)
    : QWidget(parent), m_border(border), m_foreground(palette().color(QPalette::WindowText))
{
    setAutoFillBackground(false);
    setTwipsGeometry(left, top, width, height);
}

PictureBox::~PictureBox() = default;

void PictureBox::setTwipsGeometry(double left, double top, double width, double height)
{
    m_widthTwips = width;
    m_heightTwips = height;
    setGeometry(pixelRectFromTwips(left, top, width, height));
}

QPoint PictureBox::drawingOrigin() const
{
    const int border = m_border == Border::Sunken ? kSunkenBorderPixels : 0;
    return QPoint(border, border);
}

void PictureBox::setBackgroundColor(const QColor &color)
{
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, color);
    setPalette(palette);
    update();
}

QColor PictureBox::backgroundColor() const
{
    return palette().color(QPalette::Window);
}

void PictureBox::setPicture(const QPixmap &picture)
{
    m_picture = picture;
    update();
}

void PictureBox::plotPoint(float x, float y)
{
    m_points.emplace_back(x, y);
    update();
}

CircleShape *PictureBox::addCircle(float left, float top, float width, float height,
                                   const QColor &fill)
{
    auto shape = std::make_unique<CircleShape>(*this, left, top, width, height, fill,
                                               palette().color(QPalette::WindowText));
    CircleShape *result = shape.get();
    m_graphics.push_back(std::move(shape));
    graphicChanged();
    return result;
}

LineShape *PictureBox::addLine(float x1, float y1, float x2, float y2, const QColor &color,
                               int widthPixels)
{
    auto line = std::make_unique<LineShape>(*this, x1, y1, x2, y2, color, widthPixels);
    LineShape *result = line.get();
    m_graphics.push_back(std::move(line));
    graphicChanged();
    return result;
}

void PictureBox::raise(const Graphic &graphic)
{
    const auto it = std::find_if(m_graphics.begin(), m_graphics.end(),
                                 [&](const auto &g) { return g.get() == &graphic; });
    if (it == m_graphics.end() || it + 1 == m_graphics.end())
        return;
    std::rotate(it, it + 1, m_graphics.end());
    graphicChanged();
}

bool PictureBox::isInFront(const Graphic &front, const Graphic &back) const
{
    const auto indexOf = [this](const Graphic &graphic) {
        return std::find_if(m_graphics.begin(), m_graphics.end(),
                            [&](const auto &g) { return g.get() == &graphic; })
               - m_graphics.begin();
    };
    return indexOf(front) > indexOf(back);
}

void PictureBox::graphicChanged()
{
    if (!m_overlay) {
        m_overlay = new Overlay(*this);
        placeOverlay();
        m_overlay->show();
    }
    m_overlay->update();
}

void PictureBox::placeOverlay()
{
    const QPoint origin = drawingOrigin();
    m_overlay->setGeometry(QRect(origin, size() - QSize(2 * origin.x(), 2 * origin.y())));
    m_overlay->raise();
}

void PictureBox::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), backgroundColor());
    if (m_border == Border::Sunken)
        qDrawWinPanel(&painter, rect(), palette(), true);

    painter.translate(drawingOrigin());
    if (!m_picture.isNull())
        painter.drawPixmap(0, 0, m_picture);
    // A point covers the pixel its coordinates fall in.
    painter.setPen(Qt::NoPen);
    painter.setBrush(m_foreground);
    for (const QPointF &point : m_points) {
        const QPointF pixel = pixelPointFromTwips(point.x(), point.y());
        painter.drawRect(QRectF(std::floor(pixel.x()), std::floor(pixel.y()), 1, 1));
    }
}

void PictureBox::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

void PictureBox::childEvent(QChildEvent *event)
{
    QWidget::childEvent(event);
    if (event->added() && m_overlay && event->child() != m_overlay)
        m_overlay->raise();
}

void PictureBox::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    if (m_overlay)
        placeOverlay();
}

} // namespace toolkit
