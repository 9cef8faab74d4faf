#pragma once

#include "form1.h"
#include "topic.h"

#include <QCoreApplication>

// The regular pentagon of side 1 with its five diagonals, and the point A that divides the
// diagonal p2p4 in mean and extreme ratio.
class PentagramTopic final : public Topic
{
    Q_DECLARE_TR_FUNCTIONS(PentagramTopic)

public:
    explicit PentagramTopic(Form1 &form);
    void draw() override;
    QString description() const override;

private:
    Form1 &form;
};
