#pragma once

#include "lesson.h"
#include "worksheet.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>
#include <optional>

class QIODevice;

// What a handout is made with besides its lesson.
struct HandoutSettings
{
    QString title; // heads the title page and names the document
    Paper paper = Paper::A4;
    Ink ink = Ink::Colour;
    // The language of every text and number: a catalogue's code or "en"; empty: the one the
    // environment asks for.
    QString language;
    // The random source's seed for a step that keeps none; none: a fresh one.
    std::optional<std::uint64_t> seed;
};

// Told how far the handout has come: the steps replayed so far, of all, after every step and
// between a step's actions; returning false cancels the handout.
using HandoutProgress = std::function<bool(int done, int total)>;

// How making a handout ended.
struct HandoutResult
{
    enum class Outcome { Written, Cancelled, StepFailed, NotWritten };
    Outcome outcome = Outcome::Written;
    int step = 0; // the step that cannot be replayed, from 1
    LessonError error; // its line and why
};

// One step's page of a handout, handed to the writer while the step's window still shows it.
struct HandoutPage
{
    int number = 0; // from 1
    const LessonStep *step = nullptr;
    QString heading; // "Step 3: The golden rectangle", in the handout's language
    Worksheet sheet; // the step's worksheet under that heading; its figures paint the window
};

// A handout in one format: a title page with the lesson's title and its contents, then a page a
// step, given in order.
class HandoutWriter
{
public:
    virtual ~HandoutWriter() = default;
    virtual bool begin(const QString &title, const QStringList &contents) = 0;
    virtual bool add_step(const HandoutPage &page) = 0;
    virtual bool finish() = 0;
};

// Replays the lesson's steps one at a time, each from the program's start in a window of its own
// that is not shown on screen, and hands each step's page to the writer before the window is
// freed: the memory stays that of one window however many steps there are, the time grows with
// them. A lesson without steps makes no handout.
HandoutResult make_handout(const Lesson &lesson, const HandoutSettings &settings,
    HandoutWriter &writer, const HandoutProgress &progress = {});

// The handout as a PDF: the title page, whose contents run on over further pages where they are
// long, then a worksheet page a step headed "Step N: title".
HandoutResult write_handout_pdf(const Lesson &lesson, const HandoutSettings &settings,
    QIODevice &device, const HandoutProgress &progress = {});
