#include "golden/golden_model.h"
#include "palette.h"
#include "test_window.h"

#include <QTest>

#include <cmath>
#include <numbers>

namespace {

const double phi = (1 + std::sqrt(5.0)) / 2;
const float pi = float(4 * std::atan(1.0));
constexpr double deg = std::numbers::pi / 180;

bool near(double actual, double expected, double tolerance)
{
    return std::abs(actual - expected) <= tolerance;
}

// What a topic draws itself: everything after the graph frame's last text, the y axis name.
std::vector<Primitive> topic_part(const std::vector<Primitive> &record)
{
    auto it = record.begin();
    while (
        it != record.end() && !(it->op == Primitive::Op::Text && it->text == QLatin1String("  y")))
        ++it;
    return { it == record.end() ? it : it + 1, record.end() };
}

std::vector<Primitive> coloured(const std::vector<Primitive> &record, Primitive::Op op, QRgb colour)
{
    std::vector<Primitive> kept;
    for (const Primitive &p : only(record, op))
        if (p.colour == colour)
            kept.push_back(p);
    return kept;
}

const Primitive *text_primitive(const std::vector<Primitive> &record, const QString &text)
{
    for (const Primitive &p : record)
        if (p.op == Primitive::Op::Text && p.text == text)
            return &p;
    return nullptr;
}

// Everything that decides the look of a primitive, apart from its place in the drawing order.
QString describe(const Primitive &p)
{
    return QStringLiteral("%1 %2 %3 %4 %5 r%6 %7 %8 a%9 '%10' c%11 f%12 s%13 d%14 w%15")
        .arg(int(p.op))
        .arg(p.x1, 0, 'g', 17)
        .arg(p.y1, 0, 'g', 17)
        .arg(p.x2, 0, 'g', 17)
        .arg(p.y2, 0, 'g', 17)
        .arg(p.radius, 0, 'g', 17)
        .arg(p.start ? QString::number(*p.start, 'g', 17) : QStringLiteral("-"))
        .arg(p.end ? QString::number(*p.end, 'g', 17) : QStringLiteral("-"))
        .arg(p.aspect, 0, 'g', 17)
        .arg(p.text)
        .arg(p.colour)
        .arg(p.fill ? QString::number(*p.fill) : QStringLiteral("-"))
        .arg(p.fill_style)
        .arg(p.draw_style)
        .arg(p.draw_width);
}

QStringList describe(const std::vector<Primitive> &record)
{
    QStringList lines;
    for (const Primitive &p : record)
        lines << describe(p);
    return lines;
}

} // namespace

class TestGolden : public QObject
{
    Q_OBJECT

private slots:
    void rectangle_corners_data();
    void rectangle_corners();
    void rectangle_pole();
    void rectangle_boxes();
    void quarter_arcs_data();
    void quarter_arcs();
    void conic_point_data();
    void conic_point();
    void golden_ellipse();
    void pentagon_corners_data();
    void pentagon_corners();
    void pentagram_crossing();
    void construction_points_data();
    void construction_points();
    void quarter_turn_points_data();
    void quarter_turn_points();
    void curves_data();
    void curves();
    void exponential_steps_data();
    void exponential_steps();
    void exponential_segments_data();
    void exponential_segments();
    void side_panels_data();
    void side_panels();
    void same_picture_twice_data();
    void same_picture_twice();
};

void TestGolden::rectangle_corners_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("y");
    const double phi2 = phi * phi, phi3 = phi2 * phi, phi4 = phi3 * phi;
    QTest::newRow("A") << 0 << 0.0 << 0.0;
    QTest::newRow("B") << 1 << 1.0 << 0.0;
    QTest::newRow("C") << 2 << 1.0 << phi;
    QTest::newRow("D") << 3 << -phi << phi;
    QTest::newRow("E") << 4 << -phi << -phi2;
    QTest::newRow("F") << 5 << phi3 + 1 << -phi2;
    QTest::newRow("G") << 6 << phi3 + 1 << phi4 + phi;
}

void TestGolden::rectangle_corners()
{
    QFETCH(int, index);
    QFETCH(double, x);
    QFETCH(double, y);
    const golden::Point p = golden::rectangle_corners(phi, pi)[std::size_t(index)];
    QVERIFY2(near(p.x, x, 1e-6) && near(p.y, y, 1e-6),
        qPrintable(QStringLiteral("%1, %2").arg(p.x).arg(p.y)));

    // The marker with the corner's letter stands on the corner.
    TestWindow t;
    t.menu(QStringLiteral("M_R:2"));
    const Primitive *label = text_primitive(t.picture1(), QStringLiteral(" ") + QChar(65 + index));
    QVERIFY(label);
    QVERIFY(near(label->x1, x, 1e-6) && near(label->y1, y, 1e-6));
}

void TestGolden::rectangle_pole()
{
    // The diagonals EG and DF of the closed-form corners cross in ((5 - sqrt 5)/10, 1/sqrt 5).
    const double ex = -phi, ey = -phi * phi, gx = phi * phi * phi + 1,
                 gy = phi * phi * phi * phi + phi;
    const double dx = -phi, dy = phi, fx = gx, fy = ey;
    const double t = ((dx - ex) * (fy - dy) - (dy - ey) * (fx - dx))
        / ((gx - ex) * (fy - dy) - (gy - ey) * (fx - dx));
    const double sx = ex + t * (gx - ex), sy = ey + t * (gy - ey);
    QVERIFY(near(golden::rectangle_pole.x, sx, 1e-4));
    QVERIFY(near(golden::rectangle_pole.y, sy, 1e-4));

    TestWindow w;
    w.menu(QStringLiteral("M_R:2"));
    const Primitive *label = text_primitive(w.picture1(), QStringLiteral(" S"));
    QVERIFY(label);
    QCOMPARE(label->x1, 0.2764);
    QCOMPARE(label->y1, 0.4472);
}

void TestGolden::rectangle_boxes()
{
    TestWindow t;
    t.menu(QStringLiteral("M_R:2"));
    const std::vector<Primitive> boxes = only(topic_part(t.picture1()), Primitive::Op::Box);
    QCOMPARE(boxes.size(), std::size_t(9));
    // The yellow rectangle B..D first, the four squares over it, then their black outlines.
    QCOMPARE(boxes[0].colour, QBColor(14));
    QVERIFY(boxes[0].solid_fill);
    QVERIFY(near(boxes[0].x1, 1, 1e-9) && near(boxes[0].x2, -phi, 1e-6)
        && near(boxes[0].y2, phi, 1e-6));
    for (int i = 0; i < 4; ++i) {
        QCOMPARE(boxes[std::size_t(1 + i)].colour, QBColor(10 + i));
        QVERIFY(boxes[std::size_t(1 + i)].solid_fill);
        QCOMPARE(boxes[std::size_t(5 + i)].colour, QBColor(0));
        QVERIFY(!boxes[std::size_t(5 + i)].solid_fill);
        // Square i has side phi^(i+1).
        const Primitive &b = boxes[std::size_t(5 + i)];
        QVERIFY(near(std::abs(b.x2 - b.x1), std::pow(phi, i + 1), 1e-6));
        QVERIFY(near(std::abs(b.y2 - b.y1), std::pow(phi, i + 1), 1e-6));
    }
    // The thick path A-B-C-D-E-F-G.
    int thick = 0;
    for (const Primitive &p : only(topic_part(t.picture1()), Primitive::Op::Line))
        thick += p.draw_width == 3 ? 1 : 0;
    QCOMPARE(thick, 6);
}

void TestGolden::quarter_arcs_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<double>("start");
    QTest::addColumn<double>("from_x");
    QTest::addColumn<double>("from_y");
    QTest::addColumn<double>("to_x");
    QTest::addColumn<double>("to_y");
    const double phi2 = phi * phi, phi3 = phi2 * phi, phi4 = phi3 * phi;
    const double p = std::numbers::pi;
    QTest::newRow("arc 0 about A") << 0 << p / 2 << 0.0 << phi << -phi << 0.0;
    QTest::newRow("arc 1 about B") << 1 << p << -phi << 0.0 << 1.0 << -phi2;
    QTest::newRow("arc 2 about C") << 2 << 3 * p / 2 << 1.0 << -phi2 << phi3 + 1 << phi;
    QTest::newRow("arc 3 about D starts at 0") << 3 << 0.0 << phi3 + 1 << phi << -phi << phi4 + phi;
}

void TestGolden::quarter_arcs()
{
    QFETCH(int, index);
    QFETCH(double, start);
    QFETCH(double, from_x);
    QFETCH(double, from_y);
    QFETCH(double, to_x);
    QFETCH(double, to_y);
    TestWindow t;
    t.menu(QStringLiteral("M_R:2"));
    const std::vector<Primitive> arcs = coloured(t.picture1(), Primitive::Op::Circle, QBColor(15));
    QCOMPARE(arcs.size(), std::size_t(4));
    const Primitive &arc = arcs[std::size_t(index)];
    QVERIFY(arc.start && arc.end);
    QVERIFY(near(*arc.start, start, 1e-6));
    QVERIFY(near(*arc.end, start + std::numbers::pi / 2, 1e-6));
    QVERIFY(*arc.end <= double(2 * pi));
    QVERIFY(near(arc.radius, std::pow(phi, index + 1), 1e-12));
    const double fx = arc.x1 + arc.radius * std::cos(*arc.start),
                 fy = arc.y1 + arc.radius * std::sin(*arc.start);
    const double tx = arc.x1 + arc.radius * std::cos(*arc.end),
                 ty = arc.y1 + arc.radius * std::sin(*arc.end);
    QVERIFY2(near(fx, from_x, 1e-5) && near(fy, from_y, 1e-5),
        qPrintable(QStringLiteral("%1, %2").arg(fx).arg(fy)));
    QVERIFY2(near(tx, to_x, 1e-5) && near(ty, to_y, 1e-5),
        qPrintable(QStringLiteral("%1, %2").arg(tx).arg(ty)));
}

void TestGolden::conic_point_data()
{
    QTest::addColumn<float>("h");
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("y");
    // r = phi / (1 + phi cos h) about the focus (-phi, 0).
    const auto point = [](double h) {
        const double r = phi / (1 + phi * std::cos(h * deg));
        return std::pair { r * std::cos(h * deg) - phi, r * std::sin(h * deg) };
    };
    QTest::newRow("vertex") << 0.0f << -1.0 << 0.0;
    QTest::newRow("over the focus") << 90.0f << -phi << phi;
    QTest::newRow("upper end") << 95.0f << point(95).first << point(95).second;
    QTest::newRow("lower end") << -95.0f << point(-95).first << point(-95).second;
    QTest::newRow("forty degrees") << 40.0f << point(40).first << point(40).second;
}

void TestGolden::conic_point()
{
    QFETCH(float, h);
    QFETCH(double, x);
    QFETCH(double, y);
    const golden::SinglePoint q = golden::conic_point(float(phi), h, phi, pi);
    QVERIFY2(near(q.x, x, 2e-6) && near(q.y, y, 2e-6),
        qPrintable(QStringLiteral("%1, %2").arg(q.x).arg(q.y)));
    // Every point lies on x^2 - y^2/phi = 1.
    QVERIFY(near(double(q.x) * q.x - double(q.y) * q.y / phi, 1, 1e-5));
}

void TestGolden::golden_ellipse()
{
    TestWindow t;
    t.menu(QStringLiteral("M_R:3"));
    const std::vector<Primitive> part = topic_part(t.picture1());
    QVERIFY(!part.empty());
    const Primitive &ellipse = part.front();
    QCOMPARE(ellipse.op, Primitive::Op::Circle);
    QCOMPARE(ellipse.fill_style, 4);
    QVERIFY(ellipse.fill);
    QCOMPARE(*ellipse.fill, QBColor(14));
    QVERIFY(near(ellipse.radius, phi, 1e-12));
    QVERIFY(near(ellipse.radius * ellipse.aspect, std::sqrt(phi), 1e-12));
    // The grey circle and everything after it are not filled.
    QCOMPARE(part[1].colour, QBColor(7));
    QVERIFY(!part[1].fill);
    QCOMPARE(t.form().Picture1->surface().FillStyle, 1);
    QCOMPARE(t.form().Picture1->surface().FillColor, QBColor(14));
    QVERIFY(texts(part).contains(QStringLiteral("51.827°")));
    // P sits over the right focus at the end of the semi-latus rectum p = phi.
    const Primitive *P = text_primitive(part, QStringLiteral(" P"));
    QVERIFY(P);
    QVERIFY(near(P->x1, phi, 1e-5) && near(P->y1, phi, 1e-5));
}

void TestGolden::pentagon_corners_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("y");
    const double c72 = std::cos(72 * deg), s72 = std::sin(72 * deg);
    QTest::newRow("p1") << 1 << 0.0 << 0.0;
    QTest::newRow("p2") << 2 << 1.0 << 0.0;
    QTest::newRow("p3") << 3 << 1 + c72 << s72;
    QTest::newRow("p4") << 4 << 0.5 << s72 + std::sin(144 * deg);
    QTest::newRow("p5") << 5 << -c72 << s72;
    QTest::newRow("closing corner") << 6 << 0.0 << 0.0;
}

void TestGolden::pentagon_corners()
{
    QFETCH(int, index);
    QFETCH(double, x);
    QFETCH(double, y);
    const golden::SinglePoint p = golden::pentagon_corners(pi)[std::size_t(index)];
    QVERIFY2(near(p.x, x, 1e-6) && near(p.y, y, 1e-6),
        qPrintable(QStringLiteral("%1, %2").arg(p.x).arg(p.y)));
    if (index <= 5) {
        TestWindow t;
        t.menu(QStringLiteral("M_R:4"));
        const Primitive *label = text_primitive(t.picture1(), QStringLiteral(" p%1").arg(index));
        QVERIFY(label);
        QCOMPARE(label->x1, double(p.x));
        QCOMPARE(label->y1, double(p.y));
    }
}

void TestGolden::pentagram_crossing()
{
    const golden::Point A = golden::polar_point(1, 36, pi);
    QVERIFY(near(A.x, std::cos(36 * deg), 1e-7) && near(A.y, std::sin(36 * deg), 1e-7));
    // On p2p4 at 1/phi from p2 and 1 from p4.
    const golden::PentagonCorners p = golden::pentagon_corners(pi);
    QVERIFY(near(std::hypot(A.x - p[2].x, A.y - p[2].y), 1 / phi, 1e-6));
    QVERIFY(near(std::hypot(A.x - p[4].x, A.y - p[4].y), 1, 1e-6));
    QVERIFY(near(std::hypot(p[4].x - p[2].x, p[4].y - p[2].y), phi, 1e-6));

    TestWindow t;
    t.menu(QStringLiteral("M_R:4"));
    const std::vector<Primitive> part = topic_part(t.picture1());
    QCOMPARE(texts(part).first(), QStringLiteral("PENTAGRAM"));
    QCOMPARE(coloured(part, Primitive::Op::Line, QBColor(12)).size(), std::size_t(5));
    const std::vector<Primitive> diagonals = coloured(part, Primitive::Op::Line, QBColor(11));
    QCOMPARE(diagonals.size(), std::size_t(5));
    // The first diagonal drawn is p2p4.
    QCOMPARE(diagonals[0].x1, 1.0);
    QVERIFY(near(diagonals[0].x2, 0.5, 1e-6));
}

void TestGolden::construction_points_data()
{
    QTest::addColumn<double>("radius");
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("y");
    // The diagonal OE of the 2 by 1 rectangle has length sqrt 5 and direction (2, 1)/sqrt 5.
    const double s5 = std::sqrt(5.0);
    QTest::newRow("A at phi") << phi << 2 * phi / s5 << phi / s5;
    QTest::newRow("B at 1/phi") << 1 / phi << 2 / (phi * s5) << 1 / (phi * s5);
    QTest::newRow("E at sqrt 5") << s5 << 2.0 << 1.0;
}

void TestGolden::construction_points()
{
    QFETCH(double, radius);
    QFETCH(double, x);
    QFETCH(double, y);
    const golden::Point p = golden::polar_point(radius, golden::diagonal_angle(pi), pi);
    QVERIFY2(near(p.x, x, 1e-6) && near(p.y, y, 1e-6),
        qPrintable(QStringLiteral("%1, %2").arg(p.x).arg(p.y)));
    if (radius != std::sqrt(5.0))
        QVERIFY(near(std::hypot(p.x - 1, p.y - 0.5), 0.5, 1e-6));

    TestWindow t;
    t.menu(QStringLiteral("M_R:0"));
    const std::vector<Primitive> arcs = only(topic_part(t.picture1()), Primitive::Op::Circle);
    // The arc about O of radius phi ends in A; the half circle of radius 1/phi from 0 to pi.
    const auto arc = std::find_if(
        arcs.begin(), arcs.end(), [](const Primitive &c) { return c.start && c.radius > 1; });
    QVERIFY(arc != arcs.end());
    QVERIFY(near(arc->radius * std::cos(*arc->end), 2 * phi / std::sqrt(5.0), 1e-9));
    QVERIFY(near(arc->radius * std::sin(*arc->end), phi / std::sqrt(5.0), 1e-9));
    const auto half = std::find_if(
        arcs.begin(), arcs.end(), [](const Primitive &c) { return c.start && c.radius < 1; });
    QVERIFY(half != arcs.end());
    QCOMPARE(*half->start, 0.0);
    QVERIFY(near(*half->end, std::numbers::pi, 1e-6));
}

void TestGolden::quarter_turn_points_data()
{
    QTest::addColumn<int>("i");
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("y");
    QTest::newRow("P(-3)") << -3 << 0.0 << 0.236;
    QTest::newRow("P(-2)") << -2 << -0.382 << 0.0;
    QTest::newRow("P(-1)") << -1 << 0.0 << -0.618;
    QTest::newRow("P(0)") << 0 << 1.0 << 0.0;
    QTest::newRow("P(1)") << 1 << 0.0 << 1.618;
    QTest::newRow("P(2)") << 2 << -2.618 << 0.0;
    QTest::newRow("P(3)") << 3 << 0.0 << -4.236;
    QTest::newRow("P(4)") << 4 << 6.854 << 0.0;
    QTest::newRow("P(5) above the window") << 5 << 0.0 << 11.090;
}

void TestGolden::quarter_turn_points()
{
    QFETCH(int, i);
    QFETCH(double, x);
    QFETCH(double, y);
    const golden::Point p = golden::quarter_turn_point(i, phi, pi);
    QVERIFY2(near(p.x, x, 5e-4) && near(p.y, y, 5e-4),
        qPrintable(QStringLiteral("%1, %2").arg(p.x).arg(p.y)));
    // The spiral passes through it.
    const golden::SinglePoint s = golden::spiral_point(float(90 * i), phi, pi);
    QVERIFY(near(s.x, p.x, 1e-5 * std::pow(phi, i)) && near(s.y, p.y, 1e-5 * std::pow(phi, i)));
}

void TestGolden::curves_data()
{
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QRgb>("colour");
    QTest::addColumn<int>("count");
    QTest::addColumn<double>("first_x");
    QTest::addColumn<double>("first_y");
    QTest::addColumn<double>("last_x");
    QTest::addColumn<double>("last_y");
    QTest::addColumn<double>("tolerance");

    // Golden rectangle: h from h0 - 180 to h0 + 360 about the pole, in the foreground colour.
    const double h0 = std::atan(phi) / deg;
    const auto rect = [](double h) {
        const double r = std::pow(phi, h / 90);
        return std::pair { 0.2764 + r * std::cos(h * deg), 0.4472 + r * std::sin(h * deg) };
    };
    QTest::newRow("golden rectangle spiral")
        << "M_R:2" << QBColor(0) << 2701 << rect(h0 - 180).first << rect(h0 - 180).second
        << rect(h0 + 360).first << rect(h0 + 360).second << 1e-6;
    // Hyperbola: both branches, 1,901 angles from -95 degrees; the single counter ends at 94.99825.
    const auto hyp = [](double h) {
        const double r = phi / (1 + phi * std::cos(h * deg));
        return std::pair { r * std::cos(h * deg) - phi, r * std::sin(h * deg) };
    };
    QTest::newRow("golden hyperbola")
        << "M_R:3" << QBColor(0) << 2 * 1901 << hyp(-95).first << hyp(-95).second
        << -hyp(94.99825).first << hyp(94.99825).second << 2e-5;
    // Parabola from k = -0.8 to just before 2.
    QTest::newRow("parabola") << "M_R:1" << QBColor(9) << 1401 << -0.8 << 0.44 << 2.0 << 1.0
                              << 1e-4;
    // Golden spiral from -280 degrees; the single counter ends at 369.921, not 369.9.
    const auto spiral = [](double h) {
        const double r = std::pow(phi, h / 90);
        return std::pair { r * std::cos(h * deg), r * std::sin(h * deg) };
    };
    QTest::newRow("golden spiral")
        << "M_R:5" << QBColor(13) << 6500 << spiral(-280).first << spiral(-280).second
        << spiral(369.921).first << spiral(369.921).second << 1e-4;
    // Exponential curve y = phi^t for t = -3 .. 6.
    QTest::newRow("exponential curve") << "M_R:6" << QBColor(1) << 901 << -3.0 << std::pow(phi, -3)
                                       << 6.0 << std::pow(phi, 6) << 1e-9;
}

void TestGolden::curves()
{
    QFETCH(QString, menu);
    QFETCH(QRgb, colour);
    QFETCH(int, count);
    QFETCH(double, first_x);
    QFETCH(double, first_y);
    QFETCH(double, last_x);
    QFETCH(double, last_y);
    QFETCH(double, tolerance);
    TestWindow t;
    t.menu(menu);
    const std::vector<Primitive> points =
        coloured(topic_part(t.picture1()), Primitive::Op::Point, colour);
    QCOMPARE(int(points.size()), count);
    // The hyperbola sets each point of the left branch and then its mirror image.
    const Primitive &first = points.front();
    const Primitive &last = points.back();
    QVERIFY2(near(first.x1, first_x, tolerance) && near(first.y1, first_y, tolerance),
        qPrintable(QStringLiteral("%1, %2").arg(first.x1).arg(first.y1)));
    QVERIFY2(near(last.x1, last_x, tolerance) && near(last.y1, last_y, tolerance),
        qPrintable(QStringLiteral("%1, %2").arg(last.x1).arg(last.y1)));
}

void TestGolden::exponential_steps_data()
{
    QTest::addColumn<int>("clicks");
    QTest::addColumn<QString>("button"); // the button array and its item
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("y0");
    QTest::addColumn<double>("tolerance");
    QTest::addColumn<QString>("x_caption");
    QTest::addColumn<QString>("y0_caption");

    QTest::newRow("start values") << 0 << "ComQ:0" << 2.0 << 1.0 << 0.0 << "2.0"
                                  << "1.0";
    QTest::newRow("one step down") << 1 << "ComQ:0" << 1.9 << 1.0 << 1e-6 << "1.9"
                                   << "1.0";
    // Twenty single-precision steps of 0.1 from 2 miss 0 and stop at about -3.1e-07.
    QTest::newRow("twenty down shows 0.0") << 20 << "ComQ:0" << -3.1e-7 << 1.0 << 0.05e-7 << "0.0"
                                           << "1.0";
    QTest::newRow("fortieth down clamps to -2") << 40 << "ComQ:0" << -2.0 << 1.0 << 0.0 << "-2.0"
                                                << "1.0";
    QTest::newRow("forty-first down stays") << 41 << "ComQ:0" << -2.0 << 1.0 << 0.0 << "-2.0"
                                            << "1.0";
    QTest::newRow("twenty up just below 4") << 20 << "ComZ:0" << 3.999998 << 1.0 << 1e-6 << "4.0"
                                            << "1.0";
    QTest::newRow("twenty-first up clamps to 4") << 21 << "ComZ:0" << 4.0 << 1.0 << 0.0 << "4.0"
                                                 << "1.0";
    QTest::newRow("y0 seventh down") << 7 << "ComQ:1" << 2.0 << 0.3 << 1e-6 << "2.0"
                                     << "0.3";
    QTest::newRow("y0 eighth down clamps to 0.2")
        << 8 << "ComQ:1" << 2.0 << double(0.2f) << 0.0 << "2.0"
        << "0.2";
    QTest::newRow("y0 up clamps to 2") << 11 << "ComZ:1" << 2.0 << 2.0 << 0.0 << "2.0"
                                       << "2.0";
}

void TestGolden::exponential_steps()
{
    QFETCH(int, clicks);
    QFETCH(QString, button);
    QFETCH(double, x);
    QFETCH(double, y0);
    QFETCH(double, tolerance);
    QFETCH(QString, x_caption);
    QFETCH(QString, y0_caption);
    TestWindow t;
    t.menu(QStringLiteral("M_R:6"));
    Form1 &f = t.form();
    ControlArray<Button> &array = button.startsWith(QLatin1String("ComQ")) ? f.ComQ : f.ComZ;
    for (int i = 0; i < clicks; ++i)
        array[button.endsWith(QLatin1Char('0')) ? 0 : 1].click();

    QCOMPARE(f.LabQ[0].caption(), x_caption);
    QCOMPARE(f.LabQ[1].caption(), y0_caption);
    // P stands at (x, y0 phi^x); its label is printed at its centre.
    const Primitive *P = text_primitive(t.picture1(), QStringLiteral("  P"));
    QVERIFY(P);
    QVERIFY2(near(P->x1, x, tolerance), qPrintable(QString::number(P->x1, 'g', 10)));
    QVERIFY(near(P->y1 / std::pow(phi, P->x1), y0, tolerance + 1e-6));
    QCOMPARE(f.LabQ[2].caption(), QString::number(P->y1, 'f', 5));
    QVERIFY(f.Frame6->isVisibleTo(&t.window));
}

void TestGolden::exponential_segments_data()
{
    QTest::addColumn<QRgb>("colour");
    QTest::addColumn<int>("style");
    QTest::addColumn<double>("x1");
    QTest::addColumn<double>("y1");
    QTest::addColumn<double>("x2");
    QTest::addColumn<double>("y2");
    const double p2 = phi * phi, p3 = p2 * phi, p4 = p3 * phi;
    // At x = 2 and y0 = 1: yP = phi^2, a = phi^3 - phi^2 = phi, b = phi^4 - phi^3 = phi^2, c = phi^3.
    QTest::newRow("a at P") << QBColor(12) << 0 << 2.0 << p2 << 2.0 << p3;
    QTest::newRow("b above a") << QBColor(9) << 0 << 2.0 << p3 << 2.0 << p4;
    QTest::newRow("a dotted at x - 1") << QBColor(12) << 2 << 1.0 << 0.0 << 1.0 << phi;
    QTest::newRow("c dotted at x + 1") << QBColor(10) << 2 << 3.0 << 0.0 << 3.0 << p3;
    QTest::newRow("b dotted under P") << QBColor(9) << 2 << 2.0 << 0.0 << 2.0 << p2;
}

void TestGolden::exponential_segments()
{
    QFETCH(QRgb, colour);
    QFETCH(int, style);
    QFETCH(double, x1);
    QFETCH(double, y1);
    QFETCH(double, x2);
    QFETCH(double, y2);
    TestWindow t;
    t.menu(QStringLiteral("M_R:6"));
    int found = 0;
    for (const Primitive &l : coloured(topic_part(t.picture1()), Primitive::Op::Line, colour))
        if (l.draw_style == style && near(l.x1, x1, 1e-9) && near(l.y1, y1, 1e-9)
            && near(l.x2, x2, 1e-9) && near(l.y2, y2, 1e-9))
            ++found;
    QCOMPARE(found, 1);
    QCOMPARE(t.form().LabQ[2].caption(), QStringLiteral("2.61803"));
}

void TestGolden::side_panels_data()
{
    QTest::addColumn<QString>("menu");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("last");
    QTest::newRow("graphic") << "M_R:0" << 6
                             << "Euclid Book 6 : Divide a line in mean and extreme ratio"
                             << "OA  =  OC + CA  =  phi";
    QTest::newRow("analytic") << "M_R:1" << 7 << "GIVEN  y0"
                              << "k2 = ( 1 - sqrt(5) ) / 2  = -1 / phi";
    QTest::newRow("rectangle") << "M_R:2" << 8 << "AB = 1"
                               << "FE = ......";
    QTest::newRow("ellipse") << "M_R:3" << 12 << "The polar equation of a conic section is :"
                             << "radius ro = 1/phi then p = phi";
    QTest::newRow("pentagram") << "M_R:4" << 7 << "The line p2p4 has a lenght c"
                               << "If  b = 1  then  c = phi  and   a = 1/phi";
    QTest::newRow("spiral") << "M_R:5" << 4 << "The polar equation of a golden spiral is :"
                            << "       1 /phi = phi - 1";
    QTest::newRow("exponential") << "M_R:6" << 7 << "Exponential function "
                                 << "c = phi . b";
}

void TestGolden::side_panels()
{
    QFETCH(QString, menu);
    QFETCH(int, count);
    QFETCH(QString, first);
    QFETCH(QString, last);
    TestWindow t;
    t.menu(menu);
    const QStringList panel = texts(t.picture2());
    QCOMPARE(panel.size(), count);
    QCOMPARE(panel.first(), first);
    QCOMPARE(panel.last(), last);
}

void TestGolden::same_picture_twice_data()
{
    QTest::addColumn<QString>("menu");
    for (int i = 0; i <= 6; ++i)
        QTest::newRow(qPrintable(QStringLiteral("M_R:%1").arg(i)))
            << QStringLiteral("M_R:%1").arg(i);
}

void TestGolden::same_picture_twice()
{
    QFETCH(QString, menu);
    TestWindow t;
    t.menu(menu);
    const QStringList picture = describe(t.picture1());
    const QStringList panel = describe(t.picture2());
    QVERIFY(picture.size() > 100);
    t.menu(menu);
    QCOMPARE(describe(t.picture1()), picture);
    QCOMPARE(describe(t.picture2()), panel);
}

QTEST_MAIN(TestGolden)
#include "tst_golden.moc"
