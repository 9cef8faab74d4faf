// The render tool's lesson options: a step of a lesson shown by the other outputs, and the whole
// lesson as a handout, a worksheet page a step.

#include "lesson.h"
#include "main_window.h"
#include "picture/worksheet_content.h"
#include "picture_output.h"
#include "render.h"
#include "window_actions.h"

#include <QApplication>
#include <QFileInfo>

#include <memory>

std::optional<QString> parse_lesson_option(
    const QString &arg, const std::function<QString(QString &)> &value, RenderRequest &request)
{
    if (arg == QLatin1String("--lesson"))
        return value(request.lesson);
    if (arg == QLatin1String("--handout")) {
        if (QString e = value(request.handout); !e.isEmpty())
            return e;
        if (picture_format_of(request.handout) != PictureFormat::Pdf)
            return QStringLiteral("--handout %1: the file must end in .pdf").arg(request.handout);
        return QString();
    }
    if (arg == QLatin1String("--step")) {
        QString text;
        if (QString e = value(text); !e.isEmpty())
            return e;
        bool ok = false;
        const int step = text.toInt(&ok);
        if (!ok || step < 1)
            return QStringLiteral("--step %1: not a whole number of 1 or more").arg(text);
        request.step = step;
        return QString();
    }
    return std::nullopt;
}

QString apply_lesson(RenderRequest &request)
{
    if (request.lesson.isEmpty()) {
        if (request.step)
            return QStringLiteral("--step %1: needs --lesson FILE").arg(*request.step);
        if (!request.handout.isEmpty())
            return QStringLiteral("--handout %1: needs --lesson FILE").arg(request.handout);
        return {};
    }
    Lesson &lesson = request.lesson_read;
    if (const LessonError error = read_lesson(request.lesson, lesson); error.failed())
        return QStringLiteral("--lesson %1: %2").arg(request.lesson, error.text());
    if (!request.handout.isEmpty() && lesson.steps.empty())
        return QStringLiteral("--handout %1: the lesson has no steps").arg(request.handout);
    if (request.step) {
        if (std::size_t(*request.step) > lesson.steps.size())
            return QStringLiteral("--step %1: the lesson has %2 steps")
                .arg(*request.step)
                .arg(lesson.steps.size());
        const LessonStep &step = lesson.steps[std::size_t(*request.step - 1)];
        if (!request.seed && step.seed)
            request.seed = step.seed;
        std::vector<RenderAction> actions = step.actions;
        actions.insert(actions.end(), request.actions.begin(), request.actions.end());
        request.actions = actions;
    }
    return {};
}

QString write_handout(const RenderRequest &request)
{
    const Lesson &lesson = request.lesson_read;
    const QString title =
        lesson.title.isEmpty() ? QFileInfo(request.lesson).completeBaseName() : lesson.title;
    std::vector<Worksheet> sheets;
    // The title page: the lesson's title and its steps.
    Worksheet cover;
    cover.heading = title;
    for (std::size_t i = 0; i < lesson.steps.size(); ++i)
        cover.texts << QCoreApplication::translate("Lesson", "Step %1: %2")
                           .arg(i + 1)
                           .arg(lesson.steps[i].title);
    sheets.push_back(cover);

    // Every step replays from the start in a window of its own, kept until the pages are made.
    std::vector<std::unique_ptr<RecordedMessageBox>> messages;
    std::vector<std::unique_ptr<SeededRandom>> randoms;
    std::vector<std::unique_ptr<MainWindow>> windows;
    for (std::size_t i = 0; i < lesson.steps.size(); ++i) {
        const LessonStep &step = lesson.steps[i];
        messages.push_back(std::make_unique<RecordedMessageBox>());
        randoms.push_back(std::make_unique<SeededRandom>(
            step.seed ? *step.seed : request.seed.value_or(SeededRandom::fresh_seed())));
        WindowOptions options;
        options.manual_timer = true;
        options.messages = messages.back().get();
        options.random = randoms.back().get();
        options.zoom = 1;
        options.language = request.language;
        windows.push_back(std::make_unique<MainWindow>(options));
        MainWindow &window = *windows.back();
        window.show();
        QApplication::processEvents();
        for (std::size_t a = 0; a < step.actions.size(); ++a) {
            if (const QString why = perform(window, step.actions[a]); !why.isEmpty())
                return QStringLiteral("--lesson %1: line %2: %3")
                    .arg(request.lesson)
                    .arg(a < step.lines.size() ? step.lines[a] : 0)
                    .arg(why);
        }
        Worksheet sheet = worksheet_of(window);
        sheet.heading =
            QCoreApplication::translate("Lesson", "Step %1: %2").arg(i + 1).arg(step.title);
        if (window.form().topic < 1 || window.form().topic > 16)
            sheet.drawing = {};
        sheets.push_back(sheet);
    }
    const Ink ink = request.black_and_white ? Ink::BlackAndWhite : Ink::Colour;
    const QString why = save_file(request.handout, [&](QIODevice &d) {
        return write_worksheets_pdf(title, sheets, page_size_of(request.paper), ink, d);
    });
    return why.isEmpty()
        ? QString()
        : QStringLiteral("%1: cannot write the file: %2").arg(request.handout, why);
}
