#pragma once

#include "form1.h"
#include "topic.h"

#include <QCoreApplication>

// The golden rectangle grown from a unit segment by squares of side phi .. phi^4, with its pole,
// the golden spiral about the pole and the spiral's approximation by quarter circles.
class RectangleTopic final : public Topic
{
    Q_DECLARE_TR_FUNCTIONS(RectangleTopic)

public:
    explicit RectangleTopic(Form1 &form);
    void draw() override;
    QString description() const override;

private:
    Form1 &form;
};
