#include "sequence/graph_p_topic.h"

#include "form1.h"
#include "numtext.h"
#include "sequence/sequence_panels.h"

GraphPTopic::GraphPTopic(Form1 &form, const SequencePanels &sequence)
    : form(form)
    , sequence(sequence)
{ }

void GraphPTopic::draw_graph_p()
{
    Plotter &plot = *form.plot;
    const sequence::Terms &F = sequence.F;
    const double phi = form.phi;

    plot.set_bounds(-40, 40, -30, 50);
    plot.graph_frame(QStringLiteral("x"), 10, 10);
    plot.print_at(plot.x_min + 1, plot.y_max - 1, QStringLiteral("Pi ( F(i), F(i+1) )"));

    // Each point with a dotted drop line to the x axis and a small circle marking F(i) there.
    for (int i = -10; i <= 10; ++i) {
        plot.point_marker(F(i), F(i + 1), form.str_form(i), 9);
        plot.styled_line(F(i), 0, F(i), F(i + 1), 8, 2);
        plot.Picture1.Circle(F(i), 0, 0.2);
    }

    plot.print_at(6, 18, QStringLiteral("y = phi * x"));
    plot.print_at(-20, 14, QStringLiteral("y = -1/phi * x"));
    plot.styled_line(plot.x_min, plot.x_min * phi, plot.x_max, plot.x_max * phi, 12, 0);
    plot.styled_line(plot.x_min, -plot.x_min / phi, plot.x_max, -plot.x_max / phi, 12, 0);
}

QString GraphPTopic::description() const
{
    const sequence::RatioLimits limits = sequence::ratio_limits(sequence.F0, sequence.F1, form.phi);
    QString text = tr("Graph P: the points P(i) = (F(i), F(i+1)) for i = -10 to 10, ")
        + spoken_start_values(sequence.F0, sequence.F1, form.decimal_separator)
        + QStringLiteral("; ");
    const auto line = [](double limit) {
        return limit > 0 ? QStringLiteral("y = phi x") : QStringLiteral("y = -x/phi");
    };
    if (!limits.exists)
        return text + tr("every point is the origin");
    if (limits.growing == limits.falling)
        return text + tr("every point lies on the line ") + line(limits.growing);
    return text
        + tr("the points approach the line %1 for growing i and the line %2 for "
             "falling i")
              .arg(line(limits.growing), line(limits.falling));
}
