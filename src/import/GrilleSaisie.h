#pragma once

#include <QTableView>

#include "compare/Table.h"

namespace velmora {

class ModeleGrille;

// An input grid of the main window: a view over a ModeleGrille, 70 × 20
// cells, no headers of its own, ranges selected with the left mouse button,
// never edited. The grid's selection rectangle lives in the model's table so
// that the comparison reads it there; it may reach past the grid's cells
// (a header label standing beyond the last column or row), in which case the
// view highlights only the part that exists.
class GrilleSaisie : public QTableView {
    Q_OBJECT

public:
    GrilleSaisie(QWidget* parent, const QString& nom, ModeleGrille* modele);

    ModeleGrille* modele() const { return modele_; }

    // First visible row and column, 0-based.
    int PremiereLigne() const;
    int PremiereColonne() const;

    // The normalised selection rectangle (Left ≤ Right, Top ≤ Bottom).
    Selection SelectionCourante() const;
    // Sets the selection to the rectangle spanned by anchor (gauche, haut)
    // and current cell (droite, bas) without moving the view or the current
    // cell.
    void DefinirSelection(int gauche, int haut, int droite, int bas);

    // An emptied grid: current cell and selection on [0, 0], view at the
    // top-left corner.
    void Reinitialiser();

signals:
    // The first visible row or column changed.
    void TopLeftChanged();
    // A cell is about to become the current cell.
    void SelectCell(int colonne, int ligne);
    // A mouse button was released, after the view handled it.
    void MouseUp();

protected:
    void scrollContentsBy(int dx, int dy) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void SelectionVueChangee();
    void MontrerSelection(const Selection& zone);

    ModeleGrille* modele_;
    // Set while the view's selection is changed from code, so that the
    // change is not read back as a selection of the user.
    bool synchronisation_ = false;
    int premiereLigne_ = 0;
    int premiereColonne_ = 0;
};

}  // namespace velmora
