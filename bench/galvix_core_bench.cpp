// Speed of the Galvix3 core on a full table: 531 built-in and 300 custom entries.
#include "core/cell_reaction.h"
#include "core/field_reader.h"
#include "core/half_reaction_table.h"
#include "core/reaction_session.h"

#include <benchmark/benchmark.h>
#include <chrono>
#include <filesystem>
#include <fstream>

namespace {

// A data directory with the shipped Data.dat and a full Custom.dat.
class FullTableDir {
  public:
    FullTableDir() : path_(std::filesystem::temp_directory_path() / "galvix-bench") {
        std::filesystem::create_directories(path_);
        const std::string shipped = GALVIX_SHIPPED_DATA_DIR;
        std::filesystem::copy_file(shipped + "Data.dat", path_ / "Data.dat",
                                   std::filesystem::copy_options::overwrite_existing);
        std::ofstream custom(path_ / "Custom.dat", std::ios::binary);
        custom << "300\r\n";
        for (int i = 0; i < galvix::CustomCapacity; ++i)
            custom << "\"Custom" << i << " -> Custom" << i << "\xa2 + e\"," << (i % 50) * 0.05 - 1
                   << "\r\n";
    }
    ~FullTableDir() { std::filesystem::remove_all(path_); }
    std::string directory() const { return path_.string() + "/"; }

  private:
    std::filesystem::path path_;
};

const FullTableDir& Dir() {
    static const FullTableDir dir;
    return dir;
}

void BM_LoadTable(benchmark::State& state) {
    for (auto _ : state) {
        auto load = galvix::LoadTable(Dir().directory());
        benchmark::DoNotOptimize(load);
    }
}
BENCHMARK(BM_LoadTable)->Unit(benchmark::kMillisecond);

// The pair every Calculate benchmark analyses: the last two entries.
struct Pair {
    std::string oxidation;
    std::string reduction;
};

Pair LastTwo() {
    const auto table = galvix::LoadTable(Dir().directory()).table;
    return {table[table.count()].oxidationText, table[table.count() - 1].reductionText};
}

// Calculate as the windows ran it before the session: both files read again,
// then the reaction data window deriving E(cell), the free energy and K from
// its label texts once for each of the ten labels it set.
void BM_CalculateReloadingAndRederiving(benchmark::State& state) {
    const Pair pair = LastTwo();
    for (auto _ : state) {
        auto outcome = galvix::Calculate(Dir().directory(), pair.oxidation, pair.reduction, 0, 0);
        for (int label = 0; label < 10; ++label) {
            auto values = galvix::DeriveCellValues(
                outcome.result.oxidationPotentialText, outcome.result.reductionPotentialText,
                outcome.result.overallLogKText, outcome.result.transferredElectrons);
            benchmark::DoNotOptimize(values);
        }
    }
}
BENCHMARK(BM_CalculateReloadingAndRederiving)->Unit(benchmark::kMicrosecond);

// Calculate through the session while neither file changes: two stats of the
// files, the analysis and one derivation of the complete result.
void BM_SessionCalculate(benchmark::State& state) {
    const Pair pair = LastTwo();
    galvix::ReactionSession session(Dir().directory());
    for (auto _ : state) {
        auto outcome = session.calculate(pair.oxidation, pair.reduction, 0, 0);
        benchmark::DoNotOptimize(outcome);
    }
}
BENCHMARK(BM_SessionCalculate)->Unit(benchmark::kMicrosecond);

// Calculate through the session after every outside edit of Custom.dat, which
// makes it read both files again.
void BM_SessionCalculateAfterOutsideEdit(benchmark::State& state) {
    const Pair pair = LastTwo();
    const auto custom = std::filesystem::path(Dir().directory()) / "Custom.dat";
    galvix::ReactionSession session(Dir().directory());
    for (auto _ : state) {
        std::filesystem::last_write_time(custom, std::filesystem::last_write_time(custom) +
                                                     std::chrono::seconds(1));
        auto outcome = session.calculate(pair.oxidation, pair.reduction, 0, 0);
        benchmark::DoNotOptimize(outcome);
    }
}
BENCHMARK(BM_SessionCalculateAfterOutsideEdit)->Unit(benchmark::kMicrosecond);

// The Alphabetical arrangement as before (both files read, lists built) and
// through the session (lists built from the loaded table).
void BM_AlphabeticalReloading(benchmark::State& state) {
    for (auto _ : state) {
        auto items = galvix::MakeListItems(galvix::LoadTable(Dir().directory()).table,
                                           galvix::Arrangement::Alphabetical);
        benchmark::DoNotOptimize(items);
    }
}
BENCHMARK(BM_AlphabeticalReloading)->Unit(benchmark::kMicrosecond);

void BM_SessionAlphabetical(benchmark::State& state) {
    galvix::ReactionSession session(Dir().directory());
    for (auto _ : state) {
        auto outcome = session.arrange(galvix::Arrangement::Alphabetical);
        benchmark::DoNotOptimize(outcome);
    }
}
BENCHMARK(BM_SessionAlphabetical)->Unit(benchmark::kMicrosecond);

void BM_SessionAscending(benchmark::State& state) {
    galvix::ReactionSession session(Dir().directory());
    for (auto _ : state) {
        auto outcome =
            session.arrange(galvix::Arrangement::Ascending, [](int, int) { return true; });
        benchmark::DoNotOptimize(outcome);
    }
}
BENCHMARK(BM_SessionAscending)->Unit(benchmark::kMillisecond);

void BM_SortForArrangement(benchmark::State& state) {
    const auto table = galvix::LoadTable(Dir().directory()).table;
    for (auto _ : state) {
        auto items = galvix::SortForArrangement(table, galvix::Arrangement::Ascending,
                                                [](int, int) { return true; });
        benchmark::DoNotOptimize(items);
    }
}
BENCHMARK(BM_SortForArrangement)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
