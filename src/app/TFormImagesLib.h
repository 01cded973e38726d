#pragma once

#include <QImage>
#include <QPixmap>
#include <QString>
#include <QWidget>

#include "app/BoutonImage.h"

namespace velmora {

class ControleImage;

// A picture of the skin compiled into the program, decoded from its JPEG
// data at each call: "FondPrincipal", "TraitHorizontal", "Alerte", "Oui"...
// (the names the picture generator gives). Throws std::runtime_error naming
// the picture when it does not exist or cannot be decoded.
QImage ChargerImageSkin(const QString& nom);

// An image button (see CreerBoutonImage) showing the skin's pictures `image`
// and, while pressed, `imageClic`.
BoutonImage CreerBoutonSkin(QWidget* parent, const QString& nom, const QRect& place,
                            const QString& image, const QString& imageClic);

// Picture library: created at start and never shown. It holds one picture
// control per library name, French pictures first, then their English twins
// (suffix "Anglais"); windows copy the pictures with words from it when they
// set their language.
class TFormImagesLib : public QWidget {
    Q_OBJECT

public:
    explicit TFormImagesLib(QWidget* parent = nullptr);

    // The picture of library control `nom` ("ImageOui", "ImageClicOuiAnglais").
    // A missing name is a programming error: throws std::logic_error.
    QPixmap Image(const QString& nom) const;

    // Copies the library picture `nom` into `cible`.
    void CopierImage(const QString& nom, ControleImage* cible) const;

    // The pair of button `bouton` in the stored language's pictures: copies
    // Image<bouton>[Anglais] and ImageClic<bouton>[Anglais] into `image` and
    // `clic`.
    void CopierBouton(const QString& bouton, bool anglais, ControleImage* image,
                      ControleImage* clic) const;
};

}  // namespace velmora
