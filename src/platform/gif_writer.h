#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

#include <memory>
#include <optional>

class OutputFile;
struct GifFileType;

// A recording of the drawing surface as an animated GIF for slides: written frame by frame as
// the frames come, each frame storing only the rectangle that changed since the one before.
//
// Frames are opaque: a frame's alpha is dropped. Colours are exact while the changed rectangle
// holds at most 255 colours (256 when every pixel in it changed); beyond that the palette's 16
// colours and any colour on 1 % of the changed pixels stay exact, and the other shades, the
// antialiasing, take the nearest of the remaining entries, which are placed among those shades
// where most pixels need them.
//
// Errors: a file that cannot be started or written, or a failed final move, discards the file
// and leaves the writer closed with error() set. A frame of the wrong size is refused with
// error() set and the recording goes on.
class GifWriter
{
public:
    GifWriter();
    ~GifWriter(); // an unfinished file is discarded: nothing is left at the path
    GifWriter(const GifWriter &) = delete;
    GifWriter &operator=(const GifWriter &) = delete;

    // Starts a file of frames of this size in pixels; loop: play forever, else play once.
    // Writes into a temporary file beside `path`, so nothing appears at `path` until finish()
    // succeeds. Returns false with error() set when the file cannot be started or when a file
    // is already open (cancel() or finish() it first).
    bool open(const QString &path, QSize size, bool loop);
    // Adds a frame (any format; of the opened size in pixels) shown for delay_ms milliseconds,
    // rounded to GIF's centiseconds, 2 cs to 65535 cs. The frame is encoded at once; its bytes
    // reach the file when the next frame comes or at finish(), so that finish() can still
    // change its delay.
    bool add_frame(const QImage &frame, int delay_ms);
    // Writes the end of the file and moves it to its path. last_delay_ms, when given, replaces
    // the delay of the final frame (recordings hold their last frame 3 s). A file without
    // frames is refused.
    bool finish(std::optional<int> last_delay_ms = {});
    void cancel(); // discards the file
    bool is_open() const;
    int frame_count() const;
    QString error() const; // one line for the user, naming the path and the reason

private:
    bool fail(const QString &reason);
    bool fail_gif(int gif_error);
    void close_encoder();
    bool flush_pending();
    bool encode(const QImage &frame, int delay_cs);
    static int output(GifFileType *gif, const unsigned char *bytes, int length);

    std::unique_ptr<OutputFile> file_;
    GifFileType *gif_ = nullptr;
    QString path_;
    QSize size_;
    QImage previous_; // the frame added last, in its own colours rather than its table's
    // The last frame's encoded bytes, held back from the file so that finish() can change its
    // delay; the graphic control block is at their start.
    QByteArray pending_;
    int pending_transparent_ = -1;
    int frame_count_ = 0;
    QString error_;
};
