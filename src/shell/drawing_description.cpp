// What assistive technology reads of the drawings: the drawing surface describes in words and
// values what the topic shows, after every redraw; the side panel gives its texts and the
// coordinate read-out its coordinates. A change is announced when it happens, the chaos game's
// count of points at most about once a second and the read-out when the pointer rests.

#include "main_window.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QAction>
#include <QTimer>

namespace {

// The running chaos game tells its count of points no more often than this.
constexpr int game_description_ms = 900;
// The read-out is announced once the pointer has rested this long.
constexpr int readout_rest_ms = 300;

// A picture box is an image to assistive technology, described in words.
QAccessibleInterface *picture_accessible(const QString &class_name, QObject *object)
{
    if (class_name == QLatin1String("PictureBox"))
        if (auto *picture = qobject_cast<QWidget *>(object))
            return new QAccessibleWidget(picture, QAccessible::Graphic);
    return nullptr;
}

void announce_description(QWidget &widget)
{
    QAccessibleEvent event(&widget, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&event);
}

// Sets the description only when it has changed. The widget announces each change itself, with
// a DescriptionChanged event: one more here would make a screen reader hear it twice.
void describe(QWidget &widget, const QString &text)
{
    if (widget.accessibleDescription() != text)
        widget.setAccessibleDescription(text);
}

} // namespace

void MainWindow::follow_drawing_for_assistive_technology()
{
    static const bool installed = [] {
        QAccessible::installFactory(picture_accessible);
        return true;
    }();
    Q_UNUSED(installed);

    // Called before the controls are named: a picture box's interface is made at its first
    // event. Connected after the handlers, so the description follows what they drew.
    for (const auto &[name, action] : menus_)
        connect(action, &QAction::triggered, this, [this] { describe_drawing(); });
    for (const auto &[key, control] : controls()) {
        if (auto *button = qobject_cast<QAbstractButton *>(&control->widget()))
            connect(button, &QAbstractButton::clicked, this, [this] { describe_drawing(); });
        else if (auto *label = dynamic_cast<Label *>(control))
            connect(label, &Label::clicked, this, [this] { describe_drawing(); });
    }
    connect(form_.Picture1, &PictureBox::clicked, this, [this] { describe_drawing(); });

    described_.start();
    form_.Timer1->on_timer = [this, tick = form_.Timer1->on_timer] {
        if (tick)
            tick();
        if (described_.elapsed() >= game_description_ms)
            describe_drawing();
    };

    auto *rest = new QTimer(this);
    rest->setSingleShot(true);
    rest->setInterval(readout_rest_ms);
    connect(form_.Picture1, &PictureBox::mouse_moved, rest, qOverload<>(&QTimer::start));
    connect(rest, &QTimer::timeout, this, [this, announced = QString()]() mutable {
        if (form_.Label2->caption() == announced)
            return;
        announced = form_.Label2->caption();
        announce_description(*form_.Label2);
    });
}

void MainWindow::describe_drawing()
{
    described_.restart();
    const int topic = form_.topic;
    if (topic < 1 || topic > 16 || !topics_[std::size_t(topic)])
        return;
    describe(*form_.Picture1, topics_[std::size_t(topic)]->description());
    // The side panel's lines in order; the handlers print them again at the same places.
    QStringList panel;
    if (form_.Picture2->isVisibleTo(this))
        for (const QString &text : form_.Picture2->surface().texts())
            if (const QString line = text.trimmed(); !line.isEmpty() && !panel.contains(line))
                panel << line;
    describe(*form_.Picture2, panel.join(QLatin1Char('\n')));
}
