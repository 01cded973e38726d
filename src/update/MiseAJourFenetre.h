#pragma once

#include <QString>
#include <functional>
#include <string>

#include "update/TelechargementMaj.h"

class QWidget;

namespace velmora {

// Where the update action reaches outside the program: the server, the
// download's settings, the start of the update program and the end of this
// one. The program keeps the defaults; tests point them at a loopback server
// and at recorders, so that nothing is really started or ended.
struct ReglagesMiseAJour {
    std::string Url = kUrlMiseAJour;
    // The retry question is filled in by the action itself.
    ReglagesTelechargement Telechargement;
    // Starts the update program; unset starts it detached.
    std::function<void(const QString& programme)> Demarrer;
    // Ends this program; unset ends the event loop.
    std::function<void()> Terminer;
};

// The settings the update action uses, for the whole run.
ReglagesMiseAJour& ReglagesMiseAJourProgramme();

// The update button of `fenetre`, with its texts in `langueCourante`
// ("anglais", or French for anything else). An update program already beside
// the executable is started at once; otherwise, after the user's Oui, it is
// downloaded and started. Starting it closes the mode database first and
// ends this program.
void LancerMiseAJour(QWidget* fenetre, const QString& langueCourante);

}  // namespace velmora
