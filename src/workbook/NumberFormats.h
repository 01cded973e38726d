#pragma once

#include <cstdint>
#include <string_view>

namespace velmora {

// How a number shown through a number format reads back as a cell value.
enum class NumberKind : std::uint8_t { Number, Date, Currency };

// Classifies the built-in format with this index (formats 0 to 163 that a
// workbook may use without a FORMAT record).
NumberKind builtinFormatKind(int index);

// Classifies a format code: a date when it holds more day, month, year, hour,
// minute or second codes than digit placeholders outside quoted texts,
// brackets and escapes; a currency amount when it shows a currency symbol.
NumberKind formatCodeKind(std::string_view code);

}  // namespace velmora
