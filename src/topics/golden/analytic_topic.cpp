#include "golden/analytic_topic.h"

#include "counted_loop.h"
#include "golden/golden_model.h"
#include "palette.h"

AnalyticTopic::AnalyticTopic(Form1 &form)
    : form(form)
{ }

void AnalyticTopic::draw()
{
    Plotter &plot = *form.plot;
    Surface &s = form.Picture1->surface();
    const double phi = form.phi;

    plot.set_bounds(-2, 2, -2, 2);
    plot.graph_frame(QStringLiteral("k"), 1, 1);
    plot.print_at(1.3, 1, QStringLiteral(" y = k² - k - 1 "));

    plot.print_on_side_panel(5,
        {
            { 5, tr("GIVEN  y0") },
            { 15, tr("Find k so that :") },
            { 25, QStringLiteral("y1 = k . y0") },
            { 35, tr("y2 = k . y1   and   y2 = y1 + y0") },
            { 50, tr("SOLUTION    k² - k - 1 = 0") },
            { 60, QStringLiteral("k1 = ( 1 + sqrt(5) ) / 2  = phi") },
            { 70, QStringLiteral("k2 = ( 1 - sqrt(5) ) / 2  = -1 / phi") },
        });

    for_single(-0.8f, 2, 0.002f, [&](float k) { s.PSet(k, golden::parabola(k), QBColor(9)); });
    // The axis of symmetry k = 1/2, halfway between the roots.
    plot.styled_line(0.5, 1, 0.5, -2, 5, 2);
    plot.point_marker(0.5, 0, QString(), 0);
    plot.point_marker(-1 / phi, 0, QString(), 0);
    plot.point_marker(phi, 0, QString(), 0);

    plot.print_at(-1 / phi - 0.12, -0.1, QStringLiteral("-1/phi"));
    plot.print_at(phi, -0.1, QStringLiteral("phi"));
    plot.print_at(phi - 0.1, 0.15, QStringLiteral("k1"));
    plot.print_at(-1 / phi, 0.15, QStringLiteral("k2"));
    plot.print_at(
        0.45, -0.09, with_decimal_separator(QStringLiteral("0.5"), form.decimal_separator));
}

QString AnalyticTopic::description() const
{
    const double phi = form.phi;
    return tr("The parabola y = k\u00b2 - k - 1 for k from -0.8 to 2, crossing zero at "
              "k1 = phi = %1 and k2 = -1/phi = %2, with its axis at k = 0.5")
        .arg(form.spoken(phi), form.spoken(-1 / phi));
}
