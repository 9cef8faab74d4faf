#pragma once

// One topic of the menu: it owns its parameters, handles its frame's controls and draws itself.
class Topic
{
public:
    virtual ~Topic() = default;
    // The topic's drawing procedure: the whole picture and its texts, from the parameters.
    virtual void draw() = 0;
    // A click on the drawing surface while the topic is shown.
    virtual void Picture1_Click() { }
    // Connects the handlers of the topic's controls; called once start-up has created them all.
    virtual void connect_controls() { }
};
