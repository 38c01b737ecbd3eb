// The search window: finds text in one of the main screen's lists and leaves
// the criteria in the session for Find Next.
#include "search_dialog.h"

#include "appearance.h"
#include "controls.h"
#include "core/reaction_session.h"
#include "galvix_context.h"
#include "galvix_windows.h"
#include "main_screen.h"

#include <QCheckBox>
#include <QListWidget>
#include <QRadioButton>
#include <QVBoxLayout>

namespace galvix::ui {

SearchDialog::SearchDialog(GalvixWindows& windows)
    : windows_(windows), context_(windows.context()) {
    setObjectName("Form12");
    setWindowTitle("Galvix -- Search");
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(NamedLabel(
        this, "Label1", "Enter your search string (you can escape characters as seen in help):"));
    auto* what = new QHBoxLayout;
    what->addWidget(NamedLabel(this, "Label2", "Search what:"));
    text_ = NamedTextBox(this, "Text1");
    UseChemFont(text_);
    AttachTypingAid(text_);
    what->addWidget(text_, 1);
    layout->addLayout(what);
    oxidation_ = Named<QRadioButton>(this, "Option1", "Oxidation half reactions");
    oxidation_->setChecked(true);
    reduction_ = Named<QRadioButton>(this, "Option2", "Reduction half reactions");
    wholeWord_ = Named<QCheckBox>(this, "Check1", "Whole word only");
    matchCase_ = Named<QCheckBox>(this, "Check2", "Match case");
    for (QWidget* control :
         std::initializer_list<QWidget*>{oxidation_, reduction_, wholeWord_, matchCase_})
        layout->addWidget(control);
    layout->addLayout(ButtonRow(
        this, {{"Command1", "Find", [this] { find(); }, true},
               {"Command2", "Cancel", [this] { cancel(); }},
               {"Command3", "Help", [this] { context_.showHelp(this, HelpTopic::Searching); }}}));
    windows_.installElementsKey(this);
    context_.applyAppearance(this);
}

void SearchDialog::find() {
    const ListSide side = oxidation_->isChecked() ? ListSide::Oxidation : ListSide::Reduction;
    const auto match = windows_.session().find(
        {BoxBytes(text_), matchCase_->isChecked(), wholeWord_->isChecked(), side});
    if (!match) {
        context_.message(this, "Not found! Please try again.", platform::MessageIcon::Exclamation);
        text_->setFocus();
        return;
    }
    QListWidget* list = windows_.get<MainScreen>().list(side);
    list->setCurrentRow(static_cast<int>(*match));
    list->scrollToItem(list->currentItem());
    text_->clear();
    text_->setFocus();
    hide();
}

void SearchDialog::cancel() {
    text_->clear();
    text_->setFocus();
    hide();
}

} // namespace galvix::ui
