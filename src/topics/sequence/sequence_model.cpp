#include "sequence_model.h"

#include <algorithm>
#include <cmath>

namespace sequence {

Terms compute(double a, double b)
{
    Terms F;
    F(0) = a;
    F(1) = b;
    for (int j = 2; j <= Terms::last; ++j)
        F(j) = F(j - 1) + F(j - 2);
    for (int j = -1; j >= Terms::first; --j)
        F(j) = F(j + 2) - F(j + 1);
    return F;
}

double step_start_value(double value, double step) { return std::clamp(value + step, -2.0, 2.0); }

int step_ratio_index(int index, int step) { return std::clamp(index + step, -15, 15); }

RatioLimits ratio_limits(double a, double b, double phi)
{
    // A and B times sqrt 5, tested against the size of the start values: a start value stepped
    // to "0" keeps a remainder of about 1e-16.
    const double psi = -1 / phi;
    const double size = std::abs(a) + std::abs(b);
    if (size < 1e-9)
        return { false, 0, 0 };
    const double A = b - psi * a;
    const double B = phi * a - b;
    const double zero = 1e-9 * size;
    return { true, std::abs(A) < zero ? psi : phi, std::abs(B) < zero ? phi : psi };
}

Breeding breed(int N)
{
    Breeding b;
    auto &pairs = b.pairs;
    const auto final_month = std::size_t(std::clamp(N, 0, last_month));
    pairs[0][0] = 1;
    for (std::size_t t = 0;; ++t) {
        for (std::size_t n = 0; n <= t; ++n)
            b.total[t] += pairs[t][n];
        if (t == final_month)
            break;
        for (std::size_t n = 0; n <= t; ++n)
            pairs[t + 1][n + 1] = pairs[t][n];
        // Every pair aged two months or more gives birth to one pair.
        for (std::size_t n = 2; n <= t + 1; ++n)
            pairs[t + 1][0] += pairs[t + 1][n];
    }
    return b;
}

int step_month(int month, int step, int N) { return std::clamp(month + step, 0, N); }

float xpos(double x) { return float(5 * x + 20); }

float ypos(double y) { return float(5 * y + 25); }

} // namespace sequence
