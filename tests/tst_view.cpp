#include "first_paint.h"
#include "picture/picture_commands.h"
#include "test_window.h"
#include "window/help_menu.h"
#include "window/window_settings.h"

#include <QAbstractButton>
#include <QDialog>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPaintEngine>
#include <QProcess>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <QWheelEvent>

#include <cmath>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

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

// A paint device that keeps the texts painted on it, piece by piece as the painter draws them.
class TextRecorder final : public QPaintDevice
{
public:
    explicit TextRecorder(QSize size)
        : size_(size)
    { }
    QPaintEngine *paintEngine() const override { return &engine_; }
    // Everything painted, in the order painted.
    QString text() const { return engine_.text; }

protected:
    int metric(PaintDeviceMetric metric) const override
    {
        switch (metric) {
        case PdmWidth:
            return size_.width();
        case PdmHeight:
            return size_.height();
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY:
            return QGuiApplication::primaryScreen()->logicalDotsPerInch();
        case PdmDepth:
            return 32;
        case PdmDevicePixelRatio:
            return 1;
        case PdmDevicePixelRatioScaled:
            return int(devicePixelRatioFScale());
        default:
            return 0;
        }
    }

private:
    struct Engine final : QPaintEngine
    {
        Engine()
            : QPaintEngine(AllFeatures)
        { }
        bool begin(QPaintDevice *) override { return true; }
        bool end() override { return true; }
        void updateState(const QPaintEngineState &) override { }
        void drawPixmap(const QRectF &, const QPixmap &, const QRectF &) override { }
        void drawImage(
            const QRectF &, const QImage &, const QRectF &, Qt::ImageConversionFlags) override
        { }
        void drawPath(const QPainterPath &) override { }
        void drawPolygon(const QPointF *, int, PolygonDrawMode) override { }
        void drawTextItem(const QPointF &, const QTextItem &item) override { text += item.text(); }
        Type type() const override { return User; }
        QString text;
    };
    QSize size_;
    mutable Engine engine_;
};

// A menu's caption as it shows: without the mark of its mnemonic.
QString shown(const QString &caption)
{
    QString text = caption;
    return text.remove(QLatin1Char('&'));
}

// What a menu paints at the size it opens with.
QString painted(QMenu &menu)
{
    menu.ensurePolished();
    menu.resize(menu.sizeHint());
    TextRecorder recorder(menu.size());
    menu.render(&recorder);
    return recorder.text();
}

// A window's geometry as saveGeometry() keeps it, for a window placed there.
QByteArray geometry_of(const QRect &place)
{
    QWidget window;
    window.setGeometry(place);
    return window.saveGeometry();
}

void wheel(QWidget *receiver, int angle, Qt::KeyboardModifiers modifiers)
{
    const QPointF at(receiver->width() / 2.0, receiver->height() / 2.0);
    QWheelEvent event(at, receiver->mapToGlobal(at), QPoint(), QPoint(0, angle), Qt::NoButton,
        modifiers, Qt::NoScrollPhase, false);
    QApplication::sendEvent(receiver, &event);
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
    void every_menu_at_the_zoom_data();
    void every_menu_at_the_zoom();
    void menu_bar_titles_spaced_at_the_zoom_data();
    void menu_bar_titles_spaced_at_the_zoom();
    void the_arrow_keys_reach_every_menu_data();
    void the_arrow_keys_reach_every_menu();
    void esc_returns_to_the_zoom_before_full_screen_data();
    void esc_returns_to_the_zoom_before_full_screen();
    void ctrl_wheel_zooms_in_steps_data();
    void ctrl_wheel_zooms_in_steps();
    void restored_window_on_the_screen_data();
    void restored_window_on_the_screen();
    void full_screen_only_when_kept_as_true_data();
    void full_screen_only_when_kept_as_true();
    void a_lock_that_cannot_be_taken_is_given_up();
    void settings_through_a_symbolic_link_data();
    void settings_through_a_symbolic_link();
    void usage_and_version_without_a_display_data();
    void usage_and_version_without_a_display();
    void about_shows_no_address();
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
    t.window.view().set_zoom(zoom);
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
    t.window.view().set_zoom(2.0);
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
    t.window.view().set_zoom(0.5);
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
    changed.window.view().screen_changed(screen);
    changed.window.view().set_zoom(zoom);
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
    changed.window.view().set_zoom(2.0);
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
    t.window.view().set_zoom(from);
    if (in)
        t.window.view().zoom_in();
    else
        t.window.view().zoom_out();
    QCOMPARE(t.window.zoom(), to);
    QVERIFY(!t.window.view().zoom_fits());
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
    QVERIFY(t.window.view().zoom_fits());
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
    if (zoom > ViewMenu::min_zoom)
        QVERIFY2(
            room_x < 8 || room_y < 8, qPrintable(QStringLiteral("%1 %2").arg(room_x).arg(room_y)));
    QCOMPARE(t.form().Picture1->surface().device_pixel_ratio(), zoom);
}

void TestView::a_fixed_zoom_larger_than_the_window_scrolls()
{
    TestWindow t;
    t.window.show();
    t.window.resize(900, 700);
    t.window.view().set_zoom(2.0);
    QApplication::processEvents();
    auto *stage = static_cast<QScrollArea *>(t.window.centralWidget());
    QVERIFY(stage->horizontalScrollBar()->isVisible());
    QVERIFY(stage->verticalScrollBar()->isVisible());
    QCOMPARE(t.window.zoom(), 2.0);
    t.window.view().fit_to_window();
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
    QVERIFY(t.window.view().zoom_fits());
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
        t.window.view().next_topic();
        QCOMPARE(t.form().topic, topic);
    }
    t.window.view().next_topic();
    QCOMPARE(t.form().topic, 11);
    for (int i = order.size() - 2; i >= 0; --i) {
        t.window.view().previous_topic();
        QCOMPARE(t.form().topic, order[i]);
    }
    t.window.view().previous_topic();
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
    SettingsFile file(dir.filePath(QStringLiteral("aurelion.conf")));
    QRect geometry;
    {
        TestWindow run(file);
        MainWindow &first = run.window;
        first.show();
        first.resize(1000, 700);
        QTRY_COMPARE(first.size(), QSize(1000, 700));
        if (zoom == QLatin1String("fit"))
            first.view().fit_to_window();
        else
            first.view().set_zoom(zoom.toDouble());
        if (full_screen)
            first.view().set_full_screen(true);
        geometry = first.normalGeometry();
        first.close();
    }
    if (!stored.isEmpty())
        QVERIFY(file.change(
            [&](QSettings &kept) { kept.setValue(QStringLiteral("window/zoom"), stored); }));
    TestWindow next_run(file);
    MainWindow &second = next_run.window;
    QCOMPARE(
        second.isFullScreen() || bool(second.windowState() & Qt::WindowFullScreen), full_screen);
    if (!full_screen)
        QCOMPARE(second.size(), geometry.size());
    const bool fits = zoom == QLatin1String("fit") || !stored.isEmpty();
    QCOMPARE(second.view().zoom_fits(), fits);
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

void TestView::every_menu_at_the_zoom_data()
{
    QTest::addColumn<double>("zoom");
    for (const double zoom : { 1.0, 2.0, 2.5, 3.8 })
        QTest::addRow("%g", zoom) << zoom;
}

void TestView::every_menu_at_the_zoom()
{
    // Every menu of the window, the Picture menu and the drawing's context menu among them, in
    // the menu bar's type, and every item painted whole: nothing elided ("Dynamic Po…tion Model").
    QFETCH(double, zoom);
    TestWindow t;
    t.window.view().set_zoom(zoom);
    t.menu(QStringLiteral("M_chaos")); // the Picture menu's commands are enabled
    const QFont bar = t.window.menuBar()->font();
    QList<QMenu *> menus = t.window.findChildren<QMenu *>();
    QVERIFY(menus.contains(t.window.picture_commands().context_menu()));
    QVERIFY(menus.contains(t.window.picture_commands().menu()));
    QVERIFY(menus.size() >= 7);
    for (QMenu *menu : menus) {
        QCOMPARE(menu->font().pointSizeF(), bar.pointSizeF());
        const QString text = painted(*menu);
        for (QAction *action : menu->actions()) {
            if (action->isSeparator())
                continue;
            QVERIFY2(text.contains(shown(action->text())), qPrintable(action->text() + text));
            // The text's width with room to spare within the item.
            const int width = QFontMetrics(menu->font()).horizontalAdvance(shown(action->text()));
            QVERIFY(width < menu->actionGeometry(action).width());
        }
    }
}

void TestView::menu_bar_titles_spaced_at_the_zoom_data()
{
    QTest::addColumn<double>("zoom");
    for (const double zoom : { 2.0, 3.8 })
        QTest::addRow("%g", zoom) << zoom;
}

void TestView::menu_bar_titles_spaced_at_the_zoom()
{
    // The room around each title grows with its text, so the titles do not run together.
    QFETCH(double, zoom);
    TestWindow plain(1, false, 1.0);
    TestWindow zoomed(1, false, zoom);
    for (const QString &name :
        { QStringLiteral("M_Fibo"), QStringLiteral("M_chaos"), QStringLiteral("M_end") }) {
        const auto room = [&name](MainWindow &window) {
            QAction *title = window.menus().at(name);
            const QFontMetrics metrics(window.menuBar()->font());
            return window.menuBar()->actionGeometry(title).width()
                - metrics.horizontalAdvance(shown(title->text()));
        };
        // Within a pixel at each end of the text for the rounding at zoom 1.
        QVERIFY(room(plain.window) > 2);
        QVERIFY2(room(zoomed.window) >= (room(plain.window) - 2) * zoom,
            qPrintable(QStringLiteral("%1 %2").arg(room(plain.window)).arg(room(zoomed.window))));
    }
}

void TestView::the_arrow_keys_reach_every_menu_data()
{
    QTest::addColumn<double>("zoom");
    QTest::addColumn<QSize>("window"); // empty: the window's size for the zoom
    for (const double zoom : { 1.0, 2.0 })
        QTest::addRow("zoom %g", zoom) << zoom << QSize();
    QTest::newRow("zoom 2 in a window too narrow for the titles") << 2.0 << QSize(820, 560);
}

void TestView::the_arrow_keys_reach_every_menu()
{
    // With a menu open, Right goes through every title of the menu bar and round to the first,
    // Left back again: the menus and the commands on the bar itself (CHAOS, Pythagoras, Platonic
    // Figures, End) alike. The keys go where the keyboard's go: to the open menu, else to the
    // widget with the focus, which the window system gives back to the frame's control that had
    // it when a menu closes.
    // Titles that do not fit are in the menu of the bar's extension, "»", which the keys reach
    // after the last title shown.
    QFETCH(double, zoom);
    QFETCH(QSize, window);
    TestWindow t(1, false, zoom);
    if (window.isValid())
        t.window.resize(window);
    t.window.show();
    t.window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&t.window));
    t.menu(QStringLiteral("M_gr:0"));
    QWidget *control = &t.window.controls().at(QStringLiteral("Command5"))->widget();
    control->setFocus(Qt::TabFocusReason);
    QMenuBar *bar = t.window.menuBar();
    auto *more = bar->findChild<QToolButton *>(QStringLiteral("qt_menubar_ext_button"));
    if (more && !more->isVisible())
        more = nullptr;
    QStringList titles, beyond;
    for (QAction *title : bar->actions())
        if (title->isVisible() && !title->isSeparator())
            (more && bar->actionGeometry(title).right() >= more->x() ? beyond : titles)
                << shown(title->text());
    QVERIFY(titles.size() + beyond.size() >= 10);
    QVERIFY2(beyond.isEmpty() == !window.isValid(), qPrintable(titles.join(QLatin1Char(','))));
    if (!beyond.isEmpty()) {
        QVERIFY(more && more->menu());
        titles << QStringLiteral("»");
    }
    QTest::mouseClick(bar, Qt::LeftButton, {},
        bar->actionGeometry(t.window.menus().at(QStringLiteral("M_Fibo"))).center());
    QTRY_VERIFY(QApplication::activePopupWidget());
    const auto active = [bar, more] {
        if (more && QApplication::activePopupWidget() == more->menu())
            return QStringLiteral("»");
        return bar->activeAction() ? shown(bar->activeAction()->text()) : QString();
    };
    QCOMPARE(active(), titles.front());
    for (const Qt::Key key : { Qt::Key_Right, Qt::Key_Left }) {
        QStringList reached;
        for (int i = 0; i < titles.size(); ++i) {
            QWidget *to = QApplication::activePopupWidget();
            if (!to) {
                control->setFocus(Qt::PopupFocusReason);
                to = control;
            }
            QTest::keyClick(to, key);
            reached << active();
        }
        QStringList expected;
        for (int i = 1; i <= titles.size(); ++i)
            expected << titles[(key == Qt::Key_Right ? i : titles.size() - i) % titles.size()];
        QCOMPARE(reached, expected);
    }
}

void TestView::esc_returns_to_the_zoom_before_full_screen_data()
{
    QTest::addColumn<double>("zoom"); // 0: the zoom fits the window
    QTest::newRow("fixed zoom 1.5") << 1.5;
    QTest::newRow("fit") << 0.0;
}

void TestView::esc_returns_to_the_zoom_before_full_screen()
{
    QFETCH(double, zoom);
    TestWindow t;
    t.window.show();
    t.window.resize(1200, 800);
    QVERIFY(QTest::qWaitForWindowActive(&t.window));
    if (zoom > 0)
        t.window.view().set_zoom(zoom);
    else
        t.window.view().fit_to_window();
    const double before = t.window.zoom();
    QTest::keyClick(&t.window, Qt::Key_F11);
    QTRY_VERIFY(t.window.isFullScreen());
    QVERIFY(t.window.view().zoom_fits());
    QTRY_VERIFY(t.window.zoom() > before);
    QTest::keyClick(&t.window, Qt::Key_Escape);
    QTRY_VERIFY(!t.window.isFullScreen());
    QTRY_COMPARE(t.window.size(), QSize(1200, 800));
    QCOMPARE(t.window.view().zoom_fits(), zoom == 0);
    QTRY_COMPARE(t.window.zoom(), before);
}

void TestView::ctrl_wheel_zooms_in_steps_data()
{
    QTest::addColumn<QString>("over"); // the control under the pointer, or "stage"
    QTest::addColumn<QList<int>>("turns"); // angle deltas in eighths of a degree
    QTest::addColumn<bool>("ctrl");
    QTest::addColumn<double>("zoom");
    QTest::newRow("a notch up zooms in") << "Picture1" << QList<int> { 120 } << true << 1.1;
    QTest::newRow("a notch down zooms out") << "Picture1" << QList<int> { -120 } << true << 0.9;
    QTest::newRow("two notches, two steps") << "Picture1" << QList<int> { 240 } << true << 1.25;
    QTest::newRow("over a button") << "Command3" << QList<int> { 120, 120 } << true << 1.25;
    QTest::newRow("over the margin") << "stage" << QList<int> { -120 } << true << 0.9;
    QTest::newRow("a fine wheel adds up to a notch")
        << "Picture1" << QList<int> { 40, 40, 40, 40 } << true << 1.1;
    QTest::newRow("less than a notch") << "Picture1" << QList<int> { 60 } << true << 1.0;
    QTest::newRow("without Ctrl") << "Picture1" << QList<int> { 120 } << false << 1.0;
}

void TestView::ctrl_wheel_zooms_in_steps()
{
    QFETCH(QString, over);
    QFETCH(QList<int>, turns);
    QFETCH(bool, ctrl);
    QFETCH(double, zoom);
    TestWindow t(1, false, 1.0);
    t.menu(QStringLiteral("M_bevolk:1"));
    QWidget *receiver = over == QLatin1String("stage")
        ? static_cast<QScrollArea *>(t.window.centralWidget())->viewport()
        : &t.window.controls().at(over)->widget();
    for (const int angle : turns)
        wheel(receiver, angle, ctrl ? Qt::ControlModifier : Qt::NoModifier);
    QCOMPARE(t.window.zoom(), zoom);
    QVERIFY(!t.window.view().zoom_fits());
}

void TestView::restored_window_on_the_screen_data()
{
    QTest::addColumn<QRect>("kept");
    QTest::addColumn<bool>("default_size"); // the window cannot keep its size
    QTest::newRow("5000 x 4000") << QRect(0, 0, 5000, 4000) << true;
    QTest::newRow("x = -300") << QRect(-300, 100, 1000, 700) << false;
    QTest::newRow("below the screen") << QRect(200, 3000, 1000, 700) << false;
    QTest::newRow("right of the screen") << QRect(4000, 100, 1000, 700) << false;
    QTest::newRow("wider than the screen") << QRect(100, 100, 4000, 700) << true;
    QTest::newRow("as it was left") << QRect(100, 120, 1000, 700) << false;
}

void TestView::restored_window_on_the_screen()
{
    // A window larger than the screen starts at its size at zoom 1; every window lies on the
    // screen with its menu bar in sight.
    QFETCH(QRect, kept);
    QFETCH(bool, default_size);
    QTemporaryDir dir;
    SettingsFile file(dir.filePath(QStringLiteral("aurelion.conf")));
    QVERIFY(file.change(
        [&](QSettings &k) { k.setValue(QStringLiteral("window/geometry"), geometry_of(kept)); }));
    TestWindow run(file);
    MainWindow &window = run.window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    QVERIFY2(screen.contains(window.frameGeometry()),
        qPrintable(QStringLiteral("%1 %2 %3 %4")
                       .arg(window.frameGeometry().x())
                       .arg(window.frameGeometry().y())
                       .arg(window.frameGeometry().width())
                       .arg(window.frameGeometry().height())));
    const QRect bar(window.menuBar()->mapToGlobal(QPoint(0, 0)), window.menuBar()->size());
    QVERIFY(screen.contains(bar));
    if (default_size) {
        QCOMPARE(window.size(), window.view().size_for_zoom(1.0));
    } else {
        QCOMPARE(window.size(), kept.size());
        if (screen.contains(kept))
            QCOMPARE(window.frameGeometry().topLeft(), kept.topLeft());
    }
}

void TestView::full_screen_only_when_kept_as_true_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("full_screen");
    QTest::newRow("true") << "true" << true;
    QTest::newRow("false") << "false" << false;
    QTest::newRow("banana") << "banana" << false;
    QTest::newRow("1") << "1" << false;
    QTest::newRow("yes") << "yes" << false;
    QTest::newRow("empty") << "" << false;
}

void TestView::full_screen_only_when_kept_as_true()
{
    QFETCH(QString, stored);
    QFETCH(bool, full_screen);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("aurelion.conf"));
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("[window]\nzoom=fit\nfullScreen=" + stored.toUtf8() + "\n");
    }
    SettingsFile settings(path);
    TestWindow run(settings);
    QCOMPARE(bool(run.window.windowState() & Qt::WindowFullScreen), full_screen);
    QCOMPARE(settings_flag(QVariant(stored)).has_value(),
        stored == QLatin1String("true") || stored == QLatin1String("false"));
}

void TestView::a_lock_that_cannot_be_taken_is_given_up()
{
    // A folder where the settings' lock file goes: saving gives up after a short wait, the file
    // stays as it was, and closing the window ends as usual.
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("aurelion.conf"));
    {
        QSettings before(path, QSettings::IniFormat);
        before.setValue(QStringLiteral("window/zoom"), QStringLiteral("1.5"));
    }
    QVERIFY(QDir().mkdir(path + QStringLiteral(".lock")));
    SettingsFile settings(path);
    {
        TestWindow run(settings);
        run.window.show();
        run.window.view().set_zoom(2.0);
        QVERIFY(!run.window.settings().save());
        run.window.close();
    }
    QCOMPARE(QSettings(path, QSettings::IniFormat).value(QStringLiteral("window/zoom")).toString(),
        QStringLiteral("1.5"));
    // Without the folder, the same window saves.
    QVERIFY(QDir().rmdir(path + QStringLiteral(".lock")));
    TestWindow run(settings);
    run.window.view().set_zoom(2.0);
    QVERIFY(run.window.settings().save());
    QCOMPARE(QSettings(path, QSettings::IniFormat).value(QStringLiteral("window/zoom")).toString(),
        QStringLiteral("2"));
}

void TestView::settings_through_a_symbolic_link_data()
{
    QTest::addColumn<bool>("socket"); // the link names a socket, not a file
    QTest::newRow("a link to a file") << false;
    QTest::newRow("a link to a socket") << true;
}

void TestView::settings_through_a_symbolic_link()
{
    // The file a link names is written; the link stays a link, and what is not a regular file
    // is never replaced.
    QFETCH(bool, socket);
    QTemporaryDir dir;
    const QString target = dir.filePath(QStringLiteral("kept.conf"));
    const QString link = dir.filePath(QStringLiteral("aurelion.conf"));
    const int listening = socket ? ::socket(AF_UNIX, SOCK_STREAM, 0) : -1;
    if (socket) {
        sockaddr_un address {};
        address.sun_family = AF_UNIX;
        const QByteArray name = QFile::encodeName(target);
        QVERIFY(name.size() < qsizetype(sizeof address.sun_path));
        std::copy(name.begin(), name.end(), address.sun_path);
        QCOMPARE(::bind(listening, reinterpret_cast<sockaddr *>(&address), sizeof address), 0);
    } else {
        QFile file(target);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("[picture]\nfolder=/tmp\n");
    }
    QVERIFY(QFile::link(target, link));
    SettingsFile settings(link);
    {
        TestWindow run(settings);
        run.window.view().set_zoom(1.5);
        QCOMPARE(run.window.settings().save(), !socket);
    }
    if (socket)
        ::close(listening);
    QVERIFY(QFileInfo(link).isSymLink());
    QCOMPARE(QFileInfo(link).symLinkTarget(), target);
    QCOMPARE(QFileInfo(target).isFile(), !socket);
    if (!socket) {
        QSettings kept(target, QSettings::IniFormat);
        QCOMPARE(kept.value(QStringLiteral("window/zoom")).toString(), QStringLiteral("1.5"));
        QCOMPARE(kept.value(QStringLiteral("picture/folder")).toString(), QStringLiteral("/tmp"));
    }
}

void TestView::usage_and_version_without_a_display_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("output"); // a pattern
    QTest::newRow("--help") << "--help"
                            << "^Usage: aurelion .*--version";
    QTest::newRow("-h") << "-h"
                        << "^Usage: aurelion ";
    QTest::newRow("--version") << "--version"
                               << "^aurelion \\d+\\.\\d+\n$";
}

void TestView::usage_and_version_without_a_display()
{
    // Asked for on a machine without a display (over ssh, in a build), the program answers.
    QFETCH(QString, option);
    QFETCH(QString, output);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    QProcess program;
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(AURELION_PROGRAM), { option });
    QVERIFY(program.waitForFinished(60000));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 0);
    const QString printed = QString::fromUtf8(program.readAllStandardOutput());
    QVERIFY2(QRegularExpression(output, QRegularExpression::DotMatchesEverythingOption)
                 .match(printed)
                 .hasMatch(),
        qPrintable(printed));
    QCOMPARE(program.readAllStandardError(), QByteArray());

    // Output that cannot be written is an error.
    program.setStandardOutputFile(QStringLiteral("/dev/full"));
    program.start(QStringLiteral(AURELION_PROGRAM), { option });
    QVERIFY(program.waitForFinished(60000));
    QCOMPARE(program.exitCode(), 1);
}

void TestView::about_shows_no_address()
{
    TestWindow t;
    t.window.help().show_about();
    auto *dialog = t.window.findChild<QDialog *>(QStringLiteral("about"));
    QVERIFY(dialog);
    const QString text = dialog->findChild<QLabel *>(QStringLiteral("about_text"))->text();
    QVERIFY(text.contains(QLatin1String("Version")));
    QVERIFY2(!text.contains(QLatin1String("href")) && !text.contains(QLatin1String("://"))
            && !text.contains(QLatin1String(".invalid")),
        qPrintable(text));
}

QTEST_MAIN(TestView)
#include "tst_view.moc"
