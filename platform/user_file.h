// Reading a file the user named (a task file, a constants file): only a
// regular file and no more than a limit, so that a folder, a device or a pipe
// gives a clear message instead of a crash, a hang or an exhausted memory.
#pragma once

#include <QByteArray>
#include <QString>

namespace platform {

inline constexpr qint64 kUserFileLimit = qint64(256) * 1024 * 1024;

enum class ReadFailure {
    None,
    CannotOpen, // missing, or the system refused to open or read it
    NotRegular, // a folder, a device, a pipe or a socket
    TooLarge,
};

struct UserFile {
    QByteArray bytes;
    ReadFailure failure = ReadFailure::None;
    QString error; // names the path and says what is wrong

    bool ok() const { return failure == ReadFailure::None; }
};

UserFile ReadUserFile(const QString& path, qint64 limit = kUserFileLimit);

// "256 MB": a limit as the messages give it.
QString SizeText(qint64 bytes);

} // namespace platform
