// The render tool's lesson options: a step of a lesson shown by the other outputs, and the whole
// lesson as a handout and an answer key, each a PDF of a worksheet page a step or a web page.

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
    if (arg == QLatin1String("--handout") || arg == QLatin1String("--answer-key")) {
        QString &path = arg == QLatin1String("--handout") ? request.handout : request.answer_key;
        if (QString e = value(path); !e.isEmpty())
            return e;
        if (!handout_format_of(path))
            return QStringLiteral("%1 %2: the file must end in .pdf or .html")
                .arg(arg, OutputFile::quoted(path));
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
        if (!request.answer_key.isEmpty())
            return QStringLiteral("--answer-key %1: needs --lesson FILE")
                .arg(OutputFile::quoted(request.answer_key));
        return {};
    }
    Lesson &lesson = request.lesson_read;
    if (const LessonError error = read_lesson(request.lesson, lesson); error.failed())
        return QStringLiteral("%1: %2").arg(lesson_named(request), error.text());
    const bool handouts = !request.handout.isEmpty() || !request.answer_key.isEmpty();
    if ((request.step || handouts) && lesson.steps.empty())
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
    // Written into the files as the pages come, so that no more than a page is held in memory.
    std::vector<std::pair<const QString *, std::unique_ptr<OutputFile>>> files;
    std::vector<HandoutTarget> targets;
    for (const auto &[path, answers] :
        { std::pair { &request.handout, false }, std::pair { &request.answer_key, true } }) {
        if (path->isEmpty())
            continue;
        auto file = std::make_unique<OutputFile>(*path);
        if (!file->open())
            return QStringLiteral("%1: cannot write the file: %2")
                .arg(OutputFile::quoted(*path), file->error());
        targets.push_back({ *handout_format_of(*path), answers, &file->device() });
        files.emplace_back(path, std::move(file));
    }
    const HandoutResult result = write_handouts(lesson, settings, targets);
    if (result.outcome == HandoutResult::Outcome::StepFailed)
        return QStringLiteral("%1: %2").arg(lesson_named(request), result.error.text());
    // The file that failed: the first that says why, else the first.
    const auto failed = [&files]() -> std::pair<const QString *, std::unique_ptr<OutputFile>> & {
        for (auto &entry : files)
            if (!entry.second->error().isEmpty())
                return entry;
        return files.front();
    };
    bool written = result.outcome == HandoutResult::Outcome::Written;
    for (auto &entry : files)
        written = written && entry.second->commit();
    if (written)
        return {};
    const auto &[path, file] = failed();
    const QString why =
        file->error().isEmpty() ? QStringLiteral("the contents could not be made") : file->error();
    for (auto &entry : files)
        entry.second->cancel();
    return QStringLiteral("%1: cannot write the file: %2").arg(OutputFile::quoted(*path), why);
}
