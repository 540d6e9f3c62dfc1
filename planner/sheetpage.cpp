#include "sheetpage.h"

#include <QImage>
#include <QPainter>
#include <QPdfWriter>

#include <cmath>

namespace planner {

namespace {

constexpr int kPdfDotsPerInch = 300;
constexpr double kPngDotsPerInch = 150;
constexpr double kTenthsOfMillimetrePerInch = 254;

} // namespace

void beginSheet(QPainter &painter, const QRectF &area, QSizeF size)
{
    painter.fillRect(area, Qt::white);
    const double scale = std::min(area.width() / size.width(), area.height() / size.height());
    painter.translate(area.center());
    painter.scale(scale, scale);
    painter.translate(-size.width() / 2, -size.height() / 2);
}

QFont sheetFont(int height, bool bold)
{
    QFont font;
    font.setPixelSize(height);
    font.setBold(bold);
    return font;
}

bool writeSheetPdf(QIODevice &device, QPageLayout::Orientation orientation, const QString &title,
                   const SheetPainting &paint)
{
    QPdfWriter writer(&device);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), orientation, QMarginsF()));
    writer.setResolution(kPdfDotsPerInch);
    writer.setTitle(title);
    writer.setCreator(QStringLiteral("Algol planner"));
    QPainter painter;
    if (!painter.begin(&writer))
        return false;
    paint(painter, QRectF(0, 0, writer.width(), writer.height()));
    return painter.end();
}

bool writeSheetPng(QIODevice &device, QPageLayout::Orientation orientation, const SheetPainting &paint)
{
    const QSizeF size = orientation == QPageLayout::Portrait ? kPortraitSheet : kLandscapeSheet;
    QImage image((size * kPngDotsPerInch / kTenthsOfMillimetrePerInch).toSize(), QImage::Format_RGB32);
    image.setDotsPerMeterX(int(std::lround(kPngDotsPerInch / 0.0254)));
    image.setDotsPerMeterY(image.dotsPerMeterX());
    QPainter painter(&image);
    paint(painter, QRectF(image.rect()));
    painter.end();
    return image.save(&device, "PNG");
}

QString aavsoLabel(double magnitude)
{
    return QString::number(std::lround(magnitude * 10));
}

} // namespace planner
