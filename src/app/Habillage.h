#pragma once

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

class QComboBox;
class QPainter;
class QTimer;
class QWidget;

namespace velmora {

class ControleImage;

// Colours of the skin.
inline const QColor kCouleurFenetrePrincipale{207, 181, 140};
inline const QColor kCouleurDialogue{218, 200, 169};
inline const QColor kCouleurPanneau{207, 181, 140};
inline const QColor kCouleurSaisie{219, 219, 219};
inline const QColor kCouleurMarron{128, 0, 0};
inline const QColor kTexteSelection{216, 183, 117};
inline const QColor kFondSelection{102, 102, 102};

// True when [Parametrage] Langue of Param.ini is exactly "anglais"; every
// window but the main one picks its language this way when shown.
bool LangueStockeeAnglais();

// Sets one colour of a control's palette, leaving the others as they are.
void Colorer(QWidget* controle, QPalette::ColorRole role, const QColor& couleur);

// Borderless, fixed size, plain background colour.
void PreparerFenetre(QWidget* fenetre, int largeur, int hauteur, const QColor& fond);

// The window's default font: DejaVu Sans with characters `pixels` high, so
// that sizes do not depend on the screen's resolution.
QFont PoliceSkin(int pixels, bool gras = false);

// The four 4-pixel frame strips along the window's edges.
struct CadreFenetre {
    ControleImage* gauche = nullptr;
    ControleImage* haut = nullptr;
    ControleImage* droite = nullptr;
    ControleImage* bas = nullptr;
};
// Strips of the given lengths: the left and right ones `hauteurVerticale`
// high, the top and bottom ones `largeurHorizontale` wide; a longer strip is
// clipped by the window.
CadreFenetre AjouterCadre(QWidget* fenetre, int largeurHorizontale, int hauteurVerticale);

// Where a dialog of size `dialogue` goes over a window at `reference`, on a
// primary screen of size `ecran`: centred, then pushed back up and left when
// it would pass the bottom or right edge. No correction at the top or left.
QPoint PositionPlacee(const QRect& reference, const QSize& dialogue, const QSize& ecran);

// Moves `dialogue` over `reference` (PositionPlacee on the primary screen).
void PlacerFenetre(const QWidget* reference, QWidget* dialogue);

// Width of a drop-down list whose widest item measures `plusLarge` pixels.
constexpr int LargeurListe(int plusLarge) {
    return plusLarge + plusLarge / 9;
}

// Widens the drop-down list of `liste` to its widest item plus a ninth; the
// list never becomes narrower than the combo box.
void AjusterLargeurListe(QComboBox* liste);

// Draws item `index` of an owner-drawn combo box into `zone`.
void DessinerElementListe(const QComboBox* liste, QPainter* peintre, int index, bool selectionne,
                          const QRect& zone);

// Starts the 10 ms one-shot timer that moves the pointer onto the centre of
// `bouton` (in screen coordinates computed from the window's and the
// button's positions) at its first tick.
void DemarrerTimerCurseur(QTimer* timer, const QWidget* fenetre, const QWidget* bouton);

// Qt shows "\r\n" as two breaks; the texts of the program use it for one.
QString TexteAffiche(const QString& texte);

}  // namespace velmora
