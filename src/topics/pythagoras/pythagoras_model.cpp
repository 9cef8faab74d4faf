#include "pythagoras/pythagoras_model.h"

#include <algorithm>
#include <cmath>

namespace pythagoras {

Figure figure(float a, float b)
{
    Figure f {};
    f.L = a + b;
    f.s = a * a + b * b;
    f.c = float(std::sqrt(double(f.s)));
    f.theta = float(std::atan(double(b / a)));
    const double cos_t = std::cos(double(f.theta)), sin_t = std::sin(double(f.theta));
    f.J = { float(a - a * cos_t * cos_t), float(a * cos_t * sin_t) };
    f.K = { f.J.x + b, f.J.y + a };
    f.e = b * b / f.c;
    return f;
}

float step_a(float a, int delta)
{
    const float stepped = a + float(delta);
    return delta < 0 ? std::max(stepped, 10.0f) : std::min(stepped, 50.0f);
}

float step_b(float b, int delta)
{
    const float stepped =
        delta < 0 ? std::max(b + float(delta), 10.0f) : std::min(b + float(delta), 50.0f);
    return float(std::floor(double(stepped) + 0.01));
}

float golden_b(float a, double phi) { return float(a * std::sqrt(phi)); }

} // namespace pythagoras
