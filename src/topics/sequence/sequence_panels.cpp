#include "sequence/sequence_panels.h"

#include "form1.h"
#include "numtext.h"
#include "topic.h"

#include <cmath>

namespace {

constexpr char16_t value_format[] = u"###0.00000";
constexpr char16_t ratio_format[] = u"###0.0000000";

// A start value moves by this much per press of a table button.
constexpr double start_value_step = 0.2;

// The table lists F(i) for i = -10 .. 10; row k holds i = k - 10.
constexpr int table_rows = 21;
constexpr int first_table_index = -10;

} // namespace

QString table_value(double value, QChar separator)
{
    return with_decimal_separator(format_number(value, value_format), separator);
}

QString ratio_caption(const sequence::Terms &F, int i, QChar separator)
{
    QString caption = table_value(F(i + 1), separator) + QStringLiteral(" / ")
        + with_decimal_separator(format_number(F(i), u"#0.0000"), separator);
    // A divisor this small would give a meaningless quotient, an exact zero none at all.
    if (std::abs(F(i)) < 0.0001)
        return caption + QCoreApplication::translate("SequencePanels", " = infinite ");
    return caption + QStringLiteral(" = ")
        + with_decimal_separator(format_number(F(i + 1) / F(i), ratio_format), separator);
}

SequencePanels::SequencePanels(Form1 &form)
    : form(form)
{ }

void SequencePanels::connect_controls()
{
    form.ComM.on_click([this](int i) { ComM_Click(i); });
    form.ComP.on_click([this](int i) { ComP_Click(i); });
    QObject::connect(form.Command1, &QAbstractButton::clicked, [this] { Command1_Click(); });
    QObject::connect(form.Command2, &QAbstractButton::clicked, [this] { Command2_Click(); });
    form.Label1.on_click([this](int i) { Label1_Click(i); });
    QObject::connect(form.Label7, &Label::clicked, [this] { Label7_Click(); });
    QObject::connect(form.Label8, &Label::clicked, [this] { Label8_Click(); });
}

void SequencePanels::classic_start()
{
    F0 = 1;
    F1 = 1;
    recompute_sequence();
}

void SequencePanels::recompute_sequence()
{
    compute_sequence(F0, F1);
    fill_table();
}

void SequencePanels::compute_sequence(double a, double b) { F = sequence::compute(a, b); }

void SequencePanels::fill_table()
{
    for (int k = 0; k < table_rows; ++k) {
        const int i = k + first_table_index;
        form.Labi[k].set_caption(form.plain_form(i));
        form.Label1[k].set_caption(table_value(F(i), form.decimal_separator));
    }
}

void SequencePanels::show_ratio()
{
    const int i = ratio_index;
    form.Label5->set_caption(QStringLiteral("i =") + form.plain_form(i));
    form.Label6->set_caption(ratio_caption(F, i, form.decimal_separator));
}

void SequencePanels::start_values_changed()
{
    recompute_sequence();
    form.show_topic();
    show_ratio();
}

void SequencePanels::ComM_Click(int index)
{
    double &value = index == 0 ? F0 : F1;
    value = sequence::step_start_value(value, -start_value_step);
    start_values_changed();
}

void SequencePanels::ComP_Click(int index)
{
    double &value = index == 0 ? F0 : F1;
    value = sequence::step_start_value(value, start_value_step);
    start_values_changed();
}

void SequencePanels::Command1_Click()
{
    ratio_index = sequence::step_ratio_index(ratio_index, -1);
    show_ratio();
}

void SequencePanels::Command2_Click()
{
    ratio_index = sequence::step_ratio_index(ratio_index, 1);
    show_ratio();
}

void SequencePanels::Label1_Click(int index)
{
    // Only the rows of F(0) and F(1) answer a click.
    if (index != 10 && index != 11)
        return;
    classic_start();
    form.show_topic();
    show_ratio();
}

void SequencePanels::Label7_Click()
{
    F0 = 1;
    F1 = form.phi;
    start_values_changed();
}

void SequencePanels::Label8_Click()
{
    F0 = 1;
    F1 = -1 / form.phi;
    start_values_changed();
}

QString spoken_start_values(double F0, double F1, QChar separator)
{
    return QCoreApplication::translate("SequencePanels", "start values F(0) = %1 and F(1) = %2")
        .arg(with_decimal_separator(spoken(F0, 5), separator),
            with_decimal_separator(spoken(F1, 5), separator));
}

QString spoken_limit(double limit, double phi, QChar separator)
{
    return limit > 0
        ? QStringLiteral("phi = ") + with_decimal_separator(spoken(phi), separator)
        : QStringLiteral("-1/phi = ") + with_decimal_separator(spoken(-1 / phi), separator);
}
