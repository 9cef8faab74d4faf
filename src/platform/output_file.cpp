#include "output_file.h"

#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <climits>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString system_error(int error_number)
{
    return QString::fromLocal8Bit(std::strerror(error_number));
}

// The folder part of an encoded path ("." for a bare name).
QByteArray folder_of(const QByteArray &path)
{
    const qsizetype slash = path.lastIndexOf('/');
    if (slash < 0)
        return QByteArrayLiteral(".");
    return slash == 0 ? QByteArrayLiteral("/") : path.left(slash);
}

// Why a write through a QFile failed: the system's reason where it left one (Qt's own text can
// be "Unknown error" after a buffered write).
QString reason_of(const QFileDevice &file, int error_number)
{
    return error_number != 0 ? system_error(error_number) : file.errorString();
}

QByteArray name_of(const QByteArray &path) { return path.mid(path.lastIndexOf('/') + 1); }

// Creates a new file with a short name of its own in the folder; returns its descriptor (or -1
// with errno set) and its path.
int create_temporary(const QByteArray &folder, QByteArray &path)
{
    static const char letters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    for (int attempt = 0; attempt < 100; ++attempt) {
        QByteArray name = QByteArrayLiteral(".aurelion-");
        for (int i = 0; i < 8; ++i)
            name += letters[QRandomGenerator::global()->bounded(int(sizeof letters - 1))];
        path = folder + '/' + name;
        const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) {
            if (fd < 0)
                path.clear();
            return fd;
        }
    }
    path.clear();
    errno = EEXIST;
    return -1;
}

bool is_stream_mode(mode_t mode) { return !S_ISREG(mode) && !S_ISDIR(mode); }

// A symbolic link is followed to the file it names, so the link stays and its file is written.
QByteArray resolved(const QByteArray &path)
{
    struct stat link;
    if (::lstat(path.constData(), &link) != 0 || !S_ISLNK(link.st_mode))
        return path;
    char buffer[PATH_MAX];
    if (::realpath(path.constData(), buffer))
        return QByteArray(buffer);
    return path;
}

} // namespace

QString OutputFile::reason(const QFileDevice &file, int error_number)
{
    return reason_of(file, error_number);
}

OutputFile::OutputFile(const QString &path)
    : path_(path)
{ }

OutputFile::~OutputFile() { cancel(); }

bool OutputFile::is_stream(const QString &path)
{
    if (is_standard_output(path))
        return true;
    struct stat status;
    return ::stat(QFile::encodeName(path).constData(), &status) == 0
        && is_stream_mode(status.st_mode);
}

QString OutputFile::check(const QString &path)
{
    if (path.isEmpty())
        return QStringLiteral("the file name is empty");
    if (is_standard_output(path))
        return {};
    const QByteArray encoded = resolved(QFile::encodeName(path));
    if (encoded.endsWith('/'))
        return QStringLiteral("the name is a folder's, not a file's");
    struct stat status;
    if (::stat(encoded.constData(), &status) == 0) {
        if (S_ISDIR(status.st_mode))
            return QStringLiteral("a folder has that name");
        if (is_stream_mode(status.st_mode))
            return ::access(encoded.constData(), W_OK) == 0 ? QString() : system_error(errno);
    }
    if (name_of(encoded).size() > NAME_MAX)
        return system_error(ENAMETOOLONG);
    const QByteArray folder = folder_of(encoded);
    if (::stat(folder.constData(), &status) != 0)
        return errno == ENOENT
            ? QStringLiteral("the folder %1 does not exist").arg(QFile::decodeName(folder))
            : system_error(errno);
    if (!S_ISDIR(status.st_mode))
        return QStringLiteral("%1 is not a folder").arg(QFile::decodeName(folder));
    // Only a file made there tells for sure (a read-only or special file system, a folder of
    // another user's): one is made and removed again.
    QByteArray probe;
    const int fd = create_temporary(folder, probe);
    if (fd < 0)
        return QStringLiteral("the folder %1 cannot be written: %2")
            .arg(QFile::decodeName(folder), system_error(errno));
    ::close(fd);
    ::unlink(probe.constData());
    return {};
}

QString OutputFile::identity(const QString &path)
{
    // An existing file is known by its device and inode: a link, a hard link, /dev/stdout and
    // "-" name the same file as their target.
    struct stat status;
    const bool exists = is_standard_output(path)
        ? ::fstat(STDOUT_FILENO, &status) == 0
        : ::stat(QFile::encodeName(path).constData(), &status) == 0;
    if (exists)
        return QStringLiteral("%1:%2").arg(status.st_dev).arg(status.st_ino);
    if (is_standard_output(path))
        return path;
    const QFileInfo file(path);
    const QString folder = file.absoluteDir().canonicalPath();
    return folder.isEmpty() ? file.absoluteFilePath() : folder + QLatin1Char('/') + file.fileName();
}

bool OutputFile::open()
{
    cancel();
    error_.clear();
    file_ = std::make_unique<QFile>();
    if (is_standard_output(path_)) {
        stream_ = true;
        if (!file_->open(STDOUT_FILENO, QIODevice::WriteOnly, QFileDevice::DontCloseHandle))
            return fail(EBADF);
        return true;
    }
    const QByteArray encoded = QFile::encodeName(path_);
    struct stat status;
    const bool exists = ::stat(encoded.constData(), &status) == 0;
    if (exists && S_ISDIR(status.st_mode))
        return fail(EISDIR);
    int fd = -1;
    if (exists && is_stream_mode(status.st_mode)) {
        stream_ = true;
        fd = ::open(encoded.constData(), O_WRONLY | O_CLOEXEC | O_NOCTTY);
        if (fd < 0)
            return fail(errno);
    } else {
        stream_ = false;
        target_ = resolved(encoded);
        // A short name of its own in the same folder, so the rename stays on one file system.
        fd = create_temporary(folder_of(target_), temporary_);
        if (fd < 0)
            return fail(errno);
        // A replaced file keeps its permissions.
        if (exists)
            ::fchmod(fd, status.st_mode & 07777);
    }
    if (!file_->open(fd, QIODevice::WriteOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return fail(EBADF);
    }
    return true;
}

bool OutputFile::write(const char *data, qint64 size)
{
    if (!file_ || !file_->isOpen())
        return fail(EBADF);
    for (qint64 done = 0; done < size;) {
        errno = 0;
        const qint64 written = file_->write(data + done, size - done);
        if (written <= 0) {
            error_ = reason_of(*file_, errno);
            return false;
        }
        done += written;
    }
    return true;
}

bool OutputFile::commit()
{
    if (!file_ || !file_->isOpen())
        return fail(EBADF);
    errno = 0;
    if (!file_->flush()) {
        error_ = reason_of(*file_, errno);
        cancel();
        return false;
    }
    if (file_->error() != QFileDevice::NoError) {
        error_ = file_->errorString();
        cancel();
        return false;
    }
    if (stream_) {
        file_->close();
        file_.reset();
        return true;
    }
    // Some file systems report a full disk only when the data reaches it.
    if (::fsync(file_->handle()) != 0) {
        const int why = errno;
        cancel();
        return fail(why);
    }
    file_->close();
    file_.reset();
    if (::rename(temporary_.constData(), target_.constData()) != 0) {
        const int why = errno;
        cancel();
        return fail(why);
    }
    temporary_.clear();
    return true;
}

void OutputFile::cancel()
{
    if (file_) {
        file_->close();
        file_.reset();
    }
    if (!temporary_.isEmpty()) {
        ::unlink(temporary_.constData());
        temporary_.clear();
    }
}

bool OutputFile::fail(int error_number)
{
    error_ = system_error(error_number);
    return false;
}
