// The galvix3 program: the splash window starts everything, unless the
// command line asks for a calculation or a list, which need no window.
#include "core/command_line.h"
#include "core/reaction_session.h"
#include "data_folder.h"
#include "galvix_context.h"
#include "galvix_windows.h"
#include "platform/qt_services.h"
#include "splash_window.h"

#include <QApplication>
#include <QCoreApplication>
#include <QStandardPaths>
#include <cstdio>
#include <exception>
#include <string>
#include <vector>

namespace {

// The installed data beside a program in PREFIX/bin: PREFIX/share/galvix3.
QString InstalledShare(const QString& programDirectory, const QString& subfolder) {
    return programDirectory + "/../share/" + subfolder;
}

platform::DataDirectory DataDirectory(const QString& programDirectory) {
    return galvix::ui::ChooseDataDirectory(
        programDirectory, InstalledShare(programDirectory, "galvix3"),
        QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
}

// --calc and --list: answers on standard output, no window and no display.
int RunWithoutWindows(const galvix::Command& command, int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(galvix::ui::kApplicationName);
    const platform::DataDirectory folder = DataDirectory(QCoreApplication::applicationDirPath());
    for (const QString& problem : folder.problems)
        std::fprintf(stderr, "galvix3: %s\n", problem.toLocal8Bit().constData());
    const std::string dataDirectory = folder.path.toStdString();
    const galvix::CommandOutput output =
        command.kind == galvix::CommandKind::List
            ? galvix::RunList(command.list, dataDirectory)
            : galvix::RunCalculate(command.calculate, dataDirectory);
    const bool written = std::fputs(output.out.c_str(), stdout) >= 0 && std::fflush(stdout) == 0;
    if (!output.error.empty())
        std::fprintf(stderr, "galvix3: %s\n", output.error.c_str());
    if (!written) {
        std::fputs("galvix3: the results cannot be written\n", stderr);
        return galvix::ExitFailure;
    }
    return output.exitCode;
}

int Run(int argc, char** argv) {
    const galvix::Command command =
        galvix::ParseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
    if (!command.ok()) {
        std::fprintf(stderr, "galvix3: %s\nTry 'galvix3 --help' for more information.\n",
                     command.usageError.c_str());
        return galvix::ExitUsage;
    }
    switch (command.kind) {
    case galvix::CommandKind::Help:
        std::fputs(galvix::HelpText().c_str(), stdout);
        return 0;
    case galvix::CommandKind::Version:
        std::printf("galvix3 %s\n", GALVIX_VERSION);
        return 0;
    case galvix::CommandKind::Calculate:
    case galvix::CommandKind::List:
        return RunWithoutWindows(command, argc, argv);
    case galvix::CommandKind::Windows:
        break;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(galvix::ui::kApplicationName);
    QApplication::setQuitOnLastWindowClosed(false);
    const QString programDirectory = QApplication::applicationDirPath();
    const platform::DataDirectory folder = DataDirectory(programDirectory);
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
