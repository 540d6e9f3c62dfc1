#pragma once

#include <QIcon>
#include <QPixmap>

// The program's pictures, carried as resources of this library (under ":/pictures/"). They are
// drawn by the generator in tools/ and committed as PNG files in assets/pictures.
namespace assets {

enum class Picture {
    StarIcon,         // 32 x 32, the program's icon
    Stopwatch,        // 32 x 32, the mode button in real-time mode
    StopwatchStopped, // 32 x 32, the mode button in edit mode
    LightCurve,       // 493 x 359, phase 0 at x 103, phase 1 at x 459
    OrbitPhases,      // 456 x 296
    ChartMagnitudes,  // 1024 x 712
    ChartNames,       // 1024 x 712
    ChartSky,         // 1024 x 712
};

// The picture at its natural size. Needs a QGuiApplication.
QPixmap picture(Picture which);

// The program's icon, for the main window and the application.
QIcon starIcon();

} // namespace assets
