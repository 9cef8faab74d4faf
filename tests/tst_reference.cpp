// The window of every topic, drawn afresh by the render tool, compared pixel for pixel with the
// picture kept in tests/reference. A changed picture fails until its reference is deliberately
// renewed: run this test with AURELION_UPDATE_REFERENCE=1 and commit the new picture with the
// reason for the change. What is compared is what the design fixes, the window background with
// the drawing surfaces, panels and frames below the menu bar; the menu bar is in the desktop's
// font, whose height differs from one machine to the next.

#include "topic_states.h"

#include <QDir>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cstdlib>

namespace {

// Antialiased edges may land differently with another build of the libraries: a few pixels may
// differ, the rest only by rounding. The window's pink and the button face differ by 16 to 63
// in each channel, so the tolerance stays well below that.
constexpr int channel_tolerance = 6;
constexpr int differing_pixels_allowed = 12;

// The window design at zoom 1, 12300 x 8112 twips: the last rows of the window's picture.
constexpr QSize design_size(820, 541);

QImage design_of(const QImage &window)
{
    return window.copy(QRect(QPoint(0, window.height() - design_size.height()), design_size))
        .convertToFormat(QImage::Format_RGB32);
}

struct Difference
{
    int pixels = 0; // pixels with a channel further apart than the tolerance
    QImage marked; // the fresh picture with those pixels in red
};

Difference compare(const QImage &reference, const QImage &fresh)
{
    Difference result { 0, design_of(fresh) };
    const QImage a = design_of(reference);
    for (int y = 0; y < a.height(); ++y) {
        const auto *ra = reinterpret_cast<const QRgb *>(a.constScanLine(y));
        auto *rb = reinterpret_cast<QRgb *>(result.marked.scanLine(y));
        for (int x = 0; x < a.width(); ++x) {
            const int apart = std::max({ std::abs(qRed(ra[x]) - qRed(rb[x])),
                std::abs(qGreen(ra[x]) - qGreen(rb[x])), std::abs(qBlue(ra[x]) - qBlue(rb[x])) });
            if (apart > channel_tolerance) {
                ++result.pixels;
                rb[x] = qRgb(255, 0, 0);
            }
        }
    }
    return result;
}

} // namespace

class TestReference : public QObject
{
    Q_OBJECT

private slots:
    void window_of_each_topic_data();
    void window_of_each_topic();
};

void TestReference::window_of_each_topic_data()
{
    QTest::addColumn<QString>("actions");
    for (const TopicState &state : topic_states)
        QTest::newRow(state.name) << QString::fromLatin1(state.actions);
}

void TestReference::window_of_each_topic()
{
    QFETCH(QString, actions);
    const QString name = QString::fromLatin1(QTest::currentDataTag());
    const QString reference_path = QStringLiteral(AURELION_REFERENCE_DIR "/%1.png").arg(name);
    QTemporaryDir folder;
    const QString fresh_path = folder.filePath(QStringLiteral("fresh.png"));

    QProcess render;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), folder.path());
    render.setProcessEnvironment(environment);
    render.start(QStringLiteral(AURELION_RENDER),
        actions.split(QLatin1Char(' ')) << QStringLiteral("--png") << fresh_path);
    QVERIFY(render.waitForFinished(60000));
    QCOMPARE(render.exitCode(), 0);
    const QImage fresh(fresh_path);
    QVERIFY(!fresh.isNull());

    if (qEnvironmentVariableIntValue("AURELION_UPDATE_REFERENCE") == 1) {
        QVERIFY(fresh.save(reference_path));
        QSKIP("reference renewed");
    }
    const QImage reference(reference_path);
    QVERIFY2(!reference.isNull(), qPrintable(reference_path + QStringLiteral(" is missing")));
    QCOMPARE(fresh.width(), design_size.width());
    QVERIFY(fresh.height() > design_size.height());
    QCOMPARE(reference.width(), design_size.width());
    const Difference difference = compare(reference, fresh);
    if (difference.pixels > differing_pixels_allowed) {
        const QString marked = QDir::current().filePath(name + QStringLiteral("-differs.png"));
        difference.marked.save(marked);
        QFAIL(qPrintable(QStringLiteral("%1 pixels differ from the reference; marked in red in %2")
                             .arg(difference.pixels)
                             .arg(marked)));
    }
}

QTEST_GUILESS_MAIN(TestReference)
#include "tst_reference.moc"
