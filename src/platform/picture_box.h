#pragma once

#include "controls.h"
#include "surface.h"

#include <QScrollArea>
#include <QWidget>

#include <functional>
#include <memory>

class PictureBox;

// A rectangle marker inside a picture box (a shape control), placed in the box's user scale.
class ShapeControl
{
public:
    ShapeControl(PictureBox &container, QRgb border, QRgb back, int left_twips, int top_twips,
        int width_twips, int height_twips);
    double Left() const;
    double Top() const;
    void set_Left(double x);
    void set_Top(double y);
    bool Visible() const { return visible_; }
    void set_Visible(bool on);
    void paint(QPainter &painter) const;

private:
    PictureBox &container_;
    QRgb border_, back_;
    QRectF pixels_; // in the inner area, logical pixels
    bool visible_ = false;
};

// A line marker inside a picture box (a line control), its ends in the box's user scale.
class LineControl
{
public:
    LineControl(
        PictureBox &container, QRgb colour, int x1_twips, int y1_twips, int x2_twips, int y2_twips);
    double X1() const;
    double Y1() const;
    double X2() const;
    double Y2() const;
    void set_X1(double x);
    void set_Y1(double y);
    void set_X2(double x);
    void set_Y2(double y);
    bool Visible() const { return visible_; }
    void set_Visible(bool on);
    void paint(QPainter &painter) const;

private:
    PictureBox &container_;
    QRgb colour_;
    QPointF from_, to_; // in the inner area, logical pixels
    bool visible_ = false;
};

// A picture box: a sunken border around a persistent drawing surface. Reports pointer moves and
// clicks in the surface's user coordinates. At a zoom the box is larger and its surface draws at
// a finer resolution; the surface's logical pixels and user scale stay those of the design.
class PictureBox final : public QWidget, public Control
{
    Q_OBJECT
public:
    static constexpr int border = 2;

    PictureBox(QWidget *parent, QRgb back_colour, qreal device_pixel_ratio);
    ~PictureBox() override;
    QString caption() const override { return {}; }
    void set_caption(const QString &) override { }

    Surface &surface() { return *surface_; }
    const Surface &surface() const { return *surface_; }
    // The height in twips; the surface keeps its drawing and scale.
    void resize_twips(int height);

    // The markers drawn over the surface.
    void add_marker(ShapeControl *shape);
    void add_marker(LineControl *line);
    void marker_changed();
    // Told when something is drawn, erased or moved on the box, the surface or a marker (a
    // function rather than a signal: it runs for every point of a curve).
    std::function<void()> drawing_changed;

    // The pointer moves to user point (x, y), as a mouse move reports it.
    void move_pointer(float x, float y);
    // A click at the pointer's position.
    void click();
    // The markers over the inner area, with any painter.
    void paint_markers(QPainter &painter) const;
    const std::vector<ShapeControl *> &shapes() const { return shapes_; }
    const std::vector<LineControl *> &lines() const { return lines_; }

signals:
    void mouse_moved(float x, float y);
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void placed() override;

private:
    void paint_inner(QPainter &painter);
    // From a point of the widget to logical pixels of the surface's inner area.
    QPointF to_inner(QPointF widget_point) const;

    std::unique_ptr<Surface> surface_;
    std::vector<ShapeControl *> shapes_;
    std::vector<LineControl *> lines_;
    bool pressed_ = false;
};

// The window background: a persistent surface in twips behind the controls, and the root of the
// window's controls. It holds the window's zoom: at zoom z it is z times its design size, every
// control in it is placed and painted z times as large, and every surface in it draws at z times
// the screen's device pixel ratio.
class FormSurface final : public QWidget
{
public:
    FormSurface(QWidget *parent, QSize pixels, QRgb back_colour, qreal device_pixel_ratio);
    Surface &surface() { return surface_; }
    QSize design_size() const { return design_; }

    double zoom() const { return zoom_; }
    qreal screen_ratio() const { return screen_ratio_; }
    // Lays out every control again and draws every surface again at the new resolution.
    void set_zoom(double zoom, qreal screen_ratio);
    // The size at a zoom, in logical pixels.
    QSize size_at(double zoom) const;

    // Told when a paint finds the window on a screen with another device pixel ratio.
    std::function<void(qreal)> screen_ratio_changed;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Surface surface_;
    QSize design_;
    double zoom_ = 1;
    qreal screen_ratio_;
    qreal painted_ratio_; // the widget's device pixel ratio at its last paint
};

// Where the window background sits in the window: centred, with margins in the window's colour
// when the window is larger, and scroll bars when a fixed zoom makes it larger than the window.
// The window's natural size is the background's, and it shrinks to the background at the
// smallest zoom: the layout asks no one to measure it.
class Stage final : public QScrollArea
{
public:
    Stage(QWidget *parent, FormSurface *form, QRgb margin_colour, double smallest_zoom);
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    // A widget of the window in the margins beside the background, never over it, in the
    // margins' colour: while it is shown, to the right of the background where the margin
    // leaves the widget its minimum width (and as much of its width as it asks for), else in a
    // strip under the background, as high as the room under it or at least the widget's minimum
    // height, the background scrolling above it where the window is too small for both. Its
    // contents margins start its contents at the background's top or left edge.
    void set_beside(QWidget *widget);
    // The scroll bars the window asks for (none where it fits the design to the window); under
    // the strip the design may still scroll up and down.
    void set_scroll_bars(Qt::ScrollBarPolicy policy);
    // Places the widget afresh: after it was shown, hidden or changed its size hints.
    void place_beside();
    enum class Beside { None, Right, Below };
    Beside beside() const { return beside_place_; }

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void set_margins(int right, int bottom);

    FormSurface *form_;
    double smallest_zoom_;
    QRgb margin_colour_;
    QWidget *beside_ = nullptr;
    Beside beside_place_ = Beside::None;
    bool placing_ = false;
    Qt::ScrollBarPolicy scroll_bars_ = Qt::ScrollBarAsNeeded;
};
