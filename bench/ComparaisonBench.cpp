// Times both comparisons on synthetic tables, and the whole command-line run
// on CSV files of the same data (reading, comparing and writing timed
// separately, with the child's peak memory).
//
// The tables: a unique key in column A, then short texts, whole numbers,
// decimals and dates as text; the amendment changes about 1% of the cells,
// inserts 0.5% new rows and deletes 0.5% of the rows.

#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <random>
#include <string>

#include "cli/EcritureResultat.h"
#include "cli/LectureCsv.h"
#include "compare/PiloteComparaison.h"

namespace {

using velmora::Table;
namespace fs = std::filesystem;

struct Paire {
    Table maitre;
    Table amendement;
};

std::string Valeur(std::mt19937& gen, int colonne) {
    auto alea = [&gen]() { return static_cast<unsigned>(gen()); };
    static const char* const kMots[] = {"alpha",   "bravo", "charlie", "delta", "echo",
                                        "foxtrot", "golf",  "hotel",   "india", "juliet"};
    switch (colonne % 4) {
        case 0:
            return std::string(kMots[alea() % 10]) + " " + kMots[alea() % 10];
        case 1:
            return std::to_string(alea() % 100000);
        case 2: {
            char buf[32];
            std::snprintf(buf, sizeof buf, "%u.%02u", alea() % 10000, alea() % 100);
            return buf;
        }
        default: {
            char buf[32];
            std::snprintf(buf, sizeof buf, "%02u/%02u/20%02u", 1 + alea() % 28, 1 + alea() % 12,
                          alea() % 30);
            return buf;
        }
    }
}

const Paire& Donnees(int lignes, int colonnes) {
    static std::map<std::pair<int, int>, Paire> cache;
    auto trouve = cache.find({lignes, colonnes});
    if (trouve != cache.end()) {
        return trouve->second;
    }
    std::mt19937 alea(12345);
    Table maitre(colonnes, lignes);
    for (int r = 0; r < lignes; ++r) {
        maitre.setCell(0, r, "K" + std::to_string(r));
        for (int c = 1; c < colonnes; ++c) {
            maitre.setCell(c, r, Valeur(alea, c));
        }
    }
    Table amendement(colonnes, 0);
    amendement.reserveRows(lignes + lignes / 100);
    std::vector<std::string> ligne(static_cast<std::size_t>(colonnes));
    std::vector<std::string_view> vues(static_cast<std::size_t>(colonnes));
    int nouvelles = 0;
    for (int r = 0; r < lignes; ++r) {
        const auto tirage = alea() % 1000;
        if (tirage < 5) {
            continue;  // deleted row
        }
        for (int c = 0; c < colonnes; ++c) {
            ligne[static_cast<std::size_t>(c)] = std::string(maitre.cell(c, r));
            if (c > 0 && alea() % 100 == 0) {
                ligne[static_cast<std::size_t>(c)] = Valeur(alea, c);
            }
            vues[static_cast<std::size_t>(c)] = ligne[static_cast<std::size_t>(c)];
        }
        amendement.appendRow(vues);
        if (tirage >= 995) {  // inserted row after this one
            ligne[0] = "N" + std::to_string(nouvelles++);
            for (int c = 1; c < colonnes; ++c) {
                ligne[static_cast<std::size_t>(c)] = Valeur(alea, c);
            }
            for (int c = 0; c < colonnes; ++c) {
                vues[static_cast<std::size_t>(c)] = ligne[static_cast<std::size_t>(c)];
            }
            amendement.appendRow(vues);
        }
    }
    return cache
        .emplace(std::pair{lignes, colonnes}, Paire{std::move(maitre), std::move(amendement)})
        .first->second;
}

void Comparer(benchmark::State& state, bool parReferences) {
    const auto& d = Donnees(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    velmora::ModeComparaison mode;
    if (parReferences) {
        mode.EntreeTableau = "Reference";
        mode.Ref1 = "0";
    }
    for (auto _ : state) {
        velmora::TableauFinal final;
        velmora::BarreProgression barre;
        velmora::ExecuterComparaison(mode, d.maitre, d.amendement, 0, true, final, barre);
        benchmark::DoNotOptimize(final.rowCount());
    }
    const double cellules =
        static_cast<double>(state.range(0)) * static_cast<double>(state.range(1));
    state.counters["cells/s"] =
        benchmark::Counter(cellules, benchmark::Counter::kIsIterationInvariantRate);
}

void BM_ComparerTableauxIdentiques(benchmark::State& state) {
    Comparer(state, false);
}
void BM_ComparerParReferences(benchmark::State& state) {
    Comparer(state, true);
}

fs::path FichierCsv(const Table& t, const std::string& nom) {
    const fs::path dossier = fs::temp_directory_path() / "velmora-bench";
    fs::create_directories(dossier);
    const fs::path p = dossier / nom;
    if (!fs::exists(p)) {
        velmora::TableauFinal f;
        f.resize(t.columnCount(), t.rowCount());
        for (int r = 0; r < t.rowCount(); ++r) {
            for (int c = 0; c < t.columnCount(); ++c) {
                f.setTexte(c, r, t.cell(c, r));
            }
        }
        velmora::EcrireFichierAtomique(p, [&](std::ostream& o) { velmora::EcrireCsv(o, f); });
    }
    return p;
}

double Secondes(std::chrono::steady_clock::time_point debut) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - debut).count();
}

// The whole command-line run in a child process, for its peak memory, then
// the same three phases in this process, for the split of the time.
void BM_LigneCommandeCsv(benchmark::State& state) {
    const int lignes = static_cast<int>(state.range(0));
    const int colonnes = static_cast<int>(state.range(1));
    const auto& d = Donnees(lignes, colonnes);
    const std::string suffixe = std::to_string(lignes) + "x" + std::to_string(colonnes);
    const fs::path maitre = FichierCsv(d.maitre, "master-" + suffixe + ".csv");
    const fs::path amendement = FichierCsv(d.amendement, "amendment-" + suffixe + ".csv");
    const fs::path sortie = fs::temp_directory_path() / "velmora-bench" / "result.json";

    double pic = 0, lecture = 0, comparaison = 0, ecriture = 0;
    for (auto _ : state) {
        // The child's peak is read by a small Python parent: a child of this
        // process would count this process's tables in its own peak.
        const std::string commande =
            "/usr/bin/python3 -c 'import resource,subprocess,sys;"
            "r=subprocess.run(sys.argv[1:]);"
            "print(resource.getrusage(resource.RUSAGE_CHILDREN).ru_maxrss);"
            "sys.exit(r.returncode)' " VELMORA_COMPARE_EXE " --keys A --keep-erased -o '" +
            sortie.string() + "' '" + maitre.string() + "' '" + amendement.string() + "'";
        FILE* tube = popen(commande.c_str(), "r");
        long kio = 0;
        const bool lu = tube && std::fscanf(tube, "%ld", &kio) == 1;
        const int statut = tube ? pclose(tube) : -1;
        if (!lu || !WIFEXITED(statut) || WEXITSTATUS(statut) > 1) {
            state.SkipWithError("velmora-compare failed");
            break;
        }
        pic = static_cast<double>(kio) / 1024.0;

        state.PauseTiming();
        auto debut = std::chrono::steady_clock::now();
        Table t1 = velmora::LireFichierCsv(maitre);
        Table t2 = velmora::LireFichierCsv(amendement);
        lecture = Secondes(debut);
        debut = std::chrono::steady_clock::now();
        velmora::ModeComparaison mode;
        mode.EntreeTableau = "Reference";
        mode.Ref1 = "0";
        velmora::TableauFinal final;
        velmora::BarreProgression barre;
        velmora::ExecuterComparaison(mode, t1, t2, 0, true, final, barre);
        comparaison = Secondes(debut);
        debut = std::chrono::steady_clock::now();
        velmora::EcrireFichierAtomique(sortie,
                                       [&](std::ostream& o) { velmora::EcrireJson(o, final); });
        ecriture = Secondes(debut);
        state.ResumeTiming();
    }
    state.counters["peak_MB"] = pic;
    state.counters["read_s"] = lecture;
    state.counters["compare_s"] = comparaison;
    state.counters["write_s"] = ecriture;
}

}  // namespace

BENCHMARK(BM_ComparerTableauxIdentiques)
    ->Args({10000, 20})
    ->Args({65536, 52})
    ->Args({1000000, 20})
    ->Unit(benchmark::kMillisecond)
    ->MinTime(1.0);
BENCHMARK(BM_ComparerParReferences)
    ->Args({10000, 20})
    ->Args({65536, 52})
    ->Args({1000000, 20})
    ->Unit(benchmark::kMillisecond)
    ->MinTime(1.0);
BENCHMARK(BM_LigneCommandeCsv)
    ->Args({10000, 20})
    ->Args({65536, 52})
    ->Args({1000000, 20})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(2);

BENCHMARK_MAIN();
