// MolvaMain: the calculator window, with its display, input line, keypad,
// function field, constants lists, number-format panel and task files.
#pragma once

#include "engine/session.h"
#include "platform/services.h"

#include <QList>
#include <QMainWindow>
#include <array>

class QAction;
class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QScrollBar;
class QStackedWidget;
class QToolButton;

namespace molva::ui {

inline constexpr int kNarrowWidth = 246;
inline constexpr int kWideWidth = 496;
inline constexpr int kNormalHeight = 397;
inline constexpr int kDisplayOnlyHeight = 139;

class MolvaMain : public QMainWindow {
  public:
    MolvaMain(platform::Services services, char decimalSeparator, QString exampleDirectory);
    ~MolvaMain() override;

    // The calculation of the input line (Enter, "=", a task-file line).
    void convertChem2Text();

    // Keypad, function field and quadratic panel.
    void pressKey(int index);
    void pressFunction(int index);
    void calculateQuadratic();

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
    void toggleAlwaysOnTop();
    bool isTopmost() const;

    // Memory register.
    void memoryStore();
    void memoryRecall();
    void memoryAdd();
    void clickMemoryIndicator();

    // Number format and angle units.
    void selectFormat(int index);
    void selectAngle(int index);
    void setDecimalPlacesText(const QString& text);
    void setGrouping(bool grouping);
    void toggleNumberPanel();

    // Constants lists.
    void showConstants(int view);
    void insertConstant(int list, int row);
    void loadConstantsFile();

    // Task and list files.
    void newList();
    void openTask();
    void runTaskFile(const QString& path);
    void runExample();
    void saveList();
    void printList();

    CalcSession& session() { return session_; }
    QLineEdit* input() const { return input_; }
    QLabel* rezultat(int index) const { return rezultat_[static_cast<std::size_t>(index)]; }
    QLabel* oznaka(int index) const { return oznaka_[static_cast<std::size_t>(index)]; }
    QLabel* unosFormule(int index) const { return unosFormule_[static_cast<std::size_t>(index)]; }
    QLabel* info(int index) const { return info_[static_cast<std::size_t>(index)]; }
    QComboBox* history() const { return cmbLista_; }
    QListWidget* results() const { return lstRezultat_; }
    QListWidget* constants(int index) const {
        return lstConstants_[static_cast<std::size_t>(index)];
    }
    QPushButton* key(int index) const { return cmdNum_[static_cast<std::size_t>(index)]; }
    QPushButton* function(int index) const { return cmdFunction_[static_cast<std::size_t>(index)]; }
    QCheckBox* inverse() const { return chkInverse_; }
    QAction* action(const char* name) const;
    bool expanded() const { return expanded_; }
    bool cancelRequested() const { return cancelRequested_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    struct Panels;

    void createMenus();
    void createCalculatorColumn(QWidget* column);
    void createFunctionArea(QWidget* area);
    void createNumberPanel(QWidget* parent);
    void showDisplay();
    void insertText(const QString& text);
    void addHistory(const QString& input, const QString& result);
    void updateMemoryIndicator();
    void updateIndicators();
    void setInverse(bool checked);
    void applyLayout();
    bool handleKey(QKeyEvent* event);
    QString operandFor(int index);
    QString standardText(double value) const;
    void insertStatistic(int index);
    void insertDataList();
    void runLines(const QStringList& lines, bool exampleFormat, bool hideLabels);

    platform::Services services_;
    CalcSession session_;
    QString exampleDirectory_;
    QLineEdit* input_ = nullptr;
    QComboBox* cmbLista_ = nullptr;
    QListWidget* lstRezultat_ = nullptr;
    std::array<QLabel*, 3> rezultat_{};
    std::array<QLabel*, 4> oznaka_{};
    std::array<QLabel*, 2> unosFormule_{};
    std::array<QLabel*, 7> info_{};
    std::array<QToolButton*, 10> imgMenu_{};
    std::array<QPushButton*, 39> cmdNum_{};
    std::array<QPushButton*, 36> cmdFunction_{};
    std::array<QListWidget*, 4> lstConstants_{};
    std::array<QPushButton*, 4> cmdConstant_{};
    std::array<QRadioButton*, 3> optNumber_{};
    std::array<QRadioButton*, 3> optRadDeg_{};
    std::array<QRadioButton*, 3> optRadiani_{};
    std::array<QLineEdit*, 3> txtKvadratna_{};
    QCheckBox* chkInverse_ = nullptr;
    QCheckBox* chkTisuca_ = nullptr;
    QLineEdit* txtDecimala_ = nullptr;
    QScrollBar* vsbDecimala_ = nullptr;
    QLabel* lblDecimala_ = nullptr;
    QLineEdit* txtPower_ = nullptr;
    QScrollBar* vsbPower_ = nullptr;
    QGroupBox* frmNumber_ = nullptr;
    QFrame* fraWait_ = nullptr;
    QWidget* fraExpand_ = nullptr;
    QWidget* picFunction_ = nullptr;
    QFrame* fraOptMaska_ = nullptr;
    QStackedWidget* views_ = nullptr;
    std::array<QMenu*, 5> topMenus_{};
    QList<QWidget*> selectOnFocus_; // boxes whose whole text is selected on focus
    bool expanded_ = false;
    bool displayOnly_ = false;
    bool topmost_ = false;
    bool cancelRequested_ = false;
    bool customLoaded_ = false;
    bool updatingPlaces_ = false;
};

} // namespace molva::ui
