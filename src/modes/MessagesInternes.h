#pragma once

#include <QString>

class QWidget;

namespace velmora {

// The message box over `fenetre`: placed over it, under the overlay of slot 1
// while it is up. Does nothing when the box was not created (tools).
void AfficherMessageInterne(QWidget* fenetre, const QString& texte);

// The yes/no question box over `fenetre`, the same way; returns ReponseOui.
// Without a question box the answer is Non.
bool PoserQuestionInterne(QWidget* fenetre, const QString& texte);

}  // namespace velmora
