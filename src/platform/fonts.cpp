#include "fonts.h"

#include <QFontDatabase>
#include <QtMath>

void load_bundled_fonts()
{
    static const bool loaded = [] {
        for (const char *file : { ":/fonts/LiberationSans-Regular.ttf",
                 ":/fonts/LiberationSans-Bold.ttf", ":/fonts/LiberationMono-Regular.ttf" })
            QFontDatabase::addApplicationFont(QString::fromLatin1(file));
        return true;
    }();
    Q_UNUSED(loaded);
}

QFont make_font(const FontSpec &spec)
{
    // Pixel sizes at 96 dpi. The sans-serif dialog font of the design draws larger than its point
    // size suggests, so it gets a slightly larger pixel size than the rule gives.
    QFont font;
    switch (spec.family) {
    case FontFamily::Courier:
        font.setFamily(QStringLiteral("Liberation Mono"));
        font.setPixelSize(qMax(1, qRound(spec.points * 4 / 3)));
        break;
    case FontFamily::MsSansSerif:
        font.setFamily(QStringLiteral("Liberation Sans"));
        font.setPixelSize(qMax(1, qRound(spec.points * 1.4)));
        break;
    case FontFamily::SmallFonts:
        font.setFamily(QStringLiteral("Liberation Sans"));
        font.setPixelSize(qMax(1, qRound(spec.points * 4 / 3)));
        break;
    }
    font.setBold(spec.bold);
    font.setStyleHint(spec.family == FontFamily::Courier ? QFont::TypeWriter : QFont::SansSerif);
    return font;
}
