#include "golden/exponential_topic.h"

#include "counted_loop.h"
#include "golden/golden_model.h"
#include "numtext.h"
#include "palette.h"
#include "sequence/phi_power.h"

ExponentialTopic::ExponentialTopic(Form1 &form)
    : form(form)
{ }

void ExponentialTopic::connect_controls()
{
    form.ComQ.on_click([this](int i) { ComQ_Click(i); });
    form.ComZ.on_click([this](int i) { ComZ_Click(i); });
}

void ExponentialTopic::ComQ_Click(int index)
{
    if (index == 0)
        exp_x = golden::step_down(exp_x, -2);
    else if (index == 1)
        exp_y0 = golden::step_down(exp_y0, 0.2f);
    draw();
}

void ExponentialTopic::ComZ_Click(int index)
{
    if (index == 0)
        exp_x = golden::step_up(exp_x, 4);
    else if (index == 1)
        exp_y0 = golden::step_up(exp_y0, 2);
    draw();
}

void ExponentialTopic::draw()
{
    Plotter &plot = *form.plot;
    Surface &s = form.Picture1->surface();
    const double phi = form.phi;
    const auto y = [this, phi](double t) { return phi_power(exp_y0, t, phi); };

    form.LabQ[0].set_caption(form.format_number(exp_x, u"0.0"));
    form.LabQ[1].set_caption(form.format_number(exp_y0, u"0.0"));
    plot.set_bounds(-2, 8, -1, 9);
    plot.graph_frame(QStringLiteral("x"), 1, 1);
    for_double(-3, 6, 0.01, [&](double t) { s.PSet(t, y(t), QBColor(1)); });

    plot.print_on_side_panel(5,
        {
            { 5, tr("Exponential function ") },
            { 15, QStringLiteral("y = yo . phi ^ x ") },
            { 25, tr("y = yo . e ^ k.x    with  k = ln(phi)") },
            { 40, QStringLiteral("a / b = b / ( a + b ) = 1 / phi") },
            { 50, QStringLiteral("c = a + b") },
            { 60, QStringLiteral("b = phi . a") },
            { 70, QStringLiteral("c = phi . b") },
        });

    for_double(-3, 5, 1, [&](double t) { s.Circle(t, y(t), 0.03); });

    // Successive values one unit apart grow by phi, so a = y(x+1) - y(x) = y(x-1) and b = y(x).
    const float x = exp_x;
    const double ym = y(float(x - 1));
    const double yP = y(x);
    form.LabQ[2].set_caption(form.format_number(yP, u"#0.00000"));
    const double y1 = y(float(x + 1));
    const double y2 = y(float(x + 2));

    plot.point_marker(x, 0, QString(), 0);
    plot.point_marker(x, yP, QStringLiteral(" P"), 9);
    plot.styled_line(0, yP, x, yP, 0, 2);
    plot.point_marker(0, yP, QString(), 0);
    plot.point_marker(x, y1, QString(), 0);
    plot.point_marker(x, y2, QString(), 0);
    plot.styled_line(x, y1, x + 1, y1, 0, 2);
    plot.styled_line(x, y2, x + 2, y2, 0, 2);
    plot.styled_line(x, 0, x, yP, 9, 2);
    plot.styled_line(x, yP, x, y1, 12, 0);
    plot.styled_line(x, y1, x, y2, 9, 0);
    plot.styled_line(x - 1, 0, x - 1, ym, 12, 2);
    plot.styled_line(x + 1, 0, x + 1, y1, 10, 2);

    plot.print_at(-0.5, exp_y0 + 0.15, QStringLiteral("yo"));
    plot.print_at(x - 0.2, (yP + y1) / 2 + 0.1, QStringLiteral("a"));
    plot.print_at(x - 0.2, (y1 + y2) / 2 + 0.1, QStringLiteral("b"));
    plot.print_at(x - 1.2, ym / 2 + 0.1, QStringLiteral("a"));
    plot.print_at(x - 0.2, yP / 2 + 0.1, QStringLiteral("b"));
    plot.print_at(x + 0.8, y1 / 2 + 0.1, QStringLiteral("c"));
}

QString ExponentialTopic::description() const
{
    const double phi = form.phi;
    const auto y = [this, phi](double t) { return phi_power(exp_y0, t, phi); };
    const float x = exp_x;
    const double yP = y(x), y1 = y(float(x + 1)), y2 = y(float(x + 2));
    return tr("Exponential function y = %1 phi^x with the point P at x = %2, y = %3; "
              "above it a = %4 and b = %5, beside it c = a + b = %6, with b = phi a "
              "and c = phi b")
        .arg(form.format_number(exp_y0, u"0.0"), form.format_number(exp_x, u"0.0"),
            form.format_number(yP, u"#0.00000"), form.spoken(y1 - yP), form.spoken(y2 - y1),
            form.spoken(y1));
}
