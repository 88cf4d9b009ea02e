#pragma once
// Conversion between the program's UTF-8 texts and the Windows-1252 bytes of every file.
#include <string>
#include <string_view>

namespace andel {

// Every byte decodes: the five bytes that Windows-1252 leaves undefined map to the C1
// control characters of the same value, so decoding and encoding gives back the bytes.
std::string fromCp1252(std::string_view bytes);

// A character with no Windows-1252 byte becomes "?". Invalid UTF-8 bytes become "?" too.
std::string toCp1252(std::string_view utf8);

}  // namespace andel
