// Asks for the name under which the selected pair of half reactions is saved.
#include "save_reaction_dialog.h"

#include "appearance.h"
#include "chem_output.h"
#include "controls.h"
#include "core/reaction_session.h"
#include "core/saved_reactions.h"
#include "galvix_context.h"
#include "galvix_windows.h"
#include "main_screen.h"
#include "open_reaction_dialog.h"
#include "platform/files.h"

#include <QKeyEvent>
#include <QListWidget>
#include <QVBoxLayout>

namespace galvix::ui {

namespace {

constexpr const char* kUntitled = "Untitled";

} // namespace

SaveReactionDialog::SaveReactionDialog(GalvixWindows& windows)
    : windows_(windows), context_(windows.context()) {
    setObjectName("Form16");
    setWindowTitle("Galvix -- Save");
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(
        NamedLabel(this, "Label1", "What would you like the name of the reaction to be?"));
    name_ = NamedTextBox(this, "Text1", kUntitled);
    layout->addWidget(name_);
    layout->addLayout(ButtonRow(
        this, {{"Command1", "Save", [this] { save(); }, true}, {"Command2", "Cancel", [this] {
                                                                    resetName();
                                                                    hide();
                                                                }}}));
    windows_.installElementsKey(this);
    context_.applyAppearance(this);
    resetName();
}

void SaveReactionDialog::resetName() {
    name_->setText(kUntitled);
    name_->selectAll();
    name_->setFocus();
}

void SaveReactionDialog::save() {
    const std::string name = BoxBytes(name_);
    if (name.empty()) {
        hide();
        return;
    }
    if (!IsStorableName(name)) {
        context_.message(this, "A reaction name cannot contain a double quote (\").",
                         platform::MessageIcon::Exclamation);
        return;
    }
    const MainScreen& main = windows_.get<MainScreen>();
    const std::string record =
        FormatSavedReaction({name, ItemBytes(main.list(ListSide::Oxidation)->currentItem()),
                             ItemBytes(main.list(ListSide::Reduction)->currentItem())});
    const platform::FileWrite written =
        platform::AppendRecord(QString::fromStdString(windows_.session().dataFile(SavedFileName)),
                               QByteArray(record.data(), static_cast<qsizetype>(record.size())));
    if (!written.ok) {
        context_.message(this, "The reaction could not be saved: " + written.reason,
                         platform::MessageIcon::Critical);
        return;
    }
    resetName();
    hide();
    windows_.unload<OpenReactionDialog>();
}

void SaveReactionDialog::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1)
        return;
    QDialog::keyPressEvent(event);
}

} // namespace galvix::ui
