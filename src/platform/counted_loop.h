#pragma once

// The runtime's counted loop with a single-precision counter: it starts at `from`, adds `step`
// in single precision after every pass and runs while the counter has not passed `to`. The
// rounding of the repeated additions decides how many passes there are.
template <class Body> int for_single(float from, float to, float step, Body body)
{
    int passes = 0;
    for (float x = from; step >= 0 ? x <= to : x >= to; x = float(x + step)) {
        body(x);
        ++passes;
    }
    return passes;
}

// The same with a double-precision counter.
template <class Body> int for_double(double from, double to, double step, Body body)
{
    int passes = 0;
    for (double x = from; step >= 0 ? x <= to : x >= to; x += step) {
        body(x);
        ++passes;
    }
    return passes;
}
