#pragma once

// What the printed sheets share: a white A4 page drawn in tenths of a millimetre whatever the
// device (screen image, PDF, printer), fonts sized in the same unit, the writing of a sheet as a
// PDF page or a PNG image, and the comparison stars' labels as visual observers use them.

#include <QFont>
#include <QPageLayout>
#include <QRectF>
#include <QString>

#include <functional>

class QIODevice;
class QPainter;

namespace planner {

// An A4 page in tenths of a millimetre.
inline constexpr QSizeF kPortraitSheet{2100, 2970};
inline constexpr QSizeF kLandscapeSheet{2970, 2100};

// Fills area white and sets painter so that a page of size (tenths of a millimetre) fills it,
// centred, keeping its shape: what is drawn after counts in tenths of a millimetre.
void beginSheet(QPainter &painter, const QRectF &area, QSizeF size);
// A font whose letters are height tenths of a millimetre high (its pixel size on the sheet).
QFont sheetFont(int height, bool bold = false);

// Draws a sheet into the area of a device.
using SheetPainting = std::function<void(QPainter &painter, const QRectF &area)>;
// One A4 page, without the writer's margins (the sheet keeps its own), at 300 dots per inch.
bool writeSheetPdf(QIODevice &device, QPageLayout::Orientation orientation, const QString &title,
                   const SheetPainting &paint);
// An image at 150 dots per inch.
bool writeSheetPng(QIODevice &device, QPageLayout::Orientation orientation, const SheetPainting &paint);

// The label of a comparison star on AAVSO charts: its magnitude to a tenth, without the point
// (3.01 gives "30", 2.89 "29").
QString aavsoLabel(double magnitude);

} // namespace planner
