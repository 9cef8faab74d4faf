// The cost of each topic's full redraw, as a click in its frame runs it (the drawing procedure
// again, without the screen reset), at device pixel ratio 1 and 2 with recording off; and next
// to each the floor: the same primitives drawn with plain QPainter calls into images of the
// same sizes. Also the shared graph frame alone, and what a change of zoom or a resize of the
// window costs beside the redraw at that size.
//
// The floor comes from a second window that records: after the menu command its surfaces hold
// exactly what the topic's drawing put there (the drawing surface and the side panel, and the
// window background where a topic prints on it), and Surface::replay_record draws that record with a
// painter of its own into a fresh image, without the persistent surface, the record or the
// change notifications (the record, drawn primitive by primitive, not the surface's compact
// history).

#include "bench_main.h"
#include "fonts.h"
#include "main_window.h"
#include "message_box.h"
#include "random_source.h"

#include <QAction>
#include <QApplication>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>
#include <memory>
#include <string>
#include <vector>

namespace {

struct BenchWindow
{
    BenchWindow(qreal ratio, bool recording, double zoom = 1)
        : random(1)
        , window([&] {
            WindowOptions options;
            options.device_pixel_ratio = ratio;
            options.manual_timer = true;
            options.record_drawing = recording;
            options.messages = &messages;
            options.random = &random;
            options.zoom = zoom;
            return options;
        }())
    { }

    RecordedMessageBox messages;
    SeededRandom random;
    MainWindow window;
};

// The menu commands, one for each topic.
const char *const menu_commands[] = { "M_gr:3", "M_gr:2", "M_gr:1", "M_R:2", "M_R:3", "M_R:4",
    "M_R:5", "M_R:1", "M_R:0", "M_bevolk:0", "M_plato", "M_R:6", "M_bevolk:1", "M_gr:0", "M_chaos",
    "M_Pyt" };

void redraw(benchmark::State &state, const char *menu, qreal ratio)
{
    BenchWindow w(ratio, false);
    w.window.menus().at(QString::fromLatin1(menu))->trigger();
    // A window in use has an image behind each surface (a surface makes one once its pixels are
    // read or more than a few primitives are drawn on it): time the redraw into those images.
    Form1 &f = w.window.form();
    for (Surface *s : { &f.Picture1->surface(), &f.Picture2->surface(), &w.window.Form1_surface() })
        s->image();
    Topic *topic = w.window.topic(f.topic);
    for (auto _ : state)
        topic->draw();
}

// An image like the surface's, with the surface's record drawn into it.
struct Replayed
{
    const Surface *surface;
    QImage image;
};

void floor_of(benchmark::State &state, const char *menu, qreal ratio)
{
    BenchWindow w(ratio, true);
    w.window.menus().at(QString::fromLatin1(menu))->trigger();
    Form1 &f = w.window.form();
    std::vector<Replayed> targets;
    for (const Surface *s :
        { &f.Picture1->surface(), &f.Picture2->surface(), &w.window.Form1_surface() }) {
        if (s->record().empty())
            continue;
        const QSize device(
            qCeil(s->inner_size().width() * ratio), qCeil(s->inner_size().height() * ratio));
        QImage image(device, QImage::Format_RGB32);
        image.setDevicePixelRatio(ratio);
        targets.push_back({ s, image });
    }
    std::size_t primitives = 0;
    for (const Replayed &t : targets)
        primitives += t.surface->record().size();
    for (auto _ : state) {
        for (Replayed &t : targets) {
            QPainter painter(&t.image);
            t.surface->replay_record(painter);
        }
    }
    state.counters["primitives"] = double(primitives);
}

// A window at a zoom with the menu command done and every surface holding its image.
Topic *prepared(BenchWindow &w, const char *menu)
{
    w.window.menus().at(QString::fromLatin1(menu))->trigger();
    Form1 &f = w.window.form();
    for (Surface *s : { &f.Picture1->surface(), &f.Picture2->surface(), &w.window.Form1_surface() })
        s->image();
    return w.window.topic(f.topic);
}

// The topic's redraw at zoom 2, against a change of zoom between 1.75 and 2: every control laid
// out again and every surface drawn again from what it shows.
void redraw_zoomed(benchmark::State &state, const char *menu)
{
    BenchWindow w(1, false, 2);
    Topic *topic = prepared(w, menu);
    for (auto _ : state)
        topic->draw();
}

// The topic drawn from scratch at zoom 2, as its menu command does: the screen reset, the side
// panel prepared and printed, and the drawing.
void show_zoomed(benchmark::State &state, const char *menu)
{
    BenchWindow w(1, false, 2);
    prepared(w, menu);
    QAction *command = w.window.menus().at(QString::fromLatin1(menu));
    for (auto _ : state)
        command->trigger();
}

void zoom_change(benchmark::State &state, const char *menu)
{
    BenchWindow w(1, false, 2);
    prepared(w, menu);
    bool larger = false;
    for (auto _ : state) {
        larger = !larger;
        w.window.view().set_zoom(larger ? 2.0 : 1.75);
    }
}

// The same with the window on the (offscreen) screen, painted after each change: the redraw
// with its repaint, against a resize of the window by the user that changes the fitting zoom.
void redraw_shown(benchmark::State &state, const char *menu)
{
    BenchWindow w(1, false, 0);
    w.window.show();
    w.window.resize(1700, 1060);
    Topic *topic = prepared(w, menu);
    QApplication::processEvents();
    for (auto _ : state) {
        topic->draw();
        QApplication::processEvents();
    }
    state.counters["zoom"] = w.window.zoom();
}

void show_shown(benchmark::State &state, const char *menu)
{
    BenchWindow w(1, false, 0);
    w.window.show();
    w.window.resize(1700, 1060);
    prepared(w, menu);
    QApplication::processEvents();
    QAction *command = w.window.menus().at(QString::fromLatin1(menu));
    for (auto _ : state) {
        command->trigger();
        QApplication::processEvents();
    }
}

void resize_shown(benchmark::State &state, const char *menu)
{
    BenchWindow w(1, false, 0);
    w.window.show();
    w.window.resize(1700, 1060);
    prepared(w, menu);
    QApplication::processEvents();
    bool larger = false;
    for (auto _ : state) {
        larger = !larger;
        w.window.resize(larger ? QSize(1700, 1060) : QSize(1600, 1000));
        QApplication::processEvents();
    }
    state.counters["zoom"] = w.window.zoom();
}

void graph_frame(benchmark::State &state, qreal ratio)
{
    BenchWindow w(ratio, false);
    Plotter &plot = *w.window.form().plot;
    for (auto _ : state)
        plot.graph_frame(-1, 10, -1, 10, QStringLiteral("y"), 1, 1);
}

void register_all()
{
    for (const char *menu : menu_commands) {
        const std::string name(menu);
        const auto add = [&name, menu](
                             const char *kind, void (*run)(benchmark::State &, const char *)) {
            benchmark::RegisterBenchmark((std::string(kind) + "/" + name).c_str(),
                [menu, run](benchmark::State &s) { run(s, menu); })
                ->Unit(benchmark::kMillisecond);
        };
        add("redraw_at_zoom_2", redraw_zoomed);
        add("show_at_zoom_2", show_zoomed);
        add("zoom_change", zoom_change);
        add("redraw_shown", redraw_shown);
        add("show_shown", show_shown);
        add("resize_shown", resize_shown);
    }
    for (const qreal ratio : { 1.0, 2.0 }) {
        const QString suffix = QStringLiteral("/ratio:%1").arg(ratio);
        for (const char *menu : menu_commands) {
            const std::string name = (QString::fromLatin1(menu) + suffix).toStdString();
            benchmark::RegisterBenchmark(("redraw/" + name).c_str(),
                [menu, ratio](benchmark::State &s) { redraw(s, menu, ratio); })
                ->Unit(benchmark::kMillisecond);
            benchmark::RegisterBenchmark(("floor/" + name).c_str(),
                [menu, ratio](benchmark::State &s) { floor_of(s, menu, ratio); })
                ->Unit(benchmark::kMillisecond);
        }
        benchmark::RegisterBenchmark(("graph_frame" + suffix.toStdString()).c_str(),
            [ratio](benchmark::State &s) { graph_frame(s, ratio); })
            ->Unit(benchmark::kMillisecond);
    }
}

} // namespace

int main(int argc, char **argv) { return run_benchmarks(argc, argv, register_all); }
