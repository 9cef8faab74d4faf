#include "plotter.h"

#include "counted_loop.h"
#include "numtext.h"
#include "palette.h"

Plotter::Plotter(Surface &picture1, Surface &picture2, Surface &form1, float pi)
    : Picture1(picture1)
    , Picture2(picture2)
    , Form1(form1)
    , pi_(pi)
{ }

void Plotter::set_bounds(float left, float right, float bottom, float top)
{
    x_min = left;
    x_max = right;
    y_min = bottom;
    y_max = top;
}

void Plotter::graph_frame(const QString &axis_name, double y_spacing, double x_spacing)
{
    graph_frame(x_min, x_max, y_min, y_max, axis_name, y_spacing, x_spacing);
}

void Plotter::teken_assen(double x_min, double x_max, double y_min, double y_max)
{
    Picture1.Cls();
    styled_line(x_min, 0, x_max, 0, 7, 0);
    styled_line(0, y_min, 0, y_max, 7, 0);
}

void Plotter::graph_frame(double x_min, double x_max, double y_min, double y_max,
    const QString &axis_name, double y_spacing, double x_spacing)
{
    // The bounds arrive as singles and the margins are single-precision arithmetic.
    const float left = float(x_min), right = float(x_max), bottom = float(y_min),
                top = float(y_max);
    const float dx = (right - left) / 100;
    const float dy = (top - bottom) / 100;
    Surface &s = Picture1;

    s.Scale(
        float(left - 3 * dx), float(top + 3 * dy), float(right + 3 * dx), float(bottom - 3 * dy));
    const double h = s.TextHeight(QStringLiteral("1")) / 2;
    teken_assen(left, right, bottom, top);

    const float small_x = float(0.2 * x_spacing);
    const float small_y = float(0.2 * y_spacing);
    for_single(left, float(right + 0.01), small_x, [&](float x) { s.Line(x, 0, x, -dy); });
    for_single(0, top, small_y, [&](float y) { s.Line(0, y, -dx, y); });
    for_single(0, bottom, -small_y, [&](float y) { s.Line(0, y, -dx, y); });
    for_single(0, top, float(y_spacing), [&](float y) { s.Line(0, y, -1.5 * dx, y); });
    for_single(0, bottom, float(-y_spacing), [&](float y) { s.Line(0, y, -1.5 * dx, y); });

    // An x label is the single read back through its text, so collected rounding shows.
    const auto x_label = [&](float x) {
        s.CurrentX = x - 1.65 * dx;
        s.CurrentY = -1.1 * dy;
        s.Print(with_decimal_separator(plain_form(single_text(x).toDouble()), decimal_separator));
    };
    for_single(0, right, float(x_spacing), x_label);
    for_single(0, left, float(-x_spacing), x_label);
    for_single(bottom, top, float(y_spacing), [&](float y) {
        s.CurrentX = -4 * dx;
        s.CurrentY = y - h;
        s.Print(with_decimal_separator(print_form(y), decimal_separator));
    });

    for_single(left, float(right + 0.01), small_x, [&](float x) {
        for_single(bottom, float(top + 0.01), small_y, [&](float y) { s.PSet(x, y); });
    });
    print_at(right + dx, 2 * dy, axis_name);
    print_at(0, top + 0.1, QStringLiteral("  y"));
}

void Plotter::styled_line(double x1, double y1, double x2, double y2, int colour, int style)
{
    if (style == 8)
        Picture1.DrawWidth = 3;
    else
        Picture1.DrawStyle = style;
    Picture1.Line(x1, y1, x2, y2, QBColor(colour));
    Picture1.DrawStyle = 0;
    Picture1.DrawWidth = 1;
}

void Plotter::point_marker(double x, double y, const QString &label, int colour)
{
    const float radius = (x_max - x_min) / 160;
    Picture1.Circle(x, y, radius, QBColor(colour));
    Picture1.Print(QLatin1Char(' ') + label);
}

void Plotter::print_at(double x, double y, const QString &text)
{
    Picture1.CurrentX = x;
    Picture1.CurrentY = y;
    Picture1.Print(text);
}

void Plotter::print_on_side_panel(int x, int y, const QString &text)
{
    Picture2.CurrentX = x;
    Picture2.CurrentY = y;
    Picture2.Print(text);
}

void Plotter::print_on_side_panel(int x, std::initializer_list<std::pair<int, QString>> lines)
{
    for (const auto &[y, text] : lines)
        print_on_side_panel(x, y, text);
}

void Plotter::print_on_form(double x, double y, const QString &text)
{
    Form1.CurrentX = x;
    Form1.CurrentY = y;
    Form1.Print(text);
}

void Plotter::draw_rabbit(double x, double y, double size)
{
    Surface &f = Form1;
    const double s = size;
    const QRgb outline = QBColor(12);
    const QRgb black = QBColor(0);

    f.FillStyle = 0;
    f.Circle(x, y + 3800 * s, 300 * s, outline, {}, {}, 1.2); // tail
    f.Circle(x - 750 * s, y - 1100 * s, 1100 * s, outline, {}, {}, 4); // left ear
    f.Circle(x + 750 * s, y - 1100 * s, 1100 * s, outline, {}, {}, 4); // right ear
    f.Circle(x, y + 2000 * s, 1800 * s, outline, {}, {}, 1.7); // body
    f.Circle(x, y, 1000 * s, outline, {}, {}, 1.2); // head

    f.FillColor = QBColor(15);
    f.Circle(x - 460 * s, y - 100 * s, 180 * s, black, pi_ / 2, pi_, 0.6); // left brow
    f.Circle(x + 460 * s, y - 100 * s, 180 * s, black, 0, pi_ / 2, 0.6); // right brow
    f.Circle(x - 460 * s, y + 70 * s, 140 * s, black, {}, {}, 1.2); // eyes
    f.Circle(x + 460 * s, y + 70 * s, 140 * s, black, {}, {}, 1.2);
    f.FillColor = QBColor(0);
    f.Circle(x - 460 * s, y + 70 * s, 70 * s, black, {}, {}, 1.5); // pupils
    f.Circle(x + 460 * s, y + 70 * s, 70 * s, black, {}, {}, 1.5);
    f.FillColor = QBColor(11);
    f.Circle(x, y + 400 * s, 150 * s, black, {}, {}, 0.8); // nose

    f.LineStep(x + 260 * s, y + 400 * s, 200 * s, 50 * s); // whiskers
    f.LineStep(x - 260 * s, y + 400 * s, -200 * s, 50 * s);
    f.LineStep(x + 230 * s, y + 500 * s, 200 * s, 70 * s);
    f.LineStep(x - 230 * s, y + 500 * s, -200 * s, 70 * s);

    f.FillColor = QBColor(15);
    f.LineStep(x, y + 600 * s, 120 * s, 180 * s, black, Surface::Box::Outline); // teeth
    f.LineStep(x, y + 600 * s, -120 * s, 200 * s, black, Surface::Box::Outline);

    f.FillColor = QBColor(14);
    f.Circle(x - 800 * s, y + 1500 * s, 800 * s, outline, {}, {}, 2.5); // front legs
    f.Circle(x + 800 * s, y + 1500 * s, 800 * s, outline, {}, {}, 2.5);
    f.Circle(x - 1000 * s, y + 3000 * s, 1000 * s, outline, {}, {}, 1.5); // hind legs
    f.Circle(x + 1000 * s, y + 3000 * s, 1000 * s, outline, {}, {}, 1.5);
    f.Circle(x - 1400 * s, y + 3800 * s, 1000 * s, outline, {}, {}, 0.3); // feet
    f.Circle(x + 1400 * s, y + 3800 * s, 1000 * s, outline, {}, {}, 0.3);
}

QString readout_caption(int topic, float x, float y, QChar separator)
{
    if (topic == 11)
        return QStringLiteral("3D");
    return with_decimal_separator(
        format_number(x, u"###0.000") + QStringLiteral("    ") + format_number(y, u"###0.000"),
        separator);
}
