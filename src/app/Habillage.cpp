#include "app/Habillage.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QCursor>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <algorithm>

#include "app/ControleImage.h"
#include "app/Parametres.h"
#include "app/TFormImagesLib.h"

namespace velmora {

bool LangueStockeeAnglais() {
    return LireParametre("Parametrage", "Langue", "0") == "anglais";
}

void Colorer(QWidget* controle, QPalette::ColorRole role, const QColor& couleur) {
    QPalette palette = controle->palette();
    palette.setColor(role, couleur);
    controle->setPalette(palette);
}

void PreparerFenetre(QWidget* fenetre, int largeur, int hauteur, const QColor& fond) {
    fenetre->setWindowFlags(fenetre->windowFlags() | Qt::FramelessWindowHint);
    fenetre->setFixedSize(largeur, hauteur);
    fenetre->setAutoFillBackground(true);
    QPalette palette = fenetre->palette();
    palette.setColor(QPalette::Window, fond);
    palette.setColor(QPalette::WindowText, Qt::black);
    fenetre->setPalette(palette);
}

QFont PoliceSkin(int pixels, bool gras) {
    QFont police("DejaVu Sans");
    police.setPixelSize(pixels);
    police.setBold(gras);
    return police;
}

CadreFenetre AjouterCadre(QWidget* fenetre, int largeurHorizontale, int hauteurVerticale) {
    const QPixmap horizontal = QPixmap::fromImage(ChargerImageSkin("TraitHorizontal"));
    const QPixmap vertical = QPixmap::fromImage(ChargerImageSkin("TraitVertical"));
    const int largeur = fenetre->width();
    const int hauteur = fenetre->height();
    CadreFenetre cadre;
    cadre.gauche = new ControleImage(fenetre, "ImageTraitGauche", QRect(0, 0, 4, hauteurVerticale));
    cadre.haut = new ControleImage(fenetre, "ImageTraitHaut", QRect(0, 0, largeurHorizontale, 4));
    cadre.droite =
        new ControleImage(fenetre, "ImageTraitDroite", QRect(largeur - 4, 0, 4, hauteurVerticale));
    cadre.bas =
        new ControleImage(fenetre, "ImageTraitBas", QRect(0, hauteur - 4, largeurHorizontale, 4));
    for (ControleImage* trait : {cadre.gauche, cadre.droite}) {
        trait->DefinirImage(vertical);
    }
    for (ControleImage* trait : {cadre.haut, cadre.bas}) {
        trait->DefinirImage(horizontal);
    }
    return cadre;
}

QPoint PositionPlacee(const QRect& reference, const QSize& dialogue, const QSize& ecran) {
    int gauche = reference.left() + reference.width() / 2 - dialogue.width() / 2;
    int haut = reference.top() + reference.height() / 2 - dialogue.height() / 2;
    if (haut > ecran.height() - dialogue.height()) {
        haut = ecran.height() - dialogue.height();
    }
    if (gauche > ecran.width() - dialogue.width()) {
        gauche = ecran.width() - dialogue.width();
    }
    return {gauche, haut};
}

void PlacerFenetre(const QWidget* reference, QWidget* dialogue) {
    const QRect cadre(reference->pos(), reference->size());
    dialogue->move(PositionPlacee(cadre, dialogue->size(),
                                  QGuiApplication::primaryScreen()->geometry().size()));
}

void AjusterLargeurListe(QComboBox* liste) {
    const QFontMetrics mesure(liste->font());
    int plusLarge = 0;
    for (int i = 0; i < liste->count(); ++i) {
        plusLarge = std::max(plusLarge, mesure.horizontalAdvance(liste->itemText(i)));
    }
    liste->view()->setMinimumWidth(LargeurListe(plusLarge));
}

void DessinerElementListe(const QComboBox* liste, QPainter* peintre, int index, bool selectionne,
                          const QRect& zone) {
    QColor texte = liste->palette().color(QPalette::Text);
    QColor fond = liste->palette().color(QPalette::Base);
    if (selectionne) {
        texte = kTexteSelection;
        fond = kFondSelection;
    }
    peintre->fillRect(zone, fond);
    peintre->setPen(texte);
    peintre->setFont(liste->font());
    const QFontMetrics mesure(liste->font());
    peintre->drawText(QPoint(zone.left() + 2, zone.top() + mesure.ascent()),
                      liste->itemText(index));
}

void DemarrerTimerCurseur(QTimer* timer, const QWidget* fenetre, const QWidget* bouton) {
    timer->disconnect();
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, fenetre, bouton] {
        timer->stop();
        const QRect b = bouton->geometry();
        QCursor::setPos(fenetre->x() + b.left() + b.width() / 2,
                        fenetre->y() + b.top() + b.height() / 2);
    });
    timer->start();
}

QString TexteAffiche(const QString& texte) {
    QString affiche = texte;
    affiche.replace("\r\n", "\n");
    return affiche;
}

}  // namespace velmora
