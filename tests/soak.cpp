// One hour of the chaos game's fast mode (180,000 ticks of 50 points, recording off) in the real
// window, shown on the offscreen platform and repainted after every tick; reports the resident
// set size at the start and at the end and fails when it grew by 1 MB or more.
//
//     aurelion-soak [TICKS]

#include "fonts.h"
#include "main_window.h"
#include "message_box.h"
#include "random_source.h"
#include "test_window.h"

#include <QAction>
#include <QApplication>
#include <QFile>

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
    const long ticks = argc > 1 ? std::atol(argv[1]) : 180000;

    TestWindow test(1, false);
    MainWindow &window = test.window;
    window.show();
    test.menu(QStringLiteral("M_chaos"));
    Timer &timer = *window.form().Timer1;
    timer.tick();
    QApplication::processEvents();

    const long start = resident_kb();
    std::printf("tick 1: RSS %ld kB\n", start);
    for (long t = 2; t <= ticks; ++t) {
        timer.tick();
        QApplication::processEvents();
        if (t % 30000 == 0)
            std::printf("tick %ld: RSS %ld kB\n", t, resident_kb());
    }
    const long end = resident_kb();
    std::printf("start %ld kB, end %ld kB, growth %ld kB over %ld ticks (limit 1024 kB)\n", start,
        end, end - start, ticks);
    return end - start < 1024 ? 0 : 1;
}
