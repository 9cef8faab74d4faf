#include "picture_box.h"

#include "twips.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QResizeEvent>
#include <QScopedValueRollback>
#include <QScrollBar>

ShapeControl::ShapeControl(PictureBox &container, QRgb border, QRgb back, int left_twips,
    int top_twips, int width_twips, int height_twips)
    : container_(container)
    , border_(border)
    , back_(back)
    , pixels_(double(left_twips) / twips_per_pixel, double(top_twips) / twips_per_pixel,
          double(width_twips) / twips_per_pixel, double(height_twips) / twips_per_pixel)
{
    container_.add_marker(this);
}

double ShapeControl::Left() const { return container_.surface().to_user_x(pixels_.left()); }

double ShapeControl::Top() const { return container_.surface().to_user_y(pixels_.top()); }

void ShapeControl::set_Left(double x)
{
    pixels_.moveLeft(container_.surface().to_pixels(x, 0).x());
    container_.marker_changed();
}

void ShapeControl::set_Top(double y)
{
    pixels_.moveTop(container_.surface().to_pixels(0, y).y());
    container_.marker_changed();
}

void ShapeControl::set_Visible(bool on)
{
    visible_ = on;
    container_.marker_changed();
}

void ShapeControl::paint(QPainter &painter) const
{
    if (!visible_)
        return;
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QColor::fromRgb(border_));
    painter.setBrush(QColor::fromRgb(back_));
    painter.drawRect(pixels_.adjusted(0, 0, -1, -1));
}

LineControl::LineControl(
    PictureBox &container, QRgb colour, int x1_twips, int y1_twips, int x2_twips, int y2_twips)
    : container_(container)
    , colour_(colour)
    , from_(double(x1_twips) / twips_per_pixel, double(y1_twips) / twips_per_pixel)
    , to_(double(x2_twips) / twips_per_pixel, double(y2_twips) / twips_per_pixel)
{
    container_.add_marker(this);
}

double LineControl::X1() const { return container_.surface().to_user_x(from_.x()); }

double LineControl::Y1() const { return container_.surface().to_user_y(from_.y()); }

double LineControl::X2() const { return container_.surface().to_user_x(to_.x()); }

double LineControl::Y2() const { return container_.surface().to_user_y(to_.y()); }

void LineControl::set_X1(double x)
{
    from_.setX(container_.surface().to_pixels(x, 0).x());
    container_.marker_changed();
}

void LineControl::set_Y1(double y)
{
    from_.setY(container_.surface().to_pixels(0, y).y());
    container_.marker_changed();
}

void LineControl::set_X2(double x)
{
    to_.setX(container_.surface().to_pixels(x, 0).x());
    container_.marker_changed();
}

void LineControl::set_Y2(double y)
{
    to_.setY(container_.surface().to_pixels(0, y).y());
    container_.marker_changed();
}

void LineControl::set_Visible(bool on)
{
    visible_ = on;
    container_.marker_changed();
}

void LineControl::paint(QPainter &painter) const
{
    if (!visible_)
        return;
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(QColor::fromRgb(colour_));
    painter.drawLine(from_, to_);
}

PictureBox::PictureBox(QWidget *parent, QRgb back_colour, qreal device_pixel_ratio)
    : QWidget(parent)
    , Control(static_cast<QWidget &>(*this))
    , surface_(std::make_unique<Surface>(QSize(1, 1), back_colour, device_pixel_ratio))
{
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    surface_->changed = [this](const QRect &rect) {
        const double z = zoom();
        if (z == 1) {
            update(rect.translated(border, border));
        } else {
            const QRectF shown(QRectF(rect.translated(border, border)).topLeft() * z,
                QRectF(rect.translated(border, border)).size() * z);
            update(shown.toAlignedRect().adjusted(-1, -1, 1, 1));
        }
        if (drawing_changed)
            drawing_changed();
    };
}

PictureBox::~PictureBox() = default;

void PictureBox::resize_twips(int height) { set_Height(height); }

void PictureBox::placed()
{
    surface_->resize(QSize(qMax(1, twips_to_pixels(Width()) - 2 * border),
        qMax(1, twips_to_pixels(Height()) - 2 * border)));
}

void PictureBox::add_marker(ShapeControl *shape) { shapes_.push_back(shape); }

void PictureBox::add_marker(LineControl *line) { lines_.push_back(line); }

void PictureBox::marker_changed()
{
    update();
    if (drawing_changed)
        drawing_changed();
}

void PictureBox::paint_inner(QPainter &painter)
{
    surface_->paint_onto(painter, QRect(QPoint(0, 0), surface_->inner_size()));
    paint_markers(painter);
}

void PictureBox::paint_markers(QPainter &painter) const
{
    for (const LineControl *line : lines_)
        line->paint(painter);
    for (const ShapeControl *shape : shapes_)
        shape->paint(painter);
}

void PictureBox::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    // The whole widget first: at a fractional zoom or device pixel ratio the scaled border may
    // leave an edge pixel that nothing else covers, and the box is opaque.
    painter.fillRect(rect(), QColor(212, 208, 200));
    const double z = zoom();
    painter.scale(z, z);
    const QRectF r = design_rect();
    // Sunken border: dark grey and black above and left, light grey and white below and right.
    const auto edge = [&painter](double x, double y, double w, double h, QColor colour) {
        painter.fillRect(QRectF(x, y, w, h), colour);
    };
    edge(0, 0, r.width(), 1, QColor(128, 128, 128));
    edge(0, 0, 1, r.height(), QColor(128, 128, 128));
    edge(0, r.height() - 1, r.width(), 1, QColor(255, 255, 255));
    edge(r.width() - 1, 0, 1, r.height(), QColor(255, 255, 255));
    edge(1, 1, r.width() - 2, 1, QColor(64, 64, 64));
    edge(1, 1, 1, r.height() - 2, QColor(64, 64, 64));
    edge(1, r.height() - 2, r.width() - 2, 1, QColor(212, 208, 200));
    edge(r.width() - 2, 1, 1, r.height() - 2, QColor(212, 208, 200));
    painter.translate(border, border);
    painter.setClipRect(QRect(QPoint(0, 0), surface_->inner_size()));
    paint_inner(painter);
}

void PictureBox::move_pointer(float x, float y) { emit mouse_moved(x, y); }

void PictureBox::click() { emit clicked(); }

QPointF PictureBox::to_inner(QPointF widget_point) const
{
    return widget_point / zoom() - QPointF(border, border);
}

void PictureBox::mouseMoveEvent(QMouseEvent *event)
{
    const QPointF at = to_inner(event->position());
    move_pointer(float(surface_->to_user_x(at.x())), float(surface_->to_user_y(at.y())));
}

void PictureBox::mousePressEvent(QMouseEvent *event)
{
    pressed_ = event->button() == Qt::LeftButton;
}

void PictureBox::mouseReleaseEvent(QMouseEvent *event)
{
    const bool was_pressed = pressed_;
    pressed_ = false;
    if (was_pressed && event->button() == Qt::LeftButton
        && rect().contains(event->position().toPoint()))
        click();
}

FormSurface::FormSurface(QWidget *parent, QSize pixels, QRgb back_colour, qreal device_pixel_ratio)
    : QWidget(parent)
    , surface_(pixels, back_colour, device_pixel_ratio)
    , design_(pixels)
    , screen_ratio_(device_pixel_ratio)
    , painted_ratio_(devicePixelRatioF())
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFixedSize(pixels);
    surface_.changed = [this](const QRect &rect) {
        const QRectF shown(QRectF(rect).topLeft() * zoom_, QRectF(rect).size() * zoom_);
        update(shown.toAlignedRect().adjusted(-1, -1, 1, 1));
    };
}

QSize FormSurface::size_at(double zoom) const
{
    return { qRound(design_.width() * zoom), qRound(design_.height() * zoom) };
}

void FormSurface::set_zoom(double zoom, qreal screen_ratio)
{
    if (zoom == zoom_ && screen_ratio == screen_ratio_)
        return;
    zoom_ = zoom;
    screen_ratio_ = screen_ratio;
    setFixedSize(size_at(zoom));
    surface_.set_device_pixel_ratio(screen_ratio * zoom);
    for (QWidget *child : findChildren<QWidget *>()) {
        if (auto *control = dynamic_cast<Control *>(child))
            control->relayout();
        if (auto *picture = dynamic_cast<PictureBox *>(child))
            picture->surface().set_device_pixel_ratio(screen_ratio * zoom);
    }
    update();
}

void FormSurface::paintEvent(QPaintEvent *event)
{
    const qreal ratio = devicePixelRatioF();
    if (ratio != painted_ratio_) {
        painted_ratio_ = ratio;
        if (screen_ratio_changed)
            screen_ratio_changed(ratio);
    }
    QPainter painter(this);
    painter.scale(zoom_, zoom_);
    const QRectF exposed(
        QRectF(event->rect()).topLeft() / zoom_, QRectF(event->rect()).size() / zoom_);
    surface_.paint_onto(painter, exposed.toAlignedRect());
}

namespace {

// A scroll area's own interface lists only its viewport and scroll bars: the widget beside the
// background would be out of a screen reader's reach. The stage lists all its widgets.
QAccessibleInterface *stage_accessible(const QString &class_name, QObject *object)
{
    if (class_name == QLatin1String("QScrollArea"))
        if (auto *stage = dynamic_cast<Stage *>(object))
            return new QAccessibleWidget(stage, QAccessible::Client);
    return nullptr;
}

} // namespace

Stage::Stage(QWidget *parent, FormSurface *form, QRgb margin_colour, double smallest_zoom)
    : QScrollArea(parent)
    , form_(form)
    , smallest_zoom_(smallest_zoom)
    , margin_colour_(margin_colour)
{
    static const bool accessible = [] {
        QAccessible::installFactory(stage_accessible);
        return true;
    }();
    Q_UNUSED(accessible);
    setFrameShape(QFrame::NoFrame);
    // The keyboard's focus goes to the controls on the stage, never to the stage itself, where
    // it would show nowhere; the stage scrolls to the control that has it, however it came there
    // (the first Tab of the window, a click, a key).
    setFocusPolicy(Qt::NoFocus);
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *now) {
        if (now && form_->isAncestorOf(now))
            ensureWidgetVisible(now);
    });
    setAlignment(Qt::AlignCenter);
    setWidgetResizable(false);
    QPalette margins = viewport()->palette();
    margins.setColor(QPalette::Window, QColor::fromRgb(margin_colour));
    viewport()->setPalette(margins);
    viewport()->setAutoFillBackground(true);
    setWidget(form);
    // The margins' colour is the stage's own: the controls of the design keep the system's
    // colours where they set none (a frame without a colour of its own shows the button face).
    QPalette design = form->palette();
    design.setColor(QPalette::Window, QApplication::palette().color(QPalette::Window));
    form->setPalette(design);
}

QSize Stage::sizeHint() const { return form_->size(); }

// The arrow keys that a control passes on do not move the view under it.
void Stage::keyPressEvent(QKeyEvent *event) { event->ignore(); }

void Stage::set_beside(QWidget *widget)
{
    beside_ = widget;
    widget->setParent(this);
    QPalette margins = widget->palette();
    margins.setColor(QPalette::Window, QColor::fromRgb(margin_colour_));
    widget->setPalette(margins);
    widget->setAutoFillBackground(true);
    widget->installEventFilter(this);
    form_->installEventFilter(this);
    place_beside();
}

void Stage::set_margins(int right, int bottom)
{
    const QMargins now = viewportMargins();
    if (now.right() == right && now.bottom() == bottom)
        return;
    setViewportMargins(0, 0, right, bottom);
    // The scroll bars' ranges and the background's place follow the viewport's new size.
    QResizeEvent resized(size(), size());
    QScrollArea::resizeEvent(&resized);
}

void Stage::set_scroll_bars(Qt::ScrollBarPolicy policy)
{
    scroll_bars_ = policy;
    setHorizontalScrollBarPolicy(policy);
    setVerticalScrollBarPolicy(policy);
    place_beside();
}

void Stage::place_beside()
{
    // Placing resizes the viewport and the widget, which asks to place them again.
    if (placing_)
        return;
    const QScopedValueRollback<bool> placing(placing_, true);
    Beside place = Beside::None;
    QSize least, wish;
    const QSize room = contentsRect().size();
    const QSize design = form_->size();
    int right = 0;
    if (beside_ && !beside_->isHidden()) {
        least = beside_->minimumSizeHint();
        wish = beside_->sizeHint();
        right = room.width() - design.width()
            - (design.height() > room.height() ? verticalScrollBar()->sizeHint().width() : 0);
        place = right >= least.width() ? Beside::Right : Beside::Below;
    }
    beside_place_ = place;
    // A window fitted to the design has no scroll bars; under the strip, the design scrolls.
    const Qt::ScrollBarPolicy vertical =
        place == Beside::Below ? Qt::ScrollBarAsNeeded : scroll_bars_;
    if (verticalScrollBarPolicy() != vertical)
        setVerticalScrollBarPolicy(vertical);
    if (place == Beside::None) {
        set_margins(0, 0);
        return;
    }
    if (place == Beside::Right) {
        set_margins(std::min(right, wish.width()), 0);
        const QRect view = viewport()->geometry();
        beside_->setGeometry(
            view.right() + 1, view.top(), viewportMargins().right(), view.height());
        beside_->setContentsMargins(0, std::max(0, form_->y()), 0, 0);
    } else {
        const int under = room.height() - design.height()
            - (design.width() > room.width() ? horizontalScrollBar()->sizeHint().height() : 0);
        set_margins(0, std::max(least.height(), std::min(under, wish.height())));
        const QRect view = viewport()->geometry();
        beside_->setGeometry(
            view.left(), view.bottom() + 1, view.width(), viewportMargins().bottom());
        beside_->setContentsMargins(std::max(0, form_->x()), 0, 0, 0);
    }
    beside_->raise();
}

void Stage::resizeEvent(QResizeEvent *event)
{
    QScrollArea::resizeEvent(event);
    place_beside();
}

bool Stage::eventFilter(QObject *watched, QEvent *event)
{
    const bool handled = QScrollArea::eventFilter(watched, event);
    if (beside_ && (watched == beside_ || watched == form_)
        && (event->type() == QEvent::Show || event->type() == QEvent::Hide
            || event->type() == QEvent::Resize || event->type() == QEvent::LayoutRequest)) {
        // Placing the widget resizes it: not again for its own resize.
        if (!(watched == beside_ && event->type() == QEvent::Resize))
            place_beside();
    }
    return handled;
}

QSize Stage::minimumSizeHint() const { return form_->size_at(smallest_zoom_); }
