// The editor of the user's own half reactions, kept in Custom.dat through the
// session.
#include "custom_reactions_dialog.h"

#include "appearance.h"
#include "chem_output.h"
#include "controls.h"
#include "core/number_text.h"
#include "core/reaction_session.h"
#include "galvix_context.h"
#include "galvix_windows.h"
#include "main_screen.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QVBoxLayout>

namespace galvix::ui {

namespace {

// Codes shown after the generic failure message.
constexpr int kFileUnreadable = 53;
constexpr int kFileDamaged = 62;
constexpr int kFileNotWritten = 75;

int FailureCode(const DataError& error) {
    switch (error.fault) {
    case DataFault::NotWritten:
        return kFileNotWritten;
    case DataFault::Damaged:
        return kFileDamaged;
    case DataFault::Missing:
    case DataFault::Unreadable:
        break;
    }
    return kFileUnreadable;
}

} // namespace

CustomReactionsDialog::CustomReactionsDialog(GalvixWindows& windows)
    : windows_(windows), context_(windows.context()), session_(windows.session()) {
    setObjectName("Form3");
    setWindowTitle("Galvix -- Custom Reactions");
    auto* layout = new QVBoxLayout(this);
    auto* instructions = NamedLabel(
        this, "Label1",
        "Please enter the formula for your custom reduction half reaction. Oxidation half "
        "reaction as well as the equilibrium constant will be calculated automatically. For notes "
        "on how to enter subscripts and superscripts see 'Help.'");
    instructions->setWordWrap(true);
    layout->addWidget(instructions);
    formula_ = NamedTextBox(this, "Text1");
    UseChemFont(formula_);
    AttachTypingAid(formula_);
    layout->addWidget(formula_);
    auto* potentialRow = new QHBoxLayout;
    potentialRow->addWidget(NamedLabel(this, "Label2", "Potential (E):"));
    potential_ = NamedTextBox(this, "Text2");
    potentialRow->addWidget(potential_);
    layout->addLayout(potentialRow);
    reactions_ = new QListWidget(this);
    reactions_->setObjectName("List1");
    UseChemFont(reactions_);
    layout->addWidget(reactions_, 1);
    auto* buttons = new QHBoxLayout;
    auto* addButton = NamedButton(this, "Command1", "Add");
    auto* removeButton = NamedButton(this, "Command2", "Remove");
    auto* helpButton = NamedButton(this, "Command3", "Help && Rules");
    auto* okButton = NamedButton(this, "Command5", "OK");
    for (QPushButton* button : {addButton, removeButton, helpButton, okButton})
        buttons->addWidget(button);
    layout->addLayout(buttons);
    connect(addButton, &QPushButton::clicked, this, &CustomReactionsDialog::add);
    connect(removeButton, &QPushButton::clicked, this, &CustomReactionsDialog::remove);
    connect(helpButton, &QPushButton::clicked, this,
            [this] { context_.showHelp(this, HelpTopic::CustomHalfReactions); });
    connect(okButton, &QPushButton::clicked, this, &CustomReactionsDialog::clearAndHide);
    connect(reactions_, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { showRecord(reactions_->row(item)); });
    windows_.installElementsKey(this);
    context_.applyAppearance(this);
    resize(560, 420);
}

void CustomReactionsDialog::showEvent(QShowEvent* event) {
    fillList();
    QDialog::showEvent(event);
}

void CustomReactionsDialog::fillList() {
    reactions_->clear();
    for (const CustomRecord& record : session_.readCustom().records)
        AddChemItem(reactions_, ChemDisplay(ShownReduction(record.text)), record.text);
}

void CustomReactionsDialog::showRecord(int row) {
    const CustomRead read = session_.readCustom();
    if (row < 0 || row >= static_cast<int>(read.records.size()))
        return;
    const CustomRecord& record = read.records[static_cast<std::size_t>(row)];
    formula_->setText(ChemDisplay(ShownReduction(record.text)));
    potential_->setText(QString::fromStdString(GeneralFormat(0 - record.potential)));
}

void CustomReactionsDialog::inform(const QString& text) {
    context_.message(this, text, platform::MessageIcon::Information);
}

bool CustomReactionsDialog::changed(const CustomEdit& edit) {
    switch (edit.status) {
    case CustomEditStatus::Added:
    case CustomEditStatus::Replaced:
    case CustomEditStatus::Removed:
        return true;
    case CustomEditStatus::Full:
        inform("You have already reached 300 half reactions!");
        return false;
    case CustomEditStatus::ReadFailed:
    case CustomEditStatus::WriteFailed:
        inform(QString("An error has occured!%1\n%2")
                   .arg(FailureCode(*edit.error))
                   .arg(QString::fromStdString(edit.error->message())));
        return false;
    case CustomEditStatus::AlreadyStored:
    case CustomEditStatus::NotFound:
        break;
    }
    return false;
}

void CustomReactionsDialog::add() {
    const CustomCheck check = CheckCustomReaction(BoxBytes(formula_), BoxBytes(potential_));
    if (!check.message.empty()) {
        inform(QString::fromStdString(check.message));
        return;
    }
    CustomEdit edit = session_.addCustom(*check.record, ExistingText::Refuse);
    if (edit.status == CustomEditStatus::AlreadyStored) {
        if (!context_.ask(this,
                          "This half reaction is already in your list. Do you want to replace "
                          "its potential?",
                          platform::MessageIcon::Question))
            return;
        edit = session_.addCustom(*check.record, ExistingText::ReplacePotential);
    }
    if (!changed(edit))
        return;
    // The file may hold another instance's changes too: show what it now holds.
    fillList();
    afterChange();
}

void CustomReactionsDialog::remove() {
    const int row = reactions_->currentRow();
    if (row < 0 || !reactions_->currentItem()->isSelected()) {
        inform("You must select a half reaction from the list!");
        return;
    }
    if (!context_.ask(this, "Please confirm that you would like this half reaction to be deleted!",
                      platform::MessageIcon::Exclamation))
        return;
    const CustomEdit edit =
        session_.removeCustom(ItemBytes(reactions_->currentItem()), static_cast<std::size_t>(row));
    if (edit.status == CustomEditStatus::NotFound) {
        fillList();
        inform("This half reaction is no longer in your list; the list now shows the half "
               "reactions stored.");
        return;
    }
    if (!changed(edit))
        return;
    fillList();
    afterChange();
}

void CustomReactionsDialog::afterChange() {
    formula_->clear();
    potential_->clear();
    formula_->setFocus();
    windows_.get<MainScreen>().rearrange(Arrangement::Alphabetical);
}

void CustomReactionsDialog::clearAndHide() {
    formula_->clear();
    potential_->clear();
    formula_->setFocus();
    hide();
}

} // namespace galvix::ui
