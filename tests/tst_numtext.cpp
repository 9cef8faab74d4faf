#include "numtext.h"

#include <QTest>

#include <limits>

class TestNumtext : public QObject
{
    Q_OBJECT

private slots:
    void patterns_data();
    void patterns();
    void single_patterns_data();
    void single_patterns();
    void str_forms_data();
    void str_forms();
    void single_text_data();
    void single_text();
    void non_finite_data();
    void non_finite();
};

void TestNumtext::patterns_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("expected");
    QTest::newRow("table value") << 34.0 << "###0.00000"
                                 << "34.00000";
    QTest::newRow("negative table value") << -21.0 << "###0.00000"
                                          << "-21.00000";
    QTest::newRow("rounds down") << 0.618034 << "###0.00000"
                                 << "0.61803";
    QTest::newRow("ratio") << 144.0 / 89.0 << "###0.0000000"
                           << "1.6179775";
    QTest::newRow("phi") << (1 + std::sqrt(5.0)) / 2 << "###0.0000000"
                         << "1.6180340";
    QTest::newRow("minus one over phi") << -2 / (1 + std::sqrt(5.0)) << "###0.0000000"
                                        << "-0.6180340";
    QTest::newRow("four decimals") << 89.0 << "#0.0000"
                                   << "89.0000";
    QTest::newRow("zero four decimals") << 0.0 << "#0.0000"
                                        << "0.0000";
    QTest::newRow("read-out") << 1.5 << "###0.000"
                              << "1.500";
    QTest::newRow("read-out negative") << -2.25 << "###0.000"
                                       << "-2.250";
    QTest::newRow("leading zero") << 0.4811 << "0.000"
                                  << "0.481";
    QTest::newRow("half away from zero") << 0.125 << "0.00"
                                         << "0.13";
    QTest::newRow("negative half away from zero") << -0.125 << "0.00"
                                                  << "-0.13";
    QTest::newRow("carry into integer") << 9.9996 << "#0.000"
                                        << "10.000";
    QTest::newRow("carry into new digit") << 99.96 << "#0.0"
                                          << "100.0";
    QTest::newRow("tiny negative is zero") << -3.1e-7 << "0.0"
                                           << "0.0";
    QTest::newRow("negative zero") << -0.0 << "0.0"
                                   << "0.0";
    QTest::newRow("rounds to zero from below") << -0.04 << "#0.0"
                                               << "0.0";
    QTest::newRow("no decimals") << 40.0 << "#0"
                                 << "40";
    QTest::newRow("no decimals rounds") << 2.5 << "#0"
                                        << "3";
    QTest::newRow("three hashes") << 5.0 << "##0"
                                  << "5";
    QTest::newRow("two fixed integer digits") << 5.1 << "#00.000"
                                              << "05.100";
    QTest::newRow("angle") << 51.8272923 << "#00.000"
                           << "51.827";
    QTest::newRow("two decimals") << 50.0 << "##0.00"
                                  << "50.00";
    QTest::newRow("wide pattern") << 2500.0 << "#####0.0"
                                  << "2500.0";
    QTest::newRow("more digits than pattern") << 123456.0 << "#0"
                                              << "123456";
    QTest::newRow("time constant") << -10.0 / 3 << "##0.00"
                                   << "-3.33";
    QTest::newRow("large") << 1e15 << "#0.0"
                           << "1000000000000000.0";
    QTest::newRow("tiny positive") << 5.6e-17 << "###0.00000"
                                   << "0.00000";
}

void TestNumtext::patterns()
{
    QFETCH(double, value);
    QFETCH(QString, pattern);
    QFETCH(QString, expected);
    QCOMPARE(format_number(value, pattern), expected);
}

void TestNumtext::single_patterns_data()
{
    QTest::addColumn<float>("value");
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("expected");
    // A single is read at seven digits first: 2.675f is 2.67499995 as a double.
    QTest::newRow("single half") << 2.675f << "0.00"
                                 << "2.68";
    QTest::newRow("single step") << float(2.0 - 0.1) << "0.0"
                                 << "1.9";
    QTest::newRow("single tiny negative") << -3.1e-7f << "0.0"
                                          << "0.0";
    QTest::newRow("single ln phi") << float(std::log((1 + std::sqrt(5.0)) / 2)) << "0.000"
                                   << "0.481";
}

void TestNumtext::single_patterns()
{
    QFETCH(float, value);
    QFETCH(QString, pattern);
    QFETCH(QString, expected);
    QCOMPARE(format_number(value, pattern), expected);
}

void TestNumtext::str_forms_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<bool>("single");
    QTest::addColumn<QString>("str");
    QTest::addColumn<QString>("plain");
    QTest::addColumn<QString>("print");
    QTest::newRow("positive whole") << 5.0 << false << " 5"
                                    << "5"
                                    << " 5 ";
    QTest::newRow("negative whole") << -3.0 << false << "-3"
                                    << "-3"
                                    << "-3 ";
    QTest::newRow("zero") << 0.0 << false << " 0"
                          << "0"
                          << " 0 ";
    QTest::newRow("half") << 0.5 << false << " .5"
                          << ".5"
                          << " .5 ";
    QTest::newRow("negative half") << -0.5 << false << "-.5"
                                   << "-.5"
                                   << "-.5 ";
    QTest::newRow("double fifteen digits") << 0.1 + 0.2 << false << " .3"
                                           << ".3"
                                           << " .3 ";
    QTest::newRow("tiny double") << 5.6e-17 << false << " 5.6E-17"
                                 << "5.6E-17"
                                 << " 5.6E-17 ";
    QTest::newRow("single rounding shows") << double(float(0.6000001f)) << true << " .6000001"
                                           << ".6000001"
                                           << " .6000001 ";
    QTest::newRow("single large") << 1e7 << true << " 1E+07"
                                  << "1E+07"
                                  << " 1E+07 ";
    QTest::newRow("single 2.4") << double(2.4f) << true << " 2.4"
                                << "2.4"
                                << " 2.4 ";
}

void TestNumtext::str_forms()
{
    QFETCH(double, value);
    QFETCH(bool, single);
    QFETCH(QString, str);
    QFETCH(QString, plain);
    QFETCH(QString, print);
    if (single) {
        QCOMPARE(str_form(float(value)), str);
        QCOMPARE(plain_form(float(value)), plain);
        QCOMPARE(print_form(float(value)), print);
    } else {
        QCOMPARE(str_form(value), str);
        QCOMPARE(plain_form(value), plain);
        QCOMPARE(print_form(value), print);
    }
}

void TestNumtext::single_text_data()
{
    QTest::addColumn<float>("value");
    QTest::addColumn<QString>("expected");
    QTest::newRow("whole") << 220.0f << "220";
    QTest::newRow("negative") << -5.0f << "-5";
    QTest::newRow("zero") << 0.0f << "0";
    QTest::newRow("a") << float(5 / ((1 + std::sqrt(5.0)) / 2)) << "3.09017";
    QTest::newRow("b") << float(5 + 5 / ((1 + std::sqrt(5.0)) / 2)) << "8.09017";
    QTest::newRow("365") << 365.0f << "365";
}

void TestNumtext::single_text()
{
    QFETCH(float, value);
    QFETCH(QString, expected);
    QCOMPARE(::single_text(value), expected);
}

void TestNumtext::non_finite_data()
{
    // Every form of every type: the word, with the Str form's blank where a sign may stand.
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("str");
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    QTest::newRow("infinity") << inf << "Inf"
                              << " Inf";
    QTest::newRow("minus infinity") << -inf << "-Inf"
                                    << "-Inf";
    QTest::newRow("NaN") << nan << "NaN"
                         << " NaN";
    QTest::newRow("NaN with its sign bit") << -nan << "NaN"
                                           << " NaN";
}

void TestNumtext::non_finite()
{
    QFETCH(double, value);
    QFETCH(QString, word);
    QFETCH(QString, str);
    const float single = float(value);
    for (const QString &pattern : { u"###0.00000"_qs, u"#0"_qs, u"0.0"_qs, u"#00.000"_qs }) {
        QCOMPARE(format_number(value, pattern), word);
        QCOMPARE(format_number(single, pattern), word);
    }
    QCOMPARE(str_form(value), str);
    QCOMPARE(str_form(single), str);
    QCOMPARE(plain_form(value), word);
    QCOMPARE(plain_form(single), word);
    QCOMPARE(print_form(value), str + QLatin1Char(' '));
    QCOMPARE(print_form(single), str + QLatin1Char(' '));
    QCOMPARE(::single_text(single), word);
}

QTEST_APPLESS_MAIN(TestNumtext)
#include "tst_numtext.moc"
