#include "golden/rectangle_topic.h"

#include "counted_loop.h"
#include "golden/golden_model.h"
#include "palette.h"

RectangleTopic::RectangleTopic(Form1 &form)
    : form(form)
{ }

void RectangleTopic::draw()
{
    Plotter &plot = *form.plot;
    Surface &s = form.Picture1->surface();
    const double phi = form.phi;
    const float pi = form.pi;

    plot.set_bounds(-4, 9, -4, 9);
    plot.graph_frame(QStringLiteral("x"), 1, 1);
    const golden::RectangleCorners p = golden::rectangle_corners(phi, pi);

    // The first golden rectangle B..D, then the squares over it, each hiding what it overlaps.
    s.Line(p[1].x, p[1].y, p[3].x, p[3].y, QBColor(14), Surface::Box::Filled);
    for (int i = 0; i <= 3; ++i)
        s.Line(p[i].x, p[i].y, p[i + 3].x, p[i + 3].y, QBColor(10 + i), Surface::Box::Filled);
    for (int i = 0; i <= 3; ++i)
        s.Line(p[i].x, p[i].y, p[i + 3].x, p[i + 3].y, QBColor(0), Surface::Box::Outline);

    // The diagonals EG and DF cross in the pole.
    plot.styled_line(p[4].x, p[4].y, p[6].x, p[6].y, 0, 0);
    plot.styled_line(p[3].x, p[3].y, p[5].x, p[5].y, 0, 0);
    for (int i = 0; i <= 6; ++i)
        plot.point_marker(p[i].x, p[i].y, QString(QChar(65 + i)), 0);
    for (int i = 1; i <= 6; ++i)
        plot.styled_line(p[i - 1].x, p[i - 1].y, p[i].x, p[i].y, 0, 8);

    plot.print_at(1, 9, tr("GOLDEN  RECTANGLE"));
    plot.print_on_side_panel(10,
        {
            { 5, QStringLiteral("AB = 1") },
            { 10, QStringLiteral("BC = phi . AB") },
            { 15, QStringLiteral("CD = phi . BC") },
            { 20, QStringLiteral("DE = phi . CD") },
            { 25, QStringLiteral("EF = ......") },
            { 35, QStringLiteral("DC = CB + BA") },
            { 40, QStringLiteral("ED = DC + CB") },
            { 45, QStringLiteral("FE = ......") },
        });
    plot.print_at(6, 4.2, tr("Golden sprial"));
    plot.print_at(3, 7, tr("Circle"));

    const golden::Point pole = golden::rectangle_pole;
    plot.point_marker(pole.x, pole.y, QStringLiteral("S"), 0);

    // One and a half turns of r = phi^(h/90) about the pole, from next to A to next to G.
    const double h0 = golden::rectangle_spiral_start(phi, pi);
    for_double(h0 - 180, h0 + 360, 0.2, [&](double h) {
        const golden::Point q = golden::rectangle_spiral_point(h, phi, pi);
        s.PSet(q.x, q.y);
    });

    for (int i = 0; i <= 3; ++i) {
        const golden::Arc arc = golden::quarter_arc(p, i, phi, pi);
        s.Circle(arc.centre.x, arc.centre.y, arc.radius, QBColor(15), arc.start, arc.end);
    }
}

QString RectangleTopic::description() const
{
    const double phi = form.phi;
    return tr("Golden rectangle: squares of side 1, phi = %1, phi\u00b2 = %2, phi\u00b3 = %3 "
              "and phi\u2074 = %4 around the corner points A to G, the diagonals EG "
              "and DF crossing in the pole S = (0.276, 0.447), the golden spiral "
              "about S and its approximation by quarter circles")
        .arg(form.spoken(phi), form.spoken(phi * phi), form.spoken(phi * phi * phi),
            form.spoken(phi * phi * phi * phi));
}
