#include "surface.h"

#include "twips.h"

#include <QFontMetricsF>
#include <QPaintEngine>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

Qt::PenStyle pen_style(int draw_style)
{
    switch (draw_style) {
    case 1:
        return Qt::DashLine;
    case 2:
        return Qt::DotLine;
    case 3:
        return Qt::DashDotLine;
    case 4:
        return Qt::DashDotDotLine;
    case 5:
        return Qt::NoPen;
    default:
        return Qt::SolidLine;
    }
}

Qt::BrushStyle brush_style(int fill_style)
{
    switch (fill_style) {
    case 0:
        return Qt::SolidPattern;
    case 2:
        return Qt::HorPattern;
    case 3:
        return Qt::VerPattern;
    case 4:
        return Qt::BDiagPattern; // upward diagonal: lines rising to the right
    case 5:
        return Qt::FDiagPattern;
    case 6:
        return Qt::CrossPattern;
    case 7:
        return Qt::DiagCrossPattern;
    default:
        return Qt::NoBrush;
    }
}

// A hatch is eight device pixels a repeat in Qt's painters, and a PDF's device pixels are those of
// its resolution (1200 dpi for a printer), not the screen's: the PDF writer leaves the painter's
// scale out of a hatch, and writes it as a bitmap pattern that readers draw each in their own
// way. So on a PDF painter the hatch is drawn here as lines eight logical pixels apart, which the
// scale makes the screen's pattern at the drawing's size on the paper; a vector format with a
// hatch of its own draws it as lines too. Returns false where the painter's own hatch is right.
bool hatch_as_lines(QPainter &painter, const QPainterPath &area, QRgb colour, Qt::BrushStyle style,
    const VectorForm *form)
{
    if (style == Qt::SolidPattern || style == Qt::NoBrush)
        return false;
    if (form && form->hatch) {
        form->hatch(painter, area, colour, style);
        return true;
    }
    const bool pdf = painter.paintEngine() && painter.paintEngine()->type() == QPaintEngine::Pdf;
    if (!pdf)
        return false;
    QPen pen(QColor::fromRgb(colour), hatch_line_width(style));
    pen.setCapStyle(Qt::FlatCap);
    painter.save();
    painter.setClipPath(area, Qt::IntersectClip);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.strokePath(hatch_lines(area.boundingRect(), style), pen);
    painter.restore();
    return true;
}

// The pixels a painter without antialiasing covers with what the function draws, within the
// bounds (in logical pixels), as rectangles: each row's stretches, those of the same columns in
// the rows below joined into one.
QPainterPath pixels_covered(const QRect &bounds, const std::function<void(QPainter &)> &paint)
{
    QPainterPath covered;
    if (bounds.isEmpty())
        return covered;
    QImage mask(bounds.size(), QImage::Format_ARGB32_Premultiplied);
    mask.fill(Qt::transparent);
    QPainter painter(&mask);
    painter.translate(-bounds.topLeft());
    paint(painter);
    painter.end();
    std::vector<QRect> open;
    for (int y = 0; y < mask.height(); ++y) {
        const auto *row = reinterpret_cast<const QRgb *>(mask.constScanLine(y));
        std::vector<QRect> next;
        for (int x = 0; x < mask.width();) {
            if (qAlpha(row[x]) == 0) {
                ++x;
                continue;
            }
            int end = x + 1;
            while (end < mask.width() && qAlpha(row[end]) != 0)
                ++end;
            const auto above = std::find_if(open.begin(), open.end(),
                [x, end](const QRect &r) { return r.left() == x && r.right() == end - 1; });
            if (above != open.end()) {
                next.push_back(above->adjusted(0, 0, 0, 1));
                open.erase(above);
            } else {
                next.emplace_back(x, y, end - x, 1);
            }
            x = end;
        }
        for (const QRect &r : open)
            covered.addRect(r.translated(bounds.topLeft()));
        open = std::move(next);
    }
    for (const QRect &r : open)
        covered.addRect(r.translated(bounds.topLeft()));
    return covered;
}

QPen make_pen(const Primitive &p)
{
    // Dashed and dotted styles only apply to lines one pixel wide.
    QPen pen(QColor::fromRgb(p.colour), p.draw_width,
        p.draw_width > 1 && p.draw_style != 5 ? Qt::SolidLine : pen_style(p.draw_style));
    pen.setCapStyle(Qt::FlatCap);
    pen.setJoinStyle(Qt::MiterJoin);
    return pen;
}

QPointF map(const UserScale &s, QSize size, double x, double y)
{
    return { (x - s.left) * size.width() / s.width, (y - s.top) * size.height() / s.height };
}

// A point of one pixel width covers exactly the pixel its position falls in.
QPoint pixel_of(QPointF at) { return { int(std::floor(at.x())), int(std::floor(at.y())) }; }

// Light enough to print under black lines: the colour's brightness raised three quarters of the
// way to white, so different fills stay apart as lighter and darker greys.
QRgb light_fill(QRgb colour)
{
    const int grey = qGray(colour);
    const int light = 255 - (255 - grey) / 4;
    return qRgb(light, light, light);
}

// A hatch is thin lines over the paper: it prints at two thirds of its colour's brightness, so
// that it shows (the golden ellipse's yellow a mid grey) and is always darker than the darkest
// fill light_fill() gives, a quarter grey.
QRgb hatch_ink(QRgb colour)
{
    const int grey = std::min(qGray(colour) * 2 / 3, 191);
    return qRgb(grey, grey, grey);
}

constexpr std::uint32_t no_slot = 0xFF; // a point colour table holds 255 colours at most

} // namespace

void scale_to_ratio(QPainter &painter, qreal device_pixel_ratio)
{
    if (device_pixel_ratio < 1)
        painter.scale(device_pixel_ratio, device_pixel_ratio);
}

QPainterPath hatch_lines(const QRectF &bounds, Qt::BrushStyle style)
{
    QPainterPath lines;
    constexpr double repeat = 8;
    const bool horizontal = style == Qt::HorPattern || style == Qt::CrossPattern;
    const bool vertical = style == Qt::VerPattern || style == Qt::CrossPattern;
    const bool rising = style == Qt::BDiagPattern || style == Qt::DiagCrossPattern;
    const bool falling = style == Qt::FDiagPattern || style == Qt::DiagCrossPattern;
    const double left = std::floor(bounds.left() / repeat) * repeat;
    const double top = std::floor(bounds.top() / repeat) * repeat;
    const double right = std::ceil(bounds.right() / repeat) * repeat;
    const double bottom = std::ceil(bounds.bottom() / repeat) * repeat;
    // Qt's patterns start at the device's corner: rows 3 and columns 4 of every eight for the
    // straight lines, x + y = 7 and x = y modulo 8 for the rising and falling ones.
    if (horizontal)
        for (double y = top + 3.5; y < bottom; y += repeat) {
            lines.moveTo(left, y);
            lines.lineTo(right, y);
        }
    if (vertical)
        for (double x = left + 4.5; x < right; x += repeat) {
            lines.moveTo(x, top);
            lines.lineTo(x, bottom);
        }
    // A rising line through the middles of the pixels with x + y = 7 (mod 8) is x + y = 8k,
    // a falling one x - y = 8k; from edge to edge of the square that holds the bounds.
    const double side = std::max(right - left, bottom - top);
    if (rising)
        for (double k = left + top; k <= left + top + 2 * side; k += repeat) {
            lines.moveTo(k - top, top);
            lines.lineTo(k - top - side, top + side);
        }
    if (falling)
        for (double k = left - top - side; k <= left - top + side; k += repeat) {
            lines.moveTo(k + top, top);
            lines.lineTo(k + top + side, top + side);
        }
    return lines;
}

double hatch_line_width(Qt::BrushStyle style)
{
    return style == Qt::HorPattern || style == Qt::VerPattern || style == Qt::CrossPattern
        ? 1.0
        : M_SQRT1_2;
}

Surface::Surface(QSize inner_pixels, QRgb back_colour, qreal device_pixel_ratio)
    : size_(inner_pixels)
    , ratio_(device_pixel_ratio)
    , back_colour_(back_colour)
{
    ScaleTwips();
    font_ = make_font(font_spec_);
    erase();
}

Surface::~Surface() = default;

void Surface::resize(QSize inner_pixels)
{
    if (inner_pixels == size_)
        return;
    end_painting();
    size_ = inner_pixels;
    if (twips_scale_)
        ScaleTwips();
    // The history keeps the size each step was drawn at, so the drawing in the overlap stays.
    clear_record();
    printed_.clear();
    if (!image_.isNull())
        make_image();
    notify(QRectF(QPointF(0, 0), size_));
}

void Surface::set_device_pixel_ratio(qreal ratio)
{
    if (ratio == ratio_)
        return;
    end_painting();
    ratio_ = ratio;
    if (!image_.isNull())
        make_image();
    notify(QRectF(QPointF(0, 0), size_));
}

void Surface::Scale(double x1, double y1, double x2, double y2)
{
    scale_ = { x1, y1, x2 - x1, y2 - y1 };
    twips_scale_ = false;
}

void Surface::ScaleTwips()
{
    scale_ = { 0, 0, double(size_.width() * twips_per_pixel),
        double(size_.height() * twips_per_pixel) };
    twips_scale_ = true;
}

void Surface::clip_to(double x1, double y1, double x2, double y2)
{
    clip_ = QRectF(QPointF(x1, y1), QPointF(x2, y2)).normalized();
}

void Surface::clip_off() { clip_.reset(); }

QPointF Surface::to_pixels(double x, double y) const { return map(scale_, size_, x, y); }

double Surface::to_user_x(double pixel_x) const
{
    return scale_.left + pixel_x * scale_.width / size_.width();
}

double Surface::to_user_y(double pixel_y) const
{
    return scale_.top + pixel_y * scale_.height / size_.height();
}

void Surface::erase()
{
    end_painting();
    history_.clear();
    point_colours_.clear();
    drawn_ = 0;
    // A surface without an image stays without one; one with an image keeps its memory.
    if (!image_.isNull())
        allocate_image();
    clear_record();
    printed_.clear();
    notify(QRectF(QPointF(0, 0), size_));
}

void Surface::Cls()
{
    erase();
    CurrentX = 0;
    CurrentY = 0;
}

void Surface::set_BackColor(QRgb colour)
{
    back_colour_ = colour;
    erase();
}

void Surface::set_font(const FontSpec &font)
{
    font_spec_ = font;
    font_ = make_font(font_spec_);
}

void Surface::set_FontSize(double points)
{
    font_spec_.points = points;
    font_ = make_font(font_spec_);
}

void Surface::set_recording(bool on)
{
    recording_ = on;
    if (!on)
        record_.clear();
}

void Surface::set_record_sink(RecordSink *sink)
{
    record_sink_ = sink;
    if (!sink)
        return;
    for (const Primitive &p : record_)
        sink->recorded(p);
    record_.clear();
    record_.shrink_to_fit();
}

void Surface::clear_record()
{
    record_.clear();
    if (record_sink_ && recording_)
        record_sink_->erased();
}

Primitive Surface::styled(Primitive::Op op) const
{
    Primitive p;
    p.op = op;
    p.colour = ForeColor;
    p.fill_style = FillStyle;
    p.draw_style = DrawStyle;
    p.draw_width = DrawWidth;
    p.scale = scale_;
    p.clip = clip_;
    return p;
}

void Surface::Line(double x1, double y1, double x2, double y2, std::optional<QRgb> colour, Box box)
{
    Primitive p = styled(box == Box::None ? Primitive::Op::Line : Primitive::Op::Box);
    p.x1 = x1;
    p.y1 = y1;
    p.x2 = x2;
    p.y2 = y2;
    p.colour = colour.value_or(ForeColor);
    if (box == Box::Filled) {
        p.fill = p.colour;
        p.solid_fill = true;
    } else if (box == Box::Outline && FillStyle != 1)
        p.fill = FillColor;
    CurrentX = x2;
    CurrentY = y2;
    add(std::move(p));
}

void Surface::LineStep(
    double x1, double y1, double dx, double dy, std::optional<QRgb> colour, Box box)
{
    Line(x1, y1, x1 + dx, y1 + dy, colour, box);
}

void Surface::Circle(double x, double y, double radius, std::optional<QRgb> colour,
    std::optional<double> start, std::optional<double> end, double aspect)
{
    Primitive p = styled(Primitive::Op::Circle);
    p.x1 = x;
    p.y1 = y;
    p.radius = radius;
    p.start = start;
    p.end = end;
    p.aspect = aspect;
    p.colour = colour.value_or(ForeColor);
    // Only a whole circle is filled; an arc never is.
    if (!start && !end && FillStyle != 1)
        p.fill = FillColor;
    CurrentX = x;
    CurrentY = y;
    add(std::move(p));
}

void Surface::PSet(double x, double y, std::optional<QRgb> colour)
{
    CurrentX = x;
    CurrentY = y;
    const QRgb c = colour.value_or(ForeColor);
    const auto point = [&] {
        Primitive p = styled(Primitive::Op::Point);
        p.x1 = x;
        p.y1 = y;
        p.colour = c;
        return p;
    };
    if (recording_)
        keep_in_record(point());
    // Points are drawn by the thousand: most go straight into a run of the history.
    const bool compact = DrawWidth == 1 && !clip_
        && (point_colours_.size() < no_slot
            || std::find(point_colours_.begin(), point_colours_.end(), c) != point_colours_.end())
        && std::size_t(size_.width()) * std::size_t(size_.height()) < (1u << 24);
    if (!compact) {
        show(point());
        return;
    }
    const QPoint pixel = pixel_of(to_pixels(x, y));
    if (QRect(QPoint(0, 0), size_).contains(pixel))
        add_point(pixel, c);
}

void Surface::Print(const QString &text)
{
    Primitive p = styled(Primitive::Op::Text);
    p.x1 = CurrentX;
    p.y1 = CurrentY;
    p.text = text;
    p.font = font_;
    CurrentX = scale_.left;
    CurrentY += TextHeight(text);
    add(std::move(p));
}

double Surface::TextHeight(const QString &text) const
{
    const QFontMetricsF metrics(font_);
    const int lines = int(text.count(QLatin1Char('\n'))) + 1;
    return metrics.height() * lines * scale_.height / size_.height();
}

double Surface::TextWidth(const QString &text) const
{
    return QFontMetricsF(font_).horizontalAdvance(text) * scale_.width / size_.width();
}

void Surface::add(Primitive &&primitive)
{
    if (recording_)
        keep_in_record(primitive);
    show(std::move(primitive));
}

void Surface::keep_in_record(const Primitive &primitive)
{
    Primitive recorded = primitive;
    recorded.serial = ++*serial_counter_;
    if (record_sink_)
        record_sink_->recorded(recorded);
    else
        record_.push_back(std::move(recorded));
}

void Surface::show(Primitive &&primitive)
{
    // The topics print their side-panel lines again over the same lines on every redraw; that
    // must leave them as they were, not darken their antialiased edges, and it adds nothing to
    // what the surface shows.
    if (primitive.op == Primitive::Op::Text && !printed_.insert(text_key(primitive)).second)
        return;
    Drawn &drawn = history_.emplace_back();
    drawn.size = size_;
    drawn.what = std::move(primitive);
    ++drawn_;
    if (image_.isNull()) {
        drawn_without_image();
        return;
    }
    QRectF touched;
    draw(painter(), std::get<Primitive>(drawn.what), size_, &touched);
    notify(touched);
}

void Surface::add_point(QPoint pixel, QRgb colour)
{
    std::uint32_t slot = 0;
    while (slot < point_colours_.size() && point_colours_[slot] != colour)
        ++slot;
    if (slot == point_colours_.size())
        point_colours_.push_back(colour);
    if (history_.empty() || !std::holds_alternative<PointRun>(history_.back().what)
        || history_.back().size != size_) {
        Drawn &run = history_.emplace_back();
        run.size = size_;
        run.what.emplace<PointRun>().size = size_;
    }
    PointRun &run = std::get<PointRun>(history_.back().what);
    const std::uint32_t index = std::uint32_t(pixel.y() * size_.width() + pixel.x());
    ++run.drawn;
    if (run.grid.empty()) {
        run.points.push_back(index << 8 | slot);
        // Past a quarter of the pixels, the list takes as much memory as a grid would.
        const std::size_t cells = std::size_t(size_.width()) * std::size_t(size_.height());
        if (run.points.size() > cells / 4) {
            run.grid.assign(cells, 0);
            for (const std::uint32_t packed : run.points)
                run.grid[packed >> 8] = std::uint8_t((packed & 0xFF) + 1);
            std::vector<std::uint32_t>().swap(run.points);
        }
    } else {
        run.grid[index] = std::uint8_t(slot + 1);
    }
    ++drawn_;
    if (image_.isNull()) {
        drawn_without_image();
        return;
    }
    QPainter &p = painter();
    if (p.testRenderHint(QPainter::Antialiasing))
        p.setRenderHint(QPainter::Antialiasing, false);
    const QRectF dot(pixel, QSizeF(1, 1));
    p.fillRect(dot, QColor::fromRgb(colour));
    notify(dot);
}

void Surface::drawn_without_image()
{
    if (drawn_ > pending_limit)
        make_image();
    notify(QRectF(QPointF(0, 0), size_));
}

QString Surface::text_key(const Primitive &p) const
{
    const QPointF at = map(p.scale, size_, p.x1, p.y1);
    return QStringLiteral("%1 %2 %3 %4 ")
               .arg(qRound(at.x() * 8))
               .arg(qRound(at.y() * 8))
               .arg(p.colour)
               .arg(p.font.key())
        + p.text;
}

QRgb Surface::ink_colour(QRgb colour, Ink ink) const
{
    if (ink == Ink::Colour)
        return colour;
    // Drawn in the background colour it erases, and so stays the paper's white.
    return colour == back_colour_ ? qRgb(255, 255, 255) : qRgb(0, 0, 0);
}

void Surface::draw(QPainter &painter, const Primitive &p, QSize size, QRectF *touched, Ink ink,
    const VectorForm *form) const
{
    const QPointF a = map(p.scale, size, p.x1, p.y1);
    const double margin = p.draw_width + 2;
    Primitive inked;
    const Primitive *shown = &p;
    if (ink != Ink::Colour) {
        inked = p;
        inked.colour = ink_colour(p.colour, ink);
        const bool hatched = !p.solid_fill && p.fill_style != 0;
        if (p.fill && hatched)
            inked.fill = hatch_ink(*p.fill);
        else if (p.fill)
            inked.fill =
                p.solid_fill && *p.fill == back_colour_ ? qRgb(255, 255, 255) : light_fill(*p.fill);
        shown = &inked;
    }
    const Primitive &q = *shown;
    std::optional<QRectF> clip;
    if (q.clip) {
        painter.save();
        clip = QRectF(map(q.scale, size, q.clip->left(), q.clip->top()),
            map(q.scale, size, q.clip->right(), q.clip->bottom()))
                   .normalized();
        painter.setClipRect(*clip, Qt::IntersectClip);
    }
    // What the screen covers of a shape drawn without antialiasing, filled in the colour.
    const bool on_pixels = form && form->on_pixels;
    const auto fill_covered = [&](QRgb colour, const std::function<void(QPainter &)> &paint,
                                  const QRectF &around) {
        const QRect bounds = around.adjusted(-margin, -margin, margin, margin).toAlignedRect()
            & QRect(QPoint(0, 0), size);
        const QPainterPath covered = pixels_covered(bounds, [&](QPainter &mask) {
            if (clip)
                mask.setClipRect(*clip);
            paint(mask);
        });
        if (!covered.isEmpty())
            painter.fillPath(covered, QColor::fromRgb(colour));
    };
    QRectF area;
    switch (q.op) {
    case Primitive::Op::Line: {
        const QPointF b = map(q.scale, size, q.x2, q.y2);
        const bool straight = std::abs(a.x() - b.x()) < 0.01 || std::abs(a.y() - b.y()) < 0.01;
        area = QRectF(a, b).normalized();
        if (straight && on_pixels) {
            fill_covered(
                q.colour,
                [&](QPainter &mask) {
                    mask.setPen(make_pen(q));
                    mask.drawLine(a, b);
                },
                area);
            break;
        }
        painter.setRenderHint(QPainter::Antialiasing, !straight);
        painter.setPen(make_pen(q));
        painter.drawLine(a, b);
        break;
    }
    case Primitive::Op::Box: {
        const QRectF box = QRectF(a, map(q.scale, size, q.x2, q.y2)).normalized();
        painter.setRenderHint(QPainter::Antialiasing, false);
        if (q.fill) {
            const Qt::BrushStyle style =
                q.solid_fill ? Qt::SolidPattern : brush_style(q.fill_style);
            QPainterPath outline;
            outline.addRect(box);
            if (style == Qt::SolidPattern && on_pixels)
                fill_covered(
                    *q.fill, [&](QPainter &mask) { mask.fillRect(box, Qt::black); }, box);
            else if (!hatch_as_lines(painter, outline, *q.fill, style, form))
                painter.fillRect(box, QBrush(QColor::fromRgb(*q.fill), style));
        }
        area = box;
        // A box without width or height shows on the screen as a line, which an SVG reader
        // draws only as the pixels it covers there: a rectangle of no width is nothing to it.
        if (on_pixels) {
            fill_covered(
                q.colour,
                [&](QPainter &mask) {
                    mask.setPen(make_pen(q));
                    mask.drawRect(box);
                },
                box);
            break;
        }
        painter.setPen(make_pen(q));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(box);
        break;
    }
    case Primitive::Op::Circle: {
        const double r = std::abs(q.radius * size.width() / q.scale.width);
        const double rx = q.aspect < 1 ? r : r / q.aspect;
        const double ry = q.aspect < 1 ? r * q.aspect : r;
        const QRectF bounds(a.x() - rx, a.y() - ry, 2 * rx, 2 * ry);
        painter.setRenderHint(QPainter::Antialiasing, true);
        painter.setPen(make_pen(q));
        if (q.start || q.end) {
            constexpr double two_pi = 2 * std::numbers::pi;
            const double start = q.start.value_or(0);
            double span = q.end.value_or(two_pi) - start;
            while (span < 0)
                span += two_pi;
            painter.setBrush(Qt::NoBrush);
            painter.drawArc(bounds, qRound(start * 180 / std::numbers::pi * 16),
                qRound(span * 180 / std::numbers::pi * 16));
        } else {
            if (q.fill) {
                // A solid antialiased outline covers the edge of the fill, so the fill itself
                // is drawn without antialiasing, which costs a fraction; a dashed or invisible
                // outline leaves the edge to the fill.
                const bool solid_outline = make_pen(q).style() == Qt::SolidLine;
                painter.setRenderHint(QPainter::Antialiasing, !solid_outline);
                painter.setPen(Qt::NoPen);
                QPainterPath outline;
                outline.addEllipse(bounds);
                if (!hatch_as_lines(painter, outline, *q.fill, brush_style(q.fill_style), form)) {
                    painter.setBrush(QBrush(QColor::fromRgb(*q.fill), brush_style(q.fill_style)));
                    painter.drawEllipse(bounds);
                }
                painter.setRenderHint(QPainter::Antialiasing, true);
                painter.setPen(make_pen(q));
            }
            painter.setBrush(Qt::NoBrush);
            painter.drawEllipse(bounds);
        }
        area = bounds;
        break;
    }
    case Primitive::Op::Point: {
        const double side = q.draw_width;
        const QRectF dot(
            std::floor(a.x() - (side - 1) / 2), std::floor(a.y() - (side - 1) / 2), side, side);
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.fillRect(dot, QColor::fromRgb(q.colour));
        area = dot;
        break;
    }
    case Primitive::Op::Text: {
        painter.setRenderHint(QPainter::Antialiasing, true);
        painter.setFont(q.font);
        painter.setPen(QColor::fromRgb(q.colour));
        const QFontMetricsF metrics(q.font);
        painter.drawText(QPointF(a.x(), a.y() + metrics.ascent()), q.text);
        area = QRectF(a, QSizeF(metrics.horizontalAdvance(q.text), metrics.height()));
        break;
    }
    }
    if (q.clip)
        painter.restore();
    if (touched)
        *touched = area.adjusted(-margin, -margin, margin, margin);
}

void Surface::draw_run(QPainter &painter, const PointRun &run, Ink ink) const
{
    painter.setRenderHint(QPainter::Antialiasing, false);
    const int width = run.size.width();
    std::vector<QColor> colours;
    for (const QRgb c : point_colours_)
        colours.push_back(QColor::fromRgb(ink_colour(c, ink)));
    if (run.grid.empty()) {
        for (const std::uint32_t packed : run.points) {
            const std::uint32_t index = packed >> 8;
            painter.fillRect(QRectF(index % width, index / width, 1, 1), colours[packed & 0xFF]);
        }
        return;
    }
    // Each row as stretches of one colour: the same pixels as point after point, fewer calls.
    const int height = run.size.height();
    for (int y = 0; y < height; ++y) {
        const std::uint8_t *row = run.grid.data() + std::size_t(y) * std::size_t(width);
        for (int x = 0; x < width;) {
            const std::uint8_t slot = row[x];
            int end = x + 1;
            while (end < width && row[end] == slot)
                ++end;
            if (slot != 0)
                painter.fillRect(QRectF(x, y, end - x, 1), colours[slot - 1]);
            x = end;
        }
    }
}

void Surface::draw_history(QPainter &painter, Ink ink) const
{
    for (const Drawn &d : history_) {
        if (const auto *p = std::get_if<Primitive>(&d.what))
            draw(painter, *p, d.size, nullptr, ink);
        else
            draw_run(painter, std::get<PointRun>(d.what), ink);
    }
}

void Surface::replay(QPainter &painter, Ink ink) const
{
    painter.fillRect(QRectF(QPointF(0, 0), size_),
        QColor::fromRgb(ink == Ink::Colour ? back_colour_ : qRgb(255, 255, 255)));
    draw_history(painter, ink);
}

void Surface::replay(QPainter &painter, Ink ink, const PointsPainter &points) const
{
    replay(painter, ink, VectorForm { points, {}, false });
}

void Surface::replay(QPainter &painter, Ink ink, const VectorForm &form) const
{
    painter.fillRect(QRectF(QPointF(0, 0), size_),
        QColor::fromRgb(ink == Ink::Colour ? back_colour_ : qRgb(255, 255, 255)));
    draw_history_covered(painter, ink, form);
}

void Surface::draw_history_covered(QPainter &painter, Ink ink, const VectorForm &form) const
{
    // Consecutive steps made of points go into one grid of the last colour on each pixel, which
    // is given away as row stretches when something else is drawn (or the size changes).
    QSize grid_size;
    std::vector<std::uint16_t> grid; // colour + 1 for each pixel, 0 for none
    std::vector<QRgb> colours;
    const auto colour_slot = [&colours](QRgb colour) {
        const auto found = std::find(colours.begin(), colours.end(), colour);
        if (found != colours.end())
            return std::uint16_t(found - colours.begin() + 1);
        colours.push_back(colour);
        return std::uint16_t(colours.size());
    };
    const auto flush = [&] {
        if (grid.empty())
            return;
        std::vector<PointCover> covers(colours.size());
        for (std::size_t i = 0; i < colours.size(); ++i)
            covers[i].colour = colours[i];
        const int width = grid_size.width();
        for (int y = 0; y < grid_size.height(); ++y) {
            const std::uint16_t *row = grid.data() + std::size_t(y) * std::size_t(width);
            for (int x = 0; x < width;) {
                const std::uint16_t slot = row[x];
                int end = x + 1;
                while (end < width && row[end] == slot)
                    ++end;
                if (slot != 0)
                    covers[slot - 1].stretches.emplace_back(x, y, end - x, 1);
                x = end;
            }
        }
        std::erase_if(covers, [](const PointCover &c) { return c.stretches.empty(); });
        grid.clear();
        colours.clear();
        form.points(painter, covers);
    };
    const auto start = [&](QSize size) {
        if (!grid.empty() && grid_size == size)
            return;
        flush();
        grid_size = size;
        grid.assign(std::size_t(size.width()) * std::size_t(size.height()), 0);
    };
    for (const Drawn &d : history_) {
        if (const auto *run = std::get_if<PointRun>(&d.what)) {
            start(run->size);
            std::vector<std::uint16_t> slot_of;
            for (const QRgb c : point_colours_)
                slot_of.push_back(colour_slot(ink_colour(c, ink)));
            if (run->grid.empty()) {
                for (const std::uint32_t packed : run->points)
                    grid[packed >> 8] = slot_of[packed & 0xFF];
            } else {
                for (std::size_t i = 0; i < run->grid.size(); ++i)
                    if (run->grid[i] != 0)
                        grid[i] = slot_of[run->grid[i] - 1];
            }
            continue;
        }
        const Primitive &p = std::get<Primitive>(d.what);
        if (p.op != Primitive::Op::Point || p.clip) {
            flush();
            draw(painter, p, d.size, nullptr, ink, &form);
            continue;
        }
        if (colours.size() >= 0xFFFE)
            flush();
        start(d.size);
        const QPointF a = map(p.scale, d.size, p.x1, p.y1);
        const double side = p.draw_width;
        const QRect dot = QRect(int(std::floor(a.x() - (side - 1) / 2)),
                              int(std::floor(a.y() - (side - 1) / 2)), p.draw_width, p.draw_width)
            & QRect(QPoint(0, 0), d.size);
        const std::uint16_t slot = colour_slot(ink_colour(p.colour, ink));
        for (int y = dot.top(); y <= dot.bottom(); ++y)
            for (int x = dot.left(); x <= dot.right(); ++x)
                grid[std::size_t(y) * std::size_t(d.size.width()) + std::size_t(x)] = slot;
    }
    flush();
}

void Surface::replay_record(QPainter &painter) const
{
    painter.fillRect(QRectF(QPointF(0, 0), size_), QColor::fromRgb(back_colour_));
    for (const Primitive &p : record_)
        draw(painter, p, size_, nullptr);
}

QStringList Surface::texts() const
{
    QStringList list;
    for (const Drawn &d : history_)
        if (const auto *p = std::get_if<Primitive>(&d.what); p && p->op == Primitive::Op::Text)
            list << p->text;
    return list;
}

std::size_t Surface::drawn_count() const
{
    std::size_t count = 0;
    for (const Drawn &d : history_) {
        const auto *run = std::get_if<PointRun>(&d.what);
        count += run ? run->drawn : 1;
    }
    return count;
}

std::size_t Surface::history_bytes() const
{
    std::size_t bytes = history_.capacity() * sizeof(Drawn);
    for (const Drawn &d : history_) {
        if (const auto *run = std::get_if<PointRun>(&d.what))
            bytes += run->points.capacity() * sizeof(std::uint32_t) + run->grid.capacity();
        else
            bytes += std::size_t(std::get<Primitive>(d.what).text.capacity()) * sizeof(QChar);
    }
    return bytes;
}

void Surface::allocate_image()
{
    const QSize device(qCeil(size_.width() * ratio_), qCeil(size_.height() * ratio_));
    if (image_.size() != device)
        image_ = QImage(device, QImage::Format_RGB32);
    image_.setDevicePixelRatio(ratio_);
    image_.fill(back_colour_);
}

void Surface::make_image()
{
    end_painting();
    allocate_image();
    if (history_.empty())
        return;
    QPainter painter(&image_);
    scale_to_ratio(painter, ratio_);
    painter.setClipRect(QRectF(QPointF(0, 0), size_));
    draw_history(painter, Ink::Colour);
}

QPainter &Surface::painter()
{
    if (!painter_) {
        if (image_.isNull())
            make_image();
        painter_ = std::make_unique<QPainter>(&image_);
        scale_to_ratio(*painter_, ratio_);
        painter_->setClipRect(QRectF(QPointF(0, 0), size_));
    }
    return *painter_;
}

void Surface::end_painting() { painter_.reset(); }

const QImage &Surface::image()
{
    end_painting();
    if (image_.isNull())
        make_image();
    return image_;
}

void Surface::paint_onto(QPainter &painter, const QRect &exposed)
{
    end_painting();
    // Painted again (a window moved over it, a resize, a zoom): the history is not drawn onto
    // the screen every time.
    if (image_.isNull() && !history_.empty() && ++painted_without_image_ > 1)
        make_image();
    if (!image_.isNull()) {
        // One image pixel on one device pixel: the image is drawn at its own size in device
        // pixels, wherever the painter's scale puts the inner area's corner.
        // A device's ratio below 1 the painter ignores (see scale_to_ratio).
        const qreal device_ratio =
            std::max<qreal>(1, painter.device() ? painter.device()->devicePixelRatioF() : 1.0);
        const QPointF corner = painter.transform().map(QPointF(0, 0));
        const QPointF device_corner(
            std::round(corner.x() * device_ratio), std::round(corner.y() * device_ratio));
        painter.save();
        painter.resetTransform();
        painter.drawImage(
            QRectF(device_corner / device_ratio, QSizeF(image_.size()) / device_ratio), image_,
            QRectF(image_.rect()));
        painter.restore();
        return;
    }
    // Without an image the surface is its background and the few things drawn on it.
    const QRect area = exposed & QRect(QPoint(0, 0), size_);
    painter.fillRect(area, QColor::fromRgb(back_colour_));
    if (history_.empty())
        return;
    painter.save();
    painter.setClipRect(area, Qt::IntersectClip);
    draw_history(painter, Ink::Colour);
    painter.restore();
}

void Surface::notify(const QRectF &rect)
{
    if (changed)
        changed(rect.toAlignedRect());
}
