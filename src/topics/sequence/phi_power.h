#pragma once

#include <cmath>

// y = a * phi^x: the power first, then the product, in double precision. The caller stores the
// result in the type its variable has.
inline double phi_power(double a, double x, double phi) { return a * std::pow(phi, x); }
