// Form1: the main screen, with the oxidation and reduction lists, Calculate,
// the arrangements, Find Next and the menus that reach every other window.
#include "form1.h"

#include "appearance.h"
#include "chem_output.h"
#include "core/cell_reaction.h"
#include "core/find_text.h"
#include "core/number_text.h"
#include "form10.h"
#include "form11.h"
#include "form12.h"
#include "form13.h"
#include "form14.h"
#include "form15.h"
#include "form16.h"
#include "form2.h"
#include "form3.h"
#include "form5.h"
#include "form6.h"
#include "form7.h"
#include "form8.h"
#include "form9.h"
#include "galvix_context.h"
#include "platform/menus.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QScreen>
#include <QVBoxLayout>

namespace galvix::ui {

namespace {

constexpr int kApplicationSlots = 20;

QLabel* NamedLabel(QWidget* parent, const char* name, const QString& text) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    return label;
}

QPushButton* NamedButton(QWidget* parent, const char* name, const QString& text) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    return button;
}

QListWidget* ChemList(QWidget* parent, const char* name) {
    auto* list = new QListWidget(parent);
    list->setObjectName(name);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setUniformItemSizes(true);
    UseChemFont(list);
    return list;
}

void AddItems(QListWidget* list, const std::vector<std::string>& texts) {
    list->setUpdatesEnabled(false);
    list->clear();
    for (const std::string& text : texts) {
        auto* item = new QListWidgetItem(ChemDisplay(text));
        item->setData(Qt::UserRole, QByteArray(text.data(), static_cast<qsizetype>(text.size())));
        list->addItem(item);
    }
    list->setUpdatesEnabled(true);
}

} // namespace

Form1::Form1(GalvixContext& context) : context_(context) {
    setObjectName("Form1");
    setWindowTitle("Galvix -- Main Screen");
    createControls();
    createMenus();
    context_.registerWindow(this);
}

std::string Form1::ItemBytes(const QListWidgetItem* item) {
    if (!item)
        return {};
    const QByteArray bytes = item->data(Qt::UserRole).toByteArray();
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

std::vector<std::string> Form1::ListBytes(const QListWidget* list) {
    std::vector<std::string> texts;
    texts.reserve(static_cast<std::size_t>(list->count()));
    for (int row = 0; row < list->count(); ++row)
        texts.push_back(ItemBytes(list->item(row)));
    return texts;
}

bool Form1::bothSelected() const {
    auto selected = [](const QListWidget* list) {
        return list->currentItem() != nullptr && list->currentItem()->isSelected();
    };
    return selected(list1_) && selected(list2_);
}

void Form1::createControls() {
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->addWidget(NamedLabel(central, "Label1",
                                 "Please select one oxidation and one reduction half reaction:"));
    auto* frame = new QGroupBox("Selection", central);
    frame->setObjectName("Frame1");
    auto* grid = new QGridLayout(frame);
    grid->addWidget(NamedLabel(frame, "Label2", "OXIDATION"), 0, 0, Qt::AlignHCenter);
    grid->addWidget(NamedLabel(frame, "Label3", "REDUCTION"), 0, 2, Qt::AlignHCenter);
    list1_ = ChemList(frame, "List1");
    list2_ = ChemList(frame, "List2");
    grid->addWidget(list1_, 1, 0);
    grid->addWidget(list2_, 1, 2);
    command3_ = NamedButton(frame, "Command3", "Jump");
    command1_ = NamedButton(frame, "Command1", "Calculate");
    command2_ = NamedButton(frame, "Command2", "Jump");
    grid->addWidget(command3_, 2, 0);
    grid->addWidget(command1_, 2, 1);
    grid->addWidget(command2_, 2, 2);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(2, 1);
    layout->addWidget(frame, 1);
    setCentralWidget(central);

    connect(command1_, &QPushButton::clicked, this, &Form1::calculate);
    connect(list1_, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { showHalfReactionData(list1_, item); });
    connect(list2_, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { showHalfReactionData(list2_, item); });
}

void Form1::createMenus() {
    QMenu* file = menuBar()->addMenu("&File");
    connect(platform::AddMenuItem(file, "Save", "&Save", QKeySequence("Ctrl+S")),
            &QAction::triggered, this, &Form1::saveSelected);
    connect(platform::AddMenuItem(file, "Open", "&Open", QKeySequence("Ctrl+O")),
            &QAction::triggered, this, [this] { context_.form5().exec(); });
    file->addSeparator();
    connect(platform::AddMenuItem(file, "Exit", "E&xit"), &QAction::triggered, this,
            &QWidget::close);

    QMenu* edit = menuBar()->addMenu("&Edit");
    connect(platform::AddMenuItem(edit, "copy", "&Copy", QKeySequence("Ctrl+C")),
            &QAction::triggered, this, [this] { showOutput(1); });
    connect(platform::AddMenuItem(edit, "print", "&Print", QKeySequence("Ctrl+P")),
            &QAction::triggered, this, [this] { showOutput(2); });
    edit->addSeparator();
    connect(platform::AddMenuItem(edit, "find", "&Find", QKeySequence("Ctrl+F")),
            &QAction::triggered, this, [this] { context_.form12().exec(); });
    connect(platform::AddMenuItem(edit, "next", "Find &Next", QKeySequence(Qt::Key_F3)),
            &QAction::triggered, this, &Form1::findNext);

    QMenu* custom = menuBar()->addMenu("&Custom");
    connect(platform::AddMenuItem(custom, "Reactions", "&Reactions"), &QAction::triggered, this,
            [this] { context_.form3().exec(); });

    QMenu* options = menuBar()->addMenu("&Options");
    QMenu* arrangement = options->addMenu("&Arrangement");
    arrangement->menuAction()->setObjectName("arr");
    actions_.asce = platform::AddMenuItem(arrangement, "asce", "&Ascending");
    actions_.des = platform::AddMenuItem(arrangement, "des", "&Descending");
    actions_.alpha = platform::AddMenuItem(arrangement, "alpha", "A&lphabetical");
    for (QAction* action : {actions_.asce, actions_.des, actions_.alpha})
        action->setCheckable(true);
    actions_.alpha->setChecked(true);
    connect(actions_.asce, &QAction::triggered, this,
            [this] { rearrange(Arrangement::Ascending); });
    connect(actions_.des, &QAction::triggered, this,
            [this] { rearrange(Arrangement::Descending); });
    connect(actions_.alpha, &QAction::triggered, this,
            [this] { rearrange(Arrangement::Alphabetical); });
    connect(platform::AddMenuItem(options, "customize", "&Customize"), &QAction::triggered, this,
            [this] { context_.form10().exec(); });
    connect(platform::AddMenuItem(options, "tippppp", "Show &Tips"), &QAction::triggered, this,
            [this] { context_.form9().exec(); });

    QMenu* jump = menuBar()->addMenu("&Jump");
    actions_.ox = platform::AddMenuItem(jump, "ox", "&Oxidation");
    actions_.red = platform::AddMenuItem(jump, "red", "&Reduction");
    connect(actions_.ox, &QAction::triggered, this, [this] { showJump('O'); });
    connect(actions_.red, &QAction::triggered, this, [this] { showJump('R'); });
    connect(command3_, &QPushButton::clicked, this, [this] { showJump('O'); });
    connect(command2_, &QPushButton::clicked, this, [this] { showJump('R'); });
    setJumpEnabled(true);

    QMenu* applications = menuBar()->addMenu("&Applications");
    connect(platform::AddMenuItem(applications, "ara", "&Add/Remove Applications"),
            &QAction::triggered, this, [this] { context_.form15().exec(); });
    createApplicationsMenu(applications);

    QMenu* help = menuBar()->addMenu("&Help");
    context_.addHelpItems(help, this, "sgsd");
}

void Form1::createApplicationsMenu(QMenu* menu) {
    m_[0] = menu->addSeparator();
    m_[0]->setObjectName("m(0)");
    for (int i = 1; i <= kApplicationSlots; ++i) {
        QAction* item = menu->addAction(QString());
        item->setObjectName(QString("m(%1)").arg(i));
        connect(item, &QAction::triggered, this, [this, i] { startApplication(i); });
        m_[static_cast<std::size_t>(i)] = item;
    }
}

void Form1::loadApplications() {
    const platform::SettingsStore& settings = context_.services.settings;
    for (int i = 1; i <= kApplicationSlots; ++i) {
        QAction* item = m_[static_cast<std::size_t>(i)];
        const QString number = " " + QString::number(i);
        item->setText(settings.read("Applications", "App" + number, ""));
        item->setData(settings.read("Applications", "Path" + number, ""));
        item->setVisible(!item->text().isEmpty() && !item->data().toString().isEmpty());
    }
}

void Form1::load() {
    ApplyAppearance(this, ReadAppearance(context_.services.settings));
    loadApplications();
    if (const auto table = loadTable())
        fillLists(MakeListItems(*table, Arrangement::Alphabetical));
    scaleToScreen();
}

std::optional<HalfReactionTable> Form1::loadTable() {
    TableLoad load = LoadTable(context_.dataDirectory);
    if (!load.ok()) {
        context_.fatal(QString::fromStdString(load.error));
        return std::nullopt;
    }
    return std::move(load.table);
}

void Form1::fillLists(const ListItems& items) {
    AddItems(list1_, items.oxidation);
    AddItems(list2_, items.reduction);
}

void Form1::scaleToScreen() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect available = screen->availableGeometry();
    const double sx = available.width() / 640.0;
    const double sy = available.height() / 480.0;
    resize(QSize(qRound(640 * sx), qRound(480 * sy)).boundedTo(available.size()));
    move(available.topLeft());
}

void Form1::calculate() {
    if (!bothSelected()) {
        context_.message(this, "You must select reactions from both lists!");
        return;
    }
    const CalculateOutcome outcome =
        Calculate(context_.dataDirectory, ItemBytes(list1_->currentItem()),
                  ItemBytes(list2_->currentItem()), list1_->currentRow(), list2_->currentRow());
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
    context_.transferredElectrons = outcome.result.transferredElectrons;
    Form2& form2 = context_.form2();
    form2.fill(outcome.result);
    hide();
    form2.show();
}

void Form1::showHalfReactionData(QListWidget* list, QListWidgetItem* item) {
    const auto table = loadTable();
    if (!table || !item)
        return;
    const bool oxidation = list == list1_;
    const std::string text = ItemBytes(item);
    const auto found =
        oxidation ? FindOxidationEntry(*table, text) : FindReductionEntry(*table, text);
    const int entry = found ? *found : list->row(item) + 1;
    if (entry < 1 || entry > table->count()) {
        context_.message(this, "The selected half reaction is no longer in the table.",
                         platform::MessageIcon::Exclamation);
        return;
    }
    const HalfReactionEntry& row = (*table)[entry];
    Form6& form6 = context_.form6();
    if (oxidation)
        form6.fill(row.oxidationText, "Oxidation", GeneralFormat(row.oxidationPotential) + " V",
                   GeneralFormat(row.oxidationLogK));
    else
        form6.fill(row.reductionText, "Reduction", GeneralFormat(row.reductionPotential) + " V",
                   GeneralFormat(row.reductionLogK));
    context_.services.desktop.beep();
    form6.exec();
}

void Form1::rearrange(Arrangement arrangement) {
    if (rearranging_)
        return;
    const QScopedValueRollback<bool> guard(rearranging_, true);
    if (arrangement == Arrangement::Alphabetical) {
        if (const auto table = loadTable()) {
            fillLists(MakeListItems(*table, Arrangement::Alphabetical));
            arrangement_ = arrangement;
            setJumpEnabled(true);
        }
        setArrangementChecks(arrangement_);
        return;
    }
    Form11& progress = context_.form11();
    progress.showProgress(0);
    progress.show();
    progress.repaint();
    const auto table = loadTable();
    std::optional<ListItems> sorted;
    if (table) {
        sorted = SortForArrangement(*table, arrangement, [&](int pass, int total) {
            progress.showProgress(SortPercent(pass, total));
            QCoreApplication::processEvents();
            if (context_.sortCancelFlag == 1) {
                context_.sortCancelFlag = 0;
                return false;
            }
            return true;
        });
    }
    if (sorted) {
        fillLists(*sorted);
        progress.hide();
        context_.sortCancelFlag = 0;
        arrangement_ = arrangement;
        setJumpEnabled(false);
    }
    setArrangementChecks(arrangement_);
}

void Form1::setArrangementChecks(Arrangement arrangement) {
    actions_.asce->setChecked(arrangement == Arrangement::Ascending);
    actions_.des->setChecked(arrangement == Arrangement::Descending);
    actions_.alpha->setChecked(arrangement == Arrangement::Alphabetical);
}

// Jump positions refer to table order, so jumping works in the Alphabetical
// arrangement only.
void Form1::setJumpEnabled(bool enabled) {
    command2_->setEnabled(enabled);
    command3_->setEnabled(enabled);
    actions_.ox->setEnabled(enabled);
    actions_.red->setEnabled(enabled);
}

void Form1::showJump(char list) {
    context_.jumpListFlag = list;
    Form8& jump = context_.form8();
    jump.text1()->clear();
    jump.exec();
}

void Form1::saveSelected() {
    if (!bothSelected()) {
        context_.message(this, "Two half reactions have to be selected for a file to be saved.");
        return;
    }
    context_.form16().exec();
}

void Form1::showOutput(int outputMode) {
    Form13& output = context_.form13();
    output.prepare(outputMode);
    output.show();
}

void Form1::findNext() {
    QListWidget* list = context_.find.list == 'O' ? list1_ : list2_;
    const std::vector<std::string> entries = ListBytes(list);
    const int selected =
        list->currentItem() && list->currentItem()->isSelected() ? list->currentRow() : -1;
    const auto match =
        FindEntryText(entries, static_cast<std::size_t>(selected + 1), context_.find.text,
                      context_.find.matchCase, context_.find.wholeWord);
    if (!match) {
        context_.message(this, "Not found! Please try again.", platform::MessageIcon::Exclamation);
        return;
    }
    list->setCurrentRow(static_cast<int>(*match));
    list->scrollToItem(list->currentItem());
    if (context_.hasForm12())
        context_.form12().hide();
}

void Form1::startApplication(int index) {
    const QString path = m_[static_cast<std::size_t>(index)]->data().toString();
    if (context_.services.programs.start(path) == platform::StartResult::InvalidPath)
        context_.message(this, "Invalid Path!", platform::MessageIcon::Critical);
}

void Form1::closeEvent(QCloseEvent* event) {
    context_.handleClose(this, event);
}

} // namespace galvix::ui
