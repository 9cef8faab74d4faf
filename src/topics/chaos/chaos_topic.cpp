#include "chaos/chaos_topic.h"

#include "palette.h"
#include "topic.h"

#include <algorithm>
#include <limits>

ChaosTopic::ChaosTopic(Form1 &form)
    : form(form)
{ }

void ChaosTopic::connect_controls()
{
    form.Label11.on_click([this](int i) { Label11_Click(i); });
    form.Cchaos.on_click([this](int i) { Cchaos_Click(i); });
    form.Timer1->on_timer = [this] { Timer1_Timer(); };
}

void ChaosTopic::draw() { draw_chaos(); }

void ChaosTopic::Label11_Click(int index)
{
    chaos_model = index;
    draw_chaos();
}

void ChaosTopic::Cchaos_Click(int index)
{
    chaos_speed = index;
    set_chaos_speed();
}

void ChaosTopic::make_polygon(float radius, float offset, float angle)
{
    corner = chaos::make_polygon(corner_count, radius, offset, angle, form.pi);
}

void ChaosTopic::draw_chaos()
{
    Plotter &plot = *form.plot;
    Surface &picture = form.Picture1->surface();

    plot.print_on_side_panel(1,
        {
            { 5, tr("Given is a point F1") },
            { 10, tr("Take a random corner point C1") },
            { 15, tr("Draw a line F1C1 between these points") },
            { 20, tr("A new point F2 on this line is found at a distance") },
            { 25, QStringLiteral("F2C1 = k . F1C1") },
            { 35, tr("Take again random corner point C2") },
            { 40, tr("Draw a line between the points F2 en C2") },
            { 45, tr("A second new point F3 on this line is found at a distance") },
            { 50, QStringLiteral("F3C2 = k . F2C2") },
            { 60, tr("Repeat this and there will emerge a pattern. ") },
        });

    set_chaos_speed();

    // An unknown model index keeps the polygon, k and the point of the game before.
    if (const std::optional<chaos::Model> model = chaos::model(chaos_model, form.phi)) {
        corner_count = model->corner_count;
        chaos_k = model->k;
        make_polygon(model->radius, model->offset, model->start_angle);
    }

    picture.set_BackColor(RGB(0, 0, 0));
    points_drawn = 0;
    picture.ForeColor = RGB(255, 255, 255);
    picture.Scale(-10, 10, 10, -10);
    plot.print_at(7, -9, form.Label11[chaos_model].caption());

    // The corner's circle has the colour of the points that jump towards it.
    for (int i = 1; i <= corner_count; ++i) {
        const chaos::Point from = corner[std::size_t(i)], to = corner[std::size_t(i + 1)];
        plot.styled_line(from.x, from.y, to.x, to.y, 7, 0);
        picture.Circle(from.x, from.y, 0.3, QBColor(15 - i));
    }

    drawn_before_points = picture.drawn_count();

    show_chaos_markers();
    form.Shape1->set_Top(0.1);
    form.Shape1->set_Left(-0.1);
    form.Line1->set_X1(0);
    form.Line1->set_Y1(0);
    form.Timer1->set_Enabled(true);
}

void ChaosTopic::set_chaos_speed()
{
    if (chaos_speed != 0 && chaos_speed != 1)
        return;
    const bool slow = chaos_speed == 1;
    form.Timer1->set_Interval(slow ? 1000 : 20);
    form.Shape1->set_Visible(slow);
    form.Shape2->set_Visible(slow);
    form.Line1->set_Visible(slow);
}

void ChaosTopic::show_chaos_markers()
{
    const chaos::Point f = corner[0];
    form.Shape2->set_Top(f.y + 0.1);
    form.Shape2->set_Left(f.x - 0.1);
    form.Line1->set_X2(f.x);
    form.Line1->set_Y2(f.y);
}

void ChaosTopic::Timer1_Timer()
{
    // Every corner comes from the window's one random stream, seeded once: reseeding from a
    // clock coarser than the tick would replay the same corners on consecutive ticks.
    Surface &picture = form.Picture1->surface();
    const bool slow = chaos_speed == 1;
    const int steps = slow ? 1 : 50;
    for (int m = 0; m < steps; ++m) {
        const int j = chaos::corner_number(corner_count, form.random->Rnd());
        const chaos::Point chosen = corner[std::size_t(j)];
        if (slow) {
            form.Line1->set_X1(chosen.x);
            form.Line1->set_Y1(chosen.y);
            show_chaos_markers();
        }
        corner[0] = chaos::step(corner[0], chosen, chaos_k);
        if (slow) {
            form.Shape1->set_Top(corner[0].y + 0.1);
            form.Shape1->set_Left(corner[0].x - 0.1);
        }
        picture.PSet(corner[0].x, corner[0].y, QBColor(15 - j));
        ++points_drawn;
    }
}

QString ChaosTopic::description() const
{
    const std::size_t drawn = form.Picture1->surface().drawn_count();
    const std::size_t points = drawn > drawn_before_points ? drawn - drawn_before_points : 0;
    // The count chooses the plural form; an int holds it for ten days of the fast game.
    const int counted = int(std::min<std::size_t>(points, std::numeric_limits<int>::max()));
    return tr("Chaos game \u201c%1\u201d on %2 corners with k = %3, %4: %n points drawn "
              "so far, each in the colour of the corner it jumped towards",
        nullptr, counted)
        .arg(form.Label11[chaos_model].caption().simplified())
        .arg(corner_count)
        .arg(form.spoken(chaos_k, 4))
        .arg(chaos_speed == 1 ? tr("slow, one point a second") : tr("fast"));
}
