// The window on any screen: a zoom that fits the window or a fixed one, full screen, the View
// menu, stepping through the topics like slides, and what the window keeps between runs.

#include "lesson_commands.h"
#include "lesson_session.h"
#include "main_window.h"
#include "picture_commands.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFontMetrics>
#include <QMenu>
#include <QMenuBar>
#include <QScrollArea>
#include <QSettings>
#include <QToolTip>

#include <algorithm>
#include <cmath>

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

const QString geometry_key = QStringLiteral("window/geometry");
const QString zoom_key = QStringLiteral("window/zoom");
const QString full_screen_key = QStringLiteral("window/fullScreen");

} // namespace

void MainWindow::build_view_menu()
{
    QMenuBar *bar = menuBar();
    auto *view = new QMenu(QStringLiteral("&View"), bar);
    bar->insertMenu(menus_.at(QStringLiteral("M_end")), view);
    const auto command = [this, view](const QString &caption, QList<QKeySequence> keys,
                             void (MainWindow::*handler)()) {
        QAction *action = view->addAction(caption);
        action->setShortcuts(keys);
        connect(action, &QAction::triggered, this, [this, handler] { (this->*handler)(); });
        return action;
    };
    command(QStringLiteral("Zoom &In"),
        { QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal) },
        &MainWindow::zoom_in);
    command(QStringLiteral("Zoom &Out"), { QKeySequence(Qt::CTRL | Qt::Key_Minus) },
        &MainWindow::zoom_out);
    command(QStringLiteral("&Actual Size"), { QKeySequence(Qt::CTRL | Qt::Key_0) },
        &MainWindow::actual_size);
    command(QStringLiteral("&Fit to Window"), {}, &MainWindow::fit_to_window);
    view->addSeparator();
    full_screen_ = view->addAction(QStringLiteral("F&ull Screen"));
    full_screen_->setShortcut(QKeySequence(Qt::Key_F11));
    full_screen_->setCheckable(true);
    connect(full_screen_, &QAction::triggered, this, [this](bool on) { set_full_screen(on); });
    view->addSeparator();
    command(
        QStringLiteral("&Next Topic"), { QKeySequence(Qt::Key_PageDown) }, &MainWindow::next_topic);
    command(QStringLiteral("&Previous Topic"), { QKeySequence(Qt::Key_PageUp) },
        &MainWindow::previous_topic);

    // Esc leaves full screen, and only there: elsewhere it keeps its usual meanings.
    leave_full_screen_ = new QAction(QStringLiteral("Leave Full Screen"), this);
    leave_full_screen_->setShortcut(QKeySequence(Qt::Key_Escape));
    leave_full_screen_->setEnabled(false);
    connect(leave_full_screen_, &QAction::triggered, this, [this] { set_full_screen(false); });
    addAction(leave_full_screen_);
}

double MainWindow::zoom() const { return form_.background->zoom(); }

QFont MainWindow::dialog_font() const { return zoomed(menu_font_, std::max(1.0, zoom())); }

void MainWindow::apply_zoom(double zoom)
{
    const Qt::ScrollBarPolicy bars = fit_ ? Qt::ScrollBarAlwaysOff : Qt::ScrollBarAsNeeded;
    stage_->setHorizontalScrollBarPolicy(bars);
    stage_->setVerticalScrollBarPolicy(bars);
    form_.background->set_zoom(zoom, screen_ratio_);
    const QFont font = zoomed(menu_font_, zoom);
    const QFont tips = zoomed(tool_tip_font_, zoom);
    if (menuBar()->font() == font && QToolTip::font() == tips)
        return;
    menuBar()->setFont(font);
    for (QMenu *menu : menuBar()->findChildren<QMenu *>())
        menu->setFont(font);
    QToolTip::setFont(tips);
}

void MainWindow::set_zoom(double zoom)
{
    fit_ = false;
    apply_zoom(std::clamp(zoom, min_zoom, max_fit_zoom));
}

void MainWindow::fit_to_window()
{
    fit_ = true;
    apply_zoom(fitting_zoom(size()));
}

void MainWindow::zoom_in()
{
    const double now = zoom();
    const auto larger = std::find_if(std::begin(zoom_steps), std::end(zoom_steps),
        [now](double step) { return step > now + 1e-6; });
    if (larger != std::end(zoom_steps))
        set_zoom(*larger);
}

void MainWindow::zoom_out()
{
    const double now = zoom();
    const auto smaller = std::find_if(std::rbegin(zoom_steps), std::rend(zoom_steps),
        [now](double step) { return step < now - 1e-6; });
    if (smaller != std::rend(zoom_steps))
        set_zoom(*smaller);
}

void MainWindow::actual_size() { set_zoom(1.0); }

int MainWindow::menu_bar_height(double zoom, int width)
{
    QMenuBar *bar = menuBar();
    const QFont font = zoomed(menu_font_, zoom);
    if (bar->font() != font)
        bar->setFont(font);
    return bar->heightForWidth(width);
}

int MainWindow::estimated_menu_bar_height(double zoom)
{
    // The menu bar's margins stay as they are; its text grows with the zoom.
    if (menu_bar_margins_ < 0)
        menu_bar_margins_ = menu_bar_height(1.0, width()) - QFontMetrics(menu_font_).height();
    return menu_bar_margins_ + int(std::ceil(QFontMetrics(menu_font_).height() * zoom));
}

double MainWindow::fitting_zoom(QSize client)
{
    const QSize design = form_.background->design_size();
    // The bar's height is estimated for the search: trying a font on the bar itself lays out
    // all its titles again.
    const auto fits = [&](double zoom, bool exactly) {
        const QSize content = form_.background->size_at(zoom);
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

QSize MainWindow::size_for_zoom(double zoom)
{
    const QSize content = form_.background->size_at(zoom);
    return { content.width(), content.height() + menu_bar_height(zoom, content.width()) };
}

void MainWindow::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    if (fit_)
        apply_zoom(fitting_zoom(size()));
}

void MainWindow::set_full_screen(bool on)
{
    setWindowState(
        on ? windowState() | Qt::WindowFullScreen : windowState() & ~Qt::WindowFullScreen);
}

void MainWindow::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
    if (event->type() != QEvent::WindowStateChange)
        return;
    const bool full = windowState() & Qt::WindowFullScreen;
    full_screen_->setChecked(full);
    leave_full_screen_->setEnabled(full);
    // Maximising, going full screen and coming back make the design fit the window again.
    const auto before = static_cast<QWindowStateChangeEvent *>(event)->oldState();
    const auto big = Qt::WindowFullScreen | Qt::WindowMaximized;
    if ((before & big) != (windowState() & big))
        fit_to_window();
}

bool MainWindow::event(QEvent *event)
{
    const bool handled = QMainWindow::event(event);
    if (event->type() == QEvent::ScreenChangeInternal)
        screen_changed(devicePixelRatioF());
    return handled;
}

void MainWindow::screen_changed(qreal device_pixel_ratio)
{
    if (device_pixel_ratio == screen_ratio_)
        return;
    screen_ratio_ = device_pixel_ratio;
    apply_zoom(zoom());
}

void MainWindow::next_topic() { step_topic(1); }

void MainWindow::previous_topic() { step_topic(-1); }

void MainWindow::step_topic(int step)
{
    // While a lesson is open, the keys step through its steps.
    if (lesson_commands_ && lesson_commands_->session().step_by(step))
        return;
    const int count = int(std::size(menu_order));
    const auto shown = std::find_if(std::begin(menu_order), std::end(menu_order),
        [this](const MenuTopic &m) { return m.topic == form_.topic; });
    // From the title screen both directions start with the first topic, as a slide show does.
    const int next = shown == std::end(menu_order) ? 0 : int(shown - std::begin(menu_order)) + step;
    if (next < 0 || next >= count)
        return;
    menus_.at(QString::fromLatin1(menu_order[next].menu))->trigger();
}

void MainWindow::restore_settings()
{
    if (!settings_)
        return;
    if (const QByteArray geometry = settings_->value(geometry_key).toByteArray();
        !geometry.isEmpty())
        restoreGeometry(geometry);
    // Without a zoom kept (a first run), the window fits as it starts.
    const QString zoom = settings_->value(zoom_key).toString();
    bool number = false;
    const double fixed = zoom.toDouble(&number);
    if (number && fixed >= min_zoom && fixed <= max_fit_zoom)
        set_zoom(fixed);
    else if (!zoom.isEmpty())
        fit_to_window();
    if (settings_->value(full_screen_key, false).toBool())
        set_full_screen(true);
}

void MainWindow::save_settings() const
{
    if (!settings_)
        return;
    settings_->setValue(geometry_key, saveGeometry());
    settings_->setValue(zoom_key, fit_ ? QStringLiteral("fit") : QString::number(zoom()));
    settings_->setValue(full_screen_key, bool(windowState() & Qt::WindowFullScreen));
    settings_->sync();
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (lesson_commands_ && !lesson_commands_->session().may_discard_changes()) {
        event->ignore();
        return;
    }
    if (picture_commands_ && !picture_commands_->may_close()) {
        event->ignore();
        return;
    }
    save_settings();
    QMainWindow::closeEvent(event);
}
