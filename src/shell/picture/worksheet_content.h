#pragma once

#include "worksheet.h"

class MainWindow;

// The topic's name as its menu shows it ("Pentagram", "Fibonacci's rabblis"); empty for the
// title screen.
QString topic_caption(MainWindow &window, int topic);

// What a worksheet of the topic on screen holds, read from the window as the user sees it: the
// menu caption, the side panel's lines, and the captions of the visible labels and check boxes
// of the topic's panels, row by row (the sequence table, the ratio, a frame's parameters).
Worksheet worksheet_of(MainWindow &window);

// The file name, without extension, proposed for the topic on screen: one name a topic, with
// the state the picture depends on where the topic has one ("golden-rectangle",
// "rabbits-month-6", "pythagoras-a-40-b-30").
QString picture_file_stem(MainWindow &window);

// The state the picture depends on, in words ("month 6", "a 40 b 30"); empty for a topic
// without one and for the title screen.
QString picture_state_words(MainWindow &window);

// The picture's title, as its file name names it: the topic's name as its menu shows it and the
// same state ("Golden rectangle", "Fibonacci's rabblis, month 6").
QString picture_title(MainWindow &window);
