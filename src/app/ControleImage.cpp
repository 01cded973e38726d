#include "app/ControleImage.h"

#include <QMouseEvent>
#include <QPointer>

namespace velmora {

ControleImage::ControleImage(QWidget* parent, const QString& nom, const QRect& place)
    : QLabel(parent) {
    setObjectName(nom);
    setGeometry(place);
    setScaledContents(true);
}

void ControleImage::DefinirImage(const QPixmap& image) {
    setPixmap(image);
}

void ControleImage::mousePressEvent(QMouseEvent* event) {
    clicEnCours_ = event->button() == Qt::LeftButton;
    emit MouseDown(this, event->button(), event->position().toPoint());
}

void ControleImage::mouseMoveEvent(QMouseEvent* event) {
    emit MouseMove(this, event->position().toPoint());
}

void ControleImage::mouseReleaseEvent(QMouseEvent* event) {
    const QPoint position = event->position().toPoint();
    const bool clic =
        clicEnCours_ && event->button() == Qt::LeftButton && rect().contains(position);
    clicEnCours_ = false;
    // The click may run a whole modal dialog; the control outlives it, since
    // windows are created once and kept for the run, but guard anyway.
    QPointer<ControleImage> garde(this);
    if (clic) {
        emit Click(this);
    }
    if (garde) {
        emit MouseUp(this, event->button(), position);
    }
}

}  // namespace velmora
