// The render tool's lesson options: a step of a lesson shown by the other outputs, and the whole
// lesson as a handout, a worksheet page a step.

#include "lesson.h"
#include "lesson/handout.h"
#include "output_file.h"
#include "picture_output.h"
#include "render.h"

#include <QFileInfo>

std::optional<QString> parse_lesson_option(
    const QString &arg, const std::function<QString(QString &)> &value, RenderRequest &request)
{
    if (arg == QLatin1String("--lesson"))
        return value(request.lesson);
    if (arg == QLatin1String("--handout")) {
        if (QString e = value(request.handout); !e.isEmpty())
            return e;
        if (picture_format_of(request.handout) != PictureFormat::Pdf)
            return QStringLiteral("--handout %1: the file must end in .pdf")
                .arg(OutputFile::quoted(request.handout));
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

namespace {

// "--lesson NAME", the lesson as the tool's messages name it.
QString lesson_named(const RenderRequest &request)
{
    return QStringLiteral("--lesson ") + OutputFile::quoted(request.lesson);
}

} // namespace

QString apply_lesson(RenderRequest &request)
{
    if (request.lesson.isEmpty()) {
        if (request.step)
            return QStringLiteral("--step %1: needs --lesson FILE").arg(*request.step);
        if (!request.handout.isEmpty())
            return QStringLiteral("--handout %1: needs --lesson FILE")
                .arg(OutputFile::quoted(request.handout));
        return {};
    }
    Lesson &lesson = request.lesson_read;
    if (const LessonError error = read_lesson(request.lesson, lesson); error.failed())
        return QStringLiteral("%1: %2").arg(lesson_named(request), error.text());
    if ((request.step || !request.handout.isEmpty()) && lesson.steps.empty())
        return QStringLiteral("%1: %2").arg(lesson_named(request), empty_lesson_reason(lesson));
    if (request.step) {
        if (std::size_t(*request.step) > lesson.steps.size())
            return QStringLiteral("--step %1: %2 has only %3 %4")
                .arg(*request.step)
                .arg(lesson_named(request))
                .arg(lesson.steps.size())
                .arg(lesson.steps.size() == 1 ? QStringLiteral("step") : QStringLiteral("steps"));
        const LessonStep &step = lesson.steps[std::size_t(*request.step - 1)];
        if (!request.seed && step.seed)
            request.seed = step.seed;
        // A step's action that cannot be performed is named with its file and line, as the
        // handout names it.
        std::vector<RenderAction> actions = step.actions;
        for (std::size_t i = 0; i < actions.size(); ++i)
            actions[i].origin = QStringLiteral("%1: line %2")
                                    .arg(lesson_named(request))
                                    .arg(action_error(step, i, {}).line);
        actions.insert(actions.end(), request.actions.begin(), request.actions.end());
        request.actions = actions;
    }
    return {};
}

QString write_handout(const RenderRequest &request)
{
    const Lesson &lesson = request.lesson_read;
    HandoutSettings settings;
    settings.title =
        lesson.title.isEmpty() ? QFileInfo(request.lesson).completeBaseName() : lesson.title;
    settings.paper = request.paper;
    settings.ink = request.black_and_white ? Ink::BlackAndWhite : Ink::Colour;
    settings.language = request.language;
    settings.seed = request.seed;
    // Written into the file as the pages come, so that no more than a page is held in memory.
    HandoutResult result;
    const QString why = save_stream(request.handout, [&](OutputFile &file) {
        result = write_handout_pdf(lesson, settings, file.device());
        return result.outcome == HandoutResult::Outcome::Written;
    });
    if (result.outcome == HandoutResult::Outcome::StepFailed)
        return QStringLiteral("%1: %2").arg(lesson_named(request), result.error.text());
    return why.isEmpty() ? QString()
                         : QStringLiteral("%1: cannot write the file: %2")
                               .arg(OutputFile::quoted(request.handout), why);
}
