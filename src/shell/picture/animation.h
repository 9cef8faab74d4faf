#pragma once

#include "gif_writer.h"

#include <QString>

#include <optional>

class PictureBox;

// A recording of the drawing as the render tool's --picture shows it (the drawing surface with
// its markers), frame by frame into an animated GIF at a chosen scale, whatever the window's zoom.
// Frames are encoded as they come; the file appears at its path only when the recording is
// finished.
class Animation
{
public:
    // More frames than this end the recording: ten minutes at five frames a second.
    static constexpr int max_frames = 3000;

    explicit Animation(PictureBox &picture);

    // Starts a recording at this device pixel ratio; loop: the GIF plays forever, else once.
    // Nothing is written before the first frame.
    void start(const QString &path, qreal scale, bool loop);
    bool recording() const { return started_; }
    // The drawing as it is now, shown for delay_ms milliseconds. False with error() set when the
    // file cannot be written or the recording is full.
    bool add_frame(int delay_ms);
    // The drawing as it is now, for recordings that hold a frame back until they know how long
    // it shows (the window's, which take the time between changes).
    QImage capture();
    bool add_frame(const QImage &frame, int delay_ms);
    // Ends the file; the last frame shows for last_delay_ms.
    bool finish(int last_delay_ms);
    void cancel();
    int frame_count() const { return gif_.frame_count(); }
    QString error() const { return error_; }

private:
    PictureBox &picture_;
    GifWriter gif_;
    QString path_;
    qreal scale_ = 1;
    bool loop_ = true;
    bool started_ = false;
    QString error_;
};
