#include "surface.h"

#include "twips.h"

#include <QFontMetricsF>

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

} // namespace

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
    if (!pending_.empty())
        draw_pending(); // the waiting primitives belong to the old size
    end_painting();
    const QImage old = image_;
    size_ = inner_pixels;
    if (twips_scale_)
        ScaleTwips();
    erase();
    if (!old.isNull()) {
        QPainter p(&painter_image());
        p.drawImage(QPointF(0, 0), old);
    }
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
    // A surface without an image stays without one; one with an image keeps its memory.
    pending_.clear();
    if (!image_.isNull())
        allocate_image();
    record_.clear();
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

Primitive Surface::styled(Primitive::Op op) const
{
    Primitive p;
    p.op = op;
    p.colour = ForeColor;
    p.fill_style = FillStyle;
    p.draw_style = DrawStyle;
    p.draw_width = DrawWidth;
    p.scale = scale_;
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
    if (recording_) {
        Primitive p = styled(Primitive::Op::Point);
        p.x1 = x;
        p.y1 = y;
        p.colour = c;
        p.serial = ++*serial_counter_;
        record_.push_back(std::move(p));
    }
    if (image_.isNull()) {
        Primitive p = styled(Primitive::Op::Point);
        p.x1 = x;
        p.y1 = y;
        p.colour = c;
        paint(p);
        return;
    }
    const QPointF at = to_pixels(x, y);
    const double side = DrawWidth;
    const QRectF dot(
        std::floor(at.x() - (side - 1) / 2), std::floor(at.y() - (side - 1) / 2), side, side);
    painter().fillRect(dot, QColor::fromRgb(c));
    notify(dot);
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
    // The topics print their side-panel lines again over the same lines on every redraw; that
    // must leave them as they were, not darken their antialiased edges.
    const bool reprint =
        primitive.op == Primitive::Op::Text && !printed_.insert(text_key(primitive)).second;
    if (!reprint)
        paint(primitive);
    if (recording_) {
        primitive.serial = ++*serial_counter_;
        record_.push_back(std::move(primitive));
    }
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

void Surface::paint(const Primitive &primitive)
{
    if (image_.isNull() && pending_.size() < pending_limit) {
        pending_.push_back(primitive);
        notify(QRectF(QPointF(0, 0), size_));
        return;
    }
    draw_pending();
    QRectF touched;
    draw(painter(), primitive, &touched);
    notify(touched);
}

void Surface::draw(QPainter &painter, const Primitive &p, QRectF *touched) const
{
    const QPointF a = map(p.scale, size_, p.x1, p.y1);
    const double margin = p.draw_width + 2;
    QRectF area;
    switch (p.op) {
    case Primitive::Op::Line: {
        const QPointF b = map(p.scale, size_, p.x2, p.y2);
        const bool straight = std::abs(a.x() - b.x()) < 0.01 || std::abs(a.y() - b.y()) < 0.01;
        painter.setRenderHint(QPainter::Antialiasing, !straight);
        painter.setPen(make_pen(p));
        painter.drawLine(a, b);
        area = QRectF(a, b).normalized();
        break;
    }
    case Primitive::Op::Box: {
        const QRectF box = QRectF(a, map(p.scale, size_, p.x2, p.y2)).normalized();
        painter.setRenderHint(QPainter::Antialiasing, false);
        if (p.fill)
            painter.fillRect(box,
                QBrush(QColor::fromRgb(*p.fill),
                    p.solid_fill ? Qt::SolidPattern : brush_style(p.fill_style)));
        painter.setPen(make_pen(p));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(box);
        area = box;
        break;
    }
    case Primitive::Op::Circle: {
        const double r = std::abs(p.radius * size_.width() / p.scale.width);
        const double rx = p.aspect < 1 ? r : r / p.aspect;
        const double ry = p.aspect < 1 ? r * p.aspect : r;
        const QRectF bounds(a.x() - rx, a.y() - ry, 2 * rx, 2 * ry);
        painter.setRenderHint(QPainter::Antialiasing, true);
        painter.setPen(make_pen(p));
        if (p.start || p.end) {
            constexpr double two_pi = 2 * std::numbers::pi;
            const double start = p.start.value_or(0);
            double span = p.end.value_or(two_pi) - start;
            while (span < 0)
                span += two_pi;
            painter.setBrush(Qt::NoBrush);
            painter.drawArc(bounds, qRound(start * 180 / std::numbers::pi * 16),
                qRound(span * 180 / std::numbers::pi * 16));
        } else {
            if (p.fill) {
                // A solid antialiased outline covers the edge of the fill, so the fill itself
                // is drawn without antialiasing, which costs a fraction; a dashed or invisible
                // outline leaves the edge to the fill.
                const bool solid_outline = make_pen(p).style() == Qt::SolidLine;
                painter.setRenderHint(QPainter::Antialiasing, !solid_outline);
                painter.setPen(Qt::NoPen);
                painter.setBrush(QBrush(QColor::fromRgb(*p.fill), brush_style(p.fill_style)));
                painter.drawEllipse(bounds);
                painter.setRenderHint(QPainter::Antialiasing, true);
                painter.setPen(make_pen(p));
            }
            painter.setBrush(Qt::NoBrush);
            painter.drawEllipse(bounds);
        }
        area = bounds;
        break;
    }
    case Primitive::Op::Point: {
        const double side = p.draw_width;
        const QRectF dot(
            std::floor(a.x() - (side - 1) / 2), std::floor(a.y() - (side - 1) / 2), side, side);
        painter.fillRect(dot, QColor::fromRgb(p.colour));
        area = dot;
        break;
    }
    case Primitive::Op::Text: {
        painter.setRenderHint(QPainter::Antialiasing, true);
        painter.setFont(p.font);
        painter.setPen(QColor::fromRgb(p.colour));
        const QFontMetricsF metrics(p.font);
        painter.drawText(QPointF(a.x(), a.y() + metrics.ascent()), p.text);
        area = QRectF(a, QSizeF(metrics.horizontalAdvance(p.text), metrics.height()));
        break;
    }
    }
    if (touched)
        *touched = area.adjusted(-margin, -margin, margin, margin);
}

void Surface::replay(QPainter &painter) const
{
    painter.fillRect(QRectF(QPointF(0, 0), size_), QColor::fromRgb(back_colour_));
    for (const Primitive &p : record_)
        draw(painter, p, nullptr);
}

void Surface::allocate_image()
{
    const QSize device(qCeil(size_.width() * ratio_), qCeil(size_.height() * ratio_));
    if (image_.size() != device)
        image_ = QImage(device, QImage::Format_RGB32);
    image_.setDevicePixelRatio(ratio_);
    image_.fill(back_colour_);
}

QImage &Surface::painter_image()
{
    if (image_.isNull())
        draw_pending();
    return image_;
}

void Surface::draw_pending()
{
    if (!image_.isNull())
        return;
    allocate_image();
    if (pending_.empty())
        return;
    QPainter painter(&image_);
    painter.setClipRect(QRectF(QPointF(0, 0), size_));
    for (const Primitive &p : pending_)
        draw(painter, p, nullptr);
    pending_.clear();
}

QPainter &Surface::painter()
{
    if (!painter_) {
        painter_ = std::make_unique<QPainter>(&painter_image());
        painter_->setClipRect(QRectF(QPointF(0, 0), size_));
    }
    return *painter_;
}

void Surface::end_painting() { painter_.reset(); }

const QImage &Surface::image()
{
    end_painting();
    return painter_image();
}

void Surface::paint_onto(QPainter &painter, const QRect &exposed)
{
    end_painting();
    if (!image_.isNull()) {
        painter.drawImage(QPointF(0, 0), image_);
        return;
    }
    // Without an image the surface is its background and the few primitives drawn on it.
    const QRect area = exposed & QRect(QPoint(0, 0), size_);
    painter.fillRect(area, QColor::fromRgb(back_colour_));
    if (pending_.empty())
        return;
    painter.save();
    painter.setClipRect(area, Qt::IntersectClip);
    for (const Primitive &p : pending_)
        draw(painter, p, nullptr);
    painter.restore();
}

void Surface::notify(const QRectF &rect)
{
    if (changed)
        changed(rect.toAlignedRect());
}
