#include "picture/animation.h"

#include "picture_box.h"
#include "picture_output.h"

#include <QCoreApplication>

Animation::Animation(PictureBox &picture)
    : picture_(picture)
{ }

void Animation::start(const QString &path, qreal scale, bool loop)
{
    gif_.cancel();
    path_ = path;
    scale_ = scale;
    loop_ = loop;
    started_ = true;
    error_.clear();
}

QImage Animation::capture() { return picture_image(picture_, scale_); }

bool Animation::add_frame(int delay_ms) { return add_frame(capture(), delay_ms); }

bool Animation::add_frame(const QImage &frame, int delay_ms)
{
    if (!started_)
        return false;
    if (!gif_.is_open() && !gif_.open(path_, frame.size(), loop_)) {
        error_ = gif_.error();
        started_ = false;
        return false;
    }
    if (gif_.frame_count() >= max_frames) {
        error_ = QCoreApplication::translate(
            "Recording", "%1: the recording holds %2 frames, as many as a recording may")
                     .arg(path_)
                     .arg(max_frames);
        return false;
    }
    if (!gif_.add_frame(frame, delay_ms)) {
        error_ = gif_.error();
        return false;
    }
    return true;
}

bool Animation::finish(int last_delay_ms)
{
    started_ = false;
    if (!gif_.is_open()) {
        error_ = QCoreApplication::translate(
            "Recording", "%1: no frame was recorded: the drawing was not shown")
                     .arg(path_);
        return false;
    }
    if (!gif_.finish(last_delay_ms)) {
        error_ = gif_.error();
        return false;
    }
    return true;
}

void Animation::cancel()
{
    started_ = false;
    gif_.cancel();
}
