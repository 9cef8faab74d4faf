#include "picture/picture_commands.h"

#include "main_window.h"
#include "picture/worksheet_content.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPrinter>

namespace {

Ink ink_of(const QPrinter &printer)
{
    return printer.colorMode() == QPrinter::GrayScale ? Ink::BlackAndWhite : Ink::Colour;
}

} // namespace

PictureCommands::PictureCommands(MainWindow &window)
    : QObject(&window)
    , window_(window)
{
    menu_ = new QMenu(QCoreApplication::translate("Picture", "&Picture"), &window);
    const auto add = [this](const QString &caption, const QKeySequence &keys,
                         void (PictureCommands::*command)()) {
        QAction *action = menu_->addAction(caption);
        action->setShortcut(keys);
        connect(action, &QAction::triggered, this, command);
        return action;
    };
    actions_.copy = add(QCoreApplication::translate("Picture", "&Copy Picture"), QKeySequence::Copy,
        &PictureCommands::copy_picture);
    actions_.save_picture = add(QCoreApplication::translate("Picture", "&Save Picture As…"),
        QKeySequence(Qt::CTRL | Qt::Key_S), &PictureCommands::save_picture_as);
    actions_.save_worksheet = add(QCoreApplication::translate("Picture", "Save &Worksheet As…"),
        QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S), &PictureCommands::save_worksheet_as);
    menu_->addSeparator();
    actions_.print_preview = add(QCoreApplication::translate("Picture", "Print Pre&view…"),
        QKeySequence(), &PictureCommands::print_preview);
    actions_.print = add(QCoreApplication::translate("Picture", "&Print…"),
        QKeySequence(Qt::CTRL | Qt::Key_P), &PictureCommands::print);
    menu_->addSeparator();
    recorder_ = new Recorder(window, [this]() -> PictureDialogs & { return *dialogs_; });
    recorder_->changed = [this] { update_enabled(); };
    actions_.record = menu_->addAction(QCoreApplication::translate("Picture", "&Record Animation"));
    actions_.record->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
    connect(actions_.record, &QAction::triggered, recorder_, &Recorder::start);
    actions_.stop_recording =
        menu_->addAction(QCoreApplication::translate("Picture", "S&top Recording…"));
    actions_.stop_recording->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_R));
    connect(actions_.stop_recording, &QAction::triggered, recorder_, &Recorder::stop);

    context_menu_ = new QMenu(&window);
    context_menu_->addActions({ actions_.copy, actions_.save_picture, actions_.save_worksheet });
    context_menu_->addSeparator();
    context_menu_->addActions({ actions_.print_preview, actions_.print });
    context_menu_->addSeparator();
    context_menu_->addActions({ actions_.record, actions_.stop_recording });
    update_enabled();
}

// A worksheet beside a PDF of the drawing in the same folder keeps its own name.
QString PictureCommands::worksheet_file_stem() const { return ::worksheet_file_stem(window_); }

bool PictureCommands::topic_shown() const
{
    const int topic = window_.form().topic;
    return topic >= 1 && topic <= 16;
}

void PictureCommands::update_enabled()
{
    for (QAction *action : menu_->actions())
        action->setEnabled(topic_shown());
    actions_.record->setEnabled(topic_shown() && !recorder_->recording());
    actions_.stop_recording->setEnabled(recorder_->recording());
}

void PictureCommands::show_context_menu(const QPoint &at)
{
    if (topic_shown())
        context_menu_->popup(window_.form().Picture1->mapToGlobal(at));
}

void PictureCommands::copy_picture()
{
    if (!topic_shown())
        return;
    QApplication::clipboard()->setMimeData(
        picture_mime_data(*window_.form().Picture1, window_.devicePixelRatioF()));
}

void PictureCommands::save_picture_as()
{
    if (!topic_shown())
        return;
    const PictureBox &picture = *window_.form().Picture1;
    if (const std::optional<PictureChoice> choice = dialogs_->choose_picture_file(
            &window_, picture_file_stem(window_), picture.surface().inner_size());
        choice && save_picture(*choice))
        dialogs_->picture_saved(*choice);
}

void PictureCommands::save_worksheet_as()
{
    if (!topic_shown())
        return;
    if (const std::optional<WorksheetChoice> choice = dialogs_->choose_worksheet_file(
            &window_, worksheet_file_stem(), paper_for(QLocale::system()));
        choice && save_worksheet(*choice))
        dialogs_->worksheet_saved(*choice);
}

void PictureCommands::set_up(QPrinter &printer)
{
    printer.setPageSize(page_size_of(paper_for(QLocale::system())));
    printer.setPageOrientation(QPageLayout::Portrait);
    printer.setColorMode(QPrinter::Color);
    // Qt's print dialog proposes the document's name for a PDF file.
    printer.setDocName(worksheet_file_stem() + QStringLiteral(".pdf"));
}

void PictureCommands::print_preview()
{
    if (!topic_shown())
        return;
    QPrinter printer(QPrinter::HighResolution);
    set_up(printer);
    const Worksheet sheet = worksheet_of(window_);
    dialogs_->preview(&window_, printer,
        [&sheet](QPrinter &shown) { print_worksheet(sheet, shown, ink_of(shown)); });
}

void PictureCommands::print()
{
    if (!topic_shown())
        return;
    QPrinter printer(QPrinter::HighResolution);
    set_up(printer);
    if (dialogs_->choose_printer(&window_, printer))
        print_on(printer);
}

bool PictureCommands::save_picture(const PictureChoice &choice)
{
    const PictureBox &picture = *window_.form().Picture1;
    const QString why = save_file(choice.path, [&](QIODevice &device) {
        return write_picture(picture, choice.format, choice.scale * choice.screen, Ink::Colour,
            device, picture_title(window_));
    });
    if (why.isEmpty())
        return true;
    window_.form().messages->MsgBox(
        QCoreApplication::translate("Picture", "The picture could not be saved as %1.\n\n%2.")
            .arg(choice.path, why),
        QCoreApplication::translate("Picture", "Save Picture"));
    return false;
}

bool PictureCommands::save_worksheet(const WorksheetChoice &choice)
{
    const Worksheet sheet = worksheet_of(window_);
    const QString why = save_file(choice.path, [&](QIODevice &device) {
        return write_worksheet_pdf(sheet, page_size_of(choice.paper), choice.ink, device);
    });
    if (why.isEmpty())
        return true;
    window_.form().messages->MsgBox(
        QCoreApplication::translate("Picture", "The worksheet could not be saved as %1.\n\n%2.")
            .arg(choice.path, why),
        QCoreApplication::translate("Picture", "Save Worksheet"));
    return false;
}

bool PictureCommands::print_on(QPrinter &printer)
{
    const Worksheet sheet = worksheet_of(window_);
    const Ink ink = ink_of(printer);
    if (printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty()) {
        // Printing to a file goes through a temporary file like every other output.
        const QString path = printer.outputFileName();
        const QPageLayout page = printer.pageLayout();
        const QString why = save_file(path, [&](QIODevice &device) {
            return write_worksheet_pdf(sheet, page.pageSize(), ink, device, page.orientation());
        });
        if (why.isEmpty())
            return true;
        window_.form().messages->MsgBox(QCoreApplication::translate("Picture",
                                            "The worksheet could not be printed to %1.\n\n%2.")
                                            .arg(path, why),
            QCoreApplication::translate("Picture", "Print"));
        return false;
    }
    if (print_worksheet(sheet, printer, ink))
        return true;
    window_.form().messages->MsgBox(
        QCoreApplication::translate("Picture", "The worksheet could not be sent to the printer %1.")
            .arg(printer.printerName()),
        QCoreApplication::translate("Picture", "Print"));
    return false;
}

void MainWindow::build_picture_menu()
{
    picture_commands_ = new PictureCommands(*this);
    menuBar()->insertMenu(menus_.at(QStringLiteral("M_end")), picture_commands_->menu());
    // The first topic chosen enables the commands.
    for (const auto &[name, action] : menus_)
        connect(action, &QAction::triggered, picture_commands_, &PictureCommands::update_enabled);
    form_.Picture1->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(form_.Picture1, &QWidget::customContextMenuRequested, picture_commands_,
        &PictureCommands::show_context_menu);
}
