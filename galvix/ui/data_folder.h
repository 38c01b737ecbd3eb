// Where Galvix3 finds its data files.
#pragma once

#include <QString>

namespace galvix::ui {

// The data directory, ending with "/": the program's folder while it holds
// Data.dat, otherwise the user's folder, brought up to date from the installed
// copies. When no folder holds Data.dat the user's folder is answered without
// being created, so that loading reports Data.dat missing there.
QString ChooseDataDirectory(const QString& programDirectory, const QString& installedDirectory,
                            const QString& userDirectory);

} // namespace galvix::ui
