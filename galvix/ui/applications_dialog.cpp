// Edits the helper applications of the main screen's Applications menu.
#include "applications_dialog.h"

#include "appearance.h"
#include "controls.h"
#include "core/number_text.h"
#include "galvix_context.h"
#include "galvix_windows.h"
#include "main_screen.h"

#include <QFileIconProvider>
#include <QFileInfo>
#include <QGridLayout>
#include <QScrollBar>

namespace galvix::ui {

namespace {

constexpr int kTableSlots = 50;
constexpr int kMenuSlots = 20;

} // namespace

ApplicationsDialog::ApplicationsDialog(GalvixWindows& windows)
    : windows_(windows), context_(windows.context()) {
    setObjectName("Form15");
    setWindowTitle("Galvix -- Applications");
    auto* layout = new QGridLayout(this);
    layout->addWidget(NamedLabel(this, "Label1", "Index:"), 0, 0);
    index_ = NamedTextBox(this, "Text1", "1");
    layout->addWidget(index_, 0, 1);
    scroll_ = new QScrollBar(Qt::Horizontal, this);
    scroll_->setObjectName("HScroll1");
    scroll_->setRange(1, kMenuSlots);
    layout->addWidget(scroll_, 0, 2);
    layout->addWidget(NamedLabel(this, "Label2", "Caption:"), 1, 0);
    caption_ = NamedTextBox(this, "Text2");
    layout->addWidget(caption_, 1, 1, 1, 2);
    layout->addWidget(NamedLabel(this, "Label3", "Full path & filename:"), 2, 0);
    path_ = NamedTextBox(this, "Text3");
    layout->addWidget(path_, 2, 1, 1, 2);
    icon_ = NamedLabel(this, "Picture1");
    icon_->setFixedSize(36, 36);
    icon_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    icon_->setContentsMargins(2, 2, 0, 0);
    layout->addWidget(icon_, 3, 0);
    layout->addLayout(
        ButtonRow(this, {{"Command1", "Browse", [this] { browse(); }},
                         {"Command2", "OK",
                          [this] {
                              apply();
                              hide();
                          }},
                         {"Command3", "Apply", [this] { apply(); }},
                         {"Command4", "Cancel", [this] { hide(); }},
                         {"Command5", "Delete", [this] { deleteEntry(); }},
                         {"Command6", "Help",
                          [this] { context_.showHelp(this, HelpTopic::HelperApplications); }}}),
        4, 0, 1, 3);

    connect(scroll_, &QScrollBar::valueChanged, this,
            [this](int value) { index_->setText(QString::number(value)); });
    connect(index_, &QLineEdit::textChanged, this, &ApplicationsDialog::showEntry);
    connect(caption_, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (const int i = entry())
            captions_[static_cast<std::size_t>(i)] = text.trimmed();
    });
    connect(path_, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (const int i = entry())
            paths_[static_cast<std::size_t>(i)] = text.trimmed();
    });

    const platform::SettingsStore& settings = context_.services.settings;
    for (int i = 1; i <= kTableSlots; ++i) {
        const QString number = " " + QString::number(i);
        captions_[static_cast<std::size_t>(i)] = settings.read("Applications", "App" + number, "");
        paths_[static_cast<std::size_t>(i)] = settings.read("Applications", "Path" + number, "");
    }
    context_.applyAppearance(this);
    showEntry();
}

bool ApplicationsDialog::IsProgram(const QString& path) {
    const QFileInfo file(path);
    return path.endsWith("exe") || (file.isFile() && file.isExecutable());
}

int ApplicationsDialog::entry() const {
    const double value = NumericPrefixValue(index_->text().toStdString());
    return value >= 1 && value <= kTableSlots ? static_cast<int>(value) : 0;
}

void ApplicationsDialog::showEntry() {
    const int i = entry();
    if (i == 0)
        return;
    const QString caption = captions_[static_cast<std::size_t>(i)];
    const QString path = paths_[static_cast<std::size_t>(i)];
    caption_->setText(caption);
    path_->setText(path);
    icon_->clear();
    if (IsProgram(path))
        showIcon(path);
}

void ApplicationsDialog::showIcon(const QString& path) {
    icon_->setPixmap(QFileIconProvider().icon(QFileInfo(path)).pixmap(32, 32));
}

void ApplicationsDialog::browse() {
    const auto chosen =
        context_.services.dialogs.openFile(this, "Browse", "Applications (*);;All files (*)");
    if (!chosen || !IsProgram(*chosen))
        return;
    path_->setText(*chosen);
    showIcon(*chosen);
    const QFileInfo file(*chosen);
    caption_->setText(file.fileName().contains('.') ? file.completeBaseName() : file.fileName());
}

void ApplicationsDialog::deleteEntry() {
    caption_->clear();
    path_->clear();
    icon_->clear();
}

void ApplicationsDialog::apply() {
    platform::SettingsStore& settings = context_.services.settings;
    for (int i = 1; i <= kMenuSlots; ++i) {
        const QString number = " " + QString::number(i);
        settings.write("Applications", "App" + number, captions_[static_cast<std::size_t>(i)]);
        settings.write("Applications", "Path" + number, paths_[static_cast<std::size_t>(i)]);
    }
    if (windows_.has<MainScreen>())
        windows_.get<MainScreen>().loadApplications();
}

} // namespace galvix::ui
