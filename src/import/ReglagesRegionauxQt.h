#pragma once

#include <QLocale>

#include "import/ReglagesRegionaux.h"

namespace velmora {

// The decimal separator, short date format and time format (with seconds,
// without time zone) of a locale; reglagesDepuisLocale(QLocale::system()) for
// the user's own.
ReglagesRegionaux reglagesDepuisLocale(const QLocale& locale);

}  // namespace velmora
