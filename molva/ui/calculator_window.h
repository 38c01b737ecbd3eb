// Molva's calculator window: the display, the input line, the keypad and, in
// the wide layout, the function area. It owns the calculation session and
// turns every command into a request to it.
#pragma once

#include "calculator_column.h"
#include "calculator_menus.h"
#include "engine/session.h"
#include "engine/task_text.h"
#include "function_panel.h"
#include "keypad.h"
#include "platform/services.h"
#include "result_display.h"

#include <QMainWindow>
#include <QStringList>
#include <memory>

namespace molva::ui {

class ChemistryCommands;
class ConstantsPanel;
class InputCommands;

// Window sizes: narrow and wide width, normal and display-only height.
inline constexpr int kNarrowWidth = 246;
inline constexpr int kWideWidth = 496;
inline constexpr int kNormalHeight = 397;
inline constexpr int kDisplayOnlyHeight = 139;

class CalculatorWindow : public QMainWindow {
  public:
    CalculatorWindow(platform::Services services, char decimalSeparator, QString exampleDirectory);
    ~CalculatorWindow() override;

    // Runs the input line through the session and shows what it gives.
    void calculate();

    // Edit commands on the input line.
    void cut();
    void copy();
    void paste();
    void deleteText();
    void selectAll();
    void clearDisplay();
    void insertIon(const QString& ion);

    // Layouts.
    void expandOrShrink();
    void toggleDisplayOnly();
    bool isTopmost() const;
    bool expanded() const { return expanded_; }
    bool displayOnly() const { return displayOnly_; }

    // The function-area views: Classic, units, constants, custom, and a new constants file.
    void showConstants(int view);

    // The list of calculations and task files.
    void newList();
    void openTask();
    void runTaskFile(const QString& path);
    void runExample();
    void saveList();
    void printList();
    bool cancelRequested() const { return cancelRequested_; }

    CalcSession& session() { return session_; }
    const CalculatorActions& actions() const { return actions_; }
    InputLine* input() const { return input_; }
    HistoryBox* history() const { return column_->history(); }
    const QStringList& resultList() const { return resultList_; }
    ResultDisplay* display() const { return display_; }
    Keypad* keypad() const { return column_->keypad(); }
    NumberFormatPanel* numberPanel() const { return column_->numberPanel(); }
    ConstantsPanel* constantsPanel() const { return constantsPanel_; }
    FunctionPanel* functions() const;
    ChemistryCommands& chemistry() const { return *chemistry_; }

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void connectMenus();
    void connectPanels();
    void createShortcuts();

    void clickIndicator(Indicator which);
    void clickInputRow(int row);

    void chooseFormat(FormatKind kind);
    void choosePlaces(const QString& text);
    void chooseGrouping(bool on);
    void chooseAngle(AngleUnit unit);
    void nextFormat();
    void nextAngle();
    void showTexts();
    void showFormatState();

    void setTopmost(bool on);
    void applyLayout();
    void loadConstantsFile();
    void runTask(const QByteArray& bytes, TaskLines kind, bool hideTexts);
    void addEntry(const QString& historyText, const QString& resultLine);
    void focusInput();

    platform::Services services_;
    CalcSession session_;
    QString exampleDirectory_;
    CalculatorActions actions_;
    CalculatorColumn* column_ = nullptr;
    ResultDisplay* display_ = nullptr; // the column's, used at every turn
    InputLine* input_ = nullptr;       // the column's, used at every turn
    QStringList resultList_;           // the result of each history entry, newest first
    ConstantsPanel* constantsPanel_ = nullptr;
    std::unique_ptr<InputCommands> commands_;
    std::unique_ptr<ChemistryCommands> chemistry_;
    bool expanded_ = false;
    bool displayOnly_ = false;
    bool topmost_ = false;
    bool cancelRequested_ = false;
};

} // namespace molva::ui
