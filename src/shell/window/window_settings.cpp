#include "window/window_settings.h"

#include "window/settings_file.h"
#include "window/view_menu.h"
#include "window_host.h"

#include <QGuiApplication>
#include <QMainWindow>
#include <QScreen>
#include <QSettings>

#include <algorithm>

namespace {

const QString geometry_key = QStringLiteral("window/geometry");
const QString zoom_key = QStringLiteral("window/zoom");
const QString full_screen_key = QStringLiteral("window/fullScreen");

// The screen that shows most of the rectangle, or the primary screen when none shows any of it.
QScreen *screen_of(const QRect &place)
{
    QScreen *best = QGuiApplication::primaryScreen();
    qint64 best_area = 0;
    for (QScreen *screen : QGuiApplication::screens()) {
        const QRect common = screen->availableGeometry().intersected(place);
        const qint64 area = qint64(common.width()) * common.height();
        if (!common.isEmpty() && area > best_area) {
            best = screen;
            best_area = area;
        }
    }
    return best;
}

// A fixed zoom as the settings write it, within the zoom's range; 0 for "fit" or anything else.
double fixed_zoom(const QString &text)
{
    bool number = false;
    const double zoom = text.toDouble(&number);
    return number && zoom >= ViewMenu::min_zoom && zoom <= ViewMenu::max_fit_zoom ? zoom : 0;
}

} // namespace

std::optional<bool> settings_flag(const QVariant &value)
{
    if (value.typeId() == QMetaType::Bool)
        return value.toBool();
    const QString text = value.toString();
    if (text == QLatin1String("true"))
        return true;
    if (text == QLatin1String("false"))
        return false;
    return std::nullopt;
}

WindowSettings::WindowSettings(WindowHost &window, ViewMenu &view, SettingsFile *settings)
    : window_(window)
    , view_(view)
    , settings_(settings)
{
    window_.widget().installEventFilter(this);
}

void WindowSettings::restore()
{
    if (!settings_)
        return;
    const QSettings &kept = settings_->values();
    QMainWindow &window = window_.widget();
    const QSize default_size = window.size();
    // A fixed zoom belongs to the size the window had: without that size (none kept, or too large
    // for this screen) the zoom fits the window instead, so that nothing hides behind scroll bars.
    bool sized = false;
    if (const QByteArray geometry = kept.value(geometry_key).toByteArray();
        !geometry.isEmpty() && window.restoreGeometry(geometry)) {
        // Full screen is the setting's to say, not the geometry's.
        window.setWindowState(window.windowState() & ~Qt::WindowFullScreen);
        sized = keep_on_screen(default_size);
        // Once shown, the window knows its frame: the frame too goes on the screen.
        default_size_ = default_size;
    }
    // A maximised window takes the screen's size, whatever it had before: the zoom is kept where
    // the design at that zoom fits this screen.
    const double fixed = fixed_zoom(kept.value(zoom_key).toString());
    if (sized && fixed > 0 && (window.windowState() & Qt::WindowMaximized)) {
        const QSize room = screen_of(window.frameGeometry())->availableGeometry().size();
        const QSize design = view_.size_for_zoom(fixed);
        sized = design.width() <= room.width() && design.height() <= room.height();
    }
    // Without a zoom kept (a first run), the window fits as it starts.
    if (fixed > 0 && sized)
        view_.set_zoom(fixed);
    else if (kept.contains(zoom_key))
        view_.fit_to_window();
    if (settings_flag(kept.value(full_screen_key)).value_or(false))
        view_.set_full_screen(true);
}

// Larger than the screen's free area, the window takes its size at zoom 1 (or the whole area
// where that is larger too); then it moves into the area, its top left corner and with it the
// menu bar first.
bool WindowSettings::keep_on_screen(QSize default_size)
{
    QMainWindow &window = window_.widget();
    if (window.windowState() & Qt::WindowMaximized)
        return true;
    const QRect frame = window.frameGeometry();
    const QMargins borders(window.geometry().left() - frame.left(),
        window.geometry().top() - frame.top(), frame.right() - window.geometry().right(),
        frame.bottom() - window.geometry().bottom());
    const QRect area = screen_of(frame)->availableGeometry();
    const QSize room = area.marginsRemoved(borders).size();
    QSize size = window.size();
    const bool fits = size.width() <= room.width() && size.height() <= room.height();
    if (!fits)
        size = default_size.boundedTo(room);
    const QSize outside = size.grownBy(borders);
    const QPoint corner(std::clamp(frame.left(), area.left(), area.right() + 1 - outside.width()),
        std::clamp(frame.top(), area.top(), area.bottom() + 1 - outside.height()));
    window.resize(size);
    window.move(corner);
    return fits;
}

bool WindowSettings::save()
{
    if (!settings_)
        return false;
    const QMainWindow &window = window_.widget();
    const QByteArray geometry = window.saveGeometry();
    const QString zoom = view_.zoom_fits() ? QStringLiteral("fit") : QString::number(view_.zoom());
    const bool full_screen = window.windowState() & Qt::WindowFullScreen;
    return settings_->change([&](QSettings &file) {
        file.setValue(geometry_key, geometry);
        file.setValue(zoom_key, zoom);
        file.setValue(full_screen_key, full_screen);
    });
}

bool WindowSettings::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != &window_.widget())
        return false;
    if (event->type() == QEvent::Show && default_size_) {
        if (!keep_on_screen(*default_size_) && !view_.zoom_fits())
            view_.fit_to_window();
        default_size_.reset();
    }
    return false;
}
