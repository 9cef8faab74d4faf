#include "golden/golden_model.h"

#include <cmath>

namespace golden {

float degree(float pi) { return pi / 180.0f; }

Point polar_point(double r, double h, float pi)
{
    const double hr = h * degree(pi);
    return { r * std::cos(hr), r * std::sin(hr) };
}

RectangleCorners rectangle_corners(double phi, float pi)
{
    RectangleCorners p {};
    p[1] = { 1, 0 };
    double h = 0;
    for (int i = 1; i <= 5; ++i) {
        const double r = std::pow(phi, i);
        h += 90;
        const double hr = h * degree(pi);
        p[std::size_t(i + 1)] = { p[std::size_t(i)].x + r * std::cos(hr),
            p[std::size_t(i)].y + r * std::sin(hr) };
    }
    return p;
}

double rectangle_spiral_start(double phi, float pi) { return std::atan(phi) * 180 / double(pi); }

Point rectangle_spiral_point(double h, double phi, float pi)
{
    const double r = std::pow(phi, h / 90);
    const double hr = h * degree(pi);
    return { rectangle_pole.x + r * std::cos(hr), rectangle_pole.y + r * std::sin(hr) };
}

Arc quarter_arc(const RectangleCorners &corners, int i, double phi, float pi)
{
    float start = float(i) * pi / 2 + pi / 2;
    // The fourth arc would start at 2*pi; the tolerance catches a sum that lands just below it.
    if (start + 0.001 > 2 * pi)
        start = start - 2 * pi;
    return { corners[std::size_t(i)], std::pow(phi, i + 1), start, start + pi / 2 };
}

SinglePoint conic_point(float p, float h, double phi, float pi)
{
    const float hr = degree(pi) * h;
    const float r = float(p / (1 + phi * std::cos(double(hr))));
    return { float(r * std::cos(double(hr)) - phi), float(r * std::sin(double(hr))) };
}

float pyramid_angle(double phi, float pi)
{
    return float(std::atan(std::sqrt(phi)) * (180.0f / pi));
}

PentagonCorners pentagon_corners(float pi)
{
    PentagonCorners c {};
    c[2] = { 1, 0 };
    float a = 0;
    for (std::size_t i = 3; i <= 6; ++i) {
        a += 72;
        const float ar = degree(pi) * a;
        c[i] = { float(c[i - 1].x + std::cos(double(ar))),
            float(c[i - 1].y + std::sin(double(ar))) };
    }
    return c;
}

float parabola(float k) { return k * k - k - 1; }

SinglePoint spiral_point(float h, double phi, float pi)
{
    const float hr = degree(pi) * h;
    const float r = float(std::pow(phi, h / 90));
    return { float(r * std::cos(double(hr))), float(r * std::sin(double(hr))) };
}

Point quarter_turn_point(int i, double phi, float pi)
{
    const double hr = 90.0 * i * degree(pi);
    const double r = std::pow(phi, i);
    return { r * std::cos(hr), r * std::sin(hr) };
}

double diagonal_angle(float pi) { return std::atan(0.5) * (180.0f / pi); }

float step_down(float value, float lower)
{
    const float stepped = float(value - 0.1);
    return stepped < lower ? lower : stepped;
}

float step_up(float value, float upper)
{
    const float stepped = float(value + 0.1);
    return stepped > upper ? upper : stepped;
}

} // namespace golden
