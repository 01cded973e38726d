// Export of a full-size final table (65,536 rows × 52 columns, 3% of the
// cells tinted) through ExporterTableauFinal. Targets: under 1 s a run and
// under 400 MB of peak resident memory (the "peak_rss_MB" counter, which
// includes the final table itself).

#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "ClasseurDeBanc.h"
#include "compare/ExporterTableauFinal.h"

namespace {

double PicMemoireMo() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;  // ru_maxrss is in KiB
}

void BM_ExporterTableauFinal(benchmark::State& state) {
    const velmora::TableauFinal tableau = velmora::bench::TableauFinalDeBanc(52, 65536, 0.03);
    const auto dossier = std::filesystem::temp_directory_path() /
                         ("velmora-bench-export-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dossier);
    for (auto _ : state) {
        const auto issue = velmora::ExporterTableauFinal(tableau, dossier, "francais", {});
        benchmark::DoNotOptimize(issue);
    }
    state.counters["file_MB"] =
        static_cast<double>(std::filesystem::file_size(dossier / velmora::kNomFichierExport)) /
        (1024.0 * 1024.0);
    state.counters["peak_rss_MB"] = PicMemoireMo();
    std::filesystem::remove_all(dossier);
}
BENCHMARK(BM_ExporterTableauFinal)->Unit(benchmark::kMillisecond)->Iterations(3);

// Builds (once) the workbook the reader's benchmarks can load.
void BM_GrandClasseurEnCache(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(velmora::bench::GrandClasseurDeBanc(VELMORA_BENCH_CACHE_DIR));
    }
}
BENCHMARK(BM_GrandClasseurEnCache)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace

BENCHMARK_MAIN();
