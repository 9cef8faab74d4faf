#pragma once

#include "surface.h"

#include <QLineF>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QRectF>
#include <QSize>
#include <QStringList>

#include <functional>
#include <memory>
#include <vector>

class QIODevice;
class QLocale;
class QPainter;
class QPdfWriter;
class QPrinter;

// One panel of the topic's frame as a worksheet lists it: the panel's name and its rows, each
// row the texts of its cells from left to right (a name and a value, or a table row).
struct WorksheetPanel
{
    QString title;
    std::vector<QStringList> rows;
};

// A picture of the window on a page: its size in logical pixels and how to paint it.
struct WorksheetFigure
{
    QSize size;
    // Paints the picture in its logical pixels, background first.
    std::function<void(QPainter &, Ink)> paint;
    bool shown() const { return !size.isEmpty() && paint; }
};

// A question on a page, with ruled lines under it to write the answer on, or with its answer.
struct WorksheetQuestion
{
    QString question; // as it is printed, with its number ("2. Which ratio?")
    QString answer; // as it is printed ("Answer: The golden number."); empty: ruled lines
};

// What a worksheet page shows of the topic on screen.
struct Worksheet
{
    QString heading; // the topic's name as its menu shows it
    WorksheetFigure drawing;
    QStringList texts; // the side panel's lines, in the order they were printed
    WorksheetFigure side_panel; // the side panel itself where it holds a diagram, not just text
    std::vector<WorksheetPanel> panels;
    // A handout's page adds the teacher's words across the page under the rest: paragraphs of
    // explanation, then the questions under their heading.
    QStringList paragraphs;
    QString questions_heading; // "Questions"; empty: none
    std::vector<WorksheetQuestion> questions;
};

enum class Paper { A4, Letter };

// Letter where the locale's country uses it (the United States, Canada and their neighbours in
// the Americas, the Philippines), A4 everywhere else.
Paper paper_for(const QLocale &locale);
QPageSize page_size_of(Paper paper);

// "Aurelion 1.6": the footer of every page and the creator of every PDF.
QString program_name_and_version();

// One line of text placed on a page.
struct PlacedText
{
    enum class Style { Heading, Text, PanelTitle, Cell, Footer, Paragraph, Question, Answer };
    QString text;
    Style style = Style::Text;
    double points = 10; // font size
    QRectF box; // the line's advance width by its height, in points from the page's corner
};

// Where everything of a worksheet goes on one portrait page, in points from the page's
// upper-left corner: the heading at the top (on as many lines as it needs), the drawing across
// the width under it (a page without a drawing has its texts there), the side
// panel's lines and the panels' rows under the drawing in one to three columns, the teacher's
// paragraphs and questions across the page under them in type of a fixed size (a question's
// answer, or ruled lines to write it on, under the question), the footer at the bottom. The
// drawing is scaled down, the columns added and the type of the columns made smaller, in that
// order of preference, until everything fits on the page.
struct WorksheetLayout
{
    QRectF page;
    QRectF content; // the page less its margins: everything lies inside
    double heading_bottom = 0; // under the heading's last line, which wraps where it is long
    QRectF drawing; // the drawing's place, in its own proportions; empty on a page without one
    QRectF side_panel; // the side panel's place where it is a figure, at most its true size
    std::vector<PlacedText> texts;
    std::vector<QLineF> rules; // the lines to write answers on
    int columns = 1;
    double text_points = 10;
    bool fits = false; // false only if even the smallest type in three columns overflows
};

// Ruled space for an answer: three lines 8 mm apart, as in a pupil's exercise book.
constexpr int worksheet_answer_rules = 3;
constexpr double worksheet_rule_points = 8 / 25.4 * 72;

// Margins of 15 mm, or the printer's least margins where they are wider.
constexpr double worksheet_margin_points = 15 / 25.4 * 72;

WorksheetLayout layout_worksheet(
    const Worksheet &sheet, const QSizeF &page_points, const QMarginsF &margins_points);

// Paints a laid-out page onto a painter whose unit is the point.
void paint_worksheet(
    QPainter &painter, const Worksheet &sheet, const WorksheetLayout &layout, Ink ink);

// The page as a PDF with vector graphics and real text.
bool write_worksheet_pdf(const Worksheet &sheet, const QPageSize &paper, Ink ink, QIODevice &device,
    QPageLayout::Orientation orientation = QPageLayout::Portrait);
// Several pages in one PDF, one after the other, titled with the document's title. Each page is
// painted as it is added, so what it shows needs to live only until then, and the pages are
// written as they come: a booklet of a thousand pages takes the memory of one.
class WorksheetPdf
{
public:
    WorksheetPdf(QIODevice &device, const QString &title, const QPageSize &paper, Ink ink);
    ~WorksheetPdf();
    bool add_page(const Worksheet &sheet);
    // Ends the document; false if a page or the end could not be written.
    bool finish();

private:
    std::unique_ptr<QPdfWriter> pdf_;
    std::unique_ptr<QPainter> painter_;
    QSizeF page_points_;
    Ink ink_;
    bool pages_ = false; // a page is painted
    bool ok_ = true;
};
// The page on a printer set up by the caller (paper, printer or file); false if it cannot start.
bool print_worksheet(const Worksheet &sheet, QPrinter &printer, Ink ink);
