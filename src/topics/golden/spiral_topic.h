#pragma once

#include "form1.h"
#include "topic.h"

#include <QCoreApplication>

// The golden spiral r = phi^(h/90) about the origin, its points at whole quarter turns and the
// chords between them.
class SpiralTopic final : public Topic
{
    Q_DECLARE_TR_FUNCTIONS(SpiralTopic)

public:
    explicit SpiralTopic(Form1 &form);
    void draw() override;
    QString description() const override;

private:
    Form1 &form;
};
