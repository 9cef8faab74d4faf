#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

#include <memory>
#include <vector>

// A file the program writes, as a careful command-line tool writes it.
//
// A regular file (or a name not yet taken) is written into a temporary file in its folder: an
// unnamed one where the file system allows (nothing of it stays if the program is killed), else
// one with a short name of its own, so that any name up to the longest a folder allows can be
// replaced. It takes the name only at commit(), so a failed write leaves nothing behind and an
// older file stays as it was. A file the user may not write is refused as `cp` refuses it (a
// read-only file in a folder the user may write is not replaced); a replaced file keeps its
// permissions, and its owner where the system lets the program give it.
//
// A symbolic link is followed to the name it ends in, also when that file does not exist yet:
// the link stays and its file is written; a loop of links is refused. A pipe, a terminal or a
// device (/dev/null, /dev/stdout) and "-" (the standard output) are written in place as a
// stream: they are never replaced by a file.
//
// Failures are told with the system's own words for them ("No space left on device").
class OutputFile
{
public:
    // A temporary file while it is made and waits for its name.
    struct Temporary
    {
        int descriptor = -1; // open while it is written, and while an unnamed one waits
        QByteArray name; // a named one's (or an unnamed one's once linked)
        int slot = -1; // its place among the names removed on a signal
    };

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
    // loop of links, a file the user may not write, a device that cannot be opened for
    // writing; or nothing.
    static QString check(const QString &path);
    // What the file is, for telling two files apart: an existing file's device and inode (the
    // standard output's for "-"), else the name its links end in, absolute, with the folder's
    // links and dots resolved.
    static QString identity(const QString &path);
    // A name as a message shows it: as it is where it holds only letters, digits and
    // -_./+,:=@%~^; else in single quotes, with a control character outside them as $'\n', so
    // that a message stays one line.
    static QString quoted(const QString &path);

    bool open();
    // Writes every byte or fails; with the error() set.
    bool write(const char *data, qint64 size);
    bool write(const QByteArray &bytes) { return write(bytes.constData(), bytes.size()); }
    // A device to hand to writers that take one (an image, a PDF); buffered, so it stays fast
    // for many small writes. Its failures show in error() after commit().
    QIODevice &device() { return *file_; }
    // Flushes and makes sure the bytes are on the disk; then gives the file its name, or, while
    // a Batch is open, leaves that to the batch.
    bool commit();
    void cancel();
    QString error() const { return error_; }

    // Several files put in place together: while a batch is open on a thread, every file
    // committed there is made complete and waits; place() then gives all of them their names
    // at once, or, where one cannot take its name, none (the files replaced are put back where
    // the file system can exchange two names). A batch closed without place() discards them.
    // A stream is written at once all the same.
    class Batch
    {
    public:
        Batch();
        ~Batch();
        Batch(const Batch &) = delete;
        Batch &operator=(const Batch &) = delete;
        bool place();
        // The path that could not take its name, and why.
        QString failed_path() const { return failed_path_; }
        QString error() const { return error_; }

    private:
        friend class OutputFile;
        struct Waiting;
        std::vector<Waiting> waiting_;
        Batch *outer_ = nullptr;
        QString failed_path_;
        QString error_;
    };

    // Removes the named temporary files of the files being written; safe to call from a
    // signal handler.
    static void remove_temporaries();
    // On SIGINT, SIGTERM and SIGHUP: the named temporary files are removed and the program
    // ends by the signal, as it would have without the handler.
    static void remove_temporaries_on_signals();
    // A read-write scratch file in the folder that nothing names: gone when it is closed,
    // however the program ends (a named one is removed at once where the file system has no
    // unnamed files).
    static bool open_scratch(const QString &folder, QFile &file);
    // Whether unnamed temporary files are used where the file system has them (the default);
    // tests turn them off to try the named ones.
    static void use_unnamed_files(bool use);

private:
    bool fail(int error_number);
    static bool place_all(std::vector<Batch::Waiting> &waiting, QString &failed, QString &error);

    QString path_;
    QByteArray target_; // the encoded path written at commit (a link's target)
    Temporary temporary_;
    std::unique_ptr<QFile> file_;
    bool stream_ = false;
    QString error_;
};
