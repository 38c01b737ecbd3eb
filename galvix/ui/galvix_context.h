// What Galvix3's windows share: the services, the data directory, the values
// that pass between windows, and the windows themselves, created on first use.
#pragma once

#include "platform/services.h"

#include <QList>
#include <QPointer>
#include <QString>
#include <functional>
#include <memory>
#include <string>

class QWidget;

namespace galvix::ui {

class Form1;
class Form2;
class Form6;
class Form9;
class Form10;
class Form11;
class Form14;

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
    // Asks "Are you sure you want to quit?"; true when the answer is Yes.
    bool confirmQuit(QWidget* parent);
    // Ends the program at once, closing every window.
    std::function<void()> quit;

    // Windows apply the appearance settings when they load; Apply re-applies
    // them to every window registered here.
    void registerWindow(QWidget* window);
    void applyAppearanceToAll();

    Form1& form1();
    Form2& form2();
    Form6& form6();
    Form9& form9();
    Form10& form10();
    Form11& form11();
    Form14& form14();
    bool hasForm1() const { return form1_ != nullptr; }

  private:
    QList<QPointer<QWidget>> windows_;
    std::unique_ptr<Form1> form1_;
    std::unique_ptr<Form2> form2_;
    std::unique_ptr<Form6> form6_;
    std::unique_ptr<Form9> form9_;
    std::unique_ptr<Form10> form10_;
    std::unique_ptr<Form11> form11_;
    std::unique_ptr<Form14> form14_;
};

} // namespace galvix::ui
