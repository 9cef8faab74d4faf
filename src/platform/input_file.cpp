#include "input_file.h"

#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

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

QString system_error(int error_number)
{
    return QString::fromLocal8Bit(std::strerror(error_number));
}

// Closes the descriptor however the read ends.
struct Descriptor
{
    int fd;
    ~Descriptor()
    {
        if (fd >= 0)
            ::close(fd);
    }
};

} // namespace

QString size_text(qint64 bytes)
{
    if (bytes >= 1024 * 1024 && bytes % (1024 * 1024) == 0)
        return QStringLiteral("%1 MB").arg(bytes / (1024 * 1024));
    if (bytes >= 1024 && bytes % 1024 == 0)
        return QStringLiteral("%1 kB").arg(bytes / 1024);
    return QStringLiteral("%1 bytes").arg(bytes);
}

QString read_regular_file(const QString &path, qint64 max_bytes, QByteArray &bytes)
{
    bytes.clear();
    const QByteArray name = QFile::encodeName(path);
    struct stat info;
    if (::stat(name.constData(), &info) != 0)
        return system_error(errno);
    if (!S_ISREG(info.st_mode))
        return QStringLiteral("not a regular file: %1").arg(kind_of(info.st_mode));
    if (info.st_size > max_bytes)
        return QStringLiteral("larger than %1").arg(size_text(max_bytes));
    // Without blocking, in case the name now names a pipe.
    const Descriptor file { ::open(
        name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC) };
    if (file.fd < 0)
        return system_error(errno);
    if (::fstat(file.fd, &info) != 0)
        return system_error(errno);
    if (!S_ISREG(info.st_mode))
        return QStringLiteral("not a regular file: %1").arg(kind_of(info.st_mode));
    // A file that grows while it is read is read up to one byte past the limit, to tell.
    QByteArray read(qsizetype(std::min<qint64>(info.st_size, max_bytes) + 1), Qt::Uninitialized);
    qsizetype filled = 0;
    for (;;) {
        if (filled == read.size()) {
            if (filled > max_bytes)
                return QStringLiteral("larger than %1").arg(size_text(max_bytes));
            read.resize(std::min<qsizetype>(read.size() * 2, qsizetype(max_bytes) + 1));
        }
        const ssize_t n = ::read(file.fd, read.data() + filled, std::size_t(read.size() - filled));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return system_error(errno);
        if (n == 0)
            break;
        filled += n;
    }
    if (filled > max_bytes)
        return QStringLiteral("larger than %1").arg(size_text(max_bytes));
    read.resize(filled);
    bytes = read;
    return {};
}
