#pragma once

#include <QDialog>
#include <QLabel>
#include <QTimer>

#include "app/EtiquetteTexte.h"
#include "app/Habillage.h"

namespace velmora {

class ControleImage;

// Layout of a message box for a label of the given width: icon, a 10-pixel
// gap and label centred together, the box at least 400 pixels wide, 24
// pixels taller when the text holds a line break.
struct DispositionMessage {
    int largeur = 0;
    int hauteur = 0;
    int gaucheIcone = 0;
    int gaucheTexte = 0;
    int hautBoutons = 0;
    int hautTraitBas = 0;
};
DispositionMessage CalculerDisposition(int largeurIcone, int largeurTexte, bool plusieursLignes);

// Widest label of a message box, in pixels; a wider text is cut there.
inline constexpr int kLargeurMaxTexte = 750;

// What the two internal boxes share: the alert icon, the label `LbAlert`,
// the frame, the self-sizing layout and the pointer timer `TimerCurseur`.
class BoiteMessage : public QDialog {
    Q_OBJECT

public:
    QLabel* LbAlert = nullptr;
    ControleImage* ImageAlert = nullptr;
    QTimer* TimerCurseur = nullptr;

protected:
    explicit BoiteMessage(const QString& nom);

    // Sizes the label to its text, lays the box out around it (the caller
    // places the buttons from the result) and centres the box on the screen.
    DispositionMessage Disposer();

    CadreFenetre Cadre;

    void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace velmora
