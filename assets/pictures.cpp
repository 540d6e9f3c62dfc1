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
    // The 64-pixel drawing keeps the icon sharp in task bars and on dense screens; larger ones
    // come from the installed icon theme (each size added here is decoded at start and sent to
    // the window system).
    QIcon icon(resourcePath(Picture::StarIcon));
    icon.addFile(QStringLiteral(":/pictures/star-icon-64.png"));
    return icon;
}

} // namespace assets
