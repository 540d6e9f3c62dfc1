#pragma once

#include <QPointF>
#include <QRawFont>
#include <QString>

class QGlyphRun;
class QPainter;

// Text drawn straight from the glyphs of one of the program's bundled font files, never through
// the system's font configuration, so that the pictures come out the same on every machine.
// Needs a QGuiApplication.
class Lettering
{
public:
    enum class Face { Sans, Comic };

    Lettering(Face face, double pixelSize);

    double width(const QString &text) const;
    double ascent() const { return m_font.ascent(); }
    double descent() const { return m_font.descent(); }
    double capHeight() const { return m_font.capHeight(); }

    // Draws the text in the painter's pen colour, its baseline starting at origin.
    void draw(QPainter &painter, QPointF origin, const QString &text, bool underline = false) const;
    // The same, horizontally centred on origin.x().
    void drawCentred(QPainter &painter, QPointF origin, const QString &text) const;

private:
    QGlyphRun glyphRun(const QString &text, bool underline) const;

    QRawFont m_font;
};
