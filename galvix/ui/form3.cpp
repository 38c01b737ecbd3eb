// Form3: the editor of the user's own half reactions in Custom.dat.
#include "form3.h"

#include "appearance.h"
#include "chem_output.h"
#include "controls.h"
#include "core/number_text.h"
#include "form1.h"
#include "galvix_context.h"
#include "platform/chem_text.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QListWidget>
#include <QVBoxLayout>

namespace galvix::ui {

namespace {

// Codes shown after the generic failure message.
constexpr int kFileUnreadable = 53;
constexpr int kFileDamaged = 62;
constexpr int kFileNotWritten = 75;

} // namespace

Form3::Form3(GalvixContext& context) : context_(context) {
    setObjectName("Form3");
    setWindowTitle("Galvix -- Custom Reactions");
    auto* layout = new QVBoxLayout(this);
    auto* label1 = NamedLabel(
        this, "Label1",
        "Please enter the formula for your custom reduction half reaction. Oxidation half "
        "reaction as well as the equilibrium constant will be calculated automatically. For notes "
        "on how to enter subscripts and superscripts see 'Help.'");
    label1->setWordWrap(true);
    layout->addWidget(label1);
    text1_ = NamedTextBox(this, "Text1");
    UseChemFont(text1_);
    AttachTypingAid(text1_);
    layout->addWidget(text1_);
    auto* potential = new QHBoxLayout;
    potential->addWidget(NamedLabel(this, "Label2", "Potential (E):"));
    text2_ = NamedTextBox(this, "Text2");
    potential->addWidget(text2_);
    layout->addLayout(potential);
    list1_ = new QListWidget(this);
    list1_->setObjectName("List1");
    UseChemFont(list1_);
    layout->addWidget(list1_, 1);
    auto* buttons = new QHBoxLayout;
    auto* add = NamedButton(this, "Command1", "Add");
    auto* remove = NamedButton(this, "Command2", "Remove");
    auto* help = NamedButton(this, "Command3", "Help && Rules");
    auto* ok = NamedButton(this, "Command5", "OK");
    for (QPushButton* button : {add, remove, help, ok})
        buttons->addWidget(button);
    layout->addLayout(buttons);
    connect(add, &QPushButton::clicked, this, &Form3::add);
    connect(remove, &QPushButton::clicked, this, &Form3::remove);
    connect(help, &QPushButton::clicked, this,
            [this] { context_.services.help.showTopic(this, 23); });
    connect(ok, &QPushButton::clicked, this, &Form3::clearAndHide);
    connect(list1_, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { showRecord(list1_->row(item)); });
    context_.installElementsKey(this);
    context_.registerWindow(this);
    ApplyAppearance(this, ReadAppearance(context_.services.settings));
    resize(560, 420);
}

void Form3::showEvent(QShowEvent* event) {
    fillList();
    QDialog::showEvent(event);
}

void Form3::fillList() {
    list1_->clear();
    const CustomRead read = ReadCustomRecords(context_.dataFile(CustomFileName).toStdString());
    for (const CustomRecord& record : read.records)
        list1_->addItem(ChemDisplay(ShownReduction(record.text)));
}

void Form3::showRecord(int row) {
    const CustomRead read = ReadCustomRecords(context_.dataFile(CustomFileName).toStdString());
    if (row < 0 || row >= static_cast<int>(read.records.size()))
        return;
    const CustomRecord& record = read.records[static_cast<std::size_t>(row)];
    text1_->setText(ChemDisplay(ShownReduction(record.text)));
    text2_->setText(QString::fromStdString(GeneralFormat(0 - record.potential)));
}

void Form3::failure(int code) {
    context_.message(this, QString("An error has occured!%1").arg(code),
                     platform::MessageIcon::Information);
}

bool Form3::writeRecords(const std::vector<CustomRecord>& records) {
    const std::string file = FormatCustomFile(records);
    return context_.replaceFile(context_.dataFile(CustomFileName),
                                QByteArray(file.data(), static_cast<qsizetype>(file.size())));
}

void Form3::afterChange() {
    context_.form1().rearrange(Arrangement::Alphabetical);
    text1_->clear();
    text2_->clear();
    text1_->setFocus();
}

void Form3::add() {
    const CustomCheck check = CheckCustomReaction(BoxBytes(text1_), BoxBytes(text2_));
    if (!check.message.empty()) {
        context_.message(this, QString::fromStdString(check.message),
                         platform::MessageIcon::Information);
        return;
    }
    CustomRead read = ReadCustomRecords(context_.dataFile(CustomFileName).toStdString());
    if (!read.ok()) {
        if (read.countNotNumber)
            context_.message(this, "Your potential must be a number!",
                             platform::MessageIcon::Information);
        else
            failure(read.error.find("cannot be read") != std::string::npos ? kFileUnreadable
                                                                           : kFileDamaged);
        return;
    }
    if (static_cast<int>(read.records.size()) >= CustomCapacity) {
        context_.message(this, "You have already reached 300 half reactions!",
                         platform::MessageIcon::Information);
        return;
    }
    read.records.push_back(*check.record);
    if (!writeRecords(read.records)) {
        failure(kFileNotWritten);
        return;
    }
    list1_->addItem(ChemDisplay(TrimSpaces(BoxBytes(text1_))));
    afterChange();
}

void Form3::remove() {
    using platform::MessageButton;
    const int row = list1_->currentRow();
    if (row < 0 || !list1_->currentItem()->isSelected()) {
        context_.message(this, "You must select a half reaction from the list!",
                         platform::MessageIcon::Information);
        return;
    }
    if (context_.message(this,
                         "Please confirm that you would like this half reaction to be deleted!",
                         platform::MessageIcon::Exclamation, platform::MessageButtons::YesNo,
                         MessageButton::Yes) != MessageButton::Yes)
        return;
    CustomRead read = ReadCustomRecords(context_.dataFile(CustomFileName).toStdString());
    if (!read.ok() || read.records.empty() || row >= static_cast<int>(read.records.size()))
        return;
    read.records.erase(read.records.begin() + row);
    if (!writeRecords(read.records)) {
        failure(kFileNotWritten);
        return;
    }
    delete list1_->takeItem(row);
    afterChange();
}

void Form3::clearAndHide() {
    text1_->clear();
    text2_->clear();
    text1_->setFocus();
    hide();
}

} // namespace galvix::ui
