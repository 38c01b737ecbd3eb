// The Conditions window: the calculated cell at the concentrations, pressures,
// pH and temperature the user gives, with each half-cell's potential, E(cell),
// Q, the free energy, whether the reaction occurs, and K at that temperature.
#include "conditions_window.h"

#include "appearance.h"
#include "chem_output.h"
#include "controls.h"
#include "core/chem_unicode.h"
#include "core/reaction_session.h"
#include "galvix_context.h"
#include "galvix_windows.h"
#include "half_cell_box.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>
#include <cmath>
#include <limits>

namespace galvix::ui {

namespace {

QString Utf8(const std::string& text) {
    return QString::fromStdString(text);
}

bool SameHalfReactions(const CellReactionResult& a, const CellReactionResult& b) {
    return a.oxidationText == b.oxidationText && a.reductionText == b.reductionText;
}

} // namespace

ConditionsWindow::ConditionsWindow(GalvixWindows& windows)
    : context_(windows.context()), session_(windows.session()) {
    setObjectName("Conditions");
    setWindowTitle("Galvix -- Conditions");
    createControls();
}

void ConditionsWindow::createControls() {
    auto* layout = new QVBoxLayout(this);
    auto* cells = new QHBoxLayout;
    oxidation_ = new HalfCellBox(HalfCell::Oxidation, this);
    reduction_ = new HalfCellBox(HalfCell::Reduction, this);
    cells->addWidget(oxidation_, 1);
    cells->addWidget(reduction_, 1);
    layout->addLayout(cells);

    auto* shared = new QHBoxLayout;
    samePH_ = Named<QCheckBox>(this, "SamePH", "Same pH in both half-cells");
    samePH_->setChecked(true);
    temperature_ = NamedTextBox(this, "Temperature", "25");
    temperature_->setMaximumWidth(temperature_->fontMetrics().horizontalAdvance("00000000000"));
    shared->addWidget(samePH_);
    shared->addStretch(1);
    shared->addWidget(
        NamedLabel(this, "TemperatureCaption", QString::fromUtf8("Temperature (\u00B0C):")));
    shared->addWidget(temperature_);
    layout->addLayout(shared);
    layout->addWidget(createResults(this));
    layout->addLayout(ButtonRow(this, {{"Copy", "Copy", [this] { copy(); }},
                                       {"Print", "Print", [this] { print(); }},
                                       {"Close", "Close", [this] { hide(); }}}));

    for (HalfCellBox* box : {oxidation_, reduction_})
        box->setOnChange([this] { recalculate(); });
    connect(oxidation_->pHBox(), &QLineEdit::textChanged, this, &ConditionsWindow::followPH);
    connect(samePH_, &QCheckBox::toggled, this, &ConditionsWindow::followPH);
    connect(temperature_, &QLineEdit::textChanged, this, &ConditionsWindow::recalculate);
    followPH();
}

QWidget* ConditionsWindow::createResults(QWidget* parent) {
    using namespace conditions_caption;
    auto* frame = Named<QGroupBox>(parent, "Results", "Results");
    auto* grid = new QGridLayout(frame);
    int row = 0;
    auto pair = [&](const char* name, QWidget* caption) {
        QLabel* value = SelectableLabel(frame, name);
        grid->addWidget(caption, row, 0);
        grid->addWidget(value, row++, 1);
        return value;
    };
    results_.cellPotential =
        pair("CellPotential", NamedLabel(frame, "CellPotentialCaption", caption::CellPotential));
    results_.quotient = pair("Quotient", NamedLabel(frame, "QuotientCaption", Quotient));
    auto* gibbs = new QWidget(frame);
    auto* gibbsRow = new QHBoxLayout(gibbs);
    gibbsRow->setContentsMargins(0, 0, 0, 0);
    gibbsRow->setSpacing(0);
    QLabel* delta = NamedLabel(gibbs, "Delta", ChemDisplay(caption::Delta));
    UseChemFont(delta);
    gibbsRow->addWidget(delta);
    gibbsRow->addWidget(NamedLabel(gibbs, "FreeEnergyCaption", FreeEnergy));
    gibbsRow->addStretch(1);
    results_.freeEnergy = pair("FreeEnergy", gibbs);
    results_.willOccur = pair("WillOccur", NamedLabel(frame, "WillOccurCaption", WillItOccur));
    results_.constantCaption = NamedLabel(frame, "EquilibriumConstantCaption");
    results_.constant = pair("EquilibriumConstant", results_.constantCaption);
    results_.logK = pair("LogK", NamedLabel(frame, "LogKCaption", caption::LogK));
    grid->addWidget(NamedLabel(frame, "Note", Utf8(ChemToUtf8(ChemStandardNote))), row++, 0, 1, 2);
    results_.error = NamedLabel(frame, "Error");
    results_.error->setWordWrap(true);
    results_.error->setStyleSheet("color: #b00000");
    grid->addWidget(results_.error, row, 0, 1, 2);
    grid->setColumnStretch(1, 1);
    return frame;
}

HalfCellBox* ConditionsWindow::halfCell(HalfCell which) const {
    return which == HalfCell::Oxidation ? oxidation_ : reduction_;
}

// With "Same pH in both half-cells" the reduction half-cell takes the
// oxidation half-cell's pH and its own box is closed.
void ConditionsWindow::followPH() {
    QLineEdit* follower = reduction_->pHBox();
    follower->setEnabled(!samePH_->isChecked());
    if (samePH_->isChecked())
        follower->setText(oxidation_->pHBox()->text());
}

CellConditions ConditionsWindow::conditions() const {
    CellConditions given;
    given.oxidation = oxidation_->conditions();
    given.reduction = reduction_->conditions();
    given.temperatureCelsius = ReadConditionNumber(temperature_->text().toStdString())
                                   .value_or(std::numeric_limits<double>::quiet_NaN());
    return given;
}

void ConditionsWindow::ensureLoaded() {
    if (loaded_)
        return;
    loaded_ = true;
    context_.applyAppearance(this);
}

void ConditionsWindow::showLastResult() {
    const std::optional<CellReactionResult>& last = session_.lastResult();
    if (!last)
        return;
    ensureLoaded();
    const bool sameReaction = reaction_ && SameHalfReactions(*reaction_, *last);
    reaction_ = *last;
    if (!sameReaction) {
        oxidation_->showSpecies(last->oxidationText, SpeciesOfHalfCell(*last, HalfCell::Oxidation));
        reduction_->showSpecies(last->reductionText, SpeciesOfHalfCell(*last, HalfCell::Reduction));
        context_.applyAppearance(this);
        adjustSize();
    }
    recalculate();
}

void ConditionsWindow::recalculate() {
    if (reaction_)
        showOutcome(EvaluateConditions(*reaction_, conditions()));
}

void ConditionsWindow::showOutcome(const ConditionsOutcome& outcome) {
    const ConditionsTexts texts = outcome.ok() ? TextsOf(outcome) : ConditionsTexts{};
    results_.error->setText(Utf8(outcome.error));
    results_.error->setVisible(!outcome.ok());
    oxidation_->showPotential(Utf8(texts.oxidationPotential));
    reduction_->showPotential(Utf8(texts.reductionPotential));
    results_.cellPotential->setText(Utf8(texts.cellPotential));
    results_.quotient->setText(Utf8(texts.quotient));
    results_.freeEnergy->setText(Utf8(texts.freeEnergy));
    results_.willOccur->setText(Utf8(texts.willOccur));
    const double celsius = conditions().temperatureCelsius;
    results_.constantCaption->setText(ChemDisplay(std::isfinite(celsius)
                                                      ? EquilibriumConstantCaption(celsius)
                                                      : caption::EquilibriumConstant));
    results_.constant->setText(Utf8(texts.equilibriumConstant));
    results_.logK->setText(Utf8(texts.logK));
}

QString ConditionsWindow::resultText() const {
    if (!reaction_)
        return {};
    const CellConditions given = conditions();
    return ChemDisplay(
        OutputHeader() +
        ConditionsResultText(*reaction_, given, EvaluateConditions(*reaction_, given)));
}

void ConditionsWindow::copy() {
    context_.copyResult(this, resultText());
}

void ConditionsWindow::print() {
    context_.printResult(this, resultText());
}

} // namespace galvix::ui
