#include "data_location.h"

#include "files.h"

#include <QDir>
#include <QFile>

namespace platform {

namespace {

QString WithSlash(const QString& directory) {
    return directory.endsWith('/') ? directory : directory + "/";
}

QByteArray ReadWhole(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

QString PrepareDataDirectory(const QString& programDirectory, const QString& installedDirectory,
                             const QString& userDirectory, const QString& marker,
                             const DataFiles& files) {
    const QString program = WithSlash(programDirectory);
    if (QFile::exists(program + marker))
        return program;
    const QString installed = WithSlash(installedDirectory);
    const QString user = WithSlash(userDirectory);
    QDir().mkpath(user);
    for (const QString& name : files.refreshed) {
        if (!QFile::exists(installed + name))
            continue;
        const QByteArray shipped = ReadWhole(installed + name);
        if (!QFile::exists(user + name) || ReadWhole(user + name) != shipped)
            ReplaceFile(user + name, shipped);
    }
    for (const QString& name : files.seededOnce) {
        if (QFile::exists(installed + name) && !QFile::exists(user + name))
            ReplaceFile(user + name, ReadWhole(installed + name));
    }
    return user;
}

} // namespace platform
