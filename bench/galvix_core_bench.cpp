// Speed of the Galvix3 core on a full table: 531 built-in and 300 custom entries.
#include "core/cell_reaction.h"
#include "core/field_reader.h"
#include "core/half_reaction_table.h"

#include <benchmark/benchmark.h>
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

void BM_Calculate(benchmark::State& state) {
    const auto table = galvix::LoadTable(Dir().directory()).table;
    const std::string oxidation = table[table.count()].oxidationText;
    const std::string reduction = table[table.count() - 1].reductionText;
    for (auto _ : state) {
        auto outcome = galvix::Calculate(Dir().directory(), oxidation, reduction, 0, 0);
        auto values = galvix::DeriveCellValues(
            outcome.result.oxidationPotentialText, outcome.result.reductionPotentialText,
            outcome.result.overallLogKText, outcome.result.transferredElectrons);
        benchmark::DoNotOptimize(values);
    }
}
BENCHMARK(BM_Calculate)->Unit(benchmark::kMillisecond);

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
