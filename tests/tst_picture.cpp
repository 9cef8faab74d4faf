#include "palette.h"
#include "pdf_tools.h"
#include "picture/picture_commands.h"
#include "picture/worksheet_content.h"
#include "test_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDir>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPrinter>
#include <QScopeGuard>
#include <QSettings>
#include <QSignalSpy>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>

Q_DECLARE_METATYPE(RecordingAnswer)

namespace {

// Answers that the tests give in place of the dialogs, and what the dialogs were asked.
struct ScriptedDialogs final : public PictureDialogs
{
    std::optional<PictureChoice> picture; // nothing: the dialog is cancelled
    std::optional<WorksheetChoice> worksheet;
    std::function<bool(QPrinter &)> printer = [](QPrinter &) { return false; };
    std::function<void(QPrinter &)> preview_printer; // set up the preview's printer
    QStringList asked;
    QStringList saved; // the paths the dialogs were told were saved
    QStringList recordings; // the answers to the recording's dialog, one a time it is asked;
        // an empty one or none left: cancelled
    QList<RecordingAnswer> questions; // the answers to the unsaved recording's question;
        // none left: Discard
    QString stem;
    QSize drawing;
    Paper paper = Paper::A4;

    std::optional<PictureChoice> choose_picture_file(QWidget *, const QString &s, QSize d) override
    {
        asked << QStringLiteral("picture");
        stem = s;
        drawing = d;
        return picture;
    }
    std::optional<WorksheetChoice> choose_worksheet_file(
        QWidget *, const QString &s, Paper p) override
    {
        asked << QStringLiteral("worksheet");
        stem = s;
        paper = p;
        return worksheet;
    }
    bool choose_printer(QWidget *, QPrinter &p) override
    {
        asked << QStringLiteral("printer");
        return printer(p);
    }
    std::optional<QString> choose_recording_file(QWidget *, const QString &s) override
    {
        asked << QStringLiteral("recording");
        stem = s;
        if (recordings.isEmpty() || recordings.front().isEmpty()) {
            if (!recordings.isEmpty())
                recordings.removeFirst();
            return {};
        }
        return recordings.takeFirst();
    }
    RecordingAnswer keep_recording(QWidget *, int frames, bool can_go_on) override
    {
        asked << QStringLiteral("keep %1%2").arg(frames).arg(can_go_on ? "" : " or end");
        return questions.isEmpty() ? RecordingAnswer::Discard : questions.takeFirst();
    }
    void recording_saved(const QString &path) override { saved << path; }
    void picture_saved(const PictureChoice &choice) override { saved << choice.path; }
    void worksheet_saved(const WorksheetChoice &choice) override { saved << choice.path; }
    void preview(QWidget *, QPrinter &p, const std::function<void(QPrinter &)> &paint) override
    {
        asked << QStringLiteral("preview");
        if (preview_printer) {
            preview_printer(p);
            paint(p);
        }
    }
};

// A window with scripted dialogs.
struct PictureWindow : TestWindow
{
    PictureWindow() { commands().set_dialogs(dialogs); }
    PictureCommands &commands() { return window.picture_commands(); }

    // Actions as the render tool writes them: menu:NAME, click:NAME[:INDEX], tick:N.
    void perform(const QStringList &actions)
    {
        for (const QString &a : actions) {
            const QString what = a.section(QLatin1Char(':'), 1);
            if (a.startsWith(QLatin1String("menu:"))) {
                menu(what);
            } else if (a.startsWith(QLatin1String("tick:"))) {
                for (int i = 0; i < what.toInt(); ++i)
                    form().Timer1->tick();
            } else {
                Control *control = window.controls().at(what);
                if (auto *label = dynamic_cast<Label *>(control))
                    label->click();
                else
                    static_cast<QAbstractButton &>(control->widget()).click();
            }
        }
    }

    ScriptedDialogs dialogs;
};

QSizeF paper_points(Paper paper) { return page_size_of(paper).size(QPageSize::Point); }

QStringList files_in(const QString &folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot);
}

// The captions a user reads in the visible panels of the topic (the lists of start models of
// the population and the chaos game are buttons, not values).
QStringList panel_values(TestWindow &t)
{
    QStringList values;
    for (const auto &[key, control] : t.window.controls()) {
        const QWidget &w = control->widget();
        if (!dynamic_cast<Frame *>(w.parentWidget()) || !w.isVisibleTo(&t.window))
            continue;
        if (control->name == QLatin1String("Optie") || control->name == QLatin1String("Label11"))
            continue;
        if (dynamic_cast<Label *>(control) || dynamic_cast<CheckBox *>(control))
            values << control->caption().simplified();
    }
    return values;
}

// Every pixel of the page, rendered at a low resolution, is grey.
bool grey_only(const QString &pdf_path, QString &where)
{
    QTemporaryDir dir;
    const QString stem = dir.filePath(QStringLiteral("page"));
    pdf::run(PDFTOPPM,
        { QStringLiteral("-r"), QStringLiteral("30"), QStringLiteral("-png"),
            QStringLiteral("-singlefile"), pdf_path, stem });
    const QImage page(stem + QStringLiteral(".png"));
    if (page.isNull()) {
        where = QStringLiteral("no page rendered");
        return false;
    }
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x) {
            const QColor c = page.pixelColor(x, y);
            if (std::max({ c.red(), c.green(), c.blue() })
                    - std::min({ c.red(), c.green(), c.blue() })
                > 6) {
                where = QStringLiteral("(%1, %2) is %3").arg(x).arg(y).arg(c.name());
                return false;
            }
        }
    return true;
}

// Types a file name into a file dialog, as a user does.
void type_name(QFileDialog &dialog, const QString &name)
{
    dialog.findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))->setText(name);
}

// Runs the function on the modal dialog with the title once it is shown.
template <class T>
void when_shown(const QString &title, const std::function<void(T &)> &act, int tries = 500)
{
    QTimer::singleShot(10, [title, act, tries] {
        auto *dialog = qobject_cast<T *>(QApplication::activeModalWidget());
        if (dialog && dialog->windowTitle() == title)
            act(*dialog);
        else if (tries > 0)
            when_shown<T>(title, act, tries - 1);
    });
}

const QStringList every_topic = { "M_gr:3", "M_gr:2", "M_gr:1", "M_R:2", "M_R:3", "M_R:4", "M_R:1",
    "M_R:5", "M_R:0", "M_bevolk:0", "M_plato", "M_R:6", "M_bevolk:1", "M_gr:0", "M_chaos",
    "M_Pyt" };

} // namespace

class TestPicture : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void picture_menu_stands_before_view_and_end();
    void commands_wait_for_a_topic();
    void context_menu_on_the_drawing();
    void keys_reach_the_commands_data();
    void keys_reach_the_commands();
    void copy_round_trip_data();
    void copy_round_trip();
    void proposed_file_names_data();
    void proposed_file_names();
    void save_picture_data();
    void save_picture();
    void worksheet_pages_data();
    void worksheet_pages();
    void black_and_white_data();
    void black_and_white();
    void print_to_a_file_data();
    void print_to_a_file();
    void preview_paints_the_page();
    void cancelled_dialogs_are_silent_data();
    void cancelled_dialogs_are_silent();
    void failures_are_reported_data();
    void failures_are_reported();
    void file_dialog_remembers_its_folder();
    void worksheet_dialog_asks_paper_and_ink();
    void recording_in_the_window_data();
    void recording_in_the_window();
    void recording_the_running_chaos_game();
    void recording_that_cannot_be_written_data();
    void recording_that_cannot_be_written();
    void recording_stops_when_full();
    void nothing_recorded_is_lost_data();
    void nothing_recorded_is_lost();
    void recording_as_sharp_as_the_screen_data();
    void recording_as_sharp_as_the_screen();

private:
    QTemporaryDir config_;
};

void TestPicture::initTestCase()
{
    // The dialogs remember their folders in the settings: here in a folder of the test's own.
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(config_.path()));
    QSettings settings(QStringLiteral("Aurelion"), QStringLiteral("Aurelion"));
    QVERIFY2(settings.fileName().startsWith(config_.path()), qPrintable(settings.fileName()));
}

void TestPicture::picture_menu_stands_before_view_and_end()
{
    PictureWindow t;
    QStringList bar;
    for (QAction *action : t.window.menuBar()->actions())
        bar << action->text();
    QCOMPARE(bar,
        QStringList({ "Aurelion Relationship", "Golden ratio", "Population", "CHAOS", "Pythagoras",
            "Platonic Figures", "&Picture", "&View", "End", "&Help" }));
    // The fixed list of the program's menu commands is unchanged.
    QCOMPARE(t.window.menus().size(), std::size_t(20));
    for (const auto &[name, action] : t.window.menus())
        QVERIFY(action->menu() != t.commands().menu());
}

void TestPicture::commands_wait_for_a_topic()
{
    PictureWindow t;
    const QList<QAction *> commands = t.commands().menu()->actions();
    for (QAction *action : commands)
        QVERIFY(!action->isEnabled());
    t.commands().actions().save_picture->trigger();
    QVERIFY(t.dialogs.asked.isEmpty());

    t.menu(QStringLiteral("M_R:4"));
    // Every command but stopping a recording, which waits for one.
    for (QAction *action : commands)
        QVERIFY2(action->isEnabled() || action->isSeparator()
                || action == t.commands().actions().stop_recording,
            qPrintable(action->text()));
    t.commands().actions().save_picture->trigger();
    QCOMPARE(t.dialogs.asked, QStringList { "picture" });
}

void TestPicture::context_menu_on_the_drawing()
{
    PictureWindow t;
    t.window.show();
    t.menu(QStringLiteral("M_plato"));
    PictureBox &picture = *t.form().Picture1;
    QContextMenuEvent right(
        QContextMenuEvent::Mouse, QPoint(100, 100), picture.mapToGlobal(QPoint(100, 100)));
    QApplication::sendEvent(&picture, &right);
    QMenu *menu = t.commands().context_menu();
    QVERIFY(menu->isVisible());
    QCOMPARE(menu->actions().size(), t.commands().menu()->actions().size());
    for (QAction *action : t.commands().menu()->actions())
        QVERIFY(action->isSeparator() || menu->actions().contains(action));
    menu->close();

    // The right button is not a click on the drawing; the left button still is.
    QSignalSpy clicks(&picture, &PictureBox::clicked);
    QTest::mouseClick(&picture, Qt::RightButton, {}, QPoint(200, 200));
    QCOMPARE(clicks.count(), 0);
    QTest::mouseClick(&picture, Qt::LeftButton, {}, QPoint(200, 200));
    QCOMPARE(clicks.count(), 1);
}

void TestPicture::keys_reach_the_commands_data()
{
    QTest::addColumn<QKeyCombination>("keys");
    QTest::addColumn<QString>("asked"); // empty: the clipboard
    QTest::newRow("Ctrl+C copies") << QKeyCombination(Qt::CTRL, Qt::Key_C) << "";
    QTest::newRow("Ctrl+S saves the picture") << QKeyCombination(Qt::CTRL, Qt::Key_S) << "picture";
    QTest::newRow("Ctrl+Shift+S saves the worksheet")
        << QKeyCombination(Qt::CTRL | Qt::SHIFT, Qt::Key_S) << "worksheet";
    QTest::newRow("Ctrl+P prints") << QKeyCombination(Qt::CTRL, Qt::Key_P) << "printer";
}

void TestPicture::keys_reach_the_commands()
{
    QFETCH(QKeyCombination, keys);
    QFETCH(QString, asked);
    PictureWindow t;
    t.window.show();
    QApplication::setActiveWindow(&t.window);
    QVERIFY(QTest::qWaitForWindowActive(&t.window));
    t.menu(QStringLiteral("M_R:2"));
    QApplication::clipboard()->clear();
    QTest::keyClick(&t.window, keys.key(), keys.keyboardModifiers());
    if (asked.isEmpty()) {
        QVERIFY(QApplication::clipboard()->mimeData()->hasImage());
        QVERIFY(t.dialogs.asked.isEmpty());
    } else {
        QCOMPARE(t.dialogs.asked, QStringList { asked });
    }
}

void TestPicture::copy_round_trip_data()
{
    QTest::addColumn<QStringList>("actions");
    QTest::newRow("pentagram") << QStringList { "menu:M_R:4" };
    QTest::newRow("sequence graph") << QStringList { "menu:M_gr:1" };
    QTest::newRow("chaos game, 5000 points") << QStringList { "menu:M_chaos", "tick:100" };
    QTest::newRow("Platonic figures") << QStringList { "menu:M_plato" };
}

void TestPicture::copy_round_trip()
{
    QFETCH(QStringList, actions);
    PictureWindow t;
    t.perform(actions);
    QApplication::clipboard()->clear();
    t.commands().actions().copy->trigger();

    const QMimeData *data = QApplication::clipboard()->mimeData();
    QVERIFY(data);
    QVERIFY(data->hasImage());
    const QSize inner = t.form().Picture1->surface().inner_size();
    const qreal screen = t.window.devicePixelRatioF();
    const QImage png = QImage::fromData(data->data(QStringLiteral("image/png")), "PNG");
    QCOMPARE(
        png.size(), QSize(qCeil(inner.width() * 2 * screen), qCeil(inner.height() * 2 * screen)));

    const QByteArray svg = data->data(QStringLiteral("image/svg+xml"));
    QSvgRenderer renderer(svg);
    QVERIFY(renderer.isValid());
    QCOMPARE(renderer.viewBox().size(), inner);
    QVERIFY(!svg.contains("<image"));
    QVERIFY(svg.contains("<polyline") || svg.contains("<path"));
    for (const QString &text : t.form().Picture1->surface().texts())
        QVERIFY2(svg.contains(text.toHtmlEscaped().toUtf8()), qPrintable(text));
}

void TestPicture::proposed_file_names_data()
{
    QTest::addColumn<QStringList>("actions");
    QTest::addColumn<QString>("stem");
    const QStringList month_6(6, QStringLiteral("click:Command5"));
    QTest::newRow("golden rectangle") << QStringList { "menu:M_R:2" } << "golden-rectangle";
    QTest::newRow("pentagram") << QStringList { "menu:M_R:4" } << "pentagram";
    QTest::newRow("rabbits in month 6")
        << QStringList { "menu:M_gr:0" } + month_6 << "rabbits-month-6";
    QTest::newRow("population in year 3")
        << QStringList { "menu:M_bevolk:1", "click:Command3", "click:Command3", "click:Command3" }
        << "population-model-1a-year-3";
    QTest::newRow("population, model 4B")
        << QStringList { "menu:M_bevolk:1", "click:Optie:5" } << "population-model-4b-year-0";
    QTest::newRow("chaos game, pentagon")
        << QStringList { "menu:M_chaos", "click:Label11:5" } << "chaos-game-pentagon-golden";
    QTest::newRow("chaos game, square past the corner")
        << QStringList { "menu:M_chaos", "click:Label11:6" } << "chaos-game-square-minus-0.46";
    QTest::newRow("Pythagoras") << QStringList { "menu:M_Pyt" } << "pythagoras-a-40-b-30";
    QTest::newRow("Pythagoras, a shorter")
        << QStringList { "menu:M_Pyt", "click:Com_p1:0" } << "pythagoras-a-39-b-30";
    QTest::newRow("start values 1 and phi")
        << QStringList { "menu:M_gr:1", "click:Label7" } << "sequence-graph-f0-1-f1-1.61803";
    QTest::newRow("start values 1 and -1/phi")
        << QStringList { "menu:M_gr:2", "click:Label8" } << "ratio-graph-f0-1-f1-minus-0.61803";
    QTest::newRow("F(0) stepped down")
        << QStringList { "menu:M_gr:3", "click:ComM:0" } << "graph-p-f0-0.8-f1-1";
    QTest::newRow("life generator")
        << QStringList { "menu:M_bevolk:0" } << "life-generator-k-0.3-w-0-yo-10-d-0";
    QTest::newRow("solids turned")
        << QStringList { "menu:M_plato", "click:Crot1:1" } << "platonic-figures-turn-225-tilt-70";
    QTest::newRow("exponential function")
        << QStringList { "menu:M_R:6", "click:ComZ:0" } << "exponential-function-x-2.1-y0-1";
}

void TestPicture::proposed_file_names()
{
    QFETCH(QStringList, actions);
    QFETCH(QString, stem);
    PictureWindow t;
    t.perform(actions);
    t.commands().actions().save_picture->trigger();
    QCOMPARE(t.dialogs.stem, stem);
    QCOMPARE(t.dialogs.drawing, t.form().Picture1->surface().inner_size());
    // A worksheet in the same folder as a PDF of the drawing keeps its own name.
    t.commands().actions().save_worksheet->trigger();
    QCOMPARE(t.dialogs.stem, stem + QStringLiteral("-worksheet"));
}

void TestPicture::save_picture_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("format");
    QTest::addColumn<int>("scale");
    QTest::newRow("PNG at the screen's size") << "p.png" << int(PictureFormat::Png) << 1;
    QTest::newRow("PNG at twice the size") << "p.png" << int(PictureFormat::Png) << 2;
    QTest::newRow("PNG at four times the size") << "p.png" << int(PictureFormat::Png) << 4;
    QTest::newRow("SVG") << "p.svg" << int(PictureFormat::Svg) << 1;
    QTest::newRow("PDF") << "p.pdf" << int(PictureFormat::Pdf) << 1;
}

void TestPicture::save_picture()
{
    QFETCH(QString, name);
    QFETCH(int, format);
    QFETCH(int, scale);
    QTemporaryDir dir;
    const QString path = dir.filePath(name);
    PictureWindow t;
    t.menu(QStringLiteral("M_R:2"));
    t.dialogs.picture = PictureChoice { path, PictureFormat(format), scale };
    t.commands().actions().save_picture->trigger();
    QVERIFY(t.messages.messages.empty());
    QCOMPARE(files_in(dir.path()), QStringList { name });

    const QSize inner = t.form().Picture1->surface().inner_size();
    switch (PictureFormat(format)) {
    case PictureFormat::Png:
        QCOMPARE(QImage(path).size(), inner * scale);
        break;
    case PictureFormat::Svg:
        QCOMPARE(QSvgRenderer(path).viewBox().size(), inner);
        break;
    case PictureFormat::Pdf:
        QCOMPARE(pdf::page_size(path).toSize(),
            QSize(qCeil(inner.width() * 0.75), qCeil(inner.height() * 0.75)));
        QCOMPARE(pdf::images(path), QStringList());
        // The drawing's texts and nothing of the side panel.
        QVERIFY(pdf::text(path).contains(QStringLiteral("GOLDEN RECTANGLE")));
        QVERIFY(!pdf::text(path).contains(QStringLiteral("AB = 1")));
        break;
    }
}

void TestPicture::worksheet_pages_data()
{
    QTest::addColumn<QStringList>("actions");
    QTest::addColumn<int>("paper");
    for (const QString &topic : every_topic)
        for (const Paper paper : { Paper::A4, Paper::Letter }) {
            QStringList actions { QStringLiteral("menu:") + topic };
            if (topic == QLatin1String("M_chaos"))
                actions << QStringLiteral("tick:40");
            QTest::addRow("%s, %s", qPrintable(topic), paper == Paper::A4 ? "A4" : "Letter")
                << actions << int(paper);
        }
    QTest::newRow("rabbits in month 12, Letter")
        << QStringList { "menu:M_gr:0" } + QStringList(12, QStringLiteral("click:Command5"))
        << int(Paper::Letter);
    QTest::newRow("Pythagoras, e = a, A4")
        << QStringList { "menu:M_Pyt", "click:C_pyt" } << int(Paper::A4);
}

void TestPicture::worksheet_pages()
{
    QFETCH(QStringList, actions);
    QFETCH(int, paper);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("sheet.pdf"));
    PictureWindow t;
    t.perform(actions);
    t.dialogs.worksheet = WorksheetChoice { path, Paper(paper), Ink::Colour };
    t.commands().actions().save_worksheet->trigger();
    QVERIFY(t.messages.messages.empty());
    QCOMPARE(files_in(dir.path()), QStringList { QStringLiteral("sheet.pdf") });

    // One page of the paper chosen.
    QCOMPARE(pdf::page_count(path), 1);
    QCOMPARE(pdf::page_size(path).toSize(), paper_points(Paper(paper)).toSize());

    // The heading, the side panel's texts and the panels' values are text a reader can find.
    const QString text = pdf::text(path);
    const Form1 &f = t.form();
    QStringList expected { topic_caption(t.window, f.topic).simplified(), "Aurelion 1.6" };
    if (f.Picture2->isVisibleTo(&t.window))
        expected += f.Picture2->surface().texts();
    expected += panel_values(t);
    for (const QString &e : expected)
        QVERIFY2(text.contains(e.simplified()), qPrintable(e));

    // Each word of the page is where the layout put a line, or belongs to a figure. The lines' words lie within the margins, off the
    // figures, and no two of them overlap.
    const QSizeF page = paper_points(Paper(paper));
    const double m = worksheet_margin_points;
    const WorksheetLayout layout =
        layout_worksheet(worksheet_of(t.window), page, QMarginsF(m, m, m, m));
    const QRectF content = QRectF(QPointF(0, 0), page).adjusted(m - 0.5, m - 0.5, 0.5 - m, 0.5 - m);
    std::vector<pdf::Word> body;
    for (const pdf::Word &w : pdf::words(path)) {
        const bool in_line =
            std::any_of(layout.texts.begin(), layout.texts.end(), [&w](const PlacedText &line) {
                return line.box.adjusted(-1, -1, 1, 1).contains(w.box.center());
            });
        // A figure's texts that its clip hides lie next to it.
        const auto near = [&w](const QRectF &figure) {
            return !figure.isEmpty() && figure.adjusted(-15, -15, 15, 15).intersects(w.box);
        };
        QVERIFY2(in_line || near(layout.drawing) || near(layout.side_panel), qPrintable(w.text));
        if (in_line)
            body.push_back(w);
    }
    QVERIFY(body.size() >= 3); // at least the heading, a value and the footer
    for (std::size_t i = 0; i < body.size(); ++i) {
        QVERIFY2(content.contains(body[i].box), qPrintable(body[i].text));
        const QRectF a = body[i].box.adjusted(0.3, 0.3, -0.3, -0.3);
        QVERIFY2(!a.intersects(layout.drawing) && !a.intersects(layout.side_panel),
            qPrintable(body[i].text));
        for (std::size_t j = i + 1; j < body.size(); ++j)
            QVERIFY2(!a.intersects(body[j].box),
                qPrintable(body[i].text + QStringLiteral(" / ") + body[j].text));
    }
    // The drawing is vector graphics: no bitmap in the page.
    QCOMPARE(pdf::images(path), QStringList());
}

void TestPicture::black_and_white_data()
{
    QTest::addColumn<QStringList>("actions");
    QTest::addColumn<bool>("black_and_white");
    QTest::addColumn<bool>("grey");
    const QStringList chaos { "menu:M_chaos", "tick:40" };
    QTest::newRow("chaos game in colour") << chaos << false << false;
    QTest::newRow("chaos game in black and white") << chaos << true << true;
    QTest::newRow("Pythagoras in black and white") << QStringList { "menu:M_Pyt" } << true << true;
    QTest::newRow("life generator in black and white")
        << QStringList { "menu:M_bevolk:0" } << true << true;
}

void TestPicture::black_and_white()
{
    QFETCH(QStringList, actions);
    QFETCH(bool, black_and_white);
    QFETCH(bool, grey);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("sheet.pdf"));
    PictureWindow t;
    t.perform(actions);
    t.dialogs.worksheet =
        WorksheetChoice { path, Paper::A4, black_and_white ? Ink::BlackAndWhite : Ink::Colour };
    t.commands().actions().save_worksheet->trigger();
    QString where;
    QCOMPARE(grey_only(path, where), grey);
    if (grey)
        QVERIFY2(where.isEmpty(), qPrintable(where));
}

void TestPicture::print_to_a_file_data()
{
    QTest::addColumn<int>("paper");
    QTest::addColumn<bool>("grey_scale");
    QTest::newRow("A4, colour") << int(Paper::A4) << false;
    QTest::newRow("Letter, grey scale") << int(Paper::Letter) << true;
}

void TestPicture::print_to_a_file()
{
    QFETCH(int, paper);
    QFETCH(bool, grey_scale);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("printed.pdf"));
    PictureWindow t;
    t.menu(QStringLiteral("M_chaos"));
    t.perform({ QStringLiteral("tick:20") });
    t.dialogs.printer = [&](QPrinter &printer) {
        // The command offers the portrait page in colour.
        if (printer.pageLayout().orientation() != QPageLayout::Portrait
            || printer.colorMode() != QPrinter::Color)
            return false;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        printer.setPageSize(page_size_of(Paper(paper)));
        printer.setColorMode(grey_scale ? QPrinter::GrayScale : QPrinter::Color);
        return true;
    };
    t.commands().actions().print->trigger();
    QCOMPARE(t.dialogs.asked, QStringList { "printer" });
    QVERIFY(t.messages.messages.empty());
    QCOMPARE(files_in(dir.path()), QStringList { QStringLiteral("printed.pdf") });
    QCOMPARE(pdf::page_size(path).toSize(), paper_points(Paper(paper)).toSize());
    QVERIFY(pdf::text(path).contains(QStringLiteral("CHAOS")));
    QVERIFY(pdf::text(path).contains(QStringLiteral("Take a random corner point C1")));
    QString where;
    QCOMPARE(grey_only(path, where), grey_scale);
}

void TestPicture::preview_paints_the_page()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("preview.pdf"));
    PictureWindow t;
    t.menu(QStringLiteral("M_R:3"));
    t.dialogs.preview_printer = [&](QPrinter &printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
    };
    t.commands().actions().print_preview->trigger();
    QCOMPARE(t.dialogs.asked, QStringList { "preview" });
    QCOMPARE(pdf::page_size(path).toSize(), paper_points(paper_for(QLocale::system())).toSize());
    const QString text = pdf::text(path);
    QVERIFY(text.contains(QStringLiteral("Golden ellips Golden hyperbola")));
    QVERIFY(text.contains(QStringLiteral("The Great Piramid of Gizeh = Green")));
}

void TestPicture::cancelled_dialogs_are_silent_data()
{
    QTest::addColumn<QString>("command");
    QTest::newRow("save picture") << "picture";
    QTest::newRow("save worksheet") << "worksheet";
    QTest::newRow("print") << "printer";
    QTest::newRow("preview closed") << "preview";
}

void TestPicture::cancelled_dialogs_are_silent()
{
    QFETCH(QString, command);
    PictureWindow t;
    t.menu(QStringLiteral("M_R:5"));
    const PictureCommands::Actions &a = t.commands().actions();
    QAction *action = command == QLatin1String("picture") ? a.save_picture
        : command == QLatin1String("worksheet")           ? a.save_worksheet
        : command == QLatin1String("printer")             ? a.print
                                                          : a.print_preview;
    const std::size_t drawn = t.form().Picture1->surface().drawn_count();
    action->trigger();
    QCOMPARE(t.dialogs.asked, QStringList { command });
    QVERIFY(t.messages.messages.empty());
    QCOMPARE(t.form().Picture1->surface().drawn_count(), drawn);
    QCOMPARE(t.form().topic, 8);
}

void TestPicture::failures_are_reported_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("relative"); // to a folder holding the file "file"
    QTest::addColumn<QString>("title");
    for (const char *command : { "picture", "worksheet", "printer" }) {
        const QString title = QString::fromLatin1(command) == QLatin1String("picture")
            ? QStringLiteral("Save Picture")
            : QString::fromLatin1(command) == QLatin1String("worksheet")
            ? QStringLiteral("Save Worksheet")
            : QStringLiteral("Print");
        QTest::addRow("%s, missing folder", command) << command << "missing/out.pdf" << title;
        QTest::addRow("%s, folder is a file", command) << command << "file/out.pdf" << title;
    }
}

void TestPicture::failures_are_reported()
{
    QFETCH(QString, command);
    QFETCH(QString, relative);
    QFETCH(QString, title);
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("file")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    const QString bad = dir.filePath(relative);
    const QString good = dir.filePath(QStringLiteral("good.pdf"));

    PictureWindow t;
    t.menu(QStringLiteral("M_Pyt"));
    QString target = bad;
    t.dialogs.picture = PictureChoice { bad, PictureFormat::Pdf, 1 };
    t.dialogs.worksheet = WorksheetChoice { bad, Paper::A4, Ink::Colour };
    t.dialogs.printer = [&target](QPrinter &printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(target);
        return true;
    };
    const PictureCommands::Actions &a = t.commands().actions();
    QAction *action = command == QLatin1String("picture") ? a.save_picture
        : command == QLatin1String("worksheet")           ? a.save_worksheet
                                                          : a.print;
    action->trigger();
    QCOMPARE(t.messages.messages.size(), std::size_t(1));
    QCOMPARE(t.messages.messages.front().title, title);
    QVERIFY2(t.messages.messages.front().text.contains(bad),
        qPrintable(t.messages.messages.front().text));
    QCOMPARE(files_in(dir.path()), QStringList { QStringLiteral("file") });
    QCOMPARE(t.dialogs.saved, QStringList());

    // The program goes on: the topic is still drawn and the next try to a good place works.
    QCOMPARE(t.form().topic, 16);
    QVERIFY(t.form().Picture1->surface().drawn_count() > 0);
    target = good;
    t.dialogs.picture->path = good;
    t.dialogs.worksheet->path = good;
    action->trigger();
    QCOMPARE(t.messages.messages.size(), std::size_t(1));
    QCOMPARE(files_in(dir.path()), QStringList({ "file", "good.pdf" }));
    // The save dialogs start from the file saved next time; the print dialog keeps its own.
    QCOMPARE(t.dialogs.saved,
        command == QLatin1String("printer") ? QStringList() : QStringList { good });
}

void TestPicture::file_dialog_remembers_its_folder()
{
    QTemporaryDir folder;
    WindowPictureDialogs dialogs;
    QString proposed;
    when_shown<QFileDialog>(QStringLiteral("Save Picture As"), [&](QFileDialog &dialog) {
        proposed = dialog.selectedFiles().value(0);
        QCOMPARE(dialog.nameFilters().size(), 5);
        dialog.selectNameFilter(dialog.nameFilters().at(2));
        type_name(dialog, folder.filePath(QStringLiteral("lesson")));
        static_cast<QDialog &>(dialog).accept();
    });
    const std::optional<PictureChoice> first =
        dialogs.choose_picture_file(nullptr, QStringLiteral("golden-rectangle"), QSize(509, 509));
    QVERIFY(first);
    QVERIFY2(proposed.endsWith(QLatin1String("/golden-rectangle.png")), qPrintable(proposed));
    QCOMPARE(first->path, folder.filePath(QStringLiteral("lesson.png")));
    QCOMPARE(int(first->format), int(PictureFormat::Png));
    QCOMPARE(first->scale, 4);
    dialogs.picture_saved(*first);

    // A choice whose save failed is not remembered.
    QTemporaryDir elsewhere;
    when_shown<QFileDialog>(QStringLiteral("Save Picture As"), [&](QFileDialog &dialog) {
        type_name(dialog, elsewhere.filePath(QStringLiteral("x.pdf")));
        static_cast<QDialog &>(dialog).accept();
    });
    QVERIFY(dialogs.choose_picture_file(nullptr, QStringLiteral("spiral"), QSize(509, 509)));

    // The next dialog opens in the folder saved to, with the same type; cancelling answers
    // nothing.
    QString opened;
    when_shown<QFileDialog>(QStringLiteral("Save Picture As"), [&](QFileDialog &dialog) {
        opened = dialog.directory().absolutePath();
        proposed = dialog.selectedFiles().value(0);
        dialog.reject();
    });
    QVERIFY(!dialogs.choose_picture_file(nullptr, QStringLiteral("pentagram"), QSize(509, 509)));
    QCOMPARE(opened, QDir(folder.path()).absolutePath());
    QVERIFY2(proposed.endsWith(QLatin1String("/pentagram.png")), qPrintable(proposed));

    // A typed extension chooses the type.
    when_shown<QFileDialog>(QStringLiteral("Save Picture As"), [&](QFileDialog &dialog) {
        type_name(dialog, folder.filePath(QStringLiteral("star.svg")));
        static_cast<QDialog &>(dialog).accept();
    });
    const std::optional<PictureChoice> typed =
        dialogs.choose_picture_file(nullptr, QStringLiteral("pentagram"), QSize(509, 509));
    QVERIFY(typed);
    QCOMPARE(typed->path, folder.filePath(QStringLiteral("star.svg")));
    QCOMPARE(int(typed->format), int(PictureFormat::Svg));
    dialogs.picture_saved(*typed);
    when_shown<QFileDialog>(QStringLiteral("Save Picture As"), [&](QFileDialog &dialog) {
        proposed = dialog.selectedFiles().value(0);
        dialog.reject();
    });
    dialogs.choose_picture_file(nullptr, QStringLiteral("pentagram"), QSize(509, 509));
    QVERIFY2(proposed.endsWith(QLatin1String("/pentagram.svg")), qPrintable(proposed));
}

void TestPicture::worksheet_dialog_asks_paper_and_ink()
{
    QTemporaryDir folder;
    WindowPictureDialogs dialogs;
    when_shown<QFileDialog>(QStringLiteral("Save Worksheet As"), [&](QFileDialog &dialog) {
        type_name(dialog, folder.filePath(QStringLiteral("sheet")));
        static_cast<QDialog &>(dialog).accept();
        when_shown<QDialog>(QStringLiteral("Worksheet Page"), [](QDialog &options) {
            QComboBox *paper = options.findChild<QComboBox *>();
            QCOMPARE(paper->currentIndex(), 1); // the paper proposed
            paper->setCurrentIndex(0);
            options.findChild<QCheckBox *>()->setChecked(true);
            options.accept();
        });
    });
    const std::optional<WorksheetChoice> choice =
        dialogs.choose_worksheet_file(nullptr, QStringLiteral("pentagram"), Paper::Letter);
    QVERIFY(choice);
    QCOMPARE(choice->path, folder.filePath(QStringLiteral("sheet.pdf")));
    QCOMPARE(int(choice->paper), int(Paper::A4));
    QCOMPARE(int(choice->ink), int(Ink::BlackAndWhite));
}

namespace {

// The frames of a GIF as Qt reads them, with how long each shows.
struct Frames
{
    explicit Frames(const QString &path)
    {
        QImageReader reader(path);
        loops = reader.loopCount();
        while (reader.canRead()) {
            images << reader.read();
            delays << reader.nextImageDelay();
        }
    }
    QList<QImage> images;
    QList<int> delays;
    int loops = 0;
};

} // namespace

void TestPicture::recording_in_the_window_data()
{
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QStringList>("clicks");
    QTest::newRow("rabbits, three months")
        << "M_gr:0" << QStringList { "Command5", "Command5", "Command5" };
    QTest::newRow("Pythagoras, e = a") << "M_Pyt" << QStringList { "C_pyt" };
    QTest::newRow("a click that changes nothing") << "M_gr:0" << QStringList { "Command4" };
}

void TestPicture::recording_in_the_window()
{
    // Each click's drawing becomes one frame, taken once the click is done; the mark counts them.
    QFETCH(QString, menu);
    QFETCH(QStringList, clicks);
    PictureWindow t;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("recording.gif"));
    t.dialogs.recordings = { path };
    t.menu(menu);
    QVERIFY(!t.commands().actions().stop_recording->isEnabled());
    t.commands().actions().record->trigger();
    Recorder &recorder = t.commands().recorder();
    QVERIFY(recorder.recording());
    QVERIFY(!t.commands().actions().record->isEnabled());
    QVERIFY(t.commands().actions().stop_recording->isEnabled());
    const Label *mark = &recorder.mark();
    QVERIFY(mark->isVisibleTo(&t.window));
    // Beside the drawing, not on it.
    QVERIFY(!mark->geometry().intersects(t.form().Picture1->geometry()));
    for (const QString &key : clicks) {
        QTest::qWait(30);
        t.perform({ QStringLiteral("click:") + key });
        QTRY_COMPARE(recorder.frame_count(), 2 + int(&key - &clicks.front()));
    }
    QVERIFY(mark->caption().contains(QStringLiteral("REC")));
    QVERIFY(mark->caption().contains(QString::number(clicks.size() + 1)));
    const QImage last = picture_image(*t.form().Picture1, 1.0);
    t.commands().actions().stop_recording->trigger();
    QVERIFY(!recorder.recording());
    QVERIFY(!mark->isVisibleTo(&t.window));
    QCOMPARE(t.dialogs.saved, QStringList { path });
    QCOMPARE(t.dialogs.stem, picture_file_stem(t.window));

    const Frames frames(path);
    QCOMPARE(frames.images.size(), clicks.size() + 1);
    QCOMPARE(frames.loops, -1);
    QCOMPARE(frames.images.back().size(), QSize(509, 509));
    QCOMPARE(frames.delays.back(), Recorder::last_frame_ms);
    for (int i = 0; i + 1 < frames.delays.size(); ++i)
        QVERIFY(frames.delays[i] >= Recorder::shortest_frame_ms
            && frames.delays[i] <= Recorder::longest_frame_ms);
    // The last frame is the drawing as it was: its own colours exact, the antialiasing close.
    int differing = 0;
    for (int y = 0; y < last.height(); ++y)
        for (int x = 0; x < last.width(); ++x) {
            const QRgb drawn = last.pixel(x, y), kept = frames.images.back().pixel(x, y);
            if (drawn == kept)
                continue;
            ++differing;
            for (int i = 0; i < 16; ++i)
                if (drawn == QBColor(i))
                    QFAIL(qPrintable(QStringLiteral("(%1, %2)").arg(x).arg(y)));
        }
    QVERIFY2(differing < last.width() * last.height() / 20, qPrintable(QString::number(differing)));
    QCOMPARE(t.messages.messages.size(), std::size_t(0));
}

void TestPicture::recording_the_running_chaos_game()
{
    // While the game runs, frames come at most every so often, however many ticks come between.
    PictureWindow t;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("chaos.gif"));
    t.dialogs.recordings = { path };
    t.menu(QStringLiteral("M_chaos"));
    Recorder &recorder = t.commands().recorder();
    recorder.running_interval_ms = 100;
    recorder.start();
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 550) {
        t.form().Timer1->tick();
        QTest::qWait(5);
    }
    const int frames = recorder.frame_count();
    QVERIFY2(frames >= 4 && frames <= 7, qPrintable(QString::number(frames)));
    recorder.stop();
    const Frames read(path);
    QCOMPARE(read.images.size(), frames);
    // The pattern grows from frame to frame.
    const auto lit = [](const QImage &image) {
        int count = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                count += qGray(image.pixel(x, y)) > 40 ? 1 : 0;
        return count;
    };
    QVERIFY(lit(read.images.back()) > lit(read.images.front()));
    for (int i = 1; i + 1 < read.delays.size(); ++i)
        QVERIFY2(read.delays[i] >= 90, qPrintable(QString::number(read.delays[i])));
}

void TestPicture::recording_that_cannot_be_written_data()
{
    QTest::addColumn<QStringList>("answers"); // the paths given, in order; then cancel
    QTest::addColumn<int>("written"); // which answer is written, -1 for none
    QTest::addColumn<QStringList>("messages");
    QTest::newRow("cancelled, then discarded") << QStringList() << -1 << QStringList();
    QTest::newRow("a missing folder, then a good one") << QStringList { "missing/recording.gif",
        "recording.gif" } << 1 << QStringList { "The recording could not be saved as" };
    QTest::newRow("a missing folder, then cancelled and discarded")
        << QStringList { "missing/recording.gif" } << -1
        << QStringList { "The recording could not be saved as" };
}

void TestPicture::recording_that_cannot_be_written()
{
    QFETCH(QStringList, answers);
    QFETCH(int, written);
    QFETCH(QStringList, messages);
    PictureWindow t;
    QTemporaryDir dir;
    for (const QString &answer : answers)
        t.dialogs.recordings << dir.filePath(answer);
    // The frames wait in a temporary folder of this test's own, which no other program writes.
    QTemporaryDir own_temp;
    const QByteArray shared_temp = qgetenv("TMPDIR");
    qputenv("TMPDIR", QFile::encodeName(own_temp.path()));
    const auto restore_temp = qScopeGuard([&shared_temp] {
        if (shared_temp.isEmpty())
            qunsetenv("TMPDIR");
        else
            qputenv("TMPDIR", shared_temp);
    });
    const QStringList before = files_in(QDir::tempPath());
    t.menu(QStringLiteral("M_R:4"));
    t.commands().recorder().start();
    t.commands().recorder().stop();
    QCOMPARE(int(t.messages.messages.size()), messages.size());
    for (int i = 0; i < messages.size(); ++i)
        QVERIFY2(t.messages.messages[std::size_t(i)].text.startsWith(messages[i]),
            qPrintable(t.messages.messages[std::size_t(i)].text));
    QCOMPARE(files_in(dir.path()),
        written < 0 ? QStringList() : QStringList { QFileInfo(answers[written]).fileName() });
    // The frames' own file is gone too.
    QCOMPARE(files_in(QDir::tempPath()), before);
    // And the program goes on: another recording works.
    t.dialogs.recordings = { dir.filePath(QStringLiteral("again.gif")) };
    t.commands().recorder().start();
    t.commands().recorder().stop();
    QVERIFY(QFile::exists(dir.filePath(QStringLiteral("again.gif"))));
}

void TestPicture::recording_stops_when_full()
{
    PictureWindow t;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("full.gif"));
    t.dialogs.recordings = { path };
    t.menu(QStringLiteral("M_gr:0"));
    Recorder &recorder = t.commands().recorder();
    recorder.frame_limit = 3;
    recorder.start();
    for (int i = 0; i < 5 && recorder.recording(); ++i) {
        t.perform({ QStringLiteral("click:Command5") });
        QTest::qWait(30);
    }
    QVERIFY(!recorder.recording());
    QCOMPARE(t.messages.messages.size(), std::size_t(1));
    QVERIFY(t.messages.messages.front().text.contains(QStringLiteral("3 frames")));
    QCOMPARE(Frames(path).images.size(), 3);
}

void TestPicture::nothing_recorded_is_lost_data()
{
    QTest::addColumn<QString>("how"); // stop, End, close or Ctrl+Q
    QTest::addColumn<QList<RecordingAnswer>>("questions");
    QTest::addColumn<QStringList>("files"); // the file dialog's answers, "" for cancelled
    QTest::addColumn<QStringList>("asked");
    QTest::addColumn<bool>("ended"); // the recording ended (and the window closed, if asked)
    QTest::addColumn<bool>("written");
    using A = RecordingAnswer;
    QTest::newRow("End, cancelled: the program and the recording go on")
        << "End" << QList { A::GoOn } << QStringList() << QStringList { "keep 1" } << false
        << false;
    QTest::newRow("closing the window, discarded")
        << "close" << QList { A::Discard } << QStringList() << QStringList { "keep 1" } << true
        << false;
    QTest::newRow("Ctrl+Q, saved") << "Ctrl+Q" << QList { A::Save } << QStringList { "a.gif" }
                                   << QStringList { "keep 1", "recording" } << true << true;
    QTest::newRow("End, the file dialog cancelled goes back to the question, then cancelled")
        << "End" << QList { A::Save, A::GoOn } << QStringList { "" }
        << QStringList { "keep 1", "recording", "keep 1" } << false << false;
    QTest::newRow("closing, the file dialog cancelled, then saved")
        << "close" << QList { A::Save, A::Save } << QStringList { "", "a.gif" }
        << QStringList { "keep 1", "recording", "keep 1", "recording" } << true << true;
    QTest::newRow("Stop Recording, the file dialog cancelled asks, going on records on")
        << "stop" << QList { A::GoOn } << QStringList { "" }
        << QStringList { "recording", "keep 1" } << false << false;
    QTest::newRow("Stop Recording, the file dialog cancelled asks, then saved")
        << "stop" << QList { A::Save } << QStringList { "", "a.gif" }
        << QStringList { "recording", "keep 1", "recording" } << true << true;
    QTest::newRow("Stop Recording, the file dialog cancelled asks, then discarded")
        << "stop" << QList { A::Discard } << QStringList { "" }
        << QStringList { "recording", "keep 1" } << true << false;
}

void TestPicture::nothing_recorded_is_lost()
{
    QFETCH(QString, how);
    QFETCH(QList<RecordingAnswer>, questions);
    QFETCH(QStringList, files);
    QFETCH(QStringList, asked);
    QFETCH(bool, ended);
    QFETCH(bool, written);
    PictureWindow t;
    QTemporaryDir dir;
    for (const QString &file : files)
        t.dialogs.recordings << (file.isEmpty() ? QString() : dir.filePath(file));
    t.dialogs.questions = questions;
    t.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&t.window));
    t.menu(QStringLiteral("M_gr:0"));
    Recorder &recorder = t.commands().recorder();
    recorder.start();
    QVERIFY(recorder.recording());
    t.dialogs.asked.clear();

    if (how == QLatin1String("stop"))
        t.commands().actions().stop_recording->trigger();
    else if (how == QLatin1String("End"))
        t.menu(QStringLiteral("M_end"));
    else if (how == QLatin1String("Ctrl+Q"))
        QTest::keyClick(&t.window, Qt::Key_Q, Qt::ControlModifier);
    else
        t.window.close();

    QCOMPARE(t.dialogs.asked, asked);
    QCOMPARE(recorder.recording(), !ended);
    if (how != QLatin1String("stop"))
        QCOMPARE(t.window.isVisible(), !ended);
    QCOMPARE(QFile::exists(dir.filePath(QStringLiteral("a.gif"))), written);
    QCOMPARE(t.messages.messages.size(), std::size_t(0));
    if (!ended) {
        // The recording goes on without a frame for the question: the next change is its next
        // frame, and it can still be saved.
        QCOMPARE(recorder.frame_count(), 1);
        QTest::qWait(30);
        t.perform({ QStringLiteral("click:Command5") });
        QTRY_COMPARE(recorder.frame_count(), 2);
        t.dialogs.recordings = { dir.filePath(QStringLiteral("b.gif")) };
        recorder.stop();
        const Frames frames(dir.filePath(QStringLiteral("b.gif")));
        QCOMPARE(frames.images.size(), 2);
        QVERIFY(frames.images.front() != frames.images.back());
    }
}

void TestPicture::recording_as_sharp_as_the_screen_data()
{
    QTest::addColumn<double>("zoom");
    QTest::addColumn<double>("screen_ratio");
    QTest::addColumn<QSize>("frame");
    QTest::newRow("zoom 1") << 1.0 << 1.0 << QSize(509, 509);
    QTest::newRow("zoom 1.25") << 1.25 << 1.0 << QSize(509, 509);
    QTest::newRow("zoom 1.5") << 1.5 << 1.0 << QSize(1018, 1018);
    QTest::newRow("zoom 3") << 3.0 << 1.0 << QSize(1018, 1018);
    QTest::newRow("zoom 1 on a screen of ratio 2") << 1.0 << 2.0 << QSize(1018, 1018);
    QTest::newRow("zoom 0.75 on a screen of ratio 2") << 0.75 << 2.0 << QSize(1018, 1018);
    QTest::newRow("zoom 0.5 on a screen of ratio 2") << 0.5 << 2.0 << QSize(509, 509);
}

void TestPicture::recording_as_sharp_as_the_screen()
{
    QFETCH(double, zoom);
    QFETCH(double, screen_ratio);
    QFETCH(QSize, frame);
    TestWindow t(1, false, zoom, screen_ratio);
    ScriptedDialogs dialogs;
    t.window.picture_commands().set_dialogs(dialogs);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("sharp.gif"));
    dialogs.recordings = { path };
    t.menu(QStringLiteral("M_R:2"));
    Recorder &recorder = t.window.picture_commands().recorder();
    recorder.start();
    recorder.stop();
    const Frames frames(path);
    QCOMPARE(frames.images.size(), 1);
    QCOMPARE(frames.images.front().size(), frame);
    // The sharper recording is the same picture: scaled down, it matches the drawing.
    const QImage drawn =
        picture_image(*t.form().Picture1, 1.0).convertToFormat(QImage::Format_RGB32);
    const QImage shrunk = frames.images.front()
                              .scaled(drawn.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                              .convertToFormat(QImage::Format_RGB32);
    int far = 0;
    for (int y = 0; y < drawn.height(); ++y)
        for (int x = 0; x < drawn.width(); ++x)
            if (qAbs(qGray(drawn.pixel(x, y)) - qGray(shrunk.pixel(x, y))) > 96)
                ++far;
    QVERIFY2(far < drawn.width() * drawn.height() / 50, qPrintable(QString::number(far)));
}

QTEST_MAIN(TestPicture)
#include "tst_picture.moc"
