// What Galvix3's windows share: the services, the data directory, the values
// that pass between windows, and the windows themselves, created on first use.
#pragma once

#include "platform/services.h"

#include <QByteArray>
#include <QList>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <string>

class QCloseEvent;
class QMenu;
class QWidget;

namespace galvix::ui {

class Form1;
class Form2;
class Form3;
class Form5;
class Form6;
class Form7;
class Form8;
class Form9;
class Form10;
class Form11;
class Form12;
class Form13;
class Form14;
class Form15;
class Form16;

inline constexpr const char* kMessageTitle = "Galvix";
inline constexpr const char* kApplicationName = "Galvix3";

// The search criteria the search window leaves for the main screen's Find Next.
struct FindState {
    std::string text; // upper-cased when matchCase is off
    bool matchCase = false;
    bool wholeWord = false;
    char list = 'O'; // 'O' oxidation list, 'R' reduction list
};

class GalvixContext {
  public:
    GalvixContext(platform::Services services, std::string dataDirectory);
    ~GalvixContext();

    platform::Services services;
    std::string dataDirectory; // ends with "/"
    // Font files that provide "Chem" when it is not installed, tried in order.
    QStringList chemFontFiles;

    char jumpListFlag = 'O';
    int outputMode = 1; // 1 copy, 2 print
    int sortCancelFlag = 0;
    double transferredElectrons = 0;
    FindState find;

    // Reports a failure that ends the program (a damaged data file, the
    // divisor guard). The default shows the message and exits with status 1.
    std::function<void(const QString& message)> fatal;

    // A message box titled "Galvix".
    platform::MessageButton
    message(QWidget* parent, const QString& text,
            platform::MessageIcon icon = platform::MessageIcon::None,
            platform::MessageButtons buttons = platform::MessageButtons::Ok,
            platform::MessageButton defaultButton = platform::MessageButton::Ok);
    // Puts a Chem text on the clipboard, plain and as HTML, then shows the note.
    void copyChemText(QWidget* parent, const QString& text, const QString& note);
    // Asks the print question; true when the answer is Yes.
    bool askToPrint(QWidget* parent, const QString& question,
                    platform::MessageIcon icon = platform::MessageIcon::Question);
    // Prints a text in Chem at 10 points after the page preparation; true when
    // it printed or the user cancelled the printer dialog, false on a failure.
    bool printChemText(QWidget* parent, const QString& text);
    // Asks "Are you sure you want to quit?"; true when the answer is Yes.
    bool confirmQuit(QWidget* parent);
    // The Help menu items both main windows share: Contents (F1), Index, About
    // and the list of elements (F8, under the item name `elementsName`).
    void addHelpItems(QMenu* help, QWidget* window, const char* elementsName);
    // A close request of a main window: the quit question decides whether the
    // program ends or the close is cancelled.
    void handleClose(QWidget* window, QCloseEvent* event);
    // Ends the program at once, closing every window.
    std::function<void()> quit;
    // Rewrites a whole file safely (Custom.dat); tests replace it to fail.
    std::function<bool(const QString& path, const QByteArray& bytes)> replaceFile;

    // The path of a data file.
    QString dataFile(const char* name) const;
    // Shows the list of elements, modal (key F8 in most windows).
    void showElements();
    // Key F8 in a window shows the list of elements.
    void installElementsKey(QWidget* window);

    // Windows apply the appearance settings when they load; Apply re-applies
    // them to every window registered here.
    void registerWindow(QWidget* window);
    void applyAppearanceToAll();

    Form1& form1();
    Form2& form2();
    Form3& form3();
    Form5& form5();
    Form6& form6();
    Form7& form7();
    Form8& form8();
    Form9& form9();
    Form10& form10();
    Form11& form11();
    Form12& form12();
    Form13& form13();
    Form14& form14();
    Form15& form15();
    Form16& form16();
    // Unloads the open window so that its list of names is read again.
    void unloadForm5();
    bool hasForm12() const { return form12_ != nullptr; }
    bool hasForm1() const { return form1_ != nullptr; }

  private:
    QList<QPointer<QWidget>> windows_;
    std::unique_ptr<Form1> form1_;
    std::unique_ptr<Form2> form2_;
    std::unique_ptr<Form3> form3_;
    std::unique_ptr<Form5> form5_;
    std::unique_ptr<Form6> form6_;
    std::unique_ptr<Form7> form7_;
    std::unique_ptr<Form8> form8_;
    std::unique_ptr<Form9> form9_;
    std::unique_ptr<Form10> form10_;
    std::unique_ptr<Form11> form11_;
    std::unique_ptr<Form12> form12_;
    std::unique_ptr<Form13> form13_;
    std::unique_ptr<Form14> form14_;
    std::unique_ptr<Form15> form15_;
    std::unique_ptr<Form16> form16_;
};

} // namespace galvix::ui
