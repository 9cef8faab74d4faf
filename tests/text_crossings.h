#pragma once

#include "surface.h"

#include <QFontMetricsF>
#include <QRectF>
#include <QString>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <optional>
#include <vector>

// What a text drawn on a surface runs into there, computed from the surface's record as the
// surface draws it: the ink of each word with the program's own fonts, in the surface's pixels.
namespace crossings {

// A word of a drawn text (the letters between blanks) and the box its ink fills.
struct Word
{
    QString word;
    QRectF ink;
};

enum class Kind {
    Line, // a line, an outline's edge or a hatch passes through the word
    Curve, // a circle, an ellipse or an arc passes through it
    Text, // another text's ink overlaps it
    Hidden, // a fill drawn after it covers all of it: it does not show
    Covered, // a fill drawn after it covers part of it
};

struct Crossing
{
    std::size_t text; // the text's place in the record
    QString word;
    std::size_t other; // what it runs into
    Kind kind;
};

// A primitive's user coordinates in the surface's pixels.
inline QPointF to_pixels(const Primitive &p, QSize size, double x, double y)
{
    return { (x - p.scale.left) * size.width() / p.scale.width,
        (y - p.scale.top) * size.height() / p.scale.height };
}

// The words of a text as the surface prints it: the upper-left corner at its position, the
// baseline one ascent below.
inline std::vector<Word> words_of(const Primitive &text, QSize size)
{
    std::vector<Word> words;
    const QFontMetricsF metrics(text.font);
    const QPointF corner = to_pixels(text, size, text.x1, text.y1);
    const QString &s = text.text;
    for (qsizetype start = 0, end = 0; start < s.size(); start = end) {
        if (s[start].isSpace()) {
            end = start + 1;
            continue;
        }
        for (end = start; end < s.size() && !s[end].isSpace(); ++end) { }
        const QString word = s.mid(start, end - start);
        const double left = corner.x() + metrics.horizontalAdvance(s.left(start));
        words.push_back({ word,
            metrics.tightBoundingRect(word).translated(left, corner.y() + metrics.ascent()) });
    }
    return words;
}

// What shows of a primitive: the surface's area, or its clip.
inline QRectF shown_area(const Primitive &p, QSize size)
{
    const QRectF whole(QPointF(0, 0), QSizeF(size));
    if (!p.clip)
        return whole;
    return QRectF(to_pixels(p, size, p.clip->left(), p.clip->top()),
        to_pixels(p, size, p.clip->right(), p.clip->bottom()))
        .normalized()
        .intersected(whole);
}

// Whether the segment from a to b passes through the inside of the rectangle (Liang-Barsky).
inline bool segment_enters(QPointF a, QPointF b, const QRectF &r)
{
    if (r.isEmpty())
        return false;
    double t0 = 0, t1 = 1;
    const double dx = b.x() - a.x(), dy = b.y() - a.y();
    const double p[] = { -dx, dx, -dy, dy };
    const double q[] = { a.x() - r.left(), r.right() - a.x(), a.y() - r.top(), r.bottom() - a.y() };
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] <= 0)
                return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
        if (t0 >= t1)
            return false;
    }
    return true;
}

// A box's corners in pixels.
inline QRectF box_of(const Primitive &p, QSize size)
{
    return QRectF(to_pixels(p, size, p.x1, p.y1), to_pixels(p, size, p.x2, p.y2)).normalized();
}

// Whether a circle's or an arc's curve passes through the rectangle: the curve followed in steps
// of a quarter pixel. Angles run anticlockwise on the screen, where y grows downwards.
inline bool curve_enters(const Primitive &c, QSize size, const QRectF &r)
{
    const QPointF centre = to_pixels(c, size, c.x1, c.y1);
    const double radius = std::abs(c.radius * size.width() / c.scale.width);
    const double rx = c.aspect < 1 ? radius : radius / c.aspect;
    const double ry = c.aspect < 1 ? radius * c.aspect : radius;
    constexpr double two_pi = 2 * std::numbers::pi;
    const double start = c.start.value_or(0);
    double span = c.end.value_or(two_pi) - start;
    while (span < 0)
        span += two_pi;
    const int steps = std::max(16, int(span * std::max(rx, ry) * 4));
    for (int k = 0; k <= steps; ++k) {
        const double angle = start + span * k / steps;
        const QPointF p(centre.x() + rx * std::cos(angle), centre.y() - ry * std::sin(angle));
        if (p.x() > r.left() && p.x() < r.right() && p.y() > r.top() && p.y() < r.bottom())
            return true;
    }
    return false;
}

// An opaque fill: a box filled in its colour or solidly, a circle filled solidly.
inline bool opaque(const Primitive &p)
{
    return p.fill && (p.solid_fill || p.fill_style == 0)
        && (p.op == Primitive::Op::Box || (p.op == Primitive::Op::Circle && !p.start && !p.end));
}

// The area an opaque fill covers, as a rectangle that lies inside it.
inline QRectF covered_by(const Primitive &p, QSize size)
{
    if (p.op == Primitive::Op::Box)
        return box_of(p, size).intersected(shown_area(p, size));
    // A circle covers at least the rectangle inscribed in it.
    const QPointF centre = to_pixels(p, size, p.x1, p.y1);
    const double radius = std::abs(p.radius * size.width() / p.scale.width);
    const double rx = (p.aspect < 1 ? radius : radius / p.aspect) / std::numbers::sqrt2;
    const double ry = (p.aspect < 1 ? radius * p.aspect : radius) / std::numbers::sqrt2;
    return QRectF(centre.x() - rx, centre.y() - ry, 2 * rx, 2 * ry)
        .intersected(shown_area(p, size));
}

// A surface's record with what the crossings are computed from: each text's words and each
// opaque fill's area, in pixels.
class Drawing
{
public:
    Drawing(const std::vector<Primitive> &record, QSize size)
        : record_(record)
        , size_(size)
        , words_(record.size())
    {
        for (std::size_t i = 0; i < record.size(); ++i) {
            if (record[i].op == Primitive::Op::Text)
                words_[i] = words_of(record[i], size);
            else if (opaque(record[i]))
                fills_.emplace_back(i, covered_by(record[i], size));
        }
    }

    // Every word of every text and what it runs into; each pair of texts once.
    std::vector<Crossing> crossings() const
    {
        std::vector<Crossing> found;
        for (std::size_t t = 0; t < record_.size(); ++t)
            for (const Word &word : words_[t]) {
                for (std::size_t o = 0; o < record_.size(); ++o)
                    if (o != t && !(record_[o].op == Primitive::Op::Text && o < t))
                        if (const auto kind = meets(t, word, o); kind && !masked(word, o, t))
                            found.push_back({ t, word.word, o, *kind });
                if (const auto cover = covering(t, word))
                    found.push_back(*cover);
            }
        return found;
    }

private:
    // What primitive `other` does to a word of the text at `text`: a line, outline or curve
    // that passes through the word's ink, whenever it was drawn, or another text's ink that
    // overlaps it. A fill drawn before the text is the ground it stands on; one drawn after it
    // is looked at by covering().
    std::optional<Kind> meets(std::size_t text, const Word &word, std::size_t other) const
    {
        const Primitive &o = record_[other];
        const QRectF ink = word.ink.intersected(shown_area(o, size_));
        // A line w pixels wide reaches (w - 1) / 2 beyond its middle on each side.
        const double half = (o.draw_width - 1) / 2.0;
        const QRectF reach = ink.adjusted(-half, -half, half, half);
        const bool outline = o.draw_style != 5;
        switch (o.op) {
        case Primitive::Op::Line:
            if (outline
                && segment_enters(
                    to_pixels(o, size_, o.x1, o.y1), to_pixels(o, size_, o.x2, o.y2), reach))
                return Kind::Line;
            return {};
        case Primitive::Op::Box: {
            const QRectF box = box_of(o, size_);
            // A hatch drawn over the word runs through it.
            if (o.fill && !opaque(o) && other > text && box.intersects(ink))
                return Kind::Line;
            // A box filled in its own colour has no edge of another colour.
            if (outline && !o.solid_fill
                && (segment_enters(box.topLeft(), box.topRight(), reach)
                    || segment_enters(box.topRight(), box.bottomRight(), reach)
                    || segment_enters(box.bottomRight(), box.bottomLeft(), reach)
                    || segment_enters(box.bottomLeft(), box.topLeft(), reach)))
                return Kind::Line;
            return {};
        }
        case Primitive::Op::Circle:
            if (outline && curve_enters(o, size_, reach))
                return Kind::Curve;
            return {};
        case Primitive::Op::Text:
            // The same text printed again over itself shows as one.
            if (o.text == record_[text].text && o.x1 == record_[text].x1
                && o.y1 == record_[text].y1)
                return {};
            for (const Word &w : words_[other])
                if (w.ink.intersects(ink))
                    return Kind::Text;
            return {};
        case Primitive::Op::Point:
            return {};
        }
        return {};
    }

    // Whether an opaque fill drawn after `other` and before the text holds the whole word, so
    // that nothing of `other` shows under it.
    bool masked(const Word &word, std::size_t other, std::size_t text) const
    {
        return std::any_of(fills_.begin(), fills_.end(), [&](const auto &fill) {
            return fill.first > other && fill.first < text && fill.second.contains(word.ink);
        });
    }

    // What the opaque fills drawn after a text leave of a word, together: nothing (the word is
    // hidden under the drawing, as an axis's numbers under a figure), part of it, or all. The
    // word's ink is looked at in points a quarter pixel apart.
    std::optional<Crossing> covering(std::size_t text, const Word &word) const
    {
        std::vector<std::pair<std::size_t, QRectF>> over;
        for (const auto &fill : fills_)
            if (fill.first > text && fill.second.intersects(word.ink))
                over.push_back(fill);
        if (over.empty())
            return {};
        bool seen = false, hidden = false;
        for (double y = word.ink.top() + 0.125; y < word.ink.bottom(); y += 0.25)
            for (double x = word.ink.left() + 0.125; x < word.ink.right(); x += 0.25) {
                const bool under = std::any_of(over.begin(), over.end(),
                    [x, y](const auto &fill) { return fill.second.contains(QPointF(x, y)); });
                (under ? hidden : seen) = true;
            }
        if (!hidden)
            return {};
        return Crossing { text, word.word, over.front().first,
            seen ? Kind::Covered : Kind::Hidden };
    }

    const std::vector<Primitive> &record_;
    QSize size_;
    std::vector<std::vector<Word>> words_; // of each text, by its place in the record
    std::vector<std::pair<std::size_t, QRectF>> fills_; // each opaque fill's place and area
};

// A primitive named the same in every language: a text by its place, anything else by its
// shape, place and colour.
inline QString key(const Primitive &p)
{
    if (p.op == Primitive::Op::Text)
        return QStringLiteral("text at %1, %2").arg(p.x1).arg(p.y1);
    return QStringLiteral("%1 %2 %3 %4 %5 %6 %7 %8 %9")
        .arg(int(p.op))
        .arg(p.x1)
        .arg(p.y1)
        .arg(p.x2)
        .arg(p.y2)
        .arg(p.radius)
        .arg(p.start.value_or(-1))
        .arg(p.end.value_or(-1))
        .arg(p.colour);
}

// What a primitive is, for a message.
inline QString describe(const Primitive &p)
{
    switch (p.op) {
    case Primitive::Op::Line:
        return QStringLiteral("the line (%1, %2)-(%3, %4)").arg(p.x1).arg(p.y1).arg(p.x2).arg(p.y2);
    case Primitive::Op::Box:
        return QStringLiteral("the box (%1, %2)-(%3, %4)").arg(p.x1).arg(p.y1).arg(p.x2).arg(p.y2);
    case Primitive::Op::Circle:
        return QStringLiteral("the %1 around (%2, %3), radius %4")
            .arg(p.start || p.end ? QStringLiteral("arc") : QStringLiteral("circle"))
            .arg(p.x1)
            .arg(p.y1)
            .arg(p.radius);
    case Primitive::Op::Text:
        return QStringLiteral("\"%1\"").arg(p.text);
    case Primitive::Op::Point:
        break;
    }
    return QStringLiteral("a point");
}

} // namespace crossings
