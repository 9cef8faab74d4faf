#pragma once

#include "form1.h"
#include "population/population_model.h"
#include "topic.h"

#include <QCoreApplication>

// The linear life generator: its block diagram on the side panel and the population y(t) with
// the limit yL, the time constant T1, the tangent at t = 0 and the red curve yo * phi^t.
class LifeGeneratorTopic final : public Topic
{
    Q_DECLARE_TR_FUNCTIONS(LifeGeneratorTopic)

public:
    explicit LifeGeneratorTopic(Form1 &form);
    void draw() override { draw_life_generator(); }
    QString description() const override;
    void connect_controls() override;

private:
    void draw_life_generator();
    void draw_life_diagram();
    double life_population_at(float a, double t, float yL) const;
    // Side-panel arrowheads with their tips at (x, y).
    void arrow_right(double x, double y);
    void arrow_left(double x, double y);
    void arrow_up(double x, double y);

    void Ckm_Click(int index); // one parameter one step down
    void Ckp_Click(int index); // one parameter one step up
    void Label9_Click(int index); // one parameter back to its reset value
    void ComF_Click(); // k = ln(phi) without immigration
    void CEx_Click(int index); // one of four example parameter sets

    Form1 &form;
    population::LifeParameters life; // k, w, yo, d, kept while the program runs
};
