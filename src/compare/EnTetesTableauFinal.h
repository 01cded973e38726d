#pragma once

#include <QString>
#include <array>

class QLabel;
class QWidget;

namespace velmora {

// The labels around the final grid: 10 column letters above it, 18 row
// numbers beside it, named LbLettreExcel1_<n> and LbCptExcel1_<n>.
struct EnTetesTableauFinal {
    // LbLettreExcel1_<n> at index n − 1.
    std::array<QLabel*, 10> LbLettreExcel1{};
    // LbCptExcel1_<n> at index n − 1.
    std::array<QLabel*, 18> LbCptExcel1{};

    // Creates the labels in `panneau` with their design texts ("A" … "J",
    // "1" … "18"), each centred over or beside its column or row of a grid
    // whose top-left corner is at (32, 80) of the panel.
    static EnTetesTableauFinal Creer(QWidget* panneau);

    // Shows the letters of columns leftCol … leftCol + 9 and the numbers of
    // rows topRow + 1 … topRow + 18 (0-based first visible row and column).
    void Renumeroter(int topRow, int leftCol) const;
};

// The letters of final column `colonne` (0-based): the column-letter table's
// "A" … "AZ", then on as the spreadsheet spells its columns ("BA", "BB", …),
// since a final table with its two row-number columns may pass AZ.
QString LettresColonneFinale(int colonne);

}  // namespace velmora
