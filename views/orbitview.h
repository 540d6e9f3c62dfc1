#pragma once

// The schematic orbit shared by the main window's view, the information window's animation and
// the about window: star A fixed at the centre of its box, star B on a flat ellipse of semi-axes
// 1000 and 100 twips around it, the nearer star in front. Angles use pi = 3.14159265 and
// degrees / 180 * pi, as the rest of the program does.

namespace toolkit {
class CircleShape;
class PictureBox;
}

namespace views {

inline constexpr double kPi = 3.14159265;
inline constexpr double kOrbitSemiAxisX = 1000.0; // twips
inline constexpr double kOrbitSemiAxisY = 100.0;  // twips

// The primary A is nearer than B exactly when 0.25 < phase < 0.75.
bool primaryInFront(double phase);

// Centre of B for a phase, in twips, in a box of the given outer Width and Height:
// angle = phase * 360 + 90 degrees, so B runs bottom, left, top, right as the phase grows.
struct OrbitPoint
{
    double x;
    double y;
};
OrbitPoint companionCentre(double phase, double boxWidth, double boxHeight);

// Centres A in its box (from the box's outer Width and Height).
void centrePrimary(toolkit::CircleShape &primary, const toolkit::PictureBox &box);
// Plots the orbit as 361 dots at 1, 2, ... 361 degrees (the last falls on the first).
void drawOrbitDots(toolkit::PictureBox &box);
// Puts B at its place for the phase (Top, then Left, in single precision) and the nearer star in
// front of the other.
void placeCompanion(double phase, toolkit::CircleShape &primary, toolkit::CircleShape &companion,
                    const toolkit::PictureBox &box);

} // namespace views
