#include "lettering.h"

#include <QFile>
#include <QGlyphRun>
#include <QPainter>

namespace {

QByteArray fontData(Lettering::Face face)
{
    QFile file(face == Lettering::Face::Comic ? QStringLiteral(":/fonts/ComicNeue-Regular.otf")
                                              : QStringLiteral(":/fonts/LiberationSans-Regular.ttf"));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("Cannot read the bundled font %s", qPrintable(file.fileName()));
    return file.readAll();
}

} // namespace

Lettering::Lettering(Face face, double pixelSize)
    : m_font(fontData(face), pixelSize, QFont::PreferVerticalHinting)
{
    if (!m_font.isValid())
        qFatal("The bundled font cannot be used");
}

double Lettering::width(const QString &text) const
{
    const auto advances = m_font.advancesForGlyphIndexes(m_font.glyphIndexesForString(text),
                                                         QRawFont::KernedAdvances);
    double sum = 0;
    for (const QPointF &advance : advances)
        sum += advance.x();
    return sum;
}

QGlyphRun Lettering::glyphRun(const QString &text, bool underline) const
{
    const QList<quint32> glyphs = m_font.glyphIndexesForString(text);
    const QList<QPointF> advances = m_font.advancesForGlyphIndexes(glyphs, QRawFont::KernedAdvances);
    QList<QPointF> positions;
    QPointF pen;
    for (const QPointF &advance : advances) {
        positions.append(pen);
        pen += advance;
    }
    QGlyphRun run;
    run.setRawFont(m_font);
    run.setGlyphIndexes(glyphs);
    run.setPositions(positions);
    run.setUnderline(underline);
    return run;
}

void Lettering::draw(QPainter &painter, QPointF origin, const QString &text, bool underline) const
{
    painter.drawGlyphRun(origin, glyphRun(text, underline));
}

void Lettering::drawCentred(QPainter &painter, QPointF origin, const QString &text) const
{
    draw(painter, QPointF(origin.x() - width(text) / 2, origin.y()), text);
}
