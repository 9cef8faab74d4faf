#pragma once

#include "action.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

// One step of a lesson: its title and the actions that lead from the program's start to what
// the step shows. The seed is the random source's, for the chaos game's points.
struct LessonStep
{
    QString title;
    std::optional<std::uint64_t> seed;
    std::vector<RenderAction> actions;
    std::vector<int> lines; // the line each action was read from; empty for a step not read

    friend bool operator==(const LessonStep &a, const LessonStep &b)
    {
        return a.title == b.title && a.seed == b.seed && a.actions == b.actions;
    }
};

// A lesson: a title and steps, kept as a .aurelion-lesson text file.
struct Lesson
{
    QString title;
    std::vector<LessonStep> steps;

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

// Reads a lesson file's bytes.
LessonError parse_lesson(const QByteArray &bytes, Lesson &lesson);
// The lesson as its file's bytes, which parse_lesson reads back to the same lesson.
QByteArray lesson_text(const Lesson &lesson);
// Reads the file; the error names the file's problem when it cannot be read.
LessonError read_lesson(const QString &path, Lesson &lesson);
// Writes the file through a temporary file, so that a failure leaves the old file intact;
// returns why it failed, or nothing.
QString save_lesson(const QString &path, const Lesson &lesson);

inline constexpr char lesson_suffix[] = ".aurelion-lesson";
