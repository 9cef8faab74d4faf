#include "picture_dialogs.h"

#include "main_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFormLayout>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QSettings>
#include <QStandardPaths>

#include <algorithm>
#include <array>

namespace {

// The program keeps only the dialogs' folders and the last picture type between runs.
class ProgramSettings final : public QSettings
{
public:
    ProgramSettings()
        : QSettings(QStringLiteral("Aurelion"), QStringLiteral("Aurelion"))
    { }
};

constexpr std::array<int, 3> png_scales = { 1, 2, 4 };

QString start_folder(
    const QSettings &settings, const QString &key, QStandardPaths::StandardLocation fallback)
{
    const QString remembered = settings.value(key).toString();
    if (!remembered.isEmpty() && QDir(remembered).exists())
        return remembered;
    const QString standard = QStandardPaths::writableLocation(fallback);
    return QDir(standard).exists() ? standard : QDir::homePath();
}

// A dialog of the window in the window's dialog font, which grows with its zoom.
void use_window_font(QWidget &dialog, QWidget *parent)
{
    if (const auto *window = dynamic_cast<const MainWindow *>(parent))
        dialog.setFont(window->dialog_font());
}

QString suffix_of(const QString &filter)
{
    const qsizetype dot = filter.lastIndexOf(QLatin1String("(*."));
    return dot < 0 ? QString() : filter.mid(dot + 3).chopped(1);
}

// A save dialog in the folder, proposing the stem with the suffix of the chosen type; the
// suffix follows the type the user picks.
std::optional<QString> save_dialog(QWidget *parent, const QString &title, const QString &folder,
    const QString &stem, const QStringList &filters, int filter, int *chosen_filter = nullptr)
{
    QFileDialog dialog(parent, title);
    use_window_font(dialog, parent);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters(filters);
    dialog.setDirectory(folder);
    dialog.selectNameFilter(filters[filter]);
    dialog.setDefaultSuffix(suffix_of(filters[filter]));
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
        [&dialog](const QString &f) { dialog.setDefaultSuffix(suffix_of(f)); });
    dialog.selectFile(stem + QLatin1Char('.') + suffix_of(filters[filter]));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    if (chosen_filter)
        *chosen_filter = std::max(0, int(filters.indexOf(dialog.selectedNameFilter())));
    return dialog.selectedFiles().front();
}

} // namespace

std::optional<PictureChoice> WindowPictureDialogs::choose_picture_file(
    QWidget *parent, const QString &stem, QSize drawing)
{
    ProgramSettings settings;
    const QStringList sizes = { QStringLiteral("screen size"), QStringLiteral("twice the size"),
        QStringLiteral("four times the size") };
    QStringList filters;
    for (std::size_t i = 0; i < png_scales.size(); ++i)
        filters << QStringLiteral("PNG image, %1, %2 × %3 pixels (*.png)")
                       .arg(sizes[int(i)])
                       .arg(drawing.width() * png_scales[i])
                       .arg(drawing.height() * png_scales[i]);
    filters << QStringLiteral("SVG vector drawing (*.svg)")
            << QStringLiteral("PDF vector drawing (*.pdf)");
    const int last = std::clamp(
        settings.value(QStringLiteral("picture/type"), 1).toInt(), 0, int(filters.size()) - 1);
    int filter = last;
    const std::optional<QString> path = save_dialog(parent, QStringLiteral("Save Picture As"),
        start_folder(settings, QStringLiteral("picture/folder"), QStandardPaths::PicturesLocation),
        stem, filters, last, &filter);
    if (!path)
        return {};

    PictureChoice choice;
    choice.path = *path;
    static const PictureFormat filter_format[] = { PictureFormat::Png, PictureFormat::Png,
        PictureFormat::Png, PictureFormat::Svg, PictureFormat::Pdf };
    if (const std::optional<PictureFormat> typed = picture_format_of(choice.path)) {
        choice.format = *typed;
    } else {
        choice.format = filter_format[filter];
        choice.path += QLatin1Char('.') + suffix_of(filters[filter]);
    }
    if (choice.format == PictureFormat::Png && filter < int(png_scales.size()))
        choice.scale = png_scales[std::size_t(filter)];
    return choice;
}

std::optional<WorksheetChoice> WindowPictureDialogs::choose_worksheet_file(
    QWidget *parent, const QString &stem, Paper paper)
{
    ProgramSettings settings;
    const std::optional<QString> path = save_dialog(parent, QStringLiteral("Save Worksheet As"),
        start_folder(
            settings, QStringLiteral("worksheet/folder"), QStandardPaths::DocumentsLocation),
        stem, { QStringLiteral("PDF document (*.pdf)") }, 0);
    if (!path)
        return {};

    // The paper and the ink, in a small dialog of their own.
    QDialog options(parent);
    use_window_font(options, parent);
    options.setWindowTitle(QStringLiteral("Worksheet Page"));
    auto *form = new QFormLayout(&options);
    auto *papers = new QComboBox(&options);
    papers->addItem(QStringLiteral("A4, 210 × 297 mm"));
    papers->addItem(QStringLiteral("Letter, 8.5 × 11 in"));
    papers->setCurrentIndex(paper == Paper::Letter ? 1 : 0);
    form->addRow(QStringLiteral("&Paper:"), papers);
    auto *black_and_white =
        new QCheckBox(QStringLiteral("&Black and white, for a printer without colour"), &options);
    form->addRow(black_and_white);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &options);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &options, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &options, &QDialog::reject);
    form->addRow(buttons);
    if (options.exec() != QDialog::Accepted)
        return {};

    WorksheetChoice choice;
    choice.path = *path;
    if (!choice.path.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive))
        choice.path += QStringLiteral(".pdf");
    choice.paper = papers->currentIndex() == 1 ? Paper::Letter : Paper::A4;
    choice.ink = black_and_white->isChecked() ? Ink::BlackAndWhite : Ink::Colour;
    return choice;
}

void WindowPictureDialogs::picture_saved(const PictureChoice &choice)
{
    // The next dialog offers the type used, whether chosen or typed.
    int used =
        int(std::find(png_scales.begin(), png_scales.end(), choice.scale) - png_scales.begin());
    if (choice.format == PictureFormat::Svg)
        used = 3;
    else if (choice.format == PictureFormat::Pdf)
        used = 4;
    ProgramSettings settings;
    settings.setValue(QStringLiteral("picture/folder"), QFileInfo(choice.path).absolutePath());
    settings.setValue(QStringLiteral("picture/type"), used);
}

void WindowPictureDialogs::worksheet_saved(const WorksheetChoice &choice)
{
    ProgramSettings settings;
    settings.setValue(QStringLiteral("worksheet/folder"), QFileInfo(choice.path).absolutePath());
}

bool WindowPictureDialogs::choose_printer(QWidget *parent, QPrinter &printer)
{
    QPrintDialog dialog(&printer, parent);
    use_window_font(dialog, parent);
    dialog.setWindowTitle(QStringLiteral("Print Worksheet"));
    return dialog.exec() == QDialog::Accepted;
}

void WindowPictureDialogs::preview(
    QWidget *parent, QPrinter &printer, const std::function<void(QPrinter &)> &paint)
{
    QPrintPreviewDialog dialog(&printer, parent);
    use_window_font(dialog, parent);
    dialog.setWindowTitle(QStringLiteral("Print Preview"));
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
        [&paint](QPrinter *p) { paint(*p); });
    dialog.exec();
}

std::optional<QString> WindowPictureDialogs::choose_recording_file(
    QWidget *parent, const QString &stem)
{
    ProgramSettings settings;
    return save_dialog(parent, QStringLiteral("Save Recording"),
        start_folder(settings, QStringLiteral("recording/folder"), QStandardPaths::MoviesLocation),
        stem, { QStringLiteral("Animated GIF (*.gif)") }, 0);
}

void WindowPictureDialogs::recording_saved(const QString &path)
{
    ProgramSettings settings;
    settings.setValue(QStringLiteral("recording/folder"), QFileInfo(path).absolutePath());
}
