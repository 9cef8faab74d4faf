#include "output_file.h"

#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <pthread.h>
#include <sys/stat.h>
#include <unistd.h>

struct OutputFile::Batch::Waiting
{
    QString path; // as the user named it, for messages
    QByteArray target;
    OutputFile::Temporary temporary;
};

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

bool is_stream_mode(mode_t mode) { return !S_ISREG(mode) && !S_ISDIR(mode); }

std::atomic<bool> unnamed_files { true };

// The names of the temporary files that exist now, for a signal handler to remove: a slot is
// free (0), being filled (1) or holds a name (2). Atomics without locks are safe in a handler.
struct Registered
{
    std::atomic<int> state { 0 };
    char name[PATH_MAX];
};
Registered registry[64];

int remember(const QByteArray &name)
{
    if (name.size() >= PATH_MAX)
        return -1;
    for (int slot = 0; slot < int(std::size(registry)); ++slot) {
        int free = 0;
        if (!registry[slot].state.compare_exchange_strong(free, 1))
            continue;
        std::memcpy(registry[slot].name, name.constData(), std::size_t(name.size()) + 1);
        registry[slot].state.store(2);
        return slot;
    }
    return -1;
}

void forget(int &slot)
{
    if (slot >= 0)
        registry[slot].state.store(0);
    slot = -1;
}

// The signals that end the program are held while names are made and changed, so that a file
// is always either in the registry or not yet made, and a batch is placed whole.
class SignalsHeld
{
public:
    SignalsHeld()
    {
        sigset_t set;
        sigemptyset(&set);
        for (const int number : { SIGINT, SIGTERM, SIGHUP })
            sigaddset(&set, number);
        pthread_sigmask(SIG_BLOCK, &set, &old_);
    }
    ~SignalsHeld() { pthread_sigmask(SIG_SETMASK, &old_, nullptr); }
    SignalsHeld(const SignalsHeld &) = delete;
    SignalsHeld &operator=(const SignalsHeld &) = delete;

private:
    sigset_t old_;
};

QByteArray random_name(const QByteArray &folder)
{
    static const char letters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    QByteArray name = folder + QByteArrayLiteral("/.aurelion-");
    for (int i = 0; i < 8; ++i)
        name += letters[QRandomGenerator::global()->bounded(int(sizeof letters - 1))];
    return name;
}

// Creates a new file with a short name of its own in the folder; returns its descriptor (or -1
// with errno set), with its name remembered for the signal handler.
int create_named(const QByteArray &folder, int access, OutputFile::Temporary &temporary)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        const QByteArray name = random_name(folder);
        const SignalsHeld held;
        const int fd = ::open(name.constData(), access | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0) {
            temporary.name = name;
            temporary.slot = remember(name);
            return fd;
        }
        if (errno != EEXIST)
            return -1;
    }
    errno = EEXIST;
    return -1;
}

// An unnamed file needs /proc to be linked to a name later (linkat with AT_EMPTY_PATH needs
// privileges), so without it a named file is made.
int create_unnamed(const QByteArray &folder, int access)
{
    if (!unnamed_files.load() || ::access("/proc/self/fd", X_OK) != 0)
        return -1;
    return ::open(folder.constData(), O_TMPFILE | access | O_CLOEXEC, 0666);
}

// A temporary file in the folder: unnamed where the file system has them.
int create_temporary(const QByteArray &folder, int access, OutputFile::Temporary &temporary)
{
    temporary = {};
    const int fd = create_unnamed(folder, access);
    if (fd >= 0)
        return fd;
    return create_named(folder, access, temporary);
}

// Gives an unnamed file a short name of its own in the folder.
bool link_unnamed(int fd, const QByteArray &folder, OutputFile::Temporary &temporary)
{
    char proc[64];
    std::snprintf(proc, sizeof proc, "/proc/self/fd/%d", fd);
    for (int attempt = 0; attempt < 100; ++attempt) {
        const QByteArray name = random_name(folder);
        temporary.slot = remember(name);
        if (::linkat(AT_FDCWD, proc, AT_FDCWD, name.constData(), AT_SYMLINK_FOLLOW) == 0) {
            temporary.name = name;
            return true;
        }
        const int why = errno;
        forget(temporary.slot);
        if (why != EEXIST) {
            errno = why;
            return false;
        }
    }
    errno = EEXIST;
    return false;
}

void discard(OutputFile::Temporary &temporary)
{
    if (temporary.descriptor >= 0)
        ::close(temporary.descriptor);
    if (!temporary.name.isEmpty())
        ::unlink(temporary.name.constData());
    forget(temporary.slot);
    temporary = {};
}

// The name a path stands for once its symbolic links are followed, one after the other, also
// when the last name does not exist yet (the file a dangling link will make); ELOOP for a loop.
int resolve(const QByteArray &path, QByteArray &end)
{
    end = path;
    for (int depth = 0; depth < 40; ++depth) {
        struct stat status;
        if (::lstat(end.constData(), &status) != 0 || !S_ISLNK(status.st_mode))
            return 0;
        char buffer[PATH_MAX];
        const ssize_t size = ::readlink(end.constData(), buffer, sizeof buffer);
        if (size < 0)
            return errno;
        if (size == ssize_t(sizeof buffer))
            return ENAMETOOLONG;
        const QByteArray link(buffer, size);
        end = link.startsWith('/') ? link : folder_of(end) + '/' + link;
    }
    return ELOOP;
}

// cp's rule: an existing file is replaced only by a user who may write it (a read-only file,
// another user's file in a folder all may write, an immutable file are not).
int may_replace(const QByteArray &path)
{
    if (::faccessat(AT_FDCWD, path.constData(), W_OK, AT_EACCESS) == 0 || errno == ENOENT)
        return 0;
    return errno;
}

// A replaced file keeps its owner and group where the system lets this user give them (root, or
// a group the user is in), and its permissions, set last: a change of owner clears the
// set-user-ID bits.
void keep_owner_and_mode(int fd, const struct stat &old)
{
    if (::fchown(fd, old.st_uid, old.st_gid) != 0 && ::fchown(fd, uid_t(-1), old.st_gid) != 0)
        errno = 0; // the file stays this user's, as a copy's would
    ::fchmod(fd, old.st_mode & 07777);
}

extern "C" void remove_and_end(int number)
{
    OutputFile::remove_temporaries();
    ::raise(number); // the handler was reset: the program ends as the signal says
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
    QByteArray encoded;
    if (const int why = resolve(QFile::encodeName(path), encoded))
        return system_error(why);
    if (encoded.endsWith('/'))
        return QStringLiteral("the name is a folder's, not a file's");
    struct stat status;
    if (::stat(encoded.constData(), &status) == 0) {
        if (S_ISDIR(status.st_mode))
            return QStringLiteral("a folder has that name");
        if (is_stream_mode(status.st_mode))
            return ::access(encoded.constData(), W_OK) == 0 ? QString() : system_error(errno);
        if (const int why = may_replace(encoded))
            return system_error(why);
    }
    if (name_of(encoded).size() > NAME_MAX)
        return system_error(ENAMETOOLONG);
    const QByteArray folder = folder_of(encoded);
    if (::stat(folder.constData(), &status) != 0)
        return errno == ENOENT
            ? QStringLiteral("the folder %1 does not exist").arg(quoted(QFile::decodeName(folder)))
            : system_error(errno);
    if (!S_ISDIR(status.st_mode))
        return QStringLiteral("%1 is not a folder").arg(quoted(QFile::decodeName(folder)));
    // Only a file made there tells for sure (a read-only or special file system, a folder of
    // another user's): one is made and removed again.
    Temporary probe;
    const int fd = create_temporary(folder, O_WRONLY, probe);
    if (fd < 0)
        return QStringLiteral("the folder %1 cannot be written: %2")
            .arg(quoted(QFile::decodeName(folder)), system_error(errno));
    probe.descriptor = fd;
    discard(probe);
    return {};
}

QString OutputFile::identity(const QString &path)
{
    // An existing file is known by its device and inode: a link, a hard link, /dev/stdout and
    // "-" name the same file as their target.
    struct stat status;
    QByteArray end;
    if (is_standard_output(path)) {
        if (::fstat(STDOUT_FILENO, &status) == 0)
            return QStringLiteral("%1:%2").arg(status.st_dev).arg(status.st_ino);
        return path;
    }
    if (resolve(QFile::encodeName(path), end) != 0)
        end = QFile::encodeName(path);
    if (::stat(end.constData(), &status) == 0)
        return QStringLiteral("%1:%2").arg(status.st_dev).arg(status.st_ino);
    const QFileInfo file(QFile::decodeName(end));
    const QString folder = file.absoluteDir().canonicalPath();
    return folder.isEmpty() ? file.absoluteFilePath() : folder + QLatin1Char('/') + file.fileName();
}

QString OutputFile::quoted(const QString &path)
{
    static const QString plain = QStringLiteral("-_./+,:=@%~^");
    if (!path.isEmpty() && std::all_of(path.begin(), path.end(), [](QChar c) {
            return c.isLetterOrNumber() || plain.contains(c);
        }))
        return path;
    QString text = QStringLiteral("'");
    for (const QChar c : path) {
        if (c == QLatin1Char('\''))
            text += QStringLiteral("'\\''");
        else if (c.category() == QChar::Other_Control || c.category() == QChar::Separator_Line
            || c.category() == QChar::Separator_Paragraph) {
            const QString escape = c == QLatin1Char('\n') ? QStringLiteral("\\n")
                : c == QLatin1Char('\t')                  ? QStringLiteral("\\t")
                : c == QLatin1Char('\r')
                ? QStringLiteral("\\r")
                : QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
            text += QStringLiteral("'$'%1''").arg(escape);
        } else {
            text += c;
        }
    }
    return text + QLatin1Char('\'');
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
    QByteArray target;
    if (const int why = resolve(QFile::encodeName(path_), target))
        return fail(why);
    struct stat status;
    const bool exists = ::stat(target.constData(), &status) == 0;
    if (exists && S_ISDIR(status.st_mode))
        return fail(EISDIR);
    if (exists && is_stream_mode(status.st_mode)) {
        stream_ = true;
        const int fd = ::open(target.constData(), O_WRONLY | O_CLOEXEC | O_NOCTTY);
        if (fd < 0)
            return fail(errno);
        if (!file_->open(fd, QIODevice::WriteOnly, QFileDevice::AutoCloseHandle)) {
            ::close(fd);
            return fail(EBADF);
        }
        return true;
    }
    stream_ = false;
    if (exists)
        if (const int why = may_replace(target))
            return fail(why);
    target_ = target;
    // In the same folder, so the file takes its name on the same file system.
    const int fd = create_temporary(folder_of(target_), O_WRONLY, temporary_);
    if (fd < 0)
        return fail(errno);
    temporary_.descriptor = fd;
    if (exists)
        keep_owner_and_mode(fd, status);
    if (!file_->open(fd, QIODevice::WriteOnly, QFileDevice::DontCloseHandle)) {
        discard(temporary_);
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

namespace {
thread_local OutputFile::Batch *open_batch = nullptr;
} // namespace

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
    if (::fsync(temporary_.descriptor) != 0) {
        const int why = errno;
        cancel();
        return fail(why);
    }
    file_->close();
    file_.reset();
    if (!temporary_.name.isEmpty()) {
        ::close(temporary_.descriptor);
        temporary_.descriptor = -1;
    }
    Batch::Waiting waiting { path_, target_, temporary_ };
    temporary_ = {};
    if (open_batch) {
        open_batch->waiting_.push_back(waiting);
        return true;
    }
    std::vector<Batch::Waiting> one { waiting };
    QString failed;
    return place_all(one, failed, error_);
}

void OutputFile::cancel()
{
    if (file_) {
        file_->close();
        file_.reset();
    }
    discard(temporary_);
}

bool OutputFile::fail(int error_number)
{
    error_ = system_error(error_number);
    return false;
}

bool OutputFile::place_all(std::vector<Batch::Waiting> &waiting, QString &failed, QString &error)
{
    const SignalsHeld held;
    enum How { Waits, New, Exchanged, Replaced };
    std::vector<How> how(waiting.size(), Waits);
    const auto give_up = [&](const Batch::Waiting &w, int why) {
        failed = w.path;
        error = system_error(why);
        for (std::size_t i = waiting.size(); i-- > 0;) {
            Batch::Waiting &undone = waiting[i];
            if (how[i] == New)
                ::unlink(undone.target.constData());
            else if (how[i] == Exchanged)
                ::renameat2(AT_FDCWD, undone.temporary.name.constData(), AT_FDCWD,
                    undone.target.constData(), RENAME_EXCHANGE);
            if (how[i] != Replaced)
                discard(undone.temporary);
            forget(undone.temporary.slot);
        }
        waiting.clear();
        return false;
    };
    // Every file first gets a name beside its target, which may fail on a full disk.
    for (Batch::Waiting &w : waiting)
        if (w.temporary.name.isEmpty()) {
            if (!link_unnamed(w.temporary.descriptor, folder_of(w.target), w.temporary))
                return give_up(w, errno);
            ::close(w.temporary.descriptor);
            w.temporary.descriptor = -1;
        }
    // Then each takes its target's name; an older file is exchanged with it, so that it can be
    // put back while the others have not taken theirs.
    for (std::size_t i = 0; i < waiting.size(); ++i) {
        Batch::Waiting &w = waiting[i];
        if (const int why = may_replace(w.target))
            return give_up(w, why);
        const char *from = w.temporary.name.constData();
        const char *to = w.target.constData();
        if (::renameat2(AT_FDCWD, from, AT_FDCWD, to, RENAME_EXCHANGE) == 0) {
            how[i] = Exchanged;
            continue;
        }
        const int why = errno;
        if (why != ENOENT && why != EINVAL && why != ENOSYS && why != EOPNOTSUPP)
            return give_up(w, why);
        if (::rename(from, to) != 0)
            return give_up(w, errno);
        how[i] = why == ENOENT ? New : Replaced;
    }
    for (std::size_t i = 0; i < waiting.size(); ++i) {
        if (how[i] == Exchanged)
            ::unlink(waiting[i].temporary.name.constData()); // the older file
        forget(waiting[i].temporary.slot);
    }
    waiting.clear();
    return true;
}

OutputFile::Batch::Batch()
    : outer_(open_batch)
{
    open_batch = this;
}

OutputFile::Batch::~Batch()
{
    for (Waiting &w : waiting_)
        discard(w.temporary);
    open_batch = outer_;
}

bool OutputFile::Batch::place()
{
    failed_path_.clear();
    error_.clear();
    return place_all(waiting_, failed_path_, error_);
}

void OutputFile::remove_temporaries()
{
    for (Registered &r : registry)
        if (r.state.load() == 2)
            ::unlink(r.name);
}

void OutputFile::remove_temporaries_on_signals()
{
    for (const int number : { SIGINT, SIGTERM, SIGHUP }) {
        struct sigaction action
        {
        };
        // A signal the program was started to ignore (nohup) stays ignored.
        if (::sigaction(number, nullptr, &action) != 0 || action.sa_handler == SIG_IGN)
            continue;
        action = {};
        action.sa_handler = remove_and_end;
        action.sa_flags = SA_RESETHAND;
        sigemptyset(&action.sa_mask);
        ::sigaction(number, &action, nullptr);
    }
}

bool OutputFile::open_scratch(const QString &folder, QFile &file)
{
    const QByteArray encoded = QFile::encodeName(folder);
    int fd = create_unnamed(encoded, O_RDWR);
    if (fd < 0) {
        Temporary named;
        fd = create_named(encoded, O_RDWR, named);
        if (fd < 0)
            return false;
        discard(named); // the name goes, the open file stays
    }
    if (!file.open(fd, QIODevice::ReadWrite, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        errno = EBADF;
        return false;
    }
    return true;
}

void OutputFile::use_unnamed_files(bool use) { unnamed_files.store(use); }
