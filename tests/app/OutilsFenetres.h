#pragma once

// Helpers of the window tests: a private program folder, answering modal
// dialogs without blocking, stacking order of sibling controls.

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>
#include <filesystem>
#include <functional>

#include "app/Parametres.h"

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
