#pragma once

#include <cstdint>
#include <string>

namespace velmora {

// What a cell of a worksheet holds, as the automation layer hands it out.
enum class TypeValeur : std::uint8_t {
    Vide,     // no value (also a BLANK cell carrying only a format)
    Texte,    // texte
    Nombre,   // nombre
    Date,     // nombre is the serial day count in the workbook's date system
    Monnaie,  // nombre is the amount (a number shown with a currency format)
    Booleen,  // booleen
    Erreur,   // codeErreur, and texte such as "#N/A"
};

struct Valeur {
    TypeValeur type = TypeValeur::Vide;
    double nombre = 0.0;
    bool booleen = false;
    // Dates only: true when the workbook counts days from 1904-01-01
    // (serial 0) instead of from 1899-12-31 (serial 1).
    bool date1904 = false;
    std::uint8_t codeErreur = 0;
    std::string texte;

    // The spreadsheet's text for an error code, "#ERR<code>" for unknown ones.
    static std::string texteErreur(std::uint8_t code);
};

}  // namespace velmora
