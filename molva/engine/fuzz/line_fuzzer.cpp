// libFuzzer target: any bytes, as lines, through the calculator's Enter in
// both tables of atomic weights, and through the composition and the
// empirical formula.
#include "engine/composition.h"
#include "engine/session.h"
#include "engine/task_text.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text =
        molva::DecodeTaskText(std::string_view(reinterpret_cast<const char*>(data), size));
    for (const auto weights : {molva::AtomicWeights::Classic, molva::AtomicWeights::Iupac2021}) {
        for (const char separator : {'.', ','}) {
            molva::CalcSession session(separator);
            session.state().random.seed(1);
            session.state().weights = weights;
            for (const std::string_view line : molva::SplitLines(text)) {
                const molva::Entry entry = session.Enter(line);
                if (entry.historyText.size() > (1u << 24))
                    __builtin_trap();
                const molva::Composition composition =
                    molva::ComputeComposition(line, weights, separator);
                if (!composition.failed() && molva::CompositionTable(composition).size() < 2)
                    __builtin_trap();
                molva::FindEmpiricalFormula(line, weights);
            }
        }
    }
    return 0;
}
