// The data of one half reaction double-clicked in a main-screen list, with
// copy and print.
#include "half_reaction_data_dialog.h"

#include "appearance.h"
#include "chem_output.h"
#include "controls.h"
#include "galvix_context.h"
#include "galvix_windows.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QVBoxLayout>

namespace galvix::ui {

HalfReactionDataDialog::HalfReactionDataDialog(GalvixWindows& windows)
    : windows_(windows), context_(windows.context()) {
    using namespace caption;
    setObjectName("Form6");
    setWindowTitle("Galvix -- Half Reaction Data");
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(SelectableLabel(this, "Label1", HalfReactionDataHeading));
    type_ = SelectableLabel(this, "Label3");
    potential_ = SelectableLabel(this, "Label5");
    logK_ = SelectableLabel(this, "Label7");
    formula_ = SelectableLabel(this, "Label9");
    UseChemFont(formula_);
    const std::pair<QLabel*, QLabel*> rows[] = {
        {SelectableLabel(this, "Label2", HalfReactionType), type_},
        {SelectableLabel(this, "Label4", HalfReactionPotential), potential_},
        {SelectableLabel(this, "Label6", HalfReactionLogK), logK_},
        {SelectableLabel(this, "Label8", HalfReaction), formula_}};
    auto* grid = new QGridLayout;
    int row = 0;
    for (const auto& [caption, value] : rows) {
        grid->addWidget(caption, row, 0);
        grid->addWidget(value, row++, 1);
    }
    grid->setColumnStretch(1, 1);
    layout->addLayout(grid);
    source_ = SelectableLabel(this, "lblSource");
    source_->setWordWrap(true);
    layout->addWidget(source_);
    layout->addLayout(
        ButtonRow(this, {{"Command1", "OK", [this] { accept(); }},
                         {"Command2", "Abbreviations", [this] { showAbbreviations(); }},
                         {"Command3", "List of Elements", [this] { windows_.showElements(this); }},
                         {"Command4", "Copy", [this] { copy(); }},
                         {"Command5", "Print", [this] { print(); }}}));
    windows_.installElementsKey(this);
    context_.applyAppearance(this);
}

void HalfReactionDataDialog::showData(const HalfReactionData& shown) {
    data_ = shown;
    formula_->setText(ChemDisplay(shown.text));
    type_->setText(QString::fromStdString(shown.type));
    potential_->setText(QString::fromStdString(shown.potentialText));
    logK_->setText(QString::fromStdString(shown.logKText));
    source_->setText(ChemDisplay(caption::SourcePrefix + shown.source));
    source_->setVisible(!shown.source.empty());
}

QString HalfReactionDataDialog::dataText() const {
    return ChemDisplay(HalfReactionDataText(data_));
}

void HalfReactionDataDialog::copy() {
    context_.copyChemText(this, dataText(),
                          "Note: to view the half reaction properly (in a word processor), "
                          "convert it to the Chem (Chem.ttf) font.");
}

void HalfReactionDataDialog::print() {
    if (context_.ask(this, "Do you want to print the results?", platform::MessageIcon::Question) &&
        !context_.printChemText(this, dataText()))
        context_.message(this, "Error printing!", platform::MessageIcon::Critical);
}

void HalfReactionDataDialog::showAbbreviations() {
    context_.message(this, "The following are abbreviations used in this screen:\r\n\r\n"
                           "E = potential\r\nK = equilibrium constant\r\nV = volt(s)\r\n"
                           "log = base 10 logarithm");
}

void HalfReactionDataDialog::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1)
        return;
    QDialog::keyPressEvent(event);
}

} // namespace galvix::ui
