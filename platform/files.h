// Whole-file writes that a crash, a full disk or a read-only folder cannot
// leave half done.
#pragma once

#include <QByteArray>
#include <QString>

namespace platform {

// Writes a temporary file beside `path` and renames it over the old one; on
// any failure the old file stays as it was. True on success.
bool ReplaceFile(const QString& path, const QByteArray& bytes);

// Appends to a file, creating it when absent. True on success.
bool AppendToFile(const QString& path, const QByteArray& bytes);

} // namespace platform
