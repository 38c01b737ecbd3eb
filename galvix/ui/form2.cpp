// Form2: the reaction data window, showing one Calculate's result, with copy,
// print and the way back to the main screen.
#include "form2.h"

#include "appearance.h"
#include "chem_output.h"
#include "form1.h"
#include "form10.h"
#include "form14.h"
#include "form5.h"
#include "form9.h"
#include "galvix_context.h"
#include "platform/menus.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace galvix::ui {

namespace {

const QString kDelta = QString(QChar(0x00D3));                  // byte 211: Δ in the Chem font
const QString kChemGibbs = QString("G") + QChar(0x00F8) + "= "; // byte 248: the standard-state mark
const QString kGibbsCaption = QString::fromUtf8("G\u00B0 = ");

const char* kPotentialTip = "Potential in volts";
const char* kLogKTip = "Logarithm of the equilibrium constant";

QLabel* NamedLabel(QWidget* parent, const QString& name, const QString& text = {}) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

} // namespace

Form2::Form2(GalvixContext& context) : context_(context) {
    setObjectName("Form2");
    setWindowTitle("Galvix -- Reaction Data");
    createControls();
    createMenus();
    context_.registerWindow(this);
}

void Form2::createControls() {
    auto* central = new QWidget(this);
    auto* outer = new QVBoxLayout(central);
    frame2_ = new QGroupBox("Results", central);
    frame2_->setObjectName("Frame2");
    auto* grid = new QGridLayout(frame2_);
    const std::pair<int, const char*> captions[] = {{4, "Oxidation half reaction:"},
                                                    {6, "E = "},
                                                    {8, "log K = "},
                                                    {10, "Reduction half reaction:"},
                                                    {12, "E = "},
                                                    {14, "log K = "},
                                                    {16, "Overall reaction:"},
                                                    {18, "log K = "},
                                                    {20, "Left side:"},
                                                    {22, "Right side:"}};
    for (int index = 4; index <= 23; ++index)
        labels_[index] = NamedLabel(central, QString("Label(%1)").arg(index));
    for (const auto& [index, caption] : captions)
        labels_[index]->setText(caption);
    for (int index : {5, 11, 21, 23})
        UseChemFont(labels_[index]);
    for (int index : {6, 12})
        SetTag(labels_[index], kPotentialTip);
    for (int index : {8, 14})
        SetTag(labels_[index], kLogKTip);
    SetTag(labels_[18], "Logarithm of the equilibrium constant.");

    label1_ = NamedLabel(central, "Label1", "Will it occur: ");
    label2_ = NamedLabel(central, "Label2", "E(cell) = ");
    SetTag(label2_, "Total cell voltage");
    label4_ = NamedLabel(central, "Label4");
    label7_ = NamedLabel(central, "Label7", "K = ");
    SetTag(label7_, "Equilibrium constant");
    label6_ = NamedLabel(central, "Label6");
    label5_ = NamedLabel(central, "Label5", kDelta);
    UseChemFont(label5_);
    label8_ = NamedLabel(central, "Label8", kGibbsCaption);
    SetTag(label8_, "[Gibbs] free energy in kilojoules per mole");
    label3_ = NamedLabel(central, "Label3");

    auto pair = [&](int row, QWidget* caption, QWidget* value) {
        grid->addWidget(caption, row, 0);
        grid->addWidget(value, row, 1);
    };
    grid->addWidget(labels_[4], 0, 0, 1, 2);
    grid->addWidget(labels_[5], 1, 0, 1, 2);
    pair(2, labels_[6], labels_[7]);
    pair(3, labels_[8], labels_[9]);
    grid->addWidget(labels_[10], 4, 0, 1, 2);
    grid->addWidget(labels_[11], 5, 0, 1, 2);
    pair(6, labels_[12], labels_[13]);
    pair(7, labels_[14], labels_[15]);
    grid->addWidget(labels_[16], 8, 0, 1, 2);
    pair(9, label1_, labels_[17]);
    pair(10, label2_, label4_);
    pair(11, labels_[18], labels_[19]);
    pair(12, label7_, label6_);
    auto* gibbs = new QHBoxLayout;
    gibbs->setSpacing(0);
    gibbs->addWidget(label5_);
    gibbs->addWidget(label8_);
    gibbs->addStretch();
    grid->addLayout(gibbs, 13, 0);
    grid->addWidget(label3_, 13, 1);
    grid->setColumnStretch(1, 1);
    outer->addWidget(frame2_);

    frame3_ = new QGroupBox("Reaction", central);
    frame3_->setObjectName("Frame3");
    auto* sides = new QGridLayout(frame3_);
    sides->addWidget(labels_[20], 0, 0);
    sides->addWidget(labels_[21], 0, 1);
    sides->addWidget(labels_[22], 1, 0);
    sides->addWidget(labels_[23], 1, 1);
    sides->setColumnStretch(1, 1);
    outer->addWidget(frame3_);
    outer->addStretch(1);

    auto* buttons = new QHBoxLayout;
    const std::pair<const char*, const char*> commands[] = {
        {"Command1", "New"},          {"Command2", "Copy"}, {"Command3", "Print"},
        {"Command4", "Save"},         {"Command5", "Open"}, {"Command7", "List of Elements"},
        {"Command6", "Abbreviations"}};
    for (const auto& [name, caption] : commands) {
        auto* button = new QPushButton(caption, central);
        button->setObjectName(name);
        buttons->addWidget(button);
        const QString id = name;
        if (id == "Command1")
            connect(button, &QPushButton::clicked, this, [this] {
                hide();
                context_.form1().show();
            });
        else if (id == "Command2")
            connect(button, &QPushButton::clicked, this, &Form2::copy);
        else if (id == "Command3")
            connect(button, &QPushButton::clicked, this, &Form2::print);
        else if (id == "Command6")
            connect(button, &QPushButton::clicked, this, &Form2::showAbbreviations);
        else if (id == "Command4")
            connect(button, &QPushButton::clicked, this,
                    [this] { context_.form1().saveSelected(); });
        else if (id == "Command5")
            connect(button, &QPushButton::clicked, this, [this] { context_.form5().exec(); });
        else
            connect(button, &QPushButton::clicked, this, [this] { context_.showElements(); });
    }
    outer->addLayout(buttons);
    setCentralWidget(central);
}

void Form2::createMenus() {
    QMenu* file = menuBar()->addMenu("&File");
    connect(platform::AddMenuItem(file, "New", "&New", QKeySequence("Ctrl+N")), &QAction::triggered,
            this, [this] {
                hide();
                context_.form1().show();
            });
    connect(platform::AddMenuItem(file, "Save", "&Save", QKeySequence("Ctrl+S")),
            &QAction::triggered, this, [this] { context_.form1().saveSelected(); });
    connect(platform::AddMenuItem(file, "Open", "&Open", QKeySequence("Ctrl+O")),
            &QAction::triggered, this, [this] { context_.form5().exec(); });
    file->addSeparator();
    connect(platform::AddMenuItem(file, "Exit", "E&xit"), &QAction::triggered, this,
            &QWidget::close);
    QMenu* edit = menuBar()->addMenu("&Edit");
    connect(platform::AddMenuItem(edit, "Copy", "&Copy", QKeySequence("Ctrl+C")),
            &QAction::triggered, this, &Form2::copy);
    connect(platform::AddMenuItem(edit, "Print", "&Print", QKeySequence("Ctrl+P")),
            &QAction::triggered, this, &Form2::print);
    QMenu* options = menuBar()->addMenu("&Options");
    connect(platform::AddMenuItem(options, "cus", "&Customize"), &QAction::triggered, this,
            [this] { context_.form10().exec(); });
    connect(platform::AddMenuItem(options, "llll", "Show &Tips"), &QAction::triggered, this,
            [this] { context_.form9().exec(); });
    QMenu* help = menuBar()->addMenu("&Help");
    context_.addHelpItems(help, this, "the");
    connect(platform::AddMenuItem(help, "fssdsf", "A&bbreviations"), &QAction::triggered, this,
            &Form2::showAbbreviations);
}

void Form2::ensureLoaded() {
    if (loaded_)
        return;
    loaded_ = true;
    ApplyAppearance(this, ReadAppearance(context_.services.settings));
    const QSize design(640, 480);
    resize(design.boundedTo(context_.form1().size()).expandedTo(QSize(560, 440)));
}

void Form2::setLabel(int index, const QString& text) {
    labels_[index]->setText(text);
    labelsChanged();
}

void Form2::fill(const CellReactionResult& result) {
    ensureLoaded();
    setLabel(5, ChemDisplay(result.oxidationText));
    setLabel(7, QString::fromStdString(result.oxidationPotentialText));
    setLabel(11, ChemDisplay(result.reductionText));
    setLabel(13, QString::fromStdString(result.reductionPotentialText));
    setLabel(9, QString::fromStdString(result.oxidationLogKText));
    setLabel(15, QString::fromStdString(result.reductionLogKText));
    setLabel(17, QString::fromStdString(result.willOccur));
    const bool occurs = result.willOccur != "No";
    frame3_->setVisible(occurs);
    labels_[18]->setVisible(occurs);
    labels_[19]->setVisible(occurs);
    setLabel(19, QString::fromStdString(result.overallLogKText));
    setLabel(21, ChemDisplay(result.leftSideText));
    setLabel(23, ChemDisplay(result.rightSideText));
}

// Runs after every change of a label of the array: derives E(cell), the free
// energy and K from the displayed texts.
void Form2::labelsChanged() {
    const bool occurs = labels_[17]->text() != "No";
    for (QLabel* label : {label2_, label3_, label4_, label5_, label6_, label7_, label8_})
        label->setVisible(occurs);
    if (!occurs)
        return;
    const CellValues values =
        DeriveCellValues(labels_[7]->text().toStdString(), labels_[13]->text().toStdString(),
                         labels_[19]->text().toStdString(), context_.transferredElectrons);
    label4_->setText(QString::fromStdString(values.cellPotentialText));
    label3_->setText(QString::fromStdString(values.freeEnergyText));
    label6_->setText(QString::fromStdString(values.equilibriumConstantText));
}

QString Form2::resultText() const {
    const QString end = "\r\n";
    QString text = OutputHeader();
    for (int index = 4; index <= 16; ++index) {
        text += labels_.at(index)->text();
        if (index != 6 && index != 8 && index != 12 && index != 14)
            text += end;
    }
    text += label1_->text() + labels_.at(17)->text() + end;
    if (!frame3_->isHidden()) {
        text += label2_->text() + label4_->text() + end;
        text += labels_.at(18)->text() + labels_.at(19)->text() + end;
        text += label7_->text() + label6_->text() + end;
        text += label5_->text() + kChemGibbs + label3_->text() + end;
        text += frame3_->title() + end;
        for (int index = 20; index <= 23; ++index)
            text += labels_.at(index)->text() + end;
    }
    return text;
}

void Form2::copy() {
    context_.copyChemText(this, resultText(),
                          "Note: to view reactions (and the delta symbol) properly (in a word "
                          "processor), convert them to the Chem (Chem.ttf) font.");
}

void Form2::print() {
    if (!context_.askToPrint(this, "Do you want to print the results?"))
        return;
    label8_->setText(kChemGibbs);
    const bool ok = context_.printChemText(this, resultText());
    label8_->setText(kGibbsCaption);
    if (!ok)
        context_.message(this, "Error printing!", platform::MessageIcon::Critical);
}

void Form2::showAbbreviations() {
    const QString end = "\r\n";
    context_.message(this, "The following are abbreviations used in this screen:" + end + end +
                               "E = potential" + end + "K = equilibrium constant" + end +
                               "E(cell) = total cell voltage" + end +
                               QString::fromUtf8("/\\G\u00B0 = [Gibbs] free energy change") + end +
                               "V = volt(s)" + end + "kJ/mol = kilojoules per mole" + end +
                               "log = base 10 logarithm");
}

void Form2::closeEvent(QCloseEvent* event) {
    context_.handleClose(this, event);
}

} // namespace galvix::ui
