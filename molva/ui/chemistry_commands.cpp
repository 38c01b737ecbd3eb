// The calculator window's commands for chemists: the Composition window for
// the formula of the input line, the table of atomic weights (kept in the
// settings), and the hydrate dot.
#include "chemistry_commands.h"

#include "composition_window.h"
#include "input_line.h"
#include "result_display.h"

#include <QAction>

namespace molva::ui {

namespace {

const QString kSection = "Options";
const QString kWeightsKey = "weights";
constexpr const char* kAdductDot = "\xC2\xB7";

QString NameOf(AtomicWeights weights) {
    const std::string_view name = AtomicWeightsName(weights);
    return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
}

} // namespace

ChemistryCommands::ChemistryCommands(Parts parts) : parts_(parts) {
    const QString stored =
        parts_.services.settings.read(kSection, kWeightsKey, NameOf(AtomicWeights::Classic));
    useWeights(AtomicWeightsNamed(stored.toStdString()).value_or(AtomicWeights::Classic));
    const CalculatorActions& a = parts_.actions;
    QObject::connect(a.composition, &QAction::triggered, &parts_.window,
                     [this] { showComposition(); });
    for (const AtomicWeights weights : {AtomicWeights::Classic, AtomicWeights::Iupac2021}) {
        QObject::connect(a.weights[static_cast<std::size_t>(weights)], &QAction::triggered,
                         &parts_.window, [this, weights] { chooseWeights(weights); });
    }
    QObject::connect(a.adductDot, &QAction::triggered, &parts_.window, [this] {
        parts_.input.write(QString::fromUtf8(kAdductDot));
        parts_.input.setFocus();
    });
}

void ChemistryCommands::useWeights(AtomicWeights weights) {
    parts_.session.state().weights = weights;
    parts_.actions.weights[static_cast<std::size_t>(weights)]->setChecked(true);
}

void ChemistryCommands::chooseWeights(AtomicWeights weights) {
    useWeights(weights);
    parts_.services.settings.write(kSection, kWeightsKey, NameOf(weights));
    parts_.input.setFocus();
}

void ChemistryCommands::showComposition() {
    if (!composition_) {
        composition_ = new CompositionWindow(&parts_.window, parts_.services.clipboard,
                                             parts_.session.state().decimalSeparator);
    }
    const QString typed = parts_.input.text().trimmed();
    composition_->showFormula(typed.isEmpty() ? parts_.display.inputText(0) : typed,
                              parts_.session.state().weights);
    composition_->show();
    composition_->raise();
    composition_->activateWindow();
}

} // namespace molva::ui
