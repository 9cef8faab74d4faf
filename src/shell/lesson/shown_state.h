#pragma once

#include <QByteArray>

#include <cstddef>

class MainWindow;

// What the window shows, to tell whether two windows (or one window at two moments) show the
// same: the topic, every control in sight with its caption, place and value, the chaos game's
// markers and timer while they run, and the pixels of the drawing, the side panel and the
// window background at the design's size, whatever the zoom. Hidden controls, the zoom and the
// messages shown before are not part of it. Without the read-out, the coordinate read-out's
// caption is left out (the pointer's place is kept apart from the rest of a step).
QByteArray shown_state(MainWindow &window, bool with_readout = true);
// A short key of the same, for comparing many moments.
std::size_t shown_key(MainWindow &window, bool with_readout = true);
