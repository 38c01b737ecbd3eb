#include "data_folder.h"

#include "core/half_reaction_table.h"
#include "platform/data_location.h"

#include <QDir>
#include <QFile>

namespace galvix::ui {

QString ChooseDataDirectory(const QString& programDirectory, const QString& installedDirectory,
                            const QString& userDirectory) {
    const auto holdsData = [](const QString& folder) {
        return QFile::exists(QDir(folder).filePath(DataFileName));
    };
    if (!holdsData(programDirectory) && !holdsData(installedDirectory) && !holdsData(userDirectory))
        return QDir::cleanPath(userDirectory) + "/";
    return platform::PrepareDataDirectory(programDirectory, installedDirectory, userDirectory,
                                          DataFileName, {{"Data.dat", "Ele.dat"}, {"Custom.dat"}});
}

} // namespace galvix::ui
