#pragma once

#include "sequence/sequence_model.h"
#include "topic.h"

#include <QCoreApplication>

struct Form1;

// Topic 14: the rabbit problem as a table of pairs by age (upwards) and month (to the right),
// filled up to the month chosen with "<" and ">"; the monthly totals are the Fibonacci numbers.
class RabbitTopic final : public Topic
{
    Q_DECLARE_TR_FUNCTIONS(RabbitTopic)

public:
    explicit RabbitTopic(Form1 &form);
    void draw() override { draw_rabbit_diagram(); }
    QString description() const override;
    void connect_controls() override;

private:
    void draw_rabbit_diagram();
    void print_side_panel();
    void print_labels();
    void draw_grid();
    void print_numbers(const sequence::Breeding &breeding);

    void Command4_Click(); // one month back
    void Command5_Click(); // one month forward

    Form1 &form;
    int rabbit_last_month = 12; // the table's last month N
    int rabbit_month = 0; // the month m up to which the table is filled, 0 .. N
};
