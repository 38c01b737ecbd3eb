// Reading a file the user named (a task file, a constants file): only a
// regular file and no more than a limit, so that a folder, a device or a pipe
// gives a clear message instead of a crash, a hang or an exhausted memory.
#include "user_file.h"

#include <QFile>
#include <QFileInfo>

namespace platform {

namespace {

UserFile Failed(ReadFailure failure, const QString& error) {
    UserFile file;
    file.failure = failure;
    file.error = error;
    return file;
}

} // namespace

QString SizeText(qint64 bytes) {
    constexpr qint64 kMegabyte = 1024 * 1024;
    return bytes % kMegabyte == 0 ? QString("%1 MB").arg(bytes / kMegabyte)
                                  : QString("%1 bytes").arg(bytes);
}

UserFile ReadUserFile(const QString& path, qint64 limit) {
    // The type is checked before opening: opening a pipe would wait for a writer.
    const QFileInfo info(path);
    if (!info.exists())
        return Failed(ReadFailure::CannotOpen, QString("%1 does not exist").arg(path));
    if (info.isDir())
        return Failed(ReadFailure::NotRegular, QString("%1 is a folder, not a file").arg(path));
    if (!info.isFile())
        return Failed(ReadFailure::NotRegular, QString("%1 is not a regular file").arg(path));
    if (info.size() > limit)
        return Failed(ReadFailure::TooLarge,
                      QString("%1 is larger than %2").arg(path, SizeText(limit)));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Failed(ReadFailure::CannotOpen,
                      QString("%1 cannot be read: %2").arg(path, file.errorString()));
    UserFile read;
    read.bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return Failed(ReadFailure::CannotOpen,
                      QString("%1 cannot be read: %2").arg(path, file.errorString()));
    if (read.bytes.size() > limit)
        return Failed(ReadFailure::TooLarge,
                      QString("%1 is larger than %2").arg(path, SizeText(limit)));
    return read;
}

} // namespace platform
