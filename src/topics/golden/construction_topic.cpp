#include "golden/construction_topic.h"

#include "golden/golden_model.h"
#include "palette.h"

#include <cmath>

ConstructionTopic::ConstructionTopic(Form1 &form)
    : form(form)
{ }

void ConstructionTopic::draw()
{
    Plotter &plot = *form.plot;
    Surface &s = form.Picture1->surface();
    const double phi = form.phi;
    const float pi = form.pi;

    plot.set_bounds(-1, 2, -1, 2);
    plot.graph_frame(QStringLiteral("x"), 1, 1);

    s.Line(1, 0, 2, 1, QBColor(11), Surface::Box::Filled);
    s.Line(0, 0, 1, 1, QBColor(14), Surface::Box::Filled);
    s.Line(1, 0, 2, 1, QBColor(0), Surface::Box::Outline);
    s.Line(0, 0, 1, 1, QBColor(0), Surface::Box::Outline);
    s.Line(0, 1, phi, 1, QBColor(0));

    // OE = sqrt 5 and the circle about its midpoint C has radius 1/2, so it cuts the diagonal at
    // OA = (sqrt 5 + 1)/2 = phi and OB = (sqrt 5 - 1)/2 = 1/phi.
    const double g = golden::diagonal_angle(pi);
    const golden::Point A = golden::polar_point(phi, g, pi);
    plot.point_marker(A.x, A.y, QStringLiteral("A"), 0);
    const golden::Point B = golden::polar_point(1 / phi, g, pi);
    plot.point_marker(B.x, B.y, QStringLiteral("B"), 0);
    plot.styled_line(0, 0, 2, 1, 0, 0);

    // The compass carries OA and OB onto the x axis.
    s.Circle(0, 0, phi, QBColor(0), 0, std::atan(0.5));
    s.Circle(0, 0, 1 / phi, QBColor(0), 0, pi);
    s.Circle(1, 0.5, 0.5);
    plot.point_marker(1, 0.5, QStringLiteral("C"), 0);

    plot.print_at(phi - 0.05, -0.05, QStringLiteral("phi"));
    plot.print_at(1 / phi - 0.1, -0.05, QStringLiteral("1/phi"));
    plot.print_at(-1 / phi - 0.1, -0.05, QStringLiteral("-1/phi"));
    plot.point_marker(0, 0, QStringLiteral("O"), 0);
    plot.point_marker(2, 1, QStringLiteral("E"), 0);

    // Below the axis: b = 1, a = 1/phi and c = a + b = phi.
    s.Line(0, -0.2, 1, -0.2, QBColor(7));
    plot.print_at(0.5, -0.2, QStringLiteral("b"));
    plot.styled_line(0, -0.4, phi, -0.4, 13, 0);
    plot.print_at(0.71, -0.4, QStringLiteral("c"));

    plot.print_on_side_panel(3,
        {
            { 5, tr("Euclid Book 6 : Divide a line in mean and extreme ratio") },
            { 15, QStringLiteral("       a / b  =  b / ( a + b )") },
            { 25, QStringLiteral("       b² = a² + a b ") },
            { 35, tr("Grahic construction   phi = ( 1 + sqrt( 5 ) ) / 2 ") },
            { 45, QStringLiteral("OE  = sqrt( 2² + 1² )        OC = OE / 2         CA = 1 / 2") },
            { 55, QStringLiteral("OA  =  OC + CA  =  phi") },
        });

    plot.point_marker(1, -0.2, QString(), 0);
    plot.point_marker(0, -0.2, QString(), 0);
    plot.print_at(2.03, 0.53, QStringLiteral("b"));
    plot.print_at(1.3, -0.22, QStringLiteral("a"));
    plot.styled_line(1, -0.2, phi, -0.2, 10, 0);
    for (const golden::Point m :
        { golden::Point { phi, -0.2 }, golden::Point { 0, -0.4 }, golden::Point { phi, -0.4 },
            golden::Point { phi, 0 }, golden::Point { 1 / phi, 0 }, golden::Point { -1 / phi, 0 } })
        plot.point_marker(m.x, m.y, QString(), 0);
    plot.print_at(
        1.02, 0.25, with_decimal_separator(QStringLiteral("0.5"), form.decimal_separator));
}

QString ConstructionTopic::description() const
{
    const double phi = form.phi;
    return tr("Ruler-and-compass construction of phi: two unit squares side by side, "
              "their diagonal OE = sqrt(5) = %1, the circle of radius 0.5 about its "
              "middle C cutting OE at A, OA = phi = %2, and at B, OB = 1/phi = %3; "
              "below the axis the segments b = 1, a = %3 and c = a + b = %2")
        .arg(form.spoken(std::sqrt(5.0)), form.spoken(phi), form.spoken(1 / phi));
}
