#pragma once

#include <QString>

#include <optional>

// One action of a user on the window, in the words the render tool takes on its command line
// and a lesson file holds: "menu:M_R:4", "click:ComP:0", "move:1.5,2", "press:1.5,2", "tick:40",
// "zoom:2".
struct RenderAction
{
    enum class Kind { Menu, Click, Move, Press, Tick, Zoom };
    Kind kind = Kind::Tick;
    QString argument; // the word as written, as messages quote it (printable_word)
    QString origin; // where it was read, for messages: "--lesson FILE: line 3"; empty: unsaid
    QString name; // menu or control name
    std::optional<int> index;
    double x = 0, y = 0;
    long count = 1;

    // The key of the menu command or control: "NAME" or "NAME:INDEX".
    QString key() const;
    friend bool operator==(const RenderAction &a, const RenderAction &b);
};

// Reads one action word; returns a message naming the word and what is wrong, or nothing.
QString parse_action(const QString &word, RenderAction &action);
// The action as its word, which parse_action reads back to the same action.
QString action_text(const RenderAction &action);
// The word or name as a message quotes it: characters that cannot be seen or that move the text
// (control and format characters, line breaks, blanks other than the space) written as \xHH or
// \uHHHH, so that a word of control characters still shows in a one-line message.
QString printable_word(const QString &word);
// Numbers as the shortest text that reads back to the same value; a value that is a single
// precision number (as the pointer's user coordinates are) is written as one.
QString number_text(double value);
