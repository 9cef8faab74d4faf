#include "numtext.h"
#include "palette.h"
#include "platonic/platonic_model.h"
#include "test_window.h"

#include <QAbstractButton>
#include <QTest>

#include <cmath>
#include <map>
#include <set>

namespace {

const double phi = (1 + std::sqrt(5.0)) / 2;
// The closed forms of the two dodecahedron coordinates: 5 / phi and 5 phi.
const double a = 5 * (std::sqrt(5.0) - 1) / 2;
const double b = 5 * (std::sqrt(5.0) + 1) / 2;

const std::vector<platonic::Chain> &chains_of(int solid)
{
    switch (solid) {
    case 0:
        return platonic::cube_chains();
    case 1:
        return platonic::dodecahedron_chains();
    case 2:
        return platonic::tetrahedron_chains();
    case 3:
        return platonic::octahedron_chains();
    default:
        return platonic::icosahedron_chains();
    }
}

QList<int> range(int first, int last)
{
    QList<int> list;
    for (int n = first; n <= last; ++n)
        list << n;
    return list;
}

// A click on a button, label or check box of the window, by name ("Crot1:1", "Lh2").
void click(TestWindow &t, const QString &name)
{
    Control *control = t.window.controls().at(name);
    if (auto *label = dynamic_cast<Label *>(control))
        label->click();
    else
        qobject_cast<QAbstractButton *>(&control->widget())->click();
}

void click_all(TestWindow &t, const QStringList &names)
{
    for (const QString &name : names)
        click(t, name);
}

QStringList repeated(const QString &name, int times)
{
    QStringList list;
    for (int i = 0; i < times; ++i)
        list << name;
    return list;
}

// A run of lines in one palette colour, as "colour index x count".
QString run(int colour, int count) { return QStringLiteral("%1 x %2").arg(colour).arg(count); }

// The lines of a drawing as runs of one colour, in drawing order.
QStringList colour_runs(const std::vector<Primitive> &record)
{
    QList<QPair<int, int>> runs;
    for (const Primitive &line : only(record, Primitive::Op::Line)) {
        int colour = 0;
        while (colour < 16 && QBColor(colour) != line.colour)
            ++colour;
        if (!runs.isEmpty() && runs.last().first == colour)
            ++runs.last().second;
        else
            runs.append({ colour, 1 });
    }
    QStringList list;
    for (const auto &[colour, count] : runs)
        list << run(colour, count);
    return list;
}

const Primitive *text_primitive(const std::vector<Primitive> &record, const QString &text)
{
    for (const Primitive &p : record)
        if (p.op == Primitive::Op::Text && p.text == text)
            return &p;
    return nullptr;
}

bool near(double actual, double expected) { return std::abs(actual - expected) < 1e-4; }

} // namespace

class TestPlatonic : public QObject
{
    Q_OBJECT
private slots:
    void vertex_table_data();
    void vertex_table();
    void unused_points_stay_zero();

    void rotation_data();
    void rotation();

    void solid_edges_data();
    void solid_edges();

    void nearest_point_data();
    void nearest_point();

    void start_up_view();
    void solids_drawn_data();
    void solids_drawn();
    void check_box_redraws_once();
    void angle_labels_data();
    void angle_labels();
    void view_positions_data();
    void view_positions();
    void coordinates_by_click_data();
    void coordinates_by_click();
    void click_on_other_topic_does_nothing_data();
    void click_on_other_topic_does_nothing();
};

void TestPlatonic::vertex_table_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("y");
    QTest::addColumn<double>("z");
    const auto row = [](int index, double x, double y, double z) {
        QTest::addRow("p%d", index) << index << x << y << z;
    };
    row(-3, 7, 0, 0);
    row(-2, 0, 7, 0);
    row(-1, 0, 0, 11);
    row(0, 0, 0, 0);
    row(1, -5, -5, -5);
    row(2, 5, -5, -5);
    row(3, 5, 5, -5);
    row(4, -5, 5, -5);
    row(5, -5, -5, 5);
    row(6, 5, -5, 5);
    row(7, 5, 5, 5);
    row(8, -5, 5, 5);
    row(9, a, 0, b);
    row(10, -a, 0, b);
    row(11, 0, b, a);
    row(12, 0, -b, a);
    row(13, b, a, 0);
    row(14, b, -a, 0);
    row(15, -b, a, 0);
    row(16, -b, -a, 0);
    row(17, 0, b, -a);
    row(18, a, 0, -b);
    row(19, -a, 0, -b);
    row(20, 0, -b, -a);
    row(21, 5, 0, 0);
    row(22, 0, 5, 0);
    row(23, -5, 0, 0);
    row(24, 0, -5, 0);
    row(25, 0, 0, 5);
    row(26, 0, 0, -5);
    row(27, a, 0, 5);
    row(28, -a, 0, 5);
    row(29, a, 0, -5);
    row(30, -a, 0, -5);
    row(31, 5, a, 0);
    row(32, 5, -a, 0);
    row(33, -5, a, 0);
    row(34, -5, -a, 0);
    row(35, 0, 5, a);
    row(36, 0, 5, -a);
    row(37, 0, -5, a);
    row(38, 0, -5, -a);
}

void TestPlatonic::vertex_table()
{
    QFETCH(int, index);
    QFETCH(double, x);
    QFETCH(double, y);
    QFETCH(double, z);
    const platonic::PointTable table = platonic::solid_vertices(phi);
    QCOMPARE(table[index].x, float(x));
    QCOMPARE(table[index].y, float(y));
    QCOMPARE(table[index].z, float(z));
}

void TestPlatonic::unused_points_stay_zero()
{
    const platonic::PointTable table = platonic::solid_vertices(phi);
    for (int n = 39; n <= platonic::PointTable::last; ++n) {
        QCOMPARE(table[n].x, 0.0f);
        QCOMPARE(table[n].y, 0.0f);
        QCOMPARE(table[n].z, 0.0f);
    }
}

void TestPlatonic::rotation_data()
{
    QTest::addColumn<float>("turn");
    QTest::addColumn<float>("tilt");
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("y");
    QTest::addColumn<double>("z");
    QTest::addColumn<double>("X");
    QTest::addColumn<double>("Y");
    QTest::addColumn<double>("Z");
    // Expected values: the turn about z, then the tilt about x, worked out by hand or, for the
    // general angles, from the rotation matrices in double-precision degrees.
    QTest::newRow("0/0 looks down the z axis")
        << 0.0f << 0.0f << -5.0 << -5.0 << -5.0 << -5.0 << -5.0 << -5.0;
    QTest::newRow("0/0 the z axis end falls on the origin")
        << 0.0f << 0.0f << 0.0 << 0.0 << 11.0 << 0.0 << 0.0 << 11.0;
    QTest::newRow("tilt 90 shows z as screen Y")
        << 0.0f << 90.0f << 1.0 << 2.0 << 3.0 << 1.0 << 3.0 << -2.0;
    QTest::newRow("turn 90 carries x onto y")
        << 90.0f << 0.0f << 1.0 << 2.0 << 3.0 << -2.0 << 1.0 << 3.0;
    QTest::newRow("turn 180 mirrors x and y")
        << 180.0f << 0.0f << 1.0 << 2.0 << 3.0 << -1.0 << -2.0 << 3.0;
    QTest::newRow("turn -5") << -5.0f << 0.0f << 7.0 << 0.0 << 0.0 << 6.973362887 << -0.610090199
                             << 0.0;
    QTest::newRow("turn 355 as -5")
        << 355.0f << 0.0f << 7.0 << 0.0 << 0.0 << 6.973362887 << -0.610090199 << 0.0;
    QTest::newRow("start-up view, cube corner p7")
        << 220.0f << 70.0f << 5.0 << 5.0 << 5.0 << -0.616284167 << 2.289218401 << 8.329446136;
    QTest::newRow("start-up view, z axis end")
        << 220.0f << 70.0f << 0.0 << 0.0 << 11.0 << 0.0 << 10.336618829 << 3.762221577;
    QTest::newRow("start-up view, label L")
        << 220.0f << 70.0f << 0.0 << 5.0 << 5.6 << 3.213938048 << 3.952265525 << 5.514544355;
    QTest::newRow("turn 30 tilt -40")
        << 30.0f << -40.0f << 1.0 << 2.0 << 3.0 << -0.133974596 << -0.218512711 << 3.732867933;
}

void TestPlatonic::rotation()
{
    QFETCH(float, turn);
    QFETCH(float, tilt);
    QFETCH(double, x);
    QFETCH(double, y);
    QFETCH(double, z);
    QFETCH(double, X);
    QFETCH(double, Y);
    QFETCH(double, Z);
    const float pi = float(4 * std::atan(1.0));
    const platonic::Rotated r =
        platonic::rotate_point(x, y, z, platonic::rotation_setup(turn, tilt, pi));
    QVERIFY2(near(r.X, X), qPrintable(QString::number(r.X)));
    QVERIFY2(near(r.Y, Y), qPrintable(QString::number(r.Y)));
    QVERIFY2(near(r.Z, Z), qPrintable(QString::number(r.Z)));
}

void TestPlatonic::solid_edges_data()
{
    QTest::addColumn<int>("solid");
    QTest::addColumn<int>("distinct");
    QTest::addColumn<int>("drawn");
    QTest::addColumn<double>("length");
    QTest::addColumn<QList<int>>("corners");
    const double side = 10;
    QTest::newRow("cube") << 0 << 12 << 12 << side << range(1, 8);
    QTest::newRow("dodecahedron") << 1 << 30 << 42 << side / phi << range(1, 20);
    QTest::newRow("tetrahedron") << 2 << 6 << 7 << std::sqrt(2.0) * side
                                 << QList<int> { 1, 3, 6, 8 };
    QTest::newRow("octahedron") << 3 << 12 << 16 << std::sqrt(2.0) * side / 2 << range(21, 26);
    QTest::newRow("icosahedron") << 4 << 30 << 35 << side / phi << range(27, 38);
}

void TestPlatonic::solid_edges()
{
    QFETCH(int, solid);
    QFETCH(int, distinct);
    QFETCH(int, drawn);
    QFETCH(double, length);
    QFETCH(QList<int>, corners);
    const std::vector<platonic::Chain> &chains = chains_of(solid);
    const platonic::PointTable table = platonic::solid_vertices(phi);
    const std::vector<platonic::Edge> edges = platonic::edges_in_order(chains);
    QCOMPARE(platonic::distinct_edge_count(chains), distinct);
    QCOMPARE(int(edges.size()), drawn);
    // With the right count, every edge of the right length means every edge of the solid.
    std::set<int> used;
    for (const auto &[p, q] : edges) {
        const double dx = table[p].x - table[q].x;
        const double dy = table[p].y - table[q].y;
        const double dz = table[p].z - table[q].z;
        QVERIFY2(near(std::sqrt(dx * dx + dy * dy + dz * dz), length),
            qPrintable(QStringLiteral("edge p%1-p%2").arg(p).arg(q)));
        used.insert(p);
        used.insert(q);
    }
    QCOMPARE(QList<int>(used.begin(), used.end()), corners);
}

void TestPlatonic::nearest_point_data()
{
    QTest::addColumn<float>("x");
    QTest::addColumn<float>("y");
    QTest::addColumn<int>("index");
    // In the view 0/0 every point shows at its model (x, y).
    QTest::newRow("on p9") << float(a) << 0.0f << 9;
    QTest::newRow("p3 hides p7") << 5.0f << 5.0f << 3;
    QTest::newRow("halfway from the origin to p9") << float(a) / 2 << 0.0f << 0;
    QTest::newRow("p11 hides p17") << 0.0f << 8.0f << 11;
    QTest::newRow("far corner") << -10.0f << -10.0f << 1;
    QTest::newRow("on p31, not searched") << 5.0f << float(a) << 3;
    QTest::newRow("on p25, not searched") << 0.0f << 0.1f << 0;
    QTest::newRow("near p16") << -8.0f << -3.0f << 16;
}

void TestPlatonic::nearest_point()
{
    QFETCH(float, x);
    QFETCH(float, y);
    QFETCH(int, index);
    const platonic::PointTable model = platonic::solid_vertices(phi);
    const platonic::Rotation straight_down =
        platonic::rotation_setup(0, 0, float(4 * std::atan(1.0)));
    platonic::PointTable view;
    for (int n = -3; n <= 38; ++n)
        view[n] = platonic::rotate_point(model[n], straight_down);
    const platonic::Nearest found = platonic::nearest_point(view, x, y);
    QCOMPARE(found.index, index);
    QVERIFY(found.distance < platonic::found_within);
}

void TestPlatonic::start_up_view()
{
    TestWindow t;
    t.menu(QStringLiteral("M_plato"));
    Form1 &f = t.form();
    QCOMPARE(f.Lh1->caption(), QStringLiteral("220"));
    QCOMPARE(f.Lh2->caption(), QStringLiteral("70"));
    QVERIFY(!f.Frame5->isHidden());
    QVERIFY(f.Label2->isHidden());

    const std::vector<Primitive> &record = t.picture1();
    const UserScale &scale = record.front().scale;
    QCOMPARE(scale.left, -10.0);
    QCOMPARE(scale.top, 10.0);
    QCOMPARE(scale.width, 20.0);
    QCOMPARE(scale.height, -20.0);

    // Three light-cyan axes, then the twelve dotted grey cube edges; no other solid.
    QCOMPARE(colour_runs(record), (QStringList { run(11, 3), run(8, 12) }));
    const std::vector<Primitive> lines = only(record, Primitive::Op::Line);
    for (std::size_t i = 0; i < lines.size(); ++i)
        QCOMPARE(lines[i].draw_style, i < 3 ? 0 : 2);

    const QStringList expected = { QStringLiteral(" o"), QStringLiteral("x"), QStringLiteral("y"),
        QStringLiteral("z"), QStringLiteral("THE PLATONIC FIGURES"),
        QStringLiteral("More figures in another program by the same maker"),
        QStringLiteral("click for coördinates"), QStringLiteral("L"), QStringLiteral(" p1"),
        QStringLiteral(" p2"), QStringLiteral(" p3"), QStringLiteral(" p4"), QStringLiteral(" p5"),
        QStringLiteral(" p6"), QStringLiteral(" p7"), QStringLiteral(" p8") };
    QCOMPARE(texts(record), expected);

    const std::vector<Primitive> markers = only(record, Primitive::Op::Circle);
    QCOMPARE(int(markers.size()), 9);
    for (const Primitive &marker : markers)
        QCOMPARE(marker.radius, 0.125);

    // Each axis name where its line ends; "L" above the middle of the edge through (0, 5, 5).
    const Primitive *x_name = text_primitive(record, QStringLiteral("x"));
    QVERIFY(x_name && near(x_name->x1, -5.362311102) && near(x_name->y1, -1.538924173));
    const Primitive *z_name = text_primitive(record, QStringLiteral("z"));
    QVERIFY(z_name && near(z_name->x1, 0) && near(z_name->y1, 10.336618829));
    const Primitive *label = text_primitive(record, QStringLiteral("L"));
    QVERIFY(label && near(label->x1, 3.213938048) && near(label->y1, 3.952265525));

    const QStringList panel = texts(t.picture2());
    QCOMPARE(panel.size(), 11);
    QCOMPARE(panel.mid(2),
        (QStringList { QStringLiteral("There are only five platonic figures"),
            QStringLiteral("Given is a cube with lenght L = 10"),
            QStringLiteral("The dodecaëder constructed outside the cube has"),
            QStringLiteral("a lenght  Ld = L / phi"),
            QStringLiteral("The icosaëder constructed inside the cube has"),
            QStringLiteral("a lenght  Li = L / phi"),
            QStringLiteral("The tetraëder constructed inside de cube has a"),
            QStringLiteral("length Lt = sqrt(2). L"),
            QStringLiteral("The octaëder is constructed inside de tetraëder") }));
}

void TestPlatonic::solids_drawn_data()
{
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<QStringList>("runs");
    QTest::addColumn<int>("markers");
    QTest::addColumn<bool>("distance_text");
    // Lines per solid: the edges of its chains, polygons closed.
    const QString axes = run(11, 3), cube = run(8, 12), dodecahedron = run(9, 42);
    const QString distance = run(3, 3), tetrahedron = run(12, 7), octahedron = run(10, 16);
    const QString icosahedron = run(13, 35);
    QTest::newRow("dodecahedron with its cyan lines")
        << QStringList { QStringLiteral("ChP:0") }
        << QStringList { axes, cube, dodecahedron, distance } << 21 << true;
    QTest::newRow("tetrahedron") << QStringList { QStringLiteral("ChP:1") }
                                 << QStringList { axes, cube, tetrahedron } << 9 << false;
    QTest::newRow("octahedron") << QStringList { QStringLiteral("ChP:2") }
                                << QStringList { axes, cube, octahedron } << 15 << false;
    QTest::newRow("icosahedron then octahedron, drawn octahedron first")
        << QStringList { QStringLiteral("ChP:3"), QStringLiteral("ChP:2") }
        << QStringList { axes, cube, octahedron, icosahedron } << 27 << false;
    QTest::newRow("all four, checked backwards")
        << QStringList { QStringLiteral("ChP:3"), QStringLiteral("ChP:2"), QStringLiteral("ChP:1"),
               QStringLiteral("ChP:0") }
        << QStringList { axes, cube, dodecahedron, distance, tetrahedron, octahedron, icosahedron }
        << 39 << true;
    QTest::newRow("tetrahedron checked and unchecked")
        << QStringList { QStringLiteral("ChP:1"), QStringLiteral("ChP:1") }
        << QStringList { axes, cube } << 9 << false;
}

void TestPlatonic::solids_drawn()
{
    QFETCH(QStringList, boxes);
    QFETCH(QStringList, runs);
    QFETCH(int, markers);
    QFETCH(bool, distance_text);
    TestWindow t;
    t.menu(QStringLiteral("M_plato"));
    click_all(t, boxes);
    QCOMPARE(colour_runs(t.picture1()), runs);
    QCOMPARE(int(only(t.picture1(), Primitive::Op::Circle).size()), markers);
    const Primitive *text =
        text_primitive(t.picture1(), QStringLiteral("Distance p27,p9 = Ld / 2"));
    QCOMPARE(text != nullptr, distance_text);
    if (text) {
        QCOMPARE(text->x1, -9.0);
        QCOMPARE(text->y1, 7.0);
    }
}

void TestPlatonic::check_box_redraws_once()
{
    TestWindow t;
    t.menu(QStringLiteral("M_plato"));
    click(t, QStringLiteral("ChP:2"));
    // The side panel is not erased by a redraw, so each drawing leaves its texts once more.
    QCOMPARE(texts(t.picture2()).count(QStringLiteral("There are only five platonic figures")), 2);
}

void TestPlatonic::angle_labels_data()
{
    QTest::addColumn<QStringList>("clicks");
    QTest::addColumn<QString>("turn");
    QTest::addColumn<QString>("tilt");
    QTest::newRow("start-up") << QStringList {} << "220"
                              << "70";
    QTest::newRow("ten turns on") << repeated(QStringLiteral("Crot1:1"), 10) << "270"
                                  << "70";
    QTest::newRow("no wrap past 360") << repeated(QStringLiteral("Crot1:1"), 29) << "365"
                                      << "70";
    QTest::newRow("turn reset, then back below 0")
        << QStringList { QStringLiteral("Lh1"), QStringLiteral("Crot1:0") } << "-5"
        << "70";
    QTest::newRow("tilt back") << QStringList { QStringLiteral("Crot2:0") } << "220"
                               << "65";
    QTest::newRow("tilt on past 90")
        << (QStringList { QStringLiteral("Lh2") } + repeated(QStringLiteral("Crot2:1"), 19))
        << "220"
        << "95";
    QTest::newRow("tilt reset") << QStringList { QStringLiteral("Crot2:1"), QStringLiteral("Lh2") }
                                << "220"
                                << "0";
    QTest::newRow("turn back past 0 twice")
        << (QStringList { QStringLiteral("Lh1") } + repeated(QStringLiteral("Crot1:0"), 2)) << "-10"
        << "70";
}

void TestPlatonic::angle_labels()
{
    QFETCH(QStringList, clicks);
    QFETCH(QString, turn);
    QFETCH(QString, tilt);
    TestWindow t;
    t.menu(QStringLiteral("M_plato"));
    click_all(t, clicks);
    QCOMPARE(t.form().Lh1->caption(), turn);
    QCOMPARE(t.form().Lh2->caption(), tilt);
    // Leaving the topic and coming back keeps the view.
    t.menu(QStringLiteral("M_R:4"));
    t.menu(QStringLiteral("M_plato"));
    QCOMPARE(t.form().Lh1->caption(), turn);
    QCOMPARE(t.form().Lh2->caption(), tilt);
}

void TestPlatonic::view_positions_data()
{
    QTest::addColumn<QStringList>("clicks");
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("y");
    const QStringList straight_down { QStringLiteral("Lh1"), QStringLiteral("Lh2") };
    const QStringList side_view = straight_down + repeated(QStringLiteral("Crot2:1"), 18);
    QTest::newRow("0/0: p5 over p1") << straight_down << " p5" << -5.0 << -5.0;
    QTest::newRow("0/0: x points right") << straight_down << "x" << 7.0 << 0.0;
    QTest::newRow("0/0: y points up") << straight_down << "y" << 0.0 << 7.0;
    QTest::newRow("0/0: z collapses onto the origin") << straight_down << "z" << 0.0 << 0.0;
    QTest::newRow("tilt 90: p5 shows its z") << side_view << " p5" << -5.0 << 5.0;
    QTest::newRow("tilt 90: p1 shows its z") << side_view << " p1" << -5.0 << -5.0;
    QTest::newRow("tilt 90: z points up") << side_view << "z" << 0.0 << 11.0;
    QTest::newRow("turn 90: x points up")
        << (straight_down + repeated(QStringLiteral("Crot1:1"), 18)) << "x" << 0.0 << 7.0;
}

void TestPlatonic::view_positions()
{
    QFETCH(QStringList, clicks);
    QFETCH(QString, text);
    QFETCH(double, x);
    QFETCH(double, y);
    TestWindow t;
    t.menu(QStringLiteral("M_plato"));
    click_all(t, clicks);
    const Primitive *found = text_primitive(t.picture1(), text);
    QVERIFY(found);
    QVERIFY2(near(found->x1, x) && near(found->y1, y),
        qPrintable(QStringLiteral("at %1, %2").arg(found->x1).arg(found->y1)));
}

void TestPlatonic::coordinates_by_click_data()
{
    QTest::addColumn<QStringList>("clicks");
    QTest::addColumn<float>("mouse_x");
    QTest::addColumn<float>("mouse_y");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("circle_x");
    QTest::addColumn<double>("circle_y");
    const QStringList straight_down { QStringLiteral("Lh1"), QStringLiteral("Lh2") };
    const QStringList side_view = straight_down + repeated(QStringLiteral("Crot2:1"), 18);
    QTest::newRow("0/0 near p9") << straight_down << 3.1f << 0.1f << "Coördinates p9"
                                 << "x= 3.09017  y= 0  z=8.09017" << a << 0.0;
    QTest::newRow("0/0 p3 before p7") << straight_down << 5.0f << 5.0f << "Coördinates p3"
                                      << "x= 5  y= 5  z=-5" << 5.0 << 5.0;
    QTest::newRow("0/0 halfway between the origin and p9, the origin wins")
        << straight_down << float(float(a) / 2) << 0.0f << "Coördinates p0"
        << "x= 0  y= 0  z=0" << 0.0 << 0.0;
    QTest::newRow("0/0 p11 before p17") << straight_down << 0.0f << 8.0f << "Coördinates p11"
                                        << "x= 0  y= 8.09017  z=3.09017" << 0.0 << b;
    QTest::newRow("0/0 far corner") << straight_down << -10.0f << -10.0f << "Coördinates p1"
                                    << "x= -5  y= -5  z=-5" << -5.0 << -5.0;
    QTest::newRow("0/0 on icosahedron point p31")
        << straight_down << 5.0f << float(a) << "Coördinates p3"
        << "x= 5  y= 5  z=-5" << 5.0 << 5.0;
    QTest::newRow("start-up view on p14")
        << QStringList {} << -8.18375f << -0.96896f << "Coördinates p14"
        << "x= 8.09017  y= -3.09017  z=0" << -8.183752681 << -0.968961359;
    QTest::newRow("start-up view on p12")
        << QStringList {} << -5.2f << 5.02f << "Coördinates p12"
        << "x= 0  y= -8.09017  z=3.09017" << -5.200261000 << 5.023455697;
    QTest::newRow("tilt 90: p5 before p8") << side_view << -5.0f << 5.0f << "Coördinates p5"
                                           << "x= -5  y= -5  z=5" << -5.0 << 5.0;
}

void TestPlatonic::coordinates_by_click()
{
    QFETCH(QStringList, clicks);
    QFETCH(float, mouse_x);
    QFETCH(float, mouse_y);
    QFETCH(QString, title);
    QFETCH(QString, text);
    QFETCH(double, circle_x);
    QFETCH(double, circle_y);
    TestWindow t;
    t.menu(QStringLiteral("M_plato"));
    click_all(t, clicks);
    t.form().Picture1->move_pointer(mouse_x, mouse_y);
    t.form().Picture1->click();
    QCOMPARE(int(t.messages.messages.size()), 1);
    QCOMPARE(t.messages.messages.front().title, title);
    QCOMPARE(t.messages.messages.front().text, text);
    const Primitive &circle = t.picture1().back();
    QCOMPARE(circle.op, Primitive::Op::Circle);
    QCOMPARE(circle.radius, 0.3);
    QCOMPARE(circle.colour, QBColor(12));
    QVERIFY2(near(circle.x1, circle_x) && near(circle.y1, circle_y),
        qPrintable(QStringLiteral("at %1, %2").arg(circle.x1).arg(circle.y1)));
}

void TestPlatonic::click_on_other_topic_does_nothing_data()
{
    QTest::addColumn<QStringList>("menus");
    QTest::newRow("before the first menu choice") << QStringList {};
    QTest::newRow("after leaving the figures for the pentagram")
        << QStringList { QStringLiteral("M_plato"), QStringLiteral("M_R:4") };
    QTest::newRow("after leaving the figures for the sequence graph")
        << QStringList { QStringLiteral("M_plato"), QStringLiteral("M_gr:3") };
}

void TestPlatonic::click_on_other_topic_does_nothing()
{
    QFETCH(QStringList, menus);
    TestWindow t;
    for (const QString &menu : menus)
        t.menu(menu);
    const std::size_t drawn = t.picture1().size();
    t.form().Picture1->move_pointer(0, 0);
    t.form().Picture1->click();
    QVERIFY(t.messages.messages.empty());
    QCOMPARE(t.picture1().size(), drawn);
}

QTEST_MAIN(TestPlatonic)
#include "tst_platonic.moc"
