#include "population/population_model.h"

#include <cmath>

namespace population {

float limit_population(const LifeParameters &p)
{
    return (p.death_factor - p.birth_factor) * p.immigration_rate;
}

float rate_distance(const LifeParameters &p) { return std::abs(p.birth_factor - p.death_factor); }

bool is_exponential(float rate_distance) { return rate_distance > 0.01; }

float time_constant(const LifeParameters &p) { return 1 / (p.death_factor - p.birth_factor); }

float tangent_slope(const LifeParameters &p)
{
    if (is_exponential(rate_distance(p)))
        return (p.birth_factor - p.death_factor) * (p.start_population - limit_population(p));
    return p.immigration_rate / integrator_constant;
}

double life_population_at(const LifeParameters &p, float rate_distance, double t, float limit)
{
    if (is_exponential(rate_distance)) {
        const float rate = p.birth_factor - p.death_factor;
        return limit
            + (double(p.start_population) - limit) * std::exp(rate * t / integrator_constant);
    }
    return p.start_population + double(p.immigration_rate / integrator_constant) * t;
}

Trend trend_at_start(float slope)
{
    if (slope < -0.01)
        return Trend::Down;
    if (slope > 0.01)
        return Trend::Up;
    return Trend::Constant;
}

void init_population_model(AgeClasses &m)
{
    // Models 2 and 3 are straight lines from young_count down to half of it or to itself;
    // 1A, 1B, 4A and 4B end in an empty oldest class.
    switch (m.model_index) {
    case 1:
    case 5:
        m.max_age = 15;
        m.old_count = 0;
        break;
    case 2:
        m.max_age = 20;
        m.old_count = m.young_count / 2;
        break;
    case 3:
        m.max_age = 20;
        m.old_count = m.young_count;
        break;
    default:
        m.max_age = 20;
        m.old_count = 0;
        break;
    }
    m.repro_age = 5;
    m.sim_year = 0;

    for (int i = 0; i <= m.age_table_limit; ++i)
        m.age_count[std::size_t(i)] = 0;
    const bool root_shape = m.model_index == 4 || m.model_index == 5;
    for (int i = 0; i <= m.max_age; ++i) {
        float &count = m.age_count[std::size_t(i)];
        if (root_shape) {
            // young * sqrt((max - i) / max), the quotient a single.
            const float remaining = float(m.max_age - i) / float(m.max_age);
            count = float(m.young_count * std::sqrt(double(remaining)));
        } else {
            count = (m.old_count - m.young_count) * float(i) / float(m.max_age) + m.young_count;
        }
    }

    // The ratio that turns the start class j into the start class j + 1 a year later, so the
    // start distribution reproduces itself.
    for (int j = 0; j < m.max_age; ++j) {
        const float younger = m.age_count[std::size_t(j)];
        const float older = m.age_count[std::size_t(j + 1)];
        m.survival_ratio[std::size_t(j + 1)] = 1 - (younger - older) / younger;
    }
    m.survival_ratio[0] = 1;

    // Half the reproductive class gives birth (the female side): births = count * rate / 2,
    // which equals young_count at this rate.
    m.birth_rate = 2 * m.young_count / m.age_count[std::size_t(m.repro_age)];
    m.balance_birth_rate = m.birth_rate;

    m.total_history.fill(0);
}

void apply_survival(AgeClasses &m)
{
    for (int i = 1; i <= m.max_age; ++i)
        m.age_count[std::size_t(i)] =
            m.age_count[std::size_t(i)] * m.survival_ratio[std::size_t(i)];
}

bool next_year(AgeClasses &m)
{
    for (int i = m.max_age; i >= 1; --i)
        m.age_count[std::size_t(i)] = m.age_count[std::size_t(i - 1)];
    apply_survival(m);
    m.age_count[0] = 0;
    if (m.sim_year <= 99) {
        ++m.sim_year;
        return true;
    }
    return false;
}

float take_census(AgeClasses &m)
{
    m.age_count[0] = m.age_count[std::size_t(m.repro_age)] * m.birth_rate / 2;
    float total = 0;
    for (int n = 0; n <= m.max_age; ++n)
        total += m.age_count[std::size_t(n)];
    m.total_history[std::size_t(m.sim_year)] = total;
    // An empty population has no shares.
    for (int n = 0; n <= m.max_age; ++n)
        m.age_percent[std::size_t(n)] = total > 0.5 ? m.age_count[std::size_t(n)] / total * 100 : 0;
    return total;
}

} // namespace population
