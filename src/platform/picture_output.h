#pragma once

#include "surface.h"

#include <QImage>
#include <QString>

#include <functional>
#include <optional>

class OutputFile;
class PictureBox;
class QIODevice;
class QMimeData;
class QPainter;

// The drawing surface's picture as it leaves the program: a bitmap at any resolution, vector
// graphics (SVG, PDF) and the clipboard's data. The window and the render tool both write
// through these functions.
//
// Vector pictures keep the drawing's size in logical pixels of 1/96 inch, the size a twip-based
// design has on a 96-dpi screen (15 twips a pixel), so they print at the drawing's true size.

enum class PictureFormat { Png, Svg, Pdf };

// The format a file name asks for by its extension (.png, .svg, .pdf, in any case).
std::optional<PictureFormat> picture_format_of(const QString &path);

// The drawing with its markers over it, background first, onto any painter in the surface's
// logical pixels; nothing outside the drawing shows.
void paint_picture(const PictureBox &picture, QPainter &painter, Ink ink = Ink::Colour);

// The drawing with its markers as a bitmap at a device pixel ratio (2: twice as many pixels
// each way as logical pixels). Its resolution is 96 dpi times the ratio, so at any ratio it
// means the drawing's true size.
QImage picture_image(const PictureBox &picture, qreal ratio, Ink ink = Ink::Colour);

bool write_png(const QImage &image, QIODevice &device);
bool write_picture_svg(const PictureBox &picture, QIODevice &device, Ink ink = Ink::Colour);
// One page the size of the drawing, with the title in its document information (none: a
// general one).
bool write_picture_pdf(
    const PictureBox &picture, QIODevice &device, Ink ink = Ink::Colour, const QString &title = {});
// In the format given; the ratio is the PNG's device pixel ratio, the vector formats ignore it.
// The title names the picture where the format keeps one (the PDF).
bool write_picture(const PictureBox &picture, PictureFormat format, qreal ratio, Ink ink,
    QIODevice &device, const QString &title = {});

// What Copy puts on the clipboard: the bitmap at twice the screen's pixel ratio (as an image
// and as image/png) and the vector drawing (image/svg+xml). The caller owns the result.
QMimeData *picture_mime_data(const PictureBox &picture, qreal screen_ratio);

// Makes the file's contents with the function, then writes them through a temporary file that
// replaces the target only when every byte is written, so a failed write (a folder that cannot
// be written, a full disk) leaves no partial file; a pipe, a device or "-" (the standard output)
// is written in place (OutputFile). Returns why it failed, or nothing.
QString save_file(const QString &path, const std::function<bool(QIODevice &)> &write);
// The same for contents too large to hold: the function writes them into the file as it makes
// them, and the file takes its name once they are complete.
QString save_stream(const QString &path, const std::function<bool(OutputFile &)> &write);
