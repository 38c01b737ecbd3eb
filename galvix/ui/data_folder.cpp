#include "data_folder.h"

#include "core/elements.h"
#include "core/half_reaction_table.h"
#include "core/reaction_session.h"
#include "core/reaction_sources.h"
#include "platform/data_location.h"
#include "platform/files.h"

#include <QDir>
#include <QFile>

namespace galvix::ui {

platform::DataDirectory ChooseDataDirectory(const QString& programDirectory,
                                            const QString& installedDirectory,
                                            const QString& userDirectory) {
    const auto holdsData = [](const QString& folder) {
        return QFile::exists(QDir(folder).filePath(DataFileName));
    };
    if (!holdsData(programDirectory) && !holdsData(installedDirectory) && !holdsData(userDirectory))
        return {QDir::cleanPath(userDirectory) + "/", {}};
    return platform::PrepareDataDirectory(
        programDirectory, installedDirectory, userDirectory, DataFileName,
        {{DataFileName, ElementFileName, SourcesFileName}, {CustomFileName}});
}

void GuardCustomFile(ReactionSession& session) {
    session.setFileGuard([](const std::string& path,
                            const std::function<void()>& work) -> std::optional<std::string> {
        const QString refused = platform::WithFileLock(QString::fromStdString(path), work);
        if (refused.isEmpty())
            return std::nullopt;
        return refused.toStdString();
    });
}

} // namespace galvix::ui
