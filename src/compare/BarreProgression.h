#pragma once

#include <functional>

namespace velmora {

// The progress bar a comparison moves. `rafraichir` runs after every change
// of the position: the final-table window repaints its bar and lets pending
// events run from it; the command line leaves it empty or prints progress.
// It may throw to abandon the comparison (the window does when it closes).
struct BarreProgression {
    int Max = 100;
    int Position = 0;
    std::function<void(const BarreProgression&)> rafraichir;

    void definirPosition(int position) {
        Position = position;
        if (rafraichir) {
            rafraichir(*this);
        }
    }
};

}  // namespace velmora
