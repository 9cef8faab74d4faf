#pragma once

// The square-in-a-square proof without a window: the derived lengths and points of the figure
// for the legs a and b, and the steps of the legs' buttons.
namespace pythagoras {

struct Point
{
    float x = 0, y = 0;
};

// Everything the figure derives from the legs a = AB and b = AC, in single precision.
struct Figure
{
    float L; // a + b, the side of the outer square AFGH
    float s; // a² + b²
    float c; // sqrt(a² + b²), the hypotenuse BC
    float theta; // arctan(b / a), the angle at B
    Point J; // foot of the altitude from A on BC: (a - a cos²θ, a cosθ sinθ)
    Point K; // J + (b, a), where the altitude line meets DE
    float e; // JC = b² / c, so that the rectangle JKEC has the area e c = b²
};

Figure figure(float a, float b);

// Leg a one step up or down (delta +1 or -1): a step down stops at 10, a step up at 50.
float step_a(float a, int delta);
// Leg b likewise, then rounded down to a whole number by Int(b + 0.01); the 0.01 keeps a b just
// below a whole number (from rounding) on that number. A b above 50 (from "e = a") stepped down
// stays above 50.
float step_b(float b, int delta);
// The b that makes the rectangle JKEC golden: b = a sqrt(phi) gives c = phi a and e = a.
float golden_b(float a, double phi);

} // namespace pythagoras
