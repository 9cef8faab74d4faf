#pragma once

#include "form1.h"
#include "topic.h"

#include <QCoreApplication>

// The golden ellipse beside the cross-section of the great pyramid, and the golden hyperbola
// with its asymptotes, with the polar equation of a conic on the side panel.
class ConicTopic final : public Topic
{
    Q_DECLARE_TR_FUNCTIONS(ConicTopic)

public:
    explicit ConicTopic(Form1 &form);
    void draw() override;
    QString description() const override;

private:
    Form1 &form;
};
