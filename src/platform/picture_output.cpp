#include "picture_output.h"

#include "picture_box.h"

#include <QBuffer>
#include <QMimeData>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QSvgGenerator>
#include <QtMath>

namespace {

// A logical pixel is 1/96 inch: 15 twips.
constexpr int logical_dpi = 96;

const QString drawing_title = QStringLiteral("Aurelion drawing");

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
    QPainter painter(&image);
    scale_to_ratio(painter, ratio);
    paint_picture(picture, painter, ink);
    return image;
}

bool write_png(const QImage &image, QIODevice &device) { return image.save(&device, "PNG"); }

bool write_picture_svg(const PictureBox &picture, QIODevice &device, Ink ink)
{
    const QSize size = picture.surface().inner_size();
    QSvgGenerator svg;
    svg.setOutputDevice(&device);
    svg.setResolution(logical_dpi);
    svg.setSize(size);
    svg.setViewBox(QRect(QPoint(0, 0), size));
    svg.setTitle(drawing_title);
    QPainter painter(&svg);
    painter.setClipRect(QRect(QPoint(0, 0), size));
    picture.surface().replay(painter, ink);
    picture.paint_markers(painter);
    return painter.end();
}

bool write_picture_pdf(const PictureBox &picture, QIODevice &device, Ink ink)
{
    const QSize size = picture.surface().inner_size();
    QPdfWriter pdf(&device);
    pdf.setTitle(drawing_title);
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

bool write_picture(
    const PictureBox &picture, PictureFormat format, qreal ratio, Ink ink, QIODevice &device)
{
    switch (format) {
    case PictureFormat::Png:
        return write_png(picture_image(picture, ratio, ink), device);
    case PictureFormat::Svg:
        return write_picture_svg(picture, device, ink);
    case PictureFormat::Pdf:
        return write_picture_pdf(picture, device, ink);
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
    // The whole file is made first and then written unbuffered with every byte counted: the PDF
    // and SVG writers do not notice a short write, which is how a full disk shows itself first,
    // and neither does the flush when a buffered save file is committed.
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!write(buffer))
        return QStringLiteral("the contents could not be made");
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return file.errorString();
    for (qint64 done = 0; done < bytes.size();) {
        const qint64 written = file.write(bytes.constData() + done, bytes.size() - done);
        if (written <= 0) {
            const QString why = file.errorString();
            file.cancelWriting();
            return why;
        }
        done += written;
    }
    if (!file.commit())
        return file.errorString();
    return {};
}
