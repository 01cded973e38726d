#include "compare/PiloteComparaison.h"

#include "compare/Comparateur.h"
#include "compare/FiltresSortie.h"

namespace velmora {

void AppliquerFiltre(const std::string& SortieTableau, TableauFinal& final) {
    if (SortieTableau == "Lignes") {
        SortirLignesModifiees(final);
    } else if (SortieTableau == "Ajoutees") {
        SortirLignesAjoutees(final);
    } else if (SortieTableau == "Doublons") {
        SortirDoublonsReferences(final);
    } else if (SortieTableau == "Inchangees") {
        SortirLignesInchangees(final);
    }
}

bool ExecuterComparaison(const ModeComparaison& mode, const TableSource& grille1,
                         const TableSource& grille2, int typeTri, bool afficheSupprime,
                         TableauFinal& final, BarreProgression& barre) {
    bool sansErreur = true;
    barre.Max = grille1.rowCount() + grille2.rowCount();
    barre.Position = 0;

    Comparateur comparateur(grille1, grille2, typeTri, afficheSupprime, final, barre);
    try {
        if (mode.EntreeTableau == "Identique") {
            comparateur.ComparerTableauxIdentiques(mode.AncienNumLigne);
        } else {
            comparateur.ComparerParReferences(mode.AncienNumLigne, mode.Ref1, mode.Ref2, mode.Ref3,
                                              mode.Ref4, mode.Ref5);
        }
    } catch (const ComparaisonInterrompue&) {
        throw;
    } catch (const std::exception&) {
        sansErreur = false;
    }

    try {
        AppliquerFiltre(mode.SortieTableau, final);
    } catch (const std::exception&) {
        sansErreur = false;
    }
    return sansErreur;
}

}  // namespace velmora
