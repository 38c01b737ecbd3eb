// The options window: font, background colour, tool tips and the tip of the day.
#include "options_dialog.h"

#include "appearance.h"
#include "controls.h"
#include "galvix_context.h"
#include "galvix_windows.h"
#include "main_screen.h"

#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>

namespace galvix::ui {

OptionsDialog::OptionsDialog(GalvixWindows& windows)
    : windows_(windows), context_(windows.context()) {
    setObjectName("Form10");
    setWindowTitle("Galvix -- Options");
    auto* layout = new QGridLayout(this);
    fontName_ = NamedLabel(this, "Label2");
    KeepOwnFont(fontName_); // drawn in the font it names
    colorSwatch_ = new QFrame(this);
    colorSwatch_->setObjectName("Picture1");
    colorSwatch_->setFrameShape(QFrame::Box);
    colorSwatch_->setMinimumSize(60, 24);
    colorSwatch_->setAutoFillBackground(true);
    showTips_ = Named<QCheckBox>(this, "Check1", "Show Tips at Startup");
    showToolTips_ = Named<QCheckBox>(this, "Check2", "Show Tool Tips");
    SetTag(showToolTips_, "This is a Tool Tip.");
    auto* changeFontButton = NamedButton(this, "Command1", "Change");
    auto* changeColorButton = NamedButton(this, "Command2", "Change");
    layout->addWidget(NamedLabel(this, "Label1", "Font:"), 0, 0);
    layout->addWidget(fontName_, 0, 1);
    layout->addWidget(changeFontButton, 0, 2);
    layout->addWidget(NamedLabel(this, "Label3", "Background color:"), 1, 0);
    layout->addWidget(colorSwatch_, 1, 1);
    layout->addWidget(changeColorButton, 1, 2);
    layout->addWidget(showTips_, 2, 0, 1, 3);
    layout->addWidget(showToolTips_, 3, 0, 1, 3);
    layout->addLayout(ButtonRow(this, {{"Command3", "OK",
                                        [this] {
                                            apply();
                                            hide();
                                        }},
                                       {"Command4", "Default", [this] { setDefaults(); }},
                                       {"Command5", "Apply", [this] { apply(); }},
                                       {"Command6", "Cancel", [this] { reject(); }},
                                       {"Command7", "Help",
                                        [this] { context_.showHelp(this, HelpTopic::Options); }}}),
                      4, 0, 1, 3);
    connect(changeFontButton, &QPushButton::clicked, this, &OptionsDialog::changeFont);
    connect(changeColorButton, &QPushButton::clicked, this, &OptionsDialog::changeColor);

    const Appearance appearance = ReadAppearance(context_.services.settings);
    context_.applyAppearance(this);
    showTips_->setChecked(appearance.tips == 1);
    showToolTips_->setChecked(appearance.tool == 1);
    showFont(appearance.fontName);
    showColor(appearance.color);
}

void OptionsDialog::showFont(const QString& family) {
    family_ = FamilyInUse(family);
    fontName_->setText(family_);
    QFont font = fontName_->font();
    font.setFamily(family_);
    fontName_->setFont(font);
}

void OptionsDialog::showColor(int color) {
    color_ = color;
    QPalette palette = colorSwatch_->palette();
    palette.setColor(QPalette::Window, ColorFromNumber(color));
    colorSwatch_->setPalette(palette);
}

void OptionsDialog::changeFont() {
    if (const auto font = context_.services.dialogs.chooseFont(this, fontName_->font()))
        showFont(font->family());
}

void OptionsDialog::changeColor() {
    const QColor current = windows_.has<MainScreen>()
                               ? windows_.get<MainScreen>().palette().color(QPalette::Window)
                               : ColorFromNumber(color_);
    if (const auto color = context_.services.dialogs.chooseColor(this, current))
        showColor(NumberFromColor(*color));
}

void OptionsDialog::setDefaults() {
    showFont(kDefaultFont);
    showColor(kDefaultsButtonColor);
    showTips_->setChecked(true);
    showToolTips_->setChecked(true);
}

void OptionsDialog::apply() {
    Appearance appearance;
    appearance.tips = showTips_->isChecked() ? 1 : 0;
    appearance.fontName = family_;
    appearance.color = color_;
    appearance.tool = showToolTips_->isChecked() ? 1 : 0;
    WriteAppearance(context_.services.settings, appearance);
    windows_.applyAppearanceToAll();
}

} // namespace galvix::ui
