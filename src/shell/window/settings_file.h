#pragma once

#include <QString>

#include <functional>
#include <memory>

class QSettings;

// The settings file the program keeps between runs, ~/.config/Aurelion/Aurelion.conf. It is read
// only when it is a regular file of at most `max_bytes`, without blocking: Qt's settings read a
// private copy of the checked bytes and never open the file themselves. A file refused (a pipe,
// a device, a folder, one too large or unreadable) leaves every setting at its default and is
// never written. Changes go through change(), which never waits for ever and never writes a file
// that is not a regular one.
class SettingsFile
{
public:
    // Settings files hold a few short values; a larger one was not written by this program.
    static constexpr qint64 max_bytes = 256 * 1024;
    // How long a change waits for the lock on the settings file before it gives up.
    static constexpr int lock_wait_ms = 500;

    // The program's own file, where Qt's settings of the organisation and application
    // "Aurelion" are.
    static QString program_file();

    explicit SettingsFile(const QString &file = program_file());
    ~SettingsFile();
    SettingsFile(const SettingsFile &) = delete;
    SettingsFile &operator=(const SettingsFile &) = delete;

    // The values as the file held them when it was read, or last changed; none when refused.
    const QSettings &values() const { return *values_; }
    QString file() const { return file_; }
    // Why the file was left alone, in words for a message ("not a regular file: a named pipe",
    // "larger than 256 kB"); empty when it was read or there is none yet.
    QString refused() const { return refused_; }

    // Changes the settings in their file: the file's lock (the one QSettings takes) is tried for
    // `wait_ms` and then given up; the file is read again (the same checks), changed as QSettings
    // writes it and replaced through a temporary file beside the one a symbolic link names, so
    // the link stays a link. False, with the file as it was, when the file was refused when read
    // or is no regular file of a sane size now, or when it cannot be locked or written.
    bool change(const std::function<void(QSettings &)> &edit, int wait_ms = lock_wait_ms);

private:
    void load(const QByteArray &bytes);

    QString file_;
    QString refused_;
    std::unique_ptr<QSettings> values_;
};
