// The window on any screen: a zoom that fits the window or a fixed one, full screen, the View
// menu, stepping through the topics like slides.

#include "window/view_menu.h"

#include "form1.h"
#include "window_host.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QProxyStyle>
#include <QScrollArea>
#include <QToolTip>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

// The menu bar and the menus with their margins and the room around each title and item grown
// with the zoom, as their text is. Smaller zooms keep the room of zoom 1: the styles draw a
// menu item's check column at least a fixed width, and an item sized with less room would have
// its text elided.
class ZoomedMenuStyle final : public QProxyStyle
{
public:
    explicit ZoomedMenuStyle(QStyle *base)
        : QProxyStyle(base)
    { }

    double growth = 1.0; // the zoom, at least 1

    int pixelMetric(
        PixelMetric metric, const QStyleOption *option, const QWidget *widget) const override
    {
        const int size = QProxyStyle::pixelMetric(metric, option, widget);
        switch (metric) {
        case PM_MenuBarItemSpacing:
        case PM_MenuBarHMargin:
        case PM_MenuHMargin:
        case PM_MenuVMargin:
            return int(std::lround(size * growth));
        default:
            return size;
        }
    }

    QSize sizeFromContents(ContentsType type, const QStyleOption *option, const QSize &contents,
        const QWidget *widget) const override
    {
        const QSize size = QProxyStyle::sizeFromContents(type, option, contents, widget);
        if ((type != CT_MenuBarItem && type != CT_MenuItem) || contents.isEmpty())
            return size;
        // The text in `contents` is at the zoom already; the room the style adds grows with it.
        // The menu bar keeps its height beside its text's, as the window's fit counts on.
        const QSize room = (size - contents).expandedTo(QSize(0, 0));
        const double taller = type == CT_MenuBarItem ? 0 : growth - 1;
        return size
            + QSize(int(std::lround(room.width() * (growth - 1))),
                int(std::lround(room.height() * taller)));
    }
};

namespace {

// The sixteen menu commands in the order of the menu bar, with the topic each one chooses.
struct MenuTopic
{
    const char *menu;
    int topic;
};

constexpr MenuTopic menu_order[] = { { "M_gr:0", 14 }, { "M_gr:1", 3 }, { "M_gr:2", 2 },
    { "M_gr:3", 1 }, { "M_R:0", 9 }, { "M_R:1", 7 }, { "M_R:2", 4 }, { "M_R:3", 5 }, { "M_R:4", 6 },
    { "M_R:5", 8 }, { "M_R:6", 12 }, { "M_bevolk:0", 10 }, { "M_bevolk:1", 13 }, { "M_chaos", 15 },
    { "M_Pyt", 16 }, { "M_plato", 11 } };

QFont zoomed(const QFont &font, double zoom)
{
    QFont larger = font;
    if (font.pointSizeF() > 0)
        larger.setPointSizeF(font.pointSizeF() * zoom);
    else
        larger.setPixelSize(qMax(1, qRound(font.pixelSize() * zoom)));
    return larger;
}

} // namespace

ViewMenu::ViewMenu(WindowHost &window, qreal device_pixel_ratio)
    : window_(window)
    , screen_ratio_(device_pixel_ratio)
{
    menu_font_ = window_.widget().menuBar()->font();
    tool_tip_font_ = QToolTip::font();
    window_.widget().installEventFilter(this);
    // Ctrl + wheel zooms wherever the pointer is in the window, over any control.
    QCoreApplication::instance()->installEventFilter(this);
}

ViewMenu::~ViewMenu() = default;

void ViewMenu::space_menus_at_the_zoom(QMenuBar &bar)
{
    menu_style_ = new ZoomedMenuStyle(bar.style());
    menu_style_->setParent(&bar);
    bar.setStyle(menu_style_);
}

void ViewMenu::build_menu()
{
    QMainWindow &window = window_.widget();
    QMenuBar *bar = window.menuBar();
    auto *view = new QMenu(QCoreApplication::translate("ViewMenu", "&View"), bar);
    view->setObjectName(QStringLiteral("view_menu"));
    bar->insertMenu(window_.menus().at(QStringLiteral("M_end")), view);
    const auto command = [this, view](const QString &caption, QList<QKeySequence> keys,
                             void (ViewMenu::*handler)()) {
        QAction *action = view->addAction(caption);
        action->setShortcuts(keys);
        connect(action, &QAction::triggered, this, [this, handler] { (this->*handler)(); });
        return action;
    };
    command(QCoreApplication::translate("ViewMenu", "Zoom &In"),
        { QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal) },
        &ViewMenu::zoom_in);
    command(QCoreApplication::translate("ViewMenu", "Zoom &Out"),
        { QKeySequence(Qt::CTRL | Qt::Key_Minus) }, &ViewMenu::zoom_out);
    command(QCoreApplication::translate("ViewMenu", "&Actual Size"),
        { QKeySequence(Qt::CTRL | Qt::Key_0) }, &ViewMenu::actual_size);
    command(
        QCoreApplication::translate("ViewMenu", "&Fit to Window"), {}, &ViewMenu::fit_to_window);
    view->addSeparator();
    full_screen_ = view->addAction(QCoreApplication::translate("ViewMenu", "F&ull Screen"));
    full_screen_->setShortcut(QKeySequence(Qt::Key_F11));
    full_screen_->setCheckable(true);
    connect(full_screen_, &QAction::triggered, this, [this](bool on) { set_full_screen(on); });
    view->addSeparator();
    command(QCoreApplication::translate("ViewMenu", "&Next Topic"),
        { QKeySequence(Qt::Key_PageDown) }, &ViewMenu::next_topic);
    command(QCoreApplication::translate("ViewMenu", "&Previous Topic"),
        { QKeySequence(Qt::Key_PageUp) }, &ViewMenu::previous_topic);

    // Esc leaves full screen, and only there: elsewhere it keeps its usual meanings.
    leave_full_screen_ =
        new QAction(QCoreApplication::translate("ViewMenu", "Leave Full Screen"), &window);
    leave_full_screen_->setShortcut(QKeySequence(Qt::Key_Escape));
    leave_full_screen_->setEnabled(false);
    connect(leave_full_screen_, &QAction::triggered, this, [this] { set_full_screen(false); });
    window.addAction(leave_full_screen_);
}

double ViewMenu::zoom() const { return window_.form().background->zoom(); }

QFont ViewMenu::dialog_font() const { return zoomed(menu_font_, std::max(1.0, zoom())); }

void ViewMenu::apply_zoom(double zoom)
{
    const Qt::ScrollBarPolicy bars = fit_ ? Qt::ScrollBarAlwaysOff : Qt::ScrollBarAsNeeded;
    window_.stage().set_scroll_bars(bars);
    window_.form().background->set_zoom(zoom, screen_ratio_);
    const QFont font = zoomed(menu_font_, zoom);
    const QFont tips = zoomed(tool_tip_font_, zoom);
    QMenuBar *bar = window_.widget().menuBar();
    if (menu_style_)
        menu_style_->growth = std::max(1.0, zoom);
    if (bar->font() == font && QToolTip::font() == tips)
        return;
    bar->setFont(font);
    // Every menu of the window: the menu bar's, and those that open elsewhere (the Picture menu
    // and the drawing's context menu belong to the window).
    for (QMenu *menu : window_.widget().findChildren<QMenu *>()) {
        if (menu_style_ && menu->style() != menu_style_)
            menu->setStyle(menu_style_);
        menu->setFont(font);
    }
    QToolTip::setFont(tips);
}

void ViewMenu::set_zoom(double zoom)
{
    fit_ = false;
    apply_zoom(std::clamp(zoom, min_zoom, max_fit_zoom));
}

void ViewMenu::fit_to_window()
{
    fit_ = true;
    apply_zoom(fitting_zoom(window_.widget().size()));
}

void ViewMenu::zoom_in()
{
    const double now = zoom();
    const auto larger = std::find_if(std::begin(zoom_steps), std::end(zoom_steps),
        [now](double step) { return step > now + 1e-6; });
    if (larger != std::end(zoom_steps))
        set_zoom(*larger);
}

void ViewMenu::zoom_out()
{
    const double now = zoom();
    const auto smaller = std::find_if(std::rbegin(zoom_steps), std::rend(zoom_steps),
        [now](double step) { return step < now - 1e-6; });
    if (smaller != std::rend(zoom_steps))
        set_zoom(*smaller);
}

void ViewMenu::actual_size() { set_zoom(1.0); }

int ViewMenu::menu_bar_height(double zoom, int width)
{
    QMenuBar *bar = window_.widget().menuBar();
    const QFont font = zoomed(menu_font_, zoom);
    if (menu_style_)
        menu_style_->growth = std::max(1.0, zoom);
    if (bar->font() != font)
        bar->setFont(font);
    return bar->heightForWidth(width);
}

int ViewMenu::estimated_menu_bar_height(double zoom)
{
    // The menu bar's margins stay as they are; its text grows with the zoom.
    const QFontMetrics metrics(menu_font_);
    if (menu_bar_margins_ < 0) {
        const double now = this->zoom();
        menu_bar_margins_ = menu_bar_height(1.0, window_.widget().width()) - metrics.height();
        menu_bar_height(now, window_.widget().width());
    }
    return menu_bar_margins_ + int(std::ceil(metrics.height() * zoom));
}

double ViewMenu::fitting_zoom(QSize client)
{
    FormSurface &form = *window_.form().background;
    const QSize design = form.design_size();
    // The bar's height is estimated for the search: trying a font on the bar itself lays out
    // all its titles again.
    const auto fits = [&](double zoom, bool exactly) {
        const QSize content = form.size_at(zoom);
        const int bar =
            exactly ? menu_bar_height(zoom, client.width()) : estimated_menu_bar_height(zoom);
        return content.width() <= client.width() && content.height() + bar <= client.height();
    };
    // The largest zoom that fits lies between one that fits and one that does not.
    const auto search = [&](bool exactly) {
        double too_large = std::min(
            double(client.width()) / design.width(), double(client.height()) / design.height());
        too_large = std::clamp(too_large, min_zoom, max_fit_zoom);
        if (fits(too_large, exactly))
            return too_large;
        double fitting = min_zoom;
        if (!fits(fitting, exactly))
            return fitting;
        while (too_large - fitting > 0.0005) {
            const double middle = (fitting + too_large) / 2;
            (fits(middle, exactly) ? fitting : too_large) = middle;
        }
        return fitting;
    };
    const double estimated = search(false);
    // A bar that is higher than estimated (its titles wrap in a narrow window) is searched with.
    return fits(estimated, true) ? estimated : search(true);
}

QSize ViewMenu::size_for_zoom(double zoom)
{
    const QSize content = window_.form().background->size_at(zoom);
    return { content.width(), content.height() + menu_bar_height(zoom, content.width()) };
}

void ViewMenu::set_full_screen(bool on)
{
    QMainWindow &window = window_.widget();
    window.setWindowState(on ? window.windowState() | Qt::WindowFullScreen
                             : window.windowState() & ~Qt::WindowFullScreen);
}

bool ViewMenu::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Wheel)
        return wheel(watched, event);
    if (watched != &window_.widget())
        return false;
    switch (event->type()) {
    case QEvent::Resize:
        if (fit_)
            apply_zoom(fitting_zoom(static_cast<QResizeEvent *>(event)->size()));
        break;
    case QEvent::WindowStateChange:
        window_state_changed();
        break;
    case QEvent::ScreenChangeInternal:
        screen_changed(window_.widget().devicePixelRatioF());
        break;
    default:
        break;
    }
    return false;
}

void ViewMenu::window_state_changed()
{
    const Qt::WindowStates now = window_.widget().windowState();
    const bool full = now & Qt::WindowFullScreen;
    full_screen_->setChecked(full);
    leave_full_screen_->setEnabled(full);
    // The platform may tell of the same change twice.
    const Qt::WindowStates big = now & (Qt::WindowFullScreen | Qt::WindowMaximized);
    if (big == big_state_)
        return;
    const bool was_full = big_state_ & Qt::WindowFullScreen;
    big_state_ = big;
    // Full screen fits the design to the screen; leaving it returns to the zoom before it.
    if (full && !was_full) {
        fit_before_full_screen_ = fit_;
        zoom_before_full_screen_ = zoom();
    } else if (!full && was_full && !fit_before_full_screen_) {
        set_zoom(zoom_before_full_screen_);
        return;
    }
    // Maximising and coming back make the design fit the window again.
    fit_to_window();
}

bool ViewMenu::wheel(QObject *receiver, QEvent *event)
{
    auto *widget = qobject_cast<QWidget *>(receiver);
    const auto *turn = static_cast<QWheelEvent *>(event);
    if (!widget || widget->window() != &window_.widget()
        || !(turn->modifiers() & Qt::ControlModifier))
        return false;
    // Each notch one zoom step; a fine wheel's small turns add up to a notch.
    wheel_turned_ += turn->angleDelta().y();
    for (; wheel_turned_ >= wheel_notch; wheel_turned_ -= wheel_notch)
        zoom_in();
    for (; wheel_turned_ <= -wheel_notch; wheel_turned_ += wheel_notch)
        zoom_out();
    return true;
}

void ViewMenu::screen_changed(qreal device_pixel_ratio)
{
    if (device_pixel_ratio == screen_ratio_)
        return;
    screen_ratio_ = device_pixel_ratio;
    apply_zoom(zoom());
}

void ViewMenu::next_topic() { step_topic(1); }

void ViewMenu::previous_topic() { step_topic(-1); }

void ViewMenu::step_topic(int step)
{
    // Something else may step first (the steps of an open lesson).
    if (step_elsewhere && step_elsewhere(step))
        return;
    const int count = int(std::size(menu_order));
    const int topic = window_.form().topic;
    const auto shown = std::find_if(std::begin(menu_order), std::end(menu_order),
        [topic](const MenuTopic &m) { return m.topic == topic; });
    // From the title screen both directions start with the first topic, as a slide show does.
    const int next = shown == std::end(menu_order) ? 0 : int(shown - std::begin(menu_order)) + step;
    if (next < 0 || next >= count)
        return;
    window_.menus().at(QString::fromLatin1(menu_order[next].menu))->trigger();
}
