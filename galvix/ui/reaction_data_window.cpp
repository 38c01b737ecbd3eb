// The reaction data window: the session's last result, with copy, print,
// save and open, and the way back to the main screen.
#include "reaction_data_window.h"

#include "appearance.h"
#include "chem_output.h"
#include "conditions_window.h"
#include "controls.h"
#include "core/reaction_session.h"
#include "galvix_context.h"
#include "galvix_windows.h"
#include "main_screen.h"
#include "open_reaction_dialog.h"
#include "platform/menus.h"
#include "window_menus.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QMenuBar>
#include <QVBoxLayout>

namespace galvix::ui {

namespace {

const QString kGibbsCaption = QString::fromUtf8("G\u00B0 = ");
const char* kPotentialTip = "Potential in volts";
const char* kLogKTip = "Logarithm of the equilibrium constant";
const QString kConditionsCaption = QString::fromUtf8("Conditions\u2026");

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

} // namespace

ReactionDataWindow::ReactionDataWindow(GalvixWindows& windows)
    : windows_(windows), context_(windows.context()), session_(windows.session()) {
    setObjectName("Form2");
    setWindowTitle("Galvix -- Reaction Data");
    createLabels();
    auto* central = new QWidget(this);
    auto* outer = new QVBoxLayout(central);
    outer->addWidget(createResultsFrame(central));
    outer->addWidget(createReactionFrame(central));
    outer->addStretch(1);
    outer->addLayout(createButtons(central));
    setCentralWidget(central);
    createMenus();
}

void ReactionDataWindow::createLabels() {
    using namespace caption;
    const std::pair<int, const char*> captions[] = {{4, OxidationHalfReaction},
                                                    {6, Potential},
                                                    {8, LogK},
                                                    {10, ReductionHalfReaction},
                                                    {12, Potential},
                                                    {14, LogK},
                                                    {16, OverallReaction},
                                                    {18, LogK},
                                                    {20, LeftSide},
                                                    {22, RightSide}};
    for (int index = 4; index <= 23; ++index)
        labels_[index] = SelectableLabel(this, QString("Label(%1)").arg(index));
    for (const auto& [index, text] : captions)
        labels_[index]->setText(text);
    for (int index : {5, 11, 21, 23})
        UseChemFont(labels_[index]);
    for (int index : {6, 12})
        SetTag(labels_[index], kPotentialTip);
    for (int index : {8, 14})
        SetTag(labels_[index], kLogKTip);
    SetTag(labels_[18], "Logarithm of the equilibrium constant.");
    single_.willOccurCaption = SelectableLabel(this, "Label1", WillItOccur);
    single_.cellCaption = SelectableLabel(this, "Label2", CellPotential);
    SetTag(single_.cellCaption, "Total cell voltage");
    single_.cellPotential = SelectableLabel(this, "Label4");
    single_.constantCaption = SelectableLabel(this, "Label7", EquilibriumConstant);
    SetTag(single_.constantCaption, "Equilibrium constant");
    single_.equilibriumConstant = SelectableLabel(this, "Label6");
    single_.delta = SelectableLabel(this, "Label5", ChemDisplay(Delta));
    UseChemFont(single_.delta);
    single_.freeEnergyCaption = SelectableLabel(this, "Label8", kGibbsCaption);
    SetTag(single_.freeEnergyCaption, "[Gibbs] free energy in kilojoules per mole");
    single_.freeEnergy = SelectableLabel(this, "Label3");
}

QWidget* ReactionDataWindow::createResultsFrame(QWidget* parent) {
    auto* frame = Named<QGroupBox>(parent, "Frame2", "Results");
    auto* grid = new QGridLayout(frame);
    // Offered beside the verdict, for a reaction that does not occur too.
    QPushButton* conditionsButton = NamedButton(frame, "Conditions", kConditionsCaption);
    connect(conditionsButton, &QPushButton::clicked, this, &ReactionDataWindow::showConditions);
    auto pair = [grid](int row, QWidget* caption, QWidget* value) {
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
    pair(9, single_.willOccurCaption, labels_[17]);
    grid->addWidget(conditionsButton, 9, 2);
    pair(10, single_.cellCaption, single_.cellPotential);
    pair(11, labels_[18], labels_[19]);
    pair(12, single_.constantCaption, single_.equilibriumConstant);
    auto* gibbs = new QHBoxLayout;
    gibbs->setSpacing(0);
    gibbs->addWidget(single_.delta);
    gibbs->addWidget(single_.freeEnergyCaption);
    gibbs->addStretch();
    grid->addLayout(gibbs, 13, 0);
    grid->addWidget(single_.freeEnergy, 13, 1);
    grid->setColumnStretch(1, 1);
    return frame;
}

QWidget* ReactionDataWindow::createReactionFrame(QWidget* parent) {
    reactionFrame_ = Named<QGroupBox>(parent, "Frame3", caption::Reaction);
    auto* sides = new QGridLayout(reactionFrame_);
    sides->addWidget(labels_[20], 0, 0);
    sides->addWidget(labels_[21], 0, 1);
    sides->addWidget(labels_[22], 1, 0);
    sides->addWidget(labels_[23], 1, 1);
    net_.caption = SelectableLabel(reactionFrame_, "lblNetReaction", caption::NetReactionHeading);
    net_.equation = SelectableLabel(reactionFrame_, "lblNetEquation");
    UseChemFont(net_.equation);
    net_.mediaNote = SelectableLabel(reactionFrame_, "lblMediaNote", ChemDisplay(MediaDifferNote));
    UseChemFont(net_.mediaNote);
    net_.mediaNote->setWordWrap(true);
    sides->addWidget(net_.caption, 2, 0);
    sides->addWidget(net_.equation, 2, 1);
    sides->addWidget(net_.mediaNote, 3, 0, 1, 2);
    sides->setColumnStretch(1, 1);
    return reactionFrame_;
}

QLayout* ReactionDataWindow::createButtons(QWidget* parent) {
    return ButtonRow(parent,
                     {{"Command1", "New", [this] { backToMainScreen(); }},
                      {"Command2", "Copy", [this] { copy(); }},
                      {"Command3", "Print", [this] { print(); }},
                      {"Command4", "Save", [this] { windows_.get<MainScreen>().saveSelected(); }},
                      {"Command5", "Open", [this] { windows_.get<OpenReactionDialog>().exec(); }},
                      {"Command7", "List of Elements", [this] { windows_.showElements(this); }},
                      {"Command6", "Abbreviations", [this] { showAbbreviations(); }}});
}

void ReactionDataWindow::createMenus() {
    AddFileMenu(this, windows_, [this] { backToMainScreen(); });
    QMenu* edit = AddEditMenu(this, {"Copy", "Print", [this] { copy(); }, [this] { print(); }});
    edit->addSeparator();
    connect(platform::AddMenuItem(edit, "conditions", "Co&nditions\u2026"), &QAction::triggered,
            this, &ReactionDataWindow::showConditions);
    AddOptionsItems(menuBar()->addMenu("&Options"), this, windows_, "cus", "llll");
    QMenu* help = AddHelpMenu(this, windows_, "the");
    connect(platform::AddMenuItem(help, "fssdsf", "A&bbreviations"), &QAction::triggered, this,
            &ReactionDataWindow::showAbbreviations);
}

void ReactionDataWindow::backToMainScreen() {
    hide();
    windows_.get<MainScreen>().show();
}

void ReactionDataWindow::ensureLoaded() {
    if (loaded_)
        return;
    loaded_ = true;
    context_.applyAppearance(this);
    const QSize design(640, 480);
    resize(design.boundedTo(windows_.get<MainScreen>().size()).expandedTo(QSize(560, 440)));
}

void ReactionDataWindow::showLastResult() {
    if (!session_.lastResult())
        return;
    ensureLoaded();
    const CellReactionResult& result = *session_.lastResult();
    labels_[5]->setText(ChemDisplay(result.oxidationText));
    labels_[7]->setText(Text(result.oxidationPotentialText));
    labels_[9]->setText(Text(result.oxidationLogKText));
    labels_[11]->setText(ChemDisplay(result.reductionText));
    labels_[13]->setText(Text(result.reductionPotentialText));
    labels_[15]->setText(Text(result.reductionLogKText));
    labels_[17]->setText(Text(result.willOccur));
    labels_[19]->setText(Text(result.overallLogKText));
    labels_[21]->setText(ChemDisplay(result.leftSideText));
    labels_[23]->setText(ChemDisplay(result.rightSideText));
    net_.equation->setText(ChemDisplay(result.netReaction.text()));
    net_.mediaNote->setVisible(result.netReaction.mediaDiffer);
    single_.cellPotential->setText(Text(result.cellPotentialText));
    single_.equilibriumConstant->setText(Text(result.equilibriumConstantText));
    single_.freeEnergy->setText(Text(result.freeEnergyText));
    const bool occurs = result.occurs();
    reactionFrame_->setVisible(occurs);
    for (QLabel* label : {labels_[18], labels_[19], single_.cellCaption, single_.cellPotential,
                          single_.constantCaption, single_.equilibriumConstant, single_.delta,
                          single_.freeEnergyCaption, single_.freeEnergy})
        label->setVisible(occurs);
}

QString ReactionDataWindow::resultText() const {
    const auto& result = session_.lastResult();
    return result ? ChemDisplay(ReactionResultText(*result)) : QString();
}

void ReactionDataWindow::copy() {
    context_.copyResult(this, resultText());
}

void ReactionDataWindow::print() {
    context_.printResult(this, resultText());
}

void ReactionDataWindow::showConditions() {
    ConditionsWindow& conditions = windows_.get<ConditionsWindow>();
    conditions.showLastResult();
    conditions.exec();
}

void ReactionDataWindow::showAbbreviations() {
    const QString end = "\r\n";
    context_.message(this, "The following are abbreviations used in this screen:" + end + end +
                               "E = potential" + end + "K = equilibrium constant" + end +
                               "E(cell) = total cell voltage" + end +
                               QString::fromUtf8("/\\G\u00B0 = [Gibbs] free energy change") + end +
                               "V = volt(s)" + end + "kJ/mol = kilojoules per mole" + end +
                               "log = base 10 logarithm");
}

void ReactionDataWindow::closeEvent(QCloseEvent* event) {
    context_.handleClose(this, event);
}

} // namespace galvix::ui
