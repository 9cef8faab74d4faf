#include "sequence/ratio_graph_topic.h"

#include "form1.h"
#include "numtext.h"
#include "palette.h"
#include "sequence/sequence_panels.h"

#include <cmath>

RatioGraphTopic::RatioGraphTopic(Form1 &form, const SequencePanels &sequence)
    : form(form)
    , sequence(sequence)
{ }

void RatioGraphTopic::draw_ratio_graph()
{
    Plotter &plot = *form.plot;
    const sequence::Terms &F = sequence.F;
    const double phi = form.phi;

    plot.set_bounds(-10, 10, -1, 2.4f);
    plot.graph_frame(QStringLiteral("x"), 1, 2);

    plot.print_at(1, phi, QStringLiteral("phi"));
    plot.Picture1.LineStep(-10, phi, 20, 0, QBColor(12));
    plot.print_at(1, -1 / phi, QStringLiteral("-1/phi"));
    plot.Picture1.LineStep(-10, -1 / phi, 20, 0, QBColor(12));

    // A term this close to zero (judged in single precision) has no ratio worth plotting.
    for (int i = -10; i <= 10; ++i) {
        if (float(std::abs(F(i))) > 0.001f) {
            const double q = F(i + 1) / F(i);
            plot.point_marker(i, q, form.str_form(i), 9);
        }
    }

    plot.print_at(plot.x_min, plot.y_max, QStringLiteral(" y = F(i+1) / F(i)      x = i"));
    plot.print_at(0.2, plot.y_max + 0.1, QStringLiteral("y"));
    plot.print_at(2, 2.4, tr("If  i = + infinite  Then F(i+1) / F(i) =  phi"));
}

QString RatioGraphTopic::description() const
{
    const sequence::Terms &F = sequence.F;
    const double phi = form.phi;
    const sequence::RatioLimits limits = sequence::ratio_limits(sequence.F0, sequence.F1, phi);
    QString text = tr("Ratio graph F(i+1)/F(i) for i = -10 to 10, ")
        + spoken_start_values(sequence.F0, sequence.F1, form.decimal_separator)
        + QStringLiteral("; ");
    if (!limits.exists)
        text += tr("every F(i) is 0, so there is no ratio to draw");
    else if (limits.growing == limits.falling)
        text +=
            tr("every point lies on ") + spoken_limit(limits.growing, phi, form.decimal_separator);
    else
        text += tr("the points approach %1 for growing i and %2 for falling i")
                    .arg(spoken_limit(limits.growing, phi, form.decimal_separator),
                        spoken_limit(limits.falling, phi, form.decimal_separator));
    QStringList left_out;
    for (int i = -10; i <= 10; ++i)
        if (limits.exists && !(float(std::abs(F(i))) > 0.001f))
            left_out << QString::number(i);
    if (!left_out.isEmpty())
        text += tr("; no point for i = %1, where F(i) is 0").arg(form.value_list(left_out));
    return text;
}
