#include "numtext.h"
#include "palette.h"
#include "sequence/sequence_model.h"
#include "sequence/sequence_panels.h"
#include "test_window.h"

#include <QTest>

#include <cmath>
#include <set>

using sequence::Terms;

namespace {

const double phi = (1 + std::sqrt(5.0)) / 2;

// The primitives of one kind drawn in one palette colour.
std::vector<Primitive> in_colour(const std::vector<Primitive> &record, Primitive::Op op, int colour)
{
    std::vector<Primitive> kept;
    for (const Primitive &p : only(record, op))
        if (p.colour == QBColor(colour))
            kept.push_back(p);
    return kept;
}

// The text printed with its corner at (x, y), or a null string.
QString text_at(const std::vector<Primitive> &record, double x, double y)
{
    for (const Primitive &p : only(record, Primitive::Op::Text))
        if (std::abs(p.x1 - x) < 1e-4 && std::abs(p.y1 - y) < 1e-4)
            return p.text;
    return {};
}

void press(QAbstractButton &button, int times)
{
    for (int k = 0; k < times; ++k)
        button.click();
}

} // namespace

class TestSequence : public QObject
{
    Q_OBJECT

private slots:
    void recurrence_data();
    void recurrence();
    void recurrence_both_ways();
    void start_value_steps_data();
    void start_value_steps();
    void ratio_index_steps_data();
    void ratio_index_steps();
    void table_value_data();
    void table_value();
    void ratio_caption_data();
    void ratio_caption();
    void ratio_limits_data();
    void ratio_limits();
    void breeding_totals();
    void breeding_by_age_data();
    void breeding_by_age();
    void month_steps_data();
    void month_steps();

    void start_up_fills_the_panels();
    void stepping_f0_to_zero_gives_infinite();
    void ratio_index_clamps();
    void only_the_start_rows_answer_a_click();
    void golden_start_values_give_constant_ratios_data();
    void golden_start_values_give_constant_ratios();
    void graph_p_points();
    void ratio_graph_skips_zero_divisor();
    void ratio_graph_on_minus_one_over_phi();
    void sequence_graph_curve_and_markers();
    void sequence_graph_follows_start_values();
    void ratio_index_does_not_redraw();
    void ratio_read_out_fits_its_label();
    void rabbit_diagram_at_start();
    void rabbit_diagram_month_by_month();
    void rabbit_month_buttons_clamp();
};

void TestSequence::recurrence_data()
{
    QTest::addColumn<double>("a");
    QTest::addColumn<double>("b");
    QTest::addColumn<int>("i");
    QTest::addColumn<double>("expected");
    // With 1, 1 the term F(i) is the Fibonacci number Fib(i + 1); Fib(-n) = (-1)^(n+1) Fib(n).
    QTest::newRow("1, 1: F(10)") << 1.0 << 1.0 << 10 << 89.0;
    QTest::newRow("1, 1: F(20)") << 1.0 << 1.0 << 20 << 10946.0;
    QTest::newRow("1, 1: F(-1)") << 1.0 << 1.0 << -1 << 0.0;
    QTest::newRow("1, 1: F(-9)") << 1.0 << 1.0 << -9 << -21.0;
    QTest::newRow("1, 1: F(-10)") << 1.0 << 1.0 << -10 << 34.0;
    QTest::newRow("1, 1: F(-20)") << 1.0 << 1.0 << -20 << 4181.0;
    // Lucas numbers: L(-n) = (-1)^n L(n).
    QTest::newRow("2, 1: L(20)") << 2.0 << 1.0 << 20 << 15127.0;
    QTest::newRow("2, 1: L(-5)") << 2.0 << 1.0 << -5 << -11.0;
    QTest::newRow("2, 1: L(-20)") << 2.0 << 1.0 << -20 << 15127.0;
    QTest::newRow("0, 1: F(-20)") << 0.0 << 1.0 << -20 << -6765.0;
    QTest::newRow("1, phi: phi^20") << 1.0 << phi << 20 << std::pow(phi, 20);
    QTest::newRow("1, phi: phi^-20") << 1.0 << phi << -20 << std::pow(phi, -20);
    QTest::newRow("1, -1/phi: (-1/phi)^-15") << 1.0 << -1 / phi << -15 << std::pow(-1 / phi, -15);
}

void TestSequence::recurrence()
{
    QFETCH(double, a);
    QFETCH(double, b);
    QFETCH(int, i);
    QFETCH(double, expected);
    const Terms F = sequence::compute(a, b);
    QCOMPARE(F(0), a);
    QCOMPARE(F(1), b);
    QVERIFY2(std::abs(F(i) - expected) <= 1e-9 * std::max(1.0, std::abs(expected)),
        qPrintable(QString::number(F(i), 'g', 17)));
}

void TestSequence::recurrence_both_ways()
{
    const Terms F = sequence::compute(-0.4, 1.8);
    for (int j = Terms::first; j + 2 <= Terms::last; ++j)
        QVERIFY2(std::abs(F(j + 2) - F(j + 1) - F(j)) < 1e-9, qPrintable(QString::number(j)));
}

void TestSequence::start_value_steps_data()
{
    QTest::addColumn<double>("start");
    QTest::addColumn<double>("step");
    QTest::addColumn<int>("presses");
    QTest::addColumn<double>("expected");
    // Five steps of 0.2 down from 1 leave 2^-54 in double precision, not 0.
    QTest::newRow("down five times") << 1.0 << -0.2 << 5 << std::ldexp(1.0, -54);
    // Up, the fifth step lands one unit in the last place below 2; the sixth is clamped.
    QTest::newRow("up five times") << 1.0 << 0.2 << 5 << 2.0 - std::ldexp(1.0, -52);
    QTest::newRow("up six times") << 1.0 << 0.2 << 6 << 2.0;
    QTest::newRow("up ten times") << 1.0 << 0.2 << 10 << 2.0;
    QTest::newRow("down sixteen times") << 1.0 << -0.2 << 16 << -2.0;
    QTest::newRow("down from -1.9") << -1.9 << -0.2 << 1 << -2.0;
    QTest::newRow("phi up") << phi << 0.2 << 1 << phi + 0.2;
}

void TestSequence::start_value_steps()
{
    QFETCH(double, start);
    QFETCH(double, step);
    QFETCH(int, presses);
    QFETCH(double, expected);
    double value = start;
    for (int k = 0; k < presses; ++k)
        value = sequence::step_start_value(value, step);
    // Exact: the clamp gives exactly 2 or -2 and the remainder is a power of two.
    QVERIFY2(value == expected, qPrintable(QString::number(value, 'g', 17)));
}

void TestSequence::ratio_index_steps_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("step");
    QTest::addColumn<int>("expected");
    QTest::newRow("down at -15") << -15 << -1 << -15;
    QTest::newRow("up at 15") << 15 << 1 << 15;
    QTest::newRow("down at -14") << -14 << -1 << -15;
    QTest::newRow("up at 10") << 10 << 1 << 11;
}

void TestSequence::ratio_index_steps()
{
    QFETCH(int, index);
    QFETCH(int, step);
    QFETCH(int, expected);
    QCOMPARE(sequence::step_ratio_index(index, step), expected);
}

void TestSequence::table_value_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("expected");
    QTest::newRow("34") << 34.0 << "34.00000";
    QTest::newRow("-21") << -21.0 << "-21.00000";
    QTest::newRow("1/phi") << 0.618034 << "0.61803";
    QTest::newRow("remainder of five steps") << std::ldexp(1.0, -54) << "0.00000";
    QTest::newRow("just below 2") << 2.0 - std::ldexp(1.0, -52) << "2.00000";
    QTest::newRow("large") << 10946.0 << "10946.00000";
}

void TestSequence::table_value()
{
    QFETCH(double, value);
    QFETCH(QString, expected);
    QCOMPARE(::table_value(value), expected);
}

void TestSequence::ratio_caption_data()
{
    QTest::addColumn<double>("a");
    QTest::addColumn<double>("b");
    QTest::addColumn<int>("i");
    QTest::addColumn<QString>("expected");
    QTest::newRow("start-up") << 1.0 << 1.0 << 10 << "144.00000 / 89.0000 = 1.6179775";
    QTest::newRow("i = -1 divides by zero") << 1.0 << 1.0 << -1 << "1.00000 / 0.0000 = infinite ";
    QTest::newRow("i = 15") << 1.0 << 1.0 << 15 << "1597.00000 / 987.0000 = 1.6180344";
    QTest::newRow("i = -15") << 1.0 << 1.0 << -15 << "233.00000 / -377.0000 = -0.6180371";
    QTest::newRow("i = -10") << 1.0 << 1.0 << -10 << "-21.00000 / 34.0000 = -0.6176471";
    QTest::newRow("remainder is no divisor")
        << std::ldexp(1.0, -54) << 1.0 << 0 << "1.00000 / 0.0000 = infinite ";
    QTest::newRow("just below the threshold")
        << 0.00009999 << 1.0 << 0 << "1.00000 / 0.0001 = infinite ";
    QTest::newRow("at the threshold") << 0.0001 << 1.0 << 0 << "1.00000 / 0.0001 = 10000.0000000";
    QTest::newRow("negative below the threshold")
        << -0.00005 << 1.0 << 0 << "1.00000 / -0.0001 = infinite ";
    QTest::newRow("phi") << 1.0 << phi << 4 << "11.09017 / 6.8541 = 1.6180340";
}

void TestSequence::ratio_caption()
{
    QFETCH(double, a);
    QFETCH(double, b);
    QFETCH(int, i);
    QFETCH(QString, expected);
    QCOMPARE(::ratio_caption(sequence::compute(a, b), i), expected);
}

void TestSequence::ratio_limits_data()
{
    QTest::addColumn<double>("a");
    QTest::addColumn<double>("b");
    QTest::addColumn<bool>("exists");
    QTest::addColumn<double>("growing");
    QTest::addColumn<double>("falling");
    const double psi = -1 / phi;
    QTest::newRow("Fibonacci") << 1.0 << 1.0 << true << phi << psi;
    QTest::newRow("1 and phi: phi both ways") << 1.0 << phi << true << phi << phi;
    QTest::newRow("1 and -1/phi: -1/phi both ways") << 1.0 << psi << true << psi << psi;
    QTest::newRow("-2 and 2") << -2.0 << 2.0 << true << phi << psi;
    QTest::newRow("F(0) stepped to a remainder")
        << std::ldexp(1.0, -54) << 1.0 << true << phi << psi;
    QTest::newRow("both stepped to a remainder")
        << std::ldexp(1.0, -54) << std::ldexp(1.0, -54) << false << 0.0 << 0.0;
    QTest::newRow("both 0") << 0.0 << 0.0 << false << 0.0 << 0.0;
}

void TestSequence::ratio_limits()
{
    // The limits agree with the ratios of the terms far out, where the table's are.
    QFETCH(double, a);
    QFETCH(double, b);
    QFETCH(bool, exists);
    QFETCH(double, growing);
    QFETCH(double, falling);
    const sequence::RatioLimits limits = sequence::ratio_limits(a, b, phi);
    QCOMPARE(limits.exists, exists);
    if (!exists)
        return;
    QCOMPARE(limits.growing, growing);
    QCOMPARE(limits.falling, falling);
    const Terms F = sequence::compute(a, b);
    QVERIFY(std::abs(F(15) / F(14) - growing) < 1e-4);
    QVERIFY(std::abs(F(-13) / F(-14) - falling) < 1e-4);
}

void TestSequence::breeding_totals()
{
    const sequence::Breeding b = sequence::breed(12);
    const float expected[] = { 1, 1, 2, 3, 5, 8, 13, 21, 34, 55, 89, 144, 233 };
    for (int t = 0; t <= 12; ++t)
        QCOMPARE(b.total[std::size_t(t)], expected[t]);
}

void TestSequence::breeding_by_age_data()
{
    QTest::addColumn<int>("month");
    QTest::addColumn<QList<float>>("pairs"); // by age 0 .. month
    QTest::newRow("month 0") << 0 << QList<float> { 1 };
    QTest::newRow("month 1") << 1 << QList<float> { 0, 1 };
    QTest::newRow("month 2: first birth") << 2 << QList<float> { 1, 0, 1 };
    QTest::newRow("month 5") << 5 << QList<float> { 3, 2, 1, 1, 0, 1 };
    QTest::newRow("month 12") << 12 << QList<float> { 89, 55, 34, 21, 13, 8, 5, 3, 2, 1, 1, 0, 1 };
}

void TestSequence::breeding_by_age()
{
    QFETCH(int, month);
    QFETCH(QList<float>, pairs);
    const sequence::Breeding b = sequence::breed(12);
    for (int n = 0; n <= 12; ++n)
        QCOMPARE(b.pairs[std::size_t(month)][std::size_t(n)], n <= month ? pairs[n] : 0.0f);
}

void TestSequence::month_steps_data()
{
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("step");
    QTest::addColumn<int>("expected");
    QTest::newRow("back at 0") << 0 << -1 << 0;
    QTest::newRow("forward at 12") << 12 << 1 << 12;
    QTest::newRow("forward at 11") << 11 << 1 << 12;
    QTest::newRow("back at 5") << 5 << -1 << 4;
}

void TestSequence::month_steps()
{
    QFETCH(int, month);
    QFETCH(int, step);
    QFETCH(int, expected);
    QCOMPARE(sequence::step_month(month, step, 12), expected);
}

void TestSequence::start_up_fills_the_panels()
{
    TestWindow t;
    Form1 &f = t.form();
    const QStringList values = { "34.00000", "-21.00000", "13.00000", "-8.00000", "5.00000",
        "-3.00000", "2.00000", "-1.00000", "1.00000", "0.00000", "1.00000", "1.00000", "2.00000",
        "3.00000", "5.00000", "8.00000", "13.00000", "21.00000", "34.00000", "55.00000",
        "89.00000" };
    for (int k = 0; k <= 20; ++k) {
        QCOMPARE(f.Labi[k].caption(), QString::number(k - 10));
        QCOMPARE(f.Label1[k].caption(), values[k]);
    }
    QCOMPARE(f.Label5->caption(), QStringLiteral("i =10"));
    QCOMPARE(f.Label6->caption(), QStringLiteral("144.00000 / 89.0000 = 1.6179775"));
    QVERIFY(!f.Frame3->isVisibleTo(&t.window));
}

void TestSequence::stepping_f0_to_zero_gives_infinite()
{
    TestWindow t;
    Form1 &f = t.form();
    t.menu("M_gr:1");
    press(f.ComM[0], 5);
    QCOMPARE(f.Label1[10].caption(), QStringLiteral("0.00000"));
    QCOMPARE(f.Label1[12].caption(), QStringLiteral("1.00000")); // F(2) = F(1) + F(0)
    QCOMPARE(f.Label6->caption(), QStringLiteral("89.00000 / 55.0000 = 1.6181818"));
    press(*f.Command1, 10);
    QCOMPARE(f.Label5->caption(), QStringLiteral("i =0"));
    QCOMPARE(f.Label6->caption(), QStringLiteral("1.00000 / 0.0000 = infinite "));
}

void TestSequence::ratio_index_clamps()
{
    TestWindow t;
    Form1 &f = t.form();
    t.menu("M_gr:2");
    press(*f.Command1, 40);
    QCOMPARE(f.Label5->caption(), QStringLiteral("i =-15"));
    QCOMPARE(f.Label6->caption(), QStringLiteral("233.00000 / -377.0000 = -0.6180371"));
    press(*f.Command2, 40);
    QCOMPARE(f.Label5->caption(), QStringLiteral("i =15"));
    QCOMPARE(f.Label6->caption(), QStringLiteral("1597.00000 / 987.0000 = 1.6180344"));
}

void TestSequence::only_the_start_rows_answer_a_click()
{
    TestWindow t;
    Form1 &f = t.form();
    t.menu("M_gr:3");
    f.Label7->click();
    QCOMPARE(f.Label1[11].caption(), QStringLiteral("1.61803"));
    for (int k : { 0, 9, 12, 20 })
        f.Label1[k].click();
    f.Labi[10].click();
    QCOMPARE(f.Label1[11].caption(), QStringLiteral("1.61803"));
    f.Label1[11].click();
    QCOMPARE(f.Label1[11].caption(), QStringLiteral("1.00000"));
    QCOMPARE(f.Label1[20].caption(), QStringLiteral("89.00000"));
    QCOMPARE(f.Label6->caption(), QStringLiteral("144.00000 / 89.0000 = 1.6179775"));
}

void TestSequence::golden_start_values_give_constant_ratios_data()
{
    QTest::addColumn<bool>("minus");
    QTest::addColumn<QString>("quotient");
    QTest::newRow("Label7: phi") << false << " = 1.6180340";
    QTest::newRow("Label8: -1/phi") << true << " = -0.6180340";
}

void TestSequence::golden_start_values_give_constant_ratios()
{
    QFETCH(bool, minus);
    QFETCH(QString, quotient);
    TestWindow t;
    Form1 &f = t.form();
    t.menu("M_gr:2");
    (minus ? f.Label8 : f.Label7)->click();
    press(*f.Command1, 25);
    for (int i = -15; i <= 15; ++i) {
        QCOMPARE(f.Label5->caption(), QStringLiteral("i =") + QString::number(i));
        QVERIFY2(f.Label6->caption().endsWith(quotient), qPrintable(f.Label6->caption()));
        f.Command2->click();
    }
}

void TestSequence::graph_p_points()
{
    TestWindow t;
    t.menu("M_gr:3");
    const auto &record = t.picture1();
    const Terms F = sequence::compute(1, 1);
    const auto markers = in_colour(record, Primitive::Op::Circle, 9);
    const auto axis_marks = in_colour(record, Primitive::Op::Circle, 0);
    const auto drops = in_colour(record, Primitive::Op::Line, 8);
    QCOMPARE(markers.size(), std::size_t(21));
    QCOMPARE(axis_marks.size(), std::size_t(21));
    QCOMPARE(drops.size(), std::size_t(21));
    for (int i = -10; i <= 10; ++i) {
        const auto k = std::size_t(i + 10);
        QCOMPARE(markers[k].x1, F(i));
        QCOMPARE(markers[k].y1, F(i + 1));
        QCOMPARE(markers[k].radius, 0.5); // 80 / 160
        QCOMPARE(axis_marks[k].x1, F(i));
        QCOMPARE(axis_marks[k].radius, 0.2);
        QCOMPARE(drops[k].draw_style, 2);
        // Marker, drop line, mark on the axis: in that order for each i.
        QVERIFY(markers[k].serial < drops[k].serial);
        QVERIFY(drops[k].serial < axis_marks[k].serial);
    }
    const auto lines = in_colour(record, Primitive::Op::Line, 12);
    QCOMPARE(lines.size(), std::size_t(2));
    QCOMPARE(lines[0].y1, -40 * phi);
    QCOMPARE(lines[0].y2, 40 * phi);
    QCOMPARE(lines[1].y1, 40 / phi);
    QCOMPARE(lines[1].y2, -40 / phi);
    QVERIFY(lines[0].serial > axis_marks.back().serial);
    QCOMPARE(text_at(record, -39, 49), QStringLiteral("Pi ( F(i), F(i+1) )"));
}

void TestSequence::ratio_graph_skips_zero_divisor()
{
    TestWindow t;
    t.menu("M_gr:2");
    const auto &record = t.picture1();
    const auto markers = in_colour(record, Primitive::Op::Circle, 9);
    QCOMPARE(markers.size(), std::size_t(20));
    const Terms F = sequence::compute(1, 1);
    std::size_t k = 0;
    for (int i = -10; i <= 10; ++i) {
        if (i == -1)
            continue;
        QCOMPARE(markers[k].x1, double(i));
        QCOMPARE(markers[k].y1, F(i + 1) / F(i));
        ++k;
    }
    QCOMPARE(markers.back().y1, 144.0 / 89.0);
    QCOMPARE(text_at(record, 1, phi), QStringLiteral("phi"));
    QCOMPARE(text_at(record, 1, -1 / phi), QStringLiteral("-1/phi"));
    const QStringList printed = texts(record);
    QCOMPARE(printed.mid(printed.size() - 3),
        QStringList({ " y = F(i+1) / F(i)      x = i", "y",
            "If  i = + infinite  Then F(i+1) / F(i) =  phi" }));
    QVERIFY(printed.contains(QStringLiteral(" -2")));
    QVERIFY(!printed.contains(QStringLiteral(" -1")));
    const auto lines = in_colour(record, Primitive::Op::Line, 12);
    QCOMPARE(lines.size(), std::size_t(2));
    QCOMPARE(lines[0].x2, 10.0);
    QCOMPARE(lines[0].y2, phi);
}

void TestSequence::ratio_graph_on_minus_one_over_phi()
{
    TestWindow t;
    Form1 &f = t.form();
    t.menu("M_gr:2");
    f.Label8->click();
    const auto markers = in_colour(t.picture1(), Primitive::Op::Circle, 9);
    QCOMPARE(markers.size(), std::size_t(21));
    for (const Primitive &m : markers)
        QVERIFY(std::abs(m.y1 + 1 / phi) < 1e-9);
}

void TestSequence::sequence_graph_curve_and_markers()
{
    TestWindow t;
    t.menu("M_gr:1");
    const auto &record = t.picture1();
    const auto curve = in_colour(record, Primitive::Op::Point, 12);
    QCOMPARE(curve.size(), std::size_t(1000));
    QCOMPARE(curve.front().x1, 0.0);
    QCOMPARE(curve.front().y1, 1.0);
    QVERIFY2(curve.back().x1 > 9.985 && curve.back().x1 < 9.995,
        qPrintable(QString::number(curve.back().x1)));
    QVERIFY(std::abs(curve[500].y1 - std::pow(phi, curve[500].x1)) < 1e-4);

    // F(-10) .. F(9); F(10) = 89 lies above the window and is left out, F(-9) = -21 is not.
    const double values[] = { 34, -21, 13, -8, 5, -3, 2, -1, 1, 0, 1, 1, 2, 3, 5, 8, 13, 21, 34,
        55 };
    const auto markers = in_colour(record, Primitive::Op::Circle, 9);
    const auto drops = in_colour(record, Primitive::Op::Line, 8);
    QCOMPARE(markers.size(), std::size_t(20));
    QCOMPARE(drops.size(), std::size_t(20));
    for (std::size_t k = 0; k < 20; ++k) {
        QCOMPARE(markers[k].x1, double(int(k) - 10));
        QCOMPARE(markers[k].y1, values[k]);
        QCOMPARE(drops[k].y2, values[k]);
    }
    QCOMPARE(text_at(record, 1.6, 56), QStringLiteral("y = F(0) . phi ^ x "));
    QCOMPARE(text_at(record, -10, 57), QStringLiteral(" y = F(i)      x = i"));
}

void TestSequence::sequence_graph_follows_start_values()
{
    TestWindow t;
    Form1 &f = t.form();
    t.menu("M_gr:1");
    f.Label7->click();
    // phi^9 = 76.0 and phi^10 = 123.0 reach above 60.
    QCOMPARE(in_colour(t.picture1(), Primitive::Op::Circle, 9).size(), std::size_t(19));
    press(f.ComM[0], 5);
    double highest = 0;
    for (const Primitive &p : in_colour(t.picture1(), Primitive::Op::Point, 12))
        highest = std::max(highest, std::abs(p.y1));
    QVERIFY2(highest < 1e-12, qPrintable(QString::number(highest)));
    QCOMPARE(t.form().topic, 3);
}

void TestSequence::ratio_index_does_not_redraw()
{
    TestWindow t;
    Form1 &f = t.form();
    t.menu("M_gr:1");
    const std::size_t drawn = t.picture1().size();
    const auto first = t.picture1().front().serial;
    f.Command1->click();
    QCOMPARE(t.picture1().size(), drawn);
    QCOMPARE(t.picture1().front().serial, first);
    f.ComP[1].click();
    QVERIFY(t.picture1().front().serial != first);
    QCOMPARE(in_colour(t.picture1(), Primitive::Op::Circle, 9)[11].y1, double(1.2f));
}

void TestSequence::rabbit_diagram_at_start()
{
    TestWindow t;
    Form1 &f = t.form();
    t.menu("M_gr:0");
    QCOMPARE(f.Label10->caption(), QStringLiteral("month 0"));
    const auto &record = t.picture1();
    QCOMPARE(text_at(record, 20, 25), QStringLiteral(" 1")); // the first pair
    QCOMPARE(text_at(record, 20, 15), QStringLiteral(" 1")); // its total
    QCOMPARE(text_at(record, 25, 15), QString());
    QCOMPARE(text_at(record, 5, 97), QStringLiteral("FIBONACCI'S RABBITS"));
    QCOMPARE(text_at(record, 85, 90), QStringLiteral("Month"));
    QCOMPARE(text_at(record, 0.5, 35), QStringLiteral("Start Reprod."));
    const auto months = in_colour(record, Primitive::Op::Circle, 12);
    QCOMPARE(months.size(), std::size_t(1));
    QCOMPARE(months[0].x1, 21.2);
    QCOMPARE(months[0].y1, 89.0);
    QCOMPARE(in_colour(record, Primitive::Op::Circle, 10).size(), std::size_t(1));
    QCOMPARE(
        in_colour(record, Primitive::Op::Line, 11).size(), std::size_t(13)); // column separators
    QCOMPARE(
        in_colour(record, Primitive::Op::Line, 0).size(), std::size_t(15)); // 12 and the bracket
    const auto boxes = only(record, Primitive::Op::Box);
    QCOMPARE(boxes.size(), std::size_t(3));
    QCOMPARE(boxes[0].colour, QBColor(11));
    QCOMPARE(boxes[2].colour, QBColor(12));
    QCOMPARE(boxes[2].y1, 11.5); // the TOTAL row, Y(-2) - 3.5 .. Y(-2) + 1.5
    QCOMPARE(boxes[2].y2, 16.5);
    QCOMPARE(texts(t.picture2()).size(), 11);
    // The two small rabbits' heads on the window.
    int heads = 0;
    for (const Primitive &p : only(t.background(), Primitive::Op::Circle))
        heads += std::abs(p.y1 - 4300) < 1e-9 && std::abs(p.radius - 300) < 1e-9;
    QCOMPARE(heads, 2);
}

void TestSequence::rabbit_diagram_month_by_month()
{
    TestWindow t;
    Form1 &f = t.form();
    t.menu("M_gr:0");
    press(*f.Command5, 12);
    QCOMPARE(f.Label10->caption(), QStringLiteral("month 12"));
    const auto &record = t.picture1();
    const QStringList totals = { " 1", " 1", " 2", " 3", " 5", " 8", " 13", " 21", " 34", " 55",
        " 89", " 144", " 233" };
    for (int m = 0; m <= 12; ++m)
        QCOMPARE(text_at(record, 5 * m + 20, 15), totals[m]);
    const QStringList by_age = { " 89", " 55", " 34", " 21", " 13", " 8", " 5", " 3", " 2", " 1",
        " 1", " 0", " 1" };
    for (int n = 0; n <= 12; ++n)
        QCOMPARE(text_at(record, 80, 5 * n + 25), by_age[n]);
    QCOMPARE(in_colour(record, Primitive::Op::Circle, 12)[0].x1, 81.2);
}

void TestSequence::rabbit_month_buttons_clamp()
{
    TestWindow t;
    Form1 &f = t.form();
    t.menu("M_gr:0");
    const auto first = t.picture1().front().serial;
    f.Command4->click();
    QCOMPARE(f.Label10->caption(), QStringLiteral("month 0"));
    QVERIFY(t.picture1().front().serial != first); // drawn again
    press(*f.Command5, 20);
    QCOMPARE(f.Label10->caption(), QStringLiteral("month 12"));
    f.Command4->click();
    QCOMPARE(f.Label10->caption(), QStringLiteral("month 11"));
    QCOMPARE(text_at(t.picture1(), 80, 15), QString());
    QCOMPARE(text_at(t.picture1(), 75, 15), QStringLiteral(" 144"));
    // The month stays when the user leaves the topic and comes back.
    t.menu("M_gr:3");
    t.menu("M_gr:0");
    QCOMPARE(f.Label10->caption(), QStringLiteral("month 11"));
}

void TestSequence::ratio_read_out_fits_its_label()
{
    // Every start value the panels can reach: F(0) stepped from 1, F(1) stepped from 1, phi or
    // -1/phi (the start-value labels), each within -2 .. 2 with its rounding on the way.
    const auto reachable = [](std::vector<double> seeds) {
        std::set<double> seen(seeds.begin(), seeds.end());
        while (!seeds.empty()) {
            std::vector<double> next;
            for (double value : seeds)
                for (double step : { 0.2, -0.2 })
                    if (const double stepped = sequence::step_start_value(value, step);
                        seen.insert(stepped).second)
                        next.push_back(stepped);
            seeds = std::move(next);
        }
        return seen;
    };
    TestWindow t;
    const Label &label = *t.form().Label6;
    QCOMPARE(QRect(label.Left(), label.Top(), label.Width(), label.Height()),
        QRect(1200, 300, 2775, 255));
    const QFontMetricsF metrics(label.font());
    QString widest;
    double widest_width = 0;
    for (double a : reachable({ 1.0 }))
        for (double b : reachable({ 1.0, phi, -1 / phi })) {
            const Terms F = sequence::compute(a, b);
            for (int i = -15; i <= 15; ++i) {
                const QString caption = ::ratio_caption(F, i);
                // Four characters fewer than the widest so far are four digits or minus signs
                // fewer in the same frame of points, blanks, slash and equals sign: narrower.
                if (caption.size() + 4 <= widest.size())
                    continue;
                if (const double width = metrics.horizontalAdvance(caption); width > widest_width) {
                    widest = caption;
                    widest_width = width;
                }
            }
        }
    // A pixel to spare on each side, so that no glyph touches the label's edge.
    QVERIFY2(widest_width + 2 <= label.contentsRect().width(),
        qPrintable(QStringLiteral("%1: %2 pixels in %3")
                       .arg(widest)
                       .arg(widest_width)
                       .arg(label.contentsRect().width())));
}

QTEST_MAIN(TestSequence)
#include "tst_sequence.moc"
