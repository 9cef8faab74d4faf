#pragma once

#include "form1.h"
#include "topic.h"

#include <QCoreApplication>

// The theorem of Pythagoras proved with a square on the hypotenuse inside a square of side a + b,
// with the legs a and b to choose and a golden variant ("e = a").
class PythagorasTopic final : public Topic
{
    Q_DECLARE_TR_FUNCTIONS(PythagorasTopic)

public:
    explicit PythagorasTopic(Form1 &form);
    void draw() override; // the figure, its labels and the explanation for a and b
    QString description() const override;
    void connect_controls() override;

private:
    void draw_pythagoras();
    void Com_p1_Click(int index); // a or b one down
    void Com_p2_Click(int index); // a or b one up
    void L_pyt_Click(int index); // a back to 40 or b back to 30
    void C_pyt_Click(); // b such that e = a, with the golden construction once

    Form1 &form;
    float side_a = 40;
    float side_b = 30;
    float side_L = 70;
    int golden_request = 0; // 1: the next drawing shows the golden construction
    bool golden_shown = false; // the drawing on screen shows it
};
