#include "app/TFormGrisTransparent.h"

#include <QCoreApplication>
#include <cassert>

namespace velmora {

TFormGrisTransparent::TFormGrisTransparent(QWidget* parent) : QWidget(parent) {
    setObjectName("FormGrisTransparent");
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    setAttribute(Qt::WA_ShowWithoutActivating);
}

void TFormGrisTransparent::AfficherVoile(const QWidget* fenetre, int slot) {
    assert(slot >= 0 && slot < kNombreVoiles);
    auto* voile = new TFormGrisTransparent();
    Voiles[static_cast<std::size_t>(slot)] = voile;
    voile->setObjectName(QString("FormGris%1").arg(slot));
    voile->setAutoFillBackground(true);
    QPalette palette = voile->palette();
    palette.setColor(QPalette::Window, QColor(128, 128, 128));
    voile->setPalette(palette);
    // The whole window, frame included: the overlay itself has none.
    const QRect cadre = fenetre->frameGeometry();
    voile->setGeometry(cadre.x(), cadre.y(), cadre.width(), cadre.height());
    QCoreApplication::processEvents();
    voile->setWindowOpacity(kOpacite);
    voile->show();
    QCoreApplication::processEvents();
}

void TFormGrisTransparent::MasquerVoile(int slot) {
    if (slot < 0 || slot >= kNombreVoiles) {
        return;
    }
    if (TFormGrisTransparent* voile = Voiles[static_cast<std::size_t>(slot)]) {
        voile->close();
        voile->deleteLater();
    }
}

QWidget* TFormGrisTransparent::Voile(int slot) const {
    if (slot < 0 || slot >= kNombreVoiles) {
        return nullptr;
    }
    return Voiles[static_cast<std::size_t>(slot)];
}

}  // namespace velmora
