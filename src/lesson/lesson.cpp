#include "lesson.h"

#include "input_file.h"
#include "picture_output.h"

#include <QFileInfo>
#include <QStringDecoder>

#include <set>

namespace {

const QLatin1String title_key("title:");
const QLatin1String step_key("step:");
const QLatin1String seed_word("seed:");
const QLatin1String text_key("text:");
const QLatin1String question_key("question:");
const QLatin1String answer_key("answer:");
const QString generated_comment = QStringLiteral(
    "# An Aurelion lesson: each step shows what its actions do from the program's start.");
constexpr qsizetype words_line_width = 100;

// Titles are one line each: line breaks and tabs in a title become spaces.
QString one_line(const QString &title)
{
    QString text = title;
    for (QChar &c : text)
        if (c == QLatin1Char('\n') || c == QLatin1Char('\r') || c == QLatin1Char('\t'))
            c = QLatin1Char(' ');
    return text.trimmed();
}

// The file's text as lines, with how they end; or the line that is not text.
struct DecodedText
{
    QStringList lines;
    QString line_end = QStringLiteral("\n");
    bool byte_order_mark = false;
};

// Lines end at "\n"; a "\r" before it belongs to the line end. A last line without its end
// counts as a line, an end at the very end of the file starts none.
template <typename Text> std::vector<Text> split_lines(const Text &text, QString &line_end)
{
    std::vector<Text> lines;
    qsizetype from = 0;
    bool first = true;
    while (from < text.size()) {
        qsizetype end = text.indexOf('\n', from);
        if (end < 0)
            end = text.size();
        Text line = text.mid(from, end - from);
        if (line.endsWith('\r')) {
            line.chop(1);
            if (first && end < text.size())
                line_end = QStringLiteral("\r\n");
        }
        first = false;
        lines.push_back(line);
        from = end + 1;
    }
    return lines;
}

LessonError decode_utf16(const QByteArray &bytes, DecodedText &text)
{
    const bool big_endian = bytes.startsWith("\xFE\xFF");
    QString all;
    all.reserve((bytes.size() - 2) / 2);
    for (qsizetype i = 2; i + 1 < bytes.size(); i += 2) {
        const auto high = std::uint8_t(bytes[big_endian ? i : i + 1]);
        const auto low = std::uint8_t(bytes[big_endian ? i + 1 : i]);
        all.append(QChar(char16_t(high << 8 | low)));
    }
    const std::vector<QString> lines = split_lines(all, text.line_end);
    for (std::size_t n = 0; n < lines.size(); ++n) {
        const QString &line = lines[n];
        // Every surrogate must be one of a pair.
        for (qsizetype i = 0; i < line.size(); ++i) {
            if (line[i].isHighSurrogate() && i + 1 < line.size() && line[i + 1].isLowSurrogate())
                ++i;
            else if (line[i].isSurrogate())
                return { int(n + 1), QStringLiteral("not UTF-16 text") };
        }
        text.lines << line;
    }
    if (bytes.size() % 2 != 0)
        return { int(all.count(QLatin1Char('\n')) + 1),
            QStringLiteral("not UTF-16 text: the file ends in half a character") };
    return {};
}

LessonError decode(const QByteArray &bytes, DecodedText &text)
{
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF")) {
        if (const LessonError error = decode_utf16(bytes, text); error.failed())
            return error;
        for (const QString &line : text.lines)
            if (line.contains(QChar(0)))
                return { 0, QStringLiteral("not a lesson: the file is not text") };
        return {};
    }
    if (bytes.contains('\0'))
        return { 0, QStringLiteral("not a lesson: the file is not text") };
    QByteArray all = bytes;
    if (all.startsWith("\xEF\xBB\xBF")) {
        all.remove(0, 3);
        text.byte_order_mark = true;
    }
    const std::vector<QByteArray> lines = split_lines(all, text.line_end);
    for (std::size_t n = 0; n < lines.size(); ++n) {
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        const QString line = utf8(lines[n]);
        if (utf8.hasError())
            return { int(n + 1), QStringLiteral("not UTF-8 text") };
        text.lines << line;
    }
    return {};
}

// Blanks between words are spaces or tabs.
QStringList words_of(const QString &line)
{
    QStringList words;
    QString word;
    for (const QChar c : line + QLatin1Char(' ')) {
        if (c != QLatin1Char(' ') && c != QLatin1Char('\t')) {
            word += c;
        } else if (!word.isEmpty()) {
            words << word;
            word.clear();
        }
    }
    return words;
}

// Reads a step's line of words into it; the line is the file's line number.
LessonError read_words(const QString &text, int line, LessonStep &step, long &ticks)
{
    for (const QString &word : words_of(text)) {
        if (word.startsWith(QLatin1Char('#')))
            break;
        if (word.startsWith(seed_word)) {
            bool ok = false;
            const std::uint64_t seed = word.mid(seed_word.size()).toULongLong(&ok);
            if (!ok)
                return { line,
                    QStringLiteral("%1: the seed is not a whole number of 0 or more")
                        .arg(printable_word(word)) };
            if (step.seed)
                return { line,
                    QStringLiteral("%1: a second seed in the step").arg(printable_word(word)) };
            step.seed = seed;
            continue;
        }
        RenderAction action;
        if (const QString why = parse_action(word, action); !why.isEmpty())
            return { line, why };
        if (step.actions.size() >= std::size_t(step_max_actions))
            return { line,
                QStringLiteral("%1: a step has at most %2 actions")
                    .arg(action.argument)
                    .arg(step_max_actions) };
        if (action.kind == RenderAction::Kind::Tick) {
            if (action.count > step_max_ticks - ticks)
                return { line,
                    QStringLiteral("%1: a step ticks at most %2 times")
                        .arg(action.argument)
                        .arg(step_max_ticks) };
            ticks += action.count;
        }
        step.actions.push_back(action);
        step.lines.push_back(line);
    }
    return {};
}

// Reads a text, question or answer line (trimmed, starting with its key) into the step.
LessonError read_note(const QString &line, int number, LessonStep &step)
{
    const auto value_after = [&line](QLatin1String key) { return line.mid(key.size()).trimmed(); };
    if (line.startsWith(text_key)) {
        const QString text = value_after(text_key);
        if (text.isEmpty())
            return { number, QStringLiteral("the text is empty") };
        if (text.size() > text_max_length)
            return { number,
                QStringLiteral("a text has at most %1 characters").arg(text_max_length) };
        if (step.texts.size() >= step_max_texts)
            return { number, QStringLiteral("a step has at most %1 texts").arg(step_max_texts) };
        step.texts << text;
        return {};
    }
    if (line.startsWith(question_key)) {
        const QString question = value_after(question_key);
        if (question.isEmpty())
            return { number, QStringLiteral("the question is empty") };
        if (question.size() > question_max_length)
            return { number,
                QStringLiteral("a question has at most %1 characters").arg(question_max_length) };
        if (step.questions.size() >= std::size_t(step_max_questions))
            return { number,
                QStringLiteral("a step has at most %1 questions").arg(step_max_questions) };
        step.questions.push_back({ question, {} });
        return {};
    }
    const QString answer = value_after(answer_key);
    if (step.questions.empty())
        return { number, QStringLiteral("an answer without a question before it in the step") };
    if (!step.questions.back().answer.isEmpty())
        return { number, QStringLiteral("a second answer to the question") };
    if (answer.isEmpty())
        return { number, QStringLiteral("the answer is empty") };
    if (answer.size() > answer_max_length)
        return { number,
            QStringLiteral("an answer has at most %1 characters").arg(answer_max_length) };
    step.questions.back().answer = answer;
    return {};
}

bool is_note(const QString &line)
{
    return line.startsWith(text_key) || line.startsWith(question_key)
        || line.startsWith(answer_key);
}

// The step's seed and actions as lines of words, each at most 100 characters wide.
QStringList words_lines(const LessonStep &step)
{
    QStringList lines;
    if (step.seed)
        lines << seed_word + QString::number(*step.seed);
    QString line;
    for (const RenderAction &action : step.actions) {
        const QString word = action_text(action);
        if (!line.isEmpty() && line.size() + 1 + word.size() > words_line_width) {
            lines << line;
            line.clear();
        }
        line += (line.isEmpty() ? QString() : QStringLiteral(" ")) + word;
    }
    if (!line.isEmpty())
        lines << line;
    return lines;
}

QString title_line(const QString &key, const QString &title)
{
    return key + QLatin1Char(' ') + one_line(title);
}

// The step's texts, then its questions each with its answer; what is empty on one line is left
// out, as the file could not hold it.
QStringList note_lines(const LessonStep &step)
{
    QStringList lines;
    for (const QString &text : step.texts)
        if (!one_line(text).isEmpty())
            lines << title_line(text_key, text);
    for (const LessonQuestion &q : step.questions) {
        if (one_line(q.question).isEmpty())
            continue;
        lines << title_line(question_key, q.question);
        if (!one_line(q.answer).isEmpty())
            lines << title_line(answer_key, q.answer);
    }
    return lines;
}

// A step as it is written where it has no lines of its own, or its seed and actions or its
// texts and questions changed: its title line, its words, its texts and questions, and its
// comments kept where they were.
QStringList step_lines(const LessonStep &step)
{
    const StepSource *source = step.source.get();
    if (!source)
        return QStringList { title_line(step_key, step.title) } + words_lines(step)
            + note_lines(step);
    const LessonStep &read = source->as_read;
    const bool words_changed = step.seed != read.seed || step.actions != read.actions;
    const bool notes_changed = step.texts != read.texts || step.questions != read.questions;
    using Kind = StepSource::Kind;
    const auto first = [source](Kind kind) {
        return std::find(source->kinds.begin(), source->kinds.end(), kind);
    };
    // New words go where the first line of words was, or under the title in a step without;
    // new texts and questions where the first of them was, or after the words.
    auto first_words = first(Kind::Words);
    if (first_words == source->kinds.end())
        first_words = first(Kind::Title);
    auto first_note = first(Kind::Note);
    if (first_note == source->kinds.end()) {
        const auto last_words =
            std::find(source->kinds.rbegin(), source->kinds.rend(), Kind::Words);
        first_note =
            last_words == source->kinds.rend() ? first(Kind::Title) : std::prev(last_words.base());
    }
    QStringList lines;
    for (std::size_t i = 0; i < source->kinds.size(); ++i) {
        const QString &line = source->lines[qsizetype(i)];
        switch (source->kinds[i]) {
        case Kind::Title:
            lines << (step.title == read.title ? line : title_line(step_key, step.title));
            break;
        case Kind::Words:
            if (!words_changed)
                lines << line;
            break;
        case Kind::Note:
            if (!notes_changed)
                lines << line;
            break;
        case Kind::Other:
            lines << line;
            break;
        }
        const auto at = source->kinds.begin() + qsizetype(i);
        if (words_changed && at == first_words)
            lines += words_lines(step);
        if (notes_changed && at == first_note)
            lines += note_lines(step);
    }
    return lines;
}

// The lines before the first step: the source's with the title changed, or a comment and the
// title for a lesson built from nothing.
QStringList header_lines(const Lesson &lesson)
{
    const LessonSource *source = lesson.source.get();
    if (!source) {
        QStringList lines { generated_comment };
        if (!lesson.title.isEmpty())
            lines << title_line(title_key, lesson.title);
        return lines;
    }
    QStringList lines = source->header;
    if (lesson.title == source->title)
        return lines;
    if (source->title_line >= 0) {
        if (lesson.title.isEmpty())
            lines.removeAt(source->title_line);
        else
            lines[source->title_line] = title_line(title_key, lesson.title);
        return lines;
    }
    // A new title goes after the comments that open the file.
    qsizetype at = 0;
    while (at < lines.size() && lines[at].trimmed().startsWith(QLatin1Char('#')))
        ++at;
    lines.insert(at, title_line(title_key, lesson.title));
    if (at + 1 == lines.size())
        lines << QString();
    return lines;
}

} // namespace

QString LessonError::text() const
{
    return line > 0 ? QStringLiteral("line %1: %2").arg(line).arg(message) : message;
}

LessonError parse_lesson(const QByteArray &bytes, Lesson &lesson)
{
    DecodedText text;
    if (const LessonError error = decode(bytes, text); error.failed())
        return error;
    Lesson read;
    auto source = std::make_shared<LessonSource>();
    source->bytes = bytes;
    source->line_end = text.line_end;
    source->byte_order_mark = text.byte_order_mark;
    // Each step's part of the file, built while it is read.
    std::vector<StepSource> parts;
    long ticks = 0; // of the step being read
    for (qsizetype i = 0; i < text.lines.size(); ++i) {
        const int number = int(i + 1);
        const QString &raw = text.lines[i];
        if (raw.size() > lesson_max_line)
            return { number,
                QStringLiteral("a line has at most %1 characters").arg(lesson_max_line) };
        const QString line = raw.trimmed();
        if (line.startsWith(step_key)) {
            if (read.steps.size() >= std::size_t(lesson_max_steps))
                return { number,
                    QStringLiteral("a lesson has at most %1 steps").arg(lesson_max_steps) };
            LessonStep step;
            step.title = line.mid(step_key.size()).trimmed();
            if (step.title.isEmpty())
                return { number, QStringLiteral("the step has no title") };
            read.steps.push_back(step);
            ticks = 0;
            // The comments right above the step (no blank line between) are the step's.
            StepSource part;
            part.number = int(parts.size());
            QStringList &before = parts.empty() ? source->header : parts.back().lines;
            qsizetype keep = before.size();
            while (keep > 0 && before[keep - 1].trimmed().startsWith(QLatin1Char('#')))
                --keep;
            // The comments that open the file belong to the file, not to its first step.
            if (parts.empty() && keep == 0)
                keep = before.size();
            for (qsizetype k = keep; k < before.size(); ++k) {
                part.lines << before[k];
                part.kinds.push_back(StepSource::Kind::Other);
            }
            before.erase(before.begin() + keep, before.end());
            if (!parts.empty())
                parts.back().kinds.resize(std::size_t(parts.back().lines.size()));
            part.lines << raw;
            part.kinds.push_back(StepSource::Kind::Title);
            parts.push_back(part);
            continue;
        }
        const auto keep_line = [&](StepSource::Kind kind) {
            if (parts.empty()) {
                source->header << raw;
            } else {
                parts.back().lines << raw;
                parts.back().kinds.push_back(kind);
            }
        };
        if (line.isEmpty() || line.startsWith(QLatin1Char('#'))) {
            keep_line(StepSource::Kind::Other);
            continue;
        }
        if (line.startsWith(title_key)) {
            if (source->title_line >= 0)
                return { number, QStringLiteral("a second title") };
            if (!read.steps.empty())
                return { number, QStringLiteral("the title comes before the first step") };
            source->title_line = int(source->header.size());
            read.title = line.mid(title_key.size()).trimmed();
            keep_line(StepSource::Kind::Other);
            continue;
        }
        if (is_note(line)) {
            if (read.steps.empty())
                return { number,
                    QStringLiteral("%1 before the first step (a step starts with \"step: "
                                   "TITLE\")")
                        .arg(line.left(line.indexOf(QLatin1Char(':')) + 1)) };
            if (const LessonError error = read_note(line, number, read.steps.back());
                error.failed())
                return error;
            keep_line(StepSource::Kind::Note);
            continue;
        }
        if (read.steps.empty())
            return { number,
                QStringLiteral("%1: actions before the first step (a step starts with "
                               "\"step: TITLE\")")
                    .arg(printable_word(words_of(line).front())) };
        if (const LessonError error = read_words(line, number, read.steps.back(), ticks);
            error.failed())
            return error;
        keep_line(StepSource::Kind::Words);
    }
    source->title = read.title;
    for (std::size_t i = 0; i < read.steps.size(); ++i) {
        parts[i].as_read = read.steps[i];
        read.steps[i].source = std::make_shared<const StepSource>(std::move(parts[i]));
    }
    read.source = std::move(source);
    lesson = read;
    return {};
}

QByteArray lesson_text(const Lesson &lesson)
{
    QStringList lines = header_lines(lesson);
    // A step's lines are its own once: a second step with the same source is written anew.
    std::set<const StepSource *> written;
    int previous = -1; // the place in the file of the step written last; -1: the header
    for (const LessonStep &step : lesson.steps) {
        LessonStep own = step;
        if (own.source && !written.insert(own.source.get()).second)
            own.source.reset();
        const StepSource *part = own.source.get();
        const QStringList body = part && own == part->as_read ? part->lines : step_lines(own);
        // A step that follows what it followed in the file keeps the blank lines it had (or
        // had not); elsewhere a blank line sets it apart.
        const bool in_place = part && lesson.source && part->number == previous + 1;
        if (!in_place && !lines.isEmpty() && !lines.back().trimmed().isEmpty())
            lines << QString();
        lines += body;
        previous = part ? part->number : -2;
    }
    const LessonSource *source = lesson.source.get();
    const QString end = source ? source->line_end : QStringLiteral("\n");
    QString text = source && source->byte_order_mark ? QString(QChar(0xFEFF)) : QString();
    for (const QString &line : lines)
        text += line + end;
    return text.toUtf8();
}

LessonError read_lesson(const QString &path, Lesson &lesson)
{
    QByteArray bytes;
    if (const QString why = read_regular_file(path, lesson_max_bytes, bytes); !why.isEmpty())
        return { 0, QStringLiteral("cannot read the file: %1").arg(why) };
    return parse_lesson(bytes, lesson);
}

QString save_lesson(const QString &path, Lesson &lesson)
{
    const QByteArray bytes = lesson_text(lesson);
    // What is written must read back: a lesson beyond the limits is refused here.
    Lesson written;
    if (const LessonError error = parse_lesson(bytes, written); error.failed())
        return error.text();
    if (const QString why =
            save_file(path, [&bytes](QIODevice &d) { return d.write(bytes) == bytes.size(); });
        !why.isEmpty())
        return why;
    lesson = written;
    return {};
}

QString empty_lesson_reason(const Lesson &lesson)
{
    if (!lesson.steps.empty())
        return {};
    if (!lesson.title.isEmpty())
        return QStringLiteral("no steps: the lesson has only a title");
    if (!lesson.source)
        return QStringLiteral("no steps");
    if (lesson.source->header.join(QString()).trimmed().isEmpty())
        return QStringLiteral("no steps: the file is empty");
    return QStringLiteral("no steps: the file holds only comments");
}

bool lesson_changed_on_disk(const QString &path, const Lesson &lesson)
{
    if (!lesson.source || !QFileInfo::exists(path))
        return false;
    QByteArray bytes;
    if (!read_regular_file(path, lesson_max_bytes, bytes).isEmpty())
        return true;
    return bytes != lesson.source->bytes;
}

LessonError action_error(const LessonStep &step, std::size_t action, const QString &why)
{
    return { action < step.lines.size() ? step.lines[action] : 0, why };
}
