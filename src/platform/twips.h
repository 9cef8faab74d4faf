#pragma once

#include <QtMath>

// Positions and sizes of controls are given in twips: 1440 to the inch, 15 to a logical pixel.
inline constexpr int twips_per_pixel = 15;

inline int twips_to_pixels(double twips) { return qRound(twips / twips_per_pixel); }
