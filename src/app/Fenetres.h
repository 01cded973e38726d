#pragma once

#include <QString>
#include <exception>
#include <functional>

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

// The single instances created at start, in their order of creation. Filled
// by the program's start-up (and by test fixtures); a window not created in
// the current run reads as null. The instances are owned by whoever created
// them, not by this table.
struct Fenetres {
    TDataModule1* DataModule1 = nullptr;
    TFrmSplash* FrmSplash = nullptr;
    TFormGrisTransparent* FormGrisTransparent = nullptr;
    TFormShowMessageInterne* FormShowMessageInterne = nullptr;
    TFormMain* FormMain = nullptr;
    TFormOptions* FormOptions = nullptr;
    TFormEnregistre* FormEnregistre = nullptr;
    TFrmApropos* FrmApropos = nullptr;
    TFormMessageDialogInterne* FormMessageDialogInterne = nullptr;
    TFormChoixFeuilleExcel* FormChoixFeuilleExcel = nullptr;
    TFormAide* FormAide = nullptr;
    TFormImagesLib* FormImagesLib = nullptr;
};

Fenetres& FenetresProgramme();

// Ends the event loop; the windows are destroyed by their owner afterwards.
void TerminerApplication();

// Shows an error that no handler of the program deals with in the
// framework's standard error box. Tests replace the box through
// DefinirAfficheurErreur so that nothing waits for a click.
void SignalerErreur(const std::exception& erreur);
void DefinirAfficheurErreur(std::function<void(const QString&)> afficheur);

// Runs `action`; an exception escaping it goes to SignalerErreur instead of
// unwinding through the event loop. Returns false when it failed.
bool Proteger(const std::function<void()>& action);

}  // namespace velmora
