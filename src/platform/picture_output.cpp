#include "picture_output.h"

#include "output_file.h"
#include "picture_box.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QMimeData>
#include <QPageSize>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QSvgGenerator>
#include <QtMath>

#include <map>
#include <vector>

namespace {

// A logical pixel is 1/96 inch: 15 twips.
constexpr int logical_dpi = 96;

// The title of a picture that names nothing else, in the window's language.
QString drawing_title() { return QCoreApplication::translate("Picture", "Aurelion drawing"); }

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

// The points as a bitmap of their pixels, transparent between them: where points of many colours
// lie scattered pixel by pixel (the chaos game's hexagon), a compressed bitmap is a fraction of
// the paths, and a point is its pixel. It is drawn without smoothing, so each point stays a sharp
// square when enlarged.
QByteArray points_image_svg(const std::vector<PointCover> &covers)
{
    QRect bounds;
    for (const PointCover &cover : covers)
        for (const QRect &stretch : cover.stretches)
            bounds |= stretch;
    QImage image(bounds.size(), QImage::Format_Indexed8);
    QList<QRgb> table { qRgba(0, 0, 0, 0) };
    for (const PointCover &cover : covers)
        table << (cover.colour | 0xFF000000);
    if (table.size() > 256)
        return {};
    image.setColorTable(table);
    image.fill(0);
    for (std::size_t i = 0; i < covers.size(); ++i)
        for (const QRect &stretch : covers[i].stretches) {
            uchar *row = image.scanLine(stretch.y() - bounds.top());
            std::fill_n(row + stretch.x() - bounds.left(), stretch.width(), uchar(i + 1));
        }
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG", 0))
        return {};
    return "<image x=\"" + QByteArray::number(bounds.x()) + "\" y=\""
        + QByteArray::number(bounds.y()) + "\" width=\"" + QByteArray::number(bounds.width())
        + "\" height=\"" + QByteArray::number(bounds.height())
        + "\" preserveAspectRatio=\"none\" image-rendering=\"optimizeSpeed\" "
          "xlink:href=\"data:image/png;base64,"
        + png.toBase64() + "\"/>\n";
}

// The points as paths, or as a bitmap where they lie scattered and that is much smaller.
QByteArray points_piece(const std::vector<PointCover> &covers)
{
    QByteArray paths = points_svg(covers);
    // Vector graphics wherever they stay reasonable: a bitmap only for what would take a large
    // part of the file's 150 kB as paths.
    if (paths.size() < 64 * 1024)
        return paths;
    QByteArray bitmap = points_image_svg(covers);
    return !bitmap.isEmpty() && bitmap.size() < paths.size() ? bitmap : paths;
}

// A path's outline in SVG's path syntax, in logical pixels.
QByteArray svg_path_data(const QPainterPath &path)
{
    QByteArray d;
    const auto number = [](double v) { return QByteArray::number(v, 'g', 7); };
    for (int i = 0; i < path.elementCount(); ++i) {
        const QPainterPath::Element e = path.elementAt(i);
        if (e.isMoveTo())
            d += 'M';
        else if (e.isLineTo())
            d += 'L';
        else if (e.isCurveTo())
            d += 'C';
        else
            d += ' ';
        d += number(e.x) + ' ' + number(e.y);
    }
    return d;
}

// A hatch as the lines of its pattern, clipped to its area, drawn without antialiasing: at the
// drawing's size they cover the screen's pixels of the pattern, and enlarged they stay thin
// lines, not a stair of squares.
QByteArray hatch_svg(const QPainterPath &area, QRgb colour, Qt::BrushStyle style, std::size_t index)
{
    const QByteArray id = "aurelion-hatch-" + QByteArray::number(quint64(index));
    return "<clipPath id=\"" + id + "\"><path d=\"" + svg_path_data(area) + "\"/></clipPath>\n"
        + "<path clip-path=\"url(#" + id + ")\" fill=\"none\" stroke=\""
        + QColor::fromRgb(colour).name().toLatin1() + "\" stroke-width=\""
        + QByteArray::number(hatch_line_width(style), 'g', 4)
        + "\" stroke-linecap=\"butt\" shape-rendering=\"crispEdges\" d=\""
        + svg_path_data(hatch_lines(area.boundingRect(), style)) + "\"/>\n";
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

// Marks the place of a piece written here (a stretch of points, a hatch) in the generator's
// output: a text no topic prints.
QString piece_mark(std::size_t index)
{
    return QStringLiteral("aurelion-piece-%1-aurelion").arg(index);
}

// One attribute of an SVG element as a property of a style sheet: font sizes take their unit
// and font families their quotes there.
QByteArray css_property(const QByteArray &name, const QByteArray &value)
{
    static const QRegularExpression number(QStringLiteral("^[0-9.]+$"));
    if (name == "font-size" && number.match(QString::fromLatin1(value)).hasMatch())
        return name + ':' + value + "px";
    if (name != "font-family")
        return name + ':' + value;
    QByteArrayList families;
    for (QByteArray family : value.split(',')) {
        family = family.trimmed();
        const bool generic = family == "serif" || family == "sans-serif" || family == "monospace";
        families << (generic ? family : '\'' + family + '\'');
    }
    return name + ':' + families.join(',');
}

// Qt's generator opens a group for every change of the painter's state, each with the whole
// style, most of them empty: some hundred kilobytes for a drawing of many boxes. Here each style
// becomes a class written once in a style sheet, empty groups go, groups of one style in a row
// become one, a text leaves out the font its group gives it, and the pieces written here take
// the places of their marks. Returns nothing where the output is not as the generator writes it.
std::optional<QByteArray> shared_styles(
    const QByteArray &svg, const std::vector<QByteArray> &pieces)
{
    static const QRegularExpression attribute(QStringLiteral("([a-z:-]+)=\"([^\"]*)\""));
    static const QRegularExpression font(
        QStringLiteral(" (font-family|font-size|font-weight|font-style)=\"([^\"]*)\""));
    static const QRegularExpression mark(
        QStringLiteral("<text[^>]*>aurelion-piece-([0-9]+)-aurelion</text>"));
    const qsizetype defs_end = svg.indexOf("</defs>");
    const qsizetype outer = defs_end < 0 ? -1 : svg.indexOf("<g ", defs_end);
    const qsizetype body_start = outer < 0 ? -1 : svg.indexOf('>', outer);
    const qsizetype body_end = svg.lastIndexOf("</g>");
    if (body_start < 0 || body_end < body_start)
        return {};

    std::vector<QByteArray> styles;
    QByteArray body;
    int open = -1; // the class of the group being written, -1 for none
    for (qsizetype at = body_start + 1;;) {
        while (at < body_end && QChar::isSpace(svg[at]))
            ++at;
        if (at >= body_end)
            break;
        if (!svg.mid(at, 3).startsWith("<g "))
            return {};
        const qsizetype tag_end = svg.indexOf('>', at);
        const qsizetype group_end = svg.indexOf("</g>", tag_end);
        if (tag_end < 0 || group_end < 0 || group_end > body_end)
            return {};
        const QString tag = QString::fromUtf8(svg.mid(at + 3, tag_end - at - 3));
        QString content =
            QString::fromUtf8(svg.mid(tag_end + 1, group_end - tag_end - 1)).trimmed();
        at = group_end + 4;
        if (content.isEmpty())
            continue;
        if (content.contains(QLatin1String("<g")))
            return {};
        const bool text = content.contains(QLatin1String("<text"));
        QByteArrayList properties;
        std::map<QString, QString> fonts;
        for (auto it = attribute.globalMatch(tag); it.hasNext();) {
            const QRegularExpressionMatch m = it.next();
            const QString name = m.captured(1), value = m.captured(2);
            if (name == QLatin1String("transform") && value == QLatin1String("matrix(1,0,0,1,0,0)"))
                continue;
            if (name == QLatin1String("transform"))
                return {};
            if (name.startsWith(QLatin1String("font-"))) {
                if (!text)
                    continue;
                fonts[name] = value;
            }
            properties << css_property(name.toLatin1(), value.toUtf8());
        }
        // A text's font is its group's: the group gives it.
        if (text) {
            QString kept;
            qsizetype done = 0;
            for (auto it = font.globalMatch(content); it.hasNext();) {
                const QRegularExpressionMatch m = it.next();
                const auto given = fonts.find(m.captured(1));
                if (given == fonts.end() || given->second != m.captured(2))
                    continue;
                kept += content.mid(done, m.capturedStart() - done);
                done = m.capturedEnd();
            }
            content = kept + content.mid(done);
        }
        const QByteArray style = properties.join(';');
        const auto in_group = [&](QStringView shapes) {
            shapes = shapes.trimmed();
            if (shapes.isEmpty())
                return;
            const auto found = std::find(styles.begin(), styles.end(), style);
            const int index = int(found - styles.begin());
            if (found == styles.end())
                styles.push_back(style);
            if (index != open) {
                if (open >= 0)
                    body += "</g>\n";
                body += "<g class=\"s" + QByteArray::number(index) + "\">\n";
                open = index;
            }
            body += shapes.toUtf8() + '\n';
        };
        qsizetype done = 0;
        for (auto it = mark.globalMatch(content); it.hasNext();) {
            const QRegularExpressionMatch m = it.next();
            const std::size_t index = m.captured(1).toULongLong();
            if (index >= pieces.size())
                return {};
            in_group(QStringView(content).mid(done, m.capturedStart() - done));
            if (open >= 0)
                body += "</g>\n";
            open = -1;
            body += pieces[index];
            done = m.capturedEnd();
        }
        in_group(QStringView(content).mid(done));
    }
    if (open >= 0)
        body += "</g>\n";

    QByteArray sheet = "<style type=\"text/css\"><![CDATA[\n";
    for (std::size_t i = 0; i < styles.size(); ++i)
        sheet += ".s" + QByteArray::number(quint64(i)) + '{' + styles[i] + "}\n";
    sheet += "]]></style>\n";
    QByteArray head = svg.left(body_start + 1);
    // A style sheet is SVG 1.1's, not SVG Tiny's.
    head.replace("version=\"1.2\" baseProfile=\"tiny\"", "version=\"1.1\"");
    head.insert(head.indexOf("</defs>"), sheet);
    return head + '\n' + body + svg.mid(body_end);
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
    // A PDF takes the points as one path a colour, a line through each row stretch: its writer
    // would give every point a rectangle of its own, some hundred kilobytes for a thousand steps
    // of the chaos game.
    const bool pdf = painter.paintEngine() && painter.paintEngine()->type() == QPaintEngine::Pdf;
    if (pdf)
        picture.surface().replay(
            painter, ink, [](QPainter &p, const std::vector<PointCover> &covers) {
                for (const PointCover &cover : covers) {
                    QPainterPath rows;
                    for (const QRect &stretch : cover.stretches) {
                        rows.moveTo(stretch.left(), stretch.top() + 0.5);
                        rows.lineTo(stretch.left() + stretch.width(), stretch.top() + 0.5);
                    }
                    QPen pen(QColor::fromRgb(cover.colour), 1);
                    pen.setCapStyle(Qt::FlatCap);
                    p.strokePath(rows, pen);
                }
            });
    else
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
    // circles and texts, but some kilobytes of squares for a few points, and a hatch as a bitmap
    // pattern. The points (one path a colour) and the hatches are written here instead, where the
    // generator wrote a mark in their place.
    const QSize size = picture.surface().inner_size();
    QByteArray generated;
    QBuffer buffer(&generated);
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setResolution(logical_dpi);
    svg.setSize(size);
    svg.setViewBox(QRect(QPoint(0, 0), size));
    svg.setTitle(drawing_title());
    std::vector<QByteArray> pieces;
    const auto mark = [&pieces](QPainter &p, QByteArray &&piece) {
        // The generator leaves out a text drawn without a pen.
        p.save();
        p.setPen(Qt::black);
        p.drawText(QPointF(0, 0), piece_mark(pieces.size()));
        p.restore();
        pieces.push_back(std::move(piece));
    };
    VectorForm form;
    form.points = [&mark](QPainter &p, const std::vector<PointCover> &covers) {
        mark(p, points_piece(covers));
    };
    form.hatch = [&mark, &pieces](
                     QPainter &p, const QPainterPath &area, QRgb colour, Qt::BrushStyle style) {
        mark(p, hatch_svg(area, colour, style, pieces.size()));
    };
    form.on_pixels = true;
    QPainter painter(&svg);
    painter.setClipRect(QRect(QPoint(0, 0), size));
    picture.surface().replay(painter, ink, form);
    picture.paint_markers(painter);
    if (!painter.end())
        return false;

    const std::optional<QByteArray> out = shared_styles(with_font_fallbacks(generated), pieces);
    return out && device.write(*out) == out->size();
}

bool write_picture_pdf(const PictureBox &picture, QIODevice &device, Ink ink, const QString &title)
{
    const QSize size = picture.surface().inner_size();
    QPdfWriter pdf(&device);
    pdf.setTitle(title.isEmpty() ? drawing_title() : title);
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
