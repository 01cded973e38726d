#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

#include "compare/BarreProgression.h"
#include "compare/Table.h"
#include "compare/TableauFinal.h"

namespace velmora {

// The rectangle of an input grid that a comparison covers; ends exclusive.
struct Perimetre {
    int PremiereLigne = 0;
    int FinLigne = 0;
    int PremiereColonne = 0;
    int FinColonne = 0;
};

// Raised when a reference column is neither "NULL" nor a whole number.
class ErreurReference : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Compares table 1 (the Master File) with table 2 (the Amendment File) into a
// final table. The inputs are read when a comparison starts and never
// modified; the final table and the progress bar belong to the caller and
// must outlive the comparator.
class Comparateur {
public:
    // typeTri: 0 compares the whole grids, any other value their selections.
    // afficheSupprime: erased cells keep their old text.
    Comparateur(const TableSource& grille1, const TableSource& grille2, int typeTri,
                bool afficheSupprime, TableauFinal& final, BarreProgression& barre);

    // Pairs rows by position. AncienNumLigne "Oui" inserts the two row-number
    // columns.
    void ComparerTableauxIdentiques(const std::string& AncienNumLigne);
    // Pairs rows by the key made of up to five reference columns, each "NULL"
    // or a 0-based column number of the whole grid.
    void ComparerParReferences(const std::string& AncienNumLigne, const std::string& Ref1,
                               const std::string& Ref2, const std::string& Ref3,
                               const std::string& Ref4, const std::string& Ref5);

    // The steps both comparisons share; public so that they can be checked
    // one by one.
    void DeterminerPerimetres(const std::string& AncienNumLigne);
    void PreparerTableauFinal();
    // Writes the verdict of old against new into final cell (colonne, ligne).
    void ClasserCellule(std::string_view ancien, std::string_view nouveau, int colonne, int ligne);
    void AvancerProgression();

    Perimetre Perimetre1;
    Perimetre Perimetre2;
    int Hauteur1 = 0;
    int Largeur1 = 0;
    int Hauteur2 = 0;
    int Largeur2 = 0;
    int HauteurMax = 0;
    int LargeurMax = 0;
    int Decalage = 0;

private:
    void CopierAncienTableau(bool avancer);
    void EcrireNumerosTableau2(int ligneFinale, int ligneGrille2);
    void EcrireNumerosTableau1(int ligneFinale);
    void TerminerProgression();

    const TableSource& grille1_;
    const TableSource& grille2_;
    int typeTri_;
    bool afficheSupprime_;
    TableauFinal& final_;
    BarreProgression& barre_;
    int compteur_ = 0;
    Table ancienTableau_{0, 0};  // private copy of table 1's scope
};

}  // namespace velmora
