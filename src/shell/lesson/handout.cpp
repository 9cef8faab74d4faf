#include "lesson/handout.h"

#include "language/languages.h"
#include "main_window.h"
#include "picture/worksheet_content.h"
#include "window_actions.h"

#include <QApplication>
#include <QCoreApplication>

#include <algorithm>
#include <memory>

namespace {

QString step_heading(int number, const QString &title)
{
    return QCoreApplication::translate("Lesson", "Step %1: %2").arg(number).arg(title);
}

// The handout as a PDF of worksheet pages. The contents take as many pages as they need, each as
// many lines as fit in one column of the largest type under the lesson's title.
class PdfHandout final : public HandoutWriter
{
public:
    PdfHandout(QIODevice &device, const HandoutSettings &settings)
        : pdf_(device, settings.title, page_size_of(settings.paper), settings.ink)
        , paper_(settings.paper)
    { }

    bool begin(const QString &title, const QStringList &contents) override
    {
        const QSizeF page = page_size_of(paper_).size(QPageSize::Point);
        const QMarginsF margins(worksheet_margin_points, worksheet_margin_points,
            worksheet_margin_points, worksheet_margin_points);
        // The type of a page with little text, the largest.
        const double largest = layout_worksheet(Worksheet {}, page, margins).text_points;
        const auto fits = [&](const Worksheet &sheet) {
            const WorksheetLayout layout = layout_worksheet(sheet, page, margins);
            return layout.fits && layout.columns == 1 && layout.text_points == largest;
        };
        // No page holds this many lines of the largest type (10 points a line and more).
        constexpr qsizetype most_lines = 85;
        qsizetype from = 0;
        do {
            Worksheet sheet;
            sheet.heading = title;
            // The most lines from here that fit, and at least one.
            qsizetype low = 1, high = std::min(contents.size() - from, most_lines);
            while (low < high) {
                const qsizetype middle = (low + high + 1) / 2;
                sheet.texts = contents.mid(from, middle);
                if (fits(sheet))
                    low = middle;
                else
                    high = middle - 1;
            }
            sheet.texts = contents.mid(from, low);
            if (!pdf_.add_page(sheet))
                return false;
            from += low;
        } while (from < contents.size());
        return true;
    }

    bool add_step(const HandoutPage &page) override { return pdf_.add_page(page.sheet); }
    bool finish() override { return pdf_.finish(); }

private:
    WorksheetPdf pdf_;
    Paper paper_;
};

// A step's window, not shown on screen, with its own message box and random source.
struct StepWindow
{
    RecordedMessageBox messages;
    SeededRandom random;
    std::unique_ptr<MainWindow> window;

    StepWindow(std::uint64_t seed, const QString &language)
        : random(seed)
    {
        WindowOptions options;
        options.manual_timer = true;
        options.messages = &messages;
        options.random = &random;
        options.zoom = 1;
        options.language = language;
        window = std::make_unique<MainWindow>(options);
        window->setAttribute(Qt::WA_DontShowOnScreen);
        window->show();
        QApplication::processEvents();
    }
    ~StepWindow()
    {
        window.reset();
        // What the window left to be deleted later goes now, before the next step's window.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
};

} // namespace

HandoutResult make_handout(const Lesson &lesson, const HandoutSettings &settings,
    HandoutWriter &writer, const HandoutProgress &progress)
{
    using Outcome = HandoutResult::Outcome;
    if (lesson.steps.empty())
        return { Outcome::NotWritten, 0, { 0, empty_lesson_reason(lesson) } };
    // The title page speaks the handout's language, whatever the caller's window speaks.
    Languages languages;
    if (!languages.set_language(settings.language))
        languages.set_language(Languages::from_environment());
    const int total = int(lesson.steps.size());
    const auto go_on = [&](int done) { return !progress || progress(done, total); };

    QStringList contents;
    for (int i = 0; i < total; ++i)
        contents << step_heading(i + 1, lesson.steps[std::size_t(i)].title);
    if (!writer.begin(settings.title, contents))
        return { Outcome::NotWritten, 0, {} };

    for (int i = 0; i < total; ++i) {
        if (!go_on(i))
            return { Outcome::Cancelled, i + 1, {} };
        const LessonStep &step = lesson.steps[std::size_t(i)];
        StepWindow shown(
            step.seed ? *step.seed : settings.seed.value_or(SeededRandom::fresh_seed()),
            languages.language());
        MainWindow &window = *shown.window;
        for (std::size_t a = 0; a < step.actions.size(); ++a) {
            if (a > 0 && !go_on(i))
                return { Outcome::Cancelled, i + 1, {} };
            if (const QString why = perform(window, step.actions[a]); !why.isEmpty())
                return { Outcome::StepFailed, i + 1, action_error(step, a, why) };
        }
        HandoutPage page;
        page.number = i + 1;
        page.step = &step;
        page.heading = step_heading(i + 1, step.title);
        page.sheet = worksheet_of(window);
        page.sheet.heading = page.heading;
        // The title screen is no topic's drawing.
        if (window.form().topic < 1 || window.form().topic > 16)
            page.sheet.drawing = {};
        if (!writer.add_step(page))
            return { Outcome::NotWritten, i + 1, {} };
    }
    if (!go_on(total))
        return { Outcome::Cancelled, total, {} };
    if (!writer.finish())
        return { Outcome::NotWritten, total, {} };
    return {};
}

HandoutResult write_handout_pdf(const Lesson &lesson, const HandoutSettings &settings,
    QIODevice &device, const HandoutProgress &progress)
{
    PdfHandout pdf(device, settings);
    return make_handout(lesson, settings, pdf, progress);
}
