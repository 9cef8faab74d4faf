#pragma once

#include "picture_output.h"
#include "worksheet.h"

#include <functional>
#include <optional>

class QPrinter;
class QSize;
class QString;
class QWidget;

// A dialog of the window in the window's dialog font, sized for its text at the window's zoom
// and within the screen; at least `least` at zoom 1.
void fit_to_window(QWidget &dialog, QWidget *parent, QSize least = {});

// A file dialog of the window, sized like the Picture menu's: to open an existing file of the
// filter (an empty stem), or to save one, proposing the stem with the filter's suffix. A
// cancelled dialog answers nothing.
std::optional<QString> window_file_dialog(QWidget *parent, const QString &title,
    const QString &folder, const QString &stem, const QString &filter);
// The same to save a file of one of the filters' types, the first proposed; `chosen` is told
// which the user chose.
std::optional<QString> window_file_dialog(QWidget *parent, const QString &title,
    const QString &folder, const QString &stem, const QStringList &filters, int *chosen);

// Where and how the user wants the picture saved.
struct PictureChoice
{
    QString path;
    PictureFormat format = PictureFormat::Png;
    int scale = 1; // for PNG: once, twice or four times the drawing's size on the screen
    double screen = 1; // pixels a logical pixel of the drawing takes on the screen, each way
};

// Where, on what paper and in what ink the user wants the worksheet.
struct WorksheetChoice
{
    QString path;
    Paper paper = Paper::A4;
    Ink ink = Ink::Colour;
};

// What to do with a recording that is not saved yet: choose where it goes, throw it away, or
// leave it running (and the program with it).
enum class RecordingAnswer { Save, Discard, GoOn };

// The dialogs of the Picture menu: the program's own, or scripted answers in the tests. A
// cancelled dialog answers nothing.
class PictureDialogs
{
public:
    virtual ~PictureDialogs() = default;
    // The stem is the proposed file name without its extension; the drawing's size in logical
    // pixels gives the PNG sizes to choose from.
    virtual std::optional<PictureChoice> choose_picture_file(
        QWidget *parent, const QString &stem, QSize drawing) = 0;
    virtual std::optional<WorksheetChoice> choose_worksheet_file(
        QWidget *parent, const QString &stem, Paper paper) = 0;
    // Where a recorded animation goes, as an animated GIF.
    virtual std::optional<QString> choose_recording_file(QWidget *parent, const QString &stem) = 0;
    // Asked when the program ends during a recording or the recording's file dialog is
    // cancelled; can_go_on: the recording can still go on (else only Save or Discard).
    virtual RecordingAnswer keep_recording(QWidget *parent, int frames, bool can_go_on) = 0;
    // The printer or a PDF file, the paper and the colour mode; false when cancelled.
    virtual bool choose_printer(QWidget *parent, QPrinter &printer) = 0;
    // Shows the pages as they will print; paint draws them on the printer it is given.
    virtual void preview(
        QWidget *parent, QPrinter &printer, const std::function<void(QPrinter &)> &paint) = 0;
    // A choice that was saved: the next dialog starts from it. A failed save is forgotten.
    virtual void picture_saved(const PictureChoice &) { }
    virtual void worksheet_saved(const WorksheetChoice &) { }
    virtual void recording_saved(const QString &) { }
};

// The program's dialogs: file dialogs that start in the folder of the last file saved, with the
// last picture type (kept between runs), then Qt's print and print preview dialogs.
class WindowPictureDialogs final : public PictureDialogs
{
public:
    std::optional<PictureChoice> choose_picture_file(
        QWidget *parent, const QString &stem, QSize drawing) override;
    std::optional<WorksheetChoice> choose_worksheet_file(
        QWidget *parent, const QString &stem, Paper paper) override;
    std::optional<QString> choose_recording_file(QWidget *parent, const QString &stem) override;
    RecordingAnswer keep_recording(QWidget *parent, int frames, bool can_go_on) override;
    bool choose_printer(QWidget *parent, QPrinter &printer) override;
    void preview(
        QWidget *parent, QPrinter &printer, const std::function<void(QPrinter &)> &paint) override;
    void picture_saved(const PictureChoice &choice) override;
    void worksheet_saved(const WorksheetChoice &choice) override;
    void recording_saved(const QString &path) override;
};
