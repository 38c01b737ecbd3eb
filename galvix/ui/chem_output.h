// Chem texts on the screen and on the clipboard: the Windows-1252 bytes shown
// in the Chem font, and the same text as HTML and as plain text in which the
// Chem codes are real subscripts, superscripts, Δ and °.
#pragma once

#include <QString>
#include <string>
#include <string_view>

class QListWidget;
class QListWidgetItem;

namespace galvix::ui {

// A Chem-notation text (Windows-1252 bytes) for display in the Chem font.
QString ChemDisplay(std::string_view bytes);

// Adds a list item showing `shown` that keeps the Chem bytes it stands for.
QListWidgetItem* AddChemItem(QListWidget* list, const QString& shown, std::string_view bytes);

// The Chem bytes a list item keeps; empty for no item.
std::string ItemBytes(const QListWidgetItem* item);

// The text as HTML for word processors without the Chem font.
QString ChemToHtml(const QString& decoded);

// The text with real subscripts, superscripts, Δ and ° for plain-text readers.
QString ChemToPlainText(const QString& decoded);

} // namespace galvix::ui
