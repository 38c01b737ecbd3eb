// The Conditions window: the calculated cell at the concentrations, pressures,
// pH and temperature the user gives, with each half-cell's potential, E(cell),
// Q, the free energy, whether the reaction occurs, and K at that temperature.
#pragma once

#include "core/cell_conditions.h"

#include <QDialog>
#include <optional>

class QCheckBox;
class QLabel;
class QLineEdit;

namespace galvix {
class ReactionSession;
}

namespace galvix::ui {

class GalvixContext;
class GalvixWindows;
class HalfCellBox;

class ConditionsWindow : public QDialog {
  public:
    explicit ConditionsWindow(GalvixWindows& windows);

    // Shows the session's last result. The controls keep what the user gave
    // while the reaction stays the same; another reaction starts from 1 mol/L,
    // 1 bar and the default choices.
    void showLastResult();

    HalfCellBox* halfCell(HalfCell which) const;
    QLineEdit* temperatureBox() const { return temperature_; }
    QCheckBox* samePHBox() const { return samePH_; }

    CellConditions conditions() const;
    // The text that Copy and Print give: the output header and the conditions results.
    QString resultText() const;
    void copy();
    void print();

  private:
    void createControls();
    QWidget* createResults(QWidget* parent);
    void followPH();
    void recalculate();
    void showOutcome(const ConditionsOutcome& outcome);
    void ensureLoaded();

    GalvixContext& context_;
    ReactionSession& session_;
    HalfCellBox* oxidation_ = nullptr;
    HalfCellBox* reduction_ = nullptr;
    QLineEdit* temperature_ = nullptr;
    QCheckBox* samePH_ = nullptr;
    struct {
        QLabel* cellPotential = nullptr;
        QLabel* quotient = nullptr;
        QLabel* freeEnergy = nullptr;
        QLabel* willOccur = nullptr;
        QLabel* constantCaption = nullptr;
        QLabel* constant = nullptr;
        QLabel* logK = nullptr;
        QLabel* error = nullptr;
    } results_;
    std::optional<CellReactionResult> reaction_; // the reaction the controls belong to
    bool loaded_ = false;
};

} // namespace galvix::ui
