// Form10: the options window for font, background colour, tool tips and the
// tip of the day.
#include "form10.h"

#include "appearance.h"
#include "form1.h"
#include "galvix_context.h"

#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace galvix::ui {

namespace {

QPushButton* Button(QWidget* parent, const char* name, const QString& caption) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

} // namespace

Form10::Form10(GalvixContext& context) : context_(context) {
    setObjectName("Form10");
    setWindowTitle("Galvix -- Options");
    auto* layout = new QGridLayout(this);
    auto* label1 = new QLabel("Font:", this);
    label1->setObjectName("Label1");
    label2_ = new QLabel(this);
    label2_->setObjectName("Label2");
    KeepOwnFont(label2_); // drawn in the font it names
    auto* label3 = new QLabel("Background color:", this);
    label3->setObjectName("Label3");
    picture1_ = new QFrame(this);
    picture1_->setObjectName("Picture1");
    picture1_->setFrameShape(QFrame::Box);
    picture1_->setMinimumSize(60, 24);
    picture1_->setAutoFillBackground(true);
    check1_ = new QCheckBox("Show Tips at Startup", this);
    check1_->setObjectName("Check1");
    check2_ = new QCheckBox("Show Tool Tips", this);
    check2_->setObjectName("Check2");
    SetTag(check2_, "This is a Tool Tip.");
    layout->addWidget(label1, 0, 0);
    layout->addWidget(label2_, 0, 1);
    layout->addWidget(Button(this, "Command1", "Change"), 0, 2);
    layout->addWidget(label3, 1, 0);
    layout->addWidget(picture1_, 1, 1);
    layout->addWidget(Button(this, "Command2", "Change"), 1, 2);
    layout->addWidget(check1_, 2, 0, 1, 3);
    layout->addWidget(check2_, 3, 0, 1, 3);
    auto* buttons = new QHBoxLayout;
    const std::pair<const char*, const char*> commands[] = {{"Command3", "OK"},
                                                            {"Command4", "Default"},
                                                            {"Command5", "Apply"},
                                                            {"Command6", "Cancel"},
                                                            {"Command7", "Help"}};
    for (const auto& [name, caption] : commands)
        buttons->addWidget(Button(this, name, caption));
    layout->addLayout(buttons, 4, 0, 1, 3);

    connect(findChild<QPushButton*>("Command1"), &QPushButton::clicked, this, &Form10::changeFont);
    connect(findChild<QPushButton*>("Command2"), &QPushButton::clicked, this, &Form10::changeColor);
    connect(findChild<QPushButton*>("Command3"), &QPushButton::clicked, this, [this] {
        apply();
        hide();
    });
    connect(findChild<QPushButton*>("Command4"), &QPushButton::clicked, this, &Form10::setDefaults);
    connect(findChild<QPushButton*>("Command5"), &QPushButton::clicked, this, &Form10::apply);
    connect(findChild<QPushButton*>("Command6"), &QPushButton::clicked, this, &QDialog::reject);
    connect(findChild<QPushButton*>("Command7"), &QPushButton::clicked, this,
            [this] { context_.services.help.showTopic(this, 210); });

    context_.registerWindow(this);
    const Appearance appearance = ReadAppearance(context_.services.settings);
    ApplyAppearance(this, appearance);
    check1_->setChecked(appearance.tips == 1);
    check2_->setChecked(appearance.tool == 1);
    showFont(appearance.fontName);
    showColor(appearance.color);
}

void Form10::showFont(const QString& family) {
    fontName_ = family;
    label2_->setText(family);
    QFont font = label2_->font();
    font.setFamily(family);
    label2_->setFont(font);
}

void Form10::showColor(int color) {
    color_ = color;
    QPalette palette = picture1_->palette();
    palette.setColor(QPalette::Window, ColorFromNumber(color));
    picture1_->setPalette(palette);
}

void Form10::changeFont() {
    if (const auto font = context_.services.dialogs.chooseFont(this, label2_->font()))
        showFont(font->family());
}

void Form10::changeColor() {
    const QColor current = context_.hasForm1() ? context_.form1().palette().color(QPalette::Window)
                                               : ColorFromNumber(color_);
    if (const auto color = context_.services.dialogs.chooseColor(this, current))
        showColor(NumberFromColor(*color));
}

void Form10::setDefaults() {
    showFont(kDefaultFont);
    showColor(kDefaultsButtonColor);
    check1_->setChecked(true);
    check2_->setChecked(true);
}

void Form10::apply() {
    Appearance appearance;
    appearance.tips = check1_->isChecked() ? 1 : 0;
    appearance.fontName = fontName_;
    appearance.color = color_;
    appearance.tool = check2_->isChecked() ? 1 : 0;
    WriteAppearance(context_.services.settings, appearance);
    context_.applyAppearanceToAll();
}

} // namespace galvix::ui
