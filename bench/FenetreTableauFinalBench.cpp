// The final-table window over a full result: 65,536 rows of 52 columns plus
// the two row-number columns. Measures the comparison as the window runs it
// (bar moves and pending events every 31 rows), one page of scrolling with
// its repaint, and a jump to the last row. Run headless (offscreen).

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QScrollBar>
#include <QTableView>
#include <memory>
#include <string>

#include "compare/TFormTableauFinal.h"

namespace {

using namespace velmora;

constexpr int kLignes = 65536;
constexpr int kColonnes = 52;

struct Donnees {
    Table grille1{kColonnes, kLignes};
    Table grille2{kColonnes, kLignes};
    Donnees() {
        for (int r = 0; r < kLignes; ++r) {
            for (int c = 0; c < kColonnes; ++c) {
                const std::string texte = "L" + std::to_string(r) + "C" + std::to_string(c);
                grille1.setCell(c, r, texte);
                // One cell in seven changed, so the grid is tinted throughout.
                grille2.setCell(c, r, (r + c) % 7 == 0 ? texte + "*" : texte);
            }
        }
    }
};

Donnees& Grilles() {
    static Donnees donnees;
    return donnees;
}

ModeComparaison ModeComplet() {
    ModeComparaison mode;
    mode.AncienNumLigne = "Oui";
    return mode;
}

std::unique_ptr<TFormTableauFinal> FenetreComparee() {
    auto fenetre =
        std::make_unique<TFormTableauFinal>(Grilles().grille1, Grilles().grille2, 0, ModeComplet());
    fenetre->DureeNotice = 0;
    fenetre->show();
    while (fenetre->EtatComparaison() != TFormTableauFinal::Etat::Terminee) {
        QApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    return fenetre;
}

void BM_ComparaisonDansLaFenetre(benchmark::State& state) {
    Grilles();
    for (auto _ : state) {
        auto fenetre = FenetreComparee();
        benchmark::DoNotOptimize(fenetre->Tableau().rowCount());
    }
    state.counters["rows"] = kLignes;
}
BENCHMARK(BM_ComparaisonDansLaFenetre)->Unit(benchmark::kMillisecond)->Iterations(2);

// One page down, then the viewport painted as the screen would show it.
void BM_DefilementPageEtRepeinte(benchmark::State& state) {
    auto fenetre = FenetreComparee();
    QTableView* grille = fenetre->StringGridExcelFinal;
    QScrollBar* barre = grille->verticalScrollBar();
    for (auto _ : state) {
        const int suivante = barre->value() + barre->pageStep();
        barre->setValue(suivante > barre->maximum() ? 0 : suivante);
        benchmark::DoNotOptimize(grille->viewport()->grab());
    }
}
BENCHMARK(BM_DefilementPageEtRepeinte)->Unit(benchmark::kMicrosecond);

// The thumb dragged from the top to the last row and back.
void BM_SautEnFinDeTableau(benchmark::State& state) {
    auto fenetre = FenetreComparee();
    QTableView* grille = fenetre->StringGridExcelFinal;
    QScrollBar* barre = grille->verticalScrollBar();
    bool enBas = false;
    for (auto _ : state) {
        enBas = !enBas;
        barre->setValue(enBas ? barre->maximum() : 0);
        benchmark::DoNotOptimize(grille->viewport()->grab());
    }
}
BENCHMARK(BM_SautEnFinDeTableau)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    int argcQt = 1;
    QApplication application(argcQt, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
