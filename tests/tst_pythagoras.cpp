#include "palette.h"
#include "pythagoras/pythagoras_model.h"
#include "test_window.h"

#include <QTest>

#include <cmath>

namespace {

const double phi = (1 + std::sqrt(5.0)) / 2;

bool near(double actual, double expected, double tolerance = 1e-3)
{
    return std::abs(actual - expected) <= tolerance;
}

} // namespace

class TestPythagoras : public QObject
{
    Q_OBJECT

private slots:
    void figure_data();
    void figure();
    void leg_steps_data();
    void leg_steps();
    void golden_leg_data();
    void golden_leg();

    void buttons_data();
    void buttons();
    void start_up_picture();
    void golden_construction_once();
    void side_panel();
};

void TestPythagoras::figure_data()
{
    // J is the projection of A on BC: J = B + t (C - B) with t = a² / c²; K = J + (b, a).
    QTest::addColumn<float>("a");
    QTest::addColumn<float>("b");
    QTest::addColumn<double>("L");
    QTest::addColumn<double>("c");
    QTest::addColumn<double>("e");
    QTest::addColumn<double>("jx");
    QTest::addColumn<double>("jy");
    QTest::addColumn<double>("kx");
    QTest::addColumn<double>("ky");
    QTest::newRow("start-up 40, 30")
        << 40.0f << 30.0f << 70.0 << 50.0 << 18.0 << 14.4 << 19.2 << 44.4 << 59.2;
    QTest::newRow("isosceles 10, 10")
        << 10.0f << 10.0f << 20.0 << 14.1421 << 7.0711 << 5.0 << 5.0 << 15.0 << 15.0;
    QTest::newRow("long a 50, 10")
        << 50.0f << 10.0f << 60.0 << 50.9902 << 1.9612 << 1.9231 << 9.6154 << 11.9231 << 59.6154;
    QTest::newRow("long b 10, 50")
        << 10.0f << 50.0f << 60.0 << 50.9902 << 49.029 << 9.6154 << 1.9231 << 59.6154 << 11.9231;
    QTest::newRow("pyramid 22, 28")
        << 22.0f << 28.0f << 50.0 << 35.609 << 22.0169 << 13.6025 << 10.6877 << 41.6025 << 32.6877;
    QTest::newRow("37, 13") << 37.0f << 13.0f << 50.0 << 39.2173 << 4.3093 << 4.0657 << 11.5715
                            << 17.0657 << 48.5715;
}

void TestPythagoras::figure()
{
    QFETCH(float, a);
    QFETCH(float, b);
    QFETCH(double, L);
    QFETCH(double, c);
    QFETCH(double, e);
    QFETCH(double, jx);
    QFETCH(double, jy);
    QFETCH(double, kx);
    QFETCH(double, ky);
    const pythagoras::Figure f = pythagoras::figure(a, b);
    QCOMPARE(double(f.L), L);
    QCOMPARE(double(f.s), double(a) * a + double(b) * b);
    QVERIFY2(near(f.c, c), qPrintable(QString::number(f.c)));
    QVERIFY2(near(f.e, e), qPrintable(QString::number(f.e)));
    QVERIFY2(near(f.J.x, jx) && near(f.J.y, jy),
        qPrintable(QStringLiteral("J (%1, %2)").arg(f.J.x).arg(f.J.y)));
    QVERIFY2(near(f.K.x, kx) && near(f.K.y, ky),
        qPrintable(QStringLiteral("K (%1, %2)").arg(f.K.x).arg(f.K.y)));
    QVERIFY(near(f.theta, std::atan2(double(b), double(a)), 1e-6));
}

void TestPythagoras::leg_steps_data()
{
    QTest::addColumn<bool>("leg_b");
    QTest::addColumn<float>("from");
    QTest::addColumn<int>("delta");
    QTest::addColumn<float>("expected");
    QTest::newRow("a down") << false << 40.0f << -1 << 39.0f;
    QTest::newRow("a up") << false << 40.0f << 1 << 41.0f;
    QTest::newRow("a down at 10 stays") << false << 10.0f << -1 << 10.0f;
    QTest::newRow("a up at 50 stays") << false << 50.0f << 1 << 50.0f;
    QTest::newRow("b down") << true << 30.0f << -1 << 29.0f;
    QTest::newRow("b up at 50 stays") << true << 50.0f << 1 << 50.0f;
    QTest::newRow("b down at 10 stays") << true << 10.0f << -1 << 10.0f;
    QTest::newRow("golden b up is clamped to 50") << true << 50.880787f << 1 << 50.0f;
    QTest::newRow("golden b down is rounded down") << true << 50.880787f << -1 << 49.0f;
    QTest::newRow("golden small b up") << true << 12.720196f << 1 << 13.0f;
    QTest::newRow("golden large b down stays above 50") << true << 63.600983f << -1 << 62.0f;
    QTest::newRow("b just below whole") << true << 30.995f << -1 << 30.0f;
    QTest::newRow("b a hair below whole") << true << 31.9999f << -1 << 31.0f;
}

void TestPythagoras::leg_steps()
{
    QFETCH(bool, leg_b);
    QFETCH(float, from);
    QFETCH(int, delta);
    QFETCH(float, expected);
    const float stepped = leg_b ? pythagoras::step_b(from, delta) : pythagoras::step_a(from, delta);
    QCOMPARE(stepped, expected);
}

void TestPythagoras::golden_leg_data()
{
    QTest::addColumn<float>("a");
    QTest::addColumn<double>("b");
    QTest::newRow("40") << 40.0f << 50.880786;
    QTest::newRow("10") << 10.0f << 12.720196;
    QTest::newRow("50") << 50.0f << 63.600982;
}

void TestPythagoras::golden_leg()
{
    QFETCH(float, a);
    QFETCH(double, b);
    const float golden = pythagoras::golden_b(a, phi);
    QVERIFY2(near(golden, b, 1e-4), qPrintable(QString::number(golden)));
    // With this b: c = phi a, and e = b² / c = a.
    const pythagoras::Figure f = pythagoras::figure(a, golden);
    QVERIFY(near(f.c, phi * a, 1e-4));
    QVERIFY(near(f.e, a, 1e-4));
}

void TestPythagoras::buttons_data()
{
    QTest::addColumn<QStringList>("clicks");
    QTest::addColumn<QStringList>("values");
    const auto repeat = [](const QString &click, int times) {
        QStringList list;
        for (int i = 0; i < times; ++i)
            list << click;
        return list;
    };
    QTest::newRow("start-up") << QStringList {} << QStringList { "40", "30.00", "50.00", "18.00" };
    QTest::newRow("e = a") << QStringList { "C_pyt" }
                           << QStringList { "40", "50.88", "64.72", "40.00" };
    QTest::newRow("b up after e = a: 50")
        << QStringList { "C_pyt", "Com_p2:1" } << QStringList { "40", "50.00", "64.03", "39.04" };
    QTest::newRow("b down after e = a: 49")
        << QStringList { "C_pyt", "Com_p1:1" } << QStringList { "40", "49.00", "63.25", "37.96" };
    QTest::newRow("a down to 10 and no further")
        << repeat("Com_p1:0", 31) << QStringList { "10", "30.00", "31.62", "28.46" };
    QTest::newRow("a up to 50 and no further")
        << repeat("Com_p2:0", 11) << QStringList { "50", "30.00", "58.31", "15.43" };
    QTest::newRow("b down to 10 and no further")
        << repeat("Com_p1:1", 21) << QStringList { "40", "10.00", "41.23", "2.43" };
    QTest::newRow("b up to 50 and no further")
        << repeat("Com_p2:1", 22) << QStringList { "40", "50.00", "64.03", "39.04" };
    QTest::newRow("a label resets a") << QStringList { "Com_p2:0", "Com_p2:0", "L_pyt:0" }
                                      << QStringList { "40", "30.00", "50.00", "18.00" };
    QTest::newRow("b label resets b")
        << QStringList { "C_pyt", "L_pyt:1" } << QStringList { "40", "30.00", "50.00", "18.00" };
    QTest::newRow("c label only redraws")
        << QStringList { "Com_p2:0", "L_pyt:2" } << QStringList { "41", "30.00", "50.80", "17.72" };
    QTest::newRow("e label only redraws")
        << QStringList { "C_pyt", "L_pyt:3" } << QStringList { "40", "50.88", "64.72", "40.00" };
    QTest::newRow("e = a at a = 10") << repeat("Com_p1:0", 30) + QStringList { "C_pyt" }
                                     << QStringList { "10", "12.72", "16.18", "10.00" };
    QTest::newRow("b above 50 stepped down stays above 50")
        << repeat("Com_p2:0", 10) + QStringList { "C_pyt", "Com_p1:1" }
        << QStringList { "50", "62.00", "79.65", "48.26" };
}

void TestPythagoras::buttons()
{
    QFETCH(QStringList, clicks);
    QFETCH(QStringList, values);
    TestWindow t;
    Form1 &f = t.form();
    t.menu(QStringLiteral("M_Pyt"));
    for (const QString &click : clicks) {
        const QStringList parts = click.split(QLatin1Char(':'));
        const int index = parts.size() > 1 ? parts[1].toInt() : 0;
        if (parts[0] == QLatin1String("Com_p1"))
            f.Com_p1[index].click();
        else if (parts[0] == QLatin1String("Com_p2"))
            f.Com_p2[index].click();
        else if (parts[0] == QLatin1String("L_pyt"))
            f.L_pyt[index].click();
        else
            f.C_pyt->click();
    }
    for (int i = 0; i < 4; ++i)
        QCOMPARE(f.L_pyt[i].caption(), values[i]);
}

void TestPythagoras::start_up_picture()
{
    TestWindow t;
    t.menu(QStringLiteral("M_Pyt"));
    Form1 &f = t.form();
    QCOMPARE(f.Label2->isHidden(), true);
    QCOMPARE(f.Frame9->isHidden(), false);
    QCOMPARE(f.plot->x_min, -52.0f);
    QCOMPARE(f.plot->y_max, 102.0f);

    // The corners A to H, in this order, light blue, with the marker radius 154 / 160.
    std::vector<Primitive> corners;
    for (const Primitive &p : only(t.picture1(), Primitive::Op::Circle))
        if (p.colour == QBColor(9))
            corners.push_back(p);
    QCOMPARE(corners.size(), std::size_t(8));
    const double x[] = { 0, 40, 0, 70, 30, 70, 70, 0 }, y[] = { 0, 0, 30, 40, 70, 0, 70, 70 };
    for (std::size_t i = 0; i < 8; ++i) {
        QCOMPARE(corners[i].x1, x[i]);
        QCOMPARE(corners[i].y1, y[i]);
        QVERIFY(near(corners[i].radius, 0.9625, 1e-6));
    }
    const QStringList drawn = texts(t.picture1());
    const int a_marker = int(drawn.indexOf(QStringLiteral(" A")));
    QVERIFY(a_marker > 0);
    QCOMPARE(
        drawn.mid(a_marker, 8), (QStringList { " A", " B", " C", " D", " E", " F", " G", " H" }));
    QVERIFY(drawn.contains(QStringLiteral("c² = a² + b² = 2500.0")));
    QVERIFY(drawn.contains(QStringLiteral("a b / 2 = 600.0")));
    QVERIFY(drawn.contains(QStringLiteral("a² = 1600")));
    QVERIFY(drawn.contains(QStringLiteral("b² = 900.0")));

    // The outer square and the squares on the legs.
    const std::vector<Primitive> boxes = only(t.picture1(), Primitive::Op::Box);
    QCOMPARE(boxes.size(), std::size_t(3));
    QCOMPARE(boxes[0].x2, 70.0);
    QCOMPARE(boxes[0].colour, QBColor(12));
    QCOMPARE(boxes[1].x2, -30.0);
    QCOMPARE(boxes[1].y2, 30.0);
    QCOMPARE(boxes[2].x2, 40.0);
    QCOMPARE(boxes[2].y2, -40.0);

    // J and K in magenta.
    std::vector<Primitive> feet;
    for (const Primitive &p : only(t.picture1(), Primitive::Op::Circle))
        if (p.colour == QBColor(5))
            feet.push_back(p);
    QCOMPARE(feet.size(), std::size_t(2));
    QVERIFY(near(feet[0].x1, 14.4) && near(feet[0].y1, 19.2));
    QVERIFY(near(feet[1].x1, 44.4) && near(feet[1].y1, 59.2));
}

void TestPythagoras::golden_construction_once()
{
    TestWindow t;
    Form1 &f = t.form();
    t.menu(QStringLiteral("M_Pyt"));
    const auto count = [&t](QRgb colour) {
        int n = 0;
        for (const Primitive &p : only(t.picture1(), Primitive::Op::Circle))
            n += p.colour == colour;
        return n;
    };
    const auto arcs = [&t] {
        std::vector<Primitive> found;
        for (const Primitive &p : only(t.picture1(), Primitive::Op::Circle))
            if (p.start)
                found.push_back(p);
        return found;
    };
    QCOMPARE(count(QBColor(13)), 0);
    std::vector<Primitive> thales = arcs();
    QCOMPARE(thales.size(), std::size_t(1));
    // The half of the circle over BC on the side of A: from pi - theta to 2 pi - theta.
    const double theta = std::atan(30.0 / 40.0);
    QVERIFY(near(*thales[0].start, std::numbers::pi - theta, 1e-5));
    QVERIFY(near(*thales[0].end, 2 * std::numbers::pi - theta, 1e-5));
    QCOMPARE(thales[0].radius, 25.0);

    f.C_pyt->click();
    // Five circles and two point markers in light magenta; no Thales arc.
    QCOMPARE(count(QBColor(13)), 7);
    QCOMPARE(arcs().size(), std::size_t(0));
    std::vector<Primitive> golden;
    for (const Primitive &p : only(t.picture1(), Primitive::Op::Circle))
        if (p.colour == QBColor(13))
            golden.push_back(p);
    // About B: the circle through C (radius c = phi a), and the one with radius a / phi that
    // cuts BC at its golden section.
    QVERIFY(near(golden[4].x1, 40) && near(golden[4].radius, 40 * phi, 1e-3));
    QVERIFY(near(golden[5].x1, 40) && near(golden[5].radius, 40 / phi, 1e-4));

    f.Com_p2[0].click();
    QCOMPARE(count(QBColor(13)), 0);
    QCOMPARE(arcs().size(), std::size_t(1));
}

void TestPythagoras::side_panel()
{
    TestWindow t;
    t.menu(QStringLiteral("M_Pyt"));
    const QStringList panel = texts(t.picture2());
    QCOMPARE(panel.size(), 15);
    QVERIFY(panel[0].contains(QStringLiteral("575")) && panel[0].contains(QStringLiteral("500")));
    QVERIFY(panel[1].contains(QStringLiteral("22")) && panel[1].contains(QStringLiteral("12")));
    QCOMPARE(panel[2], QStringLiteral("Given is a rectangular TRIANGLE ABC with a area  a.b / 2"));
    QCOMPARE(panel[3], QStringLiteral("Make a square AFGH with lenght  L = a + b"));
    QCOMPARE(panel[6], QStringLiteral("L² = ( a + b )² = a² + 2 a b + b² "));
    QCOMPARE(panel[12], QStringLiteral("If e = a then c = phi * a and the rectange JKEC is a"));
    QVERIFY(panel[14].contains(QStringLiteral("a = 22"))
        && panel[14].contains(QStringLiteral("b = 28")));
    const std::vector<Primitive> lines = only(t.picture2(), Primitive::Op::Text);
    const double y[] = { 1, 6, 16, 21, 26, 36, 41, 46, 56, 65, 70, 75, 85, 90, 95 };
    for (std::size_t i = 0; i < 15; ++i)
        QCOMPARE(lines[i].y1, y[i]);
}

QTEST_MAIN(TestPythagoras)
#include "tst_pythagoras.moc"
