#include "chaos/chaos_model.h"

#include <algorithm>
#include <cmath>

namespace chaos {

std::optional<Model> model(int index, double phi)
{
    // k is kept in single precision: 0.9, -1/3, 0.2 and 1 - 1/phi are rounded to singles.
    switch (index) {
    case 0:
        return Model { 3, 0.5f, 10, -2, 0 };
    case 1:
        return Model { 3, -0.5f, 3.8f, 0, 0 };
    case 2:
        return Model { 6, 0.5f, 9, 0, 0 };
    case 3:
        return Model { 6, float(-1.0 / 3), 5, 0, 0 };
    case 4:
        return Model { 3, 0.9f, 10, -2, 0 };
    case 5:
        return Model { 5, float(1 - 1 / phi), 10, -1, 0 };
    case 6:
        return Model { 4, -0.46f, 4.5f, 0, 45 };
    case 7:
        return Model { 4, 0.5f, 9, 0, 0 };
    case 8:
        return Model { 12, 0.2f, 9, 0, 0 };
    default:
        return std::nullopt;
    }
}

Polygon make_polygon(int corner_count, float radius, float offset, float start_angle, float pi)
{
    Polygon polygon {};
    const float step = pi / 180 * 360 / float(corner_count);
    for (int i = 0; i <= corner_count; ++i) {
        const float a = start_angle * pi / 180 + step * float(i);
        polygon[std::size_t(i + 1)] = { float(radius * std::sin(double(a))),
            float(radius * std::cos(double(a)) + offset) };
    }
    return polygon;
}

int corner_number(int corner_count, float r)
{
    // n r + 1 in double is exact for a single r; in single precision it can round up to n + 1
    // for r just below 1 (n = 4, r = 1 - 2^-24 gives 5).
    const int j = int(std::floor(double(corner_count) * double(r) + 1));
    return std::clamp(j, 1, std::max(corner_count, 1));
}

Point step(Point point, Point corner, float k)
{
    return { corner.x + (point.x - corner.x) * k, corner.y + (point.y - corner.y) * k };
}

} // namespace chaos
