#pragma once

#include "picture/animation.h"

#include <QElapsedTimer>
#include <QImage>
#include <QObject>

#include <functional>
#include <optional>

class Label;
class MainWindow;
class PictureDialogs;
class QTimer;

// Records the drawing in the window as an animated GIF for slides: every change of the drawing
// becomes a frame (while the chaos game runs, one every 200 ms), shown in the GIF for as long as
// it showed on the screen. A red "REC" mark with the frame count shows under the drawing, not in
// the recording. The frames are encoded as they come into a file of their own; stopping asks
// where the recording goes.
class Recorder final : public QObject
{
public:
    // How long a frame shows at most and at least: a pause between two clicks does not hold a
    // slide for minutes.
    static constexpr int longest_frame_ms = 2000;
    static constexpr int shortest_frame_ms = 20;
    static constexpr int last_frame_ms = 3000;

    // The dialogs ask where the recording goes.
    Recorder(MainWindow &window, std::function<PictureDialogs &()> dialogs);
    ~Recorder() override;

    void start();
    // Asks where the recording goes, again after a cancelled file dialog until it is saved,
    // discarded or left running.
    void stop();
    // Whether the program may end: true when nothing is recorded, or the recording was saved or
    // discarded; false when the user goes on recording.
    bool may_close();
    // Ends a running recording without a question and moves it, finished, into this file: for a
    // program told to end, which keeps the recording for the next start. Returns why it could
    // not, or nothing; the recording is over either way.
    QString finish_into(const QString &path);
    bool recording() const { return animation_.recording(); }
    int frame_count() const;
    // The recording's pixels per logical pixel of the drawing: 2 when the window shows the
    // drawing at 1.5 times its size or more, else 1.
    double scale() const { return scale_; }
    const Label &mark() const { return *mark_; }
    // While the chaos game runs, at most one frame in this many milliseconds.
    int running_interval_ms = 200;
    // A recording that reaches so many frames stops and asks where it goes.
    int frame_limit = Animation::max_frames;
    // Told when recording starts or stops, to enable the commands.
    std::function<void()> changed;

private:
    void drawing_changed();
    void record_frame();
    void discard(const QString &message);
    void pause(bool paused);
    // Saves, discards or goes on (false) as the user answers; ask_first: the question before the
    // file dialog.
    bool conclude(bool ask_first);
    void show_state();

    MainWindow &window_;
    std::function<PictureDialogs &()> dialogs_;
    Animation animation_;
    QString frames_file_; // the frames until the recording is named
    double scale_ = 1;
    int recordings_ = 0; // recordings started, for the frames' file names
    QImage held_; // the last frame, written when the next one shows how long it lasted
    QElapsedTimer since_held_;
    qint64 held_before_ms_ = 0; // how long the held frame showed before a dialog paused it
    QTimer *next_frame_;
    Label *mark_;
};
