#include "data_location.h"

#include "files.h"
#include "user_file.h"

#include <QDir>
#include <QFile>

namespace platform {

namespace {

QString WithSlash(const QString& directory) {
    return directory.endsWith('/') ? directory : directory + "/";
}

// Copies one installed file into the user's folder; `refresh` replaces a copy
// that differs, otherwise an existing copy stays. Empty on success.
QString CopyInstalled(const QString& installed, const QString& user, const QString& name,
                      bool refresh) {
    if (!QFile::exists(installed + name) || (!refresh && QFile::exists(user + name)))
        return {};
    const UserFile shipped = ReadUserFile(installed + name);
    if (!shipped.ok())
        return QString("%1 cannot be copied into the data folder %2: %3")
            .arg(name, user, shipped.error);
    if (QFile::exists(user + name)) {
        const UserFile current = ReadUserFile(user + name);
        if (current.ok() && current.bytes == shipped.bytes)
            return {};
    }
    const FileWrite written = ReplaceFile(user + name, shipped.bytes);
    if (!written.ok)
        return QString("%1 cannot be copied into the data folder %2: %3")
            .arg(name, user, written.reason);
    return {};
}

} // namespace

DataDirectory PrepareDataDirectory(const QString& programDirectory,
                                   const QString& installedDirectory, const QString& userDirectory,
                                   const QString& marker, const DataFiles& files) {
    const QString program = WithSlash(programDirectory);
    if (QFile::exists(program + marker))
        return {program, {}};
    const QString installed = WithSlash(installedDirectory);
    DataDirectory prepared{WithSlash(userDirectory), {}};
    if (!QDir().mkpath(prepared.path)) {
        prepared.problems << QString("The data folder %1 cannot be created.").arg(prepared.path);
        return prepared;
    }
    const auto copy = [&](const QStringList& names, bool refresh) {
        for (const QString& name : names) {
            const QString problem = CopyInstalled(installed, prepared.path, name, refresh);
            if (!problem.isEmpty())
                prepared.problems << problem;
        }
    };
    copy(files.refreshed, true);
    copy(files.seededOnce, false);
    return prepared;
}

} // namespace platform
