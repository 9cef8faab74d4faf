#include "lesson.h"

#include "picture_output.h"

#include <QFile>
#include <QStringDecoder>
#include <QStringList>

namespace {

const QLatin1String title_key("title:");
const QLatin1String step_key("step:");
const QLatin1String seed_word("seed:");

// Titles are one line each: line breaks and tabs in a title become spaces.
QString one_line(const QString &title)
{
    QString text = title;
    for (QChar &c : text)
        if (c == QLatin1Char('\n') || c == QLatin1Char('\r') || c == QLatin1Char('\t'))
            c = QLatin1Char(' ');
    return text.trimmed();
}

} // namespace

QString LessonError::text() const
{
    return line > 0 ? QStringLiteral("line %1: %2").arg(line).arg(message) : message;
}

LessonError parse_lesson(const QByteArray &bytes, Lesson &lesson)
{
    Lesson read;
    if (bytes.contains('\0'))
        return { 0, QStringLiteral("not a lesson: the file is not text") };
    const QList<QByteArray> raw_lines = bytes.split('\n');
    bool title_seen = false;
    for (qsizetype i = 0; i < raw_lines.size(); ++i) {
        const int number = int(i + 1);
        QByteArray raw = raw_lines[i];
        if (i == 0 && raw.startsWith("\xEF\xBB\xBF"))
            raw.remove(0, 3);
        if (raw.endsWith('\r'))
            raw.chop(1);
        QStringDecoder decode(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        const QString line = QString(decode(raw)).trimmed();
        if (decode.hasError())
            return { number, QStringLiteral("not UTF-8 text") };
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        if (line.startsWith(title_key)) {
            if (title_seen)
                return { number, QStringLiteral("a second title") };
            if (!read.steps.empty())
                return { number, QStringLiteral("the title comes before the first step") };
            title_seen = true;
            read.title = line.mid(title_key.size()).trimmed();
            continue;
        }
        if (line.startsWith(step_key)) {
            LessonStep step;
            step.title = line.mid(step_key.size()).trimmed();
            if (step.title.isEmpty())
                return { number, QStringLiteral("the step has no title") };
            read.steps.push_back(step);
            continue;
        }
        const QStringList words = line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (read.steps.empty())
            return { number,
                QStringLiteral("%1: actions before the first step (a step starts with "
                               "\"step: TITLE\")")
                    .arg(words.front()) };
        LessonStep &step = read.steps.back();
        for (const QString &word : words) {
            if (word.startsWith(QLatin1Char('#')))
                break;
            if (word.startsWith(seed_word)) {
                bool ok = false;
                const std::uint64_t seed = word.mid(seed_word.size()).toULongLong(&ok);
                if (!ok)
                    return {
                        number,
                        QStringLiteral("%1: the seed is not a whole number of 0 or more").arg(word)
                    };
                if (step.seed)
                    return { number, QStringLiteral("%1: a second seed in the step").arg(word) };
                step.seed = seed;
                continue;
            }
            RenderAction action;
            if (const QString why = parse_action(word, action); !why.isEmpty())
                return { number, why };
            step.actions.push_back(action);
            step.lines.push_back(number);
        }
    }
    lesson = read;
    return {};
}

QByteArray lesson_text(const Lesson &lesson)
{
    QString text = QStringLiteral("# An Aurelion lesson: each step shows what its actions do "
                                  "from the program's start.\n");
    if (!lesson.title.isEmpty())
        text += title_key + QLatin1Char(' ') + one_line(lesson.title) + QLatin1Char('\n');
    for (const LessonStep &step : lesson.steps) {
        text += QLatin1Char('\n') + step_key + QLatin1Char(' ') + one_line(step.title)
            + QLatin1Char('\n');
        if (step.seed)
            text += seed_word + QString::number(*step.seed) + QLatin1Char('\n');
        // Words filled into lines of at most 100 characters.
        QString line;
        for (const RenderAction &action : step.actions) {
            const QString word = action_text(action);
            if (!line.isEmpty() && line.size() + 1 + word.size() > 100) {
                text += line + QLatin1Char('\n');
                line.clear();
            }
            line += (line.isEmpty() ? QString() : QStringLiteral(" ")) + word;
        }
        if (!line.isEmpty())
            text += line + QLatin1Char('\n');
    }
    return text.toUtf8();
}

LessonError read_lesson(const QString &path, Lesson &lesson)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return { 0, QStringLiteral("cannot read the file: %1").arg(file.errorString()) };
    return parse_lesson(file.readAll(), lesson);
}

QString save_lesson(const QString &path, const Lesson &lesson)
{
    const QByteArray bytes = lesson_text(lesson);
    return save_file(path, [&bytes](QIODevice &d) { return d.write(bytes) == bytes.size(); });
}
