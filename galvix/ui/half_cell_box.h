// One half-cell of the Conditions window: its half reaction, a row for each
// species with its concentration, pressure or "solid or liquid"/"dissolved"
// choice, the half-cell's pH, and its potential under those conditions.
#pragma once

#include "core/cell_conditions.h"

#include <QGroupBox>
#include <functional>
#include <vector>

class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;

namespace galvix::ui {

class HalfCellBox : public QGroupBox {
  public:
    HalfCellBox(HalfCell halfCell, QWidget* parent);

    // Runs after every change the user makes in the box.
    void setOnChange(std::function<void()> onChange) { onChange_ = std::move(onChange); }

    // Shows the half reaction with a row per species, every amount 1 and every
    // choice at its default; the pH box stays as it is.
    void showSpecies(const std::string& halfReactionText, const HalfCellSpecies& species);
    // The conditions the controls give; a box that holds no number gives NaN,
    // which the evaluation reports.
    HalfCellConditions conditions() const;
    void showPotential(const QString& text);

    QLineEdit* pHBox() const { return pH_; }
    // The amount box of the species at this row, or nullptr.
    QLineEdit* amountBox(int row) const;
    // The solid-or-dissolved choice of the species at this row, or nullptr.
    QComboBox* mediumChoice(int row) const;

  private:
    struct SpeciesRow {
        ConditionSpecies species;
        QLabel* name = nullptr;
        QLabel* medium = nullptr;    // the fixed medium, or nullptr
        QComboBox* choice = nullptr; // for a species that may be solid or dissolved
        QLineEdit* amount = nullptr; // for a species with a concentration or pressure
        QLabel* unit = nullptr;
        bool setByPH = false; // the amount box shows what the pH sets
        QString typed;        // what the user typed there before
    };

    void addRow(const ConditionSpecies& species);
    void clearRows();
    void updateAmountBoxes();
    bool dissolved(const SpeciesRow& row) const;
    bool takesAmount(const SpeciesRow& row) const;
    void changed();

    QLabel* halfReaction_ = nullptr;
    QGridLayout* speciesGrid_ = nullptr;
    QLineEdit* pH_ = nullptr;
    QLabel* potential_ = nullptr;
    std::vector<SpeciesRow> rows_;
    std::function<void()> onChange_;
};

} // namespace galvix::ui
