// The Composition window: the formula of the input line by element, with
// atom count, mass and mass percent, copied as tab-separated text; and, in
// the same view, the empirical formula that mass percentages give.
#pragma once

#include "engine/elements.h"
#include "platform/services.h"

#include <QWidget>
#include <array>
#include <string>

class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace molva::ui {

class CompositionWindow : public QWidget {
  public:
    CompositionWindow(QWidget* parent, platform::Clipboard& clipboard, char decimalSeparator);

    // Shows the composition of a formula in a table of atomic weights.
    void showFormula(const QString& formula, AtomicWeights weights);
    // The composition of the formula box, again.
    void showComposition();
    // Puts the table on the clipboard as tab-separated text.
    void copyTable();
    // The empirical formula of the percentages box.
    void findEmpiricalFormula();

    QLineEdit* formulaBox() const { return formula_; }
    QTableWidget* table() const { return table_; }
    QLabel* message() const { return message_; }
    QLineEdit* percentagesBox() const { return percentages_; }
    QLabel* empiricalFormula() const { return empirical_; }
    QPushButton* copyButton() const { return copy_; }

  private:
    QWidget* createFormulaRow();
    QWidget* createEmpiricalPanel();
    void showHeader(const std::array<std::string, 5>& titles);

    platform::Clipboard& clipboard_;
    char decimalSeparator_;
    AtomicWeights weights_ = AtomicWeights::Classic;
    QString tableText_; // the shown table, tab-separated
    QLineEdit* formula_ = nullptr;
    QTableWidget* table_ = nullptr;
    QLabel* message_ = nullptr;
    QPushButton* copy_ = nullptr;
    QLineEdit* percentages_ = nullptr;
    QLabel* empirical_ = nullptr;
};

} // namespace molva::ui
