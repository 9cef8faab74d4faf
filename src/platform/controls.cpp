#include "controls.h"

#include "picture_box.h"
#include "twips.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QStyle>

void Control::place(int left, int top, int width, int height)
{
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    zoom_ = window_zoom();
    const double z = zoom_;
    self_.setGeometry(twips_to_pixels(left * z), twips_to_pixels(top * z),
        twips_to_pixels(width * z), twips_to_pixels(height * z));
    placed();
}

double Control::window_zoom() const
{
    for (const QWidget *w = self_.parentWidget(); w; w = w->parentWidget())
        if (const auto *form = dynamic_cast<const FormSurface *>(w))
            return form->zoom();
    return 1.0;
}

QRectF Control::design_rect() const
{
    const double z = zoom();
    return QRectF(0, 0, self_.width() / z, self_.height() / z);
}

void paint_focus_ring(QPainter &painter, const QRectF &r)
{
    const QColor ring = QColor::fromRgb(focus_ring_colour);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    const double w = focus_ring_width;
    painter.fillRect(QRectF(r.left(), r.top(), r.width(), w), ring);
    painter.fillRect(QRectF(r.left(), r.bottom() - w, r.width(), w), ring);
    painter.fillRect(QRectF(r.left(), r.top(), w, r.height()), ring);
    painter.fillRect(QRectF(r.right() - w, r.top(), w, r.height()), ring);
    painter.restore();
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
    const double z = zoom();
    p.scale(z, z);
    const QRectF r = design_rect();
    p.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    const int flags = Qt::AlignHCenter | Qt::AlignTop | Qt::TextForceLeftToRight;
    p.drawText(r, flags, text_);
    if (hasFocus()) {
        // The ring leaves the ink of the text alone, a device pixel around it included: where
        // the text reaches the label's edge the ring is open.
        const double pixel = 1.0 / (z * devicePixelRatioF());
        const QRectF laid_out = p.boundingRect(r, flags, text_);
        QRectF ink = laid_out;
        if (!text_.contains(QLatin1Char('\n'))) {
            const QFontMetricsF metrics(p.font());
            ink = metrics.tightBoundingRect(text_).translated(
                laid_out.left(), laid_out.top() + metrics.ascent());
        }
        QPainterPath outside;
        outside.addRect(r);
        QPainterPath text;
        text.addRect(ink.adjusted(-pixel, -pixel, pixel, pixel));
        p.setClipPath(outside.subtracted(text));
        paint_focus_ring(p, r);
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
    const double z = zoom();
    p.scale(z, z);
    const QRectF r = design_rect();
    const QColor face = palette().color(QPalette::Button);
    p.fillRect(r, face);
    const bool down = isDown();
    const QColor light = down ? QColor(64, 64, 64) : QColor(255, 255, 255);
    const QColor dark = down ? QColor(255, 255, 255) : QColor(64, 64, 64);
    p.fillRect(QRectF(r.left(), r.top(), r.width(), 1), light);
    p.fillRect(QRectF(r.left(), r.top(), 1, r.height()), light);
    p.fillRect(QRectF(r.left(), r.bottom() - 1, r.width(), 1), dark);
    p.fillRect(QRectF(r.right() - 1, r.top(), 1, r.height()), dark);
    p.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    p.setFont(font());
    p.drawText(r.translated(down ? 1 : 0, down ? 1 : 0), Qt::AlignCenter, text());
    if (hasFocus())
        paint_focus_ring(p, r);
}

// The caption is centred on the button; the bevel lies under the focus ring's width.
QRectF Button::caption_area() const
{
    const double w = focus_ring_width;
    return design_rect().adjusted(w, w, -w, -w);
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

QStyleOptionButton CheckBox::design_option() const
{
    QStyleOptionButton option;
    initStyleOption(&option);
    option.rect = design_rect().toRect();
    return option;
}

QRectF CheckBox::caption_area() const
{
    const QStyleOptionButton option = design_option();
    const double w = focus_ring_width;
    return QRectF(style()->subElementRect(QStyle::SE_CheckBoxContents, &option, this))
        .intersected(design_rect().adjusted(w, w, -w, -w));
}

void CheckBox::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.scale(zoom(), zoom());
    const QStyleOptionButton option = design_option();
    style()->drawControl(QStyle::CE_CheckBox, &option, &p, this);
    if (hasFocus())
        paint_focus_ring(p, design_rect());
}

void CheckBox::focusInEvent(QFocusEvent *event)
{
    // The check boxes of a column overlap by a little; the one with the focus comes to the front
    // so that its ring shows whole.
    raise();
    QCheckBox::focusInEvent(event);
}

bool CheckBox::hitButton(const QPoint &pos) const
{
    const QStyleOptionButton option = design_option();
    const QRect area = style()->subElementRect(QStyle::SE_CheckBoxClickRect, &option, this);
    return area.contains((QPointF(pos) / zoom()).toPoint());
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
    p.scale(zoom(), zoom());
    p.setFont(font());
    const QFontMetrics metrics(font());
    const int line = metrics.height() / 2;
    const QRect r = design_rect().toRect().adjusted(0, line, -1, -1);
    // Etched border: a dark line with a light line beside it.
    p.setPen(QColor(128, 128, 128));
    p.drawRect(r.adjusted(0, 0, -1, -1));
    p.setPen(QColor(255, 255, 255));
    p.drawRect(r.adjusted(1, 1, 0, 0));
    if (!caption_.isEmpty()) {
        const QRect text_area(int(caption_area().left()), 0,
            metrics.horizontalAdvance(caption_) + 2, metrics.height());
        p.fillRect(text_area, palette().color(QPalette::Window));
        p.setPen(palette().color(QPalette::WindowText));
        p.drawText(text_area, Qt::AlignLeft | Qt::AlignTop, caption_);
    }
}

QRectF Frame::caption_area() const
{
    constexpr double corner = 6;
    const QRectF r = design_rect();
    return QRectF(corner, 0, r.width() - 2 * corner, QFontMetricsF(font()).height());
}
