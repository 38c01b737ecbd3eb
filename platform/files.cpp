#include "files.h"

#include <QElapsedTimer>
#include <QFile>
#include <QLockFile>
#include <QSaveFile>
#include <QThread>

namespace platform {

namespace {

FileWrite Failure(const QString& reason) {
    return {false, reason.isEmpty() ? QString("unknown error") : reason};
}

} // namespace

FileWrite ReplaceFile(const QString& path, const QByteArray& bytes) {
    // Unbuffered, so that a write the disk refuses fails here and not in a
    // flush whose failure the commit would not see.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return Failure(file.errorString());
    if (file.write(bytes) != bytes.size() || !file.flush() ||
        file.error() != QFileDevice::NoError) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return Failure(reason);
    }
    if (!file.commit())
        return Failure(file.errorString());
    return {};
}

FileWrite AppendRecord(const QString& path, const QByteArray& record) {
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite | QIODevice::Unbuffered))
        return Failure(file.errorString());
    const qint64 oldSize = file.size();
    QByteArray bytes;
    if (oldSize > 0 && file.seek(oldSize - 1) && file.read(1) != "\n")
        bytes = "\r\n";
    bytes += record;
    if (file.seek(oldSize) && file.write(bytes) == bytes.size() && file.flush())
        return {};
    const QString reason = file.errorString();
    file.resize(oldSize);
    return Failure(reason);
}

QString WithFileLock(const QString& path, const std::function<void()>& work, int timeoutMs) {
    // Polled in short steps: a holder keeps the lock for a few milliseconds,
    // and the lock file's own wait would sleep a tenth of a second or more.
    constexpr int kStepMs = 2;
    QLockFile lock(path + ".lock");
    QElapsedTimer waited;
    waited.start();
    bool locked = lock.tryLock(0);
    while (!locked && lock.error() == QLockFile::LockFailedError && waited.elapsed() < timeoutMs) {
        QThread::msleep(kStepMs);
        locked = lock.tryLock(0);
    }
    if (!locked) {
        switch (lock.error()) {
        case QLockFile::LockFailedError:
            return QString("another program is still changing it");
        case QLockFile::PermissionError:
            return QString("its lock file %1.lock cannot be created: permission denied").arg(path);
        case QLockFile::NoError:
        case QLockFile::UnknownError:
            break;
        }
        return QString("its lock file %1.lock cannot be created").arg(path);
    }
    work();
    return {};
}

} // namespace platform
