// One hour of the chaos game's fast mode (180,000 ticks of 50 points, recording off) in the real
// window, shown on the offscreen platform and repainted after every tick; reports the resident
// set size after the first 2,000 ticks and at the end and fails when it grew by 1 MB or more. It
// also reports what the drawing surface keeps of the points to draw them again at another zoom.
//
//     aurelion-soak [TICKS]
//
// With --record it records the game as the window does, a frame every 200 ms (ten ticks) into an
// animated GIF, for ten minutes of play (30,000 ticks, 3,000 frames, as many as a recording may
// hold), and fails when the resident set grew by 50 MB or more.
//
//     aurelion-soak --record

#include "fonts.h"
#include "main_window.h"
#include "message_box.h"
#include "picture/animation.h"
#include "random_source.h"
#include "test_window.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

namespace {

// The resident set size in kB, from the kernel's status of this process.
long resident_kb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (QByteArray line = status.readLine(); !line.isEmpty(); line = status.readLine())
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    return -1;
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    load_bundled_fonts();
    const bool record = argc > 1 && QByteArray(argv[1]) == "--record";
    const long ticks = record ? 30000 : argc > 1 ? std::atol(argv[1]) : 180000;

    TestWindow test(1, false);
    MainWindow &window = test.window;
    window.show();
    test.menu(QStringLiteral("M_chaos"));
    // The first 40 seconds of play: by then the drawing surface holds its image (it makes one once
    // more than a short list of points is drawn) and keeps its points as a grid of last colours
    // (once they outnumber a quarter of its pixels), so what follows is the steady game.
    constexpr long warm_up = 2000;
    Timer &timer = *window.form().Timer1;
    for (long t = 1; t <= warm_up; ++t) {
        timer.tick();
        QApplication::processEvents();
    }

    QTemporaryDir dir;
    Animation animation(*window.form().Picture1);
    if (record)
        animation.start(dir.filePath(QStringLiteral("soak.gif")), 1.0, true);
    const Surface &drawing = window.form().Picture1->surface();
    const auto report = [&drawing](long tick) {
        std::printf("tick %ld: RSS %ld kB, %zu points kept in %zu kB\n", tick, resident_kb(),
            drawing.drawn_count(), drawing.history_bytes() / 1024);
    };
    const long start = resident_kb();
    report(warm_up);
    for (long t = warm_up + 1; t <= ticks; ++t) {
        timer.tick();
        QApplication::processEvents();
        if (record && t % 10 == 0 && animation.frame_count() + 1 < Animation::max_frames
            && !animation.add_frame(200)) {
            std::printf("%s\n", qPrintable(animation.error()));
            return 1;
        }
        if (t % (record ? 5000 : 30000) == 0)
            report(t);
    }
    if (record) {
        if (!animation.finish(3000)) {
            std::printf("%s\n", qPrintable(animation.error()));
            return 1;
        }
        const long end = resident_kb();
        std::printf("%d frames, %lld kB; RSS start %ld kB, end %ld kB, growth %ld kB "
                    "(limit 51200 kB)\n",
            animation.frame_count(),
            QFileInfo(dir.filePath(QStringLiteral("soak.gif"))).size() / 1024, start, end,
            end - start);
        return end - start < 51200 ? 0 : 1;
    }
    const long end = resident_kb();
    std::printf("start %ld kB, end %ld kB, growth %ld kB over %ld ticks (limit 1024 kB)\n", start,
        end, end - start, ticks);
    return end - start < 1024 ? 0 : 1;
}
