#pragma once

#include <QByteArray>
#include <QString>

// A file the program reads that someone else may have made: a lesson mailed by a colleague, a
// settings file a desktop tool rewrote. Only a regular file is read, never a pipe, a device, a
// socket or a folder (their names are refused before anything is opened, and again on the
// opened file, so a name swapped in between changes nothing), and never past its stated size:
// a read cannot block and cannot fill the memory.
//
// Returns why the file cannot be read, in words for a message ("not a regular file: a named
// pipe", "larger than 1 MB"), or nothing, with its bytes.
QString read_regular_file(const QString &path, qint64 max_bytes, QByteArray &bytes);

// "1 MB", "64 kB", "512 bytes": a size limit as messages and manuals state it.
QString size_text(qint64 bytes);
