#include "textcolumns.h"

#include <algorithm>

namespace listing {

QString alignedColumns(const QList<Column> &columns)
{
    QList<qsizetype> widths;
    for (const Column &column : columns) {
        qsizetype width = column.heading.size();
        for (const QString &cell : column.cells)
            width = std::max(width, cell.size());
        widths << width;
    }
    const qsizetype rows = columns.isEmpty() ? 0 : columns.first().cells.size();
    qsizetype lineWidth = 1;
    for (const qsizetype width : widths)
        lineWidth += width + 2;
    QString text;
    text.reserve(lineWidth * (rows + 1));
    for (qsizetype row = -1; row < rows; ++row) {
        QString line;
        for (qsizetype c = 0; c < columns.size(); ++c) {
            const Column &column = columns[c];
            const QString &cell = row < 0 ? column.heading : column.cells[row];
            if (c > 0)
                line += QStringLiteral("  ");
            line += column.alignRight ? cell.rightJustified(widths[c]) : cell.leftJustified(widths[c]);
        }
        while (line.endsWith(QLatin1Char(' ')))
            line.chop(1);
        text += line + QLatin1Char('\n');
    }
    return text;
}

} // namespace listing
