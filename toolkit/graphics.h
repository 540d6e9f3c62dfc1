#pragma once

#include <QColor>

class QPainter;

namespace toolkit {

class PictureBox;

// A windowless graphic of a picture box: drawn in front of the box's picture and points, in the
// box's front-to-back order of graphics. Positions are twips from the top-left corner of the box's
// drawing area, held in single precision.
class Graphic
{
public:
    virtual ~Graphic() = default;
    Graphic(const Graphic &) = delete;
    Graphic &operator=(const Graphic &) = delete;

    void bringToFront();
    bool isInFrontOf(const Graphic &other) const;
    virtual void paint(QPainter &painter) const = 0;

protected:
    explicit Graphic(PictureBox &owner) : m_owner(owner) {}
    void changed();

private:
    PictureBox &m_owner;
};

// A filled circle: the largest circle that fits its box, centred in it, with a thin outline.
class CircleShape final : public Graphic
{
public:
    CircleShape(PictureBox &owner, float left, float top, float width, float height,
                const QColor &fill, const QColor &outline);

    float left() const { return m_left; }
    float top() const { return m_top; }
    float width() const { return m_width; }
    float height() const { return m_height; }
    QColor fillColor() const { return m_fill; }
    void setLeft(float left);
    void setTop(float top);
    void paint(QPainter &painter) const override;

private:
    float m_left, m_top, m_width, m_height;
    QColor m_fill, m_outline;
};

// A straight line between two end points, its width in pixels.
class LineShape final : public Graphic
{
public:
    LineShape(PictureBox &owner, float x1, float y1, float x2, float y2, const QColor &color,
              int widthPixels);

    float x1() const { return m_x1; }
    float y1() const { return m_y1; }
    float x2() const { return m_x2; }
    float y2() const { return m_y2; }
    void setX1(float x);
    void setX2(float x);
    void paint(QPainter &painter) const override;

private:
    float m_x1, m_y1, m_x2, m_y2;
    QColor m_color;
    int m_widthPixels;
};

} // namespace toolkit
