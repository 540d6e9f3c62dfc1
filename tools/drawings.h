#pragma once

#include <QImage>

// The program's pictures, each drawn at its final pixel size.

QImage drawStarIcon(int size);             // size x size (32 in the program), transparent
QImage drawStopwatch(bool crossedOut);     // 32 x 32, transparent background
QImage drawLightCurve();                   // 493 x 359
QImage drawOrbitPhases();                  // 456 x 296

enum class ChartKind { Magnitudes, Names, Sky };
QImage drawStarChart(ChartKind kind);      // 1024 x 712
