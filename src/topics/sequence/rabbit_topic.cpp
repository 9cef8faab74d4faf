#include "sequence/rabbit_topic.h"

#include "form1.h"
#include "numtext.h"
#include "palette.h"
#include "sequence/sequence_model.h"

#include <QStringList>

using sequence::xpos;
using sequence::ypos;

RabbitTopic::RabbitTopic(Form1 &form)
    : form(form)
{ }

void RabbitTopic::connect_controls()
{
    QObject::connect(form.Command4, &QAbstractButton::clicked, [this] { Command4_Click(); });
    QObject::connect(form.Command5, &QAbstractButton::clicked, [this] { Command5_Click(); });
}

void RabbitTopic::Command4_Click()
{
    rabbit_month = sequence::step_month(rabbit_month, -1, rabbit_last_month);
    draw_rabbit_diagram();
}

void RabbitTopic::Command5_Click()
{
    rabbit_month = sequence::step_month(rabbit_month, 1, rabbit_last_month);
    draw_rabbit_diagram();
}

void RabbitTopic::draw_rabbit_diagram()
{
    Plotter &plot = *form.plot;
    const int N = rabbit_last_month;

    plot.Form1.Cls();
    plot.draw_rabbit(9600, 4300, 0.3);
    plot.draw_rabbit(10600, 4300, 0.3);
    form.Label10->set_caption(tr("month") + form.str_form(rabbit_month));
    const sequence::Breeding breeding = sequence::breed(N);

    plot.Picture1.Cls();
    plot.Picture1.Scale(0, 100, 100, 0);
    plot.print_at(xpos(-3), ypos(N + 2) + 2, tr("FIBONACCI'S RABBITS"));
    print_side_panel();
    print_labels();
    draw_grid();
    print_numbers(breeding);
}

void RabbitTopic::print_side_panel()
{
    Plotter &plot = *form.plot;
    plot.print_on_side_panel(2,
        {
            { 5, tr("The Fibonacci sequence of numbers 1, 1, 2, 3, 5, 8,...") },
            { 10, tr("was found by Leonardo of Pisa, called Fibonacci,") },
            { 15, tr("an Italian mathematician born around 1175.") },
            { 20, tr("The sequence of the numbers are following the") },
            { 25, tr("relationchip") },
            { 35, QStringLiteral("                F(i+2) = F(i+1) + F(i)") },
            { 50, tr("Every female rabbit always produces one pair newly") },
            { 55, tr("born rabbis every month from the second month on.") },
            { 60, tr("At month 0 there is one newly born pair of rabbits") },
            { 65, tr("The rabbits never DIE") },
            { 70, tr("Who created the first pair ???") },
        });
}

void RabbitTopic::print_labels()
{
    Plotter &plot = *form.plot;
    const int N = rabbit_last_month;
    plot.print_at(xpos(-3.3), ypos(N + 0.5), tr("Rabbits Age"));
    plot.print_at(xpos(-3.3), ypos(N), tr("(Month's)"));
    plot.print_at(xpos(N + 1), ypos(N + 1), tr("Month"));
    plot.print_at(xpos(5), ypos(N + 2), tr("----- Time --->"));
    plot.print_at(xpos(-3.3) - 3, ypos(1), tr("Age one month"));
    plot.print_at(xpos(-3.3) - 3, ypos(0), tr("Newly - BORN"));
    plot.print_at(xpos(-2), ypos(-2), tr("TOTAL"));
    plot.print_at(xpos(4), ypos(-3), tr("Fibonacci Numbers  F(i)"));
    plot.print_at(xpos(4), ypos(-3.8), QStringLiteral("    F(i+2) = F(i+1) + F(i)"));
    plot.print_at(xpos(-0.2), ypos(-0.8), tr("Start"));
    plot.print_at(xpos(4) + 2, ypos(-1), tr("PAIRS of RABBITS"));
    plot.print_at(xpos(N + 2) + 1, ypos(3), tr("Sum"));
    plot.print_at(xpos(-3.3) - 3, ypos(2), tr("Start Reprod."));
}

void RabbitTopic::draw_grid()
{
    Surface &s = form.plot->Picture1;
    const int N = rabbit_last_month;
    const QRgb cyan = QBColor(11), black = QBColor(0), red = QBColor(12);
    using Box = Surface::Box;

    // The rows of the pairs old enough to breed, and the columns above the newborn row.
    s.Line(xpos(0) - 1.5, ypos(2) - 3.5, xpos(N + 1) - 1, ypos(N) + 1.5, cyan, Box::Outline);
    for (int k = 1; k <= N + 1; ++k)
        s.Line(xpos(k) - 1, ypos(1) - 3.5, xpos(k) - 1, ypos(N) + 2, cyan);
    // The newborn row from month 1 on.
    for (int k = 1; k <= N; ++k)
        s.Line(xpos(k) - 1, ypos(0) - 3.5, xpos(k) - 1, ypos(0) + 1.5, black);
    s.Line(xpos(1) - 1, ypos(0) - 3.5, xpos(N + 1) - 1, ypos(0) + 1.5, black, Box::Outline);
    // The bracket that gathers the ages 0 .. 6 towards "Sum".
    s.Line(xpos(N + 2), ypos(0), xpos(N + 2), ypos(6), black);
    s.LineStep(xpos(N + 2), ypos(6), -5, 0, black);
    s.LineStep(xpos(N + 2), ypos(0), -5, 0, black);
    // The TOTAL row, the first pair and the current month.
    s.Line(xpos(0) - 1.5, ypos(-2) - 3.5, xpos(N + 1), ypos(-2) + 1.5, red, Box::Outline);
    s.Circle(xpos(0) + 1, ypos(0) - 1, 2, QBColor(10));
    s.Circle(xpos(rabbit_month) + 1.2, ypos(N + 1) - 1, 2, red);
}

void RabbitTopic::print_numbers(const sequence::Breeding &breeding)
{
    Plotter &plot = *form.plot;
    const int N = rabbit_last_month;

    for (int n = 0; n <= N; ++n)
        plot.print_at(xpos(-1), ypos(n), form.str_form(n));
    for (int t = 0; t <= N; ++t)
        plot.print_at(xpos(t), ypos(N + 1), form.str_form(t));
    // Only the months up to the current one are filled in.
    for (int t = 0; t <= rabbit_month; ++t) {
        for (int n = 0; n <= t; ++n)
            plot.print_at(
                xpos(t), ypos(n), form.str_form(breeding.pairs[std::size_t(t)][std::size_t(n)]));
        plot.print_at(xpos(t), ypos(-2), form.str_form(breeding.total[std::size_t(t)]));
    }
}

QString RabbitTopic::description() const
{
    const sequence::Breeding breeding = sequence::breed(rabbit_last_month);
    QStringList totals;
    for (int t = 0; t <= rabbit_month; ++t)
        totals << form.spoken(breeding.total[std::size_t(t)]);
    const int pairs = int(breeding.total[std::size_t(rabbit_month)]);
    return tr("Fibonacci's rabbits, month %1 of %2: %n pairs of rabbits; the totals month "
              "by month, the Fibonacci numbers: %3",
        nullptr, pairs)
        .arg(rabbit_month)
        .arg(rabbit_last_month)
        .arg(form.value_list(totals));
}
