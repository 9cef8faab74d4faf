#pragma once

#include <QSize>

class QFont;
class QWidget;

// A dialog of a zoomed window: its text in the window's dialog font, its check boxes, radio
// buttons, icons, margins, scroll bars and spin boxes grown in the same measure (a check box stays
// as tall as its caption, an icon's picture is enlarged), and its size what its contents need, at
// least `least` grown in that measure, within the available area of the screen it shows on,
// centred over its parent. Widgets the dialog creates as it shows take the grown measures then;
// when it shows more of them later (a print dialog's options) it makes room again and stays on
// the screen. Call it once the dialog's children exist, before it is shown.
void fit_dialog(QWidget &dialog, const QFont &font, QSize least = {});

// Every control of the dialog at least as large as its text asks: for a dialog that changes its
// controls' texts after it was fitted (and once more when it shows, which fit_dialog does).
void make_room(QWidget &dialog);

// How much larger than the application's usual text the font is, never below 1.
double font_growth(const QFont &font);
