// Speed of Molva's line path: a mix of typical lines, and long lines; and
// the composition of a formula of thirty elements.
#include "engine/composition.h"
#include "engine/session.h"

#include <array>
#include <benchmark/benchmark.h>
#include <string>

namespace {

constexpr std::array<const char*, 16> kTypicalLines = {
    "2H2O+NaCl", "K2Cr2O7",        "Fe2(SO4)3", "C12H22O11",    "#deg",        "sin30+cos60",
    "sqrt2*3",   "sum(1+2+3+4+5)", "x^2-5x+6",  "2x^2+3x+1",    "log100/ln10", "1/0",
    "Z",         "CuSO4*5H2O",     "#rad",      "(1+2)*3^2-4/5"};

void BM_RunLineMix(benchmark::State& state) {
    molva::CalcSession session;
    std::size_t next = 0;
    for (auto _ : state) {
        auto entry = session.Enter(kTypicalLines[next]);
        benchmark::DoNotOptimize(entry);
        next = (next + 1) % kTypicalLines.size();
    }
}
BENCHMARK(BM_RunLineMix);

void BM_FormulaWeight(benchmark::State& state) {
    molva::CalcSession session;
    for (auto _ : state) {
        auto entry = session.Enter("Fe2(SO4)3");
        benchmark::DoNotOptimize(entry);
    }
}
BENCHMARK(BM_FormulaWeight);

void BM_LongLine(benchmark::State& state) {
    std::string line;
    while (line.size() < 10000)
        line += "H2O+1.5*2-";
    line += "1";
    molva::CalcSession session;
    for (auto _ : state) {
        auto entry = session.Enter(line);
        benchmark::DoNotOptimize(entry);
    }
}
BENCHMARK(BM_LongLine)->Unit(benchmark::kMillisecond);

// A line at the 32,767-character limit of water formulas typed in lower case:
// every formula after the first needs a case repair.
void BM_LowerCaseLineAtLimit(benchmark::State& state) {
    std::string line;
    while (line.size() < 32767)
        line += "h2o";
    line.resize(32767);
    molva::CalcSession session;
    for (auto _ : state) {
        auto entry = session.Enter(line);
        benchmark::DoNotOptimize(entry);
    }
}
BENCHMARK(BM_LowerCaseLineAtLimit)->Unit(benchmark::kMillisecond);

// Thirty elements, hydrogen to arsenic without the noble gases, some with counts.
void BM_CompositionOfThirtyElements(benchmark::State& state) {
    const std::string formula = "HLi2BeB3CNO4FNaMg2AlSi2PS3ClKCaScTiVCr2MnFe3CoNiCu2ZnGaGeAs";
    for (auto _ : state) {
        const molva::Composition composition =
            molva::ComputeComposition(formula, molva::AtomicWeights::Iupac2021);
        auto table = molva::CompositionTable(composition);
        benchmark::DoNotOptimize(table);
    }
}
BENCHMARK(BM_CompositionOfThirtyElements)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
