// Whole-file writes that a crash, a full disk or a read-only folder cannot
// leave half done, and the lock that keeps two instances from rewriting one
// file at the same time.
#pragma once

#include <QByteArray>
#include <QString>
#include <functional>

namespace platform {

// What a write did: on failure, the system's reason.
struct FileWrite {
    bool ok = true;
    QString reason;
};

// Writes a temporary file beside `path` and renames it over the old one; every
// write is checked before the rename, so a full disk or a file-size limit
// leaves the old file as it was and is reported.
FileWrite ReplaceFile(const QString& path, const QByteArray& bytes);

// Appends `record` to a file, creating it when absent. When the file does not
// end with a line end, one (CR LF) is written first, so that the record starts
// on a line of its own. A failed append cuts the file back to its old length.
FileWrite AppendRecord(const QString& path, const QByteArray& record);

// Runs `work` while holding the lock file `path` + ".lock", waiting up to
// `timeoutMs` for another process that holds it; a lock left by a process
// that ended is taken over. Empty on success, otherwise why the lock could not
// be had, said of the file ("another program is still changing it"); then
// `work` did not run.
QString WithFileLock(const QString& path, const std::function<void()>& work, int timeoutMs = 10000);

} // namespace platform
