#pragma once

#include "form1.h"
#include "topic.h"

#include <QCoreApplication>

// Phi as the positive root of k^2 - k - 1 = 0: the problem and its two roots on the side panel,
// the parabola with the roots and its axis on the drawing.
class AnalyticTopic final : public Topic
{
    Q_DECLARE_TR_FUNCTIONS(AnalyticTopic)

public:
    explicit AnalyticTopic(Form1 &form);
    void draw() override;
    QString description() const override;

private:
    Form1 &form;
};
