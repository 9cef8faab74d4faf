// Recording the drawing in the window as an animated GIF for slides: every change of the drawing
// becomes a frame, shown in the GIF for as long as it showed on the screen.

#include "animation.h"
#include "main_window.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenuBar>
#include <QSaveFile>
#include <QTimer>

#include <algorithm>

namespace {

// How long a frame shows in the GIF: the time until the next change, within these bounds, so a
// pause between two clicks does not hold a slide for minutes.
constexpr int shortest_frame_ms = 20;
constexpr int longest_frame_ms = 2000;
// While the chaos game runs, a frame every 200 ms; other changes as they come.
constexpr int running_frame_ms = 200;
constexpr int last_frame_ms = 3000;

} // namespace

void MainWindow::build_recording()
{
    animation_ = std::make_unique<Animation>(*form_.Picture1);
    frame_timer_ = new QTimer(this);
    frame_timer_->setSingleShot(true);
    connect(frame_timer_, &QTimer::timeout, this, [this] { record_frame(); });
    recording_mark_ = new QLabel(menuBar());
    recording_mark_->setAccessibleName(QStringLiteral("recording"));
    recording_mark_->setVisible(false);
    menuBar()->setCornerWidget(recording_mark_, Qt::TopRightCorner);
    choose_recording_path = [this](const QString &proposed) {
        return ask_save_path(QStringLiteral("Save Recording"), proposed,
            QStringLiteral("Animated GIF (*.gif)"));
    };
}

bool MainWindow::recording() const { return animation_ && animation_->recording(); }

void MainWindow::start_recording()
{
    if (recording() || form_.topic == 0)
        return;
    // The frames go into a file of their own until the user names the recording.
    recording_file_ = QDir(QDir::tempPath())
                          .filePath(QStringLiteral("aurelion-recording-%1-%2.gif")
                                        .arg(QApplication::applicationPid())
                                        .arg(++recordings_));
    animation_->start(recording_file_, 1.0, true);
    held_frame_ = {};
    connect(form_.Picture1, &PictureBox::drawing_changed, this, &MainWindow::drawing_changed);
    show_recording_state();
    record_frame();
}

void MainWindow::drawing_changed()
{
    if (!recording() || frame_timer_->isActive())
        return;
    const bool running = form_.Timer1->Enabled();
    const qint64 since = held_frame_.isNull() ? running_frame_ms : since_frame_.elapsed();
    frame_timer_->start(running ? int(std::max<qint64>(0, running_frame_ms - since)) : 0);
}

void MainWindow::record_frame()
{
    if (!recording())
        return;
    // The frame before is written now that its time on the screen is known.
    if (!held_frame_.isNull()) {
        const int shown = int(std::clamp<qint64>(
            since_frame_.elapsed(), shortest_frame_ms, longest_frame_ms));
        if (animation_->frame_count() + 1 >= Animation::max_frames) {
            form_.messages->MsgBox(
                QStringLiteral("The recording has reached %1 frames, as many as a recording "
                               "may hold, and has stopped.")
                    .arg(Animation::max_frames),
                QStringLiteral("Record Animation"));
            stop_recording();
            return;
        }
        if (!animation_->add_frame(held_frame_, shown)) {
            const QString error = animation_->error();
            discard_recording();
            form_.messages->MsgBox(QStringLiteral("The recording has stopped: %1").arg(error),
                QStringLiteral("Record Animation"));
            return;
        }
    }
    held_frame_ = animation_->capture();
    since_frame_.start();
    show_recording_state();
}

void MainWindow::stop_recording()
{
    if (!recording())
        return;
    disconnect(form_.Picture1, &PictureBox::drawing_changed, this, &MainWindow::drawing_changed);
    frame_timer_->stop();
    if (!held_frame_.isNull() && !animation_->add_frame(held_frame_, last_frame_ms)) {
        const QString error = animation_->error();
        discard_recording();
        form_.messages->MsgBox(
            QStringLiteral("The recording could not be kept: %1").arg(error),
            QStringLiteral("Stop Recording"));
        return;
    }
    held_frame_ = {};
    if (!animation_->finish(last_frame_ms)) {
        const QString error = animation_->error();
        discard_recording();
        form_.messages->MsgBox(QStringLiteral("The recording could not be kept: %1").arg(error),
            QStringLiteral("Stop Recording"));
        return;
    }
    show_recording_state();
    // Asked until the recording is written or the user gives it up.
    for (;;) {
        const QString path = choose_recording_path(picture_name(QStringLiteral("gif")));
        if (path.isEmpty()) {
            QFile::remove(recording_file_);
            form_.messages->MsgBox(QStringLiteral("The recording was not saved."),
                QStringLiteral("Stop Recording"));
            return;
        }
        QFile frames(recording_file_);
        QSaveFile target(path);
        const bool written = frames.open(QIODevice::ReadOnly)
            && target.open(QIODevice::WriteOnly) && target.write(frames.readAll()) == frames.size()
            && target.commit();
        if (written) {
            frames.close();
            QFile::remove(recording_file_);
            return;
        }
        const QString reason = target.errorString();
        target.cancelWriting();
        form_.messages->MsgBox(
            QStringLiteral("%1: the recording cannot be written there (%2). Choose another place.")
                .arg(path, reason),
            QStringLiteral("Stop Recording"));
    }
}

void MainWindow::discard_recording()
{
    disconnect(form_.Picture1, &PictureBox::drawing_changed, this, &MainWindow::drawing_changed);
    frame_timer_->stop();
    animation_->cancel();
    held_frame_ = {};
    QFile::remove(recording_file_);
    show_recording_state();
}

void MainWindow::show_recording_state()
{
    const bool on = recording();
    if (record_action_)
        record_action_->setEnabled(!on && form_.topic != 0);
    if (stop_recording_action_)
        stop_recording_action_->setEnabled(on);
    recording_mark_->setVisible(on);
    if (on)
        recording_mark_->setText(
            QStringLiteral("<b><font color=\"#d00000\">\u25CF REC</font> %1</b>")
                .arg(animation_->frame_count() + (held_frame_.isNull() ? 0 : 1)));
}
