// Form12: the search window, finding text in one of the main screen's lists.
#include "form12.h"

#include "appearance.h"
#include "controls.h"
#include "core/find_text.h"
#include "form1.h"
#include "galvix_context.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QListWidget>
#include <QRadioButton>
#include <QVBoxLayout>

namespace galvix::ui {

Form12::Form12(GalvixContext& context) : context_(context) {
    setObjectName("Form12");
    setWindowTitle("Galvix -- Search");
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(NamedLabel(
        this, "Label1", "Enter your search string (you can escape characters as seen in help):"));
    auto* what = new QHBoxLayout;
    what->addWidget(NamedLabel(this, "Label2", "Search what:"));
    text1_ = NamedTextBox(this, "Text1");
    UseChemFont(text1_);
    AttachTypingAid(text1_);
    what->addWidget(text1_, 1);
    layout->addLayout(what);
    option1_ = new QRadioButton("Oxidation half reactions", this);
    option1_->setObjectName("Option1");
    option1_->setChecked(true);
    option2_ = new QRadioButton("Reduction half reactions", this);
    option2_->setObjectName("Option2");
    check1_ = new QCheckBox("Whole word only", this);
    check1_->setObjectName("Check1");
    check2_ = new QCheckBox("Match case", this);
    check2_->setObjectName("Check2");
    for (QWidget* control : {static_cast<QWidget*>(option1_), static_cast<QWidget*>(option2_),
                             static_cast<QWidget*>(check1_), static_cast<QWidget*>(check2_)})
        layout->addWidget(control);
    auto* buttons = new QHBoxLayout;
    auto* findButton = NamedButton(this, "Command1", "Find");
    findButton->setDefault(true);
    auto* cancelButton = NamedButton(this, "Command2", "Cancel");
    auto* help = NamedButton(this, "Command3", "Help");
    for (QPushButton* button : {findButton, cancelButton, help})
        buttons->addWidget(button);
    layout->addLayout(buttons);
    connect(findButton, &QPushButton::clicked, this, &Form12::find);
    connect(cancelButton, &QPushButton::clicked, this, &Form12::cancel);
    connect(help, &QPushButton::clicked, this,
            [this] { context_.services.help.showTopic(this, 28); });
    context_.installElementsKey(this);
    context_.registerWindow(this);
    ApplyAppearance(this, ReadAppearance(context_.services.settings));
}

void Form12::find() {
    FindState& state = context_.find;
    state.matchCase = check2_->isChecked();
    state.wholeWord = check1_->isChecked();
    state.list = option1_->isChecked() ? 'O' : 'R';
    const std::string typed = BoxBytes(text1_);
    state.text = state.matchCase ? typed : UpperCp1252(typed);
    Form1& main = context_.form1();
    QListWidget* list = state.list == 'O' ? main.list1() : main.list2();
    const auto match =
        FindEntryText(Form1::ListBytes(list), 0, state.text, state.matchCase, state.wholeWord);
    if (!match) {
        context_.message(this, "Not found! Please try again.", platform::MessageIcon::Exclamation);
        text1_->setFocus();
        return;
    }
    list->setCurrentRow(static_cast<int>(*match));
    list->scrollToItem(list->currentItem());
    text1_->clear();
    text1_->setFocus();
    hide();
}

void Form12::cancel() {
    text1_->clear();
    text1_->setFocus();
    hide();
}

} // namespace galvix::ui
