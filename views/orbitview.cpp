#include "orbitview.h"

#include "graphics.h"
#include "picturebox.h"

#include <cmath>

namespace views {

namespace {

OrbitPoint pointAtDegrees(double degrees, double boxWidth, double boxHeight)
{
    const double r = degrees / 180.0 * kPi;
    return {boxWidth / 2.0 + kOrbitSemiAxisX * std::cos(r),
            boxHeight / 2.0 + kOrbitSemiAxisY * std::sin(r)};
}

} // namespace

bool primaryInFront(double phase)
{
    return phase > 0.25 && phase < 0.75;
}

OrbitPoint companionCentre(double phase, double boxWidth, double boxHeight)
{
    return pointAtDegrees(phase * 360.0 + 90.0, boxWidth, boxHeight);
}

void centrePrimary(toolkit::CircleShape &primary, const toolkit::PictureBox &box)
{
    primary.setLeft(float(box.widthTwips() / 2.0 - primary.width() / 2.0));
    primary.setTop(float(box.heightTwips() / 2.0 - primary.height() / 2.0));
}

void drawOrbitDots(toolkit::PictureBox &box)
{
    double a = 0;
    while (a <= 360) {
        a = a + 1;
        const OrbitPoint p = pointAtDegrees(a, box.widthTwips(), box.heightTwips());
        box.plotPoint(float(p.x), float(p.y));
    }
}

void placeCompanion(double phase, toolkit::CircleShape &primary, toolkit::CircleShape &companion,
                    const toolkit::PictureBox &box)
{
    if (primaryInFront(phase))
        primary.bringToFront();
    else
        companion.bringToFront();
    const OrbitPoint centre = companionCentre(phase, box.widthTwips(), box.heightTwips());
    companion.setTop(float(centre.y - companion.height() / 2.0));
    companion.setLeft(float(centre.x - companion.width() / 2.0));
}

} // namespace views
