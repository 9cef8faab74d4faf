#include "window/window_settings.h"

#include "window/view_menu.h"
#include "window_host.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLockFile>
#include <QMainWindow>
#include <QSaveFile>
#include <QScreen>
#include <QSettings>
#include <QTemporaryDir>

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

// The file a chain of symbolic links ends in.
QString link_target(const QString &path)
{
    QFileInfo info(path);
    for (int depth = 0; depth < 40 && info.isSymLink(); ++depth)
        info.setFile(info.symLinkTarget());
    return info.absoluteFilePath();
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

bool change_settings_file(
    QSettings &settings, const std::function<void(QSettings &)> &change, int lock_wait_ms)
{
    const QString path = settings.fileName();
    const QString target = link_target(path);
    if (QFileInfo target_info(target); target_info.exists() && !target_info.isFile())
        return false;
    QDir().mkpath(QFileInfo(target).absolutePath());
    // The lock QSettings itself takes on the file, so two runs do not write at once; a lock that
    // cannot be taken (held by a program that hangs, or a folder in its place) is given up.
    QLockFile lock(path + QStringLiteral(".lock"));
    if (!lock.tryLock(lock_wait_ms))
        return false;

    // The settings written as QSettings writes them, into a copy of the file.
    QTemporaryDir scratch;
    if (!scratch.isValid())
        return false;
    const QString copy = scratch.filePath(QStringLiteral("settings.conf"));
    if (QFile::exists(target) && !QFile::copy(target, copy))
        return false;
    QByteArray bytes;
    {
        QSettings edited(copy, QSettings::IniFormat);
        change(edited);
        edited.sync();
        if (edited.status() != QSettings::NoError)
            return false;
    }
    if (QFile written(copy); written.open(QIODevice::ReadOnly))
        bytes = written.readAll();

    QSaveFile file(target);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        return false;
    settings.sync();
    return true;
}

WindowSettings::WindowSettings(WindowHost &window, ViewMenu &view, QSettings *settings)
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
    QMainWindow &window = window_.widget();
    const QSize default_size = window.size();
    if (const QByteArray geometry = settings_->value(geometry_key).toByteArray();
        !geometry.isEmpty() && window.restoreGeometry(geometry)) {
        // Full screen is the setting's to say, not the geometry's.
        window.setWindowState(window.windowState() & ~Qt::WindowFullScreen);
        keep_on_screen(default_size);
        // Once shown, the window knows its frame: the frame too goes on the screen.
        default_size_ = default_size;
    }
    // Without a zoom kept (a first run), the window fits as it starts.
    const QString zoom = settings_->value(zoom_key).toString();
    bool number = false;
    const double fixed = zoom.toDouble(&number);
    if (number && fixed >= ViewMenu::min_zoom && fixed <= ViewMenu::max_fit_zoom)
        view_.set_zoom(fixed);
    else if (!zoom.isEmpty())
        view_.fit_to_window();
    if (settings_flag(settings_->value(full_screen_key)).value_or(false))
        view_.set_full_screen(true);
}

// Larger than the screen's free area, the window takes its size at zoom 1 (or the whole area
// where that is larger too); then it moves into the area, its top left corner and with it the
// menu bar first.
void WindowSettings::keep_on_screen(QSize default_size)
{
    QMainWindow &window = window_.widget();
    if (window.windowState() & Qt::WindowMaximized)
        return;
    const QRect frame = window.frameGeometry();
    const QMargins borders(window.geometry().left() - frame.left(),
        window.geometry().top() - frame.top(), frame.right() - window.geometry().right(),
        frame.bottom() - window.geometry().bottom());
    const QRect area = screen_of(frame)->availableGeometry();
    const QSize room = area.marginsRemoved(borders).size();
    QSize size = window.size();
    if (size.width() > room.width() || size.height() > room.height())
        size = default_size.boundedTo(room);
    const QSize outside = size.grownBy(borders);
    const QPoint corner(std::clamp(frame.left(), area.left(), area.right() + 1 - outside.width()),
        std::clamp(frame.top(), area.top(), area.bottom() + 1 - outside.height()));
    window.resize(size);
    window.move(corner);
}

bool WindowSettings::save()
{
    if (!settings_)
        return false;
    const QMainWindow &window = window_.widget();
    const QByteArray geometry = window.saveGeometry();
    const QString zoom = view_.zoom_fits() ? QStringLiteral("fit") : QString::number(view_.zoom());
    const bool full_screen = window.windowState() & Qt::WindowFullScreen;
    return change_settings_file(
        *settings_,
        [&](QSettings &file) {
            file.setValue(geometry_key, geometry);
            file.setValue(zoom_key, zoom);
            file.setValue(full_screen_key, full_screen);
        },
        lock_wait_ms);
}

bool WindowSettings::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != &window_.widget())
        return false;
    if (event->type() == QEvent::Show && default_size_) {
        keep_on_screen(*default_size_);
        default_size_.reset();
    }
    return false;
}
