#pragma once

#include <QRect>
#include <QString>
#include <functional>

#include "app/ControleImage.h"

namespace velmora {

// An image button: the released picture `Image<nom>` in front, the pressed
// picture `ImageClic<nom>` at the same place behind it. The pair is found by
// name at each press and release, so a picture without a pressed partner
// (an icon that carries a button's action) behaves like a button whose press
// shows nothing.
struct BoutonImage {
    ControleImage* image = nullptr;
    ControleImage* clic = nullptr;
};

// Creates both pictures in `parent`, with the pointing-hand cursor.
BoutonImage CreerBoutonImage(QWidget* parent, const QString& nom, const QRect& place);

// The shared press and release handlers of every window: `fenetre` is the
// window searched for the partner picture.
void AppuyerBoutonImage(QWidget* fenetre, const ControleImage* source, Qt::MouseButton bouton);
void RelacherBoutonImage(QWidget* fenetre, const ControleImage* source);

// Binds a released picture to the shared handlers of `fenetre` and gives it
// its click action.
void LierBoutonImage(QWidget* fenetre, ControleImage* image, std::function<void()> action);

}  // namespace velmora
