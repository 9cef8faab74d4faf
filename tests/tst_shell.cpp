#include "palette.h"
#include "test_window.h"

#include <QAccessible>
#include <QDialog>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPointer>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QStyle>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

#include <algorithm>

class TestShell : public QObject
{
    Q_OBJECT

private slots:
    void control_arrays_after_start_up_data();
    void control_arrays_after_start_up();
    void array_elements_are_placed_by_their_step_data();
    void array_elements_are_placed_by_their_step();
    void copies_keep_the_look_of_element_0();
    void start_value_labels();
    void window_caption_and_menus();
    void title_screen();
    void title_screen_drawing();
    void first_menu_choice_clears_the_title();
    void dispatch_table_data();
    void dispatch_table();
    void menu_index_outside_the_table_is_ignored();
    void frames_shown_before_or_after_drawing();
    void reset_stops_the_timer_and_hides_markers();
    void readout_follows_the_pointer();
    void choosing_a_topic_keeps_the_read_out_text();
    void every_visible_control_is_named_data();
    void every_visible_control_is_named();
    void keyboard_activates_a_clickable_label();
    void assistive_technology_reads_and_presses_labels();
    void keyboard_presses_buttons_and_check_boxes();
    void tab_goes_row_by_row_within_a_frame();
    void menus_open_from_the_keyboard();
    void focus_ring_data();
    void focus_ring();
    void help_menu_comes_last();
    void shortcuts_dialog_lists_every_shortcut();
    void about_names_version_and_licences_and_no_address();
    void help_opens_from_the_keyboard_data();
    void help_opens_from_the_keyboard();
    void ctrl_q_ends_the_program();
    void held_step_button_repeats_data();
    void held_step_button_repeats();
    void held_next_year_stops_at_end_simul_data();
    void held_next_year_stops_at_end_simul();
    void held_next_year_under_the_real_dialog_data();
    void held_next_year_under_the_real_dialog();
    void drawing_is_described_data();
    void drawing_is_described();
    void description_follows_every_redraw_data();
    void description_follows_every_redraw();
    void chaos_game_tells_its_points_once_a_second();
    void readout_is_read_with_its_coordinates();
    void assistive_technology_toggles_a_check_box();
};

namespace {

// The window on screen and active, so that its shortcuts reach it.
bool shown_and_active(MainWindow &window)
{
    window.show();
    return QTest::qWaitForWindowActive(&window);
}

QAction *help_menu(MainWindow &window) { return window.menuBar()->actions().last(); }

QAction *help_item(MainWindow &window, const QString &caption)
{
    for (QAction *action : help_menu(window)->menu()->actions())
        if (action->text() == caption)
            return action;
    return nullptr;
}

// Esc in the dialog's focused widget closes the dialog.
bool closes_with_escape(QDialog *dialog)
{
    QPointer<QDialog> open = dialog;
    QWidget *focused = dialog->focusWidget() ? dialog->focusWidget() : dialog;
    QTest::keyClick(focused, Qt::Key_Escape);
    return !open || !open->isVisible();
}

// One element's text of the AppStream metadata.
QString metainfo(const QString &pattern)
{
    QFile file(QStringLiteral(AURELION_METAINFO));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QRegularExpression(pattern).match(QString::fromUtf8(file.readAll())).captured(1);
}

// How a test holds a button down: with the mouse, with Space as a test sends it, or with Space
// as an X server repeats it: after a delay, pairs of a release and a press with one timestamp,
// which Qt does not always recognise as a repeat. Key events go to the widget with the focus.
enum class Input { Mouse, Space, XSpace };

class Hand final : public QObject
{
public:
    explicit Hand(Input input)
        : input_(input)
    {
        connect(&repeats_, &QTimer::timeout, this, [this] {
            repeats_.setInterval(x_repeat_ms);
            time_ += x_repeat_ms;
            send(QEvent::KeyRelease);
            send(QEvent::KeyPress);
        });
    }

    void hold(QAbstractButton &button)
    {
        button_ = &button;
        if (input_ == Input::Mouse) {
            QTest::mousePress(&button, Qt::LeftButton);
        } else if (input_ == Input::Space) {
            QTest::keyPress(&button, Qt::Key_Space);
        } else {
            time_ += 1000;
            send(QEvent::KeyPress);
            repeats_.start(x_delay_ms);
        }
    }

    void let_go()
    {
        repeats_.stop();
        if (input_ == Input::Mouse) {
            QTest::mouseRelease(button_, Qt::LeftButton);
        } else if (input_ == Input::Space) {
            QTest::keyRelease(button_, Qt::Key_Space);
        } else {
            time_ += 7;
            send(QEvent::KeyRelease);
        }
    }

private:
    // A short delay and a fast rate, as a desktop may set them.
    static constexpr int x_delay_ms = 250;
    static constexpr int x_repeat_ms = 40;

    void send(QEvent::Type type)
    {
        QWidget *focused = QApplication::focusWidget();
        QKeyEvent event(type, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
        event.setTimestamp(time_);
        QApplication::sendEvent(focused ? focused : button_, &event);
    }

    Input input_;
    QAbstractButton *button_ = nullptr;
    QTimer repeats_;
    ulong time_ = 5000;
};

// The year the dynamic model's picture shows, or -1.
int year_shown(const std::vector<Primitive> &record)
{
    for (const QString &text : texts(record))
        if (text.startsWith(QLatin1String("YEAR ")))
            return text.mid(5).trimmed().toInt();
    return -1;
}

// Delays of the held buttons: the first repeat after 400 ms, then one every 200 ms.
constexpr int first_repeat_ms = 400;
constexpr int repeat_ms = 200;

} // namespace

Q_DECLARE_METATYPE(Input)

namespace {

QString description_of(QWidget *widget)
{
    return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Description);
}

} // namespace

void TestShell::control_arrays_after_start_up_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("count");
    QTest::addColumn<QStringList>("captions");
    QTest::newRow("Labi") << "Labi" << 21 << QStringList();
    QTest::newRow("Label1") << "Label1" << 21 << QStringList();
    QTest::newRow("ComM") << "ComM" << 2 << QStringList({ "<", "<" });
    QTest::newRow("ComP") << "ComP" << 2 << QStringList({ ">", ">" });
    QTest::newRow("LabP") << "LabP" << 4 << QStringList({ "k", "w", "yo", "d" });
    QTest::newRow("Ckm") << "Ckm" << 4 << QStringList({ "<", "<", "<", "<" });
    QTest::newRow("Ckp") << "Ckp" << 4 << QStringList({ ">", ">", ">", ">" });
    QTest::newRow("Label9") << "Label9" << 4 << QStringList();
    QTest::newRow("CEx") << "CEx" << 4 << QStringList({ "Ex1", "Ex2", "Ex3", "Ex4" });
    QTest::newRow("Crot1") << "Crot1" << 2 << QStringList({ "<", ">" });
    QTest::newRow("Crot2") << "Crot2" << 2 << QStringList({ "<", ">" });
    QTest::newRow("ChP") << "ChP" << 4
                         << QStringList({ " Dodecaëder 12 ", " Tetraëder 4 ", " Octaëder 8 ",
                                " Icosaëder 20 " });
    QTest::newRow("LabZ") << "LabZ" << 3 << QStringList({ "x", "y0", "yP" });
    QTest::newRow("LabQ") << "LabQ" << 3 << QStringList();
    QTest::newRow("ComQ") << "ComQ" << 2 << QStringList({ "<", "<" });
    QTest::newRow("ComZ") << "ComZ" << 2 << QStringList({ ">", ">" });
    QTest::newRow("LJ") << "LJ" << 1 << QStringList({ "bf" });
    QTest::newRow("CM") << "CM" << 1 << QStringList({ "<" });
    QTest::newRow("CP") << "CP" << 1 << QStringList({ ">" });
    QTest::newRow("Optie") << "Optie" << 6
                           << QStringList({ " Model 1A (20) ", " Model 1B (15) ", " Model 2  (20) ",
                                  " Model 3  (20) ", " Model 4A (20) ", " Model 4B (15) " });
    QTest::newRow("Cchaos") << "Cchaos" << 2 << QStringList({ "Fast", "Slow" });
    QTest::newRow("Label11") << "Label11" << 9
                             << QStringList({ "n=3   k=+1/2", "n=3   k=-1/2", "n=6   k=+1/2",
                                    "n=6   k=-1/3", "n=3   k=+.90", "n=5  k=1-1/phi",
                                    "n=4   k=-.46", "n=4   k=+1/2", "n=12  k=+1/5" });
    QTest::newRow("Lab_pyt") << "Lab_pyt" << 4 << QStringList({ "a", "b", "c", "e" });
    QTest::newRow("L_pyt") << "L_pyt" << 4 << QStringList();
    QTest::newRow("Com_p1") << "Com_p1" << 2 << QStringList({ "<", "<" });
    QTest::newRow("Com_p2") << "Com_p2" << 2 << QStringList({ ">", ">" });
}

void TestShell::control_arrays_after_start_up()
{
    QFETCH(QString, name);
    QFETCH(int, count);
    QFETCH(QStringList, captions);
    TestWindow t;
    const auto controls = t.window.controls();
    for (int i = 0; i < count; ++i) {
        const auto found = controls.find(name + ':' + QString::number(i));
        QVERIFY2(found != controls.end(), qPrintable(name + ':' + QString::number(i)));
        QVERIFY(found->second->widget().isVisibleTo(found->second->widget().parentWidget()));
        if (!captions.isEmpty())
            QCOMPARE(found->second->caption(), captions[i]);
    }
    QVERIFY(controls.find(name + ':' + QString::number(count)) == controls.end());
}

void TestShell::array_elements_are_placed_by_their_step_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QRect>("twips");
    QTest::newRow("last table row") << "Label1:20" << QRect(1200, 720 + 20 * 220, 1212, 180);
    QTest::newRow("F(1) button") << "ComP:1" << QRect(2520, 3140, 372, 180);
    QTest::newRow("F(0) button") << "ComM:0" << QRect(720, 2920, 372, 180);
    QTest::newRow("fourth example") << "CEx:3" << QRect(240 + 3 * 520, 2080, 480, 255);
    QTest::newRow("slow") << "Cchaos:1" << QRect(600, 280, 420, 240);
    QTest::newRow("turn up") << "Crot1:1" << QRect(1340, 360, 360, 230);
    QTest::newRow("last chaos model") << "Label11:8" << QRect(120, 640 + 8 * 320, 1212, 252);
    QTest::newRow("e = a") << "C_pyt" << QRect(360, 1960, 1140, 300);
    QTest::newRow("icosahedron box") << "ChP:3" << QRect(240, 1080 + 3 * 350, 1572, 372);
    QTest::newRow("sixth model") << "Optie:5" << QRect(480, 1180 + 5 * 280, 1332, 252);
    QTest::newRow("yP value") << "LabQ:2" << QRect(1080, 360 + 2 * 380, 852, 252);
    QTest::newRow("side panel") << "Picture2" << QRect(7900, 100, 4300, 732);
    QTest::newRow("rotation frame") << "Frame5" << QRect(7900, 4000, 2200, 2632);
    QTest::newRow("dynamic model frame") << "Frame1" << QRect(7900, 3120, 2500, 3100);
    QTest::newRow("sequence frame") << "Frame3" << QRect(7900, 1500, 3132, 5500);
}

void TestShell::array_elements_are_placed_by_their_step()
{
    QFETCH(QString, key);
    QFETCH(QRect, twips);
    TestWindow t;
    const Control *c = t.window.controls().at(key);
    QCOMPARE(QRect(c->Left(), c->Top(), c->Width(), c->Height()), twips);
    QCOMPARE(c->widget().geometry(),
        QRect(qRound(twips.left() / 15.0), qRound(twips.top() / 15.0), qRound(twips.width() / 15.0),
            qRound(twips.height() / 15.0)));
}

void TestShell::copies_keep_the_look_of_element_0()
{
    TestWindow t;
    Form1 &f = t.form();
    QCOMPARE(f.Label1[5].palette().color(QPalette::Window), QColor(255, 255, 192));
    QCOMPARE(f.Label1[10].palette().color(QPalette::Window), QColor(255, 255, 255));
    QCOMPARE(f.Labi[11].palette().color(QPalette::Window), QColor(255, 255, 255));
    QCOMPARE(f.Labi[12].palette().color(QPalette::Window), QColor(192, 255, 192));
    QCOMPARE(f.Label1[10].toolTip(),
        QStringLiteral(" Click for Fibonacci sequence  F(0) = 1   F(1) = 1 "));
    QCOMPARE(f.Label1[3].toolTip(), QString());
    QCOMPARE(f.LabP[3].toolTip(), QStringLiteral(" Deathfactor (1 / Unit of time) "));
    QCOMPARE(f.Lab_pyt[2].toolTip(), QStringLiteral(" c = sqrt( a² + b² ) "));
    QCOMPARE(f.LG[0].toolTip(), QStringLiteral("Burthfactor"));
    QCOMPARE(f.Label1[7].font(), f.Label1[0].font());
    QCOMPARE(f.Label1[7].font().pixelSize(), 9);
    QCOMPARE(f.Labi[7].font().pixelSize(), 11);
}

void TestShell::start_value_labels()
{
    TestWindow t;
    QCOMPARE(t.form().Label7->caption(), QStringLiteral("phi = 1.6180340..."));
    QCOMPARE(t.form().Label8->caption(), QStringLiteral("-1/phi = -0.6180340..."));
    QCOMPARE(t.form().Label7->toolTip(),
        QStringLiteral(" THE GOLDEN NUMBER  : Click for sequence F(0) = 1 , F(1) = phi "));
    QCOMPARE(t.form().phi, (1 + std::sqrt(5.0)) / 2);
    QCOMPARE(t.form().pi, float(M_PI));
}

void TestShell::window_caption_and_menus()
{
    TestWindow t;
    QVERIFY(t.window.windowTitle().startsWith(QLatin1String("The Aurelion relationship 1.6 ")));
    const auto &menus = t.window.menus();
    const std::vector<std::pair<QString, QString>> expected = {
        { "M_Fibo", "Aurelion Relationship" },
        { "M_gr:0", "Fibonacci's rabblis" },
        { "M_gr:1", "Graph y = F(i)" },
        { "M_gr:2", "Graph y = F(i+1) / F(i)" },
        { "M_gr:3", "Graph P" },
        { "M_ratio", "Golden ratio" },
        { "M_R:0", "Golden ratio graphic" },
        { "M_R:1", "Golden ratio analitic" },
        { "M_R:2", "Golden rectangle" },
        { "M_R:3", "Golden ellips   Golden hyperbola" },
        { "M_R:4", "Pentagram" },
        { "M_R:5", "Golden spiral" },
        { "M_R:6", "Exponential function" },
        { "M_populatie", "Population" },
        { "M_bevolk:0", "Life Generator" },
        { "M_bevolk:1", "Dynamic Population Model" },
        { "M_chaos", "CHAOS" },
        { "M_Pyt", "Pythagoras" },
        { "M_plato", "Platonic Figures" },
        { "M_end", "End" },
    };
    QCOMPARE(menus.size(), expected.size());
    for (const auto &[name, caption] : expected)
        QCOMPARE(menus.at(name)->text(), caption);
}

void TestShell::title_screen()
{
    TestWindow t;
    Form1 &f = t.form();
    QCOMPARE(f.topic, 0);
    for (const auto &[name, control] : t.window.controls())
        QVERIFY2(!control->widget().isVisibleTo(&t.window), qPrintable(name));
    QVERIFY(f.Timer1->Enabled());
    QCOMPARE(f.Timer1->Interval(), 10);
    QCOMPARE(f.Label2->caption(), QStringLiteral("Label2"));
    QCOMPARE(t.window.Form1_surface().FontSize(), 12.0);
}

void TestShell::title_screen_drawing()
{
    TestWindow t;
    const auto &r = t.background();
    // Six rabbits of 24 shapes, then the three title lines and the two credit lines.
    QCOMPARE(r.size(), std::size_t(6 * 24 + 5));
    const std::vector<std::tuple<double, double, double>> heads = { { 1000, 1000, 0.4 },
        { 10000, 1000, 0.4 }, { 11000, 3000, 0.4 }, { 5500, 3500, 0.4 }, { 3000, 2500, 0.9 },
        { 8000, 2500, 1 } };
    for (std::size_t i = 0; i < heads.size(); ++i) {
        const auto [x, y, size] = heads[i];
        const Primitive &head = r[24 * i + 4];
        QCOMPARE(QPointF(head.x1, head.y1), QPointF(x, y));
        QCOMPARE(head.radius, 1000 * size);
        QCOMPARE(*head.fill, i == 0 ? QBColor(0) : QBColor(14));
    }
    const QStringList title = texts(r);
    QCOMPARE(title.mid(0, 3), QStringList({ "THE", "AURELION", "RELATIONSHIP" }));
    QCOMPARE(QPointF(r[144].x1, r[144].y1), QPointF(5200, 800));
    QCOMPARE(QPointF(r[145].x1, r[145].y1), QPointF(4700, 1400));
    QCOMPARE(QPointF(r[146].x1, r[146].y1), QPointF(4500, 2000));
    QCOMPARE(r[144].colour, QBColor(0));
    QVERIFY(r[144].font.pixelSize() > r[147].font.pixelSize());
    QCOMPARE(QPointF(r[147].x1, r[147].y1), QPointF(4000, 7000));
    QCOMPARE(QPointF(r[148].x1, r[148].y1), QPointF(4500, 7500));
}

void TestShell::first_menu_choice_clears_the_title()
{
    TestWindow t;
    t.menu(QStringLiteral("M_R:2"));
    QVERIFY(t.background().empty());
    QCOMPARE(t.window.Form1_surface().image().pixel(400, 60), RGB(255, 192, 255));
    QVERIFY(t.form().Picture1->isVisibleTo(&t.window));
    QCOMPARE(t.form().Picture1->surface().BackColor(), RGB(255, 255, 255));
}

void TestShell::dispatch_table_data()
{
    QTest::addColumn<QString>("menu");
    QTest::addColumn<int>("topic");
    QTest::addColumn<bool>("sequence_panels");
    QTest::addColumn<int>("side_panel"); // height in twips, 0 when hidden
    QTest::addColumn<QString>("frame");
    QTest::addColumn<bool>("readout");
    QTest::newRow("1 graph P") << "M_gr:3" << 1 << true << 0 << "" << true;
    QTest::newRow("2 ratio graph") << "M_gr:2" << 2 << true << 0 << "" << true;
    QTest::newRow("3 sequence graph") << "M_gr:1" << 3 << true << 0 << "" << true;
    QTest::newRow("4 golden rectangle") << "M_R:2" << 4 << false << 3400 << "" << true;
    QTest::newRow("5 ellipse and hyperbola") << "M_R:3" << 5 << false << 4300 << "" << true;
    QTest::newRow("6 pentagram") << "M_R:4" << 6 << false << 3400 << "" << true;
    QTest::newRow("7 analytic") << "M_R:1" << 7 << false << 3400 << "" << true;
    QTest::newRow("8 spiral") << "M_R:5" << 8 << false << 3400 << "" << true;
    QTest::newRow("9 graphic") << "M_R:0" << 9 << false << 4300 << "" << true;
    QTest::newRow("10 life generator") << "M_bevolk:0" << 10 << false << 4300 << "Frame4" << true;
    QTest::newRow("11 platonic") << "M_plato" << 11 << false << 3400 << "Frame5" << false;
    QTest::newRow("12 exponential") << "M_R:6" << 12 << false << 3400 << "Frame6" << true;
    QTest::newRow("13 dynamic model") << "M_bevolk:1" << 13 << false << 0 << "Frame1" << false;
    QTest::newRow("14 rabbits") << "M_gr:0" << 14 << false << 3400 << "Frame7" << false;
    QTest::newRow("15 chaos") << "M_chaos" << 15 << false << 3400 << "Frame8" << true;
    QTest::newRow("16 pythagoras") << "M_Pyt" << 16 << false << 4300 << "Frame9" << false;
}

void TestShell::dispatch_table()
{
    QFETCH(QString, menu);
    QFETCH(int, topic);
    QFETCH(bool, sequence_panels);
    QFETCH(int, side_panel);
    QFETCH(QString, frame);
    QFETCH(bool, readout);
    TestWindow t;
    // From another topic first, so every visibility is really set by this choice.
    t.menu(topic == 13 ? QStringLiteral("M_chaos") : QStringLiteral("M_bevolk:1"));
    t.menu(menu);
    Form1 &f = t.form();
    const auto shown = [&t](QWidget *w) { return w->isVisibleTo(&t.window); };
    QCOMPARE(f.topic, topic);
    for (QWidget *w : std::initializer_list<QWidget *> { f.Frame2, f.Frame3, f.Label7, f.Label8 })
        QCOMPARE(shown(w), sequence_panels);
    QCOMPARE(shown(f.Picture2), side_panel > 0);
    if (side_panel > 0) {
        QCOMPARE(f.Picture2->Height(), side_panel);
        const UserScale &s = f.Picture2->surface().scale();
        QCOMPARE(QRectF(s.left, s.top, s.width, s.height), QRectF(0, 0, 100, 100));
    }
    for (Frame *each : { f.Frame1, f.Frame4, f.Frame5, f.Frame6, f.Frame7, f.Frame8, f.Frame9 })
        QCOMPARE(shown(each), each->name == frame);
    QCOMPARE(shown(f.Label2), readout);
    QVERIFY(shown(f.Picture1));
}

void TestShell::menu_index_outside_the_table_is_ignored()
{
    TestWindow t;
    t.menu(QStringLiteral("M_R:4"));
    t.window.M_R_Click(7);
    t.window.M_Gr_Click(-1);
    t.window.M_bevolk_Click(2);
    QCOMPARE(t.form().topic, 6);
}

void TestShell::frames_shown_before_or_after_drawing()
{
    // A frame shown before the drawing is visible while the topic draws; one shown after it is not.
    TestWindow t;
    bool frame8_seen_while_drawing = false;
    bool frame6_seen_while_drawing = true;
    auto *picture = &t.form().Picture1->surface();
    picture->changed = [&](const QRect &) {
        if (t.form().topic == 15)
            frame8_seen_while_drawing |= t.form().Frame8->isVisibleTo(&t.window);
        if (t.form().topic == 12 && t.form().Picture1->isVisibleTo(&t.window))
            frame6_seen_while_drawing &= t.form().Frame6->isVisibleTo(&t.window);
    };
    t.menu(QStringLiteral("M_chaos"));
    t.menu(QStringLiteral("M_R:6"));
    QVERIFY(frame8_seen_while_drawing);
    QVERIFY(!frame6_seen_while_drawing);
    QVERIFY(t.form().Frame6->isVisibleTo(&t.window));
}

void TestShell::reset_stops_the_timer_and_hides_markers()
{
    TestWindow t;
    Form1 &f = t.form();
    QVERIFY(f.Timer1->Enabled());
    f.Shape1->set_Visible(true);
    f.Line1->set_Visible(true);
    t.menu(QStringLiteral("M_Pyt"));
    QVERIFY(!f.Timer1->Enabled());
    QVERIFY(!f.Shape1->Visible());
    QVERIFY(!f.Shape2->Visible());
    QVERIFY(!f.Line1->Visible());
}

void TestShell::readout_follows_the_pointer()
{
    TestWindow t;
    Form1 &f = t.form();
    t.menu(QStringLiteral("M_R:2"));
    QCOMPARE(f.Label2->caption(), QStringLiteral("Label2"));
    f.Picture1->move_pointer(1.5f, -2.25f);
    QCOMPARE(f.Label2->caption(), QStringLiteral("1.500    -2.250"));
    QCOMPARE(f.mouse_x, 1.5f);
    QCOMPARE(f.mouse_y, -2.25f);
    t.menu(QStringLiteral("M_plato"));
    f.Picture1->move_pointer(0.5f, 0.5f);
    QCOMPARE(f.Label2->caption(), QStringLiteral("3D"));
}

void TestShell::choosing_a_topic_keeps_the_read_out_text()
{
    // "3D" shows when another topic is chosen next, until the pointer moves again.
    TestWindow t;
    Form1 &f = t.form();
    t.menu(QStringLiteral("M_plato"));
    f.Picture1->move_pointer(1, 1);
    t.menu(QStringLiteral("M_R:4"));
    QVERIFY(f.Label2->isVisibleTo(&t.window));
    QCOMPARE(f.Label2->caption(), QStringLiteral("3D"));
}

void TestShell::every_visible_control_is_named_data()
{
    QTest::addColumn<QString>("menu");
    for (const char *menu :
        { "M_gr:0", "M_gr:1", "M_gr:2", "M_gr:3", "M_R:0", "M_R:1", "M_R:2", "M_R:3", "M_R:4",
            "M_R:5", "M_R:6", "M_bevolk:0", "M_bevolk:1", "M_chaos", "M_Pyt", "M_plato" })
        QTest::newRow(menu) << menu;
}

void TestShell::every_visible_control_is_named()
{
    QFETCH(QString, menu);
    TestWindow t;
    t.menu(menu);
    int operable = 0;
    for (const auto &[key, control] : t.window.controls()) {
        QWidget &w = control->widget();
        if (!w.isVisibleTo(&t.window))
            continue;
        auto *label = dynamic_cast<Label *>(control);
        const bool acts = !label || label->clickable();
        const bool takes_input =
            dynamic_cast<Button *>(control) || dynamic_cast<CheckBox *>(control) || (label && acts);
        if (takes_input) {
            ++operable;
            QVERIFY2(!w.accessibleName().isEmpty(), qPrintable(key));
            QVERIFY2(!w.accessibleDescription().isEmpty(), qPrintable(key));
            QVERIFY2(w.focusPolicy() & Qt::TabFocus, qPrintable(key));
        } else {
            QVERIFY2(!w.accessibleName().isEmpty() || !control->caption().trimmed().isEmpty(),
                qPrintable(key));
        }
    }
    const bool has_controls = menu.startsWith("M_gr:") || menu == "M_R:6"
        || menu.startsWith("M_bevolk") || menu == "M_chaos" || menu == "M_Pyt" || menu == "M_plato";
    QCOMPARE(operable > 0, has_controls);
}

void TestShell::keyboard_activates_a_clickable_label()
{
    TestWindow t;
    Form1 &f = t.form();
    t.menu(QStringLiteral("M_gr:2"));
    QTest::keyClick(f.Label7, Qt::Key_Space);
    QCOMPARE(f.Label1[11].caption(), QStringLiteral("1.61803"));
    QTest::keyClick(&f.Label1[10], Qt::Key_Return);
    QCOMPARE(f.Label1[11].caption(), QStringLiteral("1.00000"));
    QCOMPARE(f.Label1[12].caption(), QStringLiteral("2.00000"));
    // A cell that does nothing on a click takes no focus and no keys.
    QCOMPARE(f.Label1[3].focusPolicy(), Qt::NoFocus);
    QCOMPARE(f.Labi[10].focusPolicy(), Qt::NoFocus);
}

void TestShell::assistive_technology_reads_and_presses_labels()
{
    TestWindow t;
    Form1 &f = t.form();
    t.menu(QStringLiteral("M_gr:2"));
    QAccessibleInterface *cell = QAccessible::queryAccessibleInterface(&f.Label1[3]);
    QVERIFY(cell);
    QCOMPARE(cell->role(), QAccessible::StaticText);
    QCOMPARE(cell->text(QAccessible::Name), f.Label1[3].caption());
    QVERIFY(cell->actionInterface());
    QVERIFY(!cell->actionInterface()->actionNames().contains(
        QAccessibleActionInterface::pressAction()));

    QAccessibleInterface *start = QAccessible::queryAccessibleInterface(f.Label7);
    QVERIFY(start);
    QCOMPARE(start->role(), QAccessible::Button);
    QCOMPARE(start->text(QAccessible::Name), f.Label7->accessibleName());
    QVERIFY(start->actionInterface()->actionNames().contains(
        QAccessibleActionInterface::pressAction()));
    start->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(f.Label1[11].caption(), QStringLiteral("1.61803"));
}

void TestShell::keyboard_presses_buttons_and_check_boxes()
{
    TestWindow t;
    Form1 &f = t.form();
    t.menu(QStringLiteral("M_bevolk:0"));
    QTest::keyClick(&f.Ckp[0], Qt::Key_Return);
    QCOMPARE(f.Label9[0].caption(), QStringLiteral("0.350"));
    QTest::keyClick(&f.Ckp[0], Qt::Key_Space);
    QCOMPARE(f.Label9[0].caption(), QStringLiteral("0.400"));
    QTest::keyClick(&f.Label9[0], Qt::Key_Enter);
    QCOMPARE(f.Label9[0].caption(), QStringLiteral("0.000"));
    t.menu(QStringLiteral("M_plato"));
    QTest::keyClick(&f.ChP[1], Qt::Key_Return);
    QCOMPARE(f.ChP[1].value(), 1);
}

void TestShell::tab_goes_row_by_row_within_a_frame()
{
    TestWindow t;
    Form1 &f = t.form();
    const auto next_focusable = [](QWidget *w) {
        do
            w = w->nextInFocusChain();
        while (!(w->focusPolicy() & Qt::TabFocus));
        return w;
    };
    const std::vector<QWidget *> life_generator = { &f.Ckm[0], &f.Label9[0], &f.Ckp[0], &f.Ckm[1],
        &f.Label9[1], &f.Ckp[1], &f.Ckm[2], &f.Label9[2], &f.Ckp[2], &f.Ckm[3], &f.Label9[3],
        &f.Ckp[3], f.ComF, &f.CEx[0], &f.CEx[1], &f.CEx[2], &f.CEx[3] };
    for (std::size_t i = 1; i < life_generator.size(); ++i)
        QCOMPARE(next_focusable(life_generator[i - 1]), life_generator[i]);
    QCOMPARE(next_focusable(&f.Label11[2]), &f.Label11[3]);
    QCOMPARE(next_focusable(&f.Cchaos[0]), &f.Cchaos[1]);
    QCOMPARE(next_focusable(&f.Com_p1[0]), &f.L_pyt[0]);
    QCOMPARE(next_focusable(&f.L_pyt[0]), &f.Com_p2[0]);
}

void TestShell::menus_open_from_the_keyboard()
{
    TestWindow t;
    QMenuBar *bar = t.window.menuBar();
    QCOMPARE(bar->style()->styleHint(QStyle::SH_MenuBar_AltKeyNavigation, nullptr, bar), 1);
}

void TestShell::focus_ring_data()
{
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QString>("key");
    QTest::addColumn<double>("zoom");
    QTest::newRow("start value on the window's pink") << "M_gr:2"
                                                      << "Label7" << 1.0;
    QTest::newRow("table row") << "M_gr:2"
                               << "Label1:10" << 1.0;
    QTest::newRow("chaos model on grey") << "M_chaos"
                                         << "Label11:3" << 1.0;
    QTest::newRow("chaos button") << "M_chaos"
                                  << "Cchaos:1" << 1.0;
    QTest::newRow("model on cyan") << "M_bevolk:1"
                                   << "Optie:2" << 1.0;
    QTest::newRow("parameter on orange") << "M_bevolk:0"
                                         << "Label9:0" << 1.0;
    QTest::newRow("solid on red") << "M_plato"
                                  << "ChP:1" << 1.0;
    QTest::newRow("month button on green") << "M_gr:0"
                                           << "Command5" << 1.0;
    QTest::newRow("leg on cyan, zoom 2") << "M_Pyt"
                                         << "L_pyt:0" << 2.0;
    QTest::newRow("step button, zoom 1.5") << "M_Pyt"
                                           << "Com_p2:1" << 1.5;
}

void TestShell::focus_ring()
{
    // The control with the keyboard focus shows a ring of two design pixels along its edges, in a
    // colour far from every background of the window; nothing moves or changes size.
    QFETCH(QString, menu);
    QFETCH(QString, key);
    QFETCH(double, zoom);
    TestWindow t;
    t.window.view().set_zoom(zoom);
    t.window.show();
    QVERIFY(QTest::qWaitForWindowActive(&t.window));
    t.menu(menu);
    QWidget &w = t.window.controls().at(key)->widget();
    const QRect place = w.geometry();
    const QColor ring = QColor::fromRgb(focus_ring_colour);
    const auto ring_pixels = [&ring](const QImage &image, int x, int y) {
        return image.pixelColor(x, y) == ring;
    };
    w.clearFocus();
    const QImage without = w.grab().toImage();
    w.setFocus(Qt::TabFocusReason);
    QVERIFY(w.hasFocus());
    const QImage with = w.grab().toImage();
    QCOMPARE(w.geometry(), place);
    const int thick = qRound(2 * zoom);
    // A label's text starts at its top edge: there the ring is open above the text (tst_focus
    // proves it clears the text), and shows beside it.
    const bool label = dynamic_cast<Label *>(t.window.controls().at(key));
    const int top_x = label ? thick : with.width() / 2;
    for (int d = 0; d < thick; ++d) {
        QVERIFY2(ring_pixels(with, d, with.height() / 2), qPrintable(QString::number(d)));
        QVERIFY(ring_pixels(with, with.width() - 1 - d, with.height() / 2));
        QVERIFY(ring_pixels(with, top_x, d));
        QVERIFY(ring_pixels(with, with.width() / 2, with.height() - 1 - d));
        QVERIFY(!ring_pixels(without, d, with.height() / 2));
    }
    // Contrast of at least 4.5 : 1 against the control's own background and its container's.
    const auto luminance = [](const QColor &c) {
        const auto channel = [](double v) {
            v /= 255;
            return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * channel(c.red()) + 0.7152 * channel(c.green()) + 0.0722 * channel(c.blue());
    };
    for (const QColor back : { w.palette().color(w.backgroundRole()),
             w.parentWidget()->palette().color(QPalette::Window) }) {
        const double contrast = (luminance(back) + 0.05) / (luminance(ring) + 0.05);
        QVERIFY2(contrast >= 4.5, qPrintable(back.name() + QStringLiteral(" %1").arg(contrast)));
    }
}

void TestShell::help_menu_comes_last()
{
    TestWindow t;
    const QList<QAction *> bar = t.window.menuBar()->actions();
    QAction *help = bar.last();
    QCOMPARE(help->text(), QStringLiteral("&Help"));
    QVERIFY(help->menu());
    QVERIFY(bar.indexOf(t.window.menus().at(QStringLiteral("M_end"))) < bar.size() - 1);
    for (const auto &[name, action] : t.window.menus())
        QVERIFY2(action != help, qPrintable(name));

    QAction *shortcuts = help_item(t.window, QStringLiteral("&Keyboard Shortcuts"));
    QVERIFY(shortcuts);
    QCOMPARE(shortcuts->shortcut(), QKeySequence(Qt::Key_F1));
    QVERIFY(help_item(t.window, QStringLiteral("&About Aurelion")));

    // No two menus of the bar, and no two items of the Help menu, share a mnemonic.
    for (const QList<QAction *> &siblings : { bar, help->menu()->actions() }) {
        QStringList mnemonics;
        for (QAction *action : siblings)
            if (const QKeySequence keys = QKeySequence::mnemonic(action->text()); !keys.isEmpty())
                mnemonics << keys.toString();
        QCOMPARE(QSet<QString>(mnemonics.begin(), mnemonics.end()).size(), mnemonics.size());
    }
}

void TestShell::shortcuts_dialog_lists_every_shortcut()
{
    // The list is gathered when the dialog opens: commands added to the menu bar or the window
    // later appear in it.
    TestWindow t;
    QMenu *later = new QMenu(QStringLiteral("&Tools"), &t.window);
    t.window.menuBar()->insertMenu(t.window.menus().at(QStringLiteral("M_end")), later);
    later->addAction(QStringLiteral("&Measure"))->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_M));
    auto *own = new QAction(QStringLiteral("Redraw"), &t.window);
    own->setShortcut(QKeySequence(Qt::Key_F5));
    t.window.addAction(own);
    QVERIFY(shown_and_active(t.window));

    QTest::keyClick(&t.window, Qt::Key_F1);
    auto *dialog = t.window.findChild<QDialog *>(QStringLiteral("keyboard_shortcuts"));
    QVERIFY(dialog);
    QVERIFY(dialog->isVisible());
    QCOMPARE(dialog->accessibleName(), QStringLiteral("Keyboard Shortcuts"));
    auto *table = dialog->findChild<QTableWidget *>();
    QVERIFY(table);
    QVERIFY(!table->accessibleName().isEmpty());
    QStringList rows;
    for (int row = 0; row < table->rowCount(); ++row)
        rows << table->item(row, 0)->text() + QStringLiteral(" | ") + table->item(row, 1)->text();
    for (const char *expected : { "F1 | Help → Keyboard Shortcuts", "Ctrl+Q | End",
             "Ctrl++ | View → Zoom In", "F5 | Redraw", "Alt+H | open the menu Help",
             "Alt+H, K | Help → Keyboard Shortcuts", "Alt+H, A | Help → About Aurelion",
             "Alt+V, I | View → Zoom In", "Ctrl+M | Tools → Measure", "Alt+T, M | Tools → Measure",
             "Ctrl+C | Picture → Copy Picture", "F11 | View → Full Screen" })
        QVERIFY2(rows.contains(QString::fromUtf8(expected)), expected);
    QCOMPARE(QSet<QString>(rows.begin(), rows.end()).size(), rows.size());
    const QString keyboard = dialog->findChild<QLabel *>()->text();
    for (const char *words : { "Tab", "row by row", "Space or Enter", "Alt key", "arrow keys" })
        QVERIFY2(keyboard.contains(QLatin1String(words)), words);
    QVERIFY(closes_with_escape(dialog));
}

void TestShell::about_names_version_and_licences_and_no_address()
{
    // The About box and the AppStream metadata say the same.
    const QString version = metainfo(QStringLiteral("<release version=\"([^\"]+)\""));
    const QString licence = metainfo(QStringLiteral("<project_license>([^<]+)<"));
    const QString home = metainfo(QStringLiteral("<url type=\"homepage\">([^<]+)<"));
    QVERIFY(!version.isEmpty() && !licence.isEmpty() && !home.isEmpty());

    TestWindow t;
    help_item(t.window, QStringLiteral("&About Aurelion"))->trigger();
    auto *dialog = t.window.findChild<QDialog *>(QStringLiteral("about"));
    QVERIFY(dialog);
    QVERIFY(dialog->isVisible());
    QCOMPARE(dialog->accessibleName(), QStringLiteral("About Aurelion"));
    const QString text = dialog->findChild<QLabel *>()->text();
    QVERIFY2(text.contains(QStringLiteral("Version ") + version), qPrintable(text));
    QVERIFY(text.contains(licence));
    // The home page is a placeholder until the program has one: the box names no address.
    QVERIFY2(!text.contains(home) && !text.contains(QLatin1String("href"))
            && !text.contains(QLatin1String("://")),
        qPrintable(text));
    QVERIFY(text.contains(QLatin1String("SIL Open Font License 1.1")));
    QVERIFY(closes_with_escape(dialog));
}

void TestShell::help_opens_from_the_keyboard_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("dialog");
    QTest::newRow("Alt+H, K") << int(Qt::Key_K) << "keyboard_shortcuts";
    QTest::newRow("Alt+H, A") << int(Qt::Key_A) << "about";
}

void TestShell::help_opens_from_the_keyboard()
{
    QFETCH(int, key);
    QFETCH(QString, dialog);
    TestWindow t;
    QVERIFY(shown_and_active(t.window));
    QTest::keyClick(&t.window, Qt::Key_H, Qt::AltModifier);
    QTRY_VERIFY(qobject_cast<QMenu *>(QApplication::activePopupWidget()));
    QTest::keyClick(QApplication::activePopupWidget(), Qt::Key(key));
    auto *opened = t.window.findChild<QDialog *>(dialog);
    QVERIFY(opened);
    QTRY_VERIFY(opened->isActiveWindow());
    QVERIFY(closes_with_escape(opened));
}

void TestShell::ctrl_q_ends_the_program()
{
    TestWindow t;
    QVERIFY(shown_and_active(t.window));
    QTest::keyClick(&t.window, Qt::Key_Q, Qt::ControlModifier);
    QVERIFY(!t.window.isVisible());
}

void TestShell::held_step_button_repeats_data()
{
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QString>("button");
    QTest::addColumn<Input>("input");
    QTest::addColumn<QString>("shown_in");
    QTest::addColumn<QString>("caption"); // with %1 for the value after the steps
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("step");
    QTest::newRow("month forward, mouse") << "M_gr:0"
                                          << "Command5" << Input::Mouse << "Label10"
                                          << "month %1" << 0 << 1;
    QTest::newRow("turn angle up, Space") << "M_plato"
                                          << "Crot1:1" << Input::Space << "Lh1"
                                          << "%1" << 220 << 5;
    QTest::newRow("leg a down, Space repeated by the X server")
        << "M_Pyt"
        << "Com_p1:0" << Input::XSpace << "L_pyt:0"
        << "%1" << 40 << -1;
}

void TestShell::held_step_button_repeats()
{
    // Each step is a whole click with its redraw, at the button's own pace; letting go stops at
    // once, without a step of its own.
    QFETCH(QString, menu);
    QFETCH(QString, button);
    QFETCH(Input, input);
    QFETCH(QString, shown_in);
    QFETCH(QString, caption);
    QFETCH(int, start);
    QFETCH(int, step);
    TestWindow t;
    t.menu(menu);
    auto &held = dynamic_cast<QAbstractButton &>(t.window.controls().at(button)->widget());
    const Control *shown = t.window.controls().at(shown_in);
    QSignalSpy steps(&held, &QAbstractButton::clicked);
    Hand hand(input);

    // A press shorter than the delay is one click.
    hand.hold(held);
    QTest::qWait(first_repeat_ms / 4);
    hand.let_go();
    QTRY_COMPARE(steps.count(), 1);
    QTest::qWait(first_repeat_ms);
    QCOMPARE(steps.count(), 1);
    QCOMPARE(shown->caption(), caption.arg(start + step));
    steps.clear();
    start += step;

    hand.hold(held);
    QTest::qWait(first_repeat_ms / 2);
    QCOMPARE(steps.count(), 0);
    // Repeats at 400, 600, 800 and 1000 ms at most.
    QTest::qWait(first_repeat_ms / 2 + 3 * repeat_ms + repeat_ms / 2);
    const int while_held = int(steps.count());
    QVERIFY2(while_held >= 2 && while_held <= 4, qPrintable(QString::number(while_held)));
    QCOMPARE(shown->caption(), caption.arg(start + step * while_held));
    hand.let_go();
    QTest::qWait(4 * repeat_ms);
    QVERIFY(!held.isDown());
    QCOMPARE(steps.count(), while_held);
    QCOMPARE(shown->caption(), caption.arg(start + step * while_held));
}

void TestShell::held_next_year_stops_at_end_simul_data()
{
    QTest::addColumn<Input>("input");
    QTest::newRow("mouse") << Input::Mouse;
    QTest::newRow("Space") << Input::Space;
    QTest::newRow("Space repeated by the X server") << Input::XSpace;
}

void TestShell::held_next_year_stops_at_end_simul()
{
    // Held past year 100, "Next Year" shows "End Simul" once, the model starts again at year 0,
    // and the hold is over: no step while or after the message shows, not even at the release.
    QFETCH(Input, input);
    TestWindow t;
    t.menu(QStringLiteral("M_bevolk:1"));
    Button &next_year = *t.form().Command3;
    for (int year = 0; year < 99; ++year)
        next_year.click();
    QCOMPARE(year_shown(t.picture1()), 99);
    QSignalSpy steps(&next_year, &QAbstractButton::clicked);
    Hand hand(input);

    hand.hold(next_year);
    QTRY_COMPARE_WITH_TIMEOUT(t.messages.messages.size(), std::size_t(1), 3000);
    QCOMPARE(t.messages.messages[0].text, QStringLiteral("End Simul"));
    QCOMPARE(steps.count(), 2); // year 100, then the end
    QCOMPARE(year_shown(t.picture1()), 0);
    QVERIFY(!next_year.isDown());
    QTest::qWait(first_repeat_ms + 2 * repeat_ms);
    hand.let_go();
    QTest::qWait(repeat_ms);
    QCOMPARE(steps.count(), 2);
    QCOMPARE(t.messages.messages.size(), std::size_t(1));
    QCOMPARE(year_shown(t.picture1()), 0);

    // The next press is an ordinary click.
    hand.hold(next_year);
    hand.let_go();
    QTRY_COMPARE(steps.count(), 3);
    QCOMPARE(year_shown(t.picture1()), 1);
}

void TestShell::held_next_year_under_the_real_dialog_data()
{
    QTest::addColumn<Input>("input");
    QTest::newRow("mouse") << Input::Mouse;
    QTest::newRow("Space") << Input::Space;
    QTest::newRow("Space repeated by the X server") << Input::XSpace;
}

void TestShell::held_next_year_under_the_real_dialog()
{
    // With the window's own modal message box: while "End Simul" waits for its OK, the button's
    // release never reaches the button, and a held Space reaches the OK. No step may run under
    // the message nor after it, and only a new press answers the message.
    QFETCH(Input, input);
    SeededRandom random(1);
    WindowOptions options;
    options.manual_timer = true;
    options.record_drawing = true;
    options.random = &random;
    MainWindow window(options);
    window.menus().at(QStringLiteral("M_bevolk:1"))->trigger();
    QVERIFY(shown_and_active(window));
    Button &next_year = *window.form().Command3;
    next_year.setFocus();
    for (int year = 0; year < 99; ++year)
        next_year.click();
    const auto &picture = window.form().Picture1->surface();
    QSignalSpy steps(&next_year, &QAbstractButton::clicked);

    // Answers each message after it has waited long enough for several repeats.
    std::vector<QWidget *> messages;
    int steps_when_shown = -1, steps_when_answered = -1;
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box || std::find(messages.begin(), messages.end(), box) != messages.end())
            return;
        messages.push_back(box);
        if (messages.size() > 1) {
            // A message under a message: the fault. End the hold and answer at once.
            next_year.setDown(false);
            box->accept();
            return;
        }
        steps_when_shown = int(steps.count());
        QTimer::singleShot(first_repeat_ms + 3 * repeat_ms, box, [&, box] {
            steps_when_answered = int(steps.count());
            box->accept();
        });
    });
    answer.start(20);
    Hand hand(input);

    hand.hold(next_year);
    QTRY_VERIFY_WITH_TIMEOUT(steps_when_answered >= 0, 5000);
    QTest::qWait(first_repeat_ms + 2 * repeat_ms);
    hand.let_go();
    QTest::qWait(repeat_ms);
    answer.stop();
    QCOMPARE(messages.size(), std::size_t(1));
    QCOMPARE(steps_when_answered, steps_when_shown);
    QCOMPARE(steps.count(), 2);
    QCOMPARE(year_shown(picture.record()), 0);

    hand.hold(next_year);
    hand.let_go();
    QTRY_COMPARE(steps.count(), 3);
    QCOMPARE(year_shown(picture.record()), 1);
}

void TestShell::drawing_is_described_data()
{
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QStringList>("drawing"); // parts of the drawing's description
    QTest::addColumn<QString>("panel"); // a line of the side panel, empty when it is hidden
    QTest::newRow("1 graph P") << "M_gr:3"
                               << QStringList { "start values F(0) = 1 and F(1) = 1",
                                      "approach the line y = phi x for growing i" }
                               << "";
    QTest::newRow("2 ratio graph")
        << "M_gr:2"
        << QStringList { "Ratio graph F(i+1)/F(i)", "approach phi = 1.618 for growing i",
               "-1/phi = -0.618 for falling i", "no point for i = -1" }
        << "";
    QTest::newRow("3 sequence graph")
        << "M_gr:1" << QStringList { "Graph y = F(i)", "y = 1 phi^x", "grow like the curve" } << "";
    QTest::newRow("4 golden rectangle")
        << "M_R:2" << QStringList { "Golden rectangle", "phi\u00b2 = 2.618", "pole S" } << "AB = 1";
    QTest::newRow("5 ellipse and hyperbola")
        << "M_R:3" << QStringList { "sqrt(phi) = 1.272", "51.827\u00b0", "golden hyperbola" }
        << "The polar equation of a conic section is :";
    QTest::newRow("6 pentagram") << "M_R:4"
                                 << QStringList { "diagonals of length phi = 1.618", "a = 0.618" }
                                 << "The line p2p4 has a lenght c";
    QTest::newRow("7 analytic") << "M_R:1" << QStringList { "k1 = phi = 1.618", "k2 = -1/phi" }
                                << "GIVEN  y0";
    QTest::newRow("8 spiral") << "M_R:5" << QStringList { "grows by phi = 1.618" }
                              << "The polar equation of a golden spiral is :";
    QTest::newRow("9 graphic") << "M_R:0" << QStringList { "OA = phi = 1.618", "OB = 1/phi" }
                               << "Euclid Book 6 : Divide a line in mean and extreme ratio";
    QTest::newRow("10 life generator")
        << "M_bevolk:0"
        << QStringList { "k = 0.300, w = 0.0, yo = 10.0 and d = 0.000", "T1 = -3.33", "goes up" }
        << "LIFE GENERATOR         LINEAR MODEL";
    QTest::newRow("11 platonic") << "M_plato"
                                 << QStringList { "turned 220\u00b0 and tilted 70\u00b0",
                                        "cube of side 10, no other solid" }
                                 << "There are only five platonic figures";
    QTest::newRow("12 exponential")
        << "M_R:6" << QStringList { "P at x = 2.0, y = 2.61803", "a = 1.618", "c = a + b = 4.236" }
        << "Exponential function";
    QTest::newRow("13 dynamic model")
        << "M_bevolk:1"
        << QStringList { "model 1A", "year 0", "total of 210.0", "birth rate 2.667" } << "";
    QTest::newRow("14 rabbits") << "M_gr:0" << QStringList { "month 0 of 12: 1 pair of rabbits" }
                                << "The Fibonacci sequence of numbers 1, 1, 2, 3, 5, 8,...";
    QTest::newRow("15 chaos") << "M_chaos"
                              << QStringList { "on 3 corners with k = 0.5", "fast", "0 points" }
                              << "Given is a point F1";
    QTest::newRow("16 pythagoras")
        << "M_Pyt" << QStringList { "a = 40 and b = 30.00", "c = 50.00", "e = 18.00", "2500.0" }
        << "Given is a rectangular TRIANGLE ABC with a area  a.b / 2";
}

void TestShell::drawing_is_described()
{
    QFETCH(QString, menu);
    QFETCH(QStringList, drawing);
    QFETCH(QString, panel);
    TestWindow t;
    t.menu(menu);
    QWidget *picture = t.form().Picture1;
    QAccessibleInterface *surface = QAccessible::queryAccessibleInterface(picture);
    QCOMPARE(surface->role(), QAccessible::Graphic);
    const QString description = surface->text(QAccessible::Description);
    for (const QString &part : drawing)
        QVERIFY2(description.contains(part), qPrintable(description));

    // The side panel's texts, in order, one a line; none while it is hidden.
    const QStringList lines = description_of(t.form().Picture2).split(QLatin1Char('\n'));
    if (panel.isEmpty()) {
        QCOMPARE(description_of(t.form().Picture2), QString());
    } else {
        QVERIFY2(lines.contains(panel), qPrintable(lines.join(QLatin1Char('|'))));
        QCOMPARE(lines.first(), t.form().Picture2->surface().texts().first().trimmed());
    }
}

void TestShell::description_follows_every_redraw_data()
{
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QString>("click");
    QTest::addColumn<QString>("after"); // part of the description after the click, empty if same
    QTest::newRow("F(1) up") << "M_gr:3"
                             << "ComP:1"
                             << "F(1) = 1.2";
    QTest::newRow("start values 1 and phi") << "M_gr:2"
                                            << "Label7"
                                            << "every point lies on phi = 1.618";
    QTest::newRow("start values 1 and -1/phi") << "M_gr:3"
                                               << "Label8"
                                               << "every point lies on the line y = -x/phi";
    QTest::newRow("the ratio index draws nothing") << "M_gr:2"
                                                   << "Command1"
                                                   << "";
    QTest::newRow("month forward") << "M_gr:0"
                                   << "Command5"
                                   << "month 1 of 12: 1 pair";
    QTest::newRow("k up") << "M_bevolk:0"
                          << "Ckp:0"
                          << "k = 0.350";
    QTest::newRow("example 2") << "M_bevolk:0"
                               << "CEx:1"
                               << "yL = 15 and the time constant T1 = 2.00";
    QTest::newRow("dodecahedron") << "M_plato"
                                  << "ChP:0"
                                  << "and the dodecahedron outside the cube";
    QTest::newRow("turn") << "M_plato"
                          << "Crot1:1"
                          << "turned 225\u00b0";
    QTest::newRow("tilt back to 0") << "M_plato"
                                    << "Lh2"
                                    << "tilted 0\u00b0";
    QTest::newRow("P to the right") << "M_R:6"
                                    << "ComZ:0"
                                    << "P at x = 2.1";
    QTest::newRow("next year") << "M_bevolk:1"
                               << "Command3"
                               << "year 1";
    QTest::newRow("model 3") << "M_bevolk:1"
                             << "Optie:3"
                             << "model 3, ages 0 to 20";
    QTest::newRow("leg a up") << "M_Pyt"
                              << "Com_p2:0"
                              << "a = 41 and b = 30.00";
    QTest::newRow("e = a") << "M_Pyt"
                           << "C_pyt"
                           << "with the golden construction";
    QTest::newRow("chaos model") << "M_chaos"
                                 << "Label11:7"
                                 << "on 4 corners";
    QTest::newRow("slow") << "M_chaos"
                          << "Cchaos:1"
                          << "slow, one point a second";
}

void TestShell::description_follows_every_redraw()
{
    // After every click the description is that of the picture on screen; a click that changes
    // nothing in the picture leaves it as it was. (That a change is announced, once, a client
    // of the desktop's accessibility bus checks: see atspi_check.py.)
    QFETCH(QString, menu);
    QFETCH(QString, click);
    QFETCH(QString, after);
    TestWindow t;
    t.menu(menu);
    QWidget *picture = t.form().Picture1;
    const QString before = description_of(picture);
    t.click(click);
    const QString now = description_of(picture);
    if (after.isEmpty())
        QCOMPARE(now, before);
    else
        QVERIFY2(now.contains(after), qPrintable(now));
}

void TestShell::chaos_game_tells_its_points_once_a_second()
{
    TestWindow t;
    t.menu(QStringLiteral("M_chaos"));
    QWidget *picture = t.form().Picture1;
    QVERIFY(description_of(picture).contains(QLatin1String(": 0 points drawn")));
    for (int tick = 0; tick < 10; ++tick)
        t.form().Timer1->tick();
    QVERIFY(description_of(picture).contains(QLatin1String(": 0 points drawn")));
    QTest::qWait(1000);
    t.form().Timer1->tick();
    QVERIFY2(description_of(picture).contains(QLatin1String(": 550 points drawn")),
        qPrintable(description_of(picture)));
    // A click brings it up to date at once.
    t.form().Timer1->tick();
    t.click(QStringLiteral("Cchaos:1"));
    QVERIFY2(
        description_of(picture).contains(QLatin1String("slow, one point a second: 600 points")),
        qPrintable(description_of(picture)));
}

void TestShell::readout_is_read_with_its_coordinates()
{
    // Named for what it shows, the read-out gives its caption as its description.
    TestWindow t;
    t.menu(QStringLiteral("M_R:2"));
    QAccessibleInterface *read = QAccessible::queryAccessibleInterface(t.form().Label2);
    QCOMPARE(read->text(QAccessible::Name), QStringLiteral("coordinates under the pointer"));
    t.form().Picture1->move_pointer(1.5f, -2.25f);
    QCOMPARE(read->text(QAccessible::Description), QStringLiteral("1.500    -2.250"));
    // A label without a name of its own says its caption as its name, as before.
    QAccessibleInterface *cell = QAccessible::queryAccessibleInterface(&t.form().Label1[3]);
    QCOMPARE(cell->text(QAccessible::Description), QString());
}

void TestShell::assistive_technology_toggles_a_check_box()
{
    // Toggled through its accessible action, a check box runs its handler as a click does.
    TestWindow t;
    t.menu(QStringLiteral("M_plato"));
    CheckBox &box = t.form().ChP[0];
    QAccessibleInterface *access = QAccessible::queryAccessibleInterface(&box);
    QCOMPARE(access->role(), QAccessible::CheckBox);
    QCOMPARE(access->text(QAccessible::Name), QStringLiteral("show dodecahedron"));
    QVERIFY(access->state().checkable);
    QVERIFY(!access->state().checked);
    access->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    QTRY_VERIFY(access->state().checked);
    QVERIFY(description_of(t.form().Picture1).contains(QLatin1String("the dodecahedron")));
}

QTEST_MAIN(TestShell)
#include "tst_shell.moc"
