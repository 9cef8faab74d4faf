#pragma once

#include <QFile>
#include <QString>

#include <memory>

// A file the program writes, as a careful command-line tool writes it.
//
// A regular file (or a name not yet taken) is written into a temporary file beside it, with a
// short name of its own so that any name up to the longest a folder allows can be replaced; the
// temporary file takes the name only at commit(), so a failed write leaves nothing behind and
// an older file stays as it was. A symbolic link is followed: the file it points to is replaced.
// A pipe, a terminal or a device (/dev/null, /dev/stdout) and "-" (the standard output) are
// written in place as a stream: they are never replaced by a file.
//
// Failures are told with the system's own words for them ("No space left on device").
class OutputFile
{
public:
    explicit OutputFile(const QString &path);
    ~OutputFile(); // an unfinished file is discarded
    OutputFile(const OutputFile &) = delete;
    OutputFile &operator=(const OutputFile &) = delete;

    // Why the last operation on a file failed, in the system's words where errno holds them.
    static QString reason(const QFileDevice &file, int error_number);

    // "-": the standard output.
    static bool is_standard_output(const QString &path) { return path == QLatin1String("-"); }
    // The path names something that is written in place: "-", a pipe, a device, a socket.
    static bool is_stream(const QString &path);
    // Why the file could not be written, found without writing anything: an empty name, a
    // folder that does not exist or cannot be written, a folder where the file should be, a
    // device that cannot be opened for writing; or nothing.
    static QString check(const QString &path);
    // What the file is, for telling two outputs apart: an existing file's device and inode (the
    // standard output's for "-"), else its absolute path with links and dots resolved.
    static QString identity(const QString &path);

    bool open();
    // Writes every byte or fails; with the error() set.
    bool write(const char *data, qint64 size);
    bool write(const QByteArray &bytes) { return write(bytes.constData(), bytes.size()); }
    // A device to hand to writers that take one (an image, a PDF); buffered, so it stays fast
    // for many small writes. Its failures show in error() after commit().
    QIODevice &device() { return *file_; }
    // Flushes, makes sure the bytes are on the disk and gives the file its name.
    bool commit();
    void cancel();
    QString error() const { return error_; }

private:
    bool fail(int error_number);

    QString path_;
    QByteArray target_; // the encoded path written at commit (a link's target)
    QByteArray temporary_; // the temporary file's encoded path, while it exists
    std::unique_ptr<QFile> file_;
    bool stream_ = false;
    QString error_;
};
