// The calculator window's menus and tool bar: every command by name, with its
// caption, shortcut and tool tip. The window connects them to what they do.
#include "calculator_menus.h"

#include "platform/menus.h"

#include <QActionGroup>
#include <QHBoxLayout>
#include <QMenuBar>
#include <QToolButton>

namespace molva::ui {

namespace {

using platform::AddMenuItem;

constexpr int kToolImageWidth = 23;
constexpr int kToolImageHeight = 22;

QMenu* AddMenu(QMenuBar* bar, const char* name, const char* caption) {
    QMenu* menu = bar->addMenu(caption);
    menu->menuAction()->setObjectName(name);
    return menu;
}

QAction* AddCheckItem(QMenu* menu, const char* name, const char* caption,
                      const QKeySequence& key = {}) {
    QAction* item = AddMenuItem(menu, name, caption, key);
    item->setCheckable(true);
    return item;
}

void AddFileMenu(QMenuBar* bar, CalculatorActions& a) {
    QMenu* file = AddMenu(bar, "mnuFile", "&File");
    a.newList = AddMenuItem(file, "mnuNew", "&New", QKeySequence("Ctrl+N"));
    a.open = AddMenuItem(file, "mnuOpen", "&Open...", QKeySequence("Ctrl+O"));
    a.save = AddMenuItem(file, "mnuSave", "&Save...", QKeySequence("Ctrl+S"));
    file->addSeparator();
    a.print = AddMenuItem(file, "mnuPrint", "&Print...", QKeySequence("Ctrl+P"));
    file->addSeparator();
    a.exit = AddMenuItem(file, "mnuExit", "E&xit", QKeySequence("Ctrl+Q"));
    a.menus[0] = file;
}

void AddEditMenu(QMenuBar* bar, CalculatorActions& a) {
    QMenu* edit = AddMenu(bar, "mnuEdit", "&Edit");
    a.cut = AddMenuItem(edit, "mnuCut", "Cu&t", QKeySequence("Ctrl+X"));
    a.copy = AddMenuItem(edit, "mnuCopy", "&Copy", QKeySequence("Ctrl+C"));
    a.paste = AddMenuItem(edit, "mnuPaste", "&Paste", QKeySequence("Ctrl+V"));
    a.deleteText = AddMenuItem(edit, "mnuDelete", "&Delete", QKeySequence("Shift+Del"));
    edit->addSeparator();
    a.selectAll = AddMenuItem(edit, "mnuSelect", "Select &All", QKeySequence("Ctrl+A"));
    a.clearDisplay = AddMenuItem(edit, "mnuClear", "Clear Displa&y   ", QKeySequence("Ctrl+Y"));
    a.menus[1] = edit;
}

void AddInsertMenu(QMenuBar* bar, CalculatorActions& a) {
    QMenu* insert = AddMenu(bar, "mnuInsert", "&Insert");
    a.adductDot =
        AddMenuItem(insert, "mnuAdductDot", "\xC2\xB7  &Hydrate dot", QKeySequence("Ctrl+."));
    a.adductDot->setToolTip("Hydrate dot: CuSO4\xC2\xB7"
                            "5H2O");
    insert->addSeparator();
    const char* ions[] = {"H2O", "OH",  "CN",    "CH2", "CO3", nullptr, "NO2",  "NO3",
                          "NH3", "NH4", nullptr, "SO3", "SO4", "PO4",   "CrO4", "Cr2O7"};
    for (std::size_t k = 0; k < std::size(ions); ++k) {
        QAction* item = ions[k] ? insert->addAction(ions[k]) : insert->addSeparator();
        item->setObjectName(QString("mnuIoni(%1)").arg(k));
    }
    a.menus[2] = insert;
}

void AddViewMenu(QMenuBar* bar, CalculatorActions& a) {
    QMenu* view = AddMenu(bar, "mnuView", "&View");
    a.expand = AddCheckItem(view, "mnuExpand", "Expand Molva", QKeySequence(Qt::Key_F9));
    a.displayOnly = AddCheckItem(view, "mnuShort", "Show Display only", QKeySequence(Qt::Key_F12));
    view->addSeparator();
    const char* captions[] = {"Classic Calculator", "&SI Units", "&Physical Constants",
                              "&Custom Constant", "&New Custom Constant..."};
    const QKeySequence keys[] = {{}, QKeySequence("Ctrl+U"), QKeySequence(Qt::Key_F11), {}, {}};
    for (std::size_t k = 0; k < a.constants.size(); ++k) {
        const QString name = QString("mnuConstants(%1)").arg(k);
        a.constants[k] = AddCheckItem(view, "", captions[k], keys[k]);
        a.constants[k]->setObjectName(name);
    }
    a.constants[0]->setChecked(true);
    view->addSeparator();
    a.numberFormat = AddMenuItem(view, "mnuNumber", "Number &Format...", QKeySequence("Ctrl+F"));
    a.separator = AddCheckItem(view, "mnuSeparator", "Function Separator");
    a.separator->setChecked(true);
    view->addSeparator();
    a.composition = AddMenuItem(view, "mnuComposition", "Co&mposition...", QKeySequence("Ctrl+M"));
    auto* weights = new QActionGroup(view);
    for (std::size_t k = 0; k < a.weights.size(); ++k) {
        a.weights[k] = AddCheckItem(view, "", AtomicWeightsCaption(static_cast<AtomicWeights>(k)));
        a.weights[k]->setObjectName(QString("mnuWeights(%1)").arg(k));
        weights->addAction(a.weights[k]);
    }
    a.weights[0]->setChecked(true);
    view->addSeparator();
    a.alwaysOnTop = AddCheckItem(view, "mnuTop", "Always On &Top", QKeySequence("Ctrl+T"));
    a.menus[3] = view;
}

void AddHelpMenu(QMenuBar* bar, CalculatorActions& a) {
    QMenu* help = AddMenu(bar, "mnuHelp", "&Help");
    a.helpTopics = AddMenuItem(help, "mnuUsage", "Help &Topics ", QKeySequence(Qt::Key_F1));
    a.example = AddMenuItem(help, "mnuExample", "&Example");
    help->addSeparator();
    a.splash = AddMenuItem(help, "mnuSplash", "&Splash Screen");
    a.about = AddMenuItem(help, "mnuAbout", "&About Molva");
    a.menus[4] = help;
}

} // namespace

const char* AtomicWeightsCaption(AtomicWeights weights) {
    return weights == AtomicWeights::Iupac2021 ? "Atomic weights: IUPAC 2021"
                                               : "Atomic weights: classic table";
}

QList<QAction*> CalculatorActions::all() const {
    QList<QAction*> actions = {newList,      open,       save,        print,        exit,
                               cut,          copy,       paste,       deleteText,   selectAll,
                               clearDisplay, expand,     displayOnly, numberFormat, separator,
                               alwaysOnTop,  helpTopics, example,     splash,       about,
                               composition,  adductDot};
    for (QAction* view : constants)
        actions.append(view);
    for (QAction* table : weights)
        actions.append(table);
    return actions;
}

QList<QKeySequence> CalculatorActions::shortcuts() const {
    QList<QKeySequence> keys;
    for (const QAction* action : all()) {
        if (!action->shortcut().isEmpty())
            keys.append(action->shortcut());
    }
    return keys;
}

CalculatorActions CreateMenus(QMenuBar* bar) {
    CalculatorActions actions;
    AddFileMenu(bar, actions);
    AddEditMenu(bar, actions);
    AddInsertMenu(bar, actions);
    AddViewMenu(bar, actions);
    AddHelpMenu(bar, actions);
    return actions;
}

std::array<QToolButton*, kToolImageCount> CreateToolBar(QWidget* strip,
                                                        const CalculatorActions& actions) {
    struct Image {
        const char* icon;
        const char* toolTip;
        QAction* action;
    };
    const std::array<Image, kToolImageCount> images = {{
        {"new", " New List ", actions.newList},
        {"open", " Open Task ", actions.open},
        {"save", " Save List ", actions.save},
        {"print", " Print List ", actions.print},
        {"cut", " Cut ", actions.cut},
        {"copy", " Copy ", actions.copy},
        {"paste", " Paste ", actions.paste},
        {"delete", " Delete ", actions.deleteText},
        {"format", " Number Format ", actions.numberFormat},
        {"expand", " Expand Molva ", actions.expand},
    }};
    auto* row = new QHBoxLayout(strip);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(1);
    std::array<QToolButton*, kToolImageCount> buttons{};
    for (std::size_t k = 0; k < images.size(); ++k) {
        auto* button = new QToolButton(strip);
        button->setObjectName(QString("imgMenu(%1)").arg(k));
        button->setIcon(QIcon(QString(":/icons/%1.svg").arg(images[k].icon)));
        button->setToolTip(images[k].toolTip);
        button->setAutoRaise(true);
        button->setFocusPolicy(Qt::NoFocus);
        button->setFixedSize(kToolImageWidth, kToolImageHeight);
        QObject::connect(button, &QToolButton::clicked, images[k].action, &QAction::trigger);
        buttons[k] = button;
        row->addWidget(button);
    }
    row->addStretch();
    return buttons;
}

} // namespace molva::ui
