#pragma once

#include <QFont>
#include <QObject>
#include <QSize>

#include <functional>

class QAction;
class QMenuBar;
class WindowHost;
class ZoomedMenuStyle;

// The View menu and the zoom of everything in the window below the menu bar's line: a fixed zoom
// or the largest at which the whole design fits the window, full screen (Esc returns to the zoom
// before it), Ctrl + mouse wheel in the zoom steps, and the topics stepped through like slides.
// The menus, the menu bar and the tool tips are set in type at the zoom.
class ViewMenu final : public QObject
{
public:
    static constexpr double zoom_steps[] = { 0.5, 0.67, 0.75, 0.8, 0.9, 1.0, 1.1, 1.25, 1.5, 1.75,
        2.0, 2.5, 3.0 };
    static constexpr double min_zoom = 0.5;
    static constexpr double max_fit_zoom = 6.0;
    // One notch of a mouse wheel, in eighths of a degree.
    static constexpr int wheel_notch = 120;

    explicit ViewMenu(WindowHost &window, qreal device_pixel_ratio);
    ~ViewMenu() override;

    // The menu bar's titles and the menus' items spaced at the zoom: set while the bar is empty.
    void space_menus_at_the_zoom(QMenuBar &bar);
    // The View menu, before End on the menu bar.
    void build_menu();

    double zoom() const;
    bool zoom_fits() const { return fit_; }
    QFont dialog_font() const;
    void set_zoom(double zoom); // a fixed zoom
    void fit_to_window();
    void zoom_in();
    void zoom_out();
    void actual_size();
    // The largest zoom at which the design and the menu bar fit a window of this client size.
    double fitting_zoom(QSize client);
    // The window's client size that shows the design at this zoom without scroll bars.
    QSize size_for_zoom(double zoom);
    void set_full_screen(bool on);
    // The next or previous of the sixteen topics in menu order, as its menu command chooses it.
    void next_topic();
    void previous_topic();
    // The window is now on a screen with this device pixel ratio: every surface draws again.
    void screen_changed(qreal device_pixel_ratio);
    // The zoom as it is now, for the first show or after a fixed zoom was asked for.
    void apply_zoom(double zoom);
    // Next Topic and Previous Topic step through something else while this says it has stepped.
    std::function<bool(int step)> step_elsewhere;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void step_topic(int step);
    void window_state_changed();
    bool wheel(QObject *receiver, QEvent *event);
    int menu_bar_height(double zoom, int width);
    int estimated_menu_bar_height(double zoom);

    WindowHost &window_;
    bool fit_ = true;
    qreal screen_ratio_ = 1;
    QFont menu_font_; // the menu bar's font at zoom 1
    QFont tool_tip_font_; // the tool tips' font at zoom 1
    int menu_bar_margins_ = -1; // the menu bar's height beside its text's at zoom 1, once measured
    ZoomedMenuStyle *menu_style_ = nullptr; // owned by the menu bar
    QAction *full_screen_ = nullptr;
    QAction *leave_full_screen_ = nullptr;
    // The zoom in force when full screen began, to return to when it ends.
    Qt::WindowStates big_state_; // full screen and maximised as last seen
    bool fit_before_full_screen_ = true;
    double zoom_before_full_screen_ = 1.0;
    int wheel_turned_ = 0; // eighths of a degree turned with Ctrl and not yet a step
};
