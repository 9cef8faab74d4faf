#include "sequence/sequence_graph_topic.h"

#include "counted_loop.h"
#include "form1.h"
#include "numtext.h"
#include "palette.h"
#include "sequence/phi_power.h"
#include "sequence/sequence_panels.h"

SequenceGraphTopic::SequenceGraphTopic(Form1 &form, const SequencePanels &sequence)
    : form(form)
    , sequence(sequence)
{ }

void SequenceGraphTopic::draw_sequence_graph()
{
    Plotter &plot = *form.plot;
    const sequence::Terms &F = sequence.F;

    plot.set_bounds(-10, 10, -30, 60);
    plot.graph_frame(QStringLiteral("x"), 10, 2);

    // The curve as single points; x accumulates 0.01 in single precision, so it ends at about
    // 9.990 after 1000 points and never reaches 10.
    for_single(0, 10, 0.01f, [&](float x) {
        const float y = float(phi_power(F(0), x, form.phi));
        plot.Picture1.PSet(x, y, QBColor(12));
    });

    // Terms from the top of the window upwards are left out; those below its bottom are clipped.
    for (int i = -10; i <= 10; ++i) {
        const float value = float(F(i));
        if (value < plot.y_max) {
            plot.point_marker(i, value, form.str_form(i), 9);
            plot.styled_line(i, 0, i, value, 8, 2);
        }
    }

    plot.print_at(plot.x_min, plot.y_max - 3, QStringLiteral(" y = F(i)      x = i"));
    plot.print_at(0.2, plot.y_max + 0.1, QStringLiteral("y"));
    plot.print_at(1.6, 56, QStringLiteral("y = F(0) . phi ^ x "));
}

QString SequenceGraphTopic::description() const
{
    const double phi = form.phi;
    const sequence::RatioLimits limits = sequence::ratio_limits(sequence.F0, sequence.F1, phi);
    QString text = tr("Graph y = F(i) for i = -10 to 10, ")
        + spoken_start_values(sequence.F0, sequence.F1, form.decimal_separator)
        + tr(", with the curve y = %1 phi^x; ").arg(form.spoken(sequence.F0, 5));
    if (!limits.exists)
        return text + tr("every F(i) is 0");
    if (limits.growing > 0)
        return text
            + tr("for growing i the points grow like the curve, F(i+1)/F(i) "
                 "approaching ")
            + spoken_limit(limits.growing, phi, form.decimal_separator);
    return text
        + tr("for growing i the points shrink towards 0 with alternating signs, "
             "F(i+1)/F(i) being ")
        + spoken_limit(limits.growing, phi, form.decimal_separator);
}
