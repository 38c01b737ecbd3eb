// Texts that Galvix3 copies and prints: the common header, and the same text
// as HTML in which the Chem codes are real subscripts, superscripts, Δ and °.
#pragma once

#include <QString>
#include <string_view>

namespace galvix::ui {

// "Galvix Ver 3.0", a notice line, an empty line; CR LF line ends.
QString OutputHeader();

// A Chem-notation text (Windows-1252 bytes) for display in the Chem font.
QString ChemDisplay(std::string_view bytes);

// The text as HTML for word processors without the Chem font.
QString ChemToHtml(const QString& decoded);

} // namespace galvix::ui
