#pragma once

#include <QProcess>
#include <QRectF>
#include <QRegularExpression>
#include <QSizeF>
#include <QStringList>
#include <QXmlStreamReader>

#include <vector>

// A PDF read from outside, as a reader's tools see it: poppler-utils' pdfinfo, pdftotext and
// pdfimages (paths given by CMake).
namespace pdf {

inline QString run(const char *program, const QStringList &arguments)
{
    QProcess process;
    process.start(QString::fromLocal8Bit(program), arguments);
    process.waitForFinished(60000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The size of the first page in points.
inline QSizeF page_size(const QString &path)
{
    const QString info = run(PDFINFO, { path });
    const QRegularExpressionMatch m =
        QRegularExpression(QStringLiteral("Page size:\\s+([0-9.]+) x ([0-9.]+) pts")).match(info);
    return m.hasMatch() ? QSizeF(m.captured(1).toDouble(), m.captured(2).toDouble()) : QSizeF();
}

inline int page_count(const QString &path)
{
    const QRegularExpressionMatch m =
        QRegularExpression(QStringLiteral("Pages:\\s+([0-9]+)")).match(run(PDFINFO, { path }));
    return m.hasMatch() ? m.captured(1).toInt() : 0;
}

// All the text, in reading order, with runs of blanks made one blank.
inline QString text(const QString &path)
{
    return run(PDFTOTEXT, { QStringLiteral("-raw"), path, QStringLiteral("-") }).simplified();
}

// The images the PDF holds, one line each.
inline QStringList images(const QString &path)
{
    QStringList lines = run(PDFIMAGES, { QStringLiteral("-list"), path })
                            .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    // The first two lines are the table's head.
    return lines.mid(2);
}

struct Word
{
    QString text;
    QRectF box; // in points from the page's upper-left corner
};

// Every word with its box, of every page or of one (from 1).
inline std::vector<Word> words(const QString &path, int page = 0)
{
    QStringList arguments { QStringLiteral("-bbox"), path, QStringLiteral("-") };
    if (page > 0)
        arguments = QStringList {
            QStringLiteral("-f"), QString::number(page), QStringLiteral("-l"), QString::number(page)
        } + arguments;
    const QString html = run(PDFTOTEXT, arguments);
    std::vector<Word> found;
    QXmlStreamReader xml(html);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement || xml.name() != QLatin1String("word"))
            continue;
        const QXmlStreamAttributes a = xml.attributes();
        const double x0 = a.value(QLatin1String("xMin")).toDouble();
        const double y0 = a.value(QLatin1String("yMin")).toDouble();
        const double x1 = a.value(QLatin1String("xMax")).toDouble();
        const double y1 = a.value(QLatin1String("yMax")).toDouble();
        found.push_back({ xml.readElementText(), QRectF(QPointF(x0, y0), QPointF(x1, y1)) });
    }
    return found;
}

} // namespace pdf
