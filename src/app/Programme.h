#pragma once

#include <memory>

namespace velmora {

class TDataModule1;
class TFrmSplash;
class TFormGrisTransparent;
class TFormShowMessageInterne;
class TFormMain;
class TFormOptions;
class TFormEnregistre;
class TFrmApropos;
class TFormMessageDialogInterne;
class TFormChoixFeuilleExcel;
class TFormAide;
class TFormImagesLib;

// Application-wide settings made once, right after QApplication exists: the
// title "Velmora", the style, the default font, and no automatic quit when
// the last window closes (the program ends only through its own handlers).
void ConfigurerApplication();

// The program's single instances: created hidden, in their order, at
// construction; registered in FenetresProgramme() for the whole run;
// destroyed in reverse order. One Programme at a time.
class Programme {
public:
    Programme();
    ~Programme();
    Programme(const Programme&) = delete;
    Programme& operator=(const Programme&) = delete;

    // What the event loop does first: shows the splash, whose check then
    // opens the main window or ends the program.
    void Lancer();

    TDataModule1& DataModule1() { return *dataModule1_; }
    TFrmSplash& FrmSplash() { return *frmSplash_; }
    TFormGrisTransparent& FormGrisTransparent() { return *formGrisTransparent_; }
    TFormShowMessageInterne& FormShowMessageInterne() { return *formShowMessageInterne_; }
    TFormMain& FormMain() { return *formMain_; }
    TFormOptions& FormOptions() { return *formOptions_; }
    TFormEnregistre& FormEnregistre() { return *formEnregistre_; }
    TFrmApropos& FrmApropos() { return *frmApropos_; }
    TFormMessageDialogInterne& FormMessageDialogInterne() { return *formMessageDialogInterne_; }
    TFormChoixFeuilleExcel& FormChoixFeuilleExcel() { return *formChoixFeuilleExcel_; }
    TFormAide& FormAide() { return *formAide_; }
    TFormImagesLib& FormImagesLib() { return *formImagesLib_; }

private:
    std::unique_ptr<TDataModule1> dataModule1_;
    std::unique_ptr<TFrmSplash> frmSplash_;
    std::unique_ptr<TFormGrisTransparent> formGrisTransparent_;
    std::unique_ptr<TFormShowMessageInterne> formShowMessageInterne_;
    std::unique_ptr<TFormMain> formMain_;
    std::unique_ptr<TFormOptions> formOptions_;
    std::unique_ptr<TFormEnregistre> formEnregistre_;
    std::unique_ptr<TFrmApropos> frmApropos_;
    std::unique_ptr<TFormMessageDialogInterne> formMessageDialogInterne_;
    std::unique_ptr<TFormChoixFeuilleExcel> formChoixFeuilleExcel_;
    std::unique_ptr<TFormAide> formAide_;
    std::unique_ptr<TFormImagesLib> formImagesLib_;
};

}  // namespace velmora
