#include "app/Programme.h"

#include <QApplication>
#include <QStyleFactory>

#include "app/Fenetres.h"
#include "app/Habillage.h"
#include "app/TFormAide.h"
#include "app/TFormGrisTransparent.h"
#include "app/TFormImagesLib.h"
#include "app/TFormMessageDialogInterne.h"
#include "app/TFormShowMessageInterne.h"
#include "app/TFrmApropos.h"
#include "app/TFrmSplash.h"
#include "import/TFormChoixFeuilleExcel.h"
#include "import/TFormMain.h"
#include "modes/TDataModule1.h"
#include "modes/TFormEnregistre.h"
#include "modes/TFormOptions.h"

namespace velmora {

void ConfigurerApplication() {
    QApplication::setApplicationName("Velmora");
    QApplication::setApplicationDisplayName("Velmora");
    if (QStyle* style = QStyleFactory::create("Fusion")) {
        QApplication::setStyle(style);
    }
    QApplication::setFont(PoliceSkin(11));
    QApplication::setQuitOnLastWindowClosed(false);
}

Programme::Programme() {
    Fenetres& fenetres = FenetresProgramme();
    fenetres = Fenetres{};
    dataModule1_ = std::make_unique<TDataModule1>();
    fenetres.DataModule1 = dataModule1_.get();
    frmSplash_ = std::make_unique<TFrmSplash>();
    fenetres.FrmSplash = frmSplash_.get();
    formGrisTransparent_ = std::make_unique<TFormGrisTransparent>();
    fenetres.FormGrisTransparent = formGrisTransparent_.get();
    formShowMessageInterne_ = std::make_unique<TFormShowMessageInterne>();
    fenetres.FormShowMessageInterne = formShowMessageInterne_.get();
    formMain_ = std::make_unique<TFormMain>();
    fenetres.FormMain = formMain_.get();
    formOptions_ = std::make_unique<TFormOptions>();
    fenetres.FormOptions = formOptions_.get();
    formEnregistre_ = std::make_unique<TFormEnregistre>();
    fenetres.FormEnregistre = formEnregistre_.get();
    frmApropos_ = std::make_unique<TFrmApropos>();
    fenetres.FrmApropos = frmApropos_.get();
    formMessageDialogInterne_ = std::make_unique<TFormMessageDialogInterne>();
    fenetres.FormMessageDialogInterne = formMessageDialogInterne_.get();
    formChoixFeuilleExcel_ = std::make_unique<TFormChoixFeuilleExcel>();
    fenetres.FormChoixFeuilleExcel = formChoixFeuilleExcel_.get();
    formAide_ = std::make_unique<TFormAide>();
    fenetres.FormAide = formAide_.get();
    formImagesLib_ = std::make_unique<TFormImagesLib>();
    fenetres.FormImagesLib = formImagesLib_.get();
}

Programme::~Programme() {
    FenetresProgramme() = Fenetres{};
    formImagesLib_.reset();
    formAide_.reset();
    formChoixFeuilleExcel_.reset();
    formMessageDialogInterne_.reset();
    frmApropos_.reset();
    formEnregistre_.reset();
    formOptions_.reset();
    formMain_.reset();
    formShowMessageInterne_.reset();
    formGrisTransparent_.reset();
    frmSplash_.reset();
    dataModule1_.reset();
}

void Programme::Lancer() {
    frmSplash_->show();
}

}  // namespace velmora
