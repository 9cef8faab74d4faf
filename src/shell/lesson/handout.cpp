#include "lesson/handout.h"

#include "language/languages.h"
#include "lesson/web_page.h"
#include "main_window.h"
#include "picture/worksheet_content.h"
#include "window_actions.h"

#include <QApplication>
#include <QCoreApplication>

#include <algorithm>
#include <memory>

namespace {

// The drawing keeps at least this share of the page's width on a step's page; the texts and
// questions that would make it smaller go on to the pages after it.
constexpr double least_drawing_share = 0.6;

// The page's worksheet with the step's texts and questions from..to, counted through the texts
// and on through the questions; the questions numbered, each with its answer or ruled lines.
Worksheet with_notes(Worksheet sheet, const LessonStep &step, int from, int to, bool answers)
{
    const int texts = int(step.texts.size());
    for (int i = from; i < to; ++i) {
        if (i < texts) {
            sheet.paragraphs << step.texts[i];
            continue;
        }
        const int q = i - texts;
        if (q == 0)
            sheet.questions_heading = questions_heading();
        const LessonQuestion &question = step.questions[std::size_t(q)];
        WorksheetQuestion printed;
        printed.question = QStringLiteral("%1. %2").arg(q + 1).arg(question.question);
        if (answers && !question.answer.isEmpty())
            printed.answer =
                QCoreApplication::translate("Lesson", "Answer: %1").arg(question.answer);
        sheet.questions.push_back(printed);
    }
    return sheet;
}

// The handout as a PDF of worksheet pages. The contents take as many pages as they need, each as
// many lines as fit in one column of the largest type under the lesson's title.
class PdfHandout final : public HandoutWriter
{
public:
    PdfHandout(QIODevice &device, const HandoutSettings &settings, bool answer_key)
        : device_(device)
        , settings_(settings)
        , page_(page_size_of(settings.paper).size(QPageSize::Point))
        , answer_key_(answer_key)
    { }

    bool begin(const HandoutCover &cover) override
    {
        // Made here, where the handout's language is the one installed.
        const QString title = answer_key_ ? answer_key_title(cover.title) : cover.title;
        pdf_.emplace(device_, title, page_size_of(settings_.paper), settings_.ink);
        const QStringList &contents = cover.contents;
        // The type of a page with little text, the largest.
        const double largest = layout_worksheet(Worksheet {}, page_, margins_).text_points;
        const auto fits = [&](const Worksheet &sheet) {
            const WorksheetLayout layout = layout_worksheet(sheet, page_, margins_);
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
            if (!pdf_->add_page(sheet))
                return false;
            from += low;
        } while (from < contents.size());
        return true;
    }

    // The step's page, and after it as many pages headed "(continued)" as its texts and
    // questions need beyond what fits under the drawing.
    bool add_step(const HandoutPage &page) override
    {
        const LessonStep &step = *page.step;
        const int notes = int(step.texts.size() + step.questions.size());
        // The most of the notes from..to that a page takes, and at least one.
        const auto most = [&](const Worksheet &sheet, int from) {
            int to = from;
            while (to < notes) {
                const WorksheetLayout layout = layout_worksheet(
                    with_notes(sheet, step, from, to + 1, answer_key_), page_, margins_);
                const bool drawing_kept = !sheet.drawing.shown()
                    || layout.drawing.width() >= least_drawing_share * layout.content.width();
                if (!layout.fits || !drawing_kept)
                    break;
                ++to;
            }
            return sheet.drawing.shown() ? to : std::max(to, std::min(from + 1, notes));
        };
        int from = most(page.sheet, 0);
        if (!pdf_->add_page(with_notes(page.sheet, step, 0, from, answer_key_)))
            return false;
        Worksheet continued;
        continued.heading =
            QCoreApplication::translate("Lesson", "%1 (continued)").arg(page.heading);
        while (from < notes) {
            const int to = most(continued, from);
            if (!pdf_->add_page(with_notes(continued, step, from, to, answer_key_)))
                return false;
            from = to;
        }
        return true;
    }
    bool finish() override { return pdf_ && pdf_->finish(); }

private:
    QIODevice &device_;
    HandoutSettings settings_;
    std::optional<WorksheetPdf> pdf_;
    QSizeF page_; // in points
    QMarginsF margins_ { worksheet_margin_points, worksheet_margin_points, worksheet_margin_points,
        worksheet_margin_points };
    bool answer_key_;
};

// Hands every page to each of several writers, for handouts made from one replay.
class HandoutWriters final : public HandoutWriter
{
public:
    explicit HandoutWriters(std::vector<std::unique_ptr<HandoutWriter>> writers)
        : writers_(std::move(writers))
    { }
    bool begin(const HandoutCover &cover) override
    {
        return all([&](HandoutWriter &w) { return w.begin(cover); });
    }
    bool add_step(const HandoutPage &page) override
    {
        return all([&](HandoutWriter &w) { return w.add_step(page); });
    }
    bool finish() override
    {
        return all([](HandoutWriter &w) { return w.finish(); });
    }

private:
    template <typename F> bool all(const F &f)
    {
        return std::all_of(writers_.begin(), writers_.end(), [&](const auto &w) { return f(*w); });
    }
    std::vector<std::unique_ptr<HandoutWriter>> writers_;
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

QString step_heading(int number, const QString &title)
{
    return QCoreApplication::translate("Lesson", "Step %1: %2").arg(number).arg(title);
}

QString questions_heading() { return QCoreApplication::translate("Lesson", "Questions"); }

QString answer_label() { return QCoreApplication::translate("Lesson", "Answer"); }

QString answer_key_title(const QString &title)
{
    return QCoreApplication::translate("Lesson", "Answer key: %1").arg(title);
}

std::optional<HandoutFormat> handout_format_of(const QString &path)
{
    if (path.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive))
        return HandoutFormat::Pdf;
    if (path.endsWith(QLatin1String(".html"), Qt::CaseInsensitive)
        || path.endsWith(QLatin1String(".htm"), Qt::CaseInsensitive))
        return HandoutFormat::Html;
    return {};
}

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

    HandoutCover cover { settings.title, {}, languages.language() };
    for (int i = 0; i < total; ++i)
        cover.contents << step_heading(i + 1, lesson.steps[std::size_t(i)].title);
    if (!writer.begin(cover))
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
        const int topic = window.form().topic;
        if (topic < 1 || topic > 16) {
            page.sheet.drawing = {};
        } else {
            page.drawing = window.form().Picture1;
            page.description = window.topic(topic)->description();
        }
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
    return write_handouts(
        lesson, settings, { { HandoutFormat::Pdf, settings.answer_key, &device } }, progress);
}

HandoutResult write_handouts(const Lesson &lesson, const HandoutSettings &settings,
    const std::vector<HandoutTarget> &targets, const HandoutProgress &progress)
{
    std::vector<std::unique_ptr<HandoutWriter>> writers;
    for (const HandoutTarget &target : targets) {
        if (target.format == HandoutFormat::Pdf)
            writers.push_back(
                std::make_unique<PdfHandout>(*target.device, settings, target.answer_key));
        else
            writers.push_back(web_page_writer(*target.device, settings, target.answer_key));
    }
    HandoutWriters all(std::move(writers));
    return make_handout(lesson, settings, all, progress);
}
