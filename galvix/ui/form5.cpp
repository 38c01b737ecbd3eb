// Form5: reopens a saved pair by its name and calculates it again.
#include "form5.h"

#include "appearance.h"
#include "chem_output.h"
#include "controls.h"
#include "core/saved_reactions.h"
#include "form1.h"
#include "galvix_context.h"
#include "platform/chem_text.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QListWidget>
#include <QVBoxLayout>

namespace galvix::ui {

namespace {

// Selects the entries showing `text`; false when there is none.
bool SelectText(QListWidget* list, const std::string& text) {
    bool found = false;
    for (int row = 0; row < list->count(); ++row) {
        if (Form1::ItemBytes(list->item(row)) == text) {
            list->setCurrentRow(row);
            found = true;
        }
    }
    return found;
}

} // namespace

Form5::Form5(GalvixContext& context) : context_(context) {
    setObjectName("Form5");
    setWindowTitle("Galvix -- Open");
    auto* layout = new QVBoxLayout(this);
    auto* label = NamedLabel(this, "Label1",
                             "From the box below, please select the name of the reaction that "
                             "you would like to retrieve.");
    label->setWordWrap(true);
    layout->addWidget(label);
    combo1_ = new QComboBox(this);
    combo1_->setObjectName("Combo1");
    combo1_->setEditable(true);
    combo1_->setInsertPolicy(QComboBox::NoInsert);
    for (const SavedReaction& reaction :
         ReadSavedReactions(context_.dataFile(SavedFileName).toStdString()))
        combo1_->addItem(platform::DecodeCp1252(reaction.name));
    combo1_->setCurrentIndex(combo1_->count() > 0 ? 0 : -1);
    layout->addWidget(combo1_);
    auto* buttons = new QHBoxLayout;
    auto* openButton = NamedButton(this, "Command1", "Open");
    openButton->setDefault(true);
    auto* cancel = NamedButton(this, "Command2", "Cancel");
    SetTag(cancel, "Hides this window.");
    buttons->addWidget(openButton);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
    connect(openButton, &QPushButton::clicked, this, &Form5::open);
    connect(cancel, &QPushButton::clicked, this, &QDialog::hide);
    context_.installElementsKey(this);
    context_.registerWindow(this);
    ApplyAppearance(this, ReadAppearance(context_.services.settings));
}

void Form5::notFound() {
    context_.message(this, "Reaction not found!", platform::MessageIcon::Exclamation);
}

void Form5::open() {
    const auto reaction = FindSavedReaction(context_.dataFile(SavedFileName).toStdString(),
                                            platform::EncodeCp1252(combo1_->currentText()));
    if (!reaction) {
        notFound();
        return;
    }
    hide();
    Form1& main = context_.form1();
    const bool oxidation = SelectText(main.list1(), reaction->oxidationText);
    const bool reduction = SelectText(main.list2(), reaction->reductionText);
    if (!oxidation || !reduction) {
        notFound();
        return;
    }
    main.calculate();
}

void Form5::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1)
        return;
    QDialog::keyPressEvent(event);
}

} // namespace galvix::ui
