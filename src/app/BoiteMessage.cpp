#include "app/BoiteMessage.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>
#include <algorithm>

#include "app/ControleImage.h"
#include "app/TFormImagesLib.h"

namespace velmora {

DispositionMessage CalculerDisposition(int largeurIcone, int largeurTexte, bool plusieursLignes) {
    DispositionMessage d;
    d.hautBoutons = 49;
    d.hautTraitBas = 78;
    d.hauteur = 82;
    d.largeur = std::max(400, largeurIcone + largeurTexte + 70);
    d.gaucheIcone = d.largeur / 2 - (largeurTexte + largeurIcone + 10) / 2;
    d.gaucheTexte = d.gaucheIcone + largeurIcone + 10;
    if (plusieursLignes) {
        d.hautBoutons += 24;
        d.hautTraitBas += 24;
        d.hauteur += 24;
    }
    return d;
}

BoiteMessage::BoiteMessage(const QString& nom) : QDialog(nullptr) {
    setObjectName(nom);
    PreparerFenetre(this, 392, 82, kCouleurDialogue);
    setModal(true);
    setFocusPolicy(Qt::StrongFocus);
    setFont(PoliceSkin(11));
    Cadre = AjouterCadre(this, 1050, 800);

    ImageAlert = new ControleImage(this, "ImageAlert", QRect(31, 9, 28, 29));
    ImageAlert->DefinirImage(QPixmap::fromImage(ChargerImageSkin("Alerte")));

    LbAlert = new EtiquetteTexte(this);
    LbAlert->setObjectName("LbAlert");
    LbAlert->setFont(PoliceSkin(13, true));
    LbAlert->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    LbAlert->setTextFormat(Qt::PlainText);
    LbAlert->move(94, 21);
    QPalette palette = LbAlert->palette();
    palette.setColor(QPalette::WindowText, Qt::black);
    LbAlert->setPalette(palette);

    TimerCurseur = new QTimer(this);
    TimerCurseur->setObjectName("TimerCurseur");
    TimerCurseur->setSingleShot(true);
}

DispositionMessage BoiteMessage::Disposer() {
    // The label is sized to its text: widest line by number of lines, cut
    // at kLargeurMaxTexte.
    const QString texte = LbAlert->text();
    const QStringList lignes = TexteAffiche(texte).split('\n');
    const QFontMetrics mesure(LbAlert->font());
    int plusLarge = 0;
    for (const QString& ligne : lignes) {
        plusLarge = std::max(plusLarge, mesure.horizontalAdvance(ligne));
    }
    const int largeurTexte = std::min(plusLarge, kLargeurMaxTexte);
    LbAlert->resize(largeurTexte, static_cast<int>(lignes.size()) * mesure.height());

    const DispositionMessage d =
        CalculerDisposition(ImageAlert->width(), largeurTexte, texte.contains("\r\n"));
    setFixedSize(d.largeur, d.hauteur);
    ImageAlert->move(d.gaucheIcone, ImageAlert->y());
    LbAlert->move(d.gaucheTexte, 21);
    Cadre.bas->move(Cadre.bas->x(), d.hautTraitBas);
    Cadre.droite->move(d.largeur - Cadre.droite->width(), Cadre.droite->y());

    const QSize ecran = QGuiApplication::primaryScreen()->geometry().size();
    move(ecran.width() / 2 - d.largeur / 2, ecran.height() / 2 - d.hauteur / 2);
    return d;
}

void BoiteMessage::keyPressEvent(QKeyEvent* event) {
    // The boxes answer keys when they are released; swallow the presses that
    // QDialog would turn into accept or reject on the way down.
    event->accept();
}

}  // namespace velmora
