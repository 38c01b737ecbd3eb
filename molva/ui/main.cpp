// The molva program: the calculator window; with --batch, a task file run
// without any window.
#include "engine/calc_state.h"
#include "engine/task_text.h"
#include "frm_splash.h"
#include "molva_main.h"
#include "platform/qt_services.h"

#include <QApplication>
#include <QFile>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <iterator>
#include <locale>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>

namespace {

// The decimal separator of the user's locale: how it writes one half.
char LocaleDecimalSeparator() {
    try {
        std::ostringstream half;
        half.imbue(std::locale(""));
        half << 0.5;
        return molva::DecimalSeparatorFor(half.str());
    } catch (const std::runtime_error&) {
        return '.';
    }
}

std::optional<std::string> ReadAll(const std::string& path) {
    if (path == "-") {
        return std::string(std::istreambuf_iterator<char>(std::cin),
                           std::istreambuf_iterator<char>());
    }
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (in.bad())
        return std::nullopt;
    return bytes;
}

int RunBatch(const std::string& path) {
    const auto bytes = ReadAll(path);
    if (!bytes) {
        std::cerr << "molva: cannot read " << path << "\n";
        return 1;
    }
    const std::string output = molva::RunBatch(*bytes, LocaleDecimalSeparator());
    std::fwrite(output.data(), 1, output.size(), stdout);
    return std::fflush(stdout) == 0 ? 0 : 1;
}

constexpr const char* kHelp =
    "Usage: molva [--help | --version | --batch FILE]\n"
    "\n"
    "Molva is a scientific and molecular-weight calculator: a line such as 2H2O+NaCl\n"
    "is the molecular weight of two waters and a sodium chloride.\n"
    "\n"
    "  --batch FILE   run every line of FILE (- for standard input) as the calculator\n"
    "                 would, without a window, and print one line per input line: the\n"
    "                 calculator's history text, \" = \" and the result. Lines starting\n"
    "                 with # change the number format (#fix3, #sci2, #auto), the angle\n"
    "                 unit (#deg, #rad, #grad) or the memory (#mem, #mem+, #mem-).\n"
    "                 FILE is read as UTF-8, or as Windows-1252 when it is not valid\n"
    "                 UTF-8. An unreadable FILE gives exit status 1.\n"
    "  --version      print the version\n"
    "  --help         print this text\n";

// Example.tsk beside the program, or in PREFIX/share/molva when installed.
QString ExampleDirectory() {
    const QString programDirectory = QApplication::applicationDirPath();
    if (QFile::exists(programDirectory + "/Example.tsk"))
        return programDirectory;
    return programDirectory + "/../share/molva";
}

int RunWindow(int argc, char** argv) {
    const char separator = LocaleDecimalSeparator();
    QApplication app(argc, argv);
    QApplication::setApplicationName("Molva");
    platform::QtServices real("Molva", "Molva Help");
    molva::ui::MolvaMain window(real.services(), separator, ExampleDirectory());
    auto* splash = new molva::ui::FrmSplash(true, [&window] { window.show(); });
    splash->show();
    return QApplication::exec();
}

} // namespace

int main(int argc, char** argv) {
    const std::string_view option = argc > 1 ? argv[1] : "";
    if (option == "--batch") {
        if (argc != 3) {
            std::cerr << kHelp;
            return 2;
        }
        return RunBatch(argv[2]);
    }
    if (option == "--version") {
        std::cout << "molva " << MOLVA_VERSION << "\n";
        return 0;
    }
    if (option == "--help") {
        std::cout << kHelp;
        return 0;
    }
    return RunWindow(argc, argv);
}
