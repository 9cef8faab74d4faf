#include "worksheet.h"

#include <QFontMetricsF>
#include <QLocale>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QTextLayout>

#include <algorithm>
#include <cmath>
#include <optional>

namespace {

// A font measured and drawn in points on any device. It is made at twenty times the size in
// pixels and drawn scaled down: pixel sizes do not depend on the device's resolution, and at
// that size the unhinted advances are exact to a fraction of a point.
class SheetFont
{
public:
    static constexpr double oversize = 20;

    SheetFont(double points, bool bold)
        : font_(make(points, bold))
        , metrics_(font_)
    { }
    const QFont &font() const { return font_; }
    double width(const QString &text) const { return metrics_.horizontalAdvance(text) / oversize; }
    double ascent() const { return metrics_.ascent() / oversize; }
    double line() const { return metrics_.lineSpacing() / oversize; }
    void draw(QPainter &painter, const QPointF &baseline, const QString &text) const
    {
        painter.save();
        painter.translate(baseline);
        painter.scale(1 / oversize, 1 / oversize);
        painter.setFont(font_);
        painter.drawText(QPointF(0, 0), text);
        painter.restore();
    }

private:
    static QFont make(double points, bool bold)
    {
        QFont font;
        font.setFamilies({ QStringLiteral("Liberation Sans") });
        font.setStyleHint(QFont::SansSerif);
        font.setPixelSize(qMax(1, qRound(points * oversize)));
        font.setBold(bold);
        font.setHintingPreference(QFont::PreferNoHinting);
        return font;
    }

    QFont font_;
    QFontMetricsF metrics_;
};

constexpr double heading_points = 16;
constexpr double notes_points = 10; // the teacher's words, at one size for the pupils to read
constexpr double footer_points = 8;
constexpr double text_sizes[] = { 10, 9, 8, 7 };
constexpr double heading_gap = 10; // from the heading's rule to the drawing
constexpr double text_gap = 12; // from the drawing to the texts
constexpr double footer_gap = 8; // from the texts to the footer's rule
constexpr double notes_gap = 12; // from the columns to the teacher's words
constexpr double column_gap = 18;
constexpr double cell_gap = 12;
// The type stays at a size, and the texts in fewer columns, while the drawing keeps at least
// this share of the width.
constexpr double drawing_share = 0.9;
// A figure of the window at its true size: a logical pixel is 1/96 inch.
constexpr double true_scale = 72.0 / 96;

SheetFont font_of(PlacedText::Style style, double points)
{
    return SheetFont(points,
        style == PlacedText::Style::Heading || style == PlacedText::Style::PanelTitle
            || style == PlacedText::Style::Question);
}

// One line of the text area before it is placed in a column.
struct Row
{
    std::vector<PlacedText> parts; // at their x within the column, y = 0
    std::optional<QRectF> figure; // the side panel, at its place within the column
    double height = 0;
    double space_before = 0; // dropped at the top of a column
    bool keep_with_next = false; // a panel's title stays with its first row
    int rules = 0; // ruled lines to write on, across the row's height
};

// The side panel's lines (or the heading), wrapped to the column's width.
void add_text_rows(std::vector<Row> &rows, const QStringList &texts, double width, double points,
    PlacedText::Style style = PlacedText::Style::Text)
{
    const SheetFont font = font_of(style, points);
    for (const QString &text : texts) {
        if (text.trimmed().isEmpty())
            continue;
        QTextLayout layout(text, font.font());
        QTextOption option;
        option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        layout.setTextOption(option);
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(width * SheetFont::oversize);
            QString part = text.mid(line.textStart(), line.textLength());
            while (!part.isEmpty() && part.back().isSpace())
                part.chop(1);
            Row row;
            row.height = font.line();
            row.parts.push_back(
                { part, style, points, QRectF(0, 0, font.width(part), font.line()) });
            rows.push_back(row);
        }
        layout.endLayout();
    }
}

// The side panel as a figure: at its true size, or the column's width if that is narrower.
void add_figure_row(std::vector<Row> &rows, const WorksheetFigure &figure, double width)
{
    const QSizeF size = QSizeF(figure.size) * std::min(true_scale, width / figure.size.width());
    Row row;
    row.figure = QRectF(QPointF(0, 0), size);
    row.height = size.height();
    rows.push_back(row);
}

// A panel: its title, then its rows with the cells of each column aligned. Returns false if a
// row is wider than the column.
bool add_panel_rows(
    std::vector<Row> &rows, const WorksheetPanel &panel, double width, double points)
{
    const SheetFont title_font = font_of(PlacedText::Style::PanelTitle, points);
    const SheetFont cell_font = font_of(PlacedText::Style::Cell, points);
    const double space = rows.empty() ? 0 : 0.6 * cell_font.line();
    if (!panel.title.isEmpty()) {
        Row row;
        row.height = title_font.line();
        row.space_before = space;
        row.keep_with_next = !panel.rows.empty();
        row.parts.push_back({ panel.title, PlacedText::Style::PanelTitle, points,
            QRectF(0, 0, title_font.width(panel.title), title_font.line()) });
        if (row.parts.back().box.width() > width)
            return false;
        rows.push_back(row);
    }
    // A column of numbers is aligned on the right, like a table's figures.
    std::vector<double> column_width;
    std::vector<int> numbers, cells_in;
    for (const QStringList &cells : panel.rows)
        for (int i = 0; i < cells.size(); ++i) {
            const std::size_t c = std::size_t(i);
            if (column_width.size() <= c) {
                column_width.resize(c + 1, 0);
                numbers.resize(c + 1, 0);
                cells_in.resize(c + 1, 0);
            }
            column_width[c] = std::max(column_width[c], cell_font.width(cells[i]));
            bool number = false;
            cells[i].toDouble(&number);
            numbers[c] += number ? 1 : 0;
            cells_in[c] += 1;
        }
    for (std::size_t r = 0; r < panel.rows.size(); ++r) {
        const QStringList &cells = panel.rows[r];
        Row row;
        row.height = cell_font.line();
        if (r == 0 && panel.title.isEmpty())
            row.space_before = space;
        double x = 0;
        for (int i = 0; i < cells.size(); ++i) {
            const std::size_t c = std::size_t(i);
            const double w = cell_font.width(cells[i]);
            const double left = 2 * numbers[c] > cells_in[c] ? x + column_width[c] - w : x;
            if (!cells[i].isEmpty())
                row.parts.push_back({ cells[i], PlacedText::Style::Cell, points,
                    QRectF(left, 0, w, cell_font.line()) });
            if (left + w > width)
                return false;
            x += column_width[c] + cell_gap;
        }
        rows.push_back(row);
    }
    return true;
}

// The teacher's paragraphs, then the questions under their heading, each with its answer or
// ruled lines to write it on, across the width.
std::vector<Row> notes_rows(const Worksheet &sheet, double width)
{
    std::vector<Row> rows;
    const double line = font_of(PlacedText::Style::Paragraph, notes_points).line();
    // Wraps the text into rows, the first after a space.
    const auto add = [&](const QString &text, PlacedText::Style style, double space) {
        const std::size_t first = rows.size();
        add_text_rows(rows, { text }, width, notes_points, style);
        if (rows.size() > first)
            rows[first].space_before = space;
    };
    for (const QString &paragraph : sheet.paragraphs)
        add(paragraph, PlacedText::Style::Paragraph, 0.5 * line);
    if (!sheet.questions_heading.isEmpty())
        add(sheet.questions_heading, PlacedText::Style::PanelTitle, line);
    for (const WorksheetQuestion &question : sheet.questions) {
        add(question.question, PlacedText::Style::Question, 0.6 * line);
        if (!question.answer.trimmed().isEmpty()) {
            add(question.answer, PlacedText::Style::Answer, 0.2 * line);
        } else {
            Row rule;
            rule.rules = worksheet_answer_rules;
            // Room under the last line, clear of what follows.
            rule.height = (worksheet_answer_rules + 0.4) * worksheet_rule_points;
            rows.push_back(rule);
        }
    }
    if (!rows.empty())
        rows.front().space_before = 0;
    return rows;
}

double rows_height(const std::vector<Row> &rows)
{
    double height = 0;
    for (const Row &row : rows)
        height += row.space_before + row.height;
    return height;
}

// The tops of the rows, column by column, when the columns are at most this high; nothing if
// they do not fit into the number of columns.
struct Flow
{
    std::vector<int> column; // of each row
    std::vector<double> top; // of each row within its column
};

std::optional<Flow> flow(const std::vector<Row> &rows, int columns, double height)
{
    Flow f;
    int c = 0;
    double y = 0;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        double block = rows[i].height;
        for (std::size_t j = i; rows[j].keep_with_next && j + 1 < rows.size(); ++j)
            block += rows[j + 1].height;
        const double space = y > 0 ? rows[i].space_before : 0;
        if (y > 0 && y + space + block > height) {
            ++c;
            y = 0;
        } else {
            y += space;
        }
        if (c >= columns || rows[i].height > height)
            return {};
        f.column.push_back(c);
        f.top.push_back(y);
        y += rows[i].height;
    }
    return f;
}

// The least column height that takes all the rows in the number of columns.
double least_height(const std::vector<Row> &rows, int columns)
{
    double high = 0;
    for (const Row &r : rows)
        high += r.height + r.space_before;
    if (!flow(rows, columns, high))
        return high;
    double low = 0;
    for (int i = 0; i < 40 && high - low > 0.01; ++i) {
        const double middle = (low + high) / 2;
        (flow(rows, columns, middle) ? high : low) = middle;
    }
    return high;
}

// One way to fill the page: a type size and a number of columns.
struct Candidate
{
    double points = 0;
    int columns = 0;
    std::vector<Row> rows;
    double text_height = 0;
    double scale = 0; // of the drawing, points per logical pixel
};

} // namespace

Paper paper_for(const QLocale &locale)
{
    switch (locale.territory()) {
    case QLocale::UnitedStates:
    case QLocale::Canada:
    case QLocale::Mexico:
    case QLocale::Chile:
    case QLocale::Colombia:
    case QLocale::Venezuela:
    case QLocale::CostaRica:
    case QLocale::Guatemala:
    case QLocale::Panama:
    case QLocale::DominicanRepublic:
    case QLocale::ElSalvador:
    case QLocale::Nicaragua:
    case QLocale::PuertoRico:
    case QLocale::Philippines:
        return Paper::Letter;
    default:
        return Paper::A4;
    }
}

QPageSize page_size_of(Paper paper)
{
    return QPageSize(paper == Paper::Letter ? QPageSize::Letter : QPageSize::A4);
}

QString program_name_and_version()
{
    return QStringLiteral("Aurelion ") + QStringLiteral(AURELION_VERSION);
}

WorksheetLayout layout_worksheet(
    const Worksheet &sheet, const QSizeF &page_points, const QMarginsF &margins_points)
{
    WorksheetLayout layout;
    layout.page = QRectF(QPointF(0, 0), page_points);
    layout.content = layout.page.marginsRemoved(margins_points);
    const QRectF &content = layout.content;

    // A long heading wraps onto as many lines as it needs.
    std::vector<Row> heading_rows;
    add_text_rows(heading_rows, { sheet.heading }, content.width(), heading_points,
        PlacedText::Style::Heading);
    double heading_bottom = content.top();
    for (const Row &row : heading_rows) {
        PlacedText line = row.parts.front();
        line.box.translate(content.left(), heading_bottom);
        layout.texts.push_back(line);
        heading_bottom += row.height;
    }
    if (heading_rows.empty())
        heading_bottom += font_of(PlacedText::Style::Heading, heading_points).line();
    layout.heading_bottom = heading_bottom;
    const SheetFont footer = font_of(PlacedText::Style::Footer, footer_points);
    const QString name = program_name_and_version();
    // In reading order, the footer comes last.
    const PlacedText footnote { name, PlacedText::Style::Footer, footer_points,
        QRectF(
            content.left(), content.bottom() - footer.line(), footer.width(name), footer.line()) };

    const double body_top = heading_bottom + heading_gap;
    const double body_bottom = content.bottom() - footer.line() - footer_gap;
    // A page without a drawing (a handout's title page) has its texts right under the heading.
    const bool has_drawing = sheet.drawing.shown();
    const QSizeF drawing = has_drawing ? QSizeF(sheet.drawing.size) : QSizeF(1, 1);
    const double drawing_gap = has_drawing ? text_gap : 0;
    const std::vector<Row> notes = notes_rows(sheet, content.width());
    const double notes_height = rows_height(notes);

    const auto candidate = [&](double points, int columns) -> std::optional<Candidate> {
        Candidate c;
        c.points = points;
        c.columns = columns;
        const double width = (content.width() - (columns - 1) * column_gap) / columns;
        if (sheet.side_panel.shown())
            add_figure_row(c.rows, sheet.side_panel, width);
        else
            add_text_rows(c.rows, sheet.texts, width, points);
        for (const WorksheetPanel &panel : sheet.panels)
            if (!add_panel_rows(c.rows, panel, width, points))
                return {};
        c.text_height = c.rows.empty() ? 0 : least_height(c.rows, columns);
        const double above_notes = c.rows.empty() ? drawing_gap : notes_gap;
        const double room = body_bottom - body_top
            - (c.rows.empty() ? 0 : drawing_gap + c.text_height)
            - (notes.empty() ? 0 : above_notes + notes_height);
        if (!flow(c.rows, columns, c.text_height) || room < 0 || (has_drawing && room == 0))
            return {};
        c.scale =
            has_drawing ? std::min(content.width() / drawing.width(), room / drawing.height()) : 0;
        return c;
    };

    // The largest type in the fewest columns that leaves the drawing most of the width; failing
    // that, the largest drawing.
    std::optional<Candidate> chosen, largest;
    for (const double points : text_sizes) {
        for (int columns = 1; columns <= 3 && !chosen; ++columns) {
            std::optional<Candidate> c = candidate(points, columns);
            if (!c)
                continue;
            if (!has_drawing || c->scale * drawing.width() >= drawing_share * content.width())
                chosen = c;
            else if (!largest || c->scale > largest->scale * 1.01)
                largest = c;
        }
    }
    if (!chosen)
        chosen = largest;
    if (!chosen) {
        layout.texts.push_back(footnote);
        return layout;
    }

    layout.fits = true;
    layout.columns = chosen->columns;
    layout.text_points = chosen->points;
    const QSizeF shown = drawing * chosen->scale;
    layout.drawing =
        QRectF(QPointF(content.left() + (content.width() - shown.width()) / 2, body_top), shown);
    const double width = (content.width() - (chosen->columns - 1) * column_gap) / chosen->columns;
    const double texts_top = layout.drawing.bottom() + drawing_gap;
    const Flow placed = *flow(chosen->rows, chosen->columns, chosen->text_height);
    for (std::size_t i = 0; i < chosen->rows.size(); ++i) {
        const QPointF corner(
            content.left() + placed.column[i] * (width + column_gap), texts_top + placed.top[i]);
        for (PlacedText part : chosen->rows[i].parts) {
            part.box.translate(corner);
            layout.texts.push_back(part);
        }
        if (chosen->rows[i].figure)
            layout.side_panel = chosen->rows[i].figure->translated(corner);
    }
    double y = chosen->rows.empty() ? texts_top : texts_top + chosen->text_height + notes_gap;
    for (std::size_t i = 0; i < notes.size(); ++i) {
        const Row &row = notes[i];
        y += i > 0 ? row.space_before : 0;
        for (PlacedText part : row.parts) {
            part.box.translate(content.left(), y);
            layout.texts.push_back(part);
        }
        for (int r = 1; r <= row.rules; ++r) {
            const double at = y + r * worksheet_rule_points;
            layout.rules.emplace_back(content.left(), at, content.right(), at);
        }
        y += row.height;
    }
    layout.texts.push_back(footnote);
    return layout;
}

namespace {

// A figure scaled into its place, with a thin frame as the window's picture boxes have.
void paint_figure(QPainter &painter, const WorksheetFigure &figure, const QRectF &place, Ink ink)
{
    if (!figure.shown() || place.isEmpty())
        return;
    painter.save();
    painter.translate(place.topLeft());
    painter.scale(place.width() / figure.size.width(), place.height() / figure.size.height());
    painter.setClipRect(QRect(QPoint(0, 0), figure.size));
    figure.paint(painter, ink);
    painter.restore();
    painter.setPen(QPen(QColor(128, 128, 128), 0.5));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(place);
}

} // namespace

void paint_worksheet(
    QPainter &painter, const Worksheet &sheet, const WorksheetLayout &layout, Ink ink)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(Qt::black);
    for (const PlacedText &t : layout.texts) {
        const SheetFont font = font_of(t.style, t.points);
        font.draw(painter, QPointF(t.box.left(), t.box.top() + font.ascent()), t.text);
    }
    const QRectF &content = layout.content;
    const double rule_at = layout.heading_bottom + heading_gap / 2;
    const double footer_rule_at = content.bottom()
        - font_of(PlacedText::Style::Footer, footer_points).line() - footer_gap / 2;
    painter.setPen(QPen(QColor(128, 128, 128), 0.5));
    painter.drawLine(QPointF(content.left(), rule_at), QPointF(content.right(), rule_at));
    painter.drawLine(
        QPointF(content.left(), footer_rule_at), QPointF(content.right(), footer_rule_at));

    for (const QLineF &rule : layout.rules)
        painter.drawLine(rule);

    paint_figure(painter, sheet.drawing, layout.drawing, ink);
    paint_figure(painter, sheet.side_panel, layout.side_panel, ink);
    painter.restore();
}

namespace {

// Lays out and paints the page on a device whose painter starts at the paper's corner.
void paint_page(QPainter &painter, const Worksheet &sheet, const QSizeF &page_points,
    const QMarginsF &margins, Ink ink)
{
    const QPaintDevice &device = *painter.device();
    painter.scale(device.logicalDpiX() / 72.0, device.logicalDpiY() / 72.0);
    paint_worksheet(painter, sheet, layout_worksheet(sheet, page_points, margins), ink);
}

QMarginsF page_margins(const QMarginsF &least)
{
    const double m = worksheet_margin_points;
    return QMarginsF(std::max(m, least.left()), std::max(m, least.top()),
        std::max(m, least.right()), std::max(m, least.bottom()));
}

} // namespace

bool write_worksheet_pdf(const Worksheet &sheet, const QPageSize &paper, Ink ink, QIODevice &device,
    QPageLayout::Orientation orientation)
{
    QPdfWriter pdf(&device);
    pdf.setTitle(sheet.heading);
    pdf.setCreator(program_name_and_version());
    const QPageLayout page(paper, orientation, QMarginsF(0, 0, 0, 0), QPageLayout::Point);
    pdf.setPageLayout(page);
    QPainter painter;
    if (!painter.begin(&pdf))
        return false;
    paint_page(painter, sheet, page.fullRectPoints().size(), page_margins(QMarginsF()), ink);
    return painter.end();
}

WorksheetPdf::WorksheetPdf(QIODevice &device, const QString &title, const QPageSize &paper, Ink ink)
    : pdf_(std::make_unique<QPdfWriter>(&device))
    , painter_(std::make_unique<QPainter>())
    , ink_(ink)
{
    pdf_->setTitle(title);
    pdf_->setCreator(program_name_and_version());
    const QPageLayout page(paper, QPageLayout::Portrait, QMarginsF(0, 0, 0, 0), QPageLayout::Point);
    pdf_->setPageLayout(page);
    page_points_ = page.fullRectPoints().size();
}

WorksheetPdf::~WorksheetPdf()
{
    if (painter_->isActive())
        painter_->end();
}

bool WorksheetPdf::add_page(const Worksheet &sheet)
{
    if (!ok_)
        return false;
    if (!pages_)
        ok_ = painter_->begin(pdf_.get());
    else
        ok_ = pdf_->newPage();
    if (!ok_)
        return false;
    pages_ = true;
    painter_->save();
    paint_page(*painter_, sheet, page_points_, page_margins(QMarginsF()), ink_);
    painter_->restore();
    return true;
}

bool WorksheetPdf::finish()
{
    if (!ok_ || !pages_)
        return false;
    return painter_->end();
}

bool print_worksheet(const Worksheet &sheet, QPrinter &printer, Ink ink)
{
    printer.setFullPage(true);
    printer.setDocName(sheet.heading);
    printer.setCreator(program_name_and_version());
    QPageLayout page = printer.pageLayout();
    page.setUnits(QPageLayout::Point);
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    paint_page(
        painter, sheet, page.fullRectPoints().size(), page_margins(page.minimumMargins()), ink);
    return painter.end();
}
