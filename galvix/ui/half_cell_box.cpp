// One half-cell of the Conditions window: its half reaction, a row for each
// species with its concentration, pressure or "solid or liquid"/"dissolved"
// choice, the half-cell's pH, and its potential under those conditions.
#include "half_cell_box.h"

#include "appearance.h"
#include "chem_output.h"
#include "controls.h"
#include "core/result_text.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <limits>

namespace galvix::ui {

namespace {

constexpr int kDissolvedChoice = 1; // the second item of a species' choice

// The medium shown for a species whose medium is fixed.
const char* MediumText(SpeciesMedium medium) {
    switch (medium) {
    case SpeciesMedium::Solvent:
        return "solvent";
    case SpeciesMedium::PureSubstance:
        return "solid or liquid";
    case SpeciesMedium::Gas:
        return "gas";
    case SpeciesMedium::Solute:
    case SpeciesMedium::Either:
        break;
    }
    return "dissolved";
}

double NumberIn(const QLineEdit* box) {
    return ReadConditionNumber(box->text().toStdString())
        .value_or(std::numeric_limits<double>::quiet_NaN());
}

QString Indexed(const char* name, int row) {
    return QString("%1(%2)").arg(name).arg(row);
}

} // namespace

HalfCellBox::HalfCellBox(HalfCell halfCell, QWidget* parent)
    : QGroupBox(halfCell == HalfCell::Oxidation ? "Oxidation half-cell" : "Reduction half-cell",
                parent) {
    setObjectName(halfCell == HalfCell::Oxidation ? "OxidationHalfCell" : "ReductionHalfCell");
    auto* layout = new QVBoxLayout(this);
    halfReaction_ = SelectableLabel(this, "HalfReaction");
    UseChemFont(halfReaction_);
    layout->addWidget(halfReaction_);
    speciesGrid_ = new QGridLayout;
    speciesGrid_->setColumnStretch(0, 1);
    layout->addLayout(speciesGrid_);

    auto* bottom = new QGridLayout;
    pH_ = NamedTextBox(this, "pH");
    pH_->setPlaceholderText("not set");
    pH_->setToolTip("Sets H\u207A, and OH\u207B through Kw = 1.0e-14; leave empty for the "
                    "concentrations above");
    potential_ = SelectableLabel(this, "Potential");
    bottom->addWidget(NamedLabel(this, "pHCaption", "pH:"), 0, 0);
    bottom->addWidget(pH_, 0, 1);
    bottom->addWidget(NamedLabel(this, "PotentialCaption", caption::Potential), 1, 0);
    bottom->addWidget(potential_, 1, 1);
    bottom->setColumnStretch(1, 1);
    layout->addLayout(bottom);
    layout->addStretch(1);
    connect(pH_, &QLineEdit::textChanged, this, &HalfCellBox::changed);
}

void HalfCellBox::showSpecies(const std::string& halfReactionText, const HalfCellSpecies& species) {
    halfReaction_->setText(ChemDisplay(halfReactionText));
    clearRows();
    for (const ConditionSpecies& s : species.species)
        addRow(s);
    updateAmountBoxes();
}

void HalfCellBox::clearRows() {
    for (const SpeciesRow& row : rows_) {
        for (QWidget* control : std::initializer_list<QWidget*>{row.name, row.medium, row.choice,
                                                                row.amount, row.unit})
            delete control;
    }
    rows_.clear();
}

void HalfCellBox::addRow(const ConditionSpecies& species) {
    const int index = static_cast<int>(rows_.size());
    SpeciesRow row;
    row.species = species;
    row.name = NamedLabel(this, Indexed("Species", index), ChemDisplay(species.text));
    UseChemFont(row.name);
    speciesGrid_->addWidget(row.name, index, 0);
    if (species.medium == SpeciesMedium::Either) {
        row.choice = new QComboBox(this);
        row.choice->setObjectName(Indexed("Medium", index));
        row.choice->addItems({"solid or liquid", "dissolved"});
        row.choice->setCurrentIndex(species.dissolvedByDefault ? kDissolvedChoice : 0);
        connect(row.choice, &QComboBox::currentIndexChanged, this, &HalfCellBox::changed);
        speciesGrid_->addWidget(row.choice, index, 1);
    } else {
        row.medium = NamedLabel(this, Indexed("Medium", index), MediumText(species.medium));
        speciesGrid_->addWidget(row.medium, index, 1);
    }
    const bool pure =
        species.medium == SpeciesMedium::Solvent || species.medium == SpeciesMedium::PureSubstance;
    if (!pure) {
        row.amount = NamedTextBox(this, Indexed("Amount", index), "1");
        row.amount->setMaximumWidth(row.amount->fontMetrics().horizontalAdvance("0.000000000"));
        connect(row.amount, &QLineEdit::textChanged, this, &HalfCellBox::changed);
        speciesGrid_->addWidget(row.amount, index, 2);
    }
    const char* unit = pure ? "activity 1" : species.medium == SpeciesMedium::Gas ? "bar" : "mol/L";
    row.unit = NamedLabel(this, Indexed("Unit", index), unit);
    speciesGrid_->addWidget(row.unit, index, 3);
    for (QWidget* control :
         std::initializer_list<QWidget*>{row.name, row.medium, row.choice, row.amount, row.unit}) {
        if (control)
            control->show();
    }
    rows_.push_back(row);
}

bool HalfCellBox::dissolved(const SpeciesRow& row) const {
    return !row.choice || row.choice->currentIndex() == kDissolvedChoice;
}

// A dissolved species or a gas takes an amount, unless the pH sets it.
bool HalfCellBox::takesAmount(const SpeciesRow& row) const {
    const bool pHSet = !pH_->text().trimmed().isEmpty();
    return row.amount && dissolved(row) && !(row.species.setByPH() && pHSet);
}

// H⁺ and OH⁻ show the concentration a pH sets, and what the user typed
// again once the pH is cleared.
void HalfCellBox::updateAmountBoxes() {
    const std::optional<double> pH = ReadConditionNumber(pH_->text().toStdString());
    const bool pHSet = !pH_->text().trimmed().isEmpty();
    for (SpeciesRow& row : rows_) {
        if (!row.amount)
            continue;
        const QSignalBlocker quiet(row.amount);
        const bool byPH = row.species.setByPH() && pHSet;
        if (byPH && !row.setByPH)
            row.typed = row.amount->text();
        if (byPH)
            row.amount->setText(pH ? QString::fromStdString(
                                         PowerOfTenText(WaterIonLog10(row.species.waterIon, *pH)))
                                   : QString());
        else if (row.setByPH)
            row.amount->setText(row.typed);
        row.setByPH = byPH;
        row.amount->setEnabled(takesAmount(row));
    }
}

void HalfCellBox::changed() {
    updateAmountBoxes();
    if (onChange_)
        onChange_();
}

HalfCellConditions HalfCellBox::conditions() const {
    HalfCellConditions given;
    if (!pH_->text().trimmed().isEmpty())
        given.pH = NumberIn(pH_);
    for (const SpeciesRow& row : rows_) {
        if (row.choice)
            (dissolved(row) ? given.dissolved : given.solidOrLiquid).push_back(row.species.text);
        if (takesAmount(row))
            given.amounts.emplace_back(row.species.text, NumberIn(row.amount));
    }
    return given;
}

void HalfCellBox::showPotential(const QString& text) {
    potential_->setText(text);
}

QLineEdit* HalfCellBox::amountBox(int row) const {
    return row >= 0 && row < static_cast<int>(rows_.size()) ? rows_[row].amount : nullptr;
}

QComboBox* HalfCellBox::mediumChoice(int row) const {
    return row >= 0 && row < static_cast<int>(rows_.size()) ? rows_[row].choice : nullptr;
}

} // namespace galvix::ui
