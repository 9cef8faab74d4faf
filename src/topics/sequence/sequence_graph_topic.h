#pragma once

#include "topic.h"

#include <QCoreApplication>

struct Form1;
class SequencePanels;

// Topic 3: F(i) against i, with the curve y = F(0) phi^x for x from 0 to 10.
class SequenceGraphTopic final : public Topic
{
    Q_DECLARE_TR_FUNCTIONS(SequenceGraphTopic)

public:
    SequenceGraphTopic(Form1 &form, const SequencePanels &sequence);
    void draw() override { draw_sequence_graph(); }
    QString description() const override;

private:
    void draw_sequence_graph();

    Form1 &form;
    const SequencePanels &sequence;
};
