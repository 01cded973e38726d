#include "compare/ModeleTableauFinal.h"

namespace velmora {

ModeleTableauFinal::ModeleTableauFinal(const TableauFinal& tableau, QObject* parent)
    : QAbstractTableModel(parent), tableau_(tableau) {}

void ModeleTableauFinal::Actualiser() {
    // Rows before columns: a filter changes only the row count, and a
    // comparison that sizes the table changes both once.
    AjusterLignes(tableau_.rowCount());
    AjusterColonnes(tableau_.columnCount());
    if (lignes_ > 0 && colonnes_ > 0) {
        emit dataChanged(index(0, 0), index(lignes_ - 1, colonnes_ - 1));
    }
}

void ModeleTableauFinal::AjusterLignes(int lignes) {
    if (lignes > lignes_) {
        beginInsertRows({}, lignes_, lignes - 1);
        lignes_ = lignes;
        endInsertRows();
    } else if (lignes < lignes_) {
        beginRemoveRows({}, lignes, lignes_ - 1);
        lignes_ = lignes;
        endRemoveRows();
    }
}

void ModeleTableauFinal::AjusterColonnes(int colonnes) {
    if (colonnes > colonnes_) {
        beginInsertColumns({}, colonnes_, colonnes - 1);
        colonnes_ = colonnes;
        endInsertColumns();
    } else if (colonnes < colonnes_) {
        beginRemoveColumns({}, colonnes, colonnes_ - 1);
        colonnes_ = colonnes;
        endRemoveColumns();
    }
}

void ModeleTableauFinal::DefinirInfobulle(const QString& texte) {
    infobulle_ = texte;
}

CouleurCellule ModeleTableauFinal::couleur(const QModelIndex& index) const {
    if (!index.isValid()) {
        return CouleurCellule::Aucune;
    }
    return tableau_.couleur(index.column(), index.row());
}

int ModeleTableauFinal::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : lignes_;
}

int ModeleTableauFinal::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : colonnes_;
}

QVariant ModeleTableauFinal::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= lignes_ || index.column() >= colonnes_) {
        return {};
    }
    switch (role) {
        case Qt::DisplayRole: {
            // Outside the table (design cells, or a size not yet followed)
            // the text reads empty.
            const std::string_view texte = tableau_.texte(index.column(), index.row());
            return QString::fromUtf8(texte.data(), static_cast<qsizetype>(texte.size()));
        }
        case Qt::ToolTipRole:
            return infobulle_.isEmpty() ? QVariant() : QVariant(infobulle_);
        case RoleCouleur:
            return static_cast<int>(couleur(index));
        default:
            return {};
    }
}

Qt::ItemFlags ModeleTableauFinal::flags(const QModelIndex& index) const {
    if (!index.isValid()) {
        return Qt::NoItemFlags;
    }
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}

}  // namespace velmora
