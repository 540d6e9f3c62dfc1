#pragma once

// The columns of a table for people: a heading and its cells, aligned under one another.

#include <QList>
#include <QString>
#include <QStringList>

namespace listing {

struct Column
{
    explicit Column(const QString &heading, bool alignRight = true)
        : heading(heading), alignRight(alignRight)
    {
    }
    QString heading;
    bool alignRight; // numbers to the right, texts to the left
    QStringList cells;
};

// The headings' line then one line per row, columns two spaces apart, no blanks at a line's end.
QString alignedColumns(const QList<Column> &columns);

} // namespace listing
