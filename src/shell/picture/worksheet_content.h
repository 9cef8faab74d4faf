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

// Words as a file name writes them, whatever the language: lower case ASCII letters and digits
// with hyphens between the words, the decimal separator between digits and a minus sign spelt
// out in the window's language ("f1-minus-0.61803", "fuenfeck-minus-0,46"), so that every file
// system and mail program keeps them.
QString file_words(const QString &words);

// The file name, without extension, proposed for the topic on screen: one name a topic, with
// the state the picture depends on where the topic has one ("golden-rectangle",
// "rabbits-month-6", "pythagoras-a-40-b-30"), in the window's language and in ASCII letters
// ("kaninchen-monat-6", "fuenfeck").
QString picture_file_stem(MainWindow &window);
// The same for the worksheet, so that it keeps its own name beside a PDF of the drawing
// ("rabbits-month-6-worksheet").
QString worksheet_file_stem(MainWindow &window);

// The state the picture depends on, in the language's words and numbers ("month 6",
// "a 40 b 30", "Monat 6"); empty for a topic without one and for the title screen.
QString picture_state_words(MainWindow &window);

// The picture's title, as its file name names it: the topic's name as its menu shows it and the
// same state ("Golden rectangle", "Fibonacci's rabblis, month 6", "Lebensgenerator, k = 0,3;
// w = 0; yo = 10; d = 0").
QString picture_title(MainWindow &window);
