#pragma once

#include "graphics.h"

#include <QPixmap>
#include <QPointF>
#include <QWidget>

#include <memory>
#include <vector>

namespace toolkit {

// A picture box: a background colour, an optional picture at natural size from the top-left
// corner, points plotted into it that stay across repaints, windowless circles and lines in front
// of all that, and child controls (images) between the two. Its Width and Height are the outer
// size in twips, border included; positions inside are relative to the drawing area.
class PictureBox : public QWidget
{
    Q_OBJECT

public:
    enum class Border { None, Sunken };

    PictureBox(QWidget *parent, double left, double top, double width, double height,
               Border border);
    ~PictureBox() override;

    double widthTwips() const { return m_widthTwips; }
    double heightTwips() const { return m_heightTwips; }
    void setTwipsGeometry(double left, double top, double width, double height);

    void setBackgroundColor(const QColor &color);
    QColor backgroundColor() const;
    void setForegroundColor(const QColor &color) { m_foreground = color; }
    void setPicture(const QPixmap &picture);
    const QPixmap &picture() const { return m_picture; }

    // Plots one point, one pixel wide, in the foreground colour; it stays until the box is gone.
    void plotPoint(float x, float y);
    const std::vector<QPointF> &points() const { return m_points; }

    CircleShape *addCircle(float left, float top, float width, float height, const QColor &fill);
    LineShape *addLine(float x1, float y1, float x2, float y2, const QColor &color,
                       int widthPixels);

    // Where the drawing area starts inside the widget, in pixels.
    QPoint drawingOrigin() const;

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void childEvent(QChildEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    friend class Graphic;
    class Overlay;

    void raise(const Graphic &graphic);
    bool isInFront(const Graphic &front, const Graphic &back) const;
    void graphicChanged();
    void placeOverlay();

    double m_widthTwips = 0;
    double m_heightTwips = 0;
    Border m_border;
    QColor m_foreground;
    QPixmap m_picture;
    std::vector<QPointF> m_points;                 // twips
    std::vector<std::unique_ptr<Graphic>> m_graphics; // back to front
    Overlay *m_overlay = nullptr;
};

} // namespace toolkit
