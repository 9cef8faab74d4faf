#pragma once

#include "sequence/sequence_model.h"

#include <QCoreApplication>
#include <QString>

struct Form1;

// The sequence panels beside the three sequence graphs: the table of F(-10) .. F(10) with the
// buttons that step F(0) and F(1), the ratio read-out F(i+1) / F(i), and the labels that pick the
// start values 1, phi and 1, -1/phi. Holds the start values and the terms the graphs draw.
class SequencePanels
{
    Q_DECLARE_TR_FUNCTIONS(SequencePanels)

public:
    explicit SequencePanels(Form1 &form);

    // Connects the panels' handlers; called once start-up has created every control.
    void connect_controls();

    void classic_start(); // F(0) = F(1) = 1, the Fibonacci sequence
    void recompute_sequence();
    void compute_sequence(double a, double b);
    void fill_table();
    void show_ratio();

    void ComM_Click(int index); // F(0) (index 0) or F(1) (index 1) one step down
    void ComP_Click(int index); // F(0) or F(1) one step up
    void Command1_Click(); // the ratio's index one down
    void Command2_Click(); // the ratio's index one up
    void Label1_Click(int index);
    void Label7_Click(); // start values 1, phi
    void Label8_Click(); // start values 1, -1/phi

    double F0 = 1;
    double F1 = 1;
    sequence::Terms F;
    int ratio_index = 10;

private:
    // A changed start value reaches the table, the topic on screen and the read-out.
    void start_values_changed();

    Form1 &form;
};

// How the sequence graphs' descriptions say the start values and the ratio's limits:
// "start values F(0) = 1 and F(1) = 1.61803", "phi = 1.618" or "-1/phi = -0.618".
// Numbers are written with the language's decimal separator.
QString spoken_start_values(double F0, double F1, QChar separator = u'.');
QString spoken_limit(double limit, double phi, QChar separator = u'.');

// The table's text for a term: at least one integer digit and five decimals ("-21.00000").
QString table_value(double value, QChar separator = u'.');
// The ratio read-out for index i: F(i+1) / F(i) with the quotient, or " = infinite " when
// F(i) is below 0.0001 in size.
QString ratio_caption(const sequence::Terms &F, int i, QChar separator = u'.');
