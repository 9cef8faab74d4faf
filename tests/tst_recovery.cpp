#include "lesson/lesson_dialogs.h"
#include "lesson/lesson_session.h"
#include "picture/picture_commands.h"
#include "picture/recorder.h"
#include "recovery/recovery.h"
#include "recovery/signal_watcher.h"
#include "window/settings_file.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/stat.h>
#include <unistd.h>

Q_DECLARE_METATYPE(RecoveryDialogs::Answer)

// Nothing is lost when the program is told to end: real signals sent to the window in this
// process and to the program itself, what they keep, and what the next start offers back.
class TestRecovery : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void signal_keeps_the_work_data();
    void signal_keeps_the_work();
    void next_start_offers_it_back_data();
    void next_start_offers_it_back();
    void program_ends_as_asked_data();
    void program_ends_as_asked();
    void program_with_a_refused_settings_file_data();
    void program_with_a_refused_settings_file();
    void program_drops_what_cannot_be_read();
    void usage_errors_without_a_display_data();
    void usage_errors_without_a_display();

private:
    QTemporaryDir config_;
};

namespace {

// No file dialogs; a step takes the title proposed; unsaved changes are discarded.
struct AnsweredLessons final : LessonDialogs
{
    std::optional<QString> choose_lesson_to_open(QWidget *) override { return {}; }
    std::optional<QString> choose_lesson_to_save(QWidget *, const QString &) override { return {}; }
    std::optional<StepNotes> ask_step(QWidget *, const QString &proposed) override
    {
        StepNotes notes;
        notes.title = proposed;
        return notes;
    }
    std::optional<QString> ask_lesson_title(QWidget *, const QString &title) override
    {
        return title;
    }
    Unsaved ask_unsaved(QWidget *, const QString &) override { return Unsaved::Discard; }
    Changed ask_changed_on_disk(QWidget *, const QString &) override { return Changed::Cancel; }
    std::unique_ptr<LessonProgress> show_progress(QWidget *, const QString &, long) override
    {
        return {};
    }
    std::optional<HandoutChoice> choose_handout_file(QWidget *, const QString &, bool) override
    {
        return {};
    }
    void show_error(QWidget *, const QString &text) override { errors << text; }
    void show_message(QWidget *, const QString &text) override { errors << text; }

    QStringList errors;
};

// The recovery's questions answered as the test says, and what it was asked and told.
struct ScriptedRecovery final : RecoveryDialogs
{
    Answer ask(QWidget *, const QString &question) override
    {
        questions << question;
        return answer;
    }
    std::optional<QString> choose_lesson_file(QWidget *, const QString &) override { return file; }
    std::optional<QString> choose_recording_file(QWidget *, const QString &) override
    {
        return file;
    }
    void tell(QWidget *, const QString &text) override { told << text; }

    Answer answer = Answer::Later;
    std::optional<QString> file;
    QStringList questions, told;
};

// The window as the program makes it, with its settings and its recovery folder in a folder of
// the test's own.
struct Program
{
    explicit Program(const QString &folder)
        : settings(QDir(folder).filePath(QStringLiteral("Aurelion.conf")))
        , session(
              [this] {
                  WindowOptions options;
                  options.manual_timer = true;
                  options.messages = &messages;
                  options.zoom = 1;
                  options.settings = &settings;
                  return options;
              }(),
              7)
        , recovery(session, QDir(folder).filePath(QStringLiteral("recovery")))
    {
        session.set_dialogs(lessons);
        recovery.set_dialogs(answers);
        recovery.end = [this](int signal) { ended = signal; };
        session.window().show();
    }
    MainWindow &window() { return session.window(); }
    void menu(const QString &name) { window().menus().at(name)->trigger(); }
    QStringList kept() const
    {
        return QDir(recovery.folder().path()).entryList(QDir::Files | QDir::System, QDir::Name);
    }

    RecordedMessageBox messages;
    AnsweredLessons lessons;
    ScriptedRecovery answers;
    SettingsFile settings;
    LessonSession session;
    Recovery recovery;
    int ended = 0;
};

// A small lesson's file, as an earlier run kept it.
QByteArray lesson_bytes()
{
    Lesson lesson;
    lesson.title = QStringLiteral("Golden ratio");
    LessonStep step;
    step.title = QStringLiteral("The golden rectangle");
    RenderAction action;
    parse_action(QStringLiteral("menu:M_R:2"), action);
    step.actions.push_back(action);
    lesson.steps.push_back(step);
    return lesson_text(lesson);
}

// A GIF of one white pixel.
QByteArray gif_bytes()
{
    return QByteArray::fromHex("47494638396101000100800000ffffff00000021f90401000000002c00000000010"
                               "0010000020144003b");
}

// The program started on the offscreen platform with a home, settings and state of its own.
struct RealProgram
{
    explicit RealProgram(const QString &home, const QStringList &arguments = {})
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("HOME"), home);
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home + QStringLiteral("/config"));
        environment.insert(QStringLiteral("XDG_STATE_HOME"), home + QStringLiteral("/state"));
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), home);
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        process.setProcessEnvironment(environment);
        process.start(QStringLiteral(AURELION_PROGRAM), arguments);
    }
    // Whether the program has its handler for the signal in place, as the system tells.
    bool catches(int signal)
    {
        QFile status(QStringLiteral("/proc/%1/status").arg(process.processId()));
        if (!status.open(QIODevice::ReadOnly))
            return false;
        for (const QByteArray &line : status.readAll().split('\n'))
            if (line.startsWith("SigCgt:"))
                return (line.mid(7).trimmed().toULongLong(nullptr, 16) >> (signal - 1)) & 1;
        return false;
    }
    // Sends the signal once the program is ready for it; true when the program then ended.
    bool end_with(int signal)
    {
        // The waits are watchdogs: a program that never gets there fails the test. Until the
        // program runs, the status is the test's own.
        if (!process.waitForStarted(60000))
            return false;
        for (int i = 0; i < 600 && !catches(signal); ++i)
            QTest::qWait(100);
        if (!catches(signal))
            return false;
        ::kill(pid_t(process.processId()), signal);
        return process.waitForFinished(60000);
    }

    QProcess process;
};

} // namespace

void TestRecovery::initTestCase()
{
    // The picture dialogs keep their folders in a settings file of the test's own.
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(config_.path()));
    // Whatever the test runner ignores, these signals reach the test.
    for (int signal : SignalWatcher::watched)
        std::signal(signal, SIG_DFL);
}

void TestRecovery::signal_keeps_the_work_data()
{
    QTest::addColumn<int>("signal");
    QTest::newRow("SIGTERM: logout, shutdown, kill") << int(SIGTERM);
    QTest::newRow("SIGHUP: the terminal closes") << int(SIGHUP);
    QTest::newRow("SIGINT: Ctrl+C") << int(SIGINT);
}

void TestRecovery::signal_keeps_the_work()
{
    // A recording running and a lesson not saved: the signal keeps both and the settings, and
    // then the program ends as the signal asked.
    QFETCH(int, signal);
    QTemporaryDir dir;
    Program program(dir.path());
    program.menu(QStringLiteral("M_R:2"));
    Recorder &recorder = program.window().picture_commands().recorder();
    recorder.start();
    program.menu(QStringLiteral("M_R:3"));
    QTRY_COMPARE(recorder.frame_count(), 2);
    program.session.add_step();
    QVERIFY(program.session.modified());
    const Lesson lesson = program.session.lesson();

    QCOMPARE(::kill(::getpid(), signal), 0);
    // Told in the event loop; the wait is a watchdog.
    QTRY_COMPARE_WITH_TIMEOUT(program.ended, signal, 30000);

    QVERIFY(!recorder.recording());
    const QString pid = QString::number(QCoreApplication::applicationPid());
    const QStringList kept = program.kept();
    QCOMPARE(kept.size(), 2);
    QVERIFY2(kept[0].startsWith(QStringLiteral("lesson-") + pid + QLatin1Char('-'))
            && kept[1].startsWith(QStringLiteral("recording-") + pid + QStringLiteral("-1-")),
        qPrintable(kept.join(QLatin1Char(' '))));
    const QDir folder(program.recovery.folder().path());
    QFile lesson_file(folder.filePath(kept[0]));
    QVERIFY(lesson_file.open(QIODevice::ReadOnly));
    Lesson read;
    QVERIFY(!parse_lesson(lesson_file.readAll(), read).failed());
    QCOMPARE(read.steps, lesson.steps);
    QImageReader gif(folder.filePath(kept[1]));
    QCOMPARE(gif.format(), QByteArray("gif"));
    QCOMPARE(gif.imageCount(), 2);
    QCOMPARE(QFileInfo(folder.path()).permissions() & (QFile::ReadOther | QFile::ReadGroup),
        QFileDevice::Permissions());
    QCOMPARE(QSettings(program.settings.file(), QSettings::IniFormat)
                 .value(QStringLiteral("window/zoom"))
                 .toString(),
        QStringLiteral("1"));
    // The user decides at the end as the program asks: the lesson kept is not needed any more,
    // the recording stays, for it was ended without asking.
    program.recovery.ended_normally();
    QCOMPARE(program.kept(), QStringList { kept[1] });
}

void TestRecovery::next_start_offers_it_back_data()
{
    QTest::addColumn<QString>("name"); // in the recovery folder
    QTest::addColumn<QString>("contents"); // lesson, gif, text or pipe
    QTest::addColumn<RecoveryDialogs::Answer>("answer");
    QTest::addColumn<bool>("chosen"); // a file chosen in the file dialog
    QTest::addColumn<bool>("asked");
    QTest::addColumn<bool>("told");
    QTest::addColumn<bool>("stays");
    using A = RecoveryDialogs::Answer;
    const QString lesson = QStringLiteral("lesson-999999999-Golden-ratio.aurelion-lesson");
    const QString gif = QStringLiteral("recording-999999999-1-golden-rectangle.gif");
    QTest::newRow("lesson recovered")
        << lesson << "lesson" << A::Recover << true << true << false << false;
    QTest::newRow("lesson discarded")
        << lesson << "lesson" << A::Discard << false << true << false << false;
    QTest::newRow("lesson for later")
        << lesson << "lesson" << A::Later << false << true << false << true;
    QTest::newRow("recording recovered")
        << gif << "gif" << A::Recover << true << true << false << false;
    QTest::newRow("recording's file dialog cancelled")
        << gif << "gif" << A::Recover << false << true << false << true;
    QTest::newRow("a pipe in a lesson's name")
        << lesson << "pipe" << A::Recover << true << false << true << false;
    QTest::newRow("a pipe in a recording's name")
        << gif << "pipe" << A::Recover << true << false << true << false;
    QTest::newRow("no lesson") << lesson << "text" << A::Recover << true << false << true << false;
    QTest::newRow("no GIF") << gif << "text" << A::Recover << true << false << true << false;
    QTest::newRow("kept by this run, which goes on")
        << QStringLiteral("lesson-%1-Golden-ratio.aurelion-lesson")
               .arg(QCoreApplication::applicationPid())
        << "lesson" << A::Recover << true << false << false << true;
}

void TestRecovery::next_start_offers_it_back()
{
    QFETCH(QString, name);
    QFETCH(QString, contents);
    QFETCH(RecoveryDialogs::Answer, answer);
    QFETCH(bool, chosen);
    QFETCH(bool, asked);
    QFETCH(bool, told);
    QFETCH(bool, stays);
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("recovery"));
    QVERIFY(QDir().mkpath(folder));
    const QString item = QDir(folder).filePath(name);
    const QByteArray bytes = contents == QLatin1String("lesson") ? lesson_bytes()
        : contents == QLatin1String("gif")                       ? gif_bytes()
                                                                 : QByteArray("GIF? no.\n");
    if (contents == QLatin1String("pipe")) {
        QCOMPARE(::mkfifo(QFile::encodeName(item).constData(), 0600), 0);
    } else {
        QFile file(item);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(bytes), bytes.size());
    }
    const QString target =
        dir.filePath(name.endsWith(QLatin1String(".gif")) ? QStringLiteral("mine.gif")
                                                          : QStringLiteral("mine.aurelion-lesson"));
    Program program(dir.path());
    program.answers.answer = answer;
    if (chosen)
        program.answers.file = target;
    // A pipe read would block: the watchdog ends the test instead.
    ::alarm(60);
    program.recovery.offer();
    ::alarm(0);

    QCOMPARE(program.answers.questions.size(), asked ? 1 : 0);
    QCOMPARE(program.answers.told.size(), told ? 1 : 0);
    if (told)
        QVERIFY2(program.answers.told[0].contains(name), qPrintable(program.answers.told[0]));
    QCOMPARE(QFileInfo(item).exists(), stays);
    const bool recovered = asked && answer == RecoveryDialogs::Answer::Recover && chosen;
    QCOMPARE(QFileInfo(target).exists(), recovered);
    if (!recovered)
        return;
    QFile file(target);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), bytes);
    if (contents == QLatin1String("lesson")) {
        // The recovered lesson is open, from the user's file.
        QVERIFY(program.answers.questions[0].contains(QStringLiteral("\"Golden ratio\"")));
        QVERIFY(program.session.is_open());
        QCOMPARE(program.session.path(), target);
        QVERIFY(!program.session.modified());
    }
}

void TestRecovery::program_ends_as_asked_data()
{
    QTest::addColumn<int>("signal");
    QTest::newRow("SIGTERM") << int(SIGTERM);
    QTest::newRow("SIGHUP") << int(SIGHUP);
    QTest::newRow("SIGINT") << int(SIGINT);
}

void TestRecovery::program_ends_as_asked()
{
    // The program itself, told to end, saves its settings and ends by the signal.
    QFETCH(int, signal);
    QTemporaryDir home;
    RealProgram program(home.path());
    QVERIFY(program.end_with(signal));
    const QString said = QString::fromLocal8Bit(program.process.readAllStandardError());
    QCOMPARE(program.process.exitStatus(), QProcess::CrashExit);
    QVERIFY2(QSettings(home.filePath(QStringLiteral("config/Aurelion/Aurelion.conf")),
                 QSettings::IniFormat)
                 .value(QStringLiteral("window/zoom"))
            == QStringLiteral("fit"),
        qPrintable(said));
}

void TestRecovery::program_with_a_refused_settings_file_data()
{
    QTest::addColumn<bool>("pipe"); // else a file of 52 MB
    QTest::addColumn<QString>("reason");
    QTest::newRow("a named pipe") << true << "not a regular file: a named pipe";
    QTest::newRow("52 MB") << false << "larger than 256 kB";
}

void TestRecovery::program_with_a_refused_settings_file()
{
    // The window comes up with its defaults and says why, and the file stays as it was.
    QFETCH(bool, pipe);
    QFETCH(QString, reason);
    QTemporaryDir home;
    QVERIFY(QDir().mkpath(home.filePath(QStringLiteral("config/Aurelion"))));
    const QString path = home.filePath(QStringLiteral("config/Aurelion/Aurelion.conf"));
    if (pipe) {
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    } else {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QVERIFY(file.resize(52 * 1024 * 1024));
    }
    const QDateTime changed = QFileInfo(path).lastModified();
    RealProgram program(home.path());
    QVERIFY(program.end_with(SIGTERM));
    const QString said = QString::fromLocal8Bit(program.process.readAllStandardError());
    QVERIFY2(said.contains(path + QStringLiteral(": ") + reason), qPrintable(said));
    QCOMPARE(QFileInfo(path).isFile(), !pipe);
    QCOMPARE(QFileInfo(path).lastModified(), changed);
}

void TestRecovery::program_drops_what_cannot_be_read()
{
    // A pipe among the files kept is removed with a word, without blocking; what can be read
    // waits for the user's answer, and is still there when the program is told to end meanwhile.
    QTemporaryDir home;
    const QString folder = home.filePath(QStringLiteral("state/aurelion/recovery"));
    QVERIFY(QDir().mkpath(folder));
    const QString pipe =
        QDir(folder).filePath(QStringLiteral("lesson-999999999-a.aurelion-lesson"));
    QCOMPARE(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    const QString gif = QDir(folder).filePath(QStringLiteral("recording-999999999-1-b.gif"));
    {
        QFile file(gif);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QVERIFY(file.write(gif_bytes()) > 0);
    }
    RealProgram program(home.path());
    // The wait is a watchdog.
    for (int i = 0; i < 600 && QFileInfo(pipe).exists(); ++i)
        QTest::qWait(100);
    QVERIFY(!QFileInfo(pipe).exists());
    QVERIFY(program.end_with(SIGTERM));
    QVERIFY(QFileInfo(gif).isFile());
    const QString said = QString::fromLocal8Bit(program.process.readAllStandardError());
    QVERIFY2(said.contains(QStringLiteral("lesson-999999999-a.aurelion-lesson: "))
            && said.contains(QStringLiteral("not a regular file: a named pipe: removed from the "
                                            "recovery folder")),
        qPrintable(said));
}

void TestRecovery::usage_errors_without_a_display_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("named"); // the argument the message names
    QTest::newRow("an unknown option") << QStringList { "--bogus" } << "--bogus";
    QTest::newRow("after Qt's own option and its value")
        << QStringList { "-style", "fusion", "--reset-settings", "-x" } << "-x";
    QTest::newRow("a second lesson")
        << QStringList { "a.aurelion-lesson", "b.aurelion-lesson" } << "b.aurelion-lesson";
}

void TestRecovery::usage_errors_without_a_display()
{
    // Without a display (over ssh, in a build) a wrong command line is told as one.
    QFETCH(QStringList, arguments);
    QFETCH(QString, named);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    QProcess program;
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(AURELION_PROGRAM), arguments);
    QVERIFY(program.waitForFinished(60000));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 2);
    const QString said = QString::fromLocal8Bit(program.readAllStandardError());
    QVERIFY2(said.startsWith(QStringLiteral("aurelion: ") + named + QStringLiteral(": ")),
        qPrintable(said));
    QVERIFY(said.contains(QStringLiteral("Usage: aurelion")));
}

QTEST_MAIN(TestRecovery)
#include "tst_recovery.moc"
