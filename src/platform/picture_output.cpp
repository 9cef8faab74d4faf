#include "picture_output.h"

#include "output_file.h"
#include "picture_box.h"

#include <QBuffer>
#include <QMimeData>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QSvgGenerator>
#include <QtMath>

#include <vector>

namespace {

// A logical pixel is 1/96 inch: 15 twips.
constexpr int logical_dpi = 96;

const QString drawing_title = QStringLiteral("Aurelion drawing");

// The points of a drawing as one path a colour: each row stretch a horizontal line one pixel
// wide through the middle of its row, which covers exactly its pixels. Moves are relative, so
// a dot next to the last costs a few bytes.
QByteArray points_svg(const std::vector<PointCover> &covers)
{
    QByteArray svg;
    for (const PointCover &cover : covers) {
        svg += "<path fill=\"none\" stroke=\"" + QColor::fromRgb(cover.colour).name().toLatin1()
            + "\" stroke-opacity=\"1\" stroke-width=\"1\" stroke-linecap=\"butt\" d=\"";
        QPoint at;
        bool first = true;
        for (const QRect &stretch : cover.stretches) {
            if (first)
                svg += 'M' + QByteArray::number(stretch.x()) + ' ' + QByteArray::number(stretch.y())
                    + ".5";
            else
                svg += 'm' + QByteArray::number(stretch.x() - at.x()) + ' '
                    + QByteArray::number(stretch.y() - at.y());
            svg += 'h' + QByteArray::number(stretch.width());
            at = QPoint(stretch.x() + stretch.width(), stretch.y());
            first = false;
        }
        svg += "\"/>\n";
    }
    return svg;
}

// Every font named with a family any SVG reader has as a fallback.
QByteArray with_font_fallbacks(const QByteArray &svg)
{
    static const QRegularExpression family(QStringLiteral("font-family=\"([^\"]*)\""));
    QString text = QString::fromUtf8(svg);
    QString out;
    out.reserve(text.size() + text.size() / 8);
    qsizetype done = 0;
    for (auto it = family.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        const QString name = m.captured(1);
        const bool mono = name.contains(QLatin1String("Mono"), Qt::CaseInsensitive)
            || name.contains(QLatin1String("Courier"), Qt::CaseInsensitive);
        out += QStringView(text).mid(done, m.capturedStart() - done);
        out += QStringLiteral("font-family=\"") + name
            + (mono ? QStringLiteral(", Courier New, Courier, monospace\"")
                    : QStringLiteral(", Arial, Helvetica, sans-serif\""));
        done = m.capturedEnd();
    }
    out += QStringView(text).mid(done);
    return out.toUtf8();
}

// Marks the place of a stretch of points in the generator's output: a text no topic prints.
QString points_mark(std::size_t index)
{
    return QStringLiteral("aurelion-points-%1-aurelion").arg(index);
}

} // namespace

std::optional<PictureFormat> picture_format_of(const QString &path)
{
    if (path.endsWith(QLatin1String(".png"), Qt::CaseInsensitive))
        return PictureFormat::Png;
    if (path.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive))
        return PictureFormat::Svg;
    if (path.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive))
        return PictureFormat::Pdf;
    return {};
}

void paint_picture(const PictureBox &picture, QPainter &painter, Ink ink)
{
    const QSize size = picture.surface().inner_size();
    painter.save();
    painter.setClipRect(QRect(QPoint(0, 0), size), Qt::IntersectClip);
    picture.surface().replay(painter, ink);
    picture.paint_markers(painter);
    painter.restore();
}

QImage picture_image(const PictureBox &picture, qreal ratio, Ink ink)
{
    const QSize size = picture.surface().inner_size();
    QImage image(qCeil(size.width() * ratio), qCeil(size.height() * ratio), QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    const int dots_per_metre = qRound(logical_dpi * ratio / 0.0254);
    image.setDotsPerMeterX(dots_per_metre);
    image.setDotsPerMeterY(dots_per_metre);
    QPainter painter(&image);
    scale_to_ratio(painter, ratio);
    paint_picture(picture, painter, ink);
    return image;
}

bool write_png(const QImage &image, QIODevice &device) { return image.save(&device, "PNG"); }

bool write_picture_svg(const PictureBox &picture, QIODevice &device, Ink ink)
{
    // Qt's generator writes every shape in a group of its own: right for the lines, boxes,
    // circles and texts, but some kilobytes of squares for a few points. The points are written
    // here instead, one path a colour, where the generator wrote a mark in their place.
    const QSize size = picture.surface().inner_size();
    QByteArray generated;
    QBuffer buffer(&generated);
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setResolution(logical_dpi);
    svg.setSize(size);
    svg.setViewBox(QRect(QPoint(0, 0), size));
    svg.setTitle(drawing_title);
    std::vector<QByteArray> points;
    QPainter painter(&svg);
    painter.setClipRect(QRect(QPoint(0, 0), size));
    picture.surface().replay(
        painter, ink, [&points](QPainter &p, const std::vector<PointCover> &covers) {
            p.drawText(QPointF(0, 0), points_mark(points.size()));
            points.push_back(points_svg(covers));
        });
    picture.paint_markers(painter);
    if (!painter.end())
        return false;

    QByteArray out = with_font_fallbacks(generated);
    for (std::size_t i = 0; i < points.size(); ++i) {
        const QByteArray mark = points_mark(i).toLatin1() + "</text>";
        const qsizetype end = out.indexOf(mark);
        const qsizetype start = end < 0 ? -1 : out.lastIndexOf("<text", end);
        if (start < 0)
            return false;
        out.replace(start, end + mark.size() - start, points[i]);
    }
    return device.write(out) == out.size();
}

bool write_picture_pdf(const PictureBox &picture, QIODevice &device, Ink ink, const QString &title)
{
    const QSize size = picture.surface().inner_size();
    QPdfWriter pdf(&device);
    pdf.setTitle(title.isEmpty() ? drawing_title : title);
    pdf.setCreator(QStringLiteral("Aurelion"));
    pdf.setResolution(logical_dpi);
    // A page holds whole points: the drawing's size, rounded up.
    const QSize points(
        qCeil(size.width() * 72.0 / logical_dpi), qCeil(size.height() * 72.0 / logical_dpi));
    pdf.setPageSize(QPageSize(points, QPageSize::Point, QString(), QPageSize::ExactMatch));
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
    QPainter painter;
    if (!painter.begin(&pdf))
        return false;
    paint_picture(picture, painter, ink);
    return painter.end();
}

bool write_picture(const PictureBox &picture, PictureFormat format, qreal ratio, Ink ink,
    QIODevice &device, const QString &title)
{
    switch (format) {
    case PictureFormat::Png:
        return write_png(picture_image(picture, ratio, ink), device);
    case PictureFormat::Svg:
        return write_picture_svg(picture, device, ink);
    case PictureFormat::Pdf:
        return write_picture_pdf(picture, device, ink, title);
    }
    return false;
}

QMimeData *picture_mime_data(const PictureBox &picture, qreal screen_ratio)
{
    const QImage image = picture_image(picture, 2 * screen_ratio);
    QByteArray png, svg;
    QBuffer png_buffer(&png), svg_buffer(&svg);
    png_buffer.open(QIODevice::WriteOnly);
    svg_buffer.open(QIODevice::WriteOnly);
    auto *data = new QMimeData;
    data->setImageData(image);
    if (write_png(image, png_buffer))
        data->setData(QStringLiteral("image/png"), png);
    if (write_picture_svg(picture, svg_buffer))
        data->setData(QStringLiteral("image/svg+xml"), svg);
    return data;
}

QString save_file(const QString &path, const std::function<bool(QIODevice &)> &write)
{
    // The whole file is made first and then written with every byte counted: the PDF and SVG
    // writers do not notice a short write, which is how a full disk shows itself first.
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!write(buffer))
        return QStringLiteral("the contents could not be made");
    OutputFile file(path);
    if (!file.open() || !file.write(bytes) || !file.commit())
        return file.error();
    return {};
}

QString save_stream(const QString &path, const std::function<bool(OutputFile &)> &write)
{
    OutputFile file(path);
    if (!file.open())
        return file.error();
    if (!write(file)) {
        const QString why = file.error();
        file.cancel();
        return why.isEmpty() ? QStringLiteral("the contents could not be made") : why;
    }
    if (!file.commit())
        return file.error();
    return {};
}
