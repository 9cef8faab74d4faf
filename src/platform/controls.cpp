#include "controls.h"

#include "twips.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>

void Control::place(int left, int top, int width, int height)
{
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    self_.setGeometry(twips_to_pixels(left), twips_to_pixels(top), twips_to_pixels(width),
        twips_to_pixels(height));
    placed();
}

void Control::set_background(QRgb colour)
{
    QPalette palette = self_.palette();
    palette.setColor(QPalette::Window, QColor::fromRgb(colour));
    palette.setColor(QPalette::Button, QColor::fromRgb(colour));
    self_.setPalette(palette);
    self_.setAutoFillBackground(true);
}

void Control::set_foreground(QRgb colour)
{
    QPalette palette = self_.palette();
    palette.setColor(QPalette::WindowText, QColor::fromRgb(colour));
    palette.setColor(QPalette::ButtonText, QColor::fromRgb(colour));
    self_.setPalette(palette);
}

void Control::set_font_spec(const FontSpec &font)
{
    font_ = font;
    self_.setFont(make_font(font));
}

void Control::copy_look_to(Control &other) const
{
    other.name = name;
    other.font_ = font_;
    other.self_.setFont(self_.font());
    other.self_.setPalette(self_.palette());
    other.self_.setAutoFillBackground(self_.autoFillBackground());
    other.self_.setToolTip(self_.toolTip());
    other.set_caption(caption());
    other.place(left_, top_, width_, height_);
    other.self_.setVisible(false);
}

namespace {

// What assistive technology is told of a label: its text, and for a clickable one that it is a
// button that can be pressed.
class LabelAccessible final : public QAccessibleWidget
{
public:
    explicit LabelAccessible(Label *label)
        : QAccessibleWidget(label, QAccessible::StaticText)
    { }

    QAccessible::Role role() const override
    {
        return label()->clickable() ? QAccessible::Button : QAccessible::StaticText;
    }

    // The caption is the name, or the description of a label named for what it shows (the
    // coordinate read-out).
    QString text(QAccessible::Text t) const override
    {
        const QString given = QAccessibleWidget::text(t);
        if (!given.isEmpty())
            return given;
        if (t == QAccessible::Name
            || (t == QAccessible::Description && !label()->accessibleName().isEmpty()))
            return label()->caption();
        return given;
    }

    QStringList actionNames() const override
    {
        QStringList names = QAccessibleWidget::actionNames();
        if (label()->clickable())
            names.prepend(pressAction());
        return names;
    }

    void doAction(const QString &action) override
    {
        if (action == pressAction() && label()->clickable())
            label()->click();
        else
            QAccessibleWidget::doAction(action);
    }

private:
    Label *label() const { return static_cast<Label *>(widget()); }
};

QAccessibleInterface *label_accessible(const QString &class_name, QObject *object)
{
    if (class_name == QLatin1String("Label"))
        if (auto *label = qobject_cast<Label *>(object))
            return new LabelAccessible(label);
    return nullptr;
}

// A check box as assistive technology toggles it: the Toggle action is a click, so the handler
// runs as it does for the pointer and the keyboard. (Qt's own action toggles the box without a
// click, and the topic would not redraw.)
class CheckBoxAccessible final : public QAccessibleWidget
{
public:
    explicit CheckBoxAccessible(CheckBox *box)
        : QAccessibleWidget(box, QAccessible::CheckBox)
    { }

    QString text(QAccessible::Text t) const override
    {
        const QString given = QAccessibleWidget::text(t);
        return t == QAccessible::Name && given.isEmpty() ? box()->text().simplified() : given;
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.checkable = true;
        state.checked = box()->isChecked();
        return state;
    }

    QStringList actionNames() const override
    {
        return QStringList(toggleAction()) + QAccessibleWidget::actionNames();
    }

    void doAction(const QString &action) override
    {
        if (action == toggleAction() || action == pressAction())
            box()->animateClick();
        else
            QAccessibleWidget::doAction(action);
    }

private:
    CheckBox *box() const { return static_cast<CheckBox *>(widget()); }
};

// The check box class has no meta-object of its own: it answers to its base's class name.
QAccessibleInterface *check_box_accessible(const QString &class_name, QObject *object)
{
    if (class_name == QLatin1String("QCheckBox"))
        if (auto *box = dynamic_cast<CheckBox *>(object))
            return new CheckBoxAccessible(box);
    return nullptr;
}

} // namespace

Label::Label(QWidget *parent)
    : QWidget(parent)
    , Control(static_cast<QWidget &>(*this))
{
    static const bool described = [] {
        QAccessible::installFactory(label_accessible);
        return true;
    }();
    Q_UNUSED(described);
    set_foreground(0xFF000000);
}

void Label::set_caption(const QString &text)
{
    if (text == text_)
        return;
    text_ = text;
    update();
    if (accessibleName().isEmpty()) {
        QAccessibleEvent event(this, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&event);
    }
}

Label *Label::copy() const
{
    auto *label = new Label(parentWidget());
    copy_look_to(*label);
    label->set_clickable(clickable_);
    return label;
}

void Label::set_clickable(bool on)
{
    clickable_ = on;
    setFocusPolicy(on ? Qt::StrongFocus : Qt::NoFocus);
}

namespace {

bool activates(const QKeyEvent *event)
{
    return event->key() == Qt::Key_Space || event->key() == Qt::Key_Return
        || event->key() == Qt::Key_Enter;
}

} // namespace

void Label::keyPressEvent(QKeyEvent *event)
{
    if (clickable_ && activates(event) && !event->isAutoRepeat()) {
        click();
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

void Label::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    style()->drawItemText(&p, contentsRect(),
        Qt::AlignHCenter | Qt::AlignTop | Qt::TextForceLeftToRight, palette(), isEnabled(), text_,
        QPalette::WindowText);
    if (hasFocus()) {
        QPen pen(palette().color(QPalette::WindowText));
        pen.setStyle(Qt::DotLine);
        p.setPen(pen);
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

void Label::click() { emit clicked(); }

void Label::mousePressEvent(QMouseEvent *event)
{
    pressed_ = event->button() == Qt::LeftButton;
    event->accept();
}

void Label::mouseReleaseEvent(QMouseEvent *event)
{
    const bool was_pressed = pressed_;
    pressed_ = false;
    if (was_pressed && event->button() == Qt::LeftButton
        && rect().contains(event->position().toPoint()))
        click();
    event->accept();
}

Button::Button(QWidget *parent)
    : QAbstractButton(parent)
    , Control(static_cast<QWidget &>(*this))
{
    setFocusPolicy(Qt::StrongFocus);
    set_background(qRgb(212, 208, 200));
    set_foreground(0xFF000000);
    setAutoFillBackground(false);
}

Button *Button::copy() const
{
    auto *button = new Button(parentWidget());
    copy_look_to(*button);
    button->setAutoFillBackground(false);
    return button;
}

void Button::paintEvent(QPaintEvent *)
{
    // A raised panel: light upper-left edges, dark lower-right edges; sunken while pressed.
    QPainter p(this);
    const QRect r = rect();
    const QColor face = palette().color(QPalette::Button);
    p.fillRect(r, face);
    const bool down = isDown();
    const QColor light = down ? QColor(64, 64, 64) : QColor(255, 255, 255);
    const QColor dark = down ? QColor(255, 255, 255) : QColor(64, 64, 64);
    p.setPen(light);
    p.drawLine(r.topLeft(), r.topRight());
    p.drawLine(r.topLeft(), r.bottomLeft());
    p.setPen(dark);
    p.drawLine(r.bottomLeft(), r.bottomRight());
    p.drawLine(r.topRight(), r.bottomRight());
    p.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    p.setFont(font());
    p.drawText(r.translated(down ? 1 : 0, down ? 1 : 0), Qt::AlignCenter, text());
    if (hasFocus()) {
        QPen pen(QColor(0, 0, 0));
        pen.setStyle(Qt::DotLine);
        p.setPen(pen);
        p.drawRect(r.adjusted(2, 2, -3, -3));
    }
}

void Button::keyPressEvent(QKeyEvent *event)
{
    // Enter presses a button as Space does.
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        && !event->isAutoRepeat()) {
        click();
        event->accept();
        return;
    }
    QAbstractButton::keyPressEvent(event);
}

void CheckBox::keyPressEvent(QKeyEvent *event)
{
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        && !event->isAutoRepeat()) {
        click();
        event->accept();
        return;
    }
    QCheckBox::keyPressEvent(event);
}

CheckBox::CheckBox(QWidget *parent)
    : QCheckBox(parent)
    , Control(static_cast<QWidget &>(*this))
{
    static const bool described = [] {
        QAccessible::installFactory(check_box_accessible);
        return true;
    }();
    Q_UNUSED(described);
    set_foreground(0xFF000000);
}

CheckBox *CheckBox::copy() const
{
    auto *box = new CheckBox(parentWidget());
    copy_look_to(*box);
    return box;
}

Frame::Frame(QWidget *parent)
    : QWidget(parent)
    , Control(static_cast<QWidget &>(*this))
{
    set_foreground(0xFF000000);
}

void Frame::set_caption(const QString &text)
{
    caption_ = text;
    update();
}

void Frame::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setFont(font());
    const QFontMetrics metrics(font());
    const int line = metrics.height() / 2;
    const QRect r = rect().adjusted(0, line, -1, -1);
    // Etched border: a dark line with a light line beside it.
    p.setPen(QColor(128, 128, 128));
    p.drawRect(r.adjusted(0, 0, -1, -1));
    p.setPen(QColor(255, 255, 255));
    p.drawRect(r.adjusted(1, 1, 0, 0));
    if (!caption_.isEmpty()) {
        const QRect text_area(6, 0, metrics.horizontalAdvance(caption_) + 2, metrics.height());
        p.fillRect(text_area, palette().color(QPalette::Window));
        p.setPen(palette().color(QPalette::WindowText));
        p.drawText(text_area, Qt::AlignLeft | Qt::AlignTop, caption_);
    }
}
