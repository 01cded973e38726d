#include "import/GrilleSaisie.h"

#include <QHeaderView>
#include <QMouseEvent>
#include <QScrollBar>
#include <algorithm>

#include "import/ModeleGrille.h"

namespace velmora {

namespace {

// A cell is 70 × 20 pixels plus its 1-pixel grid line, which Qt counts
// inside the section: ten whole columns and six whole rows stay in view.
constexpr int kLargeurColonne = 71;
constexpr int kHauteurLigne = 21;

}  // namespace

GrilleSaisie::GrilleSaisie(QWidget* parent, const QString& nom, ModeleGrille* modele)
    : QTableView(parent), modele_(modele) {
    setObjectName(nom);
    setModel(modele);
    horizontalHeader()->hide();
    verticalHeader()->hide();
    horizontalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setMinimumSectionSize(1);
    horizontalHeader()->setDefaultSectionSize(kLargeurColonne);
    verticalHeader()->setDefaultSectionSize(kHauteurLigne);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerItem);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    setWordWrap(false);
    setShowGrid(true);
    setTabKeyNavigation(false);

    // The scroll ranges follow a new table at once, not at the next layout,
    // so that scrolling right after an import lands where asked.
    connect(modele, &QAbstractItemModel::modelReset, this, [this] { updateGeometries(); });
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this] { SelectionVueChangee(); });
    connect(selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& courant) {
                if (courant.isValid()) {
                    emit SelectCell(courant.column(), courant.row());
                }
            });
}

// At the end of its range a view scrolled by items shows the last cell
// whole against the far edge, with a part of a cell at the near edge: the
// first visible row or column is then the first whole one.
int GrilleSaisie::PremiereLigne() const {
    const int ligne = rowAt(0);
    if (ligne < 0) {
        return 0;
    }
    return rowViewportPosition(ligne) < 0 && ligne + 1 < model()->rowCount() ? ligne + 1 : ligne;
}

int GrilleSaisie::PremiereColonne() const {
    const int colonne = columnAt(0);
    if (colonne < 0) {
        return 0;
    }
    return columnViewportPosition(colonne) < 0 && colonne + 1 < model()->columnCount() ? colonne + 1
                                                                                       : colonne;
}

Selection GrilleSaisie::SelectionCourante() const {
    return modele_->table().selection();
}

void GrilleSaisie::DefinirSelection(int gauche, int haut, int droite, int bas) {
    const Selection zone{std::min(gauche, droite), std::min(haut, bas), std::max(gauche, droite),
                         std::max(haut, bas)};
    modele_->DefinirSelection(zone);
    MontrerSelection(zone);
}

void GrilleSaisie::MontrerSelection(const Selection& zone) {
    synchronisation_ = true;
    const int derniereColonne = modele_->columnCount() - 1;
    const int derniereLigne = modele_->rowCount() - 1;
    const int gauche = std::max(zone.Left, 0);
    const int haut = std::max(zone.Top, 0);
    const int droite = std::min(zone.Right, derniereColonne);
    const int bas = std::min(zone.Bottom, derniereLigne);
    if (gauche > droite || haut > bas) {
        selectionModel()->clearSelection();
    } else {
        selectionModel()->select(
            QItemSelection(modele_->index(haut, gauche), modele_->index(bas, droite)),
            QItemSelectionModel::ClearAndSelect);
    }
    synchronisation_ = false;
}

void GrilleSaisie::SelectionVueChangee() {
    if (synchronisation_) {
        return;
    }
    const QItemSelection choix = selectionModel()->selection();
    if (choix.isEmpty()) {
        // A click on the empty area beside the cells: the selection keeps
        // one cell, the current one.
        const QModelIndex courant = currentIndex();
        if (courant.isValid()) {
            modele_->DefinirSelection(
                {courant.column(), courant.row(), courant.column(), courant.row()});
        }
        return;
    }
    Selection zone{choix.front().left(), choix.front().top(), choix.front().right(),
                   choix.front().bottom()};
    for (const QItemSelectionRange& plage : choix) {
        zone.Left = std::min(zone.Left, plage.left());
        zone.Top = std::min(zone.Top, plage.top());
        zone.Right = std::max(zone.Right, plage.right());
        zone.Bottom = std::max(zone.Bottom, plage.bottom());
    }
    modele_->DefinirSelection(zone);
}

void GrilleSaisie::Reinitialiser() {
    synchronisation_ = true;
    selectionModel()->clearSelection();
    setCurrentIndex(modele_->index(0, 0));
    synchronisation_ = false;
    modele_->DefinirSelection({});
    MontrerSelection({});
    horizontalScrollBar()->setValue(0);
    verticalScrollBar()->setValue(0);
    scrollContentsBy(0, 0);
}

void GrilleSaisie::scrollContentsBy(int dx, int dy) {
    QTableView::scrollContentsBy(dx, dy);
    const int ligne = PremiereLigne();
    const int colonne = PremiereColonne();
    if (ligne != premiereLigne_ || colonne != premiereColonne_) {
        premiereLigne_ = ligne;
        premiereColonne_ = colonne;
        emit TopLeftChanged();
    }
}

void GrilleSaisie::mousePressEvent(QMouseEvent* event) {
    // Only the left button selects.
    if (event->button() != Qt::LeftButton) {
        event->accept();
        return;
    }
    QTableView::mousePressEvent(event);
}

void GrilleSaisie::mouseMoveEvent(QMouseEvent* event) {
    if (!(event->buttons() & Qt::LeftButton)) {
        event->accept();
        return;
    }
    QTableView::mouseMoveEvent(event);
}

void GrilleSaisie::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        QTableView::mouseReleaseEvent(event);
    } else {
        event->accept();
    }
    emit MouseUp();
}

void GrilleSaisie::mouseDoubleClickEvent(QMouseEvent* event) {
    // A double click selects as a press does; nothing is edited.
    mousePressEvent(event);
}

}  // namespace velmora
