#pragma once

#include "fonts.h"

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRgb>
#include <QString>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <unordered_set>
#include <variant>
#include <vector>

// The user scale of a surface: the user coordinates of its inner area's upper-left corner and
// the signed extent of that area (a negative height means y grows upwards).
struct UserScale
{
    double left = 0, top = 0, width = 1, height = 1;
};

// A painter on an image of a device pixel ratio below 1 (a window zoomed out, a small picture)
// draws at that ratio: QPainter applies ratios of 1 and more itself, and ignores smaller ones.
void scale_to_ratio(QPainter &painter, qreal device_pixel_ratio);

// One thing drawn on a surface, in the user coordinates of the scale in force when it was drawn.
struct Primitive
{
    enum class Op { Line, Box, Circle, Point, Text };
    Op op = Op::Point;
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0; // line and box ends; circle centre, point, text corner
    double radius = 0;
    std::optional<double> start, end; // arc angles in radians, anticlockwise; none: full circle
    double aspect = 1;
    QString text;
    QFont font;
    QRgb colour = 0; // outline, point or text colour
    std::optional<QRgb> fill; // what fills a box or circle, if anything
    bool solid_fill = false; // a box filled in its own colour, whatever the fill style
    int fill_style = 1;
    int draw_style = 0;
    int draw_width = 1;
    UserScale scale;
    std::optional<QRectF> clip; // what shows of it, in the user coordinates of its scale
    std::uint64_t serial = 0; // place in the drawing order shared by the surfaces of one window
};

// Points one pixel wide drawn one after another, kept compactly: each as its pixel and a slot in
// the surface's colour table, in drawing order; once they are many, as a grid of the surface
// holding each pixel's last colour. A point covers exactly its pixel, so the last colour drawn
// on a pixel is all that shows, and a run costs at most one byte a pixel however long it goes on.
struct PointRun
{
    QSize size; // the surface's inner size when the points were drawn
    std::vector<std::uint32_t> points; // (y * width + x) << 8 | colour slot, in drawing order
    std::vector<std::uint8_t> grid; // once large: colour slot + 1 for each pixel, 0 for none
    std::size_t drawn = 0; // points drawn into the run, over any pixel, for the drawing's count
};

// What a stretch of the history made of points leaves on the pixels: for each colour, the pieces
// of rows its points cover (each one pixel high), row by row. Where points of different colours
// fall on one pixel, only the last one drawn shows, as on the screen.
struct PointCover
{
    QRgb colour = 0;
    std::vector<QRect> stretches;
};

// Draws the covers of a stretch of points, in the painter's logical pixels.
using PointsPainter = std::function<void(QPainter &, const std::vector<PointCover> &)>;

// Draws a hatched fill of the area (in the painter's logical pixels) in the colour, as the lines
// of hatch_lines().
using HatchPainter =
    std::function<void(QPainter &, const QPainterPath &area, QRgb colour, Qt::BrushStyle style)>;

// What a vector format asks of a replay beyond the painter's own shapes, so that the picture
// looks like the screen's at its size and stays sharp when enlarged.
struct VectorForm
{
    PointsPainter points; // the points, as what they leave on the pixels
    HatchPainter hatch; // a hatch, where the painter's own would be a bitmap pattern
    // The shapes the screen draws without antialiasing (straight lines, boxes) as the pixels they
    // cover there, not at the fractions of a pixel where an SVG reader would shade two pixels.
    bool on_pixels = false;
};

// The lines of a hatch over the rectangle, where the screen's pattern puts them: eight logical
// pixels apart, through the middles of the pixels it colours (a rising line through the pixels
// with x + y = 7 modulo 8, and so on). Returns no lines for a solid fill or none.
QPainterPath hatch_lines(const QRectF &bounds, Qt::BrushStyle style);
// The width of those lines that covers as much as the screen's pattern: one pixel across a
// straight line, the half diagonal of a pixel across a slanting one.
double hatch_line_width(Qt::BrushStyle style);

// Takes what a recording surface draws as it is drawn, instead of the surface holding it: a
// trace of millions of points is written as it goes.
class RecordSink
{
public:
    virtual ~RecordSink() = default;
    // A primitive with its place in the drawing order.
    virtual void recorded(const Primitive &primitive) = 0;
    // The surface was erased (or resized): what it recorded before no longer shows.
    virtual void erased() = 0;
};

// How replay() gives the drawing's colours: as drawn, or for a printer without colour (lines,
// points and texts black, fills light, the background white).
enum class Ink { Colour, BlackAndWhite };

// A drawing surface whose drawing stays until it is erased: a picture box's inner area or the
// window background. It keeps a user scale, a current position and the drawing properties, draws
// into an image at the device pixel ratio it was given, and can record what it draws.
//
// It also keeps what it shows since it was last erased, compactly (its history): with that it
// draws the same picture again at another resolution when the window is zoomed or moves to a
// screen with another pixel ratio, and replays it as vector graphics for export.
class Surface
{
public:
    // How a line's second point makes a box: none, an outline (B) or a box filled in its colour (BF).
    enum class Box { None, Outline, Filled };

    Surface(QSize inner_pixels, QRgb back_colour, qreal device_pixel_ratio = 1.0);
    ~Surface();
    Surface(const Surface &) = delete;
    Surface &operator=(const Surface &) = delete;

    // Size of the inner area in logical pixels; the drawing kept in the overlap survives.
    void resize(QSize inner_pixels);
    QSize inner_size() const { return size_; }
    qreal device_pixel_ratio() const { return ratio_; }
    // Draws what the surface shows again at another resolution.
    void set_device_pixel_ratio(qreal ratio);

    // Gives the upper-left corner (x1, y1) and the lower-right corner (x2, y2) of the inner area.
    void Scale(double x1, double y1, double x2, double y2);
    // Back to the design scale: twips from the upper-left corner.
    void ScaleTwips();
    const UserScale &scale() const { return scale_; }

    // Until clip_off(), only the part of what is drawn inside this rectangle (two corners in user
    // coordinates) shows; the record keeps the whole primitives.
    void clip_to(double x1, double y1, double x2, double y2);
    void clip_off();

    // Erases the drawing and puts the current position at (0, 0).
    void Cls();
    // A line from (x1, y1) to (x2, y2), or a box with these corners; leaves the position at (x2, y2).
    void Line(double x1, double y1, double x2, double y2, std::optional<QRgb> colour = {},
        Box box = Box::None);
    // The same with the second point given relative to the first.
    void LineStep(double x1, double y1, double dx, double dy, std::optional<QRgb> colour = {},
        Box box = Box::None);
    // A circle, ellipse or arc. Angles in radians, anticlockwise on the screen from the right;
    // aspect = height / width with the radius on the larger axis, in horizontal units.
    // Leaves the position at the centre.
    void Circle(double x, double y, double radius, std::optional<QRgb> colour = {},
        std::optional<double> start = {}, std::optional<double> end = {}, double aspect = 1.0);
    void PSet(double x, double y, std::optional<QRgb> colour = {});
    // Prints the text with its upper-left corner at the current position, on a transparent
    // background; the position then moves to the start of the next line.
    void Print(const QString &text);

    double TextHeight(const QString &text) const;
    double TextWidth(const QString &text) const;

    QRgb BackColor() const { return back_colour_; }
    // Setting the background colour erases the drawing.
    void set_BackColor(QRgb colour);
    void set_font(const FontSpec &font);
    const QFont &font() const { return font_; }
    // Font size in points; the family and weight stay.
    void set_FontSize(double points);
    double FontSize() const { return font_spec_.points; }

    QRgb ForeColor = 0xFF000000;
    QRgb FillColor = 0xFF000000;
    int FillStyle = 1; // 0 solid, 1 transparent, 2..7 hatches (4 upward diagonal)
    int DrawWidth = 1; // pixels
    int DrawStyle =
        0; // 0 solid, 1 dash, 2 dot, 3 dash-dot, 4 dash-dot-dot, 5 invisible, 6 inside solid
    double CurrentX = 0;
    double CurrentY = 0;

    // User coordinates to logical pixels of the inner area and back.
    QPointF to_pixels(double x, double y) const;
    double to_user_x(double pixel_x) const;
    double to_user_y(double pixel_y) const;

    // Recording keeps every primitive drawn since the last erase, in drawing order, with its
    // place in the drawing order of the window (for the render tool's trace and the tests).
    void set_recording(bool on);
    bool recording() const { return recording_; }
    const std::vector<Primitive> &record() const { return record_; }
    // While a sink is set, the recorded primitives go to it, the record kept so far first, and
    // the surface keeps none of them.
    void set_record_sink(RecordSink *sink);

    // The texts the surface shows, in the order they were printed.
    QStringList texts() const;
    // How many things the surface shows: primitives, and points counted one by one.
    std::size_t drawn_count() const;
    // The memory the history takes, in bytes (an estimate of what it holds on the heap).
    std::size_t history_bytes() const;

    // The drawing as it is now, at the device pixel ratio.
    const QImage &image();
    // Draws the surface onto a widget's painter with the inner area's corner at (0, 0), in
    // logical pixels of the surface.
    void paint_onto(QPainter &painter, const QRect &exposed);

    // A surface makes its image only when its pixels are read, when more than this many things
    // have been drawn on it since it was made, or when it is painted onto the screen a second
    // time: until then it is its background colour and a short list, painted straight onto the
    // screen. A surface that is blank or shows a small drawing only once (the title screen at
    // start-up) costs no image memory.
    static constexpr std::size_t pending_limit = 256;
    bool holds_image() const { return !image_.isNull(); }
    // Draws what the surface shows, background first, with any painter: into an SVG, a PDF or
    // an image of another resolution. Works with recording off.
    void replay(QPainter &painter, Ink ink = Ink::Colour) const;
    // The same, with the points (runs of points and the single points drawn one after another)
    // given to a function as what they leave on the pixels: a vector format writes them as few
    // shapes instead of a square each.
    void replay(QPainter &painter, Ink ink, const PointsPainter &points) const;
    // The same in the form a vector format asks for.
    void replay(QPainter &painter, Ink ink, const VectorForm &form) const;
    // Draws the recorded primitives one by one, reprints too, background first (needs
    // recording): the plain painter's cost of a drawing, for the benchmarks.
    void replay_record(QPainter &painter) const;

    // Surfaces that share a counter number their primitives in one drawing order.
    void share_serial_counter(std::uint64_t *counter) { serial_counter_ = counter; }

    // Called with the logical rectangle that changed, so a widget can repaint just that.
    std::function<void(const QRect &)> changed;

private:
    // One step of the history: a primitive or a run of points, with the inner size it was
    // drawn at (a resize keeps the drawing in the overlap).
    struct Drawn
    {
        QSize size;
        std::variant<Primitive, PointRun> what;
    };

    QString text_key(const Primitive &primitive) const;
    void draw(QPainter &painter, const Primitive &primitive, QSize size, QRectF *touched,
        Ink ink = Ink::Colour, const VectorForm *form = nullptr) const;
    void draw_run(QPainter &painter, const PointRun &run, Ink ink) const;
    void draw_history(QPainter &painter, Ink ink) const;
    void draw_history_covered(QPainter &painter, Ink ink, const VectorForm &form) const;
    void add(Primitive &&primitive);
    void keep_in_record(const Primitive &primitive);
    void clear_record();
    void show(Primitive &&primitive);
    void add_point(QPoint pixel, QRgb colour);
    void drawn_without_image();
    QPainter &painter();
    void end_painting();
    void erase();
    void allocate_image();
    void make_image();
    Primitive styled(Primitive::Op op) const;
    void notify(const QRectF &rect);
    QRgb ink_colour(QRgb colour, Ink ink) const;

    QSize size_;
    qreal ratio_;
    QImage image_; // null until the pixels are needed
    std::unique_ptr<QPainter> painter_;
    UserScale scale_;
    std::optional<QRectF> clip_; // in user coordinates
    bool twips_scale_ = true;
    QRgb back_colour_;
    FontSpec font_spec_;
    QFont font_;
    bool recording_ = false;
    std::vector<Primitive> record_;
    RecordSink *record_sink_ = nullptr;
    std::vector<Drawn> history_; // what the surface shows since it was last erased
    std::vector<QRgb> point_colours_; // the colour slots of the point runs
    std::size_t drawn_ = 0; // things drawn since the last erase
    int painted_without_image_ = 0; // paints of the history straight onto a widget
    std::unordered_set<QString> printed_; // texts on the surface since it was last erased
    std::uint64_t own_serial_counter_ = 0;
    std::uint64_t *serial_counter_ = &own_serial_counter_;
};
