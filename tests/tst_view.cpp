#include "first_paint.h"
#include "test_window.h"

#include <QAbstractButton>
#include <QMenuBar>
#include <QMouseEvent>
#include <QScrollArea>
#include <QScrollBar>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>

namespace {

// A real mouse event at a point of a widget, as the pointer delivers it.
void mouse(QWidget *widget, QEvent::Type type, QPointF at)
{
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    const Qt::MouseButtons held = type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton;
    QMouseEvent event(type, at, widget->mapToGlobal(at), button, held, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

QString menu_of(int topic)
{
    const std::map<int, QString> menus = { { 1, "M_gr:3" }, { 2, "M_gr:2" }, { 3, "M_gr:1" },
        { 4, "M_R:2" }, { 5, "M_R:3" }, { 6, "M_R:4" }, { 7, "M_R:1" }, { 8, "M_R:5" },
        { 9, "M_R:0" }, { 10, "M_bevolk:0" }, { 11, "M_plato" }, { 12, "M_R:6" },
        { 13, "M_bevolk:1" }, { 14, "M_gr:0" }, { 15, "M_chaos" }, { 16, "M_Pyt" } };
    return menus.at(topic);
}

} // namespace

class TestView : public QObject
{
    Q_OBJECT

private slots:
    void controls_follow_the_zoom_data();
    void controls_follow_the_zoom();
    void fonts_and_markers_follow_the_zoom();
    void pointer_lands_on_the_same_user_point_data();
    void pointer_lands_on_the_same_user_point();
    void a_click_on_a_solid_at_a_zoom();
    void drawing_survives_a_zoom_change_data();
    void drawing_survives_a_zoom_change();
    void chaos_game_goes_on_after_a_zoom_change();
    void zoom_steps_data();
    void zoom_steps();
    void the_design_fits_the_window_data();
    void the_design_fits_the_window();
    void a_fixed_zoom_larger_than_the_window_scrolls();
    void keys_of_the_view_menu();
    void topics_step_like_slides();
    void settings_round_trip_data();
    void settings_round_trip();
    void icon_after_the_first_frame();
};

void TestView::controls_follow_the_zoom_data()
{
    QTest::addColumn<double>("zoom");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QRect>("twips");
    const std::pair<const char *, QRect> controls[] = {
        { "Picture1", QRect(120, 120, 7692, 7692) },
        { "Label2", QRect(2760, 7800, 1812, 252) },
        { "Frame3", QRect(7900, 1500, 3132, 5500) },
        { "Label1:20", QRect(1200, 720 + 20 * 220, 1212, 180) },
        { "CEx:3", QRect(240 + 3 * 520, 2080, 480, 255) },
        { "ChP:3", QRect(240, 1080 + 3 * 350, 1572, 372) },
        { "Command3", QRect(480, 300, 1284, 300) },
        { "C_pyt", QRect(360, 1960, 1140, 300) },
    };
    for (const double zoom : { 0.5, 1.5, 2.0 })
        for (const auto &[key, twips] : controls)
            QTest::addRow("%s at %g", key, zoom) << zoom << QString::fromLatin1(key) << twips;
}

void TestView::controls_follow_the_zoom()
{
    QFETCH(double, zoom);
    QFETCH(QString, key);
    QFETCH(QRect, twips);
    TestWindow t;
    t.window.set_zoom(zoom);
    const Control *c = t.window.controls().at(key);
    // Twips stay as the design gives them; pixels are twips / 15 x z.
    QCOMPARE(QRect(c->Left(), c->Top(), c->Width(), c->Height()), twips);
    const auto px = [zoom](int twips) { return int(std::lround(twips / 15.0 * zoom)); };
    QCOMPARE(c->widget().geometry(),
        QRect(px(twips.left()), px(twips.top()), px(twips.width()), px(twips.height())));
}

void TestView::fonts_and_markers_follow_the_zoom()
{
    TestWindow t;
    Form1 &f = t.form();
    t.menu(QStringLiteral("M_chaos"));
    f.Cchaos[1].click(); // slow: the markers show
    const QSize design = f.background->design_size();
    const QImage at_one = f.Picture1->grab().toImage();
    t.window.set_zoom(2.0);
    QCOMPARE(f.background->size(), design * 2);
    QCOMPARE(f.Picture1->surface().device_pixel_ratio(), 2.0);
    QCOMPARE(f.Picture1->surface().inner_size(), QSize(509, 509));
    // The menu bar's text is twice as large, and so is the dialogs'; the picture box shows its
    // drawing at twice the size.
    const double base = QApplication::font().pointSizeF();
    QVERIFY(t.window.menuBar()->font().pointSizeF() > 1.9 * base);
    QVERIFY(t.window.dialog_font().pointSizeF() > 1.9 * base);
    const QImage at_two = f.Picture1->grab().toImage();
    QCOMPARE(at_two.size(), at_one.size() * 2);
    // The red borders of the two markers at the centre are twice as long and twice as thick.
    const auto red = [](const QImage &image) {
        const QPoint centre = image.rect().center();
        const int reach = image.width() / 30;
        int count = 0;
        for (int y = centre.y() - reach; y <= centre.y() + reach; ++y)
            for (int x = centre.x() - reach; x <= centre.x() + reach; ++x)
                count += image.pixel(x, y) == qRgb(255, 0, 0) ? 1 : 0;
        return count;
    };
    QVERIFY(red(at_one) > 0);
    QVERIFY2(std::abs(red(at_two) - 4 * red(at_one)) <= red(at_one),
        qPrintable(QStringLiteral("%1 %2").arg(red(at_one)).arg(red(at_two))));
    // Zoomed out, the dialogs keep their size at zoom 1, to stay readable.
    t.window.set_zoom(0.5);
    QVERIFY(t.window.menuBar()->font().pointSizeF() < 0.6 * base);
    QCOMPARE(t.window.dialog_font().pointSizeF(), base);
}

void TestView::pointer_lands_on_the_same_user_point_data()
{
    QTest::addColumn<double>("zoom");
    QTest::newRow("1.5") << 1.5;
    QTest::newRow("2") << 2.0;
    QTest::newRow("0.67") << 0.67;
}

void TestView::pointer_lands_on_the_same_user_point()
{
    // The pointer at the same place of the drawing reads the same coordinates at every zoom.
    QFETCH(double, zoom);
    TestWindow plain;
    TestWindow zoomed(1, true, zoom);
    for (TestWindow *t : { &plain, &zoomed })
        t->menu(QStringLiteral("M_R:4"));
    const QPointF at(150, 300); // a point of the picture box at zoom 1
    mouse(plain.form().Picture1, QEvent::MouseMove, at);
    mouse(zoomed.form().Picture1, QEvent::MouseMove, at * zoom);
    QCOMPARE(zoomed.form().Label2->caption(), plain.form().Label2->caption());
    QVERIFY(std::abs(zoomed.form().mouse_x - plain.form().mouse_x) < 0.01);
    QVERIFY(std::abs(zoomed.form().mouse_y - plain.form().mouse_y) < 0.01);
}

void TestView::a_click_on_a_solid_at_a_zoom()
{
    // A click on a drawn vertex at zoom 1.5 finds the same point as at zoom 1.
    TestWindow plain;
    TestWindow zoomed(1, true, 1.5);
    QStringList found;
    for (TestWindow *t : { &plain, &zoomed }) {
        t->menu(QStringLiteral("M_plato"));
        PictureBox *box = t->form().Picture1;
        // The first vertex drawn, from the surface's own user scale to the widget's pixels.
        const Primitive &vertex = only(t->picture1(), Primitive::Op::Line).front();
        const QPointF inner = box->surface().to_pixels(vertex.x1, vertex.y1);
        const QPointF at =
            (inner + QPointF(PictureBox::border, PictureBox::border)) * t->window.zoom();
        mouse(box, QEvent::MouseMove, at);
        mouse(box, QEvent::MouseButtonPress, at);
        mouse(box, QEvent::MouseButtonRelease, at);
        QCOMPARE(t->messages.messages.size(), std::size_t(1));
        found << t->messages.messages.front().title + t->messages.messages.front().text;
    }
    QCOMPARE(found[1], found[0]);
    QVERIFY(found[0].startsWith(QStringLiteral("Coördinates p")));
}

// What accumulates by clicks, then a zoom or a new screen: each surface must show exactly what
// the same clicks show on a window that had that resolution from the start.
void TestView::drawing_survives_a_zoom_change_data()
{
    QTest::addColumn<int>("topic");
    QTest::addColumn<QStringList>("clicks");
    QTest::addColumn<double>("zoom");
    QTest::addColumn<qreal>("screen");
    const QStringList months(6, QStringLiteral("Command5"));
    const QStringList years(12, QStringLiteral("Command3"));
    QTest::newRow("rabbits in month 6, zoom 2") << 14 << months << 2.0 << 1.0;
    QTest::newRow("population after 12 years, zoom 1.5") << 13 << years << 1.5 << 1.0;
    QTest::newRow("e = a, zoom 2") << 16 << QStringList { "C_pyt" } << 2.0 << 1.0;
    QTest::newRow("ratio graph for phi, zoom 1.25")
        << 2 << QStringList { "Label7", "Command2" } << 1.25 << 1.0;
    QTest::newRow("life generator, zoom 0.75") << 10 << QStringList { "CEx:3" } << 0.75 << 1.0;
    QTest::newRow("rabbits on a screen at ratio 2") << 14 << months << 1.0 << 2.0;
    QTest::newRow("e = a from ratio 2 to 1.5") << 16 << QStringList { "C_pyt" } << 1.0 << 1.5;
}

void TestView::drawing_survives_a_zoom_change()
{
    QFETCH(int, topic);
    QFETCH(QStringList, clicks);
    QFETCH(double, zoom);
    QFETCH(qreal, screen);
    TestWindow changed(1, false, 1.0, screen == 1.5 ? 2.0 : 1.0);
    TestWindow direct(1, false, zoom, screen);
    for (TestWindow *t : { &changed, &direct }) {
        t->menu(menu_of(topic));
        for (const QString &key : clicks)
            t->click(key);
        // Every surface has its pixels, as in a window on screen.
        t->form().Picture1->surface().image();
        t->form().Picture2->surface().image();
        t->window.Form1_surface().image();
    }
    changed.window.screen_changed(screen);
    changed.window.set_zoom(zoom);
    const auto same = [](Surface &a, Surface &b) {
        QCOMPARE(a.device_pixel_ratio(), b.device_pixel_ratio());
        QCOMPARE(a.image(), b.image());
    };
    same(changed.form().Picture1->surface(), direct.form().Picture1->surface());
    same(changed.form().Picture2->surface(), direct.form().Picture2->surface());
    same(changed.window.Form1_surface(), direct.window.Form1_surface());
}

void TestView::chaos_game_goes_on_after_a_zoom_change()
{
    // 300 ticks with a zoom change after 200 leave the pattern of 300 ticks at the new zoom:
    // the first 200 ticks' points are kept and no random number is drawn for the redraw.
    TestWindow changed(7, false, 1.0);
    TestWindow direct(7, false, 2.0);
    for (TestWindow *t : { &changed, &direct }) {
        t->menu(QStringLiteral("M_chaos"));
        t->click(QStringLiteral("Label11:5"));
    }
    for (int i = 0; i < 200; ++i)
        changed.form().Timer1->tick();
    changed.window.set_zoom(2.0);
    for (int i = 0; i < 100; ++i)
        changed.form().Timer1->tick();
    for (int i = 0; i < 300; ++i)
        direct.form().Timer1->tick();
    Surface &kept = changed.form().Picture1->surface();
    QCOMPARE(kept.drawn_count(), direct.form().Picture1->surface().drawn_count());
    QCOMPARE(kept.image(), direct.form().Picture1->surface().image());
}

void TestView::zoom_steps_data()
{
    QTest::addColumn<double>("from");
    QTest::addColumn<bool>("in");
    QTest::addColumn<double>("to");
    QTest::newRow("in from 100 %") << 1.0 << true << 1.1;
    QTest::newRow("out from 100 %") << 1.0 << false << 0.9;
    QTest::newRow("in between the steps") << 1.37 << true << 1.5;
    QTest::newRow("out between the steps") << 1.37 << false << 1.25;
    QTest::newRow("in at the largest step") << 3.0 << true << 3.0;
    QTest::newRow("out at the smallest step") << 0.5 << false << 0.5;
    QTest::newRow("out from 67 %") << 0.67 << false << 0.5;
}

void TestView::zoom_steps()
{
    QFETCH(double, from);
    QFETCH(bool, in);
    QFETCH(double, to);
    TestWindow t;
    t.window.set_zoom(from);
    if (in)
        t.window.zoom_in();
    else
        t.window.zoom_out();
    QCOMPARE(t.window.zoom(), to);
    QVERIFY(!t.window.zoom_fits());
}

void TestView::the_design_fits_the_window_data()
{
    QTest::addColumn<QSize>("window");
    QTest::newRow("projector") << QSize(1920, 1080);
    QTest::newRow("4K screen") << QSize(3840, 2160);
    QTest::newRow("wide and low") << QSize(1600, 700);
    QTest::newRow("smaller than the design") << QSize(600, 450);
    QTest::newRow("at the smallest") << QSize(410, 300);
}

void TestView::the_design_fits_the_window()
{
    QFETCH(QSize, window);
    TestWindow t;
    t.window.show();
    t.window.resize(window);
    QTRY_COMPARE(t.window.size(), window);
    QApplication::processEvents();
    QVERIFY(t.window.zoom_fits());
    const double zoom = t.window.zoom();
    FormSurface *form = t.form().background;
    const QRect content(form->mapTo(&t.window, QPoint(0, 0)), form->size());
    // The whole design shows, centred, and a little more zoom would not fit.
    QVERIFY(QRect(QPoint(0, 0), window).contains(content));
    QVERIFY(content.top() >= t.window.menuBar()->geometry().bottom());
    const int bar = t.window.menuBar()->height();
    const int room_x = window.width() - content.width();
    const int room_y = window.height() - bar - content.height();
    QVERIFY(std::abs(content.left() - room_x / 2) <= 1);
    QVERIFY(std::abs(content.top() - bar - room_y / 2) <= 1);
    if (zoom > MainWindow::min_zoom)
        QVERIFY2(
            room_x < 8 || room_y < 8, qPrintable(QStringLiteral("%1 %2").arg(room_x).arg(room_y)));
    QCOMPARE(t.form().Picture1->surface().device_pixel_ratio(), zoom);
}

void TestView::a_fixed_zoom_larger_than_the_window_scrolls()
{
    TestWindow t;
    t.window.show();
    t.window.resize(900, 700);
    t.window.set_zoom(2.0);
    QApplication::processEvents();
    auto *stage = static_cast<QScrollArea *>(t.window.centralWidget());
    QVERIFY(stage->horizontalScrollBar()->isVisible());
    QVERIFY(stage->verticalScrollBar()->isVisible());
    QCOMPARE(t.window.zoom(), 2.0);
    t.window.fit_to_window();
    QApplication::processEvents();
    QVERIFY(!stage->horizontalScrollBar()->isVisible());
    QVERIFY(t.window.zoom() < 1.1);
}

void TestView::keys_of_the_view_menu()
{
    TestWindow t;
    t.window.show();
    QVERIFY(QTest::qWaitForWindowActive(&t.window));
    QTest::keyClick(&t.window, Qt::Key_Equal, Qt::ControlModifier);
    QCOMPARE(t.window.zoom(), 1.1);
    QTest::keyClick(&t.window, Qt::Key_Plus, Qt::ControlModifier);
    QCOMPARE(t.window.zoom(), 1.25);
    QTest::keyClick(&t.window, Qt::Key_Minus, Qt::ControlModifier);
    QCOMPARE(t.window.zoom(), 1.1);
    QTest::keyClick(&t.window, Qt::Key_0, Qt::ControlModifier);
    QCOMPARE(t.window.zoom(), 1.0);
    QTest::keyClick(&t.window, Qt::Key_F11);
    QTRY_VERIFY(t.window.isFullScreen());
    QVERIFY(t.window.zoom_fits());
    QTest::keyClick(&t.window, Qt::Key_Escape);
    QTRY_VERIFY(!t.window.isFullScreen());
    QTest::keyClick(&t.window, Qt::Key_PageDown);
    QCOMPARE(t.form().topic, 14);
}

void TestView::topics_step_like_slides()
{
    // Page Down goes through the sixteen topics in menu order and stops at the last one.
    TestWindow t;
    const QList<int> order = { 14, 3, 2, 1, 9, 7, 4, 5, 6, 8, 12, 10, 13, 15, 16, 11 };
    for (const int topic : order) {
        t.window.next_topic();
        QCOMPARE(t.form().topic, topic);
    }
    t.window.next_topic();
    QCOMPARE(t.form().topic, 11);
    for (int i = order.size() - 2; i >= 0; --i) {
        t.window.previous_topic();
        QCOMPARE(t.form().topic, order[i]);
    }
    t.window.previous_topic();
    QCOMPARE(t.form().topic, 14);
    // Stepping chooses the topic as its menu command does: the screen is reset and redrawn.
    QVERIFY(t.form().Frame7->isVisibleTo(&t.window));
    QVERIFY(!t.form().Label2->isVisibleTo(&t.window));
}

void TestView::settings_round_trip_data()
{
    QTest::addColumn<QString>("zoom"); // what the first run chooses: "fit" or a fixed zoom
    QTest::addColumn<bool>("full_screen");
    QTest::addColumn<QString>("stored"); // a value written into the file by hand, if any
    QTest::newRow("fixed zoom") << "1.5" << false << "";
    QTest::newRow("fit") << "fit" << false << "";
    QTest::newRow("full screen") << "fit" << true << "";
    QTest::newRow("a broken zoom value fits") << "1.5" << false << "huge";
    QTest::newRow("a zoom out of range fits") << "1.5" << false << "40";
}

void TestView::settings_round_trip()
{
    QFETCH(QString, zoom);
    QFETCH(bool, full_screen);
    QFETCH(QString, stored);
    QTemporaryDir dir;
    QSettings file(dir.filePath(QStringLiteral("aurelion.conf")), QSettings::IniFormat);
    QRect geometry;
    {
        TestWindow run(file);
        MainWindow &first = run.window;
        first.show();
        first.resize(1000, 700);
        QTRY_COMPARE(first.size(), QSize(1000, 700));
        if (zoom == QLatin1String("fit"))
            first.fit_to_window();
        else
            first.set_zoom(zoom.toDouble());
        if (full_screen)
            first.set_full_screen(true);
        geometry = first.normalGeometry();
        first.close();
    }
    if (!stored.isEmpty())
        file.setValue(QStringLiteral("window/zoom"), stored);
    TestWindow next_run(file);
    MainWindow &second = next_run.window;
    QCOMPARE(
        second.isFullScreen() || bool(second.windowState() & Qt::WindowFullScreen), full_screen);
    if (!full_screen)
        QCOMPARE(second.size(), geometry.size());
    const bool fits = zoom == QLatin1String("fit") || !stored.isEmpty();
    QCOMPARE(second.zoom_fits(), fits);
    if (!fits)
        QCOMPARE(second.zoom(), zoom.toDouble());
}

void TestView::icon_after_the_first_frame()
{
    // The program sets its window's icon once the first frame is painted, and only once.
    TestWindow t;
    int runs = 0;
    AfterFirstPaint::run(t.window, [&t, &runs] {
        ++runs;
        t.window.setWindowIcon(QIcon(QStringLiteral(":/icons/aurelion.png")));
    });
    QCOMPARE(runs, 0);
    t.window.show();
    QTRY_COMPARE(runs, 1);
    t.window.update();
    QTest::qWait(50);
    QCOMPARE(runs, 1);
}

QTEST_MAIN(TestView)
#include "tst_view.moc"
