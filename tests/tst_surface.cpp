#include "palette.h"
#include "picture_box.h"
#include "surface.h"

#include <QList>
#include <QPainter>
#include <QTest>

#include <cmath>

class TestSurface : public QObject
{
    Q_OBJECT

private slots:
    void user_scale_maps_to_pixels_data();
    void user_scale_maps_to_pixels();
    void design_scale_is_twips();
    void line_leaves_position_at_end();
    void relative_line_and_box();
    void fills_data();
    void fills();
    void circle_extent_follows_aspect_data();
    void circle_extent_follows_aspect();
    void arc_is_drawn_anticlockwise_on_screen();
    void print_moves_to_next_line();
    void text_height_has_the_sign_of_the_scale();
    void erasing_clears_record_and_position();
    void image_is_drawn_at_device_pixel_ratio();
    void resizing_keeps_the_drawing();
    void points_are_drawn_in_their_colour();
    void reprinting_a_text_leaves_it_unchanged();
    void drawing_waits_for_the_pixels_data();
    void drawing_waits_for_the_pixels();
    void filled_circle_edges();
    void a_waiting_drawing_shows_as_its_image_data();
    void a_waiting_drawing_shows_as_its_image();
    void drawn_again_at_another_resolution_data();
    void drawn_again_at_another_resolution();
    void points_keep_their_last_colour_in_bounded_memory();
    void replay_in_black_and_white();
    void points_given_as_covers_data();
    void points_given_as_covers();
    void texts_shown();
    void clipped_drawing_data();
    void clipped_drawing();
    void drawing_below_ratio_one_data();
    void drawing_below_ratio_one();
};

void TestSurface::user_scale_maps_to_pixels_data()
{
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("y");
    QTest::addColumn<QPointF>("pixels");
    // Scale (-10, 10)-(10, -10) over 200 x 100 pixels: y grows upwards.
    QTest::newRow("upper left") << -10.0 << 10.0 << QPointF(0, 0);
    QTest::newRow("lower right") << 10.0 << -10.0 << QPointF(200, 100);
    QTest::newRow("origin") << 0.0 << 0.0 << QPointF(100, 50);
    QTest::newRow("up is up") << 5.0 << 5.0 << QPointF(150, 25);
}

void TestSurface::user_scale_maps_to_pixels()
{
    QFETCH(double, x);
    QFETCH(double, y);
    QFETCH(QPointF, pixels);
    Surface s(QSize(200, 100), RGB(255, 255, 255));
    s.Scale(-10, 10, 10, -10);
    QCOMPARE(s.to_pixels(x, y), pixels);
    QCOMPARE(s.to_user_x(pixels.x()), x);
    QCOMPARE(s.to_user_y(pixels.y()), y);
}

void TestSurface::design_scale_is_twips()
{
    Surface s(QSize(200, 100), RGB(255, 255, 255));
    QCOMPARE(s.scale().width, 3000.0);
    QCOMPARE(s.scale().height, 1500.0);
    s.Scale(0, 0, 1, 1);
    s.ScaleTwips();
    QCOMPARE(s.to_pixels(150, 1500), QPointF(10, 100));
}

void TestSurface::line_leaves_position_at_end()
{
    Surface s(QSize(100, 100), RGB(255, 255, 255));
    s.set_recording(true);
    s.Scale(0, 10, 10, 0);
    s.Line(1, 2, 3, 4, QBColor(12));
    QCOMPARE(s.CurrentX, 3.0);
    QCOMPARE(s.CurrentY, 4.0);
    const Primitive &p = s.record().back();
    QCOMPARE(p.op, Primitive::Op::Line);
    QCOMPARE(p.colour, QBColor(12));
    QCOMPARE(p.x1, 1.0);
    QCOMPARE(p.y2, 4.0);
    s.Circle(5, 6, 1);
    QCOMPARE(s.CurrentX, 5.0);
    QCOMPARE(s.CurrentY, 6.0);
}

void TestSurface::relative_line_and_box()
{
    Surface s(QSize(100, 100), RGB(255, 255, 255));
    s.set_recording(true);
    s.LineStep(1000, 2000, -200, 50);
    QCOMPARE(s.record().back().x2, 800.0);
    QCOMPARE(s.record().back().y2, 2050.0);
    s.LineStep(10, 20, 120, 180, QBColor(0), Surface::Box::Outline);
    QCOMPARE(s.record().back().op, Primitive::Op::Box);
    QCOMPARE(s.record().back().x2, 130.0);
    QCOMPARE(s.record().back().y2, 200.0);
}

void TestSurface::fills_data()
{
    QTest::addColumn<int>("fill_style");
    QTest::addColumn<int>("shape"); // 0 outline box, 1 filled box, 2 circle, 3 arc
    QTest::addColumn<bool>("filled");
    QTest::addColumn<QRgb>("fill");
    QTest::newRow("outline box, transparent") << 1 << 0 << false << QRgb(0);
    QTest::newRow("outline box, solid fill style") << 0 << 0 << true << QBColor(14);
    QTest::newRow("filled box ignores the fill style") << 1 << 1 << true << QBColor(9);
    QTest::newRow("filled box with a fill style keeps its colour") << 0 << 1 << true << QBColor(9);
    QTest::newRow("circle, transparent") << 1 << 2 << false << QRgb(0);
    QTest::newRow("circle, hatched") << 4 << 2 << true << QBColor(14);
    QTest::newRow("arc is never filled") << 0 << 3 << false << QRgb(0);
}

void TestSurface::fills()
{
    QFETCH(int, fill_style);
    QFETCH(int, shape);
    QFETCH(bool, filled);
    QFETCH(QRgb, fill);
    Surface s(QSize(100, 100), RGB(255, 255, 255));
    s.set_recording(true);
    s.Scale(0, 10, 10, 0);
    s.FillColor = QBColor(14);
    s.FillStyle = fill_style;
    if (shape == 0)
        s.Line(1, 1, 5, 5, QBColor(9), Surface::Box::Outline);
    else if (shape == 1)
        s.Line(1, 1, 5, 5, QBColor(9), Surface::Box::Filled);
    else if (shape == 2)
        s.Circle(5, 5, 2, QBColor(9));
    else
        s.Circle(5, 5, 2, QBColor(9), 0.0, 1.0);
    const Primitive &p = s.record().back();
    QCOMPARE(p.fill.has_value(), filled);
    if (filled)
        QCOMPARE(*p.fill, fill);
    QCOMPARE(p.fill_style, fill_style);
    QCOMPARE(p.colour, QBColor(9));
}

void TestSurface::circle_extent_follows_aspect_data()
{
    QTest::addColumn<double>("aspect");
    QTest::addColumn<int>("half_width");
    QTest::addColumn<int>("half_height");
    // Radius 20 pixels; the radius lies on the larger axis.
    QTest::newRow("round") << 1.0 << 20 << 20;
    QTest::newRow("tall ear") << 4.0 << 5 << 20;
    QTest::newRow("flat foot") << 0.25 << 20 << 5;
}

void TestSurface::circle_extent_follows_aspect()
{
    QFETCH(double, aspect);
    QFETCH(int, half_width);
    QFETCH(int, half_height);
    Surface s(QSize(100, 100), RGB(255, 255, 255));
    s.Scale(0, 0, 100, 100);
    s.FillStyle = 0;
    s.FillColor = QBColor(0);
    s.Circle(50, 50, 20, QBColor(0), {}, {}, aspect);
    const QImage image = s.image();
    const auto dark = [&image](int x, int y) { return qRed(image.pixel(x, y)) < 128; };
    QVERIFY(dark(50 + half_width - 2, 50));
    QVERIFY(!dark(50 + half_width + 2, 50));
    QVERIFY(dark(50, 50 - half_height + 2));
    QVERIFY(!dark(50, 50 - half_height - 2));
}

void TestSurface::arc_is_drawn_anticlockwise_on_screen()
{
    // With y growing downwards, the arc from 0 to pi/2 still lies above the centre on screen.
    Surface s(QSize(100, 100), RGB(255, 255, 255));
    s.Scale(0, 0, 100, 100);
    s.DrawWidth = 3;
    s.Circle(50, 50, 30, QBColor(0), 0.0, M_PI / 2);
    const QImage image = s.image();
    const auto dark = [&image](int x, int y) { return qRed(image.pixel(x, y)) < 128; };
    QVERIFY(dark(71, 29)); // 45 degrees up and right
    QVERIFY(!dark(71, 71));
    QVERIFY(!dark(29, 29));
}

void TestSurface::print_moves_to_next_line()
{
    Surface s(QSize(200, 100), RGB(255, 255, 255));
    s.set_recording(true);
    s.Scale(-5, 100, 15, 0);
    s.CurrentX = 3;
    s.CurrentY = 50;
    s.Print(QStringLiteral("abc"));
    const Primitive &p = s.record().back();
    QCOMPARE(p.op, Primitive::Op::Text);
    QCOMPARE(p.x1, 3.0);
    QCOMPARE(p.y1, 50.0);
    QCOMPARE(p.text, QStringLiteral("abc"));
    QCOMPARE(s.CurrentX, -5.0);
    QCOMPARE(s.CurrentY, 50 + s.TextHeight(QStringLiteral("abc")));
}

void TestSurface::text_height_has_the_sign_of_the_scale()
{
    Surface s(QSize(200, 200), RGB(255, 255, 255));
    s.Scale(0, 0, 100, 100);
    const double down = s.TextHeight(QStringLiteral("1"));
    QVERIFY(down > 0);
    s.Scale(0, 100, 100, 0);
    QCOMPARE(s.TextHeight(QStringLiteral("1")), -down);
    QVERIFY(s.TextWidth(QStringLiteral("11")) > s.TextWidth(QStringLiteral("1")));
}

void TestSurface::erasing_clears_record_and_position()
{
    Surface s(QSize(100, 100), RGB(255, 255, 255));
    s.set_recording(true);
    s.Scale(0, 10, 10, 0);
    s.Line(1, 1, 2, 2);
    s.Cls();
    QVERIFY(s.record().empty());
    QCOMPARE(s.CurrentX, 0.0);
    QCOMPARE(s.CurrentY, 0.0);
    QCOMPARE(s.scale().top, 10.0); // the scale stays
    s.PSet(5, 5);
    s.set_BackColor(QBColor(0));
    QVERIFY(s.record().empty());
    QCOMPARE(s.image().pixel(50, 50), QBColor(0));
}

void TestSurface::image_is_drawn_at_device_pixel_ratio()
{
    Surface s(QSize(100, 50), RGB(255, 255, 255), 2.0);
    QCOMPARE(s.image().size(), QSize(200, 100));
    QCOMPARE(s.image().devicePixelRatio(), 2.0);
    s.Scale(0, 0, 100, 50);
    s.Line(0, 10, 100, 10, QBColor(12));
    // A one-pixel line is two device pixels thick, not a blurred doubling.
    int red_rows = 0;
    for (int y = 16; y < 26; ++y)
        red_rows += s.image().pixel(100, y) == QBColor(12) ? 1 : 0;
    QCOMPARE(red_rows, 2);
}

void TestSurface::resizing_keeps_the_drawing()
{
    Surface s(QSize(100, 50), RGB(255, 255, 255));
    s.Scale(0, 0, 100, 50);
    s.PSet(10, 10, QBColor(9));
    s.resize(QSize(100, 80));
    QCOMPARE(s.image().size(), QSize(100, 80));
    QCOMPARE(s.image().pixel(10, 10), QBColor(9));
    QCOMPARE(s.image().pixel(10, 70), RGB(255, 255, 255));
}

void TestSurface::points_are_drawn_in_their_colour()
{
    Surface s(QSize(10, 10), RGB(255, 255, 255));
    s.set_recording(true);
    s.Scale(0, 0, 10, 10);
    s.ForeColor = QBColor(4);
    s.PSet(2, 3);
    s.PSet(5, 6, QBColor(10));
    QCOMPARE(s.image().pixel(2, 3), QBColor(4));
    QCOMPARE(s.image().pixel(5, 6), QBColor(10));
    QCOMPARE(s.record().size(), std::size_t(2));
    QCOMPARE(s.record()[1].colour, QBColor(10));
    QVERIFY(s.record()[0].serial < s.record()[1].serial);
}

void TestSurface::reprinting_a_text_leaves_it_unchanged()
{
    Surface s(QSize(200, 50), RGB(255, 255, 192));
    s.set_recording(true);
    s.Scale(0, 0, 100, 100);
    const auto print = [&s] {
        s.CurrentX = 2;
        s.CurrentY = 5;
        s.Print(QStringLiteral("The rabbits never DIE"));
    };
    print();
    const QImage once = s.image().copy();
    print();
    QCOMPARE(s.image(), once);
    QCOMPARE(s.record().size(), std::size_t(2));
    s.Cls();
    print();
    QCOMPARE(s.image(), once);
}

// Draws the same things on two surfaces: one whose image exists from the start, and one that
// makes its image only when the pixels are read. Each step is a small drawing of its own.
enum class Step { Shapes, Text, Points, ManyPoints, Resize, Erase, BackColour };

void TestSurface::drawing_waits_for_the_pixels_data()
{
    QTest::addColumn<QList<Step>>("steps");
    QTest::addColumn<bool>("image_before_reading");
    QTest::newRow("nothing drawn") << QList<Step> {} << false;
    QTest::newRow("shapes and text") << QList<Step> { Step::Shapes, Step::Text } << false;
    QTest::newRow("points") << QList<Step> { Step::Points } << false;
    QTest::newRow("more than the waiting list holds") << QList<Step> { Step::ManyPoints } << true;
    QTest::newRow("resized while waiting")
        << QList<Step> { Step::Shapes, Step::Resize, Step::Points } << false;
    QTest::newRow("erased while waiting") << QList<Step> { Step::Shapes, Step::Erase } << false;
    QTest::newRow("new background while waiting")
        << QList<Step> { Step::Text, Step::BackColour, Step::Points } << false;
}

void TestSurface::drawing_waits_for_the_pixels()
{
    QFETCH(QList<Step>, steps);
    QFETCH(bool, image_before_reading);
    Surface eager(QSize(120, 90), RGB(255, 192, 255));
    Surface lazy(QSize(120, 90), RGB(255, 192, 255));
    QVERIFY(!eager.image().isNull());
    for (Surface *s : { &eager, &lazy }) {
        s->Scale(0, 0, 120, 90);
        for (Step step : steps) {
            switch (step) {
            case Step::Shapes:
                s->FillStyle = 0;
                s->FillColor = QBColor(14);
                s->Circle(40, 40, 25, QBColor(12), {}, {}, 1.5);
                s->Line(5, 80, 110, 60, QBColor(1));
                s->Line(70, 10, 100, 30, QBColor(2), Surface::Box::Filled);
                break;
            case Step::Text:
                s->CurrentX = 10;
                s->CurrentY = 10;
                s->Print(QStringLiteral("phi"));
                break;
            case Step::Points:
                for (int i = 0; i < 40; ++i)
                    s->PSet(3 * i, 2 * i, QBColor(i % 16));
                break;
            case Step::ManyPoints:
                for (int i = 0; i < int(Surface::pending_limit) + 10; ++i)
                    s->PSet(i % 120, i / 120 * 5, QBColor(i % 16));
                break;
            case Step::Resize:
                s->resize(QSize(100, 100));
                break;
            case Step::Erase:
                s->Cls();
                break;
            case Step::BackColour:
                s->set_BackColor(QBColor(3));
                break;
            }
        }
    }
    QCOMPARE(lazy.holds_image(), image_before_reading);
    QCOMPARE(lazy.image(), eager.image());
    QVERIFY(lazy.holds_image());
}

void TestSurface::filled_circle_edges()
{
    // A filled circle of radius 20 pixels with a one-pixel outline, centred at (30, 30).
    for (const int draw_style : { 0, 5 }) {
        Surface s(QSize(60, 60), RGB(255, 255, 255));
        s.Scale(0, 0, 60, 60);
        s.FillStyle = 0;
        s.FillColor = QBColor(14);
        s.DrawStyle = draw_style;
        s.Circle(30, 30, 20, QBColor(12));
        const QImage image = s.image();
        QCOMPARE(image.pixel(30, 30), QBColor(14));
        QCOMPARE(image.pixel(30, 12), QBColor(14));
        QCOMPARE(image.pixel(30, 5), RGB(255, 255, 255));
        // Along the top edge the pixels pass from white through the outline (or, without one,
        // through blends of the fill) to the fill: nothing else tints the picture.
        // White, yellow and their blends all have full green; only the red outline lowers it.
        bool outline_seen = false;
        for (int y = 5; y < 13; ++y) {
            const QColor c = QColor::fromRgb(image.pixel(30, y));
            outline_seen = outline_seen || c.green() < 160;
            QVERIFY2(c.red() == 255, qPrintable(QStringLiteral("y %1").arg(y)));
        }
        QCOMPARE(outline_seen, draw_style == 0);
        // Without an outline the fill's own edge is smoothed: some pixel is a blend.
        bool blend_seen = false;
        for (int y = 8; y < 12; ++y) {
            const QRgb c = image.pixel(30, y);
            blend_seen = blend_seen || (c != QBColor(14) && c != RGB(255, 255, 255));
        }
        QVERIFY(blend_seen);
    }
}

void TestSurface::a_waiting_drawing_shows_as_its_image_data()
{
    QTest::addColumn<qreal>("ratio");
    QTest::newRow("ratio 1") << 1.0;
    QTest::newRow("ratio 2") << 2.0;
}

void TestSurface::a_waiting_drawing_shows_as_its_image()
{
    // The window background paints the primitives that wait for its image straight onto the
    // screen: what it shows must be what the image will hold.
    QFETCH(qreal, ratio);
    FormSurface widget(nullptr, QSize(160, 120), RGB(255, 192, 255), ratio);
    Surface &s = widget.surface();
    s.Scale(0, 0, 160, 120);
    s.FillStyle = 0;
    s.FillColor = QBColor(14);
    s.Circle(60, 50, 30, QBColor(12), {}, {}, 1.4);
    s.Circle(120, 40, 15, QBColor(0), 0, 2);
    s.Line(10, 110, 150, 90, QBColor(1));
    s.CurrentX = 90;
    s.CurrentY = 80;
    s.Print(QStringLiteral("AURELION"));
    QVERIFY(!s.holds_image());
    QImage shown(QSize(160, 120) * ratio, QImage::Format_RGB32);
    shown.setDevicePixelRatio(ratio);
    widget.render(&shown);
    QVERIFY(!s.holds_image());
    const QImage &kept = s.image();
    QCOMPARE(kept.size(), shown.size());
    QCOMPARE(kept, shown);
}

// A drawing at ratio `from` is drawn again at ratio `to`: the pixels must be those of the same
// drawing made at `to` from the start, whatever it holds.
enum class Drawing { Shapes, Text, FewPoints, ManyPoints, Resized, Reprinted, WidePoints };

void TestSurface::drawn_again_at_another_resolution_data()
{
    QTest::addColumn<Drawing>("drawing");
    QTest::addColumn<qreal>("from");
    QTest::addColumn<qreal>("to");
    const std::pair<const char *, Drawing> drawings[] = { { "shapes", Drawing::Shapes },
        { "text", Drawing::Text }, { "few points", Drawing::FewPoints },
        { "points enough for a grid", Drawing::ManyPoints }, { "resized", Drawing::Resized },
        { "reprinted text", Drawing::Reprinted }, { "wide points", Drawing::WidePoints } };
    const std::pair<qreal, qreal> ratios[] = { { 1, 2 }, { 1, 1.5 }, { 2, 1.25 }, { 1.5, 0.5 } };
    for (const auto &[name, drawing] : drawings)
        for (const auto &[from, to] : ratios)
            QTest::addRow("%s, %g to %g", name, from, to) << drawing << from << to;
}

void TestSurface::drawn_again_at_another_resolution()
{
    QFETCH(Drawing, drawing);
    QFETCH(qreal, from);
    QFETCH(qreal, to);
    Surface zoomed(QSize(90, 70), RGB(255, 255, 192), from);
    Surface direct(QSize(90, 70), RGB(255, 255, 192), to);
    for (Surface *s : { &zoomed, &direct }) {
        s->Scale(-10, 10, 10, -10);
        QVERIFY(!s->image().isNull());
        switch (drawing) {
        case Drawing::Shapes:
            s->FillStyle = 0;
            s->FillColor = QBColor(14);
            s->Circle(-2, 1, 5, QBColor(12), {}, {}, 1.3);
            s->Circle(4, 4, 3, QBColor(1), 0.5, 2.5);
            s->DrawStyle = 2;
            s->Line(-9, -9, 9, 3, QBColor(2));
            s->DrawStyle = 0;
            s->DrawWidth = 3;
            s->Line(-9, 8, 9, 8, QBColor(4));
            s->DrawWidth = 1;
            s->Line(1, -1, 7, -6, QBColor(5), Surface::Box::Filled);
            break;
        case Drawing::Text:
            s->CurrentX = -8;
            s->CurrentY = 6;
            s->Print(QStringLiteral("phi = 1.618"));
            s->Print(QStringLiteral("F(i+1) / F(i)"));
            break;
        case Drawing::FewPoints:
            for (int i = 0; i < 300; ++i)
                s->PSet(-10 + i * 0.07, std::sin(i * 0.1) * 8, QBColor(i % 16));
            break;
        case Drawing::ManyPoints:
            // Far more points than pixels, of twelve colours, overlapping in random order.
            for (int i = 0; i < 20000; ++i) {
                const double x = std::fmod(i * 7.31, 20.0) - 10;
                const double y = std::fmod(i * 3.17, 20.0) - 10;
                s->PSet(x, y, QBColor(15 - (i * 7) % 12));
            }
            s->Line(-10, 0, 10, 0, QBColor(7));
            s->PSet(0.3, 0.3, QBColor(12));
            break;
        case Drawing::Resized:
            s->Line(-10, 10, 10, -10, QBColor(9));
            s->PSet(5, 5, QBColor(4));
            s->resize(QSize(60, 90));
            s->Line(-10, -10, 10, 10, QBColor(10));
            break;
        case Drawing::Reprinted:
            for (int i = 0; i < 3; ++i) {
                s->CurrentX = -5;
                s->CurrentY = 0;
                s->Print(QStringLiteral("The rabbits never DIE"));
            }
            break;
        case Drawing::WidePoints:
            s->DrawWidth = 3;
            for (int i = 0; i < 40; ++i)
                s->PSet(-9 + i * 0.45, -9 + i * 0.4, QBColor(i % 16));
            break;
        }
    }
    zoomed.set_device_pixel_ratio(to);
    QCOMPARE(zoomed.device_pixel_ratio(), to);
    QCOMPARE(zoomed.image(), direct.image());
}

void TestSurface::points_keep_their_last_colour_in_bounded_memory()
{
    // An hour of the chaos game puts millions of points on the same pixels: the history holds
    // each pixel's last colour, so it stays within a byte a pixel.
    Surface s(QSize(200, 200), RGB(0, 0, 0));
    s.Scale(-10, 10, 10, -10);
    for (int i = 0; i < 400000; ++i)
        s.PSet(std::fmod(i * 0.0137, 19.9) - 9.95, std::fmod(i * 0.0291, 19.9) - 9.95,
            QBColor(1 + i % 12));
    QVERIFY2(s.history_bytes() < 200 * 200 + 4096, qPrintable(QString::number(s.history_bytes())));
    QCOMPARE(s.drawn_count(), std::size_t(400000));
    const QImage kept = s.image().copy();
    s.set_device_pixel_ratio(2);
    s.set_device_pixel_ratio(1);
    QCOMPARE(s.image(), kept);
    s.Cls();
    QCOMPARE(s.drawn_count(), std::size_t(0));
    QVERIFY(s.history_bytes() < 4096);
}

void TestSurface::replay_in_black_and_white()
{
    Surface s(QSize(100, 100), RGB(0, 0, 0));
    s.Scale(0, 0, 100, 100);
    s.Line(10, 10, 40, 40, QBColor(14), Surface::Box::Filled);
    s.Line(0, 60, 100, 60, QBColor(12));
    s.Line(0, 80, 100, 80, RGB(0, 0, 0)); // drawn in the background colour: stays unseen
    s.PSet(70, 20, QBColor(10));
    QImage colour(100, 100, QImage::Format_RGB32);
    QImage grey(100, 100, QImage::Format_RGB32);
    {
        QPainter painter(&colour);
        s.replay(painter);
    }
    {
        QPainter painter(&grey);
        s.replay(painter, Ink::BlackAndWhite);
    }
    QCOMPARE(colour.pixel(25, 25), QBColor(14));
    QCOMPARE(colour.pixel(5, 5), RGB(0, 0, 0));
    QCOMPARE(grey.pixel(5, 5), RGB(255, 255, 255));
    QCOMPARE(grey.pixel(50, 60), RGB(0, 0, 0));
    QCOMPARE(grey.pixel(50, 80), RGB(255, 255, 255));
    QCOMPARE(grey.pixel(70, 20), RGB(0, 0, 0));
    const QRgb fill = grey.pixel(25, 25);
    QVERIFY(qGray(fill) > 200 && qGray(fill) < 255);
    QCOMPARE(qRed(fill), qBlue(fill));
}

void TestSurface::points_given_as_covers_data()
{
    QTest::addColumn<int>("points");
    QTest::addColumn<int>("width");
    QTest::addColumn<bool>("line_between");
    QTest::newRow("a few points") << 40 << 1 << false;
    QTest::newRow("a run turned grid") << 5000 << 1 << false;
    QTest::newRow("wide points") << 60 << 3 << false;
    QTest::newRow("runs on both sides of a line") << 400 << 1 << true;
}

void TestSurface::points_given_as_covers()
{
    // Points given as covers and drawn as their stretches make the same pixels as the points
    // drawn one by one: the last colour on a pixel shows, the order with other shapes stays.
    QFETCH(int, points);
    QFETCH(int, width);
    QFETCH(bool, line_between);
    Surface s(QSize(60, 50), RGB(0, 0, 0));
    s.Scale(0, 0, 60, 50);
    s.DrawWidth = width;
    const QRgb colours[] = { QBColor(12), QBColor(14), QBColor(13), QBColor(10) };
    for (int i = 0; i < points; ++i) {
        if (line_between && i == points / 2) {
            s.DrawWidth = 3;
            s.Line(0, 25, 60, 25, QBColor(9));
            s.DrawWidth = width;
        }
        // The same few pixels again and again in changing colours.
        s.PSet((i * 7) % 60 + 0.5, (i * 11) % 50 + 0.5, colours[(i / 3) % 4]);
    }
    QImage plain(60, 50, QImage::Format_RGB32), covered(60, 50, QImage::Format_RGB32);
    {
        QPainter painter(&plain);
        s.replay(painter);
    }
    int covers = 0;
    {
        QPainter painter(&covered);
        s.replay(painter, Ink::Colour, [&covers](QPainter &p, const std::vector<PointCover> &all) {
            ++covers;
            for (const PointCover &cover : all)
                for (const QRect &stretch : cover.stretches) {
                    QCOMPARE(stretch.height(), 1);
                    p.fillRect(stretch, QColor::fromRgb(cover.colour));
                }
        });
    }
    QCOMPARE(covers, line_between ? 2 : 1);
    QCOMPARE(covered, plain);
}

void TestSurface::texts_shown()
{
    Surface s(QSize(200, 100), RGB(255, 255, 192));
    s.Scale(0, 0, 100, 100);
    const auto print = [&s](double y, const QString &text) {
        s.CurrentX = 2;
        s.CurrentY = y;
        s.Print(text);
    };
    print(5, QStringLiteral("Given is a point F1"));
    s.Line(0, 0, 10, 10);
    print(10, QStringLiteral("F2C1 = k . F1C1"));
    print(5, QStringLiteral("Given is a point F1"));
    QCOMPARE(s.texts(), QStringList({ "Given is a point F1", "F2C1 = k . F1C1" }));
    s.Cls();
    QVERIFY(s.texts().isEmpty());
}

void TestSurface::clipped_drawing_data()
{
    QTest::addColumn<qreal>("ratio");
    QTest::newRow("ratio 1") << 1.0;
    QTest::newRow("ratio 1.5, drawn again") << 1.5;
}

void TestSurface::clipped_drawing()
{
    // A line running out of its graph's area shows only inside it; the record keeps it whole.
    QFETCH(qreal, ratio);
    Surface s(QSize(100, 100), RGB(255, 255, 255));
    s.set_recording(true);
    s.Scale(0, 100, 100, 0);
    s.clip_to(10, 10, 60, 60);
    s.Line(20, 20, 20, 90, QBColor(0));
    s.PSet(30, 80, QBColor(0));
    s.PSet(30, 30, QBColor(0));
    s.clip_off();
    s.Line(80, 20, 80, 90, QBColor(0));
    s.set_device_pixel_ratio(ratio);
    const QImage image = s.image();
    const auto at = [&image, ratio](double x, double y) {
        return image.pixel(int(x * ratio), int((100 - y) * ratio));
    };
    QCOMPARE(at(20.2, 50), RGB(0, 0, 0));
    QCOMPARE(at(20.2, 75), RGB(255, 255, 255));
    QCOMPARE(at(30.5, 79.5), RGB(255, 255, 255));
    QCOMPARE(at(30.5, 29.5), RGB(0, 0, 0));
    QCOMPARE(at(80.2, 75), RGB(0, 0, 0));
    QCOMPARE(s.record().size(), std::size_t(4));
    QCOMPARE(s.record()[0].y2, 90.0);
}

void TestSurface::drawing_below_ratio_one_data()
{
    QTest::addColumn<qreal>("ratio");
    QTest::newRow("half") << 0.5;
    QTest::newRow("three quarters") << 0.75;
    QTest::newRow("one") << 1.0;
    QTest::newRow("two") << 2.0;
}

void TestSurface::drawing_below_ratio_one()
{
    // A window zoomed out to half its size draws its surfaces at half the pixels: a box of
    // 100 x 100 logical pixels covers 50 x 50 of them, and the waiting drawing shows the same.
    QFETCH(qreal, ratio);
    FormSurface widget(nullptr, QSize(200, 160), RGB(255, 255, 255), ratio);
    Surface &s = widget.surface();
    s.Scale(0, 0, 200, 160);
    s.Line(20, 20, 120, 120, QBColor(12), Surface::Box::Filled);
    const int side = qRound(100 * ratio);
    const QImage &image = s.image();
    QCOMPARE(image.size(), QSize(qCeil(200 * ratio), qCeil(160 * ratio)));
    int red = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            red += image.pixel(x, y) == QBColor(12) ? 1 : 0;
    // The box's outline, a logical pixel wide, lies on its edge.
    const int outline = qCeil(ratio);
    QVERIFY2(red >= (side - 1) * (side - 1) && red <= (side + 2 * outline) * (side + 2 * outline),
        qPrintable(QString::number(red)));
    QCOMPARE(image.pixel(int(70 * ratio), int(70 * ratio)), QBColor(12));
    QCOMPARE(image.pixel(int(150 * ratio), int(70 * ratio)), RGB(255, 255, 255));
}

QTEST_MAIN(TestSurface)
#include "tst_surface.moc"
