#pragma once

#include <QLabel>

namespace velmora {

// A label whose text uses "\r\n" for its line breaks, drawn clipped to the
// label's size with its own font and WindowText colour.
class EtiquetteTexte : public QLabel {
    Q_OBJECT

public:
    explicit EtiquetteTexte(QWidget* parent, const QString& nom = {});

    // Sets the text and sizes the label to it: widest line by number of lines.
    void DefinirTexte(const QString& texte);

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace velmora
