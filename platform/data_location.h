// Where a program finds its data files: beside the executable while they are
// there (the build tree, a portable copy), otherwise in the user's own data
// folder, seeded from the installed copies.
#pragma once

#include <QString>
#include <QStringList>

namespace platform {

struct DataFiles {
    QStringList refreshed;  // replaced whenever the installed copy differs (built-in data)
    QStringList seededOnce; // copied only when absent (the user's own files)
};

struct DataDirectory {
    QString path;         // with a trailing "/"
    QStringList problems; // what could not be prepared, each naming the folder
};

// When programDirectory holds `marker`, that is the directory. Otherwise
// userDirectory is created if needed, the refreshed files are brought up to
// date from installedDirectory and the seeded files are copied when missing;
// files the user made (such as saved reactions) are never touched. A folder
// that cannot be created, an installed copy that cannot be read and a copy
// that cannot be written are each reported where they happen.
DataDirectory PrepareDataDirectory(const QString& programDirectory,
                                   const QString& installedDirectory, const QString& userDirectory,
                                   const QString& marker, const DataFiles& files);

} // namespace platform
