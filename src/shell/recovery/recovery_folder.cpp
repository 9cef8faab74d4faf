#include "recovery/recovery_folder.h"

#include "input_file.h"
#include "output_file.h"
#include "picture_output.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QString lesson_kind = QStringLiteral("lesson");
const QString recording_kind = QStringLiteral("recording");
const QString recording_suffix = QStringLiteral(".gif");

// A name as a part of a file name: its letters and digits, other characters as single hyphens.
QString file_part(const QString &name, const QString &fallback)
{
    QString part;
    for (const QChar c : name) {
        if (c.isLetterOrNumber())
            part += c;
        else if (!part.isEmpty() && !part.endsWith(QLatin1Char('-')))
            part += QLatin1Char('-');
    }
    part.truncate(60);
    while (part.endsWith(QLatin1Char('-')))
        part.chop(1);
    return part.isEmpty() ? fallback : part;
}

// The process's name as the system keeps it, "" when there is no such process.
QString process_name(const QString &pid)
{
    QByteArray bytes;
    if (!read_regular_file(QStringLiteral("/proc/%1/comm").arg(pid), 64, bytes).isEmpty())
        return {};
    return QString::fromLocal8Bit(bytes).trimmed();
}

// Whether the run that kept a file is still going: this run, or another run of the program.
bool still_running(const QString &pid)
{
    if (pid == QString::number(QCoreApplication::applicationPid()))
        return true;
    const QString name = process_name(pid);
    return !name.isEmpty() && name == process_name(QStringLiteral("self"));
}

// What a file that is not a regular one is, as read_regular_file says it.
QString kind_of(mode_t mode)
{
    if (S_ISDIR(mode))
        return QStringLiteral("a folder");
    if (S_ISFIFO(mode))
        return QStringLiteral("a named pipe");
    if (S_ISSOCK(mode))
        return QStringLiteral("a socket");
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return QStringLiteral("a device");
    return QStringLiteral("not a file");
}

// A file opened for reading that is a regular file of at most max_bytes; -1 with the reason
// otherwise. Opened without blocking, in case the name names a pipe.
int open_regular(const QString &path, qint64 max_bytes, QString &why)
{
    const int fd =
        ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        why = QString::fromLocal8Bit(std::strerror(errno));
        return -1;
    }
    struct stat info;
    if (::fstat(fd, &info) != 0)
        why = QString::fromLocal8Bit(std::strerror(errno));
    else if (!S_ISREG(info.st_mode))
        why = QStringLiteral("not a regular file: %1").arg(kind_of(info.st_mode));
    else if (info.st_size > max_bytes)
        why = QStringLiteral("larger than %1").arg(size_text(max_bytes));
    if (!why.isEmpty()) {
        ::close(fd);
        return -1;
    }
    return fd;
}

// Reads what there is, up to size bytes; -1 on an error.
qint64 read_some(int fd, char *into, qint64 size)
{
    for (;;) {
        const ssize_t n = ::read(fd, into, std::size_t(size));
        if (n >= 0 || errno != EINTR)
            return n;
    }
}

// The recording's file starts as every GIF does.
QString gif_header(int fd, QByteArray &header)
{
    header.resize(6);
    const qint64 n = read_some(fd, header.data(), header.size());
    if (n != header.size() || (header != "GIF89a" && header != "GIF87a"))
        return QStringLiteral("not a GIF recording");
    return {};
}

} // namespace

QString RecoveryFolder::user_folder()
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 7, 0)
    const QString state = QStandardPaths::writableLocation(QStandardPaths::GenericStateLocation);
#else
    // As the XDG base directories say, where Qt does not know the state directory yet.
    const QByteArray variable = qgetenv("XDG_STATE_HOME");
    const QString state = variable.startsWith('/')
        ? QFile::decodeName(variable)
        : QDir::homePath() + QStringLiteral("/.local/state");
#endif
    return state + QStringLiteral("/aurelion/recovery");
}

RecoveryFolder::RecoveryFolder(const QString &path)
    : path_(path)
{ }

bool RecoveryFolder::make() const
{
    if (!QDir().mkpath(path_))
        return false;
    return QFile::setPermissions(
        path_, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

QString RecoveryFolder::own_prefix(const QString &kind) const
{
    return kind + QLatin1Char('-') + QString::number(QCoreApplication::applicationPid())
        + QLatin1Char('-');
}

QString RecoveryFolder::keep_lesson(Lesson lesson, const QString &name, QString &why)
{
    if (!make()) {
        why = QStringLiteral("the folder %1 cannot be made").arg(path_);
        return {};
    }
    forget_lesson();
    const QString path = QDir(path_).filePath(
        own_prefix(lesson_kind) + file_part(name, lesson_kind) + QLatin1String(lesson_suffix));
    why = save_lesson(path, lesson);
    return why.isEmpty() ? path : QString();
}

void RecoveryFolder::forget_lesson()
{
    const QDir folder(path_);
    const QStringList own = folder.entryList(
        { own_prefix(lesson_kind) + QLatin1Char('*') + QLatin1String(lesson_suffix) },
        QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot);
    for (const QString &name : own)
        QFile::remove(folder.filePath(name));
}

QString RecoveryFolder::recording_path(const QString &topic)
{
    make();
    const QDir folder(path_);
    for (int n = 1;; ++n) {
        const QString path = folder.filePath(own_prefix(recording_kind) + QString::number(n)
            + QLatin1Char('-') + file_part(topic, recording_kind) + recording_suffix);
        if (!QFileInfo(path).exists() && !QFileInfo(path).isSymLink())
            return path;
    }
}

std::vector<KeptItem> RecoveryFolder::items(QStringList &dropped) const
{
    std::vector<KeptItem> found;
    const QDir folder(path_);
    const QStringList names =
        folder.entryList({ lesson_kind + QStringLiteral("-*") + QLatin1String(lesson_suffix),
                             recording_kind + QStringLiteral("-*") + recording_suffix },
            QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot, QDir::Time | QDir::Reversed);
    for (const QString &name : names) {
        const bool lesson = name.endsWith(QLatin1String(lesson_suffix));
        const QStringList parts =
            QFileInfo(name).completeBaseName().split(QLatin1Char('-'), Qt::SkipEmptyParts);
        const qsizetype named_from = lesson ? 2 : 3;
        bool number = false;
        parts.value(1).toLongLong(&number);
        if (parts.size() <= named_from || !number || still_running(parts[1]))
            continue;
        KeptItem item;
        item.kind = lesson ? KeptItem::Kind::Lesson : KeptItem::Kind::Recording;
        item.path = folder.filePath(name);
        item.name = parts.mid(named_from).join(QLatin1Char('-'));
        item.kept = QFileInfo(item.path).lastModified();
        QString why;
        if (lesson) {
            why = read_lesson(item.path, item.lesson).text();
            if (why.isEmpty() && !item.lesson.title.isEmpty())
                item.name = item.lesson.title;
        } else if (const int fd = open_regular(item.path, max_recording_bytes, why); fd >= 0) {
            QByteArray header;
            why = gif_header(fd, header);
            ::close(fd);
        }
        if (why.isEmpty()) {
            found.push_back(item);
        } else {
            QFile::remove(item.path);
            dropped << QStringLiteral("%1: %2").arg(name, why);
        }
    }
    return found;
}

void RecoveryFolder::remove(const KeptItem &item) { QFile::remove(item.path); }

QString RecoveryFolder::copy_recording(const KeptItem &item, const QString &to)
{
    QString why;
    const int fd = open_regular(item.path, max_recording_bytes, why);
    if (fd < 0)
        return why;
    QByteArray header;
    why = gif_header(fd, header);
    if (why.isEmpty())
        why = save_stream(to, [fd, &header](OutputFile &file) {
            if (!file.write(header))
                return false;
            QByteArray chunk(1 << 16, Qt::Uninitialized);
            for (;;) {
                const qint64 n = read_some(fd, chunk.data(), chunk.size());
                if (n <= 0)
                    return n == 0;
                if (!file.write(chunk.constData(), n))
                    return false;
            }
        });
    ::close(fd);
    return why;
}
