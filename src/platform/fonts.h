#pragma once

#include <QFont>

// The three font names of the window design, each mapped to a bundled font of similar size and
// kind, so text reads the same on every machine.
enum class FontFamily { Courier, MsSansSerif, SmallFonts };

struct FontSpec
{
    FontFamily family = FontFamily::MsSansSerif;
    double points = 7.8;
    bool bold = false;
    int stretch = 100; // width of the letters in percent: below 100 a narrower face
};

// Loads the bundled fonts once; call after the application object exists.
void load_bundled_fonts();

QFont make_font(const FontSpec &spec);
