#pragma once

#include <QString>

#include "modes/ModeComparaison.h"

namespace velmora {

// The built-in mode that stands in for an empty mode store; never stored.
ModeComparaison ModeParDefaut(bool anglais);

// The description of `mode` shown in the hint of the mode list: its kind,
// its reference columns, its output and its inserted row numbers, lines
// separated by "\r\n", in French or English.
QString DescriptionMode(const ModeComparaison& mode, bool anglais);

}  // namespace velmora
