#pragma once

#include "chaos/chaos_model.h"
#include "form1.h"
#include "topic.h"

#include <QCoreApplication>

// The chaos game: a regular polygon on a black surface and a point that jumps, tick after tick,
// towards randomly chosen corners, leaving a dot in the corner's colour each time.
class ChaosTopic final : public Topic
{
    Q_DECLARE_TR_FUNCTIONS(ChaosTopic)

public:
    explicit ChaosTopic(Form1 &form);
    void draw() override; // a fresh game with the chosen model and speed
    QString description() const override;
    void connect_controls() override;
    // The model chosen, the item index of the model labels, and the points drawn since the game
    // started: nothing on screen counts them.
    int chosen_model() const { return chaos_model; }
    long point_count() const { return points_drawn; }

private:
    void draw_chaos();
    void make_polygon(float radius, float offset, float angle);
    void set_chaos_speed();
    void show_chaos_markers(); // the previous-point marker and the line's end on the point F
    void Timer1_Timer(); // 50 steps in fast mode, one step with markers in slow mode
    void Label11_Click(int index);
    void Cchaos_Click(int index);

    Form1 &form;
    int chaos_model = 0; // item index of the model labels
    int chaos_speed = 0; // 0 fast, 1 slow
    int corner_count = 0;
    float chaos_k = 0;
    long points_drawn = 0;
    chaos::Polygon corner {}; // [0] the point F, [1..n] the corners, [n + 1] corner 1 again
    std::size_t drawn_before_points = 0; // what the surface shows before the game's points
};
