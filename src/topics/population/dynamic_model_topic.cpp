#include "population/dynamic_model_topic.h"

#include "numtext.h"
#include "palette.h"

#include <QObject>

#include <algorithm>

namespace {

constexpr int yellow = 14;
constexpr int light_cyan = 11;
constexpr int light_red = 12;
constexpr int solid = 0;

// The pyramid's origin: age 0 on the line y = 50, each year of age 2.2 higher, and the bars
// start 1.4 left and right of the middle, 3.5 wide per percent.
constexpr double pyramid_x = 50;
constexpr double pyramid_y = 50;
constexpr double age_height = 2.2;
constexpr double female_edge = 48.6;
constexpr double male_edge = 51.4;
constexpr double percent_width = 3.5;
// Where each class's size is written, right of the male bars.
constexpr double size_column = 88.5;

struct Point
{
    double x, y;
};

// X = x0 + 3.5 dx, Y = y0 + 2.2 dy: the pyramid's spacing of percentages and ages.
Point pyramid_point(double x0, double y0, double dx, double dy)
{
    return { x0 + percent_width * dx, y0 + age_height * dy };
}

// Years 0..100 on x 8..88 and populations 0..800 on y 5..45.
Point history_point(double t, double p) { return { 0.8 * t + 8, 0.05 * p + 5 }; }

// The line of an age class in the pyramid.
double age_line(int age) { return pyramid_point(pyramid_x, pyramid_y, 0, age).y; }

} // namespace

DynamicModelTopic::DynamicModelTopic(Form1 &form)
    : form(form)
{ }

void DynamicModelTopic::connect_controls()
{
    QObject::connect(form.Command3, &QAbstractButton::clicked, [this] { Command3_Click(); });
    form.CM.on_click([this](int i) { CM_Click(i); });
    form.CP.on_click([this](int i) { CP_Click(i); });
    form.LG.on_click([this](int i) { LG_Click(i); });
    form.Optie.on_click([this](int i) { Optie_Click(i); });
}

void DynamicModelTopic::set_start_values(float young_count, int model_index, int age_table_limit)
{
    model.young_count = young_count;
    model.model_index = model_index;
    model.age_table_limit = age_table_limit;
}

void DynamicModelTopic::init_population_model() { population::init_population_model(model); }

void DynamicModelTopic::Command3_Click()
{
    if (!population::next_year(model)) {
        form.messages->MsgBox(tr("End Simul"));
        init_population_model();
    }
    draw_population_model();
}

// The rate is stepped in double precision and stored as a single, within 0..4.
void DynamicModelTopic::CM_Click(int index)
{
    if (index == 0) {
        model.birth_rate = float(model.birth_rate - 0.1);
        if (model.birth_rate < 0)
            model.birth_rate = 0;
    }
    draw_population_model();
}

void DynamicModelTopic::CP_Click(int index)
{
    if (index == 0) {
        model.birth_rate = float(model.birth_rate + 0.1);
        if (model.birth_rate > 4)
            model.birth_rate = 4;
    }
    draw_population_model();
}

void DynamicModelTopic::LG_Click(int)
{
    model.birth_rate = model.balance_birth_rate;
    draw_population_model();
}

// Choosing a model starts it afresh, even the model already chosen.
void DynamicModelTopic::Optie_Click(int index)
{
    model.model_index = index;
    init_population_model();
    draw_population_model();
}

void DynamicModelTopic::draw_population_model()
{
    Plotter &plot = *form.plot;
    Surface &picture = plot.Picture1;
    const population::AgeClasses &m = model;

    // 1. A clean surface scaled 0..100 both ways, y upwards.
    picture.Cls();
    plot.set_bounds(0, 100, 0, 100);
    picture.Scale(plot.x_min, plot.y_max, plot.x_max, plot.y_min);

    // 2..5. The year's births, total and shares; a changed birth rate acts on this year at once.
    const float total = population::take_census(model);
    form.LG[0].set_caption(form.format_number(m.birth_rate, u"#0.000"));

    // 6. The names. The names of three rows stand left of their bars; a bar that reaches its
    // row's name (a growing population's youngest classes outgrow the room the pyramid leaves
    // them) runs behind it: the name is printed after the bars, on the background.
    const auto bar_end = [&m](double edge, double side, int age) {
        return pyramid_point(edge, pyramid_y, side * m.age_percent[std::size_t(age)], age);
    };
    const auto print_over_bars = [&picture, &plot](double x, double y, const QString &text) {
        // A pixel of the background around the letters.
        const double dx = picture.to_user_x(1) - picture.to_user_x(0);
        const double dy = picture.to_user_y(1) - picture.to_user_y(0);
        picture.Line(x - dx, y - dy, x + picture.TextWidth(text) + dx,
            y + picture.TextHeight(text) + dy, picture.BackColor(), Surface::Box::Filled);
        plot.print_at(x, y, text);
    };
    struct RowName
    {
        double x, y;
        QString text;
        bool reached;
    };
    const auto row_name = [&](double x, int age, const QString &text) {
        return RowName { x, age_line(age) + 1, text,
            bar_end(female_edge, -1, age).x < x + picture.TextWidth(text) };
    };
    const RowName row_names[] = { row_name(1, m.repro_age, tr("Female reproduct. age")),
        row_name(8, 0, tr("Born")), row_name(8, m.max_age, tr("Deaht")) };
    plot.print_at(40, 98, tr("Female      Age        Male"));
    plot.print_at(86, 98, tr("Distribution"));
    for (const RowName &name : row_names)
        if (!name.reached)
            plot.print_at(name.x, name.y, name.text);

    // 7. Coloured bars: the mothers, and the newborns on both sides.
    const Point mothers = bar_end(female_edge, -1, m.repro_age);
    picture.Line(mothers.x, mothers.y - 0.5, female_edge, mothers.y + 0.5, QBColor(yellow),
        Surface::Box::Filled);
    const Point girls = bar_end(female_edge, -1, 0);
    picture.Line(girls.x, girls.y - 0.5, female_edge, girls.y + 0.5, QBColor(light_cyan),
        Surface::Box::Filled);
    const Point boys = bar_end(male_edge, 1, 0);
    picture.Line(
        male_edge, boys.y - 0.5, boys.x, boys.y + 0.5, QBColor(light_cyan), Surface::Box::Filled);

    // 8. Every fifth age is named in the middle.
    for (int n = 0; n <= m.max_age; n += 5)
        plot.print_at(pyramid_x - 1, age_line(n) + 1, form.format_number(double(n), u"##0"));

    // 9. The outline of every class on both sides, and its size: over the bar, on the
    // background, where the male bar reaches it.
    for (int n = 0; n <= m.max_age; ++n) {
        const Point male = bar_end(male_edge, 1, n);
        const Point female = bar_end(female_edge, -1, n);
        picture.Line(male_edge, male.y - 0.7, male.x, male.y + 0.7, {}, Surface::Box::Outline);
        picture.Line(
            female_edge, female.y - 0.7, female.x, female.y + 0.7, {}, Surface::Box::Outline);
        const QString size = form.format_number(m.age_count[std::size_t(n)], u"#####0.0");
        if (male.x > size_column)
            print_over_bars(size_column, male.y + 1, size);
        else
            plot.print_at(size_column, male.y + 1, size);
    }
    for (const RowName &name : row_names)
        if (name.reached)
            print_over_bars(name.x, name.y, name.text);

    // 10, 11. The year's total and the year.
    plot.print_at(88, 48, tr("Total ") + form.format_number(total, u"#####0.0"));
    plot.print_at(47, 48, tr("YEAR ") + form.str_form(m.sim_year));

    // 12, 13. The history: black treads at each year's total, cyan risers from the axis. A
    // population above 800 would run up over the pyramid; only the part inside the graph shows.
    draw_history_frame();
    const Point start = history_point(0, m.total_history[0]);
    picture.Circle(start.x, start.y, 0.5);
    const Point graph_low = history_point(0, 0), graph_high = history_point(100, 800);
    picture.clip_to(graph_low.x, graph_low.y, graph_high.x, graph_high.y);
    for (int i = 0; i < m.sim_year; ++i) {
        const Point tread = history_point(i, m.total_history[std::size_t(i)]);
        const Point next = history_point(i + 1, m.total_history[std::size_t(i + 1)]);
        picture.Line(tread.x, tread.y, next.x, tread.y);
        plot.styled_line(next.x, 5, next.x, next.y, light_cyan, solid);
    }
    picture.clip_off();
}

void DynamicModelTopic::draw_history_frame()
{
    Plotter &plot = *form.plot;
    Surface &picture = plot.Picture1;

    // 1. The year axis and the population axis.
    plot.styled_line(8, 5, 88, 5, light_red, solid);
    plot.styled_line(8, 5, 8, 45, light_red, solid);

    // 2, 3. A tick every 5 years, a number every 10.
    for (int t = 0; t <= 100; t += 5)
        plot.styled_line(8 + 0.8 * t, 5, 8 + 0.8 * t, 4, light_red, solid);
    for (int t = 0; t <= 100; t += 10)
        plot.print_at(7 + 0.8 * t, 3.5, form.str_form(t));

    // 4. A tick and a number every 100 members.
    for (int p = 0; p <= 800; p += 100) {
        plot.styled_line(8, 5 + 0.05 * p, 7, 5 + 0.05 * p, light_red, solid);
        plot.print_at(3, 5.5 + 0.05 * p, form.str_form(p));
    }

    // 5. A dot every 5 years and 50 members.
    for (int t = 0; t <= 100; t += 5)
        for (int p = 0; p <= 800; p += 50) {
            const Point dot = history_point(t, p);
            picture.PSet(dot.x, dot.y, QBColor(0));
        }

    // 6.
    plot.print_at(91, 6, tr("Year"));
    plot.print_at(2, 48, tr("Polulation"));
}

QString DynamicModelTopic::description() const
{
    static const char *const names[] = { "1A", "1B", "2", "3", "4A", "4B" };
    const population::AgeClasses &m = model;
    const float total = m.total_history[std::size_t(m.sim_year)];
    return tr("Dynamic population model %1, ages 0 to %2, year %3: a total of %4, "
              "birth rate %5 (%6 keeps the population constant); the age pyramid of "
              "the year above the totals of years 0 to %3")
        .arg(QLatin1String(names[std::clamp(m.model_index, 0, 5)]))
        .arg(m.max_age)
        .arg(m.sim_year)
        .arg(form.format_number(total, u"#####0.0"), form.format_number(m.birth_rate, u"#0.000"),
            form.format_number(m.balance_birth_rate, u"#0.000"));
}
