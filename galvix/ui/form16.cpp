// Form16: asks for the name under which the selected pair is saved.
#include "form16.h"

#include "appearance.h"
#include "controls.h"
#include "core/saved_reactions.h"
#include "form1.h"
#include "galvix_context.h"
#include "platform/files.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QListWidget>
#include <QVBoxLayout>

namespace galvix::ui {

namespace {

constexpr const char* kUntitled = "Untitled";

} // namespace

Form16::Form16(GalvixContext& context) : context_(context) {
    setObjectName("Form16");
    setWindowTitle("Galvix -- Save");
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(
        NamedLabel(this, "Label1", "What would you like the name of the reaction to be?"));
    text1_ = NamedTextBox(this, "Text1", kUntitled);
    layout->addWidget(text1_);
    auto* buttons = new QHBoxLayout;
    auto* saveButton = NamedButton(this, "Command1", "Save");
    saveButton->setDefault(true);
    auto* cancel = NamedButton(this, "Command2", "Cancel");
    buttons->addWidget(saveButton);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
    connect(saveButton, &QPushButton::clicked, this, &Form16::save);
    connect(cancel, &QPushButton::clicked, this, [this] {
        resetName();
        hide();
    });
    context_.installElementsKey(this);
    context_.registerWindow(this);
    ApplyAppearance(this, ReadAppearance(context_.services.settings));
    resetName();
}

void Form16::resetName() {
    text1_->setText(kUntitled);
    text1_->selectAll();
    text1_->setFocus();
}

void Form16::save() {
    const std::string name = BoxBytes(text1_);
    if (name.empty()) {
        hide();
        return;
    }
    if (!IsStorableName(name)) {
        context_.message(this, "A reaction name cannot contain a double quote (\").",
                         platform::MessageIcon::Exclamation);
        return;
    }
    Form1& main = context_.form1();
    const std::string record =
        FormatSavedReaction({name, Form1::ItemBytes(main.list1()->currentItem()),
                             Form1::ItemBytes(main.list2()->currentItem())});
    if (!platform::AppendToFile(context_.dataFile(SavedFileName),
                                QByteArray(record.data(), static_cast<qsizetype>(record.size())))) {
        context_.message(this, "The reaction could not be saved.", platform::MessageIcon::Critical);
        return;
    }
    resetName();
    hide();
    context_.unloadForm5();
}

void Form16::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1)
        return;
    QDialog::keyPressEvent(event);
}

} // namespace galvix::ui
