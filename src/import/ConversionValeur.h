#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

#include "import/ReglagesRegionaux.h"
#include "workbook/Valeur.h"

namespace velmora {

// A cell value that has no text (an error value such as #N/A). what() is the
// value's own text.
class ErreurConversion : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The text a cell value is written as into a grid. Throws ErreurConversion
// for an error value.
std::string texteDeValeur(const Valeur& valeur, const ReglagesRegionaux& reglages);

// Shortest general form with at most 15 significant digits: fixed notation
// when the integral part has at most 15 digits and the magnitude is at least
// 0.00001, otherwise d<sep>dddE<exponent> (1E20, 1,5E-7).
std::string texteNombre(double nombre, std::string_view separateurDecimal);

// A date serial (days; time of day as the fraction) as the short date, then a
// blank and the time when the time of day is not midnight; a serial below 1
// (a time alone) gives the time only. Serials outside the years 1900 to 9999
// are written as numbers.
std::string texteDate(double serie, bool date1904, const ReglagesRegionaux& reglages);

}  // namespace velmora
