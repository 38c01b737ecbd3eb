// libFuzzer target: any bytes, as lines, through the calculator's Enter.
#include "engine/session.h"
#include "engine/task_text.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text =
        molva::DecodeTaskText(std::string_view(reinterpret_cast<const char*>(data), size));
    for (const char separator : {'.', ','}) {
        molva::CalcSession session(separator);
        session.state().random.seed(1);
        for (const std::string_view line : molva::SplitLines(text)) {
            const molva::Entry entry = session.Enter(line);
            if (entry.historyText.size() > (1u << 24))
                __builtin_trap();
        }
    }
    return 0;
}
