#pragma once

// The texts that a painting draws, read back through an SVG file, one after the other and without
// white space (a line of mixed scripts is drawn as several texts, and a wrapped line breaks at a
// space).

#include <QBuffer>
#include <QPainter>
#include <QRegularExpression>
#include <QSvgGenerator>
#include <QXmlStreamReader>

#include <functional>

inline QString svgTextOf(QSize size, const std::function<void(QPainter &, const QRectF &)> &paint)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize(size);
    QPainter painter(&svg);
    paint(painter, QRectF(QPointF(0, 0), size));
    painter.end();
    QXmlStreamReader xml(buffer.data());
    QString text;
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == QLatin1String("text"))
            text += xml.readElementText();
    }
    return text.remove(QRegularExpression(QStringLiteral("\\s")));
}
