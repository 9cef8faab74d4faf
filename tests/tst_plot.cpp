#include "palette.h"
#include "plotter.h"

#include <QTest>

#include <cmath>

namespace {

// Three surfaces with the sizes of the window's drawing surface, side panel and background.
struct Surfaces
{
    Surfaces()
    {
        for (Surface *s : { &picture1, &picture2, &form1 })
            s->set_recording(true);
    }
    Surface picture1 { QSize(509, 509), RGB(255, 255, 255) };
    Surface picture2 { QSize(283, 223), RGB(255, 255, 192) };
    Surface form1 { QSize(820, 541), RGB(255, 192, 255) };
    Plotter plot { picture1, picture2, form1, float(4 * std::atan(1.0)) };
};

std::vector<Primitive> of(const std::vector<Primitive> &record, Primitive::Op op)
{
    std::vector<Primitive> kept;
    for (const Primitive &p : record)
        if (p.op == op)
            kept.push_back(p);
    return kept;
}

// Where the rabbit's shapes reach: the union of the circles' extents.
QRectF extent(const std::vector<Primitive> &record)
{
    QRectF all;
    for (const Primitive &p : of(record, Primitive::Op::Circle)) {
        const double rx = p.aspect < 1 ? p.radius : p.radius / p.aspect;
        const double ry = p.aspect < 1 ? p.radius * p.aspect : p.radius;
        all |= QRectF(p.x1 - rx, p.y1 - ry, 2 * rx, 2 * ry);
    }
    return all;
}

} // namespace

class TestPlot : public QObject
{
    Q_OBJECT

private slots:
    void graph_frame_scale_and_axes();
    void graph_frame_labels();
    void graph_frame_dots_and_ticks();
    void graph_frame_labels_show_collected_rounding();
    void point_marker_size_and_label();
    void styled_line_styles_data();
    void styled_line_styles();
    void rabbit_extent();
    void rabbit_fill_colours();
    void readout_data();
    void readout();
};

void TestPlot::graph_frame_scale_and_axes()
{
    Surfaces s;
    s.plot.graph_frame(-4, 9, -4, 9, QStringLiteral("x"), 1, 1);
    const UserScale &scale = s.picture1.scale();
    QVERIFY(std::abs(scale.left - -4.39) < 1e-5);
    QVERIFY(std::abs(scale.top - 9.39) < 1e-5);
    QVERIFY(std::abs(scale.left + scale.width - 9.39) < 1e-5);
    QVERIFY(std::abs(scale.top + scale.height - -4.39) < 1e-5);

    const auto lines = of(s.picture1.record(), Primitive::Op::Line);
    QCOMPARE(lines[0].colour, QBColor(7));
    QCOMPARE(QLineF(lines[0].x1, lines[0].y1, lines[0].x2, lines[0].y2), QLineF(-4, 0, 9, 0));
    QCOMPARE(lines[1].colour, QBColor(7));
    QCOMPARE(QLineF(lines[1].x1, lines[1].y1, lines[1].x2, lines[1].y2), QLineF(0, -4, 0, 9));
    QCOMPARE(s.picture1.DrawStyle, 0);
    QCOMPARE(s.picture1.DrawWidth, 1);
}

void TestPlot::graph_frame_labels()
{
    Surfaces s;
    s.plot.graph_frame(-4, 9, -4, 9, QStringLiteral("x"), 1, 1);
    QStringList x_labels, y_labels;
    QString axis_x, axis_y;
    const double h = s.picture1.TextHeight(QStringLiteral("1")) / 2;
    for (const Primitive &p : of(s.picture1.record(), Primitive::Op::Text)) {
        if (std::abs(p.y1 - -1.1 * 0.13) < 1e-6)
            x_labels << p.text;
        else if (std::abs(p.x1 - -4 * 0.13) < 1e-6) {
            y_labels << p.text;
            QVERIFY(std::abs(p.y1 - (std::round(p.y1 + h) - h)) < 1e-5);
        } else if (p.text == QLatin1String("x")) {
            axis_x = p.text;
            QVERIFY(std::abs(p.x1 - 9.13) < 1e-5);
            QVERIFY(std::abs(p.y1 - 0.26) < 1e-5);
        } else if (p.text == QLatin1String("  y")) {
            axis_y = p.text;
            QCOMPARE(p.x1, 0.0);
            QVERIFY(std::abs(p.y1 - 9.1) < 1e-6);
        }
    }
    QCOMPARE(x_labels, QString("0 1 2 3 4 5 6 7 8 9 0 -1 -2 -3 -4").split(' '));
    QCOMPARE(y_labels,
        QStringList({ "-4 ", "-3 ", "-2 ", "-1 ", " 0 ", " 1 ", " 2 ", " 3 ", " 4 ", " 5 ", " 6 ",
            " 7 ", " 8 ", " 9 " }));
    QCOMPARE(axis_x, QStringLiteral("x"));
    QCOMPARE(axis_y, QStringLiteral("  y"));
}

void TestPlot::graph_frame_dots_and_ticks()
{
    Surfaces s;
    s.plot.graph_frame(-4, 9, -4, 9, QStringLiteral("x"), 1, 1);
    const auto points = of(s.picture1.record(), Primitive::Op::Point);
    QCOMPARE(points.size(), std::size_t(66 * 66));
    QCOMPARE(points.front().x1, -4.0);
    QCOMPARE(points.front().y1, -4.0);
    QVERIFY(std::abs(points.back().x1 - 9) < 1e-4);
    QVERIFY(std::abs(points.back().y1 - 9) < 1e-4);
    // Small ticks on the x axis start at x_min and hang one hundredth below the axis.
    int x_ticks = 0;
    for (const Primitive &p : of(s.picture1.record(), Primitive::Op::Line))
        if (p.y1 == 0 && std::abs(p.y2 - -0.13) < 1e-6 && p.x1 == p.x2)
            ++x_ticks;
    QCOMPARE(x_ticks, 66);
}

void TestPlot::graph_frame_labels_show_collected_rounding()
{
    // With a spacing of 0.1 the single-precision counter collects rounding errors, and the
    // labels show them as a student would see them: .8000001, not .8.
    Surfaces s;
    s.plot.graph_frame(0, 1, 0, 1, QStringLiteral("t"), 0.1, 0.1);
    QStringList x_labels;
    for (const Primitive &p : of(s.picture1.record(), Primitive::Op::Text))
        if (std::abs(p.y1 - -0.011) < 1e-6)
            x_labels << p.text;
    QCOMPARE(x_labels, QString("0 .1 .2 .3 .4 .5 .6 .7 .8000001 .9000001 0").split(' '));
}

void TestPlot::point_marker_size_and_label()
{
    Surfaces s;
    s.plot.x_min = -1;
    s.plot.x_max = 10;
    s.picture1.Scale(-1, 10, 10, -1);
    s.plot.point_marker(2, 3, QStringLiteral("A"), 9);
    const auto &record = s.picture1.record();
    QCOMPARE(record.size(), std::size_t(2));
    QCOMPARE(record[0].op, Primitive::Op::Circle);
    QCOMPARE(record[0].radius, double(11.0f / 160));
    QCOMPARE(record[0].colour, QBColor(9));
    QCOMPARE(record[1].text, QStringLiteral(" A"));
    QCOMPARE(QPointF(record[1].x1, record[1].y1), QPointF(2, 3));
}

void TestPlot::styled_line_styles_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<int>("draw_style");
    QTest::addColumn<int>("draw_width");
    QTest::newRow("solid") << 0 << 0 << 1;
    QTest::newRow("dotted") << 2 << 2 << 1;
    QTest::newRow("dash-dot") << 3 << 3 << 1;
    QTest::newRow("thick") << 8 << 0 << 3;
}

void TestPlot::styled_line_styles()
{
    QFETCH(int, style);
    QFETCH(int, draw_style);
    QFETCH(int, draw_width);
    Surfaces s;
    s.picture1.Scale(0, 10, 10, 0);
    s.plot.styled_line(1, 2, 3, 4, 12, style);
    const Primitive &p = s.picture1.record().back();
    QCOMPARE(p.draw_style, draw_style);
    QCOMPARE(p.draw_width, draw_width);
    QCOMPARE(p.colour, QBColor(12));
    QCOMPARE(s.picture1.DrawStyle, 0);
    QCOMPARE(s.picture1.DrawWidth, 1);
}

void TestPlot::rabbit_extent()
{
    Surfaces s;
    s.plot.draw_rabbit(8000, 2500, 1);
    const QRectF all = extent(s.form1.record());
    QCOMPARE(all.top(), 300.0);
    QCOMPARE(all.bottom(), 6600.0);
    QCOMPARE(all.left(), 5600.0);
    QCOMPARE(all.right(), 10400.0);
    const Primitive &ear = s.form1.record()[1];
    QCOMPARE(2 * ear.radius, 2200.0);
    QCOMPARE(2 * ear.radius / ear.aspect, 550.0);
    QCOMPARE(of(s.form1.record(), Primitive::Op::Circle).size(), std::size_t(18));
    QCOMPARE(of(s.form1.record(), Primitive::Op::Box).size(), std::size_t(2));
    QCOMPARE(of(s.form1.record(), Primitive::Op::Line).size(), std::size_t(4));
}

void TestPlot::rabbit_fill_colours()
{
    Surfaces s;
    s.form1.FillColor = QBColor(0);
    s.plot.draw_rabbit(1000, 1000, 0.4);
    s.plot.draw_rabbit(3000, 2500, 0.9);
    const auto &r = s.form1.record();
    const std::size_t per_rabbit = 24;
    QCOMPARE(r.size(), 2 * per_rabbit);
    QCOMPARE(*r[0].fill, QBColor(0)); // the first tail is black
    QCOMPARE(*r[per_rabbit].fill, QBColor(14)); // the next one yellow, left by the legs
    QVERIFY(!r[5].fill.has_value()); // brows are arcs, never filled
    QCOMPARE(*r[7].fill, QBColor(15)); // eyes white
    QCOMPARE(*r[9].fill, QBColor(0)); // pupils black
    QCOMPARE(*r[11].fill, QBColor(11)); // nose light cyan
    QCOMPARE(*r[16].fill, QBColor(15)); // teeth white
    QCOMPARE(*r[23].fill, QBColor(14)); // feet yellow
    QCOMPARE(r[5].start.value(), double(float(4 * std::atan(1.0)) / 2));
    QCOMPARE(s.form1.FillStyle, 0);
    QCOMPARE(s.form1.FillColor, QBColor(14));
}

void TestPlot::readout_data()
{
    QTest::addColumn<int>("topic");
    QTest::addColumn<float>("x");
    QTest::addColumn<float>("y");
    QTest::addColumn<QString>("caption");
    QTest::newRow("graph") << 4 << 1.5f << -2.25f << "1.500    -2.250";
    QTest::newRow("solids") << 11 << 1.5f << -2.25f << "3D";
    QTest::newRow("twips") << 0 << 2640.0f << 4320.0f << "2640.000    4320.000";
    QTest::newRow("rounds half away from zero") << 3 << -0.0005f << 0.0004f << "-0.001    0.000";
    QTest::newRow("no minus zero") << 3 << -0.0004f << 99.9996f << "0.000    100.000";
}

void TestPlot::readout()
{
    QFETCH(int, topic);
    QFETCH(float, x);
    QFETCH(float, y);
    QFETCH(QString, caption);
    QCOMPARE(readout_caption(topic, x, y), caption);
}

QTEST_MAIN(TestPlot)
#include "tst_plot.moc"
