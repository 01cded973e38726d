// Reading a full 65,536-row x 52-column workbook written by xlwt (source 0)
// or by our own writer (source 1), and the whole import of its worksheet into
// a grid. Targets: import under 1 s, peak
// memory under 400 MB (the peak_rss_mb counter; run one benchmark per process
// with --benchmark_filter to see each one's own peak).
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <string>

#include "ClasseurDeBanc.h"
#include "compare/Table.h"
#include "import/ImporterFeuilleExcel.h"
#include "workbook/WorkbookReader.h"

namespace {

// Written once by tests/data/make_xls_fixtures.py (about half a minute) and
// kept in the build folder.
const std::string& bigWorkbook() {
    static const std::string path = [] {
        const std::filesystem::path dir = VELMORA_IMPORT_BENCH_CACHE;
        const std::filesystem::path file = dir / "xlwt_65536x52.xls";
        if (!std::filesystem::exists(file)) {
            std::filesystem::create_directories(dir);
            const std::string command = "/usr/bin/python3 '" VELMORA_SOURCE_DIR
                                        "/tests/data/make_xls_fixtures.py' --bench '" +
                                        file.string() + "'";
            if (std::system(command.c_str()) != 0) {
                throw std::runtime_error("cannot write the benchmark workbook: " + command);
            }
        }
        return file.string();
    }();
    return path;
}

double peakRssMb() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

const std::string& workbook(std::int64_t source) {
    static const std::string ours =
        velmora::bench::GrandClasseurDeBanc(VELMORA_IMPORT_BENCH_CACHE).string();
    return source == 0 ? bigWorkbook() : ours;
}

void BM_ReadWorkbook(benchmark::State& state) {
    const std::string& path = workbook(state.range(0));
    std::size_t cells = 0;
    for (auto _ : state) {
        const auto book = velmora::WorkbookReader::readFile(path);
        cells = book->worksheets.at(0).data->cellCount();
        benchmark::DoNotOptimize(book.get());
    }
    state.counters["cells"] = static_cast<double>(cells);
    state.counters["peak_rss_mb"] = peakRssMb();
}
BENCHMARK(BM_ReadWorkbook)->Arg(0)->Arg(1)->ArgName("source")->Unit(benchmark::kMillisecond);

void BM_ImportWorksheet(benchmark::State& state) {
    const std::string& path = workbook(state.range(0));
    velmora::OptionsImport options;
    options.cellulesFusionnees = state.range(1) != 0;
    velmora::ResultatImport result;
    for (auto _ : state) {
        velmora::Table grid;
        result = velmora::ImporterFeuilleExcel(grid, path, options);
        benchmark::DoNotOptimize(grid.cell(51, 65535).data());
    }
    state.counters["rows"] = result.lignes;
    state.counters["columns"] = result.largeurFeuille;
    state.counters["peak_rss_mb"] = peakRssMb();
}
BENCHMARK(BM_ImportWorksheet)
    ->Args({0, 0})
    ->Args({0, 1})
    ->Args({1, 0})
    ->ArgNames({"source", "merged"})
    ->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
