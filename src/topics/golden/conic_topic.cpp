#include "golden/conic_topic.h"

#include "counted_loop.h"
#include "golden/golden_model.h"
#include "numtext.h"
#include "palette.h"

#include <cmath>
#include <numbers>

ConicTopic::ConicTopic(Form1 &form)
    : form(form)
{ }

void ConicTopic::draw()
{
    Plotter &plot = *form.plot;
    Surface &s = form.Picture1->surface();
    const double phi = form.phi;
    const float pi = form.pi;

    plot.set_bounds(-2, 2, -2, 2);
    plot.graph_frame(QStringLiteral("x"), 1, 1);
    const float ro = float(1 / phi);
    const float H = float(std::sqrt(phi));

    // Semi-axes phi and sqrt(phi): the foci lie at +-1.
    s.FillColor = QBColor(14);
    s.FillStyle = 4;
    s.Circle(0, 0, phi, {}, {}, {}, std::sqrt(phi) / phi);
    s.FillStyle = 1;
    s.Circle(0, 0, phi, QBColor(7));
    s.Line(-phi, -phi, phi, phi, QBColor(7), Surface::Box::Outline);

    plot.point_marker(1, 0, QStringLiteral("F1"), 0);
    plot.point_marker(-1, 0, QStringLiteral("F2"), 0);
    plot.point_marker(0, H, QString(), 0);
    // The pyramid: half-width 1 and height sqrt(phi), so each slanted side is phi long.
    plot.styled_line(1, 0, 0, H, 10, 0);
    plot.styled_line(-1, 0, 0, H, 10, 0);
    plot.styled_line(-1, 0, 1, 0, 10, 0);
    s.Line(-1, -H, 1, H, QBColor(7), Surface::Box::Outline);
    s.Line(-1, -1, 1, 1, QBColor(12), Surface::Box::Outline);

    plot.print_at(0.05, 0.55, QStringLiteral("H"));
    plot.print_at(0.4, -0.08, QStringLiteral("W / 2"));
    plot.print_at(0.56, 0.7, QStringLiteral("phi"));
    plot.print_at(0.05, H + 0.1, QStringLiteral("sqrt(phi)"));
    plot.print_at(phi, -0.02, QStringLiteral("phi"));
    plot.print_at(0.85, 0.6, QStringLiteral("p=1"));
    plot.print_at(1.3, 0.1, QStringLiteral("ro"));

    plot.print_on_side_panel(2, 5, tr("The polar equation of a conic section is :"));
    plot.print_on_side_panel(5,
        {
            { 15, tr("r = p /( 1 + e cos(h) )   with     p = ro( 1 + e )") },
            { 25, tr("If the eccentricity  e < 1 you get an ellipse.") },
            { 35, tr("If e = 1/phi and the radius ro = 1/phi you get a") },
            { 40, tr("GOLDEN ELLIPSE with a semi major axis phi") },
            { 45, tr("and a semi minor axis H = sqrt(phi)") },
            { 55, tr("Note :") },
            { 60, tr("The Great Piramid of Gizeh = Green ") },
            { 65, tr("Width = 440 el    Height = 280 el     1 el = 0.5237 m") },
            { 70, tr("The error in Height only 8 cm") },
            { 80, tr("If e = phi you get a GOLDEN HYPERBOLA. If the") },
            { 85, tr("radius ro = 1/phi then p = phi") },
        });

    plot.print_at(-0.4, -1.3, tr("GOLDEN  ELLIPSE"));
    const float base_angle = golden::pyramid_angle(phi, pi);
    plot.print_at(-0.86, 0.12, form.format_number(base_angle, u"#00.000") + QStringLiteral("°"));

    // With e = phi and ro = 1/phi the semi-latus rectum p = ro (1 + e) is phi again.
    const float p = float((phi + 1) * ro);
    for_single(-95, 95, 0.1f, [&](float h) {
        const golden::SinglePoint q = golden::conic_point(p, h, phi, pi);
        s.PSet(q.x, q.y, QBColor(0));
        s.PSet(-q.x, q.y, QBColor(0));
    });
    const golden::SinglePoint top = golden::conic_point(p, 90, phi, pi);
    plot.point_marker(-top.x, top.y, QStringLiteral("P"), 0);
    plot.styled_line(1, 1, 1, H, 0, 2);
    plot.print_at(-0.15, top.y + 0.1, QStringLiteral("phi"));
    plot.print_at(1.1, -1.8, tr("GOLDEN  HYPERBOLA"));
    plot.point_marker(1, H, QStringLiteral("N"), 0);

    // The asymptotes y = +-sqrt(phi) x.
    plot.styled_line(-1.6, -1.6 * H, 1.6, 1.6 * H, 0, 2);
    plot.styled_line(-1.6, 1.6 * H, 1.6, -1.6 * H, 0, 2);
    plot.point_marker(phi, 0, QString(), 0);
    plot.point_marker(-phi, 0, QStringLiteral("F4"), 0);
    plot.print_at(phi + 0.05, 0.8, QStringLiteral("p=phi"));
    plot.print_at(1.2, 2.1, tr("asymptot hyperbola"));
}

QString ConicTopic::description() const
{
    const double phi = form.phi, H = std::sqrt(phi);
    return tr("Golden ellipse with the semi-axes phi = %1 and sqrt(phi) = %2 and the "
              "foci F1 and F2 at 1 and -1; the green pyramid triangle with a base "
              "angle of %3\u00b0; the golden hyperbola with the vertices -1 and 1, "
              "the foci at -%1 and %1 and the asymptotes y = %2 x and y = -%2 x")
        .arg(form.spoken(phi), form.spoken(H), form.spoken(std::atan(H) * 180 / std::numbers::pi));
}
