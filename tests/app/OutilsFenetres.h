#pragma once

// Helpers of the window tests: a private program folder, answering modal
// dialogs without blocking, stacking order of sibling controls.

#include <QApplication>
#include <QFile>
#include <QList>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <filesystem>
#include <functional>

#include "app/Fenetres.h"
#include "app/Parametres.h"
#include "app/TFormGrisTransparent.h"
#include "app/TFormMessageDialogInterne.h"

namespace velmora::test {

// A folder standing for the executable's: Param.ini and a copy of the
// Comp.qnr made by the build live there for one test.
class DossierProgramme {
public:
    explicit DossierProgramme(bool avecBase = true) {
        if (avecBase) {
            std::filesystem::copy_file(std::filesystem::path(VELMORA_BIN_DIR) / "Comp.qnr",
                                       chemin() / "Comp.qnr");
        }
        DefinirDossierExecutable(chemin());
    }
    ~DossierProgramme() { DefinirDossierExecutable({}); }

    std::filesystem::path chemin() const { return dossier_.path().toStdString(); }

    void EcrireParamIni(const QByteArray& contenu) const {
        QFile fichier(QString::fromStdString((chemin() / "Param.ini").string()));
        fichier.open(QIODevice::WriteOnly | QIODevice::Truncate);
        fichier.write(contenu);
    }

    QByteArray LireParamIni() const {
        QFile fichier(QString::fromStdString((chemin() / "Param.ini").string()));
        return fichier.open(QIODevice::ReadOnly) ? fichier.readAll() : QByteArray();
    }

private:
    QTemporaryDir dossier_;
};

// While alive, hands every modal window that comes up to `reponse`, which
// must close it; a test then never waits in exec().
class RepondeurModal {
public:
    explicit RepondeurModal(std::function<void(QWidget*)> reponse) : reponse_(std::move(reponse)) {
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                if (modal->isVisible() && modal != vu_) {
                    vu_ = modal;
                    ++nombre_;
                    reponse_(modal);
                    vu_ = nullptr;
                }
            }
        });
        timer_.start(5);
    }
    int nombre() const { return nombre_; }

private:
    std::function<void(QWidget*)> reponse_;
    QTimer timer_;
    QWidget* vu_ = nullptr;
    int nombre_ = 0;
};

// The overlay slots (1 to 4) shown at this moment.
inline QList<int> VoilesAffiches() {
    QList<int> affiches;
    for (int slot = 1; slot <= 4; ++slot) {
        if (FenetresProgramme().FormGrisTransparent->Voile(slot) != nullptr) {
            affiches << slot;
        }
    }
    return affiches;
}

// Answers the question box: "oui" with its Oui button, "escape" with the
// key, anything else with its Non button.
inline void RepondreQuestion(TFormMessageDialogInterne* question, const QString& reponse) {
    if (reponse == "escape") {
        QTest::keyRelease(question, Qt::Key_Escape);
    } else if (reponse == "oui") {
        question->ImageOuiClick();
    } else {
        question->ImageNonClick();
    }
}

// True when `a` is stacked above its sibling `b`.
inline bool Devant(const QWidget* a, const QWidget* b) {
    const QObjectList& enfants = a->parentWidget()->children();
    return enfants.indexOf(a) > enfants.indexOf(b);
}

inline bool MemeImage(const QPixmap& a, const QPixmap& b) {
    return a.toImage().convertToFormat(QImage::Format_RGB32) ==
           b.toImage().convertToFormat(QImage::Format_RGB32);
}

}  // namespace velmora::test
