#include "test_window.h"
#include "window/settings_file.h"
#include "window/window_settings.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

// The settings kept between runs, on a laptop's screen of 1366 x 768 pixels: what is read of the
// file, what is written back, and what a window kept on a larger screen becomes.
class TestSettings : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void program_file_is_qts();
    void refused_file_left_alone_data();
    void refused_file_left_alone();
    void zoom_only_with_its_size_data();
    void zoom_only_with_its_size();

private:
    QTemporaryDir config_;
};

namespace {

QByteArray geometry_of(const QRect &place, bool maximised)
{
    QWidget window;
    window.setGeometry(place);
    if (maximised) {
        window.showMaximized();
        QTest::qWait(0);
    }
    return window.saveGeometry();
}

// What a test can tell of a file without reading it: its kind, size and time.
QString fingerprint(const QString &path)
{
    struct stat info;
    if (::lstat(QFile::encodeName(path).constData(), &info) != 0)
        return QStringLiteral("none");
    return QStringLiteral("%1 %2 %3.%4")
        .arg(info.st_mode)
        .arg(info.st_size)
        .arg(info.st_mtim.tv_sec)
        .arg(info.st_mtim.tv_nsec);
}

} // namespace

void TestSettings::initTestCase()
{
    // The dialogs and the language menu write the program's own file: here a test's own.
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(config_.path()));
    QCOMPARE(QGuiApplication::primaryScreen()->size(), QSize(1366, 768));
}

void TestSettings::program_file_is_qts()
{
    // The file read is the one Qt's settings of the program name, so that a settings file of
    // an earlier version is found.
    QCOMPARE(SettingsFile::program_file(),
        QSettings(QStringLiteral("Aurelion"), QStringLiteral("Aurelion")).fileName());
}

void TestSettings::refused_file_left_alone_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("reason");
    QTest::newRow("a named pipe") << "pipe"
                                  << "not a regular file: a named pipe";
    QTest::newRow("a link to a device that never ends") << "zero"
                                                        << "not a regular file: a device";
    QTest::newRow("a folder") << "folder"
                              << "not a regular file: a folder";
    QTest::newRow("52 MB") << "large"
                           << "larger than 256 kB";
}

void TestSettings::refused_file_left_alone()
{
    // The window comes up with its defaults at once, and neither closing it nor choosing a
    // language writes the file.
    QFETCH(QString, kind);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Aurelion.conf"));
    if (kind == QLatin1String("pipe"))
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    else if (kind == QLatin1String("zero"))
        QVERIFY(QFile::link(QStringLiteral("/dev/zero"), path));
    else if (kind == QLatin1String("folder"))
        QVERIFY(QDir().mkdir(path));
    else {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QVERIFY(file.write("[window]\nzoom=2\n") > 0);
        QVERIFY(file.resize(52 * 1024 * 1024));
    }
    const QString before = fingerprint(path);
    // A file read through would block or take seconds: the watchdog ends the test instead.
    ::alarm(60);
    {
        SettingsFile settings(path);
        QCOMPARE(settings.refused(), reason);
        QVERIFY(settings.values().allKeys().isEmpty());
        TestWindow run(settings);
        QVERIFY(run.window.view().zoom_fits());
        run.window.show();
        run.window.view().set_zoom(1.5);
        QVERIFY(!run.window.settings().save());
        QMenu *languages =
            run.window.menuBar()->findChild<QMenu *>(QStringLiteral("language_menu"));
        QVERIFY(languages);
        languages->actions().at(1)->trigger();
        run.window.close();
    }
    ::alarm(0);
    QCOMPARE(fingerprint(path), before);
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot),
        QStringList { QStringLiteral("Aurelion.conf") });
}

void TestSettings::zoom_only_with_its_size_data()
{
    QTest::addColumn<QRect>("kept"); // the window as it was left; empty: no size kept
    QTest::addColumn<bool>("maximised");
    QTest::addColumn<QString>("zoom");
    QTest::addColumn<bool>("fits"); // the zoom fits the window, else it is the one kept
    QTest::newRow("zoom 2 from a 4K projector")
        << QRect(200, 150, 2200, 1500) << false << "2" << true;
    QTest::newRow("zoom 6 stored by hand") << QRect(200, 150, 2200, 1500) << false << "6" << true;
    QTest::newRow("zoom 2 without a size kept") << QRect() << false << "2" << true;
    QTest::newRow("zoom 2 maximised") << QRect(20, 40, 900, 600) << true << "2" << true;
    QTest::newRow("zoom 0.8 maximised") << QRect(20, 40, 900, 600) << true << "0.8" << false;
    QTest::newRow("zoom 1.5 in a window that fits the screen")
        << QRect(20, 40, 1000, 640) << false << "1.5" << false;
}

void TestSettings::zoom_only_with_its_size()
{
    // Where the window cannot have the size it had, it cannot show the zoom it had without scroll
    // bars: it fits the zoom to the window instead.
    QFETCH(QRect, kept);
    QFETCH(bool, maximised);
    QFETCH(QString, zoom);
    QFETCH(bool, fits);
    QTemporaryDir dir;
    SettingsFile settings(dir.filePath(QStringLiteral("Aurelion.conf")));
    const QByteArray geometry = kept.isNull() ? QByteArray() : geometry_of(kept, maximised);
    QVERIFY(settings.change([&](QSettings &file) {
        if (!geometry.isEmpty())
            file.setValue(QStringLiteral("window/geometry"), geometry);
        file.setValue(QStringLiteral("window/zoom"), zoom);
    }));
    TestWindow run(settings);
    MainWindow &window = run.window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(window.view().zoom_fits(), fits);
    if (!fits) {
        QCOMPARE(window.zoom(), zoom.toDouble());
        return;
    }
    QScrollArea &stage = window.stage();
    QVERIFY(!stage.horizontalScrollBar()->isVisible());
    QVERIFY(!stage.verticalScrollBar()->isVisible());
    const QSize design = window.view().size_for_zoom(window.zoom());
    QVERIFY2(design.width() <= window.width() && design.height() <= window.height(),
        qPrintable(QStringLiteral("%1 x %2 at zoom %3 in %4 x %5")
                       .arg(design.width())
                       .arg(design.height())
                       .arg(window.zoom())
                       .arg(window.width())
                       .arg(window.height())));
}

QTEST_MAIN(TestSettings)
#include "tst_settings.moc"
