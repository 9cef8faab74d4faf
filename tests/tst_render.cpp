#include <QDir>
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct Run
{
    int status = -1;
    QString error;
    QString output;
};

Run render(const QStringList &arguments)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(AURELION_RENDER), arguments);
    process.waitForFinished(60000);
    return { process.exitCode(), QString::fromLocal8Bit(process.readAllStandardError()),
        QString::fromLocal8Bit(process.readAllStandardOutput()) };
}

QJsonObject read_json(const QString &path)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return QJsonDocument::fromJson(file.readAll()).object();
}

} // namespace

class TestRender : public QObject
{
    Q_OBJECT

private slots:
    void bad_input_data();
    void bad_input();
    void usage_data();
    void usage();
    void state_of_a_topic();
    void trace_lines();
    void pictures_at_a_scale_data();
    void pictures_at_a_scale();
    void svg_holds_vector_elements();
};

void TestRender::bad_input_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("named");
    QTest::newRow("unknown action") << QStringList { "jump" } << "jump";
    QTest::newRow("unknown control") << QStringList { "click:NoSuchLabel" } << "click:NoSuchLabel";
    QTest::newRow("array without index") << QStringList { "click:ComP" } << "click:ComP";
    QTest::newRow("index out of range")
        << QStringList { "menu:M_gr:3", "click:ComP:2" } << "click:ComP:2";
    QTest::newRow("hidden control") << QStringList { "click:ComP:0" } << "click:ComP:0";
    QTest::newRow("control of another topic")
        << QStringList { "menu:M_chaos", "click:Ckp:0" } << "click:Ckp:0";
    QTest::newRow("end is refused") << QStringList { "menu:M_end" } << "menu:M_end";
    QTest::newRow("unknown menu item") << QStringList { "menu:M_R:9" } << "menu:M_R:9";
    QTest::newRow("menu title") << QStringList { "menu:M_Fibo" } << "menu:M_Fibo";
    QTest::newRow("malformed point") << QStringList { "menu:M_R:4", "move:1,x" } << "move:1,x";
    QTest::newRow("one coordinate") << QStringList { "menu:M_R:4", "press:1" } << "press:1";
    QTest::newRow("not finite") << QStringList { "menu:M_R:4", "move:inf,1" } << "move:inf,1";
    QTest::newRow("pointer over hidden surface") << QStringList { "move:1,2" } << "move:1,2";
    QTest::newRow("negative ticks") << QStringList { "tick:-1" } << "tick:-1";
    QTest::newRow("bad index") << QStringList { "menu:M_R:x" } << "menu:M_R:x";
    QTest::newRow("bad scale") << QStringList { "--scale", "big" } << "--scale big";
    QTest::newRow("bad seed") << QStringList { "--seed", "-4" } << "--seed -4";
    QTest::newRow("picture type") << QStringList { "--picture", "out.bmp" } << "out.bmp";
    QTest::newRow("option without value") << QStringList { "--state" } << "--state";
    QTest::newRow("unknown option") << QStringList { "--colour" } << "--colour";
}

void TestRender::bad_input()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, named);
    QTemporaryDir dir;
    const QString state = dir.filePath(QStringLiteral("state.json"));
    const Run run = render(QStringList { "--state", state } + arguments);
    QCOMPARE(run.status, 2);
    QCOMPARE(run.error.count(QLatin1Char('\n')), 1);
    QVERIFY2(run.error.contains(named), qPrintable(run.error));
    QVERIFY(!QFile::exists(state));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList());
}

void TestRender::usage_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<bool>("on_stdout");
    QTest::newRow("nothing to do or write") << QStringList() << 2 << false;
    QTest::newRow("only a seed and a scale")
        << QStringList { "--seed", "3", "--scale", "2" } << 2 << false;
    QTest::newRow("help") << QStringList { "--help" } << 0 << true;
    QTest::newRow("help beside an action") << QStringList { "menu:M_R:4", "-h" } << 0 << true;
}

void TestRender::usage()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(bool, on_stdout);
    const Run run = render(arguments);
    QCOMPARE(run.status, status);
    const QString &usage = on_stdout ? run.output : run.error;
    const QString &other = on_stdout ? run.error : run.output;
    QVERIFY2(usage.startsWith(QLatin1String("Usage: aurelion-render")), qPrintable(usage));
    QVERIFY(usage.contains(QLatin1String("--picture FILE")));
    QCOMPARE(other, QString());
}

void TestRender::state_of_a_topic()
{
    QTemporaryDir dir;
    const QString state = dir.filePath(QStringLiteral("state.json"));
    const Run run = render({ "menu:M_R:4", "move:1.5,-0.25", "--state", state });
    QCOMPARE(run.status, 0);
    const QJsonObject s = read_json(state);
    QCOMPARE(s["topic"].toInt(), 6);
    QVERIFY(s["caption"].toString().startsWith("The Aurelion relationship 1.6"));
    QCOMPARE(s["menus"]["M_R:4"]["caption"].toString(), QStringLiteral("Pentagram"));
    const QJsonObject controls = s["controls"].toObject();
    QCOMPARE(controls["Label2"]["caption"].toString(), QStringLiteral("1.500    -0.250"));
    QCOMPARE(controls["Label2"]["visible"].toBool(), true);
    QCOMPARE(controls["Frame3"]["visible"].toBool(), false);
    QCOMPARE(controls["Label1:10"]["visible"].toBool(), false);
    QCOMPARE(controls["Picture2"]["height"].toInt(), 3400);
    QCOMPARE(controls["Picture2"]["scale"].toArray(), QJsonArray({ 0, 0, 100, 100 }));
    QCOMPARE(controls["ChP:2"]["value"].toInt(), 0);
    QCOMPARE(controls["ChP:2"]["top"].toInt(), 1780);
    QCOMPARE(controls["Shape1"]["visible"].toBool(), false);
    QCOMPARE(s["timer"]["enabled"].toBool(), false);
    QCOMPARE(s["timer"]["interval"].toInt(), 10);
    QCOMPARE(s["messages"].toArray().size(), 0);
}

void TestRender::trace_lines()
{
    QTemporaryDir dir;
    const QString trace = dir.filePath(QStringLiteral("trace.jsonl"));
    QCOMPARE(render({ "--trace", trace }).status, 0);
    QFile file(trace);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = file.readAll().split('\n');
    QCOMPARE(lines.size(), 6 * 24 + 5 + 1); // the title screen, then an empty last line
    const QJsonObject tail = QJsonDocument::fromJson(lines[0]).object();
    QCOMPARE(tail["surface"].toString(), QStringLiteral("Form1"));
    QCOMPARE(tail["op"].toString(), QStringLiteral("circle"));
    QCOMPARE(tail["x"].toDouble(), 1000.0);
    QCOMPARE(tail["y"].toDouble(), 1000 + 3800 * 0.4);
    QCOMPARE(tail["color"].toString(), QStringLiteral("#ff0000"));
    QCOMPARE(tail["fill"].toString(), QStringLiteral("#000000"));
    QCOMPARE(tail["fill_style"].toInt(), 0);
    QVERIFY(tail["start"].isNull());
    const QJsonObject brow = QJsonDocument::fromJson(lines[5]).object();
    QVERIFY(brow["fill"].isNull());
    QVERIFY(brow["end"].toDouble() > brow["start"].toDouble());
    const QJsonObject title = QJsonDocument::fromJson(lines[144]).object();
    QCOMPARE(title["op"].toString(), QStringLiteral("text"));
    QCOMPARE(title["text"].toString(), QStringLiteral("THE"));
}

void TestRender::pictures_at_a_scale_data()
{
    QTest::addColumn<double>("scale");
    QTest::newRow("1") << 1.0;
    QTest::newRow("1.5") << 1.5;
    QTest::newRow("2") << 2.0;
    QTest::newRow("4") << 4.0;
}

void TestRender::pictures_at_a_scale()
{
    QFETCH(double, scale);
    QTemporaryDir dir;
    const QString png = dir.filePath(QStringLiteral("window.png"));
    const QString picture = dir.filePath(QStringLiteral("picture.png"));
    QCOMPARE(render({ "menu:M_R:2", "--scale", QString::number(scale), "--png", png, "--picture",
                        picture })
                 .status,
        0);
    const QImage one = QImage(png);
    const QImage inner = QImage(picture);
    // The drawing surface is 7692 twips wide with a two-pixel border on each side.
    QCOMPARE(inner.width(), qCeil(509 * scale));
    QCOMPARE(inner.height(), qCeil(509 * scale));
    QCOMPARE(one.width(), qRound(820 * scale));
}

void TestRender::svg_holds_vector_elements()
{
    QTemporaryDir dir;
    const QString svg = dir.filePath(QStringLiteral("pentagram.svg"));
    QCOMPARE(render({ "menu:M_R:4", "--picture", svg }).status, 0);
    QFile file(svg);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray text = file.readAll();
    QVERIFY(!text.contains("<image"));
    QVERIFY(text.contains("<svg"));
    QVERIFY(text.contains("<polyline"));
    QVERIFY(text.contains("<circle") || text.contains("<path"));
    QVERIFY(text.contains(">PENTAGRAM</text>"));
    QVERIFY(text.contains("> p4</text>"));
}

QTEST_APPLESS_MAIN(TestRender)
#include "tst_render.moc"
