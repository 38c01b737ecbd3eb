// The galvix3 program: the splash window starts everything.
#include "core/reaction_session.h"
#include "data_folder.h"
#include "galvix_context.h"
#include "galvix_windows.h"
#include "platform/qt_services.h"
#include "splash_window.h"

#include <QApplication>
#include <QStandardPaths>
#include <cstdio>
#include <cstring>
#include <exception>

namespace {

constexpr const char* kHelp =
    "Usage: galvix3 [--help | --version]\n"
    "\n"
    "Galvix3 predicts redox reactions from standard electrode potentials: choose one half\n"
    "reaction to be oxidised and one to be reduced, and it balances the electrons and gives\n"
    "E(cell), log K, K, the Gibbs free energy change and whether the reaction will occur.\n"
    "\n"
    "Data files are read from the program's folder when Data.dat is there, otherwise from\n"
    "the user's data folder (~/.local/share/Galvix3), which is filled from the installed\n"
    "copies; your own half reactions (Custom.dat) and saved reactions (Saved.dat) live there.\n";

// The installed data beside a program in PREFIX/bin: PREFIX/share/galvix3.
QString InstalledShare(const QString& programDirectory, const QString& subfolder) {
    return programDirectory + "/../share/" + subfolder;
}

int Run(int argc, char** argv) {
    if (argc > 1 && std::strcmp(argv[1], "--version") == 0) {
        std::printf("galvix3 %s\n", GALVIX_VERSION);
        return 0;
    }
    if (argc > 1 && std::strcmp(argv[1], "--help") == 0) {
        std::fputs(kHelp, stdout);
        return 0;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(galvix::ui::kApplicationName);
    QApplication::setQuitOnLastWindowClosed(false);
    const QString programDirectory = QApplication::applicationDirPath();
    const platform::DataDirectory folder = galvix::ui::ChooseDataDirectory(
        programDirectory, InstalledShare(programDirectory, "galvix3"),
        QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    const QString& dataDirectory = folder.path;
    platform::QtServices real(galvix::ui::kApplicationName, "Galvix3 Help",
                              galvix::ui::HelpPages());
    galvix::ui::GalvixContext context(real.services());
    context.chemFontFiles << dataDirectory + "Chem.ttf" << programDirectory + "/Chem.ttf"
                          << InstalledShare(programDirectory, "fonts/truetype/galvix3/Chem.ttf");
    galvix::ReactionSession session(dataDirectory.toStdString());
    galvix::ui::GuardCustomFile(session);
    galvix::ui::GalvixWindows windows(context, session);
    galvix::ui::SplashWindow splash(windows);
    if (!splash.start(folder.problems))
        return 1;
    return QApplication::exec();
}

} // namespace

int main(int argc, char** argv) {
    try {
        return Run(argc, argv);
    } catch (const std::exception& failure) {
        std::fprintf(stderr, "galvix3: %s\n", failure.what());
    } catch (...) {
        std::fputs("galvix3: an unexpected failure ended the program\n", stderr);
    }
    return 1;
}
