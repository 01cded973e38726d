#pragma once

#include <QAbstractTableModel>
#include <QString>

#include "compare/TableauFinal.h"

namespace velmora {

// The model of the final grid: the texts and verdicts of a TableauFinal
// owned by the window, read in place (never copied), so a table of 65,536
// rows costs nothing more to show than its visible cells.
//
// Until the comparison has sized the table the grid shows its design cells:
// 10 columns × 20 rows, empty and untinted.
class ModeleTableauFinal : public QAbstractTableModel {
    Q_OBJECT

public:
    static constexpr int kColonnesDessin = 10;
    static constexpr int kLignesDessin = 20;
    // The verdict of a cell, as the int of its CouleurCellule.
    static constexpr int RoleCouleur = Qt::UserRole + 1;

    // `tableau` must outlive the model.
    ModeleTableauFinal(const TableauFinal& tableau, QObject* parent);

    // Follows the table's current size from now on and tells the views that
    // every cell may have changed. Called while the comparison fills the
    // table and once after its filter.
    void Actualiser();

    // The hint shown over the whole grid (the selected cell's text); empty
    // for none.
    void DefinirInfobulle(const QString& texte);
    const QString& Infobulle() const { return infobulle_; }

    CouleurCellule couleur(const QModelIndex& index) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    void AjusterLignes(int lignes);
    void AjusterColonnes(int colonnes);

    const TableauFinal& tableau_;
    int lignes_ = kLignesDessin;
    int colonnes_ = kColonnesDessin;
    QString infobulle_;
};

}  // namespace velmora
