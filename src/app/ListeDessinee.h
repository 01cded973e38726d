#pragma once

#include <QComboBox>
#include <QStyledItemDelegate>
#include <functional>

namespace velmora {

// A drop-down list (no free text) drawn item by item by its window, 13-pixel
// items, background (219, 219, 219). The window gives the drawing operation
// and the one run just before the list drops down.
class ListeDessinee : public QComboBox {
    Q_OBJECT

public:
    using Dessin = std::function<void(const QComboBox*, QPainter*, int, bool, const QRect&)>;

    ListeDessinee(QWidget* parent, const QString& nom, const QRect& place);

    void DefinirDessin(Dessin dessin) { dessin_ = std::move(dessin); }
    void DefinirAvantDeroulement(std::function<void(QComboBox*)> action) {
        avantDeroulement_ = std::move(action);
    }
    const Dessin& dessin() const { return dessin_; }

    void showPopup() override;

private:
    Dessin dessin_;
    std::function<void(QComboBox*)> avantDeroulement_;
};

// Paints the items of a ListeDessinee with its window's drawing operation.
class DelegueListe : public QStyledItemDelegate {
    Q_OBJECT

public:
    explicit DelegueListe(ListeDessinee* liste);
    void paint(QPainter* peintre, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    ListeDessinee* liste_;
};

}  // namespace velmora
