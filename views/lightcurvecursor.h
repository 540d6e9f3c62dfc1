#pragma once

namespace views {

// X of the light-curve cursor: the phase mapped linearly from the phase-0 mark x0 to the
// phase-1 mark x1, without clamping, stored in single precision.
float lightCurveCursorX(double phase, float x0, float x1);

} // namespace views
