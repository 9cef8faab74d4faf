#pragma once

#include <array>

// The sequence F(i+2) = F(i+1) + F(i) and the rabbit-breeding table whose monthly totals form it.
namespace sequence {

// The terms F(-20) .. F(20), indexed by i.
struct Terms
{
    static constexpr int first = -20;
    static constexpr int last = 20;

    double &operator()(int i) { return values[std::size_t(i - first)]; }
    double operator()(int i) const { return values[std::size_t(i - first)]; }

    std::array<double, last - first + 1> values {};
};

// The 41 terms from the start values F(0) = a and F(1) = b: the recurrence forwards up to F(20)
// and backwards, F(j) = F(j+2) - F(j+1), down to F(-20).
Terms compute(double a, double b);

// A start value one step of 0.2 up or down, kept within -2 .. 2. The step is added in double
// precision before the clamp, so five steps down from 1 leave about 5.6e-17, not 0.
double step_start_value(double value, double step);

// The index of the ratio read-out one step up or down, kept within -15 .. 15 so that F(i) and
// F(i+1) stay inside the terms.
int step_ratio_index(int index, int step);

// Where the ratio F(i+1) / F(i) goes. Every such sequence is A phi^i + B (-1/phi)^i: for
// growing i the ratio tends to phi, or is -1/phi throughout when A is 0 (F(1) = -F(0) / phi);
// for falling i it tends to -1/phi, or is phi throughout when B is 0 (F(1) = phi F(0)). Start
// values that are both 0 give no ratio.
struct RatioLimits
{
    bool exists = true;
    double growing = 0; // the limit for i to +infinity
    double falling = 0; // the limit for i to -infinity
};
RatioLimits ratio_limits(double a, double b, double phi);

// The rabbit problem month by month: every pair from the age of two months produces one newborn
// pair each month, no pair dies, and month 0 starts with one newborn pair.
inline constexpr int last_month = 12;

struct Breeding
{
    // pairs[t][n]: the pairs of age n months in month t (zero for n > t).
    std::array<std::array<float, last_month + 1>, last_month + 1> pairs {};
    // total[t]: all pairs in month t; these are the Fibonacci numbers 1, 1, 2, 3, 5, ...
    std::array<float, last_month + 1> total {};
};

// The table for the months 0 .. N (N at most last_month).
Breeding breed(int N);

// The current month one step back or forward, kept within 0 .. N.
int step_month(int month, int step, int N);

// Where a month (x) and an age (y) sit on the breeding table's 0..100 scale.
float xpos(double x);
float ypos(double y);

} // namespace sequence
