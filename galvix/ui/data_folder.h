// Where Galvix3 finds its data files, and how two instances share them.
#pragma once

#include "platform/data_location.h"

#include <QString>

namespace galvix {
class ReactionSession;
}

namespace galvix::ui {

// The data directory, ending with "/": the program's folder while it holds
// Data.dat, otherwise the user's folder, brought up to date from the installed
// copies. When no folder holds Data.dat the user's folder is answered without
// being created, so that loading reports Data.dat missing there. The problems
// of preparing the user's folder come back with it.
platform::DataDirectory ChooseDataDirectory(const QString& programDirectory,
                                            const QString& installedDirectory,
                                            const QString& userDirectory);

// Makes every read-modify-write of Custom.dat hold the lock file beside it,
// so that edits made in two instances at once are all kept.
void GuardCustomFile(ReactionSession& session);

} // namespace galvix::ui
