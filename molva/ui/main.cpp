// The molva program: the calculator window; with --batch, a task file run
// without any window; with --composition and --empirical, the chemist's
// tables on the command line.
#include "calculator_window.h"
#include "engine/calc_state.h"
#include "engine/composition.h"
#include "engine/task_text.h"
#include "platform/qt_services.h"
#include "platform/user_file.h"
#include "splash_window.h"

#include <QApplication>
#include <QFile>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <exception>
#include <iostream>
#include <locale>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr const char* kUsage =
    "Usage: molva [--help | --version]\n"
    "       molva [--weights TABLE] (--batch FILE | --composition FORMULA | --empirical PAIRS)\n"
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
    "                 UTF-8. It must be a regular file of at most 256 MB; any file that\n"
    "                 cannot be read, and any output that cannot be written, gives exit\n"
    "                 status 1.\n"
    "  --composition FORMULA\n"
    "                 print the composition of FORMULA (such as CuSO4\xC2\xB7"
    "5H2O): a header\n"
    "                 line, then per element its symbol, name, atom count, mass and\n"
    "                 mass percent, then the totals, separated by tabs\n"
    "  --empirical PAIRS\n"
    "                 print the empirical formula of element and mass percent pairs,\n"
    "                 such as \"C=40.0 H=6.7 O=53.3\" (gives CH2O)\n"
    "  --weights TABLE\n"
    "                 the atomic weights to use: classic (the default) or iupac2021\n"
    "  --version      print the version\n"
    "  --help         print this text\n"
    "\n"
    "The window also takes the toolkit's own options, such as -platform NAME or\n"
    "-style NAME.\n";

// The toolkit's options that the window understands, with whether each takes a value.
struct WindowOption {
    std::string_view name;
    bool takesValue;
};

constexpr WindowOption kWindowOptions[] = {
    {"-platform", true},        {"-platformpluginpath", true},
    {"-platformtheme", true},   {"-plugin", true},
    {"-qwindowgeometry", true}, {"-qwindowicon", true},
    {"-qwindowtitle", true},    {"-style", true},
    {"-stylesheet", true},      {"-session", true},
    {"-display", true},         {"-geometry", true},
    {"-reverse", false},        {"-widgetcount", false},
    {"-nograb", false},         {"-dograb", false},
    {"-sync", false},
};

// True when every argument is one of the toolkit's window options.
bool OnlyWindowOptions(const std::vector<std::string_view>& arguments) {
    for (std::size_t k = 0; k < arguments.size(); ++k) {
        const WindowOption* known = nullptr;
        for (const WindowOption& option : kWindowOptions) {
            if (arguments[k] == option.name)
                known = &option;
        }
        if (!known || (known->takesValue && ++k >= arguments.size()))
            return false;
    }
    return true;
}

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

// Standard input, read up to the same limit as a file.
std::optional<std::string> ReadStandardInput(std::string& error) {
    std::string bytes;
    char buffer[65536];
    std::size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof buffer, stdin)) > 0) {
        bytes.append(buffer, got);
        if (static_cast<qint64>(bytes.size()) > platform::kUserFileLimit) {
            error = "standard input is larger than " +
                    platform::SizeText(platform::kUserFileLimit).toStdString();
            return std::nullopt;
        }
    }
    if (std::ferror(stdin)) {
        error = std::string("standard input cannot be read: ") + std::strerror(errno);
        return std::nullopt;
    }
    return bytes;
}

std::optional<std::string> ReadTask(const std::string& path, std::string& error) {
    if (path == "-")
        return ReadStandardInput(error);
    const platform::UserFile file = platform::ReadUserFile(QString::fromLocal8Bit(path));
    if (!file.ok()) {
        error = file.error.toLocal8Bit().toStdString();
        return std::nullopt;
    }
    return file.bytes.toStdString();
}

// Writes the whole output; a failed write is an error and exit status 1.
int WriteOutput(const std::string& output) {
    const bool written = std::fwrite(output.data(), 1, output.size(), stdout) == output.size();
    if (!written || std::fflush(stdout) != 0) {
        std::cerr << "molva: the results cannot be written: " << std::strerror(errno) << "\n";
        return 1;
    }
    return 0;
}

int Fail(std::string_view message) {
    std::cerr << "molva: " << message << "\n";
    return 1;
}

int RunBatch(const std::string& path, molva::AtomicWeights weights) {
    std::string error;
    const auto bytes = ReadTask(path, error);
    if (!bytes)
        return Fail(error);
    return WriteOutput(molva::RunBatch(*bytes, LocaleDecimalSeparator(), weights));
}

int PrintComposition(std::string_view formula, molva::AtomicWeights weights) {
    const char separator = LocaleDecimalSeparator();
    const molva::Composition composition = molva::ComputeComposition(formula, weights, separator);
    if (composition.failed())
        return Fail(composition.message);
    return WriteOutput(molva::TabSeparated(molva::CompositionTable(composition, separator)));
}

int PrintEmpiricalFormula(std::string_view pairs, molva::AtomicWeights weights) {
    const molva::EmpiricalFormula found = molva::FindEmpiricalFormula(pairs, weights);
    if (!found.message.empty())
        return Fail(found.message);
    return WriteOutput(found.formula + "\n");
}

// The commands that run without a window, after an optional --weights TABLE;
// nullopt when the arguments are not one of them.
std::optional<int> RunWithoutWindow(std::vector<std::string_view> arguments) {
    molva::AtomicWeights weights = molva::AtomicWeights::Classic;
    if (!arguments.empty() && arguments[0] == "--weights") {
        if (arguments.size() < 2)
            return std::nullopt;
        const auto named = molva::AtomicWeightsNamed(arguments[1]);
        if (!named) {
            std::cerr << "molva: unknown atomic weights \"" << arguments[1]
                      << "\": use classic or iupac2021\n";
            return 2;
        }
        weights = *named;
        arguments.erase(arguments.begin(), arguments.begin() + 2);
    }
    if (arguments.size() != 2)
        return std::nullopt;
    const std::string_view value = arguments[1];
    if (arguments[0] == "--batch")
        return RunBatch(std::string(value), weights);
    if (arguments[0] == "--composition")
        return PrintComposition(value, weights);
    if (arguments[0] == "--empirical")
        return PrintEmpiricalFormula(value, weights);
    return std::nullopt;
}

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
    molva::ui::CalculatorWindow window(real.services(), separator, ExampleDirectory());
    auto* splash = new molva::ui::SplashWindow(true, [&window] { window.show(); });
    splash->show();
    return QApplication::exec();
}

int Run(int argc, char** argv) {
    const std::vector<std::string_view> arguments(argv + 1, argv + argc);
    const std::string_view option = arguments.empty() ? "" : arguments[0];
    if (const auto status = RunWithoutWindow(arguments))
        return *status;
    if (option == "--version" && arguments.size() == 1) {
        std::cout << "molva " << MOLVA_VERSION << "\n";
        return 0;
    }
    if (option == "--help" && arguments.size() == 1) {
        std::cout << kUsage;
        return 0;
    }
    if (!OnlyWindowOptions(arguments)) {
        std::cerr << kUsage;
        return 2;
    }
    return RunWindow(argc, argv);
}

} // namespace

int main(int argc, char** argv) {
    try {
        return Run(argc, argv);
    } catch (const std::exception& failure) {
        std::cerr << "molva: " << failure.what() << "\n";
    } catch (...) {
        std::cerr << "molva: an unexpected failure ended the program\n";
    }
    return 1;
}
