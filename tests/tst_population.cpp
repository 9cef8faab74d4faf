#include "palette.h"
#include "population/population_model.h"
#include "test_window.h"

#include <QTest>

#include <cmath>

using population::AgeClasses;
using population::LifeParameters;
using population::Trend;

namespace {

// Clicks controls by name; "Ckp:0*30" clicks thirty times.
void click(TestWindow &t, const QStringList &clicks)
{
    const std::map<QString, Control *> named = t.window.controls();
    for (const QString &entry : clicks) {
        const QStringList parts = entry.split(QLatin1Char('*'));
        const int times = parts.size() > 1 ? parts[1].toInt() : 1;
        Control *control = named.at(parts[0]);
        for (int i = 0; i < times; ++i) {
            if (auto *button = dynamic_cast<Button *>(control))
                button->click();
            else if (auto *label = dynamic_cast<Label *>(control))
                label->click();
        }
    }
}

QString caption(TestWindow &t, const QString &name)
{
    return t.window.controls().at(name)->caption();
}

AgeClasses started(int model_index)
{
    AgeClasses m;
    m.model_index = model_index;
    population::init_population_model(m);
    return m;
}

// The index of the first text that starts with the given words, or -1.
int text_index(const std::vector<Primitive> &record, const QString &start)
{
    for (std::size_t i = 0; i < record.size(); ++i)
        if (record[i].op == Primitive::Op::Text && record[i].text.startsWith(start))
            return int(i);
    return -1;
}

// The points of one colour drawn after the given place in the record.
std::vector<Primitive> points_after(const std::vector<Primitive> &record, int from, QRgb colour)
{
    std::vector<Primitive> kept;
    for (std::size_t i = std::size_t(from) + 1; i < record.size(); ++i)
        if (record[i].op == Primitive::Op::Point && record[i].colour == colour)
            kept.push_back(record[i]);
    return kept;
}

// The texts printed at one x, in drawing order.
QStringList texts_at(const std::vector<Primitive> &record, double x)
{
    QStringList list;
    for (const Primitive &p : record)
        if (p.op == Primitive::Op::Text && std::abs(p.x1 - x) < 1e-9)
            list << p.text;
    return list;
}

// Lines of one colour drawn after the history's start circle: the staircase.
std::vector<Primitive> staircase(const std::vector<Primitive> &record, QRgb colour)
{
    std::vector<Primitive> kept;
    bool started = false;
    for (const Primitive &p : record) {
        if (p.op == Primitive::Op::Circle && std::abs(p.radius - 0.5) < 1e-9)
            started = true;
        else if (started && p.op == Primitive::Op::Line && p.colour == colour)
            kept.push_back(p);
    }
    return kept;
}

} // namespace

class TestPopulation : public QObject
{
    Q_OBJECT

private slots:
    // The life generator's formula.
    void life_model_data();
    void life_model();
    void linear_case_has_no_time_constant();

    // The age-class model.
    void start_distribution_data();
    void start_distribution();
    void model_summary_data();
    void model_summary();
    void survival_ratios_data();
    void survival_ratios();
    void balance_rate_keeps_every_year_data();
    void balance_rate_keeps_every_year();
    void without_births_the_classes_die_out();
    void simulation_ends_after_year_100();

    // The life generator on screen.
    void life_start_up();
    void life_example_two_markers();
    void life_linear_case();
    void life_controls_data();
    void life_controls();
    void life_curves_data();
    void life_curves();
    void life_diagram();

    // The dynamic model on screen.
    void dynamic_start_up();
    void dynamic_models_data();
    void dynamic_models();
    void dynamic_next_year_keeps_balance();
    void dynamic_bars();
    void dynamic_controls_data();
    void dynamic_controls();
    void dynamic_rate_acts_at_once();
    void dynamic_restart_after_year_100();
    void dynamic_choosing_a_model_restarts();
    void dynamic_history_stays_in_its_graph_data();
    void dynamic_history_stays_in_its_graph();
};

void TestPopulation::life_model_data()
{
    QTest::addColumn<float>("k");
    QTest::addColumn<float>("w");
    QTest::addColumn<float>("yo");
    QTest::addColumn<float>("d");
    QTest::addColumn<double>("limit");
    QTest::addColumn<double>("time_constant");
    QTest::addColumn<double>("slope");
    QTest::addColumn<int>("trend");
    QTest::addColumn<double>("t");
    QTest::addColumn<double>("y");

    const int down = int(Trend::Down), up = int(Trend::Up);
    // y = 10 e^(0.3 t)
    QTest::newRow("start-up") << 0.3f << 0.f << 10.f << 0.f << 0.0 << -10.0 / 3 << 3.0 << up << 5.0
                              << 44.816891;
    // y = 20 e^(-t / 2)
    QTest::newRow("Ex1 decay") << 0.f << 0.f << 20.f << 0.5f << 0.0 << 2.0 << -10.0 << down << 2.0
                               << 7.357589;
    // y = 15 - 15 e^(-t / 2): the printed limit (d - k) w = 15
    QTest::newRow("Ex2 inflow") << 0.f << 30.f << 0.f << 0.5f << 15.0 << 2.0 << 7.5 << up << 2.0
                                << 9.481808;
    // y = 10 e^(0.3 t)
    QTest::newRow("Ex4 net growth")
        << 0.4f << 0.f << 10.f << 0.1f << 0.0 << -10.0 / 3 << 3.0 << up << 1.0 << 13.498588;
    // k = ln phi = 0.481212 against d = 0.5: |k - d| = 0.0188 is just exponential.
    QTest::newRow("ln phi against 0.5") << 0.4812118f << 0.f << 10.f << 0.5f << 0.0 << 53.224929
                                        << -0.187882 << down << 10.0 << 10 * std::exp(-0.187882);
    // A negative inflow lowers the limit below zero: yL = (0.5 - 0.1)(-10) = -4.
    QTest::newRow("negative inflow") << 0.1f << -10.f << 6.f << 0.5f << -4.0 << 2.5 << -4.0 << down
                                     << 2.5 << -4 + 10 / std::exp(1.0);
}

void TestPopulation::life_model()
{
    QFETCH(float, k);
    QFETCH(float, w);
    QFETCH(float, yo);
    QFETCH(float, d);
    QFETCH(double, limit);
    QFETCH(double, time_constant);
    QFETCH(double, slope);
    QFETCH(int, trend);
    QFETCH(double, t);
    QFETCH(double, y);

    const LifeParameters p { k, w, yo, d };
    const float a = population::rate_distance(p);
    QVERIFY(population::is_exponential(a));
    QVERIFY(std::abs(population::limit_population(p) - limit) < 1e-5);
    QVERIFY(std::abs(population::time_constant(p) - time_constant) < 1e-3);
    QVERIFY(std::abs(population::tangent_slope(p) - slope) < 1e-4);
    QCOMPARE(int(population::trend_at_start(population::tangent_slope(p))), trend);
    const double at_t = population::life_population_at(p, a, t, population::limit_population(p));
    QVERIFY2(std::abs(at_t - y) < 1e-4, qPrintable(QString::number(at_t, 'g', 10)));
}

void TestPopulation::linear_case_has_no_time_constant()
{
    // Ex3: births and deaths balance, y = 10 + 5 t.
    const LifeParameters balanced { 0.4f, 5, 10, 0.4f };
    const float a = population::rate_distance(balanced);
    QVERIFY(!population::is_exponential(a));
    QCOMPARE(population::tangent_slope(balanced), 5.0f);
    QCOMPARE(population::life_population_at(balanced, a, 4, 0), 30.0);

    // |k - d| = 0.005 is still linear; without inflow the population is constant.
    const LifeParameters close { 0.3f, 0, 10, 0.305f };
    QVERIFY(!population::is_exponential(population::rate_distance(close)));
    QCOMPARE(population::trend_at_start(population::tangent_slope(close)), Trend::Constant);

    // The verdict's threshold: slopes within 0.01 count as constant.
    QCOMPARE(population::trend_at_start(0.01f), Trend::Constant);
    QCOMPARE(population::trend_at_start(-0.01f), Trend::Constant);
    QCOMPARE(population::trend_at_start(0.011f), Trend::Up);
    QCOMPARE(population::trend_at_start(-0.011f), Trend::Down);
}

void TestPopulation::start_distribution_data()
{
    QTest::addColumn<int>("model");
    QTest::addColumn<int>("age");
    QTest::addColumn<double>("count");

    // 1A, 1B: straight lines from 20 down to 0 at ages 20 and 15.
    QTest::newRow("1A age 0") << 0 << 0 << 20.0;
    QTest::newRow("1A age 7") << 0 << 7 << 13.0;
    QTest::newRow("1A age 20") << 0 << 20 << 0.0;
    QTest::newRow("1B age 3") << 1 << 3 << 16.0;
    QTest::newRow("1B age 15") << 1 << 15 << 0.0;
    QTest::newRow("1B age 16 stays empty") << 1 << 16 << 0.0;
    // 2: from 20 down to 10; 3: 20 everywhere.
    QTest::newRow("2 age 9") << 2 << 9 << 15.5;
    QTest::newRow("2 age 20") << 2 << 20 << 10.0;
    QTest::newRow("3 age 13") << 3 << 13 << 20.0;
    QTest::newRow("3 age 21 stays empty") << 3 << 21 << 0.0;
    // 4A, 4B: 20 sqrt((max - i) / max).
    QTest::newRow("4A age 5") << 4 << 5 << 17.320508;
    QTest::newRow("4A age 19") << 4 << 19 << 4.472136;
    QTest::newRow("4A age 20") << 4 << 20 << 0.0;
    QTest::newRow("4B age 6") << 5 << 6 << 15.491933;
    QTest::newRow("4B age 15") << 5 << 15 << 0.0;
}

void TestPopulation::start_distribution()
{
    QFETCH(int, model);
    QFETCH(int, age);
    QFETCH(double, count);
    const AgeClasses m = started(model);
    QVERIFY2(std::abs(m.age_count[std::size_t(age)] - count) < 1e-5,
        qPrintable(QString::number(m.age_count[std::size_t(age)])));
}

void TestPopulation::model_summary_data()
{
    QTest::addColumn<int>("model");
    QTest::addColumn<int>("max_age");
    QTest::addColumn<double>("total");
    QTest::addColumn<double>("balance");

    // The balance rate is 2 * 20 / (the class at age 5).
    QTest::newRow("1A") << 0 << 20 << 210.0 << 40.0 / 15;
    QTest::newRow("1B") << 1 << 15 << 160.0 << 3.0;
    QTest::newRow("2") << 2 << 20 << 315.0 << 40.0 / 17.5;
    QTest::newRow("3") << 3 << 20 << 420.0 << 2.0;
    QTest::newRow("4A") << 4 << 20 << 275.778637 << 2.309401;
    QTest::newRow("4B") << 5 << 15 << 208.982033 << 2.449490;
}

void TestPopulation::model_summary()
{
    QFETCH(int, model);
    QFETCH(int, max_age);
    QFETCH(double, total);
    QFETCH(double, balance);

    AgeClasses m = started(model);
    QCOMPARE(m.max_age, max_age);
    QCOMPARE(m.repro_age, 5);
    QCOMPARE(m.sim_year, 0);
    QVERIFY(std::abs(m.balance_birth_rate - balance) < 1e-5);
    QCOMPARE(m.birth_rate, m.balance_birth_rate);
    // At the balance rate the first census forms exactly the start's 20 newborns.
    const float census = population::take_census(m);
    QVERIFY2(std::abs(census - total) < 1e-3, qPrintable(QString::number(census)));
    QVERIFY(std::abs(m.age_count[0] - 20) < 1e-5);
    QCOMPARE(m.total_history[0], census);
    double shares = 0;
    for (int n = 0; n <= m.max_age; ++n)
        shares += m.age_percent[std::size_t(n)];
    QVERIFY(std::abs(shares - 100) < 1e-3);
}

void TestPopulation::survival_ratios_data()
{
    QTest::addColumn<int>("model");
    QTest::addColumn<int>("age");
    QTest::addColumn<double>("ratio");

    QTest::newRow("1A newborns survive") << 0 << 0 << 1.0;
    QTest::newRow("1A age 1") << 0 << 1 << 19.0 / 20;
    QTest::newRow("1A age 19") << 0 << 19 << 1.0 / 2;
    QTest::newRow("1A age 20 dies") << 0 << 20 << 0.0;
    QTest::newRow("2 age 20") << 2 << 20 << 10 / 10.5;
    QTest::newRow("3 age 1") << 3 << 1 << 1.0;
    QTest::newRow("3 age 20") << 3 << 20 << 1.0;
    QTest::newRow("4B age 15 dies") << 5 << 15 << 0.0;
    QTest::newRow("4B age 1") << 5 << 1 << std::sqrt(14.0 / 15);
}

void TestPopulation::survival_ratios()
{
    QFETCH(int, model);
    QFETCH(int, age);
    QFETCH(double, ratio);
    const AgeClasses m = started(model);
    QVERIFY(std::abs(m.survival_ratio[std::size_t(age)] - ratio) < 1e-6);
}

void TestPopulation::balance_rate_keeps_every_year_data()
{
    QTest::addColumn<int>("model");
    for (int model = 0; model < 6; ++model)
        QTest::addRow("model %d", model) << model;
}

void TestPopulation::balance_rate_keeps_every_year()
{
    QFETCH(int, model);
    AgeClasses m = started(model);
    const AgeClasses start = m;
    const float first = population::take_census(m);
    for (int year = 1; year <= 100; ++year) {
        QVERIFY(population::next_year(m));
        QCOMPARE(m.sim_year, year);
        population::take_census(m);
        for (int n = 0; n <= m.max_age; ++n)
            QVERIFY(std::abs(m.age_count[std::size_t(n)] - start.age_count[std::size_t(n)]) < 1e-3);
        QVERIFY(std::abs(m.total_history[std::size_t(year)] - first) < 1e-2);
    }
}

void TestPopulation::without_births_the_classes_die_out()
{
    AgeClasses m = started(0);
    m.birth_rate = 0;
    // The census at once replaces the 20 newborns by none; each later year also loses the
    // class that would have grown from them: 19 one-year-olds, then 18 two-year-olds, ...
    const double expected[] = { 190, 171, 153, 136, 120 };
    for (int year = 0; year < 5; ++year) {
        if (year > 0)
            population::next_year(m);
        QVERIFY(std::abs(population::take_census(m) - expected[year]) < 1e-3);
    }
    for (int year = 5; year <= 21; ++year)
        population::next_year(m);
    // Everyone has died: no shares, not a division by zero.
    QCOMPARE(population::take_census(m), 0.0f);
    for (int n = 0; n <= m.max_age; ++n)
        QCOMPARE(m.age_percent[std::size_t(n)], 0.0f);
}

void TestPopulation::simulation_ends_after_year_100()
{
    AgeClasses m = started(3);
    for (int year = 1; year <= 100; ++year)
        QVERIFY(population::next_year(m));
    QCOMPARE(m.sim_year, 100);
    QVERIFY(!population::next_year(m));
    QCOMPARE(m.sim_year, 100);
}

void TestPopulation::life_start_up()
{
    TestWindow t;
    t.menu(QStringLiteral("M_bevolk:0"));
    QCOMPARE(t.form().topic, 10);
    QVERIFY(!t.form().Frame4->isHidden());
    const QStringList shown = texts(t.picture1());
    QVERIFY(shown.contains(QStringLiteral("Time constant T1 = -3.33")));
    QVERIFY(shown.contains(QStringLiteral("The population goes up at t=0")));
    QVERIFY(shown.contains(QStringLiteral(" y = yL + ( yo - yL ). e ^ ((k-d) . t)")));
    QVERIFY(!shown.contains(QStringLiteral("T1")));
    QVERIFY(!shown.contains(QStringLiteral("y  = w . t  +  yo")));
    QCOMPARE(caption(t, QStringLiteral("Label9:0")), QStringLiteral("0.300"));
    QCOMPARE(caption(t, QStringLiteral("Label9:1")), QStringLiteral("0.0"));
    QCOMPARE(caption(t, QStringLiteral("Label9:2")), QStringLiteral("10.0"));
    QCOMPARE(caption(t, QStringLiteral("Label9:3")), QStringLiteral("0.000"));

    // The tangent y = 10 + 3 t over three time units in light cyan.
    const std::vector<Primitive> lines = only(t.picture1(), Primitive::Op::Line);
    const auto tangent = std::find_if(
        lines.begin(), lines.end(), [](const Primitive &p) { return p.colour == QBColor(11); });
    QVERIFY(tangent != lines.end());
    QCOMPARE(tangent->x1, 0.0);
    QCOMPARE(tangent->y1, 10.0);
    QCOMPARE(tangent->x2, 3.0);
    QVERIFY(std::abs(tangent->y2 - 19) < 1e-5);
}

void TestPopulation::life_example_two_markers()
{
    TestWindow t;
    t.menu(QStringLiteral("M_bevolk:0"));
    click(t, { QStringLiteral("CEx:1") });
    const std::vector<Primitive> &record = t.picture1();
    QVERIFY(texts(record).contains(QStringLiteral("Time constant T1 = 2.00")));
    const int label = text_index(record, QStringLiteral("T1"));
    QVERIFY(label >= 0);
    QVERIFY(std::abs(record[std::size_t(label)].x1 - 1.9) < 1e-6);
    QCOMPARE(record[std::size_t(label)].y1, -2.5);

    // At T1 = 2: the axis, the limit 15, the start 0 and y(2) = 15 - 15 / e.
    std::vector<double> heights;
    for (const Primitive &c : only(record, Primitive::Op::Circle))
        if (std::abs(c.radius - 0.06) < 1e-9) {
            QCOMPARE(c.x1, 2.0);
            heights.push_back(c.y1);
        }
    QCOMPARE(heights.size(), std::size_t(4));
    QCOMPARE(heights[0], 0.0);
    QCOMPARE(heights[1], 15.0);
    QCOMPARE(heights[2], 0.0);
    QVERIFY(std::abs(heights[3] - 9.481808) < 1e-4);

    // The dotted limit line in light blue at yL = 15.
    bool limit_line = false;
    for (const Primitive &l : only(record, Primitive::Op::Line))
        limit_line = limit_line
            || (l.x1 == -0.5 && l.x2 == 10 && l.y1 == 15 && l.colour == QBColor(9)
                && l.draw_style == 2);
    QVERIFY(limit_line);
}

void TestPopulation::life_linear_case()
{
    TestWindow t;
    t.menu(QStringLiteral("M_bevolk:0"));
    click(t, { QStringLiteral("Label9:0"), QStringLiteral("Label9:3") });
    const QStringList shown = texts(t.picture1());
    QVERIFY(shown.contains(QStringLiteral("y  = w . t  +  yo")));
    QVERIFY(shown.contains(QStringLiteral("The population is constant")));
    QVERIFY(!shown.contains(QStringLiteral("yL")));
    QVERIFY(!shown.contains(QStringLiteral("T1")));
    for (const QString &text : shown)
        QVERIFY(!text.startsWith(QStringLiteral("Time constant")));
}

void TestPopulation::life_controls_data()
{
    QTest::addColumn<QStringList>("clicks");
    QTest::addColumn<QString>("read_out");
    QTest::addColumn<QString>("expected");

    QTest::newRow("k down stops at 0") << QStringList { "Ckm:0*8" } << "Label9:0"
                                       << "0.000";
    QTest::newRow("k one step down") << QStringList { "Ckm:0" } << "Label9:0"
                                     << "0.250";
    QTest::newRow("k up stops at 1") << QStringList { "Ckp:0*20" } << "Label9:0"
                                     << "1.000";
    QTest::newRow("k reset is 0") << QStringList { "Label9:0" } << "Label9:0"
                                  << "0.000";
    QTest::newRow("w down has no bound") << QStringList { "Ckm:1*25" } << "Label9:1"
                                         << "-25.0";
    QTest::newRow("w up") << QStringList { "Ckp:1*3" } << "Label9:1"
                          << "3.0";
    QTest::newRow("w reset is 0") << QStringList { "Ckp:1*3", "Label9:1" } << "Label9:1"
                                  << "0.0";
    QTest::newRow("yo down stops at 0") << QStringList { "Ckm:2*14" } << "Label9:2"
                                        << "0.0";
    QTest::newRow("yo up has no bound") << QStringList { "Ckp:2*200" } << "Label9:2"
                                        << "210.0";
    QTest::newRow("yo reset is 10") << QStringList { "Ckm:2*4", "Label9:2" } << "Label9:2"
                                    << "10.0";
    QTest::newRow("d down stops at 0") << QStringList { "Ckm:3" } << "Label9:3"
                                       << "0.000";
    QTest::newRow("d up") << QStringList { "Ckp:3*3" } << "Label9:3"
                          << "0.300";
    QTest::newRow("d up stops at 1") << QStringList { "Ckp:3*14" } << "Label9:3"
                                     << "1.000";
    QTest::newRow("d reset is 0") << QStringList { "Ckp:3*4", "Label9:3" } << "Label9:3"
                                  << "0.000";
    QTest::newRow("ln phi") << QStringList { "ComF" } << "Label9:0"
                            << "0.481";
    QTest::newRow("ln phi clears w") << QStringList { "Ckp:1*4", "ComF" } << "Label9:1"
                                     << "0.0";
    QTest::newRow("ln phi keeps yo") << QStringList { "Ckp:2*4", "ComF" } << "Label9:2"
                                     << "14.0";
    QTest::newRow("Ex1 yo") << QStringList { "CEx:0" } << "Label9:2"
                            << "20.0";
    QTest::newRow("Ex1 d") << QStringList { "CEx:0" } << "Label9:3"
                           << "0.500";
    QTest::newRow("Ex2 w") << QStringList { "CEx:1" } << "Label9:1"
                           << "30.0";
    QTest::newRow("Ex2 yo") << QStringList { "CEx:1" } << "Label9:2"
                            << "0.0";
    QTest::newRow("Ex3 k") << QStringList { "CEx:2" } << "Label9:0"
                           << "0.400";
    QTest::newRow("Ex3 w") << QStringList { "CEx:2" } << "Label9:1"
                           << "5.0";
    QTest::newRow("Ex4 d") << QStringList { "CEx:3" } << "Label9:3"
                           << "0.100";
    QTest::newRow("Ex4 w") << QStringList { "Ckp:1*7", "CEx:3" } << "Label9:1"
                           << "0.0";
}

void TestPopulation::life_controls()
{
    QFETCH(QStringList, clicks);
    QFETCH(QString, read_out);
    QFETCH(QString, expected);
    TestWindow t;
    t.menu(QStringLiteral("M_bevolk:0"));
    click(t, clicks);
    QCOMPARE(caption(t, read_out), expected);
}

void TestPopulation::life_curves_data()
{
    QTest::addColumn<QStringList>("clicks");
    QTest::addColumn<int>("black_points");
    QTest::addColumn<double>("black_last_t");
    QTest::addColumn<int>("red_points");
    QTest::addColumn<double>("red_last_t");

    // 10 e^(0.3 t) passes 100 after t = ln 10 / 0.3 = 7.675; 10 phi^t after ln 10 / ln phi = 4.785.
    QTest::newRow("start-up") << QStringList {} << 768 << 7.67 << 240 << 4.78;
    // 10 - 3 t falls below 0 after t = 3.333.
    QTest::newRow("negative inflow")
        << QStringList { "Label9:0", "Ckm:1*3" } << 334 << 3.33 << 240 << 4.78;
    // The rise to 15 stays inside; the single-precision sums pass 10 just before 1001 and 501 steps.
    QTest::newRow("Ex2 stays inside") << QStringList { "CEx:1" } << 1000 << 9.99 << 500 << 9.98;
    // Both curves start above the top.
    QTest::newRow("yo above 100") << QStringList { "Ckp:2*91" } << 0 << 0.0 << 0 << 0.0;
}

void TestPopulation::life_curves()
{
    QFETCH(QStringList, clicks);
    QFETCH(int, black_points);
    QFETCH(double, black_last_t);
    QFETCH(int, red_points);
    QFETCH(double, red_last_t);

    TestWindow t;
    t.menu(QStringLiteral("M_bevolk:0"));
    click(t, clicks);
    const std::vector<Primitive> &record = t.picture1();
    const int verdict = text_index(record, QStringLiteral("The population"));
    QVERIFY(verdict >= 0);

    const std::vector<Primitive> black = points_after(record, verdict, QBColor(0));
    const std::vector<Primitive> red = points_after(record, verdict, QBColor(12));
    QCOMPARE(int(black.size()), black_points);
    QCOMPARE(int(red.size()), red_points);
    for (const std::vector<Primitive> *curve : { &black, &red }) {
        for (const Primitive &p : *curve)
            QVERIFY(p.y1 >= 0 && p.y1 <= 100);
    }
    if (!black.empty())
        QVERIFY(std::abs(black.back().x1 - black_last_t) < 1e-3);
    if (!red.empty())
        QVERIFY(std::abs(red.back().x1 - red_last_t) < 1e-3);
    // The black curve is drawn before the red one.
    if (!black.empty() && !red.empty())
        QVERIFY(black.back().serial < red.front().serial);
}

void TestPopulation::life_diagram()
{
    TestWindow t;
    t.menu(QStringLiteral("M_bevolk:0"));
    const std::vector<Primitive> &panel = t.picture2();
    const QStringList shown = texts(panel);
    QCOMPARE(shown.first(), QStringLiteral("LIFE GENERATOR         LINEAR MODEL"));
    QVERIFY(shown.contains(QStringLiteral("Ti = 1")));
    QVERIFY(shown.contains(QStringLiteral("k - d")));

    const std::vector<Primitive> boxes = only(panel, Primitive::Op::Box);
    QCOMPARE(boxes.size(), std::size_t(2));
    QVERIFY(!boxes[0].solid_fill && !boxes[1].solid_fill);
    const std::vector<Primitive> circles = only(panel, Primitive::Op::Circle);
    QCOMPARE(circles.size(), std::size_t(1));
    QCOMPARE(circles[0].radius, 5.0);
    // Five arrowheads of two strokes, the cross, seven signal lines and the ramp's three.
    QCOMPARE(only(panel, Primitive::Op::Line).size(), std::size_t(10 + 2 + 7 + 3));

    // The arrow into the summing point points upwards: its strokes end 4 lower, 2 to each side.
    int up_strokes = 0;
    for (const Primitive &l : only(panel, Primitive::Op::Line))
        if (l.x1 == 25 && l.y1 == 40 && l.y2 == 44 && std::abs(std::abs(l.x2 - 25) - 2) < 1e-9)
            ++up_strokes;
    QCOMPARE(up_strokes, 2);
}

void TestPopulation::dynamic_start_up()
{
    TestWindow t;
    t.menu(QStringLiteral("M_bevolk:1"));
    QCOMPARE(t.form().topic, 13);
    QVERIFY(!t.form().Frame1->isHidden());
    QVERIFY(t.form().Picture2->isHidden());
    const QStringList shown = texts(t.picture1());
    QVERIFY(shown.contains(QStringLiteral("YEAR  0")));
    QVERIFY(shown.contains(QStringLiteral("Total 210.0")));
    QCOMPARE(caption(t, QStringLiteral("LG:0")), QStringLiteral("2.667"));

    QStringList classes;
    for (int age = 0; age <= 20; ++age)
        classes << QStringLiteral("%1.0").arg(20 - age);
    QCOMPARE(texts_at(t.picture1(), 88.5), classes);
    QCOMPARE(texts_at(t.picture1(), 49), (QStringList { "0", "5", "10", "15", "20" }));
    // "Deaht" marks the line of age 20.
    const int death = text_index(t.picture1(), QStringLiteral("Deaht"));
    QVERIFY(std::abs(t.picture1()[std::size_t(death)].y1 - 95) < 1e-9);
}

void TestPopulation::dynamic_models_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<QString>("rate");
    QTest::addColumn<QString>("total");
    QTest::addColumn<QStringList>("some_classes"); // ages 0, 5 and the oldest

    QTest::newRow("1A") << "Optie:0"
                        << "2.667"
                        << "Total 210.0" << QStringList { "20.0", "15.0", "0.0" };
    QTest::newRow("1B") << "Optie:1"
                        << "3.000"
                        << "Total 160.0" << QStringList { "20.0", "13.3", "0.0" };
    QTest::newRow("2") << "Optie:2"
                       << "2.286"
                       << "Total 315.0" << QStringList { "20.0", "17.5", "10.0" };
    QTest::newRow("3") << "Optie:3"
                       << "2.000"
                       << "Total 420.0" << QStringList { "20.0", "20.0", "20.0" };
    QTest::newRow("4A") << "Optie:4"
                        << "2.309"
                        << "Total 275.8" << QStringList { "20.0", "17.3", "0.0" };
    QTest::newRow("4B") << "Optie:5"
                        << "2.449"
                        << "Total 209.0" << QStringList { "20.0", "16.3", "0.0" };
}

void TestPopulation::dynamic_models()
{
    QFETCH(QString, model);
    QFETCH(QString, rate);
    QFETCH(QString, total);
    QFETCH(QStringList, some_classes);

    TestWindow t;
    t.menu(QStringLiteral("M_bevolk:1"));
    click(t, { model });
    QCOMPARE(caption(t, QStringLiteral("LG:0")), rate);
    QVERIFY(texts(t.picture1()).contains(total));
    const QStringList classes = texts_at(t.picture1(), 88.5);
    const int oldest =
        model.endsWith(QLatin1Char('1')) || model.endsWith(QLatin1Char('5')) ? 15 : 20;
    QCOMPARE(classes.size(), oldest + 1);
    QCOMPARE((QStringList { classes[0], classes[5], classes[oldest] }), some_classes);
}

void TestPopulation::dynamic_next_year_keeps_balance()
{
    TestWindow t;
    t.menu(QStringLiteral("M_bevolk:1"));
    for (const QString &model : { QStringLiteral("Optie:0"), QStringLiteral("Optie:2") }) {
        click(t, { model });
        const QStringList start = texts_at(t.picture1(), 88.5);
        click(t, { QStringLiteral("Command3*5") });
        QCOMPARE(texts_at(t.picture1(), 88.5), start);
        QVERIFY(texts(t.picture1()).contains(QStringLiteral("YEAR  5")));
    }
    QVERIFY(texts(t.picture1()).contains(QStringLiteral("Total 315.0")));

    // Five equal treads at 315: y = 0.05 * 315 + 5 = 20.75, each one year (0.8) long.
    const std::vector<Primitive> treads = staircase(t.picture1(), QBColor(0));
    const std::vector<Primitive> risers = staircase(t.picture1(), QBColor(11));
    QCOMPARE(treads.size(), std::size_t(5));
    QCOMPARE(risers.size(), std::size_t(5));
    for (std::size_t i = 0; i < 5; ++i) {
        QVERIFY(std::abs(treads[i].x1 - (8 + 0.8 * double(i))) < 1e-9);
        QVERIFY(std::abs(treads[i].x2 - (8.8 + 0.8 * double(i))) < 1e-9);
        QVERIFY(std::abs(treads[i].y1 - 20.75) < 1e-4);
        QCOMPARE(treads[i].y2, treads[i].y1);
        QCOMPARE(risers[i].x1, treads[i].x2);
        QCOMPARE(risers[i].y1, 5.0);
        QVERIFY(std::abs(risers[i].y2 - 20.75) < 1e-4);
    }
}

void TestPopulation::dynamic_bars()
{
    TestWindow t;
    t.menu(QStringLiteral("M_bevolk:1"));
    std::vector<Primitive> filled;
    for (const Primitive &b : only(t.picture1(), Primitive::Op::Box))
        if (b.solid_fill)
            filled.push_back(b);
    QCOMPARE(filled.size(), std::size_t(3));
    // The mothers: 15 of 210 is 7.14 %, 3.5 per percent left of 48.6, at age 5 (y = 61).
    QCOMPARE(filled[0].colour, QBColor(14));
    QVERIFY(std::abs(filled[0].x1 - 23.6) < 1e-4);
    QCOMPARE(filled[0].x2, 48.6);
    QVERIFY(std::abs(filled[0].y1 - 60.5) < 1e-9);
    QVERIFY(std::abs(filled[0].y2 - 61.5) < 1e-9);
    // The newborns: 20 of 210 is 9.52 %, on both sides of the middle at age 0.
    QCOMPARE(filled[1].colour, QBColor(11));
    QVERIFY(std::abs(filled[1].x1 - 15.266667) < 1e-4);
    QCOMPARE(filled[2].colour, QBColor(11));
    QCOMPARE(filled[2].x1, 51.4);
    QVERIFY(std::abs(filled[2].x2 - 84.733333) < 1e-4);
    QVERIFY(std::abs(filled[2].y1 - 49.5) < 1e-9);
    // Two outlines per class, after the bars.
    QCOMPARE(only(t.picture1(), Primitive::Op::Box).size(), std::size_t(3 + 2 * 21));
}

void TestPopulation::dynamic_controls_data()
{
    QTest::addColumn<QStringList>("clicks");
    QTest::addColumn<QString>("rate");

    QTest::newRow("up one step") << QStringList { "CP:0" } << "2.767";
    QTest::newRow("up stops at 4") << QStringList { "CP:0*20" } << "4.000";
    QTest::newRow("down one step") << QStringList { "CM:0" } << "2.567";
    QTest::newRow("down stops at 0") << QStringList { "CM:0*40" } << "0.000";
    QTest::newRow("back to balance") << QStringList { "CM:0*5", "LG:0" } << "2.667";
    QTest::newRow("from 0 back to balance") << QStringList { "CM:0*40", "LG:0" } << "2.667";
    QTest::newRow("model start sets the balance") << QStringList { "CP:0*3", "Optie:3" } << "2.000";
    QTest::newRow("persists over years") << QStringList { "CP:0*3", "Command3*2" } << "2.967";
}

void TestPopulation::dynamic_controls()
{
    QFETCH(QStringList, clicks);
    QFETCH(QString, rate);
    TestWindow t;
    t.menu(QStringLiteral("M_bevolk:1"));
    click(t, clicks);
    QCOMPARE(caption(t, QStringLiteral("LG:0")), rate);
}

void TestPopulation::dynamic_rate_acts_at_once()
{
    TestWindow t;
    t.menu(QStringLiteral("M_bevolk:1"));
    click(t, { QStringLiteral("CM:0*6") });
    // 15 mothers at 2.0667 give 15.5 newborns in place of 20.
    QCOMPARE(texts_at(t.picture1(), 88.5).first(), QStringLiteral("15.5"));
    QVERIFY(texts(t.picture1()).contains(QStringLiteral("Total 205.5")));
    QVERIFY(texts(t.picture1()).contains(QStringLiteral("YEAR  0")));
}

void TestPopulation::dynamic_restart_after_year_100()
{
    TestWindow t;
    t.menu(QStringLiteral("M_bevolk:1"));
    click(t, { QStringLiteral("CP:0*2"), QStringLiteral("Command3*100") });
    QVERIFY(t.messages.messages.empty());
    QVERIFY(texts(t.picture1()).contains(QStringLiteral("YEAR  100")));
    const std::vector<Primitive> risers = staircase(t.picture1(), QBColor(11));
    QCOMPARE(risers.size(), std::size_t(100));
    QVERIFY(std::abs(risers.back().x1 - 88) < 1e-9);

    click(t, { QStringLiteral("Command3") });
    QCOMPARE(t.messages.messages.size(), std::size_t(1));
    QCOMPARE(t.messages.messages[0].text, QStringLiteral("End Simul"));
    QCOMPARE(t.messages.messages[0].title, QStringLiteral("Aurelion"));
    const QStringList shown = texts(t.picture1());
    QVERIFY(shown.contains(QStringLiteral("YEAR  0")));
    QVERIFY(shown.contains(QStringLiteral("Total 210.0")));
    QCOMPARE(caption(t, QStringLiteral("LG:0")), QStringLiteral("2.667"));
    QVERIFY(staircase(t.picture1(), QBColor(0)).empty());
}

void TestPopulation::dynamic_choosing_a_model_restarts()
{
    TestWindow t;
    t.menu(QStringLiteral("M_bevolk:1"));
    click(t, { QStringLiteral("CM:0*3"), QStringLiteral("Command3*3"), QStringLiteral("Optie:0") });
    QVERIFY(texts(t.picture1()).contains(QStringLiteral("YEAR  0")));
    QVERIFY(texts(t.picture1()).contains(QStringLiteral("Total 210.0")));
    QVERIFY(staircase(t.picture1(), QBColor(0)).empty());

    // Leaving the topic and coming back keeps the year.
    click(t, { QStringLiteral("Command3*2") });
    t.menu(QStringLiteral("M_bevolk:0"));
    t.menu(QStringLiteral("M_bevolk:1"));
    QVERIFY(texts(t.picture1()).contains(QStringLiteral("YEAR  2")));
}

void TestPopulation::dynamic_history_stays_in_its_graph_data()
{
    QTest::addColumn<QStringList>("clicks");
    QTest::addColumn<int>("years");
    QTest::addColumn<bool>("runs_over"); // some totals lie above 800
    QTest::newRow("rate 4 runs over the top") << QStringList { "CP:0*14" } << 60 << true;
    QTest::newRow("balance rate up to the right edge") << QStringList() << 100 << false;
    QTest::newRow("rate 0 dies out along the axis") << QStringList { "CM:0*30" } << 40 << false;
}

void TestPopulation::dynamic_history_stays_in_its_graph()
{
    // Years 0..100 on x 8..88 and populations 0..800 on y 5..45: what the staircase draws
    // beyond that area does not show, yet the record keeps every tread and riser whole.
    QFETCH(QStringList, clicks);
    QFETCH(int, years);
    QFETCH(bool, runs_over);
    TestWindow t;
    t.menu(QStringLiteral("M_bevolk:1"));
    click(t, clicks << QStringLiteral("Command3*%1").arg(years));
    const std::vector<Primitive> risers = staircase(t.picture1(), QBColor(11));
    const std::vector<Primitive> treads = staircase(t.picture1(), QBColor(0));
    QCOMPARE(int(risers.size()), years);
    QCOMPARE(int(treads.size()), years);

    Surface &picture = t.form().Picture1->surface();
    const QImage image = picture.image();
    // The colour of a line one pixel wide is looked for in the pixels around its place.
    const auto shows = [&](double x, double y, QRgb colour) {
        const QPointF at = picture.to_pixels(x, y);
        for (int dx = -1; dx <= 1; ++dx)
            for (int dy = -1; dy <= 1; ++dy)
                if (image.pixel(int(at.x()) + dx, int(at.y()) + dy) == colour)
                    return true;
        return false;
    };
    bool over = false;
    for (const Primitive &riser : risers) {
        // The whole riser is in the record: from the axis up to the year's total.
        QCOMPARE(riser.y1, 5.0);
        const double top = riser.y2;
        over |= top > 45;
        // Between the graph's top and the pyramid's lowest bar, left of the year's text.
        if (riser.x1 < 40)
            for (double y = 45.5; y < 49; y += 0.5)
                QVERIFY2(!shows(riser.x1, y, QBColor(11)), qPrintable(QString::number(riser.x1)));
        if (top > 6)
            QVERIFY2(shows(riser.x1, std::min(top, 45.0) - 1, QBColor(11)),
                qPrintable(QString::number(riser.x1)));
    }
    QCOMPARE(over, runs_over);
    // A tread on the axis or on the right edge still shows.
    for (const Primitive &tread : treads)
        if (tread.y1 <= 45)
            QVERIFY2(shows((tread.x1 + tread.x2) / 2, tread.y1, QBColor(0)),
                qPrintable(QString::number(tread.x1)));

    // What is drawn after the history is not clipped: the next topic shows in full.
    t.menu(QStringLiteral("M_R:2"));
    for (const Primitive &p : t.picture1())
        QVERIFY(!p.clip);
}

QTEST_MAIN(TestPopulation)
#include "tst_population.moc"
