#pragma once

#include <QString>

// One topic of the menu: it owns its parameters, handles its frame's controls and draws itself.
class Topic
{
public:
    virtual ~Topic() = default;
    // The topic's drawing procedure: the whole picture and its texts, from the parameters.
    virtual void draw() = 0;
    // What the picture on screen shows, in words with its current values, for a reader who
    // cannot see it (a screen reader reads it out).
    virtual QString description() const = 0;
    // A click on the drawing surface while the topic is shown.
    virtual void Picture1_Click() { }
    // Connects the handlers of the topic's controls; called once start-up has created them all.
    virtual void connect_controls() { }
};

// A value as a description says it: rounded to the given decimals, without trailing zeros
// ("1.618", "2", "-0.5"); a value that rounds to zero is "0".
QString spoken(double value, int decimals = 3);
