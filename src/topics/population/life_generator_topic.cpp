#include "population/life_generator_topic.h"

#include "numtext.h"
#include "palette.h"
#include "sequence/phi_power.h"

#include <QObject>

#include <cmath>

namespace {

constexpr int light_blue = 9;
constexpr int dark_grey = 8;
constexpr int light_cyan = 11;
constexpr int light_red = 12;
constexpr int dotted = 2;

} // namespace

LifeGeneratorTopic::LifeGeneratorTopic(Form1 &form)
    : form(form)
{ }

void LifeGeneratorTopic::connect_controls()
{
    form.Ckm.on_click([this](int i) { Ckm_Click(i); });
    form.Ckp.on_click([this](int i) { Ckp_Click(i); });
    form.Label9.on_click([this](int i) { Label9_Click(i); });
    form.CEx.on_click([this](int i) { CEx_Click(i); });
    QObject::connect(form.ComF, &QAbstractButton::clicked, [this] { ComF_Click(); });
}

// The steps are formed in double precision and stored as singles, so repeated steps collect
// single-precision rounding; the bounds are tested on the stored value.
void LifeGeneratorTopic::Ckm_Click(int index)
{
    population::LifeParameters &p = life;
    if (index == 0) {
        p.birth_factor = float(p.birth_factor - 0.05);
        if (p.birth_factor < 0)
            p.birth_factor = 0;
    } else if (index == 1) {
        p.immigration_rate = float(p.immigration_rate - 1.0);
    } else if (index == 2) {
        p.start_population = float(p.start_population - 1.0);
        if (p.start_population < 0)
            p.start_population = 0;
    } else if (index == 3) {
        p.death_factor = float(p.death_factor - 0.1);
        if (p.death_factor < 0)
            p.death_factor = 0;
    }
    draw_life_generator();
}

void LifeGeneratorTopic::Ckp_Click(int index)
{
    population::LifeParameters &p = life;
    if (index == 0) {
        p.birth_factor = float(p.birth_factor + 0.05);
        if (p.birth_factor > 1)
            p.birth_factor = 1;
    } else if (index == 1) {
        p.immigration_rate = float(p.immigration_rate + 1.0);
    } else if (index == 2) {
        p.start_population = float(p.start_population + 1.0);
    } else if (index == 3) {
        p.death_factor = float(p.death_factor + 0.1);
        if (p.death_factor > 1)
            p.death_factor = 1;
    }
    draw_life_generator();
}

void LifeGeneratorTopic::Label9_Click(int index)
{
    if (index == 0)
        life.birth_factor = 0;
    else if (index == 1)
        life.immigration_rate = 0;
    else if (index == 2)
        life.start_population = 10;
    else if (index == 3)
        life.death_factor = 0;
    draw_life_generator();
}

// With d = 0 the model curve then lies on the red curve yo * phi^t.
void LifeGeneratorTopic::ComF_Click()
{
    life.birth_factor = float(std::log(form.phi));
    life.immigration_rate = 0;
    draw_life_generator();
}

void LifeGeneratorTopic::CEx_Click(int index)
{
    // k, w, yo, d: a decay, an inflow settling at yL, a balance of births and deaths with
    // immigration, and a net growth.
    static constexpr population::LifeParameters examples[] = {
        { 0, 0, 20, 0.5f },
        { 0, 30, 0, 0.5f },
        { 0.4f, 5, 10, 0.4f },
        { 0.4f, 0, 10, 0.1f },
    };
    if (index >= 0 && index < 4)
        life = examples[index];
    draw_life_generator();
}

double LifeGeneratorTopic::life_population_at(float a, double t, float yL) const
{
    return population::life_population_at(life, a, t, yL);
}

void LifeGeneratorTopic::arrow_right(double x, double y)
{
    Surface &panel = form.plot->Picture2;
    panel.Line(x, y, x - 3, y + 2);
    panel.Line(x, y, x - 3, y - 2);
}

void LifeGeneratorTopic::arrow_left(double x, double y)
{
    Surface &panel = form.plot->Picture2;
    panel.Line(x, y, x + 3, y + 2);
    panel.Line(x, y, x + 3, y - 2);
}

void LifeGeneratorTopic::arrow_up(double x, double y)
{
    Surface &panel = form.plot->Picture2;
    panel.Line(x, y, x - 2, y + 4);
    panel.Line(x, y, x + 2, y + 4);
}

// The block diagram of dy/dt = (k - d) y + w: the input w and the fed-back (k - d) y meet in a
// summing point before the integrator whose output is y.
void LifeGeneratorTopic::draw_life_diagram()
{
    Plotter &plot = *form.plot;
    Surface &panel = plot.Picture2;
    panel.ForeColor = QBColor(0);

    plot.print_on_side_panel(10, 5, tr("LIFE GENERATOR         LINEAR MODEL"));
    plot.print_on_side_panel(4, 90, tr("See also: Population - Dynamic Population Model"));
    plot.print_on_side_panel(43, 16, tr("integration"));
    plot.print_on_side_panel(8, 29, QStringLiteral("w     +"));
    plot.print_on_side_panel(32, 29, QStringLiteral("e"));
    plot.print_on_side_panel(20, 40, QStringLiteral("+"));
    plot.print_on_side_panel(50, 68, QStringLiteral("k - d"));
    plot.print_on_side_panel(85, 29, QStringLiteral("y"));
    plot.print_on_side_panel(48, 24, QStringLiteral("Ti = 1"));

    arrow_right(20, 35);
    arrow_right(40, 35);
    arrow_right(90, 35);
    arrow_left(70, 70);
    arrow_up(25, 40);

    panel.Line(40, 20, 70, 50, {}, Surface::Box::Outline); // integrator
    panel.Line(40, 60, 70, 80, {}, Surface::Box::Outline); // feedback k - d

    panel.Circle(25, 35, 5); // summing point with its cross
    panel.Line(21.2, 31.2, 28.8, 38.8);
    panel.Line(28.8, 31.2, 21.2, 38.8);

    panel.Line(10, 35, 20, 35); // input w
    panel.Line(30, 35, 40, 35); // error into the integrator
    panel.Line(70, 35, 90, 35); // output y
    panel.Line(25, 70, 40, 70); // out of the feedback block
    panel.Line(70, 70, 80, 70); // into the feedback block
    panel.Line(80, 70, 80, 35); // from the output down
    panel.Line(25, 70, 25, 40); // up into the summing point

    panel.Line(45, 43, 65, 43); // the integrator's ramp
    panel.Line(45, 43, 45, 28);
    panel.Line(45, 43, 60, 28);
}

void LifeGeneratorTopic::draw_life_generator()
{
    const population::LifeParameters &p = life;
    Plotter &plot = *form.plot;
    Surface &picture = plot.Picture1;

    // 1, 2. The diagram and the parameter read-outs.
    draw_life_diagram();
    form.Label9[0].set_caption(form.format_number(p.birth_factor, u"0.000"));
    form.Label9[1].set_caption(form.format_number(p.immigration_rate, u"0.0"));
    form.Label9[2].set_caption(form.format_number(p.start_population, u"0.0"));
    form.Label9[3].set_caption(form.format_number(p.death_factor, u"0.000"));

    // 3. A fresh graph: t from -1 to 10, y from -10 to 100.
    plot.set_bounds(-1, 10, -10, 100);
    plot.graph_frame(QStringLiteral("t"), 10, 1);

    // 4, 5. The start point and the names.
    const float yo = p.start_population;
    picture.Circle(0, yo, 0.08);
    plot.print_at(-0.9, yo + 1, QStringLiteral("yo"));
    plot.print_at(0.1, plot.y_max, tr("y        POPULATION NUMBER"));
    plot.print_at(plot.x_max - 1.5, 3, tr("TIME SCALE  t"));

    // 6. The limit and the distance from the linear case.
    const float yL = population::limit_population(p);
    const float a = population::rate_distance(p);
    const float s = population::tangent_slope(p);

    if (population::is_exponential(a)) {
        // 7. The exponential case with its limit line and time constant.
        plot.print_at(6, 40, QStringLiteral(" y = yL + ( yo - yL ). e ^ ((k-d) . t)"));
        plot.print_at(6, 35, QStringLiteral(" yL = ( d - k ) w"));
        plot.styled_line(-0.5, yL, 10, yL, light_blue, dotted);
        plot.print_at(-0.9, yL + 1, QStringLiteral("yL"));
        const float T1 = population::time_constant(p);
        plot.print_at(7, 80, tr("Time constant T1 = ") + form.format_number(T1, u"##0.00"));
        // A time constant within the graph: after T1 the gap to yL has shrunk by the factor e.
        if (T1 > 0 && T1 < 10) {
            picture.Circle(T1, 0, 0.06);
            picture.Circle(T1, yL, 0.06);
            picture.Circle(T1, yo, 0.06);
            plot.print_at(T1 - 0.1, -2.5, QStringLiteral("T1"));
            const float y1 = float(life_population_at(a, T1, yL));
            picture.Circle(T1, y1, 0.06);
            plot.styled_line(T1, yo, T1, y1, light_blue, dotted);
            plot.styled_line(0, yo, T1, yo, light_blue, dotted);
        }
    } else {
        // 8. The linear case.
        plot.print_at(5, 50, QStringLiteral("y  = w . t  +  yo"));
    }

    // 9. The tangent at t = 0 over three time units, and its slope triangle over one.
    picture.Line(0, yo, 3, yo + 3 * s, QBColor(light_cyan));
    plot.styled_line(0, yo, 1, yo, dark_grey, dotted);
    plot.styled_line(1, yo, 1, yo + s, dark_grey, dotted);

    // 10. The verdict.
    QString verdict;
    switch (population::trend_at_start(s)) {
    case population::Trend::Down:
        verdict = tr("The population goes down at t=0");
        break;
    case population::Trend::Up:
        verdict = tr("The population goes up at t=0");
        break;
    case population::Trend::Constant:
        verdict = tr("The population is constant");
        break;
    }
    plot.print_at(6, 90, verdict);

    // 11. The model curve until it leaves 0..y_max; t is a single-precision running sum.
    for (float t = 0; t <= 10; t += 0.01f) {
        const float y = float(life_population_at(a, t, yL));
        if (y > plot.y_max || y < 0)
            break;
        picture.PSet(t, y);
    }

    // 12. The comparison curve yo * phi^t until it leaves the top.
    for (float t = 0; t <= 10; t += 0.02f) {
        const float y = float(phi_power(yo, t, form.phi));
        if (y > plot.y_max)
            break;
        picture.PSet(t, y, QBColor(light_red));
    }

    // 13.
    plot.print_at(0.5, 80, tr(" y = y0 . phi ^ t   (red curve)"));
}

QString LifeGeneratorTopic::description() const
{
    const population::LifeParameters &p = life;
    QString text = tr("Life generator with k = %1, w = %2, yo = %3 and d = %4: ")
                       .arg(form.format_number(p.birth_factor, u"0.000"),
                           form.format_number(p.immigration_rate, u"0.0"),
                           form.format_number(p.start_population, u"0.0"),
                           form.format_number(p.death_factor, u"0.000"));
    if (population::is_exponential(population::rate_distance(p)))
        text += tr("y = yL + (yo - yL) e^((k - d) t) with the limit yL = %1 and the "
                   "time constant T1 = %2")
                    .arg(form.spoken(population::limit_population(p)),
                        form.format_number(population::time_constant(p), u"##0.00"));
    else
        text += tr("the straight line y = w t + yo");
    switch (population::trend_at_start(population::tangent_slope(p))) {
    case population::Trend::Down:
        text += tr("; the population goes down at t=0");
        break;
    case population::Trend::Up:
        text += tr("; the population goes up at t=0");
        break;
    case population::Trend::Constant:
        text += tr("; the population is constant");
        break;
    }
    return text + tr(". In red for comparison y = yo phi^t");
}
