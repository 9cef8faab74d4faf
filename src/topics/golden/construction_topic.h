#pragma once

#include "form1.h"
#include "topic.h"

#include <QCoreApplication>

// Euclid's ruler-and-compass construction of phi: the diagonal of a 2 by 1 rectangle and the
// circle about its midpoint cut off OA = phi and OB = 1/phi, carried onto the x axis by arcs.
class ConstructionTopic final : public Topic
{
    Q_DECLARE_TR_FUNCTIONS(ConstructionTopic)

public:
    explicit ConstructionTopic(Form1 &form);
    void draw() override;
    QString description() const override;

private:
    Form1 &form;
};
