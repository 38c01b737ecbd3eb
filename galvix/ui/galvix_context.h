// The services Galvix3's windows share: message boxes titled "Galvix", the
// clipboard and printer for Chem texts, help, the quit question, and how the
// program ends.
#pragma once

#include "help_topics.h"
#include "platform/services.h"

#include <QString>
#include <QStringList>
#include <functional>

class QCloseEvent;
class QWidget;

namespace galvix::ui {

inline constexpr const char* kMessageTitle = "Galvix";
inline constexpr const char* kApplicationName = "Galvix3";

class GalvixContext {
  public:
    explicit GalvixContext(platform::Services services);

    platform::Services services;
    // Font files that provide "Chem" when it is not installed, tried in order.
    QStringList chemFontFiles;

    // Reports a failure that ends the program (a damaged data file, the
    // divisor guard). The default shows the message and exits with status 1.
    std::function<void(const QString& message)> fatal;
    // Ends the program at once, closing every window.
    std::function<void()> quit;

    // A message box titled "Galvix".
    platform::MessageButton
    message(QWidget* parent, const QString& text,
            platform::MessageIcon icon = platform::MessageIcon::None,
            platform::MessageButtons buttons = platform::MessageButtons::Ok,
            platform::MessageButton defaultButton = platform::MessageButton::Ok);
    // Asks a Yes/No question; true when the answer is Yes.
    bool ask(QWidget* parent, const QString& question, platform::MessageIcon icon,
             platform::MessageButton defaultButton = platform::MessageButton::Yes);
    // Puts a Chem text on the clipboard, as plain text with real sub- and
    // superscripts and as HTML, then shows the note.
    void copyChemText(QWidget* parent, const QString& text, const QString& note);
    // Copy of a result window: the text on the clipboard, then the note on the
    // Chem font.
    void copyResult(QWidget* parent, const QString& text);
    // Print of a result window: asks first; a failure shows "Error printing!".
    void printResult(QWidget* parent, const QString& text);
    // Prints a text in Chem at 10 points after the page preparation; true when
    // it printed or the user cancelled the printer dialog, false on a failure.
    bool printChemText(QWidget* parent, const QString& text);
    // A close request of a main window: "Are you sure you want to quit?"
    // decides whether the program ends or the close is cancelled.
    void handleClose(QWidget* window, QCloseEvent* event);
    void showHelp(QWidget* window, HelpTopic topic);
    // The appearance settings as a window applies them when it loads.
    void applyAppearance(QWidget* window);
};

} // namespace galvix::ui
