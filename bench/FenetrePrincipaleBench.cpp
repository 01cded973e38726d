// The main window over a full worksheet: importing a 65,536-row × 52-column
// xlwt workbook into grid 1 as the import button does (busy cursor, pending
// events every 100 rows, the grid shown at the end), then one page of
// scrolling with its repaint and a jump to the last row. Run headless
// (offscreen); the workbook is written once into the build's bench cache.

#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <QApplication>
#include <QScrollBar>
#include <QTemporaryDir>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <stdexcept>
#include <string>

#include "app/Fenetres.h"
#include "app/Parametres.h"
#include "import/GrilleSaisie.h"
#include "import/TFormMain.h"
#include "modes/CreationBaseModes.h"
#include "modes/TDataModule1.h"

namespace {

using namespace velmora;

const std::string& Classeur() {
    static const std::string chemin = [] {
        const std::filesystem::path dossier = VELMORA_BENCH_CACHE;
        const std::filesystem::path fichier = dossier / "xlwt_65536x52.xls";
        if (!std::filesystem::exists(fichier)) {
            std::filesystem::create_directories(dossier);
            const std::string commande = "/usr/bin/python3 '" VELMORA_SOURCE_DIR
                                         "/tests/data/make_xls_fixtures.py' --bench '" +
                                         fichier.string() + "'";
            if (std::system(commande.c_str()) != 0) {
                throw std::runtime_error("cannot write the benchmark workbook: " + commande);
            }
        }
        return fichier.string();
    }();
    return chemin;
}

double PicMemoireMo() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

// The main window over an empty mode store in a private program folder.
struct Programme {
    QTemporaryDir dossier;
    std::unique_ptr<TDataModule1> module;
    std::unique_ptr<TFormMain> fenetre;
    Programme() {
        DefinirDossierExecutable(dossier.path().toStdString());
        CreerBaseModes(std::filesystem::path(dossier.path().toStdString()) / "Comp.qnr", {});
        module = std::make_unique<TDataModule1>(dossier.path().toStdString());
        FenetresProgramme().DataModule1 = module.get();
        DefinirAfficheurErreur(
            [](const QString& texte) { throw std::runtime_error(texte.toStdString()); });
        fenetre = std::make_unique<TFormMain>();
        FenetresProgramme().FormMain = fenetre.get();
        fenetre->show();
        QApplication::processEvents();
    }
    ~Programme() {
        fenetre.reset();
        FenetresProgramme() = Fenetres{};
        DefinirAfficheurErreur({});
        DefinirDossierExecutable({});
    }
    void importer() {
        fenetre->ImporterFeuilleExcel("StringGridExcel1", QString::fromStdString(Classeur()));
        if (fenetre->SourceGrille1().rowCount() != 65536) {
            throw std::runtime_error("the sheet was not imported whole");
        }
    }
};

void BM_ImporterDansLaFenetre(benchmark::State& state) {
    Classeur();
    Programme programme;
    for (auto _ : state) {
        programme.importer();
        programme.fenetre->StringGridExcel1->repaint();
    }
    state.counters["peak_rss_mb"] = PicMemoireMo();
}
BENCHMARK(BM_ImporterDansLaFenetre)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_DefilerUnePage(benchmark::State& state) {
    Programme programme;
    programme.importer();
    GrilleSaisie* grille = programme.fenetre->StringGridExcel1;
    QScrollBar* barre = grille->verticalScrollBar();
    for (auto _ : state) {
        barre->setValue((barre->value() + 6) % barre->maximum());
        grille->repaint();
    }
}
BENCHMARK(BM_DefilerUnePage)->Unit(benchmark::kMicrosecond);

void BM_SauterALaFin(benchmark::State& state) {
    Programme programme;
    programme.importer();
    GrilleSaisie* grille = programme.fenetre->StringGridExcel1;
    bool fin = false;
    for (auto _ : state) {
        grille->verticalScrollBar()->setValue(fin ? 0 : grille->verticalScrollBar()->maximum());
        grille->horizontalScrollBar()->setValue(fin ? 0 : grille->horizontalScrollBar()->maximum());
        grille->repaint();
        fin = !fin;
    }
}
BENCHMARK(BM_SauterALaFin)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
