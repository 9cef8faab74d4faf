#pragma once

#include "palette.h"

#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <random>

// Pictures of the drawing surface's size to record: the recording tests and benchmarks share
// them.

// The drawing surface's logical size.
inline const QSize picture_size(509, 509);

// A drawing in the 16 palette colours without antialiasing: few colours, all exact in a GIF.
// Each step moves the figures, so consecutive steps differ in large areas.
inline QImage palette_drawing(int step)
{
    QImage image(picture_size, QImage::Format_RGB32);
    image.fill(QBColor(15));
    QPainter p(&image);
    for (int i = 0; i < 12; ++i) {
        const int x = (37 * i + 11 * step) % 400;
        const int y = (53 * i + 7 * step) % 400;
        p.fillRect(x, y, 60 + i, 40 + 2 * i, QColor::fromRgb(QBColor(i % 15)));
        p.setPen(QColor::fromRgb(QBColor((i + 5) % 15)));
        p.drawLine(0, y + i, 508, (y * 3 + step) % 509);
    }
    return image;
}

// A figure as the topics draw it: antialiased circles, lines and a curve in palette colours on
// white, so the frame holds the main colours and hundreds of blended shades between them.
inline QImage antialiased_drawing(double turn)
{
    QImage image(picture_size, QImage::Format_RGB32);
    image.fill(QBColor(15));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(254.5, 254.5);
    p.rotate(turn * 360);
    for (int i = 0; i < 16; ++i) {
        p.setPen(QPen(QColor::fromRgb(QBColor(i % 15)), 1 + i % 3));
        p.drawEllipse(QPointF(10.0 * i - 80, 5.0 * i - 40), 30.0 + 9 * i, 20.0 + 7 * i);
        p.drawLine(QPointF(-250, -250 + 31.0 * i), QPointF(250, 250 - 17.0 * i));
    }
    // The golden spiral r = 2 e^(0.306 a): it grows by phi each quarter turn.
    QPainterPath spiral;
    spiral.moveTo(0, 0);
    for (int k = 1; k < 400; ++k) {
        const double a = k * 0.05;
        const double r = 2 * std::exp(0.306 * a);
        spiral.lineTo(r * std::cos(a), r * std::sin(a));
    }
    p.setPen(QPen(QColor::fromRgb(QBColor(12)), 2));
    p.drawPath(spiral);
    return image;
}

// The chaos game's step as the recording sees it: 50 more dots in palette colours.
inline void add_chaos_dots(QImage &image, std::mt19937 &random)
{
    for (int d = 0; d < 50; ++d) {
        const int x = int(random() % std::uint32_t(image.width()));
        const int y = int(random() % std::uint32_t(image.height()));
        image.setPixel(x, y, QBColor(1 + int(random() % 15)));
    }
}

inline QImage black_picture()
{
    QImage image(picture_size, QImage::Format_RGB32);
    image.fill(QBColor(0));
    return image;
}
