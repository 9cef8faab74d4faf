#include "fonts.h"

#include <QFontDatabase>
#include <QtMath>

void load_bundled_fonts()
{
    // The fonts come from the system where it has them (the set-up and the package install
    // them); registering a bundled copy costs start-up time, so only a missing family is loaded
    // from the program's own copy. Either way they are the same font files.
    static const bool loaded = [] {
        const struct
        {
            const char *family;
            const char *files[2];
        } bundled[] = {
            { "Liberation Sans",
                { ":/fonts/LiberationSans-Regular.ttf", ":/fonts/LiberationSans-Bold.ttf" } },
            { "Liberation Mono", { ":/fonts/LiberationMono-Regular.ttf", nullptr } },
        };
        for (const auto &font : bundled) {
            // Asking the database, not a font: resolving a QFont would load a font engine at a
            // size the program never draws with.
            if (QFontDatabase::hasFamily(QString::fromLatin1(font.family)))
                continue;
            for (const char *file : font.files)
                if (file)
                    QFontDatabase::addApplicationFont(QString::fromLatin1(file));
        }
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
    if (spec.stretch != 100)
        font.setStretch(spec.stretch);
    font.setStyleHint(spec.family == FontFamily::Courier ? QFont::TypeWriter : QFont::SansSerif);
    return font;
}
