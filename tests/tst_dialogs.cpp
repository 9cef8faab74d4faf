#include "dialog_fit.h"
#include "dialog_size.h"
#include "lesson/lesson_dialogs.h"
#include "picture/picture_commands.h"
#include "test_window.h"

#include <QDialog>
#include <QFileDialog>
#include <QFontInfo>
#include <QFrame>
#include <QImage>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>
#include <QtMath>

#include <functional>

// Every dialog of the window shows all of its text, on the screen, at every zoom: on a screen of
// 3840 x 2160 pixels at zoom 1, at zoom 2 and maximised (zoom about 3.8), and on a screen of
// 1920 x 1080 pixels likewise (maximised, zoom about 1.9).
class TestDialogs : public QObject
{
    Q_OBJECT
private slots:
    void dialogs_fit_their_text_data();
    void dialogs_fit_their_text();
    void the_preview_fills_the_window_data();
    void the_preview_fills_the_window();
    void the_screen_size_is_the_drawing_on_the_screen_data();
    void the_screen_size_is_the_drawing_on_the_screen();
    void a_long_list_scrolls_in_its_box();
};

namespace {

const char *const dialog_names[] = { "Save Picture As", "Save Worksheet As", "Worksheet Page",
    "Save Recording", "Print Worksheet", "Print Worksheet with its options", "Print Preview",
    "End Simul", "Coördinates", "a long message", "recording not saved",
    "recording not saved, no going on", "Keyboard Shortcuts", "About Aurelion", "Open Lesson",
    "Save Lesson As", "Add Step", "lesson not saved", "Lesson Title", "lesson changed on disk",
    "lesson without steps", "step's progress", "Save Handout", "Save as Web Page" };

// A window at a zoom: maximised on the screen for zoom 0, else at that fixed zoom.
struct ZoomedWindow : TestWindow
{
    explicit ZoomedWindow(double zoom)
        : TestWindow(1, false, zoom)
    {
        if (zoom == 0)
            window.showMaximized();
        else
            window.show();
        exposed = QTest::qWaitForWindowExposed(&window);
        QApplication::processEvents();
    }
    bool exposed = false;
};

// Opens a modal dialog with open() and hands it, laid out and shown, to check; then closes it.
// A file dialog answered with a file lets the next dialog show (the worksheet's page).
void when_modal(
    const std::function<void()> &open, const std::function<void(QWidget &)> &check, int skip = 0)
{
    bool checked = false;
    std::function<void()> look;
    look = [&] {
        QWidget *dialog = QApplication::activeModalWidget();
        if (!dialog) {
            QTimer::singleShot(10, look);
            return;
        }
        // Laid out: the dialogs fill in some controls as they show.
        QTest::qWait(50);
        if (skip > 0) {
            --skip;
            if (auto *files = qobject_cast<QFileDialog *>(dialog)) {
                files->selectFile(QDir::temp().filePath(QStringLiteral("sheet.pdf")));
                static_cast<QDialog *>(files)->accept();
            }
            QTimer::singleShot(10, look);
            return;
        }
        check(*dialog);
        checked = true;
        if (auto *d = qobject_cast<QDialog *>(dialog))
            d->reject();
        else
            dialog->close();
    };
    QTimer::singleShot(0, look);
    open();
    QVERIFY(checked);
}

} // namespace

void TestDialogs::dialogs_fit_their_text_data()
{
    QTest::addColumn<QString>("dialog");
    QTest::addColumn<double>("zoom");
    for (const char *dialog : dialog_names)
        for (const double zoom : { 1.0, 2.0, 0.0 })
            QTest::addRow("%s at %s", dialog,
                zoom == 0 ? "maximised" : qPrintable(QStringLiteral("zoom %1").arg(zoom)))
                << QString::fromUtf8(dialog) << zoom;
}

void TestDialogs::dialogs_fit_their_text()
{
    QFETCH(QString, dialog);
    QFETCH(double, zoom);
    ZoomedWindow t(zoom);
    QVERIFY(t.exposed);
    // Maximised on a 4K screen the window shows zoom 3.8 or so (about 1.9 on a screen of 1080).
    if (zoom == 0)
        QVERIFY2(t.window.zoom() > 3.5 * t.window.screen()->size().height() / 2160.0,
            qPrintable(QString::number(t.window.zoom())));
    WindowPictureDialogs dialogs;
    WindowLessonDialogs lessons;
    DialogMessageBox messages(&t.window, [&t] { return t.window.dialog_font(); });
    QPrinter printer;
    QStringList misfits;
    QSize shown;
    const auto check = [&](QWidget &d) {
        misfits = dialog_misfits(d);
        // Its text as large as the window's other dialogs'.
        if (QFontInfo(d.font()).pixelSize() < QFontInfo(t.window.dialog_font()).pixelSize())
            misfits << QStringLiteral("text of %1 pixels, not the window's %2")
                           .arg(QFontInfo(d.font()).pixelSize())
                           .arg(QFontInfo(t.window.dialog_font()).pixelSize());
        shown = d.size();
    };
    const QString stem = QStringLiteral("aurelion-golden-rectangle-of-the-ratio");

    if (dialog == QStringLiteral("Save Picture As")) {
        when_modal([&] { dialogs.choose_picture_file(&t.window, stem, QSize(509, 509)); }, check);
    } else if (dialog == QStringLiteral("Save Worksheet As")) {
        when_modal([&] { dialogs.choose_worksheet_file(&t.window, stem, Paper::A4); }, check);
    } else if (dialog == QStringLiteral("Worksheet Page")) {
        when_modal([&] { dialogs.choose_worksheet_file(&t.window, stem, Paper::A4); }, check, 1);
    } else if (dialog == QStringLiteral("Save Recording")) {
        when_modal([&] { dialogs.choose_recording_file(&t.window, stem); }, check);
    } else if (dialog.startsWith(QStringLiteral("Print Worksheet"))) {
        // Qt proposes a file in the working folder: here one whose path is long and has spaces.
        QTemporaryDir folder;
        const QString deep =
            folder.filePath(QStringLiteral("a long path/with spaces/aurelion/build/default/tests"));
        QVERIFY(QDir().mkpath(deep));
        const QString before = QDir::currentPath();
        QDir::setCurrent(deep);
        const bool options = dialog.endsWith(QStringLiteral("options"));
        when_modal([&] { dialogs.choose_printer(&t.window, printer); },
            [&](QWidget &d) {
                for (QPushButton *button : d.findChildren<QPushButton *>())
                    if (options && button->text().startsWith(QStringLiteral("&Options"))) {
                        button->click();
                        QTest::qWait(50);
                    }
                check(d);
            });
        QDir::setCurrent(before);
    } else if (dialog == QStringLiteral("Print Preview")) {
        when_modal([&] { dialogs.preview(&t.window, printer, [](QPrinter &) {}); }, check);
    } else if (dialog == QStringLiteral("End Simul")) {
        when_modal([&] { messages.MsgBox(QStringLiteral("End Simul")); }, check);
    } else if (dialog == QStringLiteral("Coördinates")) {
        when_modal(
            [&] {
                messages.MsgBox(QStringLiteral("x= -1.618034  y= .618034  z=-1"),
                    QStringLiteral("Coördinates p12"));
            },
            check);
    } else if (dialog == QStringLiteral("a long message")) {
        when_modal(
            [&] {
                messages.MsgBox(QStringLiteral("The worksheet could not be printed to "
                                               "/home/teacher/Documents/aurelion-worksheet.pdf.\n\n"
                                               "Permission denied."),
                    QStringLiteral("Print"));
            },
            check);
    } else if (dialog == QStringLiteral("recording not saved")) {
        when_modal([&] { dialogs.keep_recording(&t.window, 120, true); }, check);
    } else if (dialog == QStringLiteral("recording not saved, no going on")) {
        when_modal([&] { dialogs.keep_recording(&t.window, 3000, false); }, check);
    } else if (dialog == QStringLiteral("Open Lesson")) {
        when_modal([&] { lessons.choose_lesson_to_open(&t.window); }, check);
    } else if (dialog == QStringLiteral("Save Lesson As")) {
        when_modal([&] { lessons.choose_lesson_to_save(&t.window, stem); }, check);
    } else if (dialog == QStringLiteral("Add Step")) {
        when_modal([&] { lessons.ask_step(&t.window, QStringLiteral("Pentagram")); }, check);
    } else if (dialog == QStringLiteral("Save Handout")) {
        when_modal([&] { lessons.choose_handout_file(&t.window, stem, false); }, check);
    } else if (dialog == QStringLiteral("Save as Web Page")) {
        when_modal([&] { lessons.choose_handout_file(&t.window, stem, true); }, check);
    } else if (dialog == QStringLiteral("lesson not saved")) {
        when_modal(
            [&] { lessons.ask_unsaved(&t.window, QStringLiteral("The golden number")); }, check);
    } else if (dialog == QStringLiteral("Lesson Title")) {
        when_modal(
            [&] { lessons.ask_lesson_title(&t.window, QStringLiteral("The golden number")); },
            check);
    } else if (dialog == QStringLiteral("lesson changed on disk")) {
        when_modal(
            [&] { lessons.ask_changed_on_disk(&t.window, QStringLiteral("The golden number")); },
            check);
    } else if (dialog == QStringLiteral("lesson without steps")) {
        when_modal(
            [&] {
                lessons.show_message(&t.window,
                    QStringLiteral("The lesson golden-ratio.aurelion-lesson has no steps: its file "
                                   "is empty or holds only comments and a title. Add steps with "
                                   "Add Step (Ctrl+L)."));
            },
            check);
    } else if (dialog == QStringLiteral("step's progress")) {
        // The progress does not wait: it shows until it is destroyed.
        const auto progress =
            lessons.show_progress(&t.window, QStringLiteral("Showing step 12 of 20..."), 1000);
        QWidget *d = QApplication::activeModalWidget();
        QVERIFY(d);
        QVERIFY(QTest::qWaitForWindowExposed(d));
        QApplication::processEvents();
        check(*d);
    } else {
        // The Help menu's dialogs do not wait: they are open when the command returns.
        const QString name = dialog == QStringLiteral("Keyboard Shortcuts")
            ? QStringLiteral("keyboard_shortcuts")
            : QStringLiteral("about");
        for (QAction *menu : t.window.menuBar()->actions())
            if (menu->menu())
                for (QAction *action : menu->menu()->actions())
                    if (action->text().remove(QLatin1Char('&')).startsWith(dialog))
                        action->trigger();
        auto *d = t.window.findChild<QDialog *>(name);
        QVERIFY(d);
        QVERIFY(QTest::qWaitForWindowExposed(d));
        QApplication::processEvents();
        check(*d);
        d->close();
    }
    QVERIFY2(misfits.isEmpty(),
        qPrintable(QStringLiteral("%1x%2: ").arg(shown.width()).arg(shown.height())
            + misfits.join(QStringLiteral("; "))));
}

void TestDialogs::the_preview_fills_the_window_data()
{
    QTest::addColumn<double>("zoom");
    QTest::newRow("zoom 1") << 1.0;
    QTest::newRow("zoom 2") << 2.0;
    QTest::newRow("maximised") << 0.0;
}

void TestDialogs::the_preview_fills_the_window()
{
    // At least the window's size within the screen, the whole page fitted to it.
    QFETCH(double, zoom);
    ZoomedWindow t(zoom);
    WindowPictureDialogs dialogs;
    QPrinter printer;
    QSize shown;
    QPrintPreviewWidget::ZoomMode mode = QPrintPreviewWidget::CustomZoom;
    when_modal([&] { dialogs.preview(&t.window, printer, [](QPrinter &) {}); },
        [&](QWidget &d) {
            shown = d.size();
            if (auto *pages = d.findChild<QPrintPreviewWidget *>())
                mode = pages->zoomMode();
        });
    const QSize room = t.window.screen()->availableGeometry().size() - QSize(16, 48);
    const QSize least = t.window.size().boundedTo(room);
    QVERIFY2(shown.width() >= least.width() && shown.height() >= least.height(),
        qPrintable(QStringLiteral("%1x%2 for a window of %3x%4")
                       .arg(shown.width())
                       .arg(shown.height())
                       .arg(t.window.width())
                       .arg(t.window.height())));
    QCOMPARE(mode, QPrintPreviewWidget::FitInView);
}

void TestDialogs::the_screen_size_is_the_drawing_on_the_screen_data()
{
    QTest::addColumn<double>("zoom");
    QTest::addColumn<QSize>("png"); // the picture at the screen's size
    QTest::newRow("zoom 1") << 1.0 << QSize(509, 509);
    QTest::newRow("zoom 2") << 2.0 << QSize(1018, 1018);
    QTest::newRow("zoom 1.5") << 1.5 << QSize(764, 764);
}

void TestDialogs::the_screen_size_is_the_drawing_on_the_screen()
{
    // Save Picture As offers the drawing as the window shows it, and twice and four times that.
    QFETCH(double, zoom);
    QFETCH(QSize, png);
    ZoomedWindow t(zoom);
    t.window.menus().at(QStringLiteral("M_R:2"))->trigger();
    QTemporaryDir folder;
    QStringList offered;
    QTimer::singleShot(0, [&] {
        auto *files = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        QVERIFY(files);
        offered = files->nameFilters();
        files->selectNameFilter(offered.front());
        files->selectFile(folder.filePath(QStringLiteral("rectangle")));
        static_cast<QDialog *>(files)->accept();
    });
    WindowPictureDialogs dialogs;
    const std::optional<PictureChoice> choice = dialogs.choose_picture_file(
        &t.window, QStringLiteral("rectangle"), t.window.form().Picture1->surface().inner_size());
    QVERIFY(choice);
    QCOMPARE(offered.size(), 5);
    for (int i = 0; i < 3; ++i) {
        const int side = qCeil(509 * zoom * (1 << i));
        QVERIFY2(offered[i].contains(QStringLiteral("%1 × %1").arg(side)), qPrintable(offered[i]));
    }
    QVERIFY(t.window.picture_commands().save_picture(*choice));
    QCOMPARE(QImage(choice->path).size(), png);
}

// A list as long as a folder of many files, in a frame as a file dialog holds it, scrolls: the
// frame does not take the list's whole length as its least size, and the dialog fits the screen.
void TestDialogs::a_long_list_scrolls_in_its_box()
{
    QDialog dialog;
    auto *frame = new QFrame(&dialog);
    auto *list = new QListWidget(frame);
    list->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    for (int i = 0; i < 500; ++i)
        list->addItem(QStringLiteral("aurelion-golden-rectangle-%1.png").arg(i));
    (new QVBoxLayout(frame))->addWidget(list);
    auto *layout = new QVBoxLayout(&dialog);
    layout->addWidget(frame);
    layout->addWidget(new QPushButton(QStringLiteral("Save"), &dialog));
    QFont font = dialog.font();
    font.setPointSizeF(font.pointSizeF() * 2);
    fit_dialog(dialog, font);
    const QSize screen = dialog.screen()->availableGeometry().size();
    QVERIFY2(frame->minimumSize().height() < list->sizeHint().height(),
        qPrintable(QString::number(frame->minimumSize().height())));
    QVERIFY(dialog.minimumSizeHint().height() < screen.height());
    QVERIFY(dialog.height() < screen.height());
}

QTEST_MAIN(TestDialogs)
#include "tst_dialogs.moc"
