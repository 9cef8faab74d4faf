#pragma once

#include "topic.h"

#include <QCoreApplication>

struct Form1;
class SequencePanels;

// Topic 2: the ratio F(i+1) / F(i) against i, between the lines y = phi and y = -1/phi that it
// approaches for growing and for falling i.
class RatioGraphTopic final : public Topic
{
    Q_DECLARE_TR_FUNCTIONS(RatioGraphTopic)

public:
    RatioGraphTopic(Form1 &form, const SequencePanels &sequence);
    void draw() override { draw_ratio_graph(); }
    QString description() const override;

private:
    void draw_ratio_graph();

    Form1 &form;
    const SequencePanels &sequence;
};
