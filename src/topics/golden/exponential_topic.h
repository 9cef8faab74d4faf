#pragma once

#include "form1.h"
#include "topic.h"

#include <QCoreApplication>

// The exponential curve y = y0 * phi^x with a point P that the user moves along it; the values
// one and two units further on show a + b = c, b = phi a and c = phi b.
class ExponentialTopic final : public Topic
{
    Q_DECLARE_TR_FUNCTIONS(ExponentialTopic)

public:
    explicit ExponentialTopic(Form1 &form);
    void draw() override;
    QString description() const override;
    void connect_controls() override;

private:
    void ComQ_Click(int index); // x or y0 one step down
    void ComZ_Click(int index); // x or y0 one step up

    Form1 &form;
    float exp_x = 2.0f; // x of P, kept within -2 .. 4
    float exp_y0 = 1.0f; // the curve's value at x = 0, kept within 0.2 .. 2
};
