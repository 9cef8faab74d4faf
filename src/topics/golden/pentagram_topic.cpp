#include "golden/pentagram_topic.h"

#include "golden/golden_model.h"
#include "numtext.h"

PentagramTopic::PentagramTopic(Form1 &form)
    : form(form)
{ }

void PentagramTopic::draw()
{
    Plotter &plot = *form.plot;

    plot.set_bounds(-1, 2, -1, 2);
    plot.graph_frame(QStringLiteral("x"), 1, 1);
    plot.print_at(plot.x_min, plot.y_max, tr("PENTAGRAM"));

    // A lies on the diagonal p1p3, 36 degrees above p1p2, at distance 1 from p1, where p2p4
    // crosses it: the triangles A p2 p1 and p1 p2 p4 are similar, so A cuts p2p4 into 1/phi and 1.
    const golden::Point crossing = golden::polar_point(1, 36, form.pi);
    const golden::SinglePoint A { float(crossing.x), float(crossing.y) };
    plot.point_marker(A.x, A.y, QStringLiteral("A"), 0);

    const golden::PentagonCorners p = golden::pentagon_corners(form.pi);
    for (int i = 1; i <= 5; ++i) {
        plot.point_marker(p[i].x, p[i].y, QStringLiteral("p") + form.plain_form(i), 0);
        plot.styled_line(p[i].x, p[i].y, p[i + 1].x, p[i + 1].y, 12, 0);
    }
    static constexpr int diagonals[5][2] = { { 2, 4 }, { 1, 4 }, { 3, 5 }, { 1, 3 }, { 2, 5 } };
    for (const auto &[from, to] : diagonals)
        plot.styled_line(p[from].x, p[from].y, p[to].x, p[to].y, 11, 0);

    plot.print_at(0.2, 0.8, QStringLiteral("phi"));
    plot.print_at(0.1, 0.22, QStringLiteral("36°"));
    plot.print_at(0.18, 0.1, QStringLiteral("36°"));
    plot.print_at(p[4].x - 0.05, p[4].y - 0.2, QStringLiteral("36°"));
    plot.print_at(0.5, -0.05, QStringLiteral("b"));
    plot.print_at(0.7, 1, QStringLiteral("b"));
    plot.print_at(0.92, 0.35, QStringLiteral("a"));

    plot.print_on_side_panel(1,
        {
            { 5, tr("The line p2p4 has a lenght c") },
            { 15, QStringLiteral("       c = a + b") },
            { 25, tr("Triangle A,p2,p1  and  p1,p2,p4 :") },
            { 35, QStringLiteral("       a / b = b / c") },
            { 45, tr("Point A : Divide line p2,p4 in mean and extreme ratio") },
            { 55, QStringLiteral("       a / b = b / ( a + b )") },
            { 65, tr("If  b = 1  then  c = phi  and   a = 1/phi") },
        });
}

QString PentagramTopic::description() const
{
    const double phi = form.phi;
    return tr("Pentagram: a regular pentagon p1 to p5 of side 1 with its five "
              "diagonals of length phi = %1; their crossing point A divides the "
              "diagonal p2p4 into a = %2 and b = 1, so that a / b = b / (a + b)")
        .arg(form.spoken(phi), form.spoken(1 / phi));
}
