#include "app/TFormImagesLib.h"

#include <stdexcept>

#include "app/ControleImage.h"
#include "app/ImagesSkin.h"
#include "app/Jpeg.h"

namespace velmora {

namespace {

struct BoutonBibliotheque {
    const char* nom;
    int largeur;
    int hauteur;
};

// The buttons whose pictures carry words, with their sizes in pixels.
constexpr BoutonBibliotheque kBoutons[] = {
    {"Annuler", 107, 25},     {"Valider", 107, 25},       {"Apropos", 93, 35},
    {"Maj", 93, 35},          {"TableauExcel1", 150, 21}, {"TableauExcel2", 150, 21},
    {"Options", 107, 25},     {"ComparerExcel", 107, 25}, {"Fermer", 107, 25},
    {"Enregistrer", 107, 25}, {"Supprimer", 107, 25},     {"EnregistrerSous", 107, 25},
    {"Non", 107, 25},         {"Oui", 107, 25},           {"FermerFonce", 107, 25},
};

}  // namespace

QImage ChargerImageSkin(const QString& nom) {
    const QByteArray cle = nom.toUtf8();
    for (const ImageEmbarquee& image : ImagesEmbarquees()) {
        if (cle == image.nom) {
            return DecoderJpeg(image.octets, image.taille, image.nom);
        }
    }
    throw std::runtime_error("Image du thème introuvable : " + cle.toStdString());
}

BoutonImage CreerBoutonSkin(QWidget* parent, const QString& nom, const QRect& place,
                            const QString& image, const QString& imageClic) {
    const BoutonImage bouton = CreerBoutonImage(parent, nom, place);
    bouton.image->DefinirImage(QPixmap::fromImage(ChargerImageSkin(image)));
    bouton.clic->DefinirImage(QPixmap::fromImage(ChargerImageSkin(imageClic)));
    return bouton;
}

TFormImagesLib::TFormImagesLib(QWidget* parent) : QWidget(parent) {
    setObjectName("FormImagesLib");
    const char* suffixes[] = {"", "Anglais"};
    int y = 0;
    for (const char* suffixe : suffixes) {
        int x = 0;
        for (const auto& bouton : kBoutons) {
            for (const char* prefixe : {"Image", "ImageClic"}) {
                const QString source = QString(prefixe) + bouton.nom + suffixe;
                QString nom = source;
                // The library's own spelling of this one name.
                if (nom == "ImageClicFermerFonce") {
                    nom = "ImageclicFermerFonce";
                }
                auto* controle =
                    new ControleImage(this, nom, QRect(x, y, bouton.largeur, bouton.hauteur));
                controle->DefinirImage(QPixmap::fromImage(ChargerImageSkin(source)));
                x += bouton.largeur;
            }
        }
        y += 40;
    }
}

QPixmap TFormImagesLib::Image(const QString& nom) const {
    const auto* controle = findChild<ControleImage*>(nom, Qt::FindDirectChildrenOnly);
    if (controle == nullptr) {
        throw std::logic_error("Image absente de la bibliothèque : " + nom.toStdString());
    }
    return controle->pixmap();
}

void TFormImagesLib::CopierImage(const QString& nom, ControleImage* cible) const {
    cible->DefinirImage(Image(nom));
}

void TFormImagesLib::CopierBouton(const QString& bouton, bool anglais, ControleImage* image,
                                  ControleImage* clic) const {
    const QString suffixe = anglais ? "Anglais" : "";
    CopierImage("Image" + bouton + suffixe, image);
    QString nomClic = "ImageClic" + bouton + suffixe;
    if (nomClic == "ImageClicFermerFonce") {
        nomClic = "ImageclicFermerFonce";
    }
    CopierImage(nomClic, clic);
}

}  // namespace velmora
