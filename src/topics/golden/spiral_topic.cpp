#include "golden/spiral_topic.h"

#include "counted_loop.h"
#include "golden/golden_model.h"
#include "palette.h"

#include <array>
#include <cmath>

SpiralTopic::SpiralTopic(Form1 &form)
    : form(form)
{ }

void SpiralTopic::draw()
{
    Plotter &plot = *form.plot;
    Surface &s = form.Picture1->surface();
    const double phi = form.phi;
    const float pi = form.pi;

    plot.set_bounds(-3, 7, -6, 4);
    plot.graph_frame(QStringLiteral("x"), 1, 1);

    // The single-precision counter drifts: the last of the 6,500 points is at h = 369.92.
    for_single(-280, 370, 0.1f, [&](float h) {
        const golden::SinglePoint q = golden::spiral_point(h, phi, pi);
        s.PSet(q.x, q.y, QBColor(13));
    });

    // Quarter-turn points P(-3) .. P(5), kept at index i + 3.
    std::array<golden::Point, 9> P;
    const auto at = [&P](int i) -> golden::Point & { return P[std::size_t(i + 3)]; };
    for (int i = -3; i <= 5; ++i) {
        at(i) = golden::quarter_turn_point(i, phi, pi);
        plot.point_marker(at(i).x, at(i).y, QString(), 0);
    }
    for (int i = -3; i <= 2; ++i)
        plot.styled_line(at(i).x, at(i).y, at(i + 3).x, at(i + 3).y, 9, 2);
    for (int i = -3; i <= 3; ++i)
        plot.styled_line(at(i).x, at(i).y, at(i + 1).x, at(i + 1).y, 9, 0);

    plot.print_at(0.2, phi + 0.2, QStringLiteral("phi"));
    plot.print_at(0.45, 0.25, QStringLiteral("ro"));
    plot.print_at(2, 3, tr("GOLDEN  SPIRAL"));

    plot.print_on_side_panel(5,
        {
            { 5, tr("The polar equation of a golden spiral is :") },
            { 15, QStringLiteral("       r = ro . phi ^(h° /90°)") },
            { 35, QStringLiteral("       phi² = phi + 1") },
            { 45, QStringLiteral("       1 /phi = phi - 1") },
        });
}

QString SpiralTopic::description() const
{
    const double phi = form.phi;
    return tr("Golden spiral r = phi^(h / 90\u00b0) about the origin: the radius grows by "
              "phi = %1 every quarter turn; the points at whole quarter turns, from "
              "r = %2 to r = %3, are joined by chords")
        .arg(form.spoken(phi), form.spoken(std::pow(phi, -3)), form.spoken(std::pow(phi, 4)));
}
