#pragma once

#include <QColor>

namespace toolkit {

// The named colours the windows use.
inline const QColor kNavy(0, 0, 128);
inline const QColor kPurple(128, 0, 128);
inline const QColor kDarkRed(192, 0, 0);
inline const QColor kRed(255, 0, 0);
inline const QColor kYellow(255, 255, 0);
inline const QColor kBlue(0, 0, 255);

} // namespace toolkit
