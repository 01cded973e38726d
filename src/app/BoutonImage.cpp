#include "app/BoutonImage.h"

namespace velmora {

namespace {

// The name of the source without its leading "Image".
QString Radical(const ControleImage* source) {
    return source->objectName().mid(5);
}

}  // namespace

BoutonImage CreerBoutonImage(QWidget* parent, const QString& nom, const QRect& place) {
    BoutonImage bouton;
    bouton.clic = new ControleImage(parent, "ImageClic" + nom, place);
    bouton.image = new ControleImage(parent, "Image" + nom, place);
    bouton.clic->setCursor(Qt::PointingHandCursor);
    bouton.image->setCursor(Qt::PointingHandCursor);
    bouton.image->raise();
    return bouton;
}

void AppuyerBoutonImage(QWidget* fenetre, const ControleImage* source, Qt::MouseButton bouton) {
    if (bouton != Qt::LeftButton) {
        return;
    }
    if (auto* clic = fenetre->findChild<ControleImage*>("ImageClic" + Radical(source))) {
        clic->raise();
        clic->repaint();
    }
}

void RelacherBoutonImage(QWidget* fenetre, const ControleImage* source) {
    if (auto* image = fenetre->findChild<ControleImage*>("Image" + Radical(source))) {
        image->raise();
        image->repaint();
    }
}

void LierBoutonImage(QWidget* fenetre, ControleImage* image, std::function<void()> action) {
    QObject::connect(image, &ControleImage::MouseDown, fenetre,
                     [fenetre](ControleImage* source, Qt::MouseButton bouton, QPoint) {
                         AppuyerBoutonImage(fenetre, source, bouton);
                     });
    QObject::connect(image, &ControleImage::MouseUp, fenetre,
                     [fenetre](ControleImage* source, Qt::MouseButton, QPoint) {
                         RelacherBoutonImage(fenetre, source);
                     });
    QObject::connect(image, &ControleImage::Click, fenetre,
                     [action = std::move(action)](ControleImage*) { action(); });
}

}  // namespace velmora
