#pragma once

#include "fonts.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QStyleOptionButton>
#include <QWidget>

#include <functional>
#include <memory>
#include <type_traits>
#include <vector>

// What every control of the window has: a name (and an index in a control array) and its place
// in its container, in twips, as the design gives it. At a zoom z the window shows every control
// z times as large: its pixels are its twips / 15 x z, and it paints itself in its design pixels
// through a painter scaled by z, so text and lines are drawn at the larger size, not stretched.
class Control
{
public:
    explicit Control(QWidget &self)
        : self_(self)
    { }
    virtual ~Control() = default;

    void place(int left, int top, int width, int height);
    int Left() const { return left_; }
    int Top() const { return top_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    void set_Left(int twips) { place(twips, top_, width_, height_); }
    void set_Top(int twips) { place(left_, twips, width_, height_); }
    void set_Width(int twips) { place(left_, top_, twips, height_); }
    void set_Height(int twips) { place(left_, top_, width_, twips); }
    // Places the control again at the window's zoom, after the zoom has changed.
    void relayout() { place(left_, top_, width_, height_); }
    // The zoom of the window the control belongs to: 1 for the design's size. Kept from the last
    // time the control was placed: the window places every control again when its zoom changes.
    double zoom() const { return zoom_; }

    virtual QString caption() const = 0;
    virtual void set_caption(const QString &text) = 0;
    void set_background(QRgb colour);
    void set_foreground(QRgb colour);
    void set_font_spec(const FontSpec &font);
    const FontSpec &font_spec() const { return font_; }

    QWidget &widget() { return self_; }
    const QWidget &widget() const { return self_; }
    // Where the caption is drawn, in design pixels: inside whatever frame, box or focus ring
    // the control paints around it.
    virtual QRectF caption_area() const { return design_rect(); }

    QString name;
    int index = -1; // the element's index in its control array, -1 for a single control

protected:
    // Called after the control has moved or changed size.
    virtual void placed() { }
    // The control's rectangle in design pixels, for a painter scaled by zoom().
    QRectF design_rect() const;
    // Gives a new control the look of this one: place, colours, font, caption and tooltip.
    void copy_look_to(Control &other) const;

private:
    double window_zoom() const;

    QWidget &self_;
    int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    double zoom_ = 1;
    FontSpec font_;
};

// The ring that shows which control has the keyboard focus: two design pixels inside the
// control's edge, in a dark blue that stands out on every background of the window.
void paint_focus_ring(QPainter &painter, const QRectF &design_rect);
inline constexpr QRgb focus_ring_colour = 0xFF0000A0;
inline constexpr double focus_ring_width = 2;

// A label: text centred at the top of its own background; a click runs its handler. It draws its
// text itself: a text label that takes the keyboard focus would carry a whole text document.
class Label final : public QWidget, public Control
{
    Q_OBJECT
public:
    explicit Label(QWidget *parent);
    QString caption() const override { return text_; }
    void set_caption(const QString &text) override;
    Label *copy() const;
    // What a click does, for the pointer, the keyboard and the render tool alike.
    void click();
    // A clickable label takes the keyboard focus and reacts to Space and Enter like a button.
    void set_clickable(bool on);
    bool clickable() const { return clickable_; }

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    QString text_;
    bool pressed_ = false;
    bool clickable_ = false;
};

// A command button drawn as a raised panel with a centred caption.
class Button final : public QAbstractButton, public Control
{
public:
    explicit Button(QWidget *parent);
    QString caption() const override { return text(); }
    void set_caption(const QString &text) override { setText(text); }
    Button *copy() const;
    // Inside the bevel and the focus ring.
    QRectF caption_area() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
};

// A check box with a caption on its own background; value 0 or 1.
class CheckBox final : public QCheckBox, public Control
{
public:
    explicit CheckBox(QWidget *parent);
    QString caption() const override { return text(); }
    void set_caption(const QString &text) override { setText(text); }
    int value() const { return isChecked() ? 1 : 0; }
    CheckBox *copy() const;
    // Beside the box, as the style lays them out.
    QRectF caption_area() const override;

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    bool hitButton(const QPoint &pos) const override;

private:
    QStyleOptionButton design_option() const;
};

// A frame: an etched border with the caption on its top edge, holding other controls.
class Frame final : public QWidget, public Control
{
public:
    explicit Frame(QWidget *parent);
    QString caption() const override { return caption_; }
    void set_caption(const QString &text) override;
    // On the top edge, clear of the corners by as much on the right as on the left.
    QRectF caption_area() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString caption_;
};

// A control array: element 0 is designed, the further elements are created at start-up as
// invisible copies of element 0 and then moved, captioned and shown.
template <class T> class ControlArray
{
public:
    void set_first(T *element)
    {
        elements_.assign(1, element);
        element->index = 0;
    }
    // Creates element i, moved by i times the step from element 0, and makes it visible.
    T &load(int i, int left_step, int top_step)
    {
        T *created = elements_.front()->copy();
        created->index = i;
        if (elements_.size() <= std::size_t(i))
            elements_.resize(std::size_t(i) + 1, nullptr);
        elements_[std::size_t(i)] = created;
        const T &first = *elements_.front();
        created->place(first.Left() + i * left_step, first.Top() + i * top_step, first.Width(),
            first.Height());
        created->setVisible(true);
        return *created;
    }
    T &operator[](int i) const { return *elements_.at(std::size_t(i)); }
    // Runs the handler with the element's index whenever an element is clicked.
    template <class Handler> void on_click(Handler handler) const
    {
        for (int i = 0; i < count(); ++i) {
            T *element = elements_[std::size_t(i)];
            if constexpr (std::is_base_of_v<QAbstractButton, T>)
                QObject::connect(element, &QAbstractButton::clicked, [handler, i] { handler(i); });
            else
                QObject::connect(element, &T::clicked, [handler, i] { handler(i); });
        }
    }
    int count() const { return int(elements_.size()); }
    auto begin() const { return elements_.begin(); }
    auto end() const { return elements_.end(); }

private:
    std::vector<T *> elements_;
};
