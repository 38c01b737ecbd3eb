// The main screen: the oxidation and reduction lists of the session, Calculate,
// the arrangements, Find Next and the menus that reach every other window.
#include "main_screen.h"

#include "appearance.h"
#include "applications_dialog.h"
#include "chem_output.h"
#include "controls.h"
#include "core/reaction_session.h"
#include "custom_reactions_dialog.h"
#include "galvix_context.h"
#include "galvix_windows.h"
#include "half_reaction_data_dialog.h"
#include "jump_dialog.h"
#include "list_output_dialog.h"
#include "platform/menus.h"
#include "potential_column.h"
#include "progress_window.h"
#include "reaction_data_window.h"
#include "save_reaction_dialog.h"
#include "search_dialog.h"
#include "window_menus.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QListWidget>
#include <QMenuBar>
#include <QScopedValueRollback>
#include <QScreen>
#include <QVBoxLayout>

namespace galvix::ui {

namespace {

constexpr int kApplicationSlots = 20;

QListWidget* ChemList(QWidget* parent, const char* name) {
    auto* list = new QListWidget(parent);
    list->setObjectName(name);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setUniformItemSizes(true);
    UseChemFont(list);
    return list;
}

void ShowItems(QListWidget* list, const std::vector<std::string>& texts,
               const std::vector<std::string>& potentials) {
    list->setUpdatesEnabled(false);
    list->clear();
    for (std::size_t i = 0; i < texts.size(); ++i) {
        QListWidgetItem* item = AddChemItem(list, ChemDisplay(texts[i]), texts[i]);
        if (i < potentials.size())
            item->setData(kPotentialRole, QString::fromStdString(potentials[i]));
    }
    list->setUpdatesEnabled(true);
}

bool HasSelection(const QListWidget* list) {
    return list->currentItem() != nullptr && list->currentItem()->isSelected();
}

} // namespace

MainScreen::MainScreen(GalvixWindows& windows)
    : windows_(windows), context_(windows.context()), session_(windows.session()) {
    setObjectName("Form1");
    setWindowTitle("Galvix -- Main Screen");
    createControls();
    createMenus();
}

QListWidget* MainScreen::list(ListSide side) const {
    return side == ListSide::Oxidation ? oxidationList_ : reductionList_;
}

bool MainScreen::selectItem(ListSide side, const std::string& bytes) {
    QListWidget* shown = list(side);
    bool found = false;
    for (int row = 0; row < shown->count(); ++row) {
        if (ItemBytes(shown->item(row)) == bytes) {
            shown->setCurrentRow(row);
            found = true;
        }
    }
    return found;
}

bool MainScreen::bothSelected() const {
    return HasSelection(oxidationList_) && HasSelection(reductionList_);
}

void MainScreen::createControls() {
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->addWidget(NamedLabel(central, "Label1",
                                 "Please select one oxidation and one reduction half reaction:"));
    auto* frame = Named<QGroupBox>(central, "Frame1", "Selection");
    auto* grid = new QGridLayout(frame);
    grid->addWidget(NamedLabel(frame, "Label2", "OXIDATION"), 0, 0, Qt::AlignHCenter);
    grid->addWidget(NamedLabel(frame, "Label3", "REDUCTION"), 0, 2, Qt::AlignHCenter);
    oxidationList_ = ChemList(frame, "List1");
    reductionList_ = ChemList(frame, "List2");
    oxidationPotentials_ = new PotentialColumn(oxidationList_);
    reductionPotentials_ = new PotentialColumn(reductionList_);
    grid->addWidget(oxidationList_, 1, 0);
    grid->addWidget(reductionList_, 1, 2);
    oxidationJump_ = NamedButton(frame, "Command3", "Jump");
    auto* calculateButton = NamedButton(frame, "Command1", "Calculate");
    reductionJump_ = NamedButton(frame, "Command2", "Jump");
    grid->addWidget(oxidationJump_, 2, 0);
    grid->addWidget(calculateButton, 2, 1);
    grid->addWidget(reductionJump_, 2, 2);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(2, 1);
    layout->addWidget(frame, 1);
    setCentralWidget(central);

    connect(calculateButton, &QPushButton::clicked, this, &MainScreen::calculate);
    connect(oxidationJump_, &QPushButton::clicked, this, [this] { showJump(ListSide::Oxidation); });
    connect(reductionJump_, &QPushButton::clicked, this, [this] { showJump(ListSide::Reduction); });
    connect(oxidationList_, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { showHalfReactionData(ListSide::Oxidation, item); });
    connect(reductionList_, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { showHalfReactionData(ListSide::Reduction, item); });
}

void MainScreen::createMenus() {
    AddFileMenu(this, windows_);
    QMenu* edit = AddEditMenu(this, {"copy", "print", [this] { showListOutput(OutputMode::Copy); },
                                     [this] { showListOutput(OutputMode::Print); }});
    edit->addSeparator();
    connect(platform::AddMenuItem(edit, "find", "&Find", QKeySequence("Ctrl+F")),
            &QAction::triggered, this, [this] { windows_.get<SearchDialog>().exec(); });
    connect(platform::AddMenuItem(edit, "next", "Find &Next", QKeySequence(Qt::Key_F3)),
            &QAction::triggered, this, &MainScreen::findNext);

    QMenu* custom = menuBar()->addMenu("&Custom");
    connect(platform::AddMenuItem(custom, "Reactions", "&Reactions"), &QAction::triggered, this,
            [this] { windows_.get<CustomReactionsDialog>().exec(); });

    QMenu* options = menuBar()->addMenu("&Options");
    createArrangementMenu(options);
    actions_.potentials = platform::AddMenuItem(options, "potentials", "Show &potentials");
    actions_.potentials->setCheckable(true);
    connect(actions_.potentials, &QAction::triggered, this, &MainScreen::showPotentials);
    AddOptionsItems(options, this, windows_, "customize", "tippppp");

    QMenu* jump = menuBar()->addMenu("&Jump");
    actions_.oxidationJump = platform::AddMenuItem(jump, "ox", "&Oxidation");
    actions_.reductionJump = platform::AddMenuItem(jump, "red", "&Reduction");
    connect(actions_.oxidationJump, &QAction::triggered, this,
            [this] { showJump(ListSide::Oxidation); });
    connect(actions_.reductionJump, &QAction::triggered, this,
            [this] { showJump(ListSide::Reduction); });

    QMenu* applications = menuBar()->addMenu("&Applications");
    connect(platform::AddMenuItem(applications, "ara", "&Add/Remove Applications"),
            &QAction::triggered, this, [this] { windows_.get<ApplicationsDialog>().exec(); });
    createApplicationsMenu(applications);

    AddHelpMenu(this, windows_, "sgsd");
    showArrangement();
}

void MainScreen::createArrangementMenu(QMenu* options) {
    QMenu* arrangement = options->addMenu("&Arrangement");
    arrangement->menuAction()->setObjectName("arr");
    actions_.ascending = platform::AddMenuItem(arrangement, "asce", "&Ascending");
    actions_.descending = platform::AddMenuItem(arrangement, "des", "&Descending");
    actions_.alphabetical = platform::AddMenuItem(arrangement, "alpha", "A&lphabetical");
    const std::pair<QAction*, Arrangement> choices[] = {
        {actions_.ascending, Arrangement::Ascending},
        {actions_.descending, Arrangement::Descending},
        {actions_.alphabetical, Arrangement::Alphabetical}};
    for (const auto& [action, choice] : choices) {
        action->setCheckable(true);
        connect(action, &QAction::triggered, this, [this, choice] { rearrange(choice); });
    }
}

void MainScreen::createApplicationsMenu(QMenu* menu) {
    applications_[0] = menu->addSeparator();
    applications_[0]->setObjectName("m(0)");
    for (int i = 1; i <= kApplicationSlots; ++i) {
        QAction* item = menu->addAction(QString());
        item->setObjectName(QString("m(%1)").arg(i));
        connect(item, &QAction::triggered, this, [this, i] { startApplication(i); });
        applications_[static_cast<std::size_t>(i)] = item;
    }
}

void MainScreen::loadApplications() {
    const platform::SettingsStore& settings = context_.services.settings;
    for (int i = 1; i <= kApplicationSlots; ++i) {
        QAction* item = applications_[static_cast<std::size_t>(i)];
        const QString number = " " + QString::number(i);
        item->setText(settings.read("Applications", "App" + number, ""));
        item->setData(settings.read("Applications", "Path" + number, ""));
        item->setVisible(!item->text().isEmpty() && !item->data().toString().isEmpty());
    }
}

void MainScreen::load() {
    context_.applyAppearance(this);
    const bool potentialsShown = ReadShowPotentials(context_.services.settings);
    actions_.potentials->setChecked(potentialsShown);
    for (PotentialColumn* column : {oxidationPotentials_, reductionPotentials_})
        column->setShown(potentialsShown);
    loadApplications();
    rearrange(Arrangement::Alphabetical);
    scaleToScreen();
}

// The layout is designed for 640 x 480 and scaled by the screen's ratio to it.
void MainScreen::scaleToScreen() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect available = screen->availableGeometry();
    const double sx = available.width() / 640.0;
    const double sy = available.height() / 480.0;
    resize(QSize(qRound(640 * sx), qRound(480 * sy)).boundedTo(available.size()));
    move(available.topLeft());
}

void MainScreen::showLists() {
    for (const ListSide side : {ListSide::Oxidation, ListSide::Reduction})
        ShowItems(list(side), session_.list(side), session_.potentialTexts(side));
}

void MainScreen::showPotentials(bool shown) {
    actions_.potentials->setChecked(shown);
    for (PotentialColumn* column : {oxidationPotentials_, reductionPotentials_})
        column->setShown(shown);
    WriteShowPotentials(context_.services.settings, shown);
}

PotentialColumn* MainScreen::potentialColumn(ListSide side) const {
    return side == ListSide::Oxidation ? oxidationPotentials_ : reductionPotentials_;
}

// Jump positions refer to table order, so jumping is offered in the
// Alphabetical arrangement only.
void MainScreen::showArrangement() {
    const Arrangement shown = session_.arrangement();
    actions_.ascending->setChecked(shown == Arrangement::Ascending);
    actions_.descending->setChecked(shown == Arrangement::Descending);
    actions_.alphabetical->setChecked(shown == Arrangement::Alphabetical);
    const bool jumpOffered = shown == Arrangement::Alphabetical;
    for (QPushButton* button : {oxidationJump_, reductionJump_})
        button->setEnabled(jumpOffered);
    for (QAction* action : {actions_.oxidationJump, actions_.reductionJump})
        action->setEnabled(jumpOffered);
}

void MainScreen::rearrange(Arrangement arrangement) {
    if (rearranging_)
        return;
    const QScopedValueRollback<bool> guard(rearranging_, true);
    if (arrangement == Arrangement::Alphabetical) {
        const ArrangeOutcome outcome = session_.arrange(arrangement);
        if (outcome.status == ArrangeStatus::Failed)
            context_.fatal(QString::fromStdString(outcome.error->message()));
        else
            showLists();
    } else {
        sortLists(arrangement);
    }
    showArrangement();
}

// Ascending and Descending run a long sort behind the progress window, whose
// Cancel keeps the lists as they were.
void MainScreen::sortLists(Arrangement direction) {
    ProgressWindow& progress = windows_.get<ProgressWindow>();
    progress.begin();
    const ArrangeOutcome outcome = session_.arrange(direction, [&progress](int pass, int total) {
        return progress.advance(SortPercent(pass, total));
    });
    if (outcome.status == ArrangeStatus::Cancelled)
        return;
    progress.hide();
    if (outcome.status == ArrangeStatus::Failed)
        context_.fatal(QString::fromStdString(outcome.error->message()));
    else
        showLists();
}

void MainScreen::calculate() {
    if (!bothSelected()) {
        context_.message(this, "You must select reactions from both lists!");
        return;
    }
    const CalculateOutcome outcome = session_.calculate(
        ItemBytes(oxidationList_->currentItem()), ItemBytes(reductionList_->currentItem()),
        oxidationList_->currentRow(), reductionList_->currentRow());
    if (outcome.fault == CalculateFault::TableLoad ||
        outcome.fault == CalculateFault::DivisorGuard) {
        context_.fatal(QString::fromStdString(outcome.error));
        return;
    }
    if (!outcome.ok()) {
        context_.message(this, QString::fromStdString(outcome.error),
                         platform::MessageIcon::Exclamation);
        return;
    }
    ReactionDataWindow& reactionData = windows_.get<ReactionDataWindow>();
    reactionData.showLastResult();
    hide();
    reactionData.show();
}

void MainScreen::showHalfReactionData(ListSide side, const QListWidgetItem* item) {
    if (!item)
        return;
    const HalfReactionLookup lookup =
        session_.halfReaction(side, ItemBytes(item), list(side)->row(item));
    if (lookup.fault == CalculateFault::TableLoad) {
        context_.fatal(QString::fromStdString(lookup.error));
        return;
    }
    if (!lookup.data) {
        context_.message(this, QString::fromStdString(lookup.error),
                         platform::MessageIcon::Exclamation);
        return;
    }
    HalfReactionDataDialog& dialog = windows_.get<HalfReactionDataDialog>();
    dialog.showData(*lookup.data);
    context_.services.desktop.beep();
    dialog.exec();
}

void MainScreen::showJump(ListSide side) {
    windows_.get<JumpDialog>().showFor(side);
}

void MainScreen::saveSelected() {
    if (!bothSelected()) {
        context_.message(this, "Two half reactions have to be selected for a file to be saved.");
        return;
    }
    windows_.get<SaveReactionDialog>().exec();
}

void MainScreen::showListOutput(OutputMode mode) {
    ListOutputDialog& output = windows_.get<ListOutputDialog>();
    output.prepare(mode);
    output.show();
}

void MainScreen::findNext() {
    QListWidget* searched = list(session_.searchCriteria().list);
    const auto selected =
        HasSelection(searched) ? std::optional<std::size_t>(searched->currentRow()) : std::nullopt;
    const auto match = session_.findNext(selected);
    if (!match) {
        context_.message(this, "Not found! Please try again.", platform::MessageIcon::Exclamation);
        return;
    }
    searched->setCurrentRow(static_cast<int>(*match));
    searched->scrollToItem(searched->currentItem());
    if (windows_.has<SearchDialog>())
        windows_.get<SearchDialog>().hide();
}

void MainScreen::startApplication(int index) {
    const QString path = applications_[static_cast<std::size_t>(index)]->data().toString();
    if (context_.services.programs.start(path) == platform::StartResult::InvalidPath)
        context_.message(this, "Invalid Path!", platform::MessageIcon::Critical);
}

void MainScreen::closeEvent(QCloseEvent* event) {
    context_.handleClose(this, event);
}

} // namespace galvix::ui
