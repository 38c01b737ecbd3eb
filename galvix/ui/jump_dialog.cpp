// The jump window: moves one main-screen list to the first entry of an element.
#include "jump_dialog.h"

#include "appearance.h"
#include "controls.h"
#include "core/elements.h"
#include "core/reaction_session.h"
#include "galvix_context.h"
#include "galvix_windows.h"
#include "main_screen.h"

#include <QListWidget>
#include <QVBoxLayout>

namespace galvix::ui {

JumpDialog::JumpDialog(GalvixWindows& windows) : windows_(windows), context_(windows.context()) {
    setObjectName("Form8");
    setWindowTitle("Galvix -- Jump");
    auto* layout = new QVBoxLayout(this);
    auto* label = NamedLabel(this, "Label1",
                             "Please enter the symbol of the element you are looking for. It "
                             "doesn't have to be correctly capitalized.");
    label->setWordWrap(true);
    layout->addWidget(label);
    symbol_ = NamedTextBox(this, "Text1");
    layout->addWidget(symbol_);
    layout->addLayout(ButtonRow(
        this, {{"Command1", "OK", [this] { jump(); }, true},
               {"Command2", "Cancel",
                [this] {
                    symbol_->setFocus();
                    hide();
                }},
               {"Command3", "List of Elements", [this] { windows_.showElements(this); }}}));
    windows_.installElementsKey(this);
    context_.applyAppearance(this);
}

void JumpDialog::showFor(ListSide side) {
    setList(side);
    symbol_->clear();
    exec();
}

void JumpDialog::jump() {
    symbol_->setFocus();
    const ElementRead read = ReadElements(windows_.session().dataFile(ElementFileName));
    if (!read.ok()) {
        context_.message(this, QString::fromStdString(read.error),
                         platform::MessageIcon::Exclamation);
        return;
    }
    const Jump found = JumpToElement(read.records, symbol_->text().toStdString());
    switch (found.outcome) {
    case JumpOutcome::Empty:
        hide();
        return;
    case JumpOutcome::NoData:
        context_.message(this, "Sorry, no data available.");
        return;
    case JumpOutcome::NotFound:
        context_.message(this, "Your element was not found. Please try again.");
        return;
    case JumpOutcome::Position:
        break;
    }
    QListWidget* list = windows_.get<MainScreen>().list(side_);
    const int row = found.listPosition - 1;
    if (row >= 0 && row < list->count()) {
        list->setCurrentRow(row);
        list->scrollToItem(list->item(row), QAbstractItemView::PositionAtTop);
    }
    hide();
}

} // namespace galvix::ui
