#pragma once

#include "picture/picture_dialogs.h"
#include "picture/recorder.h"

#include <QObject>

class MainWindow;
class QAction;
class QMenu;
class QPoint;
class QPrinter;

// The Picture menu: the drawing copied to the clipboard or saved as PNG, SVG or PDF, and the
// worksheet page saved as PDF, previewed or printed. The drawing's context menu holds the same
// commands. They are enabled while a topic is shown; a failure shows a message and the program
// goes on; a cancelled dialog changes nothing.
class PictureCommands final : public QObject
{
public:
    struct Actions
    {
        QAction *copy = nullptr;
        QAction *save_picture = nullptr;
        QAction *save_worksheet = nullptr;
        QAction *print_preview = nullptr;
        QAction *print = nullptr;
        QAction *record = nullptr;
        QAction *stop_recording = nullptr;
    };

    explicit PictureCommands(MainWindow &window);

    QMenu *menu() const { return menu_; }
    const Actions &actions() const { return actions_; }
    // The dialogs to ask through: the program's own until a test gives others.
    void set_dialogs(PictureDialogs &dialogs) { dialogs_ = &dialogs; }
    void update_enabled();
    // The context menu at a point of the drawing surface.
    void show_context_menu(const QPoint &at);
    QMenu *context_menu() const { return context_menu_; }

    void copy_picture();
    void save_picture_as();
    void save_worksheet_as();
    void print_preview();
    void print();
    // Recording the drawing as an animated GIF.
    Recorder &recorder() { return *recorder_; }
    // Whether the program may end now: a recording running is saved or discarded first, or the
    // user goes on with it.
    bool may_close() { return recorder_->may_close(); }

    // What the commands do once the dialogs are answered; false, after a message, on failure.
    bool save_picture(const PictureChoice &choice);
    bool save_worksheet(const WorksheetChoice &choice);
    bool print_on(QPrinter &printer);
    // The printer as the print commands offer it: the locale's paper, portrait, in colour.
    void set_up(QPrinter &printer);

private:
    bool topic_shown() const;
    QString worksheet_file_stem() const;

    MainWindow &window_;
    WindowPictureDialogs own_dialogs_;
    PictureDialogs *dialogs_ = &own_dialogs_;
    QMenu *menu_ = nullptr;
    QMenu *context_menu_ = nullptr;
    Actions actions_;
    Recorder *recorder_ = nullptr;
};
