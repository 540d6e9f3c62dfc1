#include "nightsheet.h"

#include "nightchart.h"
#include "plannertexts.h"

#include <QPainter>

#include <cmath>

namespace planner {

namespace {

constexpr double kSheetWidth = 1600;
constexpr int kTitleText = 30;
constexpr int kDetailsText = 18;
constexpr int kTableText = 18;
constexpr double kRowHeight = 28;
constexpr int kTableColumns = 3;
constexpr double kTallestChart = 800;

QFont sized(QFont font, int pixels, bool bold = false)
{
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

} // namespace

void paintNightSheet(QPainter &painter, const QRectF &page, const NightChart &chart,
                     const QString &details)
{
    const ChartPalette &palette = ChartPalette::paper();
    painter.save();
    painter.fillRect(page, Qt::white);
    painter.translate(page.topLeft());
    const double scale = page.width() / kSheetWidth;
    painter.scale(scale, scale);
    const double height = page.height() / scale;
    const ChartData &data = chart.data();

    painter.setPen(palette.text);
    painter.setFont(sized(painter.font(), kTitleText, true));
    painter.drawText(QRectF(0, 0, kSheetWidth, 48), Qt::AlignLeft | Qt::AlignVCenter, data.title);
    painter.setFont(sized(painter.font(), kDetailsText));
    painter.setPen(palette.faintText);
    QRectF detailsBox;
    painter.drawText(QRectF(0, 52, kSheetWidth, 80), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                     details, &detailsBox);

    const int rows = int((data.events.size() + kTableColumns - 1) / kTableColumns);
    const double tableHeight = 40 + rows * kRowHeight;
    const double chartTop = detailsBox.bottom() + 16;
    const double chartHeight = std::clamp(height - chartTop - tableHeight - 16, 200.0, kTallestChart);
    chart.paint(painter, QRectF(0, chartTop, kSheetWidth, chartHeight), palette);

    double y = chartTop + chartHeight + 16;
    painter.setPen(palette.text);
    painter.setFont(sized(painter.font(), kTableText, true));
    painter.drawText(QRectF(0, y, kSheetWidth, 32), Qt::AlignLeft | Qt::AlignVCenter,
                     AlgolPlanner::tr("The night's times (%1)").arg(QString::fromUtf8(data.zone.id())));
    y += 40;
    const double columnWidth = kSheetWidth / kTableColumns;
    for (int i = 0; i < data.events.size(); ++i) {
        const NightEvent &event = data.events.at(i);
        const QRectF cell(i / rows * columnWidth, y + i % rows * kRowHeight, columnWidth, kRowHeight);
        const bool minimum = event.jdUtc == data.night.minimumJdUtc;
        painter.setFont(sized(painter.font(), kTableText, minimum));
        painter.setPen(minimum ? palette.magnitude : palette.text);
        painter.drawText(cell.adjusted(0, 0, -columnWidth + 90, 0), Qt::AlignRight | Qt::AlignVCenter, event.time);
        painter.drawText(cell.adjusted(104, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, event.what);
    }
    painter.restore();
}

} // namespace planner
