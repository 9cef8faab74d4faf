#pragma once

#include <array>
#include <optional>

// The chaos game without a window: the nine polygon models, their corners and one step of the
// point towards a randomly chosen corner.
namespace chaos {

struct Point
{
    float x = 0, y = 0;
};

// A regular polygon centred on x = 0 and the factor k of the game played on it.
struct Model
{
    int corner_count; // n
    float k; // the new distance to the chosen corner is k times the old one
    float radius; // distance of the corners from the centre
    float offset; // vertical offset of the centre
    float start_angle; // degrees clockwise from straight up to corner 1
};

// The model of the item index 0..8 of the model labels; none for any other index.
std::optional<Model> model(int index, double phi);

// Element 0 the current point F, elements 1..n the corners C1..Cn, element n + 1 corner C1 again.
// Fifteen elements hold the largest model, n = 12.
using Polygon = std::array<Point, 15>;

// Point F at the origin and the n corners of the regular polygon, clockwise on the screen from
// start_angle: corner i + 1 at angle start_angle + i * 360 / n, (radius sin, radius cos + offset).
// pi is the program's single-precision pi, as every degree-to-radian conversion uses.
Polygon make_polygon(int corner_count, float radius, float offset, float start_angle, float pi);

// The corner number 1..n for a random number r in [0, 1): Int(n r + 1), every corner with equal
// chance. With n = 0 (no polygon yet) corner 1.
int corner_number(int corner_count, float r);

// The point moved along the line to the corner so that its new distance from the corner is k
// times the old one; a negative k puts it on the far side of the corner.
Point step(Point point, Point corner, float k);

} // namespace chaos
