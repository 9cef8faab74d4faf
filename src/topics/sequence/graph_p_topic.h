#pragma once

#include "topic.h"

#include <QCoreApplication>

struct Form1;
class SequencePanels;

// Topic 1: the points P(i) = (F(i), F(i+1)), which gather on the lines y = phi x and y = -x/phi.
class GraphPTopic final : public Topic
{
    Q_DECLARE_TR_FUNCTIONS(GraphPTopic)

public:
    GraphPTopic(Form1 &form, const SequencePanels &sequence);
    void draw() override { draw_graph_p(); }
    QString description() const override;

private:
    void draw_graph_p();

    Form1 &form;
    const SequencePanels &sequence;
};
