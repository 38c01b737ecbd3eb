// Form8: the jump window, moving a main-screen list to an element's entries.
#include "form8.h"

#include "appearance.h"
#include "controls.h"
#include "core/elements.h"
#include "form1.h"
#include "galvix_context.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QVBoxLayout>

namespace galvix::ui {

Form8::Form8(GalvixContext& context) : context_(context) {
    setObjectName("Form8");
    setWindowTitle("Galvix -- Jump");
    auto* layout = new QVBoxLayout(this);
    auto* label = NamedLabel(this, "Label1",
                             "Please enter the symbol of the element you are looking for. It "
                             "doesn't have to be correctly capitalized.");
    label->setWordWrap(true);
    layout->addWidget(label);
    text1_ = NamedTextBox(this, "Text1");
    layout->addWidget(text1_);
    auto* buttons = new QHBoxLayout;
    auto* ok = NamedButton(this, "Command1", "OK");
    ok->setDefault(true);
    auto* cancel = NamedButton(this, "Command2", "Cancel");
    auto* elements = NamedButton(this, "Command3", "List of Elements");
    for (QPushButton* button : {ok, cancel, elements})
        buttons->addWidget(button);
    layout->addLayout(buttons);
    connect(ok, &QPushButton::clicked, this, &Form8::jump);
    connect(cancel, &QPushButton::clicked, this, [this] {
        text1_->setFocus();
        hide();
    });
    connect(elements, &QPushButton::clicked, this, [this] { context_.showElements(); });
    context_.installElementsKey(this);
    context_.registerWindow(this);
    ApplyAppearance(this, ReadAppearance(context_.services.settings));
}

void Form8::jump() {
    text1_->setFocus();
    const ElementRead read = ReadElements(context_.dataFile(ElementFileName).toStdString());
    const Jump found = JumpToElement(read.records, text1_->text().toStdString());
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
    Form1& main = context_.form1();
    QListWidget* list = context_.jumpListFlag == 'O' ? main.list1() : main.list2();
    const int row = found.listPosition - 1;
    if (row >= 0 && row < list->count()) {
        list->setCurrentRow(row);
        list->scrollToItem(list->item(row), QAbstractItemView::PositionAtTop);
    }
    hide();
}

} // namespace galvix::ui
