// Reopens a saved pair of half reactions by its name and calculates it again.
#include "open_reaction_dialog.h"

#include "appearance.h"
#include "controls.h"
#include "core/reaction_session.h"
#include "core/saved_reactions.h"
#include "galvix_context.h"
#include "galvix_windows.h"
#include "main_screen.h"
#include "platform/chem_text.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QVBoxLayout>

namespace galvix::ui {

OpenReactionDialog::OpenReactionDialog(GalvixWindows& windows)
    : windows_(windows), context_(windows.context()) {
    setObjectName("Form5");
    setWindowTitle("Galvix -- Open");
    auto* layout = new QVBoxLayout(this);
    auto* label = NamedLabel(this, "Label1",
                             "From the box below, please select the name of the reaction that "
                             "you would like to retrieve.");
    label->setWordWrap(true);
    layout->addWidget(label);
    names_ = new QComboBox(this);
    names_->setObjectName("Combo1");
    names_->setEditable(true);
    names_->setInsertPolicy(QComboBox::NoInsert);
    for (const SavedReaction& reaction :
         ReadSavedReactions(windows_.session().dataFile(SavedFileName)))
        names_->addItem(platform::DecodeCp1252(reaction.name));
    names_->setCurrentIndex(names_->count() > 0 ? 0 : -1);
    layout->addWidget(names_);
    auto* buttons = new QHBoxLayout;
    auto* openButton = NamedButton(this, "Command1", "Open");
    openButton->setDefault(true);
    auto* cancel = NamedButton(this, "Command2", "Cancel");
    SetTag(cancel, "Hides this window.");
    buttons->addWidget(openButton);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
    connect(openButton, &QPushButton::clicked, this, &OpenReactionDialog::openReaction);
    connect(cancel, &QPushButton::clicked, this, &QDialog::hide);
    windows_.installElementsKey(this);
    context_.applyAppearance(this);
}

void OpenReactionDialog::notFound() {
    context_.message(this, "Reaction not found!", platform::MessageIcon::Exclamation);
}

void OpenReactionDialog::openReaction() {
    const auto reaction = FindSavedReaction(windows_.session().dataFile(SavedFileName),
                                            platform::EncodeCp1252(names_->currentText()));
    if (!reaction) {
        notFound();
        return;
    }
    hide();
    MainScreen& main = windows_.get<MainScreen>();
    const bool oxidation = main.selectItem(ListSide::Oxidation, reaction->oxidationText);
    const bool reduction = main.selectItem(ListSide::Reduction, reaction->reductionText);
    if (!oxidation || !reduction) {
        notFound();
        return;
    }
    main.calculate();
}

void OpenReactionDialog::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1)
        return;
    QDialog::keyPressEvent(event);
}

} // namespace galvix::ui
