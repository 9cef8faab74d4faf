#pragma once

#include <array>

// The two population models: the linear life generator and the age-class model.
namespace population {

// The life generator dy/dt = (k - d) y + w / Ti, started from y(0) = yo. Stored singles.
struct LifeParameters
{
    float birth_factor = 0.3f; // k, 1 / unit of time, within 0..1
    float immigration_rate = 0; // w, may be negative
    float start_population = 10; // yo, never below 0
    float death_factor = 0; // d, 1 / unit of time, within 0..1
};

// The integrator constant Ti of the block diagram: the divisor of the exponent and of the slope.
inline constexpr int integrator_constant = 1;

// The limit population yL = (d - k) w: the product that the printed formula shows.
float limit_population(const LifeParameters &p);
// a = |k - d|: how far the model is from the linear case.
float rate_distance(const LifeParameters &p);
// The solution is an exponential only when |k - d| exceeds 0.01; below it the line yo + w t.
bool is_exponential(float rate_distance);
// T1 = 1 / (d - k); meaningful only in the exponential case.
float time_constant(const LifeParameters &p);
// The slope of the tangent at t = 0: (k - d) (yo - yL), or w / Ti in the linear case.
float tangent_slope(const LifeParameters &p);
// y(t) = yL + (yo - yL) e^((k - d) t / Ti) with (k - d) a single and the rest in double
// precision, or yo + (w / Ti) t in the linear case.
double life_population_at(const LifeParameters &p, float rate_distance, double t, float limit);

// Where the population heads at t = 0: a slope within +-0.01 counts as constant.
enum class Trend { Down, Up, Constant };
Trend trend_at_start(float slope);

// Ages 0..100 and simulated years 0..100 share the table size.
inline constexpr int table_size = 101;
using AgeTable = std::array<float, table_size>;

// The age-class model: one class per age, thinned by a survival ratio each year, with newborns
// from the members of one reproductive age.
struct AgeClasses
{
    AgeTable age_count {}; // members of each age class
    AgeTable age_percent {}; // class size as a percentage of the year's total
    AgeTable total_history {}; // total population of each simulated year
    AgeTable survival_ratio {}; // fraction of age n - 1 that reaches age n; entry 0 is 1
    int sim_year = 0; // 0..100
    int age_table_limit = 100; // highest age cleared at a model start
    int repro_age = 5;
    int max_age = 20;
    float birth_rate = 0; // births per member of the reproductive class
    float balance_birth_rate = 0; // the rate that keeps the start population constant
    float young_count = 20; // age-0 class of the start distribution
    float old_count = 0; // max_age class of the linear start distributions
    int model_index = 0; // 0..5: models 1A, 1B, 2, 3, 4A, 4B
};

// A fresh start distribution for the chosen model, its survival ratios, the balance birth rate,
// year 0 and an empty history.
void init_population_model(AgeClasses &m);
// Thins every class above age 0 by its survival ratio.
void apply_survival(AgeClasses &m);
// One year: every class moves up one age (the oldest dies), survival thins them, the age-0
// class waits for the births. Advances the year; false when year 100 was already reached and
// the simulation has ended (the year then stays).
bool next_year(AgeClasses &m);
// The newborns of the year from the reproductive class, the year's total in the history and
// the percentages of the pyramid. Returns the total.
float take_census(AgeClasses &m);

} // namespace population
