#pragma once

#include "main_window.h"
#include "window/settings_file.h"

#include <QAbstractButton>
#include <QAction>

// The real main window as tests drive it: messages recorded, ticks delivered by hand, a seeded
// random source and every surface recording what it draws.
struct TestWindow
{
    // Without recording, for long runs where only the pixels matter. A zoom of 0 fits the
    // window; the device pixel ratio stands for the screen's.
    explicit TestWindow(std::uint64_t seed = 1, bool record = true, double zoom = 0,
        qreal device_pixel_ratio = 1, SettingsFile *settings = nullptr)
        : random(seed)
        , window([this, record, zoom, device_pixel_ratio, settings] {
            WindowOptions options;
            options.manual_timer = true;
            options.record_drawing = record;
            options.messages = &messages;
            options.random = &random;
            options.zoom = zoom;
            options.device_pixel_ratio = device_pixel_ratio;
            options.settings = settings;
            return options;
        }())
    { }
    // A window that keeps its size, zoom and full screen in these settings.
    explicit TestWindow(SettingsFile &settings)
        : TestWindow(1, false, 0, 1, &settings)
    { }

    Form1 &form() { return window.form(); }
    // A menu command by name, "M_R:4" for an item of a menu array.
    void menu(const QString &name) { window.menus().at(name)->trigger(); }
    // A click on a control by name, "Label11:5" for an element of a control array, as the
    // pointer or the keyboard makes it.
    void click(const QString &key)
    {
        Control *control = window.controls().at(key);
        if (auto *label = dynamic_cast<Label *>(control))
            label->click();
        else
            dynamic_cast<QAbstractButton &>(control->widget()).click();
    }
    const std::vector<Primitive> &picture1() { return form().Picture1->surface().record(); }
    const std::vector<Primitive> &picture2() { return form().Picture2->surface().record(); }
    const std::vector<Primitive> &background() { return window.Form1_surface().record(); }

    RecordedMessageBox messages;
    SeededRandom random;
    MainWindow window;
};

// The recorded primitives of one kind.
inline std::vector<Primitive> only(const std::vector<Primitive> &record, Primitive::Op op)
{
    std::vector<Primitive> kept;
    for (const Primitive &p : record)
        if (p.op == op)
            kept.push_back(p);
    return kept;
}

// The texts drawn, in drawing order.
inline QStringList texts(const std::vector<Primitive> &record)
{
    QStringList list;
    for (const Primitive &p : record)
        if (p.op == Primitive::Op::Text)
            list << p.text;
    return list;
}
