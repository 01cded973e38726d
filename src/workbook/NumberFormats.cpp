#include "workbook/NumberFormats.h"

#include <string>

namespace velmora {

NumberKind builtinFormatKind(int index) {
    if ((index >= 14 && index <= 22) || (index >= 45 && index <= 47) ||
        (index >= 27 && index <= 36) || (index >= 50 && index <= 58)) {
        return NumberKind::Date;
    }
    // $#,##0 family and the accounting formats that show the symbol.
    if ((index >= 5 && index <= 8) || index == 42 || index == 44) {
        return NumberKind::Currency;
    }
    return NumberKind::Number;
}

namespace {

bool showsCurrency(std::string_view code) {
    for (std::string_view symbol : {"\u20AC", "\u00A3", "\u00A5"}) {
        if (code.find(symbol) != std::string_view::npos) {
            return true;
        }
    }
    for (std::size_t i = code.find('$'); i != std::string_view::npos; i = code.find('$', i + 1)) {
        // "[$-40C]" only names a locale; "[$€-40C]" or a bare $ shows a symbol.
        const bool localeTag = i > 0 && code[i - 1] == '[' && i + 1 < code.size() &&
                               (code[i + 1] == '-' || code[i + 1] == ']');
        if (!localeTag) {
            return true;
        }
    }
    return false;
}

}  // namespace

NumberKind formatCodeKind(std::string_view code) {
    if (code == "General" || code == "GENERAL" || code == "general" || code == "@") {
        return NumberKind::Number;
    }
    int dateCodes = 0;
    int digitCodes = 0;
    for (std::size_t i = 0; i < code.size(); ++i) {
        const char c = code[i];
        if (c == '"') {
            const std::size_t end = code.find('"', i + 1);
            if (end == std::string_view::npos) {
                break;
            }
            i = end;
        } else if (c == '[') {
            const std::size_t end = code.find(']', i + 1);
            if (end == std::string_view::npos) {
                break;
            }
            i = end;
        } else if (c == '\\' || c == '_' || c == '*') {
            ++i;  // the next character is shown or padded, not interpreted
        } else if (c == 'y' || c == 'Y' || c == 'm' || c == 'M' || c == 'd' || c == 'D' ||
                   c == 'h' || c == 'H' || c == 's' || c == 'S') {
            ++dateCodes;
        } else if (c == '0' || c == '#' || c == '?') {
            ++digitCodes;
        }
    }
    if (dateCodes > digitCodes) {
        return NumberKind::Date;
    }
    return showsCurrency(code) ? NumberKind::Currency : NumberKind::Number;
}

}  // namespace velmora
