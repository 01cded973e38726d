#pragma once

#include <QPointer>
#include <QWidget>
#include <array>

namespace velmora {

// The grey overlays laid over a window while a modal dialog is up. The
// instance created at start is never shown and keeps the overlay of each
// slot; every overlay is itself a new TFormGrisTransparent.
//
// Slots: 1 message and question boxes, 2 dialogs of the main window, 3 the
// mode title dialog, 4 the worksheet chooser; 0 is unused.
class TFormGrisTransparent : public QWidget {
    Q_OBJECT

public:
    static constexpr int kNombreVoiles = 5;
    static constexpr double kOpacite = 130.0 / 255.0;

    explicit TFormGrisTransparent(QWidget* parent = nullptr);

    // Covers `fenetre` exactly with a new grey overlay named "FormGris<slot>"
    // and lets pending events run so it is painted before the caller goes on.
    // A slot outside 0 to 4 is a programming error.
    void AfficherVoile(const QWidget* fenetre, int slot);

    // Closes and releases the overlay of `slot`; an empty slot, an overlay
    // already gone or a slot outside 0 to 4 is ignored.
    void MasquerVoile(int slot);

    // Tests: the overlay of `slot`, or null.
    QWidget* Voile(int slot) const;

private:
    std::array<QPointer<TFormGrisTransparent>, kNombreVoiles> Voiles;
};

}  // namespace velmora
