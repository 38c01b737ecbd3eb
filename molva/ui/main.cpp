// The molva program: the calculator window; with --batch, a task file run
// without any window.
#include "engine/calc_state.h"
#include "engine/task_text.h"
#include "frm_splash.h"
#include "molva_main.h"
#include "platform/qt_services.h"

#include <QApplication>
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

int RunWindow(int argc, char** argv) {
    const char separator = LocaleDecimalSeparator();
    QApplication app(argc, argv);
    QApplication::setApplicationName("Molva");
    platform::QtServices real("Molva", "Molva Help");
    molva::ui::MolvaMain window(real.services(), separator, QApplication::applicationDirPath());
    auto* splash = new molva::ui::FrmSplash(true, [&window] { window.show(); });
    splash->show();
    return QApplication::exec();
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::string_view(argv[1]) == "--batch")
        return RunBatch(argv[2]);
    return RunWindow(argc, argv);
}
