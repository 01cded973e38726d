#pragma once

#include <QWidget>
#include <string>

#include "app/Habillage.h"

class QLabel;

namespace velmora {

class ControleImage;

// The splash: shown first, it checks the mode store and opens the main
// window, or reports the failure and ends the program. Closing it ends the
// program.
class TFrmSplash : public QWidget {
    Q_OBJECT

public:
    TFrmSplash();

    ControleImage* ImageFond = nullptr;
    CadreFenetre Cadre;
    QLabel* LblChargement = nullptr;

    // The start-up check, run once the splash is on screen: probes the store
    // through the shared query, then shows the main window, or shows the
    // failure in the message box and closes the splash.
    void VerifierDemarrage();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void FormShow();
    void FormClose();

    // Langue as read when the splash was shown.
    std::string langue_;
};

}  // namespace velmora
