#include "window_actions.h"

#include "main_window.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QJsonArray>
#include <QMenu>

bool seen(const QWidget &widget, const QWidget &window)
{
    return widget.isVisibleTo(&window) && window.isVisible();
}

namespace {

QJsonArray scale_of(const Surface &surface)
{
    const UserScale &s = surface.scale();
    return { s.left, s.top, s.left + s.width, s.top + s.height };
}

} // namespace

QJsonObject state_of(MainWindow &window, const RecordedMessageBox &messages)
{
    Form1 &f = window.form();
    QJsonObject state;
    state[QStringLiteral("topic")] = f.topic;
    state[QStringLiteral("zoom")] = window.zoom();
    state[QStringLiteral("caption")] = window.windowTitle();

    QJsonObject menus;
    for (const auto &[name, action] : window.menus())
        menus[name] = QJsonObject { { QStringLiteral("caption"), action->text() } };
    state[QStringLiteral("menus")] = menus;

    QJsonObject controls;
    for (const auto &[name, control] : window.controls()) {
        const QWidget &w = control->widget();
        QJsonObject c {
            { QStringLiteral("caption"), control->caption() },
            { QStringLiteral("visible"), seen(w, window) },
            { QStringLiteral("tooltip"), w.toolTip() },
            { QStringLiteral("left"), control->Left() },
            { QStringLiteral("top"), control->Top() },
            { QStringLiteral("width"), control->Width() },
            { QStringLiteral("height"), control->Height() },
        };
        if (auto *box = dynamic_cast<CheckBox *>(control))
            c[QStringLiteral("value")] = box->value();
        if (auto *picture = dynamic_cast<PictureBox *>(control))
            c[QStringLiteral("scale")] = scale_of(picture->surface());
        controls[name] = c;
    }
    const bool picture_seen = seen(*f.Picture1, window);
    const auto shape = [&](const ShapeControl &s) {
        return QJsonObject { { QStringLiteral("visible"), s.Visible() && picture_seen },
            { QStringLiteral("left"), s.Left() }, { QStringLiteral("top"), s.Top() } };
    };
    controls[QStringLiteral("Shape1")] = shape(*f.Shape1);
    controls[QStringLiteral("Shape2")] = shape(*f.Shape2);
    controls[QStringLiteral("Line1")] =
        QJsonObject { { QStringLiteral("visible"), f.Line1->Visible() && picture_seen },
            { QStringLiteral("x1"), f.Line1->X1() }, { QStringLiteral("y1"), f.Line1->Y1() },
            { QStringLiteral("x2"), f.Line1->X2() }, { QStringLiteral("y2"), f.Line1->Y2() } };
    state[QStringLiteral("controls")] = controls;

    QJsonArray shown;
    for (const auto &m : messages.messages)
        shown.append(QJsonObject {
            { QStringLiteral("title"), m.title }, { QStringLiteral("text"), m.text } });
    state[QStringLiteral("messages")] = shown;
    state[QStringLiteral("timer")] =
        QJsonObject { { QStringLiteral("enabled"), f.Timer1->Enabled() },
            { QStringLiteral("interval"), f.Timer1->Interval() } };
    return state;
}

namespace {

// The action as a user's click does it.
QString act(MainWindow &window, const RenderAction &a)
{
    const auto refuse = [&a](const QString &why) {
        const QString message = QStringLiteral("%1: %2").arg(a.argument, why);
        return a.origin.isEmpty() ? message : a.origin + QStringLiteral(": ") + message;
    };
    Form1 &f = window.form();
    switch (a.kind) {
    case RenderAction::Kind::Menu: {
        const QString key =
            a.index ? a.name + QLatin1Char(':') + QString::number(*a.index) : a.name;
        const auto found = window.menus().find(key);
        if (found == window.menus().end())
            return refuse(QStringLiteral("no such menu command"));
        if (a.name == QLatin1String("M_end"))
            return refuse(QStringLiteral("ending the program is not an action"));
        if (found->second->menu())
            return refuse(QStringLiteral("a menu title, not a command"));
        found->second->trigger();
        return {};
    }
    case RenderAction::Kind::Click: {
        const auto controls = window.controls();
        const QString key =
            a.index ? a.name + QLatin1Char(':') + QString::number(*a.index) : a.name;
        const auto found = controls.find(key);
        if (found == controls.end())
            return refuse(QStringLiteral("no such control"));
        QWidget &w = found->second->widget();
        if (!seen(w, window) || !w.isEnabled())
            return refuse(QStringLiteral("the control is hidden or disabled"));
        if (auto *label = dynamic_cast<Label *>(found->second))
            label->click();
        else if (auto *button = qobject_cast<QAbstractButton *>(&w))
            button->click();
        else if (auto *picture = dynamic_cast<PictureBox *>(found->second))
            picture->click();
        else
            return refuse(QStringLiteral("the control takes no clicks"));
        return {};
    }
    case RenderAction::Kind::Move:
    case RenderAction::Kind::Press:
        if (!seen(*f.Picture1, window))
            return refuse(QStringLiteral("the drawing surface is hidden"));
        f.Picture1->move_pointer(float(a.x), float(a.y));
        if (a.kind == RenderAction::Kind::Press)
            f.Picture1->click();
        return {};
    case RenderAction::Kind::Tick:
        // A tick acts only while the timer runs; once a tick stops it, the rest do nothing.
        for (long i = 0; i < a.count && f.Timer1->Enabled(); ++i)
            f.Timer1->tick();
        return {};
    case RenderAction::Kind::Zoom:
        // The window as large as the design at the new zoom, once its layout knows the new
        // sizes of the menu bar and the design.
        window.view().set_zoom(a.x);
        QApplication::processEvents();
        window.resize(window.view().size_for_zoom(a.x));
        QApplication::processEvents();
        return {};
    }
    return {};
}

} // namespace

QString perform(MainWindow &window, const RenderAction &action)
{
    const QString why = act(window, action);
    // After a user's click the event loop delivers what the handlers posted: each control shown
    // asks to be painted later. Without an event loop between the actions (the render tool, a
    // step's replay) those requests would pile up, two kilobytes a topic: they are delivered here.
    QCoreApplication::sendPostedEvents();
    return why;
}
