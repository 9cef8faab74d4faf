#include "chaos/chaos_model.h"
#include "palette.h"
#include "test_window.h"

#include <QTest>

#include <cmath>
#include <numbers>

namespace {

const float single_pi = float(4 * std::atan(1.0));
const double phi = (1 + std::sqrt(5.0)) / 2;

chaos::Polygon polygon_of(int model_index)
{
    const chaos::Model m = *chaos::model(model_index, phi);
    return chaos::make_polygon(m.corner_count, m.radius, m.offset, m.start_angle, single_pi);
}

// The corner number whose colour a point has: corner j is drawn in palette colour 15 - j.
int corner_of_colour(QRgb colour)
{
    for (int j = 1; j <= 12; ++j)
        if (QBColor(15 - j) == colour)
            return j;
    return 0;
}

bool near(double actual, double expected, double tolerance = 1e-4)
{
    return std::abs(actual - expected) <= tolerance;
}

} // namespace

class TestChaos : public QObject
{
    Q_OBJECT

private slots:
    void models_data();
    void models();
    void corners_data();
    void corners();
    void corner_numbers_data();
    void corner_numbers();
    void steps_data();
    void steps();

    void opening_picture();
    void points_per_tick_data();
    void points_per_tick();
    void every_point_k_times_as_far_data();
    void every_point_k_times_as_far();
    void corners_come_from_the_one_stream();
    void slow_markers();
    void speed_switch_keeps_the_game();
    void model_choice_restarts();
    void any_menu_choice_stops_the_game();
    void tick_before_the_first_game();
};

void TestChaos::models_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("corner_count");
    QTest::addColumn<float>("k");
    QTest::newRow("0 triangle, halfway") << 0 << 3 << 0.5f;
    QTest::newRow("1 triangle, far side") << 1 << 3 << -0.5f;
    QTest::newRow("2 hexagon") << 2 << 6 << 0.5f;
    QTest::newRow("3 hexagon, minus a third") << 3 << 6 << -0.33333334f;
    QTest::newRow("4 triangle, nine tenths") << 4 << 3 << 0.9f;
    QTest::newRow("5 pentagon, 1 - 1/phi") << 5 << 5 << 0.381966f;
    QTest::newRow("6 square, -.46") << 6 << 4 << -0.46f;
    QTest::newRow("7 square") << 7 << 4 << 0.5f;
    QTest::newRow("8 twelve corners, a fifth") << 8 << 12 << 0.2f;
}

void TestChaos::models()
{
    QFETCH(int, index);
    QFETCH(int, corner_count);
    QFETCH(float, k);
    const std::optional<chaos::Model> m = chaos::model(index, phi);
    QVERIFY(m.has_value());
    QCOMPARE(m->corner_count, corner_count);
    QCOMPARE(m->k, k);
    QVERIFY(!chaos::model(9, phi).has_value());
    QVERIFY(!chaos::model(-1, phi).has_value());
}

void TestChaos::corners_data()
{
    QTest::addColumn<int>("model");
    QTest::addColumn<int>("corner");
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("y");
    QTest::newRow("model 0 top") << 0 << 1 << 0.0 << 8.0;
    QTest::newRow("model 0 right") << 0 << 2 << 8.6603 << -7.0;
    QTest::newRow("model 0 left") << 0 << 3 << -8.6603 << -7.0;
    QTest::newRow("model 0 closes on the top") << 0 << 4 << 0.0 << 8.0;
    QTest::newRow("model 0 starts at the origin") << 0 << 0 << 0.0 << 0.0;
    QTest::newRow("model 1 small triangle") << 1 << 2 << 3.2909 << -1.9;
    QTest::newRow("model 3 hexagon right") << 3 << 3 << 4.3301 << -2.5;
    QTest::newRow("model 5 pentagon second") << 5 << 2 << 9.5106 << 2.0902;
    QTest::newRow("model 5 pentagon third") << 5 << 3 << 5.8779 << -9.0902;
    QTest::newRow("model 6 turned 45 degrees") << 6 << 1 << 3.182 << 3.182;
    QTest::newRow("model 6 second, clockwise") << 6 << 2 << 3.182 << -3.182;
    QTest::newRow("model 6 fourth") << 6 << 4 << -3.182 << 3.182;
    QTest::newRow("model 8 quarter turn") << 8 << 4 << 9.0 << 0.0;
    QTest::newRow("model 8 last") << 8 << 12 << -4.5 << 7.7942;
    QTest::newRow("model 8 closes") << 8 << 13 << 0.0 << 9.0;
}

void TestChaos::corners()
{
    QFETCH(int, model);
    QFETCH(int, corner);
    QFETCH(double, x);
    QFETCH(double, y);
    const chaos::Point p = polygon_of(model)[std::size_t(corner)];
    QVERIFY2(near(p.x, x, 1e-3), qPrintable(QString::number(p.x)));
    QVERIFY2(near(p.y, y, 1e-3), qPrintable(QString::number(p.y)));
}

void TestChaos::corner_numbers_data()
{
    QTest::addColumn<int>("corner_count");
    QTest::addColumn<float>("r");
    QTest::addColumn<int>("expected");
    QTest::newRow("zero is corner 1") << 3 << 0.0f << 1;
    QTest::newRow("below a third") << 3 << 0.33f << 1;
    QTest::newRow("above a third") << 3 << 0.34f << 2;
    QTest::newRow("just below 1, three corners") << 3 << 0x1.fffffep-1f << 3;
    QTest::newRow("just below 1, four corners") << 4 << 0x1.fffffep-1f << 4;
    QTest::newRow("just below 1, twelve corners") << 12 << 0x1.fffffep-1f << 12;
    QTest::newRow("half of five") << 5 << 0.5f << 3;
    QTest::newRow("no polygon yet") << 0 << 0.7f << 1;
}

void TestChaos::corner_numbers()
{
    QFETCH(int, corner_count);
    QFETCH(float, r);
    QFETCH(int, expected);
    QCOMPARE(chaos::corner_number(corner_count, r), expected);
}

void TestChaos::steps_data()
{
    QTest::addColumn<float>("k");
    QTest::addColumn<float>("px");
    QTest::addColumn<float>("py");
    QTest::addColumn<float>("cx");
    QTest::addColumn<float>("cy");
    QTest::addColumn<float>("x");
    QTest::addColumn<float>("y");
    QTest::newRow("halfway to the top") << 0.5f << 0.0f << 0.0f << 0.0f << 8.0f << 0.0f << 4.0f;
    QTest::newRow("far side at half the distance")
        << -0.5f << 1.0f << 1.0f << 2.0f << 3.0f << 2.5f << 4.0f;
    QTest::newRow("a fifth of the way left")
        << 0.2f << 5.0f << 0.0f << 0.0f << 0.0f << 1.0f << 0.0f;
    QTest::newRow("k 0 lands on the corner")
        << 0.0f << 3.0f << -2.0f << 1.0f << 1.0f << 1.0f << 1.0f;
    QTest::newRow("k 1 stays") << 1.0f << 3.0f << -2.0f << 1.0f << 1.0f << 3.0f << -2.0f;
}

void TestChaos::steps()
{
    QFETCH(float, k);
    QFETCH(float, px);
    QFETCH(float, py);
    QFETCH(float, cx);
    QFETCH(float, cy);
    QFETCH(float, x);
    QFETCH(float, y);
    const chaos::Point p = chaos::step({ px, py }, { cx, cy }, k);
    QCOMPARE(p.x, x);
    QCOMPARE(p.y, y);
}

void TestChaos::opening_picture()
{
    TestWindow t;
    t.menu(QStringLiteral("M_chaos"));
    Form1 &f = t.form();
    QCOMPARE(f.Timer1->Enabled(), true);
    QCOMPARE(f.Timer1->Interval(), 20);
    QCOMPARE(f.Shape1->Visible(), false);
    QCOMPARE(f.Line1->Visible(), false);
    QCOMPARE(f.Picture1->surface().BackColor(), RGB(0, 0, 0));
    QCOMPARE(f.Frame8->isHidden(), false);

    const std::vector<Primitive> lines = only(t.picture1(), Primitive::Op::Line);
    const std::vector<Primitive> circles = only(t.picture1(), Primitive::Op::Circle);
    QCOMPARE(lines.size(), std::size_t(3));
    QCOMPARE(circles.size(), std::size_t(3));
    // Sides C1C2, C2C3, C3C1 in light grey; corner circles yellow, light magenta, light red.
    const double corner_x[] = { 0, 8.6603, -8.6603, 0 }, corner_y[] = { 8, -7, -7, 8 };
    const int colours[] = { 14, 13, 12 };
    for (std::size_t i = 0; i < 3; ++i) {
        QCOMPARE(lines[i].colour, QBColor(7));
        QVERIFY(near(lines[i].x1, corner_x[i], 1e-3) && near(lines[i].y1, corner_y[i], 1e-3));
        QVERIFY(
            near(lines[i].x2, corner_x[i + 1], 1e-3) && near(lines[i].y2, corner_y[i + 1], 1e-3));
        QCOMPARE(circles[i].colour, QBColor(colours[i]));
        QCOMPARE(circles[i].radius, 0.3);
        QVERIFY(near(circles[i].x1, corner_x[i], 1e-3) && near(circles[i].y1, corner_y[i], 1e-3));
    }
    const std::vector<Primitive> captions = only(t.picture1(), Primitive::Op::Text);
    QCOMPARE(captions.size(), std::size_t(1));
    QCOMPARE(captions[0].text, QStringLiteral("n=3   k=+1/2"));
    QCOMPARE(captions[0].colour, RGB(255, 255, 255));
    QCOMPARE(captions[0].x1, 7.0);
    QCOMPARE(captions[0].y1, -9.0);

    const QStringList panel = texts(t.picture2());
    QCOMPARE(panel.size(), 10);
    QCOMPARE(panel.first(), QStringLiteral("Given is a point F1"));
    QCOMPARE(panel[4], QStringLiteral("F2C1 = k . F1C1"));
    QCOMPARE(panel.last(), QStringLiteral("Repeat this and there will emerge a pattern. "));
}

void TestChaos::points_per_tick_data()
{
    QTest::addColumn<int>("speed");
    QTest::addColumn<int>("ticks");
    QTest::addColumn<int>("points");
    QTest::addColumn<int>("interval");
    QTest::newRow("fast, one tick") << 0 << 1 << 50 << 20;
    QTest::newRow("fast, three ticks") << 0 << 3 << 150 << 20;
    QTest::newRow("slow, one tick") << 1 << 1 << 1 << 1000;
    QTest::newRow("slow, five ticks") << 1 << 5 << 5 << 1000;
    QTest::newRow("no tick yet") << 0 << 0 << 0 << 20;
}

void TestChaos::points_per_tick()
{
    QFETCH(int, speed);
    QFETCH(int, ticks);
    QFETCH(int, points);
    QFETCH(int, interval);
    TestWindow t;
    t.menu(QStringLiteral("M_chaos"));
    t.form().Cchaos[speed].click();
    for (int i = 0; i < ticks; ++i)
        t.form().Timer1->tick();
    QCOMPARE(int(only(t.picture1(), Primitive::Op::Point).size()), points);
    QCOMPARE(t.form().Timer1->Interval(), interval);
}

void TestChaos::every_point_k_times_as_far_data()
{
    // The polygon from its geometry: n corners on a circle about (0, offset), clockwise from
    // start_angle degrees off the vertical.
    QTest::addColumn<int>("model");
    QTest::addColumn<int>("n");
    QTest::addColumn<double>("k");
    QTest::addColumn<double>("radius");
    QTest::addColumn<double>("offset");
    QTest::addColumn<double>("start_angle");
    QTest::newRow("0 halfway") << 0 << 3 << 0.5 << 10.0 << -2.0 << 0.0;
    QTest::newRow("1 far side") << 1 << 3 << -0.5 << 3.8 << 0.0 << 0.0;
    QTest::newRow("3 far side, a third") << 3 << 6 << -1.0 / 3 << 5.0 << 0.0 << 0.0;
    QTest::newRow("4 nine tenths") << 4 << 3 << 0.9 << 10.0 << -2.0 << 0.0;
    QTest::newRow("5 golden pentagon") << 5 << 5 << 1 - 1 / phi << 10.0 << -1.0 << 0.0;
    QTest::newRow("6 turned square, far side") << 6 << 4 << -0.46 << 4.5 << 0.0 << 45.0;
    QTest::newRow("8 twelve corners") << 8 << 12 << 0.2 << 9.0 << 0.0 << 0.0;
}

void TestChaos::every_point_k_times_as_far()
{
    QFETCH(int, model);
    QFETCH(int, n);
    QFETCH(double, k);
    QFETCH(double, radius);
    QFETCH(double, offset);
    QFETCH(double, start_angle);
    TestWindow t(model + 11);
    t.menu(QStringLiteral("M_chaos"));
    t.form().Label11[model].click();
    for (int i = 0; i < 4; ++i)
        t.form().Timer1->tick();

    const std::vector<Primitive> points = only(t.picture1(), Primitive::Op::Point);
    QCOMPARE(int(points.size()), 200);
    double x = 0, y = 0;
    std::vector<int> chosen(std::size_t(n) + 1, 0);
    for (const Primitive &p : points) {
        const int j = corner_of_colour(p.colour);
        QVERIFY2(j >= 1 && j <= n, qPrintable(colour_name(p.colour)));
        ++chosen[std::size_t(j)];
        const double angle = (start_angle + 360.0 * (j - 1) / n) * std::numbers::pi / 180;
        const double cx = radius * std::sin(angle), cy = radius * std::cos(angle) + offset;
        // new - corner = k (old - corner): k times as far, on the far side when k < 0.
        QVERIFY2(near(p.x1 - cx, k * (x - cx), 1e-3) && near(p.y1 - cy, k * (y - cy), 1e-3),
            qPrintable(QStringLiteral("corner %1 point (%2, %3)").arg(j).arg(p.x1).arg(p.y1)));
        x = p.x1;
        y = p.y1;
    }
    for (int j = 1; j <= n; ++j)
        QVERIFY2(chosen[std::size_t(j)] > 0, qPrintable(QStringLiteral("corner %1").arg(j)));
}

void TestChaos::corners_come_from_the_one_stream()
{
    TestWindow t(7);
    t.menu(QStringLiteral("M_chaos"));
    t.form().Timer1->tick();
    t.form().Timer1->tick();
    SeededRandom same(7);
    const std::vector<Primitive> points = only(t.picture1(), Primitive::Op::Point);
    QCOMPARE(points.size(), std::size_t(100));
    for (const Primitive &p : points)
        QCOMPARE(corner_of_colour(p.colour), int(std::floor(3.0 * same.Rnd())) + 1);
}

void TestChaos::slow_markers()
{
    TestWindow t(3);
    Form1 &f = t.form();
    t.menu(QStringLiteral("M_chaos"));
    f.Cchaos[1].click();
    QCOMPARE(f.Shape1->Visible(), true);
    QCOMPARE(f.Shape2->Visible(), true);
    QCOMPARE(f.Line1->Visible(), true);
    QCOMPARE(f.Timer1->Interval(), 1000);

    const double corner_x[] = { 0, 0, 8.6603, -8.6603 }, corner_y[] = { 0, 8, -7, -7 };
    double previous_x = 0, previous_y = 0;
    for (int tick = 0; tick < 3; ++tick) {
        f.Timer1->tick();
        const Primitive p = only(t.picture1(), Primitive::Op::Point).back();
        const int j = corner_of_colour(p.colour);
        QVERIFY(near(p.x1, (previous_x + corner_x[j]) / 2, 1e-3));
        // Shape1 on the new point, Shape2 on the previous one, Line1 from the corner to it.
        QVERIFY(near(f.Shape1->Left(), p.x1 - 0.1) && near(f.Shape1->Top(), p.y1 + 0.1));
        QVERIFY(
            near(f.Shape2->Left(), previous_x - 0.1) && near(f.Shape2->Top(), previous_y + 0.1));
        QVERIFY(near(f.Line1->X1(), corner_x[j], 1e-3) && near(f.Line1->Y1(), corner_y[j], 1e-3));
        QVERIFY(near(f.Line1->X2(), previous_x) && near(f.Line1->Y2(), previous_y));
        previous_x = p.x1;
        previous_y = p.y1;
    }
}

void TestChaos::speed_switch_keeps_the_game()
{
    TestWindow t(5);
    Form1 &f = t.form();
    t.menu(QStringLiteral("M_chaos"));
    f.Timer1->tick();
    f.Timer1->tick();
    const Primitive last_fast = only(t.picture1(), Primitive::Op::Point).back();

    f.Cchaos[1].click();
    QCOMPARE(f.Timer1->Interval(), 1000);
    QCOMPARE(f.Timer1->Enabled(), true);
    QCOMPARE(only(t.picture1(), Primitive::Op::Point).size(), std::size_t(100));

    f.Timer1->tick();
    const std::vector<Primitive> points = only(t.picture1(), Primitive::Op::Point);
    QCOMPARE(points.size(), std::size_t(101));
    // The slow step goes on from the last fast point: halfway to its corner.
    const double corner_x[] = { 0, 0, 8.6603, -8.6603 };
    const int j = corner_of_colour(points.back().colour);
    QVERIFY(near(points.back().x1, (last_fast.x1 + corner_x[j]) / 2, 1e-3));
    QVERIFY(
        near(f.Shape2->Left(), last_fast.x1 - 0.1) && near(f.Shape2->Top(), last_fast.y1 + 0.1));

    f.Cchaos[0].click();
    QCOMPARE(f.Timer1->Interval(), 20);
    QCOMPARE(f.Shape1->Visible(), false);
    QCOMPARE(f.Line1->Visible(), false);
    f.Timer1->tick();
    QCOMPARE(only(t.picture1(), Primitive::Op::Point).size(), std::size_t(151));
}

void TestChaos::model_choice_restarts()
{
    TestWindow t(9);
    Form1 &f = t.form();
    t.menu(QStringLiteral("M_chaos"));
    f.Cchaos[1].click();
    for (int i = 0; i < 4; ++i)
        f.Timer1->tick();
    f.Timer1->set_Enabled(false);

    f.Label11[6].click();
    QCOMPARE(f.Timer1->Enabled(), true);
    QCOMPARE(f.Timer1->Interval(), 1000);
    QCOMPARE(only(t.picture1(), Primitive::Op::Point).size(), std::size_t(0));
    QCOMPARE(texts(t.picture1()), QStringList { QStringLiteral("n=4   k=-.46") });
    QVERIFY(near(f.Shape1->Left(), -0.1) && near(f.Shape2->Left(), -0.1));

    // From the origin the first point lies at (1 - k) times the chosen corner, k = -0.46.
    f.Timer1->tick();
    const Primitive p = only(t.picture1(), Primitive::Op::Point).back();
    const int j = corner_of_colour(p.colour);
    const double angle = (45.0 + 90.0 * (j - 1)) * std::numbers::pi / 180;
    QVERIFY(near(p.x1, 1.46 * 4.5 * std::sin(angle), 1e-3));
    QVERIFY(near(p.y1, 1.46 * 4.5 * std::cos(angle), 1e-3));
}

void TestChaos::any_menu_choice_stops_the_game()
{
    TestWindow t;
    Form1 &f = t.form();
    t.menu(QStringLiteral("M_chaos"));
    f.Label11[2].click();
    f.Cchaos[1].click();
    f.Timer1->tick();

    t.menu(QStringLiteral("M_Pyt"));
    QCOMPARE(f.Timer1->Enabled(), false);
    QCOMPARE(f.Shape1->Visible(), false);
    QCOMPARE(f.Shape2->Visible(), false);
    QCOMPARE(f.Line1->Visible(), false);
    const std::size_t pythagoras_points = only(t.picture1(), Primitive::Op::Point).size();
    f.Timer1->tick();
    QCOMPARE(only(t.picture1(), Primitive::Op::Point).size(), pythagoras_points);

    // Back to the game: model and speed kept, a fresh picture.
    t.menu(QStringLiteral("M_chaos"));
    QCOMPARE(f.Timer1->Enabled(), true);
    QCOMPARE(f.Timer1->Interval(), 1000);
    QCOMPARE(f.Shape1->Visible(), true);
    QCOMPARE(texts(t.picture1()), QStringList { QStringLiteral("n=6   k=+1/2") });
    QCOMPARE(only(t.picture1(), Primitive::Op::Point).size(), std::size_t(0));
}

void TestChaos::tick_before_the_first_game()
{
    TestWindow t;
    t.form().Timer1->set_Enabled(true);
    t.form().Timer1->tick();
    const std::vector<Primitive> points = only(t.picture1(), Primitive::Op::Point);
    QCOMPARE(points.size(), std::size_t(50));
    for (const Primitive &p : points) {
        QCOMPARE(p.x1, 0.0);
        QCOMPARE(p.y1, 0.0);
        QCOMPARE(p.colour, QBColor(14));
    }
}

QTEST_MAIN(TestChaos)
#include "tst_chaos.moc"
