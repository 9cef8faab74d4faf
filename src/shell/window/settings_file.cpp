#include "window/settings_file.h"

#include "input_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace {

// A name no file can have, since /dev/null is no folder: settings read from it are empty.
const QString no_file = QStringLiteral("/dev/null/settings.conf");

// The file a chain of symbolic links ends in.
QString link_target(const QString &path)
{
    QFileInfo info(path);
    for (int depth = 0; depth < 40 && info.isSymLink(); ++depth)
        info.setFile(info.symLinkTarget());
    return info.absoluteFilePath();
}

// Whether anything at all has the name, a link that leads nowhere included.
bool taken(const QString &path)
{
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
}

} // namespace

QString SettingsFile::program_file()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
        + QStringLiteral("/Aurelion/Aurelion.conf");
}

SettingsFile::SettingsFile(const QString &file)
    : file_(file)
{
    QByteArray bytes;
    if (taken(file_))
        refused_ = read_regular_file(file_, max_bytes, bytes);
    load(bytes);
}

SettingsFile::~SettingsFile() = default;

// QSettings reads its file when it is made and, with nothing written to it, never again: the
// copy it reads lives only as long as that.
void SettingsFile::load(const QByteArray &bytes)
{
    values_.reset();
    QTemporaryDir scratch;
    const QString copy = scratch.filePath(QStringLiteral("settings.conf"));
    if (!bytes.isEmpty() && scratch.isValid()) {
        QFile file(copy);
        if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.flush()) {
            file.close();
            values_ = std::make_unique<QSettings>(copy, QSettings::IniFormat);
            return;
        }
    }
    values_ = std::make_unique<QSettings>(no_file, QSettings::IniFormat);
}

bool SettingsFile::change(const std::function<void(QSettings &)> &edit, int wait_ms)
{
    if (!refused_.isEmpty())
        return false;
    const QString target = link_target(file_);
    QDir().mkpath(QFileInfo(target).absolutePath());
    // The lock QSettings itself takes on the file, so two runs do not write at once; a lock that
    // cannot be taken (held by a program that hangs, or a folder in its place) is given up.
    QLockFile lock(file_ + QStringLiteral(".lock"));
    if (!lock.tryLock(wait_ms))
        return false;

    // What another run wrote since is kept: the file is read again, as strictly as at the start.
    QByteArray bytes;
    if (taken(target) && !read_regular_file(target, max_bytes, bytes).isEmpty())
        return false;

    // The settings written as QSettings writes them, into a copy of the file.
    QTemporaryDir scratch;
    if (!scratch.isValid())
        return false;
    const QString copy = scratch.filePath(QStringLiteral("settings.conf"));
    {
        QFile file(copy);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            return false;
    }
    {
        QSettings edited(copy, QSettings::IniFormat);
        edit(edited);
        edited.sync();
        if (edited.status() != QSettings::NoError)
            return false;
    }
    if (!read_regular_file(copy, max_bytes, bytes).isEmpty())
        return false;

    QSaveFile file(target);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        return false;
    load(bytes);
    return true;
}
