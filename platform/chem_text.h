// Windows-1252 bytes, in which both programs keep their texts, to and from Qt strings.
#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace platform {

// Every byte through the Windows-1252 table; the five bytes the table leaves
// undefined (129, 141, 143, 144, 157) become U+0081, U+008D, U+008F, U+0090, U+009D.
QString DecodeCp1252(std::string_view bytes);

// The inverse; a character outside Windows-1252 becomes "?".
std::string EncodeCp1252(const QString& text);

} // namespace platform
