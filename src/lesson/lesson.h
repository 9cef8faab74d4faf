#pragma once

#include "action.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

// What a lesson file may hold, checked when it is read, so that no file can make the window or
// the render tool work without end. A step replays from the program's start in a few seconds at
// most: a tick of the fast chaos game costs 0.03 ms of processor time in the debug build (0.06 ms
// at zoom 4; 0.007 ms in the release build), the heaviest action (a topic drawn again at zoom 4,
// or a change of zoom) about 12 ms, so the worst step takes about 9 s in the debug build and
// about 2 s in the release build. 50,000 ticks are 17 minutes of the fast game, long after its
// pattern stops changing.
inline constexpr qint64 lesson_max_bytes = 1024 * 1024;
inline constexpr int lesson_max_line = 1000; // characters a line
inline constexpr int lesson_max_steps = 1000;
inline constexpr int step_max_actions = 500; // action words a step
inline constexpr long step_max_ticks = 50000; // timer ticks a step, all its tick words together
// What a teacher writes for a step: enough for a few minutes of explanation and a page of
// questions, so that a step's part of a handout takes no more than a few pages and its part of a
// web page stays readable on a phone.
inline constexpr int step_max_texts = 10; // paragraphs of text a step
inline constexpr int step_max_questions = 10;
inline constexpr int text_max_length = 800; // characters a paragraph
inline constexpr int question_max_length = 300;
inline constexpr int answer_max_length = 600;

struct StepSource;

// A question the teacher asks at a step, with its answer where the teacher gave one.
struct LessonQuestion
{
    QString question;
    QString answer; // empty: none given

    friend bool operator==(const LessonQuestion &, const LessonQuestion &) = default;
};

// One step of a lesson: its title and the actions that lead from the program's start to what
// the step shows. The seed is the random source's, for the chaos game's points. The teacher's
// explanation and questions go with it: each text a paragraph of one line (line breaks are
// written as blanks), the questions in the order they are asked.
struct LessonStep
{
    QString title;
    std::optional<std::uint64_t> seed;
    std::vector<RenderAction> actions;
    std::vector<int> lines; // the line each action was read from; empty for a step not read
    // The step's lines in the file it was read from, kept so that writing the lesson back keeps
    // its comments and formatting while the step is unchanged; none for a step not read.
    std::shared_ptr<const StepSource> source;
    QStringList texts;
    std::vector<LessonQuestion> questions;

    friend bool operator==(const LessonStep &a, const LessonStep &b)
    {
        return a.title == b.title && a.seed == b.seed && a.actions == b.actions
            && a.texts == b.texts && a.questions == b.questions;
    }
};

// A step's part of a lesson file: the comments directly above its "step:" line, that line, and
// every line after it up to the next step's part, with the step as those lines said.
struct StepSource
{
    QStringList lines;
    // Other: a comment or a blank line; Note: a text, a question or an answer.
    enum class Kind { Other, Title, Words, Note };
    std::vector<Kind> kinds; // of each line
    LessonStep as_read; // without its source
    int number = 0; // the step's place in the file, from 0
};

// What a lesson was read from or last written as: its bytes (to tell a change on disk) and the
// lines before its first step, with the way its lines end.
struct LessonSource
{
    QByteArray bytes;
    QStringList header; // the comments, blank lines and title before the first step's part
    int title_line = -1; // in the header; -1: none
    QString title; // as read
    QString line_end = QStringLiteral("\n"); // or "\r\n", as the file's first line ends
    bool byte_order_mark = false; // a UTF-8 file that starts with one keeps it
};

// A lesson: a title and steps, kept as a .aurelion-lesson text file.
struct Lesson
{
    QString title;
    std::vector<LessonStep> steps;
    // The file it was read from or last saved as; none for a lesson built from nothing.
    std::shared_ptr<const LessonSource> source;

    friend bool operator==(const Lesson &a, const Lesson &b)
    {
        return a.title == b.title && a.steps == b.steps;
    }
};

// Where a lesson file is wrong: the line (from 1; 0 for the file as a whole) and what is wrong.
struct LessonError
{
    int line = 0;
    QString message;

    bool failed() const { return !message.isEmpty(); }
    // "line 4: tick:x: the number of ticks is not a whole number of 0 or more"
    QString text() const;
};

// Reads a lesson file's bytes: UTF-8 (with or without a byte order mark) or UTF-16 with its byte
// order mark, as Windows editors save it, within the limits above. A file without steps (empty,
// or comments and a title only) reads as a lesson without steps: see empty_lesson_reason.
LessonError parse_lesson(const QByteArray &bytes, Lesson &lesson);
// The lesson as its file's UTF-8 bytes, which parse_lesson reads back to the same lesson. A
// lesson read from a file keeps that file's comments, blank lines and line ends, and the lines
// of every step that did not change; only the title, the steps changed, added or removed and
// the order of the steps are written anew.
QByteArray lesson_text(const Lesson &lesson);
// Reads a regular file of at most lesson_max_bytes, without blocking; the error says why a file
// cannot be read ("cannot read the file: not a regular file: a named pipe").
LessonError read_lesson(const QString &path, Lesson &lesson);
// Writes the file through a temporary file, so that a failure leaves the old file intact, and
// makes what was written the lesson's source; returns why it failed, or nothing. A lesson beyond
// the limits is not written, since it could not be read back.
QString save_lesson(const QString &path, Lesson &lesson);

// What a lesson without steps is, for the message that says so: "no steps: the file is empty",
// "no steps: the file holds only comments", "no steps: the lesson has only a title"; nothing for
// a lesson with steps.
QString empty_lesson_reason(const Lesson &lesson);

// Whether the file at path no longer holds what the lesson was read from or last saved as: it was
// edited, replaced or made unreadable since. False for a file that is gone and for a lesson
// never read or saved, where writing loses nothing.
bool lesson_changed_on_disk(const QString &path, const Lesson &lesson);

// The step's action (from 0) as an error with the line it was read from.
LessonError action_error(const LessonStep &step, std::size_t action, const QString &why);

inline constexpr char lesson_suffix[] = ".aurelion-lesson";
