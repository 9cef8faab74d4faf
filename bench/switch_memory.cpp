// The memory of topic switches: the window as the render tool makes it (shown on the offscreen
// platform, the actions performed one after another without an event loop between them), then
// the sixteen menu commands in turn; after every 1,000 switches the heap in use (malloc's own
// count) and the resident set. Fails when the heap grew by more than 64 bytes a switch between
// the first 1,000 switches and the end.
//
//     aurelion-switch-memory [SWITCHES, default 16000]

#include "fonts.h"
#include "test_window.h"
#include "window_actions.h"

#include <QApplication>
#include <QFile>

#include <cstdio>
#include <cstdlib>
#include <malloc.h>

namespace {

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

// What malloc has handed out and not taken back, blocks of their own mapping included.
long heap_kb()
{
    const struct mallinfo2 info = mallinfo2();
    return long((info.uordblks + info.hblkhd) / 1024);
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    load_bundled_fonts();
    const long switches = argc > 1 ? std::atol(argv[1]) : 16000;

    TestWindow test(1, false);
    MainWindow &window = test.window;
    window.show();
    QApplication::processEvents();
    std::vector<RenderAction> menus;
    for (const char *name :
        { "M_gr:3", "M_gr:2", "M_gr:1", "M_R:2", "M_R:3", "M_R:4", "M_R:5", "M_R:1", "M_R:0",
            "M_bevolk:0", "M_plato", "M_R:6", "M_bevolk:1", "M_gr:0", "M_chaos", "M_Pyt" }) {
        menus.emplace_back();
        parse_action(QStringLiteral("menu:") + QLatin1String(name), menus.back());
    }

    std::printf("%9s %9s %9s\n", "switches", "heap-kB", "rss-kB");
    long first_heap = 0;
    for (long i = 1; i <= switches; ++i) {
        perform(window, menus[std::size_t(i % long(menus.size()))]);
        if (i % 1000 == 0 || i == switches) {
            std::printf("%9ld %9ld %9ld\n", i, heap_kb(), resident_kb());
            if (i == 1000)
                first_heap = heap_kb();
        }
    }
    const double per_switch =
        switches > 1000 ? double(heap_kb() - first_heap) * 1024 / double(switches - 1000) : 0;
    std::printf("heap growth after the first 1,000 switches: %.0f bytes a switch\n", per_switch);
    return per_switch > 64 ? 1 : 0;
}
