#include "picture/picture_dialogs.h"

#include "dialog_size.h"
#include "main_window.h"
#include "window/settings_file.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QEvent>
#include <QFileDialog>
#include <QFormLayout>
#include <QHeaderView>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>
#include <QScrollBar>
#include <QSettings>
#include <QSplitter>
#include <QStandardPaths>
#include <QTimer>
#include <QToolBar>
#include <QTreeView>
#include <QtMath>

#include <algorithm>
#include <array>
#include <vector>

namespace {

// The program keeps only the dialogs' folders and the last picture type between runs, in the
// settings file, read and written as strictly as the window's own settings.
class ProgramSettings final
{
public:
    QVariant value(const QString &key, const QVariant &fallback = {}) const
    {
        return file_.values().value(key, fallback);
    }
    void set_value(const QString &key, const QVariant &value)
    {
        file_.change([&](QSettings &kept) { kept.setValue(key, value); });
    }

private:
    SettingsFile file_;
};

constexpr std::array<int, 3> png_scales = { 1, 2, 4 };

QString start_folder(
    const ProgramSettings &settings, const QString &key, QStandardPaths::StandardLocation fallback)
{
    const QString remembered = settings.value(key).toString();
    if (!remembered.isEmpty() && QDir(remembered).exists())
        return remembered;
    const QString standard = QStandardPaths::writableLocation(fallback);
    return QDir(standard).exists() ? standard : QDir::homePath();
}

// A dialog of the window in the window's dialog font, which grows with its zoom, sized for its
// text; least is its smallest size at zoom 1.

// The smallest file dialog at zoom 1 that shows the folders beside every column of the files.
constexpr QSize file_dialog_size(760, 480);

// The file list's columns in the room of the view: the size, the type and the date as wide as
// what they show (at least a sample of each in the font), the names in the room that is left,
// again whenever the folder's files come in or the view changes its width.
class FileColumns final : public QObject
{
public:
    FileColumns(QTreeView &files, std::vector<int> least)
        : QObject(&files)
        , files_(files)
        , least_(std::move(least))
    {
        files.header()->setStretchLastSection(false);
        files.viewport()->installEventFilter(this);
        fit_soon_.setSingleShot(true);
        fit_soon_.setInterval(0);
        connect(&fit_soon_, &QTimer::timeout, this, [this] { fit(); });
        if (QAbstractItemModel *model = files.model()) {
            connect(model, &QAbstractItemModel::rowsInserted, this, [this] { fit_soon_.start(); });
            connect(model, &QAbstractItemModel::layoutChanged, this, [this] { fit_soon_.start(); });
            connect(model, &QAbstractItemModel::modelReset, this, [this] { fit_soon_.start(); });
        }
        fit();
    }

    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Resize)
            fit_soon_.start();
        return false;
    }

private:
    void fit()
    {
        QHeaderView *columns = files_.header();
        int others = 0;
        for (int i = 1; i < columns->count(); ++i) {
            if (columns->isSectionHidden(i))
                continue;
            const int least = i < int(least_.size()) ? least_[std::size_t(i)] : 0;
            const int wide = std::max({ least, shown_width(i), columns->sectionSizeHint(i) });
            columns->resizeSection(i, wide);
            others += wide;
        }
        const int names = files_.viewport()->width() - others;
        columns->resizeSection(0, std::max(least_.empty() ? 0 : least_.front(), names));
    }

    // The widest of the first rows' texts in a column: a folder of thousands of files is not
    // measured whole.
    int shown_width(int column) const
    {
        const QAbstractItemModel *model = files_.model();
        if (!model)
            return 0;
        const QModelIndex folder = files_.rootIndex();
        const int rows = std::min(model->rowCount(folder), 500);
        int wide = 0;
        for (int row = 0; row < rows; ++row)
            wide =
                std::max(wide, files_.sizeHintForIndex(model->index(row, column, folder)).width());
        return wide;
    }

    QTreeView &files_;
    std::vector<int> least_;
    QTimer fit_soon_;
};

// The file list's columns for a name, a size, a type and a date in the font, whatever widths a
// dialog of another zoom left in the remembered state; the folders beside them as wide as their
// names. Answers the width the folders and the columns need side by side.
int size_file_columns(QFileDialog &dialog, const QFont &font)
{
    const QFontMetrics metrics(font);
    const int padding = metrics.height();
    int wide = 0;
    if (auto *files = dialog.findChild<QTreeView *>(QStringLiteral("treeView"))) {
        static const char *const samples[] = { "aurelion-golden-rectangle-00", "128.88 KiB",
            "PNG image", "12/31/26 12:00 PM" };
        std::vector<int> least;
        for (const char *sample : samples) {
            least.push_back(metrics.horizontalAdvance(QLatin1String(sample)) + padding);
            wide += least.back();
        }
        new FileColumns(*files, least);
        wide += files->verticalScrollBar()->sizeHint().width() * font_growth(font) + padding;
    }
    if (auto *folders = dialog.findChild<QSplitter *>(QStringLiteral("splitter"))) {
        const int side =
            metrics.horizontalAdvance(QCoreApplication::translate("Picture", "Documents"))
            + 3 * padding;
        folders->setSizes({ side, wide });
        wide += side + folders->handleWidth();
    }
    return wide + 2 * padding;
}

// Gives the controls of a tool bar the room their text asks for whenever it lays them out again.
class RoomForTools final : public QObject
{
public:
    RoomForTools(QToolBar &tools, QWidget &dialog)
        : QObject(&tools)
        , dialog_(dialog)
    {
        tools.installEventFilter(this);
    }
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::LayoutRequest)
            make_room(dialog_);
        return false;
    }

private:
    QWidget &dialog_;
};

QString suffix_of(const QString &filter)
{
    const qsizetype dot = filter.lastIndexOf(QLatin1String("(*."));
    return dot < 0 ? QString() : filter.mid(dot + 3).chopped(1);
}

// A save dialog in the folder, proposing the stem with the suffix of the chosen type; the
// suffix follows the type the user picks. Without a stem, a dialog to open an existing file.
std::optional<QString> save_dialog(QWidget *parent, const QString &title, const QString &folder,
    const QString &stem, const QStringList &filters, int filter, int *chosen_filter = nullptr)
{
    QFileDialog dialog(parent, title);
    dialog.setNameFilters(filters);
    dialog.setDirectory(folder);
    dialog.selectNameFilter(filters[filter]);
    if (stem.isEmpty()) {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setDefaultSuffix(suffix_of(filters[filter]));
        QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
            [&dialog](const QString &f) { dialog.setDefaultSuffix(suffix_of(f)); });
        dialog.selectFile(stem + QLatin1Char('.') + suffix_of(filters[filter]));
    }
    const auto *window = dynamic_cast<const MainWindow *>(parent);
    const int list_width = window ? size_file_columns(dialog, window->dialog_font()) : 0;
    const double growth = window ? font_growth(window->dialog_font()) : 1.0;
    fit_to_window(
        dialog, parent, file_dialog_size.expandedTo(QSize(int(list_width / growth) + 1, 0)));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    if (chosen_filter)
        *chosen_filter = std::max(0, int(filters.indexOf(dialog.selectedNameFilter())));
    return dialog.selectedFiles().front();
}

} // namespace

void fit_to_window(QWidget &dialog, QWidget *parent, QSize least)
{
    if (const auto *window = dynamic_cast<const MainWindow *>(parent))
        fit_dialog(dialog, window->dialog_font(), least);
}

std::optional<QString> window_file_dialog(QWidget *parent, const QString &title,
    const QString &folder, const QString &stem, const QString &filter)
{
    return save_dialog(parent, title, folder, stem, { filter }, 0);
}

std::optional<QString> window_file_dialog(QWidget *parent, const QString &title,
    const QString &folder, const QString &stem, const QStringList &filters, int *chosen)
{
    return save_dialog(parent, title, folder, stem, filters, 0, chosen);
}

std::optional<PictureChoice> WindowPictureDialogs::choose_picture_file(
    QWidget *parent, const QString &stem, QSize drawing)
{
    ProgramSettings settings;
    // The screen's size is the drawing as the window shows it: at the window's zoom, in the
    // screen's pixels.
    double screen = 1;
    if (auto *window = dynamic_cast<MainWindow *>(parent)) {
        const FormSurface &form = *window->form().background;
        screen = form.zoom() * form.screen_ratio();
    }
    const QStringList sizes = { QCoreApplication::translate("Picture", "screen size"),
        QCoreApplication::translate("Picture", "twice the size"),
        QCoreApplication::translate("Picture", "four times the size") };
    QStringList filters;
    for (std::size_t i = 0; i < png_scales.size(); ++i)
        filters << QCoreApplication::translate("Picture", "PNG image, %1, %2 × %3 pixels (*.png)")
                       .arg(sizes[int(i)])
                       .arg(qCeil(drawing.width() * png_scales[i] * screen))
                       .arg(qCeil(drawing.height() * png_scales[i] * screen));
    filters << QCoreApplication::translate("Picture", "SVG vector drawing (*.svg)")
            << QCoreApplication::translate("Picture", "PDF vector drawing (*.pdf)");
    const int last = std::clamp(
        settings.value(QStringLiteral("picture/type"), 1).toInt(), 0, int(filters.size()) - 1);
    int filter = last;
    const std::optional<QString> path = save_dialog(parent,
        QCoreApplication::translate("Picture", "Save Picture As"),
        start_folder(settings, QStringLiteral("picture/folder"), QStandardPaths::PicturesLocation),
        stem, filters, last, &filter);
    if (!path)
        return {};

    PictureChoice choice;
    choice.path = *path;
    choice.screen = screen;
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
    const std::optional<QString> path =
        save_dialog(parent, QCoreApplication::translate("Picture", "Save Worksheet As"),
            start_folder(
                settings, QStringLiteral("worksheet/folder"), QStandardPaths::DocumentsLocation),
            stem, { QCoreApplication::translate("Picture", "PDF document (*.pdf)") }, 0);
    if (!path)
        return {};

    // The paper and the ink, in a small dialog of their own.
    QDialog options(parent);
    options.setWindowTitle(QCoreApplication::translate("Picture", "Worksheet Page"));
    auto *form = new QFormLayout(&options);
    auto *papers = new QComboBox(&options);
    papers->addItem(QStringLiteral("A4, 210 × 297 mm"));
    papers->addItem(QCoreApplication::translate("Picture", "Letter, 8.5 × 11 in"));
    papers->setCurrentIndex(paper == Paper::Letter ? 1 : 0);
    form->addRow(QCoreApplication::translate("Picture", "&Paper:"), papers);
    auto *black_and_white = new QCheckBox(
        QCoreApplication::translate("Picture", "&Black and white, for a printer without colour"),
        &options);
    form->addRow(black_and_white);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &options);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &options, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &options, &QDialog::reject);
    form->addRow(buttons);
    fit_to_window(options, parent);
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
    settings.set_value(QStringLiteral("picture/folder"), QFileInfo(choice.path).absolutePath());
    settings.set_value(QStringLiteral("picture/type"), used);
}

void WindowPictureDialogs::worksheet_saved(const WorksheetChoice &choice)
{
    ProgramSettings settings;
    settings.set_value(QStringLiteral("worksheet/folder"), QFileInfo(choice.path).absolutePath());
}

bool WindowPictureDialogs::choose_printer(QWidget *parent, QPrinter &printer)
{
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(QCoreApplication::translate("Picture", "Print Worksheet"));
    fit_to_window(dialog, parent);
    return dialog.exec() == QDialog::Accepted;
}

void WindowPictureDialogs::preview(
    QWidget *parent, QPrinter &printer, const std::function<void(QPrinter &)> &paint)
{
    QPrintPreviewDialog dialog(&printer, parent);
    dialog.setWindowTitle(QCoreApplication::translate("Picture", "Print Preview"));
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
        [&paint](QPrinter *p) { paint(*p); });
    // As large as the window at least, with the whole page fitted to it.
    if (const auto *window = dynamic_cast<const MainWindow *>(parent)) {
        const double growth = font_growth(window->dialog_font());
        fit_to_window(dialog, parent, (QSizeF(window->size()) / growth).toSize() + QSize(1, 1));
    }
    if (auto *pages = dialog.findChild<QPrintPreviewWidget *>()) {
        pages->setZoomMode(QPrintPreviewWidget::FitInView);
    }
    // The page count and the zoom in the tool bar change with the pages and the window.
    for (QToolBar *tools : dialog.findChildren<QToolBar *>())
        new RoomForTools(*tools, dialog);
    for (QAction *action : dialog.findChildren<QAction *>())
        if (action->objectName() == QLatin1String("fitPageAction"))
            action->setChecked(true);
    dialog.exec();
}

std::optional<QString> WindowPictureDialogs::choose_recording_file(
    QWidget *parent, const QString &stem)
{
    ProgramSettings settings;
    return save_dialog(parent, QCoreApplication::translate("Picture", "Save Recording"),
        start_folder(settings, QStringLiteral("recording/folder"), QStandardPaths::MoviesLocation),
        stem, { QCoreApplication::translate("Picture", "Animated GIF (*.gif)") }, 0);
}

void WindowPictureDialogs::recording_saved(const QString &path)
{
    ProgramSettings settings;
    settings.set_value(QStringLiteral("recording/folder"), QFileInfo(path).absolutePath());
}

RecordingAnswer WindowPictureDialogs::keep_recording(QWidget *parent, int frames, bool can_go_on)
{
    QMessageBox box(QMessageBox::Question,
        QCoreApplication::translate("Picture", "Record Animation"),
        QCoreApplication::translate(
            "Picture", "The recording of %n frames is not saved.", nullptr, frames)
            + (can_go_on ? QCoreApplication::translate(
                   "Picture", "\n\nSave it, discard it, or cancel and go on recording?")
                         : QCoreApplication::translate("Picture", "\n\nSave it or discard it?")),
        QMessageBox::NoButton, parent);
    QPushButton *save =
        box.addButton(QCoreApplication::translate("Picture", "&Save…"), QMessageBox::AcceptRole);
    box.addButton(QMessageBox::Discard);
    QPushButton *cancel = can_go_on ? box.addButton(QMessageBox::Cancel) : nullptr;
    box.setDefaultButton(save);
    // Esc never throws a recording away.
    box.setEscapeButton(cancel ? cancel : save);
    fit_to_window(box, parent);
    box.exec();
    if (box.clickedButton() == save)
        return RecordingAnswer::Save;
    if (cancel && box.clickedButton() == cancel)
        return RecordingAnswer::GoOn;
    if (box.clickedButton() == nullptr)
        return can_go_on ? RecordingAnswer::GoOn : RecordingAnswer::Save;
    return RecordingAnswer::Discard;
}
