#pragma once

#include <QRgb>

// The 16 colours of the classic palette, addressed by index 0..15.
QRgb QBColor(int index);

// A colour from its red, green and blue parts, 0..255 each.
constexpr QRgb RGB(int red, int green, int blue) { return qRgb(red, green, blue); }

// The colour as "#rrggbb".
QString colour_name(QRgb colour);
