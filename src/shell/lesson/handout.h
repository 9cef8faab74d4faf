#pragma once

#include "lesson.h"
#include "worksheet.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

class PictureBox;
class QIODevice;

// What a handout is made with besides its lesson.
struct HandoutSettings
{
    QString title; // heads the title page and names the document
    // The answer key: each question followed by its answer (a PDF's in place of the ruled space
    // to write it on, a web page's folded under it); the pupils' handout leaves the answers out.
    bool answer_key = false;
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

// What opens a handout: the lesson's title and its contents, a heading a step.
struct HandoutCover
{
    QString title;
    QStringList contents; // "Step 3: The golden rectangle", in the handout's language
    QString language; // the code of that language ("de", "pt_BR", "en")
};

// One step's page of a handout, handed to the writer while the step's window still shows it.
struct HandoutPage
{
    int number = 0; // from 1
    const LessonStep *step = nullptr; // with the teacher's texts and questions
    QString heading; // "Step 3: The golden rectangle", in the handout's language
    Worksheet sheet; // the step's worksheet under that heading; its figures paint the window
    const PictureBox *drawing = nullptr; // the drawing surface; none for the title screen
    QString description; // the drawing in words, as a screen reader hears it in the window
};

// A handout in one format: a title page with the lesson's title and its contents, then a page a
// step, given in order. Its texts are translated in the handout's language.
class HandoutWriter
{
public:
    virtual ~HandoutWriter() = default;
    virtual bool begin(const HandoutCover &cover) = 0;
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
// long, then a worksheet page a step headed "Step N: title", the step's texts and questions
// under its drawing (with ruled lines to answer on, or in the answer key the answers), on pages
// headed "Step N: title (continued)" where they do not fit under a drawing of at least 60 % of
// the page's width. The answer key's title page says that it is one.
HandoutResult write_handout_pdf(const Lesson &lesson, const HandoutSettings &settings,
    QIODevice &device, const HandoutProgress &progress = {});

// A handout's own texts, in the language installed while it is made.
QString step_heading(int number, const QString &title); // "Step 3: The golden rectangle"
QString questions_heading(); // "Questions"
QString answer_label(); // "Answer"
QString answer_key_title(const QString &title); // "Answer key: The golden number"

// The formats a handout is written in, chosen by the file's extension (.pdf; .html or .htm for
// the web page, web_page.h).
enum class HandoutFormat { Pdf, Html };
std::optional<HandoutFormat> handout_format_of(const QString &path);

// One handout to write: in a format, for the pupils or as the answer key, into a device.
struct HandoutTarget
{
    HandoutFormat format = HandoutFormat::Pdf;
    bool answer_key = false;
    QIODevice *device = nullptr;
};

// Several handouts of the same lesson at once (the pupils' and the answer key, a PDF and a web
// page), from one replay of its steps; settings.answer_key is each target's own.
HandoutResult write_handouts(const Lesson &lesson, const HandoutSettings &settings,
    const std::vector<HandoutTarget> &targets, const HandoutProgress &progress = {});
