#include "lightcurvecursor.h"

namespace views {

float lightCurveCursorX(double phase, float x0, float x1)
{
    return float(double(x0) + (double(x1) - double(x0)) * phase);
}

} // namespace views
