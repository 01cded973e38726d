#include "import/ModeleGrille.h"

namespace velmora {

ModeleGrille::ModeleGrille(QObject* parent, int colonnes, int lignes)
    : QAbstractTableModel(parent), table_(colonnes, lignes) {}

void ModeleGrille::DefinirTable(Table table) {
    beginResetModel();
    table_ = std::move(table);
    endResetModel();
}

int ModeleGrille::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : table_.rowCount();
}

int ModeleGrille::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : table_.columnCount();
}

QVariant ModeleGrille::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || role != Qt::DisplayRole) {
        return {};
    }
    const std::string_view texte = table_.cell(index.column(), index.row());
    if (texte.empty()) {
        return {};
    }
    return QString::fromUtf8(texte.data(), static_cast<qsizetype>(texte.size()));
}

Qt::ItemFlags ModeleGrille::flags(const QModelIndex& index) const {
    if (!index.isValid()) {
        return Qt::NoItemFlags;
    }
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}

}  // namespace velmora
