#include "pictures.h"

namespace assets {

namespace {

QString resourcePath(Picture which)
{
    switch (which) {
    case Picture::StarIcon:
        return QStringLiteral(":/pictures/star-icon.png");
    case Picture::Stopwatch:
        return QStringLiteral(":/pictures/stopwatch.png");
    case Picture::StopwatchStopped:
        return QStringLiteral(":/pictures/stopwatch-stopped.png");
    case Picture::LightCurve:
        return QStringLiteral(":/pictures/light-curve.png");
    case Picture::OrbitPhases:
        return QStringLiteral(":/pictures/orbit-phases.png");
    case Picture::ChartMagnitudes:
        return QStringLiteral(":/pictures/chart-magnitudes.png");
    case Picture::ChartNames:
        return QStringLiteral(":/pictures/chart-names.png");
    case Picture::ChartSky:
        return QStringLiteral(":/pictures/chart-sky.png");
    }
    return QString();
}

} // namespace

QPixmap picture(Picture which)
{
    return QPixmap(resourcePath(which));
}

QIcon starIcon()
{
    // The larger drawings keep the icon sharp in task bars and on high-density screens.
    QIcon icon(resourcePath(Picture::StarIcon));
    for (int size : {64, 128, 256})
        icon.addFile(QStringLiteral(":/pictures/star-icon-%1.png").arg(size));
    return icon;
}

} // namespace assets
