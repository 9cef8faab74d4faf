#pragma once

#include <array>

// The geometry behind the golden-ratio topics: corner points, poles, polar and conic points,
// spiral points and the stepped parameters of the exponential curve. Angles come in degrees and
// are turned into radians with pi/180 formed from the window's single-precision pi, as the
// pictures were designed with; where a value is stored as a single, the type says so.
namespace golden {

struct Point
{
    double x = 0, y = 0;
};

struct SinglePoint
{
    float x = 0, y = 0;
};

// pi/180 from the single-precision pi, itself a single.
float degree(float pi);

// A point at radius r and angle h (degrees) from the origin.
Point polar_point(double r, double h, float pi);

// Golden rectangle. Corners A..G: from the unit segment AB, each step turns a quarter to the left
// and walks phi^i, so the square on P(i) and P(i+3) has side phi^(i+1).
using RectangleCorners = std::array<Point, 7>;
RectangleCorners rectangle_corners(double phi, float pi);
// Where the diagonals EG and DF cross, as the figure writes it; exactly ((5 - sqrt 5)/10, 1/sqrt 5).
constexpr Point rectangle_pole { 0.2764, 0.4472 };
// The spiral r = phi^(h/90) about the pole starts half a turn before the direction of C from A,
// h0 = atn(phi) in degrees, and runs to h0 + 360.
double rectangle_spiral_start(double phi, float pi);
Point rectangle_spiral_point(double h, double phi, float pi);

// A quarter circle of the approximation: centre, radius and start and end angles in radians.
struct Arc
{
    Point centre;
    double radius = 0;
    float start = 0, end = 0;
};
// Arc i lies in the square of corner P(i), radius phi^(i+1), starting at i*pi/2 + pi/2 and
// folded back to 0 where that reaches 2*pi.
Arc quarter_arc(const RectangleCorners &corners, int i, double phi, float pi);

// Golden hyperbola: r = p / (1 + phi cos h) about the focus moved to (-phi, 0), all in singles;
// with p = phi this is the left branch of x^2 - y^2/phi = 1.
SinglePoint conic_point(float p, float h, double phi, float pi);
// The base angle of the pyramid triangle, atn(sqrt phi) in degrees, stored as a single.
float pyramid_angle(double phi, float pi);

// Pentagram: corners p1..p5 of the pentagon of side 1 from p1 = (0, 0) and p2 = (1, 0), turning
// 72 degrees at each corner; index 6 closes back at p1 and index 0 is the origin.
using PentagonCorners = std::array<SinglePoint, 7>;
PentagonCorners pentagon_corners(float pi);

// The parabola y = k^2 - k - 1 in single precision; its roots are phi and -1/phi.
float parabola(float k);

// Golden spiral r = phi^(h/90) about the origin, in singles.
SinglePoint spiral_point(float h, double phi, float pi);
// The spiral's point after i quarter turns: radius phi^i at 90*i degrees.
Point quarter_turn_point(int i, double phi, float pi);

// The direction of the diagonal of the 2 by 1 rectangle, atn(1/2) in degrees.
double diagonal_angle(float pi);

// The exponential curve's parameters move in steps of 0.1: the step is a double, the result is
// stored as a single, then held within its limit.
float step_down(float value, float lower);
float step_up(float value, float upper);

} // namespace golden
