#include "picture/recorder.h"

#include "main_window.h"
#include "picture/picture_dialogs.h"
#include "picture/worksheet_content.h"
#include "picture_output.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTimer>

#include <algorithm>

Recorder::Recorder(MainWindow &window, std::function<PictureDialogs &()> dialogs)
    : QObject(&window)
    , window_(window)
    , dialogs_(std::move(dialogs))
    , animation_(*window.form().Picture1)
    , next_frame_(new QTimer(this))
    , mark_(new Label(window.form().background))
{
    next_frame_->setSingleShot(true);
    connect(next_frame_, &QTimer::timeout, this, [this] { record_frame(); });
    // Under the drawing, right of the coordinate read-out, on the window's background: it grows
    // with the window's zoom and is never part of a frame.
    mark_->set_font_spec({ FontFamily::MsSansSerif, 9, true });
    mark_->set_foreground(qRgb(208, 0, 0));
    mark_->place(5400, 7830, 2400, 270);
    mark_->setAccessibleName(QStringLiteral("recording"));
    mark_->setVisible(false);
}

Recorder::~Recorder()
{
    if (recording())
        discard({});
}

int Recorder::frame_count() const { return animation_.frame_count() + (held_.isNull() ? 0 : 1); }

namespace {

// A recording whose program ended while it asked where to save it leaves its frames behind;
// the next recording clears them away.
void remove_forgotten_frames(const QDir &folder)
{
    const QStringList files =
        folder.entryList({ QStringLiteral("aurelion-recording-*-*.gif") }, QDir::Files);
    for (const QString &name : files) {
        const QString pid = name.section(QLatin1Char('-'), 2, 2);
        if (!QFileInfo::exists(QStringLiteral("/proc/") + pid))
            QFile::remove(folder.filePath(name));
    }
}

} // namespace

void Recorder::start()
{
    if (recording() || window_.form().topic == 0)
        return;
    // A drawing that shows at 1.5 times its size or more is recorded at twice its resolution,
    // as sharp as the screen shows it.
    const FormSurface &form = *window_.form().background;
    const double shown = form.zoom() * form.screen_ratio();
    scale_ = shown >= 1.5 ? 2.0 : 1.0;
    remove_forgotten_frames(QDir(QDir::tempPath()));
    frames_file_ = QDir(QDir::tempPath())
                       .filePath(QStringLiteral("aurelion-recording-%1-%2.gif")
                                     .arg(QApplication::applicationPid())
                                     .arg(++recordings_));
    animation_.start(frames_file_, scale_, true);
    held_ = {};
    window_.form().Picture1->drawing_changed = [this] { drawing_changed(); };
    record_frame();
    if (changed)
        changed();
}

void Recorder::drawing_changed()
{
    if (!recording() || next_frame_->isActive())
        return;
    // A click's changes all come in one event: the frame is taken when they are done.
    const bool running = window_.form().Timer1->Enabled();
    const qint64 wait = running ? running_interval_ms - since_held_.elapsed() : 0;
    next_frame_->start(int(std::max<qint64>(0, wait)));
}

void Recorder::record_frame()
{
    if (!recording())
        return;
    if (!held_.isNull()) {
        if (animation_.frame_count() + 1 >= frame_limit) {
            window_.form().messages->MsgBox(
                QCoreApplication::translate("Recording",
                    "The recording holds %1 frames, as many as a recording may, and "
                    "has stopped.")
                    .arg(frame_limit),
                QCoreApplication::translate("Recording", "Record Animation"));
            stop();
            return;
        }
        const int shown = int(std::clamp<qint64>(
            held_before_ms_ + since_held_.elapsed(), shortest_frame_ms, longest_frame_ms));
        if (!animation_.add_frame(held_, shown)) {
            discard(QCoreApplication::translate("Recording", "The recording has stopped.\n\n%1.")
                        .arg(animation_.error()));
            return;
        }
    }
    held_ = animation_.capture();
    held_before_ms_ = 0;
    since_held_.start();
    show_state();
}

void Recorder::stop()
{
    if (recording())
        conclude(false);
}

bool Recorder::may_close() { return !recording() || conclude(true); }

QString Recorder::finish_into(const QString &path)
{
    pause(true);
    const bool kept = (held_.isNull() || animation_.add_frame(held_, last_frame_ms))
        && animation_.finish(last_frame_ms);
    held_ = {};
    QString why = kept ? QString() : animation_.error();
    QFile::remove(path);
    if (kept && !QFile::rename(frames_file_, path))
        why = QStringLiteral("%1 cannot be written").arg(path);
    discard({});
    return why;
}

// While a dialog asks, the drawing does not change the recording: a frame shown behind it is held
// until the recording goes on or ends, and the time the dialog asked is not part of its showing.
void Recorder::pause(bool paused)
{
    window_.form().Picture1->drawing_changed = nullptr;
    next_frame_->stop();
    if (paused) {
        held_before_ms_ += since_held_.isValid() ? since_held_.elapsed() : 0;
        return;
    }
    since_held_.start();
    window_.form().Picture1->drawing_changed = [this] { drawing_changed(); };
}

bool Recorder::conclude(bool ask_first)
{
    pause(true);
    bool finished = false;
    // A cancelled file dialog asks again what to do; a file that could not be written asks for
    // another file.
    for (bool ask = ask_first;;) {
        if (ask) {
            const bool can_go_on = !finished && animation_.frame_count() + 1 < frame_limit;
            switch (dialogs_().keep_recording(&window_, frame_count(), can_go_on)) {
            case RecordingAnswer::GoOn:
                if (can_go_on) {
                    pause(false);
                    // The held frame shows on; only a drawing that changed behind the dialog
                    // (the chaos game runs on) is a frame of its own.
                    if (animation_.capture() != held_)
                        record_frame();
                    return false;
                }
                break;
            case RecordingAnswer::Discard:
                discard({});
                return true;
            case RecordingAnswer::Save:
                break;
            }
        }
        const std::optional<QString> path =
            dialogs_().choose_recording_file(&window_, picture_file_stem(window_));
        ask = !path;
        if (!path)
            continue;
        if (!finished) {
            const bool kept = (held_.isNull() || animation_.add_frame(held_, last_frame_ms))
                && animation_.finish(last_frame_ms);
            held_ = {};
            if (!kept) {
                discard(QCoreApplication::translate(
                    "Recording", "The recording could not be kept.\n\n%1.")
                            .arg(animation_.error()));
                return true;
            }
            finished = true;
            show_state();
            if (changed)
                changed();
        }
        QFile frames(frames_file_);
        const QString why = frames.open(QIODevice::ReadOnly) ? save_file(*path,
                                [&frames](QIODevice &device) {
                                    const QByteArray bytes = frames.readAll();
                                    return device.write(bytes) == bytes.size();
                                })
                                                             : frames.errorString();
        if (why.isEmpty()) {
            frames.close();
            QFile::remove(frames_file_);
            dialogs_().recording_saved(*path);
            return true;
        }
        window_.form().messages->MsgBox(QCoreApplication::translate("Recording",
                                            "The recording could not be saved as %1.\n\n%2.")
                                            .arg(*path, why),
            QCoreApplication::translate("Recording", "Stop Recording"));
    }
}

void Recorder::discard(const QString &message)
{
    window_.form().Picture1->drawing_changed = nullptr;
    next_frame_->stop();
    animation_.cancel();
    held_ = {};
    QFile::remove(frames_file_);
    show_state();
    if (changed)
        changed();
    if (!message.isEmpty())
        window_.form().messages->MsgBox(
            message, QCoreApplication::translate("Recording", "Record Animation"));
}

void Recorder::show_state()
{
    mark_->setVisible(recording());
    if (recording())
        mark_->set_caption(QCoreApplication::translate(
            "Recording", "\u25CF REC  %n frames", nullptr, frame_count()));
}
