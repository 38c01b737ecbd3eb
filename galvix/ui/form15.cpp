// Form15: edits the helper applications of the main screen's Applications menu.
#include "form15.h"

#include "appearance.h"
#include "controls.h"
#include "core/number_text.h"
#include "form1.h"
#include "galvix_context.h"

#include <QFileIconProvider>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QScrollBar>

namespace galvix::ui {

namespace {

constexpr int kTableSlots = 50;
constexpr int kMenuSlots = 20;

} // namespace

Form15::Form15(GalvixContext& context) : context_(context) {
    setObjectName("Form15");
    setWindowTitle("Galvix -- Applications");
    auto* layout = new QGridLayout(this);
    layout->addWidget(NamedLabel(this, "Label1", "Index:"), 0, 0);
    text1_ = NamedTextBox(this, "Text1", "1");
    layout->addWidget(text1_, 0, 1);
    hScroll1_ = new QScrollBar(Qt::Horizontal, this);
    hScroll1_->setObjectName("HScroll1");
    hScroll1_->setRange(1, kMenuSlots);
    layout->addWidget(hScroll1_, 0, 2);
    layout->addWidget(NamedLabel(this, "Label2", "Caption:"), 1, 0);
    text2_ = NamedTextBox(this, "Text2");
    layout->addWidget(text2_, 1, 1, 1, 2);
    layout->addWidget(NamedLabel(this, "Label3", "Full path & filename:"), 2, 0);
    text3_ = NamedTextBox(this, "Text3");
    layout->addWidget(text3_, 2, 1, 1, 2);
    picture1_ = NamedLabel(this, "Picture1");
    picture1_->setFixedSize(36, 36);
    picture1_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    picture1_->setContentsMargins(2, 2, 0, 0);
    layout->addWidget(picture1_, 3, 0);
    auto* buttons = new QHBoxLayout;
    const std::pair<const char*, const char*> commands[] = {
        {"Command1", "Browse"}, {"Command2", "OK"},     {"Command3", "Apply"},
        {"Command4", "Cancel"}, {"Command5", "Delete"}, {"Command6", "Help"}};
    for (const auto& [name, caption] : commands)
        buttons->addWidget(NamedButton(this, name, caption));
    layout->addLayout(buttons, 4, 0, 1, 3);

    connect(hScroll1_, &QScrollBar::valueChanged, this,
            [this](int value) { text1_->setText(QString::number(value)); });
    connect(text1_, &QLineEdit::textChanged, this, &Form15::showEntry);
    connect(text2_, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (const int i = entry())
            captions_[static_cast<std::size_t>(i)] = text.trimmed();
    });
    connect(text3_, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (const int i = entry())
            paths_[static_cast<std::size_t>(i)] = text.trimmed();
    });
    connect(findChild<QPushButton*>("Command1"), &QPushButton::clicked, this, &Form15::browse);
    connect(findChild<QPushButton*>("Command2"), &QPushButton::clicked, this, [this] {
        apply();
        hide();
    });
    connect(findChild<QPushButton*>("Command3"), &QPushButton::clicked, this, &Form15::apply);
    connect(findChild<QPushButton*>("Command4"), &QPushButton::clicked, this, &QDialog::hide);
    connect(findChild<QPushButton*>("Command5"), &QPushButton::clicked, this, &Form15::deleteEntry);
    connect(findChild<QPushButton*>("Command6"), &QPushButton::clicked, this,
            [this] { context_.services.help.showTopic(this, 211); });

    const platform::SettingsStore& settings = context_.services.settings;
    for (int i = 1; i <= kTableSlots; ++i) {
        const QString number = " " + QString::number(i);
        captions_[static_cast<std::size_t>(i)] = settings.read("Applications", "App" + number, "");
        paths_[static_cast<std::size_t>(i)] = settings.read("Applications", "Path" + number, "");
    }
    context_.registerWindow(this);
    ApplyAppearance(this, ReadAppearance(context_.services.settings));
    showEntry();
}

bool Form15::IsProgram(const QString& path) {
    const QFileInfo file(path);
    return path.endsWith("exe") || (file.isFile() && file.isExecutable());
}

int Form15::entry() const {
    const double value = NumericPrefixValue(text1_->text().toStdString());
    return value >= 1 && value <= kTableSlots ? static_cast<int>(value) : 0;
}

void Form15::showEntry() {
    const int i = entry();
    if (i == 0)
        return;
    const QString caption = captions_[static_cast<std::size_t>(i)];
    const QString path = paths_[static_cast<std::size_t>(i)];
    text2_->setText(caption);
    text3_->setText(path);
    picture1_->clear();
    if (IsProgram(path))
        showIcon(path);
}

void Form15::showIcon(const QString& path) {
    picture1_->setPixmap(QFileIconProvider().icon(QFileInfo(path)).pixmap(32, 32));
}

void Form15::browse() {
    const auto chosen =
        context_.services.dialogs.openFile(this, "Browse", "Applications (*);;All files (*)");
    if (!chosen || !IsProgram(*chosen))
        return;
    text3_->setText(*chosen);
    showIcon(*chosen);
    const QFileInfo file(*chosen);
    text2_->setText(file.fileName().contains('.') ? file.completeBaseName() : file.fileName());
}

void Form15::deleteEntry() {
    text2_->clear();
    text3_->clear();
    picture1_->clear();
}

void Form15::apply() {
    platform::SettingsStore& settings = context_.services.settings;
    for (int i = 1; i <= kMenuSlots; ++i) {
        const QString number = " " + QString::number(i);
        settings.write("Applications", "App" + number, captions_[static_cast<std::size_t>(i)]);
        settings.write("Applications", "Path" + number, paths_[static_cast<std::size_t>(i)]);
    }
    if (context_.hasForm1())
        context_.form1().loadApplications();
}

} // namespace galvix::ui
