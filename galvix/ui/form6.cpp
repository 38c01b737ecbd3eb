// Form6: the data of one half reaction double-clicked in a main-screen list,
// with copy and print.
#include "form6.h"

#include "appearance.h"
#include "chem_output.h"
#include "galvix_context.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace galvix::ui {

Form6::Form6(GalvixContext& context) : context_(context) {
    setObjectName("Form6");
    setWindowTitle("Galvix -- Half Reaction Data");
    auto* layout = new QVBoxLayout(this);
    const char* captions[10] = {nullptr,
                                "Half reaction data:",
                                "Half reaction type:",
                                "",
                                "Half reaction potential (E):",
                                "",
                                "Half reaction equilibrium constant (log K):",
                                "",
                                "Half reaction:",
                                ""};
    auto* grid = new QGridLayout;
    for (int k = 1; k <= 9; ++k) {
        labels_[k] = new QLabel(captions[k], this);
        labels_[k]->setObjectName(QString("Label%1").arg(k));
        labels_[k]->setTextInteractionFlags(Qt::TextSelectableByMouse);
    }
    UseChemFont(labels_[9]);
    layout->addWidget(labels_[1]);
    grid->addWidget(labels_[2], 0, 0);
    grid->addWidget(labels_[3], 0, 1);
    grid->addWidget(labels_[4], 1, 0);
    grid->addWidget(labels_[5], 1, 1);
    grid->addWidget(labels_[6], 2, 0);
    grid->addWidget(labels_[7], 2, 1);
    grid->addWidget(labels_[8], 3, 0);
    grid->addWidget(labels_[9], 3, 1);
    grid->setColumnStretch(1, 1);
    layout->addLayout(grid);
    auto* buttons = new QHBoxLayout;
    const std::pair<const char*, const char*> commands[] = {{"Command1", "OK"},
                                                            {"Command2", "Abbreviations"},
                                                            {"Command3", "List of Elements"},
                                                            {"Command4", "Copy"},
                                                            {"Command5", "Print"}};
    for (const auto& [name, caption] : commands) {
        auto* button = new QPushButton(caption, this);
        button->setObjectName(name);
        button->setAutoDefault(false);
        buttons->addWidget(button);
    }
    layout->addLayout(buttons);
    connect(findChild<QPushButton*>("Command1"), &QPushButton::clicked, this, &QDialog::accept);
    connect(findChild<QPushButton*>("Command2"), &QPushButton::clicked, this,
            &Form6::showAbbreviations);
    connect(findChild<QPushButton*>("Command3"), &QPushButton::clicked, this,
            [this] { context_.showElements(); });
    context_.installElementsKey(this);
    connect(findChild<QPushButton*>("Command4"), &QPushButton::clicked, this, &Form6::copy);
    connect(findChild<QPushButton*>("Command5"), &QPushButton::clicked, this, &Form6::print);
    context_.registerWindow(this);
    ApplyAppearance(this, ReadAppearance(context_.services.settings));
}

void Form6::fill(const std::string& halfReaction, const QString& type, const std::string& potential,
                 const std::string& logK) {
    labels_[9]->setText(ChemDisplay(halfReaction));
    labels_[3]->setText(type);
    labels_[5]->setText(QString::fromStdString(potential));
    labels_[7]->setText(QString::fromStdString(logK));
}

QString Form6::dataText() const {
    QString text = OutputHeader();
    for (int k : {1, 8, 9, 2, 3, 4, 5, 6})
        text += labels_[k]->text() + "\r\n";
    return text + labels_[7]->text();
}

void Form6::copy() {
    context_.copyChemText(this, dataText(),
                          "Note: to view the half reaction properly (in a word processor), "
                          "convert it to the Chem (Chem.ttf) font.");
}

void Form6::print() {
    if (context_.askToPrint(this, "Do you want to print the results?") &&
        !context_.printChemText(this, dataText()))
        context_.message(this, "Error printing!", platform::MessageIcon::Critical);
}

void Form6::showAbbreviations() {
    context_.message(this, "The following are abbreviations used in this screen:\r\n\r\n"
                           "E = potential\r\nK = equilibrium constant\r\nV = volt(s)\r\n"
                           "log = base 10 logarithm");
}

void Form6::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1)
        return;
    QDialog::keyPressEvent(event);
}

} // namespace galvix::ui
